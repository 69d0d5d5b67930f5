// The charts at device scale 2 and 3 are the scale-1 pictures with every
// logical pixel a uniform block, except inside the texts, which are drawn
// sharp at the scaled size; the layout does not move.

#include "ChartAxis.h"
#include "PaintTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <vector>

namespace {

QImage PaintAt(PaintedChart& p, int scale) {
    TDrawSurface target(p.chart.Width(), p.chart.Height(), skBitmap, false, scale);
    p.chart.DrawChartOn(&target, {0, 0, p.chart.Width(), p.chart.Height()});
    return target.Image().copy();
}

void SetTextColour(TChart& chart, TColor colour) {
    for (TChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis(), chart.TopAxis(), chart.RightAxis()}) {
        axis->LabelsFont().SetColor(colour);
        axis->Title().Font().SetColor(colour);
    }
    chart.Legend().Font().SetColor(colour);
    chart.Title().Font().SetColor(colour);
}

// Logical pixels near text: those that change with the text colour, widened by
// two pixels for the edges of glyphs drawn at a finer size.
std::vector<bool> TextBoxes(PaintedChart& p) {
    const QImage a = PaintAt(p, 1);
    SetTextColour(p.chart, 0x10E020);
    const QImage b = PaintAt(p, 1);
    SetTextColour(p.chart, clBlack);
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

Layout LayoutOf(const TChart& chart) {
    return {chart.ChartRect(), chart.BottomAxis()->LastPaint().Ticks, chart.LeftAxis()->LastPaint().Ticks};
}

}  // namespace

TEST(PaintScale, BlocksOutsideTextEqualTheScaleOnePicture) {
    struct Case {
        const char* name;
        bool fourWeek;
        int width, height, scale;
    };
    const Case cases[] = {
        {"4-week chart at 2", true, 776, 391, 2},
        {"today chart at 2", false, 776, 391, 2},
        {"4-week chart at 3", true, 500, 260, 3},
        {"today chart at 3", false, 500, 260, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PaintedChart p(c.fourWeek, c.width, c.height);
        p.Fill(3);
        const std::vector<bool> text = TextBoxes(p);
        const QImage one = PaintAt(p, 1);
        const Layout layout = LayoutOf(p.chart);
        const QImage scaled = PaintAt(p, c.scale);
        EXPECT_EQ(LayoutOf(p.chart), layout);
        ASSERT_EQ(scaled.size(), one.size() * c.scale);
        int differing = 0, uneven = 0, textPixels = 0;
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x) {
                if (text[static_cast<std::size_t>(y * one.width() + x)]) {
                    ++textPixels;
                    continue;
                }
                const QRgb corner = scaled.pixel(x * c.scale, y * c.scale);
                differing += corner != one.pixel(x, y);
                for (int dy = 0; dy < c.scale; ++dy)
                    for (int dx = 0; dx < c.scale; ++dx)
                        uneven += scaled.pixel(x * c.scale + dx, y * c.scale + dy) != corner;
            }
        EXPECT_EQ(differing, 0);
        EXPECT_EQ(uneven, 0);
        EXPECT_GT(textPixels, 0);
    }
}
