#include "picker_test_support.h"

#include "gdi/control_color.h"
#include "test_access.h"

#include <QStyle>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace calendar_ui::testing {
namespace {

using calendar::TDateTime;

constexpr TDateTime kStored = 40343.91043862268; // 2010-06-14 21:51:01.897
constexpr double kMinute = 1.0 / 24 / 60;

QString TodayFields() {
    const Ymd t = YmdOf(calendar::Now());
    return QStringLiteral("%1|%2|%3").arg(t.y, 4, 10, QLatin1Char('0')).arg(t.m).arg(t.d);
}

// Replaces a field's text by typing, as a user does: select all, then the keys.
void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

class PickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<PickerHost>();
        p = host->picker;
        p->OnChange = [this](QObject* s) {
            EXPECT_EQ(s, p);
            ++changes;
        };
    }

    TChnCalendar* Cal() const { return p->chnCalendar(); }

    // Opens and closes the pop-up once, so that the calendar's window exists and later
    // drop-downs take their date from the fields.
    void FirstDropDown() {
        p->DropDown();
        p->dropDownForm()->hide();
        changes = 0;
    }

    void SetFields(const QString& y, const QString& m, const QString& d) {
        Type(TestAccess::yearEdit(*p), y);
        Type(TestAccess::monthEdit(*p), m);
        Type(TestAccess::dayEdit(*p), d);
    }

    void ClickDay(int day) {
        int k = 1;
        while (k <= 37 && !(Cal()->cell(k).Valid && Cal()->cell(k).Day == day))
            ++k;
        ASSERT_LE(k, 37) << "day " << day << " not shown";
        const QPoint at = CellCenter(*Cal(), ColOf(k), RowOf(k));
        QTest::mousePress(TestAccess::dayGrid(*Cal()), Qt::LeftButton, {}, at);
        QTest::mouseRelease(TestAccess::dayGrid(*Cal()), Qt::LeftButton, {}, at);
    }

    std::unique_ptr<PickerHost> host;
    TChnCalendarPicker* p = nullptr;
    int changes = 0;
};

TEST_F(PickerTest, StoredDateIsShownUntilTheWindowAppearsThenNow) {
    // Built: today's fields, no lunar text yet, pop-up hidden.
    EXPECT_EQ(Fields(*p), TodayFields());
    EXPECT_TRUE(p->cnDateText().isEmpty());
    EXPECT_FALSE(p->dropDownForm()->isVisible());
    EXPECT_EQ(p->size(), QSize(170, 21));

    // The window description applies its stored date with all its effects...
    p->setDateTime(kStored);
    EXPECT_EQ(p->dateTime(), kStored);
    EXPECT_EQ(Fields(*p), "2010|6|14");
    EXPECT_EQ(p->cnDateText(), "庚寅虎五月初三");
    EXPECT_FALSE(p->windowCreated());

    // ...and the first showing replaces it by now.
    host->Show();
    EXPECT_TRUE(p->windowCreated());
    EXPECT_LT(std::abs(p->dateTime() - calendar::Now()), kMinute);
    EXPECT_EQ(Fields(*p), TodayFields());
    EXPECT_EQ(p->cnDateText(), LunarTextOf(p->dateTime()));
    EXPECT_EQ(changes, 0);

    // Hiding and showing again is not a new window.
    p->setDateTime(kStored);
    host->window.hide();
    host->Show();
    EXPECT_EQ(p->dateTime(), kStored);
    // A new parent is.
    QWidget other;
    other.setAttribute(Qt::WA_DontShowOnScreen);
    p->setParent(&other);
    other.show();
    EXPECT_LT(std::abs(p->dateTime() - calendar::Now()), kMinute);
    p->setParent(&host->window);
}

