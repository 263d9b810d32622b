#pragma once

#include "name_list_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The store keeps its rows in a scrambled but fixed order: a press walks forward through the
// stored order, and the lists are kept sorted by reading, so storing them as listed would
// show runs of names that sound alike. The generator is our own (SplitMix64 with an unbiased
// bounded draw), so the order is the same with every compiler and standard library.

// The seed every store is built with; change it only on purpose, since it reshuffles the store.
inline constexpr std::uint64_t kRowOrderSeed = 0x7a3d'1c95'e4b2'0f68ULL;

// A permutation of 0..count-1 drawn by a Fisher-Yates shuffle from the seed.
std::vector<std::size_t> ShuffledOrder(std::size_t count, std::uint64_t seed);

// The seed for one table: kRowOrderSeed mixed with the table's name, so the four tables do
// not share one pattern.
std::uint64_t TableSeed(const std::string& tableName);

// The least number of rows between the two rows of a name that a table holds twice.
inline constexpr std::size_t kMinRepeatDistance = 400;

// Puts the table's rows into the order ShuffledOrder(rows, TableSeed(name)) gives, then keeps
// repeated names apart as KeepRepeatsApart does.
void ShuffleRows(NameTable& table);

// A one-character table short of fitting characters holds some names twice (the name is a
// row's first field). A press rarely reaches the last rows of a table, so the later row of
// each such name moves to the end: the name met earliest gets the last row. A first row that
// would then lie within kMinRepeatDistance of the tail swaps places with the nearest earlier
// row of a name held once. Rows are otherwise left in their order. Throws std::runtime_error
// for a name held more than twice or more repeats than the table can keep apart.
void KeepRepeatsApart(NameTable& table);
