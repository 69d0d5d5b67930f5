#include "DrawSurface.h"
#include "SurfaceTestSupport.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet PixelsOf(const TDrawSurface& s, TColor c) {
    PixelSet set;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Pixel(x, y) == c)
                set.emplace(x, y);
    return set;
}

PixelSet Block(int left, int top, int right, int bottom) {
    PixelSet set;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            set.emplace(x, y);
    return set;
}

QRgb Rgb(TColor c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace

// Qt's own text drawing at the same place is the reference.
TEST(SurfaceTextPixels, GlyphsMatchQtDrawTextAtEveryAlignment) {
    struct Case {
        const char* text;
        int height;
        bool bold;
        int align;
        int escapement = 0;
    };
    const Case cases[] = {
        {"14/04/23", -11, false, tfCenter | tfTop}, {"-110", -11, false, tfRight | tfBaseline},
        {"Intellectual", -13, false, tfLeft | tfTop}, {"AVWAY Tj", -13, true, tfLeft | tfBottom},
        {"0", -11, false, tfCenter | tfBaseline}, {"Title", -13, false, tfLeft | tfTop, 900},
        {"tab\there", -11, false, tfLeft | tfTop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TDrawSurface s(120, 40);
        Filled(s, clWhite);
        s.Font().SetHeight(c.height);
        s.Font().SetStyle({c.bold, false, false, false});
        s.Font().SetColor(clNavy);
        s.Font().SetEscapement(c.escapement);
        s.Brush().SetStyle(bsClear);
        s.SetTextAlign(c.align);
        // Twice, with another font in between: the second time comes from the caches.
        for (int pass = 0; pass < 2; ++pass) {
            s.TextOut(60, 20, c.text);
            s.Font().SetHeight(-20);
            s.TextOut(0, 0, "x");
            s.Font().SetHeight(c.height);
            Filled(s, clWhite);
        }
        s.TextOut(60, 20, c.text);

        QFont font("Arial");
        font.setPixelSize(-c.height);
        font.setBold(c.bold);
        const QFontMetrics metrics(font);
        const QString text = QString::fromLatin1(c.text);
        int left = 60, top = 20;
        if ((c.align & 6) == tfRight)
            left -= metrics.horizontalAdvance(text);
        if ((c.align & 6) == tfCenter)
            left -= metrics.horizontalAdvance(text) / 2;
        if ((c.align & 24) == tfBottom)
            top -= metrics.height();
        if ((c.align & 24) == tfBaseline)
            top -= metrics.ascent();
        QImage expected(120, 40, QImage::Format_RGB32);
        expected.fill(Rgb(clWhite));
        QPainter painter(&expected);
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(Rgb(clNavy)));
        painter.translate(60, 20);
        painter.rotate(-c.escapement / 10.0);
        painter.drawText(left - 60, top - 20 + metrics.ascent(), text);
        painter.end();

        int differing = 0, inked = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x) {
                const QRgb want = expected.pixel(x, y) & 0xFFFFFF;
                const TColor got = s.Pixel(x, y);
                differing += qRgb(RedOf(got), GreenOf(got), BlueOf(got)) != (want | 0xFF000000u);
                inked += want != (Rgb(clWhite) & 0xFFFFFF);
            }
        EXPECT_EQ(differing, 0);
        EXPECT_GT(inked, 0);
    }
}

