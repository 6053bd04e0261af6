// The exhibitor page template engine: a character scan with one recursion level per block and
// per record loop.
#include "presentation/page/template_engine.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/text/text.h"

namespace expo::presentation {
namespace {

// A record loop of the template, found by its start and end words.
struct Loop {
    std::string_view beginWord;
    std::string_view endWord;
    ds::ClientDataSet& (*dataSet)(const PageDataSets&);
    std::string_view keyField;  // compared with the exhibitor's KAT_ID
    std::string_view order;     // empty: the order is left as it is
};

// Tested in this order; the first word that a keyword contains wins.
constexpr Loop kLoops[] = {
    {"BEGINNOM", "ENDNOM",
     [](const PageDataSets& d) -> ds::ClientDataSet& { return d.CDSNomenklatury; }, "KAT_ID",
     "NOM_KOD_SORT"},
    {"BEGINEXP", "ENDEXP",
     [](const PageDataSets& d) -> ds::ClientDataSet& { return d.CDSExponaty; }, "KAT_ID",
     "NOM_KOD_SORT"},
    {"BEGINUMISTENI", "ENDUMISTENI",
     [](const PageDataSets& d) -> ds::ClientDataSet& { return d.CDSUmisteni; }, "KAT_ID",
     "PLO_ZKRAT"},
    {"BEGINZASTFIR", "ENDZASTFIR",
     [](const PageDataSets& d) -> ds::ClientDataSet& { return d.CDSZastFir; }, "KAT_ID", ""},
    {"BEGINZASTZNAC", "ENDZASTZNAC",
     [](const PageDataSets& d) -> ds::ClientDataSet& { return d.CDSZastZnac; }, "KAT_ID", ""},
    // The co-exhibitors: placements whose main exhibitor is the one shown.
    {"BEGINSPOLUVYST", "ENDSPOLUVYST",
     [](const PageDataSets& d) -> ds::ClientDataSet& { return d.CDSUmisteni; }, "KAT_ID_HLVYST",
     "KAT_NAZEV"},
    {"BEGINDOPLINF", "ENDDOPLINF",
     [](const PageDataSets& d) -> ds::ClientDataSet& { return d.CDSDoplnInf; }, "KAT_ID", ""},
};

bool contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

const Loop* findLoop(std::string_view upperKeyword, std::string_view Loop::*word) {
    for (const Loop& loop : kLoops) {
        if (contains(upperKeyword, loop.*word)) {
            return &loop;
        }
    }
    return nullptr;
}

std::string markWith(std::string_view utf8Text, std::string_view upperKeyword) {
    return text::cp(utf8Text) + std::string(upperKeyword) + " ]";
}

std::string unknownKeywordMark(std::string_view upperKeyword) {
    return markWith("ERR[Neznáme klíčové slovo: ", upperKeyword);
}

std::string nestingMark() {
    return text::cp("ERR[nedovolený počet zanoření bloků]");
}

class TemplateFiller {
  public:
    TemplateFiller(std::string_view pageTemplate, std::string_view katId, const PageDataSets& data,
                   const KeywordValues& keywords)
        : template_(pageTemplate), katId_(katId), data_(data), keywords_(keywords) {}

    std::string fillPage() {
        bool filled = false;  // nobody asks whether the page as a whole was filled
        std::string page = FillTemplate(0, nullptr, filled);
        if (fault_) {
            page += *fault_;
        }
        return page;
    }

  private:
    // The loop body that a level fills.
    struct LoopBody {
        size_t LoopStart;  // first character of the body
        const ds::ClientDataSet* dataSet;
        std::string_view beginWord;
    };
    // What the scan does after a keyword.
    enum class Next { Continue, Restart, EndLevel };

    // Fills one level and returns its text: the page (Depth 0), a block body (Depth 1 to 3)
    // or a loop body (the depth of its loop keyword, `loop` set). `Filled` is raised when a
    // keyword of the level yields a non-blank value. Once fault_ is set every level ends.
    std::string FillTemplate(int Depth, const LoopBody* loop, bool& Filled);
    Next processKeyword(std::string_view keyword, int Depth, const LoopBody* loop, bool& Filled,
                        std::string& out);
    Next startLoop(const Loop& found, std::string_view keyword, std::string_view upperKeyword,
                   int Depth, bool& Filled, std::string& out);
    Next endLoop(const Loop& found, std::string_view upperKeyword, const LoopBody* loop,
                 std::string& out);
    // Ends the page with `mark`.
    Next fault(std::string mark) {
        fault_ = std::move(mark);
        return Next::EndLevel;
    }
    bool isWalking(const ds::ClientDataSet& dataSet) const {
        return std::find(walking_.begin(), walking_.end(), &dataSet) != walking_.end();
    }

    const std::string_view template_;
    const std::string_view katId_;
    const PageDataSets& data_;
    const KeywordValues& keywords_;

