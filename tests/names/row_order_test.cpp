#include "row_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace {

bool IsPermutation(const std::vector<std::size_t>& order) {
    std::vector<std::size_t> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (sorted[i] != i) return false;
    return true;
}

TEST(RowOrder, IsAPermutationOfEverySize) {
    for (std::size_t count : {0u, 1u, 2u, 3u, 66u, 1500u, 2200u}) {
        const auto order = ShuffledOrder(count, kRowOrderSeed);
        EXPECT_EQ(order.size(), count);
        EXPECT_TRUE(IsPermutation(order)) << count;
    }
}

TEST(RowOrder, IsFixedBySeedAlone) {
    EXPECT_EQ(ShuffledOrder(2200, 7), ShuffledOrder(2200, 7));
    EXPECT_NE(ShuffledOrder(2200, 7), ShuffledOrder(2200, 8));
    // Worked out apart from this code (SplitMix64, Fisher-Yates from the top, draws above the
    // largest multiple of the bound thrown back): the order must not drift between platforms.
    EXPECT_EQ(ShuffledOrder(10, 42), (std::vector<std::size_t>{0, 9, 5, 8, 6, 4, 7, 2, 1, 3}));
    EXPECT_EQ(ShuffledOrder(12, 0),
              (std::vector<std::size_t>{4, 1, 6, 8, 0, 5, 2, 3, 11, 9, 10, 7}));
}

TEST(RowOrder, TablesGetTheirOwnSeed) {
    EXPECT_EQ(TableSeed("male2"), TableSeed("male2"));
    EXPECT_NE(TableSeed("male1"), TableSeed("female1"));
    EXPECT_NE(TableSeed("male2"), TableSeed("female2"));
}

TEST(RowOrder, ShuffleKeepsRowsWholeAndBreaksUpNeighbours) {
    NameTable table;
    table.name = "male2";
    table.columns = {"shuangm", "pinyin", "source"};
    const std::size_t count = 2200;
    for (std::size_t i = 0; i < count; ++i)
        table.rows.push_back({"n" + std::to_string(i), "p" + std::to_string(i), ""});
    NameTable shuffled = table;
    ShuffleRows(shuffled);

    ASSERT_EQ(shuffled.rows.size(), count);
    const auto order = ShuffledOrder(count, TableSeed("male2"));
    std::size_t stillAdjacent = 0;
    for (std::size_t i = 0; i < count; ++i) {
        // Each stored row is a source row moved as a whole, at the place the order gives.
        EXPECT_EQ(shuffled.rows[i], table.rows[order[i]]);
        if (i > 0 && order[i] == order[i - 1] + 1) ++stillAdjacent;
    }
    // Names listed side by side (alike in sound) should rarely stay side by side: a random
    // order keeps about one such pair.
    EXPECT_LT(stillAdjacent, 10u);
}

// A one-character table of `count` rows in which the names 0..repeats-1 stand twice.
NameTable TableWithRepeats(std::size_t count, std::size_t repeats) {
    NameTable table;
    table.name = "female1";
    table.columns = {"danm", "pinyin", "source"};
    for (std::size_t i = 0; i + repeats < count; ++i)
        table.rows.push_back({"n" + std::to_string(i), "p", ""});
    for (std::size_t i = 0; i < repeats; ++i)
        table.rows.push_back({"n" + std::to_string(i), "q", ""});
    return table;
}

TEST(RowOrder, RepeatedNamesLieFarApartNearTheEnd) {
    for (const std::size_t repeats : {1u, 37u, 200u, 450u}) {
        NameTable table = TableWithRepeats(1300, repeats);
        std::multiset<std::vector<std::string>> before(table.rows.begin(), table.rows.end());
        ShuffleRows(table);
        ASSERT_EQ(table.rows.size(), 1300u);
        EXPECT_EQ(before,
                  std::multiset<std::vector<std::string>>(table.rows.begin(), table.rows.end()));
        std::map<std::string, std::vector<std::size_t>> places;
        for (std::size_t i = 0; i < table.rows.size(); ++i)
            places[table.rows[i][0]].push_back(i);
        std::size_t earliest = table.rows.size();
        for (const auto& [name, at] : places) {
            if (at.size() == 1) continue;
            ASSERT_EQ(at.size(), 2u) << name;
            EXPECT_GE(at[1] - at[0], kMinRepeatDistance) << name << " with " << repeats;
            EXPECT_GE(at[1], 1300 - repeats) << name << ": later row not in the tail";
            earliest = std::min(earliest, at[0]);
        }
        // The name met first, in the part a press visits most, has the row seen least.
        EXPECT_EQ(places[table.rows.back()[0]][0], earliest) << repeats;
    }
}

TEST(RowOrder, RepeatsKeepTheOrderFixedAndRefuseWhatCannotBeKeptApart) {
    NameTable a = TableWithRepeats(1300, 200), b = a;
    ShuffleRows(a);
    ShuffleRows(b);
    EXPECT_EQ(a.rows, b.rows);
    NameTable tooMany = TableWithRepeats(1300, 451);
    EXPECT_THROW(ShuffleRows(tooMany), std::runtime_error);
    NameTable thrice = TableWithRepeats(1300, 2);
    thrice.rows.push_back({"n1", "r", ""});
    EXPECT_THROW(ShuffleRows(thrice), std::runtime_error);
}

} // namespace