TEST(SurfaceWideLines, TwoPixelPenCoversTheSquaresOfAllButTheEndPoint) {
    struct Case {
        const char* name;
        int x0, y0, x1, y1;
        PixelSet expected;
    };
    PixelSet diagonal;  // squares at (2,2) to (5,5), each one up and left of its point
    for (int p = 2; p <= 5; ++p)
        for (const auto& px : Block(p - 1, p - 1, p + 1, p + 1))
            diagonal.insert(px);
    const Case cases[] = {
        {"rightward", 3, 5, 9, 5, Block(2, 4, 9, 6)},
        {"leftward", 9, 5, 3, 5, Block(3, 4, 10, 6)},
        {"downward", 5, 2, 5, 7, Block(4, 1, 6, 7)},
        {"upward", 5, 7, 5, 2, Block(4, 2, 6, 8)},
        {"diagonal", 2, 2, 6, 6, diagonal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDrawSurface s(12, 12);
        Filled(s);
        s.Pen().Assign({clRed, psSolid, 2, pmCopy});
        s.MoveTo(c.x0, c.y0);
        s.LineTo(c.x1, c.y1);
        EXPECT_EQ(PixelsOf(s, clRed), c.expected);
        EXPECT_EQ(s.PenPos(), (TPoint{c.x1, c.y1}));
    }
    // 13 pixels on the diagonal: 2 + 3 + 3 + 3 + 2 rows.
    EXPECT_EQ(diagonal.size(), 13u);
}

TEST(SurfaceWideLines, ClippedAndNotXorPixelsAreTouchedOnce) {
    TDrawSurface s(12, 12);
    Filled(s);
    s.Pen().Assign({clRed, psSolid, 2, pmCopy});
    s.IntersectClip({0, 0, 5, 12});
    s.MoveTo(-20, 5);
    s.LineTo(10, 5);
    s.MoveTo(3, 30);
    s.LineTo(3, -30);
    EXPECT_EQ(PixelsOf(s, clRed).size(), 10u + 24u - 4u);  // rows 4-5 and columns 2-3 crossing
    s.MoveTo(-40, 300);
    s.LineTo(60, -200);  // steep, both ends far outside
    for (int y = 0; y < 12; ++y)
        for (int x = 5; x < 12; ++x)
            ASSERT_EQ(s.Pixel(x, y), kMarker) << x << ',' << y;
    s.RemoveClip();

    TDrawSurface t(12, 12);
    Filled(t);
    t.Pen().Assign({clBlack, psSolid, 2, pmNotXor});
    t.MoveTo(1, 1);
    t.LineTo(9, 7);
    const TColor inverted = ~kMarker & 0xFFFFFF;
    const PixelSet once = PixelsOf(t, inverted);
    EXPECT_EQ(once.size() + PixelsOf(t, kMarker).size(), 144u);
    EXPECT_TRUE(once.count({0, 0}));     // the start square
    EXPECT_FALSE(once.count({9, 7}));    // not the end point
    t.MoveTo(1, 1);
    t.LineTo(9, 7);
    EXPECT_EQ(PixelsOf(t, kMarker).size(), 144u);
}

TEST(SurfaceWideLines, WideRectangleOutlineLiesInside) {
    TDrawSurface s(20, 20);
    Filled(s);
    s.Pen().Assign({clRed, psSolid, 2, pmCopy});
    s.Brush().Assign({clBlue, bsSolid, nullptr});
    s.Rectangle(2, 3, 12, 10);
    PixelSet frame = Block(2, 3, 12, 10);
    for (const auto& px : Block(4, 5, 10, 8))
        frame.erase(px);
    EXPECT_EQ(PixelsOf(s, clRed), frame);
    EXPECT_EQ(PixelsOf(s, clBlue), Block(4, 5, 10, 8));
}

// The same line without the clip is the reference for the pattern's phase.
TEST(SurfaceLines, ClippedPatternsKeepTheirPhase) {
    struct Case {
        const char* name;
        TPenStyle style;
        int x0, y0, x1, y1;
    };
    const Case cases[] = {
        {"dash right", psDash, 0, 5, 100, 5},   {"dash-dot left", psDashDot, 99, 6, 1, 6},
        {"dot down", psDot, 7, 0, 7, 100},      {"alternate up", psAlternate, 8, 99, 8, 3},
        {"dash-dot-dot slanted", psDashDotDot, 2, 90, 97, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDrawSurface whole(100, 100), clipped(100, 100);
        for (TDrawSurface* s : {&whole, &clipped}) {
            Filled(*s);
            s->Pen().Assign({clRed, c.style, 1, pmCopy});
            s->SetBackgroundMode(bkOpaque);
            s->SetBackgroundColor(clLime);
        }
        const TRect clip{5, 33, 61, 80};
        clipped.IntersectClip(clip);
        for (TDrawSurface* s : {&whole, &clipped}) {
            s->MoveTo(c.x0, c.y0);
            s->LineTo(c.x1, c.y1);
        }
        int differing = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                differing += clipped.Pixel(x, y) != (clip.Contains(x, y) ? whole.Pixel(x, y) : kMarker);
        EXPECT_EQ(differing, 0);
    }
}

// Nearest rows and columns: target (x, y) shows picture ((x - left) * pw / w, (y - top) * ph / h).
TEST(SurfacePictures, StretchMatchesNearestNeighbourEverywhere) {
    struct Case {
        const char* name;
        int pw, ph;
        TRect rect;
        TRect clip;
    };
    const Case cases[] = {
        {"shrink", 71, 33, {3, 2, 63, 28}, {0, 0, 80, 40}},
        {"same width", 40, 17, {10, 5, 50, 35}, {0, 0, 80, 40}},
        {"grow", 5, 3, {1, 1, 78, 39}, {0, 0, 80, 40}},
        {"grow clipped", 7, 4, {-5, -3, 70, 30}, {9, 4, 41, 23}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image(c.pw, c.ph, QImage::Format_RGB32);
        for (int y = 0; y < c.ph; ++y)
            for (int x = 0; x < c.pw; ++x)
                image.setPixel(x, y, qRgb(x * 3, y * 7, (x * y) & 0xFF));
        const TPicture picture(image);
        TDrawSurface s(80, 40);
        Filled(s);
        s.IntersectClip(c.clip);
        s.StretchPicture(c.rect, picture);
        const int w = c.rect.Width(), h = c.rect.Height();
        int differing = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 80; ++x) {
                TColor want = kMarker;
                if (c.rect.Contains(x, y) && c.clip.Contains(x, y)) {
                    const QRgb v = image.pixel((x - c.rect.left) * c.pw / w, (y - c.rect.top) * c.ph / h);
                    want = RGBColor(qRed(v), qGreen(v), qBlue(v));
                }
                differing += s.Pixel(x, y) != want;
            }
        EXPECT_EQ(differing, 0);
    }
}

TEST(SurfacePictures, PicturePixelsBecomeOpaque) {
    QImage image(3, 1, QImage::Format_RGB32);
    auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(0));
    row[0] = 0x00FF0000u;  // written raw, without the alpha byte
    row[1] = 0x0000FF00u;
    row[2] = 0xFF0000FFu;
    const TPicture picture(image);
    TDrawSurface s(3, 1);
    s.StretchPicture({0, 0, 3, 1}, picture);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(qAlpha(s.Image().pixel(x, 0)), 255) << x;
    EXPECT_EQ(s.Pixel(0, 0), clRed);
    EXPECT_EQ(s.Pixel(2, 0), clBlue);
}

// Fills may wait until something looks at their pixels; every way of looking sees them.
TEST(SurfaceFills, OverwrittenAndOverdrawnFillsShowTheLastWrite) {
    TDrawSurface s(100, 80);
    s.FillSolid({0, 0, 100, 80}, clRed);
    s.Brush().Assign({clBlue, bsSolid, nullptr});
    s.Pen().Assign({clBlack, psSolid, 1, pmCopy});
    s.Rectangle(10, 10, 90, 70);  // blue inside, black outline
    s.StretchPicture({20, 11, 80, 69}, TPicture(10, 10));  // white over most of the blue
    s.Pen().Assign({clLime, psSolid, 1, pmNotXor});
    s.MoveTo(0, 40);
    s.LineTo(100, 40);  // inverts across all three
    EXPECT_EQ(qRgb(255, 0, 0) | 0xFF000000u, s.Image().pixel(5, 5));
    EXPECT_EQ(s.Pixel(10, 10), clBlack);
    EXPECT_EQ(s.Pixel(15, 30), clBlue);
    EXPECT_EQ(s.Pixel(50, 30), clWhite);
    EXPECT_EQ(s.Pixel(5, 40), ~(clRed ^ clLime) & 0xFFFFFF);
    EXPECT_EQ(s.Pixel(15, 40), ~(clBlue ^ clLime) & 0xFFFFFF);
    EXPECT_EQ(s.Pixel(50, 40), ~(clWhite ^ clLime) & 0xFFFFFF);

    // Hatches keep their gaps over a waiting fill.
    s.FillSolid({0, 0, 100, 80}, clRed);
    s.Brush().Assign({clBlue, bsCross, nullptr});
    s.SetBackgroundMode(bkTransparent);
    s.FillRect({0, 0, 16, 16});
    EXPECT_EQ(s.Pixel(7, 3), clBlue);
    EXPECT_EQ(s.Pixel(3, 3), clRed);
}

TEST(SurfaceFills, WholeCopiesStayIndependent) {
    TDrawSurface source(50, 30), window(50, 30);
    Filled(source, clRed);
    window.CopyFrom(source, 0, 0);
    source.FillSolid({0, 0, 50, 30}, clBlue);  // the next paint starts over
    source.SetPixel(1, 1, clLime);
    EXPECT_EQ(window.Pixel(1, 1), clRed);
    EXPECT_EQ(window.Pixel(49, 29), clRed);
    EXPECT_EQ(source.Pixel(1, 1), clLime);
    EXPECT_EQ(source.Pixel(49, 29), clBlue);

    window.CopyFrom(source, 0, 0);
    window.SetPixel(2, 2, clYellow);
    EXPECT_EQ(source.Pixel(2, 2), clBlue);
    EXPECT_EQ(window.Pixel(1, 1), clLime);

    window.CopyFrom(source, 10, 5);  // offset: a real copy, the rest stays
    EXPECT_EQ(window.Pixel(2, 2), clYellow);
    EXPECT_EQ(window.Pixel(11, 6), clLime);
}

// A text drawn again comes from the pixels Qt gave it the first time; over
// another background, across a background edge or under a clip it must still
// be what Qt draws there.
TEST(SurfaceTextPixels, RepeatedTextMatchesQtOverEveryBackground) {
    const QString text = QStringLiteral("27/02/10 Wg");
    QFont font("Arial");
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    struct Case {
        const char* name;
        TColor left, right;  // background left and right of x = 40
        TRect clip;
    };
    const Case cases[] = {
        {"white", clWhite, clWhite, {0, 0, 120, 40}},
        {"face", 0xC8D0D4, 0xC8D0D4, {0, 0, 120, 40}},
        {"split", clWhite, clYellow, {0, 0, 120, 40}},
        {"clipped", clWhite, clWhite, {0, 0, 37, 40}},
        {"white again", clWhite, clWhite, {0, 0, 120, 40}},
    };
    TDrawSurface s(120, 40);
    s.Font().SetHeight(-11);
    s.Font().SetColor(clMaroon);
    s.Brush().SetStyle(bsClear);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        s.RemoveClip();
        s.FillSolid({0, 0, 40, 40}, c.left);
        s.FillSolid({40, 0, 120, 40}, c.right);
        s.IntersectClip(c.clip);
        s.TextOut(10, 10, text.toStdString());

        QImage expected(120, 40, QImage::Format_RGB32);
        expected.fill(Rgb(c.left));
        QPainter painter(&expected);
        painter.fillRect(40, 0, 80, 40, QColor::fromRgb(Rgb(c.right)));
        painter.setClipRect(QRect(c.clip.left, c.clip.top, c.clip.right - c.clip.left, c.clip.bottom - c.clip.top));
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(Rgb(clMaroon)));
        painter.drawText(10, 10 + metrics.ascent(), text);
        painter.end();

        int differing = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x) {
                const TColor got = s.Pixel(x, y);
                differing += qRgb(RedOf(got), GreenOf(got), BlueOf(got)) != expected.pixel(x, y);
            }
        EXPECT_EQ(differing, 0);
    }
}

