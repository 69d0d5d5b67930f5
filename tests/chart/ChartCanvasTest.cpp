#include "ChartCanvas.h"
#include "InterfaceLanguage.h"
#include "SurfaceTestSupport.h"

#include <QFont>
#include <QGuiApplication>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using testing::StrEq;
using testing::ThrowsMessage;

namespace {

// A canvas drawing straight on a 200 x 240 surface, as an unbuffered chart does.
struct DirectCanvas {
    TDrawSurface surface{200, 240};
    TChartCanvas3D canvas{&surface};
    DirectCanvas() {
        canvas.SetBuffered(false);
        canvas.BeginFrame(&surface, nullptr, {0, 0, 200, 240}, false);
        surface.FillSolid({0, 0, 200, 240}, kMarker);
    }
    int Count(TColor c) const {
        int n = 0;
        for (int y = 0; y < surface.Height(); ++y)
            for (int x = 0; x < surface.Width(); ++x)
                n += surface.Pixel(x, y) == c;
        return n;
    }
};

}  // namespace

TEST(CanvasDrawing, BoxOutlineFillAndExcludedCorner) {
    DirectCanvas d;
    d.canvas.RestoreDefaults();
    d.canvas.DrawBox(10, 10, 20, 20);
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 20; ++x) {
            SCOPED_TRACE(testing::Message() << x << ',' << y);
            const bool edge = x == 10 || x == 19 || y == 10 || y == 19;
            EXPECT_EQ(d.surface.Pixel(x, y), edge ? clBlack : clWhite);
        }
    EXPECT_EQ(d.surface.Pixel(20, 20), kMarker);
    EXPECT_EQ(d.Count(kMarker), 200 * 240 - 100);
}

TEST(CanvasDrawing, NarrowBoxesKeepTheirOutline) {
    // Outline on columns x0 and x1 - 1 and rows y0 and y1 - 1; the fill only inside.
    struct Case {
        const char* name;
        int x0, y0, x1, y1;
        bool clearPen;
    } cases[] = {
        {"1 x 1", 10, 10, 11, 11, false},
        {"1 x 4", 10, 10, 11, 14, false},
        {"4 x 1", 10, 10, 14, 11, false},
        {"2 x 2", 10, 10, 12, 12, false},
        {"3 x 3, one pixel of fill", 10, 10, 13, 13, false},
        {"1 x 1 reversed corners", 11, 11, 10, 10, false},
        {"1 x 1, clear pen", 10, 10, 11, 11, true},
        {"1 x 4, clear pen", 10, 10, 11, 14, true},
        {"4 x 1, clear pen", 10, 10, 14, 11, true},
        {"2 x 2, clear pen", 10, 10, 12, 12, true},
        {"10 x 10, clear pen: the inside only", 10, 10, 20, 20, true},
        {"10 x 10 reversed corners, clear pen", 20, 20, 10, 10, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirectCanvas d;
        d.canvas.Pen().Assign({clRed, c.clearPen ? psClear : psSolid, 1, pmCopy});
        d.canvas.Brush().SetColor(clBlue);
        d.canvas.Brush().SetStyle(bsSolid);
        d.canvas.MovePenTo(100, 100);
        d.canvas.DrawBox(c.x0, c.y0, c.x1, c.y1);
        const int left = std::min(c.x0, c.x1), right = std::max(c.x0, c.x1);
        const int top = std::min(c.y0, c.y1), bottom = std::max(c.y0, c.y1);
        int outline = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) {
                SCOPED_TRACE(testing::Message() << x << ',' << y);
                const bool edge = x == left || x == right - 1 || y == top || y == bottom - 1;
                outline += edge;
                EXPECT_EQ(d.surface.Pixel(x, y), !edge ? clBlue : c.clearPen ? kMarker : clRed);
            }
        EXPECT_EQ(d.Count(clRed), c.clearPen ? 0 : outline);
        // Nothing outside the box, and the pen position stays the caller's.
        EXPECT_GE(d.Count(kMarker), 200 * 240 - (right - left) * (bottom - top));
        d.canvas.DrawLineTo(102, 100);
        EXPECT_EQ(d.surface.Pixel(100, 100), c.clearPen ? kMarker : clRed);
    }
}

