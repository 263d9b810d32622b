#include "naming/reading_table.h"

#include "naming/character_readings.inc"
#include "naming/surnames.inc"

namespace naming {
namespace {

// The byte length of the UTF-8 character that starts at text[pos], or 0 when the bytes
// there are not a well-formed character.
std::size_t Utf8Length(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    if (lead < 0x80)
        length = 1;
    else if (lead >= 0xC2 && lead < 0xE0)
        length = 2;
    else if (lead >= 0xE0 && lead < 0xF0)
        length = 3;
    else if (lead >= 0xF0 && lead < 0xF5)
        length = 4;
    if (length == 0 || pos + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return 0;
    return length;
}

} // namespace

ReadingTable::ReadingTable(std::span<const char* const> lines) {
    for (std::string_view line : lines) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0) continue;
        std::string_view reading = line.substr(tab + 1);
        reading = reading.substr(0, reading.find('\t'));
        if (!reading.empty()) readings_.emplace(line.substr(0, tab), reading);
    }
}

std::string_view ReadingTable::Find(std::string_view text) const {
    const auto it = readings_.find(text);
    return it == readings_.end() ? std::string_view() : it->second;
}

const ReadingTable& SurnameReadings() {
    static const ReadingTable table(kSurnameLines);
    return table;
}

const ReadingTable& CharacterReadings() {
    static const ReadingTable table(kCharacterLines);
    return table;
}

std::string FamilyNameReading(std::string_view family) {
    if (family.empty()) return {};
    if (const auto whole = SurnameReadings().Find(family); !whole.empty())
        return std::string(whole);
    std::string reading;
    for (std::size_t pos = 0; pos < family.size();) {
        const std::size_t length = Utf8Length(family, pos);
        if (length == 0) return {};
        const std::string_view character = family.substr(pos, length);
        std::string_view syllable = SurnameReadings().Find(character);
        if (syllable.empty()) syllable = CharacterReadings().Find(character);
        if (syllable.empty()) return {};
        if (!reading.empty()) reading += ' ';
        reading += syllable;
        pos += length;
    }
    return reading;
}

} // namespace naming
