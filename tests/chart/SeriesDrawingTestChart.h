#pragma once
// A chart with axes painted for real onto an off-screen surface, with no
// margins, hidden axes (so the chart rectangle is the whole surface), a white
// background and a fixed vertical axis from -100 at the bottom to 100 at the top
// of a 200-pixel height: row = 100 - Y. Walls, titles and legend belong to the
// full chart and are not drawn here, so every non-white pixel is a series pixel.

#include "ChartEngine.h"

#include <memory>

inline constexpr TColor kBackground = clWhite;

class SeriesTestChart : public TCustomAxisPanel {
public:
    explicit SeriesTestChart(int width, int height = 200) {
        SetBounds(0, 0, width, height);
        SetView3D(false);
        SetBevelOuter(TBevelCut::bvNone);
        SetMarginLeft(0);
        SetMarginTop(0);
        SetMarginRight(0);
        SetMarginBottom(0);
        SetColor(kBackground);
        SetAxisVisible(false);
        LeftAxis()->SetAutomatic(false);
        LeftAxis()->SetMinimum(-100);
        LeftAxis()->SetMaximum(100);
    }

    void InvalidateChart() override {
        ++invalidations;
        TCustomAxisPanel::InvalidateChart();
    }

    void FixBottomAxis(double minimum, double maximum) {
        BottomAxis()->SetAutomatic(false);
        BottomAxis()->SetMaximum(maximum);
        BottomAxis()->SetMinimum(minimum);
    }

    // Paints the whole chart onto a fresh surface of the chart's size.
    const TDrawSurface& Paint() {
        surface = std::make_unique<TDrawSurface>(Width(), Height());
        DrawChartOn(surface.get(), ClientRect());
        return *surface;
    }

    [[nodiscard]] TColor At(int x, int y) const { return surface->Pixel(x, y); }

    [[nodiscard]] int CountNot(TColor c) const {
        int n = 0;
        for (int y = 0; y < surface->Height(); ++y)
            for (int x = 0; x < surface->Width(); ++x)
                n += surface->Pixel(x, y) != c;
        return n;
    }

    int invalidations = 0;
    std::unique_ptr<TDrawSurface> surface;
};
