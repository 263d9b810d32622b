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

// The least number of rows between two rows of a name that a table holds more than once.
inline constexpr std::size_t kMinRepeatDistance = 300;

// Puts the table's rows into the order ShuffledOrder(rows, TableSeed(name)) gives, then keeps
// repeated names apart as KeepRepeatsApart does.
void ShuffleRows(NameTable& table);

// A one-character table short of fitting characters holds some names more than once (the name
// is a row's first field). The table is laid out in rounds: the first round holds every name
// once, in the shuffled order of its first rows, those with the most rows first; each further
// round repeats, in the same order, the names that still have rows. Two rows of one name are
// then as far apart as a round is long. Throws std::runtime_error when that is less than
// kMinRepeatDistance.
void KeepRepeatsApart(NameTable& table);
