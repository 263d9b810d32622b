#include "flat/flat_button.h"
#include "flat_test_support.h"
#include "test_access.h"

#include <QPainter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace flat;
using namespace flat_test;
using gdi::RGB;

namespace {

constexpr TColor kFace = RGB(250, 240, 200);

// A solid picture whose bottom-left pixel carries the key colour white.
QImage Picture(int w, int h, QColor fill) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    img.setPixel(0, h - 1, qRgb(255, 255, 255));
    return img;
}

struct Form {
    QWidget window;
    Form() {
        window.resize(200, 100);
        gdi::SetControlColor(&window, kFace);
    }
    TFlatButton* Add(int x, int y, int w = 81, int h = 25) {
        auto* b = new TFlatButton(&window);
        b->setGeometry(x, y, w, h);
        return b;
    }
};

// The four edges of a button as characters of the legend.
struct Edges {
    std::string top, left, bottom, right;
};
Edges EdgesOf(const QImage& img, const std::vector<std::pair<TColor, char>>& legend) {
    const int w = img.width(), h = img.height();
    return {Trace(img, 0, 0, 1, 0, w, legend), Trace(img, 0, 0, 0, 1, h, legend),
            Trace(img, 0, h - 1, 1, 0, w, legend), Trace(img, w - 1, 0, 0, 1, h, legend)};
}

} // namespace

TEST(FlatButtonLook, BordersAndFacesPerState) {
    Form f;
    TFlatButton* b = f.Add(0, 0, 6, 5);
    b->setColorBorder(gdi::clYellow);
    const std::vector<std::pair<TColor, char>> legend = {
        {gdi::clYellow, 'y'}, {gdi::clWhite, 'w'},      {gdi::clBlack, 'k'},
        {kFace, 'f'},         {b->colorFocused(), 'F'}, {b->colorDown(), 'D'}};
    EXPECT_EQ(b->color(), kFace); // follows the parent

    QImage img = Render(b);
    Edges e = EdgesOf(img, legend);
    EXPECT_EQ(e.top, "yyyyyy");
    EXPECT_EQ(e.left, "yyyyy");
    EXPECT_EQ(e.bottom, "yyyyyy");
    EXPECT_EQ(e.right, "yyyyy");
    EXPECT_EQ(Trace(img, 1, 2, 1, 0, 4, legend), "ffff");

    b->setDefault(true);
    img = Render(b);
    EXPECT_EQ(Trace(img, 0, 2, 1, 0, 6, legend), "yyffyy"); // two-pixel border
    b->setDefault(false);

    // Hovered (focus counts as hover): raised, white over black, lighter face.
    b->setFocus();
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(b, &in);
    ASSERT_TRUE(b->hovered());
    img = Render(b);
    e = EdgesOf(img, legend);
    EXPECT_EQ(e.top, "wwwwwk");
    EXPECT_EQ(e.left, "wwwwk");
    EXPECT_EQ(e.bottom, "kkkkkk");
    EXPECT_EQ(e.right, "kkkkk");
    EXPECT_EQ(Px(img, 2, 2), RGB(235, 234, 225));

    // Pressed: sunken, black over white, ColorDown.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(2, 2));
    img = Render(b);
    e = EdgesOf(img, legend);
    EXPECT_EQ(e.top, "kkkkkw");
    EXPECT_EQ(e.bottom, "wwwwww");
    EXPECT_EQ(Px(img, 2, 2), RGB(217, 214, 197));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(2, 2));
}

TEST(FlatButtonLook, MainWindowGlyphPlacementAndPressedShift) {
    struct Case {
        int w, h, x, y;
    } cases[] = {{82, 25, 0, 0}, {82, 24, 0, 1}, {78, 21, 2, 2}};
    for (const auto& k : cases) {
        Form f;
        TFlatButton* b = f.Add(0, 0);
        b->setColorBorder(gdi::clYellow);
        b->setGlyph(Picture(k.w, k.h, Qt::darkGreen));
        ASSERT_EQ(b->numGlyphs(), 1);
        const TColor green = RGB(0, 128, 0);
        QImage img = Render(b);
        EXPECT_EQ(b->glyphOrigin(), (TPoint{k.x, k.y}));
        EXPECT_EQ(Px(img, k.x, k.y), green) << k.w << "x" << k.h;
        // The key pixel lets the border or face show through.
        EXPECT_NE(Px(img, k.x, k.y + k.h - 1), green);
        EXPECT_EQ(Px(img, 0, 24), ColorToRGB(gdi::clYellow));
        if (k.y > 0) {
            EXPECT_EQ(Px(img, k.x, 0), ColorToRGB(gdi::clYellow)); // border above the picture
        }

        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
        img = Render(b);
        EXPECT_EQ(b->glyphOrigin(), (TPoint{k.x + 1, k.y + 1}));
        EXPECT_EQ(Px(img, k.x + 1, k.y + 1), green);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
    }
}

