// The program's own two charts for birth date 1980-05-17 on 2010-03-01, as the
// window fills them, painted at device scale 2: the scale-1 pictures in
// uniform blocks outside the texts, the layout in place.

#include "WindowTestSupport.h"

#include "../paint/ScaleBlocks.h"

TEST_F(WindowTest, ChartsOfTheExampleAtScaleTwoAreBlocksOfScaleOne) {
    StoreFile("1980\r\n5\r\n17\r\n");
    TPrincipal& w = Start();
    for (TChart* chart : {w.ChartToday, w.chart4weeks}) {
        SCOPED_TRACE(chart == w.ChartToday ? "today chart" : "4-week chart");
        ASSERT_GT(chart->SeriesList()[0]->PointCount(), 0);
        scale_blocks::ExpectBlocksOutsideText(*chart, 2, chart->Legend().Font().Color());
    }
}
