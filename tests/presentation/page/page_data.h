#pragma once
// Small in-memory catalogues for the exhibitor page tests.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/dataset.h"
#include "platform/ini/inifile.h"
#include "presentation/page/template_keywords.h"

namespace expo::testing {

using Row = std::vector<ds::Value>;

// Loads `rows` under column names written "NAME" (text), "NAME:int" or "NAME:memo".
inline void load(ds::ClientDataSet& dataSet, std::initializer_list<std::string_view> columns,
                 std::vector<Row> rows) {
    ds::Packet packet{{}, std::move(rows)};
    for (const std::string_view column : columns) {
        const size_t colon = std::min(column.find(':'), column.size());
        const std::string_view kind = column.substr(colon);
        const std::string name(column.substr(0, colon));
        packet.fields.push_back(kind == ":int"    ? ds::FieldDef{name, ds::FieldType::Integer, 4}
                                : kind == ":memo" ? ds::FieldDef{name, ds::FieldType::Memo, 0}
                                                  : ds::FieldDef{name, ds::FieldType::String, 255});
    }
    dataSet.loadFromPacket(std::move(packet));
}

// The datasets and settings an exhibitor page reads, empty until a test loads them.
struct PageWorld {
    ds::ClientDataSet CDSZaznamy{"CDSZaznamy"}, CDSNomenklatury{"CDSNomenklatury"},
        CDSUmisteni{"CDSUmisteni"}, CDSExponaty{"CDSExponaty"}, CDSZastFir{"CDSZastFir"},
        CDSZastZnac{"CDSZastZnac"}, CDSDoplnInf{"CDSDoplnInf"};
    IniFile umisteniIni, inzeratyIni, expoziceIni;
    presentation::LanguageSuffixes suffixes{"0", "0"};
    presentation::LogoAreas logoAreas;
    int language = 0;
    std::string programFolder = "/disc/";

    presentation::PageDataSets data() {
        return {CDSZaznamy, CDSNomenklatury, CDSUmisteni, CDSExponaty,
                CDSZastFir, CDSZastZnac,     CDSDoplnInf};
    }
    presentation::KeywordContext context() {
        return {data(),      suffixes,    logoAreas, umisteniIni,
                inzeratyIni, expoziceIni, language,  programFolder};
    }
    // CDSZaznamy narrowed to the exhibitor, as the page generation leaves it.
    void show(int katId) {
        CDSZaznamy.setFilter("KAT_ID=" + std::to_string(katId));
        CDSZaznamy.setFiltered(true);
    }
    // The page of exhibitor `katId` from `pageTemplate` (both in code page 1250).
    std::string fill(std::string_view pageTemplate, int katId) {
        show(katId);
        const presentation::TemplateKeywords keywords(context());
        return presentation::fillTemplate(pageTemplate, std::to_string(katId), data(), keywords);
    }
};

}  // namespace expo::testing
