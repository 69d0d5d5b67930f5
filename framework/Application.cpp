#include "Application.h"

#include "MessageBoxes.h"

namespace {

QString& TitleStorage() {
    static QString title = QString::fromLatin1(kApplicationTitle);
    return title;
}

}  // namespace

QString TApplication::Title() {
    return TitleStorage();
}

void TApplication::SetTitle(const QString& title) {
    TitleStorage() = title;
}

QString TApplication::ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void TApplication::ShowException(const QString& message) {
    ShowMessageBox({Title(), ErrorBoxText(message), TMessageIcon::miStop});
}

void TApplication::ReportException(const std::exception& e) noexcept {
    try {
        ShowException(QString::fromUtf8(e.what()));
    } catch (...) {
        // Showing the box failed too (out of memory): nothing more can be told.
    }
}
