#include "Chart.h"
#include "Errors.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

// A chart of the stored layout's size with nothing but the back wall: no axes,
// no legend, no bevel. It counts the host's repaint requests.
class PlainChart : public TChart {
public:
    PlainChart(int width = 776, int height = 391) {
        SetBounds(0, 0, width, height);
        SetView3D(false);
        SetBevelOuter(bvNone);
        SetAxisVisible(false);
        Legend().SetVisible(false);
        SetRepaintRequest([this] { ++requests; });
        requests = 0;
    }

    const TDrawSurface& PaintOffScreen() {
        surface = std::make_unique<TDrawSurface>(Width(), Height());
        DrawChartOn(surface.get(), ClientRect());
        return *surface;
    }

    int requests = 0;
    std::unique_ptr<TDrawSurface> surface;
};

}  // namespace

TEST(ChartRectangle, MarginsArePercentOfTheWholeControl) {
    const TRect client{0, 0, 776, 391};
    EXPECT_EQ(ChartRectInMargins(client, 0, 6, 4, 2, 4), (TRect{47, 16, 760, 375}));
    EXPECT_EQ(ChartRectInMargins(client, 0, 2, 6, 2, 6), (TRect{16, 23, 760, 368}));
    EXPECT_EQ(ChartRectInMargins(client, 0, 0, 0, 0, 0), client);
    EXPECT_EQ(ChartRectInMargins(client, 3, 0, 0, 0, 0), (TRect{3, 3, 773, 388}));
    // Bounds that do not start at the origin keep their offset; 50 % of 5 rounds half away from zero.
    EXPECT_EQ(ChartRectInMargins({10, 20, 15, 25}, 0, 50, 50, 0, 0), (TRect{13, 23, 15, 25}));
}

TEST(ChartRectangle, NormalisationKeepsAtLeastOnePixel) {
    struct Case {
        const char* name;
        TRect rect;
        TRect expected;
    };
    const TRect bounds{0, 0, 776, 391};
    const Case cases[] = {
        {"inside stays", {47, 16, 760, 375}, {47, 16, 760, 375}},
        {"left and top pulled into the bounds", {-5, -2, 100, 100}, {0, 0, 100, 100}},
        {"reversed gets one pixel", {466, 200, 388, 100}, {466, 200, 467, 201}},
        {"equal edges get the control's size", {466, 200, 466, 200}, {466, 200, 466 + 400, 200 + 250}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NormalizedChartRect(c.rect, bounds, 400, 250), c.expected);
    }
}

