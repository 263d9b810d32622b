#pragma once

#include <map>
#include <set>
#include <string>

// Readers of the curated files in tools/names/ that the data checks compare the lists with.
// Blank lines and # comments are skipped.

// Lines "key<TAB>value" (pinyin.txt, name_readings.txt).
std::map<std::string, std::string> ReadTabPairs(const std::string& path);

// Whitespace-separated words; a # starts a comment to the end of the line (deny lists).
std::set<std::string> ReadWords(const std::string& path);

// The code points the installed font `family` draws, as fontconfig reports its charset.
// Empty when fontconfig knows no such font.
std::set<char32_t> FontCharset(const std::string& family);
