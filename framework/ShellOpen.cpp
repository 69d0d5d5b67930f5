#include "ShellOpen.h"

#include <QDesktopServices>

namespace {

TShellOpenHandler& CurrentHandler() {
    static TShellOpenHandler handler;
    return handler;
}

}  // namespace

QUrl WebLinkOf(const QString& bareHost) {
    return QUrl(QStringLiteral("https://") + bareHost);
}

void ShellOpen(const QString& bareHost) {
    const QUrl link = WebLinkOf(bareHost);
    if (const auto& handler = CurrentHandler())
        handler(link);
    else
        QDesktopServices::openUrl(link);
}

TShellOpenHandler SetShellOpenHandler(TShellOpenHandler handler) {
    TShellOpenHandler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}
