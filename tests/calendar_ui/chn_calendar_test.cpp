#include "calendar_test_support.h"

#include "calendar/chn_cal.h"
#include "test_access.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <vector>

namespace calendar_ui::testing {
namespace {

using calendar::TDateTime;

class ChnCalendarTest : public ::testing::Test {
protected:
    void SetUp() override {
        cal = ShownCalendar();
        cal->OnChange = [this](QObject* s) {
            EXPECT_EQ(s, cal.get());
            events.push_back("change");
        };
        cal->OnDateSelect = [this](QObject*) { events.push_back("select"); };
        cal->OnDateClick = [this](QObject*) { events.push_back("click"); };
    }

    void Show(int y, int m, int d) {
        cal->setDateTime(DateOf(y, m, d));
        events.clear();
    }

    std::vector<QString> WeekNumbers() const {
        std::vector<QString> out;
        for (int r = 1; r <= 6; ++r)
            out.push_back(cal->weekNumText(r));
        return out;
    }

    int CellOfDay(int day) const {
        for (int k = 1; k <= 37; ++k)
            if (cal->cell(k).Valid && cal->cell(k).Day == day) return k;
        return -1;
    }

    void Press(int c, int r) {
        QTest::mousePress(TestAccess::dayGrid(*cal), Qt::LeftButton, {}, CellCenter(*cal, c, r));
    }
    void Release(int c, int r) {
        QTest::mouseRelease(TestAccess::dayGrid(*cal), Qt::LeftButton, {}, CellCenter(*cal, c, r));
    }
    void Leave() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(TestAccess::dayGrid(*cal), &leave);
    }

    std::unique_ptr<TChnCalendar> cal;
    std::vector<std::string> events;
};

TEST_F(ChnCalendarTest, WindowCreationShowsTodayWithTheTitle) {
    EXPECT_TRUE(cal->windowCreated());
    EXPECT_TRUE(cal->showTitle());
    EXPECT_LT(std::abs(cal->dateTime() - calendar::Now()), 1.0 / 24 / 60);
    EXPECT_TRUE(TestAccess::yearSpin(*cal)->isVisible());
    // The first showing replaces a date set before the window existed.
    TChnCalendar fresh;
    fresh.setDateTime(DateOf(2004, 5, 5));
    EXPECT_EQ(YmdOf(fresh.dateTime()), (Ymd{2004, 5, 5}));
    fresh.setAttribute(Qt::WA_DontShowOnScreen);
    fresh.show();
    EXPECT_EQ(YmdOf(fresh.dateTime()), YmdOf(calendar::Now()));
}

TEST_F(ChnCalendarTest, SetterIgnoresTheSameValueAndYearsOutOfRange) {
    Show(2024, 2, 10);
    cal->setDateTime(DateOf(2024, 2, 10));
    EXPECT_TRUE(events.empty());
    cal->setDateTime(DateOf(2101, 1, 1));
    cal->setDateTime(std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2024, 2, 10}));
    cal->setDateTime(DateOf(2100, 12, 31));
    EXPECT_EQ(events, (std::vector<std::string>{"change"}));
    EXPECT_EQ(TestAccess::yearSpin(*cal)->position(), 2100);
    EXPECT_EQ(TestAccess::monthSpin(*cal)->position(), 12);
}

TEST_F(ChnCalendarTest, FillsTheMonthIntoItsCells) {
    Show(2009, 2, 14); // begins on a Sunday, 28 days
    for (int k = 1; k <= 28; ++k)
        EXPECT_TRUE(cal->cell(k).Valid) << k;
    for (int k = 29; k <= 39; ++k)
        EXPECT_FALSE(cal->cell(k).Valid) << k;
    for (int k = 40; k <= 42; ++k)
        EXPECT_TRUE(cal->cell(k).Valid) << k;
    EXPECT_EQ(cal->cell(1).DayText, "1");
    EXPECT_EQ(cal->cell(28).Day, 28);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->col(), ColOf(14));
    EXPECT_EQ(TestAccess::dayGrid(*cal)->row(), RowOf(14));

    Show(2004, 5, 1); // begins on a Saturday
    EXPECT_FALSE(cal->cell(6).Valid);
    EXPECT_EQ(cal->cell(7).Day, 1);
    EXPECT_EQ(cal->cell(37).Day, 31);
    EXPECT_TRUE(cal->cell(37).Valid);

    // Title cells and lunar texts come from the record of the shown date.
    calendar::TChnCal record;
    record.Update(DateOf(2004, 5, 1));
    EXPECT_EQ(cal->cell(40).DayText, QString::fromStdString(record.Constellation));
    EXPECT_EQ(cal->cell(41).DayText, QString::fromStdString(record.YearGanZhi));
    EXPECT_EQ(cal->cell(42).DayText, QString::fromStdString(record.AnimalsYear) + "年");
    EXPECT_EQ(cal->cnDate(), QString::fromStdString(record.CnMonth + record.CnDay));
}

