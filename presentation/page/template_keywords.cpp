// The template keywords: one table row per keyword, evaluated by its rule.
#include "presentation/page/template_keywords.h"

#include <cmath>

#include "platform/os/paths.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "presentation/catalogue/exhibitor_list.h"

namespace expo::presentation {
namespace {

enum class Source { Zaznamy, Nomenklatury, Exponaty, Umisteni, ZastFir, ZastZnac, DoplnInf };

// How the field name of a row is completed.
enum class Column {
    AsNamed,
    Language,         // + the catalogue language digit
    ExhibitLanguage,  // + the exhibit language digit
    DoplInf,          // + the catalogue language digit, none for "0"
};

enum class Rule {
    Text,             // the field text
    Br,               // trimmed, CR LF pairs as "<br>"
    ExhibitorName,    // as the exhibitor list shows a name
    LogoPath,         // the picture of the logo number in the field
    LogoWidth,        // field: the prefix of the "_WIDTH" and "_HEIGHT" fields
    LogoHeight,       // likewise
    Novelty,          // matched by containment; the text after the word for news
    FloorPlanLink,    // the area code linked to its floor plan
    AdvertLink,       // the quoted advertisement page
    PresentationLink  // the quoted presentation page
};

struct Keyword {
    std::string_view name;
    Source source;
    std::string_view field;
    Rule rule;
    Column column = Column::AsNamed;
    bool quiet = false;  // any error while reading gives the empty value
};

constexpr std::string_view kNovelty = "EXPONATNOVINKA";

// Tested in this order.
constexpr Keyword kKeywords[] = {
    {"NAZEVFIRMY", Source::Zaznamy, "KAT_NAZEV", Rule::Br},
    {"ULICE", Source::Zaznamy, "KAT_ULICE", Rule::Text},
    {"MESTO", Source::Zaznamy, "KAT_MESTO", Rule::Text},
    {"PSC", Source::Zaznamy, "KAT_PSC", Rule::Text},
    {"POBOX", Source::Zaznamy, "KAT_POBOX", Rule::Text},
    {"STAT", Source::Zaznamy, "STAT_ID", Rule::Text},
    {"TELEFON1_1", Source::Zaznamy, "KAT_TELEFON1_1", Rule::Text},
    {"TELEFON1_2", Source::Zaznamy, "KAT_TELEFON1_2", Rule::Text},
    {"FAX", Source::Zaznamy, "KAT_FAX1", Rule::Text},
    {"EMAIL", Source::Zaznamy, "KAT_EMAIL", Rule::Text},
    {"WEB", Source::Zaznamy, "KAT_WEB", Rule::Text},
    {"NAZEVFIRMY2", Source::Zaznamy, "KAT_NAZEV2", Rule::Br},
    {"ULICE2", Source::Zaznamy, "KAT_ULICE2", Rule::Text},
    {"MESTO2", Source::Zaznamy, "KAT_MESTO2", Rule::Text},
    {"PSC2", Source::Zaznamy, "KAT_PSC2", Rule::Text},
    {"STAT2", Source::Zaznamy, "STAT_ID2", Rule::Text},
    {"TELEFON2_1", Source::Zaznamy, "KAT_TELEFON2_1", Rule::Text},
    {"TELEFON2_2", Source::Zaznamy, "KAT_TELEFON2_2", Rule::Text},
    {"FAX2", Source::Zaznamy, "KAT_FAX2", Rule::Text},
    {"EMAIL2", Source::Zaznamy, "KAT_EMAIL2", Rule::Text},
    {"WEB2", Source::Zaznamy, "KAT_WEB2", Rule::Text},
    {"TEXT", Source::Zaznamy, "KAT_TEXT", Rule::Br, Column::Language},
    {"ZVERPOZN", Source::Zaznamy, "KAT_ZVERPOZN", Rule::Text, Column::Language},
    {"LOGO1", Source::Zaznamy, "LOGO_ID1", Rule::LogoPath},
    {"LOGO1_WIDTH", Source::Zaznamy, "LOGO1", Rule::LogoWidth},
    {"LOGO1_HEIGHT", Source::Zaznamy, "LOGO1", Rule::LogoHeight},
    {"LOGO2", Source::Zaznamy, "LOGO_ID2", Rule::LogoPath},
    {"LOGO2_WIDTH", Source::Zaznamy, "LOGO2", Rule::LogoWidth},
    {"LOGO2_HEIGHT", Source::Zaznamy, "LOGO2", Rule::LogoHeight},
    {"NOMENKLATURAKOD", Source::Nomenklatury, "NOM_KOD", Rule::Text},
    {"NOMENKLATURANAZEV", Source::Nomenklatury, "NOM_POPIS", Rule::Text, Column::Language},
    {"NOMENKLATURATEXT", Source::Nomenklatury, "KTN_TEXT", Rule::Br, Column::Language},
    {"LOGONOM1", Source::Nomenklatury, "LOGO_ID1", Rule::LogoPath},
    {"LOGONOM1_WIDTH", Source::Nomenklatury, "LOGO1", Rule::LogoWidth},
    {"LOGONOM1_HEIGHT", Source::Nomenklatury, "LOGO1", Rule::LogoHeight},
    {"LOGONOM2", Source::Nomenklatury, "LOGO_ID2", Rule::LogoPath},
    {"LOGONOM2_WIDTH", Source::Nomenklatury, "LOGO2", Rule::LogoWidth},
    {"LOGONOM2_HEIGHT", Source::Nomenklatury, "LOGO2", Rule::LogoHeight},
    {"EXPONATTEXT", Source::Exponaty, "KTE_TEXT", Rule::Br, Column::ExhibitLanguage},
    {kNovelty, Source::Exponaty, "KTE_NOVINKA", Rule::Novelty},
    {"EXPONATNOMENKLATURANAZEV", Source::Exponaty, "NOM_POPIS", Rule::Text, Column::Language},
    {"EXPONATNOMENKLATURA", Source::Exponaty, "NOM_KOD", Rule::Text},
    {"UMISTENIPAVILON", Source::Umisteni, "PLO_ZKRAT", Rule::Text},
    {"UMISTENIPAVODKAZ", Source::Umisteni, "PLO_ZKRAT", Rule::FloorPlanLink},
    {"UMISTENISTANEK", Source::Umisteni, "KTU_STANEK", Rule::Text},
    {"UMISTENIHLAVNIVYST", Source::Umisteni, "KAT_NAZEV_HL", Rule::ExhibitorName},
    {"ZASTOUPENAFIRMA", Source::ZastFir, "KTF_TEXT", Rule::Text},
    {"ZASTZNACKA", Source::ZastZnac, "KTZ_TEXT", Rule::Text},
    {"ZASTZNACKANOMENNAZEV", Source::ZastZnac, "NOM_POPIS", Rule::Text, Column::Language},
    {"ZASTZNACKANOMEN", Source::ZastZnac, "NOM_KOD", Rule::Text},
    {"LOGOZASTZNACKA", Source::ZastZnac, "LOGO_ID", Rule::LogoPath, Column::AsNamed, true},
    {"LOGOZASTZNACKA_WIDTH", Source::ZastZnac, "LOGO", Rule::LogoWidth, Column::AsNamed, true},
    {"LOGOZASTZNACKA_HEIGHT", Source::ZastZnac, "LOGO", Rule::LogoHeight, Column::AsNamed, true},
    {"SPOLUVYSTAVOVATELE", Source::Umisteni, "KAT_NAZEV", Rule::ExhibitorName},
    {"DOPLINF", Source::DoplnInf, "doplinf_popis", Rule::Text, Column::DoplInf},
    {"LOGODOPLINF", Source::DoplnInf, "LOGO_ID", Rule::LogoPath, Column::AsNamed, true},
    {"LOGODOPLINF_WIDTH", Source::DoplnInf, "LOGO", Rule::LogoWidth, Column::AsNamed, true},
    {"LOGODOPLINF_HEIGHT", Source::DoplnInf, "LOGO", Rule::LogoHeight, Column::AsNamed, true},
    {"ODKAZINZERAT", Source::Zaznamy, "KAT_ID", Rule::AdvertLink},
    {"ODKAZEXPOZICE", Source::Zaznamy, "KAT_ID", Rule::PresentationLink},
};

const Keyword* findKeyword(std::string_view upperKeyword) {
    for (const Keyword& keyword : kKeywords) {
        const bool matches = keyword.rule == Rule::Novelty
                                 ? upperKeyword.find(keyword.name) != std::string_view::npos
                                 : upperKeyword == keyword.name;
        if (matches) {
            return &keyword;
        }
    }
    return nullptr;
}

std::string replaceLineBreaks(std::string_view text, std::string_view by) {
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", from)) {
        out.append(text.substr(from, at - from)).append(by);
        from = at + 2;
    }
    out.append(text.substr(from));
    return out;
}

// A name from the disc (code page 1250, "\" or "/" between folders, any letter case) as the
// absolute path of its file below the program's folder, in the page's code page.
std::string discPath(const std::string& programFolder, std::string_view name) {
    const std::string path = os::resolveDiscPath(programFolder, name);
    return text::isValidUtf8(path) ? text::utf8ToCp1250(path) : path;
}

class Evaluation {
  public:
    Evaluation(const KeywordContext& context, const Keyword& keyword)
        : context_(context), keyword_(keyword), dataSet_(dataSetOf(keyword.source)) {}

