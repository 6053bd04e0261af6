#include "bench/dataset/sqlite_catalogue.h"

#include <stdexcept>

#include "platform/text/text.h"

namespace expo::bench {
namespace {

void check(sqlite3* db, int rc, const std::string& what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        throw std::runtime_error(what + ": " + sqlite3_errmsg(db));
    }
}

void upperFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* s = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const std::string u =
        text::upper(std::string_view(s, static_cast<size_t>(sqlite3_value_bytes(argv[0]))));
    sqlite3_result_text(ctx, u.data(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
}

int czechCollation(void*, int na, const void* a, int nb, const void* b) {
    return text::collate(std::string_view(static_cast<const char*>(a), static_cast<size_t>(na)),
                         std::string_view(static_cast<const char*>(b), static_cast<size_t>(nb)));
}

const char* affinity(ds::FieldType t) {
    switch (ds::storageOf(t)) {
        case ds::Storage::Number:
            return "INTEGER";
        case ds::Storage::Real:
            return "REAL";
        case ds::Storage::Bytes:
            break;
    }
    return t == ds::FieldType::Blob ? "BLOB" : "TEXT";
}

}  // namespace

Statement::Statement(sqlite3* db, const std::string& sql) {
    check(db, sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr), sql);
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement& Statement::bind(int index, int64_t value) {
    sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

Statement& Statement::bind(int index, std::string_view text) {
    sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
    return *this;
}

Statement& Statement::bind(int index, double value) {
    sqlite3_bind_double(stmt_, index, value);
    return *this;
}

void Statement::clearBindings() {
    sqlite3_clear_bindings(stmt_);
}

bool Statement::step() {
    if (sqlite3_step(stmt_) == SQLITE_ROW) {
        return true;
    }
    sqlite3_reset(stmt_);
    return false;
}

int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string_view Statement::text(int column) const {
    const auto* s = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return s == nullptr
               ? std::string_view()
               : std::string_view(s, static_cast<size_t>(sqlite3_column_bytes(stmt_, column)));
}

SqliteCatalogue::SqliteCatalogue(const std::vector<std::string>& names,
                                 const std::vector<ds::Table>& tables) {
    check(db_, sqlite3_open(":memory:", &db_), "open");
    check(db_,
          sqlite3_create_function(db_, "upper", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                  upperFunction, nullptr, nullptr),
          "upper");
    check(db_, sqlite3_create_collation(db_, "CZ", SQLITE_UTF8, nullptr, czechCollation), "CZ");
    exec("PRAGMA case_sensitive_like = ON");
    for (size_t i = 0; i < tables.size(); ++i) {
        insert(names[i], tables[i]);
        for (const ds::Column& c : tables[i].columns) {
            if (c.def().name == "KAT_ID") {
                exec("CREATE INDEX " + names[i] + "_KAT_ID ON " + names[i] + " (KAT_ID)");
            }
        }
    }
    exec("CREATE INDEX CDSZaznamy_SEKCE_ID ON CDSZaznamy (SEKCE_ID)");
    exec("CREATE INDEX CDSZaznamy_KAT_NAZEV ON CDSZaznamy (KAT_NAZEV COLLATE CZ)");
    exec("ANALYZE");
}

SqliteCatalogue::~SqliteCatalogue() {
    sqlite3_close(db_);
}

void SqliteCatalogue::exec(const std::string& sql) const {
    check(db_, sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr), sql);
}

void SqliteCatalogue::insert(const std::string& name, const ds::Table& table) const {
    std::string create = "CREATE TABLE " + name + " (";
    std::string insert = "INSERT INTO " + name + " VALUES (";
    for (size_t c = 0; c < table.columns.size(); ++c) {
        const ds::FieldDef& def = table.columns[c].def();
        create += (c == 0 ? "\"" : ", \"") + def.name + "\" " + affinity(def.type);
        insert += c == 0 ? "?" : ", ?";
    }
    exec(create + ")");
    exec("BEGIN");
    Statement statement(db_, insert + ")");
    for (size_t r = 0; r < table.rowCount; ++r) {
        for (size_t c = 0; c < table.columns.size(); ++c) {
            const ds::Column& column = table.columns[c];
            const int index = static_cast<int>(c) + 1;
            if (column.isNull(r)) {
                continue;  // bindings are cleared below, so this stays NULL
            }
            switch (column.storage()) {
                case ds::Storage::Bytes:
                    statement.bind(index, column.bytes(r));
                    break;
                case ds::Storage::Real:
                    statement.bind(index, column.real(r));
                    break;
                case ds::Storage::Number:
                    statement.bind(index, column.number(r));
                    break;
            }
        }
        statement.step();
        statement.clearBindings();
    }
    exec("COMMIT");
}

}  // namespace expo::bench
