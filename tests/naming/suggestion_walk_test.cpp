#include "naming/name_query.h"
#include "naming/name_random.h"
#include "naming/name_store.h"
#include "naming/suggestion.h"
#include "temp_store.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Grid = std::vector<std::vector<std::string>>;

class GridSink : public naming::SuggestionSink {
public:
    void Clear() override { grid.clear(); }
    void AddRow() override { grid.emplace_back(); }
    void SetCaption(const std::string& text) override { grid.back().push_back(text); }
    void AddSubItem(const std::string& text) override { grid.back().push_back(text); }
    Grid grid;
};

std::vector<std::string> Row(std::initializer_list<const char*> cells,
                             const std::string& prefix = "") {
    std::vector<std::string> row;
    for (const char* cell : cells)
        row.push_back(prefix + cell);
    return row;
}

class SuggestionWalk : public ::testing::Test {
protected:
    void SetUp() override {
        naming::SetRandSeed(0); // as at the start of a run
        WriteStore(dir.File("store.dat"),
                   {NumberedTable("male1", "danm", 1500), NumberedTable("female1", "danm", 1200),
                    NumberedTable("male2", "shuangm", 1600),
                    NumberedTable("female2", "shuangm", 5)});
        store.SetConnection(dir.File("store.dat"), naming::kNameStorePassword);
    }

    Grid Press(const std::string& family, const std::string& sex, const std::string& length) {
        GridSink sink;
        naming::SuggestNames(query, family, sex, length, sink);
        return sink.grid;
    }

    TempDir dir;
    naming::NameStore store;
    naming::NameQuery query{store};
};

TEST_F(SuggestionWalk, FirstPressInTwoCharacterTableVisitsKnownPositions) {
    const Grid grid = Press("", "男", "三字");
    ASSERT_EQ(grid.size(), 11u);
    for (const auto& row : grid)
        ASSERT_EQ(row.size(), 6u);
    EXPECT_EQ(grid[0], Row({"1", "1", "18", "22", "27", "40"}));
    EXPECT_EQ(grid[1], Row({"47", "51", "60", "71", "76", "90"}));
    EXPECT_EQ(grid[10][5], "1480");
}

TEST_F(SuggestionWalk, FirstPressInOneCharacterTableVisitsKnownPositions) {
    for (const char* length : {"二字", "", "三字 ", "3"}) {
        naming::SetRandSeed(0);
        const Grid grid = Press("", "男", length);
        ASSERT_EQ(grid.size(), 11u) << length;
        EXPECT_EQ(grid[0], Row({"1", "1", "9", "11", "13", "19"})) << length;
        EXPECT_EQ(grid[1], Row({"23", "25", "30", "37", "41", "50"})) << length;
        EXPECT_EQ(grid[10][5], "1161") << length;
    }
}

TEST_F(SuggestionWalk, FamilyNameGoesInFrontExactlyAsTyped) {
    EXPECT_EQ(Press("欧阳", "女", "二字")[0], Row({"1", "1", "9", "11", "13", "19"}, "欧阳"));
    naming::SetRandSeed(0);
    EXPECT_EQ(Press(" 李 ", "女", "二字")[1][0], " 李 23");
}

TEST_F(SuggestionWalk, SecondPressContinuesWithTheSixtySeventhDraw) {
    const Grid first = Press("", "男", "三字");
    const Grid second = Press("", "男", "三字");
    EXPECT_NE(first, second);

    naming::SetRandSeed(0);
    for (int i = 0; i < 66; ++i)
        naming::Random(20);
    EXPECT_EQ(Press("", "男", "三字"), second);
    // Each press starts again at the first record.
    EXPECT_LE(std::stoi(second[0][0]), 20);
}

