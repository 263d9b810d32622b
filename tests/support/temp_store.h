#pragma once

#include "name_store_writer.h"

#include <string>
#include <vector>

// A folder of its own for one test, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// A table whose rows are their own positions as text ("1", "2", ...), so a test reads
// directly which record the cursor stands on.
NameTable NumberedTable(const std::string& name, const std::string& column, int rows);

// Writes a store with the given tables under the program's password.
void WriteStore(const std::string& path, const std::vector<NameTable>& tables);

std::string ReadFileBytes(const std::string& path);
