// Copying the marked tiles back undoes every marked write, wherever its box
// lies: against the edges of tiles, of 64-tile words and of the image.

#include "TileMarks.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstring>

TEST(TileMarks, CopyingTheMarkedTilesUndoesTheWrites) {
    struct Case {
        const char* name;
        TRect box;  // written and marked
    };
    const Case cases[] = {
        {"one pixel", {0, 0, 1, 1}},
        {"across tile edges", {15, 7, 17, 9}},
        {"across a word of tiles", {1020, 30, 1030, 31}},
        {"last column and row", {1099, 49, 1100, 50}},
        {"partly outside", {-5, -5, 3, 60}},
        {"a long thin band", {0, 24, 1100, 25}},
    };
    QImage kept(1100, 50, QImage::Format_RGB32);
    for (int y = 0; y < kept.height(); ++y)
        for (int x = 0; x < kept.width(); ++x)
            kept.setPixel(x, y, qRgb(x & 0xFF, y * 5, (x * y) & 0xFF));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image = kept.copy();
        TTileMarks marks;
        marks.Resize(image.width(), image.height());
        marks.Clear();
        const TRect inside = c.box.Intersected({0, 0, image.width(), image.height()});
        for (int y = inside.top; y < inside.bottom; ++y)
            for (int x = inside.left; x < inside.right; ++x)
                image.setPixel(x, y, 0xFF000000u);
        marks.Mark(c.box);
        marks.CopyMarked(kept, image);
        EXPECT_EQ(std::memcmp(image.constBits(), kept.constBits(), static_cast<std::size_t>(kept.sizeInBytes())), 0);
    }
}
