#include "flat/flat_button.h"
#include "flat/flat_edit.h"
#include "flat/flat_group_box.h"
#include "flat_test_support.h"

#include "gdi/control_color.h"

#include <QApplication>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace flat;
using namespace flat_test;
using gdi::RGB;

namespace {

constexpr TColor kBorder = RGB(160, 150, 131);

struct Form {
    QWidget window;
    TFlatGroupBox* box;
    Form() {
        window.resize(600, 200);
        gdi::SetControlColor(&window, gdi::clInfoBk);
        box = new TFlatGroupBox(&window);
        box->setGeometry(10, 10, 505, 97);
    }
};

std::vector<std::pair<TColor, char>> Legend(TColor fill) {
    return {{kBorder, 'b'}, {fill, '.'}};
}

} // namespace

TEST(FlatGroupBoxLook, FullFrameWithTheSevenPixelGap) {
    Form f;
    f.box->setColor(gdi::clBtnHighlight);
    const QImage img = Render(f.box);
    TCanvas probe;
    probe.Font = f.box->font();
    const int th = probe.TextHeight(QString());
    ASSERT_EQ(th, 13) << "the default font's cell height";
    const int y = th / 2;
    const auto L = Legend(gdi::clBtnHighlight);
    // Row 6: columns 0..5 drawn, 6..12 open, 13..504 drawn.
    EXPECT_EQ(Trace(img, 0, y, 1, 0, 15, L), "bbbbbb.......bb");
    EXPECT_EQ(Trace(img, 490, y, 1, 0, 15, L), std::string(15, 'b'));
    EXPECT_EQ(Trace(img, 0, 0, 0, 1, 8, L), "......bb"); // left side starts at row 6
    EXPECT_EQ(Px(img, 0, 96), kBorder);
    EXPECT_EQ(Px(img, 504, 96), kBorder);
    EXPECT_EQ(Px(img, 504, 6), kBorder);
    EXPECT_EQ(Px(img, 504, 5), ColorToRGB(gdi::clBtnHighlight));
    EXPECT_EQ(Trace(img, 200, 94, 0, 1, 3, L), "..b");
    EXPECT_EQ(Px(img, 250, 50), ColorToRGB(gdi::clBtnHighlight));
}

TEST(FlatGroupBoxLook, OnlyTopLineLeavesTheCornerAndEverythingBelow) {
    Form f;
    f.box->setColor(gdi::clWindow);
    f.box->setBorder(brOnlyTopLine);
    const QImage img = Render(f.box);
    const auto L = Legend(gdi::clWindow);
    EXPECT_EQ(Trace(img, 0, 6, 1, 0, 15, L), ".bbbbb.......bb");
    EXPECT_EQ(Px(img, 504, 6), kBorder);
    for (int row = 7; row < 97; ++row) {
        EXPECT_EQ(Px(img, 0, row), ColorToRGB(gdi::clWindow)) << row;
        EXPECT_EQ(Px(img, 504, row), ColorToRGB(gdi::clWindow)) << row;
    }
    EXPECT_EQ(Px(img, 200, 96), ColorToRGB(gdi::clWindow));
}

TEST(FlatGroupBoxLook, CaptionGapAndDisabledEngraving) {
    Form f;
    f.box->setColor(gdi::clWindow);
    f.box->setCaption("Name");
    TCanvas probe;
    probe.Font = f.box->font();
    const TPoint ext = probe.TextExtent("Name");
    QImage img = Render(f.box);
    const int y = ext.Y / 2;
    // Gap from column 6 to 12 + TW; frame again from 13 + TW.
    EXPECT_EQ(Px(img, 5, y), kBorder);
    EXPECT_EQ(Px(img, 13 + ext.X, y), kBorder);
    for (int x = 6; x < 10; ++x)
        EXPECT_EQ(Px(img, x, y), ColorToRGB(gdi::clWindow)) << x;

    f.box->setEnabled(false);
    img = Render(f.box);
    QRect hi, sh;
    for (int yy = 0; yy < ext.Y + 2; ++yy)
        for (int x = 10; x < 12 + ext.X; ++x) {
            if (Px(img, x, yy) == ColorToRGB(gdi::clBtnShadow)) sh |= QRect(x, yy, 1, 1);
        }
    // Highlight is white like the fill, so look for it on a coloured box.
    f.box->setColor(RGB(0, 0, 100));
    img = Render(f.box);
    for (int yy = 0; yy < ext.Y + 2; ++yy)
        for (int x = 10; x < 12 + ext.X; ++x)
            if (Px(img, x, yy) == ColorToRGB(gdi::clBtnHighlight)) hi |= QRect(x, yy, 1, 1);
    ASSERT_FALSE(sh.isEmpty());
    ASSERT_FALSE(hi.isEmpty());
    EXPECT_EQ(hi.bottomRight(), sh.bottomRight() + QPoint(1, 1));
    EXPECT_GE(sh.left(), 10);
}

namespace {
class Striped : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (int x = 0; x < width(); x += 2)
            p.fillRect(x, 0, 1, height(), Qt::green);
    }
};
class CountedBox : public TFlatGroupBox {
public:
    using TFlatGroupBox::TFlatGroupBox;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override {
        ++paints;
        TFlatGroupBox::paintEvent(e);
    }
};
} // namespace

