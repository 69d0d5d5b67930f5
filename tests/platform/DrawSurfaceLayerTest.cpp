// Surface layers: a probe draws nothing but matches only the calls, arguments
// and state of the run that drew the kept pixels; only runs that cover the
// whole surface before anything else are kept.

#include "DrawSurface.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

bool SameBytes(const QImage& a, const QImage& b) {
    return a.size() == b.size() && std::memcmp(a.constBits(), b.constBits(), static_cast<std::size_t>(a.sizeInBytes())) == 0;
}

using Scene = std::function<void(TDrawSurface&)>;

// A background, a gradient band, a dotted line, a hatched box and a text.
void BaseScene(TDrawSurface& s) {
    s.FillSolid({0, 0, 60, 20}, clWhite);
    for (int y = 20; y < 40; y += 5)
        s.FillSolid({0, y, 60, y + 5}, RGBColor(0, 0, 100 + 30 * (y / 5)));
    s.Pen().Assign({clRed, psDot, 1, pmCopy});
    s.MoveTo(2, 3);
    s.LineTo(50, 30);
    s.Brush().SetColor(clGreen);
    s.Brush().SetStyle(bsCross);
    s.Rectangle(5, 5, 25, 18);
    s.Font().SetColor(clBlue);
    s.SetBackgroundMode(bkTransparent);
    s.TextOut(30, 2, "Ab");
}

// Draws `scene` after `kept` was drawn and kept on the same surface, probing
// first: answers whether the probe matched, and the surface's pixels.
bool ProbeAfter(const Scene& kept, const Scene& scene, QImage* pixels = nullptr, int scale = 1) {
    TDrawSurface s(60, 40, skBitmap, false, scale);
    const TDrawSurface::TState state = s.SaveState();  // each run starts as on a fresh surface
    s.BeginLayer(false);
    kept(s);
    s.EndLayer();
    EXPECT_TRUE(s.HasLayer());
    s.FillSolid({0, 0, 60, 40}, clBlack);  // what a probe that matches replaces
    s.RestoreState(state);
    s.BeginLayer(true);
    scene(s);
    const bool matched = s.EndLayer();
    if (!matched) {
        s.RestoreState(state);
        scene(s);
    }
    if (pixels)
        *pixels = s.Image().copy();
    return matched;
}

}  // namespace

TEST(SurfaceLayer, ProbeMatchesTheSameRunAndPutsItsPixelsBack) {
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        TDrawSurface fresh(60, 40, skBitmap, false, scale);
        BaseScene(fresh);
        QImage pixels;
        EXPECT_TRUE(ProbeAfter(BaseScene, BaseScene, &pixels, scale));
        EXPECT_TRUE(SameBytes(pixels, fresh.Image()));
    }
}

TEST(SurfaceLayer, AnyDifferenceInCallsOrStateMisses) {
    const std::pair<std::string, Scene> variants[] = {
        {"pen colour", [](TDrawSurface& s) { BaseScene(s); s.Pen().SetColor(clLime); s.MoveTo(0, 39); s.LineTo(59, 39); }},
        {"line end", [](TDrawSurface& s) { BaseScene(s); s.MoveTo(0, 39); s.LineTo(58, 39); }},
        {"font colour", [](TDrawSurface& s) { BaseScene(s); s.Font().SetColor(clRed); s.TextOut(30, 20, "x"); }},
        {"text", [](TDrawSurface& s) { BaseScene(s); s.TextOut(30, 20, "y"); }},
        {"alignment", [](TDrawSurface& s) { BaseScene(s); s.SetTextAlign(tfRight); s.TextOut(30, 20, "x"); }},
        {"clip", [](TDrawSurface& s) { BaseScene(s); s.IntersectClip({0, 0, 40, 40}); s.MoveTo(0, 39); s.LineTo(59, 39); }},
        {"brush", [](TDrawSurface& s) { BaseScene(s); s.Brush().SetStyle(bsDiagCross); s.FillRect({0, 30, 10, 40}); }},
        {"background", [](TDrawSurface& s) { BaseScene(s); s.SetBackgroundMode(bkOpaque); s.TextOut(30, 20, "x"); }},
    };
    const Scene reference = [](TDrawSurface& s) {
        BaseScene(s);
        s.MoveTo(0, 39);
        s.LineTo(59, 39);
        s.TextOut(30, 20, "x");
        s.FillRect({0, 30, 10, 40});
    };
    for (const auto& [name, scene] : variants) {
        SCOPED_TRACE(name);
        TDrawSurface fresh(60, 40);
        scene(fresh);
        QImage pixels;
        EXPECT_FALSE(ProbeAfter(reference, scene, &pixels));
        EXPECT_TRUE(SameBytes(pixels, fresh.Image()));
    }
}

