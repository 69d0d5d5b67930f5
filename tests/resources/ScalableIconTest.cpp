// The scalable icon, drawn as desktops draw SVG icons, looks like the pixel
// icon of the same size: the same shapes, colours, gradients and clips.

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

TEST(ScalableIcon, DrawsAsThePixelIconOfItsSize) {
    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    ASSERT_FALSE(rsvg.isEmpty()) << "rsvg-convert is missing (Debian package librsvg2-bin)";
    QTemporaryDir dir;
    const QString drawn = dir.filePath(QStringLiteral("icon.png"));
    ASSERT_EQ(QProcess::execute(rsvg, {QStringLiteral("--width=256"), QStringLiteral("--height=256"),
                                       QStringLiteral("--output=") + drawn,
                                       QStringLiteral(BIORHYTHM_ART_DIR "/icon.svg")}),
              0);
    const QImage svg = QImage(drawn).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage png =
        QImage(QStringLiteral(BIORHYTHM_ART_DIR "/icon256.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(svg.size(), png.size());

    // The renderers smooth edges differently, and the pixel icon's text is
    // hinted to the pixel grid while the SVG's outlines are not: a pixel counts
    // as wrong only where no pixel of the other picture within two pixels has
    // its colour. A lost clip, gradient or text is wrong over whole areas.
    const auto at = [](const QImage& image, int x, int y) {
        return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
    };
    const auto near = [](QRgb a, QRgb b) {
        return std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                         std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))}) <= 48;
    };
    int wrong = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            bool found = false;
            for (int dy = -2; dy <= 2 && !found; ++dy)
                for (int dx = -2; dx <= 2 && !found; ++dx)
                    found = png.valid(x + dx, y + dy) && near(at(svg, x, y), at(png, x + dx, y + dy));
            wrong += !found;
        }
    EXPECT_LT(wrong, png.width() * png.height() / 100) << wrong << " pixels have no like pixel nearby";
}
