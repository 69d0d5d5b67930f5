#include "Series.h"
#include "SeriesDrawingTestChart.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr TColor kArrow = clNavy;

// Eight bars of width 54 on a 700-pixel chart (row = 100 - Y); point 0 is
// centred on column 54, point 1 on column 139.
TBarSeries* AddMarkedBars(SeriesTestChart& chart, double first, double second) {
    auto* s = chart.AddSeries(std::make_unique<TBarSeries>());
    s->Marks().SetArrowLength(5);
    s->Marks().Arrow().SetColor(kArrow);
    s->AppendPoint(first, "", clRed);
    s->AppendPoint(second, "", clBlue);
    for (int i = 2; i < 8; ++i)
        s->AppendNull();
    return s;
}

int LineHeightOf(SeriesTestChart& chart, const TChartFont& font) {
    chart.Canvas().AssignFont(font);
    return chart.Canvas().TextLineHeight();
}

int WidthOf(SeriesTestChart& chart, const TChartFont& font, const std::string& text) {
    chart.Canvas().AssignFont(font);
    return chart.Canvas().TextWidthOf(text);
}

bool HasTextPixel(const SeriesTestChart& chart, const TRect& r) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (chart.At(x, y) != TSeriesMarks::DefaultBackColor)
                return true;
    return false;
}

}  // namespace

TEST(SeriesMarks, BoxAboveAPositiveBarAndBelowANegativeOne) {
    SeriesTestChart chart(700);
    auto* s = AddMarkedBars(chart, 50, -50);
    chart.Paint();
    ASSERT_EQ(s->BarPixelWidth(), 54);
    const int h = LineHeightOf(chart, s->Marks().Font());
    const int w50 = WidthOf(chart, s->Marks().Font(), "50") + 4;
    const int wMinus = WidthOf(chart, s->Marks().Font(), "-50") + 4;

    // Above: the bar's top row is 50; the arrow takes rows 49..45, the box the
    // h + 3 rows above it (frame, one row of padding, text, frame).
    for (int y = 45; y <= 49; ++y)
        EXPECT_EQ(chart.At(54, y), kArrow) << y;
    const TRect up{54 - w50 / 2, 45 - (h + 3), 54 - w50 / 2 + w50, 45};
    EXPECT_EQ(s->Marks().PositionOf(0), up);
    EXPECT_EQ(chart.At(up.left, up.top), clBlack);
    EXPECT_EQ(chart.At(up.right - 1, up.bottom - 1), clBlack);
    EXPECT_EQ(chart.At(up.left + 1, up.top + 1), TSeriesMarks::DefaultBackColor);
    EXPECT_EQ(chart.At(up.right - 2, up.bottom - 2), TSeriesMarks::DefaultBackColor);
    EXPECT_EQ(chart.At(up.left - 1, up.top), kBackground);
    EXPECT_EQ(chart.At(up.left, up.top - 1), kBackground);
    EXPECT_EQ(chart.At(up.right, up.bottom - 1), kBackground);
    EXPECT_TRUE(HasTextPixel(chart, {up.left + 2, up.top + 2, up.right - 2, up.bottom - 1}));
    EXPECT_EQ(chart.At(54, 50), clBlack);  // the bar's outline is not overdrawn

    // Below: the bar covers rows 100..149; the arrow takes rows 150..154.
    for (int y = 150; y <= 154; ++y)
        EXPECT_EQ(chart.At(139, y), kArrow) << y;
    const TRect down{139 - wMinus / 2, 155, 139 - wMinus / 2 + wMinus, 155 + h + 3};
    EXPECT_EQ(s->Marks().PositionOf(1), down);
    EXPECT_EQ(chart.At(down.left, down.top), clBlack);
    EXPECT_EQ(chart.At(down.right - 1, down.bottom - 1), clBlack);
    EXPECT_EQ(chart.At(down.left, down.bottom), kBackground);
    EXPECT_EQ(chart.At(139, 149), clBlack);

    // Null points have no mark.
    EXPECT_TRUE(s->Marks().PositionOf(2).Empty());
}

