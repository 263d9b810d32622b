#include "gdi/bitmap.h"
#include "gdi/canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gdi;

namespace {

// The image as rows of characters: '#' for ink, '.' for the white background, '?' else.
std::vector<std::string> Rows(const QImage& img, TColor ink) {
    std::vector<std::string> out;
    for (int y = 0; y < img.height(); ++y) {
        std::string row;
        for (int x = 0; x < img.width(); ++x) {
            const TColor c = PixelColor(img, x, y);
            row += c == ColorToRGB(ink) ? '#' : c == clWhite ? '.' : '?';
        }
        out.push_back(row);
    }
    return out;
}

QImage White(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

} // namespace

TEST(CanvasLines, LineToLeavesOutItsEndPixelInEveryDirection) {
    QImage img = White(6, 6);
    {
        TCanvas c(&img);
        c.Pen.Color = clRed;
        c.MoveTo(0, 0);
        c.LineTo(4, 0); // right
        c.MoveTo(5, 1);
        c.LineTo(5, 5); // down
        c.MoveTo(4, 5);
        c.LineTo(1, 5); // left
        c.MoveTo(0, 4);
        c.LineTo(0, 2); // up
        c.MoveTo(2, 2);
        c.LineTo(2, 2); // zero length: nothing
        EXPECT_EQ(c.PenPos, (TPoint{2, 2}));
    }
    const std::vector<std::string> want = {"####..", ".....#", ".....#",
                                           "#....#", "#....#", "..###."};
    EXPECT_EQ(Rows(img, clRed), want);
}

TEST(CanvasLines, DiagonalLineAndPolylineWithoutLastPoint) {
    QImage img = White(5, 5);
    {
        TCanvas c(&img);
        c.Pen.Color = clBlue;
        c.MoveTo(0, 0);
        c.LineTo(4, 4);
    }
    EXPECT_EQ(Rows(img, clBlue),
              (std::vector<std::string>{"#....", ".#...", "..#..", "...#.", "....."}));

    img = White(5, 5);
    {
        TCanvas c(&img);
        c.Pen.Color = clBlue;
        c.Polyline({{0, 4}, {0, 0}, {4, 0}, {4, 4}});
    }
    // The first point is drawn, the last one, (4, 4), is left out.
    EXPECT_EQ(Rows(img, clBlue),
              (std::vector<std::string>{"#####", "#...#", "#...#", "#...#", "#...."}));
}

TEST(CanvasShapes, RectangleAndFramesExcludeRightAndBottom) {
    QImage img = White(6, 5);
    {
        TCanvas c(&img);
        c.Pen.Color = clRed;
        c.Brush.Color = clBlue;
        c.Rectangle(0, 0, 5, 4);
    }
    EXPECT_EQ(Rows(img, clRed),
              (std::vector<std::string>{"#####.", "#???#.", "#???#.", "#####.", "......"}));
    EXPECT_EQ(PixelColor(img, 1, 1), ColorToRGB(clBlue));

    img = White(6, 5);
    {
        TCanvas c(&img);
        c.Brush.Color = clRed;
        c.FrameRect({1, 1, 5, 4});
        c.FillRect({2, 2, 2, 3}, clBlue); // empty: nothing
    }
    EXPECT_EQ(Rows(img, clRed),
              (std::vector<std::string>{"......", ".####.", ".#..#.", ".####.", "......"}));

    // A clear brush leaves the inside alone.
    img = White(4, 4);
    {
        TCanvas c(&img);
        c.Pen.Color = clRed;
        c.Brush.Style = bsClear;
        c.Rectangle(0, 0, 4, 4);
    }
    EXPECT_EQ(PixelColor(img, 1, 1), clWhite);
}

TEST(CanvasShapes, SmallTrianglePolygonFillsFiveThreeOne) {
    // The arrow triangle of the flat combo box: three rows, tip in the middle column.
    for (bool up : {false, true}) {
        QImage img = White(9, 4);
        {
            TCanvas c(&img);
            c.Pen.Color = clBlack;
            c.Brush.Color = clBlack;
            if (up)
                c.Polygon({{4, 3}, {8, 3}, {6, 1}});
            else
                c.Polygon({{4, 1}, {8, 1}, {6, 3}});
        }
        std::vector<std::string> want = {".........", "....#####", ".....###.", "......#.."};
        if (up) std::swap(want[1], want[3]);
        EXPECT_EQ(Rows(img, clBlack), want) << (up ? "up" : "down");
    }
}

TEST(CanvasShapes, PolygonFillFollowsEvenOddAndHalfOpenEdges) {
    QImage img = White(6, 6);
    {
        TCanvas c(&img);
        c.Pen.Style = psClear;
        c.Brush.Color = clGreen;
        c.Polygon({{1, 1}, {5, 1}, {5, 5}, {1, 5}});
    }
    EXPECT_EQ(Rows(img, clGreen), (std::vector<std::string>{"......", ".####.", ".####.", ".####.",
                                                            ".####.", "......"}));
}

TEST(CanvasState, OriginClipAndSaveRestore) {
    QImage img = White(8, 4);
    {
        TCanvas c(&img);
        c.Brush.Color = clRed;
        c.SaveState();
        c.SetViewportOrigin(2, 1);
        c.ExcludeClipRect({1, 0, 2, 5}); // logical column 1 = device column 3
        c.Brush.Color = clBlue;
        c.FillRect({0, 0, 4, 2}, clRed); // device columns 2..5, rows 1..2, minus column 3
        EXPECT_EQ(c.ViewportOrigin(), (TPoint{2, 1}));
        c.RestoreState();
        EXPECT_EQ(c.Brush.Color, clRed);
        EXPECT_EQ(c.ViewportOrigin(), (TPoint{0, 0}));
        EXPECT_FALSE(c.HasClip());
        c.SetPixel(7, 3, clRed); // clip gone again
        c.IntersectClipRect({0, 0, 1, 1});
        c.FillRect({0, 0, 8, 4}, clRed);
        c.RemoveClip();
    }
    EXPECT_EQ(Rows(img, clRed),
              (std::vector<std::string>{"#.......", "..#.##..", "..#.##..", ".......#"}));
}

TEST(CanvasState, ClipStaysWithTheDeviceWhenTheOriginMoves) {
    QImage img = White(6, 1);
    {
        TCanvas c(&img);
        c.SetClipRect({0, 0, 3, 1});
        c.SetViewportOrigin(2, 0);
        EXPECT_EQ(c.ClipRegion().boundingRect(), QRect(-2, 0, 3, 1));
        c.FillRect({0, 0, 6, 1}, clRed); // device 2..7 meets the clip at column 2 only
    }
    EXPECT_EQ(Rows(img, clRed), (std::vector<std::string>{"..#..."}));
}

TEST(CanvasState, PenBrushAndFontSurviveRebinding) {
    TCanvas c;
    c.Pen.Color = clRed;
    c.Brush.Color = clBlue;
    c.Font.setPixelSize(17);
    QImage a = White(2, 2), b = White(2, 2);
    c.Begin(&a);
    c.SetPixel(0, 0, c.Pen.Color);
    c.End();
    c.Begin(&b);
    EXPECT_EQ(c.Pen.Color, clRed);
    EXPECT_EQ(c.Brush.Color, clBlue);
    EXPECT_EQ(c.Font.pixelSize(), 17);
    c.FillRect({0, 0, 2, 2});
    EXPECT_EQ(c.GetPixel(1, 1), ColorToRGB(clBlue));
    c.End();
    EXPECT_EQ(PixelColor(a, 0, 0), clRed);
}
