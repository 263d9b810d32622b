#pragma once

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

// The connection to the encrypted name store. It is set up once, opened by the first query
// and kept open; it is opened read-only and nothing is ever written through it.
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
    // Opens the connection unless it is open. Throws NameStoreError.
    void Connect();
    sqlite3* Handle() const { return db_; }

    // The text of an error about this store: "<what> (name store <path>)".
    std::string Describe(const std::string& what) const;

private:
    void Disconnect();

    std::string path_;
    std::string password_;
    sqlite3* db_ = nullptr;
};

} // namespace naming
