#include "WindowTestSupport.h"

#include "ChartExtras.h"
#include "ChartHost.h"
#include "ChartTexts.h"
#include "Controls.h"
#include "Dialogs.h"
#include "PageControl.h"
#include "Series.h"
#include "Snapshot.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QByteArray kFile19800517 = QByteArrayLiteral("1980\r\n5\r\n17\r\n");
const QString kCaption = QStringLiteral("Free Biorhythm calculator...");

// Rich text as a reader hears it: tags and the colour squares dropped, spaces collapsed.
QString Plain(QString html) {
    html.replace(QStringLiteral("&#9632;"), QString());
    html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    html.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
    return html.simplified();
}

class ScopedDayAnswer {
public:
    explicit ScopedDayAnswer(std::optional<QDate> answer)
        : m_previous(TChartExtras::SetDayDialogHandler([answer](QDate) { return answer; })) {}
    ~ScopedDayAnswer() { TChartExtras::SetDayDialogHandler(std::move(m_previous)); }
    ScopedDayAnswer(const ScopedDayAnswer&) = delete;
    ScopedDayAnswer& operator=(const ScopedDayAnswer&) = delete;

private:
    TChartExtras::TDayDialogHandler m_previous;
};

struct MenuSeen {
    QString owner;
    QStringList enabled, disabled;
};

}  // namespace

class ChartExtrasTest : public WindowTest {
protected:
    TPrincipal& StartWithExtras(bool stored = true) {
        if (stored)
            StoreFile(kFile19800517);
        TPrincipal& w = Start();
        m_extras = new TChartExtras(w);
        return w;
    }

    // Both charts painted, so that their axes map pixels as the screen shows them.
    void PaintBoth() {
        for (ChartHost* host : {m_window->ChartTodayHost, m_window->chart4weeksHost})
            (void)TChartExtras::ChartImage(*host);
    }

    void Trigger(ChartHost& host, const char* name) { TriggerMenuAction(*m_extras, host, name); }

    // Opens the menu through `open` and reads it while it is up.
    MenuSeen SeeMenu(const std::function<void()>& open) {
        MenuSeen seen;
        QTimer::singleShot(0, [&seen] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            seen.owner = menu->parentWidget() ? menu->parentWidget()->objectName() : QString();
            for (QAction* a : menu->actions())
                if (!a->isSeparator())
                    (a->isEnabled() ? seen.enabled : seen.disabled) << a->objectName();
            menu->close();
        });
        open();
        return seen;
    }

    [[nodiscard]] std::vector<double> TodayBars() const {
        std::vector<double> v;
        const TChartSeries& s = *m_window->ChartToday->SeriesList()[0];
        for (int i = 0; i < s.PointCount(); ++i)
            v.push_back(s.PointY(i));
        return v;
    }

    TChartExtras* m_extras = nullptr;
    QTemporaryDir m_files;
};

