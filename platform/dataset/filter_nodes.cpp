#include "platform/dataset/filter_nodes.h"

#include <algorithm>
#include <array>

#include "platform/dataset/like_pattern.h"
#include "platform/dataset/table.h"
#include "platform/text/text.h"

namespace expo::ds::filter {
namespace {

bool isIntegral(Type t) {
    return t == Type::Integer || t == Type::Boolean || t == Type::Date || t == Type::Time ||
           t == Type::Timestamp;
}

template <typename T>
bool holds(Op op, const T& a, const T& b) {
    switch (op) {
        case Op::Equal:
            return a == b;
        case Op::NotEqual:
            return a != b;
        case Op::Less:
            return a < b;
        case Op::Greater:
            return a > b;
        case Op::LessEqual:
            return a <= b;
        default:
            return a >= b;
    }
}

class ColumnValue : public Evaluator {
  public:
    ColumnValue(const Column& c, Type type) : Evaluator(type), c_(c) {}
    bool test(uint32_t row) const override { return !c_.isNull(row) && c_.number(row) != 0; }
    bool isNull(uint32_t row) const override { return c_.isNull(row); }
    int64_t number(uint32_t row) const override { return c_.number(row); }
    double real(uint32_t row) const override {
        return type() == Type::Real ? c_.real(row) : static_cast<double>(c_.number(row));
    }
    std::string_view text(uint32_t row) const override { return c_.bytes(row); }
    const Column* column() const override { return &c_; }
    int cost() const override { return 1; }

  private:
    const Column& c_;
};

class ConstantValue : public Evaluator {
  public:
    explicit ConstantValue(Constant k) : Evaluator(k.type), k_(std::move(k)) {}
    bool test(uint32_t) const override { return k_.number != 0; }
    bool isNull(uint32_t) const override { return false; }
    int64_t number(uint32_t) const override { return k_.number; }
    double real(uint32_t) const override { return k_.real; }
    std::string_view text(uint32_t) const override { return k_.text; }
    const Constant* constant() const override { return &k_; }
    int cost() const override { return 0; }

  private:
    Constant k_;
};

class Junction : public Evaluator {
  public:
    Junction(bool isAnd, std::vector<EvaluatorPtr> args)
        : Evaluator(Type::Condition), isAnd_(isAnd), args_(std::move(args)) {
        std::stable_sort(
            args_.begin(), args_.end(),
            [](const EvaluatorPtr& a, const EvaluatorPtr& b) { return a->cost() < b->cost(); });
    }
    bool test(uint32_t row) const override {
        for (const EvaluatorPtr& a : args_) {
            if (a->test(row) != isAnd_) {
                return !isAnd_;
            }
        }
        return isAnd_;
    }
    const std::vector<EvaluatorPtr>* conjunction() const override {
        return isAnd_ ? &args_ : nullptr;
    }
    int cost() const override {
        int total = 0;
        for (const EvaluatorPtr& a : args_) {
            total += a->cost();
        }
        return total;
    }

  private:
    bool isAnd_;
    std::vector<EvaluatorPtr> args_;
};

class Negation : public Evaluator {
  public:
    explicit Negation(EvaluatorPtr arg) : Evaluator(Type::Condition), arg_(std::move(arg)) {}
    bool test(uint32_t row) const override { return !arg_->test(row); }
    int cost() const override { return arg_->cost(); }

  private:
    EvaluatorPtr arg_;
};

class NullTest : public Evaluator {
  public:
    explicit NullTest(EvaluatorPtr arg) : Evaluator(Type::Condition), arg_(std::move(arg)) {}
    bool test(uint32_t row) const override { return arg_->isNull(row); }
    int cost() const override { return arg_->cost(); }