    std::string value(std::string_view writtenKeyword) const {
        switch (keyword_.rule) {
            case Rule::Text:
                return field(fieldName());
            case Rule::Br:
                return replaceLineBreaks(text::trim(field(fieldName())), "<br>");
            case Rule::ExhibitorName:
                return exhibitorDisplayName(field(fieldName()));
            case Rule::LogoPath:
                return logoPath();
            case Rule::LogoWidth:
                return logoSide(true);
            case Rule::LogoHeight:
                return logoSide(false);
            case Rule::Novelty:
                return noveltyMark(writtenKeyword);
            case Rule::FloorPlanLink:
                return floorPlanLink();
            case Rule::AdvertLink:
                return pageLink(context_.inzeratyIni, "inzeraty/");
            case Rule::PresentationLink:
                return pageLink(context_.expoziceIni, "expozice/");
        }
        return {};
    }

  private:
    const ds::ClientDataSet& dataSetOf(Source source) const {
        const PageDataSets& d = context_.data;
        switch (source) {
            case Source::Zaznamy:
                return d.CDSZaznamy;
            case Source::Nomenklatury:
                return d.CDSNomenklatury;
            case Source::Exponaty:
                return d.CDSExponaty;
            case Source::Umisteni:
                return d.CDSUmisteni;
            case Source::ZastFir:
                return d.CDSZastFir;
            case Source::ZastZnac:
                return d.CDSZastZnac;
            case Source::DoplnInf:
                break;
        }
        return d.CDSDoplnInf;
    }

