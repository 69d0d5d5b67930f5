#pragma once
// What the window offers beyond its specified look, attached from outside it:
// tooltips with exact values, the charts' context menu (copy, save, print,
// another day, values on the bars) and the accessible names and descriptions.
// Everything reads the window's day table, the numbers the charts were filled
// with. With the mouse still and no menu open, nothing here changes a pixel.
//
// The menu opens with the right button on a chart, and with the Menu key or
// Shift+F10 while the tab bar has the focus. Every dialog it opens is modal.

#include "Calendar.h"

#include <QCoreApplication>
#include <QDate>
#include <QImage>
#include <QObject>
#include <QRect>

#include <functional>
#include <optional>
#include <vector>

class ChartHost;
class QMenu;
class QPainter;
class TChart;
class TCycleChoice;
class TPrincipal;

class TChartExtras : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TChartExtras)

public:
    // Answers the "Another day" dialog in place of the real one: the day
    // chosen, or none when cancelled.
    using TDayDialogHandler = std::function<std::optional<QDate>(QDate initial)>;

    // Adds items of another extra to a chart's menu, after the extras' own.
    using TMenuSection = std::function<void(QMenu& menu, ChartHost& host)>;

    // Lives as long as the window, as its child.
    explicit TChartExtras(TPrincipal& window);

    void AddMenuSection(TMenuSection section);
    // The same, for a section that closes the menu, after the cycles' items.
    void AddLastMenuSection(TMenuSection section);

    // The context menu of a chart, built for its present state; the caller owns it.
    [[nodiscard]] QMenu* CreateMenu(ChartHost& host);

    // The tooltip over pos of a chart, empty when none; area is where it holds.
    [[nodiscard]] QString ToolTipAt(const ChartHost& host, QPoint pos, QRect* area = nullptr) const;

    // The chart as it shows on screen, scale labels included.
    [[nodiscard]] static QImage ChartImage(ChartHost& host);

    void CopyChart(ChartHost& host);
    bool SaveChart(ChartHost& host);
    bool SaveValues();
    bool Print(ChartHost& host);
    void AnotherDay();
    // The day the charts show; none goes back to today. A day the calculation
    // refuses (a birth date after it) leaves the charts and the day as they were.
    void ShowDay(std::optional<TDaySerial> day);
    void StepDay(int days);
    [[nodiscard]] bool ValuesShown() const;
    void SetValuesShown(bool shown);

    // Cycles shown or hidden, critical days marked and listed.
    [[nodiscard]] TCycleChoice& Cycles() const { return *m_cycles; }

    // The line above a printed chart.
    [[nodiscard]] QString PrintHeading(const ChartHost& host) const;

    static TDayDialogHandler SetDayDialogHandler(TDayDialogHandler handler);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenMenu(ChartHost& host, QPoint globalPos);
    [[nodiscard]] ChartHost& ActiveHost() const;
    [[nodiscard]] QString PageCaption(const ChartHost& host) const;
    void SetAccessibleNames();
    void UpdateDescriptions();

    TPrincipal& m_window;
    QObject* m_tabBar = nullptr;  // compared with, never dereferenced
    TCycleChoice* m_cycles = nullptr;
    int m_calculations = 0;
    std::vector<TMenuSection> m_sections;
    std::vector<TMenuSection> m_lastSections;
};

// The bar of a chart's bar series (its first) under pos, or else the bar
// whose columns hold pos; -1 for none. area: where the answer holds.
[[nodiscard]] int BarAt(const TChart& chart, QPoint pos, QRect* area = nullptr);

// The row of a chart with one point per day from `first` on (rows 0 to 29)
// nearest to pos; -1 outside the plotting rectangle or the rows.
[[nodiscard]] int DayRowAt(const TChart& chart, TDaySerial first, QPoint pos, QRect* area = nullptr);

// Draws a printed page: the heading line at the top, the chart below it,
// enlarged by a whole factor (each pixel a block of device pixels, no
// smoothing) to the widest that fits the page width.
void PaintChartPage(QPainter& painter, const QRect& page, const QImage& chart, const QString& heading);
