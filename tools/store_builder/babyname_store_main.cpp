// babyname-store OUTPUT LIST_DIR: builds the encrypted name store from the name lists
// (one <table>.tsv per table) in LIST_DIR, each table's rows in its fixed shuffled order.
#include "name_store_writer.h"
#include "row_order.h"

#include "naming/name_store.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: babyname-store OUTPUT LIST_DIR\n";
        return 2;
    }
    try {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(argv[2]))
            if (entry.path().extension() == ".tsv") files.push_back(entry.path().string());
        std::sort(files.begin(), files.end());
        std::vector<NameTable> tables;
        for (const auto& file : files) {
            tables.push_back(ReadNameListFile(file));
            ShuffleRows(tables.back());
        }
        WriteNameStore(argv[1], naming::kNameStorePassword, tables);
        for (const auto& table : tables)
            std::cout << table.name << ": " << table.rows.size() << " names\n";
    } catch (const std::exception& e) {
        std::cerr << "babyname-store: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
