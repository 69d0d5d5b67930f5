#include "Chart.h"
#include "SurfaceTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using testing::StrEq;
using testing::ThrowsMessage;

namespace {

// Records the symbols the legend asks for instead of drawing them.
class ProbeSeries : public TChartSeries {
public:
    void DrawLegendSymbol(int entry, TRect rect) override { symbols.emplace_back(entry, rect); }
    std::vector<std::pair<int, TRect>> symbols;
};

class CountingLegendChart : public TChart {
public:
    void InvalidateChart() override {
        ++invalidations;
        TChart::InvalidateChart();
    }
    int invalidations = 0;
};

const std::vector<std::string> kWeekTitles{"Average",  "Phyisical", "Emotional", "Intellectual",
                                           "Spiritual", "Awareness", "Aesthetic", "Intuition"};

// A 776 x 391 chart whose margins leave the chart rectangle 16..760 x 23..368,
// with no axes, bevels or titles taking room: after a paint the chart
// rectangle is what the legend left.
struct LegendChart {
    CountingLegendChart chart;
    std::vector<ProbeSeries*> series;

    LegendChart() {
        chart.Canvas().SetTextMeasurer(std::make_shared<FixedMeasurer>(5, 15, 12, std::map<std::string, int>{{"Intellectual", 66}}));
        chart.SetView3D(false);
        chart.SetAxisVisible(false);
        chart.SetBevelOuter(bvNone);
        chart.SetMarginLeft(2);
        chart.SetMarginRight(2);
        chart.SetMarginTop(6);
        chart.SetMarginBottom(6);
        chart.SetBounds(0, 0, 776, 391);
    }
    ProbeSeries* Add(const std::string& title) {
        ProbeSeries* s = chart.AddSeries(std::make_unique<ProbeSeries>());
        s->SetTitle(title);
        series.push_back(s);
        return s;
    }
    // The 4-week chart's legend: eight series at the bottom, colour width 22.
    void AddWeekSeries() {
        for (const std::string& title : kWeekTitles)
            Add(title);
        Legend().SetAlignment(laBottom);
        Legend().SetColorWidth(22);
    }
    TChartLegend& Legend() { return chart.Legend(); }
    void Paint() { chart.DrawChartOn(&chart.WindowSurface(), chart.ClientRect()); }
    TColor Pixel(int x, int y) const { return chart.WindowSurface().Pixel(x, y); }
};

constexpr TRect kWholeChartRect{16, 23, 760, 368};

}  // namespace

TEST(ChartLegend, WorkedExampleBottomLegend) {
    LegendChart c;
    c.AddWeekSeries();
    c.Paint();

    const TChartLegend& legend = c.Legend();
    EXPECT_EQ(legend.ResolvedStyle(), lsSeries);
    EXPECT_EQ(legend.SymbolWidth(), 15);
    EXPECT_EQ(legend.ColumnCount(), 7);
    EXPECT_EQ(legend.RowCount(), 2);
    EXPECT_EQ(legend.LegendRect(), (TRect{84, 331, 720, 363}));
    EXPECT_EQ(legend.Layout().FirstTextX, 107);
    EXPECT_EQ(c.chart.ChartRect(), (TRect{16, 23, 760, 317}));

    // One symbol per series, row by row, columns 89 pixels apart.
    const std::vector<TRect> expected{{88, 334, 103, 345},  {177, 334, 192, 345}, {266, 334, 281, 345},
                                      {355, 334, 370, 345}, {444, 334, 459, 345}, {533, 334, 548, 345},
                                      {622, 334, 637, 345}, {88, 349, 103, 360}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(kWeekTitles[i]);
        ASSERT_EQ(c.series[i]->symbols.size(), 1u);
        EXPECT_EQ(c.series[i]->symbols[0].first, -1);
        EXPECT_EQ(c.series[i]->symbols[0].second, expected[i]);
    }
    EXPECT_EQ(c.chart.LegendSymbolBackColor(), clWhite);

    // Columns of (720 - 84) div 7 = 90 pixels from x 85; rows of 15 from y 332.
    const struct {
        int x, y, item;
    } table[] = {{85, 332, 0}, {84, 340, -1}, {180, 340, 1}, {265, 340, 2}, {180, 350, 8}, {83, 340, -1},
                 {400, 363, -1}};
    for (const auto& t : table) {
        SCOPED_TRACE(testing::Message() << t.x << ',' << t.y);
        EXPECT_EQ(c.Legend().ItemAtPoint(t.x, t.y), t.item);
    }
}

