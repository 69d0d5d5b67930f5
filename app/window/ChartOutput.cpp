#include "ChartOutput.h"

#include "Application.h"
#include "ChartHost.h"
#include "Dialogs.h"
#include "MessageBoxes.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

#include <functional>

namespace {

const QString kPngFilter = QStringLiteral("PNG image (*.png)");
const QString kBmpFilter = QStringLiteral("BMP image (*.bmp)");

QString StartFolder(QStandardPaths::StandardLocation usual) {
    for (const QString& folder : {SaveSession().Folder, QStandardPaths::writableLocation(usual)}) {
        if (OrdinaryWritableFolder(folder))
            return folder;
    }
    return QDir::homePath();
}

// Writes through a temporary, so that a failed write leaves an old file whole.
bool WriteFile(const QString& file, QIODevice::OpenMode mode, const std::function<bool(QIODevice&)>& write) {
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly | mode) && write(out) && out.commit()) {
        SaveSession().Folder = QFileInfo(file).absolutePath();
        return true;
    }
    ShowMessageBox({TApplication::Title(), QStringLiteral("The file %1 could not be written.").arg(file),
                    TMessageIcon::miStop});
    return false;
}

}  // namespace

TSaveSession& SaveSession() {
    static TSaveSession session;
    return session;
}

QImage ChartImage(ChartHost& host) {
    return host.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void CopyChart(ChartHost& host) {
    QGuiApplication::clipboard()->setImage(ChartImage(host));
}

bool SaveChartAs(ChartHost& host, const QString& name) {
    TSaveDialog dialog;
    dialog.setTitle(QStringLiteral("Save Chart"));
    dialog.setNameFilters({kPngFilter, kBmpFilter});
    const QString filter = SaveSession().PictureFilter.isEmpty() ? kPngFilter : SaveSession().PictureFilter;
    dialog.selectNameFilter(filter);
    dialog.setDirectory(StartFolder(QStandardPaths::PicturesLocation));
    dialog.SetSelectedFile(name + u'.' + TSaveDialog::FilterSuffix(filter));
    if (!dialog.Execute(host.window()))
        return false;
    const QString file = dialog.selectedFile();
    const bool bmp = QFileInfo(file).suffix().compare(QStringLiteral("bmp"), Qt::CaseInsensitive) == 0;
    SaveSession().PictureFilter = bmp ? kBmpFilter : kPngFilter;
    const QImage image = ChartImage(host);
    return WriteFile(file, {}, [&](QIODevice& out) { return image.save(&out, bmp ? "BMP" : "PNG"); });
}

bool SaveValuesAs(QWidget* parent, const QString& csv, const QString& name) {
    TSaveDialog dialog;
    dialog.setTitle(QStringLiteral("Save Values"));
    dialog.setNameFilters({QStringLiteral("CSV (*.csv)")});
    dialog.setDirectory(StartFolder(QStandardPaths::DocumentsLocation));
    dialog.SetSelectedFile(name + QStringLiteral(".csv"));
    if (!dialog.Execute(parent))
        return false;
    return WriteFile(dialog.selectedFile(), QIODevice::Text,
                     [&](QIODevice& out) { return out.write(csv.toUtf8()) >= 0; });
}

bool PrintChart(ChartHost& host, const QString& heading, const QString& name) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(name);
    // Painted from the paper's corner, so that the chart can lie on the grid
    // of its own enlarged pixels (see PaintChartPage).
    printer.setFullPage(true);
    TPrintDialog dialog;
    if (!dialog.Execute(host.window(), printer))
        return false;
    const QImage image = ChartImage(host);
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowMessageBox({TApplication::Title(), QStringLiteral("The chart could not be printed."), TMessageIcon::miStop});
        return false;
    }
    PaintChartPage(painter, printer.pageLayout().paintRectPixels(printer.resolution()), image, heading);
    painter.end();
    return true;
}

void PaintChartPage(QPainter& painter, const QRect& page, const QImage& chart, const QString& heading) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int lineHeight = painter.fontMetrics().height();
    painter.drawText(QRect(page.left(), page.top(), page.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter, heading);

    const int top = page.top() + lineHeight + lineHeight / 2;
    if (chart.isNull() || chart.width() <= 0)
        return;
    // Without it a PDF (and so a print) takes the picture as JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int factor = page.width() / chart.width();
    if (factor >= 1) {
        // Centred, then moved onto a multiple of the factor: a renderer (or
        // a printer) at the page's resolution divided by the factor then
        // finds every chart pixel on one of its own.
        const int centred = page.left() + (page.width() - factor * chart.width()) / 2;
        int left = (centred + factor - 1) / factor * factor;
        if (left + factor * chart.width() > page.right() + 1)
            left -= factor;
        const QRect target(left, (top + factor - 1) / factor * factor, factor * chart.width(), factor * chart.height());
        painter.drawImage(target, chart);
    } else {
        // A page narrower than the chart: shrunk to fit, the one case that cannot stay sharp.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        const QImage fit = chart.scaledToWidth(page.width(), Qt::SmoothTransformation);
        painter.drawImage(QPoint(page.left(), top), fit);
    }
}
