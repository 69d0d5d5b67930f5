#include "WindowTestSupport.h"

#include "ChartExtras.h"
#include "ChartHost.h"
#include "ChartOutput.h"
#include "ChartTexts.h"
#include "CompatibilityWindow.h"
#include "Controls.h"
#include "Dialogs.h"
#include "PageControl.h"
#include "PeopleExtras.h"
#include "Series.h"
#include "Snapshot.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QWheelEvent>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#ifdef BIORHYTHM_HAVE_QPA
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

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

// The accessibility events of the main window while `run` runs, as a screen
// reader hears them; none where Qt's platform interface is out of reach.
std::vector<QAccessible::Event> WindowEventsDuring(const std::function<void()>& run) {
    static std::vector<QAccessible::Event> events;
    events.clear();
#ifdef BIORHYTHM_HAVE_QPA
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
        if (e->object() && e->object()->objectName() == QLatin1String("Principal"))
            events.push_back(e->type());
    });
    if (platform)
        platform->setActive(true);
    run();
    if (platform)
        platform->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
#else
    run();
#endif
    return events;
}

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
        SaveSession() = {};
        return w;
    }

    // Both charts painted, so that their axes map pixels as the screen shows them.
    void PaintBoth() {
        for (ChartHost* host : {m_window->ChartTodayHost, m_window->chart4weeksHost})
            (void)ChartImage(*host);
    }

    void Trigger(ChartHost& host, const char* name) { TriggerMenuAction(*m_extras, host, name); }

    // Opens the menu through `open` and reads it while it is up.
    MenuSeen SeeMenu(const std::function<void()>& open) {
        MenuSeen seen;
        // Scoped, so that it cannot fire after this returns when no menu opened.
        QTimer reader;
        reader.setSingleShot(true);
        QObject::connect(&reader, &QTimer::timeout, [&seen] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            seen.owner = menu->parentWidget() ? menu->parentWidget()->objectName() : QString();
            for (QAction* a : menu->actions())
                if (!a->isSeparator())
                    (a->isEnabled() ? seen.enabled : seen.disabled) << a->objectName();
            menu->close();
        });
        reader.start(0);
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

}

