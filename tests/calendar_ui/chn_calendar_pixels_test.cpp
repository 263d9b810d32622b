#include "calendar_test_support.h"
#include "test_access.h"

#include <QImage>
#include <gtest/gtest.h>

namespace calendar_ui::testing {
namespace {

using gdi::TColor;

TColor At(const QImage& img, int x, int y) {
    return gdi::FromQColor(QColor(img.pixel(x, y)));
}

// Bounding box of every pixel of colour c (empty when there is none).
QRect BoxOf(const QImage& img, TColor c) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (At(img, x, y) == c) box |= QRect(x, y, 1, 1);
    return box;
}

QImage Solid(int w, int h, TColor c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(gdi::ToQColor(c));
    return img;
}

class ChnCalendarPixelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        cal = ShownCalendar();
        cal->setDateTime(DateOf(2024, 2, 10));
    }
    QImage Grid() {
        return TestAccess::dayGrid(*cal)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    std::unique_ptr<TChnCalendar> cal;
};

TEST_F(ChnCalendarPixelsTest, BackImageFrameAndNumerals) {
    const QImage& back = cal->backBitmap();
    ASSERT_EQ(back.size(), QSize(313, 253));
    EXPECT_TRUE(cal->pictureBitmap().isNull());
    EXPECT_EQ(At(back, 0, 0), 0x808080);
    EXPECT_EQ(At(back, 312, 252), 0x808080);
    EXPECT_EQ(At(back, 1, 1), gdi::clWhite);

    // The year is centred in (8, 46)-(306, 119), the month in (8, 113)-(306, 226).
    const QRect year = BoxOf(back, cal->colorBackYear());
    const QRect month = BoxOf(back, cal->colorBackMonth());
    ASSERT_FALSE(year.isEmpty());
    ASSERT_FALSE(month.isEmpty());
    EXPECT_TRUE(QRect(QPoint(8, 46), QPoint(305, 118)).contains(year));
    EXPECT_TRUE(QRect(QPoint(8, 113), QPoint(305, 225)).contains(month));
    EXPECT_NEAR(year.center().x(), 157, 3);
    EXPECT_NEAR(month.center().x(), 157, 3);
    EXPECT_GT(year.height(), 30); // 48-point digits, not the control's small font
    EXPECT_GT(month.height(), year.height());

    cal->setShowFrame(false);
    EXPECT_EQ(At(cal->backBitmap(), 0, 0), gdi::clWhite);
    cal->setShowBackYearMonth(false);
    EXPECT_TRUE(BoxOf(cal->backBitmap(), cal->colorBackYear()).isEmpty());
    // The calendar paints its back image as it stands.
    const QImage shown = cal->grab(QRect(0, 0, 313, 40)).toImage();
    EXPECT_EQ(At(shown, 0, 0), gdi::clWhite);
}

TEST_F(ChnCalendarPixelsTest, PictureBlendByPercentage) {
    cal->setShowBackYearMonth(false);
    cal->setCenter(true);
    const TColor colour = gdi::RGB(20, 100, 181);
    cal->setBackGround(Solid(60, 40, colour)); // centred on white: white is the key
    EXPECT_EQ(cal->pictureBitmap().size(), QSize(313, 253));
    const int cx = 156, cy = 126;
    EXPECT_EQ(At(cal->backBitmap(), cx, cy), gdi::RGB(137, 177, 218)); // 50 %
    EXPECT_EQ(At(cal->backBitmap(), 0, 0), 0x808080); // the white margin keeps the frame
    cal->setAlphaBlend(0);
    EXPECT_EQ(At(cal->backBitmap(), cx, cy), gdi::clWhite);
    cal->setAlphaBlend(100);
    EXPECT_EQ(At(cal->backBitmap(), cx, cy), gdi::clWhite);
    cal->setAlphaBlend(150);
    EXPECT_EQ(At(cal->backBitmap(), cx, cy), gdi::RGB(137, 177, 218));
    cal->setBackGround(QImage());
    EXPECT_TRUE(cal->pictureBitmap().isNull());
    EXPECT_EQ(At(cal->backBitmap(), cx, cy), gdi::clWhite);
}

