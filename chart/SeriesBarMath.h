#pragma once
// Bar width, axis margins and horizontal placement of bar series. The caller
// resolves the chart-wide inputs (point count n, side-by-side count a, rank) and
// these functions only do the arithmetic, in the runtime's extended precision.

struct TBarWidthInput {
    int CustomBarWidth = 0;     // not 0: used as the width unchanged
    int PointCount = 0;         // n: largest point count among the side-by-side series
    int SideBySideCount = 1;    // a: 1 unless bars stand side by side
    int PixelLength = 0;        // L: the horizontal axis span before series margins
    int BarWidthPercent = 70;
    bool SideMargins = true;
    bool AutoBarSize = false;
    double AxisMinimum = 0;     // used with AutoBarSize only
    double AxisMaximum = 0;
};

// The slot b: L div (n + 1) with side margins, L div n without, or with
// AutoBarSize Round(L / (AxisMaximum + 2 - AxisMinimum)) (0 for a zero or
// non-finite divisor).
[[nodiscard]] int BarSlotWidth(const TBarWidthInput& in);

// BarPixelWidth: CustomBarWidth, else 0 when n <= 0, else
// Round(BarWidthPercent * 0.01 * b) div a, made even when odd and positive.
[[nodiscard]] int ComputeBarWidth(const TBarWidthInput& in);

// The margin on each side of the horizontal axis: a * width with side margins,
// half of it rounded down without.
[[nodiscard]] int BarSideMargin(int sideBySideCount, int barPixelWidth, bool sideMargins);

// Added to ValueToPixel(X) to get the bar's left column. Side by side:
// Round((rank - a * 0.5 - 1) * width); otherwise -(width / 2 rounded down).
// Then, when offsetPercent is not 0, + Round(offsetPercent * width * 0.01).
[[nodiscard]] int BarScreenXOffset(bool sideBySide, int barRank, int sideBySideCount,
                                   int barPixelWidth, int offsetPercent);