TEST_F(PickerTest, LunarTextOfLeapMonthsAndDatesBeyondTheTables) {
    // 22 March 2023 is the first day of the leap second month.
    p->setDateTime(DateOf(2023, 3, 22));
    EXPECT_EQ(p->cnDateText(), "癸卯兔闰二初一");
    EXPECT_EQ(Fields(*p), "2023|3|22");
    p->setDateTime(DateOf(987, 1, 5));
    EXPECT_EQ(Fields(*p), "0987|1|5");
    EXPECT_EQ(p->cnDateText(), LunarTextOf(DateOf(987, 1, 5)));
    // No lunar date after 2100: no text rather than the text of the previous date.
    p->setDateTime(DateOf(2200, 6, 14));
    EXPECT_EQ(Fields(*p), "2200|6|14");
    EXPECT_TRUE(p->cnDateText().isEmpty());
    // Values that are no date at all are ignored.
    const TDateTime before = p->dateTime();
    p->setDateTime(std::numeric_limits<double>::quiet_NaN());
    p->setDateTime(1e9);
    EXPECT_EQ(p->dateTime(), before);
    EXPECT_EQ(Fields(*p), "2200|6|14");
}

TEST_F(PickerTest, SameDateTouchesNeitherFieldsNorScreen) {
    host->Show();
    p->setDateTime(kStored);
    int paints = 0;
    struct Counter : QObject {
        int* n;
        explicit Counter(int* c) : n(c) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++*n;
            return false;
        }
    } counter(&paints);
    p->installEventFilter(&counter);
    Type(TestAccess::yearEdit(*p), "1999");
    QApplication::processEvents();
    paints = 0;

    p->setDateTime(kStored);
    QApplication::processEvents();
    EXPECT_EQ(TestAccess::yearEdit(*p)->text(), "1999");
    EXPECT_EQ(paints, 0);

    p->setDateTime(kStored + 1);
    QApplication::processEvents();
    EXPECT_EQ(Fields(*p), "2010|6|15");
    EXPECT_GT(paints, 0);
    p->removeEventFilter(&counter);
}

TEST_F(PickerTest, TypingChangesNothingUntilTheDropDown) {
    host->Show();
    // At the first drop-down the calendar's own window creation wins: today.
    SetFields("2011", "3", "9");
    p->DropDown();
    EXPECT_TRUE(p->dropDownForm()->isVisible());
    EXPECT_EQ(YmdOf(Cal()->dateTime()), YmdOf(calendar::Now()));
    p->dropDownForm()->hide();

    p->setDateTime(kStored);
    changes = 0;
    Type(TestAccess::yearEdit(*p), "2011");
    EXPECT_EQ(p->dateTime(), kStored);
    EXPECT_EQ(p->cnDateText(), "庚寅虎五月初三");
    EXPECT_EQ(changes, 0);

    p->DropDown();
    EXPECT_EQ(Cal()->dateTime(), DateOf(2011, 6, 14)); // at midnight
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(p->dateTime(), kStored);
    p->dropDownForm()->hide();
    // The same fields again: the calendar already holds that date and reports nothing.
    p->DropDown();
    EXPECT_EQ(changes, 1);
}

TEST_F(PickerTest, FieldsThatAreNoDateFallBackToToday) {
    host->Show();
    FirstDropDown();
    const Ymd today = YmdOf(calendar::Now());
    struct Case {
        const char *y, *m, *d;
        bool now; // the drop-down opens on now, time of day included
        Ymd shown;
    };
    const std::vector<Case> cases = {
        {"2010", "2", "30", true, today}, // 30 February
        {"2010", "", "14", false, {2010, today.m, 14}},
        {"abc", "6", "14", false, {today.y, 6, 14}},
        {"2010", "6", "1 4", false, {2010, 6, today.d}},
        {"2010", "13", "1", true, today},
        {"0", "6", "14", true, today},
        {"2010", "-6", "14", true, today},
        {"99999999999", "6", "14", false, {today.y, 6, 14}}, // too large to be a number
        {" 2012", "2", "29 ", false, {2012, 2, 29}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.y) + "|" + c.m + "|" + c.d);
        Cal()->setDateTime(DateOf(2000, 1, 1));
        SetFields(c.y, c.m, c.d);
        p->DropDown();
        EXPECT_EQ(YmdOf(Cal()->dateTime()), c.shown);
        const double time = Cal()->dateTime() - std::floor(Cal()->dateTime());
        if (c.now)
            EXPECT_LT(std::abs(Cal()->dateTime() - calendar::Now()), kMinute);
        else
            EXPECT_EQ(time, 0.0);
        p->dropDownForm()->hide();
    }
}

