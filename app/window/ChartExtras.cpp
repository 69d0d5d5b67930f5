#include "ChartExtras.h"

#include "Application.h"
#include "ChartHost.h"
#include "ChartTexts.h"
#include "Controls.h"
#include "Dialogs.h"
#include "Formatting.h"
#include "FPrincipal.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "Series.h"
#include "SpecialFolder.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTabBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

TChartExtras::TDayDialogHandler& DayDialogHandler() {
    static TChartExtras::TDayDialogHandler handler;
    return handler;
}

std::optional<QDate> ExecDayDialog(QWidget* parent, QDate initial) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("AnotherDayDialog"));
    dialog.setWindowTitle(QStringLiteral("Another day"));
    auto* edit = new QDateEdit(initial, &dialog);
    edit->setObjectName(QStringLiteral("Day"));
    edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edit->setCalendarPopup(true);
    edit->setMinimumDate(QDate(100, 1, 1));
    edit->setMaximumDate(QDate(9999, 12, 31));
    edit->setAccessibleName(QStringLiteral("Day to show"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->date();
}

QString WriteError(const QString& file) {
    return QStringLiteral("The file %1 could not be written.").arg(file);
}

}  // namespace

TChartExtras::TChartExtras(TPrincipal& window) : QObject(&window), m_window(window) {
    setObjectName(QStringLiteral("ChartExtras"));
    for (ChartHost* host : {m_window.ChartTodayHost, m_window.chart4weeksHost})
        host->installEventFilter(this);
    m_tabBar = m_window.PageControl2->TabBar();
    m_tabBar->installEventFilter(this);
    m_window.OnCalculated = [this] {
        ++m_calculations;
        UpdateDescriptions();
    };
    SetAccessibleNames();
    UpdateDescriptions();
}

TChartExtras::TDayDialogHandler TChartExtras::SetDayDialogHandler(TDayDialogHandler handler) {
    TDayDialogHandler previous = std::move(DayDialogHandler());
    DayDialogHandler() = std::move(handler);
    return previous;
}

// ---------------------------------------------------------------------------
// Events

