#pragma once
// The shell's "open" of a web address in the default browser, behind a
// replaceable handler so that tests never start a browser.

#include <QString>
#include <QUrl>

#include <functional>

using TShellOpenHandler = std::function<void(const QUrl&)>;

// The web link of a bare host name: "https://" followed by the host, the
// scheme of every address the package and its metadata give.
[[nodiscard]] QUrl WebLinkOf(const QString& bareHost);

// Opens the link of the bare host; the outcome is not examined.
void ShellOpen(const QString& bareHost);

// Installs a handler (an empty one restores QDesktopServices::openUrl) and
// returns the previous one.
TShellOpenHandler SetShellOpenHandler(TShellOpenHandler handler);

class TScopedShellOpenHandler {
public:
    explicit TScopedShellOpenHandler(TShellOpenHandler handler)
        : m_previous(SetShellOpenHandler(std::move(handler))) {}
    ~TScopedShellOpenHandler() { SetShellOpenHandler(std::move(m_previous)); }
    TScopedShellOpenHandler(const TScopedShellOpenHandler&) = delete;
    TScopedShellOpenHandler& operator=(const TScopedShellOpenHandler&) = delete;

private:
    TShellOpenHandler m_previous;
};
