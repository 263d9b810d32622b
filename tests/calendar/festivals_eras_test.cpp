#include "calendar/date_time.h"
#include "calendar/eras.h"
#include "calendar/festivals.h"

#include "calendar_dates.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace calendar;

namespace {

using test_support::Date;

std::string_view Solar(int y, int m, int d) {
    return SolarFestivalOf(d, Date(y, m, d));
}

} // namespace

TEST(Festivals, FixedGregorianDays) {
    EXPECT_EQ(Solar(2024, 1, 1), "元旦节");
    EXPECT_EQ(Solar(2024, 5, 4), "青年节");
    EXPECT_EQ(Solar(2024, 10, 31), "万圣节");
    EXPECT_EQ(Solar(2024, 12, 25), "圣诞节");
    EXPECT_EQ(Solar(2024, 12, 24), "");
    EXPECT_EQ(SolarFestivalOf(1, std::nan("")), "");
}

TEST(Festivals, NthWeekdayOfTheMonth) {
    EXPECT_EQ(Solar(2024, 5, 12), "母亲节");
    EXPECT_EQ(Solar(2024, 5, 5), "");
    EXPECT_EQ(Solar(2024, 5, 19), "");
    EXPECT_EQ(Solar(2024, 6, 16), "父亲节");
    EXPECT_EQ(Solar(2024, 6, 9), "");
    EXPECT_EQ(Solar(2024, 11, 28), "感恩节");
    EXPECT_EQ(Solar(2024, 11, 21), "");
    EXPECT_EQ(Solar(2023, 11, 23), "感恩节");
}

TEST(Festivals, LunarFestivalsIgnoreTheLeapFlag) {
    const TDateTime any = Date(2024, 6, 1);
    EXPECT_EQ(LunarFestivalOf(1, 1, any), "春节");
    EXPECT_EQ(LunarFestivalOf(1, 15, any), "元宵节");
    EXPECT_EQ(LunarFestivalOf(5, 5, any), "端午节");
    EXPECT_EQ(LunarFestivalOf(8, 15, any), "中秋节");
    EXPECT_EQ(LunarFestivalOf(12, 8, any), "腊八节");
    EXPECT_EQ(LunarFestivalOf(2, 1, any), "");
    EXPECT_EQ(LunarFestivalOf(12, 15, any), "");
}

TEST(Festivals, NewYearsEveIsTheDayBeforeTheNewYear) {
    EXPECT_EQ(LunarFestivalOf(12, 30, Date(2024, 2, 9)), "除夕");
    EXPECT_EQ(LunarFestivalOf(12, 29, Date(2024, 2, 8)), "");
    EXPECT_EQ(LunarFestivalOf(12, 29, Date(2025, 1, 28)), "除夕"); // a 29-day twelfth month
    EXPECT_EQ(LunarFestivalOf(12, 30, std::nan("")), "");
}

TEST(Eras, FieldsAreSplitTrimmedAndCounted) {
    EXPECT_EQ(FieldOf("-2069,45,0,夏,禹,,禹", ",", 4, false), "夏");
    EXPECT_EQ(FieldOf("-2069,45,0,夏,禹,,禹", ",", 6, false), "");
    EXPECT_EQ(FieldOf("-2069,45,0,夏,禹,,禹", ",", 7, false), "禹");
    EXPECT_EQ(FieldOf("-2069,45,0,夏,禹,,禹", ",", 6, true), "禹");
    EXPECT_EQ(FieldOf("-2069,45,0,夏,禹,,禹", ",", 8, false), "");
    EXPECT_EQ(FieldOf(" a \t; b ;c", ";", 1, false), "a");
    EXPECT_EQ(FieldOf(" a \t; b ;c", ";", 2, false), "b");
    EXPECT_EQ(FieldOf("a::b", "::", 2, false), "b");
    EXPECT_EQ(FieldOf("a,b", ",", 0, false), "");
    EXPECT_EQ(FieldOf("a,b", "", 1, false), "a,b");
}

TEST(Eras, YearsOfAnEra) {
    EXPECT_EQ(EraTextOf(1875), "[清]德宗 爱新觉罗载湉 光绪元年");
    EXPECT_EQ(EraTextOf(1900), "[清]德宗 爱新觉罗载湉 光绪26年");
    EXPECT_EQ(EraTextOf(1911), "[近、现代]中华民国  民国元年");
    EXPECT_EQ(EraTextOf(1948), "[近、现代]中华民国  民国38年");
    EXPECT_EQ(EraTextOf(-2069), "[夏]禹  禹元年");
    EXPECT_EQ(EraTextOf(1), "[西汉]平帝 刘衍 元始元年");
    EXPECT_EQ(EraTextOf(0), "[西汉]哀帝 刘欣 元寿2年"); // no row starts at year 0
    EXPECT_EQ(EraTextOf(942), "[五代/晋]出帝 石重贵 天福元年");
}

TEST(Eras, RowsFollowedByAnEarlierStartNeverMatch) {
    EXPECT_EQ(EraTextOf(587), "[隋]文帝 杨坚 开皇7年");
    EXPECT_EQ(EraTextOf(1271).find("至元"), std::string::npos); // the Song rows come first
}

TEST(Eras, NoTextOutsideTheTable) {
    EXPECT_EQ(EraTextOf(1949), "");
    EXPECT_EQ(EraTextOf(2024), "");
    EXPECT_EQ(EraTextOf(-2070), "");
    EXPECT_EQ(EraTextOf(INT32_MIN), "");
    EXPECT_EQ(EraTextOf(INT32_MAX), "");
}
