#include "presentation/catalogue/catalogue.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <exception>
#include <initializer_list>
#include <mutex>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/os/paths.h"

namespace expo::presentation {
namespace {

using ds::FieldDef;
using ds::FieldType;

// Kinds of declared fields: integer, fixed text(N), text(N), memo.
FieldDef integer(std::string name, bool required = false) {
    return {std::move(name), FieldType::Integer, 4, required};
}
FieldDef fixed(std::string name, int size, bool required = false) {
    return {std::move(name), FieldType::FixedString, size, required};
}
FieldDef text(std::string name, int size) {
    return {std::move(name), FieldType::String, size, false};
}
FieldDef memo(std::string name) {
    return {std::move(name), FieldType::Memo, 0, false};
}

// A family of language columns: prefix + digit + suffix for the digits first ... last, made
// by `make`; `requiredFirst` marks the first as required.
template <typename Make>
void family(std::vector<FieldDef>& out, const std::string& prefix, int first, int last,
            const std::string& suffix, Make make, bool requiredFirst = false) {
    for (int d = first; d <= last; ++d) {
        FieldDef f = make(prefix + std::to_string(d) + suffix);
        f.required = requiredFirst && d == first;
        out.push_back(std::move(f));
    }
}

auto fixedOf(int size) {
    return [size](std::string name) { return fixed(std::move(name), size); };
}
auto textOf(int size) {
    return [size](std::string name) { return text(std::move(name), size); };
}

std::vector<FieldDef> jazykyFields() {
    std::vector<FieldDef> f{integer("CKAT_ID", true)};
    family(f, "JAZ_ID", 0, 4, "", fixedOf(3), true);
    family(f, "JAZ_ID", 0, 2, "_EXP", fixedOf(3), true);
    return f;
}

std::vector<FieldDef> sekceFields() {
    std::vector<FieldDef> f{integer("SEKCE_ID", true)};
    family(f, "SEKCE_NAZEV", 0, 4, "", fixedOf(80), true);
    f.push_back(integer("CKAT_ID", true));
    f.push_back(integer("SEKCE_PORADI", true));
    return f;
}

// Required LOGO1_WIDTH, LOGO1_HEIGHT, LOGO2_WIDTH and LOGO2_HEIGHT.
void logoSizes(std::vector<FieldDef>& f) {
    for (const char* name : {"LOGO1_WIDTH", "LOGO1_HEIGHT", "LOGO2_WIDTH", "LOGO2_HEIGHT"}) {
        f.push_back(integer(name, true));
    }
}

// The field objects of the exhibitors; UC_PRIH has none, and the calculated VYBER_UMISTENI
// is not filled from the file.
std::vector<FieldDef> zaznamyFields() {
    std::vector<FieldDef> f{
        integer("KAT_ID", true),         integer("SEKCE_ID"),         fixed("CKAT_NAZEV", 50, true),
        integer("CKAT_ID", true),        integer("FRM_ID"),           fixed("KAT_NAZEV", 255, true),
        fixed("KAT_ULICE", 80),          fixed("KAT_PSC", 15),        fixed("KAT_MESTO", 48),
        fixed("STAT_ID", 3, true),       fixed("KAT_TELEFON1_1", 35), fixed("KAT_TELEFON1_2", 35),
        fixed("KAT_FAX1", 35),           text("KAT_EMAIL", 60),       text("KAT_WEB", 60),
        fixed("KAT_P_2ADRESA", 1, true), fixed("KAT_NAZEV2", 255),    fixed("KAT_ULICE2", 80),
        fixed("KAT_PSC2", 15),           fixed("KAT_MESTO2", 48),     fixed("STAT_ID2", 3),
        fixed("KAT_TELEFON2_1", 35),     fixed("KAT_TELEFON2_2", 35), fixed("KAT_FAX2", 35),
        text("KAT_EMAIL2", 60),          text("KAT_WEB2", 60),
    };
    family(f, "KAT_TEXT", 0, 4, "", memo);
    f.push_back(integer("LOGO_ID1"));
    f.push_back(integer("LOGO_ID2"));
    family(f, "KAT_ZVERPOZN", 0, 4, "", fixedOf(150));
    f.push_back(fixed("KAT_POBOX", 15));
    f.push_back(fixed("KAT_PSCPOBOX", 8));
    logoSizes(f);
    f.push_back(integer("COUNTEXP"));
    f.push_back(fixed("NOVINKA", 1));
    return f;
}

std::vector<FieldDef> nomenklaturyFields() {
    std::vector<FieldDef> f{integer("KAT_ID", true)};
    family(f, "KTN_TEXT", 0, 4, "", memo);
    f.push_back(fixed("NOM_KOD", 20));
    f.push_back(fixed("NOM_KOD_SORT", 14));
    family(f, "NOM_POPIS", 0, 4, "", fixedOf(150));
    f.push_back(integer("LOGO_ID1"));
    f.push_back(integer("LOGO_ID2"));
    f.push_back(integer("CKAT_ID"));
    logoSizes(f);
    return f;
}

std::vector<FieldDef> umisteniFields() {
    // KTU_STANEK is 10 characters in the file and 50 in its field object.
    return {fixed("KTU_STANEK", 50), fixed("KAT_NAZEV", 255),    fixed("PLO_ZKRAT", 20),
            integer("KAT_ID"),       fixed("KAT_NAZEV_HL", 255), integer("KAT_ID_HLVYST"),
            integer("CKAT_ID")};
}

std::vector<FieldDef> exponatyFields() {
    std::vector<FieldDef> f;
    family(f, "KTE_TEXT", 0, 2, "", textOf(800));
    f.push_back(fixed("NOM_KOD", 20));
    f.push_back(fixed("NOM_KOD_SORT", 14));
    family(f, "NOM_POPIS", 0, 4, "", fixedOf(150));
    f.push_back(integer("KAT_ID"));
    f.push_back(integer("CKAT_ID"));
    f.push_back(fixed("KTE_NOVINKA", 1, true));
    return f;
}

std::vector<FieldDef> zastFirFields() {
    return {fixed("KTF_TEXT", 100, true), integer("KAT_ID"), integer("CKAT_ID")};
}

// The four fields a brand file may lack (see Catalogue::load).
constexpr std::array<const char*, 4> kZastZnacLogoFields = {"LOGO_ID", "ktz_p_blogo", "LOGO_WIDTH",
                                                            "LOGO_HEIGHT"};

std::vector<FieldDef> zastZnacFields() {
    std::vector<FieldDef> f{fixed("KTZ_TEXT", 50, true), integer("LOGO_ID"),
                            integer("KAT_ID"),           integer("CKAT_ID"),
                            fixed("NOM_KOD", 20),        fixed("ktz_p_blogo", 1, true),
                            fixed("NOM_KOD_SORT", 14)};
    family(f, "NOM_POPIS", 0, 4, "", fixedOf(150));
    f.push_back(integer("LOGO_WIDTH", true));
    f.push_back(integer("LOGO_HEIGHT", true));
    return f;
}

std::vector<FieldDef> cisNomFields() {
    std::vector<FieldDef> f{fixed("NOM_KOD", 20, true), fixed("NOM_KOD_SORT", 14)};
    family(f, "NOM_POPIS", 0, 4, "", fixedOf(150), true);
    return f;
}

std::vector<FieldDef> cisPlochFields() {
    return {integer("SEKCE_ID"), fixed("PLO_ZKRAT", 20, true)};
}

std::vector<FieldDef> cisStatFields() {
    return {integer("SEKCE_ID"), fixed("STAT_ID", 3, true), fixed("STAT_NAZEV", 50, true),
            fixed("STAT_NAZEV_ADR", 50, true)};
}

// "LOGO_ID" reads `logo_id` here: field names are found without regard to case.
std::vector<FieldDef> doplnInfFields() {
    std::vector<FieldDef> f{fixed("doplinf_popis", 80)};
    family(f, "doplinf_popis", 1, 4, "", fixedOf(80));
    f.push_back(integer("logo_id"));
    f.push_back(integer("KAT_ID"));
    f.push_back(integer("CKAT_ID"));
    f.push_back(integer("LOGO_WIDTH", true));
    f.push_back(integer("LOGO_HEIGHT", true));
    return f;
}

struct Declaration {
    ds::ClientDataSet Catalogue::*dataSet;
    std::vector<FieldDef> (*fields)();
    const char* order;  // empty: file order
    bool filterOn;
};

const std::array<Declaration, Catalogue::kDataSetCount>& declarations() {
    static const std::array<Declaration, Catalogue::kDataSetCount> d{{
        {&Catalogue::CDSJazyky, jazykyFields, "", false},
        {&Catalogue::CDSSekce, sekceFields, "", false},
        {&Catalogue::CDSZaznamy, zaznamyFields, "KAT_NAZEV", false},
        {&Catalogue::CDSNomenklatury, nomenklaturyFields, "KAT_ID", false},
        {&Catalogue::CDSUmisteni, umisteniFields, "KAT_ID", false},
        {&Catalogue::CDSExponaty, exponatyFields, "KAT_ID", false},
        {&Catalogue::CDSZastFir, zastFirFields, "KAT_ID", false},
        {&Catalogue::CDSZastZnac, zastZnacFields, "KAT_ID", false},
        {&Catalogue::CDSCisNom, cisNomFields, "NOM_KOD_SORT", true},
        {&Catalogue::CDSCisPloch, cisPlochFields, "PLO_ZKRAT", true},
        {&Catalogue::CDSCisStat, cisStatFields, "", true},
        {&Catalogue::CDSDoplnInf, doplnInfFields, "KAT_ID", false},
    }};
    return d;
}

constexpr int kZastZnac = 7;

}  // namespace

Catalogue::Catalogue() {
    for (const Declaration& d : declarations()) {
        ds::ClientDataSet& set = this->*d.dataSet;
        for (FieldDef& f : d.fields()) {
            set.declareField(std::move(f));
        }
        set.setIndexFieldNames(d.order);
        set.setFiltered(d.filterOn);
    }
}

ds::ClientDataSet& Catalogue::dataSet(int i) {
    return this->*declarations().at(static_cast<size_t>(i)).dataSet;
}

const ds::ClientDataSet& Catalogue::dataSet(int i) const {
    return this->*declarations().at(static_cast<size_t>(i)).dataSet;
}

std::string Catalogue::fileName(int i) {
    return "data" + std::to_string(i) + ".dat";
}

void Catalogue::load(int i, const std::string& folder) {
    load(i, folder, nullptr);
}

void Catalogue::load(int i, const std::string& folder, DataFileReadAhead* ahead) {
    ds::ClientDataSet& set = dataSet(i);
    const std::string path = os::resolveDiscPath(folder, fileName(i));
    if (set.active()) {
        set.close();
    }
    try {
        if (ahead != nullptr && ahead->holds(i)) {
            set.loadFromTable([&] { return ahead->take(i); });
        } else {
            set.loadFromFile(path);
        }
    } catch (const std::exception&) {  // for the brands, any reason starts the second attempt
        if (i != kZastZnac) {
            throw;
        }
        for (const char* name : kZastZnacLogoFields) {
            set.removeField(name);
        }
        set.loadFromFile(path);
    }
}

struct DataFileReadAhead::State {
    struct File {
        std::optional<ds::Table> table;
        std::exception_ptr error;
        bool done = false;
        bool taken = false;
    };
    std::string folder;
    int first = 0;
    int last = -1;
    std::mutex mutex;
    std::condition_variable doneChanged;
    int next = 0;          // the next file a worker starts
    bool stopped = false;  // no more files are started
    std::vector<File> files;