TEST(PickerPlacementTest, BelowAboveAndInsideTheWorkArea) {
    const QSize form(313, 253);
    const QRect desk(0, 0, 1024, 740); // the desktop less a 28-pixel task bar
    const auto place = TChnCalendarPicker::PlaceDropDown;
    // Below the picker, one pixel apart.
    EXPECT_EQ(place(desk, {100, 100}, 21, form), QRect(100, 122, 313, 253));
    // Pushed back from the right edge, then never past the left one.
    EXPECT_EQ(place(desk, {900, 100}, 21, form), QRect(711, 122, 313, 253));
    EXPECT_EQ(place(QRect(50, 0, 1000, 740), {10, 100}, 21, form), QRect(50, 122, 313, 253));
    // A work area narrower than the form.
    EXPECT_EQ(place(QRect(0, 0, 300, 740), {100, 100}, 21, form), QRect(0, 122, 300, 253));
    // Near the bottom, with more room above: above the picker.
    EXPECT_EQ(place(desk, {100, 600}, 21, form), QRect(100, 347, 313, 253));
    // Too little room below, but still more than above: stays below and shrinks.
    EXPECT_EQ(place(QRect(0, 0, 1024, 300), {100, 100}, 21, form), QRect(100, 122, 313, 178));
    // Above but taller than the room there: shrinks to the work area's top.
    EXPECT_EQ(place(QRect(0, 0, 1024, 400), {100, 200}, 21, form), QRect(100, 0, 313, 200));
    // A work area that does not start at 0 (a task bar on top).
    EXPECT_EQ(place(QRect(0, 40, 1024, 700), {100, 200}, 21, form), QRect(100, 222, 313, 253));
    EXPECT_EQ(place(QRect(0, 40, 1024, 400), {100, 250}, 21, form), QRect(100, 40, 313, 210));
}

TEST_F(PickerTest, PopUpGoesAboveNearTheBottomOfTheScreen) {
    const QRect work = p->screen()->availableGeometry();
    host->window.move(work.x() + 40, work.bottom() - 150);
    host->Show();
    const QPoint at = p->mapToGlobal(QPoint(0, 0));
    ASSERT_GT(at.y() - work.y(), work.bottom() - at.y()); // more room above
    p->DropDown();
    EXPECT_EQ(p->dropDownForm()->geometry(), QRect(at.x(), at.y() - 253, 313, 253));
    EXPECT_EQ(Cal()->geometry(), QRect(0, 0, 313, 253));
    p->dropDownForm()->hide();

    host->window.move(work.x() + 40, work.y() + 10);
    QApplication::processEvents();
    p->DropDown();
    EXPECT_EQ(p->dropDownForm()->geometry().topLeft(), p->mapToGlobal(QPoint(0, 22)));
    p->dropDownForm()->hide();
}

TEST_F(PickerTest, SelectingADayTakesItAndClosesThePopUp) {
    host->Show();
    FirstDropDown();
    SetFields("2010", "06", "03");
    p->DropDown();
    ASSERT_EQ(YmdOf(Cal()->dateTime()), (Ymd{2010, 6, 3}));
    changes = 0;

    ClickDay(14);
    EXPECT_FALSE(p->dropDownForm()->isVisible());
    EXPECT_EQ(p->dateTime(), DateOf(2010, 6, 14));
    EXPECT_EQ(Fields(*p), "2010|6|14"); // no leading zeros
    EXPECT_EQ(p->cnDateText(), "庚寅虎五月初三");
    EXPECT_EQ(changes, 1); // the press changed the calendar's date; setting ours reports nothing

    // Closing without a selection keeps the date.
    p->DropDown();
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(p->dropDownForm(), &deactivate);
    EXPECT_FALSE(p->dropDownForm()->isVisible());
    EXPECT_EQ(p->dateTime(), DateOf(2010, 6, 14));
}

TEST_F(PickerTest, ClickOutsideThePopUpClosesIt) {
    host->Show();
    p->DropDown();
    ASSERT_TRUE(p->dropDownForm()->isVisible());
    ASSERT_EQ(QApplication::activePopupWidget(), p->dropDownForm());
    const TDateTime before = p->dateTime();
    // The pop-up sees every click while it is open; this one lies outside it.
    QTest::mouseClick(p->dropDownForm(), Qt::LeftButton, {}, QPoint(-20, 5));
    EXPECT_FALSE(p->dropDownForm()->isVisible());
    EXPECT_EQ(p->dateTime(), before);
}

