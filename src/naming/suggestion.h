#pragma once

#include "naming/name_details.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace naming {

class NameQuery;

inline constexpr int kSuggestionRows = 11;
inline constexpr int kSuggestionColumns = 6;
// A given name is one or two characters; eight of the longest (four bytes in UTF-8) is
// the most a record may hold before it is taken for a fault of the store.
inline constexpr std::size_t kMaxGivenNameBytes = 32;

// Which table a press reads: one per sex and given-name length.
struct NameTableChoice {
    std::string table;  // male1, male2, female1, female2
    std::string column; // danm for one-character names, shuangm for two-character names
    int bound;          // draws are below this
};

// Sex must be exactly "男" or "女"; a length of exactly "三字" (a three-character full name)
// picks the two-character given names, anything else the one-character ones.
std::optional<NameTableChoice> ChooseNameTable(std::string_view sex, std::string_view length);

// Where a press writes its grid, row by row, in the order the cells are drawn.
class SuggestionSink {
public:
    virtual ~SuggestionSink() = default;
    virtual void Clear() = 0;
    virtual void AddRow() = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual void AddSubItem(const std::string& text) = 0;
    // What is known of the cell just written (caption or sub-item): its reading and source.
    virtual void SetCellDetails(const SuggestionDetails& details) { (void)details; }
};

// One press of the suggestion button: empties the sink and, for a valid sex, walks the
// chosen table with 66 draws, writing the family name followed by each given name.
// The readings and sources come from the optional columns pinyin and source of the same
// record, where the table has them.
// Returns false when the sex is not valid: then no query runs and no draw is made.
// Errors of the store propagate; the sink keeps what was written before.
bool SuggestNames(NameQuery& query, std::string_view family, std::string_view sex,
                  std::string_view length, SuggestionSink& sink);

} // namespace naming
