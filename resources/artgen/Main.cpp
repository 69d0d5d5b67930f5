// Build tool: draws the program's pictures into the folder given as argument.

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <fstream>
#include <string>

#include "Artwork.h"
#include "Backdrop.h"
#include "Drawings.h"
#include "Encoders.h"

namespace {

bool WriteBytes(const QString& path, const std::string& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool WritePng(const QString& path, const QImage& image) {
    QImageWriter writer(path, "png");
    writer.setCompression(100);  // 0 to 100, mapped to zlib levels 0 to 9
    return writer.write(image);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // text drawing needs the font database
    if (argc != 2) {
        std::fprintf(stderr, "usage: bio_artgen <output folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    // The banner pictures and the glyph also at twice and three times the size,
    // named as Qt names high-density variants. The back images are not: the
    // chart engine draws them, and on a scaled surface it turns each of their
    // pixels into a block, so finer copies would never be used.
    for (int scale : {1, 2, 3}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        ok = WriteBytes(dir.filePath(QStringLiteral("promo%1.jpg").arg(suffix)), EncodeJpeg(DrawPromo(scale), 92)) && ok;
        ok = WriteBytes(dir.filePath(QStringLiteral("logo%1.jpg").arg(suffix)), EncodeJpeg(DrawLogo(scale), 92)) && ok;
        ok = WritePng(dir.filePath(QStringLiteral("glyph%1.png").arg(suffix)), DrawGlyph(scale)) && ok;
    }
    ok = WriteBytes(dir.filePath("backtoday.bmp"), EncodeDib24(MakeBackdrop(kArtBackTodayWidth, kArtBackHeight, -1))) && ok;
    ok = WriteBytes(dir.filePath("back4weeks.bmp"), EncodeDib24(MakeBackdrop(kArtBack4WeeksWidth, kArtBackHeight, 369))) && ok;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ok = WritePng(dir.filePath(QStringLiteral("icon%1.png").arg(size)), DrawIcon(size)) && ok;
    const QByteArray svg = DrawIconSvg();
    ok = !svg.isEmpty() && WriteBytes(dir.filePath("icon.svg"), svg.toStdString()) && ok;
    if (!ok) {
        std::fprintf(stderr, "artgen: could not write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
