// Whole-chart paints of the window's two charts, configured as the window does.

#include "Chart.h"
#include "ChartSetup.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

// The data are worked out before the timing, as the peers' programs do: each
// paint refills every series from a ready data set, but computes no sine.
struct DataSet {
    double firstDay = 0;
    int scores[30][7] = {};
    int average[30] = {};
};

struct FourWeekChart {
    TChart chart;
    TChartSeries* series[8] = {};
    std::vector<DataSet> sets;

    // Data set i is shifted i * step days: a step of 7 keeps the dates.
    explicit FourWeekChart(int step) {
        chart.SetBounds(0, 0, 776, 391);
        ConfigureFourWeekChart(chart);
        for (int i = 0; i < 8; ++i)
            series[i] = chart.SeriesList()[i];
        const int periods[7] = {23, 28, 33, 53, 48, 43, 38};
        sets.resize(16);
        for (int i = 0; i < 16; ++i) {
            DataSet& d = sets[static_cast<std::size_t>(i)];
            const int shift = i * step;
            d.firstDay = 45000 + shift % 7;
            for (int day = 0; day < 30; ++day) {
                int sum = 0;
                for (int c = 0; c < 7; ++c) {
                    d.scores[day][c] = static_cast<int>(std::lround(100 * std::sin(2 * M_PI * (day + shift) / periods[c])));
                    sum += d.scores[day][c];
                }
                d.average[day] = static_cast<int>(std::lround(sum / 7.0));
            }
        }
        Refill(0);
    }

    // As a calculation does: every series emptied and refilled day by day.
    void Refill(int i) {
        const DataSet& d = sets[static_cast<std::size_t>(i) % sets.size()];
        for (TChartSeries* s : series)
            s->ClearPoints();
        for (int day = 0; day < 30; ++day) {
            for (int c = 0; c < 7; ++c)
                series[c + 1]->AddPoint(d.firstDay + day, d.scores[day][c]);
            series[0]->AddPoint(d.firstDay + day, d.average[day]);
        }
    }
};

// A speed mechanism of the drawing, switched off in a chart; the
// BM_*_Without* benchmarks measure what each one saves.
using TSwitchOff = std::function<void(TChart&)>;

TSwitchOff WithoutSurfaceCache(bool TSurfaceCaches::*cache) {
    return [cache](TChart& chart) {
        TSurfaceCaches caches;
        caches.*cache = false;
        chart.Canvas().SetSurfaceCaches(caches);
    };
}

const std::pair<const char*, TSwitchOff> kMechanisms[] = {
    {"Layer", [](TChart& chart) { chart.SetStaticLayerCache(false); }},
    {"TileMarks", WithoutSurfaceCache(&TSurfaceCaches::tileMarks)},
    {"FontCache", WithoutSurfaceCache(&TSurfaceCaches::fonts)},
    {"PendingFills", WithoutSurfaceCache(&TSurfaceCaches::pendingFills)},
    {"TextPixels", WithoutSurfaceCache(&TSurfaceCaches::textPixels)},
    {"StretchCache", WithoutSurfaceCache(&TSurfaceCaches::stretch)},
};

// step: days between the data sets painted in turn (7 keeps the dates along
// the axis, 1 moves them every paint). scale: device pixels per logical pixel
// of the target, as on a high-density screen.
void FourWeekPaint(benchmark::State& state, int step, int scale, const TSwitchOff& off = {}) {
    FourWeekChart f(step);
    if (off)
        off(f.chart);
    TDrawSurface target(776, 391, skBitmap, false, scale);
    int set = 0;
    for (auto _ : state) {
        f.Refill(++set);
        f.chart.DrawChartOn(&target, {0, 0, 776, 391});
    }
    state.counters["static_draws"] = f.chart.StaticLayerDraws();
}
void BM_FourWeekChart_FullPaint(benchmark::State& state) { FourWeekPaint(state, 1, 1); }
BENCHMARK(BM_FourWeekChart_FullPaint)->Unit(benchmark::kMicrosecond);
void BM_FourWeekChart_FullPaint_Scale2(benchmark::State& state) { FourWeekPaint(state, 1, 2); }
BENCHMARK(BM_FourWeekChart_FullPaint_Scale2)->Unit(benchmark::kMicrosecond);
void BM_FourWeekChart_SameDaysPaint(benchmark::State& state) { FourWeekPaint(state, 7, 1); }
BENCHMARK(BM_FourWeekChart_SameDaysPaint)->Unit(benchmark::kMicrosecond);
void BM_FourWeekChart_SameDaysPaint_Scale2(benchmark::State& state) { FourWeekPaint(state, 7, 2); }
BENCHMARK(BM_FourWeekChart_SameDaysPaint_Scale2)->Unit(benchmark::kMicrosecond);

void BM_FourWeekChart_CachedPaint(benchmark::State& state) {
    FourWeekChart f(1);
    f.chart.HandlePaint();
    const int redraws = f.chart.RedrawCount();
    for (auto _ : state)
        f.chart.HandlePaint();
    if (f.chart.RedrawCount() != redraws)
        state.SkipWithError("a paint with nothing changed redrew the chart");
}
BENCHMARK(BM_FourWeekChart_CachedPaint)->Unit(benchmark::kMicrosecond);

void TodayFullPaint(benchmark::State& state, int scale, const TSwitchOff& off = {}) {
    TChart chart;
    chart.SetBounds(0, 0, 776, 391);
    ConfigureTodayChart(chart);
    if (off)
        off(chart);
    TChartSeries* bars = chart.SeriesList()[0];
    const char* labels[8] = {"Physical", "Emotional", "Intellectual", "Spiritual",
                             "Awareness", "Aesthetic", "Intuition", "Average"};
    const TColor colours[8] = {clRed, clGreen, clBlue, clPurple, clTeal, clFuchsia, clOlive, clGray};
    TDrawSurface target(776, 391, skBitmap, false, scale);
    int shift = 0;
    for (auto _ : state) {
        bars->ClearPoints();
        ++shift;
        for (int i = 0; i < 8; ++i)
            bars->AppendPoint((i * 37 + shift) % 201 - 100, labels[i], colours[i]);
        chart.DrawChartOn(&target, {0, 0, 776, 391});
    }
    state.counters["static_draws"] = chart.StaticLayerDraws();
}
void BM_TodayChart_FullPaint(benchmark::State& state) { TodayFullPaint(state, 1); }
BENCHMARK(BM_TodayChart_FullPaint)->Unit(benchmark::kMicrosecond);
void BM_TodayChart_FullPaint_Scale2(benchmark::State& state) { TodayFullPaint(state, 2); }
BENCHMARK(BM_TodayChart_FullPaint_Scale2)->Unit(benchmark::kMicrosecond);

const bool kWithoutRegistered = [] {
    for (const auto& [name, off] : kMechanisms) {
        const std::string without = std::string("_Without") + name;
        benchmark::RegisterBenchmark(("BM_FourWeekChart_FullPaint" + without).c_str(),
                                     [off = off](benchmark::State& s) { FourWeekPaint(s, 1, 1, off); })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_FourWeekChart_SameDaysPaint" + without).c_str(),
                                     [off = off](benchmark::State& s) { FourWeekPaint(s, 7, 1, off); })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_TodayChart_FullPaint" + without).c_str(),
                                     [off = off](benchmark::State& s) { TodayFullPaint(s, 1, off); })
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
