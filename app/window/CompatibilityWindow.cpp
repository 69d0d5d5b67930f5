#include "CompatibilityWindow.h"

#include "Application.h"
#include "ChartExtras.h"
#include "ChartHost.h"
#include "ChartOutput.h"
#include "ChartSetup.h"
#include "People.h"
#include "Series.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr char kTitle[] = "Compatibility";

QString PersonLabel(const TComparedPerson& person) {
    return person.Name.isEmpty() ? LongDateText(person.Birth) : person.Name;
}

QString PersonText(const TComparedPerson& person) {
    return person.Name.isEmpty() ? LongDateText(person.Birth)
                                 : QStringLiteral("%1 (%2)").arg(Isolated(person.Name), LongDateText(person.Birth));
}

// Holds a chart and shows by a frame around it when the chart has the
// keyboard focus, which its own picture cannot show.
class TFocusFrame : public QWidget {
public:
    explicit TFocusFrame(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        const QWidget* chart = findChild<QWidget*>();
        if (!chart || !chart->hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

}  // namespace

TCompatibilityWindow::TCompatibilityWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Compatibility"));
    setWindowTitle(QString::fromLatin1(kTitle));
    CreateControls();
    CreateShortcuts();
}

TCompatibilityWindow::~TCompatibilityWindow() = default;

void TCompatibilityWindow::CreateControls() {
    Heading = new QLabel(this);
    Heading->setObjectName(QStringLiteral("Heading"));
    Heading->setWordWrap(true);
    Heading->setTextFormat(Qt::PlainText);

    const auto newHost = [this](const char* name, QSize size) {
        auto* frame = new TFocusFrame(this);
        auto* host = new ChartHost(frame);
        host->setObjectName(QString::fromLatin1(name));
        host->setMinimumSize(size);
        host->setFocusPolicy(Qt::StrongFocus);
        host->installEventFilter(this);
        auto* inside = new QVBoxLayout(frame);
        inside->setContentsMargins(2, 2, 2, 2);
        inside->addWidget(host);
        return host;
    };
    BarsHost = newHost("CompatibilityChart", {776, 260});
    ConfigureCompatibilityChart(BarsHost->Chart());
    LinesHost = newHost("ComparisonChart", {776, 330});
    ConfigureComparisonChart(LinesHost->Chart());

    CycleList = new QComboBox(this);
    CycleList->setObjectName(QStringLiteral("CycleList"));
    for (int k = 0; k < CycleCount; ++k)
        CycleList->addItem(QLatin1String(CycleTable[static_cast<std::size_t>(k)].Label));
    auto* cycleLabel = new QLabel(QStringLiteral("&Cycle over 30 days:"), this);
    cycleLabel->setBuddy(CycleList);
    QObject::connect(CycleList, &QComboBox::currentIndexChanged, this,
                     [this](int index) { TApplication::Guard([this, index] { SetCycle(index); }); });

    auto* cycleRow = new QHBoxLayout;
    cycleRow->addWidget(cycleLabel);
    cycleRow->addWidget(CycleList);
    cycleRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading);
    layout->addWidget(BarsHost->parentWidget(), 5);
    layout->addLayout(cycleRow);
    layout->addWidget(LinesHost->parentWidget(), 6);
    setTabOrder(CycleList, BarsHost);
    setTabOrder(BarsHost, LinesHost);
    CycleList->setFocus();

    BarsHost->setAccessibleName(QStringLiteral("Compatibility"));
    LinesHost->setAccessibleName(QStringLiteral("Cycle over 30 days"));
}

void TCompatibilityWindow::CreateShortcuts() {
    const auto add = [this](const QKeySequence& keys, auto&& slot) {
        auto* action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, this, [slot] { TApplication::Guard(slot); });
        addAction(action);
    };
    add(QKeySequence::Copy, [this] { CopyChart(FocusedHost()); });
    add(QKeySequence::Save, [this] { SaveChart(FocusedHost()); });
    add(QKeySequence::Print, [this] { Print(FocusedHost()); });
    add(QKeySequence(Qt::Key_Escape), [this] { close(); });
}

// ---------------------------------------------------------------------------
// Contents

void TCompatibilityWindow::Compare(const TComparedPerson& first, const TComparedPerson& second, TDaySerial day) {
    m_people[0] = first;
    m_people[1] = second;
    m_comparison.Labels[0] = PersonLabel(first);
    m_comparison.Labels[1] = PersonLabel(second);
    m_comparison.Values = Compatibility(first.Birth, second.Birth);
    const int days = m_comparison.Values.Days;
    Heading->setText((days == 1 ? QStringLiteral("%1 and %2: born 1 day apart")
                                : QStringLiteral("%1 and %2: born %3 days apart"))
                         .arg(PersonText(first), PersonText(second), QString::number(days)));
    FillBars();
    SetDay(day);
}

void TCompatibilityWindow::SetDay(TDaySerial day) {
    for (int p = 0; p < 2; ++p)
        m_comparison.Tables[p] = DayTable(m_people[p].Birth, day);
    FillLines();
}

void TCompatibilityWindow::SetCycle(int cycle) {
    if (cycle < 0 || cycle >= CycleCount)
        return;
    m_comparison.Cycle = cycle;
    if (CycleList->currentIndex() != cycle)
        CycleList->setCurrentIndex(cycle);
    FillLines();
}

