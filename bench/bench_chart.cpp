// Whole-chart paints of the window's two charts, configured as the window does.

#include "Chart.h"
#include "ChartSetup.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <utility>
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

// One of the window's charts painted over and over as a calculation does:
// the 4-week chart refilled with data set after data set, or the today
// chart's bars with other values.
class TRepaintedChart {
public:
    // step: days between the 4-week data sets painted in turn (7 keeps the
    // dates along the axis, 1 moves them every paint); 0: the today chart.
    // scale: device pixels per logical pixel of the target (high-density screens).
    TRepaintedChart(int step, int scale) : m_target(776, 391, false, scale) {
        if (step > 0) {
            m_fourWeek = std::make_unique<FourWeekChart>(step);
            return;
        }
        m_today.SetBounds(0, 0, 776, 391);
        ConfigureTodayChart(m_today);
    }
    TChart& Chart() { return m_fourWeek ? m_fourWeek->chart : m_today; }
    void Paint() {
        ++m_paints;
        if (m_fourWeek) {
            m_fourWeek->Refill(m_paints);
        } else {
            static const char* const labels[8] = {"Physical",  "Emotional", "Intellectual", "Spiritual",
                                                  "Awareness", "Aesthetic", "Intuition",    "Average"};
            static const TColor colours[8] = {clRed, clGreen, clBlue, clPurple, clTeal, clFuchsia, clOlive, clGray};
            TChartSeries* bars = m_today.SeriesList()[0];
            bars->ClearPoints();
            for (int i = 0; i < 8; ++i)
                bars->AppendPoint((i * 37 + m_paints) % 201 - 100, labels[i], colours[i]);
        }
        Chart().DrawChartOn(&m_target, {0, 0, 776, 391});
    }

private:
    std::unique_ptr<FourWeekChart> m_fourWeek;
    TChart m_today;
    TDrawSurface m_target;
    int m_paints = 0;
};

void RepaintedChart(benchmark::State& state, int step, int scale) {
    TRepaintedChart chart(step, scale);
    for (auto _ : state)
        chart.Paint();
    state.counters["static_draws"] = chart.Chart().StaticLayerDraws();
}
void BM_FourWeekChart_FullPaint(benchmark::State& state) { RepaintedChart(state, 1, 1); }
BENCHMARK(BM_FourWeekChart_FullPaint)->Unit(benchmark::kMicrosecond);
void BM_FourWeekChart_FullPaint_Scale2(benchmark::State& state) { RepaintedChart(state, 1, 2); }
BENCHMARK(BM_FourWeekChart_FullPaint_Scale2)->Unit(benchmark::kMicrosecond);
void BM_FourWeekChart_SameDaysPaint(benchmark::State& state) { RepaintedChart(state, 7, 1); }
BENCHMARK(BM_FourWeekChart_SameDaysPaint)->Unit(benchmark::kMicrosecond);
void BM_FourWeekChart_SameDaysPaint_Scale2(benchmark::State& state) { RepaintedChart(state, 7, 2); }
BENCHMARK(BM_FourWeekChart_SameDaysPaint_Scale2)->Unit(benchmark::kMicrosecond);
void BM_TodayChart_FullPaint(benchmark::State& state) { RepaintedChart(state, 0, 1); }
BENCHMARK(BM_TodayChart_FullPaint)->Unit(benchmark::kMicrosecond);
void BM_TodayChart_FullPaint_Scale2(benchmark::State& state) { RepaintedChart(state, 0, 2); }
BENCHMARK(BM_TodayChart_FullPaint_Scale2)->Unit(benchmark::kMicrosecond);

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

// What a speed mechanism of the drawing saves: the same chart twice, one with
// the mechanism switched off, painted in turns of a block of paints each, so
// that both meet the same machine (other work on a shared machine changes
// the times of separate runs by more than a mechanism may save). The time of
// a block is the thread's processor time; each iteration is one paint of each
// chart. Counters: with_us and without_us, the medians of the blocks' paints.
using TSwitchOff = std::function<void(TChart&)>;

TSwitchOff WithoutSurfaceCache(bool TSurfaceCaches::*cache) {
    return [cache](TChart& chart) {
        TSurfaceCaches caches;
        caches.*cache = false;
        chart.Canvas().SetSurfaceCaches(caches);
    };
}

const std::pair<const char*, TSwitchOff> kMechanisms[] = {
    {"Layer", WithoutSurfaceCache(&TSurfaceCaches::layer)},
    {"TileMarks", WithoutSurfaceCache(&TSurfaceCaches::tileMarks)},
    {"FontCache", WithoutSurfaceCache(&TSurfaceCaches::fonts)},
};

double ThreadMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

void Without(benchmark::State& state, int step, const TSwitchOff& off) {
    TRepaintedChart charts[2] = {{step, 1}, {step, 1}};
    off(charts[1].Chart());
    constexpr int kBlock = 16;
    std::vector<double> perPaint[2];
    int paints = 0;
    for (auto _ : state) {
        if (paints++ % kBlock == 0) {
            for (int i = 0; i < 2; ++i) {
                for (int p = 0; p < 4; ++p)  // the block's first paints settle the chart's caches again
                    charts[i].Paint();
                const double start = ThreadMicroseconds();
                for (int p = 0; p < kBlock; ++p)
                    charts[i].Paint();
                perPaint[i].push_back((ThreadMicroseconds() - start) / kBlock);
            }
        }
    }
    for (auto& times : perPaint)
        std::sort(times.begin(), times.end());
    state.counters["with_us"] = perPaint[0][perPaint[0].size() / 2];
    state.counters["without_us"] = perPaint[1][perPaint[1].size() / 2];
}

const bool kWithoutRegistered = [] {
    for (const auto& [name, off] : kMechanisms) {
        const std::string without = std::string("_Without") + name;
        for (const auto& [paint, step] : {std::pair{"BM_FourWeekChart_FullPaint", 1},
                                          std::pair{"BM_FourWeekChart_SameDaysPaint", 7},
                                          std::pair{"BM_TodayChart_FullPaint", 0}})
            benchmark::RegisterBenchmark((paint + without).c_str(),
                                         [off = off, step = step](benchmark::State& s) { Without(s, step, off); })
                ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