TEST(FlatButtonLook, NumGlyphsFollowsTheStripShape) {
    TFlatButton b;
    b.setGlyph(Picture(82, 25, Qt::red));
    EXPECT_EQ(b.numGlyphs(), 1);
    b.setGlyph(Picture(64, 16, Qt::red));
    EXPECT_EQ(b.numGlyphs(), 4);
    b.setGlyph(Picture(96, 16, Qt::red));
    EXPECT_EQ(b.numGlyphs(), 1);
    b.setGlyph(Picture(32, 16, Qt::red));
    EXPECT_EQ(b.numGlyphs(), 2);
    b.setGlyph(Picture(50, 16, Qt::red)); // not a multiple: left as it was
    EXPECT_EQ(b.numGlyphs(), 2);
    b.setMargin(-2);
    EXPECT_EQ(b.margin(), -1);
    b.setMargin(3);
    EXPECT_EQ(b.margin(), 3);
}

TEST(FlatButtonLook, StripImagePerState) {
    Form f;
    TFlatButton* b = f.Add(0, 0, 30, 30);
    QImage strip(64, 16, QImage::Format_RGB32);
    const QRgb cols[4] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(200, 200, 0)};
    for (int i = 0; i < 4; ++i)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                strip.setPixel(16 * i + x, y, cols[i]);
    strip.setPixel(0, 15, qRgb(255, 255, 255));
    b->setGlyph(strip);
    b->setGroupIndex(1);
    auto centre = [&] {
        const QImage img = Render(b);
        const TPoint o = b->glyphOrigin();
        return img.pixel(o.X + 8, o.Y + 8) | 0xFF000000u;
    };
    EXPECT_EQ(centre(), cols[0] | 0xFF000000u); // up
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(centre(), cols[2] | 0xFF000000u); // pressed
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(b->down());
    EXPECT_EQ(centre(), cols[3] | 0xFF000000u); // latched
    b->setEnabled(false);
    EXPECT_EQ(centre(), cols[1] | 0xFF000000u); // disabled: its own image, not engraved
}

TEST(FlatButtonLook, DisabledSingleImageIsEngravedAndCaptionDrawnTwice) {
    Form f;
    TFlatButton* b = f.Add(0, 0, 60, 40);
    QImage pic(10, 10, QImage::Format_RGB32);
    pic.fill(Qt::white);
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            pic.setPixel(x, y, qRgb(0, 0, 0));
    b->setGlyph(pic);
    b->setCaption("Off");
    b->setEnabled(false);
    const QImage img = Render(b);
    EXPECT_EQ(b->state(), stDisabled);
    const TPoint o = b->glyphOrigin();
    EXPECT_EQ(Px(img, o.X + 3, o.Y + 3), ColorToRGB(gdi::clBtnShadow));
    EXPECT_EQ(Px(img, o.X + 6, o.Y + 6), ColorToRGB(gdi::clBtnHighlight));
    // The picture's white turned into button face, its key: the face shows through.
    EXPECT_EQ(Px(img, o.X + 8, o.Y + 1), kFace);

    // Caption: highlight copy one pixel right and down of the shadow copy.
    QRect hi, sh;
    const TRect cr = b->captionRect();
    for (int y = cr.Top; y <= cr.Bottom + 1; ++y)
        for (int x = cr.Left; x <= cr.Right + 1; ++x) {
            if (Px(img, x, y) == ColorToRGB(gdi::clBtnHighlight)) hi |= QRect(x, y, 1, 1);
            if (Px(img, x, y) == ColorToRGB(gdi::clBtnShadow)) sh |= QRect(x, y, 1, 1);
        }
    ASSERT_FALSE(sh.isEmpty());
    ASSERT_FALSE(hi.isEmpty());
    EXPECT_EQ(hi.bottomRight(), sh.bottomRight() + QPoint(1, 1));
}

TEST(FlatButtonLook, AdvancedColoursDeriveFromColor) {
    Form f;
    TFlatButton* b = f.Add(0, 0);
    b->setColor(RGB(212, 208, 200));
    EXPECT_FALSE(b->parentColor());
    b->setAdvColorDown(50); // stored only while the rule is off
    EXPECT_EQ(b->colorDown(), RGB(217, 214, 197));
    b->setUseAdvColors(true);
    EXPECT_TRUE(b->parentColor());
    EXPECT_EQ(b->color(), kFace); // back to the parent's colour
    EXPECT_EQ(b->colorDown(), DeriveAdvColor(kFace, 0, 50, true));
    EXPECT_EQ(b->colorBorder(), DeriveAdvColor(kFace, 0, 50, true));
    EXPECT_EQ(b->colorFocused(), DeriveAdvColor(kFace, 0, 10, false));
    gdi::SetControlColor(&f.window, RGB(100, 0, 0));
    EXPECT_EQ(b->color(), RGB(100, 0, 0));
    EXPECT_EQ(b->colorBorder(), DeriveAdvColor(RGB(100, 0, 0), 0, 50, true));
}