TEST(CanvasDrawing, SegmentsExcludeTheirEndPixel) {
    DirectCanvas d;
    d.canvas.DrawSegment(0, 5, 10, 5);
    for (int x = 0; x <= 10; ++x)
        EXPECT_EQ(d.surface.Pixel(x, 5), x < 10 ? clBlack : kMarker) << x;
    EXPECT_EQ(d.Count(clBlack), 10);

    d.canvas.DrawVertical(50, 20, 10);  // upward
    EXPECT_EQ(d.surface.Pixel(50, 20), clBlack);
    EXPECT_EQ(d.surface.Pixel(50, 11), clBlack);
    EXPECT_EQ(d.surface.Pixel(50, 10), kMarker);
    EXPECT_EQ(d.Count(clBlack), 20);
}

TEST(CanvasPens, SmallDotsDrawAlternatePixelsOnlyAtWidthOne) {
    DirectCanvas d;
    TChartPen grid;
    grid.SetColor(clSilver);
    grid.SetSmallDots(true);
    d.canvas.SetBackgroundMode(bkOpaque);
    d.canvas.UseChartPen(grid);
    d.canvas.DrawHorizontal(0, 20, 3);
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(d.surface.Pixel(x, 3), x % 2 == 0 ? clSilver : kMarker) << x;

    grid.SetWidth(2);
    d.canvas.UseChartPen(grid);
    d.canvas.DrawHorizontal(0, 20, 30);
    for (int x = 1; x < 19; ++x)
        EXPECT_EQ(d.surface.Pixel(x, 30), clSilver) << x;
}

TEST(CanvasPens, InvisiblePenDrawsNothingAndKeepsColourAndWidth) {
    DirectCanvas d;
    d.canvas.Pen().Assign({clRed, psSolid, 3, pmCopy});
    TChartHiddenPen hidden;
    hidden.SetColor(clBlue);
    d.canvas.UseChartPen(hidden);
    EXPECT_EQ(d.canvas.Pen().Style(), psClear);
    EXPECT_EQ(d.canvas.Pen().Color(), clRed);
    EXPECT_EQ(d.canvas.Pen().Width(), 3);
    d.canvas.DrawSegment(0, 0, 50, 50);
    d.canvas.Brush().SetStyle(bsClear);
    d.canvas.DrawBox(60, 60, 80, 80);
    EXPECT_EQ(d.Count(kMarker), 200 * 240);
}

TEST(CanvasPens, VariantDefaults) {
    const TChartPen plain;
    const TChartHiddenPen hidden;
    const TDottedGrayPen dotted;
    const TDarkGrayPen dark;
    const TChartAxisPen axis;
    const TChartArrowPen arrow;
    struct Case {
        const char* name;
        const TChartPen& pen;
        bool visible;
        TColor color;
        TPenStyle style;
        int width;
    };
    const Case cases[] = {
        {"plain", plain, true, clBlack, psSolid, 1},     {"hidden", hidden, false, clBlack, psSolid, 1},
        {"dotted", dotted, true, 8421504, psDot, 1},     {"dark", dark, true, 8421504, psSolid, 1},
        {"axis", axis, true, clBlack, psSolid, 2},       {"arrow", arrow, true, 16777215, psSolid, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.pen.Visible(), c.visible);
        EXPECT_FALSE(c.pen.SmallDots());
        EXPECT_EQ(c.pen.Color(), c.color);
        EXPECT_EQ(c.pen.Style(), c.style);
        EXPECT_EQ(c.pen.Width(), c.width);
        EXPECT_EQ(c.pen.Mode(), pmCopy);
    }
}