TEST(SeriesMarks, WideFrameStaysInsideTheBoxAndInvisibleFrameLeavesTheBackColour) {
    SeriesTestChart chart(700);
    auto* s = AddMarkedBars(chart, 50, -50);
    s->Marks().Frame().SetWidth(2);
    s->Marks().Frame().SetColor(clGreen);
    chart.Paint();
    const int h = LineHeightOf(chart, s->Marks().Font());
    TRect box = s->Marks().PositionOf(0);
    EXPECT_EQ(box.bottom, 45);
    EXPECT_EQ(box.top, 45 - (h + 5));
    EXPECT_EQ(chart.At(box.left + 1, box.top + 1), clGreen);
    EXPECT_EQ(chart.At(box.left + 2, box.top + 2), TSeriesMarks::DefaultBackColor);
    EXPECT_EQ(chart.At(box.left - 1, box.top + 1), kBackground);

    s->Marks().Frame().SetVisible(false);
    s->Marks().SetBackColor(clYellow);
    chart.Paint();
    box = s->Marks().PositionOf(0);
    EXPECT_EQ(box.top, 45 - (h + 1));
    EXPECT_EQ(chart.At(box.left, box.top), clYellow);
    EXPECT_EQ(chart.At(box.right - 1, box.bottom - 1), clYellow);
}

// A bar series at its defaults (marks visible, arrow 20, framed) reserves the
// marks' room on an automatic axis, and the drawn marks fill exactly that room.
TEST(SeriesMarks, DefaultBarsReserveExactlyTheRoomTheirMarksTake) {
    for (int frame : {1, 0, 3}) {
        SCOPED_TRACE(frame);
        SeriesTestChart chart(400, 300);
        chart.LeftAxis()->SetAutomatic(true);
        auto* s = chart.AddSeries(std::make_unique<TBarSeries>());
        s->Marks().SetVisible(true);
        s->Marks().Frame().SetVisible(frame > 0);
        if (frame > 0)
            s->Marks().Frame().SetWidth(frame);
        s->AppendPoint(10);
        s->AppendPoint(30);
        s->AppendPoint(-20);

        int top = 0, bottom = 0;
        s->VerticalMargins(top, bottom);
        const int lineHeight = LineHeightOf(chart, s->Marks().Font());
        EXPECT_EQ(top, lineHeight + 20 + 2 * frame + 1);
        EXPECT_EQ(bottom, top);
        if (frame == 1) {
            EXPECT_EQ(top, 35);  // 12 of the default font, 20 of the arrow, 2 of the frame, 1
        }

        chart.Paint();
        const TChartAxis& axis = *chart.LeftAxis();
        EXPECT_EQ(s->Marks().PositionOf(1).top, axis.StartPixel());
        EXPECT_EQ(s->ScreenY(1) - s->Marks().PositionOf(1).top, top);
        EXPECT_EQ(s->Marks().PositionOf(2).bottom - s->ScreenY(2), bottom);
        EXPECT_EQ(s->Marks().PositionOf(2).bottom, axis.EndPixel());
    }
}

TEST(SeriesMarks, TextByStyle) {
    TBarSeries s;
    s.AppendPoint(1234.5, "Physical");
    s.AppendPoint(-1234.5);
    EXPECT_EQ(s.MarkText(0), "1,234.5");
    s.Marks().SetStyle(smsLabel);
    EXPECT_EQ(s.MarkText(0), "Physical");
    EXPECT_EQ(s.MarkText(1), "-1,234.5");
    s.Marks().SetStyle(smsLabelValue);
    EXPECT_EQ(s.MarkText(0), "Physical 1,234.5");
    s.Marks().SetStyle(smsPercent);
    EXPECT_EQ(s.MarkText(1), "-50 %");
    s.Marks().SetStyle(smsLabelPercent);
    EXPECT_EQ(s.MarkText(0), "Physical 50 %");
    s.Marks().SetStyle(smsXValue);
    EXPECT_EQ(s.MarkText(1), "1");
}

TEST(SeriesMarks, HiddenMarksReserveAndDrawNothing) {
    SeriesTestChart chart(700);
    auto* s = AddMarkedBars(chart, 50, -50);
    s->Marks().SetVisible(false);
    int top = -1, bottom = -1;
    s->VerticalMargins(top, bottom);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(bottom, 0);
    chart.Paint();
    EXPECT_EQ(chart.At(54, 47), kBackground);
    EXPECT_TRUE(s->Marks().PositionOf(0).Empty());
}

TEST(SeriesMarks, EveryChangeOfTheMarksRepaints) {
    SeriesTestChart chart(100);
    auto* s = chart.AddSeries(std::make_unique<TBarSeries>());
    chart.invalidations = 0;
    s->Marks().Font().SetHeight(-8);
    s->Marks().Frame().SetWidth(2);
    s->Marks().Arrow().SetColor(clRed);
    s->Marks().SetBackColor(clWhite);
    EXPECT_EQ(chart.invalidations, 4);
    s->Marks().SetBackColor(clWhite);
    EXPECT_EQ(chart.invalidations, 4);
}
