#include "DeferredIcon.h"

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QImage Square(int size, QRgb color) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

TEST(DeferredIcon, KnowsItsSizesAtOnceAndGivesEachFilesPixels) {
    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("16.png"));
    const QString large = dir.filePath(QStringLiteral("32.png"));
    ASSERT_TRUE(Square(16, qRgb(200, 0, 0)).save(small));
    ASSERT_TRUE(Square(32, qRgb(0, 0, 200)).save(large));

    const QIcon icon = DeferredIcon({{small, {16, 16}}, {large, {32, 32}}});
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));

    const QImage sixteen = icon.pixmap(16, 16).toImage();
    ASSERT_EQ(sixteen.size(), QSize(16, 16));
    EXPECT_EQ(sixteen.pixel(8, 8), qRgb(200, 0, 0));
    const QImage thirtyTwo = icon.pixmap(32, 32).toImage();
    ASSERT_EQ(thirtyTwo.size(), QSize(32, 32));
    EXPECT_EQ(thirtyTwo.pixel(16, 16), qRgb(0, 0, 200));
    // Copies share the decoded pictures and answer alike.
    const QIcon copy = icon;  // NOLINT(performance-unnecessary-copy-initialization)
    EXPECT_EQ(copy.pixmap(32, 32).toImage().pixel(1, 1), qRgb(0, 0, 200));

    EXPECT_TRUE(DeferredIcon({}).isNull());
}

TEST(DeferredIcon, MadeOnceWhenFirstDrawnIncludingItsFinerPictures) {
    int made = 0;
    const QIcon icon = DeferredIcon({{32, 32}}, [&made] {
        ++made;
        QIcon glyph;
        glyph.addPixmap(QPixmap::fromImage(Square(32, qRgb(0, 150, 0))));
        QPixmap fine = QPixmap::fromImage(Square(64, qRgb(0, 0, 150)));
        fine.setDevicePixelRatio(2);
        glyph.addPixmap(fine);
        return glyph;
    });
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{32, 32}}));
    EXPECT_EQ(made, 0);
    EXPECT_EQ(icon.pixmap(QSize(32, 32), 1.0).toImage().pixel(5, 5), qRgb(0, 150, 0));
    const QIcon copy = icon;  // NOLINT(performance-unnecessary-copy-initialization)
    const QPixmap fine = copy.pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(fine.devicePixelRatio(), 2);
    EXPECT_EQ(fine.toImage().pixel(5, 5), qRgb(0, 0, 150));
    EXPECT_EQ(made, 1);
}

}  // namespace