TEST(ChartTip, BesideTheBarAtThePointerNeverOverTheBar) {
    const QRect screen(0, 0, 1000, 800);
    const QSize tip(200, 150);
    struct Case {
        const char* name;
        QRect area;
        QPoint pointer;
        QPoint expected;
    } cases[] = {
        {"right of the bar", {100, 100, 40, 300}, {120, 400}, {146, 325}},
        {"clear of the arrow on the bar's edge", {100, 100, 40, 300}, {139, 400}, {155, 325}},
        {"left where the screen ends", {900, 100, 40, 300}, {920, 400}, {694, 325}},
        {"kept on the screen at its top", {100, 0, 40, 300}, {120, 20}, {146, 0}},
        {"and at its bottom", {100, 500, 40, 300}, {120, 790}, {146, 650}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QPoint at = ChartTipPosition(c.area, c.pointer, tip, screen);
        EXPECT_EQ(at, c.expected);
        EXPECT_FALSE(QRect(at, tip).intersects(c.area));
    }
}

TEST_F(ChartExtrasTest, TipFollowsThePointerFromBarToBarWithoutWrappedLines) {
    TPrincipal& w = StartWithExtras();
    PaintBoth();
    const auto& bars = dynamic_cast<const TBarSeries&>(*w.ChartToday->SeriesList()[0]);
    const int y = w.ChartToday->ChartRect().top + 40;
    const auto at = [&](int bar) { return QPoint(bars.ScreenX(bar) + bars.BarPixelWidth() / 2, y); };
    QHelpEvent help(QEvent::ToolTip, at(0), w.ChartTodayHost->mapToGlobal(at(0)));
    QApplication::sendEvent(w.ChartTodayHost, &help);
    auto* tip = w.findChild<QLabel*>("ChartTip");
    ASSERT_NE(tip, nullptr);
    for (int bar : {0, 1, 2}) {
        SCOPED_TRACE(bar);
        QMouseEvent move(QEvent::MouseMove, at(bar), w.ChartTodayHost->mapToGlobal(at(bar)), Qt::NoButton, {}, {});
        QApplication::sendEvent(w.ChartTodayHost, &move);
        ASSERT_TRUE(tip->isVisible());
        EXPECT_EQ(Plain(tip->text()), Plain(TodayToolTip(*w.Table(), bar)));
        const QRect barArea(w.ChartTodayHost->mapToGlobal(QPoint(bars.ScreenX(bar), y)), QSize(bars.BarPixelWidth(), 1));
        EXPECT_FALSE(tip->geometry().intersects(barArea));
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.ChartTodayHost, &leave);
    EXPECT_FALSE(tip->isVisible());

    // The longest tip, a day of the 4-week chart, keeps one line a row.
    w.PageControl2->SetActivePageIndex(1);
    const QPoint day(w.chart4weeks->BottomAxis()->ValueToPixel(40223), y);
    QHelpEvent help4(QEvent::ToolTip, day, w.chart4weeksHost->mapToGlobal(day));
    QApplication::sendEvent(w.chart4weeksHost, &help4);
    ASSERT_TRUE(tip->isVisible());
    QTextDocument laidOut;
    laidOut.setDocumentMargin(0);
    laidOut.setDefaultFont(tip->font());
    laidOut.setHtml(tip->text());
    const qreal natural = laidOut.size().height();
    laidOut.setTextWidth(tip->contentsRect().width() - 2 * tip->margin() - tip->indent());
    EXPECT_EQ(laidOut.size().height(), natural);

    // A turn of the wheel moves the days under the pointer, and the tip with them.
    QWheelEvent wheel(day, w.chart4weeksHost->mapToGlobal(QPointF(day)), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.chart4weeksHost, &wheel);
    EXPECT_TRUE(Plain(tip->text()).startsWith("15/02/2010 Average")) << Plain(tip->text()).toStdString();
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

namespace {

// Within each menu and submenu, the letters after "&" differ, and so do the shortcuts.
void ExpectUniqueKeys(const QMenu& menu, const QString& path) {
    QMap<QKeySequence, QString> seen;
    for (QAction* action : menu.actions()) {
        if (action->menu())
            ExpectUniqueKeys(*action->menu(), path + " > " + action->text());
        QList<QKeySequence> keys = action->shortcuts();
        if (const QKeySequence mnemonic = QKeySequence::mnemonic(action->text()); !mnemonic.isEmpty())
            keys << mnemonic;
        for (const QKeySequence& key : keys) {
            EXPECT_FALSE(seen.contains(key)) << path.toStdString() << ": " << key.toString().toStdString() << " for \""
                                             << action->text().toStdString() << "\" and \""
                                             << seen.value(key).toStdString() << "\"";
            seen.insert(key, action->text());
        }
    }
}

}  // namespace

TEST_F(ChartExtrasTest, EveryMenuHasUniqueAcceleratorsAndShortcuts) {
    TPrincipal& w = StartWithExtras(false);
    new TPeopleExtras(w, *m_extras);  // owned by the window, as the program has it
    TCompatibilityWindow comparison;
    const auto walk = [&] {
        for (ChartHost* host : {w.ChartTodayHost, w.chart4weeksHost, comparison.BarsHost, comparison.LinesHost}) {
            std::unique_ptr<QMenu> menu(host->window() == &comparison ? comparison.CreateMenu(*host)
                                                                      : m_extras->CreateMenu(*host));
            ExpectUniqueKeys(*menu, host->objectName());
        }
    };
    walk();
    w.bCalculate->click();
    m_extras->StepDay(1);
    walk();
}

TEST_F(ChartExtrasTest, KeysAndTheWheelStepTheDayWhereAChartOrTheTabsHaveTheFocus) {
    TPrincipal& w = StartWithExtras();
    QWidget* tabs = w.PageControl2->TabBar();
    struct Case {
        const char* name;
        QWidget* target;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int wheel;  // instead of a key
        int expected;  // days after 01/03/2010
    } cases[] = {
        {"Ctrl+Right on the chart", w.ChartTodayHost, Qt::Key_Right, Qt::ControlModifier, 0, 1},
        {"Alt+Right on the tabs", tabs, Qt::Key_Right, Qt::AltModifier, 0, 2},
        {"Ctrl+Left on the tabs", tabs, Qt::Key_Left, Qt::ControlModifier, 0, 1},
        {"Alt+Left on the chart", w.ChartTodayHost, Qt::Key_Left, Qt::AltModifier, 0, 0},
        {"Alt+Left again", w.ChartTodayHost, Qt::Key_Left, Qt::AltModifier, 0, -1},
        {"Ctrl+Home", tabs, Qt::Key_Home, Qt::ControlModifier, 0, 0},
        {"Ctrl+Right in a date list", w.cDia, Qt::Key_Right, Qt::ControlModifier, 0, 0},
        {"the wheel turned to the user", w.ChartTodayHost, Qt::Key_unknown, {}, -120, 1},
        {"and away", w.ChartTodayHost, Qt::Key_unknown, {}, 120, 0},
        {"half a notch", w.ChartTodayHost, Qt::Key_unknown, {}, 60, 0},
        {"and the other half", w.ChartTodayHost, Qt::Key_unknown, {}, 60, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.wheel != 0) {
            const QPointF at(100, 100);
            QWheelEvent wheel(at, c.target->mapToGlobal(at), {}, {0, c.wheel}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(c.target, &wheel);
        } else {
            QTest::keyClick(c.target, c.key, c.modifiers);
        }
        EXPECT_EQ(w.Table()->Today, 40238 + c.expected);
    }
    EXPECT_EQ(w.cDia->currentIndex(), 16);
    EXPECT_EQ(w.PageControl2->ActivePageIndex(), 0);

    // Copy, save and print by their keys, for the page shown.
    w.PageControl2->SetActivePageIndex(1);
    QTest::keyClick(tabs, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), ChartImage(*w.chart4weeksHost));
    QString saveTitle;
    bool printed = false;
    ScopedHandler<TSaveDialog> save([&](TSaveDialog& d) { saveTitle = d.title(); return false; });
    ScopedHandler<TPrintDialog> print([&](TPrintDialog&, QPrinter&) { printed = true; return false; });
    QTest::keyClick(w.chart4weeksHost, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(tabs, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(saveTitle, "Save Chart");
    EXPECT_TRUE(printed);
}

TEST_F(ChartExtrasTest, AClickedTabTakesTheFocusSoTheMenuKeyWorksRightAfter) {
    TPrincipal& w = StartWithExtras();
    QApplication::setActiveWindow(&w);
    QTabBar* tabs = w.PageControl2->TabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(w.focusWidget(), tabs);
    const MenuSeen seen = SeeMenu([&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier); });
    EXPECT_EQ(seen.owner, "chart4weeks");
}

TEST_F(ChartExtrasTest, AnotherDayStopsWhereTheFourWeeksWouldLeaveTheCalendar) {
    TPrincipal& w = StartWithExtras();
    {
        ScopedDayAnswer answer(QDate(9999, 12, 17));
        Trigger(*w.ChartTodayHost, "AnotherDay");
    }
    ASSERT_TRUE(m_boxes.empty());
    EXPECT_EQ(LongDateText(w.Table()->Rows.back().Day), "31/12/9999");
    PaintBoth();
    const TChartAxis& axis = *w.chart4weeks->BottomAxis();
    const int y = (w.chart4weeks->ChartRect().top + w.chart4weeks->ChartRect().bottom) / 2;
    EXPECT_TRUE(Plain(m_extras->ToolTipAt(*w.chart4weeksHost, {axis.ValueToPixel(w.Table()->Rows.back().Day), y}))
                    .startsWith("31/12/9999 Average"));

    const std::vector<double> before = TodayBars();
    const QString message =
        "The charts show the days from 16/01/0001 to 17/12/9999 only: the 4-week chart needs the 15 days before the "
        "day shown and the 14 after it.";
    Trigger(*w.ChartTodayHost, "NextDay");
    {
        ScopedDayAnswer answer(QDate(9999, 12, 31));
        Trigger(*w.ChartTodayHost, "AnotherDay");
    }
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[0].text, message);
    EXPECT_EQ(m_boxes[1].text, message);
    EXPECT_EQ(LongDateText(w.Table()->Today), "17/12/9999");
    EXPECT_EQ(TodayBars(), before);
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

TEST_F(ChartExtrasTest, CopyAndSaveWriteExactlyTheChartsPixelsInTheTypeChosen) {
    TPrincipal& w = StartWithExtras();
    Trigger(*w.ChartTodayHost, "CopyChart");
    const QImage today = ChartImage(*w.ChartTodayHost);
    EXPECT_EQ(today.size(), QSize(776, 391));
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), today);

    const QString png = "PNG image (*.png)", bmp = "BMP image (*.bmp)";
    struct Case {
        const char* name;
        QString typed, filter;
        QString suggested;  // what the dialog offers, following the last picture saved
        QString written;
        QByteArray magic;
    } cases[] = {
        {"PNG at first", "chart", png, "biorhythm-1980-05-17-2010-03-01-4weeks.png", "chart.png", "\x89PNG"},
        {"the filter without an extension", "chart", bmp, "biorhythm-1980-05-17-2010-03-01-4weeks.png", "chart.bmp", "BM"},
        {"the typed extension over the filter", "typed.PNG", bmp, "biorhythm-1980-05-17-2010-03-01-4weeks.bmp", "typed.PNG",
         "\x89PNG"},
        {"an unknown extension", "chart.17.05", png, "biorhythm-1980-05-17-2010-03-01-4weeks.png", "chart.17.05.png",
         "\x89PNG"},
    };
    const QImage fourWeeks = ChartImage(*w.chart4weeksHost);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString title, suggested, filterOffered;
        QStringList filters;
        ScopedHandler<TSaveDialog> answer([&](TSaveDialog& d) {
            title = d.title();
            filters = d.nameFilters();
            suggested = d.selectedFile();
            filterOffered = d.selectedNameFilter();
            d.SetSelectedFile(m_files.filePath(c.typed));
            d.selectNameFilter(c.filter);
            return true;
        });
        Trigger(*w.chart4weeksHost, "SaveChart");
        EXPECT_EQ(title, "Save Chart");
        EXPECT_EQ(filters, (QStringList{png, bmp}));
        EXPECT_EQ(suggested, c.suggested);
        EXPECT_EQ(filterOffered, c.suggested.endsWith(".png") ? png : bmp);
        QFile file(m_files.filePath(c.written));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith(c.magic));
        EXPECT_EQ(QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32), fourWeeks);
    }
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ChartExtrasTest, SaveDialogsStartInTheLastFolderOnlyWhileItIsAnOrdinaryWritableOne) {
    TPrincipal& w = StartWithExtras();
    QTemporaryDir gone;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(QDir().mkpath(pictures) && QDir().mkpath(documents));
    QString startedIn;
    QString choose;
    ScopedHandler<TSaveDialog> answer([&](TSaveDialog& d) {
        startedIn = d.directory();
        d.SetSelectedFile(choose);
        return !choose.isEmpty();
    });
    struct Case {
        const char* name;
        QString last;
        const char* action;
        QString expected;
    } cases[] = {
        {"an ordinary folder", m_files.path(), "SaveChart", m_files.path()},
        {"a kernel folder", "/proc", "SaveChart", pictures},
        {"another one", "/sys/kernel", "SaveValues", documents},
        {"a folder since removed", gone.path() + "/x", "SaveChart", pictures},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SaveSession().Folder = c.last;
        Trigger(*w.ChartTodayHost, c.action);
        EXPECT_EQ(startedIn, c.expected);
    }
    // A save that failed is no folder to come back to.
    SaveSession().Folder = m_files.path();
    choose = "/proc/chart.png";
    Trigger(*w.ChartTodayHost, "SaveChart");
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].icon, TMessageIcon::miStop);
    EXPECT_EQ(m_boxes[0].text, "The file /proc/chart.png could not be written.");
    choose.clear();
    Trigger(*w.ChartTodayHost, "SaveChart");
    EXPECT_EQ(startedIn, m_files.path());
}

