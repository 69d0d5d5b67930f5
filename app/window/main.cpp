#include "Application.h"
#include "ChartExtras.h"
#include "FPrincipal.h"
#include "OrderlyQuit.h"
#include "PeopleExtras.h"
#include "Startup.h"
#include "StartupTrace.h"

#include <QApplication>

int main(int argc, char** argv) {
    StartupTrace::Begin();
    // Whole scale factors only, so the charts draw at the screen's own resolution.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (AsksForHelpOrVersion(argc, argv)) {
        // Answered without a display.
        QCoreApplication core(argc, argv);
        InitApplicationNames();
        return HandleProgramOptions(QCoreApplication::arguments(), out, err).value_or(0);
    }
    QApplication app(argc, argv);  // takes Qt's own options out of the arguments
    StartupTrace::Mark("application");
    InitApplicationObject();
    if (const std::optional<int> status = HandleProgramOptions(QApplication::arguments(), out, err))
        return *status;
    TPrincipal Principal;
    // Ended rather than closed, the program still keeps the chosen date.
    TOrderlyQuit quit([&Principal] { TApplication::Guard([&Principal] { Principal.FormClose(); }); });
    // Both owned by the window.
    new TPeopleExtras(Principal, *new TChartExtras(Principal));
    StartupTrace::Mark("window");
    StartupTrace::MarkFirstFrame(Principal);
    Principal.show();
    StartupTrace::Mark("shown");
    return QApplication::exec();
}
