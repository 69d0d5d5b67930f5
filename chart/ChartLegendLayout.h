#pragma once
// Legend geometry: how many items fit, where the box, its items and symbols go,
// the room it takes from the chart rectangle and which item a pixel hits. Text
// widths come in as numbers (or a callback), so everything here is plain math.

#include "Geometry.h"

#include <functional>

enum class TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum class TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };
enum class TLegendTextStyle {
    ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue
};

[[nodiscard]] constexpr bool IsVerticalLegend(TLegendAlignment a) {
    return a == TLegendAlignment::laLeft || a == TLegendAlignment::laRight;
}

// lsAuto lists the points of the only series, or the series when there are several.
[[nodiscard]] TLegendStyle ResolveLegendStyle(TLegendStyle style, int activeSeriesCount);

// legendSeriesCount: active series shown in the legend; firstSeriesEntries: the
// entry count of the first active series, or 0 when it has none or is not shown.
[[nodiscard]] int LegendItemTotal(TLegendStyle resolvedStyle, int legendSeriesCount,
                                  int firstSeriesEntries, int firstValue);

// Items of the given size that fit after start along the legend's direction,
// at most itemTotal; 0 when start is past the chart rectangle or size <= 0.
[[nodiscard]] int ItemsThatFit(bool vertical, const TRect& chartRect, int frameWidth,
                               int itemTotal, int start, int size);

struct TLegendLayoutInput {
    TLegendAlignment Alignment = TLegendAlignment::laRight;
    TRect ChartRect;
    TRect ChartBounds;
    int TextHeight = 0;    // H
    int WidestText = 0;    // widest of all item texts (horizontal legends)
    int ColorWidth = 12;
    int FrameWidth = 1;    // counted even when the frame is hidden
    bool FrameVisible = true;
    int ShadowSize = 3;
    int TopPos = 10;
    int MaxNumRows = 10;
    int ItemTotal = 0;
    // Vertical legends: the widest of the first count items (only those shown).
    std::function<int(int count)> WidestOfFirst;
};

struct TLegendLayout {
    TRect LegendRect;
    int SymbolWidth = 0;
    int ColumnCount = 0;
    int RowCount = 0;
    int ItemSlots = 0;     // nothing is drawn and no room taken when 0
    int FirstTextX = 0;
    int SymbolLeftX = 0;
    int ColumnStep = 0;    // from one column's text to the next
};

[[nodiscard]] TLegendLayout ComputeLegendLayout(const TLegendLayoutInput& in);

// Drawing position p of item i (items firstValue..last); reversed when inverted.
[[nodiscard]] int LegendItemPosition(int i, int firstValue, int last, bool inverted);
// Top-left of the text of the item at position p; the symbol lies left of it.
[[nodiscard]] TPoint LegendItemOrigin(const TLegendLayout& layout, bool vertical, int position,
                                      int textHeight);
// The symbol box ending at x (the text x - 4), between top + 2 and bottom - 2.
[[nodiscard]] TRect SymbolRect(int x, int top, int bottom, int symbolWidth);
// Where a click picks the item at position p: one text line high, from where a
// dividing line left of its symbol would be to the next column's (the whole
// width of a vertical legend), inside the legend rectangle.
[[nodiscard]] TRect LegendItemCell(const TLegendLayout& layout, bool vertical, int position, int textHeight);

struct TLegendBox {
    TRect Box;         // drawn with the frame pen and filled
    TRect Shadow;      // filled with the shadow colour
    bool HasShadow = false;
};
[[nodiscard]] TLegendBox LegendBoxRects(const TRect& legendRect, int frameWidth, bool framed,
                                        int shadowSize);

// The chart rectangle after the legend takes its room (not normalised). A margin of
// 0 means 3 % of the chart width (left, right) or 4 % of its height (top, bottom).
[[nodiscard]] TRect ChartRectAfterLegend(const TRect& chartRect, const TRect& legendRect,
                                         TLegendAlignment alignment, bool resizeChart,
                                         int shadowSize, int horizMargin, int vertMargin);

// The item slot under (x, y), -1 for none.
[[nodiscard]] int ItemAtPoint(const TLegendLayout& layout, bool vertical, int textHeight, int x,
                              int y);
