#pragma once

#include "calendar/date_time.h"

#include <cstdint>

// Conversion between civil dates and Chinese lunar dates for the civil years -849 .. 2100.
// The lunar month is a count of mean lunations corrected by the stored leap months; the
// lunar day comes from the computed new moons.
namespace calendar {

// 0 (no leap month) or the month 1..12 that a leap month follows; -1 outside -849 .. 2100.
int LeapMonthOf(std::int64_t year);
// Leap years from -849 through the year (year 0 reads year -1; years outside the table read
// the nearest end).
int LeapCountThrough(std::int64_t year);
// Signed lunar month of the civil date: negative for a leap month.
int LunarMonthOf(int year, int month, int day);
// Outputs are left alone on failure (a civil year outside -849 .. 2100).
bool LunarMonthDayOf(int year, int month, int day, int& lunarMonth, int& lunarDay, bool& leap);
bool LunarDateOf(int year, int month, int day, int& lunarYear, int& lunarMonth, int& lunarDay,
                 bool& leap);
bool LunarDateOfDateTime(TDateTime t, int& lunarYear, int& lunarMonth, int& lunarDay, bool& leap);
// Civil date of a lunar date, searched by bisection over the civil years lunarYear and
// lunarYear + 1. Fails for a leap month the year does not have and for a lunar date that
// no day of the window matches.
bool LunarToGregorian(int lunarYear, int lunarMonth, int lunarDay, bool leap, int& year, int& month,
                      int& day);

} // namespace calendar
