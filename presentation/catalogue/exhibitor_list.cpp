#include "presentation/catalogue/exhibitor_list.h"

#include <algorithm>

#include "platform/text/text.h"

namespace expo::presentation {

std::string exhibitorDisplayName(std::string_view katNazev) {
    const std::string trimmed = text::trim(katNazev);
    std::string name;
    name.reserve(trimmed.size());
    for (size_t i = 0; i < trimmed.size(); ++i) {
        if (trimmed[i] == '\r' && i + 1 < trimmed.size() && trimmed[i + 1] == '\n') {
            name += ' ';
            ++i;
        } else {
            name += trimmed[i];
        }
    }
    return name;
}

std::vector<ExhibitorEntry> readExhibitorEntries(ds::ClientDataSet& zaznamy) {
    std::vector<ExhibitorEntry> entries;
    for (zaznamy.first(); !zaznamy.eof(); zaznamy.next()) {
        entries.push_back(
            {exhibitorDisplayName(zaznamy.text("KAT_NAZEV")), zaznamy.integer("KAT_ID")});
    }
    return entries;
}

void sortExhibitorEntries(std::vector<ExhibitorEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ExhibitorEntry& a, const ExhibitorEntry& b) {
                         return text::collateNoCase(a.name, b.name) < 0;
                     });
}

std::string viewFilter(ExhibitorView view, std::string_view sectionFilter) {
    const std::string condition = view == ExhibitorView::News ? "NOVINKA='x'" : "COUNTEXP>0";
    const std::string section = text::trim(sectionFilter);
    return section.empty() ? condition : condition + " and " + section;
}

StatusLine statusLine(const LanguageTexts& texts, size_t notebookCount, size_t shownCount,
                      std::string_view selectionText) {
    StatusLine line;
    line.caption = " " + texts.FTextExhibitorCount + " - " + texts.FTextInNotebook + ": " +
                   text::intToStr(static_cast<int64_t>(notebookCount)) + ", " + texts.FTextShown +
                   ": " + text::intToStr(static_cast<int64_t>(shownCount));
    line.hint = line.caption;
    if (!selectionText.empty()) {
        const std::string selection = texts.FTextSelection + ": " + std::string(selectionText);
        line.caption += "   - " + selection;
        line.hint = selection;
    }
    return line;
}

}  // namespace expo::presentation
