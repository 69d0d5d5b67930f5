#include "Chart.h"
#include "Series.h"
#include "SurfaceTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Axes, legend and bevel out of the way: the chart rectangle is the margin rectangle.
class BareChart : public TChart {
public:
    explicit BareChart(int width = 776, int height = 391) {
        SetBounds(0, 0, width, height);
        SetView3D(false);
        SetBevelOuter(bvNone);
        SetAxisVisible(false);
        Legend().SetVisible(false);
        Canvas().SetTextMeasurer(std::make_shared<FixedMeasurer>(8, 16, 12));
    }

    const TDrawSurface& PaintOffScreen() {
        surface = std::make_unique<TDrawSurface>(Width(), Height());
        DrawChartOn(surface.get(), ClientRect());
        return *surface;
    }

    int CountColour(TColor c) const {
        int n = 0;
        for (int y = 0; y < surface->Height(); ++y)
            for (int x = 0; x < surface->Width(); ++x)
                n += surface->Pixel(x, y) == c;
        return n;
    }

    std::unique_ptr<TDrawSurface> surface;
};

std::shared_ptr<const TPicture> SolidPicture(int width, int height, TColor rgb) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)));
    return std::make_shared<const TPicture>(image);
}

}  // namespace

TEST(ChartTitles, RoomTakenByATitleBlock) {
    struct Case {
        const char* name;
        TTitlePlace place;
        int lines, lineHeight, frame;
        TRect expected;
    };
    const TRect r{16, 23, 760, 368};
    const Case cases[] = {
        {"one line at the top: line height and the gap of 5", tpTop, 1, 16, 0, {16, 44, 760, 368}},
        {"two framed lines at the bottom", tpBottom, 2, 10, 1, {16, 23, 760, 368 - 27}},
        {"no lines, framed: only the frame twice", tpTop, 0, 16, 2, {16, 27, 760, 368}},
        {"no lines, no frame", tpBottom, 0, 16, 0, r},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChartRectAfterTitle(r, c.place, c.lines, c.lineHeight, c.frame), c.expected);
    }
}

TEST(ChartTitles, VisibleTitleMovesTheTopEdgeAndEmptyOnesDoNothing) {
    BareChart chart;
    chart.SetMarginLeft(6);
    chart.SetMarginRight(2);
    chart.PaintOffScreen();
    EXPECT_EQ(chart.ChartRect(), (TRect{47, 16, 760, 375}));  // visible foot without lines

    chart.Title().SetVisible(false);
    chart.Title().AddLine("Hidden");
    chart.PaintOffScreen();
    EXPECT_EQ(chart.ChartRect().top, 16);

    chart.Title().SetVisible(true);
    chart.PaintOffScreen();
    EXPECT_EQ(chart.ChartRect(), (TRect{47, 16 + 21, 760, 375}));
    // The text stands in the band the title took, centred: nothing of it left of the middle minus 24.
    int inked = 0;
    for (int y = 16; y < 32; ++y)
        for (int x = 0; x < 776; ++x) {
            const bool ink = chart.surface->Pixel(x, y) != ResolveColor(clBtnFace);
            inked += ink;
            if (ink) {
                EXPECT_GE(x, (47 + 760) / 2 - 24);
            }
        }
    EXPECT_GT(inked, 0);

    chart.Foot().AddLine("a");
    chart.Foot().AddLine("b");
    chart.PaintOffScreen();
    EXPECT_EQ(chart.ChartRect().bottom, 375 - (2 * 16 + 5));
}

