#include "Chart.h"
#include "ChartAxis.h"
#include "Series.h"
#include "SurfaceTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A paint depends on the chart's settings alone: the second paint of a chart
// equals the first paint of a chart set up alike, whatever the first left.
TEST(PaintHistory, ASecondPaintEqualsTheFirst) {
    struct Case {
        const char* name;
        int height;
        std::function<void(TChart&)> setUp;
    };
    const Case cases[] = {
        // The room for the rounded end labels needs the increment, which
        // needs the axis length: not the length the last paint left.
        {"left axis labels with an automatic increment", 14,
         [](TChart& chart) {
             TChartAxis& left = *chart.LeftAxis();
             left.SetAutomatic(false);
             left.SetMinimum(-110);
             left.SetMaximum(110);
             left.SetIncrement(0);
             left.SetRoundFirstLabel(true);
             chart.AddSeries(std::make_unique<TLineSeries>())->AddPoint(1, 50);
         }},
        // A line whose first visible point lies off any screen starts afresh,
        // not at the last point of the paint before.
        {"a line starting off the screen", 120,
         [](TChart& chart) {
             chart.LeftAxis()->SetAutomatic(false);
             chart.LeftAxis()->SetMinimum(-110);
             chart.LeftAxis()->SetMaximum(110);
             auto* line = chart.AddSeries(std::make_unique<TLineSeries>());
             line->AddPoint(0, 1e9);
             line->AddPoint(1, 50);
             line->AddPoint(2, -50);
             line->AddPoint(3, 80);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TChart once, twice;
        TDrawSurface first(240, c.height), second(240, c.height);
        for (auto [chart, surface] : {std::pair{&once, &first}, std::pair{&twice, &second}}) {
            chart->SetBounds(0, 0, 240, c.height);
            chart->Canvas().SetTextMeasurer(std::make_shared<FixedMeasurer>(5, 10, 8));
            c.setUp(*chart);
            chart->DrawChartOn(surface, chart->ClientRect());
        }
        twice.DrawChartOn(&second, twice.ClientRect());
        EXPECT_TRUE(SameBytes(first.Image(), second.Image()));
    }
}
