#pragma once

#include <cstdint>

// Civil calendar arithmetic of the engine: dates before 1582-10-15 are Julian, the ten dates
// 1582-10-05 .. 1582-10-14 do not exist, later dates are Gregorian. Years are historical for
// the leap rule (year 0 and -1 are both leap years).
//
// Year parameters are 64-bit so that callers can step a 32-bit year by one without overflow;
// day counts are 64-bit because a 32-bit year's day count does not fit in 32 bits. Every
// routine is total: any argument gives a defined result.
namespace calendar {

// 1 = Julian, 2 = Gregorian, 0 = one of the ten dates removed in October 1582.
int CalendarKind(std::int64_t year, int month, int day);
bool IsLeap(std::int64_t year);
// 28..31, 0 for a month outside 1..12 (October 1582 keeps its 31 days).
int DaysInMonth(std::int64_t year, int month);
std::int64_t DayOfYear(std::int64_t year, int month, int day);
// 1 on Julian 0001-01-01; counts through the reform without a gap.
std::int64_t CycleDayNumber(std::int64_t year, int month, int day);
// 1 on Gregorian 0001-01-01; 0 for a removed date. Day 0 of a month is allowed.
std::int64_t DayNumber(std::int64_t year, int month, int day);
// Inverse of DayNumber: exact for Gregorian numbers, approximate before the reform. Fails for
// a negative number or a year beyond 32 bits; the outputs are then left alone.
bool DayNumberToDate(std::int64_t a, int& year, int& month, int& day);

// 1 if the first date is later, 0 if equal, -1 if earlier.
int CompareDates(std::int64_t y1, int m1, int d1, std::int64_t y2, int m2, int d2);
// As CompareDates; a leap month follows the ordinary month of the same number.
int CompareLunarDates(std::int64_t y1, int m1, int d1, bool leap1, std::int64_t y2, int m2, int d2,
                      bool leap2);

// Years beyond +-2^40 are pulled to that bound by the routines that take 64-bit years: the
// engine never passes such a year (at most a 32-bit year stepped by one), and the bound keeps
// every day count inside 64 bits.
std::int64_t ClampYear(std::int64_t year);

// x - floor(x).
double Frac(double x);

// The remainder of x modulo |n| in 0 .. |n| - 1; 0 for n = 0. The division helpers
// themselves are in calendar_math.h.
std::int64_t Wrap(std::int64_t x, std::int64_t n);

} // namespace calendar
