// Whole-chart paints set up like the window's two charts.

#include "Chart.h"
#include "Series.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

// A back image like the window's: a vertical gradient with grey lines.
std::shared_ptr<const TPicture> BackPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const int level = 255 - 40 * y / height;
        const QRgb rgb = y % 20 == 0 ? qRgb(200, 200, 200) : qRgb(level, level, 255);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = rgb;
    }
    return std::make_shared<const TPicture>(image);
}

void SetUpChart(TChart& chart, int left, int top, int right, int bottom, int imageWidth) {
    chart.SetBounds(0, 0, 776, 391);
    chart.SetBevelOuter(bvNone);
    chart.SetMarginLeft(left);
    chart.SetMarginTop(top);
    chart.SetMarginRight(right);
    chart.SetMarginBottom(bottom);
    chart.SetView3D(false);
    chart.SetAllowZoom(false);
    chart.SetAllowPanning(pmNone);
    chart.SetBackColor(clWhite);
    chart.BackWall().Brush().SetColor(clWhite);
    chart.BackImage().Assign(BackPicture(imageWidth, 338));
    chart.SetBackImageInside(true);
    chart.Title().SetVisible(false);
    TChartAxis& axis = *chart.LeftAxis();
    axis.SetAutomatic(false);
    axis.SetAutomaticMaximum(false);
    axis.SetAutomaticMinimum(false);
    axis.SetRange(-110, 110);
    axis.SetIncrement(20);
    axis.Grid().SetStyle(psSolid);
    axis.Grid().SetColor(clSilver);
    axis.Grid().SetSmallDots(true);
}

struct FourWeekChart {
    TChart chart;
    TChartSeries* series[8] = {};

    FourWeekChart() {
        SetUpChart(chart, 2, 6, 2, 6, 715);
        chart.Legend().SetAlignment(laBottom);
        chart.BottomAxis()->Grid().SetStyle(psSolid);
        chart.BottomAxis()->Grid().SetColor(clSilver);
        chart.BottomAxis()->Grid().SetSmallDots(true);
        auto* bars = chart.AddSeries(std::make_unique<TBarSeries>());
        bars->SetSeriesColor(clSilver);
        series[0] = bars;
        const TColor colours[7] = {clRed, clGreen, clBlue, clPurple, clTeal, clFuchsia, clOlive};
        for (int i = 0; i < 7; ++i) {
            auto* line = chart.AddSeries(std::make_unique<TLineSeries>());
            line->SetSeriesColor(colours[i]);
            line->LinePen().SetWidth(2);
            series[i + 1] = line;
        }
        for (TChartSeries* s : series)
            s->XValues().SetDateTime(true);
        Refill(0);
    }

    // As a calculation does: every series emptied and refilled day by day.
    void Refill(int shift) {
        for (TChartSeries* s : series)
            s->ClearPoints();
        const double firstDay = 45000 + shift % 7;
        const int periods[7] = {23, 28, 33, 53, 48, 43, 38};
        for (int day = 0; day < 30; ++day) {
            int sum = 0;
            for (int c = 0; c < 7; ++c) {
                const int score = static_cast<int>(std::lround(100 * std::sin(2 * M_PI * (day + shift) / periods[c])));
                sum += score;
                series[c + 1]->AddPoint(firstDay + day, score);
            }
            series[0]->AddPoint(firstDay + day, std::lround(sum / 7.0));
        }
    }
};

void BM_FourWeekChart_FullPaint(benchmark::State& state) {
    FourWeekChart f;
    TDrawSurface target(776, 391);
    int shift = 0;
    for (auto _ : state) {
        f.Refill(++shift);
        f.chart.DrawChartOn(&target, {0, 0, 776, 391});
    }
}
BENCHMARK(BM_FourWeekChart_FullPaint)->Unit(benchmark::kMicrosecond);

void BM_FourWeekChart_CachedPaint(benchmark::State& state) {
    FourWeekChart f;
    f.chart.HandlePaint();
    const int redraws = f.chart.RedrawCount();
    for (auto _ : state)
        f.chart.HandlePaint();
    if (f.chart.RedrawCount() != redraws)
        state.SkipWithError("a paint with nothing changed redrew the chart");
}
BENCHMARK(BM_FourWeekChart_CachedPaint)->Unit(benchmark::kMicrosecond);

void BM_TodayChart_FullPaint(benchmark::State& state) {
    TChart chart;
    SetUpChart(chart, 6, 4, 2, 4, 681);
    chart.Legend().SetVisible(false);
    auto* bars = chart.AddSeries(std::make_unique<TBarSeries>());
    bars->SetColorEachPoint(true);
    const char* labels[8] = {"Physical", "Emotional", "Intellectual", "Spiritual",
                             "Awareness", "Aesthetic", "Intuition", "Average"};
    const TColor colours[8] = {clRed, clGreen, clBlue, clPurple, clTeal, clFuchsia, clOlive, clGray};
    TDrawSurface target(776, 391);
    int shift = 0;
    for (auto _ : state) {
        bars->ClearPoints();
        ++shift;
        for (int i = 0; i < 8; ++i)
            bars->AppendPoint((i * 37 + shift) % 201 - 100, labels[i], colours[i]);
        chart.DrawChartOn(&target, {0, 0, 776, 391});
    }
}
BENCHMARK(BM_TodayChart_FullPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
