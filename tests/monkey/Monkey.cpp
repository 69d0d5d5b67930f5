// The GUI monkey: the real window on the offscreen platform (or any other the
// environment names), driven by a seeded stream of random clicks, right
// clicks, wheel turns, mouse moves and keys. Open context menus get a random
// enabled action or Escape, and any modal dialog is rejected, so nothing
// blocks the run; message boxes, the browser and the people's dialogs go
// through their seams. The comparison window, once open, gets events too.
// Every event is logged with its number. Afterwards the window must still
// answer, the charts must match the model for the selected date, the people
// file must hold the people the window keeps, and the birthday file written
// on close must be valid.
//
//   monkey [--events N] [--seed S] [--log FILE]
//
// HOME and the XDG folders point into a temporary folder, which is checked to
// hold nothing but the birthday and people files at the end.

#include "Application.h"
#include "BirthdayFile.h"
#include "Calendar.h"
#include "Chart.h"
#include "ChartExtras.h"
#include "ChartHost.h"
#include "CompatibilityWindow.h"
#include "Controls.h"
#include "CriticalDaysDialog.h"
#include "Cycles.h"
#include "Dialogs.h"
#include "FPrincipal.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "PeopleDialogs.h"
#include "PeopleExtras.h"
#include "ShellOpen.h"
#include "Startup.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>

#include <cstdio>
#include <fstream>
#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

struct TOptions {
    long long events = 10000;
    std::uint64_t seed = std::random_device{}();
    std::string log = "monkey.log";
};

bool ParseOptions(int argc, char** argv, TOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return false;
        if (arg == "--events")
            options.events = std::atoll(argv[++i]);
        else if (arg == "--seed")
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--log")
            options.log = argv[++i];
        else
            return false;
    }
    return options.events > 0;
}

int g_failures = 0;

void Fail(const std::string& what) {
    std::fprintf(stderr, "monkey: %s\n", what.c_str());
    ++g_failures;
}

class TMonkey {
public:
    TMonkey(TPrincipal& window, const TPeopleExtras& people, std::uint64_t seed, std::ofstream& log)
        : m_window(window), m_people(people), m_random(seed), m_log(log) {}

    void Run(long long events) {
        // Menus opened with exec() and modal dialogs run loops of their own;
        // this timer answers them from inside.
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [this] { AnswerPopupOrModal(); });
        guard.start(1);
        for (m_event = 1; m_event <= events; ++m_event) {
            if (!AnswerPopupOrModal())
                SendRandomEvent();
            QCoreApplication::processEvents();
        }
        guard.stop();
        // Leave no popup behind.
        for (int i = 0; i < 10 && AnswerPopupOrModal(); ++i)
            QCoreApplication::processEvents();
    }

    void PrintCounts() const {
        std::string line;
        for (const auto& [kind, count] : m_counts)
            line += " " + kind + "=" + std::to_string(count);
        std::printf("monkey events:%s\n", line.c_str());
    }

