#include "calendar_ui/calendar_paint.h"

#include "gdi/canvas.h"

#include <QImage>
#include <gtest/gtest.h>

namespace calendar_ui {
namespace {

using gdi::TColor;

QImage Filled(int w, int h, TColor c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(gdi::ToQColor(c));
    return img;
}

TColor At(const QImage& img, int x, int y) {
    return gdi::FromQColor(QColor(img.pixel(x, y)));
}

TEST(FillGradient, RefusesFewerThanOneBand) {
    QImage img = Filled(4, 4, gdi::clWhite);
    {
        gdi::TCanvas canvas(&img);
        EXPECT_FALSE(FillGradient(canvas, {0, 0, 4, 4}, 0, 0, gdi::clBlack, gdi::clRed));
        EXPECT_FALSE(FillGradient(canvas, {0, 0, 4, 4}, -3, 1, gdi::clBlack, gdi::clRed));
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(At(img, x, y), gdi::clWhite);
}

TEST(FillGradient, FirstBandIsOneStepOnAndLastIsTheEndColour) {
    // Two bands over four rows from black to (100, 50, 200): steps of (50, 25, 100).
    QImage img = Filled(3, 6, gdi::clWhite);
    {
        gdi::TCanvas canvas(&img);
        EXPECT_TRUE(FillGradient(canvas, {0, 1, 3, 5}, 2, 0, gdi::clBlack, gdi::RGB(100, 50, 200)));
    }
    EXPECT_EQ(At(img, 1, 0), gdi::clWhite); // outside the rectangle
    EXPECT_EQ(At(img, 0, 1), gdi::RGB(50, 25, 100));
    EXPECT_EQ(At(img, 2, 2), gdi::RGB(50, 25, 100));
    EXPECT_EQ(At(img, 0, 3), gdi::RGB(100, 50, 200));
    EXPECT_EQ(At(img, 2, 4), gdi::RGB(100, 50, 200));
    EXPECT_EQ(At(img, 1, 5), gdi::clWhite);
}

TEST(FillGradient, BandEdgesRoundHalvesToEven) {
    // Eight bands over four columns are half a pixel each; with halves to even the bands
    // 1, 2, 5 and 6 cover the columns 0 to 3, and the last band, B itself, covers nothing.
    QImage img = Filled(4, 2, gdi::clWhite);
    {
        gdi::TCanvas canvas(&img);
        FillGradient(canvas, {0, 0, 4, 2}, 8, 1, gdi::RGB(0, 0, 0), gdi::RGB(80, 160, 240));
    }
    EXPECT_EQ(At(img, 0, 0), gdi::RGB(20, 40, 60));   // band 1: two steps
    EXPECT_EQ(At(img, 1, 1), gdi::RGB(30, 60, 90));   // band 2
    EXPECT_EQ(At(img, 2, 0), gdi::RGB(60, 120, 180)); // band 5
    EXPECT_EQ(At(img, 3, 1), gdi::RGB(70, 140, 210)); // band 6
}

TEST(FitPictureRect, KeepsTheAspectInsideTheBox) {
    gdi::TRect r;
    FitPictureRect(200, 100, 313, 253, false, r); // wide: full width
    EXPECT_EQ(r, (gdi::TRect{0, 0, 313, 156}));
    FitPictureRect(100, 200, 313, 253, false, r); // tall: full height
    EXPECT_EQ(r, (gdi::TRect{0, 0, 126, 253}));
    FitPictureRect(400, 300, 313, 100, false, r); // wide but the box is flatter still
    EXPECT_EQ(r, (gdi::TRect{0, 0, 133, 100}));
    FitPictureRect(100, 300, 50, 253, false, r); // tall but the box is narrower still
    EXPECT_EQ(r, (gdi::TRect{0, 0, 50, 150}));
    FitPictureRect(200, 100, 313, 253, true, r);
    EXPECT_EQ(r, (gdi::TRect{0, 48, 313, 204}));
}

TEST(FitPictureRect, EmptyPictureLeavesTheResult) {
    gdi::TRect r{1, 2, 3, 4};
    FitPictureRect(0, 100, 313, 253, true, r);
    FitPictureRect(100, 0, 313, 253, true, r);
    EXPECT_EQ(r, (gdi::TRect{1, 2, 3, 4}));
}

TEST(BlendBitmapAt, MixesByLevelPercent) {
    const TColor destColour = gdi::RGB(200, 100, 51), srcColour = gdi::RGB(0, 255, 10);
    const auto blended = [&](int level) {
        QImage dest = Filled(3, 3, destColour);
        QImage src = Filled(2, 2, srcColour);
        src.setPixel(0, 0, qRgb(1, 2, 3)); // key colour, so the rest is mixed
        BlendBitmapAt(dest, src, {1, 1}, -1, level);
        return dest;
    };
    const QImage half = blended(50);
    EXPECT_EQ(At(half, 2, 2), gdi::RGB(100, 177, 30)); // integer means
    EXPECT_EQ(At(half, 1, 1), destColour);             // the key pixel
    EXPECT_EQ(At(half, 0, 0), destColour);             // outside the source
    EXPECT_EQ(At(blended(0), 2, 2), destColour);
    EXPECT_EQ(At(blended(100), 2, 2), destColour); // 100 wraps to 0
    EXPECT_EQ(At(blended(150), 2, 2), gdi::RGB(100, 177, 30));
    EXPECT_EQ(At(blended(30), 2, 2), gdi::RGB(140, 146, 38));
}

TEST(BlendBitmapAt, ExplicitKeyAndClippingAtTheEdges) {
    QImage dest = Filled(4, 4, gdi::clWhite);
    QImage src = Filled(3, 3, gdi::clBlack);
    src.setPixel(2, 2, qRgb(255, 0, 0));
    // Partly outside on the left and the top; red (0x0000FF) is the key.
    BlendBitmapAt(dest, src, {-1, -1}, gdi::clRed, 50);
    EXPECT_EQ(At(dest, 0, 0), gdi::RGB(127, 127, 127));
    EXPECT_EQ(At(dest, 1, 1), gdi::clWhite); // source (2, 2), red, left out
    EXPECT_EQ(At(dest, 2, 2), gdi::clWhite); // beyond the source
    // Entirely outside: nothing changes and nothing is touched out of bounds.
    BlendBitmapAt(dest, src, {10, -10}, -1, 50);
    EXPECT_EQ(At(dest, 3, 0), gdi::clWhite);
}

TEST(SmallRoutines, ClampByteAndPixelToColor) {
    EXPECT_EQ(ClampByte(-1), 0);
    EXPECT_EQ(ClampByte(0), 0);
    EXPECT_EQ(ClampByte(200), 200);
    EXPECT_EQ(ClampByte(255), 255);
    EXPECT_EQ(ClampByte(256), 255);
    // Stored blue, green, red: red comes from the third byte.
    EXPECT_EQ(PixelToColor(0x11, 0x22, 0x33), 0x112233);
    EXPECT_EQ(gdi::GetRValue(PixelToColor(0, 0, 255)), 255);
}

TEST(WeekDayCaption, ShortAndLongNames) {
    const char16_t* shortNames[] = {u"日", u"一", u"二", u"三", u"四", u"五", u"六"};
    for (int c = 1; c <= 7; ++c)
        EXPECT_EQ(WeekDayCaption(c, false), QString::fromUtf16(shortNames[c - 1])) << c;
    EXPECT_TRUE(WeekDayCaption(0, false).isEmpty());
    EXPECT_TRUE(WeekDayCaption(8, false).isEmpty());
    EXPECT_EQ(WeekDayCaption(1, true), QStringLiteral("星期日"));
    EXPECT_EQ(WeekDayCaption(2, true), QStringLiteral("星期一"));
    EXPECT_EQ(WeekDayCaption(7, true), QStringLiteral("星期六"));
}

} // namespace
} // namespace calendar_ui
