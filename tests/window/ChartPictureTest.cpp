#include "WindowTestSupport.h"

#include "ChartAxis.h"
#include "ChartHost.h"
#include "Controls.h"
#include "PageControl.h"
#include "Series.h"

#include <QDir>
#include <QImage>
#include <QPixmap>

#include <gmock/gmock.h>

#include <cstdlib>
#include <regex>
#include <set>

// The program's two charts for birth date 1980-05-17 on 2010-03-01, painted as
// the window shows them. Each picture is also written under the build folder
// for a look by eye.

namespace {

constexpr TColor RGB(int r, int g, int b) { return r | (g << 8) | (b << 16); }
constexpr TColor kSilver = RGB(192, 192, 192);

// The host's picture with its child labels, as the screen gets it; the chart's
// own image stays readable in its WindowSurface.
QImage Grab(ChartHost& host, const char* fileName) {
    const QImage image = host.grab().toImage();
    const QString dir = QStringLiteral(BIORHYTHM_PICTURES_DIR);
    QDir().mkpath(dir);
    image.save(dir + "/" + fileName, "PNG");
    return image;
}

TColor PixelOf(const TChart& chart, int x, int y) { return chart.WindowSurface().Pixel(x, y) & 0xFFFFFF; }

// The back wall's black outline runs on the chart rectangle's own edges.
void ExpectBackWallFrame(const TChart& chart) {
    const TRect r = chart.ChartRect();
    const int midX = (r.left + r.right) / 2 + 3;
    const int midY = (r.top + r.bottom) / 2 + 3;
    EXPECT_EQ(PixelOf(chart, r.left, midY), clBlack);
    EXPECT_EQ(PixelOf(chart, r.right, midY), clBlack);
    EXPECT_EQ(PixelOf(chart, midX, r.top), clBlack);
    EXPECT_EQ(PixelOf(chart, midX, r.bottom), clBlack);
    // Just outside it lies the chart's own face, not the white wall.
    EXPECT_NE(PixelOf(chart, r.right + 1, midY), clWhite);
}

// A grid line of small dots: every other pixel silver along the row.
int SilverPixels(const TChart& chart, int y, int fromX, int toX) {
    int n = 0;
    for (int x = fromX; x < toX; ++x)
        n += PixelOf(chart, x, y) == kSilver;
    return n;
}

}  // namespace

class ChartPictureTest : public WindowTest {
protected:
    TPrincipal& StartWith19800517() {
        StoreFile("1980\r\n5\r\n17\r\n");
        return Start();
    }
};

TEST_F(ChartPictureTest, TodayChartBarsLabelsAndScale) {
    TPrincipal& w = StartWith19800517();
    const QImage image = Grab(*w.ChartTodayHost, "today.png");
    ASSERT_EQ(image.size(), QSize(776, 391));
    const TChart& chart = *w.ChartToday;

    // Margins 6, 2, 4, 4 of 776 x 391; the axes take only the left and bottom.
    const TRect r = chart.ChartRect();
    EXPECT_EQ(r.top, 16);
    EXPECT_EQ(r.right, 760);
    EXPECT_GT(r.left, 47);
    EXPECT_LT(r.bottom, 375);
    ExpectBackWallFrame(chart);

    // Each bar in its colour, centred on its X, half-way between zero and its value.
    const auto& bars = dynamic_cast<const TBarSeries&>(*chart.SeriesList()[0]);
    const TChartAxis& left = *chart.LeftAxis();
    const TChartAxis& bottom = *chart.BottomAxis();
    const struct {
        int index;
        double value;
        TColor color;
    } cases[] = {{0, 27, clRed}, {1, -43, 39423}, {2, -95, clLime}, {3, 98, clPurple},
                 {4, -87, clFuchsia}, {5, 15, clAqua}, {6, 92, clNavy}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(bars.PointY(c.index), c.value);
        EXPECT_EQ(PixelOf(chart, bottom.ValueToPixel(c.index), left.ValueToPixel(c.value / 2)), c.color);
    }

    // The point labels stand under the bars, the values 100 ... -100 on the left.
    std::vector<std::string> bottomTexts;
    for (const auto& label : chart.BottomAxis()->LastPaint().Labels)
        bottomTexts.push_back(label.Text);
    EXPECT_THAT(bottomTexts, testing::UnorderedElementsAre("Physical", "Emotional", "Intellectual", "Spiritual",
                                                           "Awareness", "Aesthetic", "Intuition", "Average"));
    std::set<std::string> leftTexts;
    for (const auto& label : left.LastPaint().Labels)
        leftTexts.insert(label.Text);
    EXPECT_EQ(leftTexts, (std::set<std::string>{"-100", "-80", "-60", "-40", "-20", "0", "20", "40", "60", "80", "100"}));

    // Dotted grid at 100, where no bar reaches: half the pixels of a bar-free stretch.
    const int gapFrom = r.left + 2;
    const int gapTo = bars.ScreenX(0) - 2;
    ASSERT_GT(gapTo - gapFrom, 10);
    EXPECT_NEAR(SilverPixels(chart, left.ValueToPixel(100), gapFrom, gapTo), (gapTo - gapFrom) / 2, 1);

    // The green "High" is painted over the chart in the host's picture only.
    int green = 0;
    const QRect high = w.LHigh->geometry();
    for (int y = high.top(); y <= high.bottom(); ++y)
        for (int x = high.left(); x <= high.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            green += c.green() > c.red() + 60 && c.green() > c.blue() + 60;
        }
    EXPECT_GT(green, 10);
    EXPECT_EQ(PixelOf(chart, high.center().x(), high.center().y()), PixelOf(chart, 2, high.center().y()));
}

