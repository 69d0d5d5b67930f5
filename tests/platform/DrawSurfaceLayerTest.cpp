// Surface layers: a run of drawing calls between BeginLayer and EndLayer is
// put back from the kept layer only when it repeats, call for call and state
// for state, the run that drew it; only runs that cover the whole surface
// before anything else are kept. Whatever happens, the pixels are those of
// drawing the run.

#include "DrawSurface.h"
#include "Picture.h"
#include "SurfaceTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace {

using Scene = std::function<void(TDrawSurface&)>;

// Back to the state of a fresh surface, so that every run starts alike.
void Reset(TDrawSurface& s) {
    s.Pen().Assign({});
    s.Brush().Assign({});
    s.Font().Assign({});
    s.SetTextAlign(tfLeft | tfTop);
    s.RemoveClip();
    s.MoveTo(0, 0);
}

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

// One run of the scene as a layer; answers whether it was drawn.
bool LayerRun(TDrawSurface& s, const Scene& scene) {
    Reset(s);
    s.BeginLayer();
    scene(s);
    return s.EndLayer();
}

QImage Fresh(const Scene& scene, int width = 60, int height = 40, int scale = 1) {
    TDrawSurface s(width, height, false, scale);
    scene(s);
    return s.Image().copy();
}

}  // namespace

TEST(SurfaceLayer, ARepeatedRunPutsItsPixelsBack) {
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        TDrawSurface s(60, 40, false, scale);
        EXPECT_TRUE(LayerRun(s, BaseScene));
        s.FillSolid({0, 0, 60, 40}, clBlack);  // what putting back replaces
        EXPECT_FALSE(LayerRun(s, BaseScene));
        EXPECT_TRUE(SameBytes(s.Image(), Fresh(BaseScene, 60, 40, scale)));
    }
}

TEST(SurfaceLayer, AnyDifferenceInCallsOrStateIsDrawn) {
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
        TDrawSurface s(60, 40);
        LayerRun(s, reference);
        s.FillSolid({0, 0, 60, 40}, clBlack);
        EXPECT_TRUE(LayerRun(s, scene));
        EXPECT_TRUE(SameBytes(s.Image(), Fresh(scene)));
    }
}

TEST(SurfaceLayer, StateCallsTakeEffectAtOnceAndReadsDrawWhatCameBefore) {
    TDrawSurface s(60, 40);
    LayerRun(s, BaseScene);
    s.FillSolid({0, 0, 60, 40}, clBlack);
    Reset(s);
    s.BeginLayer();
    BaseScene(s);
    s.IntersectClip({1, 1, 9, 9});
    s.Pen().SetColor(clYellow);
    s.LineTo(7, 8);
    EXPECT_EQ(s.PenPos(), (TPoint{7, 8}));
    EXPECT_EQ(s.ClipRect(), (TRect{1, 1, 9, 9}));
    EXPECT_EQ(s.TextColor(), clBlue);
    EXPECT_EQ(s.Pixel(0, 0), clWhite);  // drawn by the run, not put back
    s.FillSolid({2, 2, 4, 4}, clRed);
    EXPECT_TRUE(s.EndLayer());
    EXPECT_EQ(s.Pixel(2, 2), clRed);
    EXPECT_EQ(s.Pixel(0, 0), clWhite);
    // The run that was read replaced nothing: the first one is still kept.
    s.FillSolid({0, 0, 60, 40}, clBlack);
    EXPECT_FALSE(LayerRun(s, BaseScene));
    EXPECT_TRUE(SameBytes(s.Image(), Fresh(BaseScene)));
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
        for (int run = 0; run < 3; ++run)
            EXPECT_TRUE(LayerRun(s, scene));
    }
    // Side by side columns count as cover too.
    TDrawSurface s(60, 40);
    const Scene columns = [](TDrawSurface& t) {
        t.FillSolid({30, 0, 60, 40}, clWhite);
        t.FillSolid({0, 0, 30, 40}, clRed);
        t.TextOut(1, 1, "a");
    };
    EXPECT_TRUE(LayerRun(s, columns));
    EXPECT_FALSE(LayerRun(s, columns));
}

TEST(SurfaceLayer, AnAbandonedRunIsDrawnAndNotKept) {
    TDrawSurface s(60, 40);
    Reset(s);
    s.BeginLayer();
    BaseScene(s);
    s.AbandonLayer();
    EXPECT_TRUE(SameBytes(s.Image(), Fresh(BaseScene)));
    EXPECT_TRUE(LayerRun(s, BaseScene));
    EXPECT_FALSE(LayerRun(s, BaseScene));
    s.SetSize(60, 40);  // resizing drops what was kept
    EXPECT_TRUE(LayerRun(s, BaseScene));
}

TEST(SurfaceLayer, PuttingTheLayerBackLeavesASharedCopyAlone) {
    TDrawSurface s(60, 40), window(60, 40);
    LayerRun(s, BaseScene);
    s.FillSolid({0, 0, 60, 40}, clBlack);
    window.CopyFrom(s, 0, 0);  // shares the frame's pixels
    ASSERT_FALSE(LayerRun(s, BaseScene));
    EXPECT_EQ(window.Pixel(0, 0), clBlack);
    EXPECT_EQ(s.Pixel(0, 0), clWhite);
}

