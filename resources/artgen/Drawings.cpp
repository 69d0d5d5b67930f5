#include "Drawings.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "SvgPicture.h"

namespace {

constexpr double kPi = std::numbers::pi;

const QColor kBandTop(38, 104, 214);
const QColor kBandBottom(16, 58, 156);
const QColor kWaveColors[] = {QColor(226, 52, 60), QColor(240, 160, 30), QColor(36, 168, 90),
                              QColor(38, 104, 214), QColor(150, 60, 190)};

QImage Blank(int w, int h, bool opaque) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::white : Qt::transparent);
    return image;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPainterPath Sine(double x0, double x1, double yMid, double amplitude, double periods, double phase) {
    QPainterPath path;
    const int steps = 96;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const QPointF pt(x0 + (x1 - x0) * t, yMid - amplitude * std::sin(2 * kPi * (periods * t + phase)));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    return path;
}

// A four-pointed sparkle.
void Star(QPainter& p, QPointF c, double r, const QColor& color) {
    QPainterPath path;
    const double w = r * 0.28;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c.x() + w * 0.3, c.y() - w * 0.3, c.x() + r, c.y());
    path.quadTo(c.x() + w * 0.3, c.y() + w * 0.3, c.x(), c.y() + r);
    path.quadTo(c.x() - w * 0.3, c.y() + w * 0.3, c.x() - r, c.y());
    path.quadTo(c.x() - w * 0.3, c.y() - w * 0.3, c.x(), c.y() - r);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
}

void Planet(QPainter& p, QPointF c, double r, bool ring) {
    const QRectF ringRect(-r * 1.75, -r * 0.42, r * 3.5, r * 0.84);
    const QColor ringColor(236, 150, 60);
    auto drawRing = [&](bool frontHalf) {
        p.save();
        p.translate(c);
        p.rotate(-18);
        if (frontHalf)
            p.setClipRect(QRectF(-r * 2, 0, r * 4, r));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ringColor, r * 0.2));
        p.drawEllipse(ringRect);
        p.restore();
    };
    if (ring)
        drawRing(false);
    QRadialGradient body(c.x() - r * 0.4, c.y() - r * 0.45, r * 1.6);
    body.setColorAt(0, QColor(255, 226, 140));
    body.setColorAt(0.55, QColor(246, 170, 60));
    body.setColorAt(1, QColor(206, 100, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, r, r);
    if (ring)
        drawRing(true);
}

void Wave(QPainter& p, double x0, double x1, double yMid, double amplitude, double width) {
    QLinearGradient g(x0, 0, x1, 0);
    const int n = static_cast<int>(std::size(kWaveColors));
    for (int i = 0; i < n; ++i)
        g.setColorAt(static_cast<double>(i) / (n - 1), kWaveColors[i]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(g), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(Sine(x0, x1, yMid, amplitude, 1.25, 0.0));
}

void Band(QPainter& p, const QRectF& r) {
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, kBandTop);
    g.setColorAt(1, kBandBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(r);
}

// Text centred in a rectangle given in the painter's current coordinates, drawn
// in device pixels so that the glyphs are hinted at their final size.
void BandText(QPainter& p, const QRectF& box, const QString& text, double fill) {
    const QRectF device = p.transform().mapRect(box);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    int pixels = static_cast<int>(device.height() * (text.size() == 1 ? 0.9 : 0.72));
    for (; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(text) <= device.width() * fill)
            break;
    }
    font.setPixelSize(pixels);
    p.save();
    p.resetTransform();
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(device, Qt::AlignCenter, text);
    p.restore();
}

