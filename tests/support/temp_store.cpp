#include "temp_store.h"

#include "naming/name_store.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "babyname-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

NameTable NumberedTable(const std::string& name, const std::string& column, int rows) {
    NameTable table{name, {column, "pinyin"}, {}};
    for (int i = 1; i <= rows; ++i)
        table.rows.push_back({std::to_string(i), "x"});
    return table;
}

void WriteStore(const std::string& path, const std::vector<NameTable>& tables) {
    WriteNameStore(path, naming::kNameStorePassword, tables);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
