#include "WindowTestSupport.h"

#include "ChartExtras.h"
#include "ChartHost.h"
#include "ChartOutput.h"
#include "CriticalDaysDialog.h"
#include "CycleChoice.h"
#include "Dialogs.h"
#include "Series.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace {

// Birth date 1980-05-17 seen on 2010-03-01: the 4-week chart's rows run from
// 2010-02-14; 2010-03-08 (row 22) is critical for Intuition alone.
constexpr int kIntuition = 6;
constexpr int kIntuitionRow = 22;

}  // namespace

class CycleChoiceTest : public WindowTest {
protected:
    TPrincipal& StartCalculated() {
        StoreFile(QByteArrayLiteral("1980\r\n5\r\n17\r\n"));
        TPrincipal& w = Start();
        m_extras = new TChartExtras(w);
        return w;
    }
    TCycleChoice& Choice() { return m_extras->Cycles(); }
    QImage Picture(ChartHost& host) { return ChartImage(host); }
    void Trigger(ChartHost& host, const char* name) { TriggerMenuAction(*m_extras, host, name); }
    // The middle of the legend's item for series s, as the last paint drew it.
    QPoint LegendItem(int s) {
        const TChartLegend& legend = m_window->chart4weeks->Legend();
        const TRect cell = LegendItemCell(legend.Layout(), legend.IsVertical(), s, legend.ItemHeight());
        return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }

    TChartExtras* m_extras = nullptr;
    QTemporaryDir m_files;
};

TEST_F(CycleChoiceTest, EachLegendClickHidesItsCycleAndTheNextShowsItAgain) {
    TPrincipal& w = StartCalculated();
    const QImage weeks = Picture(*w.chart4weeksHost);
    const QImage today = Picture(*w.ChartTodayHost);
    const TChartSeriesList& series = w.chart4weeks->SeriesList();
    for (int s = 0; s < series.Count(); ++s) {
        SCOPED_TRACE(series[s]->Title());
        QTest::mouseClick(w.chart4weeksHost, Qt::LeftButton, {}, LegendItem(s));
        if (s == 0) {  // the average is no cycle
            EXPECT_TRUE(series[s]->Active());
            EXPECT_EQ(Picture(*w.chart4weeksHost), weeks);
            continue;
        }
        EXPECT_FALSE(series[s]->Active());
        EXPECT_EQ(w.ChartToday->SeriesList()[0]->PointColor(s - 1), clNone);
        EXPECT_NE(Picture(*w.chart4weeksHost), weeks);
        EXPECT_NE(Picture(*w.ChartTodayHost), today);
        QTest::mouseClick(w.chart4weeksHost, Qt::LeftButton, {}, LegendItem(s));
        EXPECT_TRUE(series[s]->Active());
        EXPECT_EQ(Picture(*w.chart4weeksHost), weeks);
        EXPECT_EQ(Picture(*w.ChartTodayHost), today);
    }
}

TEST_F(CycleChoiceTest, HiddenBarsKeepTheOthersInPlaceThroughCalculations) {
    TPrincipal& w = StartCalculated();
    const QImage before = Picture(*w.ChartTodayHost);
    Trigger(*w.ChartTodayHost, "CyclePhysical");
    EXPECT_FALSE(Choice().CycleShown(0));

    // Only the columns of the first bar change; the average is the mean of all seven.
    const auto& bars = dynamic_cast<const TBarSeries&>(*w.ChartToday->SeriesList()[0]);
    const QImage after = Picture(*w.ChartTodayHost);
    int changedLeft = after.width(), changedRight = -1;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (after.pixel(x, y) != before.pixel(x, y)) {
                changedLeft = std::min(changedLeft, x);
                changedRight = std::max(changedRight, x);
            }
    EXPECT_GE(changedLeft, bars.ScreenX(0));
    EXPECT_LE(changedRight, bars.ScreenX(0) + bars.BarPixelWidth());
    EXPECT_EQ(bars.PointY(7), 1);

    Trigger(*w.chart4weeksHost, "NextDay");
    EXPECT_EQ(w.ChartToday->SeriesList()[0]->PointColor(0), clNone);
    EXPECT_FALSE(w.chart4weeks->SeriesList()[1]->Active());

    // Every cycle has a letter of its own in the submenu.
    std::unique_ptr<QMenu> menu(m_extras->CreateMenu(*w.ChartTodayHost));
    auto* cycles = menu->findChild<QMenu*>(QStringLiteral("Cycles"));
    ASSERT_NE(cycles, nullptr);
    std::set<QChar> letters;
    for (const QAction* a : cycles->actions()) {
        if (a->isSeparator())
            continue;
        const qsizetype amp = a->text().indexOf(u'&');
        ASSERT_GE(amp, 0) << a->text().toStdString();
        EXPECT_TRUE(letters.insert(a->text()[amp + 1].toLower()).second) << a->text().toStdString();
    }
    EXPECT_EQ(letters.size(), std::size_t{CycleCount + 1});

    Trigger(*w.ChartTodayHost, "PreviousDay");
    Trigger(*w.ChartTodayHost, "ShowAllCycles");
    EXPECT_EQ(Picture(*w.ChartTodayHost), before);
}

