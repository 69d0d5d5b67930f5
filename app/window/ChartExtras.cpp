#include "ChartExtras.h"

#include "Application.h"
#include "ChartHost.h"
#include "ChartOutput.h"
#include "ChartTexts.h"
#include "Controls.h"
#include "CycleChoice.h"
#include "Cycles.h"
#include "Formatting.h"
#include "FPrincipal.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "Series.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

TChartExtras::TDayDialogHandler& DayDialogHandler() {
    static TChartExtras::TDayDialogHandler handler;
    return handler;
}

QString DayRangeText() {
    return TChartExtras::tr("from %1 to %2").arg(LongDateText(FirstFourWeekDay()), LongDateText(LastFourWeekDay()));
}

std::optional<QDate> ExecDayDialog(QWidget* parent, QDate initial) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("AnotherDayDialog"));
    dialog.setWindowTitle(TChartExtras::tr("Another day"));
    auto* edit = new QDateEdit(initial, &dialog);
    edit->setObjectName(QStringLiteral("Day"));
    edit->setDisplayFormat(DateEditFormat());
    edit->setCalendarPopup(true);
    // The date edit itself goes no further back than year 100.
    edit->setDateRange(std::max(QDate(100, 1, 1), *SerialToQDate(FirstFourWeekDay())), *SerialToQDate(LastFourWeekDay()));
    edit->setAccessibleName(TChartExtras::tr("Day to show"));
    auto* range = new QLabel(TChartExtras::tr("A day from %1 to %2: the 4-week chart shows the 15 days before it "
                                              "and the 14 after it.")
                                 .arg(edit->minimumDate().toString(DateEditFormat()),
                                      edit->maximumDate().toString(DateEditFormat())),
                             &dialog);
    range->setWordWrap(true);
    range->setBuddy(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(range);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->date();
}

// A tooltip of the charts' own: placed by ChartTipPosition, never wrapped,
// and transparent to the pointer, which passes on to the chart below it.
class TChartTip : public QLabel {
public:
    explicit TChartTip(QWidget* parent)
        : QLabel(parent, Qt::ToolTip | Qt::BypassGraphicsProxyWidget | Qt::WindowTransparentForInput) {
        setObjectName(QStringLiteral("ChartTip"));
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
        setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
        setIndent(1);
        setTextFormat(Qt::RichText);
        setWordWrap(false);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setWindowOpacity(style()->styleHint(QStyle::SH_ToolTipLabel_Opacity, nullptr, this) / 255.0);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        {
            QStylePainter painter(this);
            QStyleOptionFrame option;
            option.initFrom(this);
            painter.drawPrimitive(QStyle::PE_PanelTipLabel, option);
        }
        QLabel::paintEvent(event);
    }
};

}  // namespace

