#include "flat/flat_edit.h"
#include "flat_test_support.h"

#include "gdi/control_color.h"

#include <QCursor>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace flat;
using namespace flat_test;
using gdi::RGB;

namespace {

constexpr TColor kBox = RGB(250, 250, 240);

struct Form {
    QWidget window;
    Form() {
        window.resize(300, 100);
        gdi::SetControlColor(&window, kBox);
    }
    TFlatEdit* Add(int x, int y) {
        auto* e = new TFlatEdit(&window);
        e->setGeometry(x, y, 121, 19);
        return e;
    }
    void ShowActive() {
        QCursor::setPos(1000, 1000); // nowhere near the edits
        window.move(0, 0);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

// Outline, then the two band rings, then a text-area pixel, along the left middle row.
std::string LeftRow(const QImage& img, TColor fill) {
    return Trace(img, 0, img.height() / 2, 1, 0, 4, {{RGB(160, 150, 131), 'b'}, {fill, 'f'}});
}

} // namespace

TEST(FlatEditLook, FlatRingsAndFillFollowTheParent) {
    Form f;
    TFlatEdit* e = f.Add(10, 10);
    EXPECT_TRUE(e->parentColor());
    EXPECT_EQ(e->colorFlat(), kBox); // took the parent's colour on insertion
    const QImage img = Render(e);
    EXPECT_EQ(LeftRow(img, kBox), "bfff");
    EXPECT_EQ(Trace(img, 60, 0, 0, 1, 3, {{RGB(160, 150, 131), 'b'}, {kBox, 'f'}}), "bff");
    EXPECT_EQ(Px(img, 120, 18), RGB(160, 150, 131));
    EXPECT_EQ(Px(img, 118, 16), kBox);
    EXPECT_EQ(e->color(), kBox);
    EXPECT_EQ(e->clientRect(), QRect(3, 3, 115, 13));
}

// The ink of the text: the rectangle of the pixels in the text colour.
QRect TextInk(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (Px(img, x, y) == gdi::clBlack) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(FlatEditLook, TextIsDrawnInTheClientAreaAsInAPlainEdit) {
    // Long enough to be cut at the right: the client area clips it as well as placing it.
    const QString text = QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    Form f;
    TFlatEdit* e = f.Add(10, 10);
    e->setText(text);
    e->setCursorPosition(0);
    QWidget holder;
    auto* plain = new QLineEdit(text, &holder);
    plain->setFrame(false);
    plain->setFont(e->font());
    plain->setGeometry(QRect(QPoint(0, 0), e->clientRect().size()));
    plain->setCursorPosition(0);
    const QRect ink = TextInk(Render(e));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(ink, TextInk(Render(plain)).translated(e->clientRect().topLeft()));
}

TEST(FlatEditLook, FocusHighlightsBandAndTextArea) {
    Form f;
    TFlatEdit* e = f.Add(10, 10);
    TFlatEdit* other = f.Add(10, 40);
    e->setColorFocused(RGB(255, 200, 200));
    f.ShowActive();
    e->setFocus();
    QTRY_VERIFY(e->hasFocus());
    EXPECT_TRUE(e->Highlighted());
    QImage img = Render(e);
    EXPECT_EQ(LeftRow(img, RGB(255, 200, 200)), "bfff");
    EXPECT_EQ(e->color(), RGB(255, 200, 200));

    // Hovering over another edit does not light it while a flat edit holds the focus.
    QTest::mouseMove(other, QPoint(5, 5));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(15, 45));
    QApplication::sendEvent(other, &enter);
    EXPECT_TRUE(other->hovered());
    EXPECT_FALSE(other->Highlighted());

    // Focus gone to a non-edit widget: hovering highlights, leaving restores.
    QWidget* plain = new QWidget(&f.window);
    plain->setFocusPolicy(Qt::StrongFocus);
    plain->show();
    plain->setFocus();
    QTRY_VERIFY(plain->hasFocus());
    img = Render(e);
    EXPECT_EQ(LeftRow(img, kBox), "bfff");
    EXPECT_TRUE(other->Highlighted());
    EXPECT_EQ(Px(Render(other), 1, 9), ColorToRGB(gdi::clWhite));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(other, &leave);
    EXPECT_FALSE(other->Highlighted());
    EXPECT_EQ(Px(Render(other), 1, 9), kBox);
}

TEST(FlatEditLook, NoHoverWithoutAnActiveWindow) {
    Form f;
    TFlatEdit* e = f.Add(10, 10);
    if (QApplication::activeWindow() != nullptr) GTEST_SKIP() << "another window is active";
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(15, 15));
    QApplication::sendEvent(e, &enter);
    EXPECT_FALSE(e->hovered());
}

TEST(FlatEditColours, ColorFlatParentColorAndTheAdvancedRule) {
    Form f;
    TFlatEdit* e = f.Add(0, 0);
    e->setColorFlat(gdi::clBtnHighlight);
    EXPECT_FALSE(e->parentColor());
    gdi::SetControlColor(&f.window, RGB(1, 2, 3));
    EXPECT_EQ(e->colorFlat(), gdi::clBtnHighlight); // not following any more
    e->setParentColor(true);
    EXPECT_EQ(e->colorFlat(), RGB(1, 2, 3)); // copied at once
    gdi::SetControlColor(&f.window, RGB(4, 5, 6));
    EXPECT_EQ(e->colorFlat(), RGB(4, 5, 6));
}

TEST(FlatEditColours, UseAdvColorsDerivesAndTurnsParentColorWithIt) {
    TFlatEdit e; // no parent: ColorFlat keeps its default (235, 234, 225)
    e.setAdvColorFocused(30);
    EXPECT_EQ(e.colorFocused(), gdi::clWhite); // stored only
    e.setAdvColorFocused(10);
    e.setUseAdvColors(true);
    EXPECT_TRUE(e.parentColor());
    EXPECT_EQ(e.colorFlat(), RGB(235, 234, 225));
    EXPECT_EQ(e.colorFocused(), RGB(128, 123, 85));
    EXPECT_EQ(e.colorBorder(), RGB(201, 198, 173));
    e.setUseAdvColors(false);
    EXPECT_FALSE(e.parentColor());
    EXPECT_EQ(e.colorFocused(), RGB(128, 123, 85));

    Form f;
    TFlatEdit* child = f.Add(0, 0);
    child->setColorFlat(RGB(0, 0, 0));
    child->setUseAdvColors(true); // ParentColor turns on and copies the parent's colour
    EXPECT_EQ(child->colorFlat(), kBox);
    EXPECT_EQ(child->colorBorder(), DeriveAdvColor(kBox, 0, 50, true));
    child->setColorBorder(RGB(9, 9, 9)); // kept until the next event applying the rule
    EXPECT_EQ(child->colorBorder(), RGB(9, 9, 9));
    gdi::NotifySysColorChange();
    EXPECT_EQ(child->colorBorder(), DeriveAdvColor(kBox, 0, 50, true));
}

TEST(FlatEditSize, HeightFitsTheFontCellPlusTheFrame) {
    Form f;
    TFlatEdit* e = f.Add(0, 0);
    e->Loaded();
    EXPECT_EQ(e->height(), QFontMetrics(e->font()).height() + 6);
    QFont big = e->font();
    big.setPixelSize(20);
    e->setFont(big);
    EXPECT_EQ(e->height(), QFontMetrics(big).height() + 6);
}