TEST_F(ChartPictureTest, FourWeekChartLinesOverBarsDatesAndLegend) {
    TPrincipal& w = StartWith19800517();
    w.PageControl2->SetActivePageIndex(1);
    const QImage image = Grab(*w.chart4weeksHost, "4weeks.png");
    ASSERT_EQ(image.size(), QSize(776, 391));
    const TChart& chart = *w.chart4weeks;

    // Margins 2, 2, 6, 6: the legend, the dates and the values take the rest.
    const TRect r = chart.ChartRect();
    EXPECT_EQ(r.top, 23);
    EXPECT_EQ(r.right, 760);
    ExpectBackWallFrame(chart);

    // The last line drawn lies over everything at its own points (inner ones:
    // whether a wide line's very last pixel is drawn is the canvas' business).
    const TChartSeriesList& list = chart.SeriesList();
    const TChartSeries& intuition = *list[7];
    for (int i : {1, 9, 21, 28}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(PixelOf(chart, intuition.ScreenX(i), intuition.ScreenY(i)), clNavy);
    }
    // Grey average bar under the lines: row 0 averages 18.
    const TChartAxis& left = *chart.LeftAxis();
    const auto& average = dynamic_cast<const TBarSeries&>(*list[0]);
    ASSERT_EQ(average.PointY(0), 18);
    EXPECT_EQ(PixelOf(chart, chart.BottomAxis()->ValueToPixel(average.PointX(0)), left.ValueToPixel(9)), clGray);

    // Dates as dd/MM/yy, two days apart.
    const auto& labels = chart.BottomAxis()->LastPaint().Labels;
    ASSERT_GE(labels.size(), 10u);
    const std::regex date(R"((\d\d)/(0[23])/10)");
    int previousDay = -1;
    for (const auto& label : labels) {
        SCOPED_TRACE(label.Text);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(label.Text, m, date));
        const int day = std::stoi(m[1]) + (m[2] == "03" ? 28 : 0);  // February 2010 has 28 days
        if (previousDay >= 0) {
            EXPECT_EQ(std::abs(day - previousDay), 2);
        }
        previousDay = day;
    }

    // The legend at the bottom, 3 pixels of shadow and the frame above the
    // 368 of the bottom margin, framed in black just outside its rectangle,
    // with a symbol in every series' colour.
    const TChartLegend& legend = chart.Legend();
    EXPECT_EQ(legend.LegendItemTotal(), 8);
    const TRect box = legend.LegendRect();
    EXPECT_EQ(box.bottom, 363);
    EXPECT_EQ(PixelOf(chart, box.left - 1, (box.top + box.bottom) / 2), clBlack);
    EXPECT_EQ(PixelOf(chart, box.left, (box.top + box.bottom) / 2), clWhite);
    std::set<TColor> colors;
    for (int y = box.top + 1; y < box.bottom - 1; ++y)
        for (int x = box.left + 1; x < box.right - 1; ++x)
            colors.insert(PixelOf(chart, x, y));
    for (const TChartSeries* s : list) {
        EXPECT_TRUE(colors.count(s->SeriesColor())) << s->Name();
    }
}
