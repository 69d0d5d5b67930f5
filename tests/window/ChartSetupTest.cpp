#include "WindowTestSupport.h"

#include "ChartAxis.h"
#include "ChartHost.h"
#include "ChartSetup.h"
#include "Picture.h"
#include "Series.h"

#include <gmock/gmock.h>

#include <functional>
#include <sstream>
#include <string>
#include <type_traits>

// Every setting of the two charts and their series, read back through the
// engine's getters and compared with the window's stored layout.

namespace {

std::string Text(bool v) { return v ? "true" : "false"; }
std::string Text(int v) { return std::to_string(v); }
std::string Text(double v) {
    std::ostringstream out;
    out << v;
    return out.str();
}
std::string Text(const std::string& v) { return "'" + v + "'"; }
template <class E>
    requires std::is_enum_v<E>
std::string Text(E v) {
    return "#" + std::to_string(static_cast<int>(v));
}
std::string Text(const TChartFont& f) {
    return f.Name() + " " + Text(f.Height()) + (f.Style().Bold ? " bold " : " ") + Text(f.Color());
}
std::string Text(const TChartPen& p) {
    return Text(p.Visible()) + " " + Text(p.Color()) + " " + Text(p.Style()) + (p.SmallDots() ? " small dots" : "");
}

struct ChartProperty {
    const char* name;
    std::function<std::string(const TChart&)> read;
    std::string today;
    std::string fourWeeks;
};

const std::string kTitleFont = "Arial -12 bold " + Text(clNavy);
const std::string kSilverDots = "true " + Text(clSilver) + " " + Text(psSolid) + " small dots";

const ChartProperty kChartProperties[] = {
    {"Width x Height", [](const TChart& c) { return Text(c.Width()) + "x" + Text(c.Height()); }, "776x391", "776x391"},
    {"BevelOuter", [](const TChart& c) { return Text(c.BevelOuter()); }, Text(bvNone), Text(bvNone)},
    {"Color", [](const TChart& c) { return Text(c.Color()); }, Text(clBtnFace), Text(clBtnFace)},
    {"View3D", [](const TChart& c) { return Text(c.View3D()); }, "false", "false"},
    {"Chart3DPercent", [](const TChart& c) { return Text(c.Chart3DPercent()); }, "10", "5"},
    {"AllowZoom", [](const TChart& c) { return Text(c.AllowZoom()); }, "false", "false"},
    {"AllowPanning", [](const TChart& c) { return Text(c.AllowPanning()); }, Text(pmNone), Text(pmNone)},
    {"PrintProportional", [](const TChart& c) { return Text(c.PrintProportional()); }, "false", "false"},
    {"BackColor", [](const TChart& c) { return Text(c.BackColor()); }, Text(clWhite), Text(clWhite)},
    {"BackWall.Brush", [](const TChart& c) { return Text(c.BackWall().Brush().Color()) + Text(c.BackWall().Brush().Style()); },
     Text(clWhite) + Text(bsSolid), Text(clWhite) + Text(bsSolid)},
    {"LeftWall", [](const TChart& c) { return Text(c.LeftWall().Color()) + "/" + Text(c.LeftWall().Brush().Color()); },
     Text(clGray) + "/" + Text(clWhite), Text(clGray) + "/" + Text(clWhite)},
    {"BottomWall.Color", [](const TChart& c) { return Text(c.BottomWall().Color()); }, "15395562", "15395562"},
    {"BackImage", [](const TChart& c) { return Text(c.BackImage().Width()) + "x" + Text(c.BackImage().Height()); },
     "681x338", "715x338"},
    {"BackImageInside", [](const TChart& c) { return Text(c.BackImageInside()); }, "true", "true"},
    {"Gradient", [](const TChart& c) {
         return Text(c.Gradient().Visible()) + " " + Text(c.Gradient().Direction()) + " " + Text(c.Gradient().EndColor());
     }, "false " + Text(gdBottomTop) + " 16316664", "false " + Text(gdBottomTop) + " 16316664"},
    {"Margins left, right, top, bottom", [](const TChart& c) {
         return Text(c.MarginLeft()) + "," + Text(c.MarginRight()) + "," + Text(c.MarginTop()) + "," + Text(c.MarginBottom());
     }, "6,2,4,4", "2,2,6,6"},
    {"Title", [](const TChart& c) {
         const TChartTitle& t = c.Title();
         return (t.Text().size() == 1 ? t.Text()[0] : "?") + " " + Text(t.Visible()) + " " + Text(t.AdjustFrame()) + " " +
                Text(t.Font());
     }, "ChartToday false false Arial -13 bold " + Text(clNavy), "ChartToday false false Arial -13 bold " + Text(clNavy)},
    {"LeftAxis automatic flags", [](const TChart& c) {
         const TChartAxis& a = *c.LeftAxis();
         return Text(a.Automatic()) + Text(a.AutomaticMaximum()) + Text(a.AutomaticMinimum());
     }, "falsefalsefalse", "falsefalsefalse"},
    {"LeftAxis scale", [](const TChart& c) {
         const TChartAxis& a = *c.LeftAxis();
         return Text(a.Minimum()) + ".." + Text(a.Maximum()) + " by " + Text(a.Increment()) + ", minor " +
                Text(a.MinorTickCount()) + ", exact dates " + Text(a.ExactDateTime());
     }, "-110..110 by 20, minor 2, exact dates false", "-110..110 by 20, minor 2, exact dates false"},
    {"LeftAxis.Grid", [](const TChart& c) { return Text(c.LeftAxis()->Grid()); }, kSilverDots, kSilverDots},
    {"BottomAxis.Automatic", [](const TChart& c) { return Text(c.BottomAxis()->Automatic()); }, "true", "true"},
    {"BottomAxis.Grid", [](const TChart& c) { return Text(c.BottomAxis()->Grid()); },
     "false " + Text(clGray) + " " + Text(psSolid), kSilverDots},
    {"BottomAxis labels", [](const TChart& c) {
         const TChartAxis& a = *c.BottomAxis();
         return "multi-line " + Text(a.LabelsMultiLine()) + ", on axis " + Text(a.LabelsOnAxis()) + ", round first " +
                Text(a.RoundFirstLabel()) + ", format " + Text(a.DateTimeFormat());
     }, "multi-line true, on axis false, round first false, format ''",
     "multi-line false, on axis true, round first true, format 'dd/MM/yy'"},
    {"BottomAxis ticks and span", [](const TChart& c) {
         const TChartAxis& a = *c.BottomAxis();
         return "minor " + Text(a.MinorTickCount()) + ", increment " + Text(a.Increment()) + ", span " +
                Text(a.StartPosition()) + ".." + Text(a.EndPosition());
     }, "minor 0, increment 0, span 0..100", "minor 0, increment 2, span 1..99"},
    {"Axis title fonts", [](const TChart& c) {
         return Text(c.LeftAxis()->Title().Font()) + "|" + Text(c.BottomAxis()->Title().Font());
     }, kTitleFont + "|" + kTitleFont, kTitleFont + "|" + kTitleFont},
    {"Legend", [](const TChart& c) {
         const TChartLegend& l = c.Legend();
         return Text(l.Visible()) + " " + Text(l.Alignment()) + " " + Text(l.TextStyle()) + " " +
                Text(l.ColorWidth()) + " " + Text(l.Font());
     }, "false " + Text(laBottom) + " " + Text(ltsPlain) + " 12 Arial -13 " + Text(clBlack),
     "true " + Text(laBottom) + " " + Text(ltsLeftValue) + " 22 Arial -13 " + Text(clBlack)},
    {"Loading", [](const TChart& c) { return Text(c.IsLoading()); }, "false", "false"},
};

// One line per series with every setting the layout stores.
std::string Describe(const TChartSeries& s) {
    std::string d = s.Name() + " '" + s.Title() + "' " + Text(s.SeriesColor());
    d += " marks " + Text(s.Marks().Visible()) + Text(s.Marks().Style()) + " arrow " +
         Text(s.Marks().ArrowLength()) + " clip " + Text(s.Marks().Clip());
    for (const TChartValueList* list : {&s.XValues(), &s.YValues()})
        d += " " + list->Name() + Text(list->Order()) + (list->DateTime() ? " date" : "") + " x" +
             Text(list->Multiplier());
    if (const auto* bar = dynamic_cast<const TBarSeries*>(&s))
        d += " bar " + Text(bar->BarWidthPercent()) + "% " + Text(bar->MultiBar()) + " each " + Text(s.ColorEachPoint());
    if (const auto* line = dynamic_cast<const TLineSeries*>(&s))
        d += " line " + Text(line->LinePen().Width()) + " pointer " + Text(line->Pointer().Visible()) +
             Text(line->Pointer().Style()) + " inflate " + Text(line->Pointer().InflateMargins()) + " dark " +
             Text(line->Dark3D());
    return d;
}

std::string Lists(bool dateTime, const char* y) {
    return " X" + Text(loAscending) + (dateTime ? " date" : "") + " x1 " + y + Text(loNone) + " x1";
}

std::string LineOf(const char* name, const char* title, TColor color, bool dark = true) {
    return std::string(name) + " '" + title + "' " + Text(color) + " marks false" + Text(smsValue) + " arrow 5 clip false" +
           Lists(true, "Y") + " line 2 pointer false" + Text(psRectangle) + " inflate true dark " + Text(dark);
}

}  // namespace

