#pragma once
// Filter expressions of the client dataset.
//
//   condition  := term { OR term }
//   term       := factor { AND factor }
//   factor     := NOT factor | comparison
//   comparison := operand [ ( = | <> | < | > | <= | >= ) operand
//                         | [NOT] LIKE operand | [NOT] IN ( [operand { , operand }] )
//                         | IS [NOT] NULL ]
//   operand    := ( condition ) | field | [field name] | integer | decimal | -number
//                 | 'text' ('' inside stands for one quote) | TRUE | FALSE
//                 | UPPER ( condition ) | LOWER ( condition )
//
// Keywords and function names are matched in any case; comparisons of text respect case (bytes
// of code page 1250); UPPER and LOWER give the Czech locale's case. LIKE takes "%" for any run
// of characters and "_" for one. A comparison with a null value is false. Errors are
// expo::Error naming the position (1-based character) where the expression went wrong.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace expo::ds {

class Column;

namespace filter {

enum class Op {
    Or,
    And,
    Not,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    Like,
    In,
    IsNull,
    Upper,
    Lower,
    Field,
    Integer,
    Real,
    Text,
    Boolean,
};

// The syntax tree. NOT LIKE, NOT IN and IS NOT NULL are Not nodes above the positive form;
// chains of AND and OR are single nodes with every operand as an argument.
struct Node {
    Op op = Op::Integer;
    size_t position = 0;  // 1-based character where the node starts
    std::string text;     // Field: its name; Text: the literal's value
    int64_t integer = 0;  // Integer, Boolean (0 or 1)
    double real = 0;      // Real
    std::vector<Node> args;
};

Node parse(std::string_view expression);

// A column named in an expression; nullptr when the dataset has no such field.
using Resolver = std::function<const Column*(std::string_view name)>;

class Evaluator;

// A parsed and type-checked expression bound to the columns of one table.
class Predicate {
  public:
    Predicate(std::string_view expression, const Resolver& resolve);
    ~Predicate();
    Predicate(Predicate&&) noexcept;
    Predicate& operator=(Predicate&&) noexcept;

    bool operator()(uint32_t row) const;

    // Terms that every matching row satisfies: "FIELD = integer" and "FIELD IN (integers)" on
    // an integer field, at the top of the expression or joined to it by AND. Keys sorted.
    struct KeyTerm {
        const Column* column = nullptr;
        std::vector<int64_t> keys;
    };
    const std::vector<KeyTerm>& keyTerms() const { return keyTerms_; }
    // Whether the expression is its one key term and nothing else: then the rows an index
    // gives for the term's keys are exactly the rows that match.
    bool isKeyTermOnly() const { return keyTermOnly_; }

  private:
    std::unique_ptr<Evaluator> root_;
    std::vector<KeyTerm> keyTerms_;
    bool keyTermOnly_ = false;
};

// "filter expression" error text with the position, shared by the parser and the binder.
[[noreturn]] void fail(std::string_view expression, size_t position, const std::string& problem);

}  // namespace filter
}  // namespace expo::ds
