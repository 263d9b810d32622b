#pragma once

#include "naming/store_file.h"

#include <cstdint>
#include <stdexcept>
#include <string>

struct sqlite3;

namespace naming {

// Everything that goes wrong with the name store: the message names the file and the fault.
class NameStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The password of the store that ships beside the program.
inline constexpr const char* kNameStorePassword = "582930lantern";

// The tables a press reads; a file with none of them is not a name store.
inline constexpr const char* kNameTables[] = {"male1", "male2", "female1", "female2"};

// The most work one statement may do, in steps of the database engine's virtual machine.
// Reading a whole table of the shipped store takes about two steps a record, a few
// thousand in all; this budget is ten thousand times that and still stops a statement that
// never finishes within about half a second of processor time.
inline constexpr std::int64_t kStatementStepBudget = 50'000'000;

// The connection to the encrypted name store. It is set up once, opened by the first query
// and kept open; it is opened read-only and nothing is ever written through it, nor beside
// it: whatever journal mode the file carries, no journal or shared-memory file is made.
class NameStore {
public:
    NameStore() = default;
    ~NameStore();
    NameStore(const NameStore&) = delete;
    NameStore& operator=(const NameStore&) = delete;

    // Sets the file and password; closes a connection that is open.
    void SetConnection(std::string path, std::string password);
    const std::string& Path() const { return path_; }

    bool Connected() const { return db_ != nullptr; }
    // Opens the connection unless it is open on the file as it still is; a file changed or
    // replaced since is opened afresh. Throws NameStoreError.
    void Connect();
    sqlite3* Handle() const { return db_; }

    // Gives the next statement its own budget of work.
    void StartStatement() { stepsLeft_ = kStatementStepBudget; }
    // True when the running statement was stopped for using up its budget.
    bool OutOfSteps() const { return stepsLeft_ <= 0; }

    // The text of an error about this store: "<what> (name store <path>)".
    std::string Describe(const std::string& what) const;

private:
    void Disconnect();
    void CheckFile() const;
    sqlite3* OpenUnlocked() const;
    void CheckHoldsNameTables(sqlite3* db) const;
    static int CountSteps(void* store);

    std::string path_;
    std::string password_;
    sqlite3* db_ = nullptr;
    FileStamp stamp_;
    std::int64_t stepsLeft_ = kStatementStepBudget;
};

} // namespace naming