TEST_F(ChnCalendarTest, WeekNumbersInRowOrder) {
    Show(2009, 2, 1);
    EXPECT_EQ(WeekNumbers(), (std::vector<QString>{"5", "6", "7", "8", "9", ""}));
    Show(2004, 5, 1);
    EXPECT_EQ(WeekNumbers(), (std::vector<QString>{"18", "19", "20", "21", "22", "23"}));
    Show(2005, 1, 1);
    EXPECT_EQ(WeekNumbers()[0], "53");
    EXPECT_EQ(WeekNumbers()[1], "1");
    // A 31-day month that begins on a Sunday shows six numbers in five rows of days.
    Show(2012, 1, 1);
    EXPECT_EQ(WeekNumbers(), (std::vector<QString>{"52", "1", "2", "3", "4", "5"}));
}

TEST_F(ChnCalendarTest, DayColoursAndLunarTexts) {
    cal->setColorTitleWeekEnd(0x123456);
    cal->setColorHoliday(0x111111); // apart from the lunar festival colour
    Show(2024, 2, 10);
    for (int k = 1; k <= 37; ++k) {
        if (!cal->cell(k).Valid) continue;
        const bool weekend = k % 7 == 0 || k % 7 == 1;
        EXPECT_EQ(cal->cell(k).DateColor, weekend ? 0x0000FF : cal->colorDate()) << k;
    }
    const TDayCell& eve = cal->cell(CellOfDay(9));
    EXPECT_EQ(eve.CnText, "除夕");
    EXPECT_EQ(eve.CnColor, cal->colorCnHolDay());
    EXPECT_EQ(cal->cell(CellOfDay(10)).CnText, "春节");
    const TDayCell& spring = cal->cell(CellOfDay(4));
    EXPECT_EQ(spring.CnText, "立春");
    EXPECT_EQ(spring.CnColor, cal->colorLunarHolDay());
    EXPECT_EQ(cal->cell(CellOfDay(14)).CnColor, 0x111111); // Valentine's day
    const TDayCell& plain = cal->cell(CellOfDay(12));
    EXPECT_EQ(plain.CnText, plain.CnDay);
    EXPECT_EQ(plain.CnColor, cal->colorCnDate());

    // The first day of a leap month shows the month's name in red.
    Show(2023, 3, 22);
    const TDayCell& leap = cal->cell(CellOfDay(22));
    EXPECT_EQ(leap.CnDay, "初一");
    EXPECT_EQ(leap.CnText, "闰二");
    EXPECT_EQ(leap.CnColor, 0x0000FF);
}

TEST_F(ChnCalendarTest, LunarFestivalWinsOverEverythingElse) {
    // Look for days carrying two kinds of entry and check which one the cell shows.
    cal->setColorHoliday(0x000001);
    cal->setColorLunarHolDay(0x000002);
    cal->setColorCnHolDay(0x000003);
    calendar::TChnCal record;
    int checkedLunarOverSolar = 0, checkedTermOverSolar = 0;
    for (int y = 2000; y <= 2030 && (checkedLunarOverSolar < 2 || checkedTermOverSolar < 2); ++y)
        for (TDateTime t = DateOf(y, 1, 1); t < DateOf(y + 1, 1, 1); t += 1) {
            record.Update(t);
            const bool lunarOverSolar = !record.Holiday.empty() && !record.CnHoliday.empty();
            const bool termOverSolar =
                !record.Holiday.empty() && !record.SolarTerm.empty() && record.CnHoliday.empty();
            if (!lunarOverSolar && !termOverSolar) continue;
            cal->setDateTime(t);
            const TDayCell& cell = cal->cell(CellOfDay(YmdOf(t).d));
            if (lunarOverSolar) {
                EXPECT_EQ(cell.CnText, QString::fromStdString(record.CnHoliday));
                EXPECT_EQ(cell.CnColor, 0x000003);
                ++checkedLunarOverSolar;
            } else {
                EXPECT_EQ(cell.CnText, QString::fromStdString(record.SolarTerm));
                EXPECT_EQ(cell.CnColor, 0x000002);
                ++checkedTermOverSolar;
            }
        }
    EXPECT_GT(checkedLunarOverSolar, 0);
    EXPECT_GT(checkedTermOverSolar, 0);
}

