#include "ChartLegendLayout.h"

#include "Basics.h"

#include <gtest/gtest.h>

namespace {

// The bottom legend of the four-week chart: widest title 66, font height 15.
TLegendLayoutInput FourWeekLegend(TLegendAlignment alignment = TLegendAlignment::laBottom) {
    TLegendLayoutInput in;
    in.Alignment = alignment;
    in.ChartRect = {16, 23, 760, 368};
    in.ChartBounds = {0, 0, 776, 391};
    in.TextHeight = 15;
    in.WidestText = 66;
    in.ColorWidth = 22;
    in.ItemTotal = 8;
    in.WidestOfFirst = [](int) { return 66; };
    return in;
}

TEST(LegendLayout, WorkedBottomLegend) {
    const auto in = FourWeekLegend();
    const auto l = ComputeLegendLayout(in);
    EXPECT_EQ(l.SymbolWidth, 15);
    EXPECT_EQ(l.ColumnCount, 7);
    EXPECT_EQ(l.RowCount, 2);
    EXPECT_EQ(l.ItemSlots, 14);
    EXPECT_EQ(l.LegendRect, (TRect{84, 331, 720, 363}));
    EXPECT_EQ(l.FirstTextX, 107);
    EXPECT_EQ(l.ColumnStep, 89);

    const TPoint first = LegendItemOrigin(l, false, 0, 15);
    EXPECT_EQ(first, (TPoint{107, 332}));
    EXPECT_EQ(SymbolRect(first.x - 4, first.y, first.y + 15, l.SymbolWidth),
              (TRect{88, 334, 103, 345}));
    EXPECT_EQ(LegendItemOrigin(l, false, 1, 15), (TPoint{196, 332}));
    EXPECT_EQ(LegendItemOrigin(l, false, 7, 15), (TPoint{107, 347}));

    const TRect after = ChartRectAfterLegend(in.ChartRect, l.LegendRect, in.Alignment, true,
                                             in.ShadowSize, 0, 0);
    EXPECT_EQ(after, (TRect{16, 23, 760, 317}));
    EXPECT_EQ(ChartRectAfterLegend(in.ChartRect, l.LegendRect, in.Alignment, false, 3, 0, 5),
              (TRect{16, 23, 760, 363}));
}

TEST(LegendLayout, RowsLimitedAndNoRoom) {
    auto in = FourWeekLegend();
    in.MaxNumRows = 1;
    auto l = ComputeLegendLayout(in);
    EXPECT_EQ(l.RowCount, 1);
    EXPECT_EQ(l.ItemSlots, 7);
    EXPECT_EQ(l.LegendRect.top, 363 - 2 - 15);

    in = FourWeekLegend();
    in.ChartRect = {16, 23, 100, 368};  // not even one 93-pixel column
    l = ComputeLegendLayout(in);
    EXPECT_EQ(l.ColumnCount, 0);
    EXPECT_EQ(l.ItemSlots, 0);

    EXPECT_EQ(ItemsThatFit(false, {16, 23, 760, 368}, 1, 8, 760, 10), 0);
    EXPECT_EQ(ItemsThatFit(false, {16, 23, 760, 368}, 1, 8, 8, 0), 0);
    EXPECT_EQ(ItemsThatFit(true, {16, 23, 760, 368}, 1, 100, 39, 15), 21);
}

TEST(LegendLayout, VerticalAndTopLegends) {
    int askedFor = -1;
    auto in = FourWeekLegend(TLegendAlignment::laRight);
    in.ColorWidth = 12;
    in.WidestOfFirst = [&askedFor](int count) {
        askedFor = count;
        return 66;
    };
    auto l = ComputeLegendLayout(in);
    EXPECT_EQ(askedFor, 8);
    EXPECT_EQ(l.RowCount, 8);
    EXPECT_EQ(l.SymbolWidth, 9);  // Round(76 * 0.12)
    EXPECT_EQ(l.LegendRect, (TRect{670, 39, 755, 161}));
    EXPECT_EQ(l.FirstTextX, 687);
    EXPECT_EQ(l.SymbolLeftX, 674);
    EXPECT_EQ(LegendItemOrigin(l, true, 2, 15), (TPoint{687, 70}));
    EXPECT_EQ(ChartRectAfterLegend(in.ChartRect, l.LegendRect, in.Alignment, true, 3, 0, 0).right,
              648);

    in.Alignment = TLegendAlignment::laLeft;
    l = ComputeLegendLayout(in);
    EXPECT_EQ(l.LegendRect, (TRect{18, 39, 103, 161}));
    EXPECT_EQ(l.FirstTextX, 35);
    EXPECT_EQ(ChartRectAfterLegend(in.ChartRect, l.LegendRect, in.Alignment, true, 3, 0, 0).left,
              125);

    in = FourWeekLegend(TLegendAlignment::laTop);
    l = ComputeLegendLayout(in);
    EXPECT_EQ(l.LegendRect.top, 25);
    EXPECT_EQ(l.LegendRect.bottom, 57);
    EXPECT_EQ(ChartRectAfterLegend(in.ChartRect, l.LegendRect, in.Alignment, true, 3, 0, 0).top,
              74);
}

TEST(LegendLayout, BoxAndShadow) {
    const TRect r{84, 331, 720, 363};
    auto box = LegendBoxRects(r, 1, true, 3);
    EXPECT_EQ(box.Box, (TRect{83, 330, 721, 364}));
    EXPECT_EQ(box.Shadow, (TRect{87, 334, 724, 367}));
    EXPECT_TRUE(box.HasShadow);
    EXPECT_EQ(LegendBoxRects(r, 1, false, 3).Shadow, (TRect{87, 334, 722, 365}));
    EXPECT_EQ(LegendBoxRects(r, 3, true, 3).Shadow.right, 720 + 7);
    EXPECT_FALSE(LegendBoxRects(r, 1, true, 0).HasShadow);
}

TEST(LegendLayout, ItemOrderAndHits) {
    EXPECT_EQ(LegendItemPosition(2, 2, 7, false), 0);
    EXPECT_EQ(LegendItemPosition(2, 2, 7, true), 5);
    EXPECT_EQ(LegendItemPosition(7, 2, 7, true), 0);

    const auto l = ComputeLegendLayout(FourWeekLegend());  // columns 90 wide
    EXPECT_EQ(ItemAtPoint(l, false, 15, 90, 335), 0);
    EXPECT_EQ(ItemAtPoint(l, false, 15, 175, 335), 1);  // both columns match: the last wins
    EXPECT_EQ(ItemAtPoint(l, false, 15, 100, 350), 7);
    EXPECT_EQ(ItemAtPoint(l, false, 15, 84, 335), -1);
    EXPECT_EQ(ItemAtPoint(l, false, 15, 720, 335), -1);

    auto in = FourWeekLegend(TLegendAlignment::laRight);
    const auto v = ComputeLegendLayout(in);  // rows 15 high from 39
    EXPECT_EQ(ItemAtPoint(v, true, 15, 700, 40), 0);
    EXPECT_EQ(ItemAtPoint(v, true, 15, 700, 55), 0);
    EXPECT_EQ(ItemAtPoint(v, true, 15, 700, 56), 1);
    EXPECT_EQ(ItemAtPoint(v, true, 15, 700, 39), -1);
}

// Cells meet where dividing lines would be drawn: 89 pixels apart from the
// legend's left edge, rows of 15 from its top + 1; a vertical legend's span
// its whole width.
TEST(LegendLayout, ItemCellsTileTheLegend) {
    const auto bottom = ComputeLegendLayout(FourWeekLegend());  // LegendRect (84, 331, 720, 363)
    auto right = FourWeekLegend(TLegendAlignment::laRight);
    right.ColorWidth = 12;
    const auto side = ComputeLegendLayout(right);  // LegendRect (670, 39, 755, 161)
    auto one = FourWeekLegend();
    one.ItemTotal = 3;
    const auto row = ComputeLegendLayout(one);  // one row of 3 columns
    const struct {
        const char* name;
        const TLegendLayout& layout;
        bool vertical;
        int position;
        TRect cell;
    } cases[] = {
        {"first column", bottom, false, 0, {84, 332, 173, 347}},
        {"second column", bottom, false, 1, {173, 332, 262, 347}},
        {"last column", bottom, false, 6, {618, 332, 707, 347}},
        {"second row", bottom, false, 7, {84, 347, 173, 362}},
        {"vertical third row", side, true, 2, {670, 70, 755, 85}},
        {"vertical last row", side, true, 7, {670, 145, 755, 160}},
        {"single row, last column", row, false, 2, {row.LegendRect.left + 178, row.LegendRect.top + 1,
                                                    row.LegendRect.left + 267, row.LegendRect.top + 16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LegendItemCell(c.layout, c.vertical, c.position, 15), c.cell);
    }
}

TEST(LegendLayout, StyleAndItemTotal) {
    EXPECT_EQ(ResolveLegendStyle(TLegendStyle::lsAuto, 1), TLegendStyle::lsValues);
    EXPECT_EQ(ResolveLegendStyle(TLegendStyle::lsAuto, 8), TLegendStyle::lsSeries);
    EXPECT_EQ(ResolveLegendStyle(TLegendStyle::lsLastValues, 1), TLegendStyle::lsLastValues);
    EXPECT_EQ(LegendItemTotal(TLegendStyle::lsSeries, 8, 30, 2), 6);
    EXPECT_EQ(LegendItemTotal(TLegendStyle::lsValues, 8, 30, 0), 30);
    EXPECT_EQ(LegendItemTotal(TLegendStyle::lsValues, 8, 0, 0), 0);
    EXPECT_EQ(LegendItemTotal(TLegendStyle::lsLastValues, 3, 30, 5), 0);
}

}  // namespace