QPoint ChartTipPosition(const QRect& area, QPoint pointer, QSize size, const QRect& screen) {
    // Clear of the bar, and of the pointer's arrow when it rests on the bar's edge.
    constexpr int gap = 6, arrow = 16;
    int x = std::max(area.right() + 1 + gap, pointer.x() + arrow);
    if (x + size.width() > screen.right() + 1)
        x = std::min(area.left() - gap, pointer.x() - gap) - size.width();
    const int y = std::clamp(pointer.y() - size.height() / 2, screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {x, y};
}

TChartExtras::TChartExtras(TPrincipal& window) : QObject(&window), m_window(window) {
    setObjectName(QStringLiteral("ChartExtras"));
    for (ChartHost* host : {m_window.ChartTodayHost, m_window.chart4weeksHost}) {
        host->installEventFilter(this);
        // A click makes the chart the target of the keys; the tooltip follows the pointer.
        host->setFocusPolicy(Qt::ClickFocus);
        host->setMouseTracking(true);
    }
    QTabBar* tabBar = m_window.PageControl2->TabBar();
    // Clicked, the tabs take the focus, so the menu keys work right after.
    tabBar->setFocusPolicy(Qt::StrongFocus);
    tabBar->installEventFilter(this);
    m_tabBar = tabBar;
    m_window.OnCalculated = [this] {
        ++m_calculations;
        UpdateDescriptions();
    };
    m_cycles = new TCycleChoice(window);
    // Screen readers learn of a new caption (another day shown) only when told.
    connect(&m_window, &QWidget::windowTitleChanged, this, [this] {
        QAccessibleEvent changed(&m_window, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    });
    SetAccessibleNames();
    UpdateDescriptions();
}

void TChartExtras::AddMenuSection(TMenuSection section) {
    m_sections.push_back(std::move(section));
}

void TChartExtras::AddLastMenuSection(TMenuSection section) {
    m_lastSections.push_back(std::move(section));
}

TChartExtras::TDayDialogHandler TChartExtras::SetDayDialogHandler(TDayDialogHandler handler) {
    TDayDialogHandler previous = std::move(DayDialogHandler());
    DayDialogHandler() = std::move(handler);
    return previous;
}

const std::vector<TChartExtras::TCommand>& TChartExtras::Commands() {
    using E = TChartExtras;
    static const std::vector<TCommand> commands = {
        {"CopyChart", QT_TR_NOOP("&Copy chart"), {Qt::CTRL | Qt::Key_C}, TNeeds::Calculation,
         [](E&, ChartHost& host) { CopyChart(host); }},
        {"SaveChart", QT_TR_NOOP("&Save chart as\u2026"), {Qt::CTRL | Qt::Key_S}, TNeeds::Calculation,
         [](E& e, ChartHost& host) { SaveChartAs(host, e.PictureName(host)); }},
        {"SaveValues", QT_TR_NOOP("Save &values as\u2026"), {}, TNeeds::Calculation,
         [](E& e, ChartHost&) { e.SaveValues(); }},
        {"Print", QT_TR_NOOP("&Print\u2026"), {Qt::CTRL | Qt::Key_P}, TNeeds::Calculation,
         [](E& e, ChartHost& host) { PrintChart(host, e.PrintHeading(host), e.PictureName(host)); }},
        {nullptr, {}, {}, TNeeds::Nothing, {}},
        {"AnotherDay", QT_TR_NOOP("&Another day\u2026"), {}, TNeeds::Nothing, [](E& e, ChartHost&) { e.AnotherDay(); }},
        {"PreviousDay", QT_TR_NOOP("P&revious day"), {Qt::CTRL | Qt::Key_Left, Qt::ALT | Qt::Key_Left},
         TNeeds::Calculation, [](E& e, ChartHost&) { e.StepDay(-1); }},
        {"NextDay", QT_TR_NOOP("&Next day"), {Qt::CTRL | Qt::Key_Right, Qt::ALT | Qt::Key_Right},
         TNeeds::Calculation, [](E& e, ChartHost&) { e.StepDay(1); }},
        {"Today", QT_TR_NOOP("&Today"), {Qt::CTRL | Qt::Key_Home}, TNeeds::OtherDay,
         [](E& e, ChartHost&) { e.ShowDay(std::nullopt); }},
    };
    return commands;
}

bool TChartExtras::Enabled(TNeeds needs) const {
    const bool calculated = m_window.Table().has_value();
    return needs == TNeeds::Nothing || (calculated && (needs == TNeeds::Calculation || m_window.ReferenceDay()));
}

// ---------------------------------------------------------------------------
// Events

bool TChartExtras::event(QEvent* event) {
    // Sent on by the window once it has translated its own texts.
    if (event->type() == QEvent::LanguageChange) {
        SetAccessibleNames();
        UpdateDescriptions();
    }
    return QObject::event(event);
}

bool TChartExtras::eventFilter(QObject* watched, QEvent* event) {
    // The cycle choice sees the hosts' events through this filter, not one of
    // its own: with one more filter object on the hosts, the sanitizer build's
    // leak check crashed at exit scanning thread-local memory (a fault of the
    // sanitizer's runtime, reproducible with the program ended by SIGTERM).
    if (m_cycles && m_cycles->ChartEvent(watched, event))
        return true;
    // Decided on the event first: while the window is being destroyed its
    // children still send events here, and the window's fields are gone.
    const QEvent::Type type = event->type();
    if (watched == m_tabBar) {
        if (type == QEvent::KeyPress)
            return HandleKey(ActiveHost(), static_cast<const QKeyEvent&>(*event));
        if (type != QEvent::ContextMenu || static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Keyboard)
            return false;
        ChartHost& host = ActiveHost();
        OpenMenu(host, host.mapToGlobal(host.rect().center()));
        return true;
    }
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::ContextMenu:
    case QEvent::ToolTip:
    case QEvent::Wheel:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::Leave:
    case QEvent::Hide:
        break;
    default:
        return false;
    }
    auto* host = dynamic_cast<ChartHost*>(watched);
    return host && HostEvent(*host, event);
}

bool TChartExtras::HostEvent(ChartHost& host, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        HideTip();
        return HandleKey(host, static_cast<const QKeyEvent&>(*event));
    case QEvent::ContextMenu: {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        OpenMenu(host, menu->reason() == QContextMenuEvent::Mouse ? menu->globalPos()
                                                                  : host.mapToGlobal(host.rect().center()));
        return true;
    }
    case QEvent::ToolTip:
        ShowTip(host, static_cast<QHelpEvent*>(event)->pos());
        return true;
    case QEvent::MouseMove:
        // Once shown, the tip follows the pointer from bar to bar at once.
        if (m_tip && m_tip->isVisible() && m_tipHost == &host)
            ShowTip(host, static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const bool tipShown = m_tip && m_tip->isVisible();
        // A notch is 120; finer wheels add up to whole days. Turned away from
        // the user, the wheel goes back in time.
        m_wheel += wheel->angleDelta().y();
        const int days = -(m_wheel / 120);
        m_wheel %= 120;
        if (days != 0 && m_window.Table()) {
            StepDay(days);
            if (tipShown) {
                // The tip reads the axis, which the chart lays out as it draws;
                // the screen's paint then finds the drawing done.
                TApplication::Guard([&host] { host.Chart().HandlePaint(); });
                ShowTip(host, wheel->position().toPoint());
            }
        }
        return true;
    }
    default:
        HideTip();
        return false;
    }
}

