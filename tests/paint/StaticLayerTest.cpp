// A chart that puts back the layer it kept of what lies below its series
// paints the same bytes as one that draws everything every time, through any
// sequence of changes, and a repeated paint does not draw that layer again.

#include "PaintTestSupport.h"

#include "ChartAxis.h"
#include "SeriesLine.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Step {
    std::string name;
    std::function<void(PaintedChart&)> change;
};

// Each step is applied to a chart with the layer and one without; both are
// painted three times (so the layer is probed, kept and put back) onto a
// target of the current scale, and every paint must give the same bytes.
void ExpectSameThroughSteps(bool fourWeek, const std::vector<Step>& steps, int& scale) {
    PaintedChart cached(fourWeek), plain(fourWeek);
    plain.chart.SetStaticLayerCache(false);
    plain.chart.Canvas().SetSurfaceCaches(TSurfaceCaches::None());
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.change(cached);
        step.change(plain);
        for (int paint = 0; paint < 3; ++paint) {
            SCOPED_TRACE("paint " + std::to_string(paint));
            TDrawSurface a(cached.chart.Width(), cached.chart.Height(), false, scale);
            TDrawSurface b(plain.chart.Width(), plain.chart.Height(), false, scale);
            cached.chart.DrawChartOn(&a, {0, 0, cached.chart.Width(), cached.chart.Height()});
            plain.chart.DrawChartOn(&b, {0, 0, plain.chart.Width(), plain.chart.Height()});
            ASSERT_TRUE(SameBytes(a.Image(), b.Image()));
            EXPECT_EQ(cached.chart.ChartRect(), plain.chart.ChartRect());
        }
    }
}

}  // namespace

TEST(StaticLayer, PaintsEqualPaintsWithoutTheLayerThroughChanges) {
    for (const bool fourWeek : {true, false}) {
        SCOPED_TRACE(fourWeek ? "4-week chart" : "today chart");
        int scale = 1;
        const std::vector<Step> steps = {
            {"first paint", [](PaintedChart&) {}},
            {"same values again", [](PaintedChart& p) { p.Fill(0); }},
            {"values that move the axis labels", [](PaintedChart& p) { p.Fill(5); }},
            {"other values on the same days", [](PaintedChart& p) { p.FillSameDays(12); }},
            {"and others again", [](PaintedChart& p) { p.FillSameDays(19); }},
            {"legend text", [](PaintedChart& p) { p.chart.SeriesList()[0]->SetTitle("Renamed"); }},
            {"grid colour", [](PaintedChart& p) { p.chart.LeftAxis()->Grid().SetColor(clRed); }},
            {"back image", [fourWeek](PaintedChart& p) {
                 p.chart.BackImage().Assign(fourWeek ? TodayBackImage() : FourWeekBackImage());
             }},
            {"resize", [](PaintedChart& p) { p.chart.SetBounds(0, 0, 603, 287); }},
            {"scale 2", [&scale](PaintedChart&) { scale = 2; }},
            {"values at scale 2", [](PaintedChart& p) { p.Fill(9); }},
            // The callback draws something else on every paint (it may run
            // more than once in a paint): never put back.
            {"drawing before the axes", [](PaintedChart& p) {
                 auto painted = std::make_shared<int>(0);
                 p.chart.OnAfterDraw = [painted](TCustomChartPanelExtended&) { ++*painted; };
                 p.chart.OnBeforeDrawAxes = [painted](TCustomAxisPanel& chart) {
                     TDrawSurface& s = *chart.Canvas().Surface();
                     s.FillSolid({10, 10, 40, 30}, RGBColor(0, (*painted * 40) & 0xFF, 0));
                     s.TextOut(12, 12, std::to_string(*painted % 3));
                 };
             }},
            {"callback gone, scale 1", [&scale](PaintedChart& p) {
                 p.chart.OnBeforeDrawAxes = nullptr;
                 scale = 1;
             }},
        };
        ExpectSameThroughSteps(fourWeek, steps, scale);
    }
}

TEST(StaticLayer, RepeatedPaintsPutTheLayerBackAndChangesDrawIt) {
    PaintedChart p(true);
    TDrawSurface target(776, 391);
    auto paint = [&] { p.chart.DrawChartOn(&target, {0, 0, 776, 391}); };
    paint();
    paint();
    const int draws = p.chart.StaticLayerDraws();
    for (int i = 0; i < 5; ++i) {
        p.Fill(0);
        paint();
    }
    EXPECT_EQ(p.chart.StaticLayerDraws(), draws);

    p.chart.LeftAxis()->Grid().SetColor(clRed);
    paint();
    EXPECT_GT(p.chart.StaticLayerDraws(), draws);
    // A new steady state is kept again after a few paints.
    paint();
    paint();
    const int settled = p.chart.StaticLayerDraws();
    paint();
    paint();
    EXPECT_EQ(p.chart.StaticLayerDraws(), settled);

    // Every paint of a chart that moves its dates draws the layer anew.
    for (int shift = 1; shift <= 3; ++shift) {
        p.Fill(shift);
        paint();
    }
    EXPECT_EQ(p.chart.StaticLayerDraws(), settled + 3);

    p.chart.SetStaticLayerCache(false);
    paint();
    paint();
    EXPECT_EQ(p.chart.StaticLayerDraws(), settled + 5);
}

