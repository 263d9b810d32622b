// Stores made by someone else: a store is data from outside, and no file may hang the press,
// make it write, or pass for a good connection.
#include "naming/executable_folder.h"
#include "naming/name_query.h"
#include "naming/name_random.h"
#include "naming/name_store.h"
#include "naming/suggestion.h"
#include "temp_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class GridSink : public naming::SuggestionSink {
public:
    void Clear() override { cells.clear(); }
    void AddRow() override {}
    void SetCaption(const std::string& text) override { cells.push_back(text); }
    void AddSubItem(const std::string& text) override { cells.push_back(text); }
    std::vector<std::string> cells;
};

// A view that never yields a row, however long it runs.
const char* kEndlessView = "DROP TABLE male2; CREATE VIEW male2 AS WITH RECURSIVE c(x) AS "
                           "(SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT 'a' AS shuangm "
                           "FROM c WHERE x < 0;";

const std::string kSuggest = std::string(BABYNAME_BUILD_DIR) + "/babyname-suggest";

class HostileStore : public ::testing::Test {
protected:
    void SetUp() override {
        naming::SetRandSeed(0);
        path = dir.File("tarnwick.dat");
        WriteGoodStore();
        store.SetConnection(path, naming::kNameStorePassword);
    }
    void WriteGoodStore() {
        WriteStore(path,
                   {NumberedTable("male1", "danm", 40), NumberedTable("male2", "shuangm", 40)});
    }
    // One press of 男 三字; the error text, or "" when it fills the grid.
    std::string Press() {
        try {
            naming::SuggestNames(query, "", "男", "三字", sink);
        } catch (const naming::NameStoreError& e) {
            return e.what();
        }
        return sink.cells.size() == 66 ? "" : "the grid is not full";
    }

    TempDir dir;
    std::string path;
    naming::NameStore store;
    naming::NameQuery query{store};
    GridSink sink;
};

TEST_F(HostileStore, EndlessViewIsStoppedAndTheRepairedStoreIsReadAgain) {
    ExecuteOnStore(path, kEndlessView);
    const std::string error = Press();
    EXPECT_NE(error.find("stopped after"), std::string::npos) << error;
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(Press(), error); // the same fault again, not a hang or a stale state

    const ToolRun tool =
        RunTool(kSuggest, "--store '" + path + "' --family 王 --sex 男 --length 三字");
    EXPECT_EQ(tool.status, 1);
    EXPECT_NE(tool.output.find("stopped after"), std::string::npos) << tool.output;

    WriteGoodStore();
    EXPECT_EQ(Press(), "");
}

TEST_F(HostileStore, OverlongValuesAreFaultsOfTheStore) {
    // Record 1 is read by the first cell; other columns are fetched and ignored.
    const std::string hugeName(2'000'000, 'x');
    WriteStore(path, {NameTable{"male2", {"shuangm", "source"}, {{hugeName, "-"}, {"b", "-"}}}});
    const std::string error = Press();
    EXPECT_NE(error.find("2000000 bytes"), std::string::npos) << error.substr(0, 300);
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_LT(error.size(), 1000u); // the message does not carry the value
    const ToolRun tool =
        RunTool(kSuggest, "--store '" + path + "' --family a --sex 男 --length 三字");
    EXPECT_EQ(tool.status, 1);
    EXPECT_NE(tool.output.find("2000000 bytes"), std::string::npos) << tool.output.size();

    // Longer than any given name, though short as text.
    const std::string longName(naming::kMaxGivenNameBytes + 1, 'y');
    WriteStore(path, {NameTable{"male2", {"shuangm", "source"}, {{longName, "-"}}}});
    EXPECT_NE(Press().find("too long"), std::string::npos);

    const std::string poem(600, 'z');
    WriteStore(path, {NameTable{"male2", {"shuangm", "source"}, {{"ab", poem}}}});
    EXPECT_EQ(Press(), "");
    query.SetSQL("select * from male2;");
    query.Open();
    EXPECT_EQ(query.FieldAsString("source"), poem);
}

