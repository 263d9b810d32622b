#pragma once

#include <cstdint>

namespace naming {

// The process-wide generator of the suggestions. It starts at 0 and only draws change
// it, so every run of the program repeats the same sequence of grids.
std::uint32_t RandSeed();
void SetRandSeed(std::uint32_t seed);

// A whole number from 0 to n - 1: the seed advances by the linear congruence first,
// then the upper half of seed * n is the draw.
int Random(int n);

} // namespace naming
