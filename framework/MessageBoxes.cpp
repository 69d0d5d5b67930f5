#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

namespace {

// Qt places a parentless box at its size before the layout and shrinks it
// afterwards, which leaves it above and left of the centre. This one moves
// to the centre once it has its final size, before it appears.
class TCenteredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (event->spontaneous())
            return;
        const QWidget* active = QApplication::activeWindow();
        const QScreen* screen = active ? active->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        // move() places the frame; centre the frame, as far as it is known yet.
        QSize outer = size();
        if (const QWindow* window = windowHandle()) {
            const QMargins frame = window->frameMargins();
            outer += QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
        }
        move(CentredOn(screen->geometry(), outer));
    }
};

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
    ShowMessageBox({QCoreApplication::translate("MessageBoxes", "Information"), text, TMessageIcon::miInformation});
}

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler) {
    TMessageBoxHandler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

void ExecMessageBox(const TMessageBoxRequest& request) {
    // No parent: a parentless dialog is application-modal and Qt centres it on
    // the screen rather than over a window.
    TCenteredMessageBox box(request.icon == TMessageIcon::miStop ? QMessageBox::Critical
                                                          : QMessageBox::Information,
                    request.caption, request.text, QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QPoint CentredOn(const QRect& area, const QSize& size) {
    return {area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2};
}
