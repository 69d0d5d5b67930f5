#include "ChartEngine.h"
#include "SurfaceTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

class TestChart : public TCustomAxisPanel {
public:
    TestChart() {
        SetBounds(0, 0, 400, 400);
        Canvas().SetTextMeasurer(std::make_shared<FixedMeasurer>(5, 10, 8));
        Canvas().SetWindowSurface(&WindowSurface());
        WindowSurface().FillSolid({0, 0, 400, 400}, clWhite);
    }
    void InvalidateChart() override {
        ++invalidations;
        TCustomAxisPanel::InvalidateChart();
    }
    int invalidations = 0;
};

class MarginSeries : public TChartSeries {
public:
    void HorizontalMargins(int& left, int& right) const override { left = right = margin; }
    void VerticalMargins(int& top, int& bottom) const override { top = bottom = margin; }
    int margin = 0;
};

template <class T = TChartSeries>
T* AddSeries(TCustomAxisPanel& chart) {
    return chart.AddSeries(std::make_unique<T>());
}

void MakeFixed(TChartAxis& axis, double minimum, double maximum, double increment) {
    axis.SetAutomatic(false);
    if (minimum > axis.Maximum()) {
        axis.SetMaximum(maximum);
        axis.SetMinimum(minimum);
    } else {
        axis.SetMinimum(minimum);
        axis.SetMaximum(maximum);
    }
    axis.SetIncrement(increment);
}

// The chart's layout order for the given shown axes, starting from rect.
void Layout(TCustomAxisPanel& chart, TRect rect, const std::vector<TChartAxis*>& shown) {
    for (int i = 0; i < chart.AxisCount(); ++i)
        chart.Axis(i)->PrepareScale();
    for (TChartAxis* axis : shown)
        axis->ReserveSpace(rect);
    chart.SetChartRect(rect);
    for (int i = 0; i < chart.AxisCount(); ++i)
        chart.Axis(i)->ComputePixelSpan();
    for (TChartAxis* axis : {chart.TopAxis(), chart.LeftAxis(), chart.RightAxis(), chart.BottomAxis()})
        axis->FitSeriesMargins();
}

std::vector<std::string> LabelTexts(const TChartAxis& axis) {
    std::vector<std::string> texts;
    for (const auto& label : axis.LastPaint().Labels)
        texts.push_back(label.Text);
    return texts;
}

}  // namespace

// ---------------------------------------------------------------------------
// Settings

TEST(AxisSettings, RefusedValuesKeepTheOldValueWithTheExactMessage) {
    TestChart chart;
    TChartAxis& axis = *chart.LeftAxis();
    MakeFixed(axis, -110, 110, 20);

    EXPECT_THAT([&] { axis.SetMinimum(111); },
                ThrowsMessage<AxisException>(StrEq("Axis Minimum Value must be <= Maximum")));
    EXPECT_THAT([&] { axis.SetMaximum(-111); },
                ThrowsMessage<AxisException>(StrEq("Axis Maximum Value must be >= Minimum")));
    EXPECT_THAT([&] { axis.SetIncrement(-1); },
                ThrowsMessage<AxisException>(StrEq("Axis increment must be >= 0")));
    EXPECT_THAT([&] { axis.SetLabelsSeparation(-1); },
                ThrowsMessage<AxisException>(StrEq("Labels Separation % must be greater than 0")));
    EXPECT_THAT([&] { axis.SetLogarithmicBase(1); },
                ThrowsMessage<AxisException>(StrEq("Axis Logarithmic Base should be >= 2")));
    EXPECT_THAT([&] { axis.SetLabelsAngle(360); },
                ThrowsMessage<ChartException>(StrEq("Axis Labels Angle must be between 0 and 359 degrees")));
    EXPECT_THAT([&] { axis.Title().SetAngle(-1); },
                ThrowsMessage<ChartException>(StrEq("Axis Title Angle must be between 0 and 359 degrees")));
    EXPECT_EQ(axis.Minimum(), -110);
    EXPECT_EQ(axis.Maximum(), 110);
    EXPECT_EQ(axis.Increment(), 20);
    EXPECT_EQ(axis.LabelsSeparation(), 10);
    EXPECT_EQ(axis.LogarithmicBase(), 10);
    EXPECT_EQ(axis.LabelsAngle(), 0);
    EXPECT_EQ(axis.Title().Angle(), 90);

    axis.PrepareScale();
    EXPECT_THAT([&] { axis.SetLogarithmic(true); },
                ThrowsMessage<AxisException>(StrEq("Logarithmic Axis Min and Max values should be >= 0")));
    EXPECT_FALSE(axis.Logarithmic());

    axis.SetLabelsSeparation(0);
    EXPECT_EQ(axis.LabelsSeparation(), 0);
    axis.SetLabelsAngle(359);
    EXPECT_EQ(axis.LabelsAngle(), 359);

    TChartSeries* dates = AddSeries(chart);
    dates->XValues().SetDateTime(true);
    EXPECT_THAT([&] { chart.BottomAxis()->SetLogarithmic(true); },
                ThrowsMessage<AxisException>(StrEq("DateTime Axis cannot be Logarithmic")));
}

