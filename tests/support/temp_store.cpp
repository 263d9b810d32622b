#include "temp_store.h"

#include "naming/name_store.h"

#include <sqlite3.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
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

namespace {

class KeyedConnection {
public:
    explicit KeyedConnection(const std::string& path) {
        if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) Fail("open");
        Run("PRAGMA key = '" + std::string(naming::kNameStorePassword) + "';");
    }
    ~KeyedConnection() { sqlite3_close_v2(db_); }
    void Run(const std::string& sql) {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
    }

private:
    [[noreturn]] void Fail(const std::string& what) {
        throw std::runtime_error(what + ": " + sqlite3_errmsg(db_));
    }
    sqlite3* db_ = nullptr;
};

} // namespace

void ExecuteOnStore(const std::string& path, const std::string& sql) {
    KeyedConnection(path).Run(sql);
}

void WriteStoreWithStaleJournal(const std::string& path, const std::vector<NameTable>& tables) {
    const std::string original = path + ".original";
    WriteStore(original, tables);
    {
        KeyedConnection db(original);
        // Without syncing, the journal is marked valid as soon as it is written; the change
        // is small enough to stay in memory, so the store file itself is not touched yet.
        db.Run("PRAGMA synchronous = OFF; BEGIN; UPDATE " + tables.at(0).name + " SET " +
               tables[0].columns.at(0) + " = 'changed';");
        std::filesystem::copy_file(original, path);
        std::filesystem::copy_file(original + "-journal", path + "-journal");
        db.Run("ROLLBACK;");
    }
    std::filesystem::remove(original);
}

std::vector<std::pair<std::string, std::string>> FolderSnapshot(const std::string& folder) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files.emplace_back(entry.path().filename().string(), ReadFileBytes(entry.path().string()));
    std::sort(files.begin(), files.end());
    return files;
}

ToolRun RunTool(const std::string& program, const std::string& arguments) {
    ToolRun run;
    FILE* pipe = popen(("'" + program + "' " + arguments + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
