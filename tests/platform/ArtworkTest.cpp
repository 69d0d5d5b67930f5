#include "Artwork.h"
#include "ImageCodec.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QByteArray Load(const char* path) {
    InitArtwork();
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

unsigned U16At(const QByteArray& b, int at) {
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}

unsigned U32At(const QByteArray& b, int at) { return U16At(b, at) | (U16At(b, at + 2) << 16); }

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kMiddle = qRgb(242, 242, 243);
const QRgb kZeroLine = qRgb(122, 122, 123);
const QRgb kDayLine = qRgb(154, 154, 155);

// Rows of the gradient worked out by hand: 255 - 13d/168 and 255 - 12d/168, halves to even.
struct GradientRow {
    int row;
    QRgb colour;
};
const GradientRow kGradient[] = {
    {0, kWhite},
    {42, qRgb(252, 252, 252)},                // 251.75 and 252
    {84, qRgb(248, 248, 249)},                // 248.5 rounds to even 248
    {169, kMiddle},                           // the middle row under the zero line
    {252, qRgb(248, 248, 249)},               // d = 85: 248.42 and 248.93
    {253, qRgb(248, 248, 249)},               // mirror of row 84
    {337, kWhite},
};

void ExpectRow(const QImage& image, int row, QRgb colour, int skipColumn) {
    for (int x = 0; x < image.width(); ++x) {
        if (x == skipColumn)
            continue;
        if (image.pixel(x, row) != colour) {
            ADD_FAILURE() << "row " << row << " column " << x << ": " << std::hex << image.pixel(x, row);
            return;
        }
    }
}

}  // namespace

TEST(Artwork, BannerPicturesAreJpegsOfTheirSizes) {
    const QImage promo = DecodeJpeg(Load(kArtPromo));
    EXPECT_EQ(promo.size(), QSize(125, 105));
    const QImage logo = DecodeJpeg(Load(kArtLogo));
    ASSERT_EQ(logo.size(), QSize(75, 75));
    // White above, the blue band with the brand word below.
    EXPECT_GT(qGray(logo.pixel(2, 2)), 245);
    const QRgb band = logo.pixel(2, 72);
    EXPECT_GT(qBlue(band), qRed(band) + 80);
}

TEST(Artwork, BackImagesAreUncompressed24BitBottomUpFiles) {
    struct Case {
        const char* path;
        unsigned width;
        unsigned fileSize;  // 54 + stride * 338, stride 2044 and 2148
    };
    for (const Case& c : {Case{kArtBackToday, 681, 54 + 2044 * 338}, Case{kArtBack4Weeks, 715, 54 + 2148 * 338}}) {
        SCOPED_TRACE(c.path);
        const QByteArray b = Load(c.path);
        ASSERT_EQ(b.size(), static_cast<qsizetype>(c.fileSize));
        EXPECT_EQ(b.left(2), QByteArray("BM"));
        EXPECT_EQ(U32At(b, 2), c.fileSize);
        EXPECT_EQ(U32At(b, 10), 54u);
        EXPECT_EQ(U32At(b, 14), 40u);
        EXPECT_EQ(U32At(b, 18), c.width);
        EXPECT_EQ(U32At(b, 22), 338u);  // positive: bottom-up
        EXPECT_EQ(U16At(b, 26), 1u);
        EXPECT_EQ(U16At(b, 28), 24u);
        EXPECT_EQ(U32At(b, 30), 0u);  // BI_RGB
        // The last bytes hold the top row, which is white.
        EXPECT_EQ(static_cast<unsigned char>(b[b.size() - 1 - (c.width == 681 ? 1 : 3)]), 255);
    }
}

TEST(Artwork, TodayBackImageIsTheGradientWithTheZeroLine) {
    const QImage image = ReadDib(Load(kArtBackToday));
    ASSERT_EQ(image.size(), QSize(681, 338));
    for (const GradientRow& g : kGradient) {
        SCOPED_TRACE(g.row);
        ExpectRow(image, g.row, g.colour, -1);
    }
    ExpectRow(image, 168, kZeroLine, -1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(image.pixel(x, y), kDayLine) << x << "," << y;
}

TEST(Artwork, FourWeekBackImageAddsTheDayLineAtColumn369Only) {
    const QImage image = ReadDib(Load(kArtBack4Weeks));
    ASSERT_EQ(image.size(), QSize(715, 338));
    for (const GradientRow& g : kGradient) {
        SCOPED_TRACE(g.row);
        ExpectRow(image, g.row, g.colour, 369);
    }
    ExpectRow(image, 168, kZeroLine, -1);  // the zero line wins at the crossing
    for (int y = 0; y < image.height(); ++y) {
        if (y != 168) {
            ASSERT_EQ(image.pixel(369, y), kDayLine) << y;
        }
        for (int x = 0; x < image.width(); ++x) {
            if (x != 369) {
                ASSERT_NE(image.pixel(x, y), kDayLine) << x << "," << y;
            }
        }
    }
}

TEST(Artwork, GlyphAndIconsAreTransparentAroundTheirShape) {
    struct Case {
        const char* path;
        int size;
    };
    const Case cases[] = {{kArtGlyph, 32}, {kArtIcon16, 16}, {kArtIcon32, 32}, {kArtIcon48, 48}, {kArtIcon256, 256}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        QImage image;
        ASSERT_TRUE(image.loadFromData(Load(c.path), "PNG"));
        EXPECT_EQ(image.size(), QSize(c.size, c.size));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(c.size - 1, c.size - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(c.size / 2, c.size * 3 / 4)), 255);
    }
    QImage glyph;
    ASSERT_TRUE(glyph.loadFromData(Load(kArtGlyph), "PNG"));
    const QRgb body = glyph.pixel(8, 24);
    EXPECT_GT(qBlue(body), qRed(body) + 80);
    EXPECT_GT(qGray(glyph.pixel(12, 19)), 230);  // on the check mark
}

TEST(Artwork, EveryIconSizeAndTheFinerBannerPicturesAndGlyph) {
    for (int size : kArtIconSizes) {
        SCOPED_TRACE(size);
        QImage icon;
        ASSERT_TRUE(icon.loadFromData(Load(ArtIconPath(size).toLatin1().constData())));
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
    }
    struct Case {
        const char* path;
        QSize size;
        bool jpeg;
    };
    for (const Case& c : {Case{kArtPromo, {125, 105}, true}, Case{kArtLogo, {75, 75}, true},
                          Case{kArtGlyph, {32, 32}, false}}) {
        for (int scale : kArtScales) {
            const QString path = ArtScaledPath(c.path, scale);
            SCOPED_TRACE(path.toStdString());
            const QByteArray bytes = Load(path.toLatin1().constData());
            QImage image = c.jpeg ? DecodeJpeg(bytes) : QImage::fromData(bytes);
            EXPECT_EQ(image.size(), c.size * scale);
        }
    }
    EXPECT_EQ(ArtScaledPath(kArtPromo, 2), ":/art/promo@2x.jpg");
    EXPECT_EQ(ArtScaledPath(kArtGlyph, 1), ":/art/glyph.png");
}