TEST(CanvasPens, NotifyOnceForEachRealChange) {
    int changes = 0;
    TChartPen pen([&] { ++changes; });
    pen.SetColor(clBlack);
    pen.SetStyle(psSolid);
    pen.SetWidth(1);
    pen.SetMode(pmCopy);
    pen.SetVisible(true);
    pen.SetSmallDots(false);
    EXPECT_EQ(changes, 0);

    pen.SetColor(clRed);
    pen.SetColor(clRed);
    pen.SetWidth(2);
    pen.SetVisible(false);
    pen.SetSmallDots(true);
    pen.SetMode(pmNotXor);
    pen.SetStyle(psDash);
    EXPECT_EQ(changes, 6);

    TChartAxisPen source;
    pen.Assign(source);
    EXPECT_EQ(changes, 7);
    EXPECT_TRUE(pen.Visible());
    EXPECT_FALSE(pen.SmallDots());
    EXPECT_EQ(pen.Width(), 2);
    EXPECT_EQ(pen.Color(), clBlack);
    pen.Assign(source);
    EXPECT_EQ(changes, 7);
}

TEST(CanvasObjects, BrushFontPictureAndOptionsNotifyOnlyOnChange) {
    int changes = 0;
    auto count = [&] { ++changes; };

    TChartBrush brush(count);
    EXPECT_EQ(brush.Color(), clDefault);
    brush.SetStyle(bsClear);
    brush.SetColor(clDefault);  // same colour, but bsClear turns solid
    EXPECT_EQ(brush.Style(), bsSolid);
    brush.SetColor(clDefault);
    EXPECT_EQ(changes, 2);

    TChartFont font(count);
    EXPECT_TRUE(font.IsDefault());
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), -11);
    font.SetSize(8);
    EXPECT_EQ(changes, 2);
    font.SetColor(clBlue);
    EXPECT_FALSE(font.IsDefault());
    EXPECT_EQ(changes, 3);

    TChartPicture picture(count);
    picture.Clear();
    EXPECT_EQ(changes, 3);
    picture.Assign(TPicture(4, 3));
    EXPECT_EQ(picture.Width(), 4);
    picture.Clear();
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(changes, 5);

    TView3DOptions options(count);
    options.SetElevation(345);
    options.SetOrthogonal(true);
    options.SetZoom(100);
    EXPECT_EQ(changes, 5);
    options.SetRotation(10);
    EXPECT_EQ(changes, 6);
    options.SetZoom(0);  // stored as given; a view takes it as 1 percent
    EXPECT_EQ(options.Zoom(), 0);
    EXPECT_EQ(changes, 7);
}

TEST(CanvasObjects, DefaultFontOfAJapaneseInterfaceIsTheInterfaceFont) {
    const QFont saved = QGuiApplication::font();
    QGuiApplication::setFont(QFont("Liberation Serif", 11));
    {
        InterfaceLanguageOverride english("en");
        TChartFont font;
        EXPECT_EQ(font.Name(), "Arial");
        EXPECT_EQ(font.Size(), 8);
        EXPECT_TRUE(font.IsDefault());
    }
    {
        InterfaceLanguageOverride japanese("ja");
        TChartFont font;
        EXPECT_EQ(font.Name(), "Liberation Serif");
        EXPECT_EQ(font.Size(), 11);
        EXPECT_TRUE(font.IsDefault());
        font.SetName("Arial");
        font.SetSize(8);
        EXPECT_FALSE(font.IsDefault());
    }
    QGuiApplication::setFont(saved);
}

TEST(CanvasObjects, AngleCheckMessage) {
    EXPECT_NO_THROW(CheckAngle(0, "Axis Labels"));
    EXPECT_NO_THROW(CheckAngle(359, "Axis Labels"));
    EXPECT_THAT([] { CheckAngle(360, "Axis Labels"); },
                ThrowsMessage<ChartException>(StrEq("Axis Labels Angle must be between 0 and 359 degrees")));
    EXPECT_THAT([] { CheckAngle(-1, "Axis Title"); },
                ThrowsMessage<ChartException>(StrEq("Axis Title Angle must be between 0 and 359 degrees")));
}

TEST(CanvasText, ClearBrushMakesTextTransparentUntilModeIsSetAgain) {
    DirectCanvas d;
    d.canvas.SetBackgroundMode(bkOpaque);
    d.canvas.Brush().SetStyle(bsClear);
    d.canvas.DrawString(5, 5, "   ");
    EXPECT_EQ(d.canvas.BackgroundMode(), bkTransparent);
    EXPECT_EQ(d.Count(kMarker), 200 * 240);

    d.canvas.SetBackgroundMode(bkOpaque);
    d.canvas.SetBackgroundColor(clRed);
    d.canvas.DrawString(5, 5, "   ");
    EXPECT_EQ(d.surface.Pixel(5, 5), clRed);
    EXPECT_EQ(d.Count(clRed), d.canvas.TextWidthOf("   ") * d.canvas.TextLineHeight());
}

