#include "FPrincipal.h"
#include "Startup.h"
#include "StartupTrace.h"

#include <QApplication>

int main(int argc, char** argv) {
    StartupTrace::Begin();
    QApplication app(argc, argv);
    StartupTrace::Mark("application");
    InitApplicationObject();
    TPrincipal Principal;
    StartupTrace::Mark("window");
    StartupTrace::MarkFirstFrame(Principal);
    Principal.show();
    StartupTrace::Mark("shown");
    return QApplication::exec();
}
