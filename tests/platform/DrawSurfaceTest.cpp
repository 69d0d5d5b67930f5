#include "DrawSurface.h"
#include "Errors.h"
#include "Panel.h"
#include "SurfaceTestSupport.h"

#include <QGuiApplication>
#include <QPalette>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> SetColumnsOfRow(const TDrawSurface& s, int y, TColor c) {
    std::vector<int> xs;
    for (int x = 0; x < s.Width(); ++x)
        if (s.Pixel(x, y) == c)
            xs.push_back(x);
    return xs;
}

}  // namespace

TEST(SurfaceLines, EndPixelIsNeverDrawn) {
    struct Case {
        const char* name;
        int x0, y0, x1, y1;
        int expectedPixels;
    };
    const Case cases[] = {
        {"horizontal right", 0, 5, 10, 5, 10},
        {"horizontal left", 10, 5, 0, 5, 10},
        {"vertical", 3, 0, 3, 7, 7},
        {"diagonal", 0, 0, 6, 6, 6},
        {"steep", 2, 1, 5, 13, 12},
        {"shallow upward", 1, 10, 15, 4, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDrawSurface s(20, 20);
        Filled(s, clWhite);
        s.Pen().Assign({clRed, psSolid, 1, pmCopy});
        s.MoveTo(c.x0, c.y0);
        s.LineTo(c.x1, c.y1);
        EXPECT_EQ(s.Pixel(c.x0, c.y0), clRed);
        EXPECT_EQ(s.Pixel(c.x1, c.y1), clWhite);
        EXPECT_EQ(CountOf(s, clRed), c.expectedPixels);
        EXPECT_EQ(s.PenPos(), (TPoint{c.x1, c.y1}));
    }
}

TEST(SurfaceLines, DiagonalRunsThroughTheExpectedPixels) {
    TDrawSurface s(10, 10);
    Filled(s, clWhite);
    s.MoveTo(0, 0);
    s.LineTo(4, 2);  // slope 1/2: y steps at the half-way columns
    EXPECT_EQ(s.Pixel(0, 0), clBlack);
    EXPECT_EQ(s.Pixel(2, 1), clBlack);
    EXPECT_TRUE(s.Pixel(3, 1) == clBlack || s.Pixel(3, 2) == clBlack);
    EXPECT_EQ(CountOf(s, clBlack), 4);
}

TEST(SurfaceLines, AlternatePenSetsEveryOtherPixelAndLeavesTheRest) {
    TDrawSurface s(12, 3);
    Filled(s);
    s.Pen().Assign({clSilver, psAlternate, 1, pmCopy});
    s.SetBackgroundMode(bkOpaque);  // must not paint the gaps
    s.MoveTo(0, 1);
    s.LineTo(11, 1);
    for (int x = 0; x < 12; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(s.Pixel(x, 1), x % 2 == 0 && x < 11 ? clSilver : kMarker);
    }
}

TEST(SurfaceLines, DashedPenFillsGapsOnlyOnAnOpaqueBackground) {
    TDrawSurface s(30, 2);
    Filled(s);
    s.Pen().Assign({clBlack, psDot, 1, pmCopy});
    s.SetBackgroundMode(bkTransparent);
    s.MoveTo(0, 0);
    s.LineTo(12, 0);
    EXPECT_EQ(SetColumnsOfRow(s, 0, clBlack), (std::vector<int>{0, 1, 2, 6, 7, 8}));
    EXPECT_EQ(s.Pixel(3, 0), kMarker);

    s.SetBackgroundMode(bkOpaque);
    s.SetBackgroundColor(clLime);
    s.MoveTo(0, 1);
    s.LineTo(12, 1);
    EXPECT_EQ(SetColumnsOfRow(s, 1, clLime), (std::vector<int>{3, 4, 5, 9, 10, 11}));
}

TEST(SurfaceLines, NotXorTwiceRestoresThePixels) {
    TDrawSurface s(10, 10);
    Filled(s);
    s.SetPixel(3, 3, clYellow);
    s.Pen().Assign({clAqua, psSolid, 1, pmNotXor});
    for (int pass = 0; pass < 2; ++pass) {
        s.MoveTo(0, 0);
        s.LineTo(9, 9);
        if (pass == 0) {
            EXPECT_NE(s.Pixel(3, 3), clYellow);
            // not (yellow xor aqua) = not (0x00FFFF ^ 0xFFFF00) in BGR = not 0xFF00FF
            EXPECT_EQ(s.Pixel(3, 3), 0x00FF00);
        }
    }
    EXPECT_EQ(s.Pixel(3, 3), clYellow);
    EXPECT_EQ(CountOf(s, kMarker), 99);
}

TEST(SurfaceLines, ClearPenDrawsNothing) {
    TDrawSurface s(10, 10);
    Filled(s);
    s.Pen().SetStyle(psClear);
    s.MoveTo(0, 0);
    s.LineTo(9, 9);
    EXPECT_EQ(CountOf(s, kMarker), 100);
}

TEST(SurfaceAreas, RectangleOutlineFillAndExcludedEdges) {
    TDrawSurface s(25, 25);
    Filled(s);
    s.Rectangle(20, 20, 10, 10);  // reversed corners are normalised
    for (int y = 9; y <= 20; ++y)
        for (int x = 9; x <= 20; ++x) {
            const bool outside = x < 10 || x > 19 || y < 10 || y > 19;
            const bool edge = x == 10 || x == 19 || y == 10 || y == 19;
            SCOPED_TRACE(testing::Message() << x << ',' << y);
            EXPECT_EQ(s.Pixel(x, y), outside ? kMarker : edge ? clBlack : clWhite);
        }
}

TEST(SurfaceAreas, ClearPenFillStopsShortOfRightAndBottom) {
    TDrawSurface s(10, 10);
    Filled(s);
    s.Pen().SetStyle(psClear);
    s.Brush().SetColor(clRed);
    s.Rectangle(2, 2, 6, 6);
    EXPECT_EQ(s.Pixel(2, 2), clRed);
    EXPECT_EQ(s.Pixel(4, 4), clRed);
    EXPECT_EQ(s.Pixel(5, 4), kMarker);
    EXPECT_EQ(s.Pixel(4, 5), kMarker);
    EXPECT_EQ(CountOf(s, clRed), 9);
}

TEST(SurfaceAreas, HatchGapsFollowTheBackgroundMode) {
    TDrawSurface s(16, 16);
    Filled(s);
    s.Brush().Assign({clRed, bsHorizontal, nullptr});
    s.FillRect({0, 0, 16, 8});  // selection makes the background transparent
    EXPECT_EQ(s.Pixel(3, 7), clRed);
    EXPECT_EQ(s.Pixel(3, 6), kMarker);

    s.SetBackgroundMode(bkOpaque);
    s.SetBackgroundColor(clBlue);
    s.FillRect({0, 8, 16, 16});
    EXPECT_EQ(s.Pixel(3, 15), clRed);
    EXPECT_EQ(s.Pixel(3, 14), clBlue);
    EXPECT_EQ(CountOf(s, clRed), 32);
}

TEST(SurfaceAreas, EveryHatchHasOneOrTwoLinesPerCell) {
    struct Case {
        TBrushStyle style;
        int setPerCell;
    };
    const Case cases[] = {{bsHorizontal, 8}, {bsVertical, 8}, {bsFDiagonal, 8},
                          {bsBDiagonal, 8},  {bsCross, 15},   {bsDiagCross, 16}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        TDrawSurface s(8, 8);
        Filled(s);
        s.Brush().Assign({clNavy, c.style, nullptr});
        s.FillRect({0, 0, 8, 8});
        EXPECT_EQ(CountOf(s, clNavy), c.setPerCell);
    }
}

TEST(SurfaceState, BrushSelectionSetsTheBackgroundUntilOverridden) {
    TDrawSurface s(4, 4);
    s.Brush().Assign({clRed, bsSolid, nullptr});
    EXPECT_EQ(s.BackgroundMode(), bkOpaque);
    EXPECT_EQ(s.BackgroundColor(), clRed);

    s.Brush().SetStyle(bsClear);
    s.SetBackgroundMode(bkOpaque);  // selects the clear brush first, then wins
    EXPECT_EQ(s.BackgroundMode(), bkOpaque);
    EXPECT_EQ(s.BackgroundColor(), clAqua);  // complement of red

    s.Brush().SetStyle(bsClear);  // any brush change brings the rule back
    EXPECT_EQ(s.BackgroundMode(), bkTransparent);
}

TEST(SurfaceState, FontSelectionSetsTheTextColour) {
    TDrawSurface s(4, 4);
    s.SetTextColor(clRed);
    EXPECT_EQ(s.TextColor(), clRed);
    s.Font().SetColor(clGreen);
    EXPECT_EQ(s.TextColor(), clGreen);
}

TEST(SurfaceClip, IntersectsAndRemoves) {
    TDrawSurface s(40, 40);
    Filled(s);
    s.IntersectClip({5, 5, 30, 30});
    s.IntersectClip({10, 0, 40, 20});
    EXPECT_EQ(s.ClipRect(), (TRect{10, 5, 30, 20}));
    s.FillSolid({0, 0, 40, 40}, clRed);
    EXPECT_EQ(CountOf(s, clRed), 20 * 15);
    EXPECT_EQ(s.Pixel(10, 5), clRed);
    EXPECT_EQ(s.Pixel(29, 19), clRed);
    EXPECT_EQ(s.Pixel(30, 19), kMarker);
    EXPECT_EQ(s.Pixel(29, 20), kMarker);

    s.IntersectClip({0, 0, 5, 5});  // disjoint: nothing passes
    s.SetPixel(2, 2, clBlue);
    EXPECT_EQ(s.Pixel(2, 2), kMarker);

    s.RemoveClip();
    s.FillSolid({0, 0, 40, 40}, clBlue);
    EXPECT_EQ(CountOf(s, clBlue), 1600);
}

TEST(SurfacePictures, CopyAndStretchAreExact) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, 0xFFFF0000u);  // red
    image.setPixel(1, 0, 0xFF00FF00u);  // lime
    image.setPixel(0, 1, 0xFF0000FFu);  // blue
    image.setPixel(1, 1, 0xFFFFFFFFu);
    const TPicture picture(image);

    TDrawSurface s(10, 10);
    Filled(s);
    s.StretchPicture({2, 3, 6, 7}, picture);
    const TColor expected[2][2] = {{clRed, clLime}, {clBlue, clWhite}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            SCOPED_TRACE(testing::Message() << x << ',' << y);
            EXPECT_EQ(s.Pixel(2 + x, 3 + y), expected[y / 2][x / 2]);
        }
    EXPECT_EQ(CountOf(s, kMarker), 100 - 16);

    TDrawSurface target(5, 5);
    Filled(target);
    target.DrawPicture(4, 4, picture);  // only the top-left pixel fits
    EXPECT_EQ(target.Pixel(4, 4), clRed);
    EXPECT_EQ(CountOf(target, kMarker), 24);

    target.CopyFrom(s, -2, -3);
    EXPECT_EQ(target.Pixel(0, 0), clRed);
    EXPECT_EQ(target.Pixel(3, 3), clWhite);
    EXPECT_EQ(target.Pixel(4, 4), kMarker);
}

