// The chart engine with the program's four charts, fed random series values,
// axis, legend, marks, wall, panel and 3D settings and chart sizes from 0 up,
// painted into small surfaces: nothing may crash, hang or overflow (the
// sanitizers end the run), the scales of the paint must be finite, and the
// caches must not show. Each input is painted with the surface's caches and
// without them, byte for byte the same; and a chart changed after a paint,
// so that its kept layer meets the change, paints as a fresh one built with
// the final settings.

#include "FuzzInput.h"

#include "Chart.h"
#include "ChartAxis.h"
#include "ChartLegend.h"
#include "ChartSetup.h"
#include "DrawSurface.h"
#include "Errors.h"
#include "Series.h"

#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <span>

namespace {

constexpr int MaxWidth = 420;
constexpr int MaxHeight = 300;
constexpr int MaxPoints = 40;

// A pixel length: small mostly, sometimes any int, so the limits are met.
int Pixels(TFuzzInput& in) {
    switch (in.Byte() % 4) {
    case 0: return in.Raw<std::int32_t>();
    case 1: return static_cast<int>(in.Between(-40000, 40000));
    default: return static_cast<int>(in.Between(-50, 50));
    }
}

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
        case 12:
            switch (in.Byte() % 5) {
            case 0: Try([&] { axis.SetTickLength(Pixels(in)); }); break;
            case 1: Try([&] { axis.SetTickInnerLength(Pixels(in)); }); break;
            case 2: Try([&] { axis.SetMinorTickLength(Pixels(in)); }); break;
            case 3: Try([&] { axis.SetLabelsSize(Pixels(in)); }); break;
            default: Try([&] { axis.SetTitleSize(Pixels(in)); }); break;
            }
            break;
        case 13: Try([&] { axis.SetLabelStyle(static_cast<TAxisLabelStyle>(in.Byte() % 5)); }); break;
        case 14:
            Try([&] { axis.SetVisible(in.Bool()); });
            Try([&] { axis.Title().SetCaption(in.Text(6)); });
            Try([&] { axis.SetMinorTickCount(static_cast<int>(in.Between(-2, 12))); });
            Try([&] { axis.SetRoundFirstLabel(in.Bool()); });
            break;
        default: Try([&] { axis.SetPositionPercent(in.Finite()); }); break;
        }
    }
}

void ShakeView(TChart& chart, TFuzzInput& in) {
    const int changes = in.Byte() % 8;
    for (int i = 0; i < changes; ++i) {
        TView3DOptions& view = chart.View3DOptions();
        switch (in.Byte() % 12) {
        case 0: Try([&] { view.SetHorizOffset(Pixels(in)); }); break;
        case 1: Try([&] { view.SetVertOffset(Pixels(in)); }); break;
        case 2: Try([&] { view.SetZoom(in.Raw<std::int32_t>() % 2000); }); break;
        case 3: Try([&] { view.SetOrthogonal(in.Bool()); }); break;
        case 4: Try([&] { view.SetElevation(static_cast<int>(in.Between(-400, 400))); }); break;
        case 5: Try([&] { view.SetPerspective(static_cast<int>(in.Between(-10, 110))); }); break;
        case 6: Try([&] { chart.SetBevelWidth(Pixels(in)); }); break;
        case 7: Try([&] { chart.SetBorderWidth(Pixels(in)); }); break;
        case 8: Try([&] { chart.SetBevelOuter(static_cast<TBevelCut>(in.Byte() % 3)); }); break;
        case 9: Try([&] { chart.BackWall().SetSize(Pixels(in)); }); break;
        case 10: Try([&] { chart.BackWall().Pen().SetWidth(Pixels(in)); }); break;
        default: Try([&] { chart.Legend().SetShadowSize(Pixels(in)); }); break;
        }
    }
}

void ShakeChart(TChart& chart, TFuzzInput& in) {
    Try([&] { chart.SetView3D(in.Bool()); });
    Try([&] { chart.SetChart3DPercent(static_cast<int>(in.Between(-5, 110))); });
    Try([&] { chart.SetMarginLeft(static_cast<int>(in.Bool() ? in.Raw<std::int32_t>() : in.Between(-20, 120))); });
    Try([&] { chart.SetMarginBottom(static_cast<int>(in.Between(-20, 120))); });
    TChartLegend& legend = chart.Legend();
    Try([&] { legend.SetVisible(in.Bool()); });
    Try([&] { legend.SetAlignment(static_cast<TLegendAlignment>(in.Byte() % 4)); });
    Try([&] { legend.SetLegendStyle(static_cast<TLegendStyle>(in.Byte() % 4)); });
    Try([&] { legend.SetTopPos(static_cast<int>(in.Between(-10, 110))); });
    Try([&] { legend.SetColorWidth(static_cast<int>(in.Between(-10, 110))); });
    Try([&] { legend.SetMaxNumRows(static_cast<int>(in.Between(-2, 12))); });
    Try([&] { legend.SetHorizMargin(Pixels(in)); });
    for (TChartAxis* axis : {chart.BottomAxis(), chart.TopAxis(), chart.LeftAxis(), chart.RightAxis(), chart.DepthAxis()})
        ShakeAxis(*axis, in);
    ShakeView(chart, in);
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
            Try([&] { bars->SetSideMargins(in.Bool()); });
            Try([&] { bars->SetCustomBarWidth(Pixels(in)); });
        }
        if (auto* line = dynamic_cast<TCustomSeries*>(&series)) {
            Try([&] { line->Pointer().SetVisible(in.Bool()); });
            Try([&] { line->Pointer().SetHorizSize(Pixels(in)); });
            Try([&] { line->LinePen().SetWidth(Pixels(in)); });
        }
        Try([&] { series.Marks().SetVisible(in.Bool()); });
        Try([&] { series.Marks().SetArrowLength(Pixels(in)); });
        Try([&] { series.SetActive(in.Byte() % 8 != 0); });
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

