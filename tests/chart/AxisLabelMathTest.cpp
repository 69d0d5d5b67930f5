#include "ChartEngineScaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Day serials used below.
constexpr double Jan1st2010 = 40179;
constexpr double Feb14th2010 = 40223;
constexpr double Mar1st2010 = 40238;
constexpr double Mar15th2010 = 40252;

TAxisScale LeftAxis() {
    TAxisScale s;
    s.SetRange(-110, 110);
    s.SetSpan({50, 350, 300, 200});
    s.Horizontal = false;
    return s;
}

TEST(AxisLabels, LeftAxisValuesFromTheTop) {
    const auto values = ValueLabelValues(LeftAxis(), 20, {});
    const std::vector<double> expected = {100, 80, 60, 40, 20, 0, -20, -40, -60, -80, -100};
    EXPECT_EQ(values, expected);
}

TEST(AxisLabels, FirstLabelRoundingAndLimits) {
    TAxisScale s;
    s.SetRange(0, 7.3);
    auto rounded = ValueLabelValues(s, 1, {});
    ASSERT_EQ(rounded.size(), 8u);
    EXPECT_EQ(rounded.front(), 7);
    EXPECT_EQ(rounded.back(), 0);
    TValueLabelOptions unrounded;
    unrounded.RoundFirstLabel = false;
    auto plain = ValueLabelValues(s, 1, unrounded);
    ASSERT_EQ(plain.size(), 8u);
    EXPECT_DOUBLE_EQ(plain.front(), 7.3);
    EXPECT_NEAR(plain.back(), 0.3, 1e-12);

    TAxisScale tooMany;
    tooMany.SetRange(0, 10000);
    EXPECT_TRUE(ValueLabelValues(tooMany, 1, {}).empty());
    tooMany.SetRange(1, 10000);
    EXPECT_EQ(ValueLabelValues(tooMany, 1, {}).size(), 10000u);
    TAxisScale inverted;
    inverted.SetRange(5, 1);
    EXPECT_TRUE(ValueLabelValues(inverted, 1, {}).empty());
    EXPECT_TRUE(ValueLabelValues(LeftAxis(), 0, {}).empty());
}

TEST(AxisLabels, StepLostInPrecisionEndsTheWalk) {
    TAxisScale s;
    s.SetRange(1e20, 1e20);
    EXPECT_EQ(ValueLabelValues(s, 1e-12, {}).size(), 1u);
}

TEST(AxisLabels, FourWeekDatesFromTheLastDayBackwards) {
    TAxisScale s;
    s.SetRange(Feb14th2010 - 0.5, Mar15th2010 + 0.5);
    TValueLabelOptions o;
    o.DateTimeMode = true;
    o.DateStepIndex = DateStepIndexFor(2, 2, true, true);
    const auto values = ValueLabelValues(s, 2, o);
    ASSERT_EQ(values.size(), 15u);
    EXPECT_EQ(values.front(), Mar15th2010);
    EXPECT_EQ(values[1], Mar15th2010 - 2);
    EXPECT_EQ(values.back(), Feb14th2010 + 1);
}

TEST(AxisLabels, CalendarStepsBack) {
    EXPECT_EQ(StepBackValue(Mar15th2010 + 5, 15, 18, true), Mar15th2010);
    EXPECT_EQ(StepBackValue(Mar15th2010, 15, 18, true), Mar1st2010);
    EXPECT_EQ(StepBackValue(Mar1st2010, 15, 18, true), Mar1st2010 - 14);  // 15 February
    EXPECT_EQ(StepBackValue(Mar15th2010, 30, 19, true), Jan1st2010 + 31);
    EXPECT_EQ(StepBackValue(Jan1st2010 + 9, 30, 19, true), Jan1st2010 - 31);
    EXPECT_EQ(StepBackValue(Jan1st2010 + 19, 60, 20, true), Jan1st2010 - 61);
    EXPECT_EQ(StepBackValue(Mar15th2010, 365, 24, true), Mar15th2010 - 365);
    EXPECT_EQ(StepBackValue(Mar15th2010, 30, 19, false), Mar15th2010 - 30);
    EXPECT_EQ(StepBackValue(Mar15th2010, 2, 15, true), Mar15th2010 - 2);

    const double evening = Mar15th2010 + 5.75;
    EXPECT_EQ(RoundDateDownToStep(evening, 15), Mar15th2010 + 5);
    EXPECT_EQ(RoundDateDownToStep(evening, 18), Mar15th2010);
    EXPECT_EQ(RoundDateDownToStep(evening, 19), Mar1st2010);
    EXPECT_EQ(RoundDateDownToStep(evening, 24), Jan1st2010);
    EXPECT_EQ(RoundDateDownToStep(1.5, 24), 1.5);

    TAxisScale s;
    s.SetRange(Jan1st2010, Jan1st2010 + 121);
    TValueLabelOptions o;
    o.DateTimeMode = true;
    o.DateStepIndex = 19;
    const std::vector<double> months = {40299, 40269, 40238, 40210, 40179};
    EXPECT_EQ(ValueLabelValues(s, 30, o), months);
}