TEST(ChartLegend, FrameAndShadowPixels) {
    LegendChart c;
    c.AddWeekSeries();
    c.Paint();
    // Frame one pixel outside LegendRect (84, 331, 720, 363), right and bottom excluded.
    const struct {
        int x, y;
        TColor colour;
    } table[] = {
        {83, 340, clBlack},  {720, 340, clBlack},  {400, 330, clBlack}, {400, 363, clBlack},
        {85, 340, clWhite},  {719, 362, clWhite},
        // Shadow: from (87, 334) to (724, 367), excluded edges.
        {721, 340, clBlack}, {723, 366, clBlack},  {87, 364, clBlack},  {400, 366, clBlack},
    };
    for (const auto& t : table) {
        SCOPED_TRACE(testing::Message() << t.x << ',' << t.y);
        EXPECT_EQ(c.Pixel(t.x, t.y), t.colour);
    }
    const TColor face = c.Pixel(5, 5);
    EXPECT_NE(face, clBlack);
    EXPECT_NE(face, clWhite);
    for (const TPoint p : {TPoint{724, 340}, TPoint{722, 332}, TPoint{86, 365}, TPoint{400, 367}}) {
        SCOPED_TRACE(testing::Message() << p.x << ',' << p.y);
        EXPECT_EQ(c.Pixel(p.x, p.y), face);
    }
}

TEST(ChartLegend, DividingLinesBetweenColumns) {
    LegendChart c;
    c.AddWeekSeries();
    c.Legend().SetMaxNumRows(1);  // LegendRect (84, 346, 720, 363)
    c.Legend().DividingLines().SetVisible(true);
    c.Legend().DividingLines().SetColor(clRed);
    c.Paint();
    // Left of the second column's symbol (177 - 4), top to bottom of LegendRect.
    EXPECT_EQ(c.Pixel(173, 346), clRed);
    EXPECT_EQ(c.Pixel(173, 362), clRed);
    EXPECT_EQ(c.Pixel(173, 363), clBlack);  // the frame
    EXPECT_EQ(c.Pixel(173 + 89, 355), clRed);
    EXPECT_EQ(c.Pixel(84, 355), clWhite);  // none before the first item
}

TEST(ChartLegend, ReservesNothingWhenHiddenOrWithoutActiveSeries) {
    {
        LegendChart c;
        c.AddWeekSeries();
        c.Legend().SetVisible(false);
        c.Paint();
        EXPECT_EQ(c.chart.ChartRect(), kWholeChartRect);
        EXPECT_TRUE(c.series[0]->symbols.empty());
    }
    {
        LegendChart c;
        c.AddWeekSeries();
        for (ProbeSeries* s : c.series)
            s->SetActive(false);
        c.Paint();
        EXPECT_EQ(c.chart.ChartRect(), kWholeChartRect);
        EXPECT_TRUE(c.series[0]->symbols.empty());
    }
}

