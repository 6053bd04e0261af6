#pragma once
// The keywords of the exhibitor page template and the values they yield: texts of the shown
// exhibitor and of the current detail records, logo pictures scaled to a target area, and links
// to floor plans, advertisements and presentation pages.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/ini/inifile.h"
#include "presentation/page/template_engine.h"

namespace expo::presentation {

// The language columns chosen for the exhibitor shown: the digit appended to the names of
// the catalogue text columns (KAT_TEXT, NOM_POPIS, ...) and of the exhibit text columns
// (KTE_TEXT).
struct LanguageSuffixes {
    std::string languageSuffix;
    std::string expLanguageSuffix;
};

// Target areas of the logo pictures, in square pixels.
struct LogoAreas {
    int logoArea = 20000;         // the exhibitor's two logos
    int nomLogoArea = 10000;      // nomenclature logos
    int brandLogoArea = 10000;    // represented-brand logo
    int doplInfLogoArea = 10000;  // additional-information logo
};

// Everything the keywords read.
struct KeywordContext {
    PageDataSets data;
    LanguageSuffixes suffixes;
    LogoAreas logoAreas;
    const IniFile& umisteniIni;  // floor-plan pages per section and area code
    const IniFile& inzeratyIni;  // advertisement pages per exhibitor
    const IniFile& expoziceIni;  // presentation pages per exhibitor
    int language = 0;            // the user-interface language, 0 to 4
    // Absolute, in the file system's encoding, ending with "/". The pictures and pages the
    // keywords name are found below it whatever their letter case.
    std::string programFolder;
};

class TemplateKeywords : public KeywordValues {
  public:
    explicit TemplateKeywords(KeywordContext context) : context_(std::move(context)) {}

    // The 60 keywords, each read from the current record of its dataset; a language column
    // that the dataset lacks raises the dataset's missing-field error.
    std::optional<std::string> value(std::string_view keyword,
                                     std::string_view upperKeyword) const override;

  private:
    KeywordContext context_;
};

// The display size of a logo stored as `width` x `height` pixels, scaled to cover `area`
// square pixels with its proportions kept (halves rounded to even). nullopt when the stored
// size is not positive both ways, and also for a negative area, whose scale has no value:
// the page then leaves the picture at its own size.
std::optional<std::pair<int64_t, int64_t>> scaledLogoSize(int64_t width, int64_t height, int area);

}  // namespace expo::presentation
