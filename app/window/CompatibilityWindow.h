#pragma once
// The window "Compatibility": two people, the compatibility of their seven
// cycles and its average as bars, and below them one cycle of both over the
// 30 days around a day (the main window's), chosen from a list. Modeless; the
// program keeps one and shows it again for the next pair.
//
// Both charts have tooltips, a context menu (copy, save the chart, save the
// values, print; also from the keyboard with the Menu key or Shift+F10 while a
// chart has the focus, and as Ctrl+C, Ctrl+S and Ctrl+P) and an accessible
// description with their values.

#include "ChartTexts.h"

#include <QWidget>

class ChartHost;
class QComboBox;
class QLabel;
class QMenu;

struct TComparedPerson {
    QString Name;  // empty for a birth date kept under no name
    TDaySerial Birth = 0;
};

class TCompatibilityWindow : public QWidget {
public:
    explicit TCompatibilityWindow(QWidget* parent = nullptr);
    ~TCompatibilityWindow() override;

    // Shows the pair, with their days around `day`.
    void Compare(const TComparedPerson& first, const TComparedPerson& second, TDaySerial day);
    void SetDay(TDaySerial day);
    // A cycle in table order.
    void SetCycle(int cycle);
    [[nodiscard]] const TComparison& Comparison() const { return m_comparison; }

    // The context menu of one of the two charts; the caller owns it.
    [[nodiscard]] QMenu* CreateMenu(ChartHost& host);
    // The tooltip over pos of one of the two charts, empty when none.
    [[nodiscard]] QString ToolTipAt(const ChartHost& host, QPoint pos, QRect* area = nullptr) const;
    // The line above a printed chart.
    [[nodiscard]] QString PrintHeading() const;

    void CopyChart(ChartHost& host);
    bool SaveChart(ChartHost& host);
    bool SaveValues(ChartHost& host);
    bool Print(ChartHost& host);

    QLabel* Heading = nullptr;
    ChartHost* BarsHost = nullptr;
    QComboBox* CycleList = nullptr;
    ChartHost* LinesHost = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateShortcuts();
    void FillBars();
    void FillLines();
    [[nodiscard]] ChartHost& FocusedHost() const;
    void OpenMenu(ChartHost& host, QPoint globalPos);
    // The name suggested for the chart's picture and values, without extension.
    [[nodiscard]] QString FileName(const ChartHost& host) const;

    TComparedPerson m_people[2];
    TComparison m_comparison;
};
