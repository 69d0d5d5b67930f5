#pragma once
// The program's one window: the date lists and the Calculate button on top,
// the two charts on tab pages in the middle, the white banner with the link at
// the bottom. Controls are placed at fixed pixel rectangles; the aligned ones
// get the rectangles their alignment gives inside the parent.
//
// The controls are public fields named as in the window's layout, so that the
// snapshot tool and the tests reach them as the handlers do.

#include "Calendar.h"
#include "Cycles.h"
#include "Dialogs.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class ChartHost;
class QToolButton;
class TChart;
class TChartSeries;
class TComboBox;
class TCustomAxisPanel;
class TLabel;
class TPageControl;
class TPanelControl;

class TPrincipal : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TPrincipal)

public:
    static constexpr int ClientWidth = 784;
    static constexpr int ClientHeight = 614;
    static constexpr int FirstYear = 1910;

    explicit TPrincipal(QWidget* parent = nullptr);
    ~TPrincipal() override;

    // The maker's web address as a bare host name, as the link shows it.
    [[nodiscard]] static QString WebAddress();

    // Handlers. Called directly they let errors through; bound to their events
    // they run through the application's guard.
    void FormShow();
    void FormClose();
    void bCalculateClick();
    void cDiaKeyPress(char& key);
    void cMesKeyPress(char& key);
    void cAnneKeyPress(char& key);
    void cLinkClick();
    void cLinkMouseEnter();
    void cLinkMouseLeave();

    [[nodiscard]] int Score(int period, double days) const;

    // The day the calculation uses instead of the local date; none means
    // today. Never stored. While it is not today the caption names it.
    [[nodiscard]] std::optional<TDaySerial> ReferenceDay() const { return m_referenceDay; }
    void SetReferenceDay(std::optional<TDaySerial> day);
    // A name the caption shows after its own text and before the day; empty for none.
    void SetCaptionName(const QString& name);
    // What the last calculation showed; none before the first one.
    [[nodiscard]] const std::optional<TDayTable>& Table() const { return m_table; }
    // Runs after every calculation that filled the charts.
    std::function<void()> OnCalculated;

    TPanelControl* Panel1 = nullptr;
    TPanelControl* Panel3 = nullptr;
    TLabel* Image1 = nullptr;
    TPanelControl* Panel4 = nullptr;
    TLabel* Image2 = nullptr;
    TPanelControl* Panel5 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* cLink = nullptr;
    TPanelControl* Panel2 = nullptr;
    TLabel* Label1 = nullptr;
    QToolButton* bCalculate = nullptr;
    TComboBox* cDia = nullptr;
    TComboBox* cMes = nullptr;
    TComboBox* cAnne = nullptr;
    TPageControl* PageControl2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QWidget* TabSheet4 = nullptr;
    // The widgets showing the charts; each carries its chart's name.
    ChartHost* ChartTodayHost = nullptr;
    ChartHost* chart4weeksHost = nullptr;
    TLabel* LHigh = nullptr;
    TLabel* LCritical = nullptr;
    TLabel* LLow = nullptr;
    TSaveDialog* SaveDialog = nullptr;
    TPrintDialog* PrintDialog = nullptr;

    // The two charts, owned by their hosts; each owns its series.
    TChart* ChartToday = nullptr;
    TChart* chart4weeks = nullptr;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateBanner();
    void CreateDateBand();
    void CreatePages();
    void CreateDialogs();
    void ConfigureCharts();
    void BindEvents();
    // Every text of the window in the language of the texts.
    void Retranslate();

    // Steps 1 and 2 of the calculation: the birth date the lists select.
    [[nodiscard]] TDaySerial SelectedBirthDate() const;
    [[nodiscard]] TChartSeries& SeriesOf(TCustomAxisPanel& chart, int index) const;
    [[nodiscard]] TDaySerial DayShown() const;

    void UpdateCaption();

    std::optional<TDaySerial> m_referenceDay;
    std::optional<TDayTable> m_table;
    QString m_captionName;
};