// A paint stores the automatic ranges in the axes, and the checks of later
// range settings compare with them: the fresh chart takes the ranges and
// flags the painted one ended with, which are part of its final settings.
void AdoptAxisRanges(TChart& fresh, const TChart& painted) {
    fresh.SetLoading(true);
    for (int i = 0; i < painted.AxisCount(); ++i) {
        const TChartAxis& from = *painted.Axis(i);
        TChartAxis& to = *fresh.Axis(i);
        to.SetMinimum(from.Minimum());
        to.SetMaximum(from.Maximum());
        to.SetAutomaticMinimum(from.AutomaticMinimum());
        to.SetAutomaticMaximum(from.AutomaticMaximum());
        to.SetAutomatic(from.Automatic());
    }
    fresh.SetLoading(false);
    for (int i = 0; i < painted.AxisCount(); ++i)
        Try([&] { fresh.Axis(i)->SetLogarithmic(painted.Axis(i)->Logarithmic()); });
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte splits the rest: the settings before the first paint,
    // and the change after it (none at 255).
    const std::span<const std::uint8_t> input(data, size);
    const std::size_t split = size == 0 ? 0 : 1 + (size - 1) * data[0] / 255;
    const std::size_t first = std::min<std::size_t>(size, 1);
    const std::span<const std::uint8_t> before = input.subspan(first, split - first);
    const std::span<const std::uint8_t> after = input.subspan(split);
    TFuzzInput head(before.data(), before.size());
    const int kind = head.Byte() % 4;  // the program's four charts
    const int width = static_cast<int>(head.Between(0, MaxWidth));
    const int height = static_cast<int>(head.Between(0, MaxHeight));
    const int scale = 1 + head.Byte() % 2;
    const std::size_t used = before.size() - head.Left();

    const auto build = [&](TChart& chart, bool cached) {
        switch (kind) {
        case 0: ConfigureTodayChart(chart); break;
        case 1: ConfigureFourWeekChart(chart); break;
        case 2: ConfigureCompatibilityChart(chart); break;
        default: ConfigureComparisonChart(chart); break;
        }
        chart.SetBounds(0, 0, width, height);
        chart.SetStaticLayerCache(cached);
        chart.Canvas().SetSurfaceCaches(cached ? TSurfaceCaches{} : TSurfaceCaches::None());
    };
    const auto settle = [](TChart& chart, std::span<const std::uint8_t> bytes) {
        TFuzzInput in(bytes.data(), bytes.size());
        FillSeries(chart, in);
        ShakeChart(chart, in);
    };
    TDrawSurface cachedTarget(std::max(width, 1), std::max(height, 1), false, scale);
    TDrawSurface plainTarget(std::max(width, 1), std::max(height, 1), false, scale);
    plainTarget.SetCaches(TSurfaceCaches::None());
    // The picture of a paint, or none when the paint refused as the engine's
    // own checks say.
    const auto paint = [](TChart& chart, TDrawSurface& target) -> std::optional<QImage> {
        target.FillSolid({0, 0, target.Width(), target.Height()}, clWhite);
        try {
            chart.DrawChartOn(&target, chart.ClientRect());
        } catch (const Exception&) {
            return std::nullopt;
        }
        return target.Image();
    };
    const auto same = [](const std::optional<QImage>& pa, const std::optional<QImage>& pb, const char* what) {
        FUZZ_CHECK(pa.has_value() == pb.has_value(), "%s: only one paint refused", what);
        if (!pa)
            return;
        const QImage& a = *pa;
        const QImage& b = *pb;
        FUZZ_CHECK(a.size() == b.size(), "%s: sizes differ", what);
        const std::size_t bytes = static_cast<std::size_t>(a.width()) * 4;
        for (int y = 0; y < a.height(); ++y) {
            const std::uint8_t* ra = a.constScanLine(y);
            const std::uint8_t* rb = b.constScanLine(y);
            if (std::memcmp(ra, rb, bytes) != 0)
                for (std::size_t x = 0; x < bytes; ++x)
                    FUZZ_CHECK(ra[x] == rb[x], "%s: first differing byte at row %d, byte %zu", what, y, x);
        }
    };

    // With and without the caches, painted twice so that the second paint
    // meets a kept layer.
    TChart cached, plain;
    build(cached, true);
    build(plain, false);
    settle(cached, before.subspan(used));
    settle(plain, before.subspan(used));
    paint(cached, cachedTarget);
    same(paint(cached, cachedTarget), paint(plain, plainTarget), "cached and uncached paints");
    CheckScales(cached);

    // The change after a paint against a fresh chart with the final settings.
    settle(cached, after);
    TChart fresh;
    build(fresh, false);
    settle(fresh, before.subspan(used));
    settle(fresh, after);
    AdoptAxisRanges(fresh, cached);
    TDrawSurface freshTarget(std::max(width, 1), std::max(height, 1), false, scale);
    freshTarget.SetCaches(TSurfaceCaches::None());
    same(paint(cached, cachedTarget), paint(fresh, freshTarget), "a changed chart and a fresh one");
    return 0;
}