TEST(FlatButtonMouse, PressDragOutAndBackReleaseInsideClicks) {
    Form f;
    TFlatButton* b = f.Add(0, 0, 20, 10);
    int clicks = 0;
    b->OnClick = [&](QObject* s) {
        EXPECT_EQ(s, b);
        ++clicks;
    };
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(b->state(), stPressed);
    EXPECT_TRUE(b->pressing());
    QTest::mouseMove(b, QPoint(25, 5));
    EXPECT_EQ(b->state(), stUp);
    QTest::mouseMove(b, QPoint(5, 10)); // the bottom edge row still counts as inside
    EXPECT_EQ(b->state(), stPressed);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b->state(), stUp);
    EXPECT_FALSE(b->pressing());

    // Released outside: no click, hover look left.
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->hovered());
    EXPECT_EQ(b->state(), stUp);

    // Right button presses nothing; a disabled button ignores the mouse.
    QTest::mouseClick(b, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    b->setEnabled(false);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b->state(), stDisabled);
    b->setEnabled(true);
    Render(b); // the state settles at the next paint
    EXPECT_EQ(b->state(), stUp);
}

TEST(FlatButtonKeys, SpaceClicksAndLatches) {
    Form f;
    TFlatButton* b = f.Add(0, 0);
    int clicks = 0;
    b->OnClick = [&](QObject*) { ++clicks; };
    QTest::keyPress(b, Qt::Key_Space);
    EXPECT_EQ(b->state(), stPressed);
    QTest::keyRelease(b, Qt::Key_Space);
    EXPECT_EQ(b->state(), stUp);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(b, Qt::Key_Return); // other keys do nothing
    EXPECT_EQ(clicks, 1);

    b->setGroupIndex(3);
    QTest::keyPress(b, Qt::Key_Space);
    EXPECT_TRUE(b->down());
    EXPECT_EQ(b->state(), stLatched);
    QTest::keyRelease(b, Qt::Key_Space);
    EXPECT_TRUE(b->down()); // not allowed all up: stays latched
    EXPECT_EQ(clicks, 2);
    b->setAllowAllUp(true);
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_FALSE(b->down());
    EXPECT_EQ(b->state(), stUp);
    EXPECT_EQ(clicks, 3);
}

TEST(FlatButtonKeys, AcceleratorClicksAndLatches) {
    Form f;
    TFlatButton* b = f.Add(0, 0);
    b->setCaption("&Go");
    b->setGroupIndex(2);
    int clicks = 0;
    b->OnClick = [&](QObject*) { ++clicks; };
    f.window.show();
    f.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    QTest::keyClick(&f.window, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b->down());
    b->setEnabled(false);
    QTest::keyClick(&f.window, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
}

TEST(FlatButtonGroup, LatchingOneReleasesTheOther) {
    Form f;
    TFlatButton* a = f.Add(0, 0, 20, 10);
    TFlatButton* b = f.Add(30, 0, 20, 10);
    TFlatButton* other = f.Add(60, 0, 20, 10);
    a->setGroupIndex(1);
    b->setGroupIndex(1);
    other->setGroupIndex(2);
    other->setDown(true);
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(a->down());
    EXPECT_EQ(a->state(), stLatched);
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 5)); // cannot release itself
    EXPECT_TRUE(a->down());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(b->down());
    EXPECT_FALSE(a->down());
    EXPECT_EQ(a->state(), stUp);
    EXPECT_TRUE(other->down()); // another group

    // AllowAllUp travels to the whole group.
    b->setAllowAllUp(true);
    EXPECT_TRUE(a->allowAllUp());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(b->down());
    EXPECT_FALSE(a->down());

    // Without a group Down cannot be set.
    TFlatButton* plain = f.Add(90, 0, 20, 10);
    plain->setDown(true);
    EXPECT_FALSE(plain->down());
    EXPECT_EQ(plain->state(), stUp);
}

