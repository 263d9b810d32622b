#include "flat/flat_button.h"

#include <QAccessible>
#include <gtest/gtest.h>

using namespace flat;

namespace {

TEST(FlatButtonAccessibility, NamedPushButtonPressedByTheReader) {
    QWidget window;
    auto* plain = new TFlatButton(&window);
    auto* grouped = new TFlatButton(&window);
    grouped->setGroupIndex(1);
    int plainClicks = 0, groupedClicks = 0;
    plain->OnClick = [&](QObject*) { ++plainClicks; };
    grouped->OnClick = [&](QObject*) { ++groupedClicks; };

    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(plain);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    plain->setCaption(QStringLiteral("&Save && go"));
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Save & go"));
    // A picture-only button is named by its owner.
    plain->setAccessibleName(QStringLiteral("开始取名"));
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("开始取名"));

    const QString press = QAccessibleActionInterface::pressAction();
    ASSERT_TRUE(a->actionInterface()->actionNames().contains(press));
    a->actionInterface()->doAction(press);
    EXPECT_EQ(plainClicks, 1);
    plain->setEnabled(false);
    a->actionInterface()->doAction(press);
    EXPECT_EQ(plainClicks, 1) << "a disabled button is not pressed";

    // A grouped button latches, as with its accelerator, and reads as checked.
    QAccessibleInterface* g = QAccessible::queryAccessibleInterface(grouped);
    EXPECT_FALSE(g->state().checked);
    g->actionInterface()->doAction(press);
    EXPECT_EQ(groupedClicks, 1);
    EXPECT_TRUE(grouped->down());
    EXPECT_TRUE(g->state().checkable);
    EXPECT_TRUE(g->state().checked);
}

} // namespace
