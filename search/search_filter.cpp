#include "search/search_filter.h"

#include "platform/text/text.h"

namespace expo::search {
namespace {

using text::trim;

// What each criterion of the advanced page compares, how the description names it, and which
// dataset's filter it narrows.
struct CriterionDef {
    const char* field;
    std::string LanguageTexts::*caption;
    std::string AdvancedFilters::*target;
};

constexpr CriterionDef kCriteria[kCriterionCount] = {
    {"KAT_NAZEV", &LanguageTexts::FTextExhibitorName, &AdvancedFilters::FExhibitorFilter},
    {"KAT_ULICE", &LanguageTexts::FTextStreet, &AdvancedFilters::FExhibitorFilter},
    {"KAT_MESTO", &LanguageTexts::FTextCity, &AdvancedFilters::FExhibitorFilter},
    {"KAT_PSC", &LanguageTexts::FTextPostcode, &AdvancedFilters::FExhibitorFilter},
    {"STAT_ID", &LanguageTexts::FTextCountry, &AdvancedFilters::FExhibitorFilter},
    {"PLO_ZKRAT", &LanguageTexts::FTextPavilion, &AdvancedFilters::FLocationFilter},
    {"NOM_KOD", &LanguageTexts::FTextNomenclatureCode, &AdvancedFilters::FNomenclatureFilter},
    {"NOM_POPIS", &LanguageTexts::FTextNomenclatureDescription,
     &AdvancedFilters::FNomenclatureFilter},
    {"KTF_TEXT", &LanguageTexts::FTextRepresentedFirm, &AdvancedFilters::FRepresentedFirmFilter},
    {"KTZ_TEXT", &LanguageTexts::FTextRepresentedBrand, &AdvancedFilters::FRepresentedBrandFilter},
};

// A country entry begins with its three-letter code ("CZE - Česká republika").
std::string countryCode(std::string_view entry) {
    return trim(entry.substr(0, 3));
}

// The condition of the restriction chosen in ComboBoxVybrat and its description text; none for
// "Vše".
struct RestrictionPart {
    const char* condition = nullptr;
    std::string LanguageTexts::*description = nullptr;
};

RestrictionPart restrictionPart(Restriction restriction) {
    switch (restriction) {
        case Restriction::OnlyNovelties:
            return {"NOVINKA='x'", &LanguageTexts::FTextRecordsWithNovelties};
        case Restriction::OnlyExhibits:
            return {"COUNTEXP>0", &LanguageTexts::FTextRecordsWithExhibits};
        case Restriction::All:
            break;
    }
    return {};
}

// Builds one criterion of the advanced page: its condition with the alternatives joined by
// " or ", and its description part.
class CriterionBuilder {
  public:
    CriterionBuilder(const AdvancedSearchInput& input, const LanguageTexts& texts, Criterion which)
        : input_(input),
          texts_(texts),
          which_(which),
          def_(kCriteria[static_cast<int>(which)]),
          field_(def_.field) {
        if (which == Criterion::NomenclatureDescription) {
            field_ += input.languageSuffix;
        }
    }

    void add(const ConditionRow& row, int alternative) {
        const std::string value = valueOf(row, alternative);
        const std::string upperFunction = input_.caseSensitive ? "" : "upper";
        const std::string condition =
            "(" + upperFunction + "(" + field_ + ")" +
            BuildOperatorPiece(row.operatorText, value, input_.caseSensitive, texts_) + ")";
        const std::string part =
            "(" + texts_.*def_.caption + " " + row.operatorText + " \"" + value + "\")";
        if (alternative < 0) {
            condition_ = condition;
            description_ = part;
        } else {
            condition_ += " or " + condition;
            description_ += " " + texts_.FTextOr + " " + part;
        }
    }

    const std::string& condition() const { return condition_; }
    std::string AdvancedFilters::*target() const { return def_.target; }
    // The description part, in parentheses of its own when it has alternatives.
    std::string description(bool hasAlternatives) const {
        return hasAlternatives ? "(" + description_ + ")" : description_;
    }

  private:
    std::string valueOf(const ConditionRow& row, int alternative) const {
        std::string value = trim(row.value);
        if (which_ == Criterion::Country) {
            value = countryCode(value);
        }
        if (value.empty()) {
            throw ValueRequired(texts_.FTextValueRequired, which_, alternative);
        }
        return value;
    }

