#include "flat/flat_utilitys.h"
#include "flat_test_support.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace flat;
using namespace flat_test;
using gdi::RGB;

namespace {
QImage White(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}
std::vector<std::pair<TColor, char>> TB() {
    return {{gdi::clRed, 'T'}, {gdi::clBlue, 'B'}, {gdi::clWhite, '.'}};
}
} // namespace

TEST(DrawBevelFrame, RingsPutCornersInTheBottomColour) {
    QImage img = White(6, 5);
    {
        TCanvas c(&img);
        DrawBevelFrame(c, {0, 0, 6, 5}, gdi::clRed, gdi::clBlue, 2);
    }
    const std::vector<std::string> want = {"TTTTTB", "TTTTBB", "TT..BB", "TBBBBB", "BBBBBB"};
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(Trace(img, 0, y, 1, 0, 6, TB()), want[y]) << y;

    QImage none = White(4, 4);
    {
        TCanvas c(&none);
        DrawBevelFrame(c, {0, 0, 4, 4}, gdi::clRed, gdi::clBlue, 0);
        DrawBevelFrame(c, {0, 0, 4, 4}, gdi::clRed, gdi::clBlue, -3);
    }
    EXPECT_EQ(none, White(4, 4));
}

TEST(MakeDisabledBitmap, KeyPixelsBecomeAnEngravedShape) {
    QImage src(4, 3, QImage::Format_RGB32);
    src.fill(Qt::white);
    src.setPixel(1, 1, qRgb(0, 0, 0));
    src.setPixel(3, 2, qRgb(0, 0, 0)); // its highlight falls off the edge
    const QImage out = MakeDisabledBitmap(src, gdi::clBlack, gdi::clBtnFace, gdi::clBtnHighlight,
                                          gdi::clBtnShadow, true);
    ASSERT_EQ(out.size(), src.size());
    const std::vector<std::pair<TColor, char>> legend = {
        {gdi::clBtnFace, '.'}, {gdi::clBtnHighlight, 'h'}, {gdi::clBtnShadow, 's'}};
    EXPECT_EQ(Trace(out, 0, 0, 1, 0, 4, legend), "....");
    EXPECT_EQ(Trace(out, 0, 1, 1, 0, 4, legend), ".s..");
    EXPECT_EQ(Trace(out, 0, 2, 1, 0, 4, legend), "..hs");

    // Shadow wins where the shifted copy and the shape overlap; no highlight when not asked.
    src.setPixel(2, 2, qRgb(0, 0, 0));
    const QImage flatOut =
        MakeDisabledBitmap(src, gdi::clBlack, RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), false);
    EXPECT_EQ(Px(flatOut, 2, 2), RGB(3, 3, 3));
    EXPECT_EQ(Px(flatOut, 2, 1), RGB(1, 1, 1));

    QImage noKey(3, 3, QImage::Format_RGB32);
    noKey.fill(Qt::red);
    QImage plain = MakeDisabledBitmap(noKey, gdi::clBlack, RGB(7, 8, 9), 0, 0, true);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(Px(plain, x, y), RGB(7, 8, 9));
}

TEST(MakeDisabledBitmap, OneBitSourceTakesItsZeroBitsAsTheShape) {
    QImage mono(2, 1, QImage::Format_Mono);
    mono.setColor(0, qRgb(255, 255, 255)); // whatever the table says, bit 0 is the shape
    mono.setColor(1, qRgb(0, 0, 0));
    mono.setPixel(0, 0, 0);
    mono.setPixel(1, 0, 1);
    const QImage out =
        MakeDisabledBitmap(mono, gdi::clBlack, RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), false);
    EXPECT_EQ(Px(out, 0, 0), RGB(3, 3, 3));
    EXPECT_EQ(Px(out, 1, 0), RGB(1, 1, 1));
}

TEST(LayoutGlyphAndCaption, MainWindowPicturesAndThePressedShift) {
    TCanvas c;
    struct Case {
        int w, h;
        TPoint origin;
    } cases[] = {{82, 25, {0, 0}}, {82, 24, {0, 1}}, {78, 21, {2, 2}}};
    for (const auto& k : cases) {
        QImage glyph(k.w, k.h, QImage::Format_RGB32);
        for (TPoint offset : {TPoint{0, 0}, TPoint{1, 1}}) {
            TRect cap;
            TPoint origin;
            LayoutGlyphAndCaption(c, {0, 0, 81, 25}, offset, blGlyphTop, 4, -1, &glyph, 1, "", cap,
                                  origin);
            EXPECT_EQ(origin, (TPoint{k.origin.X + offset.X, k.origin.Y + offset.Y}))
                << k.w << "x" << k.h;
        }
    }
}