  private:
    EvaluatorPtr arg_;
};

using CaseTable = std::array<unsigned char, 256>;

const CaseTable& caseTable(bool upper) {
    static const auto make = [](unsigned char (*convert)(unsigned char)) {
        CaseTable t{};
        for (int c = 0; c < 256; ++c) {
            t[c] = convert(static_cast<unsigned char>(c));
        }
        return t;
    };
    static const CaseTable upperTable = make(&text::upperChar);
    static const CaseTable lowerTable = make(&text::lowerChar);
    return upper ? upperTable : lowerTable;
}

std::string convertCase(std::string_view s, const CaseTable& table) {
    std::string out(s);
    for (char& c : out) {
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    }
    return out;
}

class CaseValue : public Evaluator {
  public:
    CaseValue(EvaluatorPtr arg, bool upper)
        : Evaluator(Type::Text), arg_(std::move(arg)), table_(caseTable(upper)) {}
    bool isNull(uint32_t row) const override { return arg_->isNull(row); }
    std::string_view text(uint32_t row) const override {
        const std::string_view s = arg_->text(row);
        buffer_.resize(s.size());
        for (size_t i = 0; i < s.size(); ++i) {
            buffer_[i] = static_cast<char>(table_[static_cast<unsigned char>(s[i])]);
        }
        return buffer_;
    }
    int cost() const override { return arg_->cost() + 1; }

  private:
    EvaluatorPtr arg_;
    const CaseTable& table_;
    mutable std::string buffer_;  // the converted text of the last row asked for
};

// A comparison of an integral column with an integer.
class IntegralColumnCompare : public Evaluator {
  public:
    IntegralColumnCompare(Op op, const Column& c, int64_t k)
        : Evaluator(Type::Condition), op_(op), c_(c), k_(k) {}
    bool test(uint32_t row) const override {
        return !c_.isNull(row) && holds(op_, c_.number(row), k_);
    }
    bool keyTerm(const Column*& column, std::vector<int64_t>& keys) const override {
        if (op_ != Op::Equal) {
            return false;
        }
        column = &c_;
        keys = {k_};
        return true;
    }
    int cost() const override { return 1; }

  private:
    Op op_;
    const Column& c_;
    int64_t k_;
};

class TextCompareConstant : public Evaluator {
  public:
    TextCompareConstant(Op op, EvaluatorPtr left, std::string k)
        : Evaluator(Type::Condition), op_(op), left_(std::move(left)), k_(std::move(k)) {}
    bool test(uint32_t row) const override {
        return !left_->isNull(row) && holds(op_, left_->text(row).compare(k_), 0);
    }
    int cost() const override { return left_->cost() + 1; }

  private:
    Op op_;
    EvaluatorPtr left_;
    std::string k_;
};

class Compare : public Evaluator {
  public:
    Compare(Op op, EvaluatorPtr left, EvaluatorPtr right)
        : Evaluator(Type::Condition), op_(op), left_(std::move(left)), right_(std::move(right)) {}
    bool test(uint32_t row) const override {
        if (left_->isNull(row) || right_->isNull(row)) {
            return false;
        }
        const Type l = left_->type();
        const Type r = right_->type();
        if (l == Type::Text || l == Type::Blob) {
            return holds(op_, left_->text(row).compare(right_->text(row)), 0);
        }
        if (isIntegral(l) && isIntegral(r)) {
            return holds(op_, left_->number(row), right_->number(row));
        }
        return holds(op_, left_->real(row), right_->real(row));
    }
    int cost() const override { return left_->cost() + right_->cost() + 1; }

  private:
    Op op_;
    EvaluatorPtr left_;
    EvaluatorPtr right_;
};

class Like : public Evaluator {
  public:
    Like(EvaluatorPtr text, std::string_view pattern)
        : Evaluator(Type::Condition), text_(std::move(text)), pattern_(pattern) {}
    bool test(uint32_t row) const override {
        return !text_->isNull(row) && pattern_.matches(text_->text(row));
    }
    int cost() const override { return text_->cost() + 2; }