    const AdvancedSearchInput& input_;
    const LanguageTexts& texts_;
    Criterion which_;
    const CriterionDef& def_;
    std::string field_;
    std::string condition_;
    std::string description_;
};

}  // namespace

std::string filterLiteral(std::string_view value) {
    std::string literal = "'";
    for (const char c : value) {
        literal += c;
        if (c == '\'') {
            literal += '\'';
        }
    }
    return literal + "'";
}

std::string BuildOperatorPiece(std::string_view operatorText, std::string_view value,
                               bool caseSensitive, const LanguageTexts& texts) {
    std::string v = trim(value);
    if (!caseSensitive) {
        v = text::upper(v);
    }
    const std::string op = trim(operatorText);
    if (op == trim(texts.FTextStartsWith)) {
        return " LIKE " + filterLiteral(v + "%");
    }
    if (op == trim(texts.FTextContains)) {
        return " LIKE " + filterLiteral("%" + v + "%");
    }
    if (op == trim(texts.FTextEquals)) {
        return "= " + filterLiteral(v);
    }
    return {};
}

AdvancedFilters buildAdvancedSearch(const AdvancedSearchInput& input, const LanguageTexts& texts) {
    AdvancedFilters result;
    std::string& description = result.FSelectionDescription;
    for (int i = 0; i < kCriterionCount; ++i) {
        const CriterionInput& criterion = input.criteria[i];
        if (!criterion.ticked) {
            continue;  // its alternatives are ignored with it
        }
        CriterionBuilder builder(input, texts, static_cast<Criterion>(i));
        builder.add(criterion.row, -1);
        for (size_t a = 0; a < criterion.alternatives.size(); ++a) {
            builder.add(criterion.alternatives[a], static_cast<int>(a));
        }
        const bool hasAlternatives = !criterion.alternatives.empty();

        std::string& target = result.*builder.target();
        const std::string condition = trim(builder.condition());
        target += (target.empty() ? "(" : " and (") + condition + ")";
        const std::string part = builder.description(hasAlternatives);
        description =
            trim(description).empty() ? part : description + " " + texts.FTextAnd + " " + part;
    }
    if (result.FExhibitorFilter.empty() && result.FNomenclatureFilter.empty() &&
        result.FLocationFilter.empty() && result.FRepresentedFirmFilter.empty() &&
        result.FRepresentedBrandFilter.empty()) {
        throw Error(texts.FTextNeedOneCondition);
    }

    std::string& exhibitors = result.FExhibitorFilter;
    if (const RestrictionPart restriction = restrictionPart(input.restriction);
        restriction.condition) {
        if (!exhibitors.empty()) {
            exhibitors += " and ";
        }
        exhibitors += std::string(" (") + restriction.condition + ") ";
        description += " " + texts.FTextAnd + " (" + texts.*restriction.description + ")";
    }
    if (!input.sectionFilter.empty()) {
        if (!exhibitors.empty()) {
            exhibitors += " and ";
        }
        exhibitors += " (" + input.sectionFilter + ")";
    }
    return result;
}

bool hasSimpleCondition(const SimpleSearchInput& input) {
    for (const std::string* field :
         {&input.name, &input.street, &input.city, &input.country, &input.postcode}) {
        if (!trim(*field).empty()) {
            return true;
        }
    }
    return false;
}

SimpleSearch buildSimpleSearch(const SimpleSearchInput& input, const LanguageTexts& texts,
                               std::string_view sectionFilter) {
    SimpleSearch search;
    auto add = [&](const std::string& condition, const std::string& part) {
        if (!search.filter.empty()) {
            search.filter += " and ";
            search.description += " " + texts.FTextAnd + " ";
        }
        search.filter += condition;
        search.description += part;
    };

    struct SimpleField {
        std::string SimpleSearchInput::*value;
        const char* field;
        std::string LanguageTexts::*label;
    };
    static constexpr SimpleField kFields[] = {
        {&SimpleSearchInput::name, "KAT_NAZEV", &LanguageTexts::FTextExhibitorName},
        {&SimpleSearchInput::street, "KAT_ULICE", &LanguageTexts::FTextStreet},
        {&SimpleSearchInput::city, "KAT_MESTO", &LanguageTexts::FTextCity},
        {&SimpleSearchInput::country, "STAT_ID", &LanguageTexts::FTextCountry},
        {&SimpleSearchInput::postcode, "KAT_PSC", &LanguageTexts::FTextPostcode},
    };
    for (const SimpleField& f : kFields) {
        const std::string typed = trim(input.*f.value);
        if (typed.empty()) {
            continue;
        }
        const bool country = f.value == &SimpleSearchInput::country;
        std::string value = input.caseSensitive ? typed : text::upper(typed);
        if (country) {
            value = countryCode(value);
        }
        const std::string column =
            input.caseSensitive ? std::string(f.field) : "Upper(" + std::string(f.field) + ")";
        const std::string& op = country ? texts.FTextEquals : texts.FTextStartsWith;
        add(" " + column + " LIKE " + filterLiteral(value + "%") + " ",
            "(" + texts.*f.label + " " + op + " \"" + typed + "\")");
    }
    if (const RestrictionPart restriction = restrictionPart(input.restriction);
        restriction.condition) {
        add(std::string(" ") + restriction.condition + " ",
            "(" + texts.*restriction.description + ")");
    }
    search.description = text::lower(search.description);
    if (!sectionFilter.empty()) {
        search.filter += search.filter.empty() ? "" : " and ";
        search.filter += sectionFilter;
    }
    return search;
}

}  // namespace expo::search
