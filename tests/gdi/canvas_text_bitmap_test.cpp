#include "gdi/bitmap.h"
#include "gdi/canvas.h"
#include "gdi/fonts.h"
#include "gdi/prefix_text.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace gdi;

namespace {

QImage White(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// The bounding box of the pixels that are not white.
QRect Ink(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (PixelColor(img, x, y) != clWhite) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(Fonts, WindowsFamiliesMapToInstalledFreeFonts) {
    EXPECT_EQ(QFontInfo(MakeFont("MS Sans Serif", -11)).family(), "DejaVu Sans");
    EXPECT_EQ(QFontInfo(MakeFont("Arial", 9)).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(MakeFont("黑体", 9)).family(), "WenQuanYi Zen Hei");
    EXPECT_TRUE(QFontInfo(MakeFont("宋体", 9)).family().startsWith("AR PL UMing"));
    EXPECT_EQ(MakeFont("Arial", -11).pixelSize(), 11);
    EXPECT_EQ(MakeFont("Arial", 9).pointSize(), 9);
}

TEST(CanvasText, CalcRectMeasuresWithoutThePrefixCharacter) {
    TCanvas c;
    c.Font = DefaultFont();
    const QFontMetrics fm(c.DrawingFont());
    TRect r{5, 7, 5, 7};
    const int h = c.DrawText("&Open", r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(h, fm.height());
    EXPECT_EQ(r, (TRect{5, 7, 5 + fm.horizontalAdvance("Open"), 7 + fm.height()}));
    r = {0, 0, 0, 0};
    c.DrawText("A&&B", r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r.Width(), fm.horizontalAdvance("A&B"));
    r = {0, 0, 0, 0};
    c.DrawText("A&&B", r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(r.Width(), fm.horizontalAdvance("A&&B"));
    EXPECT_EQ(c.TextExtent("Open").X, fm.horizontalAdvance("Open"));
}

TEST(CanvasText, AlignmentPlacesTheTextInItsRectangle) {
    TCanvas probe;
    probe.Font = DefaultFont();
    const TPoint ext = probe.TextExtent("II");
    auto inkFor = [&](unsigned flags) {
        QImage img = White(60, 30);
        TCanvas c(&img);
        c.Font = DefaultFont();
        c.FontColor = clBlack;
        c.Brush.Style = bsClear;
        TRect r{0, 0, 60, 30};
        c.DrawText("II", r, flags | DT_SINGLELINE);
        c.End();
        return Ink(img);
    };
    const QRect left = inkFor(DT_LEFT | DT_TOP);
    const QRect centre = inkFor(DT_CENTER | DT_VCENTER);
    const QRect right = inkFor(DT_RIGHT | DT_BOTTOM);
    ASSERT_FALSE(left.isEmpty());
    EXPECT_LT(left.left(), 3);
    EXPECT_EQ(centre.left() - left.left(), (60 - ext.X) / 2);
    EXPECT_EQ(centre.top() - left.top(), (30 - ext.Y) / 2);
    EXPECT_EQ(right.left() - left.left(), 60 - ext.X);
    EXPECT_EQ(right.top() - left.top(), 30 - ext.Y);
}

TEST(CanvasText, PrefixUnderlinesAndSolidBrushFillsTheCell) {
    QImage plain = White(60, 20), prefixed = White(60, 20);
    for (QImage* img : {&plain, &prefixed}) {
        TCanvas c(img);
        c.Font = DefaultFont();
        c.FontColor = clBlack;
        c.Brush.Style = bsClear;
        TRect r{0, 0, 60, 20};
        c.DrawText(img == &plain ? "ab" : "&ab", r, DT_SINGLELINE);
    }
    // Same glyphs; the prefixed one adds an underline below the "a" only.
    const QRect diff = [&] {
        QRect d;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x)
                if (plain.pixel(x, y) != prefixed.pixel(x, y)) d |= QRect(x, y, 1, 1);
        return d;
    }();
    ASSERT_FALSE(diff.isEmpty());
    EXPECT_EQ(diff.height(), 1);
    EXPECT_GT(diff.top(), Ink(plain).bottom() - 3);
    TCanvas probe;
    probe.Font = DefaultFont();
    EXPECT_LE(diff.right(), probe.TextWidth("a"));

    QImage filled = White(40, 20);
    {
        TCanvas c(&filled);
        c.Font = DefaultFont();
        c.Brush.Color = clYellow;
        c.TextOut(2, 3, "x");
    }
    EXPECT_EQ(PixelColor(filled, 2, 3), ColorToRGB(clYellow));
    EXPECT_EQ(PixelColor(filled, 1, 3), clWhite);
}

TEST(CanvasText, EndEllipsisAndClipKeepTextInsideTheRectangle) {
    QImage img = White(100, 20);
    {
        TCanvas c(&img);
        c.Font = DefaultFont();
        c.FontColor = clBlack;
        c.Brush.Style = bsClear;
        TRect r{10, 0, 40, 20};
        c.DrawText("a very long text that does not fit", r, DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    const QRect ink = Ink(img);
    EXPECT_GE(ink.left(), 10);
    EXPECT_LT(ink.right(), 40);
    EXPECT_GT(ink.right(), 30); // the ellipsis uses the room there is
}

TEST(CanvasBitmaps, TransparentCopyLeavesOutTheKeyColour) {
    QImage src(3, 2, QImage::Format_RGB32);
    src.fill(QColor(255, 0, 255));
    src.setPixel(1, 0, qRgb(0, 0, 255));
    src.setPixel(2, 1, qRgb(0, 255, 0));
    QImage dst = White(5, 4);
    {
        TCanvas c(&dst);
        c.DrawTransparent(1, 1, src, RGB(255, 0, 255));
    }
    EXPECT_EQ(PixelColor(dst, 1, 1), clWhite);
    EXPECT_EQ(PixelColor(dst, 2, 1), RGB(0, 0, 255));
    EXPECT_EQ(PixelColor(dst, 3, 2), RGB(0, 255, 0));
    EXPECT_EQ(PixelColor(dst, 2, 2), clWhite);
}

TEST(CanvasBitmaps, StretchAndBlendAreExact) {
    QImage src(2, 1, QImage::Format_RGB32);
    src.setPixel(0, 0, qRgb(255, 0, 0));
    src.setPixel(1, 0, qRgb(0, 0, 255));
    QImage dst = White(4, 2);
    {
        TCanvas c(&dst);
        c.StretchDraw({0, 0, 4, 2}, src);
    }
    EXPECT_EQ(PixelColor(dst, 1, 1), RGB(255, 0, 0));
    EXPECT_EQ(PixelColor(dst, 2, 0), RGB(0, 0, 255));

    QImage back(2, 1, QImage::Format_RGB32);
    back.fill(qRgb(0, 0, 0));
    {
        TCanvas c(&back);
        c.SetClipRect({0, 0, 1, 1});
        QImage white(2, 1, QImage::Format_RGB32);
        white.fill(Qt::white);
        c.BlendDraw(0, 0, white, 128);
    }
    EXPECT_EQ(PixelColor(back, 0, 0), RGB(128, 128, 128)); // 255 * 128 / 255
    EXPECT_EQ(PixelColor(back, 1, 0), clBlack);            // clipped away
}

TEST(CanvasBitmaps, BitmapCanvasIsFlushedBeforeReading) {
    TBitmap bmp(3, 3);
    bmp.Canvas().FillRect({0, 0, 3, 3}, clRed);
    EXPECT_EQ(bmp.Pixel(2, 2), ColorToRGB(clRed));
    bmp.Canvas().SetPixel(1, 1, clBlue);
    EXPECT_EQ(bmp.Pixel(1, 1), ColorToRGB(clBlue));
    EXPECT_EQ(bmp.Pixel(3, 3), clNone);
    reinterpret_cast<QRgb*>(bmp.Pixels().scanLine(0))[0] = qRgb(1, 2, 3);
    bmp.Canvas().SetPixel(2, 0, clBlue); // drawing again after direct access
    EXPECT_EQ(bmp.Pixel(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(bmp.Pixel(2, 0), ColorToRGB(clBlue));
    QImage argb(1, 1, QImage::Format_ARGB32);
    argb.fill(Qt::transparent);
    EXPECT_EQ(PixelColor(ToBitmap24(argb), 0, 0), clWhite);
}

TEST(PrefixText, OneReadingForDrawingAndAccelerators) {
    const gdi::TPrefixText mixed = gdi::ParsePrefix("&Save && &quit&");
    EXPECT_EQ(mixed.Shown, "Save & quit");
    EXPECT_EQ(mixed.Accelerator, QChar('S')); // the first "&x" is the key
    EXPECT_EQ(mixed.Underline, 7);            // the last one is underlined
    const gdi::TPrefixText none = gdi::ParsePrefix("A && B&");
    EXPECT_EQ(none.Shown, "A & B");
    EXPECT_TRUE(none.Accelerator.isNull());
    EXPECT_EQ(none.Underline, -1);
}
