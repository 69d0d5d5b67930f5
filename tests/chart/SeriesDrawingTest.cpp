#include "Series.h"
#include "SeriesDrawingTestChart.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct DrawEvents {
    int before = 0;
    int after = 0;
    void Watch(TChartSeries& s) {
        s.BeforeDrawValues = [this](TChartSeries&) { ++before; };
        s.AfterDrawValues = [this](TChartSeries&) { ++after; };
    }
};

template <class T>
T* AddFilled(SeriesTestChart& chart, int count) {
    T* s = chart.AddSeries(std::make_unique<T>());
    s->Marks().SetVisible(false);
    for (int i = 0; i < count; ++i)
        s->AddPoint(i, 10);
    return s;
}

}  // namespace

TEST(SeriesVisibleRange, SeriesLeftOfTheAxisFiresNoDrawingEvent) {
    SeriesTestChart chart(100);
    chart.FixBottomAxis(10, 20);
    auto* line = AddFilled<TLineSeries>(chart, 6);
    DrawEvents events;
    events.Watch(*line);
    chart.Paint();
    EXPECT_EQ(line->FirstVisible(), -1);
    EXPECT_EQ(line->LastVisible(), -1);
    EXPECT_EQ(events.before, 0);
    EXPECT_EQ(events.after, 0);
    EXPECT_EQ(chart.CountNot(kBackground), 0);
}

TEST(SeriesVisibleRange, LinesKeepOnePointBeyondTheRightEdgeBarsDoNot) {
    // X = 0 .. 10 on an axis from 2.5 to 5.5.
    SeriesTestChart chart(300);
    chart.FixBottomAxis(2.5, 5.5);
    auto* bar = AddFilled<TBarSeries>(chart, 11);
    auto* line = AddFilled<TLineSeries>(chart, 11);
    DrawEvents events;
    events.Watch(*line);
    chart.Paint();
    EXPECT_EQ(bar->FirstVisible(), 3);
    EXPECT_EQ(bar->LastVisible(), 5);
    EXPECT_EQ(line->FirstVisible(), 3);
    EXPECT_EQ(line->LastVisible(), 6);
    EXPECT_EQ(events.before, 1);
    EXPECT_EQ(events.after, 1);
}

TEST(SeriesLegendText, AllStyles) {
    TChartSeries s;
    s.AddPoint(1234.5, 12.5, "Physical");
    s.AddPoint(2000, 37.5, "Emotional");
    struct Case {
        const char* name;
        int entry;
        TLegendTextStyle style;
        std::string expected;
    } cases[] = {
        {"plain", 0, TLegendTextStyle::ltsPlain, "Physical"},
        {"right value", 0, TLegendTextStyle::ltsRightValue, "Physical 12.5"},
        {"left value", 0, TLegendTextStyle::ltsLeftValue, "12.5 Physical"},
        {"right percent", 0, TLegendTextStyle::ltsRightPercent, "Physical 25 %"},
        {"left percent", 1, TLegendTextStyle::ltsLeftPercent, "75 % Emotional"},
        {"x value without axis", 0, TLegendTextStyle::ltsXValue, "1,234.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(s.LegendEntryText(c.entry, c.style), c.expected);
    }
}

TEST(SeriesLegendText, PercentOfAllZeroValuesIsHundred) {
    TChartSeries s;
    s.AddPoint(0, 0, "A");
    s.AddPoint(1, 0);
    EXPECT_EQ(s.LegendEntryText(0, TLegendTextStyle::ltsRightPercent), "A 100 %");
    EXPECT_EQ(s.LegendEntryText(1, TLegendTextStyle::ltsLeftPercent), "100 % ");
}

TEST(SeriesLegendText, XValueThroughTheHorizontalAxis) {
    SeriesTestChart chart(100);
    auto* s = chart.AddSeries(std::make_unique<TLineSeries>());
    s->AddPoint(1234.5, 1);
    chart.BottomAxis()->SetAxisValuesFormat("0.00");
    EXPECT_EQ(s->LegendEntryText(0, TLegendTextStyle::ltsXValue), "1234.50");
}

// Legend symbols are drawn on the chart's canvas, which works on the chart
// window's own surface between paints.
class LegendSymbol : public ::testing::Test {
protected:
    SeriesTestChart chart{60, 40};
    TDrawSurface& surface = chart.WindowSurface();
    const TRect box{10, 10, 30, 20};

    void SetUp() override {
        surface.FillSolid({0, 0, 60, 40}, kBackground);
        chart.SetLegendSymbolBackColor(clWhite);
        chart.Canvas().Pen().Assign({clBlack, psSolid, 1, pmCopy});
    }
    int CountNot(TColor c) const {
        int n = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                n += surface.Pixel(x, y) != c;
        return n;
    }
};

TEST_F(LegendSymbol, BarBoxFilledWithTheColourAndOutlinedWithBarPen) {
    auto* bar = chart.AddSeries(std::make_unique<TBarSeries>());
    bar->SetSeriesColor(clGray);
    bar->DrawLegendSymbol(-1, box);
    EXPECT_EQ(surface.Pixel(10, 10), clBlack);
    EXPECT_EQ(surface.Pixel(29, 19), clBlack);
    EXPECT_EQ(surface.Pixel(15, 15), clGray);
    EXPECT_EQ(surface.Pixel(30, 15), kBackground);
    EXPECT_EQ(surface.Pixel(15, 20), kBackground);
}

TEST_F(LegendSymbol, NoSymbolForColourEachPointSeriesOrNullPoint) {
    auto* bar = chart.AddSeries(std::make_unique<TBarSeries>());
    bar->SetColorEachPoint(true);
    bar->AddNullPoint(0, 1);
    bar->DrawLegendSymbol(-1, box);
    bar->DrawLegendSymbol(0, box);
    EXPECT_EQ(CountNot(kBackground), 0);
}

TEST_F(LegendSymbol, SymbolInTheLegendColourIsOutlinedAgain) {
    auto* bar = chart.AddSeries(std::make_unique<TBarSeries>());
    bar->SetSeriesColor(clBlack);
    bar->DrawLegendSymbol(-1, box);
    EXPECT_EQ(surface.Pixel(10, 10), clBlack);

    chart.SetLegendSymbolBackColor(clBlack);
    bar->DrawLegendSymbol(-1, box);
    EXPECT_EQ(surface.Pixel(10, 10), clWhite);
    EXPECT_EQ(surface.Pixel(29, 19), clWhite);
    EXPECT_EQ(surface.Pixel(15, 15), clBlack);
    EXPECT_EQ(chart.Canvas().Pen().Color(), clBlack);
}

TEST_F(LegendSymbol, LineStrokeInTheSeriesColourAtTheVerticalMiddle) {
    auto* line = chart.AddSeries(std::make_unique<TLineSeries>());
    line->SetSeriesColor(clRed);
    line->LinePen().SetColor(clBlue);
    line->DrawLegendSymbol(-1, box);
    for (int x = 10; x < 30; ++x)
        EXPECT_EQ(surface.Pixel(x, 15), clRed) << x;
    EXPECT_EQ(surface.Pixel(30, 15), kBackground);
    EXPECT_EQ(CountNot(kBackground), 20);
}
