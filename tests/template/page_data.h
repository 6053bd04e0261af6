#pragma once
// Small in-memory catalogues for the exhibitor page tests.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/dataset.h"
#include "platform/ini/inifile.h"
#include "presentation/template_keywords.h"

namespace expo::testing {

using Row = std::vector<ds::Value>;

// A data packet from column names written "NAME" (text), "NAME:int" or "NAME:memo".
inline ds::Packet makePacket(std::initializer_list<std::string_view> columns,
                             std::vector<Row> rows) {
    ds::Packet packet;
    for (const std::string_view column : columns) {
        const size_t colon = column.find(':');
        ds::FieldDef def;
        def.name = std::string(column.substr(0, colon));
        const std::string_view kind =
            colon == std::string_view::npos ? "" : column.substr(colon + 1);
        if (kind == "int") {
            def.type = ds::FieldType::Integer;
            def.size = 4;
        } else if (kind == "memo") {
            def.type = ds::FieldType::Memo;
        } else {
            def.type = ds::FieldType::String;
            def.size = 255;
        }
        packet.fields.push_back(def);
    }
    packet.rows = std::move(rows);
    return packet;
}

inline void load(ds::ClientDataSet& dataSet, std::initializer_list<std::string_view> columns,
                 std::vector<Row> rows) {
    dataSet.loadFromPacket(makePacket(columns, std::move(rows)));
}

// The datasets and settings an exhibitor page reads, empty until a test loads them.
struct PageWorld {
    ds::ClientDataSet CDSZaznamy{"CDSZaznamy"};
    ds::ClientDataSet CDSNomenklatury{"CDSNomenklatury"};
    ds::ClientDataSet CDSUmisteni{"CDSUmisteni"};
    ds::ClientDataSet CDSExponaty{"CDSExponaty"};
    ds::ClientDataSet CDSZastFir{"CDSZastFir"};
    ds::ClientDataSet CDSZastZnac{"CDSZastZnac"};
    ds::ClientDataSet CDSDoplnInf{"CDSDoplnInf"};
    IniFile umisteniIni;
    IniFile inzeratyIni;
    IniFile expoziceIni;
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
