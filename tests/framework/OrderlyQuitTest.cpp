#include "OrderlyQuit.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

#include <unistd.h>

namespace {

// Runs the application's loop until it quits; false when it ran into the
// time limit instead.
bool RunUntilQuit() {
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::exit(1);
    });
    watchdog.start(10000);
    QApplication::exec();
    // The quit queued for a later loop finds none running and does nothing.
    QCoreApplication::sendPostedEvents();
    return !timedOut;
}

void (*HandlerOf(int signal))(int) {
    struct sigaction current {};
    ::sigaction(signal, nullptr, &current);
    return current.sa_handler;
}

}  // namespace

TEST(OrderlyQuit, EachQuitSignalSavesOnceAndQuits) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        std::signal(signal, SIG_DFL);
        int saves = 0;
        {
            TOrderlyQuit quit([&] { ++saves; });
            // A second signal before the first is handled asks for nothing more.
            QTimer::singleShot(0, [signal] {
                ::kill(::getpid(), signal);
                ::kill(::getpid(), signal);
            });
            EXPECT_TRUE(RunUntilQuit());
            EXPECT_EQ(saves, 1);
        }
        EXPECT_EQ(HandlerOf(signal), SIG_DFL);
    }
}

TEST(OrderlyQuit, SignalInsideAModalLoopEndsItAndTheMainLoop) {
    int saves = 0;
    bool nestedEnded = false;
    TOrderlyQuit quit([&] { ++saves; });
    QTimer::singleShot(0, [&] {
        QEventLoop modal;
        QTimer::singleShot(0, [] { ::kill(::getpid(), SIGTERM); });
        modal.exec();
        nestedEnded = true;
    });
    EXPECT_TRUE(RunUntilQuit());
    EXPECT_TRUE(nestedEnded);
    EXPECT_EQ(saves, 1);
}

// A signal handled before the main loop runs (during a box shown at start-up)
// still ends the main loop once it starts.
TEST(OrderlyQuit, QuitReachesALoopThatStartsLater) {
    int saves = 0;
    TOrderlyQuit quit([&] { ++saves; });
    QEventLoop early;
    QTimer::singleShot(0, &early, [] { ::kill(::getpid(), SIGTERM); });
    QTimer::singleShot(1000, &early, &QEventLoop::quit);
    early.exec();
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(RunUntilQuit());
}

TEST(OrderlyQuit, IgnoredSignalStaysIgnored) {
    std::signal(SIGHUP, SIG_IGN);
    {
        TOrderlyQuit quit([] {});
        EXPECT_EQ(HandlerOf(SIGTERM), SIG_DFL);
        QCoreApplication::processEvents();
        EXPECT_EQ(HandlerOf(SIGHUP), SIG_IGN);
        EXPECT_NE(HandlerOf(SIGTERM), SIG_DFL);
    }
    EXPECT_EQ(HandlerOf(SIGHUP), SIG_IGN);
    EXPECT_EQ(HandlerOf(SIGTERM), SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
}