TEST(CanvasText, LineHeightOfTheDefaultChartFont) {
    DirectCanvas d;
    TChartFont font;
    font.SetHeight(-13);
    d.canvas.AssignFont(font);
    EXPECT_EQ(d.canvas.TextLineHeight(), 15);
    EXPECT_EQ(d.canvas.TextWidthOf(""), 0);
}

TEST(CanvasClipping, ClipToPlotAndRemoveClip) {
    DirectCanvas d;
    d.canvas.ClipToPlot({10, 20, 110, 220}, 0, 0);
    d.canvas.PutPixel(0, 0, clRed);
    d.canvas.Brush().SetColor(clRed);
    d.canvas.FillBox({0, 0, 200, 240});
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool inside = x >= 11 && x <= 109 && y >= 21 && y <= 218;
            if ((d.surface.Pixel(x, y) == clRed) != inside)
                ADD_FAILURE() << x << ',' << y;
        }
    d.canvas.RemoveClip();
    d.canvas.FillBox({0, 0, 200, 240});
    EXPECT_EQ(d.Count(clRed), 200 * 240);
}

TEST(CanvasClipping, NestedClipsIntersect) {
    DirectCanvas d;
    d.canvas.ClipTo({0, 0, 50, 50});
    d.canvas.ClipTo({40, 30, 100, 100});
    d.canvas.Brush().SetColor(clRed);
    d.canvas.FillBox({0, 0, 200, 240});
    EXPECT_EQ(d.Count(clRed), 10 * 20);
    EXPECT_EQ(d.surface.Pixel(40, 30), clRed);
    EXPECT_EQ(d.surface.Pixel(49, 49), clRed);
}

TEST(CanvasGradient, BandsFollowMulDiv) {
    const TColor first = RGBColor(0, 100, 255), last = RGBColor(255, 0, 0);
    const auto tall = GradientBands({0, 0, 40, 300}, first, gdTopBottom, last);
    ASSERT_EQ(tall.size(), 256u);
    for (int i = 0; i < 256; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tall[static_cast<std::size_t>(i)].Rect,
                  (TRect{0, MulDiv(i, 300, 256), 40, MulDiv(i + 1, 300, 256)}));
    }
    EXPECT_EQ(tall[1].Rect, (TRect{0, 1, 40, 2}));    // 1.17 rounds down
    EXPECT_EQ(tall[2].Rect, (TRect{0, 2, 40, 4}));    // 2.34 to 3.52
    EXPECT_EQ(tall.front().Color, first);
    EXPECT_EQ(tall.back().Color, last);
    // Band 128 of 256: each component first + MulDiv(128, last - first, 255).
    EXPECT_EQ(tall[128].Color, RGBColor(128, 50, 127));

    const auto flat = GradientBands({5, 10, 25, 13}, clBlack, gdBottomTop, clWhite);
    ASSERT_EQ(flat.size(), 3u);
    EXPECT_EQ(flat[0], (TGradientBand{{5, 12, 25, 13}, clBlack}));
    EXPECT_EQ(flat[1], (TGradientBand{{5, 11, 25, 12}, RGBColor(128, 128, 128)}));
    EXPECT_EQ(flat[2], (TGradientBand{{5, 10, 25, 11}, clWhite}));

    const auto single = GradientBands({0, 0, 1, 10}, clRed, gdLeftRight, clBlue);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].Color, clRed);
    EXPECT_TRUE(GradientBands({0, 0, 0, 10}, clRed, gdFromCenter, clBlue).empty());
}

