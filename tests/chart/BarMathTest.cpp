#include "SeriesBarMath.h"

#include <gtest/gtest.h>

namespace {

struct TWidthCase {
    const char* name;
    int length, points, percent;
    bool sideMargins;
    int expected;
};

TEST(BarWidth, RoundsHalfToEvenThenMakesEven) {
    const TWidthCase cases[] = {
        {"700 px, 8 points, 70 %", 700, 8, 70, true, 54},
        {"701 px, 30 points, 50 %: 11 made even", 701, 30, 50, true, 12},
        {"10.5 rounds to 10", 135, 8, 70, true, 10},
        {"17.5 rounds to 18", 225, 8, 70, true, 18},
        {"1.5 rounds to 2", 100, 30, 50, true, 2},
        {"slot 1 at 50 %", 9, 8, 50, true, 0},
        {"slot 1 at 70 %", 9, 8, 70, true, 2},
        {"slot 0", 8, 8, 70, true, 0},
        {"no side margins: slot L div n", 700, 8, 70, false, 62},
        {"no points", 700, 0, 70, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TBarWidthInput in;
        in.PixelLength = c.length;
        in.PointCount = c.points;
        in.BarWidthPercent = c.percent;
        in.SideMargins = c.sideMargins;
        EXPECT_EQ(ComputeBarWidth(in), c.expected);
    }
}

TEST(BarWidth, CustomSideBySideAndAutoSize) {
    TBarWidthInput in;
    in.PixelLength = 700;
    in.PointCount = 8;
    in.CustomBarWidth = 7;
    EXPECT_EQ(ComputeBarWidth(in), 7);
    in.CustomBarWidth = 0;
    in.SideBySideCount = 2;
    EXPECT_EQ(ComputeBarWidth(in), 28);  // 54 div 2 = 27, made even
    in.SideBySideCount = 1;
    in.AutoBarSize = true;
    in.AxisMinimum = 0;
    in.AxisMaximum = 7;
    EXPECT_EQ(BarSlotWidth(in), 78);     // 700 / 9 = 77.8
    EXPECT_EQ(ComputeBarWidth(in), 56);  // 54.6 -> 55 -> 56
    in.AxisMinimum = 9;                  // divisor 0: no slot instead of a division by zero
    EXPECT_EQ(ComputeBarWidth(in), 0);
}

TEST(BarWidth, MarginsAndOffsets) {
    EXPECT_EQ(BarSideMargin(1, 54, true), 54);
    EXPECT_EQ(BarSideMargin(1, 62, false), 31);
    EXPECT_EQ(BarSideMargin(1, 11, false), 5);
    EXPECT_EQ(BarSideMargin(2, 28, true), 56);

    EXPECT_EQ(BarScreenXOffset(false, 1, 1, 54, 0), -27);
    EXPECT_EQ(BarScreenXOffset(true, 1, 1, 54, 0), -27);  // centred either way
    EXPECT_EQ(BarScreenXOffset(true, 1, 2, 28, 0), -28);
    EXPECT_EQ(BarScreenXOffset(true, 2, 2, 28, 0), 0);
    EXPECT_EQ(BarScreenXOffset(false, 1, 1, 54, 50), 0);   // -27 + 27
    EXPECT_EQ(BarScreenXOffset(false, 1, 1, 10, 25), -3);  // -5 + 2.5 rounded to 2
    EXPECT_EQ(BarScreenXOffset(false, 1, 1, 10, -100), -15);
}

}  // namespace
