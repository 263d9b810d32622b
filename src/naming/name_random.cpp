#include "naming/name_random.h"

namespace naming {
namespace {
std::uint32_t g_seed = 0;
}

std::uint32_t RandSeed() { return g_seed; }
void SetRandSeed(std::uint32_t seed) { g_seed = seed; }

int Random(int n) {
    g_seed = g_seed * 134775813u + 1u; // wraps modulo 2^32
    const std::uint64_t product = static_cast<std::uint64_t>(g_seed) * static_cast<std::uint32_t>(n);
    return static_cast<int>(product >> 32);
}

} // namespace naming