TEST(SurfacePictures, StretchShrinksByDroppingRows) {
    QImage image(4, 1, QImage::Format_RGB32);
    const QRgb colours[] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF000000u};
    for (int x = 0; x < 4; ++x)
        image.setPixel(x, 0, colours[x]);
    TDrawSurface s(2, 1);
    s.StretchPicture({0, 0, 2, 1}, TPicture(image));
    EXPECT_EQ(s.Pixel(0, 0), clRed);
    EXPECT_EQ(s.Pixel(1, 0), clBlue);
}

TEST(SurfaceText, AlignmentAndOpaqueBoxUseTheMeasuredExtent) {
    struct Case {
        const char* name;
        int flags;
        TRect box;
    };
    // Four spaces measure 20 x 10 with an ascent of 8; reference point (30, 20).
    const Case cases[] = {
        {"left top", tfLeft | tfTop, {30, 20, 50, 30}},
        {"right bottom", tfRight | tfBottom, {10, 10, 30, 20}},
        {"centre baseline", tfCenter | tfBaseline, {20, 12, 40, 22}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDrawSurface s(60, 40);
        s.SetTextMeasurer(std::make_shared<FixedMeasurer>(5, 10, 8));
        Filled(s);
        s.Font().SetColor(clWhite);
        s.SetBackgroundMode(bkOpaque);
        s.SetBackgroundColor(clRed);
        s.SetTextAlign(c.flags);
        s.TextOut(30, 20, "    ");
        int inside = 0, outside = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) {
                if (s.Pixel(x, y) != clRed)
                    continue;
                (c.box.Contains(x, y) ? inside : outside)++;
            }
        EXPECT_EQ(inside, 200);
        EXPECT_EQ(outside, 0);
        EXPECT_EQ(s.TextExtent("abcd"), (TSize{20, 10}));
    }
}

