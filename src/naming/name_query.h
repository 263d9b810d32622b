#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

namespace naming {

class NameStore;

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
    // The named column of the record under the cursor; null reads as empty text.
    std::string FieldAsString(std::string_view column) const;
    // Whether the open query's result has the named column.
    bool HasField(std::string_view column) const;

private:
    bool Step();

    NameStore& store_;
    std::string sql_;
    sqlite3_stmt* stmt_ = nullptr;
    std::vector<std::string> columns_;
    // The record under the cursor, kept so that it can still be read after the end of data.
    std::vector<std::optional<std::string>> record_;
    bool hasRecord_ = false;
    bool eof_ = false;
};

} // namespace naming