TEST(StaticLayer, HandlersBeforeTheSeriesFireOncePerPaint) {
    PaintedChart p(true);
    TDrawSurface target(776, 391);
    int axes = 0, labels = 0;
    p.chart.OnBeforeDrawAxes = [&axes](TCustomAxisPanel&) { ++axes; };
    for (const int shift : {0, 0, 1, 1, 2}) {
        p.Fill(shift);
        const int labelsBefore = labels;
        p.chart.OnGetAxisLabel = [&labels](TChartAxis&, TChartSeries*, int, std::string&) { ++labels; };
        p.chart.DrawChartOn(&target, {0, 0, 776, 391});
        const int perPaint = labels - labelsBefore;
        p.chart.OnGetAxisLabel = nullptr;
        p.chart.DrawChartOn(&target, {0, 0, 776, 391});
        p.chart.OnGetAxisLabel = [&labels](TChartAxis&, TChartSeries*, int, std::string&) { ++labels; };
        p.chart.DrawChartOn(&target, {0, 0, 776, 391});
        EXPECT_EQ(labels - labelsBefore, 2 * perPaint) << shift;
        EXPECT_GT(perPaint, 0);
    }
    EXPECT_EQ(axes, 15);
}

// The handlers and virtuals of the part before the series run as often as
// in a chart that draws that part every time, on paints that put the layer
// back and on those that draw it.
TEST(StaticLayer, HandlersAndVirtualsRunAsWithoutTheLayer) {
    struct Counts {
        int beforePaint = 0, symbols = 0, labels = 0, nextLabels = 0, axes = 0;
        bool operator==(const Counts&) const = default;
    };
    class CountingSeries : public TLineSeries {
    public:
        explicit CountingSeries(Counts& counts) : m_counts(counts) {}
        void BeforeChartPaint() override { ++m_counts.beforePaint; }
        void DrawLegendSymbol(int entry, TRect rect) override {
            ++m_counts.symbols;
            TLineSeries::DrawLegendSymbol(entry, rect);
        }

    private:
        Counts& m_counts;
    };
    Counts counts[2];
    const std::unique_ptr<PaintedChart> charts[2] = {std::make_unique<PaintedChart>(true),
                                                     std::make_unique<PaintedChart>(true)};
    charts[1]->chart.SetStaticLayerCache(false);
    for (int i = 0; i < 2; ++i)
        charts[i]->chart.AddSeries(std::make_unique<CountingSeries>(counts[i]))->AddPoint(40205, 10);
    // The handlers join half way, and the layer goes on being used.
    const auto addHandlers = [&](TChart& chart, Counts& c) {
        chart.OnBeforeDrawAxes = [&c](TCustomAxisPanel&) { ++c.axes; };
        chart.OnGetAxisLabel = [&c](TChartAxis&, TChartSeries*, int, std::string&) { ++c.labels; };
        chart.OnGetNextAxisLabel = [&c](TChartAxis&, int, double&, bool&) { ++c.nextLabels; };
    };
    TDrawSurface target(776, 391);
    const int shifts[] = {0, 0, 0, 3, 3, 3, 5, 5, 5, 0};
    for (std::size_t step = 0; step < std::size(shifts); ++step) {
        SCOPED_TRACE(step);
        for (int i = 0; i < 2; ++i) {
            if (step == 5)
                addHandlers(charts[i]->chart, counts[i]);
            charts[i]->Fill(shifts[step]);
            charts[i]->chart.DrawChartOn(&target, {0, 0, 776, 391});
        }
        EXPECT_EQ(counts[0], counts[1]);
    }
    EXPECT_LT(charts[0]->chart.StaticLayerDraws(), charts[1]->chart.StaticLayerDraws());
    const Counts& c = counts[0];
    for (const int count : {c.beforePaint, c.symbols, c.labels, c.nextLabels, c.axes})
        EXPECT_GE(count, 5);
}

TEST(StaticLayer, WindowPaintsEqualPaintsWithoutTheLayer) {
    PaintedChart cached(false), plain(false);
    plain.chart.SetStaticLayerCache(false);
    for (const int shift : {0, 0, 1, 1, 1, 4}) {
        cached.Fill(shift);
        plain.Fill(shift);
        cached.chart.HandlePaint();
        plain.chart.HandlePaint();
        ASSERT_TRUE(SameBytes(cached.chart.WindowSurface().Image(), plain.chart.WindowSurface().Image())) << shift;
    }
}

TEST(StaticLayer, AnExceptionBeforeTheSeriesLeavesTheSurfaceDrawing) {
    PaintedChart p(false);
    TDrawSurface target(776, 391);
    p.chart.DrawChartOn(&target, {0, 0, 776, 391});
    p.chart.DrawChartOn(&target, {0, 0, 776, 391});
    p.chart.OnBeforeDrawAxes = [](TCustomAxisPanel&) { throw std::runtime_error("broken handler"); };
    EXPECT_THROW(p.chart.DrawChartOn(&target, {0, 0, 776, 391}), std::runtime_error);
    TDrawSurface& surface = *p.chart.Canvas().Surface();
    surface.FillSolid({0, 0, 5, 5}, clRed);
    EXPECT_EQ(surface.Pixel(2, 2), clRed);
}