TEST(AxisSettings, OnlyChangesRequestARepaint) {
    TestChart chart;
    TChartAxis& axis = *chart.BottomAxis();
    struct Case {
        const char* name;
        std::function<void()> set;
        int repaints;
    };
    const Case cases[] = {
        {"equal increment", [&] { axis.SetIncrement(0); }, 0},
        {"new increment", [&] { axis.SetIncrement(2); }, 1},
        {"equal label style", [&] { axis.SetLabelStyle(talAuto); }, 0},
        {"equal grid colour", [&] { axis.Grid().SetColor(clGray); }, 0},
        {"new grid colour", [&] { axis.Grid().SetColor(clSilver); }, 1},
        {"new labels font colour", [&] { axis.LabelsFont().SetColor(clRed); }, 1},
        {"equal title caption", [&] { axis.Title().SetCaption(""); }, 0},
        {"new title caption", [&] { axis.Title().SetCaption("Days"); }, 1},
        {"refused minimum", [&] { EXPECT_THROW(axis.SetMinimum(5), AxisException); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = chart.invalidations;
        c.set();
        EXPECT_EQ(chart.invalidations - before, c.repaints);
    }

    // The automatic range is written directly, without a repaint.
    TChartSeries* s = AddSeries(chart);
    s->AddPoint(3, 1);
    s->AddPoint(9, 2);
    const int before = chart.invalidations;
    axis.ComputeAutoRange();
    EXPECT_EQ(chart.invalidations, before);
    EXPECT_EQ(axis.Minimum(), 3);
    EXPECT_EQ(axis.Maximum(), 9);
}

TEST(AxisSettings, FixedFlagsOfTheFiveAxes) {
    TestChart chart;
    struct Row {
        TChartAxis* axis;
        bool horizontal, otherSide, depth, visible;
        int titleAngle;
    };
    const Row rows[] = {{chart.BottomAxis(), true, false, false, true, 0},
                        {chart.TopAxis(), true, true, false, true, 0},
                        {chart.LeftAxis(), false, false, false, true, 90},
                        {chart.RightAxis(), false, true, false, true, 270},
                        {chart.DepthAxis(), false, true, true, false, 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.axis->Kind()));
        EXPECT_EQ(r.axis->Horizontal(), r.horizontal);
        EXPECT_EQ(r.axis->OtherSide(), r.otherSide);
        EXPECT_EQ(r.axis->IsDepthAxis(), r.depth);
        EXPECT_EQ(r.axis->Visible(), r.visible);
        EXPECT_EQ(r.axis->Title().Angle(), r.titleAngle);
    }
}

TEST(AxisSettings, AutomaticFlagsCascade) {
    TestChart chart;
    TChartAxis& axis = *chart.LeftAxis();
    axis.SetAutomatic(false);
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
    axis.SetAutomaticMinimum(true);
    EXPECT_FALSE(axis.Automatic());  // the maximum is still manual
    axis.SetAutomaticMaximum(true);
    EXPECT_TRUE(axis.Automatic());
    axis.SetAutomaticMinimum(false);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_TRUE(axis.AutomaticMaximum());

    // Automatic is already false, but setting it still sets both ends.
    int before = chart.invalidations;
    axis.SetAutomatic(false);
    EXPECT_FALSE(axis.AutomaticMaximum());
    EXPECT_EQ(chart.invalidations, before + 1);
    before = chart.invalidations;
    axis.SetAutomatic(false);
    EXPECT_EQ(chart.invalidations, before);
}

TEST(AxisSettings, LoadingSkipsOrderChecksAndTheCascade) {
    TestChart chart;
    TChartAxis& axis = *chart.LeftAxis();
    chart.SetLoading(true);
    axis.SetAutomatic(false);
    EXPECT_TRUE(axis.AutomaticMinimum());
    EXPECT_TRUE(axis.AutomaticMaximum());
    axis.SetMinimum(-110);
    axis.SetMaximum(-200);  // below Minimum, accepted while loading
    EXPECT_EQ(axis.Maximum(), -200);
    chart.SetLoading(false);
    EXPECT_THROW(axis.SetMaximum(-300), AxisException);
}

TEST(AxisSettings, AnEndSetToItsOwnValueStillBringsAutomaticInLine) {
    // A load leaves Automatic apart from the ends; setting an end to the value
    // it has already mends it.
    struct Case {
        const char* name;
        bool loadedAutomatic, ends;
        void (TChartAxis::*set)(bool);
    } cases[] = {
        {"minimum true, maximum true", false, true, &TChartAxis::SetAutomaticMinimum},
        {"maximum true, minimum true", false, true, &TChartAxis::SetAutomaticMaximum},
        {"minimum false", true, false, &TChartAxis::SetAutomaticMinimum},
        {"maximum false", true, false, &TChartAxis::SetAutomaticMaximum},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestChart chart;
        TChartAxis& axis = *chart.LeftAxis();
        axis.SetAutomatic(c.ends);
        chart.SetLoading(true);
        axis.SetAutomatic(c.loadedAutomatic);
        chart.SetLoading(false);
        (axis.*c.set)(c.ends);
        EXPECT_EQ(axis.Automatic(), c.ends);
    }
}

TEST(AxisSettings, LogarithmicChecksTheScaleThatThePaintWillUse) {
    TestChart chart;
    TChartAxis& axis = *chart.LeftAxis();
    TChartSeries* s = AddSeries(chart);
    s->AddPoint(0, -5);
    s->AddPoint(1, 10);
    // Never painted: the scale of the last paint is still 0 to 0.
    EXPECT_THAT([&] { axis.SetLogarithmic(true); },
                ThrowsMessage<AxisException>(StrEq("Logarithmic Axis Min and Max values should be >= 0")));
    EXPECT_FALSE(axis.Logarithmic());

    // The last paint saw -110, but the axis now starts at 1.
    MakeFixed(axis, -110, 110, 20);
    axis.PrepareScale();
    axis.SetMinimum(1);
    const int before = chart.invalidations;
    axis.SetLogarithmic(true);
    EXPECT_TRUE(axis.Logarithmic());
    EXPECT_EQ(chart.invalidations, before + 1);
}

TEST(AxisSettings, SetRangeMakesTheAxisManualAndKeepsATinyRangeOpen) {
    TestChart chart;
    TChartAxis& axis = *chart.BottomAxis();
    axis.SetRange(7, 3);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
    EXPECT_EQ(axis.Minimum(), 3);
    EXPECT_EQ(axis.Maximum(), 7);
    axis.SetRange(5, 5 + 1e-12);
    EXPECT_EQ(axis.Minimum(), 5);
    EXPECT_EQ(axis.Maximum(), 5 + 1e-10);
}

// ---------------------------------------------------------------------------
// Scaling

TEST(AxisScaling, SpanOfOneToNinetyNinePercent) {
    TestChart chart;
    TChartAxis& axis = *chart.BottomAxis();
    axis.SetStartPosition(1);
    axis.SetEndPosition(99);
    MakeFixed(axis, 0, 29, 0);
    axis.PrepareScale();
    chart.SetChartRect({20, 10, 760, 300});
    axis.ComputePixelSpan();
    EXPECT_EQ(axis.StartPixel(), 27);
    EXPECT_EQ(axis.EndPixel(), 753);
    EXPECT_EQ(axis.PixelLength(), 726);
    EXPECT_EQ(axis.CenterPixel(), 390);
    EXPECT_EQ(axis.ValueToPixel(0), 27);
    EXPECT_EQ(axis.ValueToPixel(29), 753);
}

TEST(AxisScaling, VerticalAxisPutsLargerValuesHigher) {
    TestChart chart;
    TChartAxis& axis = *chart.LeftAxis();
    MakeFixed(axis, -110, 110, 20);
    axis.PrepareScale();
    chart.SetChartRect({0, 50, 100, 350});
    axis.ComputePixelSpan();
    EXPECT_EQ(axis.ValueToPixel(110), 50);
    EXPECT_EQ(axis.ValueToPixel(-110), 350);
    EXPECT_EQ(axis.ValueToPixel(0), 200);
    EXPECT_EQ(axis.PixelToValue(50), 110);
    EXPECT_EQ(axis.PixelToValue(200), 0);
    axis.SetInverted(true);
    EXPECT_EQ(axis.ValueToPixel(110), 350);
}

TEST(AxisScaling, SetIncrementClimbsWhenLabelsDoNotFit) {
    TestChart chart;
    AddSeries(chart)->AddPoint(0, 0);
    TChartAxis& axis = *chart.LeftAxis();
    MakeFixed(axis, -110, 110, 20);
    axis.PrepareScale();
    // Labels 10 high plus 10 percent: 88 pixels hold Round(88 / 11) = 8 labels.
    chart.SetChartRect({0, 0, 100, 88});
    axis.ComputePixelSpan();
    EXPECT_EQ(axis.ComputeIncrement(), 50);
    chart.SetChartRect({0, 0, 100, 300});
    axis.ComputePixelSpan();
    EXPECT_EQ(axis.ComputeIncrement(), 20);
}

TEST(AxisScaling, AutomaticAxisWithoutPointsMapsToTheCentre) {
    TestChart chart;
    TChartSeries* s = AddSeries(chart);
    TChartAxis& axis = *chart.BottomAxis();
    Layout(chart, {0, 0, 400, 300}, {});
    EXPECT_EQ(axis.ScaleMinimum(), 0);
    EXPECT_EQ(axis.ScaleMaximum(), 0);
    EXPECT_EQ(axis.ValueToPixel(-5), axis.CenterPixel());
    EXPECT_EQ(axis.ValueToPixel(1e300), axis.CenterPixel());
    EXPECT_EQ(axis.ComputeIncrement(), 1e-12);

    s->XValues().SetDateTime(true);
    axis.SetIncrement(2);
    axis.PaintAxis();  // enters date-time mode
    EXPECT_TRUE(axis.DateTimeMode());
    EXPECT_EQ(axis.ComputeIncrement(), 2);
}

TEST(AxisScaling, AutomaticRangeComesFromActiveSeriesOfTheAxis) {
    TestChart chart;
    TChartSeries* a = AddSeries(chart);
    TChartSeries* b = AddSeries(chart);
    for (int i = 0; i < 8; ++i)
        a->AppendPoint(i);
    b->AddPoint(-4, 0);
    b->AddPoint(100, 0);
    b->SetActive(false);
    TChartAxis& axis = *chart.BottomAxis();
    axis.PrepareScale();
    EXPECT_EQ(axis.ScaleMinimum(), 0);
    EXPECT_EQ(axis.ScaleMaximum(), 7);
    // With no active series on the axis the inactive ones count.
    a->SetActive(false);
    axis.PrepareScale();
    EXPECT_EQ(axis.ScaleMinimum(), -4);
    EXPECT_EQ(axis.ScaleMaximum(), 100);
}

TEST(AxisScaling, SeriesMarginsWidenOnlyAutomaticEnds) {
    TestChart chart;
    auto* s = AddSeries<MarginSeries>(chart);
    s->margin = 10;
    for (int i = 0; i < 8; ++i)
        s->AppendPoint(i * 10 - 30);
    TChartAxis& left = *chart.LeftAxis();
    MakeFixed(left, -110, 110, 20);
    Layout(chart, {0, 0, 720, 300}, {});

    EXPECT_EQ(left.ScaleMinimum(), -110);
    EXPECT_EQ(left.ScaleMaximum(), 110);
    EXPECT_EQ(left.CollectSeriesMargins(), (TAxisMargins{0, 0}));

    // Points 0..7 over 720 pixels with 10 on each side: the scale reaches
    // 7 * 10 / 700 = 0.1 beyond both ends and point i lands at 10 + 100 i.
    TChartAxis& bottom = *chart.BottomAxis();
    EXPECT_DOUBLE_EQ(bottom.ScaleMinimum(), -0.1);
    EXPECT_DOUBLE_EQ(bottom.ScaleMaximum(), 7.1);
    EXPECT_EQ(bottom.Minimum(), 0);
    EXPECT_EQ(bottom.Maximum(), 7);
    EXPECT_EQ(bottom.ValueToPixel(0), 10);
    EXPECT_EQ(bottom.ValueToPixel(3), 310);
    EXPECT_EQ(bottom.ValueToPixel(7), 710);

    bottom.SetAutomaticMaximum(false);
    EXPECT_EQ(bottom.CollectSeriesMargins(), (TAxisMargins{10, 0}));
    left.SetAutomaticMaximum(true);  // a vertical axis' top margin follows its maximum
    EXPECT_EQ(left.CollectSeriesMargins(), (TAxisMargins{10, 0}));
}

// ---------------------------------------------------------------------------
// Labels, ticks, grid and room

TEST(AxisLabels, LeftAxisValuesMinorTicksAndRoom) {
    TestChart chart;
    AddSeries(chart)->AddPoint(0, 50);
    TChartAxis& axis = *chart.LeftAxis();
    MakeFixed(axis, -110, 110, 20);
    axis.SetMinorTickCount(2);
    axis.SetExactDateTime(false);
    axis.Grid().SetColor(clSilver);
    axis.Grid().SetStyle(psSolid);

    // "-110" is 20 wide, a space 5, ticks 6.
    TRect rect{0, 50, 300, 350};
    axis.PrepareScale();
    axis.ReserveSpace(rect);
    EXPECT_EQ(rect.left, 31);
    EXPECT_EQ(axis.LabelsPixel(), 25);
    chart.SetChartRect(rect);
    axis.ComputePixelSpan();
    axis.PaintAxis();

    EXPECT_THAT(LabelTexts(axis), ElementsAre("100", "80", "60", "40", "20", "0", "-20", "-40", "-60", "-80",
                                              "-100"));
    // 350 - Round((v + 110) * 300 / 220) for v = 100, 80, ..., -100.
    EXPECT_THAT(axis.LastPaint().Ticks, ElementsAre(64, 91, 118, 145, 173, 200, 227, 255, 282, 309, 336));

    const std::vector<int>& minor = axis.LastPaint().MinorTicks;
    EXPECT_EQ(minor.size(), 22u);  // two per interval, one beyond each end label
    auto has = [&](int p) { return std::find(minor.begin(), minor.end(), p) != minor.end(); };
    EXPECT_TRUE(has(55));    // 106.67
    EXPECT_TRUE(has(345));   // -106.67
    EXPECT_FALSE(has(46));   // 113.33, above the span
    EXPECT_FALSE(has(354));  // -113.33, below the span

    const TDrawSurface& s = chart.WindowSurface();
    // Major tick at y = 64: x from 30 for 4 pixels to the left, end excluded.
    EXPECT_EQ(s.Pixel(30, 64), clGray);
    EXPECT_EQ(s.Pixel(27, 64), clGray);
    EXPECT_NE(s.Pixel(26, 64), clGray);
    // Minor tick at y = 55 is 2 long; none at y = 46.
    EXPECT_EQ(s.Pixel(29, 55), clGray);
    EXPECT_EQ(s.Pixel(28, 55), clWhite);
    EXPECT_EQ(s.Pixel(30, 46), clWhite);
    // Grid line across the rectangle at every label, none between.
    EXPECT_EQ(s.Pixel(150, 64), clSilver);
    EXPECT_EQ(s.Pixel(150, 336), clSilver);
    EXPECT_EQ(s.Pixel(150, 65), clWhite);
    // Axis line, 2 wide, on the rectangle's left edge.
    EXPECT_EQ(s.Pixel(31, 210), clBlack);
}

TEST(AxisLabels, TheMeasureOfTheLabelsSizeCallsNoLabelHandler) {
    for (const bool roundFirst : {false, true}) {  // rounding measures the increment too
        SCOPED_TRACE(roundFirst);
        TestChart chart;
        AddSeries(chart)->AddPoint(0, 50);
        TChartAxis& axis = *chart.LeftAxis();
        MakeFixed(axis, -110, 110, 20);
        axis.SetRoundFirstLabel(roundFirst);
        axis.PrepareScale();
        int calls = 0;
        chart.OnGetAxisLabel = [&calls](TChartAxis&, TChartSeries*, int, std::string& text) {
            ++calls;
            text = "a much wider text";
        };
        EXPECT_EQ(axis.LabelsSizeNeeded(), 25);  // "-110" and a space
        EXPECT_EQ(calls, 0);
    }
}

TEST(AxisLabels, LogarithmicAxisHasNoMinorTicksBeyondTheEndLabels) {
    // Pixel = 2 v; labels 100 down to 0 at 200 ... 0; three minor ticks a step of 10 px apart.
    for (bool logarithmic : {false, true}) {
        SCOPED_TRACE(logarithmic);
        TestChart chart;
        AddSeries(chart)->AddPoint(1, 1);
        TChartAxis& axis = *chart.BottomAxis();
        MakeFixed(axis, 0, 110, 20);
        axis.SetLogarithmic(logarithmic);
        Layout(chart, {0, 0, 220, 200}, {});
        axis.PaintAxis();
        ASSERT_THAT(axis.LastPaint().Ticks, ElementsAre(200, 160, 120, 80, 40, 0));
        std::vector<int> minor = axis.LastPaint().MinorTicks;
        std::sort(minor.begin(), minor.end());
        std::vector<int> inner;
        for (int p = 10; p < 200; p += 10)
            if (p % 40 != 0)
                inner.push_back(p);
        if (!logarithmic)
            inner.push_back(210);  // beyond the label 100, inside the span
        EXPECT_EQ(minor, inner);
    }
}

TEST(AxisLabels, NextLabelHandlerSuppliesTheValues) {
    TestChart chart;
    AddSeries(chart)->AddPoint(0, 0);
    TChartAxis& axis = *chart.BottomAxis();
    MakeFixed(axis, 0, 100, 20);
    std::vector<double> offered;
    const std::vector<double> supplied = {5, 150, 50, 95, -1};
    chart.OnGetNextAxisLabel = [&](TChartAxis& sender, int index, double& value, bool& stop) {
        EXPECT_EQ(&sender, &axis);
        offered.push_back(value);
        if (index == static_cast<int>(supplied.size()))
            stop = true;
        else
            value = supplied[static_cast<std::size_t>(index)];
    };
    Layout(chart, {0, 0, 200, 200}, {&axis});
    axis.PaintAxis();
    // Values outside the scale are skipped; each offer is the previous value one step back.
    EXPECT_THAT(LabelTexts(axis), ElementsAre("5", "50", "95"));
    EXPECT_THAT(axis.LastPaint().Ticks, ElementsAre(10, 100, 190));
    EXPECT_THAT(offered, ElementsAre(100, -15, 130, 30, 75, -21));

    // A handler that changes nothing and never stops gives the walk's labels.
    chart.OnGetNextAxisLabel = [](TChartAxis&, int, double&, bool&) {};
    axis.PaintAxis();
    EXPECT_THAT(LabelTexts(axis), ElementsAre("100", "80", "60", "40", "20", "0"));
}

TEST(AxisLabels, LabelsAtTheEndsOfTheSpanFollowLabelsOnAxis) {
    for (bool onAxis : {true, false}) {
        SCOPED_TRACE(onAxis);
        TestChart chart;
        AddSeries(chart)->AddPoint(0, 0);
        TChartAxis& axis = *chart.BottomAxis();
        MakeFixed(axis, 0, 100, 20);
        axis.SetLabelsOnAxis(onAxis);
        Layout(chart, {0, 0, 200, 200}, {&axis});
        axis.PaintAxis();
        if (onAxis) {
            EXPECT_THAT(LabelTexts(axis), ElementsAre("100", "80", "60", "40", "20", "0"));
            EXPECT_THAT(axis.LastPaint().Ticks, ElementsAre(200, 160, 120, 80, 40, 0));
        } else {
            EXPECT_THAT(LabelTexts(axis), ElementsAre("80", "60", "40", "20"));
            EXPECT_THAT(axis.LastPaint().Ticks, ElementsAre(160, 120, 80, 40));
        }
    }
}

TEST(AxisLabels, TicksOnLabelsOnlyWithoutLabelsDrawsNoTicksOrGrid) {
    TestChart chart;
    AddSeries(chart)->AddPoint(0, 0);
    TChartAxis& axis = *chart.LeftAxis();
    MakeFixed(axis, -110, 110, 20);
    axis.Grid().SetColor(clSilver);
    axis.Grid().SetStyle(psSolid);
    axis.SetLabels(false);
    Layout(chart, {40, 50, 300, 350}, {&axis});
    axis.PaintAxis();
    EXPECT_TRUE(axis.LastPaint().Ticks.empty());
    EXPECT_TRUE(axis.LastPaint().MinorTicks.empty());
    EXPECT_TRUE(axis.LastPaint().Labels.empty());
    const TDrawSurface& s = chart.WindowSurface();
    for (int y = 0; y < 400; ++y)
        ASSERT_NE(s.Pixel(150, y), clSilver) << y;

    axis.SetTickOnLabelsOnly(false);
    axis.PaintAxis();
    EXPECT_EQ(axis.LastPaint().Ticks.size(), 11u);
}

TEST(AxisLabels, OverlappingSeriesLabelIsSkippedWithItsTickAndGrid) {
    TestChart chart;
    TChartSeries* s = AddSeries(chart);
    s->AddPoint(0, 1, "AAAA");
    s->AddPoint(1, 1, "BBBB");
    s->AddPoint(5, 1, "CCCC");
    s->AddPoint(6, 1, "DDDD");
    TChartAxis& axis = *chart.BottomAxis();
    MakeFixed(axis, 0, 10, 0);
    axis.Grid().SetColor(clSilver);
    axis.Grid().SetStyle(psSolid);
    Layout(chart, {0, 0, 100, 100}, {&axis});
    axis.PaintAxis();
    // 20 wide labels: "BBBB" at 10 needs 12 + 10 clear of "AAAA" at 0; "DDDD"
    // at 60 is tested against "CCCC" at 50, the last one drawn.
    EXPECT_EQ(axis.ResolveLabelStyle(), talText);
    EXPECT_THAT(LabelTexts(axis), ElementsAre("AAAA", "CCCC"));
    EXPECT_THAT(axis.LastPaint().Ticks, ElementsAre(0, 50));
    const TDrawSurface& surface = chart.WindowSurface();
    EXPECT_EQ(surface.Pixel(50, 40), clSilver);
    EXPECT_EQ(surface.Pixel(10, 40), clWhite);
    EXPECT_EQ(surface.Pixel(60, 40), clWhite);
}

TEST(AxisLabels, MultiLineSplitsValueTextsButNotPointLabels) {
    TestChart chart;
    TChartSeries* s = AddSeries(chart);
    s->AddPoint(0, 5);
    TChartAxis& left = *chart.LeftAxis();
    left.SetLabelsMultiLine(true);
    left.SetAxisValuesFormat("0 'kg'");
    EXPECT_EQ(left.ValueLabelText(5), "5\rkg");

    TestChart other;
    TChartSeries* bars = AddSeries(other);
    bars->AppendPoint(10, "Intellectual");
    bars->AppendPoint(20, "Two words");
    TChartAxis& bottom = *other.BottomAxis();
    bottom.SetLabelsMultiLine(true);
    bottom.SetLabelsSeparation(0);
    Layout(other, {0, 0, 300, 300}, {&bottom});
    bottom.PaintAxis();
    EXPECT_THAT(LabelTexts(bottom), ElementsAre("Intellectual", "Two words"));
}

TEST(AxisLabels, BottomAxisReservesOneLineEvenForTwoLineLabels) {
    TestChart chart;
    TChartSeries* s = AddSeries(chart);
    s->AppendPoint(10, "Two\rlines");
    TChartAxis& axis = *chart.BottomAxis();
    TRect rect{0, 0, 300, 200};
    axis.PrepareScale();
    axis.ReserveSpace(rect);
    EXPECT_EQ(rect.bottom, 200 - 10 - 6);
    EXPECT_EQ(axis.LabelsPixel(), 190);
}

TEST(AxisLabels, FourWeekDatesEverySecondDayFromTheLastBackwards) {
    TestChart chart;
    TChartSeries* s = AddSeries(chart);
    s->XValues().SetDateTime(true);
    const double first = 40223;  // 2010-02-14
    for (int day = 0; day < 30; ++day)
        s->AddPoint(first + day, 0);
    TChartAxis& axis = *chart.BottomAxis();
    axis.SetDateTimeFormat("dd/MM/yy");
    axis.SetIncrement(2);
    axis.SetMinorTickCount(0);
    axis.SetStartPosition(1);
    axis.SetEndPosition(99);
    Layout(chart, {20, 0, 760, 300}, {&axis});
    axis.PaintAxis();
    EXPECT_EQ(axis.LastPaint().Increment, 2);
    EXPECT_EQ(axis.LastPaint().DateStepIndex, 15);
    EXPECT_THAT(LabelTexts(axis),
                ElementsAre("15/03/10", "13/03/10", "11/03/10", "09/03/10", "07/03/10", "05/03/10", "03/03/10",
                            "01/03/10", "27/02/10", "25/02/10", "23/02/10", "21/02/10", "19/02/10", "17/02/10",
                            "15/02/10"));
    // The last day stands on the end of the span and is still labelled.
    EXPECT_EQ(axis.LastPaint().Ticks.front(), axis.EndPixel());
}

TEST(AxisLabels, DateTextsByRangeAndNoneForNegativeDates) {
    TestChart chart;
    TChartSeries* s = AddSeries(chart);
    s->XValues().SetDateTime(true);
    s->AddPoint(40223, 0);
    s->AddPoint(40223.5, 0);
    TChartAxis& axis = *chart.BottomAxis();
    Layout(chart, {0, 0, 300, 300}, {&axis});
    axis.PaintAxis();
    EXPECT_EQ(axis.ValueLabelText(40223.5), "12:00");
    EXPECT_EQ(axis.ValueLabelText(-1), "");
    s->AddPoint(40230, 0);
    Layout(chart, {0, 0, 300, 300}, {&axis});
    axis.PaintAxis();
    EXPECT_EQ(axis.ValueLabelText(40223.5), "14/02/10");
}
