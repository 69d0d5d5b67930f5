// Refilling series as the window does on every calculation.

#include "ChartEngine.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class QuietChart : public TCustomAxisPanel {
public:
    void InvalidateChart() override { ++requests; }
    long requests = 0;
};

// Eight series of 30 dated points each, cleared and refilled with AddPoint.
void BM_FourWeeksRefill(benchmark::State& state) {
    QuietChart chart;
    for (int i = 0; i < 8; ++i)
        chart.AddSeries(std::make_unique<TChartSeries>())->XValues().SetDateTime(true);
    const double firstDay = 40223;
    for (auto _ : state) {
        for (TChartSeries* s : chart.SeriesList())
            s->ClearPoints();
        for (int day = 0; day < 30; ++day) {
            for (TChartSeries* s : chart.SeriesList())
                s->AddPoint(firstDay + day, (day * 37) % 201 - 100, "", clDefault);
        }
        for (TChartSeries* s : chart.SeriesList())
            benchmark::DoNotOptimize(s->YValues().Largest());
    }
    state.SetItemsProcessed(state.iterations() * 8 * 30);
}
BENCHMARK(BM_FourWeeksRefill);

// One series of eight points appended with explicit colours.
void BM_TodayRefill(benchmark::State& state) {
    QuietChart chart;
    TChartSeries* s = chart.AddSeries(std::make_unique<TChartSeries>());
    for (auto _ : state) {
        s->ClearPoints();
        for (int i = 0; i < 8; ++i)
            s->AppendPoint(i * 25 - 100, "Physical", PaletteColor(i));
        benchmark::DoNotOptimize(s->PointCount());
    }
    state.SetItemsProcessed(state.iterations() * 8);
}
BENCHMARK(BM_TodayRefill);

}  // namespace
