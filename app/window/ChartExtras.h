#pragma once
// What the window offers beyond its specified look, attached from outside it:
// tooltips with exact values, the charts' context menu (copy, save, print,
// another day, values on the bars), its shortcuts, and the accessible names
// and descriptions. Everything reads the window's day table, the numbers the
// charts were filled with. With the mouse still and no menu open, nothing
// here changes a pixel.
//
// The menu opens with the right button on a chart, and with the Menu key or
// Shift+F10 while a chart or the tab bar has the focus; its shortcuts work
// there too, and only there, so that the date lists keep their keys. The
// mouse wheel over a chart steps the day. Every dialog it opens is modal.

#include "Calendar.h"

#include <QDate>
#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <optional>
#include <vector>

class ChartHost;
class QKeyEvent;
class QLabel;
class QMenu;
class TChart;
class TCycleChoice;
class TPrincipal;

class TChartExtras : public QObject {
public:
    // Answers the "Another day" dialog in place of the real one: the day
    // chosen, or none when cancelled.
    using TDayDialogHandler = std::function<std::optional<QDate>(QDate initial)>;

    // Adds items of another extra to a chart's menu, after the extras' own.
    using TMenuSection = std::function<void(QMenu& menu, ChartHost& host)>;

    // Lives as long as the window, as its child.
    explicit TChartExtras(TPrincipal& window);

    void AddMenuSection(TMenuSection section);

    // The context menu of a chart, built for its present state; the caller owns it.
    [[nodiscard]] QMenu* CreateMenu(ChartHost& host);

    // The tooltip over pos of a chart, empty when none; area is where it holds.
    [[nodiscard]] QString ToolTipAt(const ChartHost& host, QPoint pos, QRect* area = nullptr) const;

    void SaveValues();
    void AnotherDay();
    // The day the charts show; none goes back to today. A day the calculation
    // refuses (a birth date after it), or one whose four weeks leave the
    // calendar, leaves the charts and the day as they were.
    void ShowDay(std::optional<TDaySerial> day);
    void StepDay(int days);
    [[nodiscard]] bool ValuesShown() const;
    void SetValuesShown(bool shown);

    // Cycles shown or hidden, critical days marked and listed.
    [[nodiscard]] TCycleChoice& Cycles() const { return *m_cycles; }

    // The line above a printed chart, and the name suggested for its picture
    // (without extension); both name the day shown.
    [[nodiscard]] QString PrintHeading(const ChartHost& host) const;
    [[nodiscard]] QString PictureName(const ChartHost& host) const;

    static TDayDialogHandler SetDayDialogHandler(TDayDialogHandler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class TNeeds { Nothing, Calculation, OtherDay };
    struct TCommand {
        const char* Name;
        QString Text;
        QList<QKeyCombination> Keys;
        TNeeds Needs;
        std::function<void(TChartExtras&, ChartHost&)> Run;
    };
    // The menu's commands in order; a nameless one is a separator.
    static const std::vector<TCommand>& Commands();

    bool HostEvent(ChartHost& host, QEvent* event);
    [[nodiscard]] bool Enabled(TNeeds needs) const;
    // The menu keys, then the commands' shortcuts; true when the key was one.
    bool HandleKey(ChartHost& host, const QKeyEvent& key);
    void OpenMenu(ChartHost& host, QPoint globalPos);
    [[nodiscard]] ChartHost& ActiveHost() const;
    [[nodiscard]] QString PageCaption(const ChartHost& host) const;
    void ShowTip(ChartHost& host, QPoint pos);
    void HideTip();
    void SetAccessibleNames();
    void UpdateDescriptions();

    TPrincipal& m_window;
    QObject* m_tabBar = nullptr;  // compared with, never dereferenced
    TCycleChoice* m_cycles = nullptr;
    int m_calculations = 0;
    int m_wheel = 0;  // eighths of a degree not yet turned into a day
    QPointer<QLabel> m_tip;
    ChartHost* m_tipHost = nullptr;
    QRect m_tipArea;
    std::vector<TMenuSection> m_sections;
};

// Where a tip of `size` goes for the bar in `area` with the pointer at
// `pointer` (all global): beside the bar at the pointer's height, to the right
// unless the screen ends there, never over the bar.
[[nodiscard]] QPoint ChartTipPosition(const QRect& area, QPoint pointer, QSize size, const QRect& screen);

// The bar of a chart's bar series (its first) under pos, or else the bar
// whose columns hold pos; -1 for none. area: where the answer holds.
[[nodiscard]] int BarAt(const TChart& chart, QPoint pos, QRect* area = nullptr);

// The row of a chart with one point per day from `first` on (rows 0 to 29)
// nearest to pos; -1 outside the plotting rectangle or the rows.
[[nodiscard]] int DayRowAt(const TChart& chart, TDaySerial first, QPoint pos, QRect* area = nullptr);
