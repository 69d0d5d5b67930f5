#pragma once
// A platform picture: an RGB image that surfaces draw at its own size or
// stretched with whole rows and columns repeated or dropped (no blending).

#include <QImage>
#include <QString>

class TPicture {
public:
    TPicture() = default;
    explicit TPicture(QImage image);
    TPicture(int width, int height);  // filled with white

    [[nodiscard]] int Width() const { return m_image.width(); }
    [[nodiscard]] int Height() const { return m_image.height(); }
    [[nodiscard]] bool Empty() const { return m_image.isNull() || Width() <= 0 || Height() <= 0; }
    [[nodiscard]] const QImage& Image() const { return m_image; }

    void SetImage(QImage image);
    // False (and the picture unchanged) when the file cannot be read.
    bool LoadFromFile(const QString& path);

private:
    QImage m_image;  // always Format_RGB32 once set
};
