#include "ChartCanvas.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    TDrawSurface window{776, 391};
    TChartCanvas3D canvas{&window};
    Fixture() { canvas.BeginFrame(&window, nullptr, {0, 0, 776, 391}, false); }
    ~Fixture() { canvas.EndFrame(&window, &window, {0, 0, 776, 391}); }
    // Reading a pixel makes every waiting fill reach the memory.
    void Settle() { benchmark::DoNotOptimize(canvas.Surface()->Pixel(400, 200)); }
};

void BM_DrawBoxFill700x300(benchmark::State& state) {
    Fixture f;
    f.canvas.Brush().SetColor(clWhite);
    for (auto _ : state) {
        f.canvas.DrawBox(40, 40, 740, 340);
        f.Settle();
    }
    state.SetItemsProcessed(state.iterations() * 700 * 300);
}
BENCHMARK(BM_DrawBoxFill700x300);

// A background fill that the back image then covers is never written.
void BM_BackgroundThenBackImage(benchmark::State& state) {
    Fixture f;
    const TPicture picture(715, 338);
    f.canvas.Brush().SetColor(clWhite);
    for (auto _ : state) {
        f.canvas.ClearBox({0, 0, 776, 391});
        f.canvas.StretchPicture({30, 20, 745, 358}, &picture);
        f.Settle();
    }
}
BENCHMARK(BM_BackgroundThenBackImage);

void BM_Line700(benchmark::State& state) {
    Fixture f;
    for (auto _ : state)
        f.canvas.DrawHorizontal(40, 740, 100);
}
BENCHMARK(BM_Line700);

void BM_GridLine700SmallDots(benchmark::State& state) {
    Fixture f;
    TChartPen grid;
    grid.SetColor(clSilver);
    grid.SetSmallDots(true);
    f.canvas.UseChartPen(grid);
    for (auto _ : state) {
        f.canvas.DrawHorizontal(40, 740, 100);
        f.canvas.DrawVertical(300, 20, 358);
    }
}
BENCHMARK(BM_GridLine700SmallDots);

// One series line of the four-week chart: 29 segments with a 2-pixel pen.
void BM_WideLine29Segments(benchmark::State& state) {
    Fixture f;
    f.canvas.Pen().Assign({clRed, psSolid, 2, pmCopy});
    for (auto _ : state) {
        f.canvas.MovePenTo(30, 190);
        for (int i = 1; i < 30; ++i)
            f.canvas.DrawLineTo(30 + i * 24, 190 + (i % 4 - 2) * 37);
    }
}
BENCHMARK(BM_WideLine29Segments);

void BM_StretchPicture715x338To700x300(benchmark::State& state) {
    Fixture f;
    const TPicture picture(715, 338);
    for (auto _ : state)
        f.canvas.StretchPicture({40, 40, 740, 340}, &picture);
}
BENCHMARK(BM_StretchPicture715x338To700x300);

void BM_StretchPicture715x338To745x338(benchmark::State& state) {
    Fixture f;
    const TPicture picture(715, 338);
    for (auto _ : state)
        f.canvas.StretchPicture({30, 20, 775, 358}, &picture);
}
BENCHMARK(BM_StretchPicture715x338To745x338);

void BM_TextLabel(benchmark::State& state) {
    Fixture f;
    f.canvas.Font().SetSize(8);
    f.canvas.SetTextAlignment(tfCenter | tfTop);
    for (auto _ : state)
        f.canvas.DrawString(200, 200, "12/05/24");
}
BENCHMARK(BM_TextLabel);

// Labels in two fonts, as the axes and the legend alternate.
void BM_TextTwoFontsMeasuredAndDrawn(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        for (int size : {8, 10}) {
            f.canvas.Font().SetSize(size);
            benchmark::DoNotOptimize(f.canvas.TextWidthOf("Intellectual"));
            f.canvas.DrawString(100, 100 + size, "Intellectual");
        }
    }
}
BENCHMARK(BM_TextTwoFontsMeasuredAndDrawn);

// The buffer reaching the window when nothing changed.
void BM_WholeSurfaceCopy(benchmark::State& state) {
    TDrawSurface buffer(776, 391), window(776, 391);
    for (auto _ : state) {
        window.CopyFrom(buffer, 0, 0);
        benchmark::DoNotOptimize(window.Image().constBits());
    }
}
BENCHMARK(BM_WholeSurfaceCopy);

}  // namespace