TEST(ChartRectangle, PaintWithoutAxesKeepsTheMarginRectangle) {
    struct Case {
        const char* name;
        int left, top, right, bottom;
        TRect expected;
    };
    const Case cases[] = {
        {"today chart", 6, 4, 2, 4, {47, 16, 760, 375}},
        {"four-week chart", 2, 6, 2, 6, {16, 23, 760, 368}},
        // 60 % + 40 %: both edges at 466, so the rectangle becomes as wide as the control.
        {"margins summing to 100", 60, 4, 40, 4, {466, 16, 466 + 776, 375}},
        // 60 % + 50 %: right (388) before left (466): one pixel wide.
        {"margins above 100", 60, 4, 50, 4, {466, 16, 467, 375}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlainChart chart;
        chart.SetMarginLeft(c.left);
        chart.SetMarginTop(c.top);
        chart.SetMarginRight(c.right);
        chart.SetMarginBottom(c.bottom);
        const TDrawSurface& s = chart.PaintOffScreen();
        EXPECT_EQ(chart.ChartRect(), c.expected);
        EXPECT_EQ(chart.ChartWidth(), c.expected.Width());
        EXPECT_EQ(chart.ChartXCenter(), (c.expected.left + c.expected.right) / 2);
        // The back wall's frame lies on the rectangle's own edges.
        const TRect r = chart.ChartRect();
        EXPECT_EQ(s.Pixel(r.left, r.top), clBlack);
        EXPECT_EQ(s.Pixel(std::min(r.right, 775), r.bottom), clBlack);
        EXPECT_EQ(s.Pixel(r.left - 1, r.top), ResolveColor(clBtnFace));
    }
}

TEST(ChartInvalidation, ChangesBeforeAPaintCostOneRedraw) {
    PlainChart chart;
    chart.HandlePaint();
    ASSERT_EQ(chart.RedrawCount(), 1);

    chart.SetMarginLeft(10);
    chart.SetMarginTop(1);
    chart.BackWall().SetColor(clWhite);
    chart.Gradient().SetEndColor(clRed);
    chart.BackWall().Pen().SetColor(clRed);
    chart.Title().AddLine("x");
    EXPECT_EQ(chart.requests, 6);
    EXPECT_TRUE(chart.Canvas().Dirty());
    chart.HandlePaint();
    EXPECT_EQ(chart.RedrawCount(), 2);
    // Nothing changed: served from the buffer.
    chart.HandlePaint();
    chart.HandlePaint();
    EXPECT_EQ(chart.RedrawCount(), 2);
}

TEST(ChartInvalidation, EqualValuesRequestNoRepaint) {
    struct Case {
        const char* name;
        std::function<void(PlainChart&)> set;
    };
    const Case cases[] = {
        {"margin", [](PlainChart& c) { c.SetMarginLeft(c.MarginLeft()); }},
        {"View3D", [](PlainChart& c) { c.SetView3D(false); }},
        {"Chart3DPercent", [](PlainChart& c) { c.SetChart3DPercent(15); }},
        {"wall colour", [](PlainChart& c) { c.LeftWall().SetColor(8454143); }},
        {"wall pen", [](PlainChart& c) { c.BackWall().Pen().SetColor(clBlack); }},
        {"panel colour", [](PlainChart& c) { c.SetColor(clBtnFace); }},
        {"size", [](PlainChart& c) { c.SetWidth(776); }},
        {"title visible", [](PlainChart& c) { c.Title().SetVisible(true); }},
        {"gradient direction", [](PlainChart& c) { c.Gradient().SetDirection(gdTopBottom); }},
        {"back image mode", [](PlainChart& c) { c.SetBackImageMode(pbmStretch); }},
        {"3D options", [](PlainChart& c) { c.View3DOptions().SetElevation(345); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlainChart chart;
        chart.HandlePaint();
        c.set(chart);
        EXPECT_EQ(chart.requests, 0);
        chart.HandlePaint();
        EXPECT_EQ(chart.RedrawCount(), 1);
    }
}

TEST(ChartInvalidation, ResizeRedrawsIntoANewBuffer) {
    PlainChart chart;
    chart.HandlePaint();
    const int generation = chart.Canvas().BufferGeneration();
    chart.SetBounds(0, 0, 500, 300);
    EXPECT_EQ(chart.requests, 1);
    chart.HandlePaint();
    EXPECT_EQ(chart.RedrawCount(), 2);
    EXPECT_EQ(chart.Canvas().BufferGeneration(), generation + 1);
    EXPECT_EQ(chart.WindowSurface().Width(), 500);
    // The margins scale with the new size: 6 % of 500 is 30.
    EXPECT_EQ(chart.ChartRect().left, MulDiv(chart.MarginLeft(), 500, 100));
    // A move alone repaints too, into the same buffer.
    chart.SetLeft(10);
    chart.HandlePaint();
    EXPECT_EQ(chart.RedrawCount(), 3);
    EXPECT_EQ(chart.Canvas().BufferGeneration(), generation + 1);
}

TEST(ChartInvalidation, WindowSurfaceShowsThePaint) {
    PlainChart chart(60, 40);
    chart.SetMarginLeft(0);
    chart.SetMarginTop(0);
    chart.SetMarginRight(0);
    chart.SetMarginBottom(0);
    chart.BackWall().SetColor(clWhite);
    chart.BackWall().Brush().SetColor(clWhite);
    chart.HandlePaint();
    const TDrawSurface& w = chart.WindowSurface();
    EXPECT_EQ(w.Pixel(0, 0), clBlack);
    EXPECT_EQ(w.Pixel(59, 0), clBlack);
    EXPECT_EQ(w.Pixel(30, 20), clWhite);
}

TEST(ChartPanelChecks, RefusedValuesKeepTheOldOne) {
    PlainChart chart;
    chart.SetChart3DPercent(10);
    for (int bad : {0, 101, -5}) {
        SCOPED_TRACE(bad);
        EXPECT_THAT([&] { chart.SetChart3DPercent(bad); },
                    ThrowsMessage<ChartException>(StrEq("3D effect percent must be between 1 and 100")));
        EXPECT_EQ(chart.Chart3DPercent(), 10);
    }
    chart.SetChart3DPercent(1);
    chart.SetChart3DPercent(100);
    EXPECT_EQ(chart.Chart3DPercent(), 100);

    chart.SetMaxPointsPerPage(0);
    EXPECT_THAT([&] { chart.SetMaxPointsPerPage(-1); },
                ThrowsMessage<ChartException>(StrEq("MaxPointsPerPage must be >= 0")));
    EXPECT_EQ(chart.MaxPointsPerPage(), 0);
}

TEST(ChartBackground, BevelsAndBorderFromTheEdgeInward) {
    PlainChart chart(40, 30);
    chart.SetBevelOuter(bvRaised);
    chart.SetBorderWidth(1);
    chart.SetColor(clRed);
    chart.SetBevelInner(bvLowered);
    chart.BackWall().Pen().SetVisible(false);
    const TDrawSurface& s = chart.PaintOffScreen();
    const TColor light = ResolveColor(clBtnHighlight);
    const TColor shadow = ResolveColor(clBtnShadow);
    EXPECT_EQ(s.Pixel(0, 0), light);
    EXPECT_EQ(s.Pixel(39, 29), shadow);
    EXPECT_EQ(s.Pixel(1, 1), clRed);
    EXPECT_EQ(s.Pixel(2, 2), shadow);    // lowered: the shadow on top and left
    EXPECT_EQ(s.Pixel(37, 27), light);
}

TEST(ChartBackground, VisibleGradientReplacesThePanelColour) {
    PlainChart chart(40, 300);
    chart.Gradient().SetStartColor(clRed);
    chart.Gradient().SetEndColor(clBlue);
    chart.Gradient().SetVisible(true);
    const TDrawSurface& s = chart.PaintOffScreen();
    EXPECT_EQ(s.Pixel(0, 0), clRed);
    EXPECT_EQ(s.Pixel(0, 299), clBlue);
}
