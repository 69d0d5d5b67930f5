#include "FPrincipal.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InitApplicationObject();
    TPrincipal Principal;
    Principal.show();
    return QApplication::exec();
}
