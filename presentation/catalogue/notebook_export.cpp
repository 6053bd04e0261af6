#include "presentation/catalogue/notebook_export.h"

#include <exception>

#include "platform/text/text.h"

namespace expo::presentation {
namespace {

// Filters `dataSet` to the exhibitor and moves to its first record.
void narrowToExhibitor(ds::ClientDataSet& dataSet, const std::string& filter) {
    dataSet.setFilter(filter);
    dataSet.setFiltered(true);
}

// `head`, then `separator` and the trimmed `tail` when that is not blank; the whole trimmed.
std::string joined(std::string_view head, std::string_view separator, std::string_view tail) {
    std::string line = text::trim(head);
    if (const std::string rest = text::trim(tail); !rest.empty()) {
        line += separator;
        line += rest;
    }
    return text::trim(line);
}

}  // namespace

std::string exportPlaceLine(std::string_view katMesto, std::string_view statId) {
    return joined(katMesto, ", ", statId);
}

std::string exportPlacementLine(std::string_view ploZkrat, std::string_view ktuStanek) {
    if (text::trim(ploZkrat).empty()) {
        return {};
    }
    return joined(ploZkrat, " - ", ktuStanek);
}

std::vector<std::string> exhibitorExportLines(ds::ClientDataSet& CDSZaznamy,
                                              ds::ClientDataSet& CDSUmisteni, int32_t katId) {
    const std::string filter = "KAT_ID=" + text::intToStr(katId);
    std::vector<std::string> lines;
    narrowToExhibitor(CDSZaznamy, filter);
    if (CDSZaznamy.eof()) {
        return lines;
    }
    lines.push_back(exhibitorDisplayName(CDSZaznamy.text("KAT_NAZEV")));
    if (std::string place =
            exportPlaceLine(CDSZaznamy.text("KAT_MESTO"), CDSZaznamy.text("STAT_ID"));
        !place.empty()) {
        lines.push_back(std::move(place));
    }
    narrowToExhibitor(CDSUmisteni, filter);
    for (CDSUmisteni.first(); !CDSUmisteni.eof(); CDSUmisteni.next()) {
        if (std::string placement =
                exportPlacementLine(CDSUmisteni.text("PLO_ZKRAT"), CDSUmisteni.text("KTU_STANEK"));
            !placement.empty()) {
            lines.push_back(std::move(placement));
        }
    }
    lines.emplace_back();
    return lines;
}

std::string exportProgressLine(const LanguageTexts& texts, size_t position, size_t count) {
    return texts.FTextRecord + " " + text::intToStr(static_cast<int64_t>(position)) + " " +
           texts.FTextOf + " " + text::intToStr(static_cast<int64_t>(count));
}

std::vector<std::string> notebookExportLines(
    const Notebook& notebook, ds::ClientDataSet& CDSZaznamy, ds::ClientDataSet& CDSUmisteni,
    const std::function<void(size_t position, size_t count)>& progress) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < notebook.size(); ++i) {
        progress(i + 1, notebook.size());
        if (const std::optional<int32_t> key = notebook[i].key) {
            for (std::string& line : exhibitorExportLines(CDSZaznamy, CDSUmisteni, *key)) {
                lines.push_back(std::move(line));
            }
        }
    }
    return lines;
}

std::string exportBoxText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

std::string exportFileBytes(const std::vector<std::string>& lines) {
    size_t count = lines.size();
    if (count > 0 && lines.back().empty()) {
        --count;
    }
    std::string bytes;
    for (size_t i = 0; i < count; ++i) {
        bytes += lines[i];
        bytes += "\r\n";
    }
    return bytes;
}

std::string driveTypeMessage(const std::function<int()>& driveType) {
    try {
        return text::cp("Typ jednotky: ") + text::intToStr(driveType());
    } catch (const std::exception& e) {
        return text::cp("Chyba při zjišťování typu jednotky.") + "\r\r" + text::cp("Důvod:") +
               e.what();
    }
}

}  // namespace expo::presentation
