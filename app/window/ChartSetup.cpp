#include "ChartSetup.h"

#include "Artwork.h"
#include "ChartAxis.h"
#include "ImageCodec.h"
#include "Picture.h"
#include "Series.h"

#include <QResource>

#include <string_view>
#include <type_traits>
#include <utility>

namespace {

struct TLineSetup {
    const char* name;
    TColor color;
};

constexpr TLineSetup kLines[FourWeekLineCount] = {
    {"BarSeries1", clRed},   {"Series2", 39423},     {"Series3", 57600},  {"Series4", 16711808},
    {"Series5", clFuchsia}, {"Series6", 15263744}, {"Series7", clNavy},
};

constexpr TColor kBottomWallColor = 15395562;
constexpr TColor kGradientEndColor = 16316664;

void SetArialFont(TChartFont& font, int height, TColor color, bool bold = false) {
    font.SetName("Arial");
    font.SetHeight(height);
    font.SetColor(color);
    font.SetStyle(TFontStyles{.Bold = bold});
}

void SetGrid(TChartPen& grid) {
    grid.SetColor(clSilver);
    grid.SetStyle(psSolid);
    grid.SetSmallDots(true);
}

// Loading ends even when a setter throws, so the chart never stays in it.
class TLoadingScope {
public:
    explicit TLoadingScope(TChart& chart) : m_chart(chart) { m_chart.SetLoading(true); }
    ~TLoadingScope() { m_chart.SetLoading(false); }
    TLoadingScope(const TLoadingScope&) = delete;
    TLoadingScope& operator=(const TLoadingScope&) = delete;

private:
    TChart& m_chart;
};

// What both charts store alike.
void ConfigureChartCommon(TChart& chart, int chart3DPercent, std::shared_ptr<const TPicture> backImage) {
    chart.SetBevelOuter(bvNone);
    chart.SetView3D(false);
    chart.SetChart3DPercent(chart3DPercent);
    chart.SetAllowZoom(false);
    chart.SetAllowPanning(pmNone);
    chart.SetPrintProportional(false);

    chart.SetBackColor(clWhite);
    chart.BackWall().Brush().SetColor(clWhite);
    chart.LeftWall().SetColor(clGray);
    chart.LeftWall().Brush().SetColor(clWhite);
    chart.BottomWall().SetColor(kBottomWallColor);

    if (backImage)
        chart.BackImage().Assign(std::move(backImage));
    chart.SetBackImageInside(true);

    chart.Gradient().SetDirection(gdBottomTop);
    chart.Gradient().SetEndColor(kGradientEndColor);

    TChartTitle& title = chart.Title();
    title.SetText({"ChartToday"});
    title.SetVisible(false);
    title.SetAdjustFrame(false);
    SetArialFont(title.Font(), -13, clNavy, true);

    TChartAxis& left = *chart.LeftAxis();
    left.SetAutomatic(false);
    left.SetAutomaticMaximum(false);
    left.SetAutomaticMinimum(false);
    left.SetMaximum(110);
    left.SetMinimum(-110);
    left.SetIncrement(20);
    left.SetMinorTickCount(2);
    left.SetExactDateTime(false);
    SetGrid(left.Grid());

    for (TChartAxis* axis : {chart.LeftAxis(), chart.BottomAxis()})
        SetArialFont(axis->Title().Font(), -12, clNavy, true);

    chart.Legend().SetAlignment(laBottom);
    SetArialFont(chart.Legend().Font(), -13, clBlack);
}

template <class T>
T& AddSeries(TChart& chart, const char* name, const char* title, TColor color, bool dateTime,
             int arrowLength) {
    T& series = *chart.AddSeries(std::make_unique<T>());
    series.SetName(name);
    series.SetTitle(title);
    series.SetSeriesColor(color);
    series.Marks().SetVisible(false);
    series.Marks().SetStyle(smsValue);
    series.Marks().SetArrowLength(arrowLength);
    TChartValueList& x = series.XValues();
    x.SetName("X");
    x.SetOrder(loAscending);
    x.SetDateTime(dateTime);
    x.SetMultiplier(1);
    TChartValueList& y = series.YValues();
    y.SetName(std::is_base_of_v<TCustomBarSeries, T> ? "Bar" : "Y");
    y.SetOrder(loNone);
    y.SetMultiplier(1);
    return series;
}

// Decoded when the chart first draws it, so a chart that is never shown
// decodes nothing.
std::shared_ptr<const TPicture> DeferredArtBitmap(const char* path, int width) {
    InitArtwork();
    return std::make_shared<const TPicture>(QSize(width, kArtBackHeight), [path] {
        return ReadDib(QResource(QString::fromLatin1(path)).uncompressedData());
    });
}

}  // namespace

