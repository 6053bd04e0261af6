#pragma once
// The page of one exhibitor: the language columns of its catalogue and the template filled
// with its records. Showing the page is the main window's part.
#include <optional>
#include <string>
#include <string_view>

#include "platform/dataset/dataset.h"
#include "platform/ini/inifile.h"
#include "presentation/catalogue/catalogue.h"
#include "presentation/page/template_engine.h"
#include "presentation/page/template_keywords.h"

namespace expo::presentation {

// The language columns for the language named `languageName`, read from the language row on
// which `CDSJazyky` stands: the digit of the first of JAZ_ID0 ... JAZ_ID4 whose trimmed text
// equals the name exactly (same case), else `defaultLanguageSuffix`; likewise JAZ_ID0_EXP ...
// JAZ_ID2_EXP for the exhibit texts. Without a language row both defaults apply.
LanguageSuffixes chooseLanguageSuffixes(const ds::ClientDataSet& CDSJazyky,
                                        std::string_view languageName,
                                        std::string_view defaultLanguageSuffix,
                                        std::string_view defaultExpLanguageSuffix);

// The catalogue column for the language named `languageName` before any exhibitor has chosen
// one: as chooseLanguageSuffixes chooses it, from the first language row (in the dataset's
// order, whatever its filter) that names the language in one of JAZ_ID0 ... JAZ_ID4; else
// `defaultLanguageSuffix`. `CDSJazyky` is left with its filter and on its first record.
std::string firstLanguageSuffixOf(ds::ClientDataSet& CDSJazyky, std::string_view languageName,
                                  std::string_view defaultLanguageSuffix);

// What the page generation takes from the main window.
struct ExhibitorPageSettings {
    std::string programFolder;      // absolute, in the file system's encoding, ending with "/"
    std::string exhibitorTemplate;  // the template's name below the program's folder
    std::string languageName;       // of the user-interface language, never empty
    std::string defaultLanguageSuffix = "0";
    std::string defaultExpLanguageSuffix = "0";
    int language = 0;  // the user-interface language, 0 to 4
    LogoAreas logoAreas;
    const IniFile& umisteniIni;
    const IniFile& inzeratyIni;
    const IniFile& expoziceIni;
};

// Makes the page of the exhibitor whose KAT_ID is `katId` (decimal text):
// - narrows `data.CDSZaznamy` to it ("KAT_ID=" + katId, left so afterwards); when that leaves
//   anything but exactly one record the result is nullopt and nothing else is touched;
// - narrows `CDSJazyky` to the exhibitor's catalogue and writes the chosen language columns
//   into `suffixes` (before anything below can fail);
// - reads the template anew and fills it (the detail datasets are left as the loops leave
//   them).
// Throws expo::Error when the template cannot be read, and the data errors of the fill.
// The window makes the page before it blanks its browser and waits for it, so a request that
// arrives during that wait cannot mix its exhibitor, columns and loops into this page.
std::optional<std::string> makeExhibitorPage(ds::ClientDataSet& CDSJazyky, const PageDataSets& data,
                                             std::string_view katId,
                                             const ExhibitorPageSettings& settings,
                                             LanguageSuffixes& suffixes);
// The same on the main window's catalogue.
std::optional<std::string> makeExhibitorPage(Catalogue& catalogue, std::string_view katId,
                                             const ExhibitorPageSettings& settings,
                                             LanguageSuffixes& suffixes);

// Builds the indexes that making a page uses (the exhibitor's and its catalogue's lookups, the
// loops' filters and orders), so that the first page after loading is as quick as the others.
void prepareExhibitorPages(Catalogue& catalogue);

}  // namespace expo::presentation
