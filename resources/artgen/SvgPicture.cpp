#include "SvgPicture.h"

#include <QBrush>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QTransform>

#include <climits>
#include <cmath>
#include <optional>

namespace {

QString Num(double v) {
    QString s = QString::number(v, 'f', 3);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString Point(QPointF p) { return Num(p.x()) + QLatin1Char(',') + Num(p.y()); }

QString Matrix(const QTransform& t) {
    return QStringLiteral("matrix(%1 %2 %3 %4 %5 %6)")
        .arg(Num(t.m11()), Num(t.m12()), Num(t.m21()), Num(t.m22()), Num(t.dx()), Num(t.dy()));
}

// A subpath whose last point is its first is closed, as Qt's stroker treats it:
// joined there rather than capped at both ends.
QString PathData(const QPainterPath& path) {
    QString d;
    QPointF start, last;
    const auto closeIfBack = [&] {
        if (!d.isEmpty() && std::hypot(last.x() - start.x(), last.y() - start.y()) < 1e-6)
            d += QLatin1Char('Z');
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            closeIfBack();
            start = last = e;
            d += QLatin1Char('M') + Point(e);
            break;
        case QPainterPath::LineToElement:
            last = e;
            d += QLatin1Char('L') + Point(e);
            break;
        case QPainterPath::CurveToElement:
            last = path.elementAt(i + 2);
            d += QLatin1Char('C') + Point(e) + QLatin1Char(' ') + Point(path.elementAt(i + 1)) +
                 QLatin1Char(' ') + Point(last);
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    closeIfBack();
    return d;
}

QString Colour(const QColor& c) { return c.name(QColor::HexRgb); }

}  // namespace

class SvgPaintEngine final : public QPaintEngine {
public:
    SvgPaintEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& changed) override {
        const DirtyFlags flags = changed.state();
        if (flags & DirtyTransform)
            m_transform = changed.transform();
        if (flags & DirtyPen)
            m_pen = changed.pen();
        if (flags & DirtyBrush)
            m_brush = changed.brush();
        if ((flags & DirtyBrushOrigin) && !changed.brushOrigin().isNull())
            m_failed = true;
        if (flags & DirtyOpacity)
            m_opacity = changed.opacity();
        if ((flags & DirtyCompositionMode) && changed.compositionMode() != QPainter::CompositionMode_SourceOver)
            m_failed = true;
        // Clips come in the coordinates of the transform they were set under;
        // they are kept in the document's.
        if (flags & DirtyClipPath)
            Clip(changed.clipOperation(), m_transform.map(changed.clipPath()));
        if (flags & DirtyClipRegion) {
            QPainterPath region;
            region.addRegion(changed.clipRegion());
            Clip(changed.clipOperation(), m_transform.map(region));
        }
        if (flags & DirtyClipEnabled)
            m_clipEnabled = changed.isClipEnabled();
    }

    void drawPath(const QPainterPath& path) override { Shape(path, true); }

    using QPaintEngine::drawPolygon;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode != PolylineMode)
            path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        Shape(path, mode != PolylineMode);
    }

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { m_failed = true; }

    [[nodiscard]] QByteArray Document(QSize size) const {
        if (m_failed)
            return {};
        const QString head = QStringLiteral(
                                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                                 "viewBox=\"0 0 %1 %2\">\n")
                                 .arg(size.width())
                                 .arg(size.height());
        return (head + m_body + QStringLiteral("</svg>\n")).toUtf8();
    }

