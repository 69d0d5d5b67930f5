// The real program, ended in the ways a desktop ends programs: it must keep
// the date its window shows.

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

constexpr int StartLimitMs = 60000;

// Whether the process has a handler of its own for the signal.
bool Catches(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1U;
    }
    return false;
}

QByteArray FileOf(const QDate& d, int day) {
    return QStringLiteral("%1\r\n%2\r\n%3\r\n").arg(d.year()).arg(d.month()).arg(day).toLatin1();
}

class ProgramEnd : public testing::Test {
protected:
    ProgramEnd() {
        for (const char* sub : {"data/biorhythm/temp", "config", "cache", "runtime"})
            QDir(m_home.path()).mkpath(QString::fromLatin1(sub));
        QFile::setPermissions(m_home.path() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    [[nodiscard]] QString StoredPath() const { return m_home.path() + "/data/biorhythm/temp/biorhythm.ini"; }

    void Store(const QByteArray& bytes) const {
        QFile file(StoredPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    [[nodiscard]] QByteArray Stored() const {
        QFile file(StoredPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    // Starts the program and waits until its window is up and it handles
    // SIGTERM itself.
    void Start(const QString& platform, const QString& display = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_home.path());
        env.insert("XDG_DATA_HOME", m_home.path() + "/data");
        env.insert("XDG_CONFIG_HOME", m_home.path() + "/config");
        env.insert("XDG_CACHE_HOME", m_home.path() + "/cache");
        env.insert("XDG_RUNTIME_DIR", m_home.path() + "/runtime");
        env.insert("QT_QPA_PLATFORM", platform);
        env.remove("WAYLAND_DISPLAY");
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        m_program.setProcessEnvironment(env);
        // Started from a shell in the background, SIGINT would come ignored.
        m_program.setChildProcessModifier([] { std::signal(SIGINT, SIG_DFL); });
        m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_program.start(QStringLiteral(BIORHYTHM_PROGRAM), {});
        ASSERT_TRUE(m_program.waitForStarted());
        QElapsedTimer clock;
        clock.start();
        while (!Catches(m_program.processId(), SIGTERM)) {
            ASSERT_LT(clock.elapsed(), StartLimitMs) << "the program never set up its signal handling";
            ASSERT_EQ(m_program.state(), QProcess::Running);
            QThread::msleep(20);
        }
    }

    void ExpectEndsNormally() {
        ASSERT_TRUE(m_program.waitForFinished(StartLimitMs));
        EXPECT_EQ(m_program.exitStatus(), QProcess::NormalExit);
    }

    QTemporaryDir m_home;
    QProcess m_program;
};

}  // namespace

TEST_F(ProgramEnd, QuitSignalsSaveTheSelectionAsClosingDoes) {
    const QDate today = QDate::currentDate();
    Start("offscreen");
    ::kill(static_cast<pid_t>(m_program.processId()), SIGTERM);
    ExpectEndsNormally();
    EXPECT_EQ(m_program.exitCode(), 0);
    if (QDate::currentDate() == today) {
        EXPECT_EQ(Stored(), FileOf(today, today.day()));
    }

    // The stored day does not convert, so the window shows today's day with
    // the stored month and year, and that is what is kept.
    for (const int signal : {SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const QDate now = QDate::currentDate();
        Store("1980\r\n5\r\nxx\r\n");
        Start("offscreen");
        ::kill(static_cast<pid_t>(m_program.processId()), signal);
        ExpectEndsNormally();
        if (QDate::currentDate() == now) {
            EXPECT_EQ(Stored(), FileOf(QDate(1980, 5, 1), now.day()));
        }
    }
}

TEST_F(ProgramEnd, DisplayServerGoingAwaySavesTheSelection) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        GTEST_SKIP() << "no Xvfb";
    QProcess server;
    server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
    ASSERT_TRUE(server.waitForReadyRead(StartLimitMs));
    const QString display = ":" + QString::fromLatin1(server.readLine().trimmed());

    const QDate today = QDate::currentDate();
    Store("1980\r\n5\r\nxx\r\n");
    Start("xcb", display);
    server.terminate();
    ASSERT_TRUE(server.waitForFinished(StartLimitMs));
    ExpectEndsNormally();
    EXPECT_NE(m_program.exitCode(), 0);
    if (QDate::currentDate() == today) {
        EXPECT_EQ(Stored(), FileOf(QDate(1980, 5, 1), today.day()));
    }
}