TEST_F(ChartExtrasTest, TooltipsReadTheExactValues) {
    TPrincipal& w = StartWithExtras();
    PaintBoth();
    const auto& bars = dynamic_cast<const TBarSeries&>(*w.ChartToday->SeriesList()[0]);
    const auto barCentre = [&](int i) { return QPoint(bars.ScreenX(i) + bars.BarPixelWidth() / 2, bars.ScreenY(i) + 1); };

    EXPECT_EQ(Plain(m_extras->ToolTipAt(*w.ChartTodayHost, barCentre(0))), "Physical : 27");
    EXPECT_EQ(Plain(m_extras->ToolTipAt(*w.ChartTodayHost, barCentre(2))), "Intellectual : -95");
    EXPECT_EQ(Plain(m_extras->ToolTipAt(*w.ChartTodayHost, barCentre(7))), "Average : 1");
    // Within a bar's columns but beyond its value (the average is 1: two rows high).
    const TRect r = w.ChartToday->ChartRect();
    EXPECT_EQ(Plain(m_extras->ToolTipAt(*w.ChartTodayHost, {barCentre(7).x(), r.top + 5})), "Average : 1");
    // Between two bars and outside the plotting rectangle: nothing.
    EXPECT_EQ(m_extras->ToolTipAt(*w.ChartTodayHost, {bars.ScreenX(1) - 3, barCentre(1).y()}), "");
    EXPECT_EQ(m_extras->ToolTipAt(*w.ChartTodayHost, {2, 2}), "");

    // The 4-week chart: the nearest day column, average first as in the legend.
    const TChartAxis& axis = *w.chart4weeks->BottomAxis();
    const TRect r4 = w.chart4weeks->ChartRect();
    const int y = (r4.top + r4.bottom) / 2;
    const QString first = QStringLiteral(
        "14/02/2010 Average 18 Physical 63 Emotional 22 Intellectual 100 Spiritual 0 critical "
        "Awareness 79 Aesthetic -89 Intuition -48");
    EXPECT_EQ(Plain(m_extras->ToolTipAt(*w.chart4weeksHost, {axis.ValueToPixel(40223), y})), first);
    EXPECT_EQ(Plain(m_extras->ToolTipAt(*w.chart4weeksHost, {axis.ValueToPixel(40223.4), y})), first);
    EXPECT_TRUE(Plain(m_extras->ToolTipAt(*w.chart4weeksHost, {axis.ValueToPixel(40223.6), y}))
                    .startsWith("15/02/2010 Average"));
    EXPECT_EQ(Plain(m_extras->ToolTipAt(*w.chart4weeksHost, {axis.ValueToPixel(40252), y})),
              "15/03/2010 Average -5 Physical -82 Emotional 43 Intellectual 69 Spiritual -29 "
              "Awareness -26 Aesthetic 81 Intuition -92");
    EXPECT_EQ(m_extras->ToolTipAt(*w.chart4weeksHost, {axis.ValueToPixel(40222), y}), "");

    // Through the event, as the mouse brings it.
    QHelpEvent help(QEvent::ToolTip, barCentre(0), w.ChartTodayHost->mapToGlobal(barCentre(0)));
    QApplication::sendEvent(w.ChartTodayHost, &help);
    EXPECT_EQ(Plain(QToolTip::text()), "Physical : 27");
    QToolTip::hideText();
}

TEST_F(ChartExtrasTest, TooltipsMarkCriticalDaysAndNeverShowOverEmptyCharts) {
    TPrincipal& w = StartWithExtras(false);
    PaintBoth();
    for (ChartHost* host : {w.ChartTodayHost, w.chart4weeksHost}) {
        const TRect r = host->Chart().ChartRect();
        for (int x = r.left; x < r.right; x += 7)
            ASSERT_EQ(m_extras->ToolTipAt(*host, {x, (r.top + r.bottom) / 2}), "") << x;
    }

    // Day count 10,879 = 23 * 473: a zero of the Physical cycle.
    w.cDia->setCurrentIndex(16);
    w.cMes->setCurrentIndex(4);
    w.cAnne->setCurrentIndex(w.cAnne->findText("1980"));
    m_extras->ShowDay(40237);
    PaintBoth();
    const auto& bars = dynamic_cast<const TBarSeries&>(*w.ChartToday->SeriesList()[0]);
    const QPoint physical(bars.ScreenX(0) + bars.BarPixelWidth() / 2, w.ChartToday->ChartRect().top + 3);
    EXPECT_EQ(Plain(m_extras->ToolTipAt(*w.ChartTodayHost, physical)), "Physical : 0 critical day");
    const QPoint emotional(bars.ScreenX(1) + bars.BarPixelWidth() / 2, w.ChartToday->ChartRect().top + 3);
    EXPECT_FALSE(Plain(m_extras->ToolTipAt(*w.ChartTodayHost, emotional)).contains("critical"));
}