TEST(SurfaceText, TransparentTextLeavesTheBackgroundAndHonoursTheClip) {
    TDrawSurface s(80, 30);
    Filled(s);
    s.Brush().SetStyle(bsClear);
    s.IntersectClip({0, 0, 10, 30});
    s.TextOut(2, 2, "WWWWWW");
    int marked = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 10; x < 80; ++x)
            marked += s.Pixel(x, y) == kMarker;
    EXPECT_EQ(marked, 70 * 30);
    EXPECT_LT(CountOf(s, kMarker), 80 * 30);  // some glyph pixels landed inside the clip
}

TEST(SurfaceText, FarOffTextAndLinesDrawNothingAtAnyScale) {
    // Reference points and ends near the int range, where device coordinates
    // would overflow; texts with a tab and turned ones too.
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        TDrawSurface s(40, 30, false, scale);
        Filled(s);
        s.Pen().Assign({clRed, psSolid, 3, pmCopy});
        s.MoveTo(-2'000'000'000, -1'000'000'000);
        s.LineTo(2'000'000'000, -999'999'000);
        s.TextOut(1'988'254'149, 5, "12");
        s.TextOut(-2'000'000'000, 5, "a\tb");
        s.Font().SetEscapement(900);
        s.TextOut(5, 2'000'000'000, "12");
        EXPECT_EQ(CountOf(s, kMarker), s.Width() * s.Height());
    }
}

TEST(SurfaceText, ArialThirteenPixelsIsFifteenHigh) {
    TDrawSurface s(1, 1);
    s.Font().SetHeight(-13);
    const TSize extent = s.TextExtent("W");
    EXPECT_EQ(extent.cy, 15);
    EXPECT_GT(extent.cx, 0);
    EXPECT_EQ(s.TextExtent("").cx, 0);
}

TEST(SurfaceColours, SystemColoursComeFromThePalette) {
    EXPECT_EQ(ResolveColor(clRed), clRed);
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    EXPECT_EQ(ResolveColor(clBtnFace), RGBColor(face.red(), face.green(), face.blue()));
    TDrawSurface s(1, 1);
    s.SetPixel(0, 0, clBtnFace);
    EXPECT_EQ(s.Pixel(0, 0), ResolveColor(clBtnFace));
}

TEST(SurfaceColours, MonochromeHoldsOnlyBlackAndWhite) {
    TDrawSurface s(3, 1, true);
    s.SetPixel(0, 0, clSilver);
    s.SetPixel(1, 0, clNavy);
    s.SetPixel(2, 0, clYellow);
    EXPECT_EQ(s.Pixel(0, 0), clWhite);
    EXPECT_EQ(s.Pixel(1, 0), clBlack);
    EXPECT_EQ(s.Pixel(2, 0), clWhite);
}

TEST(SurfaceFonts, PointSizeAndHeightConvertAtNinetySixDpi) {
    TDrawSurface s(1, 1);
    s.Font().SetSize(8);
    EXPECT_EQ(s.Font().Height(), -11);
    s.Font().SetSize(10);
    EXPECT_EQ(s.Font().Height(), -13);
    s.Font().SetHeight(-16);
    EXPECT_EQ(s.Font().Size(), 12);
}

// Images beyond 32767 device pixels a side or 256 MiB are refused before
// anything changes, by the surface and by the panel that owns one.
TEST(SurfaceSize, ImagesBeyondTheLimitAreRefused) {
    struct Case {
        const char* name;
        int width, height, scale;
        bool taken;
    };
    const Case cases[] = {
        {"a side at the limit", 32767, 1, 1, true},
        {"a side beyond", 32768, 1, 1, false},
        {"the scale takes it beyond", 16384, 1, 2, false},
        {"a huge scale", 2, 2, 1895825409, false},
        {"256 MiB", 8192, 8192, 1, true},
        {"beyond 256 MiB", 8193, 8192, 1, false},
        {"negative sizes count as 0", -1895825408, -5, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.taken) {
            EXPECT_NO_THROW(TDrawSurface::CheckSize(c.width, c.height, c.scale));
            continue;
        }
        EXPECT_THAT([&] { TDrawSurface(c.width, c.height, false, c.scale); },
                    testing::ThrowsMessage<SurfaceException>(
                        testing::StrEq("Surface size must be at most 32767 x 32767 device pixels and 256 MiB")));
    }

    TDrawSurface s(3, 4);
    EXPECT_THROW(s.SetSize(40000, 1), SurfaceException);
    EXPECT_THROW(s.SetScale(20000), SurfaceException);
    EXPECT_EQ((TSize{s.Width() * s.Scale(), s.Height()}), (TSize{3, 4}));
    TPanel panel;
    panel.SetBounds(1, 2, 30, 40);
    EXPECT_THROW(panel.SetBounds(5, 5, 40000, 10), SurfaceException);
    EXPECT_THROW(panel.SetLeft(-40000), SurfaceException);
    EXPECT_THROW(panel.SetDeviceScale(2000), SurfaceException);
    EXPECT_EQ((TRect{panel.Left(), panel.Top(), panel.Width(), panel.Height()}), (TRect{1, 2, 30, 40}));
    EXPECT_EQ(panel.DeviceScale(), 1);
}
