#pragma once

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace naming {

// Readings keyed by text: each line "<text>\t<reading>", further fields ignored. Lines
// without a tab or with an empty reading are left out; the first line for a text wins.
class ReadingTable {
public:
    explicit ReadingTable(std::span<const char* const> lines);
    // The reading of exactly this text, or empty when the table has none.
    std::string_view Find(std::string_view text) const;
    std::size_t Size() const { return readings_.size(); }

private:
    std::unordered_map<std::string_view, std::string_view> readings_;
};

// Family names with the reading they take as family names (单 shàn, 尉迟 yù chí).
const ReadingTable& SurnameReadings();
// Single characters with the reading they take in given names.
const ReadingTable& CharacterReadings();

// The reading of a typed family name: the family-name table's entry for the whole text;
// otherwise one syllable a character, each read as a family name where the table knows it
// and as in given names where not. Empty when any character has no known reading.
std::string FamilyNameReading(std::string_view family);

} // namespace naming