TEST(ChartBackImage, InsideImageCoversTheWallInteriorByThePen) {
    for (bool penVisible : {true, false}) {
        SCOPED_TRACE(penVisible ? "pen visible" : "pen invisible");
        BareChart chart(200, 120);
        chart.SetMarginLeft(10);
        chart.SetMarginTop(10);
        chart.SetMarginRight(10);
        chart.SetMarginBottom(10);
        chart.BackWall().SetColor(clWhite);
        chart.BackWall().Brush().SetColor(clWhite);
        chart.BackWall().Pen().SetVisible(penVisible);
        chart.BackImage().Assign(SolidPicture(7, 5, clRed));
        chart.SetBackImageInside(true);
        const TDrawSurface& s = chart.PaintOffScreen();
        const TRect r = chart.ChartRect();
        ASSERT_EQ(r, (TRect{20, 12, 180, 108}));
        const int firstRow = penVisible ? r.top + 1 : r.top;
        const int lastRow = penVisible ? r.bottom - 2 : r.bottom - 1;
        EXPECT_EQ(s.Pixel(r.left, firstRow), clRed);
        EXPECT_EQ(s.Pixel(r.right - 1, lastRow), clRed);
        EXPECT_NE(s.Pixel(r.left + 5, firstRow - 1), clRed);
        EXPECT_NE(s.Pixel(r.left + 5, lastRow + 1), clRed);
        EXPECT_NE(s.Pixel(r.right, firstRow), clRed);
        EXPECT_NE(s.Pixel(r.left - 1, firstRow), clRed);
        EXPECT_EQ(chart.CountColour(clRed), (lastRow - firstRow + 1) * r.Width());
    }
}

TEST(ChartBackImage, OutsideImageIsStretchedOverTheClientAreaUnderTheWall) {
    BareChart chart(100, 80);
    chart.BackImage().Assign(SolidPicture(3, 3, clRed));
    chart.PaintOffScreen();
    // The back wall's brush is clear by default: the picture shows through.
    EXPECT_EQ(chart.CountColour(clRed) + chart.CountColour(clBlack), 100 * 80);
    chart.BackWall().SetColor(clWhite);
    chart.BackWall().Brush().SetColor(clWhite);
    chart.PaintOffScreen();
    EXPECT_EQ(chart.surface->Pixel(0, 0), clRed);
    EXPECT_EQ(chart.surface->Pixel(chart.ChartXCenter(), chart.ChartYCenter()), clWhite);
}

TEST(ChartBackImage, TileAndCentreStayInsideTheRectangle) {
    BareChart chart(100, 80);
    chart.SetMarginLeft(0);
    chart.SetMarginTop(0);
    chart.SetMarginRight(0);
    chart.SetMarginBottom(0);
    chart.SetColor(clWhite);
    chart.BackWall().Pen().SetVisible(false);
    chart.BackImage().Assign(SolidPicture(30, 30, clRed));
    chart.SetBackImageMode(pbmTile);
    chart.PaintOffScreen();
    EXPECT_EQ(chart.CountColour(clRed), 100 * 80);
    chart.SetBackImageMode(pbmCenter);
    chart.PaintOffScreen();
    // At (35, 25): (100 - 30) div 2 and (80 - 30) div 2.
    EXPECT_EQ(chart.CountColour(clRed), 30 * 30);
    EXPECT_EQ(chart.surface->Pixel(35, 25), clRed);
    EXPECT_EQ(chart.surface->Pixel(34, 25), clWhite);
}

TEST(ChartWalls, SideWallsAreNeverPaintedIn2D) {
    BareChart chart(200, 120);
    chart.BackWall().SetColor(clWhite);
    chart.BackWall().Brush().SetColor(clWhite);
    chart.LeftWall().SetColor(clGray);
    chart.LeftWall().Brush().SetColor(clWhite);
    chart.BottomWall().SetColor(15395562);
    chart.PaintOffScreen();
    EXPECT_EQ(chart.CountColour(clGray), 0);
    EXPECT_EQ(chart.CountColour(ResolveColor(15395562)), 0);
    // The back wall: white inside, framed in black on the chart rectangle's edges.
    const TRect r = chart.ChartRect();
    EXPECT_EQ(chart.CountColour(clWhite), (r.Width() - 1) * (r.Height() - 1));
}

