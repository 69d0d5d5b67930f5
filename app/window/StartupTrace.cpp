#include "StartupTrace.h"

#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;

struct TTraceState {
    bool enabled = false;
    Clock::time_point start;
};

TTraceState& State() {
    static TTraceState state;
    return state;
}

struct TMemory {
    double residentMiB = 0;
    double peakMiB = 0;
};

// VmRSS and VmHWM of /proc/self/status; zeros where there is no such file.
TMemory Memory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = status.readAll();
    const auto field = [&](const char* name) {
        const qsizetype at = text.indexOf(name);
        return at < 0 ? 0.0 : static_cast<double>(std::strtol(text.constData() + at + std::strlen(name), nullptr, 10)) / 1024.0;
    };
    return {field("VmRSS:"), field("VmHWM:")};
}

// Sees the window's first paint event and marks once the event that carried
// it (an expose or an update request) has been handled, that is after the
// whole frame has been painted and flushed.
class TFirstFrameWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                StartupTrace::Mark("first frame");
                deleteLater();
            });
        }
        return false;
    }
};

}  // namespace

namespace StartupTrace {

void Begin() {
    TTraceState& state = State();
    state.start = Clock::now();
    const char* value = std::getenv("BIORHYTHM_TRACE_STARTUP");
    state.enabled = value != nullptr && std::strcmp(value, "1") == 0;
}

bool Enabled() { return State().enabled; }

void Mark(const char* step) {
    const TTraceState& state = State();
    if (!state.enabled)
        return;
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - state.start).count();
    const TMemory memory = Memory();
    std::fprintf(stderr, "startup: %7.1f ms %6.1f MiB (peak %.1f MiB)  %s\n", ms, memory.residentMiB, memory.peakMiB, step);
    std::fflush(stderr);
}

void MarkFirstFrame(QWidget& window) {
    if (Enabled())
        window.installEventFilter(new TFirstFrameWatch(&window));
}

}  // namespace StartupTrace
