#include "calendar/chn_cal.h"
#include "calendar/civil_calendar.h"
#include "calendar/eras.h"
#include "calendar/lunar_date.h"

#include <benchmark/benchmark.h>

#include <cstdint>

using namespace calendar;

namespace {

// Walks the days 1900 .. 2100 so that every year's shared results are warm after one lap.
struct DayWalk {
    std::int64_t first = DayNumber(1900, 1, 1);
    std::int64_t last = DayNumber(2100, 12, 31);
    std::int64_t next = first;
    void Date(int& y, int& m, int& d) {
        DayNumberToDate(next, y, m, d);
        next = next == last ? first : next + 1;
    }
};

void BM_LunarDateOf(benchmark::State& state) {
    DayWalk walk;
    for (auto _ : state) {
        int y = 0, m = 0, d = 0;
        walk.Date(y, m, d);
        int ly = 0, lm = 0, ld = 0;
        bool leap = false;
        benchmark::DoNotOptimize(LunarDateOf(y, m, d, ly, lm, ld, leap));
        benchmark::DoNotOptimize(ld);
    }
}
BENCHMARK(BM_LunarDateOf);

void BM_LunarToGregorian(benchmark::State& state) {
    int year = 1900, month = 1, day = 1;
    for (auto _ : state) {
        int y = 0, m = 0, d = 0;
        benchmark::DoNotOptimize(LunarToGregorian(year, month, day, false, y, m, d));
        if (++day > 29) {
            day = 1;
            if (++month > 12) {
                month = 1;
                year = year == 2099 ? 1900 : year + 1;
            }
        }
    }
}
BENCHMARK(BM_LunarToGregorian);

// One displayed month: the selected date, then each of its days, on one reused record.
void BM_ChnCalUpdateMonth(benchmark::State& state) {
    int year = 1900, month = 1;
    TChnCal cal;
    for (auto _ : state) {
        TDateTime t = 0;
        TryEncodeDate(year, month, 15, t);
        cal.Update(t);
        for (int d = 1; d <= 31 && TryEncodeDate(year, month, d, t); ++d)
            cal.Update(t);
        benchmark::DoNotOptimize(cal.CnDay.data());
        if (++month > 12) {
            month = 1;
            year = year == 2100 ? 1900 : year + 1;
        }
    }
}
BENCHMARK(BM_ChnCalUpdateMonth)->Unit(benchmark::kMicrosecond);

void BM_EraTextOf(benchmark::State& state) {
    int year = -2069;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EraTextOf(year));
        year = year == 1948 ? -2069 : year + 1;
    }
}
BENCHMARK(BM_EraTextOf);

} // namespace