    void work() {
        for (;;) {
            int i = 0;
            {
                const std::lock_guard lock(mutex);
                if (stopped || next > last) {
                    return;
                }
                i = next++;
            }
            std::optional<ds::Table> table;
            std::exception_ptr error;
            try {
                table = ds::readTableFile(os::resolveDiscPath(folder, Catalogue::fileName(i)));
            } catch (...) {
                error = std::current_exception();
            }
            const std::lock_guard lock(mutex);
            File& f = files[static_cast<size_t>(i - first)];
            f.table = std::move(table);
            f.error = error;
            f.done = true;
            doneChanged.notify_all();
        }
    }
};

namespace {
// The large files take a core each while the loading goes on with the small ones.
constexpr unsigned kReadAheadThreads = 3;
}  // namespace

DataFileReadAhead::DataFileReadAhead(const std::string& folder, int first, int last)
    : state_(std::make_shared<State>()) {
    state_->folder = folder;
    state_->first = first;
    state_->last = last;
    state_->next = first;
    state_->files.resize(static_cast<size_t>(std::max(0, last - first + 1)));
    for (unsigned t = 0; t < kReadAheadThreads; ++t) {
        try {
            workers_.emplace_back([state = state_] { state->work(); });
        } catch (const std::system_error&) {
            break;  // the threads there are read on
        }
    }
    if (workers_.empty()) {
        state_->last = first - 1;  // none: every step reads its own file
    }
}

DataFileReadAhead::~DataFileReadAhead() {
    {
        const std::lock_guard lock(state_->mutex);
        state_->stopped = true;
    }
    for (std::thread& worker : workers_) {
        worker.join();
    }
}

bool DataFileReadAhead::holds(int i) const {
    const std::lock_guard lock(state_->mutex);
    return i >= state_->first && i <= state_->last &&
           !state_->files[static_cast<size_t>(i - state_->first)].taken;
}

ds::Table DataFileReadAhead::take(int i) {
    std::unique_lock lock(state_->mutex);
    State::File& f = state_->files[static_cast<size_t>(i - state_->first)];
    state_->doneChanged.wait(lock, [&] { return f.done; });
    f.taken = true;
    if (f.error) {
        std::rethrow_exception(std::exchange(f.error, nullptr));
    }
    ds::Table table = std::move(*f.table);
    f.table.reset();
    return table;
}

}  // namespace expo::presentation
