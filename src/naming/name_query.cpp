#include "naming/name_query.h"

#include "naming/name_store.h"

#include <sqlite3.h>

namespace naming {

NameQuery::~NameQuery() {
    Close();
}

void NameQuery::SetSQL(std::string sql) {
    Close();
    sql_ = std::move(sql);
}

void NameQuery::Close() {
    if (stmt_) sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    columns_.clear();
    record_.clear();
    hasRecord_ = false;
    eof_ = false;
}

void NameQuery::Open() {
    Close();
    store_.Connect();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(store_.Handle(), sql_.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        std::string detail = sqlite3_errmsg(store_.Handle());
        sqlite3_finalize(stmt);
        throw NameStoreError(store_.Describe("The query \"" + sql_ + "\" failed: " + detail));
    }
    // Only reading statements may run: the store is never written.
    if (!stmt || !sqlite3_stmt_readonly(stmt)) {
        sqlite3_finalize(stmt);
        throw NameStoreError(store_.Describe("The query \"" + sql_ + "\" does not read names"));
    }
    stmt_ = stmt;
    const int count = sqlite3_column_count(stmt_);
    for (int i = 0; i < count; ++i)
        columns_.emplace_back(sqlite3_column_name(stmt_, i));
    hasRecord_ = Step();
    eof_ = !hasRecord_;
}

bool NameQuery::Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_DONE) return false;
    if (rc != SQLITE_ROW)
        throw NameStoreError(store_.Describe("Reading the query \"" + sql_ +
                                             "\" failed: " + sqlite3_errmsg(store_.Handle())));
    record_.assign(columns_.size(), std::nullopt);
    for (size_t i = 0; i < columns_.size(); ++i) {
        const auto* text = sqlite3_column_text(stmt_, static_cast<int>(i));
        if (text)
            record_[i].emplace(
                reinterpret_cast<const char*>(text),
                static_cast<size_t>(sqlite3_column_bytes(stmt_, static_cast<int>(i))));
    }
    return true;
}

void NameQuery::MoveBy(int count) {
    if (!stmt_) throw NameStoreError(store_.Describe("The query is not open"));
    for (int i = 0; i < count && !eof_; ++i) {
        if (!Step()) eof_ = true;
    }
}

std::string NameQuery::FieldAsString(std::string_view column) const {
    if (!stmt_) throw NameStoreError(store_.Describe("The query is not open"));
    size_t index = 0;
    while (index < columns_.size() && columns_[index] != column)
        ++index;
    if (index == columns_.size())
        throw NameStoreError(store_.Describe("The column " + std::string(column) +
                                             " is missing from the result of \"" + sql_ + "\""));
    if (!hasRecord_)
        throw NameStoreError(store_.Describe("The query \"" + sql_ + "\" found no record"));
    return record_[index].value_or(std::string());
}

bool NameQuery::HasField(std::string_view column) const {
    for (const auto& name : columns_)
        if (name == column) return true;
    return false;
}

} // namespace naming