void TCompatibilityWindow::FillBars() {
    TChartSeries& bars = *BarsHost->Chart().SeriesList()[0];
    bars.ClearPoints();
    for (std::size_t k = 0; k < CycleCount; ++k)
        bars.AppendPoint(m_comparison.Values.Values[k], CycleTable[k].Label, CycleTable[k].BarColor);
    bars.AppendPoint(m_comparison.Values.Average, CycleTable[CycleCount].Label, CycleTable[CycleCount].BarColor);
    BarsHost->setAccessibleDescription(CompatibilityDescription(m_comparison));
}

void TCompatibilityWindow::FillLines() {
    const std::size_t k = static_cast<std::size_t>(m_comparison.Cycle);
    const TChartSeriesList& list = LinesHost->Chart().SeriesList();
    for (int p = 0; p < 2; ++p) {
        TChartSeries& line = *list[p];
        line.ClearPoints();
        line.SetSeriesColor(CycleTable[k].LineColor);
        line.SetTitle(m_comparison.Labels[p].toStdString());
        for (const TScoreRow& row : m_comparison.Tables[p].Rows)
            line.AddPoint(row.Day, row.Scores[k]);
    }
    LinesHost->setAccessibleDescription(ComparisonDescription(m_comparison));
}

// ---------------------------------------------------------------------------
// Tooltips and the menu

bool TCompatibilityWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* host = watched == BarsHost || watched == LinesHost ? static_cast<ChartHost*>(watched) : nullptr;
    if (!host)
        return false;
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        host->parentWidget()->update();
    if (event->type() == QEvent::ContextMenu) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        OpenMenu(*host, menu->reason() == QContextMenuEvent::Keyboard ? host->mapToGlobal(host->rect().center())
                                                                      : menu->globalPos());
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Menu && !(key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier))
            return false;
        OpenMenu(*host, host->mapToGlobal(host->rect().center()));
        return true;
    }
    if (event->type() == QEvent::ToolTip) {
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

QString TCompatibilityWindow::ToolTipAt(const ChartHost& host, QPoint pos, QRect* area) const {
    if (&host == BarsHost) {
        const int bar = BarAt(host.Chart(), pos, area);
        return bar < 0 ? QString() : CompatibilityToolTip(m_comparison, bar);
    }
    const int row = DayRowAt(host.Chart(), m_comparison.Tables[0].Rows.front().Day, pos, area);
    return row < 0 ? QString() : ComparisonToolTip(m_comparison, row);
}

ChartHost& TCompatibilityWindow::FocusedHost() const {
    return LinesHost->hasFocus() ? *LinesHost : *BarsHost;
}

void TCompatibilityWindow::OpenMenu(ChartHost& host, QPoint globalPos) {
    QToolTip::hideText();
    std::unique_ptr<QMenu> menu(CreateMenu(host));
    menu->exec(globalPos);
}

QMenu* TCompatibilityWindow::CreateMenu(ChartHost& host) {
    auto* menu = new QMenu(&host);
    menu->setObjectName(QStringLiteral("CompatibilityMenu"));
    ChartHost* target = &host;
    const auto add = [&](const char* name, const QString& text, const QKeySequence& keys, auto&& slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        QObject::connect(action, &QAction::triggered, this, [slot] { TApplication::Guard(slot); });
    };
    add("CopyChart", QStringLiteral("&Copy chart"), QKeySequence::Copy, [this, target] { CopyChart(*target); });
    add("SaveChart", QStringLiteral("&Save chart as\u2026"), QKeySequence::Save, [this, target] { SaveChart(*target); });
    add("SaveValues", QStringLiteral("Save &values as\u2026"), {}, [this, target] { SaveValues(*target); });
    add("Print", QStringLiteral("&Print\u2026"), QKeySequence::Print, [this, target] { Print(*target); });
    return menu;
}

// ---------------------------------------------------------------------------
// Pictures, values and printing

void TCompatibilityWindow::CopyChart(ChartHost& host) {
    ::CopyChart(host);
}

bool TCompatibilityWindow::SaveChart(ChartHost& host) {
    return SaveChartAs(host, FileName(host));
}

bool TCompatibilityWindow::SaveValues(ChartHost& host) {
    return SaveValuesAs(this, &host == BarsHost ? CompatibilityCsv(m_comparison.Values) : ComparisonCsv(m_comparison),
                        FileName(host));
}

QString TCompatibilityWindow::PrintHeading() const {
    return QStringLiteral("%1 \u2013 %2").arg(QString::fromLatin1(kTitle), Heading->text());
}

QString TCompatibilityWindow::FileName(const ChartHost& host) const {
    const QString pair = QStringLiteral("compatibility-%1-%2")
                             .arg(IsoDateText(m_comparison.Tables[0].Birth), IsoDateText(m_comparison.Tables[1].Birth));
    if (&host == BarsHost)
        return pair;
    return QStringLiteral("%1-%2-%3")
        .arg(pair, IsoDateText(m_comparison.Tables[0].Today),
             QString::fromLatin1(CycleTable[static_cast<std::size_t>(m_comparison.Cycle)].Label).toLower());
}

bool TCompatibilityWindow::Print(ChartHost& host) {
    return PrintChart(host, PrintHeading(), FileName(host));
}
