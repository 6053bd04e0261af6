// Filling a full exhibitor page: every keyword and every record loop, for an exhibitor with
// many detail records among the records of other exhibitors.
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/dataset/dataset.h"
#include "platform/ini/inifile.h"
#include "platform/text/text.h"
#include "presentation/page/template_engine.h"
#include "presentation/page/template_keywords.h"

namespace {

using expo::ds::ClientDataSet;
using expo::ds::FieldDef;
using expo::ds::FieldType;
using expo::ds::Packet;
using expo::ds::Value;

constexpr int kShown = 1;   // the exhibitor whose page is filled
constexpr int kOthers = 4;  // records of other exhibitors per record of the shown one

const std::string kTemplate = expo::text::cp(R"(<html><body>
<h1>#NAZEVFIRMY#</h1>
{<p>#ULICE#, #PSC# #MESTO#, #STAT# {P.O. Box #POBOX#}</p>}
{<p>Tel.: #TELEFON1_1#{, #TELEFON1_2#}{ Fax: #FAX#}</p>}
{<p><a href="mailto:#EMAIL#">#EMAIL#</a> #WEB#</p>}
{<h2>#NAZEVFIRMY2#</h2><p>#ULICE2#, #PSC2# #MESTO2#, #STAT2#</p>
<p>#TELEFON2_1# #TELEFON2_2# #FAX2# #EMAIL2# #WEB2#</p>}
{<p>#TEXT#</p>}{<p>#ZVERPOZN#</p>}
{<img src="#LOGO1#" width="#LOGO1_WIDTH#" height="#LOGO1_HEIGHT#">}
{<img src="#LOGO2#" width="#LOGO2_WIDTH#" height="#LOGO2_HEIGHT#">}
{<a href=#ODKAZINZERAT#>Inzerát</a>} {<a href=#ODKAZEXPOZICE#>Expozice</a>}
{<table>#BEGINUMISTENI#<tr><td>#UMISTENIPAVILON#</td><td>#UMISTENIPAVODKAZ#</td>
<td>#UMISTENISTANEK#</td><td>#UMISTENIHLAVNIVYST#</td></tr>#ENDUMISTENI#</table>}
{<p>#BEGINSPOLUVYST, ##SPOLUVYSTAVOVATELE##ENDSPOLUVYST#</p>}
{<ul>#BEGINNOM#<li>#NOMENKLATURAKOD# #NOMENKLATURANAZEV#{ #NOMENKLATURATEXT#}
{<img src="#LOGONOM1#" width="#LOGONOM1_WIDTH#" height="#LOGONOM1_HEIGHT#">}
{<img src="#LOGONOM2#" width="#LOGONOM2_WIDTH#" height="#LOGONOM2_HEIGHT#">}</li>#ENDNOM#</ul>}
{<ul>#BEGINEXP#<li>#EXPONATTEXT# #EXPONATNOVINKA<b>Novinka</b>#
(#EXPONATNOMENKLATURA# #EXPONATNOMENKLATURANAZEV#)</li>#ENDEXP#</ul>}
{<p>#BEGINZASTFIR, ##ZASTOUPENAFIRMA##ENDZASTFIR#</p>}
{<ul>#BEGINZASTZNAC#<li>#ZASTZNACKA# #ZASTZNACKANOMEN# #ZASTZNACKANOMENNAZEV#
{<img src="#LOGOZASTZNACKA#" width="#LOGOZASTZNACKA_WIDTH#" height="#LOGOZASTZNACKA_HEIGHT#">}</li>#ENDZASTZNAC#</ul>}
{<ul>#BEGINDOPLINF#<li>#DOPLINF#
{<img src="#LOGODOPLINF#" width="#LOGODOPLINF_WIDTH#" height="#LOGODOPLINF_HEIGHT#">}</li>#ENDDOPLINF#</ul>}
</body></html>
)");

// A dataset of `columns` ("NAME" text, "NAME:int" integer, the first one KAT_ID) with `count`
// records of the shown exhibitor mixed among kOthers times as many of others. `value` gives the
// other columns of record `i`.
template <typename MakeValue>
void fill(ClientDataSet& dataSet, std::initializer_list<std::string_view> columns, int count,
          MakeValue value) {
    Packet packet;
    for (const std::string_view column : columns) {
        const bool isInteger = column.ends_with(":int");
        packet.fields.push_back(FieldDef{std::string(column.substr(0, column.find(':'))),
                                         isInteger ? FieldType::Integer : FieldType::String,
                                         isInteger ? 4 : 255, false});
    }
    const int total = count * (kOthers + 1);
    for (int i = 0; i < total; ++i) {
        std::vector<Value> row{int64_t{i % (kOthers + 1) == 0 ? kShown : 2 + i % 1000}};
        for (size_t c = 1; c < packet.fields.size(); ++c) {
            row.push_back(value(i, packet.fields[c]));
        }
        packet.rows.push_back(std::move(row));
    }
    dataSet.loadFromPacket(std::move(packet));
}

// Text fields carry their name and the record number; integer fields a size or logo number.
Value sample(int i, const FieldDef& field) {
    if (field.type == FieldType::Integer) {
        return int64_t{50 + i % 300};
    }
    if (field.name == "KTE_NOVINKA") {
        return std::string(i % 2 ? "x" : "");
    }
    return field.name + " " + std::to_string(i) + "\r\nline";
}

struct Catalogue {
    ClientDataSet CDSZaznamy{"CDSZaznamy"};
    ClientDataSet CDSNomenklatury{"CDSNomenklatury"};
    ClientDataSet CDSUmisteni{"CDSUmisteni"};
    ClientDataSet CDSExponaty{"CDSExponaty"};
    ClientDataSet CDSZastFir{"CDSZastFir"};
    ClientDataSet CDSZastZnac{"CDSZastZnac"};
    ClientDataSet CDSDoplnInf{"CDSDoplnInf"};
    // The shown exhibitor's section is 50; areas P0 ... P4 have floor plans, P5 ... P9 not.
    expo::IniFile umisteniIni = expo::IniFile::fromText(
        "[50]\r\nP0=p0.html\r\nP1=p1.html\r\nP2=p2.html\r\nP3=p3.html\r\nP4=p4.html\r\n");
    expo::IniFile inzeratyIni = expo::IniFile::fromText("[1]\r\nurl0=inzerat.html\r\n");
    expo::IniFile expoziceIni = expo::IniFile::fromText("[1]\r\nurl=expozice.html\r\nextern=1\r\n");

    explicit Catalogue(int details) {
        fill(CDSZaznamy,
             {"KAT_ID:int",       "SEKCE_ID:int",    "KAT_NAZEV",       "KAT_ULICE",
              "KAT_MESTO",        "KAT_PSC",         "KAT_POBOX",       "STAT_ID",
              "KAT_TELEFON1_1",   "KAT_TELEFON1_2",  "KAT_FAX1",        "KAT_EMAIL",
              "KAT_WEB",          "KAT_NAZEV2",      "KAT_ULICE2",      "KAT_MESTO2",
              "KAT_PSC2",         "STAT_ID2",        "KAT_TELEFON2_1",  "KAT_TELEFON2_2",
              "KAT_FAX2",         "KAT_EMAIL2",      "KAT_WEB2",        "KAT_TEXT0",
              "KAT_ZVERPOZN0",    "LOGO_ID1:int",    "LOGO_ID2:int",    "LOGO1_WIDTH:int",
              "LOGO1_HEIGHT:int", "LOGO2_WIDTH:int", "LOGO2_HEIGHT:int"},
             1, sample);
        fill(CDSNomenklatury,
             {"KAT_ID:int", "NOM_KOD", "NOM_KOD_SORT", "NOM_POPIS0", "KTN_TEXT0", "LOGO_ID1:int",
              "LOGO_ID2:int", "LOGO1_WIDTH:int", "LOGO1_HEIGHT:int", "LOGO2_WIDTH:int",
              "LOGO2_HEIGHT:int"},
             details, sample);
        fill(CDSUmisteni,
             {"KAT_ID:int", "KAT_ID_HLVYST:int", "PLO_ZKRAT", "KTU_STANEK", "KAT_NAZEV",
              "KAT_NAZEV_HL"},
             details, [](int i, const FieldDef& field) {
                 if (field.name == "KAT_ID_HLVYST") {
                     return Value{int64_t{i % 3 == 0 ? kShown : 2}};
                 }
                 if (field.name == "PLO_ZKRAT") {
                     return Value{"P" + std::to_string(i % 10)};
                 }
                 return sample(i, field);
             });
        fill(CDSExponaty,
             {"KAT_ID:int", "KTE_TEXT0", "NOM_KOD", "NOM_KOD_SORT", "NOM_POPIS0", "KTE_NOVINKA"},
             details, sample);
        fill(CDSZastFir, {"KAT_ID:int", "KTF_TEXT"}, details, sample);
        fill(CDSZastZnac,
             {"KAT_ID:int", "KTZ_TEXT", "NOM_KOD", "NOM_POPIS0", "LOGO_ID:int", "LOGO_WIDTH:int",
              "LOGO_HEIGHT:int"},
             details, sample);
        fill(CDSDoplnInf,
             {"KAT_ID:int", "doplinf_popis", "logo_id:int", "LOGO_WIDTH:int", "LOGO_HEIGHT:int"},
             details, sample);
        CDSZaznamy.setFilter("KAT_ID=" + std::to_string(kShown));
        CDSZaznamy.setFiltered(true);
    }

    expo::presentation::PageDataSets data() {
        return {CDSZaznamy, CDSNomenklatury, CDSUmisteni, CDSExponaty,
                CDSZastFir, CDSZastZnac,     CDSDoplnInf};
    }
};

// Argument: the number of records the shown exhibitor has in each detail dataset.
void BM_FillFullTemplate(benchmark::State& state) {
    Catalogue catalogue(static_cast<int>(state.range(0)));
    const expo::presentation::TemplateKeywords keywords({catalogue.data(),
                                                         {"0", "0"},
                                                         {},
                                                         catalogue.umisteniIni,
                                                         catalogue.inzeratyIni,
                                                         catalogue.expoziceIni,
                                                         0,
                                                         "/nonexistent-disc/"});
    size_t pageSize = 0;
    for (auto _ : state) {
        const std::string page = expo::presentation::fillTemplate(kTemplate, std::to_string(kShown),
                                                                  catalogue.data(), keywords);
        pageSize = page.size();
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["page_bytes"] = static_cast<double>(pageSize);
}
BENCHMARK(BM_FillFullTemplate)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
