#include "Application.h"
#include "FPrincipal.h"
#include "OrderlyQuit.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InitApplicationObject();
    TPrincipal Principal;
    // Ended rather than closed, the program still keeps the chosen date.
    TOrderlyQuit quit([&Principal] { TApplication::Guard([&Principal] { Principal.FormClose(); }); });
    Principal.show();
    return QApplication::exec();
}