TEST_F(PickerTest, DropDownButtonStatesAndClick) {
    host->Show();
    TDownButton* b = TestAccess::downButton(*p);
    EXPECT_EQ(b->state(), TDownButton::stHot);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
    EXPECT_EQ(b->state(), TDownButton::stReleased);
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(b, &enter);
    EXPECT_EQ(b->state(), TDownButton::stHot);

    // Pressed inside and released outside: no click.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(b->state(), TDownButton::stPressed);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(40, 3));
    EXPECT_EQ(b->state(), TDownButton::stReleased);
    EXPECT_FALSE(p->dropDownForm()->isVisible());
    // Right button: nothing.
    QTest::mouseClick(b, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_FALSE(p->dropDownForm()->isVisible());

    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(p->dropDownForm()->isVisible());
    // The first drop-down shows today.
    EXPECT_EQ(YmdOf(Cal()->dateTime()), YmdOf(calendar::Now()));
    p->dropDownForm()->hide();
}

TEST_F(PickerTest, TabWalksTheFieldsAndTypingReplacesThem) {
    QLineEdit before(&host->window), after(&host->window);
    // The fields follow the picker in the chain; the next control follows the last field.
    QWidget::setTabOrder(&before, p);
    QWidget::setTabOrder(TestAccess::dayEdit(*p), &after);
    host->Show();
    p->setDateTime(kStored);
    QApplication::setActiveWindow(&host->window);
    before.setFocus();
    int enters = 0, exits = 0;
    p->OnEnter = [&](QObject*) { ++enters; };
    p->OnExit = [&](QObject*) { ++exits; };

    const std::vector<QWidget*> expected = {TestAccess::yearEdit(*p), TestAccess::monthEdit(*p),
                                            TestAccess::dayEdit(*p), &after};
    for (QWidget* w : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), w);
    }
    // Moving between the fields is neither an enter nor an exit.
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(exits, 1);
    // Tabbing in selects the field's text, so typing replaces it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClicks(QApplication::focusWidget(), "9");
    p->setFocus();
    EXPECT_TRUE(TestAccess::yearEdit(*p)->hasFocus());
    QTest::keyClick(TestAccess::yearEdit(*p), Qt::Key_End);
    QTest::keyClicks(TestAccess::yearEdit(*p), "1");
    EXPECT_EQ(Fields(*p), "20101|6|9");
    EXPECT_EQ(p->dateTime(), kStored);
    // The handlers count into this test's locals: closing the window later moves the focus
    // out of the picker and would run them after the locals are gone.
    p->OnEnter = nullptr;
    p->OnExit = nullptr;
}

TEST_F(PickerTest, HotTracking) {
    EXPECT_FALSE(p->hovered());
    QEnterEvent enter(QPointF(100, 5), QPointF(100, 5), QPointF(100, 5));
    QApplication::sendEvent(p, &enter);
    EXPECT_TRUE(p->hovered());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(p, &leave);
    EXPECT_FALSE(p->hovered());
}

TEST_F(PickerTest, ParentColorAndParentCtl3D) {
    EXPECT_FALSE(p->parentColor());
    EXPECT_EQ(p->color(), gdi::clWindow);
    gdi::SetControlColor(&host->window, 0x123456);
    EXPECT_EQ(p->color(), gdi::clWindow);
    p->setParentColor(true);
    EXPECT_EQ(p->color(), 0x123456);
    gdi::SetControlColor(&host->window, 0x654321);
    EXPECT_EQ(p->color(), 0x654321);
    p->setColor(gdi::clWindow);
    EXPECT_FALSE(p->parentColor());
    gdi::SetControlColor(&host->window, 0x123456);
    EXPECT_EQ(p->color(), gdi::clWindow);

    EXPECT_TRUE(p->parentCtl3D());
    p->setCtl3D(true);
    EXPECT_FALSE(p->parentCtl3D());
    host->window.setProperty("Ctl3D", false);
    p->setParentCtl3D(true);
    EXPECT_FALSE(p->ctl3D());
    EXPECT_FALSE(TestAccess::downButton(*p)->ctl3D());
    p->setCtl3D(true);
    EXPECT_FALSE(p->parentCtl3D());
}

} // namespace
} // namespace calendar_ui::testing
