#include "naming/name_query.h"

#include "naming/name_store.h"

#include <sqlite3.h>

#include <algorithm>

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
    position_ = 0;
    hasRecord_ = false;
    eof_ = false;
}

void NameQuery::Open() {
    Close();
    store_.Connect();
    store_.StartStatement();
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
    if (rc != SQLITE_ROW) FailStep(rc);
    ++position_;
    record_.resize(columns_.size());
    for (size_t i = 0; i < columns_.size(); ++i) {
        const int column = static_cast<int>(i);
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        Field& field = record_[i];
        // Null reads as empty text. Only the head of a long value is copied: the error
        // needs its length, not its text.
        field.size = text ? static_cast<size_t>(sqlite3_column_bytes(stmt_, column)) : 0;
        field.text.assign(text ? text : "", std::min(field.size, kMaxFieldBytes));
    }
    return true;
}

void NameQuery::FailStep(int rc) const {
    std::string fault = sqlite3_errmsg(store_.Handle());
    if (rc == SQLITE_INTERRUPT && store_.OutOfSteps())
        fault = "stopped after " + std::to_string(kStatementStepBudget) +
                " steps, far more than reading names takes";
    throw NameStoreError(store_.Describe("Reading the query \"" + sql_ + "\" failed: " + fault));
}

void NameQuery::MoveBy(int count) {
    if (!stmt_) throw NameStoreError(store_.Describe("The query is not open"));
    for (int i = 0; i < count && !eof_; ++i) {
        if (!Step()) eof_ = true;
    }
}

std::string NameQuery::FieldAsString(std::string_view column, std::size_t maxBytes) const {
    if (!stmt_) throw NameStoreError(store_.Describe("The query is not open"));
    size_t index = 0;
    while (index < columns_.size() && columns_[index] != column)
        ++index;
    if (index == columns_.size())
        throw NameStoreError(store_.Describe("The column " + std::string(column) +
                                             " is missing from the result of \"" + sql_ + "\""));
    if (!hasRecord_)
        throw NameStoreError(store_.Describe("The query \"" + sql_ + "\" found no record"));
    const Field& field = record_[index];
    const std::size_t limit = std::min(maxBytes, kMaxFieldBytes);
    if (field.size > limit)
        throw NameStoreError(store_.Describe(
            "The column " + std::string(column) + " of record " + std::to_string(position_) +
            " of \"" + sql_ + "\" is too long: " + std::to_string(field.size) +
            " bytes, more than the " + std::to_string(limit) + " it may hold"));
    return field.text;
}

bool NameQuery::HasField(std::string_view column) const {
    for (const auto& name : columns_)
        if (name == column) return true;
    return false;
}

} // namespace naming