bool TChartExtras::HandleKey(ChartHost& host, const QKeyEvent& key) {
    if (key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier)) {
        OpenMenu(host, host.mapToGlobal(host.rect().center()));
        return true;
    }
    const QKeyCombination pressed(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key()));
    for (const TCommand& command : Commands()) {
        if (!command.Keys.contains(pressed))
            continue;
        if (Enabled(command.Needs))
            TApplication::Guard([&] { command.Run(*this, host); });
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
    if (!table)
        return {};
    if (&host == m_window.ChartTodayHost) {
        const int bar = BarAt(host.Chart(), pos, area);
        return bar < 0 ? QString() : TodayToolTip(*table, bar);
    }
    const int row = DayRowAt(host.Chart(), table->Rows.front().Day, pos, area);
    return row < 0 ? QString() : FourWeekToolTip(*table, row);
}

namespace {

// The plotting rectangle of a chart that shows points, when pos lies in it.
std::optional<TRect> PointsRect(const TChart& chart, QPoint pos) {
    if (chart.SeriesList().Count() == 0 || chart.SeriesList()[0]->PointCount() == 0)
        return std::nullopt;
    const TRect r = chart.ChartRect();
    if (pos.x() < r.left || pos.x() >= r.right || pos.y() < r.top || pos.y() >= r.bottom)
        return std::nullopt;
    return r;
}

}  // namespace

