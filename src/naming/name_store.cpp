#include "naming/name_store.h"

#include "naming/sql_quote.h"

#include <sqlite3.h>

#include <filesystem>
#include <fstream>

namespace naming {

NameStore::~NameStore() {
    Disconnect();
}

void NameStore::SetConnection(std::string path, std::string password) {
    Disconnect();
    path_ = std::move(path);
    password_ = std::move(password);
}

void NameStore::Disconnect() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

std::string NameStore::Describe(const std::string& what) const {
    return what + " (name store " + path_ + ")";
}

void NameStore::Connect() {
    if (db_) return;
    if (path_.empty()) throw NameStoreError("No name store is set up.");

    std::error_code ec;
    const auto status = std::filesystem::status(path_, ec);
    if (!std::filesystem::exists(status))
        throw NameStoreError(Describe("The name store file is missing"));
    if (!std::filesystem::is_regular_file(status))
        throw NameStoreError(Describe("The name store is not a file"));
    if (!std::ifstream(path_, std::ios::binary))
        throw NameStoreError(Describe("The name store file cannot be read"));

    sqlite3* db = nullptr;
    // Read-only: the store is never changed, and other programs may hold it open too.
    int rc =
        sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    auto fail = [&](const std::string& what) {
        std::string detail = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close_v2(db);
        throw NameStoreError(Describe(what + ": " + detail));
    };
    if (rc != SQLITE_OK) fail("The name store cannot be opened");

    const std::string key = "PRAGMA key = " + QuoteSqlLiteral(password_) + ";";
    if (sqlite3_exec(db, key.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("The name store cannot be unlocked");
    if (sqlite3_exec(db, "PRAGMA query_only = 1;", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("The name store cannot be opened");
    // The key is only checked when the first page is read.
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr);
    if (rc == SQLITE_NOTADB)
        fail("The name store cannot be opened: wrong password or damaged file");
    if (rc != SQLITE_OK) fail("The name store cannot be read");
    db_ = db;
}

} // namespace naming