TEST_F(ChartExtrasTest, MenuOpensByMouseAndKeyboardWithItemsNeedingACalculationDisabledUntilOne) {
    TPrincipal& w = StartWithExtras(false);
    const QStringList allButDay = {"CopyChart", "SaveChart", "SaveValues", "Print", "PreviousDay", "NextDay", "Today", "ShowValues"};

    QContextMenuEvent click(QContextMenuEvent::Mouse, {100, 100}, w.ChartTodayHost->mapToGlobal(QPoint(100, 100)));
    MenuSeen seen = SeeMenu([&] { QApplication::sendEvent(w.ChartTodayHost, &click); });
    EXPECT_EQ(seen.owner, "ChartToday");
    EXPECT_EQ(seen.enabled, (QStringList{"AnotherDay", "Cycles", "MarkCriticalDays"}));
    EXPECT_EQ(seen.disabled, allButDay + QStringList{"CriticalDaysAhead"});

    w.bCalculate->click();
    seen = SeeMenu([&] { QApplication::sendEvent(w.ChartTodayHost, &click); });
    EXPECT_EQ(seen.enabled, (QStringList{"CopyChart", "SaveChart", "SaveValues", "Print", "AnotherDay", "PreviousDay",
                                         "NextDay", "ShowValues", "Cycles", "MarkCriticalDays", "CriticalDaysAhead"}));
    EXPECT_EQ(seen.disabled, QStringList{"Today"});  // already today

    // Shift+F10 and the Menu key on the tab bar open the menu of the page shown.
    w.PageControl2->SetActivePageIndex(1);
    QTabBar* tabs = w.PageControl2->TabBar();
    seen = SeeMenu([&] { QTest::keyClick(tabs, Qt::Key_F10, Qt::ShiftModifier); });
    EXPECT_EQ(seen.owner, "chart4weeks");
    EXPECT_FALSE(seen.enabled.contains("ShowValues"));
    EXPECT_FALSE(seen.disabled.contains("ShowValues"));
    w.PageControl2->SetActivePageIndex(0);
    seen = SeeMenu([&] { QTest::keyClick(tabs, Qt::Key_Menu); });
    EXPECT_EQ(seen.owner, "ChartToday");
    // Other keys keep their meaning.
    seen = SeeMenu([&] { QTest::keyClick(tabs, Qt::Key_F10); });
    EXPECT_TRUE(seen.owner.isEmpty());
}

TEST_F(ChartExtrasTest, AnotherDayMovesBothChartsAndTheCaptionAndTodayRestoresThem) {
    TPrincipal& w = StartWithExtras();
    EXPECT_EQ(w.windowTitle(), kCaption);
    const std::vector<double> onFirstMarch = TodayBars();
    {
        ScopedDayAnswer answer(QDate(2010, 2, 14));
        Trigger(*w.ChartTodayHost, "AnotherDay");
    }
    EXPECT_EQ(w.windowTitle(), kCaption + QStringLiteral(" \u2013 14/02/2010"));
    EXPECT_EQ(TodayBars(), (std::vector<double>{63, 22, 100, 0, 79, -89, -48, 18}));
    const TChartSeries& line = *w.chart4weeks->SeriesList()[1];
    EXPECT_EQ(line.PointX(15), 40223);
    EXPECT_EQ(line.PointX(0), 40223 - 15);
    EXPECT_EQ(w.Table()->Today, 40223);

    Trigger(*w.chart4weeksHost, "NextDay");
    EXPECT_EQ(w.windowTitle(), kCaption + QStringLiteral(" \u2013 15/02/2010"));
    Trigger(*w.chart4weeksHost, "PreviousDay");
    Trigger(*w.chart4weeksHost, "PreviousDay");
    EXPECT_EQ(w.Table()->Today, 40222);

    Trigger(*w.ChartTodayHost, "Today");
    EXPECT_EQ(w.windowTitle(), kCaption);
    EXPECT_EQ(TodayBars(), onFirstMarch);
    EXPECT_FALSE(w.ReferenceDay().has_value());

    // Stepping onto today needs no caption either.
    Trigger(*w.ChartTodayHost, "PreviousDay");
    Trigger(*w.ChartTodayHost, "NextDay");
    EXPECT_EQ(w.windowTitle(), kCaption);
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ChartExtrasTest, ADayBeforeTheBirthIsRefusedAndChangesNothing) {
    TPrincipal& w = StartWithExtras();
    const std::vector<double> before = TodayBars();
    {
        ScopedDayAnswer answer(QDate(1980, 5, 16));
        Trigger(*w.ChartTodayHost, "AnotherDay");
    }
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Your birthday couldn't be greater than today...");
    EXPECT_EQ(w.windowTitle(), kCaption);
    EXPECT_FALSE(w.ReferenceDay().has_value());
    EXPECT_EQ(TodayBars(), before);
    {
        ScopedDayAnswer cancelled(std::nullopt);
        Trigger(*w.ChartTodayHost, "AnotherDay");
    }
    EXPECT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(w.windowTitle(), kCaption);
    // The birth day itself is accepted.
    {
        ScopedDayAnswer answer(QDate(1980, 5, 17));
        Trigger(*w.ChartTodayHost, "AnotherDay");
    }
    EXPECT_EQ(TodayBars(), (std::vector<double>(8, 0.0)));
}

