#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

namespace naming {

class NameStore;

// The longest value a record may hold in a column that is read; the store holds short texts
// (names, readings, a line of a poem), and anything longer is a fault of the file.
inline constexpr std::size_t kMaxFieldBytes = 4096;

// A forward-only cursor over the result of one query on the name store.
// A move past the last record rests on the last record and marks the end of data; every
// further move leaves the cursor where it is, and a move of 0 does nothing.
class NameQuery {
public:
    explicit NameQuery(NameStore& store) : store_(store) {}
    ~NameQuery();
    NameQuery(const NameQuery&) = delete;
    NameQuery& operator=(const NameQuery&) = delete;

    // Replacing the text closes a query that is still open.
    void SetSQL(std::string sql);
    const std::string& SQL() const { return sql_; }

    // Connects the store on first use, runs the query and puts the cursor on the first record.
    void Open();
    void Close();
    bool Active() const { return stmt_ != nullptr; }
    bool Eof() const { return eof_; }

    void MoveBy(int count);
    // The named column of the record under the cursor; null reads as empty text. A value
    // longer than maxBytes is an error.
    std::string FieldAsString(std::string_view column, std::size_t maxBytes = kMaxFieldBytes) const;
    // Whether the open query's result has the named column.
    bool HasField(std::string_view column) const;

private:
    // One value of the record, cut at kMaxFieldBytes; size is its whole length in bytes.
    struct Field {
        std::string text;
        std::size_t size = 0;
    };

    bool Step();
    [[noreturn]] void FailStep(int rc) const;

    NameStore& store_;
    std::string sql_;
    sqlite3_stmt* stmt_ = nullptr;
    std::vector<std::string> columns_;
    // The record under the cursor, kept so that it can still be read after the end of data.
    std::vector<Field> record_;
    std::size_t position_ = 0; // of the record under the cursor, counting from 1
    bool hasRecord_ = false;
    bool eof_ = false;
};

} // namespace naming