class ChartSetupTest : public WindowTest {};

TEST_F(ChartSetupTest, BothChartsCarryTheLayoutsSettings) {
    TPrincipal& w = Start();
    for (const ChartProperty& p : kChartProperties) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.read(*w.ChartToday), p.today);
        EXPECT_EQ(p.read(*w.chart4weeks), p.fourWeeks);
    }
}

TEST_F(ChartSetupTest, SeriesInListOrderWithEverySetting) {
    TPrincipal& w = Start();
    ASSERT_EQ(w.ChartToday->SeriesList().Count(), 1);
    EXPECT_NE(dynamic_cast<const TBarSeries*>(w.ChartToday->SeriesList()[0]), nullptr);
    EXPECT_EQ(Describe(*w.ChartToday->SeriesList()[0]),
              "Series1 '' 255 marks false" + Text(smsValue) + " arrow 5 clip false" + Lists(false, "Bar") +
                  " bar 70% " + Text(mbSide) + " each true");

    const std::string expected[] = {
        "Series8 'Average' " + Text(clGray) + " marks false" + Text(smsValue) + " arrow 8 clip true" +
            Lists(true, "Bar") + " bar 50% " + Text(mbNone) + " each false",
        LineOf("BarSeries1", "Phyisical", 255),
        LineOf("Series2", "Emotional", 39423, false),
        LineOf("Series3", "Intellectual", 57600),
        LineOf("Series4", "Spiritual", 16711808),
        LineOf("Series5", "Awareness", clFuchsia),
        LineOf("Series6", "Aesthetic", 15263744),
        LineOf("Series7", "Intuition", clNavy),
    };
    const TChartSeriesList& list = w.chart4weeks->SeriesList();
    ASSERT_EQ(list.Count(), 8);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Describe(*list[i]), expected[i]);
        EXPECT_EQ(list[i]->ParentChart(), w.chart4weeks);
    }
    EXPECT_NE(dynamic_cast<const TBarSeries*>(list[0]), nullptr);
}