TEST_F(ChartExtrasTest, ValuesFileEqualsTheSnapshotToolsCsv) {
    TPrincipal& w = StartWithExtras();
    QString title, suggested;
    QStringList filters;
    ScopedHandler<TSaveDialog> answer([&](TSaveDialog& d) {
        title = d.title();
        filters = d.nameFilters();
        suggested = d.selectedFile();
        d.SetSelectedFile(m_files.filePath("values"));
        return true;
    });
    Trigger(*w.ChartTodayHost, "SaveValues");
    EXPECT_EQ(title, "Save Values");
    EXPECT_EQ(filters, QStringList{"CSV (*.csv)"});
    EXPECT_EQ(suggested, "biorhythm-1980-05-17-2010-03-01.csv");
    QFile saved(m_files.filePath("values.csv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));

    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    ASSERT_EQ(RunSnapshot({"--birth", "1980-05-17", "--csv"}, outStream, errStream), 0);
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), out);
}

namespace {

// The streams of a PDF written by Qt, each with its dictionary; deflated
// ones inflated, others (a JPEG picture) left empty.
QList<QPair<QByteArray, QByteArray>> PdfStreams(const QByteArray& pdf) {
    QList<QPair<QByteArray, QByteArray>> streams;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at + 1)) {
        if (pdf.mid(at - 3, 3) == "end")
            continue;
        const qsizetype begin = at + 7, end = pdf.indexOf("endstream", begin);
        const QByteArray dictionary = pdf.mid(pdf.lastIndexOf("obj", at), at - pdf.lastIndexOf("obj", at));
        QByteArray data;
        if (dictionary.contains("/FlateDecode")) {
            const quint32 room = 64U << 20;  // an upper bound is enough for Qt
            data = pdf.mid(begin, end - begin).prepend(QByteArray::fromHex(QByteArray::number(room, 16).rightJustified(8, '0')));
            data = qUncompress(data);
        }
        streams.append({dictionary, data});
        at = end;
    }
    return streams;
}

}  // namespace

