#pragma once

#include <cstdint>
#include <string_view>

// The sexagenary cycles, the animals, the western zodiac and the Chinese name texts.
// A cycle index is 0..59 (stem = index mod 10, branch = index mod 12); -1 is no cycle.
namespace calendar {

int YearCycle(std::int64_t year);
int AnimalIndex(std::int64_t year);
int DayCycleOfDate(std::int64_t year, int month, int day);
int CycleOf(int stem, int branch);
bool SplitCycle(int cycle, int& stem, int& branch);
int ConstellationIndex(int month, int day);

// Table texts; empty for an index outside the table.
std::string_view CycleName(int cycle);
std::string_view AnimalName(int index);
std::string_view SolarTermName(int index); // 0 = start of spring
std::string_view ConstellationName(int index);
std::string_view StemName(int stem);
std::string_view BranchName(int branch);
std::string_view LunarMonthName(int month); // 1..12: 正 .. 腊
// "初一" .. "三十" for 1..30.
std::string_view LunarDayName(int day);

} // namespace calendar
