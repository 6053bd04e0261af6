#pragma once
// The same catalogue in an in-memory SQLite database with indexes, to measure the engine
// against: one table per dataset, named as the dataset, "upper" giving the Czech upper case,
// the collation CZ giving the Czech order, and LIKE respecting case as the engine's does.
#include <sqlite3.h>

#include <string>
#include <vector>

#include "platform/dataset/table.h"

namespace expo::bench {

class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, int64_t value);  // 1-based
    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, double value);
    void clearBindings();
    bool step();  // true while a row is there; resets itself after the last
    int64_t integer(int column) const;
    std::string_view text(int column) const;

  private:
    sqlite3_stmt* stmt_ = nullptr;
};

class SqliteCatalogue {
  public:
    SqliteCatalogue(const std::vector<std::string>& names, const std::vector<ds::Table>& tables);
    ~SqliteCatalogue();
    SqliteCatalogue(const SqliteCatalogue&) = delete;
    SqliteCatalogue& operator=(const SqliteCatalogue&) = delete;

    sqlite3* db() const { return db_; }
    void exec(const std::string& sql) const;

  private:
    void insert(const std::string& name, const ds::Table& table) const;

    sqlite3* db_ = nullptr;
};

}  // namespace expo::bench