TEST(FlatGroupBoxLook, OnlyATransparentBoxRepaintsWhenMovedOrResized) {
    Striped parent;
    parent.resize(100, 60);
    auto* box = new CountedBox(&parent);
    box->setGeometry(11, 5, 40, 40);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    // The box's own handling of the notifications, without the framework's repaints of a
    // real move: what lies under a transparent box has changed, under an opaque one not.
    const auto paintsAfterMoveAndSize = [&] {
        QCoreApplication::processEvents();
        box->paints = 0;
        QMoveEvent move(QPoint(12, 5), QPoint(11, 5));
        QApplication::sendEvent(box, &move);
        QCoreApplication::processEvents();
        const int moved = box->paints;
        QResizeEvent size(QSize(41, 40), QSize(40, 40));
        QApplication::sendEvent(box, &size);
        QCoreApplication::processEvents();
        return std::pair(moved, box->paints - moved);
    };
    EXPECT_EQ(paintsAfterMoveAndSize(), std::pair(0, 0));
    box->setTransparent(true);
    const auto [moved, sized] = paintsAfterMoveAndSize();
    EXPECT_GT(moved, 0);
    EXPECT_GT(sized, 0);
}

TEST(FlatGroupBoxLook, TransparentShowsTheParent) {
    Striped parent;
    parent.resize(100, 60);
    TFlatGroupBox* box = new TFlatGroupBox(&parent);
    box->setGeometry(11, 5, 40, 40);
    box->setTransparent(true);
    const QImage img = Render(box);
    // Parent column 11 is odd (not green), column 12 green.
    EXPECT_EQ(Px(img, 1, 20), RGB(0, 255, 0));
    EXPECT_NE(Px(img, 2, 20), RGB(0, 255, 0));
    EXPECT_EQ(Px(img, 0, 20), kBorder); // the frame on top
}

TEST(FlatGroupBoxBehaviour, AcceleratorFocusesTheBoxItself) {
    Form f;
    f.box->setCaption("&Entries");
    auto* edit = new TFlatEdit(f.box);
    edit->setGeometry(10, 20, 80, 19);
    f.window.show();
    f.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    QTest::keyClick(&f.window, Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(f.box->hasFocus());
    EXPECT_FALSE(edit->hasFocus());
}

TEST(FlatGroupBoxBehaviour, ContainerColourReachesChildren) {
    Form f;
    auto* edit = new TFlatEdit(f.box);
    edit->setGeometry(10, 20, 80, 19);
    edit->setColorFlat(gdi::clBtnHighlight);
    edit->setParentColor(true);
    f.box->setColorBorder(gdi::clMenuBar);
    f.box->setColor(RGB(200, 100, 50)); // e.g. a themed box: the edit follows
    EXPECT_EQ(edit->colorFlat(), RGB(200, 100, 50));
    f.box->setColor(gdi::clBtnHighlight);
    EXPECT_EQ(edit->colorFlat(), gdi::clBtnHighlight);
    const QImage img = Render(f.box);
    EXPECT_EQ(Px(img, 10 + 2, 20 + 9), RGB(255, 255, 255));
    EXPECT_EQ(Px(img, 0, 50), RGB(240, 240, 240)); // menu-bar frame
}

TEST(FlatGroupBoxColours, AdvancedRuleAndParentColour) {
    Form f;
    EXPECT_EQ(f.box->color(), gdi::clInfoBk); // takes the parent's colour until set
    f.box->setColor(RGB(212, 208, 200));
    EXPECT_FALSE(f.box->parentColor());
    f.box->setAdvColorBorder(50); // rule off: nothing derived
    EXPECT_EQ(f.box->colorBorder(), kBorder);
    f.box->setUseAdvColors(true);
    EXPECT_TRUE(f.box->parentColor());
    EXPECT_EQ(f.box->color(), gdi::clInfoBk);
    EXPECT_EQ(f.box->colorBorder(), DeriveAdvColor(gdi::clInfoBk, 0, 50, true));
    f.box->setColorBorder(gdi::clRed); // kept until the rule runs again
    EXPECT_EQ(f.box->colorBorder(), gdi::clRed);
    gdi::SetControlColor(&f.window, RGB(212, 208, 200));
    EXPECT_EQ(f.box->colorBorder(), RGB(175, 168, 153));
    f.box->setUseAdvColors(false);
    EXPECT_FALSE(f.box->parentColor());
    EXPECT_EQ(f.box->colorBorder(), RGB(175, 168, 153));
}

TEST(FlatGroupBoxBehaviour, AcceleratorsOfButtonsInsideAreNotDelivered) {
    Form f;
    auto* inside = new TFlatButton(f.box);
    inside->setGeometry(10, 20, 60, 25);
    inside->setCaption("&Xyz");
    int clicks = 0;
    inside->OnClick = [&](QObject*) { ++clicks; };
    f.window.show();
    f.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    QTest::keyClick(&f.window, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(clicks, 0);

    // Moved out of the box onto the window, the button answers its accelerator again.
    inside->setParent(&f.window);
    inside->show();
    QTest::keyClick(&f.window, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
}
