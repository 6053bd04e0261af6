// The page of one exhibitor: language columns, template, fill.
#include "presentation/page/exhibitor_page.h"

#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/text/error.h"
#include "platform/text/text.h"

namespace expo::presentation {
namespace {

// The digit of the first column `prefix` + digit + `postfix` (digits 0 to count - 1) that
// holds `languageName`, else `fallback`.
std::string languageColumn(const ds::ClientDataSet& CDSJazyky, std::string_view languageName,
                           int count, std::string_view postfix, std::string_view fallback) {
    if (!CDSJazyky.eof()) {
        for (int digit = 0; digit < count; ++digit) {
            const std::string suffix = text::intToStr(digit);
            if (text::trim(CDSJazyky.text("JAZ_ID" + suffix + std::string(postfix))) ==
                languageName) {
                return suffix;
            }
        }
    }
    return std::string(fallback);
}

// The datasets of the catalogue that an exhibitor page reads.
PageDataSets pageDataSets(Catalogue& catalogue) {
    return {catalogue.CDSZaznamy,  catalogue.CDSNomenklatury, catalogue.CDSUmisteni,
            catalogue.CDSExponaty, catalogue.CDSZastFir,      catalogue.CDSZastZnac,
            catalogue.CDSDoplnInf};
}

}  // namespace

LanguageSuffixes chooseLanguageSuffixes(const ds::ClientDataSet& CDSJazyky,
                                        std::string_view languageName,
                                        std::string_view defaultLanguageSuffix,
                                        std::string_view defaultExpLanguageSuffix) {
    return {languageColumn(CDSJazyky, languageName, 5, "", defaultLanguageSuffix),
            languageColumn(CDSJazyky, languageName, 3, "_EXP", defaultExpLanguageSuffix)};
}

std::string firstLanguageSuffixOf(ds::ClientDataSet& CDSJazyky, std::string_view languageName,
                                  std::string_view defaultLanguageSuffix) {
    if (!CDSJazyky.active()) {
        return std::string(defaultLanguageSuffix);
    }
    // The filter of the last exhibitor page comes back, also after a failure.
    struct FilterKept {
        ds::ClientDataSet& dataSet;
        const bool filtered = dataSet.filtered();
        ~FilterKept() {
            dataSet.setFiltered(filtered);
            dataSet.first();
        }
    } kept{CDSJazyky};
    CDSJazyky.setFiltered(false);
    for (CDSJazyky.first(); !CDSJazyky.eof(); CDSJazyky.next()) {
        // A digit no column can have tells a row that does not name the language.
        const std::string suffix = languageColumn(CDSJazyky, languageName, 5, "", "-");
        if (suffix != "-") {
            return suffix;
        }
    }
    return std::string(defaultLanguageSuffix);
}

std::optional<std::string> makeExhibitorPage(ds::ClientDataSet& CDSJazyky, const PageDataSets& data,
                                             std::string_view katId,
                                             const ExhibitorPageSettings& settings,
                                             LanguageSuffixes& suffixes) {
    data.CDSZaznamy.setFilter("KAT_ID=" + std::string(katId));
    data.CDSZaznamy.setFiltered(true);
    if (data.CDSZaznamy.recordCount() != 1) {
        return std::nullopt;
    }
    CDSJazyky.setFilter("CKAT_ID=" + data.CDSZaznamy.text("CKAT_ID"));
    CDSJazyky.setFiltered(true);
    CDSJazyky.first();
    suffixes =
        chooseLanguageSuffixes(CDSJazyky, settings.languageName, settings.defaultLanguageSuffix,
                               settings.defaultExpLanguageSuffix);

    if (text::trim(settings.exhibitorTemplate).empty()) {
        // Read as a path, the empty name would be the program's folder itself.
        throw Error(text::cp("V souboru config.ini chybí šablona stránky vystavovatele: klíč \"") +
                    "sablona" + text::intToStr(settings.language) +
                    text::cp("\" v sekci [SysPolozkaVystavovatele]"));
    }
    const std::string pageTemplate =
        os::readFile(os::resolveDiscPath(settings.programFolder, settings.exhibitorTemplate));
    const TemplateKeywords keywords({data, suffixes, settings.logoAreas, settings.umisteniIni,
                                     settings.inzeratyIni, settings.expoziceIni, settings.language,
                                     settings.programFolder});
    return fillTemplate(pageTemplate, katId, data, keywords);
}

std::optional<std::string> makeExhibitorPage(Catalogue& catalogue, std::string_view katId,
                                             const ExhibitorPageSettings& settings,
                                             LanguageSuffixes& suffixes) {
    return makeExhibitorPage(catalogue.CDSJazyky, pageDataSets(catalogue), katId, settings,
                             suffixes);
}

void prepareExhibitorPages(Catalogue& catalogue) {
    catalogue.CDSZaznamy.prepareIndex("KAT_ID");
    catalogue.CDSJazyky.prepareIndex("CKAT_ID");
    // A filter on an ordered dataset places its rows by their rank in the order.
    catalogue.CDSZaznamy.prepareIndex(catalogue.CDSZaznamy.indexFieldNames());
    catalogue.CDSJazyky.prepareIndex(catalogue.CDSJazyky.indexFieldNames());
    prepareLoops({catalogue.CDSZaznamy, catalogue.CDSNomenklatury, catalogue.CDSUmisteni,
                  catalogue.CDSExponaty, catalogue.CDSZastFir, catalogue.CDSZastZnac,
                  catalogue.CDSDoplnInf});
}

}  // namespace expo::presentation
