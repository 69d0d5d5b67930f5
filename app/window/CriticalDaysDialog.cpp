#include "CriticalDaysDialog.h"

#include "Application.h"
#include "ChartTexts.h"
#include "CriticalTexts.h"
#include "Dialogs.h"
#include "MessageBoxes.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {

TCriticalDaysDialog::THandler& Handler() {
    static TCriticalDaysDialog::THandler handler;
    return handler;
}

// Sorted by a number kept with the cell rather than by its text.
class TSortedItem : public QTableWidgetItem {
public:
    TSortedItem(const QString& text, qint64 key) : QTableWidgetItem(text) { setData(Qt::UserRole, key); }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole).toLongLong() < other.data(Qt::UserRole).toLongLong();
    }
};

// Ties of weekday or cycle count keep the date order.
constexpr qint64 kDayKeys = 10'000'000;

const QColor kHighlight(255, 226, 150);

}  // namespace

TCriticalDaysDialog::TCriticalDaysDialog(TDaySerial birth, TDaySerial from, TSaveDialog& saveDialog, QWidget* parent)
    : QDialog(parent), m_birth(birth), m_from(from), m_saveDialog(saveDialog) {
    setObjectName(QStringLiteral("CriticalDaysDialog"));
    setWindowTitle(QStringLiteral("Critical days ahead"));

    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("Heading"));
    m_heading->setWordWrap(true);

    m_span = new QComboBox(this);
    m_span->setObjectName(QStringLiteral("Span"));
    for (int days : CriticalSpans)
        m_span->addItem(QStringLiteral("%1 days").arg(days), days);
    auto* spanLabel = new QLabel(QStringLiteral("&Look ahead:"), this);
    spanLabel->setBuddy(m_span);

    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(QStringLiteral("Table"));
    m_table->setAccessibleName(QStringLiteral("Critical days"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Weekday"), QStringLiteral("Cycles")});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setTabKeyNavigation(false);
    m_table->installEventFilter(this);

    auto* note = new QLabel(QStringLiteral("Days on which two or more cycles are critical are highlighted."), this);
    note->setWordWrap(true);

    auto* copy = new QPushButton(QStringLiteral("&Copy"), this);
    copy->setObjectName(QStringLiteral("Copy"));
    copy->setToolTip(QStringLiteral("Copies the table as text (Ctrl+C copies the selected rows)"));
    auto* exportButton = new QPushButton(QStringLiteral("&Export to calendar\u2026"), this);
    exportButton->setObjectName(QStringLiteral("Export"));
    exportButton->setToolTip(QStringLiteral("Writes the days as events of an iCalendar file"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Cl&ose"));
    buttons->addButton(copy, QDialogButtonBox::ActionRole);
    buttons->addButton(exportButton, QDialogButtonBox::ActionRole);
    for (QPushButton* button : {copy, exportButton})
        button->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);

    auto* spanRow = new QHBoxLayout;
    spanRow->addWidget(spanLabel);
    spanRow->addWidget(m_span);
    spanRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addLayout(spanRow);
    layout->addWidget(m_table, 1);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(520, 440);

    connect(m_span, &QComboBox::currentIndexChanged, this, [this] { TApplication::Guard([this] { Fill(); }); });
    connect(copy, &QPushButton::clicked, this, [this] { CopyTable(false); });
    connect(exportButton, &QPushButton::clicked, this, [this] { TApplication::Guard([this] { ExportToCalendar(); }); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_table->sortByColumn(0, Qt::AscendingOrder);
    Fill();
}

void TCriticalDaysDialog::Open(TDaySerial birth, TDaySerial from, TSaveDialog& saveDialog, QWidget* parent) {
    TCriticalDaysDialog dialog(birth, from, saveDialog, parent);
    if (const THandler& handler = Handler())
        handler(dialog);
    else
        dialog.exec();
}

TCriticalDaysDialog::THandler TCriticalDaysDialog::SetHandler(THandler handler) {
    THandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

int TCriticalDaysDialog::Span() const {
    return m_span->currentData().toInt();
}

void TCriticalDaysDialog::SetSpan(int days) {
    const int index = m_span->findData(days);
    if (index >= 0)
        m_span->setCurrentIndex(index);
}

void TCriticalDaysDialog::Fill() {
    static const TDaySerial lastDay = DateToSerial(9999, 12, 31);
    m_days = CriticalDaysAhead(m_birth, m_from, Span());
    const int count = static_cast<int>(m_days.size());
    const QString days = count == 1 ? QStringLiteral("1 critical day") : QStringLiteral("%1 critical days").arg(count);
    m_heading->setText(QStringLiteral("Birth date %1: %2 from %3 to %4.")
                           .arg(LongDateText(m_birth), days, LongDateText(m_from),
                                LongDateText(std::min(AddDays(m_from, Span() - 1), lastDay))));

    // Rows are placed unsorted, then sorted again as the user last chose.
    m_table->setSortingEnabled(false);
    m_table->setRowCount(count);
    QFont bold = m_table->font();
    bold.setBold(true);
    for (int row = 0; row < count; ++row) {
        const TCriticalDay& day = m_days[static_cast<std::size_t>(row)];
        const auto key = static_cast<qint64>(day.Day);
        QTableWidgetItem* items[] = {
            new TSortedItem(LongDateText(day.Day), key),
            new TSortedItem(WeekdayName(day.Day), WeekdayIndex(day.Day) * kDayKeys + key),
            new TSortedItem(CriticalCycleNames(day), day.Count() * kDayKeys + key),
        };
        for (int column = 0; column < 3; ++column) {
            QTableWidgetItem* item = items[column];
            if (day.Count() >= 2) {
                item->setBackground(kHighlight);
                item->setForeground(Qt::black);
                item->setFont(bold);
            }
            m_table->setItem(row, column, item);
        }
    }
    m_table->setSortingEnabled(true);
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
}

QString TCriticalDaysDialog::TableText(bool selectedOnly) const {
    std::set<int> selected;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        selected.insert(index.row());
    QString text = QStringLiteral("Date\tWeekday\tCycles\n");
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (selectedOnly && !selected.empty() && !selected.count(row))
            continue;
        text += m_table->item(row, 0)->text() + u'\t' + m_table->item(row, 1)->text() + u'\t' +
                m_table->item(row, 2)->text() + u'\n';
    }
    return text;
}

void TCriticalDaysDialog::CopyTable(bool selectedOnly) {
    QApplication::clipboard()->setText(TableText(selectedOnly));
}

bool TCriticalDaysDialog::eventFilter(QObject* watched, QEvent* event) {
    // The table's own Ctrl+C would copy one cell.
    if (watched == m_table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopyTable(true);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TCriticalDaysDialog::ExportToCalendar() {
    if (!m_saveDialog.ExecuteFor(this, QStringLiteral("ics"), {QStringLiteral("iCalendar Files (*.ics)")}))
        return false;
    const QString file = m_saveDialog.selectedFile();
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(CriticalDaysCalendar(m_birth, m_days, QDateTime::currentDateTimeUtc())) < 0 || !out.commit()) {
        ShowMessageBox({TApplication::Title(), QStringLiteral("The file %1 could not be written.").arg(file),
                        TMessageIcon::miStop});
        return false;
    }
    return true;
}