private:
    int Pick(int n) { return static_cast<int>(m_random() % static_cast<std::uint64_t>(n)); }

    void Log(const std::string& kind, const std::string& detail) {
        ++m_counts[kind];
        m_log << m_event << ' ' << kind << ' ' << detail << '\n';
    }

    bool AnswerPopupOrModal() {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QList<QAction*> enabled;
            for (QAction* a : menu->actions()) {
                if (a->isEnabled() && a->isVisible() && !a->isSeparator())
                    enabled.push_back(a);
            }
            if (enabled.isEmpty() || Pick(4) == 0) {
                Log("menu", "Escape");
                QTest::keyClick(menu, Qt::Key_Escape);
            } else {
                QAction* action = enabled[Pick(static_cast<int>(enabled.size()))];
                Log("menu", action->text().toStdString());
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
            }
            return true;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            Log("modal", modal->metaObject()->className());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return true;
        }
        return false;
    }

    QPoint RandomPoint() const {
        return {static_cast<int>(m_random() % static_cast<std::uint64_t>(m_window.width())),
                static_cast<int>(m_random() % static_cast<std::uint64_t>(m_window.height()))};
    }

    // Points on the controls that matter more often than a uniform spread
    // would give them.
    QPoint TargetPoint() {
        QWidget* targets[] = {m_window.cDia,         m_window.cMes,          m_window.cAnne,
                              m_window.bCalculate,   m_window.cLink,         m_window.PageControl2,
                              m_window.ChartTodayHost, m_window.chart4weeksHost};
        QWidget* target = targets[Pick(static_cast<int>(std::size(targets)))];
        if (!target || Pick(3) == 0)
            return RandomPoint();
        const QRect r = target->rect();
        const QPoint local(Pick(std::max(r.width(), 1)), Pick(std::max(r.height(), 1)));
        return target->mapTo(&m_window, local);
    }

    QWindow* Window() const { return m_window.windowHandle(); }

    // The comparison window: its cycle list, its charts' menus, its keys.
    bool SendComparisonEvent() {
        TCompatibilityWindow* comparison = m_people.Comparison();
        if (!comparison || !comparison->isVisible() || Pick(10) != 0)
            return false;
        const int kind = Pick(4);
        if (kind == 0) {
            const int cycle = Pick(CycleCount);
            Log("comparison", "cycle " + std::to_string(cycle));
            comparison->CycleList->setCurrentIndex(cycle);
        } else if (kind == 1) {
            ChartHost* host = Pick(2) ? comparison->BarsHost : comparison->LinesHost;
            const QPoint p(Pick(host->width()), Pick(host->height()));
            Log("comparison", "menu " + host->objectName().toStdString());
            QContextMenuEvent menu(QContextMenuEvent::Mouse, p, host->mapToGlobal(p));
            QApplication::sendEvent(host, &menu);
        } else {
            static const std::pair<const char*, QKeySequence> keys[] = {
                {"Ctrl+C", QKeySequence::Copy}, {"Ctrl+S", QKeySequence::Save}, {"Ctrl+P", QKeySequence::Print},
                {"Escape", QKeySequence(Qt::Key_Escape)}, {"Tab", QKeySequence(Qt::Key_Tab)}};
            const auto& [name, sequence] = keys[Pick(static_cast<int>(std::size(keys)))];
            Log("comparison", name);
            QTest::keySequence(comparison->windowHandle(), sequence);
        }
        return true;
    }

    void SendRandomEvent() {
        if (SendComparisonEvent())
            return;
        QWindow* window = Window();
        const int kind = Pick(100);
        if (kind < 22) {
            const QPoint p = TargetPoint();
            Log("click", Describe(p));
            QTest::mouseClick(window, Qt::LeftButton, {}, p);
        } else if (kind < 30) {
            const QPoint p = TargetPoint();
            Log("rightclick", Describe(p));
            QTest::mousePress(window, Qt::RightButton, {}, p);
            QTest::mouseRelease(window, Qt::RightButton, {}, p);
        } else if (kind < 36) {
            const QPoint p = TargetPoint();
            const int delta = Pick(2) ? 120 : -120;
            Log("wheel", Describe(p) + " " + std::to_string(delta));
            if (QWidget* w = m_window.childAt(p)) {
                QWheelEvent wheel(w->mapFrom(&m_window, QPointF(p)), m_window.mapToGlobal(QPointF(p)), {},
                                  {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(w, &wheel);
            }
        } else if (kind < 42) {
            const QPoint p = TargetPoint();
            Log("move", Describe(p));
            QTest::mouseMove(window, p);
        } else if (kind < 45) {
            // Straight at a tab, so both pages see plenty of events.
            const int page = Pick(2);
            Log("tab", std::to_string(page));
            m_window.PageControl2->SetActivePageIndex(page);
        } else if (kind < 48) {
            ClickLegendItem(window);
        } else {
            SendRandomKey(window);
        }
    }

    void SendRandomKey(QWindow* window) {
        struct TKey {
            const char* name;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        static const TKey keys[] = {
            {"Enter", Qt::Key_Return, {}},    {"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier},
            {"Tab", Qt::Key_Tab, {}},         {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier},
            {"Up", Qt::Key_Up, {}},           {"Down", Qt::Key_Down, {}},
            {"Left", Qt::Key_Left, {}},       {"Right", Qt::Key_Right, {}},
            {"Home", Qt::Key_Home, {}},       {"End", Qt::Key_End, {}},
            {"PageUp", Qt::Key_PageUp, {}},   {"PageDown", Qt::Key_PageDown, {}},
            {"Space", Qt::Key_Space, {}},     {"Escape", Qt::Key_Escape, {}},
            {"Alt+C", Qt::Key_C, Qt::AltModifier}, {"Menu", Qt::Key_Menu, {}},
            {"Shift+F10", Qt::Key_F10, Qt::ShiftModifier}, {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier},
            {"Alt+Down", Qt::Key_Down, Qt::AltModifier}, {"F4", Qt::Key_F4, {}},
            {"Ctrl+Left", Qt::Key_Left, Qt::ControlModifier}, {"Ctrl+Right", Qt::Key_Right, Qt::ControlModifier},
            {"Alt+Left", Qt::Key_Left, Qt::AltModifier}, {"Alt+Right", Qt::Key_Right, Qt::AltModifier},
            {"Ctrl+Home", Qt::Key_Home, Qt::ControlModifier}, {"Ctrl+C", Qt::Key_C, Qt::ControlModifier},
            {"Ctrl+S", Qt::Key_S, Qt::ControlModifier}, {"Ctrl+P", Qt::Key_P, Qt::ControlModifier},
        };
        if (Pick(3) == 0) {
            // A letter or digit, as typed into the lists.
            static const char typed[] = "abcdefghijklmnopqrstuvwxyzADFJMNOS0123456789";
            const char c = typed[Pick(static_cast<int>(sizeof typed - 1))];
            Log("key", std::string(1, c));
            QTest::keyClick(window, c);
            return;
        }
        const TKey& k = keys[Pick(static_cast<int>(std::size(keys)))];
        Log("key", k.name);
        QTest::keyClick(window, k.key, k.modifiers);
    }

    // An item of the 4-week legend as it was last drawn, which hides or shows its cycle.
    void ClickLegendItem(QWindow* window) {
        const TChartLegend& legend = m_window.chart4weeks->Legend();
        const int item = Pick(std::max(1, legend.ColumnCount() * legend.RowCount()));
        const TRect cell = LegendItemCell(legend.Layout(), legend.IsVertical(), item, legend.ItemHeight());
        const QPoint p = m_window.chart4weeksHost->mapTo(&m_window, QPoint(cell.left + Pick(std::max(1, cell.right - cell.left)),
                                                                           cell.top + Pick(std::max(1, cell.bottom - cell.top))));
        Log("legend", std::to_string(item) + " " + Describe(p));
        QTest::mouseClick(window, Qt::LeftButton, {}, p);
    }

    std::string Describe(const QPoint& p) const {
        QWidget* w = m_window.childAt(p);
        const QString name = w ? (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                            : w->objectName())
                               : QStringLiteral("window");
        return std::to_string(p.x()) + "," + std::to_string(p.y()) + " " + name.toStdString();
    }

    TPrincipal& m_window;
    const TPeopleExtras& m_people;
    mutable std::mt19937_64 m_random;
    std::ofstream& m_log;
    long long m_event = 0;
    std::map<std::string, long long> m_counts;
};

// The window answers: a queued call comes back within a second.
void CheckAnswers() {
    bool answered = false;
    QTimer::singleShot(0, [&] { answered = true; });
    QElapsedTimer clock;
    clock.start();
    while (!answered && clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!answered)
        Fail("the window no longer answers");
}

void CheckChartsMatchModel(TPrincipal& window, TDaySerial birth) {
    const TDaySerial today = window.ReferenceDay().value_or(Today());
    const TScoreRow todayRow = ScoreRow(birth, today);
    const TChartSeries& bars = *window.ChartToday->SeriesList()[0];
    if (bars.PointCount() != CycleCount + 1) {
        Fail("today chart has " + std::to_string(bars.PointCount()) + " bars");
        return;
    }
    for (int k = 0; k <= CycleCount; ++k) {
        const int value = k < CycleCount ? todayRow.Scores[static_cast<std::size_t>(k)] : todayRow.Average;
        if (bars.PointY(k) != value)
            Fail("today chart bar " + std::to_string(k) + " differs from the model");
    }
    // A cycle hidden on the 4-week chart has no bar, and only then.
    for (int k = 0; k < CycleCount; ++k) {
        if ((bars.PointColor(k) == clNone) == window.chart4weeks->SeriesList()[k + 1]->Active())
            Fail("today chart bar " + std::to_string(k) + " does not follow its line being shown");
    }
    const auto table = FourWeekTable(birth, today);
    const TChartSeriesList& list = window.chart4weeks->SeriesList();
    for (int row = 0; row < FourWeekDays; ++row) {
        const TScoreRow& expected = table[static_cast<std::size_t>(row)];
        for (int s = 0; s <= CycleCount; ++s) {
            const TChartSeries& series = *list[s];
            const double want = s == 0 ? expected.Average : expected.Scores[static_cast<std::size_t>(s - 1)];
            if (series.PointCount() != FourWeekDays || series.PointX(row) != expected.Day || series.PointY(row) != want) {
                Fail("4-week chart series " + std::to_string(s) + " row " + std::to_string(row) +
                     " differs from the model");
                return;
            }
        }
    }
}

// Calculates for what the lists select and checks the outcome: the charts of
// the model, or the box the selection calls for.
void CheckCalculation(TPrincipal& window, const std::vector<TMessageBoxRequest>& boxes) {
    const std::size_t before = boxes.size();
    QTest::mouseClick(window.bCalculate, Qt::LeftButton);
    QCoreApplication::processEvents();
    std::optional<TDaySerial> birth;
    try {
        birth = DateToSerial(window.cAnne->currentText().toInt(), window.cMes->currentIndex() + 1,
                             window.cDia->currentIndex() + 1);
    } catch (const Exception&) {
    }
    const bool yearListed = window.cAnne->currentIndex() >= 0;
    if (!birth || !yearListed || *birth > window.ReferenceDay().value_or(Today())) {
        if (boxes.size() != before + 1)
            Fail("an impossible or future date gave no message box");
        return;
    }
    if (boxes.size() != before)
        Fail("a valid date gave a message box: " + boxes.back().text.toStdString());
    CheckChartsMatchModel(window, *birth);
}

void CheckStoredFile(const QString& path, const QString& year, int month, int day) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail("no birthday file written on close");
        return;
    }
    const QByteArray expected =
        (year + "\r\n" + QString::number(month + 1) + "\r\n" + QString::number(day + 1) + "\r\n").toLatin1();
    if (file.readAll() != expected)
        Fail("the birthday file is not what the lists showed");
}

// Nothing but the birthday and people files (and the folders leading to
// them) in the temporary home, besides what the monkey itself asked the menus
// to save.
void CheckHome(const QString& home, const QStringList& stored) {
    QDirIterator it(home, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (!stored.contains(file) && !file.startsWith(home + "/runtime/") && !file.startsWith(home + "/saved/"))
            Fail("the run wrote " + file.toStdString());
    }
}

// The people file holds what the window keeps, readable as a whole.
void CheckPeopleFile(const TPeople& kept) {
    const TPeopleRead read = ReadPeopleFile(PeopleFilePath(), TPrincipal::FirstYear, SerialToDate(Today()).Year);
    if (read.Damaged() || read.People != kept)
        Fail("the people file is not the list the window keeps");
}

// Answers of the people's dialogs, as a user might give them: names good and
// bad in many scripts, and managed lists reordered, renamed, cut short.
class TPeopleAnswers {
public:
    TPeopleAnswers(std::uint64_t seed, std::ofstream& log) : m_random(seed), m_log(log) {
        SetNameDialogHandler([this](const QString&, const QString&, const QString&) -> std::optional<QString> {
            if (Pick(4) == 0)
                return std::nullopt;
            static const char* const names[] = {"Anna", "  Ben ", "anna", "山田 花子", "فاطمة", "Émile & Co", "😀 🎸",
                                                "", "   ", "Tab\there"};
            QString name = Pick(8) == 0 ? QString(101, u'x') : QString::fromUtf8(names[Pick(std::size(names))]);
            if (Pick(3) == 0)
                name += QString::number(Pick(50));
            m_log << "name " << name.toStdString() << '\n';
            return name;
        });
        SetQuestionHandler([this](const QString&) { return Pick(2) == 0; });
        SetManageDialogHandler([this](const TManageRequest& request) { return Manage(request); });
    }
    ~TPeopleAnswers() {
        SetNameDialogHandler({});
        SetQuestionHandler({});
        SetManageDialogHandler({});
    }
    TPeopleAnswers(const TPeopleAnswers&) = delete;
    TPeopleAnswers& operator=(const TPeopleAnswers&) = delete;

private:
    int Pick(std::size_t n) { return static_cast<int>(m_random() % n); }

    // What the manager could answer: never two people of one name.
    std::optional<TManageResult> Manage(const TManageRequest& request) {
        if (Pick(4) == 0)
            return std::nullopt;
        TManageResult result;
        for (std::size_t i = 0; i < request.People.size(); ++i) {
            if (Pick(6) != 0) {
                result.People.push_back(request.People[i]);
                result.Origins.push_back(static_cast<int>(i));
            }
        }
        for (std::size_t i = 1; i < result.People.size(); ++i) {
            const std::size_t j = static_cast<std::size_t>(Pick(i + 1));
            std::swap(result.People[i], result.People[j]);
            std::swap(result.Origins[i], result.Origins[j]);
        }
        if (!result.People.empty()) {
            const int at = Pick(result.People.size());
            const QString name = QStringLiteral("Renamed %1").arg(Pick(20));
            if (IndexOfName(result.People, name, at) < 0)
                result.People[static_cast<std::size_t>(at)].Name = name;
            result.Action = static_cast<TManageResult::TAction>(Pick(3));
            result.Index = at;
        }
        m_log << "manage " << result.People.size() << " people, action " << static_cast<int>(result.Action) << '\n';
        return result;
    }

    std::mt19937_64 m_random;
    std::ofstream& m_log;
};

}  // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: monkey [--events N] [--seed S] [--log FILE]\n");
        return 2;
    }
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    for (const char* sub : {"data", "config", "cache", "runtime", "saved"})
        QDir(home.path()).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(home.path() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home.path() + "/cache").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (home.path() + "/runtime").toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // The offscreen platform says for every menu that it cannot raise it or grab the keyboard.
    static const QtMessageHandler qtHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            qtHandler(type, context, message);
    });
    QApplication app(argc, argv);
    InitApplicationObject();
    std::ofstream log(options.log);
    std::printf("monkey: seed %llu, %lld events, log %s\n", static_cast<unsigned long long>(options.seed),
                options.events, options.log.c_str());
    std::fflush(stdout);

    std::vector<TMessageBoxRequest> boxes;
    TScopedMessageBoxHandler boxSeam([&](const TMessageBoxRequest& r) {
        boxes.push_back(r);
        log << "box " << r.text.toStdString() << '\n';
    });
    TScopedShellOpenHandler openSeam([&](const QUrl& url) { log << "open " << url.toString().toStdString() << '\n'; });

    QElapsedTimer clock;
    clock.start();
    // The charts' menu and its dialogs, answered at random as a user would:
    // saved files and printouts go to a folder of the monkey's own.
    std::mt19937_64 answers(options.seed ^ 0x5eedULL);
    const QString saved = home.path() + QStringLiteral("/saved/");
    const auto chance = [&answers](int n) { return answers() % static_cast<std::uint64_t>(n) == 0; };
    const TSaveDialog::THandler oldSave = TSaveDialog::SetHandler([&](TSaveDialog& d) {
        if (chance(3))
            return false;
        // A filter, and a name with or without an extension of its own.
        const QStringList filters = d.nameFilters();
        if (!filters.isEmpty())
            d.selectNameFilter(filters[static_cast<qsizetype>(answers() % static_cast<std::uint64_t>(filters.size()))]);
        static const char* const endings[] = {"", ".png", ".BMP", ".csv", ".17.05"};
        d.SetSelectedFile(saved + QStringLiteral("file%1").arg(answers() % 4) + QLatin1String(endings[answers() % 5]));
        log << "save " << d.selectedFile().toStdString() << '\n';
        return true;
    });
    const TPrintDialog::THandler oldPrint = TPrintDialog::SetHandler([&](TPrintDialog&, QPrinter& printer) {
        if (!chance(4))
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(saved + QStringLiteral("print.pdf"));
        log << "print\n";
        return true;
    });
    const TChartExtras::TDayDialogHandler oldDay = TChartExtras::SetDayDialogHandler([&](QDate initial) {
        if (chance(3))
            return std::optional<QDate>();
        const QDate day = initial.addDays(static_cast<qint64>(answers() % 4001) - 2000);
        log << "day " << day.toString(Qt::ISODate).toStdString() << '\n';
        return std::optional<QDate>(day);
    });

    // The critical days ahead: looked through, sorted, copied and exported at random.
    const TCriticalDaysDialog::THandler oldCritical = TCriticalDaysDialog::SetHandler([&](TCriticalDaysDialog& d) {
        log << "critical days\n";
        for (int step = static_cast<int>(answers() % 5); step > 0; --step) {
            switch (answers() % 4) {
            case 0:
                d.SetSpan(CriticalSpans[answers() % CriticalSpans.size()]);
                break;
            case 1:
                if (auto* table = d.findChild<QTableWidget*>(QStringLiteral("Table")))
                    table->sortByColumn(static_cast<int>(answers() % 3), chance(2) ? Qt::AscendingOrder : Qt::DescendingOrder);
                break;
            case 2:
                d.CopyTable(chance(2));
                break;
            default:
                TApplication::Guard([&] { d.ExportToCalendar(); });
                break;
            }
        }
    });

    TPeopleAnswers peopleAnswers(options.seed ^ 0xbeefULL, log);
    auto window = std::make_unique<TPrincipal>();
    // Owned by the window, as the program has them.
    const TPeopleExtras& people = *new TPeopleExtras(*window, *new TChartExtras(*window));
    window->show();
    QCoreApplication::processEvents();
    TMonkey monkey(*window, people, options.seed, log);
    monkey.Run(options.events);
    log.flush();
    monkey.PrintCounts();
    std::printf("monkey: %zu message boxes, %.1f s\n", boxes.size(), clock.elapsed() / 1000.0);

    CheckAnswers();
    CheckCalculation(*window, boxes);
    // Then a date that must calculate.
    window->cDia->setCurrentIndex(16);
    window->cMes->setCurrentIndex(4);
    window->cAnne->setCurrentIndex(window->cAnne->findText(QStringLiteral("1980")));
    CheckCalculation(*window, boxes);

    const QString year = window->cAnne->currentText();
    const int month = window->cMes->currentIndex();
    const int day = window->cDia->currentIndex();
    const QString stored = QString::fromStdString(BirthdayFilePath());
    CheckPeopleFile(people.People());
    window->close();
    window.reset();
    TSaveDialog::SetHandler(oldSave);
    TPrintDialog::SetHandler(oldPrint);
    TChartExtras::SetDayDialogHandler(oldDay);
    TCriticalDaysDialog::SetHandler(oldCritical);
    CheckStoredFile(stored, year, month, day);
    CheckHome(home.path(), {stored, QString::fromStdString(PeopleFilePath())});

    if (g_failures) {
        std::fprintf(stderr, "monkey: %d failures; replay with --seed %llu --events %lld\n", g_failures,
                     static_cast<unsigned long long>(options.seed), options.events);
        return 1;
    }
    std::printf("monkey: all checks passed\n");
    return 0;
}
