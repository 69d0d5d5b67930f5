#include "MessageBoxes.h"

#include <QMessageBox>

namespace {

TMessageBoxHandler& CurrentHandler() {
    static TMessageBoxHandler handler;
    return handler;
}

}  // namespace

void ShowMessageBox(const TMessageBoxRequest& request) {
    if (const auto& handler = CurrentHandler())
        handler(request);
    else
        ExecMessageBox(request);
}

void ShowInformationBox(const QString& text) {
    ShowMessageBox({QStringLiteral("Information"), text, TMessageIcon::miInformation});
}

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler) {
    TMessageBoxHandler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

void ExecMessageBox(const TMessageBoxRequest& request) {
    // No parent: a parentless dialog is application-modal and Qt centres it on
    // the screen rather than over a window.
    QMessageBox box(request.icon == TMessageIcon::miStop ? QMessageBox::Critical
                                                          : QMessageBox::Information,
                    request.caption, request.text, QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
