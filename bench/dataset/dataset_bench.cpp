// The client-dataset engine on a large catalogue (100 000 exhibitors, about a million detail
// records) doing what the program does, against the same work in an in-memory SQLite database
// with indexes: loading the twelve files, an exhibitor page's "KAT_ID=" lookups with their
// detail loops, a section list, a case-insensitive name search, and the advanced search's walk
// over every exhibitor with four linked details. Prints the engine/SQLite ratios and the
// memory the loaded catalogue takes against the size of its files.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <random>

#include "bench/dataset/generate.h"
#include "bench/dataset/sqlite_catalogue.h"
#include "bench/support/ratio_reporter.h"
#include "presentation/catalogue/catalogue.h"

namespace {

using expo::ds::ClientDataSet;
using expo::presentation::Catalogue;

constexpr int kExhibitors = 100'000;

struct World {
    std::filesystem::path folder;
    expo::bench::GeneratedCatalogue generated;
    std::unique_ptr<Catalogue> catalogue;
    std::unique_ptr<expo::bench::SqliteCatalogue> sql;
    std::vector<int64_t> keys;  // exhibitors to show, the same for both sides
};

World* world = nullptr;

int64_t nextKey(size_t& i) {
    return world->keys[i++ % world->keys.size()];
}

size_t heapInUse() {
    return mallinfo2().uordblks;
}

// --- loading --------------------------------------------------------------------------------

void loadAll(benchmark::State& state) {
    for (auto _ : state) {
        Catalogue c;
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            c.load(i, world->folder.string());
        }
        benchmark::DoNotOptimize(c.CDSZaznamy.recordCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * world->generated.fileBytes));
}

// --- an exhibitor page: the exhibitor and six detail loops ----------------------------------

struct Loop {
    ClientDataSet Catalogue::*dataSet;
    const char* order;  // empty: unchanged
    const char* fields[2];
    const char* sql;
};

const Loop kLoops[] = {
    {&Catalogue::CDSNomenklatury,
     "NOM_KOD_SORT",
     {"NOM_KOD", "NOM_POPIS0"},
     "SELECT NOM_KOD, NOM_POPIS0 FROM CDSNomenklatury WHERE KAT_ID=? ORDER BY NOM_KOD_SORT COLLATE "
     "CZ"},
    {&Catalogue::CDSExponaty,
     "NOM_KOD_SORT",
     {"KTE_TEXT0", "NOM_KOD"},
     "SELECT KTE_TEXT0, NOM_KOD FROM CDSExponaty WHERE KAT_ID=? ORDER BY NOM_KOD_SORT COLLATE CZ"},
    {&Catalogue::CDSUmisteni,
     "PLO_ZKRAT",
     {"PLO_ZKRAT", "KTU_STANEK"},
     "SELECT PLO_ZKRAT, KTU_STANEK FROM CDSUmisteni WHERE KAT_ID=? ORDER BY PLO_ZKRAT COLLATE CZ"},
    {&Catalogue::CDSZastFir,
     "",
     {"KTF_TEXT", "KAT_ID"},
     "SELECT KTF_TEXT, KAT_ID FROM CDSZastFir WHERE KAT_ID=?"},
    {&Catalogue::CDSZastZnac,
     "",
     {"KTZ_TEXT", "NOM_KOD"},
     "SELECT KTZ_TEXT, NOM_KOD FROM CDSZastZnac WHERE KAT_ID=?"},
    {&Catalogue::CDSDoplnInf,
     "",
     {"doplinf_popis", "LOGO_ID"},
     "SELECT doplinf_popis, logo_id FROM CDSDoplnInf WHERE KAT_ID=?"},
};

void exhibitorPageEngine(benchmark::State& state) {
    Catalogue& c = *world->catalogue;
    size_t next = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string filter = "KAT_ID=" + std::to_string(nextKey(next));
        c.CDSZaznamy.setFilter(filter);
        c.CDSZaznamy.setFiltered(true);
        bytes += c.CDSZaznamy.text("KAT_NAZEV").size() + c.CDSZaznamy.text("KAT_MESTO").size();
        for (const Loop& loop : kLoops) {
            ClientDataSet& set = c.*loop.dataSet;
            set.setFilter(filter);
            set.setFiltered(true);
            if (*loop.order != '\0') {
                set.setIndexFieldNames(loop.order);
            }
            for (set.first(); !set.eof(); set.next()) {
                bytes += set.text(loop.fields[0]).size() + set.text(loop.fields[1]).size();
            }
            set.setFiltered(false);
        }
    }
    benchmark::DoNotOptimize(bytes);
}

void exhibitorPageSqlite(benchmark::State& state) {
    sqlite3* db = world->sql->db();
    expo::bench::Statement exhibitor(db,
                                     "SELECT KAT_NAZEV, KAT_MESTO FROM CDSZaznamy WHERE KAT_ID=?");
    std::vector<std::unique_ptr<expo::bench::Statement>> loops;
    for (const Loop& loop : kLoops) {
        loops.push_back(std::make_unique<expo::bench::Statement>(db, loop.sql));
    }
    size_t next = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        const int64_t key = nextKey(next);
        exhibitor.bind(1, key);
        while (exhibitor.step()) {
            bytes += exhibitor.text(0).size() + exhibitor.text(1).size();
        }
        for (const auto& loop : loops) {
            loop->bind(1, key);
            while (loop->step()) {
                bytes += loop->text(0).size() + loop->text(1).size();
            }
        }
    }
    benchmark::DoNotOptimize(bytes);
}

