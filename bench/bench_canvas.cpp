#include "ChartCanvas.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    TDrawSurface window{776, 391, skWindow};
    TChartCanvas3D canvas{&window};
    Fixture() { canvas.BeginFrame(&window, nullptr, {0, 0, 776, 391}, false); }
    ~Fixture() { canvas.EndFrame(&window, &window, {0, 0, 776, 391}); }
};

void BM_DrawBoxFill700x300(benchmark::State& state) {
    Fixture f;
    f.canvas.Brush().SetColor(clWhite);
    for (auto _ : state)
        f.canvas.DrawBox(40, 40, 740, 340);
    state.SetItemsProcessed(state.iterations() * 700 * 300);
}
BENCHMARK(BM_DrawBoxFill700x300);

void BM_Line700(benchmark::State& state) {
    Fixture f;
    for (auto _ : state)
        f.canvas.DrawHorizontal(40, 740, 100);
}
BENCHMARK(BM_Line700);

void BM_StretchPicture715x338To700x300(benchmark::State& state) {
    Fixture f;
    const TPicture picture(715, 338);
    for (auto _ : state)
        f.canvas.StretchPicture({40, 40, 740, 340}, &picture);
}
BENCHMARK(BM_StretchPicture715x338To700x300);

void BM_TextLabel(benchmark::State& state) {
    Fixture f;
    f.canvas.Font().SetSize(8);
    f.canvas.SetTextAlignment(tfCenter | tfTop);
    for (auto _ : state)
        f.canvas.DrawString(200, 200, "12/05/24");
}
BENCHMARK(BM_TextLabel);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
