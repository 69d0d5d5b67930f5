#include "InterfaceLanguage.h"

#include "DrawSurface.h"

#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QStringList>

namespace {
std::optional<std::string> g_override;
}

std::string InterfaceLanguage() {
    if (g_override)
        return *g_override;
    // Asked once: every chart font starts from it, and the answer holds for the session.
    static const std::string desktop = [] {
        // The first of the interface languages is the one the desktop shows.
        const QStringList languages = QLocale::system().uiLanguages();
        const QLocale locale = languages.isEmpty() ? QLocale::system() : QLocale(languages.first());
        return QLocale::languageToCode(locale.language()).toStdString();
    }();
    return desktop;
}

void SetInterfaceLanguage(std::optional<std::string> language) { g_override = std::move(language); }

TInterfaceFont DefaultInterfaceFont() {
    const QFont font = QGuiApplication::font();
    int size = font.pointSize();
    if (size <= 0)
        size = FontSizeOfHeight(-font.pixelSize());
    return {font.family().toStdString(), size};
}
