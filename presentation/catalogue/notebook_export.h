#pragma once
// The notebook's export: the text of the export window, one block of lines per exhibitor, and
// the bytes of the text file it is saved to. Qt-free; the window shows and saves.
//
// An exhibitor's block: its name; its place (city, ", " and country code) when either is
// known; one line per placement that names an exhibition area (area code, " - " and stand);
// and an empty line. An exhibitor whose record is missing contributes nothing.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/dataset.h"
#include "presentation/catalogue/notebook.h"
#include "presentation/settings/language_texts.h"

namespace expo::presentation {

// The place line from `KAT_MESTO` and `STAT_ID`; empty when both are blank.
std::string exportPlaceLine(std::string_view katMesto, std::string_view statId);
// The placement line from `PLO_ZKRAT` and `KTU_STANEK`; empty when the area code is blank.
std::string exportPlacementLine(std::string_view ploZkrat, std::string_view ktuStanek);

// The block of the exhibitor `katId`. Leaves `CDSZaznamy` and `CDSUmisteni` filtered to it
// ("KAT_ID=" + its key).
std::vector<std::string> exhibitorExportLines(ds::ClientDataSet& CDSZaznamy,
                                              ds::ClientDataSet& CDSUmisteni, int32_t katId);

// The progress line while exhibitor `position` (from 1) of `count` is exported.
std::string exportProgressLine(const LanguageTexts& texts, size_t position, size_t count);

// The blocks of every notebook entry in the notebook's order. `progress` is told each
// position (from 1) before that exhibitor is read.
std::vector<std::string> notebookExportLines(
    const Notebook& notebook, ds::ClientDataSet& CDSZaznamy, ds::ClientDataSet& CDSUmisteni,
    const std::function<void(size_t position, size_t count)>& progress);

// The export text as the window's box starts with it: every line followed by a line break.
std::string exportBoxText(const std::vector<std::string>& lines);

// The saved file: each line followed by CR LF. A last line that is empty is where a final line
// break left the caret, not a line of the text, and is not written.
std::string exportFileBytes(const std::vector<std::string>& lines);

// The text of Ctrl+Shift+Q's first message: "Typ jednotky: " and the number of the kind of
// drive that `driveType` reports, or, when it fails, the failure's reason.
std::string driveTypeMessage(const std::function<int()>& driveType);

}  // namespace expo::presentation
