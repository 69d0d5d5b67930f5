#include "ChartLegendLayout.h"

#include "Basics.h"

#include <algorithm>

TLegendStyle ResolveLegendStyle(TLegendStyle style, int activeSeriesCount) {
    if (style != TLegendStyle::lsAuto)
        return style;
    return activeSeriesCount < 2 ? TLegendStyle::lsValues : TLegendStyle::lsSeries;
}

int LegendItemTotal(TLegendStyle resolvedStyle, int legendSeriesCount, int firstSeriesEntries,
                    int firstValue) {
    int n = resolvedStyle == TLegendStyle::lsValues ? firstSeriesEntries : legendSeriesCount;
    return std::max(0, n - firstValue);
}

int ItemsThatFit(bool vertical, const TRect& chartRect, int frameWidth, int itemTotal, int start,
                 int size) {
    const int a = vertical ? chartRect.bottom : chartRect.right;
    const int b = vertical ? chartRect.Height() : chartRect.Width();
    const int c = vertical ? chartRect.top : 0;
    if (start >= a || size <= 0)
        return 0;
    return std::min((b + c - 2 * frameWidth - start) / size, itemTotal);
}

namespace {

int PercentOf(long double base, int percent) { return Round(base * percent * 0.01L); }

void LayoutHorizontal(const TLegendLayoutInput& in, int framed, TLegendLayout& out) {
    const int wt = in.WidestText + 4;
    const TRect& chart = in.ChartRect;
    out.SymbolWidth = PercentOf(wt, in.ColorWidth);
    TRect& r = out.LegendRect;
    if (in.Alignment == TLegendAlignment::laBottom)
        r.bottom = chart.bottom - in.ShadowSize - framed;
    else
        r.top = chart.top + framed;

    out.ColumnCount =
        ItemsThatFit(false, chart, in.FrameWidth, in.ItemTotal, 8, wt + out.SymbolWidth + 8);
    if (out.ColumnCount <= 0) {
        out.RowCount = 0;
    } else {
        out.RowCount = in.ItemTotal / out.ColumnCount + (in.ItemTotal % out.ColumnCount ? 1 : 0);
        out.RowCount = std::min(out.RowCount, in.MaxNumRows);
    }

    if (in.Alignment == TLegendAlignment::laBottom)
        r.top = r.bottom - 2 - out.RowCount * in.TextHeight;
    else
        r.bottom = r.top + 2 + out.RowCount * in.TextHeight;

    const int w = std::min(chart.Width(), 2 * in.ShadowSize +
                                              (out.SymbolWidth + wt + 4) * out.ColumnCount + 8);
    const int shift = PercentOf(in.ChartBounds.Width() - w, in.TopPos);
    const int half = w / 2;
    r.left = chart.CenterX() - half + shift;
    r.right = chart.CenterX() + half + shift;

    out.SymbolLeftX = r.left + 4;
    out.FirstTextX = out.SymbolLeftX + out.SymbolWidth + 4;
    out.ColumnStep = wt + out.SymbolWidth + 4;
    out.ItemSlots = out.ColumnCount * out.RowCount;
}

void LayoutVertical(const TLegendLayoutInput& in, int framed, TLegendLayout& out) {
    const TRect& chart = in.ChartRect;
    TRect& r = out.LegendRect;
    r.top = in.ChartBounds.top + PercentOf(in.ChartBounds.Height(), in.TopPos);
    out.ColumnCount = 1;
    out.RowCount = ItemsThatFit(true, chart, in.FrameWidth, in.ItemTotal, r.top, in.TextHeight);
    r.bottom = r.top + out.RowCount * in.TextHeight + 2;

    const int wv = in.WidestOfFirst ? in.WidestOfFirst(out.RowCount) : 0;
    out.SymbolWidth = PercentOf(static_cast<long double>(wv) + 10, in.ColorWidth);
    if (in.Alignment == TLegendAlignment::laLeft) {
        r.left = chart.left + framed;
        out.SymbolLeftX = r.left + 4;
        out.FirstTextX = out.SymbolLeftX + out.SymbolWidth + 4;
        r.right = out.FirstTextX + wv + 2;
    } else {
        r.right = chart.right - framed - in.ShadowSize;
        out.FirstTextX = r.right - wv - 2;
        out.SymbolLeftX = out.FirstTextX - out.SymbolWidth - 4;
        r.left = out.SymbolLeftX - 4;
    }
    out.ColumnStep = 0;
    out.ItemSlots = out.RowCount;
}

}  // namespace