std::shared_ptr<const TPicture> TodayBackImage() {
    static const std::shared_ptr<const TPicture> picture = DeferredArtBitmap(kArtBackToday, kArtBackTodayWidth);
    return picture;
}

std::shared_ptr<const TPicture> FourWeekBackImage() {
    static const std::shared_ptr<const TPicture> picture = DeferredArtBitmap(kArtBack4Weeks, kArtBack4WeeksWidth);
    return picture;
}

namespace {

// One bar per cycle and the average, as the today and the compatibility chart
// show them.
void ConfigureValueBars(TChart& chart, std::shared_ptr<const TPicture> backImage) {
    ConfigureChartCommon(chart, 10, std::move(backImage));
    chart.SetMarginLeft(6);
    chart.SetMarginRight(2);

    TChartAxis& bottom = *chart.BottomAxis();
    bottom.Grid().SetVisible(false);
    bottom.SetLabelsMultiLine(true);
    bottom.SetLabelsOnAxis(false);
    bottom.SetMinorTickCount(0);
    bottom.SetRoundFirstLabel(false);
    chart.Legend().SetVisible(false);

    auto& bars = AddSeries<TBarSeries>(chart, "Series1", "", clRed, false, 5);
    bars.SetColorEachPoint(true);
    SetArialFont(bars.Marks().Font(), -8, clBlack);
}

// Thirty days along a dated bottom axis, with a legend, as the 4-week and the
// comparison chart show them.
void ConfigureDayLines(TChart& chart) {
    ConfigureChartCommon(chart, 5, FourWeekBackImage());
    chart.SetMarginLeft(2);
    chart.SetMarginRight(2);
    chart.SetMarginTop(6);
    chart.SetMarginBottom(6);

    TChartAxis& bottom = *chart.BottomAxis();
    bottom.SetDateTimeFormat("dd/MM/yy");
    bottom.SetIncrement(2);
    SetGrid(bottom.Grid());
    bottom.SetMinorTickCount(0);
    bottom.SetStartPosition(1);
    bottom.SetEndPosition(99);

    chart.Legend().SetColorWidth(22);
    chart.Legend().SetVisible(true);
}

}  // namespace

void ConfigureTodayChart(TChart& chart) {
    TLoadingScope loading(chart);
    ConfigureValueBars(chart, TodayBackImage());
    chart.BottomAxis()->Grid().SetStyle(psSolid);
    chart.Legend().SetTextStyle(ltsPlain);
}

void ConfigureFourWeekChart(TChart& chart) {
    TLoadingScope loading(chart);
    ConfigureDayLines(chart);

    auto& average = AddSeries<TBarSeries>(chart, "Series8", FourWeekTitles[0], clGray, true, 8);
    average.SetBarWidthPercent(50);
    average.SetMultiBar(mbNone);
    average.Marks().SetClip(true);

    for (int k = 0; k < FourWeekLineCount; ++k) {
        const TLineSetup& s = kLines[k];
        auto& line = AddSeries<TLineSeries>(chart, s.name, FourWeekTitles[static_cast<std::size_t>(k + 1)], s.color, true, 5);
        line.LinePen().SetWidth(2);
        SetArialFont(line.Marks().Font(), -8, clBlack);
        TSeriesPointer& pointer = line.Pointer();
        pointer.SetVisible(false);
        pointer.SetStyle(psRectangle);
        pointer.SetInflateMargins(true);
        if (s.name == std::string_view("Series2"))
            line.SetDark3D(false);
    }
}

void ConfigureCompatibilityChart(TChart& chart) {
    TLoadingScope loading(chart);
    ConfigureValueBars(chart, nullptr);
    chart.LeftAxis()->SetMinimum(0);
    chart.LeftAxis()->SetMaximum(100);
}

void ConfigureComparisonChart(TChart& chart) {
    TLoadingScope loading(chart);
    ConfigureDayLines(chart);

    for (const char* name : {"First", "Second"}) {
        auto& line = AddSeries<TLineSeries>(chart, name, "", clRed, true, 5);
        line.Pointer().SetVisible(false);
        line.LinePen().SetWidth(name == std::string_view("First") ? 2 : 1);
        line.LinePen().SetStyle(name == std::string_view("First") ? psSolid : psDash);
    }
}
