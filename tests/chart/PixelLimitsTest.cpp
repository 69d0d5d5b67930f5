#include "Chart.h"
#include "Errors.h"
#include "Series.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

template <class E>
bool IsArea(const Exception& e) {
    return dynamic_cast<const E*>(&e) != nullptr;
}

struct TLimitedChart : TChart {
    TLimitedChart() {
        SetBounds(0, 0, 200, 100);
        bars = AddSeries(std::make_unique<TBarSeries>());
        line = AddSeries(std::make_unique<TLineSeries>());
    }
    TBarSeries* bars;
    TLineSeries* line;
};

}  // namespace

// Every length, offset or margin a caller may set is refused beyond +-32767
// with its area's exception, before anything changes; 32767 itself is taken.
TEST(PixelLimits, ValuesBeyondTheLimitAreRefusedBeforeAnythingChanges) {
    using TSet = std::function<void(TLimitedChart&, int)>;
    using TGet = std::function<int(TLimitedChart&)>;
    struct Case {
        const char* message;
        TSet set;
        TGet get;
        bool (*area)(const Exception&);
    };
    const Case cases[] = {
        {"Axis Tick Length", [](auto& c, int v) { c.LeftAxis()->SetTickLength(v); },
         [](auto& c) { return c.LeftAxis()->TickLength(); }, IsArea<AxisException>},
        {"Axis Inner Tick Length", [](auto& c, int v) { c.LeftAxis()->SetTickInnerLength(v); },
         [](auto& c) { return c.LeftAxis()->TickInnerLength(); }, IsArea<AxisException>},
        {"Axis Minor Tick Length", [](auto& c, int v) { c.BottomAxis()->SetMinorTickLength(v); },
         [](auto& c) { return c.BottomAxis()->MinorTickLength(); }, IsArea<AxisException>},
        {"Axis Labels Size", [](auto& c, int v) { c.LeftAxis()->SetLabelsSize(v); },
         [](auto& c) { return c.LeftAxis()->LabelsSize(); }, IsArea<AxisException>},
        {"Axis Title Size", [](auto& c, int v) { c.LeftAxis()->SetTitleSize(v); },
         [](auto& c) { return c.LeftAxis()->TitleSize(); }, IsArea<AxisException>},
        {"3D Horizontal Offset", [](auto& c, int v) { c.View3DOptions().SetHorizOffset(v); },
         [](auto& c) { return c.View3DOptions().HorizOffset(); }, IsArea<ChartException>},
        {"3D Vertical Offset", [](auto& c, int v) { c.View3DOptions().SetVertOffset(v); },
         [](auto& c) { return c.View3DOptions().VertOffset(); }, IsArea<ChartException>},
        {"Pen Width", [](auto& c, int v) { c.BackWall().Pen().SetWidth(v); },
         [](auto& c) { return c.BackWall().Pen().Width(); }, IsArea<ChartException>},
        {"Wall Size", [](auto& c, int v) { c.BackWall().SetSize(v); }, [](auto& c) { return c.BackWall().Size(); },
         IsArea<ChartException>},
        {"Legend Shadow Size", [](auto& c, int v) { c.Legend().SetShadowSize(v); },
         [](auto& c) { return c.Legend().ShadowSize(); }, IsArea<LegendException>},
        {"Legend Horizontal Margin", [](auto& c, int v) { c.Legend().SetHorizMargin(v); },
         [](auto& c) { return c.Legend().HorizMargin(); }, IsArea<LegendException>},
        {"Legend Vertical Margin", [](auto& c, int v) { c.Legend().SetVertMargin(v); },
         [](auto& c) { return c.Legend().VertMargin(); }, IsArea<LegendException>},
        {"Marks Arrow Length", [](auto& c, int v) { c.bars->Marks().SetArrowLength(v); },
         [](auto& c) { return c.bars->Marks().ArrowLength(); }, IsArea<ChartException>},
        {"Custom Bar Width", [](auto& c, int v) { c.bars->SetCustomBarWidth(v); },
         [](auto& c) { return c.bars->CustomBarWidth(); }, IsArea<BarException>},
        {"Line Height", [](auto& c, int v) { c.line->SetLineHeight(v); }, [](auto& c) { return c.line->LineHeight(); },
         IsArea<ChartException>},
        {"Panel Bevel Width", [](auto& c, int v) { c.SetBevelWidth(v); }, [](auto& c) { return c.BevelWidth(); },
         IsArea<SurfaceException>},
        {"Panel Border Width", [](auto& c, int v) { c.SetBorderWidth(v); }, [](auto& c) { return c.BorderWidth(); },
         IsArea<SurfaceException>},
        {"Panel Left", [](auto& c, int v) { c.SetLeft(v); }, [](auto& c) { return c.Left(); },
         IsArea<SurfaceException>},
        {"Chart Margin", [](auto& c, int v) { c.SetMarginLeft(v); }, [](auto& c) { return c.MarginLeft(); },
         IsArea<ChartException>},
        {"Axis Position Percent", [](auto& c, int v) { c.TopAxis()->SetPositionPercent(v); },
         [](auto& c) { return static_cast<int>(c.TopAxis()->PositionPercent()); }, IsArea<AxisException>},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TLimitedChart chart;
        const int before = c.get(chart);
        const std::string message = c.message;
        const std::string unit = message == "Chart Margin" || message == "Axis Position Percent" ? "%" : "pixels";
        for (const int refused : {32768, -32768, 1895825408}) {
            try {
                c.set(chart, refused);
                ADD_FAILURE() << refused << " taken";
            } catch (const Exception& e) {
                EXPECT_TRUE(c.area(e)) << refused;
                EXPECT_EQ(e.what(), std::string(c.message) + " must be between -32767 and 32767 " + unit);
            }
            EXPECT_EQ(c.get(chart), before);
        }
        c.set(chart, 32767);
        EXPECT_EQ(c.get(chart), 32767);
    }
}

// The pointer keeps its own lower bound; above, the common limit.
TEST(PixelLimits, PointerSizeAboveTheLimit) {
    TLineSeries line;
    EXPECT_THROW(line.Pointer().SetHorizSize(32768), ChartException);
    EXPECT_THROW(line.Pointer().SetVertSize(32768), ChartException);
    EXPECT_THROW(line.Pointer().SetHorizSize(0), ChartException);
    line.Pointer().SetVertSize(32767);
    EXPECT_EQ(line.Pointer().VertSize(), 32767);
}

// At the limits a chart still paints: nothing overflows on the way.
TEST(PixelLimits, AChartAtTheLimitsPaints) {
    TLimitedChart chart;
    chart.bars->AddPoint(1, 50);
    chart.line->AddPoint(1, 20);
    chart.SetView3D(true);
    chart.View3DOptions().SetHorizOffset(32767);
    chart.View3DOptions().SetVertOffset(-32767);
    chart.View3DOptions().SetZoom(2000000000);
    chart.LeftAxis()->SetTickLength(32767);
    chart.BottomAxis()->SetTickInnerLength(-32767);
    chart.Legend().SetShadowSize(32767);
    chart.SetBevelWidth(32767);
    chart.SetMarginLeft(-32767);
    TDrawSurface target(200, 100);
    EXPECT_NO_THROW(chart.DrawChartOn(&target, chart.ClientRect()));
}