TLegendLayout ComputeLegendLayout(const TLegendLayoutInput& in) {
    TLegendLayout out;
    const int framed = in.FrameVisible ? in.FrameWidth + 1 : 0;
    if (IsVerticalLegend(in.Alignment))
        LayoutVertical(in, framed, out);
    else
        LayoutHorizontal(in, framed, out);
    return out;
}

int LegendItemPosition(int i, int firstValue, int last, bool inverted) {
    return inverted ? last - i : i - firstValue;
}

TPoint LegendItemOrigin(const TLegendLayout& layout, bool vertical, int position,
                        int textHeight) {
    TPoint p{layout.FirstTextX, layout.LegendRect.top + 1};
    if (vertical) {
        p.y += position * textHeight;
    } else if (layout.ColumnCount > 0) {
        p.y += position / layout.ColumnCount * textHeight;
        p.x += position % layout.ColumnCount * layout.ColumnStep;
    }
    return p;
}

TRect SymbolRect(int x, int top, int bottom, int symbolWidth) {
    return {x - symbolWidth, top + 2, x, bottom - 2};
}

TRect LegendItemCell(const TLegendLayout& layout, bool vertical, int position, int textHeight) {
    const TPoint at = LegendItemOrigin(layout, vertical, position, textHeight);
    const TRect& r = layout.LegendRect;
    TRect cell{r.left, at.y, r.right, at.y + textHeight};
    if (!vertical) {
        cell.left = SymbolRect(at.x - 4, at.y, at.y, layout.SymbolWidth).left - 4;
        cell.right = cell.left + layout.ColumnStep;
    }
    return cell.Intersected(r);
}

TLegendBox LegendBoxRects(const TRect& legendRect, int frameWidth, bool framed, int shadowSize) {
    TLegendBox box;
    box.Box = legendRect;
    int extent = shadowSize - 1;
    if (framed) {
        box.Box = {legendRect.left - frameWidth, legendRect.top - frameWidth,
                   legendRect.right + frameWidth, legendRect.bottom + frameWidth};
        extent = shadowSize + frameWidth + (frameWidth - 1) / 2;
    }
    box.HasShadow = shadowSize > 0;
    box.Shadow = {legendRect.left + shadowSize, legendRect.top + shadowSize,
                  legendRect.right + extent, legendRect.bottom + extent};
    return box;
}

TRect ChartRectAfterLegend(const TRect& chartRect, const TRect& legendRect,
                           TLegendAlignment alignment, bool resizeChart, int shadowSize,
                           int horizMargin, int vertMargin) {
    TRect r = chartRect;
    const int gapX = horizMargin != 0 ? horizMargin : MulDiv(3, chartRect.Width(), 100);
    const int gapY = vertMargin != 0 ? vertMargin : MulDiv(4, chartRect.Height(), 100);
    switch (alignment) {
    case TLegendAlignment::laLeft:
        if (resizeChart)
            r.left = legendRect.right;
        r.left += gapX;
        break;
    case TLegendAlignment::laRight:
        if (resizeChart)
            r.right = legendRect.left;
        r.right -= gapX;
        break;
    case TLegendAlignment::laTop:
        if (resizeChart)
            r.top = legendRect.bottom + shadowSize;
        r.top += gapY;
        break;
    case TLegendAlignment::laBottom:
        if (resizeChart)
            r.bottom = legendRect.top;
        r.bottom -= gapY;
        break;
    }
    return r;
}

namespace {

// The first band b (0..count-1) with origin + b * size + 1 <= v <= that + size.
int BandAt(int origin, int size, int count, int v, bool lastMatch) {
    int found = -1;
    for (int b = 0; b < count; ++b) {
        long long low = origin + static_cast<long long>(b) * size + 1;
        if (v >= low && v <= low + size) {
            found = b;
            if (!lastMatch)
                break;
        }
    }
    return found;
}

}  // namespace

int ItemAtPoint(const TLegendLayout& layout, bool vertical, int textHeight, int x, int y) {
    const TRect& r = layout.LegendRect;
    if (!r.Contains(x, y))
        return -1;
    if (vertical) {
        if (layout.RowCount <= 0)
            return -1;
        return BandAt(r.top, r.Height() / layout.RowCount, layout.RowCount, y, false);
    }
    if (layout.ColumnCount <= 0)
        return -1;
    int column = BandAt(r.left, r.Width() / layout.ColumnCount, layout.ColumnCount, x, true);
    int row = BandAt(r.top, textHeight, layout.RowCount, y, false);
    if (column < 0 || row < 0)
        return -1;
    return column + row * layout.ColumnCount;
}
