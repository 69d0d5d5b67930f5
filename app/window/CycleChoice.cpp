#include "CycleChoice.h"

#include "Application.h"
#include "ChartHost.h"
#include "CriticalDaysDialog.h"
#include "Cycles.h"
#include "FPrincipal.h"
#include "Series.h"

#include <QAction>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>

#include <array>

namespace {

// Accelerators unique within the Cycles submenu, "&Show all" included.
const std::array<QString, CycleCount> kCycleItems{
    QStringLiteral("&Physical"),  QStringLiteral("&Emotional"), QStringLiteral("&Intellectual"),
    QStringLiteral("Spi&ritual"), QStringLiteral("A&wareness"), QStringLiteral("&Aesthetic"),
    QStringLiteral("In&tuition")};

const TCycle& Cycle(int k) { return CycleTable[static_cast<std::size_t>(k)]; }

}  // namespace

TCycleChoice::TCycleChoice(TPrincipal& window) : QObject(&window), m_window(window) {
    setObjectName(QStringLiteral("CycleChoice"));
    std::function<void()> previous = std::move(m_window.OnCalculated);
    m_window.OnCalculated = [this, previous = std::move(previous)] {
        if (previous)
            previous();
        UpdateTodayBars();
    };
    for (int k = 0; k < CycleCount; ++k) {
        TCustomSeries& line = Line(k);
        line.PointerFilter = [this, &line, period = Cycle(k).Period](int index) {
            const std::optional<TDayTable>& table = m_window.Table();
            return table && IsCriticalDay(period, DaysApart(line.PointX(index), table->Birth));
        };
    }
    m_legendHost = m_window.chart4weeksHost;
    m_window.chart4weeksHost->setMouseTracking(true);
}

TCustomSeries& TCycleChoice::Line(int cycle) const {
    return dynamic_cast<TCustomSeries&>(*m_window.chart4weeks->SeriesList()[Cycle(cycle).Series]);
}

// ---------------------------------------------------------------------------
// Cycles shown

bool TCycleChoice::CycleShown(int cycle) const {
    return Line(cycle).Active();
}

void TCycleChoice::SetCycleShown(int cycle, bool shown) {
    if (cycle < 0 || cycle >= CycleCount)
        return;
    // The legend keeps hidden cycles listed from the first one on.
    if (!shown)
        m_window.chart4weeks->Legend().SetShowInactive(true);
    Line(cycle).SetActive(shown);
    UpdateTodayBars();
}

void TCycleChoice::ShowAllCycles() {
    for (int k = 0; k < CycleCount; ++k)
        SetCycleShown(k, true);
}

void TCycleChoice::UpdateTodayBars() {
    TChartSeries& bars = *m_window.ChartToday->SeriesList()[0];
    for (int k = 0; k < CycleCount && k < bars.PointCount(); ++k) {
        const TColor color = CycleShown(k) ? Cycle(k).BarColor : clNone;
        if (bars.PointColor(k) != color)
            bars.SetPointColor(k, color);
    }
}

// ---------------------------------------------------------------------------
// Critical days

void TCycleChoice::SetCriticalDaysMarked(bool marked) {
    m_marked = marked;
    for (int k = 0; k < CycleCount; ++k) {
        TSeriesPointer& pointer = Line(k).Pointer();
        // Marks must not move the lines: no room is asked for them.
        pointer.SetInflateMargins(!marked);
        pointer.SetHorizSize(3);
        pointer.SetVertSize(3);
        pointer.SetVisible(marked);
    }
}

void TCycleChoice::ShowCriticalDaysAhead() {
    const std::optional<TDayTable>& table = m_window.Table();
    if (table)
        TCriticalDaysDialog::Open(table->Birth, table->Today, *m_window.SaveDialog, &m_window);
}

// ---------------------------------------------------------------------------
// Menu

