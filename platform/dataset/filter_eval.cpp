// Binding a parsed filter expression to a table: every node becomes an evaluator, typed when
// it is built, so that a type error is found before any row is looked at. Comparisons of a
// column with constants get evaluators of their own, as they are what filters mostly hold.
#include <charconv>

#include "platform/dataset/filter.h"
#include "platform/dataset/filter_nodes.h"
#include "platform/dataset/table.h"
#include "platform/text/text.h"

namespace expo::ds::filter {
namespace {

Type typeOf(FieldType t) {
    switch (t) {
        case FieldType::Integer:
            return Type::Integer;
        case FieldType::Float:
            return Type::Real;
        case FieldType::Boolean:
            return Type::Boolean;
        case FieldType::Date:
            return Type::Date;
        case FieldType::Time:
            return Type::Time;
        case FieldType::Timestamp:
            return Type::Timestamp;
        case FieldType::Blob:
            return Type::Blob;
        default:
            return Type::Text;
    }
}

const char* typeName(Type t) {
    switch (t) {
        case Type::Condition:
            return "a condition";
        case Type::Integer:
        case Type::Real:
            return "a number";
        case Type::Text:
            return "text";
        case Type::Boolean:
            return "a boolean";
        case Type::Date:
            return "a date";
        case Type::Time:
            return "a time";
        case Type::Timestamp:
            return "a timestamp";
        case Type::Blob:
            return "binary data";
    }
    return "a value";
}

bool isNumeric(Type t) {
    return t == Type::Integer || t == Type::Real;
}

using Ptr = std::unique_ptr<Evaluator>;

class Binder {
  public:
    Binder(std::string_view expr, const Resolver& resolve) : expr_(expr), resolve_(resolve) {}

    Ptr condition(const Node& n) {
        Ptr e = bind(n);
        if (e->type() != Type::Condition && e->type() != Type::Boolean) {
            fail(expr_, n.position,
                 "expected a condition, found " + std::string(typeName(e->type())));
        }
        return e;
    }

  private:
    Ptr bind(const Node& n) {
        switch (n.op) {
            case Op::Or:
            case Op::And: {
                std::vector<Ptr> args;
                for (const Node& a : n.args) {
                    args.push_back(condition(a));
                }
                return makeJunction(n.op == Op::And, std::move(args));
            }
            case Op::Not:
                return makeNot(condition(n.args[0]));
            case Op::Like:
                return like(n);
            case Op::In:
                return in(n);
            case Op::IsNull:
                return makeIsNull(bind(n.args[0]));
            case Op::Upper:
            case Op::Lower:
                return caseFunction(n);
            case Op::Field: {
                const Column* c = resolve_(n.text);
                if (c == nullptr) {
                    fail(expr_, n.position, "field '" + n.text + "' not found");
                }
                return makeColumn(*c, typeOf(c->def().type));
            }
            case Op::Integer:
                return makeConstant(Constant::ofInteger(n.integer));
            case Op::Real:
                return makeConstant(Constant::ofReal(n.real));
            case Op::Text:
                return makeConstant(Constant::ofText(n.text));
            case Op::Boolean:
                return makeConstant(Constant::ofBoolean(n.integer != 0));
            default:
                return comparison(n);
        }
    }

    Ptr caseFunction(const Node& n) {
        Ptr arg = bind(n.args[0]);
        if (arg->type() != Type::Text) {
            fail(expr_, n.args[0].position,
                 "UPPER and LOWER take text, not " + std::string(typeName(arg->type())));
        }
        return makeCase(std::move(arg), n.op == Op::Upper);
    }

    // A constant of the right side brought to the type of the left, or an error.
    Constant coerce(const Constant& c, Type to, size_t position) {
        if (c.type == to || (isNumeric(c.type) && isNumeric(to))) {
            return c;
        }
        if (c.type == Type::Text && isNumeric(to)) {
            if (const auto i = text::tryStrToInt(c.text)) {
                return Constant::ofInteger(*i);
            }
            const std::string trimmed = text::trim(c.text);
            double d = 0;
            const char* end = trimmed.data() + trimmed.size();
            const auto r = std::from_chars(trimmed.data(), end, d);
            if (r.ec != std::errc() || r.ptr != end) {
                fail(expr_, position, "'" + c.text + "' is not a number");
            }
            return Constant::ofReal(d);
        }
        fail(expr_, position,
             std::string("type mismatch: ") + typeName(to) + " compared with " + typeName(c.type));
    }