int BarAt(const TChart& chart, QPoint pos, QRect* area) {
    const std::optional<TRect> r = PointsRect(chart, pos);
    const auto* bars = r ? dynamic_cast<const TBarSeries*>(chart.SeriesList()[0]) : nullptr;
    if (!bars || bars->FirstVisible() < 0)
        return -1;
    // The bar under the mouse, or else the bar whose columns it is in, so
    // that a short bar is as easy to point at as a tall one.
    int index = bars->PointAt(pos.x(), pos.y());
    for (int i = bars->FirstVisible(); index < 0 && i <= bars->LastVisible(); ++i) {
        const int left = bars->ScreenX(i);
        if (pos.x() >= left && pos.x() <= left + bars->BarPixelWidth())
            index = i;
    }
    if (index < 0 || index > CycleCount)
        return -1;
    if (area) {
        const int left = bars->ScreenX(index);
        *area = QRect(QPoint(left, r->top), QPoint(left + bars->BarPixelWidth(), r->bottom - 1));
    }
    return index;
}

int DayRowAt(const TChart& chart, TDaySerial first, QPoint pos, QRect* area) {
    const std::optional<TRect> r = PointsRect(chart, pos);
    if (!r)
        return -1;
    const TChartAxis& axis = *chart.BottomAxis();
    const double offset = axis.PixelToValue(pos.x()) - first;
    if (!std::isfinite(offset))
        return -1;
    const int row = static_cast<int>(std::lround(offset));
    if (row < 0 || row >= FourWeekDays)
        return -1;
    if (area) {
        const int left = axis.ValueToPixel(first + row - 0.5);
        const int right = axis.ValueToPixel(first + row + 0.5);
        *area = QRect(QPoint(std::min(left, right), r->top), QPoint(std::max(left, right), r->bottom - 1));
    }
    return row;
}

void TChartExtras::ShowTip(ChartHost& host, QPoint pos) {
    QRect area;
    const QString text = ToolTipAt(host, pos, &area);
    if (text.isEmpty()) {
        HideTip();
        return;
    }
    if (!m_tip)
        m_tip = new TChartTip(&m_window);
    const bool moved = !m_tip->isVisible() || m_tipHost != &host || area != m_tipArea || m_tip->text() != text;
    m_tipHost = &host;
    m_tipArea = area;
    if (!moved)
        return;
    m_tip->setText(text);
    m_tip->adjustSize();
    const QRect globalArea(host.mapToGlobal(area.topLeft()), area.size());
    const QScreen* screen = host.screen();
    const QRect bounds = screen ? screen->availableGeometry() : QRect(globalArea.topLeft(), QSize(1 << 14, 1 << 14));
    m_tip->move(ChartTipPosition(globalArea, host.mapToGlobal(pos), m_tip->size(), bounds));
    m_tip->show();
}

void TChartExtras::HideTip() {
    if (m_tip)
        m_tip->hide();
}

// ---------------------------------------------------------------------------
// Menu

void TChartExtras::OpenMenu(ChartHost& host, QPoint globalPos) {
    HideTip();
    QToolTip::hideText();
    std::unique_ptr<QMenu> menu(CreateMenu(host));
    menu->exec(globalPos);
}

