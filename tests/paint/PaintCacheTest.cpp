// What the paint caches keep (label texts, their pixels, lists, the spare
// image) never shows: a chart painted after many paints gives the same bytes
// as a chart painted once.

#include "PaintTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// The chart after paints of every data set, resized or given a new back
// image by `change`, then painted with data set `shift`.
template <typename Change>
QImage AfterCaching(bool fourWeek, int shift, Change&& change) {
    PaintedChart p(fourWeek);
    for (int s = 0; s < 7; ++s) {
        p.Fill(s);
        p.chart.HandlePaint();
    }
    change(p.chart);
    p.Fill(shift);
    p.chart.HandlePaint();
    return p.chart.WindowSurface().Image().copy();
}

template <typename Change>
QImage Fresh(bool fourWeek, int shift, Change&& change) {
    PaintedChart p(fourWeek);
    change(p.chart);
    p.Fill(shift);
    p.chart.HandlePaint();
    return p.chart.WindowSurface().Image().copy();
}

}  // namespace

TEST(PaintCaches, CachedPaintEqualsFreshPaint) {
    const auto none = [](TChart&) {};
    const auto resize = [](TChart& c) { c.SetBounds(0, 0, 603, 287); };
    const auto swapBackImage = [](TChart& c) {
        const auto& list = c.SeriesList();
        // Each chart gets the other one's back image.
        c.BackImage().Assign(list.Count() == 1 ? FourWeekBackImage() : TodayBackImage());
    };
    for (const bool fourWeek : {true, false}) {
        SCOPED_TRACE(fourWeek ? "4-week chart" : "today chart");
        for (const int shift : {2, 9}) {
            EXPECT_TRUE(SameBytes(AfterCaching(fourWeek, shift, none), Fresh(fourWeek, shift, none)));
            const QImage resized = AfterCaching(fourWeek, shift, resize);
            EXPECT_EQ(resized.size(), QSize(603, 287));
            EXPECT_TRUE(SameBytes(resized, Fresh(fourWeek, shift, resize)));
            EXPECT_TRUE(SameBytes(AfterCaching(fourWeek, shift, swapBackImage), Fresh(fourWeek, shift, swapBackImage)));
        }
    }
}
