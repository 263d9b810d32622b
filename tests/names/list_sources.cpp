#include "list_sources.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace {

std::ifstream OpenText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot be read");
    return in;
}

bool IsComment(const std::string& line) {
    const size_t start = line.find_first_not_of(" \t\r");
    return start == std::string::npos || line[start] == '#';
}

} // namespace

std::map<std::string, std::string> ReadTabPairs(const std::string& path) {
    auto in = OpenText(path);
    std::map<std::string, std::string> pairs;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (IsComment(line)) continue;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0 || line.find('\t', tab + 1) != std::string::npos)
            throw std::runtime_error(path + ":" + std::to_string(number) + ": not key<TAB>value");
        pairs[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return pairs;
}

std::set<std::string> ReadWords(const std::string& path) {
    auto in = OpenText(path);
    std::set<std::string> words;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line.substr(0, line.find('#')));
        for (std::string word; fields >> word;)
            words.insert(word);
    }
    return words;
}

std::set<char32_t> FontCharset(const std::string& family) {
    // The family comes from our own code, never from outside, so it is safe in a command.
    const std::string command = "fc-list --format='%{charset}\\n' ':family=" + family + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return {};
    std::string out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        out.append(buffer, n);
    std::set<char32_t> chars;
    std::istringstream ranges(out);
    for (std::string range; ranges >> range;) {
        const size_t dash = range.find('-');
        const auto first = static_cast<char32_t>(std::stoul(range.substr(0, dash), nullptr, 16));
        const auto last =
            dash == std::string::npos
                ? first
                : static_cast<char32_t>(std::stoul(range.substr(dash + 1), nullptr, 16));
        for (char32_t c = first; c <= last; ++c)
            chars.insert(c);
    }
    return chars;
}
