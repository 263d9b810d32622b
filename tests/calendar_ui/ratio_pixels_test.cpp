#include "calendar_test_support.h"
#include "ratio_render.h"

#include <QImage>
#include <gtest/gtest.h>

namespace calendar_ui::testing {
namespace {

using ratio_render::Device;

TEST(CalendarAtHigherRatios, PaintsAtDeviceResolution) {
    auto cal = ShownCalendar();
    cal->setDateTime(DateOf(2024, 2, 10));
    const QImage img = ratio_render::RenderAtRatio(*cal, 2);
    // The back image follows the device it is painted on, and the day texts are drawn at its
    // resolution: a doubled picture would make every aligned 2 x 2 block uniform.
    EXPECT_EQ(cal->backBitmap().size(), QSize(626, 506));
    EXPECT_EQ(cal->backBitmap().devicePixelRatio(), 2);
    const QRect grid = TestAccess::dayGrid(*cal)->geometry();
    const QRect days = grid.adjusted(0, TestAccess::dayGrid(*cal)->rowHeight(0), 0, 0);
    EXPECT_GT(ratio_render::MixedBlocks(img, days), 300);
    // The large numerals of the back image too (the month's edges under the lower rows).
    EXPECT_GT(ratio_render::MixedBlocks(cal->backBitmap(), QRect(8, 113, 298, 113)), 20);

    // Painted at ratio 1 again, everything is as before.
    QImage one(cal->size(), QImage::Format_RGB32);
    cal->render(&one);
    EXPECT_EQ(cal->backBitmap().size(), QSize(313, 253));
    EXPECT_EQ(cal->backBitmap().devicePixelRatio(), 1);
}

TEST(CalendarAtHigherRatios, HeaderRuleRunsUnbrokenOneLogicalPixelHigh) {
    auto cal = ShownCalendar();
    cal->setDateTime(DateOf(2024, 2, 10));
    const QRgb rule = gdi::ToQColor(cal->colorTitleWeekLine()).rgb();
    const QRect grid = TestAccess::dayGrid(*cal)->geometry();
    const int y = grid.top() + TestAccess::dayGrid(*cal)->rowHeight(0) - 4;
    // The rule crosses nine cells, each painted into an image of its own: at fractional
    // ratios their edges must meet on the same device pixels.
    for (double ratio : {1.25, 1.5, 2.0}) {
        const QImage img = ratio_render::RenderAtRatio(*cal, ratio);
        const int top = Device(y, ratio), bottom = Device(y + 1, ratio);
        int gaps = 0, doubled = 0;
        for (int x = Device(grid.left(), ratio); x < Device(grid.right() + 1, ratio); ++x) {
            for (int row = top; row < bottom; ++row)
                gaps += img.pixel(x, row) != rule;
            doubled += img.pixel(x, top - 1) == rule || img.pixel(x, bottom) == rule;
        }
        EXPECT_EQ(gaps, 0) << "ratio " << ratio;
        EXPECT_EQ(doubled, 0) << "ratio " << ratio;
    }
}

} // namespace
} // namespace calendar_ui::testing
