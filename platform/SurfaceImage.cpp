#include "SurfaceImage.h"

#include <algorithm>
#include <cstring>
#include <utility>

void TSurfaceImage::Reset(int width, int height) {
    m_image = QImage(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    if (!m_image.isNull())
        m_image.fill(0xFFFFFFFFu);
    m_marks.Resize(m_image.width(), m_image.height());
    m_spare = QImage();
    m_layer = QImage();
}

void TSurfaceImage::TakeSpare() {
    if (m_spare.size() != m_image.size() || m_spare.format() != m_image.format() || !m_spare.isDetached()) {
        m_spare = QImage(m_image.width(), m_image.height(), m_image.format());
        m_spareMarks.Resize(m_image.width(), m_image.height());
    }
    m_image.swap(m_spare);
    std::swap(m_marks, m_spareMarks);
}

TSurfaceImage::TPixels TSurfaceImage::Open(const TRect& box) {
    if (!m_image.isDetached() && !m_image.isNull()) {
        const QImage shared = m_image;
        TakeSpare();
        std::memcpy(m_image.bits(), shared.constBits(), static_cast<std::size_t>(shared.sizeInBytes()));
        m_marks = m_spareMarks;  // the shared image's pixels, so its marks too
    }
    m_marks.Mark(box);
    return {reinterpret_cast<std::uint32_t*>(m_image.bits()), m_image.bytesPerLine() / 4};
}

void TSurfaceImage::Replace() {
    if (!m_image.isDetached() && !m_image.isNull())
        TakeSpare();
}

void TSurfaceImage::Share(const QImage& source) {
    m_image = source;
    m_marks.MarkAll();
}

void TSurfaceImage::KeepLayer() {
    if (m_layer.size() != m_image.size() || m_layer.format() != m_image.format())
        m_layer = QImage(m_image.size(), m_image.format());
    std::memcpy(m_layer.bits(), m_image.constBits(), static_cast<std::size_t>(m_image.sizeInBytes()));
    m_marks.Clear();
    if (!m_useMarks)
        m_marks.MarkAll();
    m_spareMarks.MarkAll();
}

bool TSurfaceImage::PutLayerBack() {
    if (m_layer.isNull() || m_layer.size() != m_image.size())
        return false;
    Replace();
    m_marks.CopyMarked(m_layer, m_image);
    m_marks.Clear();
    if (!m_useMarks)
        m_marks.MarkAll();
    return true;
}

void TSurfaceImage::SetTileMarks(bool on) {
    m_useMarks = on;
    m_marks.MarkAll();
    m_spareMarks.MarkAll();
}