QMenu* TChartExtras::CreateMenu(ChartHost& host) {
    auto* menu = new QMenu(&host);
    menu->setObjectName(QStringLiteral("ChartMenu"));
    ChartHost* target = &host;
    for (const TCommand& command : Commands()) {
        if (!command.Name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(tr(command.Text));
        action->setObjectName(QString::fromLatin1(command.Name));
        action->setEnabled(Enabled(command.Needs));
        // Shown in the menu; the keys themselves reach the charts and the tabs as key presses.
        action->setShortcuts(QList<QKeySequence>(command.Keys.begin(), command.Keys.end()));
        action->setShortcutContext(Qt::WidgetShortcut);
        const auto& run = command.Run;
        QObject::connect(action, &QAction::triggered, this,
                         [this, target, &run] { TApplication::Guard([&] { run(*this, *target); }); });
    }
    if (&host == m_window.ChartTodayHost) {
        menu->addSeparator();
        QAction* values = menu->addAction(tr("Sho&w values"));
        values->setObjectName(QStringLiteral("ShowValues"));
        values->setEnabled(Enabled(TNeeds::Calculation));
        values->setCheckable(true);
        values->setChecked(ValuesShown());
        QObject::connect(values, &QAction::toggled, this, [this](bool on) { SetValuesShown(on); });
    }
    for (const TMenuSection& section : m_sections)
        section(*menu, host);
    m_cycles->AddMenuItems(*menu);
    for (const TMenuSection& section : m_lastSections)
        section(*menu, host);
    return menu;
}

// ---------------------------------------------------------------------------
// Names, values and headings

void TChartExtras::SaveValues() {
    if (const std::optional<TDayTable>& table = m_window.Table())
        SaveValuesAs(&m_window, ValuesCsv(*table), FileNameStem(*table));
}

QString TChartExtras::PageCaption(const ChartHost& host) const {
    const int page = &host == m_window.chart4weeksHost ? 1 : 0;
    return m_window.PageControl2->TabBar()->tabText(page).trimmed();
}

QString TChartExtras::PrintHeading(const ChartHost& host) const {
    const std::optional<TDayTable>& table = m_window.Table();
    if (!table)
        return PageCaption(host);
    //: Above a printed chart: the tab's caption, the birth date and the day shown.
    return tr("%1 \u2013 birth date %2, day shown %3")
        .arg(PageCaption(host), LongDateText(table->Birth), LongDateText(table->Today));
}

QString TChartExtras::PictureName(const ChartHost& host) const {
    const std::optional<TDayTable>& table = m_window.Table();
    const QString chart = &host == m_window.chart4weeksHost ? QStringLiteral("4weeks") : QStringLiteral("today");
    return (table ? FileNameStem(*table) : QStringLiteral("biorhythm")) + u'-' + chart;
}

// ---------------------------------------------------------------------------
// Another day

void TChartExtras::ShowDay(std::optional<TDaySerial> day) {
    if (day && (*day < FirstFourWeekDay() || *day > LastFourWeekDay())) {
        ShowInformationBox(tr("The charts show the days %1 only: the 4-week chart needs the 15 days "
                              "before the day shown and the 14 after it.")
                               .arg(DayRangeText()));
        return;
    }
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
    m_window.cDia->setAccessibleName(tr("Day"));
    m_window.cMes->setAccessibleName(tr("Month"));
    m_window.cAnne->setAccessibleName(tr("Year"));
    for (TComboBox* list : {m_window.cDia, m_window.cMes, m_window.cAnne})
        list->SetAccessibleLabel(m_window.Label1);
    m_window.bCalculate->setAccessibleName(tr("Calculate"));
    m_window.bCalculate->setAccessibleDescription(m_window.bCalculate->toolTip());
    const QString site = tr("Opens the website %1").arg(TPrincipal::WebAddress());
    m_window.Image1->setAccessibleName(tr("Biorhythm charts"));
    m_window.Image1->setAccessibleDescription(site);
    m_window.Image2->setAccessibleName(tr("Logo"));
    m_window.Image2->setAccessibleDescription(site);
    m_window.cLink->setAccessibleName(TPrincipal::WebAddress());
    m_window.cLink->setAccessibleDescription(site);
}

void TChartExtras::UpdateDescriptions() {
    const std::optional<TDayTable>& table = m_window.Table();
    const QString empty = tr("No values yet: choose a birth date and press Calculate.");
    m_window.ChartTodayHost->setAccessibleDescription(table ? TodayDescription(*table) : empty);
    m_window.chart4weeksHost->setAccessibleDescription(table ? FourWeekDescription(*table) : empty);
}
