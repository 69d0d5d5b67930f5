#include "TextPainter.h"

#include <algorithm>
#include <cstring>

QPainter& TTextPainter::Begin(const TSurfaceImage::TPixels& px, const TRect& box) {
    if (box.Width() > m_scratch.width() || box.Height() > m_scratch.height()) {
        m_painter.reset();
        m_scratch = QImage(std::max(box.Width(), m_scratch.width()), std::max(box.Height(), m_scratch.height()),
                           QImage::Format_RGB32);
    }
    if (!m_painter) {
        m_painter.emplace(&m_scratch);
        m_pen.reset();
    }
    m_box = box;
    // bits() once: every scanLine() would ask the image to detach again.
    auto* scratch = reinterpret_cast<std::uint32_t*>(m_scratch.bits());
    const std::ptrdiff_t stride = m_scratch.bytesPerLine() / 4;
    const auto bytes = static_cast<std::size_t>(box.Width()) * sizeof(std::uint32_t);
    for (int y = box.top; y < box.bottom; ++y)
        std::memcpy(scratch + (y - box.top) * stride, px.Row(y) + box.left, bytes);
    m_painter->setTransform(Origin());
    return *m_painter;
}

void TTextPainter::SetPen(QRgb color) {
    if (color == m_pen)
        return;
    m_painter->setPen(QColor::fromRgb(color));
    m_pen = color;
}

void TTextPainter::End(const TSurfaceImage::TPixels& px) {
    const auto* scratch = reinterpret_cast<const std::uint32_t*>(m_scratch.constBits());
    const std::ptrdiff_t stride = m_scratch.bytesPerLine() / 4;
    const auto bytes = static_cast<std::size_t>(m_box.Width()) * sizeof(std::uint32_t);
    for (int y = m_box.top; y < m_box.bottom; ++y)
        std::memcpy(px.Row(y) + m_box.left, scratch + (y - m_box.top) * stride, bytes);
}
