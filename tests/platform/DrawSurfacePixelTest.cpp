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