TEST_F(ChnCalendarPixelsTest, WhiteKeyedPictureLeavesTheBackShowing) {
    QImage picture = Solid(313, 253, gdi::clWhite);
    for (int y = 0; y < 253; ++y)
        picture.setPixel(100, y, qRgb(0, 0, 0));
    cal->setBackGround(picture); // top left, natural size
    const QImage& back = cal->backBitmap();
    EXPECT_EQ(At(back, 0, 100), 0x808080);  // frame under white stays
    EXPECT_EQ(At(back, 100, 0), 0x404040);  // frame mixed with black
    EXPECT_EQ(At(back, 100, 20), 0x7F7F7F); // white ground mixed with black
    EXPECT_EQ(At(back, 101, 20), gdi::clWhite);
}

TEST_F(ChnCalendarPixelsTest, StretchedPictureKeepsItsAspect) {
    cal->setShowBackYearMonth(false);
    cal->setShowFrame(false);
    cal->setStretch(true);
    QImage picture = Solid(20, 10, gdi::clBlack);
    picture.setPixel(0, 0, qRgb(255, 0, 0)); // the key, so that black shows
    cal->setBackGround(picture);
    // 313 wide, 156 high at the top left: the rest is the white fill.
    EXPECT_EQ(At(cal->backBitmap(), 300, 150), 0x7F7F7F);
    EXPECT_EQ(At(cal->backBitmap(), 300, 160), gdi::clWhite);
    cal->setCenter(true); // moved down by (253 - 156) / 2
    EXPECT_EQ(At(cal->backBitmap(), 300, 40), gdi::clWhite);
    EXPECT_EQ(At(cal->backBitmap(), 300, 60), 0x7F7F7F);
}

