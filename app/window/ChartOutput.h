#pragma once
// Copy, save and print of one chart, for any window that shows charts. The
// picture is always the chart's own pixels as the screen shows them: saved
// lossless, and printed enlarged in whole-pixel blocks, lossless too.
//
// The save dialogs of a session start in the folder of the last file saved
// while it is an ordinary writable folder (else in the pictures or documents
// folder), and offer the picture type last saved, PNG at first.

#include <QImage>
#include <QString>

class ChartHost;
class QPainter;
class QRect;
class QWidget;

// The chart as it shows on screen, the controls inside it included.
[[nodiscard]] QImage ChartImage(ChartHost& host);

void CopyChart(ChartHost& host);

// Each asks for a file with `name` (no extension) as the suggestion, then
// writes it; a file that cannot be written gets the error box. True when
// written.
bool SaveChartAs(ChartHost& host, const QString& name);
bool SaveValuesAs(QWidget* parent, const QString& csv, const QString& name);

// Asks for a printer and prints the chart with `heading` above it; `name`
// names the print job (and the file of a print to PDF).
bool PrintChart(ChartHost& host, const QString& heading, const QString& name);

// Draws a printed page into `page` (painter coordinates from the paper's
// corner): the heading line at the top, the chart below it, enlarged by a
// whole factor (each pixel a block of device pixels, no smoothing) to the
// widest that fits the page width, at a multiple of that factor.
void PaintChartPage(QPainter& painter, const QRect& page, const QImage& chart, const QString& heading);

// What the save dialogs keep for the session.
struct TSaveSession {
    QString Folder;         // of the last file written
    QString PictureFilter;  // the type of the last picture written
};
[[nodiscard]] TSaveSession& SaveSession();
