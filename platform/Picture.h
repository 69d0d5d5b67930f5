#pragma once
// A platform picture: an RGB image that surfaces draw at its own size or
// stretched with whole rows and columns repeated or dropped (no blending).
//
// A picture may be deferred: its size is known at once and its pixels are
// decoded the first time Image() is asked for, then kept. Copies made before
// that decode on their own.

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

class TPicture {
public:
    TPicture() = default;
    explicit TPicture(QImage image);
    TPicture(int width, int height);  // filled with white
    // `decode` should give an image of `size`; one of another size (or none)
    // stands as a white picture of `size`, so the picture never changes size.
    TPicture(QSize size, std::function<QImage()> decode);

    [[nodiscard]] int Width() const { return m_size.width(); }
    [[nodiscard]] int Height() const { return m_size.height(); }
    [[nodiscard]] bool Empty() const { return Width() <= 0 || Height() <= 0; }
    [[nodiscard]] const QImage& Image() const {
        if (m_decode)
            Decode();
        return m_image;
    }
    [[nodiscard]] bool Decoded() const { return !m_decode; }

    void SetImage(QImage image);
    // False (and the picture unchanged) when the file cannot be read.
    bool LoadFromFile(const QString& path);

private:
    void Decode() const;

    // Both change only on the first Image() of a deferred picture.
    mutable QImage m_image;  // always Format_RGB32 once set
    mutable std::function<QImage()> m_decode;
    QSize m_size{0, 0};
};
