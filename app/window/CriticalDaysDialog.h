#pragma once
// The critical days ahead of the day shown, for the birth date shown: a
// sortable table of date, weekday and the cycles that cross zero (days with
// two or more highlighted) over the next 30, 90 or 365 days, copied as
// tab-separated text or exported as an iCalendar file. Modal; a replaceable
// handler answers it in place of the user, so tests and scripts drive the
// real dialog without a loop of its own.

#include "CriticalDays.h"

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;
class TSaveDialog;

class TCriticalDaysDialog : public QDialog {
public:
    // Given the dialog, built and filled, instead of running it.
    using THandler = std::function<void(TCriticalDaysDialog&)>;

    // The file for the export is chosen with `saveDialog`.
    TCriticalDaysDialog(TDaySerial birth, TDaySerial from, TSaveDialog& saveDialog, QWidget* parent = nullptr);

    // Builds the dialog and runs it, or hands it to the handler.
    static void Open(TDaySerial birth, TDaySerial from, TSaveDialog& saveDialog, QWidget* parent);
    // Installs a handler (an empty one restores the real dialog); returns the previous one.
    static THandler SetHandler(THandler handler);

    // The days looked ahead: one of CriticalSpans.
    [[nodiscard]] int Span() const;
    void SetSpan(int days);
    [[nodiscard]] const std::vector<TCriticalDay>& Days() const { return m_days; }

    // The rows as shown (in their sort order), a header line first, columns
    // separated by tabs; only the selected rows when `selectedOnly` and some are.
    [[nodiscard]] QString TableText(bool selectedOnly) const;
    void CopyTable(bool selectedOnly);
    // Asks for a file and writes the days as calendar events; false when
    // cancelled or not written (a message box says so).
    bool ExportToCalendar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();

    TDaySerial m_birth;
    TDaySerial m_from;
    TSaveDialog& m_saveDialog;
    std::vector<TCriticalDay> m_days;
    QLabel* m_heading = nullptr;
    QComboBox* m_span = nullptr;
    QTableWidget* m_table = nullptr;
};