TEST_F(CycleChoiceTest, MarksSitOnTheCriticalDaysOfEachLineWithoutMovingIt) {
    TPrincipal& w = StartCalculated();
    const QImage before = Picture(*w.chart4weeksHost);
    Trigger(*w.chart4weeksHost, "MarkCriticalDays");
    ASSERT_TRUE(Choice().CriticalDaysMarked());
    const QImage marked = Picture(*w.chart4weeksHost);

    // The last line drawn: its mark's black outline at the critical day only.
    const auto& line = dynamic_cast<const TLineSeries&>(*w.chart4weeks->SeriesList()[kIntuition + 1]);
    const auto corner = [&](int row) { return marked.pixel(line.ScreenX(row) - 3, line.ScreenY(row) - 3); };
    EXPECT_EQ(corner(kIntuitionRow), qRgb(0, 0, 0));
    EXPECT_NE(corner(kIntuitionRow - 1), qRgb(0, 0, 0));
    EXPECT_NE(corner(kIntuitionRow + 1), qRgb(0, 0, 0));
    // Physical and Intellectual share 2010-03-11 (row 25).
    EXPECT_TRUE(dynamic_cast<const TLineSeries&>(*w.chart4weeks->SeriesList()[1]).PointerFilter(25));
    EXPECT_TRUE(dynamic_cast<const TLineSeries&>(*w.chart4weeks->SeriesList()[3]).PointerFilter(25));
    EXPECT_FALSE(dynamic_cast<const TLineSeries&>(*w.chart4weeks->SeriesList()[2]).PointerFilter(25));

    Trigger(*w.ChartTodayHost, "MarkCriticalDays");
    EXPECT_EQ(Picture(*w.chart4weeksHost), before);
}

TEST_F(CycleChoiceTest, CriticalDaysDialogListsSortsCopiesAndExports) {
    TPrincipal& w = StartCalculated();
    const QString file = QDir(m_files.path()).filePath(QStringLiteral("critical.ics"));
    QString chosen = file;
    ScopedHandler<TSaveDialog> save([&](TSaveDialog& d) {
        EXPECT_EQ(d.defaultSuffix(), "ics");
        d.SetSelectedFile(chosen);
        return true;
    });
    int opened = 0;
    ScopedHandler<TCriticalDaysDialog> answer([&](TCriticalDaysDialog& d) {
        ++opened;
        auto* table = d.findChild<QTableWidget*>(QStringLiteral("Table"));
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("Heading"))->text(),
                  "Birth date 17/05/1980: 8 critical days from 01/03/2010 to 30/03/2010.");
        ASSERT_EQ(table->rowCount(), 8);
        int highlighted = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            const bool several = table->item(row, 2)->text().contains(u',');
            EXPECT_EQ(table->item(row, 0)->font().bold(), several) << row;
            highlighted += several;
        }
        EXPECT_EQ(highlighted, 2);

        table->sortByColumn(2, Qt::DescendingOrder);
        QStringList lines = d.TableText(false).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 9);
        EXPECT_EQ(lines[0], "Date\tWeekday\tCycles");
        EXPECT_EQ(lines[1], "27/03/2010\tSaturday\tEmotional, Intellectual, Intuition");
        table->selectRow(2);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), "Date\tWeekday\tCycles\n" + lines[3] + "\n");

        d.SetSpan(365);
        EXPECT_EQ(table->rowCount(), static_cast<int>(d.Days().size()));
        EXPECT_TRUE(d.ExportToCalendar());
        chosen = QStringLiteral("/nonexistent/critical.ics");
        EXPECT_FALSE(d.ExportToCalendar());
    });
    Trigger(*w.chart4weeksHost, "CriticalDaysAhead");
    ASSERT_EQ(opened, 1);
    ASSERT_FALSE(m_boxes.empty());
    EXPECT_EQ(m_boxes.back().text, "The file /nonexistent/critical.ics could not be written.");
    EXPECT_EQ(w.SaveDialog->defaultSuffix(), "bmp");

    // Read back by an independent parser, against its own count of the days.
    QProcess check;
    check.start(QStringLiteral(BIORHYTHM_PYTHON3), {QStringLiteral(BIORHYTHM_CALENDAR_CHECK), "--birth", "1980-05-17",
                                                    "--from", "2010-03-01", "--days", "365", file});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().toStdString();
}
