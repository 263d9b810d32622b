#pragma once

#include <cstdint>

namespace calendar {

// Days since 1899-12-30 00:00 in the proleptic Gregorian calendar; the fraction is the time
// of day. Valid dates run from 0001-01-01 to 9999-12-31.
using TDateTime = double;

// Day count of a proleptic Gregorian date, 0 on 1899-12-30. Any month and day are accepted:
// month 13 is January of the next year, day 0 the last day of the previous month.
std::int64_t GregorianDaysOf(int year, int month, int day);

// Whether year-month-day is a real proleptic Gregorian date in years 1..9999.
bool IsValidDate(int year, int month, int day);

// Fails (and leaves the result alone) for a date IsValidDate rejects.
bool TryEncodeDate(int year, int month, int day, TDateTime& result);

// Splits a date-time the way the platform does: rounded to the millisecond first, then the
// whole days (truncated toward zero). Fails for NaN, infinities and dates outside 1..9999.
bool DecodeDate(TDateTime t, int& year, int& month, int& day);

// 1 = Sunday .. 7 = Saturday of the proleptic Gregorian date; any month and day are accepted.
int DayOfWeekOf(int year, int month, int day);

// ISO 8601 week number (1..53) of a valid date.
int IsoWeekOf(int year, int month, int day);

// The local date and time now.
TDateTime Now();

} // namespace calendar