TEST(ChartLegend, SingleSeriesListsItsPoints) {
    LegendChart c;
    ProbeSeries* s = c.Add("Only");
    s->AppendPoint(3, "Mon");
    s->AppendPoint(4, "Tue\rWed");
    s->AppendPoint(5, "Thu");
    c.Legend().SetTextStyle(ltsPlain);
    c.Paint();

    EXPECT_EQ(c.Legend().ResolvedStyle(), lsValues);
    EXPECT_EQ(c.Legend().LegendItemTotal(), 3);
    EXPECT_EQ(c.Legend().LegendItemText(0), "Mon");
    EXPECT_EQ(c.Legend().LegendItemText(1), "Tue Wed");
    EXPECT_EQ(c.Legend().LegendItemText(3), "");
    ASSERT_EQ(s->symbols.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(s->symbols[static_cast<std::size_t>(i)].first, i);

    c.Add("Second");
    c.Legend().ResolveLegendStyle();
    EXPECT_EQ(c.Legend().ResolvedStyle(), lsSeries);
    EXPECT_EQ(c.Legend().LegendItemText(1), "Second");
}

TEST(ChartLegend, SeriesNamesAndSkippedSeries) {
    LegendChart c;
    c.Add("Alpha");
    c.Add("")->SetName("Probe");
    c.Add("");
    ProbeSeries* hidden = c.Add("Hidden");
    hidden->SetShowInLegend(false);
    ProbeSeries* inactive = c.Add("Inactive");
    inactive->SetActive(false);
    ProbeSeries* last = c.Add("Last");
    c.Legend().SetAlignment(laBottom);
    c.Paint();

    TChartLegend& legend = c.Legend();
    ASSERT_EQ(legend.LegendItemTotal(), 4);
    const char* texts[] = {"Alpha", "Probe", "Series 2", "Last"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(legend.LegendItemText(i), texts[i]) << i;

    EXPECT_TRUE(hidden->symbols.empty());
    EXPECT_TRUE(inactive->symbols.empty());
    ASSERT_EQ(last->symbols.size(), 1u);
    ASSERT_EQ(c.series[2]->symbols.size(), 1u);
    // "Last" sits in the fourth slot, one column step after "Series 2".
    const int step = legend.Layout().ColumnStep;
    EXPECT_EQ(last->symbols[0].second.left - c.series[2]->symbols[0].second.left, step);
    EXPECT_EQ(c.series[0]->symbols[0].second.left, legend.Layout().SymbolLeftX);
}

TEST(ChartLegend, LastValuesFollowTheListedSeries) {
    LegendChart c;
    c.Add("A")->AppendPoint(1, "a1");
    c.Add("Hidden")->SetShowInLegend(false);
    ProbeSeries* b = c.Add("B");
    b->AppendPoint(1, "b1");
    b->AppendPoint(2, "b\r2");
    c.Add("Empty");
    c.Legend().SetLegendStyle(lsLastValues);
    c.Legend().SetTextStyle(ltsPlain);
    c.Paint();
    ASSERT_EQ(c.Legend().LegendItemTotal(), 3);
    EXPECT_EQ(c.Legend().LegendItemText(0), "a1");
    EXPECT_EQ(c.Legend().LegendItemText(1), "b 2");
    EXPECT_EQ(c.Legend().LegendItemText(2), "");
    EXPECT_EQ(b->symbols.size(), 1u);
    EXPECT_TRUE(c.series[3]->symbols.empty());  // no text, no symbol
}

TEST(ChartLegend, FirstValueSkipsLeadingItems) {
    LegendChart c;
    c.AddWeekSeries();
    c.Legend().SetFirstValue(2);
    c.Paint();

    EXPECT_EQ(c.Legend().LegendItemTotal(), 6);
    EXPECT_EQ(c.Legend().LegendItemText(2), "Emotional");
    // Six columns in one row: w = 6 + 89 * 6 + 8 = 548, shift Round(22.8) = 23,
    // left 388 - 274 + 23 = 137.
    EXPECT_EQ(c.Legend().ColumnCount(), 6);
    EXPECT_EQ(c.Legend().RowCount(), 1);
    EXPECT_EQ(c.Legend().LegendRect(), (TRect{137, 346, 685, 363}));
    EXPECT_TRUE(c.series[0]->symbols.empty());
    EXPECT_TRUE(c.series[1]->symbols.empty());
    ASSERT_EQ(c.series[2]->symbols.size(), 1u);
    EXPECT_EQ(c.series[2]->symbols[0].second, (TRect{141, 349, 156, 360}));
    ASSERT_EQ(c.series[7]->symbols.size(), 1u);
}

TEST(ChartLegend, ItemsBeyondTheRowLimitAreNotDrawn) {
    LegendChart c;
    c.AddWeekSeries();
    c.Legend().SetMaxNumRows(1);
    c.Paint();
    EXPECT_EQ(c.Legend().RowCount(), 1);
    EXPECT_EQ(c.Legend().LegendRect(), (TRect{84, 346, 720, 363}));
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(c.series[static_cast<std::size_t>(i)]->symbols.size(), 1u) << i;
    EXPECT_TRUE(c.series[7]->symbols.empty());
}

TEST(ChartLegend, InvertedListsLastFirst) {
    LegendChart c;
    c.AddWeekSeries();
    c.Legend().SetInverted(true);
    c.Paint();
    ASSERT_EQ(c.series[7]->symbols.size(), 1u);
    ASSERT_EQ(c.series[0]->symbols.size(), 1u);
    EXPECT_EQ(c.series[7]->symbols[0].second, (TRect{88, 334, 103, 345}));
    EXPECT_EQ(c.series[0]->symbols[0].second, (TRect{88, 349, 103, 360}));
}

TEST(ChartLegend, RightLegendAndVerticalHitTest) {
    LegendChart c;
    c.AddWeekSeries();
    c.Legend().SetAlignment(laRight);
    c.Paint();

    // Top Round(10 % of 391) = 39; eight rows of 15; symbol Round(76 * 0.22) = 17.
    const TChartLegend& legend = c.Legend();
    EXPECT_EQ(legend.RowCount(), 8);
    EXPECT_EQ(legend.SymbolWidth(), 17);
    EXPECT_EQ(legend.LegendRect(), (TRect{662, 39, 755, 161}));
    EXPECT_EQ(c.series[0]->symbols.at(0).second, (TRect{666, 42, 683, 53}));
    EXPECT_EQ(c.chart.ChartRect(), (TRect{16, 23, 640, 368}));

    const struct {
        int x, y, item;
    } table[] = {{700, 39, -1}, {700, 40, 0}, {700, 55, 0}, {700, 56, 1}, {700, 160, 7}, {661, 100, -1}};
    for (const auto& t : table) {
        SCOPED_TRACE(testing::Message() << t.x << ',' << t.y);
        EXPECT_EQ(legend.ItemAtPoint(t.x, t.y), t.item);
    }
}

// Clicks find the item drawn in the cell: every series of the 4-week legend
// (two rows), one row when the first items are skipped, and a vertical legend.
TEST(ChartLegend, DrawnItemsAndTheirSeriesUnderThePixel) {
    const struct {
        const char* name;
        TLegendAlignment alignment;
        int firstValue;
        int x, y;
        int item;  // -1: none
    } cases[] = {
        {"first row, first column", laBottom, 0, 90, 340, 0},
        {"first row, last column", laBottom, 0, 700, 340, 6},
        {"second row", laBottom, 0, 150, 355, 7},
        {"empty slot of the second row", laBottom, 0, 200, 355, -1},
        {"on the frame", laBottom, 0, 83, 340, -1},
        {"one row, after two skipped", laBottom, 2, 150, 355, 2},
        {"one row, last item", laBottom, 2, 600, 355, 7},
        {"vertical, first row", laRight, 0, 700, 45, 0},
        {"vertical, last row", laRight, 0, 700, 150, 7},
        {"vertical, below the rows", laRight, 0, 700, 161, -1},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        LegendChart c;
        c.AddWeekSeries();
        c.Legend().SetAlignment(t.alignment);
        c.Legend().SetFirstValue(t.firstValue);
        c.Paint();
        EXPECT_EQ(c.Legend().DrawnItemAt(t.x, t.y), t.item);
        EXPECT_EQ(c.Legend().SeriesAtPoint(t.x, t.y), t.item < 0 ? nullptr : c.series[static_cast<std::size_t>(t.item)]);
    }

    LegendChart points;
    ProbeSeries* only = points.Add("Only");
    only->AppendPoint(1, "One");
    points.Paint();
    const TRect r = points.Legend().LegendRect();
    EXPECT_EQ(points.Legend().DrawnItemAt(r.left + 5, r.top + 5), 0);
    EXPECT_EQ(points.Legend().SeriesAtPoint(r.left + 5, r.top + 5), nullptr);  // items are points

    points.Legend().SetVisible(false);
    points.Paint();
    EXPECT_EQ(points.Legend().DrawnItemAt(r.left + 5, r.top + 5), -1);
}

// Off, an inactive series has no item; on, it keeps its place with its text
// dimmed, and the legend still shows when every series is off.
TEST(ChartLegend, InactiveSeriesListedDimmedOnlyWhenAsked) {
    const auto darkest = [](LegendChart& c, int item) {
        const TRect cell = LegendItemCell(c.Legend().Layout(), false, item, 15);
        unsigned low = 0xFFFFFF;
        for (int y = cell.top; y < cell.bottom; ++y)
            for (int x = cell.left + 24; x < cell.right; ++x)  // the text, right of the symbol
                low = std::min(low, static_cast<unsigned>(c.Pixel(x, y)) & 0xFF);
        return low;
    };
    LegendChart c;
    c.AddWeekSeries();
    c.series[2]->SetActive(false);
    c.Paint();
    EXPECT_EQ(c.Legend().LegendItemTotal(), 7);
    EXPECT_EQ(c.Legend().LegendItemText(2), "Intellectual");

    c.Legend().SetShowInactive(true);
    c.Paint();
    EXPECT_EQ(c.Legend().LegendItemTotal(), 8);
    EXPECT_EQ(c.Legend().LegendItemText(2), "Emotional");
    EXPECT_EQ(c.Legend().SeriesAtPoint(270, 340), c.series[2]);
    // Blended text: clGray (0x80) at its darkest, black near 0.
    EXPECT_GE(darkest(c, 2), 0x80u);
    EXPECT_LT(darkest(c, 2), 0xA0u);
    EXPECT_LT(darkest(c, 1), 0x20u);
    ASSERT_EQ(c.series[2]->symbols.size(), 1u);  // asked once in the paint that listed it

    for (ProbeSeries* s : c.series)
        s->SetActive(false);
    c.Paint();
    EXPECT_EQ(c.Legend().ResolvedStyle(), lsSeries);
    EXPECT_EQ(c.Legend().SeriesAtPoint(90, 340), c.series[0]);
}

TEST(ChartLegend, RefusedValuesKeepTheOldValue) {
    CountingLegendChart chart;
    TChartLegend& legend = chart.Legend();
    const std::string colorWidth = "Legend Color Width must be between 0 and 100 %";
    const std::string topPos = "Top Legend Position must be between 0 and 100 %";
    const std::string firstValue = "First Legend Value must be > 0";
    EXPECT_THAT([&] { legend.SetColorWidth(-1); }, ThrowsMessage<LegendException>(StrEq(colorWidth)));
    EXPECT_THAT([&] { legend.SetColorWidth(101); }, ThrowsMessage<LegendException>(StrEq(colorWidth)));
    EXPECT_THAT([&] { legend.SetTopPos(-1); }, ThrowsMessage<LegendException>(StrEq(topPos)));
    EXPECT_THAT([&] { legend.SetTopPos(101); }, ThrowsMessage<LegendException>(StrEq(topPos)));
    EXPECT_THAT([&] { legend.SetFirstValue(-1); }, ThrowsMessage<LegendException>(StrEq(firstValue)));
    EXPECT_EQ(legend.ColorWidth(), 12);
    EXPECT_EQ(legend.TopPos(), 10);
    EXPECT_EQ(legend.FirstValue(), 0);

    legend.SetColorWidth(100);
    legend.SetTopPos(0);
    legend.SetFirstValue(0);
    EXPECT_EQ(legend.ColorWidth(), 100);
    EXPECT_EQ(legend.TopPos(), 0);
}

TEST(ChartLegend, OnlyChangesRepaint) {
    CountingLegendChart chart;
    TChartLegend& legend = chart.Legend();
    const int before = chart.invalidations;
    legend.SetColorWidth(12);
    legend.SetAlignment(laRight);
    legend.SetColor(clWhite);
    legend.SetVisible(true);
    legend.Frame().SetWidth(1);
    EXPECT_EQ(chart.invalidations, before);

    legend.SetColorWidth(22);
    EXPECT_EQ(chart.invalidations, before + 1);
    legend.Font().SetColor(clRed);
    legend.Frame().SetColor(clRed);
    legend.Brush().SetStyle(bsCross);
    legend.DividingLines().SetVisible(true);
    EXPECT_EQ(chart.invalidations, before + 5);
}

TEST(ChartLegend, AssignCopiesAllButShadowAndDividingLines) {
    CountingLegendChart a;
    CountingLegendChart b;
    TChartLegend& source = a.Legend();
    source.SetVisible(false);
    source.SetLegendStyle(lsLastValues);
    source.SetFirstValue(3);
    source.SetAlignment(laTop);
    source.SetTextStyle(ltsPlain);
    source.SetColorWidth(40);
    source.SetHorizMargin(5);
    source.SetVertMargin(6);
    source.SetResizeChart(false);
    source.SetInverted(true);
    source.SetTopPos(50);
    source.SetColor(clYellow);
    source.Frame().SetWidth(2);
    source.SetMaxNumRows(4);
    source.Brush().SetStyle(bsCross);
    source.SetShadowColor(clRed);
    source.SetShadowSize(7);
    source.DividingLines().SetVisible(true);
    source.Font().SetName("Courier New");

    TChartLegend& target = b.Legend();
    target.Assign(source);
    EXPECT_FALSE(target.Visible());
    EXPECT_EQ(target.LegendStyle(), lsLastValues);
    EXPECT_EQ(target.FirstValue(), 3);
    EXPECT_EQ(target.Alignment(), laTop);
    EXPECT_EQ(target.TextStyle(), ltsPlain);
    EXPECT_EQ(target.ColorWidth(), 40);
    EXPECT_EQ(target.HorizMargin(), 5);
    EXPECT_EQ(target.VertMargin(), 6);
    EXPECT_FALSE(target.ResizeChart());
    EXPECT_TRUE(target.Inverted());
    EXPECT_EQ(target.TopPos(), 50);
    EXPECT_EQ(target.Color(), clYellow);
    EXPECT_EQ(target.Frame().Width(), 2);
    EXPECT_EQ(target.MaxNumRows(), 4);
    EXPECT_EQ(target.Brush().Style(), bsCross);
    EXPECT_EQ(target.Font().Name(), "Courier New");
    EXPECT_EQ(target.ShadowColor(), clBlack);
    EXPECT_EQ(target.ShadowSize(), 3);
    EXPECT_FALSE(target.DividingLines().Visible());
}
