#include "ChartExtras.h"
#include "FPrincipal.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InitApplicationObject();
    TPrincipal Principal;
    new TChartExtras(Principal);  // owned by the window
    Principal.show();
    return QApplication::exec();
}
