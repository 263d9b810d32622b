#include "naming/name_store.h"

#include "naming/sql_quote.h"

#include <sqlite3.h>

#include <cstdlib>
#include <fstream>

namespace naming {
namespace {

// How many virtual machine steps pass between two calls of the budget counter.
constexpr int kStepsPerCount = 1000;

std::string ErrorText(sqlite3* db, int rc) {
    return db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
}

} // namespace

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

int NameStore::CountSteps(void* store) {
    auto& self = *static_cast<NameStore*>(store);
    self.stepsLeft_ -= kStepsPerCount;
    return self.stepsLeft_ <= 0; // non-zero stops the statement
}

void NameStore::CheckFile() const {
    std::error_code ec;
    const auto native = NativePath(path_);
    const auto status = std::filesystem::status(native, ec);
    if (!std::filesystem::exists(status))
        throw NameStoreError(Describe("The name store file is missing"));
    if (!std::filesystem::is_regular_file(status))
        throw NameStoreError(Describe("The name store is not a file"));
    if (!std::ifstream(native, std::ios::binary))
        throw NameStoreError(Describe("The name store file cannot be read"));
    // The database engine would take an empty file for an empty database.
    if (std::filesystem::file_size(native, ec) == 0 && !ec)
        throw NameStoreError(Describe("The file is not a name store: it is empty"));
}

// Opened as immutable: the engine then never locks the file, never looks for a journal or
// write-ahead log beside it and never makes one, whatever journal mode the file carries.
// A plain read-only opening would make a -wal and -shm file beside a store in WAL mode and
// fail on a journal left behind. The price is that the engine does not notice changes
// made while it is open, so Connect compares the file with its stamp on every query and
// opens a changed file afresh; a curator's shell may thus edit the store while the program
// runs and the next press reads what was saved.
sqlite3* NameStore::OpenUnlocked() const {
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(DatabaseUri(path_, "immutable=1").c_str(), &db, flags, nullptr);
    auto fail = [&](const std::string& what) {
        const std::string detail = ErrorText(db, rc);
        sqlite3_close_v2(db);
        throw NameStoreError(Describe(what + ": " + detail));
    };
    if (rc != SQLITE_OK) fail("The name store cannot be opened");
    const std::string key = "PRAGMA key = " + QuoteSqlLiteral(password_) + ";";
    if ((rc = sqlite3_exec(db, key.c_str(), nullptr, nullptr, nullptr)) != SQLITE_OK)
        fail("The name store cannot be unlocked");
    if ((rc = sqlite3_exec(db, "PRAGMA query_only = 1;", nullptr, nullptr, nullptr)) != SQLITE_OK)
        fail("The name store cannot be opened");
    return db;
}

void NameStore::CheckHoldsNameTables(sqlite3* db) const {
    std::string sql = "SELECT count(*) FROM sqlite_master WHERE lower(name) IN (";
    for (const char* table : kNameTables)
        sql += std::string(table == kNameTables[0] ? "" : ", ") + QuoteSqlLiteral(table);
    sql += ");";
    int found = 0;
    auto count = [](void* out, int, char** values, char**) {
        *static_cast<int*>(out) = values[0] ? std::atoi(values[0]) : 0;
        return 0;
    };
    // The key is only checked when the first page is read.
    const int rc = sqlite3_exec(db, sql.c_str(), count, &found, nullptr);
    std::string fault;
    if (rc == SQLITE_NOTADB)
        fault = "The file is not a name store: wrong password or damaged file";
    else if (rc != SQLITE_OK)
        fault = "The name store cannot be read: " + ErrorText(db, rc);
    else if (found == 0)
        fault = "The file is not a name store: it holds none of the tables male1, male2, "
                "female1 and female2";
    if (fault.empty()) return;
    if (OutOfSteps()) fault = "The name store cannot be read: its list of tables takes too long";
    sqlite3_close_v2(db);
    throw NameStoreError(Describe(fault));
}

void NameStore::Connect() {
    if (db_ && ReadFileStamp(path_) == stamp_) return;
    Disconnect();
    if (path_.empty()) throw NameStoreError("No name store is set up.");
    CheckFile();
    const FileStamp stamp = ReadFileStamp(path_);
    sqlite3* db = OpenUnlocked();
    sqlite3_progress_handler(db, kStepsPerCount, &NameStore::CountSteps, this);
    StartStatement();
    CheckHoldsNameTables(db);
    db_ = db;
    stamp_ = stamp;
}

} // namespace naming
