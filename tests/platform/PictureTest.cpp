#include "Picture.h"

#include <gtest/gtest.h>

namespace {

QImage Filled(int width, int height, QRgb color, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(color);
    return image;
}

TEST(DeferredPicture, KnowsItsSizeAtOnceAndDecodesOnceOnFirstImage) {
    int decodes = 0;
    const TPicture picture(QSize(3, 2), [&] {
        ++decodes;
        return Filled(3, 2, qRgba(10, 20, 30, 0), QImage::Format_ARGB32);
    });
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 2);
    EXPECT_FALSE(picture.Empty());
    EXPECT_FALSE(picture.Decoded());
    EXPECT_EQ(decodes, 0);

    // Kept as every picture is: RGB32 with opaque alpha.
    EXPECT_EQ(picture.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.Image().pixel(2, 1), qRgb(10, 20, 30));
    EXPECT_TRUE(picture.Decoded());
    (void)picture.Image();
    EXPECT_EQ(decodes, 1);
}

TEST(DeferredPicture, NeverChangesSizeWhenTheDecodeFailsOrDisagrees) {
    const TPicture failed(QSize(4, 3), [] { return QImage(); });
    ASSERT_EQ(failed.Image().size(), QSize(4, 3));
    EXPECT_EQ(failed.Image().pixel(3, 2), qRgb(255, 255, 255));

    const TPicture other(QSize(4, 3), [] { return Filled(5, 3, qRgb(1, 2, 3)); });
    ASSERT_EQ(other.Image().size(), QSize(4, 3));
    EXPECT_EQ(other.Image().pixel(0, 0), qRgb(255, 255, 255));

    const TPicture empty(QSize(-1, 3), [] { return Filled(1, 3, qRgb(1, 2, 3)); });
    EXPECT_TRUE(empty.Empty());
    EXPECT_TRUE(empty.Image().isNull());
}

TEST(DeferredPicture, CopiesDecodeOnTheirOwnAndSetImageEndsTheDeferral) {
    int decodes = 0;
    TPicture picture(QSize(2, 2), [&] {
        ++decodes;
        return Filled(2, 2, qRgb(9, 9, 9));
    });
    const TPicture copy = picture;
    picture.SetImage(Filled(1, 1, qRgb(7, 7, 7)));
    EXPECT_EQ(picture.Width(), 1);
    EXPECT_EQ(picture.Image().pixel(0, 0), qRgb(7, 7, 7));
    EXPECT_EQ(decodes, 0);
    EXPECT_EQ(copy.Image().pixel(1, 1), qRgb(9, 9, 9));
    EXPECT_EQ(decodes, 1);
}

}  // namespace