TEST(ChartWalls, BackColorIsTheBackWallColour) {
    BareChart chart;
    chart.SetBackColor(clWhite);
    EXPECT_EQ(chart.BackWall().Color(), clWhite);
    EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);  // no parent window

    chart.SetHasParent(true);
    chart.SetLoading(true);
    chart.SetBackColor(clRed);
    EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);
    chart.SetLoading(false);
    chart.SetBackColor(clWhite);
    EXPECT_EQ(chart.BackColor(), clWhite);
    EXPECT_EQ(chart.BackWall().Brush().Style(), bsSolid);
}

TEST(ChartPipeline, StagesFireInOrderAndHiddenSeriesDrawNothing) {
    BareChart chart(300, 200);
    chart.SetAxisVisible(true);
    std::vector<std::string> log;
    chart.OnBeforeDrawAxes = [&](TCustomAxisPanel&) { log.push_back("axes"); };
    chart.OnBeforeDrawSeries = [&](TCustomAxisPanel&) { log.push_back("series"); };
    chart.OnAfterDraw = [&](TCustomChartPanelExtended&) { log.push_back("after"); };
    chart.BottomAxis()->SetAutomatic(false);
    chart.BottomAxis()->SetMaximum(20);
    chart.BottomAxis()->SetMinimum(10);

    auto* inRange = chart.AddSeries(std::make_unique<TLineSeries>());
    auto* leftOfRange = chart.AddSeries(std::make_unique<TBarSeries>());
    auto* inactive = chart.AddSeries(std::make_unique<TBarSeries>());
    for (int x = 0; x <= 5; ++x) {
        inRange->AddPoint(12 + x, 1);
        leftOfRange->AddPoint(x, 1);
        inactive->AddPoint(12 + x, 1);
    }
    inactive->SetActive(false);
    for (auto [series, name] : {std::pair<TChartSeries*, std::string>{inRange, "line"},
                                {leftOfRange, "bar"}, {inactive, "inactive"}}) {
        series->BeforeDrawValues = [&log, label = name](TChartSeries&) { log.push_back(label + " begin"); };
        series->AfterDrawValues = [&log, label = name](TChartSeries&) { log.push_back(label + " end"); };
    }
    chart.PaintOffScreen();
    EXPECT_EQ(log, (std::vector<std::string>{"axes", "series", "line begin", "line end", "after"}));
    EXPECT_EQ(leftOfRange->FirstVisible(), -1);

    log.clear();
    chart.SetAxisVisible(false);
    chart.PaintOffScreen();
    EXPECT_EQ(log.front(), "series");
}

TEST(ChartPipeline, SeriesAreClippedInsideTheBackWallFrame) {
    BareChart chart(300, 200);
    chart.BackWall().SetColor(clWhite);
    chart.BackWall().Brush().SetColor(clWhite);
    chart.LeftAxis()->SetAutomatic(false);
    chart.LeftAxis()->SetMinimum(0);
    chart.LeftAxis()->SetMaximum(1);
    auto* bars = chart.AddSeries(std::make_unique<TBarSeries>());
    bars->SetSeriesColor(clRed);
    bars->AddPoint(0, 5);  // far above the axis' maximum
    chart.PaintOffScreen();
    const TRect r = chart.ChartRect();
    const TDrawSurface& s = *chart.surface;
    int drawnBelowFrame = 0;
    for (int x = r.left; x <= r.right; ++x) {
        EXPECT_EQ(s.Pixel(x, r.top), clBlack) << x;
        EXPECT_EQ(s.Pixel(x, r.top - 1), ResolveColor(clBtnFace)) << x;
        drawnBelowFrame += x > r.left && x < r.right && s.Pixel(x, r.top + 1) != clWhite;
    }
    EXPECT_GT(drawnBelowFrame, 0);
}