TEST_F(HostileStore, EmptyFileOrFileWithoutNameTablesIsNoConnection) {
    const std::string empty = dir.File("empty.dat");
    std::ofstream(empty, std::ios::binary).flush();
    const std::string other = dir.File("other.dat");
    WriteStore(other, {NameTable{"notes", {"text"}, {{"a"}}}});
    for (const std::string& file : {empty, other}) {
        store.SetConnection(file, naming::kNameStorePassword);
        const std::string error = Press();
        EXPECT_NE(error.find("not a name store"), std::string::npos) << error;
        EXPECT_NE(error.find(file), std::string::npos) << error;
        EXPECT_FALSE(store.Connected());
        // Replaced by a good store, the next press connects.
        fs::copy_file(path, file, fs::copy_options::overwrite_existing);
        EXPECT_EQ(Press(), "") << file;
    }
}

TEST_F(HostileStore, ChangeSavedWhileConnectedIsReadByTheNextPress) {
    ASSERT_EQ(Press(), "");
    EXPECT_EQ(sink.cells[0], "1");
    // A curator's shell edits the store in place while the program holds it open.
    ExecuteOnStore(path, "UPDATE male2 SET shuangm = 'new' || shuangm;");
    ASSERT_EQ(Press(), "");
    EXPECT_EQ(sink.cells[0].substr(0, 3), "new");
}

TEST_F(HostileStore, NothingIsWrittenWhateverTheJournal) {
    const std::string wal = dir.File("wal/tarnwick.dat");
    fs::create_directory(dir.File("wal"));
    fs::copy_file(path, wal);
    ExecuteOnStore(wal, "PRAGMA journal_mode = WAL;");
    ASSERT_EQ(FolderSnapshot(dir.File("wal")).size(), 1u);
    const std::string stale = dir.File("stale/tarnwick.dat");
    fs::create_directory(dir.File("stale"));
    WriteStoreWithStaleJournal(stale, {NumberedTable("male2", "shuangm", 40)});
    ASSERT_EQ(FolderSnapshot(dir.File("stale")).size(), 2u);

    for (const std::string& file : {wal, stale}) {
        const std::string folder = fs::path(file).parent_path().string();
        const auto before = FolderSnapshot(folder);
        store.SetConnection(file, naming::kNameStorePassword);
        naming::SetRandSeed(0); // record 1 comes first
        EXPECT_EQ(Press(), "") << file;
        EXPECT_EQ(sink.cells[0], "1"); // the store's own pages, not the unfinished change
        EXPECT_EQ(Press(), "") << file;
        store.SetConnection("", ""); // closed, as when the program ends
        const ToolRun tool =
            RunTool(kSuggest, "--store '" + file + "' --family a --sex 男 --length 三字");
        EXPECT_EQ(tool.status, 0) << tool.output;
        const auto after = FolderSnapshot(folder);
        EXPECT_EQ(after.size(), before.size()) << file;
        EXPECT_TRUE(after == before) << file; // names and bytes
    }
}

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram) {
    EXPECT_EQ(fs::path(naming::ExecutableFolder()),
              fs::canonical(std::string(BABYNAME_BUILD_DIR) + "/tests"));
    EXPECT_EQ(naming::NameStoreInFolder("/opt/x/"), "/opt/x/./config/tarnwick.dat");
}

TEST(ExecutableFolder, FolderNameThatIsNotTextStillFindsTheStore) {
    TempDir dir;
    // Latin-1 "é", a per cent sign and URI punctuation: none may change the file opened.
    const std::string folder = dir.File("caf\xE9 50% ?#");
    fs::create_directories(folder + "/config");
    fs::copy_file(kSuggest, folder + "/babyname-suggest");
    fs::copy_file(std::string(BABYNAME_BUILD_DIR) + "/config/tarnwick.dat",
                  folder + "/config/tarnwick.dat");
    const ToolRun run = RunTool(folder + "/babyname-suggest", "--family 王 --sex 女 --length 三字");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 11) << run.output;
}

} // namespace
