#include "FPrincipal.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Whole scale factors only, so the charts draw at the screen's own resolution.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    InitApplicationObject();
    TPrincipal Principal;
    Principal.show();
    return QApplication::exec();
}
