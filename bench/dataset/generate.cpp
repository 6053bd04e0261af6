#include "bench/dataset/generate.h"

#include <algorithm>
#include <fstream>
#include <numeric>
#include <random>

#include "platform/text/text.h"
#include "presentation/catalogue/catalogue.h"

namespace expo::bench {
namespace {

using ds::Column;
using ds::FieldDef;
using ds::FieldType;

constexpr const char* kWords[] = {
    "stroj",  "tech",   "elektro", "kov",    "plast",    "nábytek", "auto",  "bio",   "sklo",
    "dřevo",  "ocel",   "pro",     "servis", "systém",   "inženýr", "mont",  "trans", "agro",
    "chemie", "energo", "řemesla", "žula",   "čerpadla", "úprava",  "šroub", "ťuk",   "ovoce",
};
constexpr const char* kForms[] = {" s.r.o.", " a.s.", " spol. s r.o.", " CZ", ""};
constexpr const char* kCountries[] = {"CZE", "SVK", "DEU", "AUT", "POL", "HUN", "ITA", "FRA"};

// Records per exhibitor on average, by file number (0 for the other files).
constexpr double kPerExhibitor[] = {0, 0, 0, 3.0, 1.5, 2.0, 1.5, 1.5, 0, 0, 0, 0.5};

class Generator {
  public:
    explicit Generator(int exhibitors) : exhibitors_(exhibitors) {
        for (const char* w : kWords) {
            words_.push_back(text::cp(w));
        }
    }

    ds::Table table(int file, const std::vector<FieldDef>& fields) {
        ds::Table t;
        for (const FieldDef& f : fields) {
            t.columns.emplace_back(f);
        }
        if (kPerExhibitor[file] > 0) {
            // Detail records grouped by exhibitor, as the catalogue exports them.
            std::uniform_int_distribution<int> count(0, static_cast<int>(2 * kPerExhibitor[file]));
            for (int key = 1; key <= exhibitors_; ++key) {
                for (int n = count(random_); n > 0; --n) {
                    appendRow(t, file, key, static_cast<int>(t.rowCount));
                }
            }
            return t;
        }
        std::vector<int> keys(static_cast<size_t>(rowsOf(file)));
        std::iota(keys.begin(), keys.end(), 1);
        std::shuffle(keys.begin(), keys.end(), random_);  // exhibitors in no key order
        for (int key : keys) {
            appendRow(t, file, key, static_cast<int>(t.rowCount));
        }
        return t;
    }

  private:
    int rowsOf(int file) const {
        switch (file) {
            case 0:
                return 1;
            case 1:
                return kSections;
            case 2:
                return exhibitors_;
            case 8:
                return 2000;
            case 9:
                return 100;
            case 10:
                return 200;
            default:
                return 0;
        }
    }

    void appendRow(ds::Table& t, int file, int key, int row) {
        for (Column& c : t.columns) {
            append(c, file, key, row);
        }
        ++t.rowCount;
    }

    int uniform(int from, int to) { return std::uniform_int_distribution<int>(from, to)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    std::string words(int count) {
        std::string s;
        for (int i = 0; i < count; ++i) {
            s += (i == 0 ? "" : " ") + words_[static_cast<size_t>(uniform(0, 26))];
        }
        return s;
    }
    std::string firm() {
        std::string name = words(2);
        name[0] = static_cast<char>(text::upperChar(static_cast<unsigned char>(name[0])));
        return name + kForms[uniform(0, 4)];
    }
    std::string code() {
        return std::to_string(uniform(10, 29)) + "." + std::to_string(uniform(10, 99)) + "." +
               std::to_string(uniform(10, 99));
    }

    void append(Column& c, int file, int key, int row) {
        const std::string& name = c.def().name;
        const char last = name.back();
        const bool otherLanguage =
            last >= '1' && last <= '4' && name.find("ID") == std::string::npos;
        const bool secondAddress =
            file == 2 && (last == '2' || name.ends_with("2_1") || name.ends_with("2_2"));
        if ((otherLanguage && chance(0.7)) || (secondAddress && chance(0.9))) {
            return c.appendNull();
        }
        if (c.def().type == FieldType::Integer) {
            return c.appendNumber(integer(name, file, key, row));
        }
        c.appendBytes(textOf(c.def(), file, row));
    }

    int64_t integer(const std::string& name, int file, int key, int row) {
        if (name == "KAT_ID") {
            return key;
        }
        if (name == "SEKCE_ID") {
            return file == 1 ? row + 1 : uniform(1, kSections);
        }
        if (name == "KAT_ID_HLVYST") {
            return uniform(1, exhibitors_);
        }
        if (name == "CKAT_ID") {
            return 1;
        }
        if (name == "COUNTEXP") {
            return uniform(0, 4);
        }
        return uniform(0, 400);
    }

    std::string textOf(const FieldDef& f, int file, int row) {
        const std::string& name = f.name;
        if (name.starts_with("KAT_NAZEV") || name == "KTF_TEXT" || name == "KTZ_TEXT") {
            return firm();
        }
        if (name == "NOVINKA" || name == "KTE_NOVINKA") {
            return chance(0.2) ? "x" : " ";
        }
        if (name.starts_with("STAT_ID")) {
            return kCountries[uniform(0, 7)];
        }
        if (name == "NOM_KOD") {
            return file == 8 ? std::to_string(10 + row / 100) + "." + std::to_string(row % 100)
                             : code();
        }
        if (name == "PLO_ZKRAT") {
            return std::string(1, static_cast<char>('A' + uniform(0, 9))) +
                   std::to_string(uniform(0, 9));
        }
        if (f.type == FieldType::Memo) {
            return words(name.starts_with("KAT_TEXT") ? 20 : 6);
        }
        std::string s = words(f.size > 40 ? 3 : 1);
        s.resize(std::min(s.size(), static_cast<size_t>(std::max(f.size, 1))));
        return s;
    }

    int exhibitors_;
    std::vector<std::string> words_;
    std::mt19937_64 random_{20240611};
};

}  // namespace

GeneratedCatalogue generateCatalogue(int exhibitors, const std::filesystem::path& folder) {
    const presentation::Catalogue shapes;
    Generator generator(exhibitors);
    GeneratedCatalogue out;
    for (int i = 0; i < presentation::Catalogue::kDataSetCount; ++i) {
        out.tables.push_back(generator.table(i, shapes.dataSet(i).declaredFields()));
        const std::string bytes = ds::writeBinaryTable(out.tables.back());
        std::ofstream(folder / presentation::Catalogue::fileName(i), std::ios::binary) << bytes;
        out.fileBytes += bytes.size();
    }
    return out;
}

}  // namespace expo::bench