TEST(LayoutGlyphAndCaption, EmptyEverythingCentresAZeroCaption) {
    TCanvas c;
    TRect cap{9, 9, 9, 9};
    TPoint origin{-5, -5};
    LayoutGlyphAndCaption(c, {10, 20, 50, 40}, {1, 1}, blGlyphLeft, 4, -1, nullptr, 1, "", cap,
                          origin);
    // Client 40 x 20: everything centred, then moved by the client corner and the offset.
    EXPECT_EQ(origin, (TPoint{20 + 10 + 1, 10 + 20 + 1}));
    EXPECT_EQ(cap, (TRect{31, 31, 31, 31}));
}

TEST(LayoutGlyphAndCaption, MarginAndSpacingRules) {
    TCanvas c;
    c.Font.setPixelSize(11);
    const int tw = c.TextWidth("Go"), th = c.TextHeight("Go");
    QImage glyph(32, 16, QImage::Format_RGB32); // two images of 16 x 16
    TRect cap;
    TPoint o;
    // Both automatic: three equal gaps along the layout direction.
    LayoutGlyphAndCaption(c, {0, 0, 100, 30}, {0, 0}, blGlyphLeft, -1, -1, &glyph, 2, "Go", cap, o);
    const int m = (100 - 16 - tw) / 3;
    EXPECT_EQ(o, (TPoint{m, (30 - 16 + 1) / 2}));
    EXPECT_EQ(cap, (TRect{m + 16 + m, (30 - th + 1) / 2, m + 16 + m + tw, (30 - th + 1) / 2 + th}));
    // Margin given, spacing automatic.
    LayoutGlyphAndCaption(c, {0, 0, 100, 30}, {0, 0}, blGlyphRight, -1, 5, &glyph, 2, "Go", cap, o);
    const int sp = (100 - (5 + 16) - tw) / 2;
    EXPECT_EQ(o.X, 100 - 5 - 16);
    EXPECT_EQ(cap.Left, o.X - sp - tw);
    // Margin automatic, spacing given: the pair is centred.
    LayoutGlyphAndCaption(c, {0, 0, 30, 100}, {0, 0}, blGlyphBottom, 4, -1, &glyph, 2, "Go", cap,
                          o);
    const int mb = (100 - (16 + 4 + th) + 1) / 2;
    EXPECT_EQ(o.Y, 100 - mb - 16);
    EXPECT_EQ(cap.Top, o.Y - 4 - th);
    // Spacing drops to 0 without a caption.
    LayoutGlyphAndCaption(c, {0, 0, 30, 100}, {0, 0}, blGlyphTop, 4, 3, &glyph, 2, "", cap, o);
    EXPECT_EQ(o.Y, 3);
    EXPECT_EQ(cap.Top, 3 + 16);
}

TEST(RectsOverlap, EmptyRectanglesOverlapNothing) {
    EXPECT_TRUE(RectsOverlap({0, 0, 10, 10}, {9, 9, 20, 20}));
    EXPECT_FALSE(RectsOverlap({0, 0, 10, 10}, {10, 0, 20, 10}));
    EXPECT_FALSE(RectsOverlap({0, 0, 10, 10}, {2, 2, 2, 8}));
    EXPECT_FALSE(RectsOverlap({5, 5, 5, 5}, {0, 0, 10, 10}));
}

TEST(AcceleratorChar, TheCharacterAfterASingleAmpersand) {
    EXPECT_EQ(AcceleratorChar("&Open"), QChar('O'));
    EXPECT_EQ(AcceleratorChar("Save &as"), QChar('a'));
    EXPECT_TRUE(AcceleratorChar("A && B").isNull());
    EXPECT_TRUE(AcceleratorChar("End&").isNull());
}

namespace {
// A parent that paints a recognisable pattern: blue left half, red right half.
class Pattern : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(0, 0, width() / 2, height(), Qt::blue);
        p.fillRect(width() / 2, 0, width() - width() / 2, height(), Qt::red);
    }
};
} // namespace

TEST(PaintParentBackground, ShowsTheParentUnderTheControl) {
    Pattern parent;
    parent.resize(40, 20);
    QWidget child(&parent);
    child.setGeometry(15, 5, 10, 10);
    QImage img = White(10, 10);
    {
        TCanvas c(&img);
        c.Pen.Color = gdi::clLime;
        PaintParentBackground(&child, c);
        EXPECT_EQ(c.Pen.Color, gdi::clLime); // canvas state restored
        EXPECT_EQ(c.ViewportOrigin(), (TPoint{0, 0}));
    }
    EXPECT_EQ(Px(img, 4, 5), RGB(0, 0, 255)); // parent column 19
    EXPECT_EQ(Px(img, 5, 5), RGB(255, 0, 0)); // parent column 20

    QWidget orphan;
    orphan.resize(10, 10);
    QImage untouched = White(10, 10);
    {
        TCanvas c(&untouched);
        PaintParentBackground(&orphan, c);
    }
    EXPECT_EQ(untouched, White(10, 10));
}
