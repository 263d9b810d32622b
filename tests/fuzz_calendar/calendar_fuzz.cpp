// libFuzzer target over the calendar engine's entry points and the lunarcal command line.
// Built by scripts/fuzz-calendar.sh with clang; not part of the CMake build.
#include "calendar/chn_cal.h"
#include "calendar/civil_calendar.h"
#include "calendar/cycles.h"
#include "calendar/eras.h"
#include "calendar/festivals.h"
#include "calendar/lunar_date.h"
#include "calendar/new_moon.h"
#include "calendar/solar_terms.h"
#include "lunarcal.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace calendar;

namespace {

// A failed check is a finding like a crash.
void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Mostly plausible dates, sometimes any 32-bit value.
int Pick(FuzzedDataProvider& in, int low, int high) {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange(low, high) : in.ConsumeIntegral<int>();
}

void Engine(FuzzedDataProvider& in) {
    const int year = Pick(in, -900, 2200);
    const int month = Pick(in, 0, 13);
    const int day = Pick(in, 0, 32);

    const int kind = CalendarKind(year, month, day);
    Check(kind >= 0 && kind <= 2, "calendar kind");
    const int dim = DaysInMonth(year, month);
    Check(dim == 0 || (dim >= 28 && dim <= 31), "days in month");
    Check(CycleName(DayCycleOfDate(year, month, day)).size() == 6, "day cycle");
    Check(YearCycle(year) >= 0 && YearCycle(year) < 60, "year cycle");
    Check(AnimalIndex(year) >= 0 && AnimalIndex(year) < 12, "animal");
    Check(ConstellationIndex(month, day) >= 0 && ConstellationIndex(month, day) < 12, "zodiac");
    const int monthCycle = MonthCycleOfDate(year, month, day);
    Check(monthCycle >= -1 && monthCycle < 60, "month cycle");
    Check(YearCycleOfDate(year, month, day) >= 0, "solar year cycle");
    int stem = 0, branch = 0;
    SplitCycle(in.ConsumeIntegral<int>(), stem, branch);
    CycleOf(in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>());
    LunarDayName(in.ConsumeIntegral<int>());
    const int weekday = DayOfWeekOf(year, month, day);
    Check(weekday >= 1 && weekday <= 7, "weekday");
    TDateTime encoded = 0;
    if (TryEncodeDate(year, month, day, encoded)) {
        const int week = IsoWeekOf(year, month, day);
        Check(week >= 1 && week <= 53, "ISO week");
        int y = 0, m = 0, d = 0;
        Check(DecodeDate(encoded, y, m, d) && y == year && m == month && d == day,
              "encoded dates decode back");
    }

    const std::int64_t number = DayNumber(year, month, day);
    int y = 0, m = 0, d = 0;
    if (number >= 577736 && DayNumberToDate(number, y, m, d) && kind == 2 && month >= 1 &&
        month <= 12 && day >= 1 && day <= dim)
        Check(y == year && m == month && d == day, "Gregorian day numbers map back");

    int termMonth = 0, termDay = 0;
    SolarTermDate(year, in.ConsumeIntegral<int>(), termMonth, termDay);
    const int lunarDay = LunarDayOf(year, month, day);
    Check(lunarDay == -1 || (lunarDay >= 1 && lunarDay <= 30), "lunar day");
    LunarMonthOf(year, month, day);

    int ly = 0, lm = 0, ld = 0;
    bool leap = false;
    if (LunarDateOf(year, month, day, ly, lm, ld, leap)) {
        Check(lm >= 1 && lm <= 12, "lunar month");
        Check(ly == year || ly == year - 1, "lunar year");
    }
    const int qy = Pick(in, -900, 2200), qm = Pick(in, 0, 13), qd = Pick(in, 0, 31);
    const bool qleap = in.ConsumeBool();
    if (LunarToGregorian(qy, qm, qd, qleap, y, m, d)) Check(m >= 1 && m <= 12, "civil month");

    EraTextOf(year);
    const std::string text = in.ConsumeRandomLengthString(64);
    const std::string separator = in.ConsumeRandomLengthString(3);
    FieldOf(text, separator, in.ConsumeIntegral<int>(), in.ConsumeBool());
}

void DateTimes(FuzzedDataProvider& in) {
    const double t = in.ConsumeBool() ? in.ConsumeFloatingPointInRange(-700000.0, 3000000.0)
                                      : in.ConsumeFloatingPoint<double>();
    TChnCal cal;
    cal.Update(t);
    cal.Update(t + 1);
    SolarTermOfDate(t);
    SolarFestivalOf(in.ConsumeIntegral<int>(), t);
    LunarFestivalOf(in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), t);
    int ly = 0, lm = 0, ld = 0;
    bool leap = false;
    LunarDateOfDateTime(t, ly, lm, ld, leap);
    int y = 0, m = 0, d = 0;
    if (DecodeDate(t, y, m, d)) Check(IsValidDate(y, m, d), "decoded date");
}

void CommandLine(FuzzedDataProvider& in) {
    std::vector<std::string> args;
    const int count = in.ConsumeIntegralInRange(0, 5);
    for (int i = 0; i < count; ++i)
        args.push_back(in.ConsumeRandomLengthString(24));
    // Keep each run short: a --tsv range is cut to its first date.
    if (args.size() > 2 && args[0] == "--tsv") args.resize(2);
    static std::FILE* sink = std::fopen("/dev/null", "w");
    const int status = lunarcal::Run(args, sink, sink, 45000.5);
    Check(status >= 0 && status <= 2, "exit status");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
        Engine(in);
        break;
    case 1:
        DateTimes(in);
        break;
    default:
        CommandLine(in);
        break;
    }
    return 0;
}
