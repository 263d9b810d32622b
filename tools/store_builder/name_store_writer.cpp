#include "name_store_writer.h"

#include "naming/sql_quote.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

namespace {

class Database {
public:
    explicit Database(const std::string& path) : path_(path) {
        if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) Fail("cannot create the file");
    }
    ~Database() { sqlite3_close_v2(db_); }
    void Exec(const std::string& sql) {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
    }
    sqlite3_stmt* Prepare(const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) Fail(sql);
        return stmt;
    }
    [[noreturn]] void Fail(const std::string& what) {
        throw std::runtime_error(path_ + ": " + what + ": " + sqlite3_errmsg(db_));
    }

private:
    std::string path_;
    sqlite3* db_ = nullptr;
};

void WriteTable(Database& db, const NameTable& table) {
    std::string create = "CREATE TABLE " + naming::QuoteSqlIdentifier(table.name) + " (";
    std::string insert = "INSERT INTO " + naming::QuoteSqlIdentifier(table.name) + " VALUES (";
    for (size_t i = 0; i < table.columns.size(); ++i) {
        create += (i ? ", " : "") + naming::QuoteSqlIdentifier(table.columns[i]) + " TEXT";
        insert += i ? ", ?" : "?";
    }
    db.Exec(create + ");");
    sqlite3_stmt* stmt = db.Prepare(insert + ");");
    for (const auto& row : table.rows) {
        for (size_t i = 0; i < row.size(); ++i)
            sqlite3_bind_text(stmt, static_cast<int>(i + 1), row[i].data(),
                              static_cast<int>(row[i].size()), SQLITE_TRANSIENT);
        const int rc = sqlite3_step(stmt);
        sqlite3_reset(stmt);
        if (rc != SQLITE_DONE) {
            sqlite3_finalize(stmt);
            db.Fail("inserting into " + table.name);
        }
    }
    sqlite3_finalize(stmt);
}

} // namespace

void WriteNameStore(const std::string& path, const std::string& password,
                    const std::vector<NameTable>& tables) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path());
    const fs::path temp = fs::path(path + ".part");
    fs::remove(temp);
    {
        Database db(temp.string());
        db.Exec("PRAGMA key = " + naming::QuoteSqlLiteral(password) + ";");
        db.Exec("BEGIN;");
        for (const auto& table : tables)
            WriteTable(db, table);
        db.Exec("COMMIT;");
    }
    fs::rename(temp, target);
}
