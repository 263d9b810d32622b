#include "row_order.h"

#include <map>
#include <stdexcept>

namespace {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9e37'79b9'7f4a'7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58'476d'1ce4'e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d0'49bb'1331'11ebULL;
        return z ^ (z >> 31);
    }
    // A draw from 0..bound-1 without modulo bias: values from the short top slice of the
    // 64-bit range are thrown back.
    std::uint64_t Below(std::uint64_t bound) {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
        std::uint64_t value;
        do
            value = Next();
        while (value >= limit);
        return value % bound;
    }

private:
    std::uint64_t state_;
};

using Rows = std::vector<std::vector<std::string>>;

// Splits off the later row of every repeated name; `rest` keeps the other rows in order.
Rows TakeLaterCopies(const NameTable& table, Rows& rest) {
    std::map<std::string, int> seen;
    Rows later;
    for (const auto& row : table.rows) {
        const int count = ++seen[row.at(0)];
        if (count > 2)
            throw std::runtime_error(table.name + ": " + row[0] + " is held more than twice");
        (count == 2 ? later : rest).push_back(row);
    }
    return later;
}

// Moves first rows of repeated names that lie at `limit` or beyond to earlier places, each
// swapping with the nearest row before `limit` whose name is held once.
void MoveFirstCopiesBefore(Rows& rest, std::size_t limit,
                           const std::map<std::string, int>& repeated) {
    std::size_t slot = limit;
    for (std::size_t i = limit; i < rest.size(); ++i) {
        if (!repeated.count(rest[i][0])) continue;
        do
            --slot;
        while (repeated.count(rest[slot][0]));
        std::swap(rest[i], rest[slot]);
    }
}

} // namespace

void KeepRepeatsApart(NameTable& table) {
    Rows rest;
    Rows later = TakeLaterCopies(table, rest);
    if (later.empty()) return;
    const std::size_t n = table.rows.size();
    const std::size_t k = later.size();
    if (n < 2 * k + kMinRepeatDistance)
        throw std::runtime_error(table.name + ": too many repeated names to keep apart");
    std::map<std::string, int> repeated;
    for (std::size_t i = 0; i < k; ++i)
        repeated[later[i][0]] = static_cast<int>(i);
    MoveFirstCopiesBefore(rest, n - k - kMinRepeatDistance, repeated);
    // The tail takes the later rows in the reverse order of their first rows.
    Rows tail;
    for (const auto& row : rest)
        if (const auto it = repeated.find(row[0]); it != repeated.end())
            tail.push_back(std::move(later[it->second]));
    table.rows = std::move(rest);
    table.rows.insert(table.rows.end(), std::make_move_iterator(tail.rbegin()),
                      std::make_move_iterator(tail.rend()));
}

std::vector<std::size_t> ShuffledOrder(std::size_t count, std::uint64_t seed) {
    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = i;
    SplitMix64 random(seed);
    for (std::size_t i = count; i > 1; --i) {
        const std::size_t j = static_cast<std::size_t>(random.Below(i));
        std::swap(order[i - 1], order[j]);
    }
    return order;
}

std::uint64_t TableSeed(const std::string& tableName) {
    // FNV-1a over the name's bytes.
    std::uint64_t hash = 0xcbf2'9ce4'8422'2325ULL;
    for (unsigned char c : tableName) {
        hash ^= c;
        hash *= 0x0000'0100'0000'01b3ULL;
    }
    return kRowOrderSeed ^ hash;
}

void ShuffleRows(NameTable& table) {
    const auto order = ShuffledOrder(table.rows.size(), TableSeed(table.name));
    std::vector<std::vector<std::string>> rows;
    rows.reserve(order.size());
    for (std::size_t index : order)
        rows.push_back(std::move(table.rows[index]));
    table.rows = std::move(rows);
    KeepRepeatsApart(table);
}