  private:
    EvaluatorPtr text_;
    LikePattern pattern_;
};

// IN over integral values, texts or reals, each kept sorted for a binary search.
class InList : public Evaluator {
  public:
    InList(EvaluatorPtr value, const std::vector<Constant>& list)
        : Evaluator(Type::Condition), value_(std::move(value)) {
        for (const Constant& k : list) {
            if (value_->type() == Type::Text) {
                texts_.push_back(k.text);
            } else if (isIntegral(value_->type()) && isIntegral(k.type)) {
                numbers_.push_back(k.number);
            } else {
                reals_.push_back(k.real);
            }
        }
        sortUnique(numbers_);
        sortUnique(texts_);
        sortUnique(reals_);
    }
    bool test(uint32_t row) const override {
        if (value_->isNull(row)) {
            return false;
        }
        if (value_->type() == Type::Text) {
            const std::string_view v = value_->text(row);
            return std::binary_search(texts_.begin(), texts_.end(), v,
                                      [](std::string_view a, std::string_view b) { return a < b; });
        }
        if (isIntegral(value_->type()) &&
            std::binary_search(numbers_.begin(), numbers_.end(), value_->number(row))) {
            return true;
        }
        return !reals_.empty() &&
               std::binary_search(reals_.begin(), reals_.end(), value_->real(row));
    }
    bool keyTerm(const Column*& column, std::vector<int64_t>& keys) const override {
        if (value_->column() == nullptr || !isIntegral(value_->type()) || !reals_.empty()) {
            return false;
        }
        column = value_->column();
        keys = numbers_;
        return true;
    }
    int cost() const override { return value_->cost() + 1; }

  private:
    template <typename T>
    static void sortUnique(std::vector<T>& v) {
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end()), v.end());
    }

    EvaluatorPtr value_;
    std::vector<int64_t> numbers_;
    std::vector<std::string> texts_;
    std::vector<double> reals_;
};

}  // namespace

bool Evaluator::test(uint32_t) const {
    return false;
}
bool Evaluator::isNull(uint32_t) const {
    return false;
}
int64_t Evaluator::number(uint32_t) const {
    return 0;
}
double Evaluator::real(uint32_t) const {
    return 0;
}
std::string_view Evaluator::text(uint32_t) const {
    return {};
}
bool Evaluator::keyTerm(const Column*&, std::vector<int64_t>&) const {
    return false;
}

EvaluatorPtr makeColumn(const Column& column, Type type) {
    return std::make_unique<ColumnValue>(column, type);
}

EvaluatorPtr makeConstant(Constant c) {
    return std::make_unique<ConstantValue>(std::move(c));
}

EvaluatorPtr makeJunction(bool isAnd, std::vector<EvaluatorPtr> args) {
    return std::make_unique<Junction>(isAnd, std::move(args));
}

EvaluatorPtr makeNot(EvaluatorPtr arg) {
    return std::make_unique<Negation>(std::move(arg));
}

EvaluatorPtr makeIsNull(EvaluatorPtr arg) {
    return std::make_unique<NullTest>(std::move(arg));
}

EvaluatorPtr makeCase(EvaluatorPtr text, bool upper) {
    if (const Constant* k = text->constant()) {
        return makeConstant(Constant::ofText(convertCase(k->text, caseTable(upper))));
    }
    return std::make_unique<CaseValue>(std::move(text), upper);
}

EvaluatorPtr makeCompareConstant(Op op, EvaluatorPtr left, const Constant& right) {
    if (left->column() != nullptr && isIntegral(left->type()) && isIntegral(right.type)) {
        return std::make_unique<IntegralColumnCompare>(op, *left->column(), right.number);
    }
    if (left->type() == Type::Text) {
        return std::make_unique<TextCompareConstant>(op, std::move(left), right.text);
    }
    return makeCompare(op, std::move(left), makeConstant(right));
}

EvaluatorPtr makeCompare(Op op, EvaluatorPtr left, EvaluatorPtr right) {
    return std::make_unique<Compare>(op, std::move(left), std::move(right));
}

EvaluatorPtr makeLike(EvaluatorPtr text, std::string_view pattern) {
    return std::make_unique<Like>(std::move(text), pattern);
}

EvaluatorPtr makeIn(EvaluatorPtr value, std::vector<Constant> list) {
    return std::make_unique<InList>(std::move(value), list);
}

}  // namespace expo::ds::filter
