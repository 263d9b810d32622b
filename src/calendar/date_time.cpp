#include "calendar/date_time.h"

#include "calendar/calendar_math.h"
#include "calendar/local_time.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace calendar {
namespace {

constexpr std::int64_t kMsPerDay = 86400000;
// 0001-01-01 and 9999-12-31 as day counts from 1899-12-30.
constexpr std::int64_t kFirstDay = -693593;
constexpr std::int64_t kLastDay = 2958465;

// 1899-12-30 counted from 0000-03-01.
constexpr std::int64_t kEpochShift = math::DaysFromCivil(1899, 12, 30);
static_assert(math::DaysFromCivil(1970, 1, 1) - kEpochShift == 25569);

math::CivilDate CivilFromDays(std::int64_t days) {
    return math::CivilFromDays(days + kEpochShift);
}

} // namespace

std::int64_t GregorianDaysOf(int year, int month, int day) {
    return math::DaysFromCivil(year, month, day) - kEpochShift;
}

bool IsValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || day < 1) return false;
    return day <= math::DaysInMonth(month, math::IsGregorianLeapYear(year));
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
    if (!IsValidDate(year, month, day)) return false;
    result = static_cast<TDateTime>(GregorianDaysOf(year, month, day));
    return true;
}

bool DecodeDate(TDateTime t, int& year, int& month, int& day) {
    // The bound keeps the millisecond count well inside 64 bits before it is converted.
    if (!std::isfinite(t) || std::fabs(t) > static_cast<double>(kLastDay + 2)) return false;
    const auto ms =
        static_cast<std::int64_t>(math::RoundHalfEven(t * static_cast<double>(kMsPerDay)));
    const std::int64_t days = math::TruncDiv(ms, kMsPerDay);
    if (days < kFirstDay || days > kLastDay) return false;
    const math::CivilDate date = CivilFromDays(days);
    year = static_cast<int>(date.year);
    month = date.month;
    day = date.day;
    return true;
}

int DayOfWeekOf(int year, int month, int day) {
    // 1899-12-30 was a Saturday.
    return static_cast<int>(math::FloorMod(GregorianDaysOf(year, month, day) + 6, 7)) + 1;
}

int IsoWeekOf(int year, int month, int day) {
    const std::int64_t days = GregorianDaysOf(year, month, day);
    const int isoWeekday = (DayOfWeekOf(year, month, day) + 5) % 7 + 1; // Monday 1 .. Sunday 7
    // The week belongs to the year of its Thursday.
    const std::int64_t thursday = days - isoWeekday + 4;
    // The Thursday's year is kept at 64 bits: a date near the end of the 32-bit years has its
    // Thursday in the year after.
    const std::int64_t thursdayYear = CivilFromDays(thursday).year;
    const std::int64_t yearStart = math::DaysFromCivil(thursdayYear, 1, 1) - kEpochShift;
    return static_cast<int>((thursday - yearStart) / 7 + 1);
}

TDateTime Now() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    if (!LocalTimeOf(secs, local)) {
        // No local time for this instant: count it as UTC (1970-01-01 is day 25569).
        const auto utcMs =
            std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
        return 25569.0 + static_cast<double>(utcMs) / static_cast<double>(kMsPerDay);
    }
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    const double time =
        ((local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec + ms / 1000.0) / 86400.0;
    return static_cast<double>(
               GregorianDaysOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)) +
           time;
}

} // namespace calendar
