// Recursive-descent parser of filter expressions (grammar in filter.h).
#include <charconv>
#include <optional>

#include "platform/dataset/filter.h"
#include "platform/text/error.h"
#include "platform/text/text.h"

namespace expo::ds::filter {
namespace {

// Deeper nesting than this is refused rather than risking the stack.
constexpr int kMaxDepth = 200;

enum class Tok { End, Word, Name, Number, Text, Symbol };

struct Token {
    Tok kind = Tok::End;
    std::string text;  // Word/Name: the name; Number: its digits; Text: the value; Symbol
    size_t position = 1;
};

bool isWordStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool isWordChar(char c) {
    return isWordStart(c) || (c >= '0' && c <= '9');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

class Parser {
  public:
    explicit Parser(std::string_view expr) : expr_(expr) { advance(); }

    Node parseAll() {
        Node n = parseOr();
        if (tok_.kind != Tok::End) {
            fail(expr_, tok_.position, "unexpected '" + tok_.text + "'");
        }
        return n;
    }

  private:
    // --- tokens -------------------------------------------------------------------------
    void advance() {
        while (pos_ < expr_.size() && static_cast<unsigned char>(expr_[pos_]) <= ' ') {
            ++pos_;
        }
        tok_ = Token{};
        tok_.position = pos_ + 1;
        if (pos_ >= expr_.size()) {
            return;
        }
        const char c = expr_[pos_];
        if (isWordStart(c)) {
            const size_t start = pos_;
            while (pos_ < expr_.size() && isWordChar(expr_[pos_])) {
                ++pos_;
            }
            tok_ = {Tok::Word, std::string(expr_.substr(start, pos_ - start)), start + 1};
        } else if (isDigit(c) ||
                   (c == '.' && pos_ + 1 < expr_.size() && isDigit(expr_[pos_ + 1]))) {
            const size_t start = pos_;
            while (pos_ < expr_.size() && (isDigit(expr_[pos_]) || expr_[pos_] == '.')) {
                ++pos_;
            }
            tok_ = {Tok::Number, std::string(expr_.substr(start, pos_ - start)), start + 1};
        } else if (c == '\'') {
            readText();
        } else if (c == '[') {
            const size_t close = expr_.find(']', pos_);
            if (close == std::string_view::npos) {
                fail(expr_, pos_ + 1, "field name without its closing ']'");
            }
            tok_ = {Tok::Name, std::string(expr_.substr(pos_ + 1, close - pos_ - 1)), pos_ + 1};
            pos_ = close + 1;
        } else {
            static constexpr std::string_view kTwoChar[] = {"<>", "<=", ">=", "!="};
            for (std::string_view op : kTwoChar) {
                if (expr_.substr(pos_, 2) == op) {
                    tok_ = {Tok::Symbol, std::string(op), pos_ + 1};
                    pos_ += 2;
                    return;
                }
            }
            tok_ = {Tok::Symbol, std::string(1, c), pos_ + 1};
            ++pos_;
        }
    }

    void readText() {
        const size_t start = pos_++;
        std::string value;
        for (;;) {
            if (pos_ >= expr_.size()) {
                fail(expr_, start + 1, "text without its closing quote");
            }
            if (expr_[pos_] == '\'') {
                if (pos_ + 1 < expr_.size() && expr_[pos_ + 1] == '\'') {
                    value.push_back('\'');
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                break;
            }
            value.push_back(expr_[pos_++]);
        }
        tok_ = {Tok::Text, std::move(value), start + 1};
    }

    bool isKeyword(std::string_view keyword) const {
        return tok_.kind == Tok::Word && text::asciiLower(tok_.text) == keyword;
    }
    bool isSymbol(std::string_view s) const { return tok_.kind == Tok::Symbol && tok_.text == s; }
    void expectSymbol(std::string_view s, const char* what) {
        if (!isSymbol(s)) {
            fail(expr_, tok_.position, std::string("expected ") + what + found());
        }
        advance();
    }
    std::string found() const {
        return tok_.kind == Tok::End ? " but the expression ends"
                                     : " instead of '" + tok_.text + "'";
    }

    // --- grammar ------------------------------------------------------------------------
    struct DepthGuard {
        DepthGuard(Parser& p, size_t position) : p_(p) {
            if (++p_.depth_ > kMaxDepth) {
                fail(p_.expr_, position, "expression nested too deeply");
            }
        }
        ~DepthGuard() { --p_.depth_; }
        Parser& p_;
    };

    Node chain(Op op, std::string_view keyword, Node (Parser::*operand)()) {
        Node first = (this->*operand)();
        if (!isKeyword(keyword)) {
            return first;
        }
        Node n{op, first.position, {}, 0, 0, {}};
        n.args.push_back(std::move(first));
        while (isKeyword(keyword)) {
            advance();
            n.args.push_back((this->*operand)());
        }
        return n;
    }
    Node parseOr() { return chain(Op::Or, "or", &Parser::parseAnd); }
    Node parseAnd() { return chain(Op::And, "and", &Parser::parseNot); }

    Node parseNot() {
        if (!isKeyword("not")) {
            return parseComparison();
        }
        const DepthGuard guard(*this, tok_.position);
        const size_t at = tok_.position;
        advance();
        return negate(parseNot(), at);
    }

    static Node negate(Node n, size_t position) {
        Node m{Op::Not, position, {}, 0, 0, {}};
        m.args.push_back(std::move(n));
        return m;
    }

    static std::optional<Op> comparisonOp(const Token& t) {
        if (t.kind != Tok::Symbol) {
            return std::nullopt;
        }
        static constexpr std::pair<std::string_view, Op> kOps[] = {
            {"=", Op::Equal},   {"<>", Op::NotEqual},  {"!=", Op::NotEqual},     {"<", Op::Less},
            {">", Op::Greater}, {"<=", Op::LessEqual}, {">=", Op::GreaterEqual},
        };
        for (const auto& [text, op] : kOps) {
            if (t.text == text) {
                return op;
            }
        }
        return std::nullopt;
    }

    Node binary(Op op, Node left, Node right) {
        Node n{op, left.position, {}, 0, 0, {}};
        n.args.push_back(std::move(left));
        n.args.push_back(std::move(right));
        return n;
    }

    Node parseComparison() {
        Node left = parseOperand();
        if (const auto op = comparisonOp(tok_)) {
            advance();
            return binary(*op, std::move(left), parseOperand());
        }
        const size_t notAt = tok_.position;
        const bool negated = isKeyword("not");
        if (negated) {
            advance();
            if (!isKeyword("like") && !isKeyword("in")) {
                fail(expr_, tok_.position, "expected LIKE or IN after NOT" + found());
            }
        }
        Node n;
        if (isKeyword("like")) {
            advance();
            n = binary(Op::Like, std::move(left), parseOperand());
        } else if (isKeyword("in")) {
            advance();
            n = parseInList(std::move(left));
        } else if (isKeyword("is")) {
            advance();
            const bool isNot = isKeyword("not");
            if (isNot) {
                advance();
            }
            if (!isKeyword("null")) {
                fail(expr_, tok_.position, "expected NULL" + found());
            }
            advance();
            Node test{Op::IsNull, left.position, {}, 0, 0, {}};
            test.args.push_back(std::move(left));
            return isNot ? negate(std::move(test), notAt) : test;
        } else {
            return left;
        }
        return negated ? negate(std::move(n), notAt) : n;
    }

    Node parseInList(Node left) {
        Node n{Op::In, left.position, {}, 0, 0, {}};
        n.args.push_back(std::move(left));
        expectSymbol("(", "'(' after IN");
        if (!isSymbol(")")) {
            n.args.push_back(parseOperand());
            while (isSymbol(",")) {
                advance();
                n.args.push_back(parseOperand());
            }
        }
        expectSymbol(")", "')' closing the IN list");
        return n;
    }

    Node parseOperand() {
        const DepthGuard guard(*this, tok_.position);
        const Token t = tok_;
        if (isSymbol("(")) {
            advance();
            Node inner = parseOr();
            expectSymbol(")", "')'");
            return inner;
        }
        if (isSymbol("-")) {
            advance();
            if (tok_.kind != Tok::Number) {
                fail(expr_, tok_.position, "expected a number after '-'" + found());
            }
            Node n = parseNumber(tok_.text, t.position, true);
            advance();
            return n;
        }
        switch (t.kind) {
            case Tok::Number: {
                advance();
                return parseNumber(t.text, t.position, false);
            }
            case Tok::Text:
                advance();
                return Node{Op::Text, t.position, t.text, 0, 0, {}};
            case Tok::Name:
                advance();
                return Node{Op::Field, t.position, t.text, 0, 0, {}};
            case Tok::Word:
                return parseWord();
            default:
                fail(expr_, t.position, "expected a field name or a value" + found());
        }
    }

    Node parseWord() {
        const Token t = tok_;
        const std::string word = text::asciiLower(t.text);
        static constexpr std::string_view kReserved[] = {"and", "or", "not", "like",
                                                         "in",  "is", "null"};
        for (std::string_view r : kReserved) {
            if (word == r) {
                fail(expr_, t.position,
                     "expected a field name or a value instead of '" + t.text + "'");
            }
        }
        advance();
        if (word == "true" || word == "false") {
            return Node{Op::Boolean, t.position, {}, word == "true" ? 1 : 0, 0, {}};
        }
        if ((word == "upper" || word == "lower") && isSymbol("(")) {
            advance();
            Node n{word == "upper" ? Op::Upper : Op::Lower, t.position, {}, 0, 0, {}};
            n.args.push_back(parseOr());
            expectSymbol(")", "')' closing the function");
            return n;
        }
        return Node{Op::Field, t.position, t.text, 0, 0, {}};
    }

    Node parseNumber(const std::string& digits, size_t position, bool negative) {
        const std::string text = negative ? "-" + digits : digits;
        const char* end = text.data() + text.size();
        if (digits.find('.') == std::string::npos) {
            int64_t v = 0;
            const auto r = std::from_chars(text.data(), end, v);
            if (r.ec == std::errc() && r.ptr == end) {
                return Node{Op::Integer, position, {}, v, 0, {}};
            }
        }
        double d = 0;
        const auto r = std::from_chars(text.data(), end, d);
        if (r.ec != std::errc() || r.ptr != end) {
            fail(expr_, position, "'" + text + "' is not a number");
        }
        return Node{Op::Real, position, {}, 0, d, {}};
    }

    std::string_view expr_;
    size_t pos_ = 0;
    Token tok_;
    int depth_ = 0;
};

}  // namespace

void fail(std::string_view expression, size_t position, const std::string& problem) {
    throw Error("Filter expression \"" + std::string(expression) + "\": " + problem +
                " at position " + std::to_string(position));
}

Node parse(std::string_view expression) {
    return Parser(expression).parseAll();
}

}  // namespace expo::ds::filter
