#include "Application.h"
#include "ChartExtras.h"
#include "FPrincipal.h"
#include "Language.h"
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
        SetLanguage(StoredLanguage());
        return HandleProgramOptions(QCoreApplication::arguments(), out, err).value_or(0);
    }
    QApplication app(argc, argv);  // takes Qt's own options out of the arguments
    StartupTrace::Mark("application");
    InitApplicationObject();
    SetLanguage(StoredLanguage());
    if (const std::optional<int> status = HandleProgramOptions(QApplication::arguments(), out, err))
        return *status;
    TPreferencesLoad preferences = ApplyStoredLanguage();
    TPrincipal Principal;
    // Ended rather than closed, the program still keeps the chosen date.
    TOrderlyQuit quit([&Principal] { TApplication::Guard([&Principal] { Principal.FormClose(); }); });
    // All owned by the window.
    auto* extras = new TChartExtras(Principal);
    new TPeopleExtras(Principal, *extras);
    new TLanguageChoice(Principal, *extras, std::move(preferences));
    StartupTrace::Mark("window");
    StartupTrace::MarkFirstFrame(Principal);
    Principal.show();
    StartupTrace::Mark("shown");
    return QApplication::exec();
}