bool TChartExtras::eventFilter(QObject* watched, QEvent* event) {
    // Decided on the event first: while the window is being destroyed its
    // children still send events here, and the window's fields are gone.
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ContextMenu && type != QEvent::ToolTip)
        return false;

    if (watched == m_tabBar) {
        bool menuKey = false;
        if (type == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            menuKey = key->key() == Qt::Key_Menu ||
                      (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        } else if (type == QEvent::ContextMenu) {
            menuKey = static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
        }
        if (!menuKey)
            return false;
        ChartHost& host = ActiveHost();
        OpenMenu(host, host.mapToGlobal(host.rect().center()));
        return true;
    }

    auto* host = dynamic_cast<ChartHost*>(watched);
    if (!host)
        return false;
    if (type == QEvent::ContextMenu) {
        OpenMenu(*host, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (type == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QRect area;
        const QString text = ToolTipAt(*host, help->pos(), &area);
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, host, area);
        return true;
    }
    return false;
}

ChartHost& TChartExtras::ActiveHost() const {
    return m_window.PageControl2->ActivePageIndex() == 1 ? *m_window.chart4weeksHost : *m_window.ChartTodayHost;
}

// ---------------------------------------------------------------------------
// Tooltips

QString TChartExtras::ToolTipAt(const ChartHost& host, QPoint pos, QRect* area) const {
    const std::optional<TDayTable>& table = m_window.Table();
    const TChart& chart = host.Chart();
    if (!table || chart.SeriesList().Count() == 0 || chart.SeriesList()[0]->PointCount() == 0)
        return {};
    const TRect r = chart.ChartRect();
    if (pos.x() < r.left || pos.x() >= r.right || pos.y() < r.top || pos.y() >= r.bottom)
        return {};

    if (&host == m_window.ChartTodayHost) {
        const auto* bars = dynamic_cast<const TBarSeries*>(chart.SeriesList()[0]);
        if (!bars || bars->FirstVisible() < 0)
            return {};
        // The bar under the mouse, or else the bar whose columns it is in, so
        // that a short bar is as easy to point at as a tall one.
        int index = bars->PointAt(pos.x(), pos.y());
        for (int i = bars->FirstVisible(); index < 0 && i <= bars->LastVisible(); ++i) {
            const int left = bars->ScreenX(i);
            if (pos.x() >= left && pos.x() <= left + bars->BarPixelWidth())
                index = i;
        }
        if (index < 0 || index > CycleCount)
            return {};
        if (area) {
            const int left = bars->ScreenX(index);
            *area = QRect(QPoint(left, r.top), QPoint(left + bars->BarPixelWidth(), r.bottom - 1));
        }
        return TodayToolTip(*table, index);
    }

    const TChartAxis& axis = *chart.BottomAxis();
    const double first = table->Rows.front().Day;
    const double offset = axis.PixelToValue(pos.x()) - first;
    if (!std::isfinite(offset))
        return {};
    const int row = static_cast<int>(std::lround(offset));
    if (row < 0 || row >= FourWeekDays)
        return {};
    if (area) {
        const int left = axis.ValueToPixel(first + row - 0.5);
        const int right = axis.ValueToPixel(first + row + 0.5);
        *area = QRect(QPoint(std::min(left, right), r.top), QPoint(std::max(left, right), r.bottom - 1));
    }
    return FourWeekToolTip(*table, row);
}

// ---------------------------------------------------------------------------
// Menu

void TChartExtras::OpenMenu(ChartHost& host, QPoint globalPos) {
    QToolTip::hideText();
    std::unique_ptr<QMenu> menu(CreateMenu(host));
    menu->exec(globalPos);
}

QMenu* TChartExtras::CreateMenu(ChartHost& host) {
    auto* menu = new QMenu(&host);
    menu->setObjectName(QStringLiteral("ChartMenu"));
    const bool calculated = m_window.Table().has_value();
    ChartHost* target = &host;
    const auto add = [&](const char* name, const QString& text, bool needsCalculation, auto&& slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(calculated || !needsCalculation);
        QObject::connect(action, &QAction::triggered, this, [slot] { TApplication::Guard(slot); });
        return action;
    };
    add("CopyChart", QStringLiteral("&Copy chart"), true, [this, target] { CopyChart(*target); });
    add("SaveChart", QStringLiteral("&Save chart as\u2026"), true, [this, target] { SaveChart(*target); });
    add("SaveValues", QStringLiteral("Save &values as\u2026"), true, [this] { SaveValues(); });
    add("Print", QStringLiteral("&Print\u2026"), true, [this, target] { Print(*target); });
    menu->addSeparator();
    add("AnotherDay", QStringLiteral("&Another day\u2026"), false, [this] { AnotherDay(); });
    add("PreviousDay", QStringLiteral("P&revious day"), true, [this] { StepDay(-1); });
    add("NextDay", QStringLiteral("&Next day"), true, [this] { StepDay(1); });
    QAction* today = add("Today", QStringLiteral("&Today"), true, [this] { ShowDay(std::nullopt); });
    today->setEnabled(calculated && m_window.ReferenceDay().has_value());
    if (&host == m_window.ChartTodayHost) {
        menu->addSeparator();
        QAction* values = add("ShowValues", QStringLiteral("Show &values"), true, [] {});
        values->setCheckable(true);
        values->setChecked(ValuesShown());
        QObject::connect(values, &QAction::toggled, this, [this](bool on) { SetValuesShown(on); });
    }
    return menu;
}

// ---------------------------------------------------------------------------
// Pictures, values and printing

QImage TChartExtras::ChartImage(ChartHost& host) {
    return host.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void TChartExtras::CopyChart(ChartHost& host) {
    QGuiApplication::clipboard()->setImage(ChartImage(host));
}

bool TChartExtras::SaveChart(ChartHost& host) {
    TSaveDialog& dialog = *m_window.SaveDialog;
    const QStringList filters = dialog.nameFilters();
    if (dialog.directory() == QString::fromStdString(FallbackFolderPath())) {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (!pictures.isEmpty() && QDir(pictures).exists())
            dialog.setDirectory(pictures);
    }
    dialog.setNameFilters({filters.value(0, QStringLiteral(".BMP Files (*.bmp)")), QStringLiteral("PNG Files (*.png)")});
    const bool accepted = dialog.Execute(&m_window);
    dialog.setNameFilters(filters);
    if (!accepted || dialog.selectedFile().isEmpty())
        return false;
    const QString file = dialog.selectedFile();
    const char* format = file.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ? "PNG" : "BMP";
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || !ChartImage(host).save(&out, format) || !out.commit()) {
        ShowMessageBox({TApplication::Title(), WriteError(file), TMessageIcon::miStop});
        return false;
    }
    return true;
}

bool TChartExtras::SaveValues() {
    const std::optional<TDayTable>& table = m_window.Table();
    if (!table)
        return false;
    TSaveDialog& dialog = *m_window.SaveDialog;
    const QString suffix = dialog.defaultSuffix();
    const QStringList filters = dialog.nameFilters();
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setNameFilters({QStringLiteral("CSV Files (*.csv)")});
    const bool accepted = dialog.Execute(&m_window);
    dialog.setDefaultSuffix(suffix);
    dialog.setNameFilters(filters);
    if (!accepted || dialog.selectedFile().isEmpty())
        return false;
    const QString file = dialog.selectedFile();
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text) || out.write(ValuesCsv(*table).toUtf8()) < 0 ||
        !out.commit()) {
        ShowMessageBox({TApplication::Title(), WriteError(file), TMessageIcon::miStop});
        return false;
    }
    return true;
}

