#include "ChartEngineScaling.h"

#include <gtest/gtest.h>

#include <limits>

#include <cmath>

namespace {

TAxisScale Scale(double minimum, double maximum, TPixelSpan span, bool horizontal,
                 bool inverted = false) {
    TAxisScale s;
    s.SetRange(minimum, maximum);
    s.SetSpan(span);
    s.Horizontal = horizontal;
    s.Inverted = inverted;
    return s;
}

TPixelSpan Span(int start, int end) { return {start, end, end - start, (start + end) / 2}; }

TEST(AxisScaling, PixelSpanOfTheFourWeekAxis) {
    EXPECT_EQ(ComputePixelSpan(20, 740, 1, 99), (TPixelSpan{27, 753, 726, 390}));
    EXPECT_EQ(ComputePixelSpan(20, 740, 0, 100), (TPixelSpan{20, 760, 740, 390}));
    EXPECT_EQ(ComputePixelSpan(0, 250, 1, 99), (TPixelSpan{2, 248, 246, 125}));  // 2.5, 247.5
    EXPECT_EQ(ComputePixelSpan(-7, 7, 0, 100).CenterPixel, -3);  // toward zero
}

TEST(AxisScaling, ValueToPixelBothDirections) {
    auto vertical = Scale(-110, 110, Span(50, 350), false);
    EXPECT_EQ(vertical.ValueToPixel(110), 50);
    EXPECT_EQ(vertical.ValueToPixel(-110), 350);
    EXPECT_EQ(vertical.ValueToPixel(0), 200);
    EXPECT_DOUBLE_EQ(vertical.PixelToValue(50), 110);
    EXPECT_DOUBLE_EQ(vertical.PixelToValue(200), 0);

    auto horizontal = Scale(0, 10, Span(27, 753), true);
    EXPECT_EQ(horizontal.ValueToPixel(0), 27);
    EXPECT_EQ(horizontal.ValueToPixel(10), 753);
    EXPECT_EQ(horizontal.ValueToPixel(0.5), 63);  // 36.3
    auto inverted = Scale(0, 10, Span(27, 753), true, true);
    EXPECT_EQ(inverted.ValueToPixel(0), 753);
    EXPECT_DOUBLE_EQ(inverted.PixelToValue(753), 0);
    EXPECT_EQ(Scale(0, 4, Span(0, 10), true).ValueToPixel(1), 2);  // 2.5 to even
}

TEST(AxisScaling, DegenerateMappingsNeverFail) {
    auto empty = Scale(0, 0, Span(27, 753), true);
    EXPECT_EQ(empty.ValueToPixel(0), 390);
    EXPECT_EQ(empty.ValueToPixel(12345), 390);
    auto wide = Scale(0, 1, Span(0, 700), true);
    EXPECT_EQ(wide.ValueToPixel(1e300), 350);
    EXPECT_EQ(wide.ValueToPixel(std::nan("")), 350);
    EXPECT_EQ(Scale(0, 1, Span(100, 100), true).PixelToValue(5), 0);
    EXPECT_EQ(Scale(0, 1, Span(100, 90), true).PixelToValue(5), 0);
}

TEST(AxisScaling, SeriesMarginsOfTheEightBars) {
    struct Case {
        int start, length, margin;
    } cases[] = {{47, 713, 54}, {0, 701, 12}, {16, 135, 10}, {27, 726, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "L " << c.length << " m " << c.margin);
        auto s = Scale(0, 7, Span(c.start, c.start + c.length), true);
        ApplySeriesMargins(s, c.margin, c.margin);
        const double inner = c.length - 2.0 * c.margin;
        EXPECT_NEAR(s.ScaleMinimum, -7.0 * c.margin / inner, 1e-9);
        EXPECT_NEAR(s.ScaleMaximum, 7 + 7.0 * c.margin / inner, 1e-9);
        EXPECT_EQ(s.StartPixel, c.start);
        EXPECT_EQ(s.PixelLength, c.length);
        for (int i = 0; i <= 7; ++i)
            EXPECT_EQ(s.ValueToPixel(i), c.start + c.margin + std::lround(i * inner / 7)) << i;
    }
}

TEST(AxisScaling, VerticalMarginsSwapAndZeroMarginsKeepTheScale) {
    auto fixed = Scale(-110, 110, Span(50, 350), false);
    ApplySeriesMargins(fixed, 0, 0);
    EXPECT_DOUBLE_EQ(fixed.ScaleMinimum, -110);
    EXPECT_DOUBLE_EQ(fixed.ScaleMaximum, 110);
    auto widened = Scale(-110, 110, Span(50, 350), false);
    ApplySeriesMargins(widened, 10, 10);
    EXPECT_NEAR(widened.ScaleMinimum, -110 * 300 / 280.0, 1e-9);
    EXPECT_NEAR(widened.ScaleMaximum, 110 * 300 / 280.0, 1e-9);
    EXPECT_EQ(widened.ValueToPixel(110), 60);
}

TEST(AxisScaling, MarginsThatWouldLeaveTheDoubleRangeKeepTheScale) {
    auto huge = Scale(-1.5e308, 2e307, Span(0, 100), false);
    ApplySeriesMargins(huge, 10, 10);
    EXPECT_DOUBLE_EQ(huge.ScaleMinimum, -1.5e308);
    EXPECT_DOUBLE_EQ(huge.ScaleMaximum, 2e307);
    EXPECT_TRUE(std::isfinite(huge.ScaleRange));
}

TEST(AxisIncrement, NiceSteps) {
    double x = 1;
    for (double expected : {2.0, 5.0, 10.0, 20.0, 50.0, 100.0}) {
        x = NiceStepAfter(x);
        EXPECT_DOUBLE_EQ(x, expected);
    }
    EXPECT_DOUBLE_EQ(NiceStepAfter(3), 5);
    EXPECT_DOUBLE_EQ(NiceStepAfter(20), 50);
    EXPECT_NEAR(NiceStepAfter(0.3), 0.5, 1e-15);
}

TEST(AxisIncrement, LabelCountFromSize) {
    EXPECT_EQ(MaxLabelCount(300, 30, 10), 9);   // 33 px each
    EXPECT_EQ(MaxLabelCount(220, 25, 10), 8);   // 25 + Round(2.5) = 27
    EXPECT_EQ(MaxLabelCount(220, 25, 0), 9);    // 8.8
    EXPECT_EQ(MaxLabelCount(220, 0, 10), 1);
}

TEST(AxisIncrement, NumericIncrementClimbs) {
    EXPECT_DOUBLE_EQ(NumericIncrement(20, 220, 8, 10), 50);
    EXPECT_DOUBLE_EQ(NumericIncrement(20, 220, 100, 10), 20);
    EXPECT_DOUBLE_EQ(NumericIncrement(20, 220, 1, 0), 20);  // no enlargement
    EXPECT_DOUBLE_EQ(NumericIncrement(0, 0, 10, 10), 1e-12);
    EXPECT_DOUBLE_EQ(NumericIncrement(0, 220, 300, 10), 1);
    EXPECT_NEAR(NumericIncrement(0, 0.37, 10, 10), 0.05, 1e-15);
    EXPECT_NEAR(NumericIncrement(0, 0.37, 100, 10), 0.005, 1e-16);
    // Above 2147483647 labels the count is not computed and the step keeps climbing.
    EXPECT_NEAR(NumericIncrement(0, 0.37, 2000000000, 10), 2e-10, 1e-22);
    EXPECT_NEAR(NumericIncrement(0, 0.37, 1000000000, 10), 5e-10, 1e-22);
    EXPECT_DOUBLE_EQ(IncrementForLabelCount(0, false, 20, 220, 10), 1e-12);
    EXPECT_DOUBLE_EQ(IncrementForLabelCount(0, true, 2, 29, 10), OneSecond);
}

// An increment among the smallest doubles once made the climb stand still.
TEST(AxisIncrement, NumericIncrementClimbsFromTheSmallestDoubles) {
    for (const double tiny : {std::numeric_limits<double>::denorm_min(), 1e-320, 1e-310}) {
        SCOPED_TRACE(tiny);
        const double inc = NumericIncrement(tiny, 4.79e-137, 33, 1);
        EXPECT_GT(inc, tiny);
        EXPECT_LE(4.79e-137 / inc, 33.5);
    }
}

TEST(AxisIncrement, DateSteps) {
    EXPECT_DOUBLE_EQ(NextDateStep(2), 3);
    EXPECT_DOUBLE_EQ(NextDateStep(2.5), 3);
    EXPECT_DOUBLE_EQ(NextDateStep(3), 7);
    EXPECT_DOUBLE_EQ(NextDateStep(7), 15);
    EXPECT_DOUBLE_EQ(NextDateStep(182), 365);
    EXPECT_DOUBLE_EQ(NextDateStep(OneSecond / 2), 365);

    EXPECT_EQ(MatchDateStep(7), 17);
    EXPECT_EQ(MatchDateStep(7 + 0.5 / 86400), 17);
    EXPECT_EQ(MatchDateStep(7 + 2.0 / 86400), NoDateStep);
    EXPECT_EQ(MatchDateStep(OneSecond), 0);
    EXPECT_EQ(MatchDateStep(365), 24);
    EXPECT_EQ(MatchDateStep(0.2), NoDateStep);
}

TEST(AxisIncrement, DateTimeIncrementClimbsTheTable) {
    EXPECT_DOUBLE_EQ(DateTimeIncrement(2, 29, 14), 2);  // Round(14.5) = 14
    EXPECT_DOUBLE_EQ(DateTimeIncrement(2, 29, 10), 3);
    EXPECT_DOUBLE_EQ(DateTimeIncrement(2, 29, 5), 7);
    EXPECT_DOUBLE_EQ(DateTimeIncrement(2, 0, 5), 2);
    EXPECT_DOUBLE_EQ(DateTimeIncrement(0, 1, 10), 0.25);
    EXPECT_DOUBLE_EQ(DateTimeIncrement(365, 3650, 3), 1460);  // doubling above a year
    // A million labels at most: the step starts at range / 1000000 and fits at once.
    EXPECT_DOUBLE_EQ(DateTimeIncrement(0, 2000, 1000000), 0.002);
}

TEST(AxisIncrement, DateStepIndexWhileDrawing) {
    EXPECT_EQ(DateStepIndexFor(2, 2, true, true), 15);
    EXPECT_EQ(DateStepIndexFor(2, 3, true, true), 16);
    EXPECT_EQ(DateStepIndexFor(2, 10, true, true), 18);
    EXPECT_EQ(DateStepIndexFor(2, 1000, true, true), 24);
    EXPECT_EQ(DateStepIndexFor(0, 2, true, true), NoDateStep);
    EXPECT_EQ(DateStepIndexFor(2, 2, false, true), NoDateStep);
    EXPECT_EQ(DateStepIndexFor(2, 2, true, false), NoDateStep);
}

}  // namespace
