#include "calendar/date_time.h"

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

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Proleptic Gregorian day count with 0 on 0000-03-01 (March-based years keep leap days last).
std::int64_t DaysFromMarchEpoch(std::int64_t y, std::int64_t m, std::int64_t d) {
    // Normalise the month first so that any month number works.
    y += FloorDiv(m - 1, 12);
    m = m - 1 - FloorDiv(m - 1, 12) * 12 + 1;
    if (m <= 2) --y;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (m + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

// 1899-12-30 counted from 0000-03-01.
const std::int64_t kEpochShift = DaysFromMarchEpoch(1899, 12, 30);

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    const std::int64_t z = days + kEpochShift;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    year = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    month = static_cast<int>(m);
    day = static_cast<int>(d);
}

bool IsGregorianLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

} // namespace

std::int64_t GregorianDaysOf(int year, int month, int day) {
    return DaysFromMarchEpoch(year, month, day) - kEpochShift;
}

bool IsValidDate(int year, int month, int day) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    const int length = month == 2 && IsGregorianLeap(year) ? 29 : kLengths[month - 1];
    return day <= length;
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
    if (!IsValidDate(year, month, day)) return false;
    result = static_cast<TDateTime>(GregorianDaysOf(year, month, day));
    return true;
}

bool DecodeDate(TDateTime t, int& year, int& month, int& day) {
    // The bound keeps the millisecond count well inside 64 bits before it is converted.
    if (!std::isfinite(t) || std::fabs(t) > static_cast<double>(kLastDay + 2)) return false;
    const auto ms = static_cast<std::int64_t>(std::nearbyint(t * static_cast<double>(kMsPerDay)));
    const std::int64_t days = ms / kMsPerDay;
    if (days < kFirstDay || days > kLastDay) return false;
    CivilFromDays(days, year, month, day);
    return true;
}

int DayOfWeekOf(int year, int month, int day) {
    // 1899-12-30 was a Saturday.
    const std::int64_t w = (GregorianDaysOf(year, month, day) + 6) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w) + 1;
}

int IsoWeekOf(int year, int month, int day) {
    const std::int64_t days = GregorianDaysOf(year, month, day);
    const int isoWeekday = (DayOfWeekOf(year, month, day) + 5) % 7 + 1; // Monday 1 .. Sunday 7
    // The week belongs to the year of its Thursday.
    const std::int64_t thursday = days - isoWeekday + 4;
    int ty = 0, tm = 0, td = 0;
    CivilFromDays(thursday, ty, tm, td);
    return static_cast<int>((thursday - GregorianDaysOf(ty, 1, 1)) / 7 + 1);
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