TEST_F(ChnCalendarPixelsTest, HeaderRuleAndWeekNumberColumn) {
    const QImage grid = Grid();
    const int ruleY = TestAccess::dayGrid(*cal)->rowHeight(0) - 4;
    for (int x = 0; x < grid.width(); ++x)
        ASSERT_EQ(At(grid, x, ruleY), 0xC5C5C5) << x;
    EXPECT_NE(At(grid, 20, ruleY + 1), 0xC5C5C5);
    // Without week numbers column 0 shows just the back image.
    for (int y = TestAccess::dayGrid(*cal)->rowHeight(0); y < grid.height(); ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(At(grid, x, y), At(cal->backBitmap(), x + 8, y + 40)) << x << "," << y;

    cal->setShowWeekNum(true);
    const QImage withNumbers = Grid();
    EXPECT_EQ(At(withNumbers, 17, 30), 0xC5C5C5); // the column's right line
    EXPECT_FALSE(BoxOf(withNumbers.copy(0, 18, 17, 27), 0x808080).isEmpty()); // "5"
}

TEST_F(ChnCalendarPixelsTest, SelectedCellGradientAndFrame) {
    const gdi::TRect r = TestAccess::dayGrid(*cal)->CellRect(TestAccess::dayGrid(*cal)->col(),
                                                             TestAccess::dayGrid(*cal)->row());
    const QImage grid = Grid();
    const TColor frame = cal->colorSelectedFrame();
    EXPECT_EQ(At(grid, r.Left, r.Top), frame);
    EXPECT_EQ(At(grid, r.Right - 1, r.Top + 5), frame);
    EXPECT_EQ(At(grid, r.Left + 5, r.Bottom - 1), frame);
    EXPECT_NE(At(grid, r.Right, r.Top + 5), frame);
    // Inside the frame the bands run from the start colour to the end colour.
    const TColor top = At(grid, r.Left + 1, r.Top + 1), bottom = At(grid, r.Left + 1, r.Bottom - 2);
    EXPECT_NE(top, bottom);
    for (TColor c : {top, bottom}) {
        EXPECT_EQ(gdi::GetRValue(c), 0);
        EXPECT_GE(gdi::GetGValue(c), 0xAE);
        EXPECT_LE(gdi::GetGValue(c), 0xD5);
        EXPECT_GE(gdi::GetBValue(c), 0x53);
        EXPECT_LE(gdi::GetBValue(c), 0x65);
    }
    EXPECT_GT(gdi::GetGValue(bottom), gdi::GetGValue(top));
}

TEST_F(ChnCalendarPixelsTest, HiddenSelectionAndSuppressedSecondLine) {
    const gdi::TRect r = TestAccess::dayGrid(*cal)->CellRect(TestAccess::dayGrid(*cal)->col(),
                                                             TestAccess::dayGrid(*cal)->row());
    cal->setHideSelection(true);
    ASSERT_FALSE(TestAccess::dayGrid(*cal)->hasFocus());
    QImage grid = Grid();
    EXPECT_EQ(At(grid, r.Left, r.Top), At(cal->backBitmap(), r.Left + 8, r.Top + 40));
    EXPECT_EQ(At(grid, r.Left + 1, r.Top + 1), At(cal->backBitmap(), r.Left + 9, r.Top + 41));

    cal->setHideSelection(false);
    int calls = 0;
    cal->OnDrawCnDateCell = [&](QObject*, int day, gdi::TCanvas&, const gdi::TRect& R,
                                bool selected, QString& text, bool& defaultDraw) {
        ++calls;
        if (!selected) return;
        EXPECT_EQ(day, 10);
        EXPECT_EQ(text, "春节");
        EXPECT_EQ(R, (gdi::TRect{0, 0, r.Width(), r.Height()}));
        defaultDraw = false;
    };
    grid = Grid();
    EXPECT_EQ(calls, 29);
    EXPECT_NE(At(grid, r.Left, r.Top), cal->colorSelectedFrame());
    EXPECT_EQ(gdi::GetRValue(At(grid, r.Left + 1, r.Top + 1)), 0); // the gradient stays
}

TEST_F(ChnCalendarPixelsTest, NarrowColumnsGetOneCharacterCaptions) {
    // Ink of the Monday caption in the header, left of the rule.
    const auto captionWidth = [&] {
        const gdi::TRect r = TestAccess::dayGrid(*cal)->CellRect(2, 0);
        return BoxOf(Grid().copy(r.Left, r.Top, r.Width(), r.Height() - 4), cal->colorTitleWeek())
            .width();
    };
    ASSERT_EQ(TestAccess::dayGrid(*cal)->colWidth(2), 40);
    const int longWidth = captionWidth();
    cal->resize(294, 253); // columns of 38 pixels
    ASSERT_EQ(TestAccess::dayGrid(*cal)->colWidth(2), 38);
    const int shortWidth = captionWidth();
    EXPECT_GT(shortWidth, 0);
    EXPECT_GT(longWidth, 2 * shortWidth);
}

TEST_F(ChnCalendarPixelsTest, DateCellHandlerCanReplaceTheText) {
    const int k = 5; // 1 February 2024, a Thursday
    const gdi::TRect r = TestAccess::dayGrid(*cal)->CellRect(ColOf(k), RowOf(k));
    const auto topHalfInk = [&](const QImage& g) {
        return BoxOf(g.copy(r.Left, r.Top, r.Width(), r.Height() / 2), cal->colorDate());
    };
    const QRect one = topHalfInk(Grid());
    ASSERT_FALSE(one.isEmpty());
    cal->OnDrawDateCell = [](QObject*, int day, gdi::TCanvas&, const gdi::TRect&, bool,
                             QString& text, bool&) {
        if (day == 1) text = "1111";
    };
    EXPECT_GT(topHalfInk(Grid()).width(), one.width() * 2);
    cal->OnDrawDateCell = [](QObject*, int day, gdi::TCanvas&, const gdi::TRect&, bool, QString&,
                             bool& defaultDraw) { defaultDraw = day != 1; };
    EXPECT_TRUE(topHalfInk(Grid()).isEmpty());
}

// Share of the pixels inside the bounding box of colour c that have that colour.
double InkShare(const QImage& img, TColor c) {
    const QRect box = BoxOf(img, c);
    int ink = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ink += At(img, x, y) == c;
    return box.isEmpty() ? 0 : double(ink) / (box.width() * box.height());
}

TEST_F(ChnCalendarPixelsTest, HeavyFaceForTheTitleYearAndTheBackNumerals) {
    // Black-weight numerals fill about half of their box; a regular face about a third.
    EXPECT_GT(InkShare(cal->backBitmap(), cal->colorBackYear()), 0.45);
    EXPECT_GT(InkShare(cal->backBitmap(), cal->colorBackMonth()), 0.45);
    // The title's four-digit year of that face just fills the room before "年".
    for (int y = 1000; y <= 2100; ++y) {
        cal->setDateTime(DateOf(y, 2, 10));
        const int gap = TestAccess::yearUnitLabel(*cal)->x() -
                        TestAccess::yearLabel(*cal)->geometry().right() - 1;
        EXPECT_GE(gap, 0) << y;
        EXPECT_LE(gap, 10) << y;
        if (gap < 0 || gap > 10) break;
    }
    const QImage year =
        TestAccess::yearLabel(*cal)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(InkShare(year, cal->colorTitleYear()), 0.3); // a regular face: under 0.2
}

} // namespace
} // namespace calendar_ui::testing
