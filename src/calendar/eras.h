#pragma once

#include <string>
#include <string_view>

// Reign eras of the years before 1949, from a fixed table of comma-separated rows:
// start year, years of the era, years elapsed before the start, period, ruler's title,
// ruler's name, era name.
namespace calendar {

// The index-th (1-based) field of text split at separator, trimmed of blanks and control
// characters; empty pieces are not counted when skipEmpty is set. Empty text when there is no
// such field. An empty separator leaves the whole text as field 1.
std::string FieldOf(std::string_view text, std::string_view separator, int index, bool skipEmpty);

// "[period]title name era<n>年" for a year -2069 .. 1948 (元 for the first year), else empty.
std::string EraTextOf(int year);

} // namespace calendar
