#include "row_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
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

// A one-character table of `count` rows over `names` names, each held as evenly often as
// the count allows.
NameTable TableWithRepeats(std::size_t count, std::size_t names) {
    NameTable table;
    table.name = "female1";
    table.columns = {"danm", "pinyin", "source"};
    for (std::size_t i = 0; i < count; ++i)
        table.rows.push_back({"n" + std::to_string(i % names), std::to_string(i), ""});
    return table;
}

TEST(RowOrder, RepeatedNamesLieARoundApart) {
    for (const std::size_t names : {1300u, 1299u, 1000u, 650u, 400u, 358u, 300u}) {
        NameTable table = TableWithRepeats(1300, names);
        const std::multiset<std::vector<std::string>> before(table.rows.begin(), table.rows.end());
        ShuffleRows(table);
        ASSERT_EQ(table.rows.size(), 1300u);
        EXPECT_EQ(before,
                  std::multiset<std::vector<std::string>>(table.rows.begin(), table.rows.end()));
        std::map<std::string, std::vector<std::size_t>> places;
        for (std::size_t i = 0; i < table.rows.size(); ++i)
            places[table.rows[i][0]].push_back(i);
        ASSERT_EQ(places.size(), names);
        for (const auto& [name, at] : places)
            for (std::size_t k = 1; k < at.size(); ++k)
                EXPECT_EQ(at[k] - at[k - 1], names) << name << " of " << names;
        // The first round holds every name once.
        std::set<std::string> firstRound;
        for (std::size_t i = 0; i < names; ++i)
            firstRound.insert(table.rows[i][0]);
        EXPECT_EQ(firstRound.size(), names);
    }
}

TEST(RowOrder, RepeatsKeepTheOrderFixedAndRefuseWhatCannotBeKeptApart) {
    NameTable a = TableWithRepeats(1300, 400), b = a;
    ShuffleRows(a);
    ShuffleRows(b);
    EXPECT_EQ(a.rows, b.rows);
    NameTable single = TableWithRepeats(1300, 1300);
    NameTable unshuffled = single;
    ShuffleRows(single);
    EXPECT_EQ(single.rows, [&] {
        NameTable t = unshuffled;
        const auto order = ShuffledOrder(t.rows.size(), TableSeed(t.name));
        NameTable out = t;
        for (std::size_t i = 0; i < order.size(); ++i)
            out.rows[i] = t.rows[order[i]];
        return out.rows;
    }()) << "a table without repeats keeps the plain shuffled order";
    NameTable tooFew = TableWithRepeats(1300, 299);
    EXPECT_THROW(ShuffleRows(tooFew), std::runtime_error);
    // One name held three times among names held once: its rows could not lie apart.
    NameTable lopsided = TableWithRepeats(1000, 1000);
    lopsided.rows.push_back({"n1", "x", ""});
    lopsided.rows.push_back({"n1", "y", ""});
    EXPECT_THROW(ShuffleRows(lopsided), std::runtime_error);
}

} // namespace
