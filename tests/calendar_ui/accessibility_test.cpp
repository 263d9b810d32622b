#include "picker_test_support.h"
#include "test_access.h"

#include <QAccessible>
#include <gtest/gtest.h>

namespace calendar_ui::testing {
namespace {

// The table cell of day d of the shown month (block coordinates: the weeks' rows).
QAccessibleInterface* DayCell(QAccessibleTableInterface* table, const TChnCalendar& cal, int d) {
    for (int k = 1; k <= 37; ++k)
        if (cal.cell(k).Valid && cal.cell(k).Day == d)
            return table->cellAt(RowOf(k) - 1, ColOf(k) - 1);
    return nullptr;
}

TEST(DayGridAccessibility, TableOfDatedCellsWithTheCurrentOneFocused) {
    auto cal = ShownCalendar();
    cal->setDateTime(DateOf(2026, 12, 8));
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(TestAccess::dayGrid(*cal));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->columnCount(), 7);
    EXPECT_EQ(grid->childCount(), 42);
    EXPECT_EQ(table->columnDescription(0), QStringLiteral("星期日"));
    EXPECT_EQ(table->columnDescription(6), QStringLiteral("星期六"));

    QAccessibleInterface* eighth = DayCell(table, *cal, 8);
    ASSERT_NE(eighth, nullptr);
    EXPECT_EQ(eighth->role(), QAccessible::Cell);
    EXPECT_EQ(eighth->text(QAccessible::Name), QStringLiteral("2026年12月8日 星期二 农历十月三十"));
    // A festival or solar term is read after the lunar day; a cell without a day is silent.
    EXPECT_EQ(DayCell(table, *cal, 22)->text(QAccessible::Name),
              QStringLiteral("2026年12月22日 星期二 农历冬月十四 冬至"));
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), QString()); // 1 December is a Tuesday
    EXPECT_EQ(grid->indexOfChild(eighth), 1 * 7 + 2);
    EXPECT_EQ(grid->child(1 * 7 + 2), eighth);
    EXPECT_EQ(eighth->parent(), grid);
    EXPECT_EQ(grid->childAt(eighth->rect().center().x(), eighth->rect().center().y()), eighth);
    EXPECT_TRUE(eighth->state().selected);
    ASSERT_EQ(table->selectedCells(), QList<QAccessibleInterface*>{eighth});

    // The arrow keys move the selection; with the grid focused, the reader's focus follows.
    QApplication::setActiveWindow(cal.get());
    TestAccess::dayGrid(*cal)->setFocus();
    QTest::keyClick(TestAccess::dayGrid(*cal), Qt::Key_Right);
    QAccessibleInterface* ninth = DayCell(table, *cal, 9);
    EXPECT_TRUE(ninth->state().focused);
    EXPECT_FALSE(eighth->state().selected);
    EXPECT_EQ(grid->focusChild(), ninth);

    // Another month: the same cells read the new days.
    cal->setDateTime(DateOf(2027, 1, 5));
    EXPECT_EQ(eighth->text(QAccessible::Name),
              QStringLiteral("2027年1月5日 星期二 农历冬月廿八 小寒"));
}

TEST(PickerAccessibility, DateLunarTextAndAPressableDropDownButton) {
    PickerHost host;
    host.Show();
    TChnCalendarPicker* p = host.picker;
    p->setAccessibleName(QStringLiteral("宝宝生日"));
    p->setDateTime(DateOf(2010, 6, 14));
    QAccessibleInterface* picker = QAccessible::queryAccessibleInterface(p);
    EXPECT_EQ(picker->text(QAccessible::Name), QStringLiteral("宝宝生日"));
    EXPECT_EQ(picker->text(QAccessible::Value), QStringLiteral("2010-6-14"));
    EXPECT_EQ(picker->text(QAccessible::Description), QStringLiteral("庚寅虎五月初三"));
    for (TMonthDayEdit* field :
         {TestAccess::yearEdit(*p), TestAccess::monthEdit(*p), TestAccess::dayEdit(*p)})
        EXPECT_FALSE(
            QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name).isEmpty());

    const int parts = picker->childCount();
    QAccessibleInterface* button =
        QAccessible::queryAccessibleInterface(TestAccess::downButton(*p));
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_FALSE(button->text(QAccessible::Name).isEmpty());
    ASSERT_TRUE(button->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(p->dropDownForm()->isVisible());
    // The pop-up, no child of the application's tree, is reached through the picker.
    ASSERT_EQ(picker->childCount(), parts + 1);
    QAccessibleInterface* form = picker->child(parts);
    EXPECT_EQ(form->object(), p->dropDownForm());
    EXPECT_EQ(picker->indexOfChild(form), parts);
    EXPECT_EQ(form->parent(), picker);
    p->dropDownForm()->hide();
}

} // namespace
} // namespace calendar_ui::testing
