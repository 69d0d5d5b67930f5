#include "Series.h"
#include "SeriesDrawingTestChart.h"
#include "Errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

// Bottom axis 0 .. 10 over 100 pixels: column = 10 * X; row = 100 - Y.
struct LineChart {
    SeriesTestChart chart{100};
    TLineSeries* line = nullptr;

    LineChart() {
        chart.FixBottomAxis(0, 10);
        line = chart.AddSeries(std::make_unique<TLineSeries>());
        line->SetSeriesColor(clRed);
    }
    void Add(const std::vector<std::pair<double, double>>& points) {
        for (auto [x, y] : points)
            line->AddPoint(x, y);
    }
};

}  // namespace

TEST(LineSeries, PointerSizeBelowOneIsRefused) {
    TLineSeries s;
    for (int bad : {0, -1}) {
        SCOPED_TRACE(bad);
        EXPECT_THAT([&] { s.Pointer().SetHorizSize(bad); },
                    ThrowsMessage<ChartException>(StrEq("Pointer size must be greater than zero")));
        EXPECT_THAT([&] { s.Pointer().SetVertSize(bad); },
                    ThrowsMessage<ChartException>(StrEq("Pointer size must be greater than zero")));
    }
    EXPECT_EQ(s.Pointer().HorizSize(), 4);
    EXPECT_EQ(s.Pointer().VertSize(), 4);
}

TEST(LineSeries, MarginsAskedOfTheAxes) {
    struct Case {
        const char* name;
        bool pointer, stairs;
        int lineHeight;
        int left, right, top, bottom;
    } cases[] = {
        {"invisible pointer asks nothing", false, false, 0, 0, 0, 0, 0},
        {"visible pointer: size + 1", true, false, 0, 5, 5, 5, 5},
        {"stairs: pen width, bottom + 1", false, true, 0, 3, 3, 3, 4},
        {"line height raises the bottom", false, true, 9, 3, 3, 3, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLineSeries s;
        s.LinePen().SetWidth(3);
        s.Pointer().SetVisible(c.pointer);
        s.SetStairs(c.stairs);
        s.SetLineHeight(c.lineHeight);
        int l = -1, r = -1, t = -1, b = -1;
        s.HorizontalMargins(l, r);
        s.VerticalMargins(t, b);
        EXPECT_EQ(l, c.left);
        EXPECT_EQ(r, c.right);
        EXPECT_EQ(t, c.top);
        EXPECT_EQ(b, c.bottom);
    }
}

TEST(LineSeries, OnePointOrEqualPointsDrawNothing) {
    LineChart one;
    one.Add({{5, 0}});
    one.chart.Paint();
    EXPECT_EQ(one.chart.CountNot(kBackground), 0);

    LineChart same;
    same.Add({{5, 20}, {5, 20}, {5, 20}});
    same.chart.Paint();
    EXPECT_EQ(same.chart.CountNot(kBackground), 0);
}

TEST(LineSeries, EachSegmentTakesTheColourOfThePointItEndsAt) {
    LineChart c;
    c.line->AddPoint(1, 0, "", clRed);
    c.line->AddPoint(3, 0, "", clBlue);
    c.line->AddPoint(5, 0, "", clGreen);
    c.chart.Paint();
    EXPECT_EQ(c.chart.At(10, 100), clBlue);
    EXPECT_EQ(c.chart.At(29, 100), clBlue);
    EXPECT_EQ(c.chart.At(30, 100), clGreen);
    EXPECT_EQ(c.chart.At(49, 100), clGreen);
    EXPECT_EQ(c.chart.At(50, 100), kBackground);
    EXPECT_EQ(c.chart.At(9, 100), kBackground);
    EXPECT_EQ(c.chart.CountNot(kBackground), 40);
}

TEST(LineSeries, NullPointLeavesAGapOfTwoSegments) {
    LineChart c;
    c.Add({{1, 0}, {2, 0}});
    c.line->AddNullPoint(3, 0);
    c.Add({{4, 0}, {5, 0}});
    c.chart.Paint();
    EXPECT_EQ(c.chart.At(15, 100), clRed);
    for (int x = 20; x < 40; ++x)
        EXPECT_EQ(c.chart.At(x, 100), kBackground) << x;
    EXPECT_EQ(c.chart.At(45, 100), clRed);
    EXPECT_EQ(c.chart.CountNot(kBackground), 20);
}

TEST(LineSeries, EntersFromTheLeftEdgeAtTheInterpolatedHeight) {
    // Axis 2 .. 12: column = 10 * (X - 2). Point 0 (X 0, Y 0) is out of view;
    // at X = 2 the segment to (4, 40) is at Y = 20, row 80, so the line runs
    // from (0, 80) to (20, 60), of which the clip keeps column 1 onwards.
    SeriesTestChart chart(100);
    chart.FixBottomAxis(2, 12);
    auto* line = chart.AddSeries(std::make_unique<TLineSeries>());
    line->SetSeriesColor(clRed);
    line->AddPoint(0, 0);
    line->AddPoint(4, 40);
    chart.Paint();
    EXPECT_EQ(line->FirstVisible(), 1);
    EXPECT_EQ(chart.At(1, 79), clRed);
    EXPECT_EQ(chart.At(10, 70), clRed);
    EXPECT_EQ(chart.At(19, 61), clRed);
    EXPECT_EQ(chart.At(20, 60), kBackground);
    EXPECT_EQ(chart.CountNot(kBackground), 19);
}

TEST(LineSeries, StairsStepHorizontallyFirstOrVerticallyWhenInverted) {
    LineChart flat;
    flat.line->SetStairs(true);
    flat.Add({{1, 0}, {3, 50}});
    flat.chart.Paint();
    EXPECT_EQ(flat.chart.At(20, 100), clRed);
    EXPECT_EQ(flat.chart.At(30, 75), clRed);
    EXPECT_EQ(flat.chart.At(10, 75), kBackground);

    LineChart inverted;
    inverted.line->SetStairs(true);
    inverted.line->SetInvertedStairs(true);
    inverted.Add({{1, 0}, {3, 50}});
    inverted.chart.Paint();
    EXPECT_EQ(inverted.chart.At(10, 75), clRed);
    EXPECT_EQ(inverted.chart.At(20, 50), clRed);
    EXPECT_EQ(inverted.chart.At(20, 100), kBackground);
}

TEST(LineSeries, Dark3DChangesNothingIn2D) {
    std::vector<TColor> pictures[2];
    for (bool dark : {false, true}) {
        LineChart c;
        c.line->LinePen().SetWidth(2);
        c.line->SetDark3D(dark);
        c.Add({{0, -30}, {2, 40}, {5, 10}, {9, 90}});
        c.chart.Paint();
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 100; ++x)
                pictures[dark].push_back(c.chart.At(x, y));
    }
    EXPECT_EQ(pictures[0], pictures[1]);
    EXPECT_GT(std::count(pictures[0].begin(), pictures[0].end(), clRed), 0);
}

