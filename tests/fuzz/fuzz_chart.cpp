// The chart engine with the window's two charts, fed random series values,
// axis settings, legend and bar settings and chart sizes, painted into a small
// surface: nothing may crash or hang, the sanitizers catch any out-of-range
// conversion, and the scales of the paint must be finite.

#include "FuzzInput.h"

#include "Chart.h"
#include "ChartAxis.h"
#include "ChartLegend.h"
#include "ChartSetup.h"
#include "DrawSurface.h"
#include "Errors.h"
#include "Series.h"

#include <QGuiApplication>

#include <cmath>
#include <memory>

namespace {

constexpr int MaxWidth = 420;
constexpr int MaxHeight = 300;
constexpr int MaxPoints = 40;

template <class Setter>
void Try(Setter&& setter) {
    // Refused settings are part of the game: the chart must stay paintable.
    try {
        setter();
    } catch (const Exception&) {
    }
}

void ShakeAxis(TChartAxis& axis, TFuzzInput& in) {
    const int changes = in.Byte() % 6;
    for (int i = 0; i < changes; ++i) {
        switch (in.Byte() % 16) {
        case 0: Try([&] { axis.SetAutomatic(in.Bool()); }); break;
        case 1: Try([&] { axis.SetMinimum(in.Finite()); }); break;
        case 2: Try([&] { axis.SetMaximum(in.Finite()); }); break;
        case 3: Try([&] { axis.SetIncrement(in.Finite()); }); break;
        case 4: Try([&] { axis.SetRange(in.Finite(), in.Finite()); }); break;
        case 5: Try([&] { axis.SetLogarithmic(in.Bool()); }); break;
        case 6: Try([&] { axis.SetLogarithmicBase(static_cast<int>(in.Between(-2, 20))); }); break;
        case 7: Try([&] { axis.SetInverted(in.Bool()); }); break;
        case 8: Try([&] { axis.SetStartPosition(in.Finite()); }); break;
        case 9: Try([&] { axis.SetEndPosition(in.Finite()); }); break;
        case 10: Try([&] { axis.SetLabelsAngle(static_cast<int>(in.Between(-10, 370))); }); break;
        case 11: Try([&] { axis.SetLabelsSeparation(static_cast<int>(in.Between(-5, 200))); }); break;
        case 12: Try([&] { axis.SetTickLength(static_cast<int>(in.Between(-50, 50))); }); break;
        case 13: Try([&] { axis.SetLabelStyle(static_cast<TAxisLabelStyle>(in.Byte() % 5)); }); break;
        case 14: Try([&] { axis.SetVisible(in.Bool()); }); break;
        default: Try([&] { axis.SetPositionPercent(in.Finite()); }); break;
        }
    }
}

void ShakeChart(TChart& chart, TFuzzInput& in) {
    Try([&] { chart.SetView3D(in.Bool()); });
    Try([&] { chart.SetChart3DPercent(static_cast<int>(in.Between(-5, 110))); });
    Try([&] { chart.SetMarginLeft(static_cast<int>(in.Between(-20, 120))); });
    Try([&] { chart.SetMarginBottom(static_cast<int>(in.Between(-20, 120))); });
    TChartLegend& legend = chart.Legend();
    Try([&] { legend.SetVisible(in.Bool()); });
    Try([&] { legend.SetAlignment(static_cast<TLegendAlignment>(in.Byte() % 4)); });
    Try([&] { legend.SetLegendStyle(static_cast<TLegendStyle>(in.Byte() % 4)); });
    Try([&] { legend.SetTopPos(static_cast<int>(in.Between(-10, 110))); });
    Try([&] { legend.SetColorWidth(static_cast<int>(in.Between(-10, 110))); });
    Try([&] { legend.SetMaxNumRows(static_cast<int>(in.Between(-2, 12))); });
    for (TChartAxis* axis : {chart.BottomAxis(), chart.TopAxis(), chart.LeftAxis(), chart.RightAxis(), chart.DepthAxis()})
        ShakeAxis(*axis, in);
}

void FillSeries(TChart& chart, TFuzzInput& in) {
    const TChartSeriesList& list = chart.SeriesList();
    for (int s = 0; s < list.Count(); ++s) {
        TChartSeries& series = *list[s];
        if (auto* bars = dynamic_cast<TCustomBarSeries*>(&series)) {
            Try([&] { bars->SetMultiBar(static_cast<TMultiBar>(in.Byte() % 4)); });
            Try([&] { bars->SetBarWidthPercent(static_cast<int>(in.Between(-5, 110))); });
            Try([&] { bars->SetUseYOrigin(in.Bool()); });
            Try([&] { bars->SetYOrigin(in.Finite()); });
        }
        const int points = static_cast<int>(in.Between(0, MaxPoints));
        const double start = in.Finite();
        for (int p = 0; p < points && !in.Empty(); ++p) {
            switch (in.Byte() % 4) {
            case 0: Try([&] { series.AppendPoint(in.Finite()); }); break;
            case 1: Try([&] { series.AddPoint(in.Finite(), in.Finite()); }); break;
            case 2: Try([&] { series.AddPoint(start + p, in.Finite(), {}, clNone); }); break;
            default: Try([&] { series.AddPoint(start + p, static_cast<double>(in.Between(-110, 110))); }); break;
            }
        }
    }
}

void CheckScales(const TChart& chart) {
    for (const TChartAxis* axis : {chart.BottomAxis(), chart.TopAxis(), chart.LeftAxis(), chart.RightAxis()}) {
        FUZZ_CHECK(std::isfinite(axis->ScaleMinimum()) && std::isfinite(axis->ScaleMaximum()) &&
                       std::isfinite(axis->ScaleRange()),
                   "axis scale %g .. %g (range %g)", axis->ScaleMinimum(), axis->ScaleMaximum(), axis->ScaleRange());
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput in(data, size);
    TChart chart;
    if (in.Bool())
        ConfigureTodayChart(chart);
    else
        ConfigureFourWeekChart(chart);
    const int width = static_cast<int>(in.Between(0, MaxWidth));
    const int height = static_cast<int>(in.Between(0, MaxHeight));
    chart.SetBounds(0, 0, width, height);
    FillSeries(chart, in);
    ShakeChart(chart, in);
    TDrawSurface surface(std::max(width, 1), std::max(height, 1));
    try {
        chart.DrawChartOn(&surface, chart.ClientRect());
    } catch (const Exception&) {
        // A paint may refuse as the engine's own checks say; it must not crash.
    }
    CheckScales(chart);
    return 0;
}
