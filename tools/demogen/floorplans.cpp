#include "tools/demogen/floorplans.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <vector>

#include "tools/demogen/discfiles.h"

namespace expo::demogen {
namespace {

std::string html(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += ' ';
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::string areaTitle(const std::string& area) {
    return area == "K" ? "Pavilon K – kongresové centrum / Hall K – congress centre"
                       : "Pavilon " + area + " / Hall " + area;
}

int standNumber(const std::string& stand) {
    const size_t blank = stand.rfind(' ');
    return std::stoi(stand.substr(blank + 1));
}

}  // namespace

std::string floorPlanPage(const std::string& area) {
    if (area == "VP") {
        return {};
    }
    std::string page = "pavilon_";
    for (char c : area) {
        page += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return page + ".html";
}

void writeFloorPlans(const Catalogue& catalogue, const std::filesystem::path& disc) {
    // area -> stand -> (exhibitor names, the stand holder first)
    std::map<std::string, std::map<int, std::pair<std::string, std::vector<std::string>>>> plan;
    for (const Placement& p : catalogue.placements) {
        auto& stand = plan[p.area][standNumber(p.stand)];
        stand.first = p.stand;
        const std::string& name = catalogue.findExhibitor(p.katId)->name;
        if (p.mainKatId == 0) {
            stand.second.insert(stand.second.begin(), name);
        } else {
            stand.second.push_back(name + " (spoluvystavovatel / co-exhibitor)");
        }
    }
    for (const auto& [area, stands] : plan) {
        const std::string page = floorPlanPage(area);
        if (page.empty()) {
            continue;
        }
        std::set<std::string> sections;
        for (const Section& s : catalogue.sections) {
            if (std::find(s.areas.begin(), s.areas.end(), area) != s.areas.end()) {
                sections.insert(s.name[0] + " / " + s.name[1]);
            }
        }
        std::string out =
            "<!DOCTYPE html>\n<html lang=\"cs\">\n<head>\n<meta charset=\"windows-1250\">\n"
            "<title>" +
            html(areaTitle(area)) +
            "</title>\n"
            "<link rel=\"stylesheet\" href=\"../styl/disk.css\">\n</head>\n<body>\n"
            "<p class=\"zpet\"><a href=\"zpet:\">« Zpět na vystavovatele / Back to the "
            "exhibitor</a></p>\n"
            "<h1>" +
            html(areaTitle(area)) + "</h1>\n<p class=\"podtitul\">";
        for (const std::string& s : sections) {
            out += html(s) + "<br>\n";
        }
        out +=
            "</p>\n<table class=\"plan\">\n<tr><th>Stánek / Stand</th><th>Vystavovatel / "
            "Exhibitor</th></tr>\n";
        for (const auto& [number, stand] : stands) {
            out += "<tr><td>" + html(stand.first) + "</td><td>";
            for (size_t i = 0; i < stand.second.size(); ++i) {
                out += (i > 0 ? "<br>" : "") + html(stand.second[i]);
            }
            out += "</td></tr>\n";
        }
        out += "</table>\n</body>\n</html>\n";
        writeFile(disc / kFloorPlanFolder / page, discText(out));
    }
}

}  // namespace expo::demogen
