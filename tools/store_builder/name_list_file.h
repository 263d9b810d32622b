#pragma once

#include <string>
#include <vector>

// One table of the name store as it is kept in data/names/<table>.tsv: a header line with
// the column names, then one name per line, fields separated by tabs.
struct NameTable {
    std::string name;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

// Reads a list file; the table takes the file's stem as its name. Throws std::runtime_error
// naming the file and line of a fault.
NameTable ReadNameListFile(const std::string& path);