TEST(LineSeries, VisiblePointerIsDrawnAtEveryPoint) {
    LineChart c;
    c.line->Pointer().SetVisible(true);
    c.line->Pointer().SetHorizSize(2);
    c.line->Pointer().SetVertSize(2);
    c.Add({{2, 0}, {6, 0}});
    c.chart.Paint();
    // 5 x 5 squares outlined in black around (20, 100) and (60, 100).
    EXPECT_EQ(c.chart.At(18, 98), clBlack);
    EXPECT_EQ(c.chart.At(22, 102), clBlack);
    EXPECT_EQ(c.chart.At(62, 102), clBlack);
    EXPECT_EQ(c.chart.At(20, 99), clRed);
    EXPECT_EQ(c.chart.At(23, 102), kBackground);
}

// A filter keeps pointers to the points it names: one drawn after the next
// point (index 1), one drawn as the last point (index 3).
TEST(LineSeries, PointerFilterMarksOnlyTheChosenPoints) {
    LineChart c;
    c.line->Pointer().SetVisible(true);
    c.line->Pointer().SetHorizSize(2);
    c.line->Pointer().SetVertSize(2);
    std::vector<int> asked;
    c.line->PointerFilter = [&asked](int index) {
        asked.push_back(index);
        return index % 2 == 1;
    };
    c.Add({{1, 0}, {3, 0}, {5, 0}, {7, 0}});
    c.chart.Paint();
    for (const auto& [x, marked] : {std::pair{10, false}, {30, true}, {50, false}, {70, true}}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(c.chart.At(x - 2, 98), marked ? clBlack : kBackground);
    }
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3}));
}