void TCycleChoice::AddMenuItems(QMenu& menu) {
    const auto guarded = [this](QAction* action, auto&& slot) {
        QObject::connect(action, &QAction::triggered, this, [slot](bool checked) {
            TApplication::Guard([&] { slot(checked); });
        });
    };
    menu.addSeparator();
    QMenu* cycles = menu.addMenu(QStringLiteral("C&ycles"));
    cycles->setObjectName(QStringLiteral("Cycles"));
    cycles->menuAction()->setObjectName(QStringLiteral("Cycles"));
    bool anyHidden = false;
    for (int k = 0; k < CycleCount; ++k) {
        QAction* item = cycles->addAction(kCycleItems[static_cast<std::size_t>(k)]);
        item->setObjectName(QStringLiteral("Cycle") + QLatin1String(Cycle(k).Label));
        item->setCheckable(true);
        item->setChecked(CycleShown(k));
        anyHidden = anyHidden || !CycleShown(k);
        guarded(item, [this, k](bool checked) { SetCycleShown(k, checked); });
    }
    cycles->addSeparator();
    QAction* all = cycles->addAction(QStringLiteral("&Show all"));
    all->setObjectName(QStringLiteral("ShowAllCycles"));
    all->setEnabled(anyHidden);
    guarded(all, [this](bool) { ShowAllCycles(); });

    QAction* marks = menu.addAction(QStringLiteral("Mark critical &days"));
    marks->setObjectName(QStringLiteral("MarkCriticalDays"));
    marks->setCheckable(true);
    marks->setChecked(m_marked);
    guarded(marks, [this](bool checked) { SetCriticalDaysMarked(checked); });

    QAction* ahead = menu.addAction(QStringLiteral("Critical days a&head\u2026"));
    ahead->setObjectName(QStringLiteral("CriticalDaysAhead"));
    ahead->setEnabled(m_window.Table().has_value());
    guarded(ahead, [this](bool) { ShowCriticalDaysAhead(); });
}

// ---------------------------------------------------------------------------
// Legend clicks

int TCycleChoice::LegendCycleAt(QPoint pos, QRect* cell) const {
    TRect drawn;
    const TChartSeries* series = nullptr;
    const TChartLegend& legend = m_window.chart4weeks->Legend();
    if (legend.DrawnItemAt(pos.x(), pos.y(), &drawn) >= 0)
        series = legend.SeriesAtPoint(pos.x(), pos.y());
    for (int k = 0; series && k < CycleCount; ++k) {
        if (series == &Line(k)) {
            if (cell)
                *cell = QRect(QPoint(drawn.left, drawn.top), QPoint(drawn.right - 1, drawn.bottom - 1));
            return k;
        }
    }
    return -1;
}

bool TCycleChoice::ChartEvent(QObject* watched, QEvent* event) {
    // Decided on the event first: while the window is being destroyed its
    // children still send events here, and the window's fields are gone.
    const QEvent::Type type = event->type();
    if ((type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove &&
         type != QEvent::ToolTip) ||
        watched != m_legendHost)
        return false;
    QRect cell;
    if (type == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int k = LegendCycleAt(help->pos(), &cell);
        if (k < 0)
            return false;
        const QString text = CycleShown(k) ? QStringLiteral("Click to hide the %1 cycle")
                                           : QStringLiteral("Click to show the %1 cycle");
        QToolTip::showText(help->globalPos(), text.arg(QLatin1String(Cycle(k).Label)), m_window.chart4weeksHost, cell);
        return true;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int k = LegendCycleAt(mouse->position().toPoint());
    if (type == QEvent::MouseMove) {
        if (k >= 0)
            m_window.chart4weeksHost->setCursor(Qt::PointingHandCursor);
        else
            m_window.chart4weeksHost->unsetCursor();
        return false;
    }
    if (k < 0 || mouse->button() != Qt::LeftButton)
        return false;
    TApplication::Guard([&] { SetCycleShown(k, !CycleShown(k)); });
    return true;
}
