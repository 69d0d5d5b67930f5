#pragma once
// What the user chooses to see of the cycles, beyond the charts' stored look:
// cycles hidden (a click on the 4-week chart's legend, or the charts' menu)
// and critical days marked on the lines; and the critical days ahead.
//
// A hidden cycle's line is inactive, its legend item stays with a dimmed
// text, and its bar on the today chart becomes a null point, so the other
// bars keep their places; the average stays the mean of all seven. Nothing is
// stored: the choice lasts until the program closes.

#include <QObject>
#include <QPoint>
#include <QRect>

class QMenu;
class TCustomSeries;
class TPrincipal;

class TCycleChoice : public QObject {
public:
    // Lives as long as the window, as its child.
    explicit TCycleChoice(TPrincipal& window);

    // cycle: 0 to CycleCount - 1, in table order.
    [[nodiscard]] bool CycleShown(int cycle) const;
    void SetCycleShown(int cycle, bool shown);
    void ShowAllCycles();

    [[nodiscard]] bool CriticalDaysMarked() const { return m_marked; }
    void SetCriticalDaysMarked(bool marked);

    // The dialog for the birth date and day shown; nothing before a calculation.
    void ShowCriticalDaysAhead();

    // Adds the Cycles submenu, Mark critical days and Critical days ahead.
    void AddMenuItems(QMenu& menu);

    // The cycle whose legend item the last paint drew under pos, -1 for none.
    [[nodiscard]] int LegendCycleAt(QPoint pos, QRect* cell = nullptr) const;

    // An event of a chart's host, seen first by the extras' filter: clicks
    // and the tooltip on the 4-week legend. True when handled.
    bool ChartEvent(QObject* watched, QEvent* event);

private:
    [[nodiscard]] TCustomSeries& Line(int cycle) const;
    void UpdateTodayBars();

    TPrincipal& m_window;
    QObject* m_legendHost = nullptr;  // compared with, never dereferenced
    bool m_marked = false;
};
