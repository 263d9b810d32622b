#include "calendar/civil_calendar.h"

#include "calendar/calendar_math.h"

#include <algorithm>
#include <cmath>

namespace calendar {
namespace {

// The last Julian day number (1582-10-04) as DayNumber counts it.
constexpr std::int64_t kLastJulianDayNumber = 577735;

} // namespace

std::int64_t ClampYear(std::int64_t year) {
    constexpr std::int64_t kYearLimit = std::int64_t{1} << 40;
    return std::clamp(year, -kYearLimit, kYearLimit);
}

int CalendarKind(std::int64_t year, int month, int day) {
    if (year < 1582) return 1;
    if (year == 1582 && month < 10) return 1;
    if (year == 1582 && month == 10) {
        if (day <= 4) return 1;
        if (day <= 14) return 0;
    }
    return 2;
}

bool IsLeap(std::int64_t year) {
    if (CalendarKind(year, 1, 1) == 2) return math::IsGregorianLeapYear(year);
    return math::IsJulianLeapYear(year);
}

int DaysInMonth(std::int64_t year, int month) {
    return math::DaysInMonth(month, month == 2 && IsLeap(year));
}

std::int64_t DayOfYear(std::int64_t year, int month, int day) {
    std::int64_t sum = day;
    const int last = month <= 1 ? 0 : std::min(month - 1, 12);
    const bool leap = last >= 2 && IsLeap(year);
    for (int m = 1; m <= last; ++m)
        sum += math::DaysInMonth(m, leap);
    return sum;
}

std::int64_t CycleDayNumber(std::int64_t year, int month, int day) {
    year = ClampYear(year);
    const std::int64_t base = year > 0 ? (year - 1) * 365 : year * 365;
    std::int64_t leapDays = 0;
    if (year < 0) {
        leapDays = -((3 - year) / 4);
    } else {
        std::int64_t c = 0;
        if (CalendarKind(year, month, day) == 2)
            c = year <= 1700 ? 10 : 10 + ((year - 1701) / 100 + 1) - (year - 1601) / 400;
        leapDays = (year - 1) / 4 - c;
    }
    return base + DayOfYear(year, month, day) + leapDays;
}

std::int64_t DayNumber(std::int64_t year, int month, int day) {
    year = ClampYear(year);
    const std::int64_t e = year - 1;
    switch (CalendarKind(year, month, day)) {
    case 1:
        return DayOfYear(year, month, day) + 365 * e + e / 4 - 2;
    case 2:
        return DayOfYear(year, month, day) + 365 * e + e / 4 - e / 100 + e / 400;
    default:
        return 0;
    }
}

bool DayNumberToDate(std::int64_t a, int& year, int& month, int& day) {
    if (a < 0) return false;
    if (a <= kLastJulianDayNumber) a = a + 2 - a / 36500 + a / 146000;
    // From here a >= 1 counts days of the Gregorian rule from 0001-01-01. Whole 400-year
    // cycles first, then the walk through the years: a year is stepped over while the count
    // left exceeds the length of the year the walk stands in.
    constexpr std::int64_t kCycleDays = 146097;
    std::int64_t y = 1 + (a - 1) / kCycleDays * 400;
    a -= (a - 1) / kCycleDays * kCycleDays;
    for (;;) {
        const std::int64_t length = math::IsGregorianLeapYear(y) ? 366 : 365;
        if (a <= length) break;
        a -= length;
        ++y;
    }
    if (y > INT32_MAX) return false;
    for (int m = 1; m <= 12; ++m) {
        const int length = DaysInMonth(y, m);
        if (a <= length) {
            year = static_cast<int>(y);
            month = m;
            day = static_cast<int>(a);
            return true;
        }
        a -= length;
    }
    return false;
}

int CompareDates(std::int64_t y1, int m1, int d1, std::int64_t y2, int m2, int d2) {
    if (y1 != y2) return y1 > y2 ? 1 : -1;
    if (m1 != m2) return m1 > m2 ? 1 : -1;
    if (d1 != d2) return d1 > d2 ? 1 : -1;
    return 0;
}

int CompareLunarDates(std::int64_t y1, int m1, int d1, bool leap1, std::int64_t y2, int m2, int d2,
                      bool leap2) {
    if (y1 != y2) return y1 > y2 ? 1 : -1;
    if (m1 != m2) return m1 > m2 ? 1 : -1;
    if (leap1 != leap2) return leap1 ? 1 : -1;
    if (d1 != d2) return d1 > d2 ? 1 : -1;
    return 0;
}

double Frac(double x) {
    return x - std::floor(x);
}

std::int64_t Wrap(std::int64_t x, std::int64_t n) {
    const std::int64_t r = math::TruncMod(x, n);
    // r lies strictly between -|n| and |n|, so neither step can overflow.
    if (r >= 0) return r;
    return n > 0 ? r + n : r - n;
}

} // namespace calendar
