#include "SeriesBarMath.h"

#include "Basics.h"

#include <cmath>

namespace {

// Round for values that may not fit an int: those give 0.
int RoundOrZero(long double v) {
    return std::isfinite(static_cast<double>(v)) && std::fabs(v) < 2147483647.0L ? Round(v) : 0;
}

int FloorHalf(long long v) { return static_cast<int>(v >= 0 ? v / 2 : -((-v + 1) / 2)); }

}  // namespace

int BarSlotWidth(const TBarWidthInput& in) {
    if (in.AutoBarSize) {
        long double divisor = static_cast<long double>(in.AxisMaximum) + 2 - in.AxisMinimum;
        if (divisor == 0 || !std::isfinite(static_cast<double>(divisor)))
            return 0;
        return RoundOrZero(in.PixelLength / divisor);
    }
    int n = in.SideMargins ? in.PointCount + 1 : in.PointCount;
    return n > 0 ? in.PixelLength / n : 0;
}

int ComputeBarWidth(const TBarWidthInput& in) {
    if (in.CustomBarWidth != 0)
        return in.CustomBarWidth;
    if (in.PointCount <= 0 || in.SideBySideCount <= 0)
        return 0;
    // 0.01 as an extended constant: 70 % of 15 is exactly 10.5 and rounds to 10.
    int w = RoundOrZero(in.BarWidthPercent * 0.01L * BarSlotWidth(in)) / in.SideBySideCount;
    if (w > 0 && w % 2 != 0)
        ++w;
    return w;
}

int BarSideMargin(int sideBySideCount, int barPixelWidth, bool sideMargins) {
    long long m = static_cast<long long>(sideBySideCount) * barPixelWidth;
    return sideMargins ? static_cast<int>(m) : FloorHalf(m);
}

int BarScreenXOffset(bool sideBySide, int barRank, int sideBySideCount, int barPixelWidth,
                     int offsetPercent) {
    int x = sideBySide
                ? RoundOrZero((barRank - sideBySideCount * 0.5L - 1) * barPixelWidth)
                : -FloorHalf(barPixelWidth);
    if (offsetPercent != 0)
        x += RoundOrZero(static_cast<long double>(offsetPercent) * barPixelWidth * 0.01L);
    return x;
}