// Putting the layer back copies only what was written since it was last in
// place; every kind of write must be known to it, through frames shared with
// another surface and another surface's image shared in.
TEST(SurfaceLayer, PuttingTheLayerBackUndoesEveryKindOfWrite) {
    QImage art(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            art.setPixel(x, y, qRgb(40 * x, 50 * y, 200));
    const TPicture picture(art);
    TDrawSurface other(40, 30);
    other.FillSolid({0, 0, 40, 30}, clYellow);

    // Width 400: at scale 3 a row of the image is 1,200 pixels wide.
    const int w = 400, h = 90;
    const Scene layer = [&](TDrawSurface& s) {
        s.FillSolid({0, 0, w, h}, clWhite);
        BaseScene(s);
        s.Pen().Assign({clGray, psSolid, 1, pmCopy});
        for (int x = 0; x < w; x += 37) {
            s.MoveTo(x, 0);
            s.LineTo(x, h);
        }
    };
    const std::pair<std::string, Scene> writes[] = {
        {"thin and dashed lines", [](TDrawSurface& s) {
             s.Pen().Assign({clRed, psDash, 1, pmCopy});
             s.MoveTo(-20, 5);
             s.LineTo(390, 88);
             s.Pen().Assign({clBlue, psSolid, 1, pmCopy});
             s.LineTo(100, 3);
         }},
        {"wide lines, one inverting", [](TDrawSurface& s) {
             s.Pen().Assign({clGreen, psSolid, 2, pmCopy});
             s.MoveTo(10, 80);
             for (int i = 1; i < 30; ++i)
                 s.LineTo(10 + 13 * i, 45 + ((i * 37) % 41) - 20);
             s.Pen().Assign({clBlack, psSolid, 3, pmNotXor});
             s.MoveTo(395, 0);
             s.LineTo(-5, 95);
         }},
        {"bars, hatches and pixels", [](TDrawSurface& s) {
             s.Brush().Assign({clPurple, bsSolid, nullptr});
             s.Pen().Assign({clBlack, psSolid, 1, pmCopy});
             for (int i = 0; i < 12; ++i)
                 s.Rectangle(20 + 31 * i, 45, 40 + 31 * i, 45 + ((i * 17) % 40) - 20);
             s.Brush().Assign({clTeal, bsDiagCross, nullptr});
             s.FillRect({300, 10, 399, 89});
             s.SetPixel(399, 89, clRed);
             s.SetPixel(0, 0, clRed);
         }},
        {"texts", [](TDrawSurface& s) {
             s.SetBackgroundMode(bkTransparent);
             s.Font().SetStyle({false, true, false, false});
             s.TextOut(190, 60, "fff");
             s.SetBackgroundMode(bkOpaque);
             s.TextOut(150, 70, "tab\there");
             s.Font().SetEscapement(900);
             s.TextOut(380, 80, "up");
         }},
        {"pictures and another surface", [&](TDrawSurface& s) {
             s.DrawPicture(395, 85, picture);
             s.StretchPicture({100, 20, 180, 60}, picture);
             s.CopyFrom(other, 200, 5);
         }},
        {"clipped", [](TDrawSurface& s) {
             s.IntersectClip({33, 17, 301, 64});
             s.FillSolid({0, 0, 400, 90}, clOlive);
         }},
    };
    // A second layer: another grid colour.
    const Scene layer2 = [&](TDrawSurface& s) {
        layer(s);
        s.Pen().Assign({clMaroon, psSolid, 1, pmCopy});
        s.MoveTo(0, 50);
        s.LineTo(w, 50);
    };
    for (const int scale : {1, 3}) {
        SCOPED_TRACE(scale);
        TDrawSurface s(w, h, false, scale), window(w, h, false, scale);
        for (const Scene* kept : {&layer, &layer2}) {
            const QImage fresh = Fresh(*kept, w, h, scale);
            LayerRun(s, *kept);
            LayerRun(s, *kept);  // a repeated run is kept
            // Each write, then a frame that puts the layer back. From round 1
            // on, frames are shared with the window, so the surface takes
            // turns with two images; in round 2 also between two writes.
            for (int round = 0; round < 3; ++round) {
                for (std::size_t i = 0; i < std::size(writes); ++i) {
                    const auto& [name, write] = writes[i];
                    SCOPED_TRACE(name + ", round " + std::to_string(round));
                    if (round == 2)
                        window.CopyFrom(s, 0, 0);
                    write(s);
                    s.RemoveClip();
                    if (round >= 1)
                        window.CopyFrom(s, 0, 0);
                    if (round == 2) {
                        writes[(i + 1) % std::size(writes)].second(s);
                        s.RemoveClip();
                    }
                    if (round == 2 && name == "clipped") {
                        TDrawSurface whole(w, h, false, scale);
                        whole.FillSolid({0, 0, w, h}, clNavy);
                        s.CopyFrom(whole, 0, 0);  // its image, shared, then s's alone
                    }
                    ASSERT_FALSE(LayerRun(s, *kept));
                    ASSERT_TRUE(SameBytes(s.Image(), fresh));
                }
            }
        }
    }
}
