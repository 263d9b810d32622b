#include "calendar_test_support.h"

#include "calendar/chn_cal.h"
#include "test_access.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLocale>
#include <QMenu>
#include <gtest/gtest.h>

namespace calendar_ui::testing {
namespace {

QAction* Item(QMenu* menu, const QString& name) {
    for (QAction* a : menu->actions())
        if (a->objectName() == name) return a;
    return nullptr;
}

QMenu* Submenu(QMenu* menu, const QString& name) {
    QAction* a = Item(menu, name);
    return a ? a->menu() : nullptr;
}

class ChnCalendarMenusTest : public ::testing::Test {
protected:
    void SetUp() override { cal = ShownCalendar(); }
    std::unique_ptr<TChnCalendar> cal;
};

TEST_F(ChnCalendarMenusTest, MonthMenuItems) {
    const QList<QAction*> items = TestAccess::monthMenu(*cal)->actions();
    ASSERT_EQ(items.size(), 14);
    EXPECT_EQ(items[0]->objectName(), "MenuMonth_ToDay");
    EXPECT_EQ(items[0]->text(), "今日");
    EXPECT_TRUE(items[0]->font().bold());
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[1]->objectName(), "MenuMonth_ToDay_");
    const QLocale locale(QLocale::Chinese, QLocale::China);
    for (int i = 1; i <= 12; ++i) {
        QAction* a = items[i + 1];
        EXPECT_EQ(a->objectName(), QStringLiteral("MenuMonth_%1").arg(i - 1));
        EXPECT_EQ(a->text(), locale.monthName(i));
        EXPECT_EQ(a->data().toInt(), i);
        EXPECT_FALSE(a->font().bold());
    }
}

TEST_F(ChnCalendarMenusTest, YearMenuItems) {
    const QList<QAction*> items = TestAccess::yearMenu(*cal)->actions();
    ASSERT_EQ(items.size(), 24);
    EXPECT_EQ(items[0]->objectName(), "MenuYear_ToDay");
    EXPECT_TRUE(items[0]->font().bold());
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), "历史日期");
    EXPECT_TRUE(items[3]->isSeparator());
    EXPECT_EQ(items[3]->objectName(), "MenuYear_ToDay_2");
    for (int i = 0; i < 20; ++i) {
        const int decade = 1900 + 10 * i;
        QAction* a = items[4 + i];
        EXPECT_EQ(a->objectName(), QStringLiteral("MenuYear_%1").arg(decade));
        ASSERT_NE(a->menu(), nullptr);
        const QList<QAction*> years = a->menu()->actions();
        ASSERT_EQ(years.size(), 10);
        EXPECT_EQ(years.front()->data().toInt(), decade);
        EXPECT_EQ(years.back()->text(), QString::number(decade + 9));
        EXPECT_EQ(years.back()->objectName(), QStringLiteral("MenuYear_%1").arg(decade + 9));
    }

    const QList<QAction*> centuries = items[2]->menu()->actions();
    ASSERT_EQ(centuries.size(), 19);
    EXPECT_EQ(centuries.front()->text(), "0");
    EXPECT_EQ(centuries.back()->text(), "1800");
    EXPECT_EQ(centuries.back()->objectName(), "MenuYear_History_1810");
    const QList<QAction*> last = centuries.back()->menu()->actions();
    ASSERT_EQ(last.size(), 10);
    EXPECT_EQ(last.front()->data().toInt(), 1810);
    EXPECT_EQ(last.back()->data().toInt(), 1900);
    EXPECT_EQ(last.back()->objectName(), "MenuYear_History_1900");
}

TEST_F(ChnCalendarMenusTest, ChoosingAMonthKeepsYearAndDayWherePossible) {
    cal->setDateTime(DateOf(2005, 1, 31));
    Item(TestAccess::monthMenu(*cal), "MenuMonth_2")->trigger(); // March
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2005, 3, 31}));
    Item(TestAccess::monthMenu(*cal), "MenuMonth_3")->trigger(); // April
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2005, 4, 30}));
    EXPECT_EQ(TestAccess::monthSpin(*cal)->position(), 4);
    EXPECT_EQ(TestAccess::monthLabel(*cal)->caption(), "4");
}

TEST_F(ChnCalendarMenusTest, ChoosingAYear) {
    cal->setDateTime(DateOf(2004, 2, 29));
    QMenu* decade = Submenu(TestAccess::yearMenu(*cal), "MenuYear_1900");
    ASSERT_NE(decade, nullptr);
    decade->actions().front()->trigger();
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{1900, 2, 28}));

    QMenu* century =
        Submenu(Submenu(TestAccess::yearMenu(*cal), "MenuYear_History"), "MenuYear_History_10");
    ASSERT_NE(century, nullptr);
    century->actions().front()->trigger();
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{10, 2, 28}));
    EXPECT_EQ(TestAccess::yearLabel(*cal)->caption(), "10");
    calendar::TChnCal record;
    record.Update(DateOf(10, 2, 28));
    ASSERT_FALSE(record.Era.empty());
    EXPECT_TRUE(TestAccess::infoLabel(*cal)->caption().startsWith(
        QString::fromStdString(record.Era) + " 农历"));
}