QString TChartExtras::PageCaption(const ChartHost& host) const {
    const int page = &host == m_window.chart4weeksHost ? 1 : 0;
    return m_window.PageControl2->TabBar()->tabText(page).trimmed();
}

QString TChartExtras::PrintHeading(const ChartHost& host) const {
    const std::optional<TDayTable>& table = m_window.Table();
    if (!table)
        return PageCaption(host);
    return QStringLiteral("%1 \u2013 birth date %2, day shown %3")
        .arg(PageCaption(host), LongDateText(table->Birth), LongDateText(table->Today));
}

bool TChartExtras::Print(ChartHost& host) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PageCaption(host));
    if (!m_window.PrintDialog->Execute(&m_window, printer))
        return false;
    const QImage image = ChartImage(host);
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowMessageBox({TApplication::Title(), QStringLiteral("The chart could not be printed."), TMessageIcon::miStop});
        return false;
    }
    const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    PaintChartPage(painter, page, image, PrintHeading(host));
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
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int factor = page.width() / chart.width();
    if (factor >= 1) {
        const QRect target(page.left() + (page.width() - factor * chart.width()) / 2, top, factor * chart.width(),
                           factor * chart.height());
        painter.drawImage(target, chart);
    } else {
        // A page narrower than the chart: shrunk to fit, the one case that cannot stay sharp.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        const QImage fit = chart.scaledToWidth(page.width(), Qt::SmoothTransformation);
        painter.drawImage(QPoint(page.left(), top), fit);
    }
}

// ---------------------------------------------------------------------------
// Another day

void TChartExtras::ShowDay(std::optional<TDaySerial> day) {
    const std::optional<TDaySerial> previous = m_window.ReferenceDay();
    m_window.SetReferenceDay(day);
    const int before = m_calculations;
    TApplication::Guard([this] { m_window.bCalculateClick(); });
    if (m_calculations == before)
        m_window.SetReferenceDay(previous);
}

void TChartExtras::StepDay(int days) {
    const std::optional<TDayTable>& table = m_window.Table();
    if (!table)
        return;
    ShowDay(AddDays(table->Today, days));
}

void TChartExtras::AnotherDay() {
    const std::optional<TDayTable>& table = m_window.Table();
    const TDaySerial shown = table ? table->Today : m_window.ReferenceDay().value_or(Today());
    const QDate initial = SerialToQDate(shown).value_or(QDate::currentDate());
    const TDayDialogHandler& handler = DayDialogHandler();
    const std::optional<QDate> chosen = handler ? handler(initial) : ExecDayDialog(&m_window, initial);
    if (!chosen || !chosen->isValid())
        return;
    ShowDay(QDateToSerial(*chosen));
}

// ---------------------------------------------------------------------------
// Values on the bars

bool TChartExtras::ValuesShown() const {
    return m_window.ChartToday->SeriesList()[0]->Marks().Visible();
}

void TChartExtras::SetValuesShown(bool shown) {
    m_window.ChartToday->SeriesList()[0]->Marks().SetVisible(shown);
}

// ---------------------------------------------------------------------------
// Accessibility

void TChartExtras::SetAccessibleNames() {
    m_window.ChartTodayHost->setAccessibleName(PageCaption(*m_window.ChartTodayHost));
    m_window.chart4weeksHost->setAccessibleName(PageCaption(*m_window.chart4weeksHost));
    m_window.cDia->setAccessibleName(QStringLiteral("Day of birth"));
    m_window.cMes->setAccessibleName(QStringLiteral("Month of birth"));
    m_window.cAnne->setAccessibleName(QStringLiteral("Year of birth"));
    m_window.bCalculate->setAccessibleName(QStringLiteral("Calculate"));
    m_window.bCalculate->setAccessibleDescription(m_window.bCalculate->toolTip());
    const QString site = QStringLiteral("Opens the website %1").arg(TPrincipal::WebAddress());
    m_window.Image1->setAccessibleName(QStringLiteral("Biorhythm charts"));
    m_window.Image1->setAccessibleDescription(site);
    m_window.Image2->setAccessibleName(QStringLiteral("Logo"));
    m_window.Image2->setAccessibleDescription(site);
    m_window.cLink->setAccessibleName(TPrincipal::WebAddress());
    m_window.cLink->setAccessibleDescription(site);
}

void TChartExtras::UpdateDescriptions() {
    const std::optional<TDayTable>& table = m_window.Table();
    const QString empty = QStringLiteral("No values yet: choose a birth date and press Calculate.");
    m_window.ChartTodayHost->setAccessibleDescription(table ? TodayDescription(*table) : empty);
    m_window.chart4weeksHost->setAccessibleDescription(table ? FourWeekDescription(*table) : empty);
}