// A surface keeps the glyphs of a thousand or so texts per font; texts beyond
// that are drawn as they come, with the same pixels, and the kept ones stay.
TEST(SurfaceTextPixels, TextsBeyondTheKeptOnesDrawTheSame) {
    const auto draw = [](TDrawSurface& s, const std::string& text) {
        s.FillSolid({0, 0, 120, 40}, clWhite);
        s.TextOut(10, 10, text);
    };
    TDrawSurface busy(120, 40);
    busy.Font().SetHeight(-11);
    busy.SetBackgroundMode(bkTransparent);
    for (int i = 0; i < 1500; ++i)
        draw(busy, "label " + std::to_string(i));
    for (const int i : {1499, 2000, 3, 1499}) {
        SCOPED_TRACE(i);
        const std::string text = "label " + std::to_string(i);
        TDrawSurface fresh(120, 40);
        fresh.Font().SetHeight(-11);
        fresh.SetBackgroundMode(bkTransparent);
        draw(fresh, text);
        draw(busy, text);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x)
                ASSERT_EQ(busy.Pixel(x, y), fresh.Pixel(x, y)) << x << ',' << y;
    }
}

// The stretch is kept from paint to paint; whatever it depends on changes it.
TEST(SurfacePictures, RepeatedStretchFollowsEveryChange) {
    auto gradientImage = [](int w, int h, int seed) {
        QImage image(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.setPixel(x, y, qRgb((x * 5 + seed) & 0xFF, (y * 9 + seed) & 0xFF, (x ^ y) & 0xFF));
        return image;
    };
    TPicture picture(gradientImage(23, 11, 0));
    const TPicture other(gradientImage(23, 11, 100));  // same size, other pixels
    struct Step {
        const char* name;
        TRect rect, clip;
        const TPicture* picture;
        int width, height, scale;
    };
    const Step steps[] = {
        {"first", {5, 4, 95, 50}, {0, 0, 100, 60}, &picture, 100, 60, 1},
        {"again", {5, 4, 95, 50}, {0, 0, 100, 60}, &picture, 100, 60, 1},
        {"other place", {7, 4, 95, 52}, {0, 0, 100, 60}, &picture, 100, 60, 1},
        {"clipped", {7, 4, 95, 52}, {20, 10, 70, 40}, &picture, 100, 60, 1},
        {"other picture", {7, 4, 95, 52}, {20, 10, 70, 40}, &other, 100, 60, 1},
        {"resized", {7, 4, 95, 52}, {0, 0, 100, 60}, &other, 90, 50, 1},
        {"scale 2", {7, 4, 95, 52}, {0, 0, 100, 60}, &other, 90, 50, 2},
        {"scale 1 again", {7, 4, 95, 52}, {0, 0, 100, 60}, &other, 90, 50, 1},
        {"picture changed in place", {7, 4, 95, 52}, {0, 0, 100, 60}, &picture, 90, 50, 1},
    };
    TDrawSurface kept(1, 1);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.picture == &picture && std::string(step.name) == "picture changed in place")
            picture.SetImage(gradientImage(23, 11, 50));
        kept.SetScale(step.scale);
        if (kept.Width() != step.width || kept.Height() != step.height)
            kept.SetSize(step.width, step.height);
        Filled(kept);
        kept.IntersectClip(step.clip);
        kept.StretchPicture(step.rect, *step.picture);
        kept.RemoveClip();
        TDrawSurface fresh(step.width, step.height, skBitmap, false, step.scale);
        Filled(fresh);
        fresh.IntersectClip(step.clip);
        fresh.StretchPicture(step.rect, *step.picture);
        EXPECT_TRUE(kept.Image() == fresh.Image());
    }
}

