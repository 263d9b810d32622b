#include "flat/flat_utilitys.h"
#include "flat/hsl_utils.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

using namespace flat;
using gdi::RGB;

namespace {
std::array<int, 3> Hsl(TColor c) {
    int h, s, l;
    ColorToHsl(c, h, s, l);
    return {h, s, l};
}
} // namespace

TEST(Hsl, RoundingGoesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(127.5), 128);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
}

TEST(Hsl, ColorToHslUnits) {
    using A = std::array<int, 3>;
    EXPECT_EQ(Hsl(RGB(255, 255, 255)), (A{0, 0, 240}));
    EXPECT_EQ(Hsl(RGB(0, 0, 0)), (A{0, 0, 0}));
    EXPECT_EQ(Hsl(RGB(128, 128, 128)), (A{0, 0, 120}));
    EXPECT_EQ(Hsl(RGB(160, 150, 131)), (A{26, 32, 137}));
    EXPECT_EQ(Hsl(RGB(217, 214, 197)), (A{34, 50, 195}));
    EXPECT_EQ(Hsl(RGB(235, 234, 225)), (A{36, 48, 216}));
    EXPECT_EQ(Hsl(RGB(255, 0, 0)), (A{0, 240, 120}));
    EXPECT_EQ(Hsl(RGB(0, 255, 0)), (A{80, 240, 120}));
    EXPECT_EQ(Hsl(RGB(0, 0, 255)), (A{159, 240, 120}));
}

TEST(Hsl, RedTieTakesTheRedFormula) {
    double h, s, l;
    ColorToHslFractions(RGB(255, 0, 255), h, s, l); // red and blue tie: (G - B) / d < 0
    EXPECT_DOUBLE_EQ(h, 5.0 / 6.0);
    ColorToHslFractions(RGB(255, 255, 0), h, s, l);
    EXPECT_DOUBLE_EQ(h, 1.0 / 6.0);
}

TEST(Hsl, RoundTripsThatHoldAndThatDoNot) {
    auto back = [](TColor c) {
        const auto u = Hsl(c);
        return HslToColor(u[0], u[1], u[2]);
    };
    for (TColor c : {RGB(255, 0, 0), RGB(160, 150, 131), RGB(217, 214, 197), RGB(255, 255, 255),
                     RGB(0, 0, 0), RGB(128, 128, 128)})
        EXPECT_EQ(back(c), c) << std::hex << c;
    EXPECT_EQ(back(RGB(0, 0, 255)), RGB(0, 2, 255));
    EXPECT_EQ(back(RGB(235, 234, 225)), RGB(235, 234, 224));
    EXPECT_EQ(back(RGB(9, 9, 9)), RGB(8, 8, 8));
    // Greys lost on the way: luminance has 241 steps for 256 levels.
    int lost = 0;
    for (int v = 0; v < 256; ++v)
        lost += back(RGB(v, v, v)) != RGB(v, v, v);
    EXPECT_EQ(lost, 15);
}

TEST(Hsl, ChannelsWrapInsteadOfClamping) {
    EXPECT_EQ(HslToColor(159, 240, 120), RGB(0, 2, 255));
    EXPECT_EQ(HslToColor(0, 0, 249), RGB(9, 9, 9));                  // 265 wraps to 9
    EXPECT_EQ(HslFractionsToColor(0.7, 0, 0.5), RGB(128, 128, 128)); // hue ignored for grey
}

TEST(DeriveAdvColor, PercentZeroHandsBackOwnColourEvenASystemColour) {
    EXPECT_EQ(DeriveAdvColor(RGB(1, 2, 3), gdi::clBtnFace, 0, true), gdi::clBtnFace);
    EXPECT_EQ(DeriveAdvColor(RGB(1, 2, 3), gdi::clBtnFace, 0, false), gdi::clBtnFace);
}

TEST(DeriveAdvColor, ExamplesDependOnTheBaseAlone) {
    const TColor base = RGB(235, 234, 225);
    EXPECT_EQ(DeriveAdvColor(base, 0x123456, 50, true), RGB(201, 198, 173));
    EXPECT_EQ(DeriveAdvColor(base, 0x654321, 10, true), RGB(235, 234, 224));
    EXPECT_EQ(DeriveAdvColor(base, 0, 10, false), RGB(128, 123, 85));
    EXPECT_EQ(DeriveAdvColor(RGB(255, 255, 255), 0, 50, true), RGB(212, 212, 212));
    EXPECT_EQ(DeriveAdvColor(RGB(255, 255, 255), 0, 10, true), RGB(255, 255, 255));
    EXPECT_EQ(DeriveAdvColor(RGB(255, 255, 255), 0, 1, true), RGB(9, 9, 9));
    EXPECT_EQ(DeriveAdvColor(RGB(0, 0, 0), 0, 10, false), RGB(21, 21, 21));
    EXPECT_EQ(DeriveAdvColor(RGB(212, 208, 200), 0, 10, true), RGB(212, 208, 200));
    EXPECT_EQ(DeriveAdvColor(RGB(212, 208, 200), 0, 50, true), RGB(175, 168, 153));
}

TEST(DeriveAdvColor, SystemBaseIsResolvedFirst) {
    // Button face is (240, 240, 240) in the table.
    EXPECT_EQ(DeriveAdvColor(gdi::clBtnFace, 0, 50, true),
              DeriveAdvColor(RGB(240, 240, 240), 0, 50, true));
    EXPECT_GE(DeriveAdvColor(gdi::clBtnFace, 0, 50, true), 0);
}

TEST(DeriveAdvColor, LighteningNeverPassesOneHundredUnits) {
    for (TColor base : {RGB(255, 255, 255), RGB(200, 190, 180), RGB(128, 128, 128), RGB(90, 20, 20),
                        RGB(0, 0, 0)}) {
        for (int pct : {1, 10, 50, 100}) {
            const TColor c = DeriveAdvColor(base, 0, TAdvColors(pct), false);
            EXPECT_LE(Hsl(c)[2], 101) << std::hex << base << " " << std::dec << pct;
        }
    }
    // A base of 90 units or more always lands on 100.
    const auto u = Hsl(RGB(235, 234, 225));
    EXPECT_EQ(DeriveAdvColor(RGB(235, 234, 225), 0, 1, false), HslToColor(u[0], u[1], 100));
    EXPECT_EQ(DeriveAdvColor(RGB(235, 234, 225), 0, 90, false), HslToColor(u[0], u[1], 100));
}
