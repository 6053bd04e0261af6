#pragma once
// The evaluators a bound filter expression is made of (see filter_eval.cpp for the binding).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/filter.h"

namespace expo::ds::filter {

// Condition: the result of a comparison, AND, OR, NOT, LIKE, IN, IS NULL. The others are the
// types of values; Integer, Boolean, Date, Time and Timestamp are held as int64.
enum class Type { Condition, Integer, Real, Text, Boolean, Date, Time, Timestamp, Blob };

struct Constant {
    Type type = Type::Integer;
    int64_t number = 0;
    double real = 0;
    std::string text;

    static Constant ofInteger(int64_t v) { return {Type::Integer, v, static_cast<double>(v), {}}; }
    static Constant ofReal(double v) { return {Type::Real, 0, v, {}}; }
    static Constant ofText(std::string v) { return {Type::Text, 0, 0, std::move(v)}; }
    static Constant ofBoolean(bool v) { return {Type::Boolean, v ? 1 : 0, v ? 1.0 : 0.0, {}}; }
};

class Evaluator {
  public:
    explicit Evaluator(Type type) : type_(type) {}
    virtual ~Evaluator() = default;
    Evaluator(const Evaluator&) = delete;
    Evaluator& operator=(const Evaluator&) = delete;

    Type type() const { return type_; }

    // Whether a condition holds for the row (a Boolean value: whether it is true).
    virtual bool test(uint32_t row) const;
    // Values of the other types.
    virtual bool isNull(uint32_t row) const;
    virtual int64_t number(uint32_t row) const;
    virtual double real(uint32_t row) const;
    virtual std::string_view text(uint32_t row) const;

    virtual const Constant* constant() const { return nullptr; }
    virtual const Column* column() const { return nullptr; }
    // The operands of an AND chain.
    virtual const std::vector<std::unique_ptr<Evaluator>>* conjunction() const { return nullptr; }
    // "column = integer" or "column IN (integers)": the column and the sorted keys.
    virtual bool keyTerm(const Column*& column, std::vector<int64_t>& keys) const;
    // Rough cost of one evaluation; AND and OR try the cheap operands first.
    virtual int cost() const { return 4; }

  private:
    Type type_;
};

using EvaluatorPtr = std::unique_ptr<Evaluator>;

EvaluatorPtr makeColumn(const Column& column, Type type);
EvaluatorPtr makeConstant(Constant c);
EvaluatorPtr makeJunction(bool isAnd, std::vector<EvaluatorPtr> args);
EvaluatorPtr makeNot(EvaluatorPtr arg);
EvaluatorPtr makeIsNull(EvaluatorPtr arg);
EvaluatorPtr makeCase(EvaluatorPtr text, bool upper);
// The comparisons: `op` is one of Equal ... GreaterEqual; the operands are comparable.
EvaluatorPtr makeCompareConstant(Op op, EvaluatorPtr left, const Constant& right);
EvaluatorPtr makeCompare(Op op, EvaluatorPtr left, EvaluatorPtr right);
EvaluatorPtr makeLike(EvaluatorPtr text, std::string_view pattern);
EvaluatorPtr makeIn(EvaluatorPtr value, std::vector<Constant> list);

}  // namespace expo::ds::filter