// The logo motif in a 100 x 100 box. detail 0 is for 16 pixels, 1 for 32 and 48,
// 2 for the full logo with the brand word.
void LogoMark(QPainter& p, int detail) {
    const double bandTop = detail == 0 ? 64 : detail == 1 ? 66 : 70;
    Band(p, QRectF(0, bandTop, 100, 100 - bandTop));
    if (detail == 0) {
        Planet(p, QPointF(68, 27), 19, false);
        Wave(p, 6, 94, 47, 11, 11);
        return;
    }
    Star(p, QPointF(17, 15), detail == 2 ? 7 : 9, QColor(38, 104, 214));
    Star(p, QPointF(38, 7), 4.5, QColor(240, 160, 30));
    if (detail == 2) {
        Star(p, QPointF(33, 28), 3.5, QColor(150, 60, 190));
        Star(p, QPointF(92, 53), 3.5, QColor(38, 104, 214));
        Star(p, QPointF(8, 36), 2.5, QColor(240, 160, 30));
    }
    Planet(p, QPointF(70, 25), detail == 2 ? 13 : 15, true);
    Wave(p, 6, 94, 52, 10, detail == 2 ? 4.5 : 7);
    BandText(p, QRectF(0, bandTop, 100, 100 - bandTop), detail == 2 ? QStringLiteral("Quellmar")
                                                                   : QStringLiteral("Q"),
             0.9);
}

// A miniature chart window: title bar, white plot with a zero line, bars and waves.
void ChartCard(QPainter& p, const QRectF& r, int variant) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(r.translated(1.6, 2.2), 1.5, 1.5);

    p.setBrush(QColor(236, 239, 244));
    p.setPen(QPen(QColor(120, 132, 152), 0.6));
    p.drawRoundedRect(r, 1.5, 1.5);

    QLinearGradient title(r.left(), 0, r.right(), 0);
    title.setColorAt(0, QColor(24, 70, 170));
    title.setColorAt(1, QColor(96, 150, 226));
    p.setPen(Qt::NoPen);
    p.setBrush(title);
    p.drawRect(QRectF(r.left() + 0.6, r.top() + 0.6, r.width() - 1.2, 5.2));
    p.setBrush(QColor(255, 255, 255, 200));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(r.right() - 3.2 - 2.6 * i, r.top() + 2.2, 1.7, 1.7));

    const QRectF plot(r.left() + 3, r.top() + 8.5, r.width() - 6, r.height() - 11.5);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(170, 176, 186), 0.5));
    p.drawRect(plot);
    const double zero = plot.center().y();
    p.setPen(QPen(QColor(150, 150, 152), 0.5));
    p.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));

    p.save();
    p.setClipRect(plot);
    if (variant == 0) {
        // Today's scores: one coloured bar per cycle.
        const double values[] = {0.8, -0.45, 0.6, 0.95, -0.7, 0.3, -0.2, 0.35};
        const QColor colors[] = {QColor(226, 52, 60), QColor(36, 168, 90), QColor(38, 104, 214),
                                 QColor(240, 160, 30), QColor(150, 60, 190), QColor(20, 170, 190),
                                 QColor(230, 90, 160), QColor(150, 150, 150)};
        const int n = 8;
        const double slot = plot.width() / n;
        for (int i = 0; i < n; ++i) {
            const double h = values[i] * plot.height() * 0.42;
            QRectF bar(plot.left() + slot * i + slot * 0.18, h > 0 ? zero - h : zero, slot * 0.64,
                       std::abs(h));
            p.setPen(Qt::NoPen);
            p.setBrush(colors[i]);
            p.drawRect(bar);
        }
    } else {
        // Four weeks: grey average bars under the cycle lines.
        const int n = 14;
        const double slot = plot.width() / n;
        for (int i = 0; i < n; ++i) {
            const double h = std::sin(0.55 * i + variant) * plot.height() * 0.22;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 202, 208));
            p.drawRect(QRectF(plot.left() + slot * i + slot * 0.15, h > 0 ? zero - h : zero, slot * 0.7,
                              std::abs(h)));
        }
        const double periods[] = {1.3, 1.07, 0.91, 0.57, 0.62};
        const int lines = variant == 1 ? 5 : 3;
        for (int i = 0; i < lines; ++i) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kWaveColors[i], 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(Sine(plot.left(), plot.right(), zero, plot.height() * 0.4, periods[i],
                            0.13 * i + 0.07 * variant));
        }
    }
    p.restore();
}

}  // namespace

