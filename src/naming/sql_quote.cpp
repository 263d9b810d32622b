#include "naming/sql_quote.h"

namespace naming {
namespace {

std::string Quote(const std::string& text, char quote) {
    std::string quoted(1, quote);
    for (char c : text) {
        quoted += c;
        if (c == quote) quoted += quote;
    }
    return quoted + quote;
}

} // namespace

std::string QuoteSqlLiteral(const std::string& text) {
    return Quote(text, '\'');
}
std::string QuoteSqlIdentifier(const std::string& name) {
    return Quote(name, '"');
}

} // namespace naming