TEST_F(ChartExtrasTest, CopyAndSaveWriteExactlyTheChartsPixels) {
    TPrincipal& w = StartWithExtras();
    Trigger(*w.ChartTodayHost, "CopyChart");
    const QImage today = TChartExtras::ChartImage(*w.ChartTodayHost);
    EXPECT_EQ(today.size(), QSize(776, 391));
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), today);

    QStringList filtersOffered;
    QString file = m_files.filePath("chart.bmp");
    ScopedHandler<TSaveDialog> answer([&](TSaveDialog& d) {
        filtersOffered = d.nameFilters();
        d.SetSelectedFile(file);
        return true;
    });
    Trigger(*w.chart4weeksHost, "SaveChart");
    EXPECT_EQ(filtersOffered, (QStringList{".BMP Files (*.bmp)", "PNG Files (*.png)"}));
    EXPECT_EQ(w.SaveDialog->nameFilters(), QStringList{".BMP Files (*.bmp)"});
    EXPECT_EQ(w.SaveDialog->defaultSuffix(), "bmp");
    const QImage fourWeeks = TChartExtras::ChartImage(*w.chart4weeksHost);
    EXPECT_EQ(QImage(file, "BMP").convertToFormat(QImage::Format_RGB32), fourWeeks);

    file = m_files.filePath("chart.png");
    Trigger(*w.ChartTodayHost, "SaveChart");
    EXPECT_EQ(QImage(file, "PNG").convertToFormat(QImage::Format_RGB32), today);

    // A folder that cannot take the file: the error box, nothing reported as saved.
    file = m_files.filePath("missing/chart.bmp");
    Trigger(*w.ChartTodayHost, "SaveChart");
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].icon, TMessageIcon::miStop);
    EXPECT_TRUE(m_boxes[0].text.contains("missing/chart.bmp"));
}

TEST_F(ChartExtrasTest, ValuesFileEqualsTheSnapshotToolsCsv) {
    TPrincipal& w = StartWithExtras();
    const QString file = m_files.filePath("values.csv");
    QString suffixAsked;
    ScopedHandler<TSaveDialog> answer([&](TSaveDialog& d) {
        suffixAsked = d.defaultSuffix();
        d.SetSelectedFile(file);
        return true;
    });
    Trigger(*w.chart4weeksHost, "SaveValues");
    EXPECT_EQ(suffixAsked, "csv");
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));

    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    ASSERT_EQ(RunSnapshot({"--birth", "1980-05-17", "--csv"}, outStream, errStream), 0);
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), out);
}