TEST_F(ChnCalendarTest, ColourChangeRefillsWithoutMovingOrReporting) {
    Show(2024, 2, 1); // before the start of spring: the year is still 癸卯
    const QString yearName = cal->cell(41).DayText;
    cal->setColorCnDate(0x00AA00);
    cal->setColorDate(0x222222);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(cal->cell(41).DayText, yearName);
    EXPECT_EQ(cal->cell(CellOfDay(1)).CnColor, 0x00AA00);
    EXPECT_EQ(cal->cell(CellOfDay(6)).DateColor, 0x222222);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->col(), ColOf(CellOfDay(1)));
}

TEST_F(ChnCalendarTest, InfoLineGregorianFrom1949) {
    Show(1949, 1, 1);
    EXPECT_TRUE(TestAccess::infoLabel(*cal)->caption().startsWith("1949-01-01 农历"))
        << TestAccess::infoLabel(*cal)->caption().toStdString();
    EXPECT_EQ(TestAccess::infoLabel(*cal)->caption(), "1949-01-01 农历" + cal->cnDate());
    Show(1948, 12, 31);
    calendar::TChnCal record;
    record.Update(DateOf(1948, 12, 31));
    ASSERT_FALSE(record.Era.empty());
    EXPECT_EQ(TestAccess::infoLabel(*cal)->caption(),
              QString::fromStdString(record.Era) + " 农历" + cal->cnDate());
    EXPECT_EQ(TestAccess::yearLabel(*cal)->caption(), "1948");
    EXPECT_EQ(TestAccess::monthLabel(*cal)->caption(), "12");
}

TEST_F(ChnCalendarTest, EraInfoLineStaysWholeInsideTheCalendar) {
    const QFontMetrics fm(TestAccess::infoLabel(*cal)->font());
    // "[period]title name era年 农历…" without the name between the first two blanks.
    const auto withoutRuler = [](const QString& line) {
        const QStringList f = line.split(u' ');
        return f.size() < 4 ? QString() : f[0] + u' ' + f.mid(2).join(u' ');
    };
    const int room = cal->width() - 4 - TestAccess::infoLabel(*cal)->x();
    int shortened = 0;
    for (int y = 1; y <= 1948; ++y)
        for (int m : {1, 7}) {
            Show(y, m, 21);
            const QString full = TestAccess::infoLabel(*cal)->caption();
            const QString shown = TestAccess::infoLabel(*cal)->text();
            ASSERT_LE(TestAccess::infoLabel(*cal)->geometry().right(), cal->width() - 4)
                << y << " " << m;
            EXPECT_EQ(TestAccess::infoLabel(*cal)->width(), fm.horizontalAdvance(shown));
            if (shown == full) continue;
            // Too wide as it is: the ruler's name (between the first two blanks) goes.
            ++shortened;
            EXPECT_GT(fm.horizontalAdvance(full), room) << full.toStdString();
            EXPECT_EQ(shown, withoutRuler(full)) << full.toStdString();
        }
    EXPECT_GT(shortened, 0); // 1312 .. 1328 need it

    // Narrower still, the end gives way, whole characters at a time.
    cal->resize(150, 253);
    Show(1312, 6, 1);
    const QString shown = TestAccess::infoLabel(*cal)->text();
    EXPECT_LE(TestAccess::infoLabel(*cal)->geometry().right(), 146);
    ASSERT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("[元]仁宗 皇庆"))) << shown.toStdString();
    EXPECT_TRUE(withoutRuler(TestAccess::infoLabel(*cal)->caption()).startsWith(shown.chopped(1)))
        << shown.toStdString();
}

TEST_F(ChnCalendarTest, MonthSpinnerSteps) {
    Show(2004, 12, 15);
    TestAccess::monthSpin(*cal)->Step(btNext);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2005, 1, 15}));
    EXPECT_EQ(TestAccess::monthSpin(*cal)->position(), 1);
    EXPECT_EQ(TestAccess::yearSpin(*cal)->position(), 2005);
    TestAccess::monthSpin(*cal)->Step(btPrev);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2004, 12, 15}));
    EXPECT_EQ(TestAccess::monthSpin(*cal)->position(), 12);
    EXPECT_EQ(events, (std::vector<std::string>{"change", "change"}));

    Show(2005, 1, 31);
    TestAccess::monthSpin(*cal)->Step(btNext);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2005, 2, 28}));
    Show(2004, 1, 31);
    TestAccess::monthSpin(*cal)->Step(btNext);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2004, 2, 29}));
    // Stepping keeps no time of day.
    cal->setDateTime(DateOf(2004, 3, 31) + 0.75);
    TestAccess::monthSpin(*cal)->Step(btNext);
    EXPECT_EQ(cal->dateTime(), DateOf(2004, 4, 30));
}

