#include "naming/name_query.h"
#include "naming/name_random.h"
#include "naming/name_store.h"
#include "naming/suggestion.h"
#include "temp_store.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

class NullSink : public naming::SuggestionSink {
public:
    void Clear() override {}
    void AddRow() override {}
    void SetCaption(const std::string&) override {}
    void AddSubItem(const std::string&) override {}
};

// Runs one press against the file and returns the error text, or "" when it succeeds.
std::string PressError(const std::string& path, const std::string& password,
                       const std::string& sex = "男", const std::string& length = "三字") {
    naming::NameStore store;
    store.SetConnection(path, password);
    naming::NameQuery query(store);
    NullSink sink;
    try {
        naming::SuggestNames(query, "王", sex, length, sink);
    } catch (const naming::NameStoreError& e) {
        return e.what();
    }
    return "";
}

class NameStoreFile : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.File("tarnwick.dat");
        WriteStore(path, {NumberedTable("male1", "danm", 50), NumberedTable("male2", "shuangm", 50),
                          NameTable{"female1", {"pinyin"}, {{"a"}}}});
    }
    TempDir dir;
    std::string path;
};

TEST_F(NameStoreFile, IsEncryptedAndOpensWithThePassword) {
    const std::string bytes = ReadFileBytes(path);
    ASSERT_GT(bytes.size(), 16u);
    EXPECT_NE(bytes.substr(0, 15), "SQLite format 3");
    EXPECT_EQ(bytes.find("shuangm"), std::string::npos);

    const std::string shell = "sqlcipher '" + path + "' ";
    EXPECT_EQ(
        RunCommand(shell + "\"PRAGMA key='582930lantern'; SELECT count(*) FROM male2;\" 2>&1"),
        "50\n");
    EXPECT_NE(RunCommand(shell + "\"SELECT count(*) FROM male2;\" 2>&1"), "50\n");
}

TEST_F(NameStoreFile, IsNotChangedByReading) {
    const std::string before = ReadFileBytes(path);
    const auto stamp = std::filesystem::last_write_time(path);
    {
        naming::NameStore store;
        store.SetConnection(path, naming::kNameStorePassword);
        naming::NameQuery query(store);
        NullSink sink;
        for (int press = 0; press < 3; ++press)
            naming::SuggestNames(query, "王", "男", "三字", sink);
    }
    // The suggestion tool reads it the same way.
    const std::string tool = std::string(BABYNAME_BUILD_DIR) + "/babyname-suggest";
    const std::string grid =
        RunCommand(tool + " --store '" + path + "' --family 王 --sex 男 --length 二字");
    EXPECT_EQ(std::count(grid.begin(), grid.end(), '\n'), 11);
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(std::filesystem::last_write_time(path), stamp);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1); // no journal or other file beside it
}

TEST_F(NameStoreFile, EachFailureSaysWhichFileAndWhatWentWrong) {
    struct Case {
        std::string path, password, sex, length, expected;
    };
    const std::string garbage = dir.File("garbage.dat");
    std::ofstream(garbage, std::ios::binary) << std::string(8192, 'x');
    const std::string truncated = dir.File("truncated.dat");
    std::ofstream(truncated, std::ios::binary) << ReadFileBytes(path).substr(0, 1500);
    const std::string damaged = dir.File("damaged.dat");
    {
        std::string bytes = ReadFileBytes(path);
        for (size_t i = 100; i < bytes.size(); i += 7)
            bytes[i] = char(bytes[i] ^ 0x5a);
        std::ofstream(damaged, std::ios::binary) << bytes;
    }
    const Case cases[] = {
        {dir.File("missing.dat"), naming::kNameStorePassword, "男", "三字", "missing"},
        {dir.Path(), naming::kNameStorePassword, "男", "三字", "not a file"},
        {path, "wrong password", "男", "三字", "wrong password"},
        {garbage, naming::kNameStorePassword, "男", "三字", "damaged"},
        {truncated, naming::kNameStorePassword, "男", "三字",
         "cannot be read: database disk image is malformed"},
        {damaged, naming::kNameStorePassword, "男", "三字", "wrong password or damaged file"},
        {path, naming::kNameStorePassword, "女", "三字", "no such table: female2"},
        {path, naming::kNameStorePassword, "女", "二字", "column danm is missing"},
    };
    for (const Case& c : cases) {
        const std::string error = PressError(c.path, c.password, c.sex, c.length);
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.path << ": " << error;
        EXPECT_NE(error.find(c.path), std::string::npos) << error;
    }
    EXPECT_EQ(PressError(path, naming::kNameStorePassword), "");
}

TEST_F(NameStoreFile, FailedOpenIsRetriedByTheNextPress) {
    const std::string later = dir.File("later.dat");
    naming::NameStore store;
    store.SetConnection(later, naming::kNameStorePassword);
    naming::NameQuery query(store);
    NullSink sink;
    EXPECT_THROW(naming::SuggestNames(query, "", "男", "二字", sink), naming::NameStoreError);
    std::filesystem::copy_file(path, later);
    EXPECT_TRUE(naming::SuggestNames(query, "", "男", "二字", sink));
    EXPECT_TRUE(store.Connected());
}

TEST_F(NameStoreFile, OnlyReadingStatementsRun) {
    naming::NameStore store;
    store.SetConnection(path, naming::kNameStorePassword);
    naming::NameQuery query(store);
    query.SetSQL("delete from male1;");
    EXPECT_THROW(query.Open(), naming::NameStoreError);
    query.SetSQL("select count(*) as n from male1;");
    query.Open();
    EXPECT_EQ(query.FieldAsString("n"), "50");
}

TEST(BuiltStore, HoldsTheFourTablesWithTheirColumns) {
    const std::string path = std::string(BABYNAME_BUILD_DIR) + "/config/tarnwick.dat";
    naming::NameStore store;
    store.SetConnection(path, naming::kNameStorePassword);
    naming::NameQuery query(store);
    for (const auto& [table, column] : {std::pair{"male1", "danm"},
                                        {"female1", "danm"},
                                        {"male2", "shuangm"},
                                        {"female2", "shuangm"}}) {
        query.SetSQL(std::string("select * from ") + table + ";");
        query.Open();
        EXPECT_FALSE(query.FieldAsString(column).empty()) << table;
    }
}

} // namespace
