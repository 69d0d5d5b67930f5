#pragma once
// Qt draws text on a scratch image of its own, never on a surface's image:
// the device pixels of the text's box are copied in, Qt's painter draws over
// them, and the box is copied back. A surface's image is thus never being
// painted on and can be shared (copy on write) at any time, and the painter,
// begun once, draws every text of every paint without allocating.

#include "Geometry.h"
#include "SurfaceImage.h"

#include <QImage>
#include <QPainter>

#include <optional>

class TTextPainter {
public:
    TTextPainter() = default;
    ~TTextPainter() { m_painter.reset(); }
    TTextPainter(const TTextPainter&) = delete;
    TTextPainter& operator=(const TTextPainter&) = delete;

    // The painter for drawing in device coordinates of the image whose pixels
    // px holds, with the pixels of box (inside that image) in place below;
    // the caller sets pen and transform (after Origin()) and draws.
    QPainter& Begin(const TSurfaceImage::TPixels& px, const TRect& box);
    // The device-to-scratch transform; a caller's transform goes after it.
    [[nodiscard]] QTransform Origin() const { return QTransform::fromTranslate(-m_box.left, -m_box.top); }
    // Setting Qt's pen costs an allocation; an equal one is kept.
    void SetPen(QRgb color);
    // Copies the box back into px.
    void End(const TSurfaceImage::TPixels& px);

private:
    QImage m_scratch;
    std::optional<QPainter> m_painter;
    std::optional<QRgb> m_pen;
    TRect m_box;
};
