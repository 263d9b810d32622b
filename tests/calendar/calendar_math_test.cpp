#include "calendar/calendar_math.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <vector>

using namespace calendar;

namespace {

const std::vector<std::int64_t> kOperands = {
    INT64_MIN, INT64_MIN + 1, INT32_MIN, -146097, -401, -7,  -1,
    0,         INT32_MAX,     1,         7,       12,   400, INT64_MAX};

// q * b + r == a, in the wrapping arithmetic of unsigned numbers: a floor quotient times the
// divisor may lie outside 64 bits even though the identity holds.
bool Recombines(std::int64_t q, std::int64_t b, std::int64_t r, std::int64_t a) {
    using U = std::uint64_t;
    return U(q) * U(b) + U(r) == U(a);
}

} // namespace

TEST(CalendarMath, DivisionIdentitiesHoldForEveryOperandPair) {
    for (const std::int64_t a : kOperands)
        for (const std::int64_t b : kOperands) {
            if (b == 0) {
                EXPECT_EQ(math::FloorDiv(a, b), 0);
                EXPECT_EQ(math::FloorMod(a, b), 0);
                continue;
            }
            if (a == INT64_MIN && b == -1) continue; // the one quotient that saturates
            const std::int64_t q = math::TruncDiv(a, b), r = math::TruncMod(a, b);
            EXPECT_TRUE(Recombines(q, b, r, a)) << a << " / " << b;
            EXPECT_TRUE(r == 0 || (r < 0) == (a < 0)) << a << " % " << b;
            const std::int64_t fq = math::FloorDiv(a, b), fr = math::FloorMod(a, b);
            EXPECT_TRUE(Recombines(fq, b, fr, a)) << a << " div " << b;
            EXPECT_TRUE(fr == 0 || (fr < 0) == (b < 0)) << a << " mod " << b;
        }
    EXPECT_EQ(math::TruncDiv(INT64_MIN, -1), INT64_MAX);
    EXPECT_EQ(math::FloorDiv(-7, 2), -4);
    EXPECT_EQ(math::FloorMod(-7, 12), 5);
}

TEST(CalendarMath, LeapRulesAndMonthLengthsAgreeWithTheDayCount) {
    for (int year = -1000; year <= 3000; ++year) {
        const bool leap = math::IsGregorianLeapYear(year);
        int sum = 0;
        for (int month = 1; month <= 12; ++month)
            sum += math::DaysInMonth(month, leap);
        ASSERT_EQ(math::DaysFromCivil(year + 1, 1, 1) - math::DaysFromCivil(year, 1, 1), sum)
            << year;
        ASSERT_EQ(math::DaysFromCivil(year, 3, 0), math::DaysFromCivil(year, 2, leap ? 29 : 28));
    }
    EXPECT_TRUE(math::IsJulianLeapYear(1900));
    EXPECT_TRUE(math::IsJulianLeapYear(0));
    EXPECT_TRUE(math::IsJulianLeapYear(-1));
    EXPECT_FALSE(math::IsJulianLeapYear(-4));
    EXPECT_EQ(math::DaysInMonth(0, false), 0);
    EXPECT_EQ(math::DaysInMonth(13, true), 0);
}

TEST(CalendarMath, RoundHalfEvenIgnoresTheRoundingMode) {
    // Ties, values beside ties, and the first magnitudes where the spacing reaches 1.
    std::vector<double> values = {2.4999999999999996, 0.49999999999999994, 1e15 + 0.5,
                                  4503599627370497.0, -4503599627370497.0};
    for (double x = -20; x <= 20; x += 0.125)
        values.push_back(x);
    // The reference is taken in the default mode, where ties already go to even.
    std::vector<double> expected;
    for (const double x : values)
        expected.push_back(std::nearbyint(x));
    for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(std::fesetround(mode), 0);
        for (std::size_t i = 0; i < values.size(); ++i) {
            volatile double x = values[i]; // keeps the compiler from folding the call
            EXPECT_EQ(math::RoundHalfEven(x), expected[i]) << values[i] << " mode " << mode;
        }
        std::fesetround(FE_TONEAREST);
    }
}
