#pragma once
// Integer pixel geometry. A rectangle includes its left and top edges and
// excludes its right and bottom edges, so width = right - left.

#include <algorithm>
#include <ostream>

struct TPoint {
    int x = 0, y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    [[nodiscard]] constexpr int Width() const { return right - left; }
    [[nodiscard]] constexpr int Height() const { return bottom - top; }
    [[nodiscard]] constexpr bool Empty() const { return right <= left || bottom <= top; }
    [[nodiscard]] constexpr bool Contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    [[nodiscard]] constexpr TRect Intersected(const TRect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    // Centre with division rounding toward zero.
    [[nodiscard]] constexpr int CenterX() const { return (left + right) / 2; }
    [[nodiscard]] constexpr int CenterY() const { return (top + bottom) / 2; }
    bool operator==(const TRect&) const = default;
};

inline void PrintTo(const TPoint& p, std::ostream* os) { *os << "TPoint{" << p.x << ',' << p.y << '}'; }
inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "TRect{" << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}