TEST_F(ChnCalendarMenusTest, TodayItemsAndLinkSetNowWithTheTime) {
    std::vector<QAction*> todays = {Item(TestAccess::monthMenu(*cal), "MenuMonth_ToDay"),
                                    Item(TestAccess::yearMenu(*cal), "MenuYear_ToDay")};
    for (QAction* a : todays) {
        cal->setDateTime(DateOf(1999, 9, 9));
        a->trigger();
        EXPECT_LT(std::abs(cal->dateTime() - calendar::Now()), 1.0 / 24 / 60);
    }
    cal->setDateTime(DateOf(1999, 9, 9));
    QTest::mouseClick(TestAccess::todayLabel(*cal), Qt::LeftButton);
    EXPECT_LT(std::abs(cal->dateTime() - calendar::Now()), 1.0 / 24 / 60);
}

TEST_F(ChnCalendarMenusTest, TitleLabels) {
    cal->setDateTime(DateOf(2005, 1, 1));
    const int right = TestAccess::monthLabel(*cal)->geometry().right();
    cal->setDateTime(DateOf(2005, 12, 1));
    EXPECT_EQ(TestAccess::monthLabel(*cal)->geometry().right(), right);
    EXPECT_LT(TestAccess::monthLabel(*cal)->x(), 34);
    EXPECT_TRUE(TestAccess::todayLabel(*cal)->font().underline());
    EXPECT_EQ(TestAccess::monthLabel(*cal)->PopupMenu, TestAccess::monthMenu(*cal));
    EXPECT_EQ(TestAccess::yearUnitLabel(*cal)->PopupMenu, TestAccess::yearMenu(*cal));
    EXPECT_EQ(TestAccess::todayLabel(*cal)->PopupMenu, nullptr);

    EXPECT_EQ(cal->colorTitleYear(), 0xFF0000);
    cal->setColorTitleYear(0x00FF00);
    EXPECT_EQ(TestAccess::yearLabel(*cal)->palette().color(QPalette::WindowText),
              QColor(0, 255, 0));

    // The link's underline lies inside the label.
    const QImage link = TestAccess::todayLabel(*cal)->grab().toImage();
    int underline = 0;
    for (int x = 0; x < link.width(); ++x)
        underline += QColor(link.pixel(x, link.height() - 1)) == QColor(0, 0, 255);
    EXPECT_GE(underline, link.width() - 2);
}

TEST_F(ChnCalendarMenusTest, LabelsAndGridOpenTheirMenus) {
    QTest::mouseClick(TestAccess::monthUnitLabel(*cal), Qt::LeftButton);
    EXPECT_TRUE(TestAccess::monthMenu(*cal)->isVisible());
    TestAccess::monthMenu(*cal)->hide();
    QTest::mouseClick(TestAccess::yearLabel(*cal), Qt::LeftButton);
    EXPECT_TRUE(TestAccess::yearMenu(*cal)->isVisible());
    TestAccess::yearMenu(*cal)->hide();

    QContextMenuEvent right(QContextMenuEvent::Mouse, {5, 5},
                            TestAccess::monthLabel(*cal)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(TestAccess::monthLabel(*cal), &right);
    EXPECT_TRUE(TestAccess::monthMenu(*cal)->isVisible());
    TestAccess::monthMenu(*cal)->hide();

    // Without the title the grid covers the labels and offers the year menu itself.
    QContextMenuEvent onGrid(QContextMenuEvent::Mouse, {50, 50},
                             TestAccess::dayGrid(*cal)->mapToGlobal(QPoint(50, 50)));
    QApplication::sendEvent(TestAccess::dayGrid(*cal), &onGrid);
    EXPECT_FALSE(TestAccess::yearMenu(*cal)->isVisible());
    cal->setShowTitle(false);
    QApplication::sendEvent(TestAccess::dayGrid(*cal), &onGrid);
    EXPECT_TRUE(TestAccess::yearMenu(*cal)->isVisible());
    TestAccess::yearMenu(*cal)->hide();
}

TEST_F(ChnCalendarMenusTest, SpinnerButtonsStepTheMonthAndTheYear) {
    cal->setDateTime(DateOf(2004, 12, 31));
    int changes = 0;
    cal->OnChange = [&](QObject*) { ++changes; };
    const auto click = [](TUpDown* spin, bool upper) {
        const QPoint at(spin->width() / 2, upper ? 2 : spin->height() - 3);
        QTest::mouseClick(spin, Qt::LeftButton, {}, at);
    };
    click(TestAccess::monthSpin(*cal), true);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2005, 1, 31}));
    click(TestAccess::monthSpin(*cal), true);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2005, 2, 28}));
    click(TestAccess::yearSpin(*cal), false);
    EXPECT_EQ(YmdOf(cal->dateTime()), (Ymd{2004, 2, 28}));
    EXPECT_EQ(changes, 3);
}

} // namespace
} // namespace calendar_ui::testing
