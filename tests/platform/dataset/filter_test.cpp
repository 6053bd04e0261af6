// The filter language: which records an expression lets through, and where a bad one fails.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "platform/dataset/like_pattern.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/platform/dataset/support.h"

namespace expo::ds {
namespace {

using testing::field;

std::unique_ptr<ClientDataSet> sample() {
    const auto s = [](const char* utf8) { return Value(text::cp(utf8)); };
    const Value null = Null{};
    return testing::loaded(
        {field("ID", FieldType::Integer, 4), field("NAME", FieldType::FixedString, 30),
         field("CITY", FieldType::String, 20), field("SEKCE", FieldType::Integer, 4),
         field("NOTE", FieldType::Memo), field("PRICE", FieldType::Float),
         field("PAID", FieldType::Boolean)},
        {
            {int64_t{1}, s("Strojírna Brno"), s("Brno"), int64_t{1}, s("x"), 10.5, true},
            {int64_t{2}, s("strojní technika"), s("Praha"), int64_t{2}, null, 3.0, false},
            {int64_t{3}, s("ČEZ"), s("Ostrava"), int64_t{1}, s("it's"), null, null},
            {int64_t{4}, s("Technika a.s."), s("brno"), int64_t{3}, s("50%"), 7.0, true},
            {int64_t{5}, null, null, null, null, null, null},
            {int64_t{6}, s("O'Neill"), s("Plzeň"), int64_t{2}, s(""), 1e3, false},
        });
}

std::string ids(ClientDataSet& set) {
    std::string out;
    for (const std::string& id : testing::column(set, "ID")) {
        out += (out.empty() ? "" : ",") + id;
    }
    return out;
}

// An expression (UTF-8) and the IDs it lets through, in file order.
const std::pair<const char*, const char*> kCases[] = {
    {"ID=3", "3"},
    {"ID<>3", "1,2,4,5,6"},
    {"SEKCE<>1", "2,4,6"},
    {"ID>2 AND ID<5", "3,4"},
    {"ID<=2 OR ID>=6", "1,2,6"},
    {"ID=1 OR ID=2 AND SEKCE=1", "1"},
    {"(ID=1 OR ID=2) AND SEKCE=2", "2"},
    {"NOT ID=1 AND ID<4", "2,3"},
    {"NOT (ID=1 OR ID=2)", "3,4,5,6"},
    {"id=1 Or id=2 aNd sekce=1", "1"},
    {"ID=1 AND TRUE", "1"},
    {"ID > -1", "1,2,3,4,5,6"},
    {"ID = '3'", "3"},
    {"SEKCE = ID", "1,2"},
    {"2 < ID", "3,4,5,6"},
    {"2 >= ID", "1,2"},
    {"2 > ID", "1"},
    {"2 <= ID", "2,3,4,5,6"},
    {"3 <> ID", "1,2,4,5,6"},
    {"5 < PRICE", "1,4,6"},
    {"'Ostrava' > CITY", "1"},
    {"NAME='Strojírna Brno'", "1"},
    {"NAME='strojírna brno'", ""},
    {"Upper(NAME)=Upper('strojírna brno')", "1"},
    {"[NAME] = 'ČEZ'", "3"},
    {"NAME LIKE 'Stroj%'", "1"},
    {"Upper(NAME) LIKE 'STROJ%'", "1,2"},
    {"NAME LIKE 'O''Neill'", "6"},
    {"NAME LIKE '%'", "1,2,3,4,6"},
    {"NAME LIKE ''", ""},
    {"NAME NOT LIKE '%a%'", "3,5,6"},
    {"Upper(CITY)=Upper('plzeň')", "6"},
    {"Lower(NAME)='čez'", "3"},
    {"SEKCE in (1,3)", "1,3,4"},
    {"SEKCE in ()", ""},
    {"SEKCE not in (1)", "2,4,5,6"},
    {"CITY IN ('Brno', 'Praha')", "1,2"},
    {"NOTE IS NULL", "2,5"},
    {"NOTE IS NOT NULL", "1,3,4,6"},
    {"NOTE = ''", "6"},
    {"NOTE LIKE '%\\%%'", ""},
    {"PRICE < 3.5", "2"},
    {"PAID = TRUE", "1,4"},
    {"PAID = false", "2,6"},
    {"NOT PAID", "2,3,5,6"},
    // The advanced search's form, with and without the case function.
    {"((upper(NAME) LIKE 'STROJ%') or (upper(NAME) LIKE '%TECH%')) and ((upper(CITY)= 'BRNO'))",
     "1,4"},
    {"((NAME) LIKE 'Stroj%')", "1"}};

TEST(DatasetFilter, ExpressionsLetThroughTheirRecords) {
    const auto set = sample();
    set->setFiltered(true);
    for (const auto& [expression, visible] : kCases) {
        set->setFilter(text::cp(expression));
        EXPECT_EQ(ids(*set), visible) << expression;
    }
}

// An expression, where it fails and how.
const std::tuple<std::string, size_t, const char*> kFailures[] = {
    {"ID=", 4, "expected a field name or a value but the expression ends"},
    {"ID = = 3", 6, "expected a field name or a value instead of '='"},
    {"FOO=1", 1, "field 'FOO' not found"},
    {"NAME='abc", 6, "text without its closing quote"},
    {"(ID=1", 6, "expected ')' but the expression ends"},
    {"ID=1)", 5, "unexpected ')'"},
    {"NAME=3", 6, "type mismatch"},
    {"ID='abc'", 4, "'abc' is not a number"},
    {"ID LIKE 'x'", 1, "LIKE takes text"},
    {"NAME LIKE ID", 11, "LIKE needs a text pattern"},
    {"ID", 1, "expected a condition"},
    {"ID IN (1, NAME)", 11, "the IN list takes values only"},
    {"ID NOT BETWEEN 1", 8, "expected LIKE or IN after NOT"},
    {"Upper(ID)='1'", 7, "UPPER and LOWER take text"},
    {"ID IS 5", 7, "expected NULL"},
    {"[NAME = 1", 1, "without its closing ']'"},
    {"PAID > NAME", 8, "cannot compare"},
    {std::string(300, '(') + "ID=1" + std::string(300, ')'), 201, "nested too deeply"}};

TEST(DatasetFilter, BadExpressionsSayWhere) {
    const auto set = sample();
    set->setFiltered(true);
    for (const auto& [expression, position, problem] : kFailures) {
        try {
            set->setFilter(expression);
            ADD_FAILURE() << "accepted: " << expression;
        } catch (const Error& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(problem), std::string::npos) << message;
            EXPECT_NE(message.find("at position " + std::to_string(position)), std::string::npos)
                << message;
        }
        EXPECT_EQ(set->filter(), "");  // the rejected expression is not kept
        EXPECT_EQ(set->recordCount(), 6);
    }
}

// Beside the random comparison below: case, and letters the random patterns do not use.
const std::tuple<const char*, const char*, bool> kLikeCases[] = {
    // pattern, text, matches
    {"a", "A", false},
    {"%", "", true},
    {"a%c", "abdc", true},
    {"a%b%c", "acb", false}};

TEST(DatasetLikePattern, Table) {
    for (const auto& [pattern, subject, matches] : kLikeCases) {
        EXPECT_EQ(LikePattern(pattern).matches(subject), matches) << subject << " LIKE " << pattern;
    }
}

// Plain backtracking, the definition of LIKE.
bool likeReference(std::string_view p, std::string_view t) {
    if (p.empty()) {
        return t.empty();
    }
    if (p[0] == '%') {
        for (size_t i = 0; i <= t.size(); ++i) {
            if (likeReference(p.substr(1), t.substr(i))) {
                return true;
            }
        }
        return false;
    }
    return !t.empty() && (p[0] == '_' || p[0] == t[0]) && likeReference(p.substr(1), t.substr(1));
}

TEST(DatasetLikePattern, AgreesWithBacktrackingOnRandomPatterns) {
    std::mt19937 random(1234);
    const auto word = [&](std::string_view alphabet, size_t maxLength) {
        std::string s(random() % (maxLength + 1), ' ');
        for (char& c : s) {
            c = alphabet[random() % alphabet.size()];
        }
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::string p = word("ab%_", 6);
        const std::string t = word("ab", 7);
        ASSERT_EQ(LikePattern(p).matches(t), likeReference(p, t)) << p << " / " << t;
    }
}

}  // namespace
}  // namespace expo::ds