TEST(AxisTicks, MinorTicksOfTheLeftAxis) {
    const auto scale = LeftAxis();
    std::vector<int> ticks;
    for (double v : ValueLabelValues(scale, 20, {}))
        ticks.push_back(scale.ValueToPixel(v));
    const std::vector<int> majors = {64, 91, 118, 145, 173, 200, 227, 255, 282, 309, 336};
    ASSERT_EQ(ticks, majors);
    // One beyond each end label (106.67 and -106.67); those at 113.33 fall outside.
    const std::vector<int> minors = {55,  345, 82,  73,  109, 100, 136, 127, 164, 154, 191,
                                     182, 218, 209, 246, 236, 273, 264, 300, 291, 327, 318};
    EXPECT_EQ(MinorTickPositions(ticks, 2, 50, 350), minors);
}

TEST(AxisTicks, MinorTickEdgesAndGridCentres) {
    EXPECT_EQ(MinorTickPositions({10, 20}, 1, 5, 25), std::vector<int>{15});
    EXPECT_TRUE(MinorTickPositions({10}, 2, 0, 100).empty());
    EXPECT_TRUE(MinorTickPositions({10, 20}, 0, 0, 100).empty());
    EXPECT_EQ(GridCenteredPositions({64, 91, 118}), (std::vector<int>{78, 104}));
    EXPECT_TRUE(GridCenteredPositions({64}).empty());
}

TEST(AxisTicks, TickListKeepsItsCapacity) {
    TTickList list;
    for (int i = 0; i < TTickList::Capacity; ++i)
        ASSERT_TRUE(list.Add(i));
    EXPECT_FALSE(list.Add(-1));
    EXPECT_EQ(list.Count(), TTickList::Capacity);
    EXPECT_EQ(list.Positions().back(), TTickList::Capacity - 1);
    list.Clear();
    EXPECT_TRUE(list.Add(5));
}

TEST(AxisLabels, SeriesLabelOverlap) {
    TLabelOverlap overlap(10);  // 40 px labels count as 48
    EXPECT_TRUE(overlap.Accept(100, 40));
    EXPECT_FALSE(overlap.Accept(140, 40));  // 116 < 100 + 20
    EXPECT_TRUE(overlap.Accept(145, 40));
    EXPECT_FALSE(overlap.Accept(192, 40));  // 168 < 145 + 24
    EXPECT_TRUE(overlap.Accept(193, 40));
    EXPECT_FALSE(overlap.Accept(150, 40));  // leftwards: 174 > 193 - 24
    EXPECT_TRUE(overlap.Accept(145, 40));

    TLabelOverlap everything(0);
    EXPECT_TRUE(everything.Accept(100, 40));
    EXPECT_TRUE(everything.Accept(101, 40));
}

TEST(AxisLabels, VerticalLabelBlockIsCentred) {
    EXPECT_EQ(VerticalLabelTop(100, 15, 1), 93);
    EXPECT_EQ(VerticalLabelTop(100, 15, 2), 86);  // Round(22.5) = 22
    EXPECT_EQ(VerticalLabelTop(100, 13, 2), 87);  // Round(19.5) = 20
    EXPECT_EQ(VerticalLabelTop(100, 15, 3), 78);
}

TEST(AxisLabels, LinesOfALabel) {
    using Lines = std::vector<QString>;
    EXPECT_EQ(SplitLines(""), Lines{""});
    EXPECT_EQ(SplitLines("Intellectual"), Lines{"Intellectual"});
    EXPECT_EQ(SplitLines("a\r"), Lines{"a"});
    EXPECT_EQ(SplitLines("\r"), Lines{""});
    EXPECT_EQ(SplitLines("a\r\rbc"), (Lines{"a", "", "bc"}));
    EXPECT_EQ(MultiLineLabel("1 000 x"), "1\r000\rx");

    auto width = [](const QString& s) { return 7 * static_cast<int>(s.size()); };
    EXPECT_EQ(MeasureTextBlock("ab\rabcd\r", width), (TTextBlock{28, 2}));
    EXPECT_EQ(MeasureTextBlock("", width), (TTextBlock{0, 1}));
    const TTextBlock block{28, 2};
    EXPECT_EQ(LabelWidth(block, 15, 0), 28);
    EXPECT_EQ(LabelWidth(block, 15, 90), 30);
    EXPECT_EQ(LabelHeight(block, 15, 0), 30);
    EXPECT_EQ(LabelHeight(block, 15, 270), 28);
    EXPECT_EQ(TickAreaSize(true, 2, true, 4, true, 2), 6);
    EXPECT_EQ(TickAreaSize(false, 2, false, 4, true, 2), 2);
}

}  // namespace