TEST_F(ChartSetupTest, EachChartIsTheOneItsHostShows) {
    TPrincipal& w = Start();
    EXPECT_EQ(&w.ChartTodayHost->Chart(), w.ChartToday);
    EXPECT_EQ(&w.chart4weeksHost->Chart(), w.chart4weeks);
}

// The set-up needs no window: the benchmark and standalone pictures use it on
// bare charts, and the back images are the embedded bitmaps at their sizes.
TEST(ChartSetup, ConfiguresBareChartsWithTheEmbeddedBackImages) {
    const auto today = TodayBackImage();
    const auto weeks = FourWeekBackImage();
    ASSERT_NE(today, nullptr);
    ASSERT_NE(weeks, nullptr);
    EXPECT_EQ(QSize(today->Width(), today->Height()), QSize(681, 338));
    EXPECT_EQ(QSize(weeks->Width(), weeks->Height()), QSize(715, 338));
    // The zero line across the middle and, on the 4-week picture only, the day-15 column.
    EXPECT_EQ(today->Image().pixel(10, 168) & 0xFFFFFF, 0x7A7A7Bu);
    EXPECT_EQ(weeks->Image().pixel(369, 40) & 0xFFFFFF, 0x9A9A9Bu);

    TChart bare;
    bare.SetHasParent(true);
    ConfigureFourWeekChart(bare);
    EXPECT_FALSE(bare.IsLoading());
    EXPECT_EQ(bare.SeriesList().Count(), 1 + FourWeekLineCount);
    EXPECT_EQ(bare.BackImage().Graphic(), weeks.get());
}
