#include "Application.h"

#include "MessageBoxes.h"

#include <QCoreApplication>

namespace {

QString& TitleStorage() {
    static QString title = QString::fromLatin1(kApplicationTitle);
    return title;
}

}  // namespace

QString TApplication::Title() {
    return QCoreApplication::translate("TApplication", TitleStorage().toUtf8().constData());
}

void TApplication::SetTitle(const QString& title) {
    TitleStorage() = title;
}

QString TApplication::ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

QString TApplication::ErrorMessage(const std::exception& e) {
    const auto* ours = dynamic_cast<const Exception*>(&e);
    if (!ours)
        return QString::fromUtf8(e.what());
    if (ours->Pattern())
        return QCoreApplication::translate("Errors", ours->Pattern()).arg(QString::fromStdString(ours->Argument()));
    return QCoreApplication::translate("Errors", ours->what());
}

void TApplication::ShowException(const QString& message) {
    ShowMessageBox({Title(), ErrorBoxText(message), TMessageIcon::miStop});
}

void TApplication::ReportException(const std::exception& e) noexcept {
    try {
        ShowException(ErrorMessage(e));
    } catch (...) {
        // Showing the box failed too (out of memory): nothing more can be told.
    }
}
