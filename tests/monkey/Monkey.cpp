// The GUI monkey: the real window on the offscreen platform (or any other the
// environment names), driven by a seeded stream of random clicks, right
// clicks, wheel turns, mouse moves and keys. Open context menus get a random
// enabled action or Escape, and any modal dialog is rejected, so nothing
// blocks the run; message boxes and the browser go through their seams. Every
// event is logged with its number. Afterwards the window must still answer,
// the charts must match the model for the selected date, and the birthday
// file written on close must be valid.
//
//   monkey [--events N] [--seed S] [--log FILE]
//
// HOME and the XDG folders point into a temporary folder, which is checked to
// hold nothing but the birthday file at the end.

#include "Application.h"
#include "BirthdayFile.h"
#include "Calendar.h"
#include "Chart.h"
#include "ChartExtras.h"
#include "ChartHost.h"
#include "Controls.h"
#include "Cycles.h"
#include "Dialogs.h"
#include "FPrincipal.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "ShellOpen.h"
#include "Startup.h"

#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>

#include <cstdio>
#include <fstream>
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
    TMonkey(TPrincipal& window, std::uint64_t seed, std::ofstream& log)
        : m_window(window), m_random(seed), m_log(log) {}

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

    void SendRandomEvent() {
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

    std::string Describe(const QPoint& p) const {
        QWidget* w = m_window.childAt(p);
        const QString name = w ? (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                            : w->objectName())
                               : QStringLiteral("window");
        return std::to_string(p.x()) + "," + std::to_string(p.y()) + " " + name.toStdString();
    }

    TPrincipal& m_window;
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

// Nothing but the birthday file (and the folders leading to it) in the
// temporary home, besides what the monkey itself asked the menus to save.
void CheckHome(const QString& home, const QString& stored) {
    QDirIterator it(home, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (file != stored && !file.startsWith(home + "/runtime/") && !file.startsWith(home + "/saved/"))
            Fail("the run wrote " + file.toStdString());
    }
}

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
        const QString ext = chance(2) ? QStringLiteral("png") : d.defaultSuffix();
        d.SetSelectedFile(saved + QStringLiteral("file%1.").arg(answers() % 4) + ext);
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

    auto window = std::make_unique<TPrincipal>();
    new TChartExtras(*window);  // owned by the window, as the program has it
    window->show();
    QCoreApplication::processEvents();
    TMonkey monkey(*window, options.seed, log);
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
    window->close();
    window.reset();
    TSaveDialog::SetHandler(oldSave);
    TPrintDialog::SetHandler(oldPrint);
    TChartExtras::SetDayDialogHandler(oldDay);
    CheckStoredFile(stored, year, month, day);
    CheckHome(home.path(), stored);

    if (g_failures) {
        std::fprintf(stderr, "monkey: %d failures; replay with --seed %llu --events %lld\n", g_failures,
                     static_cast<unsigned long long>(options.seed), options.events);
        return 1;
    }
    std::printf("monkey: all checks passed\n");
    return 0;
}