    void checkComparable(Type left, Type right, size_t position) {
        const bool ok = left == right || (isNumeric(left) && isNumeric(right));
        if (!ok || left == Type::Blob || left == Type::Condition) {
            fail(expr_, position,
                 std::string("cannot compare ") + typeName(left) + " with " + typeName(right));
        }
    }

    Ptr comparison(const Node& n) {
        Ptr left = bind(n.args[0]);
        Ptr right = bind(n.args[1]);
        if (left->constant() && !right->constant()) {
            std::swap(left, right);
            return compare(flip(n.op), std::move(left), std::move(right), n.args[0].position);
        }
        return compare(n.op, std::move(left), std::move(right), n.args[1].position);
    }

    static Op flip(Op op) {
        switch (op) {
            case Op::Less:
                return Op::Greater;
            case Op::Greater:
                return Op::Less;
            case Op::LessEqual:
                return Op::GreaterEqual;
            case Op::GreaterEqual:
                return Op::LessEqual;
            default:
                return op;
        }
    }

    Ptr compare(Op op, Ptr left, Ptr right, size_t rightPosition) {
        if (right->constant()) {
            const Constant k = coerce(*right->constant(), left->type(), rightPosition);
            checkComparable(left->type(), k.type, rightPosition);
            return makeCompareConstant(op, std::move(left), k);
        }
        checkComparable(left->type(), right->type(), rightPosition);
        return makeCompare(op, std::move(left), std::move(right));
    }

    Ptr like(const Node& n) {
        Ptr text = bind(n.args[0]);
        Ptr pattern = bind(n.args[1]);
        if (text->type() != Type::Text) {
            fail(expr_, n.args[0].position,
                 "LIKE takes text, not " + std::string(typeName(text->type())));
        }
        if (!pattern->constant() || pattern->constant()->type != Type::Text) {
            fail(expr_, n.args[1].position, "LIKE needs a text pattern");
        }
        return makeLike(std::move(text), pattern->constant()->text);
    }

    Ptr in(const Node& n) {
        Ptr value = bind(n.args[0]);
        std::vector<Constant> list;
        for (size_t i = 1; i < n.args.size(); ++i) {
            Ptr item = bind(n.args[i]);
            if (!item->constant()) {
                fail(expr_, n.args[i].position, "the IN list takes values only");
            }
            const Constant k = coerce(*item->constant(), value->type(), n.args[i].position);
            checkComparable(value->type(), k.type, n.args[i].position);
            list.push_back(k);
        }
        return makeIn(std::move(value), std::move(list));
    }

    std::string_view expr_;
    const Resolver& resolve_;
};

// The "FIELD = integer" and "FIELD IN (integers)" terms of a condition or its AND chain.
void collectKeyTerms(const Evaluator& e, std::vector<Predicate::KeyTerm>& out) {
    if (const auto* junction = e.conjunction()) {
        for (const Ptr& arg : *junction) {
            collectKeyTerms(*arg, out);
        }
        return;
    }
    Predicate::KeyTerm term;
    if (e.keyTerm(term.column, term.keys) && term.column->def().type == FieldType::Integer) {
        out.push_back(std::move(term));
    }
}

}  // namespace

Predicate::Predicate(std::string_view expression, const Resolver& resolve) {
    const Node tree = parse(expression);
    root_ = Binder(expression, resolve).condition(tree);
    collectKeyTerms(*root_, keyTerms_);
    keyTermOnly_ = keyTerms_.size() == 1 && root_->conjunction() == nullptr;
}

Predicate::~Predicate() = default;
Predicate::Predicate(Predicate&&) noexcept = default;
Predicate& Predicate::operator=(Predicate&&) noexcept = default;

bool Predicate::operator()(uint32_t row) const {
    return root_->test(row);
}

}  // namespace expo::ds::filter