TEST_F(SuggestionWalk, InvalidSexEmptiesTheGridWithoutQueryOrDraw) {
    GridSink sink;
    sink.grid = {{"old"}};
    query.SetSQL("select shuangm from male2;");
    for (const char* sex : {"", "男 ", " 女", "M", "男女", "nan"}) {
        EXPECT_FALSE(naming::SuggestNames(query, "王", sex, "三字", sink)) << sex;
        EXPECT_TRUE(sink.grid.empty()) << sex;
    }
    EXPECT_EQ(naming::RandSeed(), 0u);
    EXPECT_FALSE(store.Connected());
    EXPECT_EQ(query.SQL(), "select shuangm from male2;");
    // The draw sequence resumes where it stood.
    EXPECT_EQ(Press("", "男", "三字")[0], Row({"1", "1", "18", "22", "27", "40"}));
}

TEST_F(SuggestionWalk, ShortTableRestsOnItsLastRecord) {
    const Grid grid = Press("", "女", "三字");
    ASSERT_EQ(grid.size(), 11u);
    EXPECT_EQ(grid[0], Row({"1", "1", "5", "5", "5", "5"}));
    for (size_t r = 1; r < grid.size(); ++r)
        EXPECT_EQ(grid[r], Row({"5", "5", "5", "5", "5", "5"}));
}

TEST_F(SuggestionWalk, QueryTextNamesTheChosenTable) {
    Press("", "女", "三字");
    EXPECT_EQ(query.SQL(), "select * from female2;");
    Press("", "女", "二字");
    EXPECT_EQ(query.SQL(), "select * from female1;");
    Press("", "男", "二字");
    EXPECT_EQ(query.SQL(), "select * from male1;");
    EXPECT_FALSE(query.Active()); // closed at the end of each press
}

TEST(RandomDraw, FollowsTheLinearCongruenceAndStaysBelowTheBound) {
    naming::SetRandSeed(0);
    EXPECT_EQ(naming::Random(20), 0); // seed 1: 20 / 2^32 rounds down to 0
    EXPECT_EQ(naming::RandSeed(), 1u);
    EXPECT_EQ(naming::Random(20), 0);
    EXPECT_EQ(naming::RandSeed(), 134775814u);
    naming::SetRandSeed(0xFFFFFFFFu);
    naming::Random(10);
    EXPECT_EQ(naming::RandSeed(), 0xFFFFFFFFu * 134775813u + 1u);
    for (int i = 0; i < 10000; ++i) {
        const int d = naming::Random(10);
        ASSERT_GE(d, 0);
        ASSERT_LT(d, 10);
    }
}

class CursorMoves : public ::testing::Test {
protected:
    void SetUp() override {
        WriteStore(dir.File("store.dat"), {NumberedTable("male1", "danm", 4)});
        store.SetConnection(dir.File("store.dat"), naming::kNameStorePassword);
        query.SetSQL("select * from male1;");
        query.Open();
    }
    std::string Here() { return query.FieldAsString("danm"); }

    TempDir dir;
    naming::NameStore store;
    naming::NameQuery query{store};
};

TEST_F(CursorMoves, MoveByZeroStaysAndMovesPastTheEndRestOnTheLast) {
    EXPECT_EQ(Here(), "1");
    query.MoveBy(0);
    EXPECT_EQ(Here(), "1");
    query.MoveBy(2);
    EXPECT_EQ(Here(), "3");
    EXPECT_FALSE(query.Eof());
    query.MoveBy(1);
    EXPECT_EQ(Here(), "4");
    EXPECT_FALSE(query.Eof()); // standing on the last record is not yet the end
    query.MoveBy(7);
    EXPECT_EQ(Here(), "4");
    EXPECT_TRUE(query.Eof());
    query.MoveBy(1);
    EXPECT_EQ(Here(), "4");
}

TEST_F(CursorMoves, ReplacingTheTextClosesAndReopeningStartsAtTheFirstRecord) {
    query.MoveBy(3);
    query.SetSQL("select * from male1;");
    EXPECT_FALSE(query.Active());
    query.Open();
    EXPECT_EQ(Here(), "1");
}

} // namespace
