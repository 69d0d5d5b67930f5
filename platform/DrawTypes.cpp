#include "DrawTypes.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

TColor FromQColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

}  // namespace

TColor ResolveColor(TColor color) {
    if (color == clDefault || color == clNone)
        return clBlack;
    if (!IsSystemColor(color))
        return color & 0xFFFFFF;
    const QPalette palette = qGuiApp ? QGuiApplication::palette() : QPalette();
    switch (color & 0xFF) {
    case 15: return FromQColor(palette.color(QPalette::Button));
    case 8: return FromQColor(palette.color(QPalette::WindowText));
    case 20: return FromQColor(palette.color(QPalette::Light));
    case 16: return FromQColor(palette.color(QPalette::Dark));
    case 5: return FromQColor(palette.color(QPalette::Base));
    case 13: return FromQColor(palette.color(QPalette::Highlight));
    case 14: return FromQColor(palette.color(QPalette::HighlightedText));
    default: return FromQColor(palette.color(QPalette::Window));
    }
}