TEST_F(ChnCalendarTest, SteppingPastTheRangeKeepsDateAndSpinners) {
    Show(2100, 12, 5);
    TestAccess::monthSpin(*cal)->Step(btNext);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2100, 12, 5}));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(TestAccess::monthSpin(*cal)->position(), 12);
    EXPECT_EQ(TestAccess::yearSpin(*cal)->position(), 2100);
    // The next step back goes to November 2100, not to a month of 2099.
    TestAccess::monthSpin(*cal)->Step(btPrev);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2100, 11, 5}));

    Show(1, 1, 20);
    TestAccess::monthSpin(*cal)->Step(btPrev);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{1, 1, 20}));
    EXPECT_EQ(TestAccess::monthSpin(*cal)->position(), 1);
    EXPECT_EQ(TestAccess::yearSpin(*cal)->position(), 1);
}

TEST_F(ChnCalendarTest, YearSpinnerSteps) {
    Show(2004, 2, 29);
    TestAccess::yearSpin(*cal)->Step(btPrev);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2003, 2, 28}));
    TestAccess::yearSpin(*cal)->Step(btNext);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2004, 2, 28}));
    Show(2100, 6, 1);
    TestAccess::yearSpin(*cal)->Step(btNext); // at the top of the range: no step at all
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(TestAccess::yearSpin(*cal)->position(), 2100);
}

TEST_F(ChnCalendarTest, ClicksOutsideDayCellsDoNothing) {
    Show(2009, 2, 14);
    const TDateTime before = cal->dateTime();
    const int col = TestAccess::dayGrid(*cal)->col(), row = TestAccess::dayGrid(*cal)->row();
    const int emptyCell = 30;
    for (auto [c, r] : {std::pair{ColOf(emptyCell), RowOf(emptyCell)},
                        {3, 0},
                        {0, 2},
                        {8, 2},
                        {ColOf(40), RowOf(40)}}) {
        Press(c, r);
        Release(c, r);
    }
    EXPECT_EQ(cal->dateTime(), before);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->col(), col);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->row(), row);
    EXPECT_TRUE(events.empty());
}

TEST_F(ChnCalendarTest, PressChangesTheDateAndReleaseOnItSelects) {
    cal->setDateTime(DateOf(2024, 2, 10) + 0.5); // with a time of day
    events.clear();
    const int k = CellOfDay(10);
    // Pressing the current day drops the time: a change, then the select on release.
    Press(ColOf(k), RowOf(k));
    EXPECT_EQ(cal->dateTime(), DateOf(2024, 2, 10));
    Release(ColOf(k), RowOf(k));
    EXPECT_EQ(events, (std::vector<std::string>{"change", "select"}));
    events.clear();
    Press(ColOf(k), RowOf(k));
    Release(ColOf(k), RowOf(k));
    EXPECT_EQ(events, (std::vector<std::string>{"click", "select"}));

    // Another day: the press selects it, a release elsewhere selects nothing.
    events.clear();
    const int other = CellOfDay(20);
    Press(ColOf(other), RowOf(other));
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2024, 2, 20}));
    Release(3, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"change", "click"}));
}

TEST_F(ChnCalendarTest, DoubleClickLeavesTheCurrentCell) {
    Show(2024, 2, 10);
    const int k = CellOfDay(20);
    const QPoint at = CellCenter(*cal, ColOf(k), RowOf(k));
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, TestAccess::dayGrid(*cal)->mapToGlobal(at),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(TestAccess::dayGrid(*cal), &dbl);
    Release(ColOf(k), RowOf(k));
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2024, 2, 10}));
    EXPECT_TRUE(cal->mousePressed());
    EXPECT_TRUE(events.empty());
}

TEST_F(ChnCalendarTest, DateClickOnlyAfterAPressInsideTheCalendar) {
    Show(2024, 2, 10);
    Leave();
    Press(ColOf(CellOfDay(12)), RowOf(CellOfDay(12)));
    EXPECT_EQ(events, (std::vector<std::string>{"change"})); // the first press sets the flag
    EXPECT_TRUE(cal->mousePressed());
    events.clear();
    QTest::keyClick(TestAccess::dayGrid(*cal), Qt::Key_Right);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2024, 2, 13}));
    EXPECT_EQ(events, (std::vector<std::string>{"change", "click"}));
    Leave();
    EXPECT_FALSE(cal->mousePressed());
    events.clear();
    QTest::keyClick(TestAccess::dayGrid(*cal), Qt::Key_Right);
    EXPECT_EQ(events, (std::vector<std::string>{"change"}));
}

