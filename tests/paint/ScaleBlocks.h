#pragma once
// A chart painted at a device scale is its scale-1 picture with every logical
// pixel a uniform block, except near texts, which are drawn sharp at the
// scaled size; the layout does not move.

#include "Chart.h"
#include "ChartAxis.h"

#include <QImage>
#include <gtest/gtest.h>

#include <vector>

namespace scale_blocks {

inline QImage PaintAt(TChart& chart, int scale) {
    TDrawSurface target(chart.Width(), chart.Height(), false, scale);
    chart.DrawChartOn(&target, {0, 0, chart.Width(), chart.Height()});
    return target.Image().copy();
}

inline void SetTextColour(TChart& chart, TColor colour) {
    for (TChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis(), chart.TopAxis(), chart.RightAxis()}) {
        axis->LabelsFont().SetColor(colour);
        axis->Title().Font().SetColor(colour);
    }
    chart.Legend().Font().SetColor(colour);
    chart.Title().Font().SetColor(colour);
}

// Logical pixels near text: those that change with the text colour, widened by
// two pixels for the edges of glyphs drawn at a finer size. The texts are left
// in `colour`.
inline std::vector<bool> TextBoxes(TChart& chart, TColor colour) {
    const QImage a = PaintAt(chart, 1);
    SetTextColour(chart, 0x10E020);
    const QImage b = PaintAt(chart, 1);
    SetTextColour(chart, colour);
    const int w = a.width(), h = a.height();
    std::vector<bool> near(static_cast<std::size_t>(w) * h, false);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx)
                        if (x + dx >= 0 && x + dx < w && y + dy >= 0 && y + dy < h)
                            near[static_cast<std::size_t>((y + dy) * w + x + dx)] = true;
    return near;
}

struct Layout {
    TRect chartRect;
    std::vector<int> bottomTicks, leftTicks;
    bool operator==(const Layout&) const = default;
};

inline Layout LayoutOf(const TChart& chart) {
    return {chart.ChartRect(), chart.BottomAxis()->LastPaint().Ticks, chart.LeftAxis()->LastPaint().Ticks};
}

// Texts are painted in `textColour` before the check and stay so.
inline void ExpectBlocksOutsideText(TChart& chart, int scale, TColor textColour = clBlack) {
    const std::vector<bool> text = TextBoxes(chart, textColour);
    const QImage one = PaintAt(chart, 1);
    const Layout layout = LayoutOf(chart);
    const QImage scaled = PaintAt(chart, scale);
    EXPECT_EQ(LayoutOf(chart), layout);
    ASSERT_EQ(scaled.size(), one.size() * scale);
    int differing = 0, uneven = 0, textPixels = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            if (text[static_cast<std::size_t>(y * one.width() + x)]) {
                ++textPixels;
                continue;
            }
            const QRgb corner = scaled.pixel(x * scale, y * scale);
            differing += corner != one.pixel(x, y);
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    uneven += scaled.pixel(x * scale + dx, y * scale + dy) != corner;
        }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(uneven, 0);
    EXPECT_GT(textPixels, 0);
}

}  // namespace scale_blocks
