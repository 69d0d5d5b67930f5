#include "OrderlyQuit.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>

#include <array>
#include <cassert>
#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> QuitSignals = {SIGTERM, SIGINT, SIGHUP};

// Read and written by the signal handler, so plain integers.
volatile sig_atomic_t g_writeFd = -1;
int g_readFd = -1;

std::array<struct sigaction, QuitSignals.size()> g_previous{};
std::array<bool, QuitSignals.size()> g_installed{};

TOrderlyQuit* g_instance = nullptr;

extern "C" void WriteSignalToPipe(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a request to quit.
    [[maybe_unused]] const ssize_t n = ::write(g_writeFd, &byte, 1);
    errno = savedErrno;
}

void RestoreSignals() {
    for (std::size_t i = 0; i < QuitSignals.size(); ++i) {
        if (g_installed[i])
            ::sigaction(QuitSignals[i], &g_previous[i], nullptr);
        g_installed[i] = false;
    }
}

}  // namespace

TOrderlyQuit::TOrderlyQuit(std::function<void()> save, QObject* parent)
    : QObject(parent), m_save(std::move(save)) {
    assert(g_instance == nullptr && "Only one TOrderlyQuit may exist at a time");
    g_instance = this;
    static const bool atExitRegistered = std::atexit(&TOrderlyQuit::SaveAtExit) == 0;
    (void)atExitRegistered;

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        g_readFd = fds[0];
        g_writeFd = fds[1];
        m_notifier = new QSocketNotifier(g_readFd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &TOrderlyQuit::SignalArrived);
    }
    // The first turn of an event loop comes after the window has taken its
    // selection: only from then on is there a date worth saving.
    QTimer::singleShot(0, this, &TOrderlyQuit::Arm);

    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { Save(); },
                Qt::DirectConnection);
}

TOrderlyQuit::~TOrderlyQuit() {
    RestoreSignals();
    delete m_notifier;
    m_notifier = nullptr;
    if (g_readFd >= 0) {
        ::close(g_readFd);
        ::close(g_writeFd);
    }
    g_readFd = -1;
    g_writeFd = -1;
    g_instance = nullptr;
}

void TOrderlyQuit::Arm() {
    m_armed = true;
    if (g_writeFd < 0)
        return;
    for (std::size_t i = 0; i < QuitSignals.size(); ++i) {
        struct sigaction current {};
        if (::sigaction(QuitSignals[i], nullptr, &current) != 0 || current.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = WriteSignalToPipe;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        g_installed[i] = ::sigaction(QuitSignals[i], &action, &g_previous[i]) == 0;
    }
}

void TOrderlyQuit::SignalArrived() {
    char bytes[64];
    while (::read(g_readFd, bytes, sizeof bytes) > 0) {
    }
    if (m_quitting)
        return;
    m_quitting = true;
    // A second signal while saving ends the program at once, as the user
    // would expect of a second Ctrl+C.
    RestoreSignals();
    Save();
    // exit() leaves every running loop, modal ones included; the queued quit
    // ends a loop that only starts later.
    QCoreApplication::exit(0);
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

void TOrderlyQuit::Save() {
    if (m_save && m_armed)
        m_save();
}

void TOrderlyQuit::SaveAtExit() {
    // Only an exit() called while the window still lives gets here with an
    // instance: an orderly end destroys it first.
    if (g_instance && !g_instance->m_quitting) {
        g_instance->m_quitting = true;
        g_instance->Save();
    }
}
