#include "ImageCodec.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

void Put16(QByteArray& b, int at, unsigned v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(QByteArray& b, int at, unsigned v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// A 3 x 2 file written by hand: rows of 9 bytes padded to 12, bottom row first.
// Top row: red, green, blue; bottom row: (10,20,30), white, (1,2,3).
QByteArray SmallDib() {
    QByteArray b(54 + 24, '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, 78);
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, 3);
    Put32(b, 22, 2);
    Put16(b, 26, 1);
    Put16(b, 28, 24);
    Put32(b, 30, 0);
    Put32(b, 34, 24);
    const unsigned char pixels[24] = {30, 20, 10, 255, 255, 255, 3, 2, 1, 0xAA, 0xAA, 0xAA,
                                      0, 0, 255, 0, 255, 0, 255, 0, 0, 0xAA, 0xAA, 0xAA};
    for (int i = 0; i < 24; ++i)
        b[54 + i] = static_cast<char>(pixels[i]);
    return b;
}

// A solid-colour JPEG made with the encoder side of the same library.
QByteArray SolidJpeg(int w, int h, int r, int g, int b, bool grey, bool progressive = false) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row;
    for (int x = 0; x < w; ++x) {
        if (grey) {
            row.push_back(static_cast<unsigned char>(r));
        } else {
            row.push_back(static_cast<unsigned char>(r));
            row.push_back(static_cast<unsigned char>(g));
            row.push_back(static_cast<unsigned char>(b));
        }
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&cinfo);
    std::free(out);
    return bytes;
}

void ExpectNear(QRgb actual, int r, int g, int b, int tolerance) {
    EXPECT_NEAR(qRed(actual), r, tolerance);
    EXPECT_NEAR(qGreen(actual), g, tolerance);
    EXPECT_NEAR(qBlue(actual), b, tolerance);
}

}  // namespace

TEST(ReadDib, PlacesBottomUpRowsAndSwapsBlueAndRed) {
    const QImage image = ReadDib(SmallDib());
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(0, 1), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(2, 1), qRgb(1, 2, 3));
}

TEST(ReadDib, NegativeHeightMeansTopDownRows) {
    QByteArray b = SmallDib();
    Put32(b, 22, static_cast<unsigned>(-2));
    const QImage image = ReadDib(b);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 0, 255));
}

TEST(ReadDib, HonoursThePixelOffsetAndIgnoresTrailingBytes) {
    QByteArray b = SmallDib();
    b.insert(54, QByteArray(8, '\x7F'));  // e.g. an optional colour table
    Put32(b, 10, 62);
    Put32(b, 2, static_cast<unsigned>(b.size()));
    b.append(QByteArray(5, '\x11'));
    const QImage image = ReadDib(b);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(0, 1), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(2, 0), qRgb(0, 0, 255));
}

TEST(ReadDib, RefusesAnythingButACompleteUncompressed24BitFile) {
    struct Case {
        const char* name;
        int at;         // byte to change, or -1
        int width;      // 2 or 4 bytes
        unsigned value;
        int keep;       // bytes to keep, or -1 for all
    };
    const Case cases[] = {
        {"wrong magic", 0, 2, 0x4142, -1},
        {"32 bits per pixel", 28, 2, 32, -1},
        {"8 bits per pixel", 28, 2, 8, -1},
        {"run-length compressed", 30, 4, 1, -1},
        {"bit fields", 30, 4, 3, -1},
        {"two planes", 26, 2, 2, -1},
        {"core header", 14, 4, 12, -1},
        {"zero width", 18, 4, 0, -1},
        {"negative width", 18, 4, static_cast<unsigned>(-3), -1},
        {"zero height", 22, 4, 0, -1},
        {"height larger than the data", 22, 4, 3, -1},
        {"width larger than the data", 18, 4, 5, -1},
        {"huge width", 18, 4, 0x7FFFFFFF, -1},
        {"huge top-down height", 22, 4, 0x80000000u, -1},
        {"offset inside the headers", 10, 4, 40, -1},
        {"offset past the end", 10, 4, 1000, -1},
        {"offset moves rows past the end", 10, 4, 56, -1},
        {"file size larger than the data", 2, 4, 79, -1},
        {"last pixel byte missing", -1, 0, 0, 54 + 23},
        {"headers only", -1, 0, 0, 54},
        {"cut inside the info header", -1, 0, 0, 30},
        {"empty", -1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray b = SmallDib();
        if (c.at >= 0) {
            if (c.width == 2)
                Put16(b, c.at, c.value);
            else
                Put32(b, c.at, c.value);
        }
        if (c.keep >= 0)
            b.truncate(c.keep);
        EXPECT_TRUE(ReadDib(b).isNull());
    }
}

TEST(DecodeJpeg, DecodesColourGreyAndProgressivePictures) {
    const QImage colour = DecodeJpeg(SolidJpeg(40, 24, 200, 40, 90, false));
    ASSERT_EQ(colour.size(), QSize(40, 24));
    EXPECT_EQ(colour.format(), QImage::Format_RGB32);
    ExpectNear(colour.pixel(0, 0), 200, 40, 90, 3);
    ExpectNear(colour.pixel(39, 23), 200, 40, 90, 3);

    const QImage grey = DecodeJpeg(SolidJpeg(9, 17, 77, 0, 0, true));
    ASSERT_EQ(grey.size(), QSize(9, 17));
    ExpectNear(grey.pixel(8, 16), 77, 77, 77, 2);

    const QImage progressive = DecodeJpeg(SolidJpeg(33, 5, 10, 220, 130, false, true));
    ASSERT_EQ(progressive.size(), QSize(33, 5));
    ExpectNear(progressive.pixel(32, 4), 10, 220, 130, 3);
}

TEST(DecodeJpeg, EveryTruncationGivesANullImage) {
    const QByteArray whole = SolidJpeg(24, 16, 30, 120, 220, false);
    ASSERT_FALSE(DecodeJpeg(whole).isNull());
    for (qsizetype n = 0; n < whole.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_TRUE(DecodeJpeg(whole.left(n)).isNull());
    }
}

TEST(DecodeJpeg, DamagedDataNeverCrashes) {
    const QByteArray whole = SolidJpeg(24, 16, 30, 120, 220, false);
    EXPECT_TRUE(DecodeJpeg(QByteArray("not a picture at all")).isNull());
    EXPECT_TRUE(DecodeJpeg(QByteArray(300, '\xFF')).isNull());

    QByteArray noStart = whole;
    noStart[1] = 0;
    EXPECT_TRUE(DecodeJpeg(noStart).isNull());

    // Flip every byte in turn: each result is either refused or a whole picture.
    for (qsizetype i = 0; i < whole.size(); ++i) {
        QByteArray damaged = whole;
        damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
        const QImage image = DecodeJpeg(damaged);
        if (!image.isNull()) {
            EXPECT_FALSE(image.size().isEmpty()) << "byte " << i;
        }
    }
}
