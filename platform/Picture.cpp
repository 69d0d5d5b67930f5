#include "Picture.h"

#include <algorithm>
#include <cstdint>

namespace {

// Surfaces copy picture rows as they stand, so every pixel must carry the
// opaque alpha byte of Format_RGB32; only raw writes can leave it out.
void MakeOpaque(QImage& image) {
    constexpr std::uint32_t opaque = 0xFF000000u;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        if (std::all_of(row, row + image.width(), [](std::uint32_t v) { return (v & opaque) == opaque; }))
            continue;
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= opaque;
    }
}

// The image as pictures keep it: Format_RGB32 with every alpha byte opaque.
QImage Normalized(QImage image) {
    if (!image.isNull() && image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    MakeOpaque(image);
    return image;
}

QImage WhiteImage(QSize size) {
    QImage image;
    if (!size.isEmpty()) {
        image = QImage(size, QImage::Format_RGB32);
        image.fill(0xFFFFFFFFu);
    }
    return image;
}

}  // namespace

TPicture::TPicture(QImage image) { SetImage(std::move(image)); }

TPicture::TPicture(int width, int height) : m_image(WhiteImage({width, height})), m_size(m_image.size()) {}

TPicture::TPicture(QSize size, std::function<QImage()> decode)
    : m_decode(std::move(decode)), m_size(size.isValid() ? size : QSize(0, 0)) {
    if (!m_decode)
        m_image = WhiteImage(m_size);
}

void TPicture::Decode() const {
    QImage image = Normalized(m_decode());
    m_image = image.size() == m_size ? std::move(image) : WhiteImage(m_size);
    m_decode = nullptr;
}

void TPicture::SetImage(QImage image) {
    m_decode = nullptr;
    m_image = Normalized(std::move(image));
    m_size = m_image.size();
}