    // Shared by every level of the fill.
    size_t Position = 0;    // the next character to read
    std::string Separator;  // set by every loop start, written by every loop end that repeats
    std::optional<std::string> fault_;
    std::vector<const ds::ClientDataSet*> walking_;  // datasets of the loops being filled
};

std::string TemplateFiller::FillTemplate(int Depth, const LoopBody* loop, bool& Filled) {
    enum class Scan { Copying, Keyword, BlockOpened, BlockClosed };
    Scan state = Scan::Copying;
    std::string out;
    std::string keyword;
    // "{" and "}" take effect on the following pass, so one that ends the template does nothing.
    while (Position < template_.size()) {
        const char ch = template_[Position];
        switch (state) {
            case Scan::Copying:
                if (ch == '#') {
                    state = Scan::Keyword;
                } else if (ch == '{') {
                    state = Scan::BlockOpened;
                } else if (ch == '}') {
                    state = Scan::BlockClosed;
                } else {
                    out += ch;
                }
                ++Position;
                break;
            case Scan::Keyword:
                if (ch != '#') {
                    keyword += ch;
                    ++Position;
                    break;
                }
                state = Scan::Copying;
                switch (processKeyword(std::exchange(keyword, {}), Depth, loop, Filled, out)) {
                    case Next::Continue:
                        ++Position;  // past the closing "#"
                        break;
                    case Next::Restart:
                        Position = loop->LoopStart;
                        break;
                    case Next::EndLevel:
                        return out;
                }
                break;
            case Scan::BlockOpened: {
                if (Depth > 2) {
                    // A loop body cut short here would leave its loop end to an outer level.
                    if (loop) {
                        fault(nestingMark());
                    } else {
                        out += nestingMark();
                    }
                    return out;
                }
                bool blockFilled = false;
                std::string block = FillTemplate(Depth + 1, nullptr, blockFilled);
                if (blockFilled) {
                    Filled = true;
                    out += block;
                }
                if (fault_) {
                    return out;
                }
                state = Scan::Copying;
                break;
            }
            case Scan::BlockClosed:
                if (loop) {
                    fault(markWith("ERR[Konec bloku uvnitř smyčky: ", loop->beginWord));
                }
                return out;
        }
    }
    return out;
}

TemplateFiller::Next TemplateFiller::processKeyword(std::string_view keyword, int Depth,
                                                    const LoopBody* loop, bool& Filled,
                                                    std::string& out) {
    const std::string upperKeyword = text::upper(keyword);
    if (const auto value = keywords_.value(keyword, upperKeyword)) {
        const std::string trimmed = text::trim(*value);
        if (!trimmed.empty()) {
            Filled = true;
        }
        out += trimmed;
        return Next::Continue;
    }
    if (contains(upperKeyword, "BEGIN")) {
        if (const Loop* found = findLoop(upperKeyword, &Loop::beginWord)) {
            return startLoop(*found, keyword, upperKeyword, Depth, Filled, out);
        }
    } else if (contains(upperKeyword, "END")) {
        if (const Loop* found = findLoop(upperKeyword, &Loop::endWord)) {
            return endLoop(*found, upperKeyword, loop, out);
        }
    }
    out += unknownKeywordMark(upperKeyword);
    return Next::Continue;
}

TemplateFiller::Next TemplateFiller::startLoop(const Loop& found, std::string_view keyword,
                                               std::string_view upperKeyword, int Depth,
                                               bool& Filled, std::string& out) {
    ds::ClientDataSet& dataSet = found.dataSet(data_);
    // The inner loop would leave the dataset unfiltered and the outer one would walk it all
    // again and again.
    if (isWalking(dataSet)) {
        return fault(markWith("ERR[Smyčka vnořená do smyčky nad stejnými daty: ", upperKeyword));
    }
    Separator = std::string(keyword.substr(found.beginWord.size()));
    dataSet.setFilter(std::string(found.keyField) + "=" + std::string(katId_));
    dataSet.setFiltered(true);
    if (!found.order.empty()) {
        dataSet.setIndexFieldNames(std::string(found.order));
    }
    dataSet.first();

    ++Position;  // past the keyword's closing "#"
    const LoopBody body{Position, &dataSet, found.beginWord};
    walking_.push_back(&dataSet);
    out += FillTemplate(Depth, &body, Filled);
    walking_.pop_back();
    // After the loop end Position stands on its closing "#", which the scan steps past.
    return fault_ ? Next::EndLevel : Next::Continue;
}

TemplateFiller::Next TemplateFiller::endLoop(const Loop& found, std::string_view upperKeyword,
                                             const LoopBody* loop, std::string& out) {
    ds::ClientDataSet& dataSet = found.dataSet(data_);
    const bool ownBody = loop && loop->dataSet == &dataSet;
    // Only the body of a loop may move its dataset on: anything else could restart the body
    // before its records are used up, or restart a level that is no loop body at all.
    if (!ownBody && isWalking(dataSet)) {
        return fault(markWith("ERR[Konec smyčky mimo její tělo: ", upperKeyword));
    }
    dataSet.next();
    if (dataSet.eof()) {
        dataSet.setFiltered(false);
        return Next::EndLevel;
    }
    if (!ownBody) {
        return fault(markWith("ERR[Konec smyčky mimo její tělo: ", upperKeyword));
    }
    out += Separator;
    return Next::Restart;
}

}  // namespace

std::string fillTemplate(std::string_view pageTemplate, std::string_view katId,
                         const PageDataSets& data, const KeywordValues& keywords) {
    return TemplateFiller(pageTemplate, katId, data, keywords).fillPage();
}

void prepareLoops(const PageDataSets& data) {
    for (const Loop& loop : kLoops) {
        const ds::ClientDataSet& dataSet = loop.dataSet(data);
        dataSet.prepareIndex(loop.keyField);
        if (!loop.order.empty()) {
            dataSet.prepareIndex(loop.order);
        }
    }
}

}  // namespace expo::presentation