// --- a section list and a name search, both in name order -----------------------------------

void walkNames(ClientDataSet& set, size_t& bytes) {
    for (set.first(); !set.eof(); set.next()) {
        bytes += set.text("KAT_NAZEV").size() + static_cast<size_t>(set.integer("KAT_ID"));
    }
}

void sectionListEngine(benchmark::State& state) {
    ClientDataSet& z = world->catalogue->CDSZaznamy;
    z.setIndexFieldNames("KAT_NAZEV");
    z.setFiltered(true);
    size_t bytes = 0;
    int section = 0;
    for (auto _ : state) {
        const int s = 1 + section++ % (expo::bench::kSections - 2);
        z.setFilter("SEKCE_ID in (" + std::to_string(s) + " , " + std::to_string(s + 1) + " , " +
                    std::to_string(s + 2) + ")");
        walkNames(z, bytes);
    }
    benchmark::DoNotOptimize(bytes);
}

void sectionListSqlite(benchmark::State& state) {
    expo::bench::Statement q(world->sql->db(),
                             "SELECT KAT_ID, KAT_NAZEV FROM CDSZaznamy WHERE SEKCE_ID IN (?, ?, ?) "
                             "ORDER BY KAT_NAZEV COLLATE CZ");
    size_t bytes = 0;
    int section = 0;
    for (auto _ : state) {
        const int s = 1 + section++ % (expo::bench::kSections - 2);
        q.bind(1, int64_t{s}).bind(2, int64_t{s + 1}).bind(3, int64_t{s + 2});
        while (q.step()) {
            bytes += q.text(1).size() + static_cast<size_t>(q.integer(0));
        }
    }
    benchmark::DoNotOptimize(bytes);
}

const char* const kSearchedWords[] = {"TECH", "KOV", "AUTO", "SKLO"};

void nameSearchEngine(benchmark::State& state) {
    ClientDataSet& z = world->catalogue->CDSZaznamy;
    z.setIndexFieldNames("KAT_NAZEV");
    z.setFiltered(true);
    size_t bytes = 0;
    size_t word = 0;
    for (auto _ : state) {
        z.setFilter(std::string("Upper(KAT_NAZEV) LIKE '%") + kSearchedWords[word++ % 4] + "%'");
        walkNames(z, bytes);
    }
    benchmark::DoNotOptimize(bytes);
}

void nameSearchSqlite(benchmark::State& state) {
    expo::bench::Statement q(
        world->sql->db(),
        "SELECT KAT_ID, KAT_NAZEV FROM CDSZaznamy WHERE upper(KAT_NAZEV) LIKE ? "
        "ORDER BY KAT_NAZEV COLLATE CZ");
    size_t bytes = 0;
    size_t word = 0;
    for (auto _ : state) {
        const std::string pattern = std::string("%") + kSearchedWords[word++ % 4] + "%";
        q.bind(1, pattern);
        while (q.step()) {
            bytes += q.text(1).size() + static_cast<size_t>(q.integer(0));
        }
    }
    benchmark::DoNotOptimize(bytes);
}

// --- the advanced search: every exhibitor, four linked details with filters of their own ------

struct Criterion {
    ClientDataSet Catalogue::*dataSet;
    const char* filter;
    const char* sql;
};

const Criterion kCriteria[] = {
    {&Catalogue::CDSNomenklatury, "((upper(NOM_KOD) LIKE '12%'))",
     "EXISTS (SELECT 1 FROM CDSNomenklatury d WHERE d.KAT_ID = z.KAT_ID AND upper(d.NOM_KOD) LIKE "
     "'12%')"},
    {&Catalogue::CDSUmisteni, "((upper(PLO_ZKRAT)= 'A1') or (upper(PLO_ZKRAT)= 'B2'))",
     "EXISTS (SELECT 1 FROM CDSUmisteni d WHERE d.KAT_ID = z.KAT_ID AND (upper(d.PLO_ZKRAT) = 'A1' "
     "OR upper(d.PLO_ZKRAT) = 'B2'))"},
    {&Catalogue::CDSZastFir, "((upper(KTF_TEXT) LIKE '%A%'))",
     "EXISTS (SELECT 1 FROM CDSZastFir d WHERE d.KAT_ID = z.KAT_ID AND upper(d.KTF_TEXT) LIKE "
     "'%A%')"},
    {&Catalogue::CDSZastZnac, "((upper(KTZ_TEXT) LIKE '%E%'))",
     "EXISTS (SELECT 1 FROM CDSZastZnac d WHERE d.KAT_ID = z.KAT_ID AND upper(d.KTZ_TEXT) LIKE "
     "'%E%')"},
};

