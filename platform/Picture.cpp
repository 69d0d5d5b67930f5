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

}  // namespace

TPicture::TPicture(QImage image) { SetImage(std::move(image)); }

TPicture::TPicture(int width, int height) {
    if (width > 0 && height > 0) {
        m_image = QImage(width, height, QImage::Format_RGB32);
        m_image.fill(0xFFFFFFFFu);
    }
}

void TPicture::SetImage(QImage image) {
    if (!image.isNull() && image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    MakeOpaque(image);
    m_image = std::move(image);
}

bool TPicture::LoadFromFile(const QString& path) {
    QImage image;
    if (!image.load(path))
        return false;
    SetImage(std::move(image));
    return true;
}