private:
    void Clip(Qt::ClipOperation operation, const QPainterPath& path) {
        if (operation == Qt::NoClip)
            m_clip.reset();
        else if (operation == Qt::IntersectClip && m_clip)
            m_clip = m_clip->intersected(path);
        else
            m_clip = path;
        m_clipId.clear();
    }

    // The paint attributes of `what` ("fill" or "stroke"); a gradient is
    // written to the document first.
    QString Paint(const char* what, const QBrush& brush) {
        const QString name = QLatin1String(what);
        switch (brush.style()) {
        case Qt::SolidPattern: {
            QString attrs = QStringLiteral(" %1=\"%2\"").arg(name, Colour(brush.color()));
            if (brush.color().alpha() != 255)
                attrs += QStringLiteral(" %1-opacity=\"%2\"").arg(name, Num(brush.color().alphaF()));
            return attrs;
        }
        case Qt::LinearGradientPattern:
        case Qt::RadialGradientPattern:
            return QStringLiteral(" %1=\"url(#%2)\"").arg(name, Gradient(brush));
        default:
            m_failed = true;
            return {};
        }
    }

    QString Gradient(const QBrush& brush) {
        const QGradient& g = *brush.gradient();
        if (g.coordinateMode() != QGradient::LogicalMode || g.spread() != QGradient::PadSpread)
            m_failed = true;
        const QString id = QStringLiteral("g%1").arg(++m_ids);
        QString def;
        if (g.type() == QGradient::LinearGradient) {
            const auto& l = static_cast<const QLinearGradient&>(g);
            def = QStringLiteral("<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" "
                                 "x2=\"%4\" y2=\"%5\"")
                      .arg(id, Num(l.start().x()), Num(l.start().y()), Num(l.finalStop().x()),
                           Num(l.finalStop().y()));
        } else {
            const auto& r = static_cast<const QRadialGradient&>(g);
            if (r.focalRadius() != 0)
                m_failed = true;
            def = QStringLiteral("<radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" cy=\"%3\" "
                                 "r=\"%4\" fx=\"%5\" fy=\"%6\"")
                      .arg(id, Num(r.center().x()), Num(r.center().y()), Num(r.radius()),
                           Num(r.focalPoint().x()), Num(r.focalPoint().y()));
        }
        if (!brush.transform().isIdentity())
            def += QStringLiteral(" gradientTransform=\"%1\"").arg(Matrix(brush.transform()));
        def += QStringLiteral(">\n");
        for (const auto& [offset, color] : g.stops()) {
            def += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"").arg(Num(offset), Colour(color));
            if (color.alpha() != 255)
                def += QStringLiteral(" stop-opacity=\"%1\"").arg(Num(color.alphaF()));
            def += QStringLiteral("/>\n");
        }
        def += g.type() == QGradient::LinearGradient ? QStringLiteral("</linearGradient>\n")
                                                     : QStringLiteral("</radialGradient>\n");
        m_body += QStringLiteral("<defs>\n") + def + QStringLiteral("</defs>\n");
        return id;
    }

    QString StrokeAttributes() {
        if (m_pen.style() != Qt::SolidLine || m_pen.isCosmetic() || m_pen.joinStyle() == Qt::MiterJoin ||
            m_pen.joinStyle() == Qt::SvgMiterJoin)
            m_failed = true;
        QString attrs = Paint("stroke", m_pen.brush());
        attrs += QStringLiteral(" stroke-width=\"%1\"").arg(Num(m_pen.widthF()));
        attrs += QStringLiteral(" stroke-linecap=\"%1\"")
                     .arg(m_pen.capStyle() == Qt::FlatCap    ? QStringLiteral("butt")
                          : m_pen.capStyle() == Qt::RoundCap ? QStringLiteral("round")
                                                             : QStringLiteral("square"));
        attrs += QStringLiteral(" stroke-linejoin=\"%1\"")
                     .arg(m_pen.joinStyle() == Qt::RoundJoin ? QStringLiteral("round") : QStringLiteral("bevel"));
        return attrs;
    }

    void Shape(const QPainterPath& path, bool fillable) {
        const bool filled = fillable && m_brush.style() != Qt::NoBrush;
        const bool stroked = m_pen.style() != Qt::NoPen;
        if ((!filled && !stroked) || path.isEmpty())
            return;
        if (!m_transform.isAffine())
            m_failed = true;
        QString attrs = filled ? Paint("fill", m_brush) : QStringLiteral(" fill=\"none\"");
        if (filled && path.fillRule() == Qt::OddEvenFill)
            attrs += QStringLiteral(" fill-rule=\"evenodd\"");
        if (stroked)
            attrs += StrokeAttributes();
        if (m_opacity < 1)
            attrs += QStringLiteral(" opacity=\"%1\"").arg(Num(m_opacity));
        if (!m_transform.isIdentity())
            attrs += QStringLiteral(" transform=\"%1\"").arg(Matrix(m_transform));
        const QString shape = QStringLiteral("<path d=\"%1\"%2/>\n").arg(PathData(path), attrs);
        if (!m_clipEnabled || !m_clip) {
            m_body += shape;
            return;
        }
        // The clip wraps the shape in a group: on the shape itself it would
        // move with the shape's transform.
        if (m_clipId.isEmpty()) {
            m_clipId = QStringLiteral("c%1").arg(++m_ids);
            m_body += QStringLiteral("<defs><clipPath id=\"%1\"><path d=\"%2\"%3/></clipPath></defs>\n")
                          .arg(m_clipId, PathData(*m_clip),
                               m_clip->fillRule() == Qt::OddEvenFill ? QStringLiteral(" clip-rule=\"evenodd\"")
                                                                     : QString());
        }
        m_body += QStringLiteral("<g clip-path=\"url(#%1)\">").arg(m_clipId) + shape.trimmed() +
                  QStringLiteral("</g>\n");
    }

    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
    double m_opacity = 1;
    std::optional<QPainterPath> m_clip;
    bool m_clipEnabled = false;
    QString m_clipId;
    int m_ids = 0;
    QString m_body;
    bool m_failed = false;
};

SvgPicture::SvgPicture(QSize size) : m_size(size), m_engine(std::make_unique<SvgPaintEngine>()) {}

SvgPicture::~SvgPicture() = default;

QPaintEngine* SvgPicture::paintEngine() const { return m_engine.get(); }

QByteArray SvgPicture::Document() const { return m_engine->Document(m_size); }

int SvgPicture::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return qRound(m_size.width() * 25.4 / 96);
    case PdmHeightMM:
        return qRound(m_size.height() * 25.4 / 96);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    default:
        return QPaintDevice::metric(metric);
    }
}
