#include "Series.h"
#include "SeriesDrawingTestChart.h"
#include "Errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

TBarSeries* AddBars(SeriesTestChart& chart, int count, double y = 10, TColor color = clDefault) {
    auto* s = chart.AddSeries(std::make_unique<TBarSeries>());
    s->Marks().SetVisible(false);
    for (int i = 0; i < count; ++i)
        s->AppendPoint(y, "", color);
    return s;
}

}  // namespace

TEST(BarSeries, RangeChecksKeepTheOldValue) {
    SeriesTestChart chart(100);
    auto* s = AddBars(chart, 0);
    s->SetBarWidthPercent(50);
    for (int bad : {0, 101}) {
        SCOPED_TRACE(bad);
        EXPECT_THAT([&] { s->SetBarWidthPercent(bad); },
                    ThrowsMessage<BarException>(StrEq("Bar Width Percent must be between 1 and 100")));
        EXPECT_EQ(s->BarWidthPercent(), 50);
    }
    EXPECT_THAT([&] { s->SetOffsetPercent(-101); },
                ThrowsMessage<BarException>(StrEq("Bar Offset Percent must be between -100% and 100%")));
    EXPECT_THAT([&] { s->SetOffsetPercent(101); },
                ThrowsMessage<BarException>(StrEq("Bar Offset Percent must be between -100% and 100%")));
    EXPECT_EQ(s->OffsetPercent(), 0);

    s->SetBarWidthPercent(1);
    s->SetBarWidthPercent(100);
    s->SetOffsetPercent(-100);
    s->SetOffsetPercent(100);
    EXPECT_EQ(s->BarWidthPercent(), 100);
    EXPECT_EQ(s->OffsetPercent(), 100);
}

TEST(BarSeries, EqualValuesRequestNoRepaint) {
    SeriesTestChart chart(100);
    auto* s = AddBars(chart, 0);
    chart.invalidations = 0;
    s->SetBarWidthPercent(70);
    s->SetMultiBar(TMultiBar::mbSide);
    s->SetYOrigin(0);
    EXPECT_EQ(chart.invalidations, 0);
    s->SetBarWidthPercent(50);
    EXPECT_EQ(chart.invalidations, 1);
    s->BarPen().SetWidth(2);
    s->BarBrush().SetStyle(bsCross);
    EXPECT_EQ(chart.invalidations, 3);
}

TEST(BarSeries, MultiBarAndSideMarginsAreSharedByBarSeries) {
    SeriesTestChart chart(100);
    auto* a = AddBars(chart, 1);
    auto* line = chart.AddSeries(std::make_unique<TLineSeries>());
    auto* b = AddBars(chart, 1);
    (void)line;
    a->SetMultiBar(TMultiBar::mbNone);
    EXPECT_EQ(b->MultiBar(), TMultiBar::mbNone);
    b->SetSideMargins(false);
    EXPECT_FALSE(a->SideMargins());
    // A newcomer with the default follows a setting of the old value.
    auto* c = AddBars(chart, 1);
    ASSERT_TRUE(c->SideMargins());
    a->SetSideMargins(false);
    EXPECT_FALSE(c->SideMargins());
}

TEST(BarSeries, SharedSettingsAskTheHostForOneRepaintPerRealChange) {
    SeriesTestChart chart(100);
    int requests = 0;
    chart.SetRepaintRequest([&requests] { ++requests; });
    auto* a = AddBars(chart, 1);

    // A lone bar series.
    requests = 0;
    a->SetSideMargins(false);
    EXPECT_EQ(requests, 1);
    a->SetMultiBar(TMultiBar::mbStacked);
    EXPECT_EQ(requests, 2);
    a->SetSideMargins(false);
    a->SetMultiBar(TMultiBar::mbStacked);
    EXPECT_EQ(requests, 2);

    // A second series joins with the defaults; a change of the first to the values
    // the second already holds is still a change.
    auto* b = AddBars(chart, 1);
    ASSERT_TRUE(b->SideMargins());
    ASSERT_EQ(b->MultiBar(), TMultiBar::mbSide);
    requests = 0;
    a->SetSideMargins(true);
    EXPECT_EQ(requests, 1);
    a->SetMultiBar(TMultiBar::mbSide);
    EXPECT_EQ(requests, 2);
    b->SetSideMargins(true);
    b->SetMultiBar(TMultiBar::mbSide);
    EXPECT_EQ(requests, 2);
}