TEST_F(ChartExtrasTest, PrintWritesAPageThroughThePrintDialog) {
    TPrincipal& w = StartWithExtras();
    const QString pdf = m_files.filePath("chart.pdf");
    int copies = 0;
    ScopedHandler<TPrintDialog> answer([&](TPrintDialog&, QPrinter& printer) {
        copies = printer.copyCount();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    Trigger(*w.chart4weeksHost, "Print");
    EXPECT_EQ(copies, 1);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 5000);
    EXPECT_FALSE(bytes.contains("/Interpolate true"));
    EXPECT_EQ(m_extras->PrintHeading(*w.chart4weeksHost),
              QStringLiteral("4-Week analysis \u2013 birth date 17/05/1980, day shown 01/03/2010"));
}

TEST(ChartPage, ChartEnlargedByWholePixelBlocksBelowItsHeading) {
    QImage chart(40, 20, QImage::Format_RGB32);
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            chart.setPixel(x, y, qRgb(10 + x * 6, 20 + y * 12, (x + y) % 2 ? 255 : 100));
    QImage page(130, 200, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        PaintChartPage(painter, page.rect(), chart, "17/05/1980");
    }
    // 130 / 40: factor 3, centred: columns 5 .. 124.
    int top = -1;
    for (int y = 0; y < page.height() && top < 0; ++y)
        if (page.pixel(5, y) == chart.pixel(0, 0))
            top = y;
    ASSERT_GT(top, 0);
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = 0; dx < 3; ++dx)
                    ASSERT_EQ(page.pixel(5 + 3 * x + dx, top + 3 * y + dy), chart.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(page.pixel(4, top), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(125, top), qRgb(255, 255, 255));
    bool heading = false;
    for (int y = 0; y < top; ++y)
        for (int x = 0; x < page.width(); ++x)
            heading = heading || qGray(page.pixel(x, y)) < 128;
    EXPECT_TRUE(heading);
}

TEST_F(ChartExtrasTest, ShowValuesDrawsTheMarksOnTheTodayChartOnly) {
    TPrincipal& w = StartWithExtras();
    const QImage today = TChartExtras::ChartImage(*w.ChartTodayHost);
    const QImage fourWeeks = TChartExtras::ChartImage(*w.chart4weeksHost);
    Trigger(*w.ChartTodayHost, "ShowValues");
    EXPECT_TRUE(m_extras->ValuesShown());
    const QImage marked = TChartExtras::ChartImage(*w.ChartTodayHost);
    EXPECT_NE(marked, today);
    EXPECT_EQ(TChartExtras::ChartImage(*w.chart4weeksHost), fourWeeks);
    // Every mark lies inside the plotting rectangle.
    const auto& bars = dynamic_cast<const TBarSeries&>(*w.ChartToday->SeriesList()[0]);
    const TRect r = w.ChartToday->ChartRect();
    for (int i = 0; i < 8; ++i) {
        const TRect box = bars.Marks().PositionOf(i);
        EXPECT_GE(box.top, r.top) << i;
        EXPECT_LE(box.bottom, r.bottom) << i;
    }
    Trigger(*w.ChartTodayHost, "ShowValues");
    EXPECT_EQ(TChartExtras::ChartImage(*w.ChartTodayHost), today);
}

TEST_F(ChartExtrasTest, ScreenReaderNamesAndDescriptionsFollowEveryCalculation) {
    TPrincipal& w = StartWithExtras(false);
    const auto text = [](QWidget* widget, QAccessible::Text kind) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
        return a ? a->text(kind) : QStringLiteral("<none>");
    };
    EXPECT_EQ(text(w.ChartTodayHost, QAccessible::Name), "Current state analysis");
    EXPECT_EQ(text(w.chart4weeksHost, QAccessible::Name), "4-Week analysis");
    EXPECT_TRUE(text(w.ChartTodayHost, QAccessible::Description).startsWith("No values"));
    for (QWidget* named : std::initializer_list<QWidget*>{w.cDia, w.cMes, w.cAnne, w.bCalculate, w.Image1, w.Image2, w.cLink})
        EXPECT_FALSE(text(named, QAccessible::Name).isEmpty()) << named->objectName().toStdString();

    w.cDia->setCurrentIndex(16);
    w.cMes->setCurrentIndex(4);
    w.cAnne->setCurrentIndex(w.cAnne->findText("1980"));
    w.bCalculate->click();
    EXPECT_EQ(text(w.ChartTodayHost, QAccessible::Description),
              "Physical 27, Emotional -43, Intellectual -95, Spiritual 98, Awareness -87, Aesthetic 15, "
              "Intuition 92, Average 1");
    EXPECT_EQ(text(w.chart4weeksHost, QAccessible::Description),
              "From 14/02/2010 to 15/03/2010. 01/03/2010: Physical 27, Emotional -43, Intellectual -95, "
              "Spiritual 98, Awareness -87, Aesthetic 15, Intuition 92, Average 1");
    m_extras->ShowDay(40223);
    EXPECT_TRUE(text(w.ChartTodayHost, QAccessible::Description).startsWith("Physical 63, Emotional 22"));
}