TEST(FlatButtonHover, SharedTimerTracksOneButtonAtATime) {
    const int before = TestAccess::buttonCount<TFlatButton>();
    {
        Form f;
        TFlatButton* a = f.Add(10, 10, 40, 20);
        TFlatButton* b = f.Add(100, 10, 40, 20);
        EXPECT_EQ(TestAccess::buttonCount<TFlatButton>(), before + 2);
        ASSERT_NE(TestAccess::hoverTimer<TFlatButton>(), nullptr);
        EXPECT_EQ(TestAccess::hoverTimer<TFlatButton>()->interval(), 100);
        f.window.move(0, 0);
        f.window.show();
        f.window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));

        QTest::mouseMove(a, QPoint(5, 5));
        EXPECT_TRUE(a->hovered());
        EXPECT_EQ(TestAccess::trackedButton<TFlatButton>(), a);
        EXPECT_TRUE(TestAccess::hoverTimer<TFlatButton>()->isActive());
        EXPECT_EQ(Px(Render(a), 0, 0), gdi::clWhite); // raised border

        QTest::mouseMove(b, QPoint(5, 5)); // moving onto b: a leaves hot at once
        EXPECT_FALSE(a->hovered());
        EXPECT_TRUE(b->hovered());
        EXPECT_EQ(TestAccess::trackedButton<TFlatButton>(), b);

        // Leaving to the bare form: the next timer tick notices.
        QTest::mouseMove(&f.window, QPoint(80, 80));
        EXPECT_TRUE(b->hovered());
        QTRY_VERIFY_WITH_TIMEOUT(!b->hovered(), 1000);
        EXPECT_EQ(TestAccess::trackedButton<TFlatButton>(), nullptr);
        EXPECT_FALSE(TestAccess::hoverTimer<TFlatButton>()->isActive());

        // A disabled button does not light up.
        a->setEnabled(false);
        QTest::mouseMove(a, QPoint(6, 6));
        EXPECT_FALSE(a->hovered());
    }
    EXPECT_EQ(TestAccess::buttonCount<TFlatButton>(), before);
    if (before == 0) {
        EXPECT_EQ(TestAccess::hoverTimer<TFlatButton>(), nullptr);
    }
}

namespace {
// A parent whose own painting is a solid colour different from its Color.
class Painted : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(10, 20, 30));
    }
};
} // namespace

TEST(FlatButtonLook, TransparentModesShowTheParent) {
    Painted parent;
    parent.resize(100, 50);
    gdi::SetControlColor(&parent, kFace);
    auto* b = new TFlatButton(&parent);
    b->setGeometry(10, 10, 30, 20);
    b->setTransparentMode(tmAlways);
    EXPECT_EQ(Px(Render(b), 5, 5), RGB(10, 20, 30));
    b->setTransparentMode(tmNotFocused);
    EXPECT_EQ(Px(Render(b), 5, 5), RGB(10, 20, 30));
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(b, &in); // hovered: the face colour again
    EXPECT_EQ(Px(Render(b), 5, 5), b->colorFocused());
    b->setTransparentMode(tmNone);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(b, &out);
    EXPECT_EQ(Px(Render(b), 5, 5), kFace);
}

TEST(FlatButtonMouse, ClickHandlerMayDeleteTheButton) {
    Form f;
    TFlatButton* b = f.Add(0, 0, 20, 10);
    b->OnClick = [b](QObject*) { delete b; };
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f.window.findChildren<TFlatButton*>().isEmpty());
}

TEST(FlatButtonLook, StripTooNarrowForItsImagesDrawsNothingOfThem) {
    Form f;
    auto latchedButton = [&](int x) {
        TFlatButton* b = f.Add(x, 0, 30, 25);
        b->setGroupIndex(x + 1); // a group of its own each
        b->setDown(true);
        return b;
    };
    TFlatButton* narrow = latchedButton(0);
    narrow->setGlyph(Picture(3, 16, QColor(0, 0, 200)));
    narrow->setNumGlyphs(4); // the latched image starts past the strip's end
    TFlatButton* bare = latchedButton(40);
    ASSERT_EQ(narrow->state(), stLatched);
    const QImage first = Render(narrow);
    EXPECT_EQ(first, Render(narrow));
    EXPECT_EQ(first, Render(bare));
}

TEST(FlatButtonState, PaintingLeavesTheStateAlone) {
    Form f;
    TFlatButton* b = f.Add(0, 0, 20, 10);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(b->pressing());
    b->setEnabled(false); // no paint in between
    EXPECT_FALSE(b->pressing());
    EXPECT_EQ(b->state(), stDisabled);
    b->setEnabled(true);
    EXPECT_EQ(b->state(), stUp);

    b->setGroupIndex(1);
    b->setDown(true);
    b->setEnabled(false);
    const QImage disabled = Render(b);
    EXPECT_EQ(disabled, Render(b));
    b->setEnabled(true);
    EXPECT_EQ(b->state(), stLatched);
    EXPECT_NE(Render(b), disabled);
}