TEST(BarSeries, WidthFromTheAxisLength) {
    struct Case {
        const char* name;
        int length, points, percent;
        bool sideMargins;
        int width, margin;
    } cases[] = {
        {"700 px, 8 points, 70 %", 700, 8, 70, true, 54, 54},
        {"701 px, 30 points, 50 %: 11 made even", 701, 30, 50, true, 12, 12},
        // Slot 700 div 8 = 87; 60.9 rounds to 61, made even; half of it as margin.
        {"no side margins", 700, 8, 70, false, 62, 31},
        {"slot of 1 pixel at 50 %", 100, 99, 50, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeriesTestChart chart(c.length);
        auto* s = AddBars(chart, c.points);
        s->SetBarWidthPercent(c.percent);
        s->SetSideMargins(c.sideMargins);
        chart.Paint();
        EXPECT_EQ(s->BarPixelWidth(), c.width);
        int left = -1, right = -1;
        s->HorizontalMargins(left, right);
        EXPECT_EQ(left, c.margin);
        EXPECT_EQ(right, c.margin);
    }
}

TEST(BarSeries, SideBySideBarsShareTheSlot) {
    SeriesTestChart chart(700);
    auto* a = AddBars(chart, 8);
    auto* b = AddBars(chart, 8);
    chart.Paint();
    // 53.9 rounds to 54, halved for two series.
    EXPECT_EQ(a->BarPixelWidth(), 28);
    EXPECT_EQ(b->BarPixelWidth(), 28);
    EXPECT_EQ(b->ScreenX(0) - a->ScreenX(0), 28);
}

TEST(BarSeries, BarsAboveAndBelowTheOriginReadBack) {
    // L = 700, m = 54: point i is centred on column 54 + Round(i * 592 / 7).
    SeriesTestChart chart(700);
    auto* s = chart.AddSeries(std::make_unique<TBarSeries>());
    s->Marks().SetVisible(false);
    s->AppendPoint(50, "", clRed);
    s->AppendPoint(-50, "", clBlue);
    s->AppendPoint(0, "", clGreen);
    for (int i = 3; i < 8; ++i)
        s->AppendNull();
    chart.Paint();
    ASSERT_EQ(s->BarPixelWidth(), 54);

    // Point 0: columns 27 .. 80, rows 50 (value) .. 99 (above the origin row 100).
    EXPECT_EQ(chart.At(27, 50), clBlack);
    EXPECT_EQ(chart.At(80, 99), clBlack);
    EXPECT_EQ(chart.At(28, 51), clRed);
    EXPECT_EQ(chart.At(79, 98), clRed);
    EXPECT_EQ(chart.At(81, 75), kBackground);
    EXPECT_EQ(chart.At(50, 100), kBackground);
    EXPECT_EQ(chart.At(50, 49), kBackground);

    // Point 1 hangs from the origin row 100 down to row 149; column 54 + 85 - 27 = 112.
    EXPECT_EQ(chart.At(112, 100), clBlack);
    EXPECT_EQ(chart.At(165, 149), clBlack);
    EXPECT_EQ(chart.At(113, 101), clBlue);
    EXPECT_EQ(chart.At(164, 148), clBlue);
    EXPECT_EQ(chart.At(140, 150), kBackground);
    EXPECT_EQ(chart.At(140, 99), kBackground);
    EXPECT_EQ(chart.At(166, 120), kBackground);

    // Point 2 equals the origin: a line in its colour across the bar width.
    // Column 54 + Round(2 * 592 / 7) - 27 = 196.
    EXPECT_EQ(chart.At(196, 100), clGreen);
    EXPECT_EQ(chart.At(249, 100), clGreen);
    EXPECT_EQ(chart.At(250, 100), kBackground);
    EXPECT_EQ(chart.At(220, 99), kBackground);
    EXPECT_EQ(chart.At(220, 101), kBackground);
}

TEST(BarSeries, ZeroWidthBarIsAVerticalLineAndNullPointsAreSkipped) {
    // 99 points on 100 pixels: slot 1, width 0. Point 49 lands on column 50.
    SeriesTestChart chart(100);
    auto* s = chart.AddSeries(std::make_unique<TBarSeries>());
    s->Marks().SetVisible(false);
    s->SetBarWidthPercent(50);
    for (int i = 0; i < 99; ++i) {
        if (i == 49)
            s->AppendPoint(50, "", clRed);
        else
            s->AppendNull();
    }
    chart.Paint();
    ASSERT_EQ(s->BarPixelWidth(), 0);
    for (int y = 50; y < 100; ++y)
        EXPECT_EQ(chart.At(50, y), clRed) << y;
    EXPECT_EQ(chart.CountNot(kBackground), 50);
}

TEST(BarSeries, ValueRangesIncludeTheOrigin) {
    TBarSeries s;
    s.AddPoint(0, 20);
    s.AddPoint(1, 30);
    EXPECT_EQ(s.LowestY(), 0);
    EXPECT_EQ(s.HighestY(), 30);
    s.SetYOrigin(40);
    EXPECT_EQ(s.HighestY(), 40);
    s.SetUseYOrigin(false);
    EXPECT_EQ(s.LowestY(), 20);
    EXPECT_EQ(s.HighestY(), 30);
    s.SetMultiBar(TMultiBar::mbStacked100);
    EXPECT_EQ(s.LowestY(), 0);
    EXPECT_EQ(s.HighestY(), 100);
}
