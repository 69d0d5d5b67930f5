#include "Snapshot.h"
#include "Startup.h"
#include "StartupTrace.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// stderr carries the message boxes, one line each; Qt's own notes would mix in.
void KeepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    StartupTrace::Begin();
    qInstallMessageHandler(KeepSeriousMessages);
    // The window is never shown on a display; the picture is grabbed off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The scale must be known before the application exists; RunSnapshot checks the value.
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--scale") == 0)
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
    QApplication app(argc, argv);
    StartupTrace::Mark("application");
    InitApplicationObject();
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = RunSnapshot(arguments, out, err);
    StartupTrace::Mark("done");
    return status;
}