// A gradient's bands wait as one fill; a picture over part of it, a second
// band group beside it and a line across leave every pixel as written last.
TEST(SurfaceFills, GradientBandsUnderPicturesAndLines) {
    const int w = 300, h = 90;
    std::vector<TColor> want(static_cast<std::size_t>(w * h));
    auto fill = [&](TDrawSurface& s, const TRect& r, TColor c) {
        s.FillSolid(r, c);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                want[static_cast<std::size_t>(y * w + x)] = c;
    };
    TDrawSurface s(w, h);
    for (int i = 0; i < 45; ++i)  // bottom to top, two rows each
        fill(s, {0, h - 2 * (i + 1), w, h - 2 * i}, RGBColor(i * 5, 255 - i * 5, 7));
    s.StretchPicture({20, 20, 100, 70}, TPicture(10, 10));
    for (int y = 20; y < 70; ++y)
        for (int x = 20; x < 100; ++x)
            want[static_cast<std::size_t>(y * w + x)] = clWhite;
    for (int y = 30; y < 50; ++y)  // top to bottom, one row each, over part of the first
        fill(s, {120, y, 290, y + 1}, RGBColor(200, y * 3, y * 5));
    fill(s, {0, 0, 10, 10}, clNavy);  // small: written at once
    s.Pen().Assign({clBlack, psSolid, 1, pmCopy});
    s.MoveTo(0, 45);
    s.LineTo(w, 45);
    for (int x = 0; x < w; ++x)
        want[static_cast<std::size_t>(45 * w + x)] = clBlack;
    int differing = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            differing += s.Pixel(x, y) != want[static_cast<std::size_t>(y * w + x)];
    EXPECT_EQ(differing, 0);
}