TEST(CanvasGradient, EveryDirectionCoversTheRectangleExactly) {
    for (int dir = 0; dir <= 6; ++dir) {
        SCOPED_TRACE(dir);
        DirectCanvas d;
        d.canvas.FillGradient({10, 20, 60, 45}, clRed, static_cast<TGradientDirection>(dir), clBlue);
        int painted = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 200; ++x)
                if (d.surface.Pixel(x, y) != kMarker) {
                    ++painted;
                    EXPECT_TRUE((TRect{10, 20, 60, 45}).Contains(x, y));
                }
        EXPECT_EQ(painted, 50 * 25);
    }
}

TEST(CanvasFrames, BufferReusedForTheSameSizeAndReplacedForAnother) {
    TDrawSurface window(100, 80);
    TChartCanvas3D canvas(&window);
    EXPECT_FALSE(canvas.PaintFromBuffer());

    EXPECT_EQ(canvas.BeginFrame(&window, nullptr, {0, 0, 100, 80}, false), (TRect{0, 0, 100, 80}));
    canvas.Brush().SetColor(clRed);
    canvas.FillBox({0, 0, 100, 80});
    EXPECT_EQ(window.Pixel(5, 5), clWhite);  // nothing reaches the window before EndFrame
    canvas.EndFrame(&window, &window, {0, 0, 100, 80});
    EXPECT_EQ(window.Pixel(5, 5), clRed);
    const TDrawSurface* first = canvas.BufferSurface();
    EXPECT_EQ(canvas.BufferGeneration(), 1);

    window.FillSolid({0, 0, 100, 80}, clWhite);  // another window covered it
    EXPECT_TRUE(canvas.PaintFromBuffer());
    EXPECT_EQ(window.Pixel(99, 79), clRed);
    canvas.MarkDirty();
    EXPECT_FALSE(canvas.PaintFromBuffer());

    canvas.BeginFrame(&window, nullptr, {0, 0, 100, 80}, false);
    canvas.EndFrame(&window, &window, {0, 0, 100, 80});
    EXPECT_EQ(canvas.BufferSurface(), first);
    EXPECT_EQ(canvas.BufferGeneration(), 1);

    window.SetSize(120, 60);
    EXPECT_EQ(canvas.BeginFrame(&window, nullptr, {0, 0, 120, 60}, false), (TRect{0, 0, 120, 60}));
    EXPECT_EQ(canvas.BufferGeneration(), 2);
    EXPECT_EQ(canvas.BufferSurface()->Width(), 120);
    EXPECT_EQ(canvas.BufferSurface()->Height(), 60);
    canvas.EndFrame(&window, &window, {0, 0, 120, 60});
    EXPECT_TRUE(canvas.PaintFromBuffer());

    canvas.SetBuffered(false);
    EXPECT_EQ(canvas.BufferSurface(), nullptr);
    EXPECT_FALSE(canvas.PaintFromBuffer());
}

TEST(CanvasFrames, MonochromeChangeDropsTheBufferAndAsksForARepaint) {
    TDrawSurface window(10, 10);
    TChartCanvas3D canvas(&window);
    int repaints = 0;
    canvas.SetOnRepaint([&] { ++repaints; });
    canvas.BeginFrame(&window, nullptr, {0, 0, 10, 10}, false);
    canvas.EndFrame(&window, &window, {0, 0, 10, 10});
    canvas.SetMonochrome(false);
    EXPECT_EQ(repaints, 0);
    canvas.SetMonochrome(true);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(canvas.BufferSurface(), nullptr);
    EXPECT_FALSE(canvas.PaintFromBuffer());
    canvas.BeginFrame(&window, nullptr, {0, 0, 10, 10}, false);
    EXPECT_TRUE(canvas.BufferSurface()->Monochrome());
    canvas.EndFrame(&window, &window, {0, 0, 10, 10});
}