TEST(SurfaceLayer, ProbeDrawsNothingButKeepsStateCalls) {
    TDrawSurface s(60, 40);
    s.BeginLayer(false);
    BaseScene(s);
    s.EndLayer();
    s.FillSolid({0, 0, 60, 40}, clBlack);
    const QImage before = s.Image().copy();
    s.BeginLayer(true);
    BaseScene(s);
    s.IntersectClip({1, 1, 9, 9});
    s.Pen().SetColor(clYellow);
    s.LineTo(7, 8);
    EXPECT_FALSE(s.EndLayer());
    EXPECT_TRUE(SameBytes(s.Image(), before));
    EXPECT_EQ(s.PenPos(), (TPoint{7, 8}));
    EXPECT_EQ(s.ClipRect(), (TRect{1, 1, 9, 9}));
    EXPECT_EQ(s.Pen().Color(), clYellow);
    EXPECT_EQ(s.TextColor(), clBlue);
}

TEST(SurfaceLayer, OnlyRunsThatCoverTheSurfaceFirstAreKept) {
    const std::pair<std::string, Scene> uncovered[] = {
        {"background short of the edge", [](TDrawSurface& s) { s.FillSolid({0, 0, 60, 39}, clWhite); }},
        {"text before the background", [](TDrawSurface& s) { s.TextOut(1, 1, "a"); s.FillSolid({0, 0, 60, 40}, clWhite); }},
        {"hatch without background", [](TDrawSurface& s) {
             s.Brush().SetStyle(bsCross);
             s.FillRect({0, 0, 60, 40});
         }},
        {"bands with a gap", [](TDrawSurface& s) {
             s.FillSolid({0, 0, 60, 20}, clWhite);
             s.FillSolid({0, 21, 60, 40}, clWhite);
         }},
    };
    for (const auto& [name, scene] : uncovered) {
        SCOPED_TRACE(name);
        TDrawSurface s(60, 40);
        s.BeginLayer(false);
        scene(s);
        s.EndLayer();
        EXPECT_FALSE(s.HasLayer());
    }
    // Side by side columns and a stretched picture count as cover too.
    TDrawSurface s(60, 40);
    s.BeginLayer(false);
    s.FillSolid({30, 0, 60, 40}, clWhite);
    s.FillSolid({0, 0, 30, 40}, clRed);
    s.TextOut(1, 1, "a");
    s.EndLayer();
    EXPECT_TRUE(s.HasLayer());
}

TEST(SurfaceLayer, ReadingPixelsInAProbeOrResizingDropsTheMatch) {
    TDrawSurface s(60, 40);
    const TDrawSurface::TState state = s.SaveState();
    s.BeginLayer(false);
    BaseScene(s);
    s.EndLayer();
    s.RestoreState(state);
    s.BeginLayer(true);
    BaseScene(s);
    (void)s.Pixel(3, 3);
    EXPECT_FALSE(s.EndLayer());

    s.BeginLayer(false);
    BaseScene(s);
    s.EndLayer();
    s.SetSize(60, 40);
    EXPECT_FALSE(s.HasLayer());
}

TEST(SurfaceLayer, PuttingTheLayerBackLeavesASharedCopyAlone) {
    TDrawSurface s(60, 40), window(60, 40);
    const TDrawSurface::TState state = s.SaveState();
    s.BeginLayer(false);
    BaseScene(s);
    s.EndLayer();
    s.FillSolid({0, 0, 60, 40}, clBlack);
    window.CopyFrom(s, 0, 0);  // shares the frame's pixels
    s.RestoreState(state);
    s.BeginLayer(true);
    BaseScene(s);
    ASSERT_TRUE(s.EndLayer());
    EXPECT_EQ(window.Pixel(0, 0), clBlack);
    EXPECT_EQ(s.Pixel(0, 0), clWhite);
}