void advancedSearchEngine(benchmark::State& state) {
    Catalogue& c = *world->catalogue;
    size_t found = 0;
    for (auto _ : state) {
        c.CDSZaznamy.close();
        c.CDSZaznamy.setFilter("");
        c.CDSZaznamy.setFiltered(false);
        c.CDSZaznamy.setIndexFieldNames("KAT_ID");
        for (const Criterion& k : kCriteria) {
            ClientDataSet& d = c.*k.dataSet;
            d.close();
            d.setMasterSource(&c.DSZaznamy);
            d.setIndexFieldNames("KAT_ID");
            d.setMasterFields("KAT_ID");
            d.setPacketRecords(0);
            d.setFilter(k.filter);
            d.setFiltered(true);
        }
        c.CDSZaznamy.open();
        for (const Criterion& k : kCriteria) {
            (c.*k.dataSet).open();
        }
        std::vector<std::string> names;
        for (c.CDSZaznamy.first(); !c.CDSZaznamy.eof(); c.CDSZaznamy.next()) {
            bool all = true;
            for (const Criterion& k : kCriteria) {
                if ((c.*k.dataSet).recordCount() == 0) {
                    all = false;
                    break;
                }
            }
            if (all) {
                names.push_back(c.CDSZaznamy.text("KAT_NAZEV"));
            }
        }
        for (const Criterion& k : kCriteria) {
            ClientDataSet& d = c.*k.dataSet;
            d.setMasterSource(nullptr);
            d.setMasterFields("");
            d.setPacketRecords(-1);
        }
        found = names.size();
    }
    state.counters["found"] = static_cast<double>(found);
}

void advancedSearchSqlite(benchmark::State& state) {
    std::string sql = "SELECT KAT_ID, KAT_NAZEV FROM CDSZaznamy z WHERE ";
    for (size_t i = 0; i < std::size(kCriteria); ++i) {
        sql += (i == 0 ? "" : " AND ") + std::string(kCriteria[i].sql);
    }
    expo::bench::Statement q(world->sql->db(), sql + " ORDER BY KAT_ID");
    size_t found = 0;
    for (auto _ : state) {
        std::vector<std::string> names;
        while (q.step()) {
            names.emplace_back(q.text(1));
        }
        found = names.size();
    }
    state.counters["found"] = static_cast<double>(found);
}

// --- reporting --------------------------------------------------------------------------------

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::string pattern =
        (std::filesystem::temp_directory_path() / "expo-dataset-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::cerr << "cannot create a temporary folder\n";
        return 1;
    }
    World w;
    world = &w;
    w.folder = pattern;
    w.generated = expo::bench::generateCatalogue(kExhibitors, w.folder);
    std::vector<std::string> names;
    size_t records = 0;
    {
        const Catalogue shapes;
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            names.push_back(shapes.dataSet(i).name());
            records += w.generated.tables[static_cast<size_t>(i)].rowCount;
        }
    }
    const size_t before = heapInUse();
    w.catalogue = std::make_unique<Catalogue>();
    for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
        w.catalogue->load(i, w.folder.string());
    }
    const size_t loaded = heapInUse() - before;
    w.sql = std::make_unique<expo::bench::SqliteCatalogue>(names, w.generated.tables);
    w.generated.tables.clear();
    const size_t baseline = heapInUse();
    std::mt19937_64 random(7);
    for (int i = 0; i < 4096; ++i) {
        w.keys.push_back(static_cast<int64_t>(random() % kExhibitors) + 1);
    }

    benchmark::RegisterBenchmark("LoadAllTwelve", loadAll)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ExhibitorPage/engine", exhibitorPageEngine)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ExhibitorPage/sqlite", exhibitorPageSqlite)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("SectionList/engine", sectionListEngine)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("SectionList/sqlite", sectionListSqlite)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("NameSearch/engine", nameSearchEngine)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("NameSearch/sqlite", nameSearchSqlite)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AdvancedSearch/engine", advancedSearchEngine)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AdvancedSearch/sqlite", advancedSearchSqlite)
        ->Unit(benchmark::kMillisecond);
    expo::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nengine / SQLite (real time, medians when repeated):\n");
    for (const char* query : {"ExhibitorPage", "SectionList", "NameSearch", "AdvancedSearch"}) {
        reporter.ratio(query, std::string(query) + "/engine", std::string(query) + "/sqlite",
                       "<= 0.5");
    }

    const size_t withIndexes = loaded + (heapInUse() - baseline);
    std::printf(
        "\n%zu records in files of %.1f MB; the loaded catalogue takes %.1f MB (%.2f x), "
        "%.1f MB (%.2f x) with the indexes built by the queries\n",
        records, static_cast<double>(w.generated.fileBytes) / 1e6,
        static_cast<double>(loaded) / 1e6,
        static_cast<double>(loaded) / static_cast<double>(w.generated.fileBytes),
        static_cast<double>(withIndexes) / 1e6,
        static_cast<double>(withIndexes) / static_cast<double>(w.generated.fileBytes));
    std::filesystem::remove_all(w.folder);
    return 0;
}