TEST_F(ChartExtrasTest, PrintCarriesTheChartsExactPixels) {
    TPrincipal& w = StartWithExtras();
    const QString pdf = m_files.filePath("chart.pdf");
    int copies = 0;
    QString job;
    ScopedHandler<TPrintDialog> answer([&](TPrintDialog&, QPrinter& printer) {
        copies = printer.copyCount();
        job = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    Trigger(*w.chart4weeksHost, "Print");
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(job, "biorhythm-1980-05-17-2010-03-01-4weeks");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_FALSE(bytes.contains("/Interpolate true"));
    const QImage chart = ChartImage(*w.chart4weeksHost).convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(chart.bytesPerLine(), chart.width() * 3);
    const QByteArray rgb(reinterpret_cast<const char*>(chart.constBits()), chart.sizeInBytes());
    int pictures = 0;
    for (const auto& [dictionary, data] : PdfStreams(bytes)) {
        if (dictionary.contains("/Subtype /Image")) {
            ++pictures;
            EXPECT_TRUE(data == rgb) << "the printed picture is not the chart's pixels: " << dictionary.toStdString();
        }
        // Enlarged by a whole factor, from a multiple of it: a renderer at the
        // page's resolution divided by it finds each chart pixel on one of its own.
        static const QRegularExpression placed(QStringLiteral("\\n(\\d+) 0 0 \\1 (\\d+) (\\d+) cm\\n776 0 0 -391"));
        if (const auto m = placed.match(QString::fromLatin1(data)); m.hasMatch()) {
            const int factor = m.captured(1).toInt();
            EXPECT_EQ(m.captured(2).toInt() % factor, 0);
            EXPECT_EQ(m.captured(3).toInt() % factor, 0);
            ++pictures;
        }
    }
    EXPECT_EQ(pictures, 2);
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
    // 130 / 40: factor 3; centred at column 5, on the factor's grid at 6: columns 6 .. 125.
    int top = -1;
    for (int y = 0; y < page.height() && top < 0; ++y)
        if (page.pixel(6, y) == chart.pixel(0, 0))
            top = y;
    ASSERT_GT(top, 0);
    EXPECT_EQ(top % 3, 0);
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = 0; dx < 3; ++dx)
                    ASSERT_EQ(page.pixel(6 + 3 * x + dx, top + 3 * y + dy), chart.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(page.pixel(5, top), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(126, top), qRgb(255, 255, 255));
    bool heading = false;
    for (int y = 0; y < top; ++y)
        for (int x = 0; x < page.width(); ++x)
            heading = heading || qGray(page.pixel(x, y)) < 128;
    EXPECT_TRUE(heading);
}

TEST_F(ChartExtrasTest, ShowValuesDrawsTheMarksOnTheTodayChartOnly) {
    TPrincipal& w = StartWithExtras();
    const QImage today = ChartImage(*w.ChartTodayHost);
    const QImage fourWeeks = ChartImage(*w.chart4weeksHost);
    Trigger(*w.ChartTodayHost, "ShowValues");
    EXPECT_TRUE(m_extras->ValuesShown());
    const QImage marked = ChartImage(*w.ChartTodayHost);
    EXPECT_NE(marked, today);
    EXPECT_EQ(ChartImage(*w.chart4weeksHost), fourWeeks);
    // Every mark lies inside the plotting rectangle.
    const auto& bars = dynamic_cast<const TBarSeries&>(*w.ChartToday->SeriesList()[0]);
    const TRect r = w.ChartToday->ChartRect();
    for (int i = 0; i < 8; ++i) {
        const TRect box = bars.Marks().PositionOf(i);
        EXPECT_GE(box.top, r.top) << i;
        EXPECT_LE(box.bottom, r.bottom) << i;
    }
    Trigger(*w.ChartTodayHost, "ShowValues");
    EXPECT_EQ(ChartImage(*w.ChartTodayHost), today);
}

TEST_F(ChartExtrasTest, ScreenReadersHearNamesDescriptionsAndCaptionChanges) {
    TPrincipal& w = StartWithExtras(false);
    const auto text = [](QWidget* widget, QAccessible::Text kind) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
        return a ? a->text(kind) : QStringLiteral("<none>");
    };
    EXPECT_EQ(text(w.ChartTodayHost, QAccessible::Name), "Current state analysis");
    EXPECT_EQ(text(w.chart4weeksHost, QAccessible::Name), "4-Week analysis");
    EXPECT_TRUE(text(w.ChartTodayHost, QAccessible::Description).startsWith("No values"));
    for (QWidget* named : std::initializer_list<QWidget*>{w.bCalculate, w.Image1, w.Image2, w.cLink})
        EXPECT_FALSE(text(named, QAccessible::Name).isEmpty()) << named->objectName().toStdString();

    w.cDia->setCurrentIndex(16);
    w.cMes->setCurrentIndex(4);
    w.cAnne->setCurrentIndex(w.cAnne->findText("1980"));
    struct List {
        QWidget* list;
        const char* name;
        const char* value;
    } lists[] = {{w.cDia, "Day", "17"}, {w.cMes, "Month", "May"}, {w.cAnne, "Year", "1980"}};
    for (const List& l : lists) {
        SCOPED_TRACE(l.name);
        EXPECT_EQ(text(l.list, QAccessible::Name), l.name);
        EXPECT_EQ(text(l.list, QAccessible::Value), l.value);
        const auto labels = QAccessible::queryAccessibleInterface(l.list)->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels[0].first->object(), w.Label1);
    }
    EXPECT_EQ(w.cMes->currentText(), "May");

    w.bCalculate->click();
    EXPECT_EQ(text(w.ChartTodayHost, QAccessible::Description),
              "01/03/2010: Physical 27, Emotional -43, Intellectual -95, Spiritual 98, Awareness -87, Aesthetic 15, "
              "Intuition 92, Average 1");
    EXPECT_EQ(text(w.chart4weeksHost, QAccessible::Description),
              "From 14/02/2010 to 15/03/2010. 01/03/2010: Physical 27, Emotional -43, Intellectual -95, "
              "Spiritual 98, Awareness -87, Aesthetic 15, Intuition 92, Average 1");

    // Day count 10,879 = 23 * 473: a zero of the Physical cycle. The caption changes and says so.
    [[maybe_unused]] const auto events = WindowEventsDuring([&] { m_extras->ShowDay(40237); });
#ifdef BIORHYTHM_HAVE_QPA
    EXPECT_EQ(events, std::vector<QAccessible::Event>{QAccessible::NameChanged});
#endif
    EXPECT_EQ(text(w.ChartTodayHost, QAccessible::Description),
              "28/02/2010: Physical 0 (critical day), Emotional -22, Intellectual -87, Spiritual 100, "
              "Awareness -79, Aesthetic 0 (critical day), Intuition 97, Average 1");
}