TEST(ChartAxes, AxisShownFollowsSwitchesAndSeries) {
    BareChart chart;
    chart.SetAxisVisible(true);
    EXPECT_TRUE(chart.AxisShown(*chart.TopAxis()));  // no series: every visible axis
    EXPECT_FALSE(chart.AxisShown(*chart.DepthAxis()));

    auto* s = chart.AddSeries(std::make_unique<TLineSeries>());
    EXPECT_TRUE(chart.AxisShown(*chart.BottomAxis()));
    EXPECT_TRUE(chart.AxisShown(*chart.LeftAxis()));
    EXPECT_FALSE(chart.AxisShown(*chart.TopAxis()));
    EXPECT_FALSE(chart.AxisShown(*chart.RightAxis()));

    s->SetActive(false);
    EXPECT_TRUE(chart.AxisShown(*chart.TopAxis()));
    s->SetActive(true);
    chart.BottomAxis()->SetVisible(false);
    EXPECT_FALSE(chart.AxisShown(*chart.BottomAxis()));
    chart.SetAxisVisible(false);
    EXPECT_FALSE(chart.AxisShown(*chart.LeftAxis()));
}

TEST(ChartQueries, WidestLineWidth) {
    struct Case {
        const char* name;
        std::string text;
        TLineWidths expected;
    };
    const Case cases[] = {
        {"empty", "", {0, 1}},
        {"one line", "abc", {24, 1}},
        {"two lines", "ab\rcdef", {32, 2}},
        {"trailing separator adds no line", "abcd\r", {32, 1}},
        {"empty piece between separators counts", "ab\r\r", {16, 2}},
        {"empty first line", "\rabc", {24, 2}},
    };
    BareChart chart;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(chart.WidestLineWidth(c.text), c.expected);
    }
}

TEST(ChartQueries, LegendItemsSkipInactiveAndHiddenSeries) {
    BareChart chart;
    auto* a = chart.AddSeries(std::make_unique<TLineSeries>());
    auto* b = chart.AddSeries(std::make_unique<TLineSeries>());
    auto* c = chart.AddSeries(std::make_unique<TLineSeries>());
    auto* d = chart.AddSeries(std::make_unique<TLineSeries>());
    auto* e = chart.AddSeries(std::make_unique<TLineSeries>());
    a->SetActive(false);
    b->SetTitle("Physical");
    c->SetShowInLegend(false);
    d->SetName("Series8");
    EXPECT_EQ(chart.ActiveSeriesCount(), 4);
    EXPECT_EQ(chart.FirstActiveSeries(), b);
    EXPECT_EQ(chart.SeriesForLegendItem(0), b);
    EXPECT_EQ(chart.SeriesForLegendItem(1), d);
    EXPECT_EQ(chart.SeriesForLegendItem(2), e);
    EXPECT_EQ(chart.SeriesForLegendItem(3), nullptr);
    EXPECT_EQ(chart.SeriesLegendTitle(0), "Physical");
    EXPECT_EQ(chart.SeriesLegendTitle(1), "Series8");
    EXPECT_EQ(chart.SeriesLegendTitle(2), "Series 2");
    EXPECT_EQ(chart.SeriesLegendTitle(3), "");
}

TEST(ChartQueries, CanvasBrushKeepsPatternsVisible) {
    BareChart chart;
    TChartCanvas3D& canvas = chart.Canvas();
    chart.SetCanvasBrush(clRed, bsCross, clRed);
    EXPECT_EQ(canvas.Brush().Color(), clBlack);
    EXPECT_EQ(canvas.BackgroundMode(), bkOpaque);
    EXPECT_EQ(canvas.BackgroundColor(), clRed);
    chart.SetCanvasBrush(clBlack, bsCross, clBlack);
    EXPECT_EQ(canvas.Brush().Color(), clWhite);
    chart.SetCanvasBrush(clWhite, bsSolid, clWhite);
    EXPECT_EQ(canvas.Brush().Color(), clWhite);
    EXPECT_EQ(canvas.BackgroundMode(), bkTransparent);
}
