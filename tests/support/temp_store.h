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

// Runs SQL on a store under the program's password, as a curator's shell would; throws
// std::runtime_error with the engine's message.
void ExecuteOnStore(const std::string& path, const std::string& sql);

// A store with a journal left beside it by a change that never finished: the journal is
// hot, while the store's own pages are those from before the change.
void WriteStoreWithStaleJournal(const std::string& path, const std::vector<NameTable>& tables);

// The names and bytes of every file in a folder, to show that nothing was written there.
std::vector<std::pair<std::string, std::string>> FolderSnapshot(const std::string& folder);

struct ToolRun {
    int status = -1;    // the exit status, -1 when the program did not exit by itself
    std::string output; // standard output and error together
};

// Runs a program through the shell; arguments are given as shell words.
ToolRun RunTool(const std::string& program, const std::string& arguments);
