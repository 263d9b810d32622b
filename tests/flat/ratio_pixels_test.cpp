#include "flat/flat_button.h"
#include "flat/flat_group_box.h"
#include "flat/flat_utilitys.h"
#include "flat_test_support.h"
#include "ratio_render.h"

#include <gtest/gtest.h>

using namespace flat;
using ratio_render::MixedBlocks;
using ratio_render::RenderAtRatio;

namespace {

TEST(FlatControlsAtRatio2, CaptionsAreSharpAndFramesOneLogicalPixel) {
    QWidget window;
    window.resize(300, 200);
    auto* button = new TFlatButton(&window);
    button->setGeometry(10, 10, 81, 25);
    button->setCaption(QStringLiteral("Start"));
    auto* box = new TFlatGroupBox(&window);
    box->setGeometry(10, 60, 200, 100);
    box->setCaption(QStringLiteral("Name"));
    const QImage img = RenderAtRatio(window, 2);

    EXPECT_GT(MixedBlocks(img, button->captionRect().ToQRect().translated(button->pos())), 10);
    EXPECT_GT(MixedBlocks(img, QRect(box->x() + 10, box->y(), 30, 12)), 10);
    // The button's left border and the box's left line: two device columns, then the fill.
    const QRgb border = gdi::ToQColor(button->colorBorder()).rgb();
    EXPECT_EQ(img.pixel(20, 40), border);
    EXPECT_EQ(img.pixel(21, 40), border);
    EXPECT_NE(img.pixel(22, 40), border);
    const QRgb line = gdi::ToQColor(box->colorBorder()).rgb();
    EXPECT_EQ(img.pixel(20, 250), line);
    EXPECT_EQ(img.pixel(21, 250), line);
    EXPECT_NE(img.pixel(22, 250), line);
}

TEST(FlatControlsAtRatio2, APictureMadeForRatio2ShowsPixelForPixel) {
    // 42 x 20 pixels for a 21 x 10 logical picture; its bottom-left white is the key.
    QImage picture(42, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 42; ++x)
            picture.setPixel(x, y, qRgb(x * 6, y * 12, (x + y) % 2 ? 90 : 30));
    picture.setPixel(0, 19, qRgb(255, 255, 255));
    picture.setDevicePixelRatio(2);
    QWidget window;
    window.resize(100, 40);
    auto* button = new TFlatButton(&window);
    button->setGeometry(0, 0, 81, 25);
    button->setGlyph(picture);
    const QImage img = RenderAtRatio(window, 2);
    // Laid out by its logical size: centred across the 81 columns.
    EXPECT_EQ(button->glyphOrigin().X, 30);
    const QPoint origin(2 * button->glyphOrigin().X, 2 * button->glyphOrigin().Y);
    int wrong = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 42; ++x)
            wrong += (x != 0 || y != 19) && img.pixel(origin + QPoint(x, y)) != picture.pixel(x, y);
    EXPECT_EQ(wrong, 0);
}

TEST(FlatControlsAtRatio2, DisabledPictureKeepsItsRatioAndShiftsOneLogicalPixel) {
    QImage source(8, 8, QImage::Format_RGB32);
    source.fill(Qt::white);
    source.setPixel(2, 2, qRgb(0, 0, 0));
    source.setDevicePixelRatio(2);
    const QImage out =
        MakeDisabledBitmap(source, gdi::clBlack, gdi::clRed, gdi::clLime, gdi::clBlue, true);
    EXPECT_EQ(out.devicePixelRatio(), 2);
    EXPECT_EQ(gdi::PixelColor(out, 2, 2), gdi::clBlue);
    EXPECT_EQ(gdi::PixelColor(out, 3, 3), gdi::clRed);
    EXPECT_EQ(gdi::PixelColor(out, 4, 4), gdi::clLime);
}

} // namespace
