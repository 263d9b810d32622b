#include "name_list_file.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

} // namespace

NameTable ReadNameListFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path + ": cannot be read");
    NameTable table;
    table.name = std::filesystem::path(path).stem().string();
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        auto fields = SplitTabs(line);
        if (table.columns.empty()) {
            table.columns = std::move(fields);
            continue;
        }
        if (fields.size() > table.columns.size())
            throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": too many fields");
        fields.resize(table.columns.size());
        table.rows.push_back(std::move(fields));
    }
    if (table.columns.empty()) throw std::runtime_error(path + ": no header line");
    return table;
}