QImage DrawPromo(int scale) {
    QImage image = Blank(125 * scale, 105 * scale, true);
    QPainter p(&image);
    Smooth(p);
    p.scale(scale, scale);

    // The oval: a glossy blue disc seen from the side, with the cards' shadow on it.
    const QRectF disc(6, 72, 113, 30);
    QRadialGradient oval(62.5, 80, 62);
    oval.setColorAt(0, QColor(120, 176, 246));
    oval.setColorAt(0.45, QColor(44, 112, 220));
    oval.setColorAt(1, QColor(14, 52, 146));
    p.save();
    p.translate(disc.center());
    p.scale(1, disc.height() / disc.width());
    p.translate(-disc.center());
    p.setPen(Qt::NoPen);
    p.setBrush(oval);
    p.drawEllipse(disc.center(), disc.width() / 2, disc.width() / 2);
    p.restore();
    QRadialGradient shade(62.5, 80, 40);
    shade.setColorAt(0, QColor(0, 20, 70, 90));
    shade.setColorAt(1, QColor(0, 20, 70, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QRectF(22, 74, 81, 12));

    // Cards fanned out around a pivot below the picture, outermost first.
    const QPointF pivot(62.5, 140);
    const double angles[] = {-21, 21, -7, 7};
    const int variants[] = {2, 3, 1, 0};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(angles[i]);
        p.translate(-pivot);
        ChartCard(p, QRectF(62.5 - 23, 20, 46, 37), variants[i]);
        p.restore();
    }
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage DrawLogo(int scale) {
    QImage image = Blank(75 * scale, 75 * scale, true);
    QPainter p(&image);
    Smooth(p);
    p.scale(0.75 * scale, 0.75 * scale);
    LogoMark(p, 2);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

namespace {

void PaintIcon(QPainter& p, int size) {
    Smooth(p);
    p.scale(size / 100.0, size / 100.0);
    QPainterPath tile;
    const double corner = std::max(14.0, 400.0 / size);  // at least 4 pixels, or small icons look square
    tile.addRoundedRect(QRectF(0, 0, 100, 100), corner, corner);
    p.setClipPath(tile);
    p.fillRect(QRectF(0, 0, 100, 100), Qt::white);
    LogoMark(p, size <= 24 ? 0 : size < 128 ? 1 : 2);
}

}  // namespace

QImage DrawIcon(int size) {
    QImage image = Blank(size, size, false);
    QPainter p(&image);
    PaintIcon(p, size);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray DrawIconSvg() {
    constexpr int size = 256;
    SvgPicture svg(QSize(size, size));
    QPainter p(&svg);
    PaintIcon(p, size);
    p.end();
    return svg.Document();
}

QImage DrawGlyph(int scale) {
    QImage image = Blank(32 * scale, 32 * scale, false);
    QPainter p(&image);
    Smooth(p);
    p.scale(scale, scale);
    const QPointF c(16, 16);
    const double r = 14.5;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(c + QPointF(0, 0.8), r + 0.6, r + 0.6);

    QLinearGradient body(0, 1.5, 0, 30.5);
    body.setColorAt(0, QColor(92, 160, 240));
    body.setColorAt(1, QColor(18, 70, 172));
    p.setBrush(body);
    p.setPen(QPen(QColor(14, 52, 132), 1.0));
    p.drawEllipse(c, r, r);

    QLinearGradient gloss(0, 2, 0, 16);
    gloss.setColorAt(0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(6, 2.6, 20, 13));

    QPainterPath tick;
    tick.moveTo(9.2, 16.6);
    tick.lineTo(14.0, 21.4);
    tick.lineTo(23.2, 11.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 60), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick.translated(0, 0.8));
    p.setPen(QPen(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