    int logoArea() const {
        const LogoAreas& areas = context_.logoAreas;
        switch (keyword_.source) {
            case Source::Nomenklatury:
                return areas.nomLogoArea;
            case Source::ZastZnac:
                return areas.brandLogoArea;
            case Source::DoplnInf:
                return areas.doplInfLogoArea;
            default:
                return areas.logoArea;
        }
    }

    std::string fieldName() const {
        const LanguageSuffixes& s = context_.suffixes;
        std::string name(keyword_.field);
        switch (keyword_.column) {
            case Column::AsNamed:
                break;
            case Column::Language:
                name += s.languageSuffix;
                break;
            case Column::ExhibitLanguage:
                name += s.expLanguageSuffix;
                break;
            case Column::DoplInf:
                // The first column of the family carries no digit.
                if (s.languageSuffix != "0") {
                    name += s.languageSuffix;
                }
                break;
        }
        return name;
    }

    std::string field(std::string_view name) const { return dataSet_.text(name); }

    std::string logoPath() const {
        const std::string id = text::trim(field(keyword_.field));
        return id.empty() ? std::string()
                          : discPath(context_.programFolder, "data/loga/" + id + ".jpg");
    }

    std::string logoSide(bool width) const {
        const std::string prefix(keyword_.field);
        const int storedWidth = dataSet_.integer(prefix + "_WIDTH");
        const int storedHeight = dataSet_.integer(prefix + "_HEIGHT");
        const auto size = scaledLogoSize(storedWidth, storedHeight, logoArea());
        if (!size) {
            return {};
        }
        return text::intToStr(width ? size->first : size->second);
    }

    std::string noveltyMark(std::string_view writtenKeyword) const {
        if (text::trim(field(keyword_.field)) != "x") {
            return {};
        }
        // The keyword contains the word, so it is at least as long.
        return text::trim(writtenKeyword.substr(kNovelty.size()));
    }

    std::string floorPlanLink() const {
        const std::string area = text::trim(field(keyword_.field));
        if (area.empty()) {
            return {};
        }
        const std::string section = text::trim(context_.data.CDSZaznamy.text("SEKCE_ID"));
        if (section.empty()) {
            return area;
        }
        const std::string page = text::trim(context_.umisteniIni.readString(section, area, ""));
        if (page.empty()) {
            return area;
        }
        return "<a href=\"" + discPath(context_.programFolder, "umisteni/" + page) + "\">" + area +
               "</a>";
    }

    std::string pageLink(const IniFile& ini, std::string_view folder) const {
        const std::string section = text::trim(field(keyword_.field));
        std::string page =
            text::trim(ini.readString(section, "url" + text::intToStr(context_.language), ""));
        if (page.empty()) {
            page = text::trim(ini.readString(section, "url", ""));
        }
        if (page.empty()) {
            return {};
        }
        std::string link =
            "\"" + discPath(context_.programFolder, std::string(folder) + page) + "\"";
        if (text::trim(ini.readString(section, "extern", "")) == "1") {
            link += "  target=\"_blank\"";
        }
        return link;
    }

    const KeywordContext& context_;
    const Keyword& keyword_;
    const ds::ClientDataSet& dataSet_;
};

}  // namespace

std::optional<std::pair<int64_t, int64_t>> scaledLogoSize(int64_t width, int64_t height, int area) {
    if (width <= 0 || height <= 0 || area < 0) {
        return std::nullopt;
    }
    const double factor = std::sqrt(area / static_cast<double>(width * height));
    return std::pair{text::roundHalfEven(static_cast<double>(width) * factor),
                     text::roundHalfEven(static_cast<double>(height) * factor)};
}

std::optional<std::string> TemplateKeywords::value(std::string_view keyword,
                                                   std::string_view upperKeyword) const {
    const Keyword* found = findKeyword(upperKeyword);
    if (!found) {
        return std::nullopt;
    }
    const Evaluation evaluation(context_, *found);
    if (!found->quiet) {
        return evaluation.value(keyword);
    }
    try {
        return evaluation.value(keyword);
    } catch (const Error&) {
        return std::string();
    }
}

}  // namespace expo::presentation
