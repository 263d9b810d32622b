#pragma once

#include <set>
#include <string>
#include <vector>

// Small helpers for the data checks: the lists and reference tables are UTF-8 text.

// The code points of a UTF-8 string; throws std::runtime_error on a malformed sequence, so a
// list saved in another encoding fails loudly instead of counting wrong.
std::vector<char32_t> DecodeUtf8(const std::string& text);

// The code points of every line of a reference file that is not empty or a # comment.
std::set<char32_t> ReadCharacterSet(const std::string& path);

// The project's source folder: $BABYNAME_SOURCE_DIR when set (ctest sets it), else the one
// compiled in.
std::string SourceDir();
