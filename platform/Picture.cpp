#include "Picture.h"

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
    m_image = std::move(image);
}

bool TPicture::LoadFromFile(const QString& path) {
    QImage image;
    if (!image.load(path))
        return false;
    SetImage(std::move(image));
    return true;
}
