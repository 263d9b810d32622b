#include "calendar/eras.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

namespace calendar {
namespace {

inline constexpr int kEraCount = 529;
const std::array<std::string_view, kEraCount> kEraTable = {
#include "calendar/era_rows.inc"
};

constexpr int kFirstEraYear = -2069;
constexpr int kEndEraYear = 1949; // first year without an era text

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view FieldView(std::string_view text, std::string_view separator, int index,
                           bool skipEmpty) {
    int number = 0;
    while (!separator.empty()) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos) break;
        const std::string_view piece = Trim(text.substr(0, at));
        text.remove_prefix(at + separator.size());
        if (skipEmpty && piece.empty()) continue;
        if (++number == index) return piece;
    }
    const std::string_view rest = Trim(text);
    if (!rest.empty() && number + 1 == index) return rest;
    return {};
}

// Whole decimal number with an optional sign; 0 when the text is anything else.
int ParseStartYear(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return 0;
    return value;
}

struct EraRow {
    std::string_view period, title, name, era;
    int start = 0;
};

struct EraIndex {
    std::vector<EraRow> rows;
    // Row answering each year from kFirstEraYear, -1 where none does: the first row in table
    // order whose start is at most the year and whose successor's start is above it.
    std::vector<std::int16_t> rowOfYear;
};

const EraIndex& Index() {
    static const EraIndex index = [] {
        EraIndex built;
        built.rows.reserve(kEraTable.size());
        for (const std::string_view row : kEraTable) {
            EraRow parsed;
            parsed.start = ParseStartYear(FieldView(row, ",", 1, false));
            parsed.period = FieldView(row, ",", 4, false);
            parsed.title = FieldView(row, ",", 5, false);
            parsed.name = FieldView(row, ",", 6, false);
            parsed.era = FieldView(row, ",", 7, false);
            built.rows.push_back(parsed);
        }
        built.rowOfYear.assign(kEndEraYear - kFirstEraYear, -1);
        for (std::size_t i = 0; i < built.rows.size(); ++i) {
            const int from = std::max(built.rows[i].start, kFirstEraYear);
            const int to =
                std::min(i + 1 < built.rows.size() ? built.rows[i + 1].start : 0, kEndEraYear);
            for (int year = from; year < to; ++year) {
                std::int16_t& slot =
                    built.rowOfYear[static_cast<std::size_t>(year - kFirstEraYear)];
                if (slot < 0) slot = static_cast<std::int16_t>(i);
            }
        }
        return built;
    }();
    return index;
}

} // namespace

std::string FieldOf(std::string_view text, std::string_view separator, int index, bool skipEmpty) {
    return std::string(FieldView(text, separator, index, skipEmpty));
}

std::string EraTextOf(int year) {
    if (year < kFirstEraYear || year >= kEndEraYear) return {};
    const EraIndex& index = Index();
    const int row = index.rowOfYear[static_cast<std::size_t>(year - kFirstEraYear)];
    if (row < 0) return {};
    const EraRow& era = index.rows[static_cast<std::size_t>(row)];
    const int n = year - era.start + 1;
    std::string text;
    text.reserve(64);
    text += '[';
    text += era.period;
    text += ']';
    text += era.title;
    text += ' ';
    text += era.name;
    text += ' ';
    text += era.era;
    text += n == 1 ? std::string("元") : std::to_string(n);
    text += "年";
    return text;
}

} // namespace calendar
