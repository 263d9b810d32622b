#include "row_order.h"

#include <algorithm>
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

} // namespace

void KeepRepeatsApart(NameTable& table) {
    std::vector<std::string> order; // names by their first row
    std::map<std::string, Rows> copies;
    for (auto& row : table.rows) {
        auto& rows = copies[row.at(0)];
        if (rows.empty()) order.push_back(row[0]);
        rows.push_back(std::move(row));
    }
    std::stable_sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
        return copies[a].size() > copies[b].size();
    });
    const std::size_t rounds = order.empty() ? 0 : copies[order.front()].size();
    // A name's rows lie as far apart as the round before its later row is long; the shortest
    // such round is the last but one.
    if (rounds > 1) {
        const auto shortest = std::count_if(order.begin(), order.end(), [&](const auto& name) {
            return copies[name].size() >= rounds - 1;
        });
        if (static_cast<std::size_t>(shortest) < kMinRepeatDistance)
            throw std::runtime_error(table.name + ": too few names to keep repeated ones apart");
    }
    Rows laidOut;
    laidOut.reserve(table.rows.size());
    for (std::size_t round = 0; round < rounds; ++round)
        for (const auto& name : order)
            if (round < copies[name].size()) laidOut.push_back(std::move(copies[name][round]));
    table.rows = std::move(laidOut);
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
