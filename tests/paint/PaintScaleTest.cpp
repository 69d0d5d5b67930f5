// The charts at device scale 2 and 3 are the scale-1 pictures with every
// logical pixel a uniform block, except inside the texts, which are drawn
// sharp at the scaled size; the layout does not move.

#include "PaintTestSupport.h"
#include "ScaleBlocks.h"

#include <gtest/gtest.h>

TEST(PaintScale, BlocksOutsideTextEqualTheScaleOnePicture) {
    struct Case {
        const char* name;
        bool fourWeek;
        int width, height, scale;
    };
    const Case cases[] = {
        {"4-week chart at 2", true, 776, 391, 2},
        {"today chart at 2", false, 776, 391, 2},
        {"4-week chart at 3", true, 500, 260, 3},
        {"today chart at 3", false, 500, 260, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PaintedChart p(c.fourWeek, c.width, c.height);
        p.Fill(3);
        scale_blocks::ExpectBlocksOutsideText(p.chart, c.scale);
    }
}
