#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace naming {

// What is known of a suggested name beside the name itself; either part may be empty.
struct SuggestionDetails {
    std::string reading; // the full name's reading, family name first, syllables by spaces
    std::string source;  // the line the given name comes from, followed by its work
};

// Longest reading and source line taken from a store; longer values are not shown.
inline constexpr std::size_t kMaxReadingBytes = 256;
inline constexpr std::size_t kMaxSourceBytes = 1024;

// Text from a store made fit for one line: control characters (tabs, line breaks) become
// spaces, runs of spaces one space, and none lead or trail. Empty when longer than maxBytes.
std::string OneLine(std::string_view text, std::size_t maxBytes);

// A given name's reading as the store holds it, tidied to one line and ASCII lower case.
std::string TidyReading(std::string_view stored);

// The source as the store holds it ("《作者·篇名》诗句") written line first, work after:
// "诗句（《作者·篇名》）". A source of any other shape is shown as it is, on one line.
std::string FormatSource(std::string_view stored);

// The full name's reading: the family name's, then the given name's. Without a reading of
// the given name there is none; without one of the family name the given name's stands alone.
std::string JoinReadings(std::string_view family, std::string_view given);

// The lines that describe a cell: the full name, its reading, its source, leaving out what is
// unknown. Empty for an empty name.
std::string DescribeSuggestion(std::string_view fullName, const SuggestionDetails& details);

} // namespace naming
