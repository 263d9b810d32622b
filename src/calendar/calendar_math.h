#pragma once

#include <cmath>
#include <cstdint>

// The integer rules every calendar routine builds on, written once: division rounding down
// or toward zero, the two leap rules, month lengths and the proleptic Gregorian day count.
// Each helper is total: a zero divisor gives 0 and the one overflowing quotient
// (INT64_MIN / -1) saturates, so no argument is undefined behaviour.
namespace calendar::math {

// Quotient rounded toward zero, as the built-in operator does.
constexpr std::int64_t TruncDiv(std::int64_t a, std::int64_t b) {
    if (b == 0) return 0;
    if (b == -1) return a == INT64_MIN ? INT64_MAX : -a;
    return a / b;
}

// Remainder with the sign of the dividend (a - b * TruncDiv(a, b)).
constexpr std::int64_t TruncMod(std::int64_t a, std::int64_t b) {
    if (b == 0 || b == -1) return 0;
    return a % b;
}

// Quotient rounded toward minus infinity.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = TruncDiv(a, b);
    return TruncMod(a, b) != 0 && (a < 0) != (b < 0) ? q - 1 : q;
}

// Remainder with the sign of the divisor (a - b * FloorDiv(a, b)).
constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    const std::int64_t r = TruncMod(a, b);
    return r != 0 && (r < 0) != (b < 0) ? r + b : r;
}

// The Gregorian rule, applied to any year number.
constexpr bool IsGregorianLeapYear(std::int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The Julian rule on historical year numbers: counting back from year 1 the leap years are
// -1, -5, -9, ...; year 0, which history does not have, counts as leap like year 4.
constexpr bool IsJulianLeapYear(std::int64_t year) {
    return year >= 0 ? year % 4 == 0 : year % 4 == -1;
}

// 28..31 for months 1..12, 0 for any other month number.
constexpr int DaysInMonth(int month, bool leap) {
    constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && leap ? 29 : kLengths[month - 1];
}

// Proleptic Gregorian day count with 0 on 0000-03-01 (years starting in March keep the leap
// day last). Any month and day are accepted: month 13 is January of the next year, day 0 the
// last day of the previous month. Years beyond +-2^40 are pulled to that bound, which keeps
// every count inside 64 bits (callers pass at most a 32-bit year stepped by one).
constexpr std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    constexpr std::int64_t kYearLimit = std::int64_t{1} << 40;
    const std::int64_t m0 = std::int64_t{month} - 1;
    std::int64_t y = (year < -kYearLimit  ? -kYearLimit
                      : year > kYearLimit ? kYearLimit
                                          : year) +
                     FloorDiv(m0, 12);
    const std::int64_t m = FloorMod(m0, 12) + 1;
    if (m <= 2) --y;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (m + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

struct CivilDate {
    std::int64_t year = 0;
    int month = 0;
    int day = 0;
};

// Inverse of DaysFromCivil, for any day count.
constexpr CivilDate CivilFromDays(std::int64_t days) {
    const std::int64_t era = FloorDiv(days, 146097);
    const std::int64_t doe = FloorMod(days, 146097); // era * 146097 may not fit

    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (m <= 2 ? 1 : 0), static_cast<int>(m), static_cast<int>(d)};
}

// Nearest integer, ties to the even one, whatever rounding mode the floating-point
// environment is in: std::round is specified independently of the mode, and x - r is exact
// (r is 0 or lies within a factor of two of x), so the tie test does not depend on it either.
inline double RoundHalfEven(double x) {
    double r = std::round(x);
    if (std::fabs(x - r) == 0.5 && std::fmod(r, 2.0) != 0) r -= std::copysign(1.0, r);
    return r;
}

} // namespace calendar::math