// Fills wait, join, split and are written in any order the surface likes; a
// long mixed sequence of fills, gradients, stretched pictures and lines ends
// with the pixels of writing each at once.
TEST(SurfaceFills, MixedSequenceEndsAsIfWrittenAtOnce) {
    const int w = 240, h = 150;
    std::vector<TColor> want(static_cast<std::size_t>(w * h));
    auto put = [&](int x, int y, TColor c) {
        if (x >= 0 && x < w && y >= 0 && y < h)
            want[static_cast<std::size_t>(y * w + x)] = c;
    };
    QImage image(13, 7, QImage::Format_RGB32);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x)
            image.setPixel(x, y, qRgb(x * 19, y * 31, 77));
    const TPicture picture(image);
    std::mt19937 random(7);
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        TDrawSurface s(w, h, skBitmap, false, scale);
        std::fill(want.begin(), want.end(), clWhite);
        for (int step = 0; step < 400; ++step) {
            const TColor colour = RGBColor(between(0, 255), between(0, 255), between(0, 255));
            switch (between(0, 4)) {
            case 0: {  // a fill, small or large
                const int l = between(-10, w), t = between(-10, h);
                const TRect r{l, t, l + between(1, 200), t + between(1, 120)};
                s.FillSolid(r, colour);
                for (int y = r.top; y < r.bottom; ++y)
                    for (int x = r.left; x < r.right; ++x)
                        put(x, y, colour);
                break;
            }
            case 1: {  // a gradient of row bands, either way up
                const int l = between(0, 60), r = between(l + 130, w), t = between(0, h / 2), b = between(t + 10, h);
                const bool up = between(0, 1) == 1;
                for (int i = 0; t + i < b; i += 2) {
                    const int top = up ? std::max(t, b - i - 2) : t + i;
                    const int bottom = up ? b - i : std::min(b, t + i + 2);
                    const TColor c = RGBColor(i & 0xFF, 200, 255 - (i & 0xFF));
                    s.FillSolid({l, top, r, bottom}, c);
                    for (int y = top; y < bottom; ++y)
                        for (int x = l; x < r; ++x)
                            put(x, y, c);
                }
                break;
            }
            case 2: {  // a stretched picture
                const int l = between(-5, w / 2), t = between(-5, h / 2);
                const TRect r{l, t, l + between(5, w), t + between(5, h)};
                s.StretchPicture(r, picture);
                for (int y = std::max(0, r.top); y < std::min(h, r.bottom); ++y)
                    for (int x = std::max(0, r.left); x < std::min(w, r.right); ++x) {
                        const QRgb v = image.pixel((x - r.left) * 13 / r.Width(), (y - r.top) * 7 / r.Height());
                        put(x, y, RGBColor(qRed(v), qGreen(v), qBlue(v)));
                    }
                break;
            }
            default: {  // a thin straight line, its end pixel left out
                s.Pen().Assign({colour, psSolid, 1, pmCopy});
                const int x = between(0, w - 1), y = between(0, h - 1), length = between(1, 150);
                const bool horizontal = between(0, 1) == 1;
                s.MoveTo(x, y);
                s.LineTo(horizontal ? x + length : x, horizontal ? y : y + length);
                for (int i = 0; i < length; ++i)
                    put(horizontal ? x + i : x, horizontal ? y : y + i, colour);
                break;
            }
            }
        }
        int differing = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                differing += s.Pixel(x, y) != want[static_cast<std::size_t>(y * w + x)];
        EXPECT_EQ(differing, 0);
    }
}
