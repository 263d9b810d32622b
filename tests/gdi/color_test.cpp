#include "gdi/color.h"
#include "gdi/control_color.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace gdi;

TEST(SysColors, ResolveThroughTheTableAtUseTime) {
    EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(160, 160, 160));
    EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(0, 120, 215));
    EXPECT_EQ(ColorToRGB(clMenuBar), RGB(240, 240, 240));
    EXPECT_EQ(clMenuBar, static_cast<TColor>(0xFF00001E));
    // Plain colours pass unchanged; the top byte is dropped.
    EXPECT_EQ(ColorToRGB(0x00123456), 0x123456);

    SetSysColor(COLOR_BTNFACE, RGB(1, 2, 3));
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(1, 2, 3));
    EXPECT_EQ(ToQColor(clBtnFace), QColor(1, 2, 3));
    ResetSysColors();
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_EQ(GetSysColor(-1), 0);
    EXPECT_EQ(GetSysColor(99), 0);
}

TEST(SysColors, QColorRoundTripKeepsChannelOrder) {
    EXPECT_EQ(ToQColor(0x00FFFF), QColor(255, 255, 0)); // 0xBBGGRR: yellow
    EXPECT_EQ(FromQColor(QColor(10, 20, 30)), RGB(10, 20, 30));
    EXPECT_EQ(GetRValue(RGB(10, 20, 30)), 10);
    EXPECT_EQ(GetBValue(RGB(10, 20, 30)), 30);
}

namespace {
// Counts the colour notifications it gets.
class Listener : public QWidget {
public:
    using QWidget::QWidget;
    int parentChanges = 0;
    int sysChanges = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() == ParentColorChangedEvent()) ++parentChanges;
        if (e->type() == SysColorChangedEvent()) ++sysChanges;
        return QWidget::event(e);
    }
};
} // namespace

TEST(ControlColor, ContainersTellTheirDirectChildrenOnRealChangesOnly) {
    QWidget top;
    EXPECT_EQ(ControlColor(&top), clBtnFace); // never set: a plain form's colour
    auto* child = new Listener(&top);
    auto* grandChild = new Listener(child);
    SetControlColor(&top, clInfoBk);
    EXPECT_EQ(ControlColor(&top), clInfoBk);
    EXPECT_EQ(top.palette().color(QPalette::Window), QColor(255, 255, 225));
    EXPECT_EQ(child->parentChanges, 1);
    EXPECT_EQ(grandChild->parentChanges, 0);
    SetControlColor(&top, clInfoBk);
    EXPECT_EQ(child->parentChanges, 1);

    SetSysColor(COLOR_INFOBK, RGB(1, 2, 3));
    NotifySysColorChange();
    ResetSysColors();
    EXPECT_EQ(top.palette().color(QPalette::Window), QColor(1, 2, 3));
    EXPECT_EQ(child->sysChanges, 1);
    EXPECT_EQ(grandChild->sysChanges, 1);
}
