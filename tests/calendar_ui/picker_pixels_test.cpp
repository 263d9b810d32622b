#include "picker_test_support.h"

#include "gdi/color.h"
#include "gdi/fonts.h"
#include "test_access.h"

#include <QImage>
#include <QStyle>
#include <gtest/gtest.h>

namespace calendar_ui::testing {
namespace {

using gdi::TColor;

TColor At(const QImage& img, int x, int y) {
    return gdi::FromQColor(QColor(img.pixel(x, y)));
}

TColor Sys(TColor c) {
    return gdi::ColorToRGB(c);
}

int CountOf(const QImage& img, const QRect& area, TColor c) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (At(img, x, y) == c) ++n;
    return n;
}

class PickerPixelsTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.Show();
        p = host.picker;
        p->setDateTime(DateOf(2010, 6, 14));
        scrollBar = gdi::GetSystemMetrics(gdi::SM_CXVSCROLL);
    }
    QImage Picker() { return p->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage Button() {
        return TestAccess::downButton(*p)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    PickerHost host;
    TChnCalendarPicker* p = nullptr;
    int scrollBar = 0;
};

TEST_F(PickerPixelsTest, LayoutOfFieldsAndButton) {
    EXPECT_EQ(TestAccess::yearEdit(*p)->geometry(), QRect(3, 4, 25, 13));
    EXPECT_EQ(TestAccess::monthEdit(*p)->geometry(), QRect(31, 4, 13, 13));
    EXPECT_EQ(TestAccess::dayEdit(*p)->geometry(), QRect(47, 4, 13, 13));
    // 17 high at top 2, its right edge 2 pixels inside, a scroll bar wide.
    EXPECT_EQ(TestAccess::downButton(*p)->geometry(), QRect(168 - scrollBar, 2, scrollBar, 17));

    p->resize(200, 26);
    EXPECT_EQ(TestAccess::monthEdit(*p)->geometry(), QRect(31, 6, 13, 13));
    EXPECT_EQ(TestAccess::downButton(*p)->geometry(), QRect(198 - scrollBar, 2, scrollBar, 22));
    p->resize(170, 21);

    p->setCtl3D(false);
    EXPECT_EQ(TestAccess::downButton(*p)->geometry(), QRect(169 - scrollBar, 1, scrollBar, 19));
    EXPECT_FALSE(TestAccess::downButton(*p)->ctl3D());
    p->setCtl3D(true);
    p->setVisualStyles(true);
    EXPECT_EQ(TestAccess::downButton(*p)->geometry(), QRect(169 - scrollBar, 1, scrollBar, 19));
    p->setVisualStyles(false);

    p->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(TestAccess::downButton(*p)->geometry(), QRect(2, 2, scrollBar, 17));
    EXPECT_EQ(TestAccess::yearEdit(*p)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_TRUE(QStyle::visualAlignment(Qt::RightToLeft, TestAccess::yearEdit(*p)->alignment()) &
                Qt::AlignLeft);
}

TEST_F(PickerPixelsTest, SunkenFrameAndTexts) {
    p->setColor(0xE0FFE0);
    const QImage img = Picker();
    const TColor shadow = Sys(gdi::clBtnShadow), face = Sys(gdi::clBtnFace);
    const TColor light = Sys(gdi::clBtnHighlight);
    // Outer ring: shadow along the top and left (each line without its end pixel), the
    // highlight elsewhere.
    EXPECT_EQ(At(img, 0, 0), shadow);
    EXPECT_EQ(At(img, 168, 0), shadow);
    EXPECT_EQ(At(img, 169, 0), light);
    EXPECT_EQ(At(img, 0, 19), shadow);
    EXPECT_EQ(At(img, 0, 20), light);
    EXPECT_EQ(At(img, 169, 10), light);
    EXPECT_EQ(At(img, 80, 20), light);
    // Inner ring: shadow top and left over the button face.
    EXPECT_EQ(At(img, 1, 1), shadow);
    EXPECT_EQ(At(img, 167, 1), shadow);
    EXPECT_EQ(At(img, 168, 1), face);
    EXPECT_EQ(At(img, 1, 18), shadow);
    EXPECT_EQ(At(img, 1, 19), face);
    EXPECT_EQ(At(img, 168, 10), face);
    EXPECT_EQ(At(img, 80, 19), face);
    // The inside is the highlight colour, except under the texts, whose background is the
    // picker's Color, and the fields, which take that colour.
    EXPECT_EQ(At(img, 2, 2), light);
    EXPECT_EQ(At(img, 62, 2), light);
    EXPECT_EQ(At(img, 4, 5), 0xE0FFE0);
    EXPECT_EQ(TestAccess::dayEdit(*p)->palette().color(QPalette::Base), gdi::ToQColor(0xE0FFE0));

    // Dashes in the font colour at 28 and 43, the lunar text in green from 64 on.
    const TColor ink = Sys(gdi::clWindowText);
    EXPECT_GT(CountOf(img, QRect(28, 2, 3, 17), ink), 0);
    EXPECT_GT(CountOf(img, QRect(43, 2, 3, 17), ink), 0);
    const QRect lunar(62, 2, 168 - scrollBar - 62, 17);
    EXPECT_EQ(CountOf(img, QRect(2, 2, 62, 17), gdi::clGreen), 0);
    EXPECT_GT(CountOf(img, lunar, gdi::clGreen), 20);

    p->setCnDateColor(gdi::clRed);
    const QImage red = Picker();
    EXPECT_EQ(CountOf(red, lunar, gdi::clGreen), 0);
    EXPECT_EQ(CountOf(red, lunar, gdi::clRed), CountOf(img, lunar, gdi::clGreen));
    // ButtonColor leaves every pixel as it was.
    p->setButtonColor(0x00FFFF);
    EXPECT_EQ(Picker(), red);
}

TEST_F(PickerPixelsTest, FlatLookUsesThePenAndBrushLeftOnTheCanvas) {
    // Never painted in 3-D: black outline, white fill, whatever the Color.
    PickerHost flat;
    flat.picker->setColor(0xE0FFE0);
    flat.picker->setCtl3D(false);
    flat.Show();
    QImage img = flat.picker->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(At(img, 0, 0), gdi::clBlack);
    EXPECT_EQ(At(img, 169, 20), gdi::clBlack);
    EXPECT_EQ(At(img, 62, 2), gdi::clWhite);

    // After a 3-D paint the canvas keeps FrameColor and Color.
    p->setFrameColor(gdi::clRed);
    p->setColor(0xE0FFE0);
    Picker();
    p->setCtl3D(false);
    img = Picker();
    EXPECT_EQ(At(img, 0, 0), gdi::clRed);
    EXPECT_EQ(At(img, 169, 20), gdi::clRed);
    EXPECT_EQ(At(img, 62, 2), 0xE0FFE0);
}

TEST_F(PickerPixelsTest, ClassicButtonRaisedAndPressed) {
    const int w = scrollBar, h = 17;
    const TColor shadow = Sys(gdi::clBtnShadow), face = Sys(gdi::clBtnFace);
    const TColor light = Sys(gdi::clBtnHighlight), text = Sys(gdi::clBtnText);
    QImage img = Button();
    ASSERT_EQ(img.size(), QSize(w, h));
    EXPECT_EQ(At(img, 0, 0), face);
    EXPECT_EQ(At(img, w - 1, 0), gdi::clBlack);
    EXPECT_EQ(At(img, 0, h - 1), gdi::clBlack);
    EXPECT_EQ(At(img, 1, 1), light);
    EXPECT_EQ(At(img, w - 2, 1), shadow);
    EXPECT_EQ(At(img, 1, h - 2), shadow);
    EXPECT_EQ(At(img, 2, 2), face);
    // The arrow: 7 wide on its top row, 1 at its tip, 4 rows high.
    const int left = (w - 6) / 2, top = (h - 3) / 2;
    EXPECT_EQ(At(img, left, top), text);
    EXPECT_EQ(At(img, left + 6, top), text);
    EXPECT_EQ(At(img, left + 3, top + 3), text);
    EXPECT_EQ(CountOf(img, QRect(2, 2, w - 4, h - 4), text), 7 + 5 + 3 + 1);

    QTest::mousePress(TestAccess::downButton(*p), Qt::LeftButton, {}, QPoint(3, 3));
    img = Button();
    EXPECT_EQ(At(img, 0, 0), shadow);
    EXPECT_EQ(At(img, w - 1, h - 1), shadow);
    EXPECT_EQ(At(img, 1, 1), face);
    EXPECT_EQ(At(img, left, top), face); // the arrow moved one down and right
    EXPECT_EQ(At(img, left + 1, top + 1), text);
    EXPECT_EQ(At(img, left + 4, top + 4), text);
    QTest::mouseRelease(TestAccess::downButton(*p), Qt::LeftButton, {}, QPoint(40, 3));
}

TEST_F(PickerPixelsTest, FlatButtonIsVioletWithAWhiteArrow) {
    p->setCtl3D(false);
    const int w = scrollBar, h = 19;
    QImage img = Button();
    ASSERT_EQ(img.size(), QSize(w, h));
    const TColor violet = gdi::RGB(200, 122, 228);
    // The ring outside the rectangle is the window's own background, the button face.
    EXPECT_EQ(At(img, 0, 0), Sys(gdi::clBtnFace));
    EXPECT_EQ(At(img, w - 1, h - 1), Sys(gdi::clBtnFace));
    EXPECT_EQ(At(img, 1, 1), gdi::clBlack);
    EXPECT_EQ(At(img, w - 2, h - 2), gdi::clBlack);
    EXPECT_EQ(At(img, 2, 2), violet);
    // Arrow within the rectangle shrunk by one.
    const int left = 1 + (w - 2 - 6) / 2, top = 1 + (h - 2 - 3) / 2;
    EXPECT_EQ(At(img, left, top), gdi::clWhite);
    EXPECT_EQ(At(img, left + 6, top), gdi::clWhite);
    EXPECT_EQ(At(img, left + 3, top + 3), gdi::clWhite);
    EXPECT_EQ(CountOf(img, img.rect(), gdi::clWhite), 16);

    QTest::mousePress(TestAccess::downButton(*p), Qt::LeftButton, {}, QPoint(3, 3));
    img = Button();
    EXPECT_EQ(CountOf(img, img.rect(), gdi::clWhite), 0);
    EXPECT_EQ(At(img, left + 1, top + 1), gdi::RGB(228, 228, 228));
    QTest::mouseRelease(TestAccess::downButton(*p), Qt::LeftButton, {}, QPoint(40, 3));
}

TEST_F(PickerPixelsTest, FourDigitYearFitsItsField) {
    // Whatever the font, the year's digits stay inside the 25-pixel field.
    for (int px : {11, 13}) {
        p->setFont(gdi::MakeFont(QStringLiteral("MS Sans Serif"), -px));
        p->setDateTime(DateOf(2088, 8, 28));
        const QFontMetrics fm(TestAccess::yearEdit(*p)->font());
        EXPECT_LE(fm.horizontalAdvance(QStringLiteral("2088")), 24) << px;
        EXPECT_LE(
            QFontMetrics(TestAccess::monthEdit(*p)->font()).horizontalAdvance(QStringLiteral("88")),
            12);
        // Only the stretch is the field's own; family and size follow the picker.
        EXPECT_EQ(TestAccess::yearEdit(*p)->font().pixelSize(), px);
    }
}

} // namespace
} // namespace calendar_ui::testing