TEST(CanvasProjection, TwoDimensionalViewIsTheIdentity) {
    TDrawSurface window(50, 50);
    TChartCanvas3D canvas(&window);
    TView3DOptions options;
    canvas.BeginFrame(&window, &options, {0, 0, 50, 50}, false);
    canvas.SetProjection(40, {0, 0, 50, 50}, {10, 10, 41, 41});
    EXPECT_EQ(canvas.ProjectPoint(5, 7, 100), (TPoint{5, 7}));
    canvas.EndFrame(&window, &window, {0, 0, 50, 50});

    // Orthogonal 3D: x' = Round(zoom (x + z - cx)) + ox, y' = Round(zoom (y - cy - z)) + oy.
    options.SetZoom(150);
    options.SetHorizOffset(3);
    canvas.BeginFrame(&window, &options, {0, 0, 50, 50}, true);
    canvas.SetProjection(40, {0, 0, 50, 50}, {10, 10, 41, 41});  // centre (25, 25)
    EXPECT_EQ(canvas.ProjectPoint(5, 7, 4), (TPoint{Round(1.5 * (5 + 4 - 25)) + 28, Round(1.5 * (7 - 25 - 4)) + 25}));
    canvas.BeginFlat();
    EXPECT_EQ(canvas.ProjectPoint(5, 7, 4), (TPoint{5, 7}));
    canvas.EndFlat();
    EXPECT_NE(canvas.ProjectPoint(5, 7, 4), (TPoint{5, 7}));
    canvas.EndFrame(&window, &window, {0, 0, 50, 50});
    for (const int zoom : {0, -500}) {
        options.SetZoom(zoom);
        canvas.BeginFrame(&window, &options, {0, 0, 50, 50}, true);
        canvas.SetProjection(40, {0, 0, 50, 50}, {10, 10, 41, 41});
        EXPECT_EQ(canvas.ProjectPoint(125, 7, 0), (TPoint{29, 25})) << zoom;  // 1 percent of 100, rounded
        canvas.EndFrame(&window, &window, {0, 0, 50, 50});
    }

    options.SetOrthogonal(false);  // rotated view: must not crash
    canvas.BeginFrame(&window, &options, {0, 0, 50, 50}, true);
    canvas.SetProjection(40, {0, 0, 50, 50}, {10, 10, 41, 41});
    canvas.DrawBoxAt({10, 10, 30, 30}, 0, 10);
    canvas.ClipToPlot({10, 10, 41, 41}, 0, 40);
    canvas.DrawStringAt(1, 1, "x", 5);
    canvas.EndFrame(&window, &window, {0, 0, 50, 50});
}

TEST(CanvasPictures, StretchRepeatsAndPlaceSetsTheBackground) {
    DirectCanvas d;
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(0xFF0000FFu);
    image.setPixel(1, 1, 0xFFFF0000u);
    const TPicture picture(image);
    d.canvas.StretchPicture({0, 0, 4, 4}, &picture);
    EXPECT_EQ(d.surface.Pixel(1, 1), clBlue);
    EXPECT_EQ(d.surface.Pixel(2, 2), clRed);
    EXPECT_EQ(d.surface.Pixel(3, 3), clRed);
    EXPECT_EQ(d.surface.Pixel(4, 4), kMarker);
    d.canvas.StretchPicture({0, 0, 4, 4}, nullptr);

    d.canvas.Brush().SetColor(clLime);
    d.canvas.SetBackgroundColor(clRed);
    d.canvas.PlacePicture(10, 10, &picture);
    EXPECT_EQ(d.canvas.BackgroundColor(), clLime);
    EXPECT_EQ(d.surface.Pixel(11, 11), clRed);
    EXPECT_EQ(d.Count(clRed), 4 + 1);
}

TEST(CanvasState, RestoreDefaults) {
    DirectCanvas d;
    d.canvas.Pen().Assign({clRed, psDash, 3, pmNotXor});
    d.canvas.Brush().Assign({clBlue, bsCross, nullptr});
    d.canvas.Font().SetColor(clRed);
    d.canvas.RestoreDefaults();
    EXPECT_EQ(d.canvas.Pen().Data(), (TPenData{clBlack, psSolid, 1, pmCopy}));
    EXPECT_EQ(d.canvas.Brush().Color(), clWhite);
    EXPECT_EQ(d.canvas.Brush().Style(), bsSolid);
    EXPECT_EQ(d.canvas.Font().Color(), clBlack);
    EXPECT_EQ(d.canvas.Font().Size(), 10);
    EXPECT_EQ(d.canvas.BackgroundMode(), bkTransparent);
    EXPECT_EQ(d.canvas.BackgroundColor(), clWhite);
}
