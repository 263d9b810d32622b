#pragma once

#include "calendar/date_time.h"

#include <cstdint>
#include <string_view>

// Solar terms from a closed formula, and the year and month cycles that change with them.
// Term number n: 1 = minor cold (early January) .. 24 = winter solstice; 25 is the next
// year's minor cold.
namespace calendar {

// Fractional day of the year (floor = day of year, 1 = January 1) of term n.
double SolarTermDay(std::int64_t year, int n);
// Month and day of the term with index i (term number i + 1). Fails for i >= 24 and for a
// year so far out that the day cannot be placed; the outputs are then left alone.
bool SolarTermDate(int year, int i, int& month, int& day);
// Name of the term that falls on the civil date of t, else empty.
std::string_view SolarTermOfDate(TDateTime t);
// Cycle index of the year that begins on the day of the start of spring.
int YearCycleOfDate(int year, int month, int day);
// Month of the solar-term calendar (1 begins at the start of spring) and its year.
void SolarMonth(std::int64_t& year, int& month, int day);
// Cycle index of the solar month, or -1.
int MonthCycleOfDate(int year, int month, int day);

} // namespace calendar
