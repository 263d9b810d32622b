#pragma once

#include <string>

namespace naming {

// 'text' with inner quotes doubled, for SQL statements that take no parameters (PRAGMA key).
std::string QuoteSqlLiteral(const std::string& text);
// "name" with inner double quotes doubled.
std::string QuoteSqlIdentifier(const std::string& name);

} // namespace naming