TEST_F(ChnCalendarTest, DraggingSelectsEachDayPassed) {
    Show(2024, 2, 10);
    const int a = CellOfDay(5), b = CellOfDay(6), c = CellOfDay(7);
    Press(ColOf(a), RowOf(a));
    QTest::mouseMove(TestAccess::dayGrid(*cal), CellCenter(*cal, ColOf(b), RowOf(b)));
    // QTest's move carries no button state; send a drag move directly.
    for (int k : {b, c}) {
        QMouseEvent move(
            QEvent::MouseMove, CellCenter(*cal, ColOf(k), RowOf(k)),
            TestAccess::dayGrid(*cal)->mapToGlobal(CellCenter(*cal, ColOf(k), RowOf(k))),
            Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(TestAccess::dayGrid(*cal), &move);
        EXPECT_EQ(TestAccess::dayGrid(*cal)->col(), ColOf(k));
    }
    Release(ColOf(c), RowOf(c));
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2024, 2, 7}));
    EXPECT_EQ(std::count(events.begin(), events.end(), "change"), 3);
    EXPECT_EQ(events.back(), "select");
}

TEST_F(ChnCalendarTest, KeysAndWheelStayInsideTheMonth) {
    Show(2009, 2, 1); // Sunday in column 1
    QTest::keyClick(TestAccess::dayGrid(*cal), Qt::Key_Left);
    QTest::keyClick(TestAccess::dayGrid(*cal), Qt::Key_Up);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2009, 2, 1}));
    QTest::keyClick(TestAccess::dayGrid(*cal), Qt::Key_Down);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2009, 2, 8}));
    Show(2009, 2, 28);
    QTest::keyClick(TestAccess::dayGrid(*cal), Qt::Key_Right); // column 8, the filler
    QTest::keyClick(TestAccess::dayGrid(*cal), Qt::Key_Down);  // an empty cell
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2009, 2, 28}));

    const QPoint at = CellCenter(*cal, 3, 2);
    QWheelEvent down(at, TestAccess::dayGrid(*cal)->mapToGlobal(at), {}, {0, -120}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QWheelEvent up(at, TestAccess::dayGrid(*cal)->mapToGlobal(at), {}, {0, 120}, Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(TestAccess::dayGrid(*cal), &up);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2009, 2, 21}));
    QApplication::sendEvent(TestAccess::dayGrid(*cal), &down);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2009, 2, 28}));
}

TEST_F(ChnCalendarTest, CellSizesAtThePopupSize) {
    ASSERT_EQ(cal->size(), QSize(313, 253));
    EXPECT_EQ(TestAccess::dayGrid(*cal)->geometry(), QRect(8, 40, 298, 186));
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(TestAccess::dayGrid(*cal)->rowHeight(r), 27);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->rowHeight(0), 18);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->rowHeight(6), 33);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->colWidth(0), 6);
    for (int c = 1; c <= 7; ++c)
        EXPECT_EQ(TestAccess::dayGrid(*cal)->colWidth(c), 40);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->colWidth(8), 12);

    // Week numbers widen column 0 alone; the next layout spreads the rest.
    cal->setShowWeekNum(true);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->colWidth(0), 18);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->colWidth(1), 40);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->colWidth(8), 12);
    cal->setShowTitle(true);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->colWidth(1), 39);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->colWidth(8), 7);

    TChnCalendar early; // week numbers on before the window exists
    early.setShowWeekNum(true);
    early.setAttribute(Qt::WA_DontShowOnScreen);
    early.show();
    EXPECT_EQ(TestAccess::dayGrid(early)->colWidth(0), 18);
    EXPECT_EQ(TestAccess::dayGrid(early)->colWidth(1), 39);

    cal->setShowTitle(false);
    EXPECT_EQ(TestAccess::dayGrid(*cal)->geometry(), QRect(2, 2, 309, 249));
    EXPECT_FALSE(TestAccess::monthSpin(*cal)->isVisible());
    EXPECT_EQ(TestAccess::dayGrid(*cal)->PopupMenu, TestAccess::yearMenu(*cal));
    cal->resize(400, 300);
    EXPECT_EQ(cal->backBitmap().size(), QSize(400, 300));
    EXPECT_EQ(TestAccess::dayGrid(*cal)->geometry(), QRect(2, 2, 396, 296));
}

} // namespace
} // namespace calendar_ui::testing
