#pragma once
// Integer pixel geometry. A rectangle includes its left and top edges and
// excludes its right and bottom edges, so width = right - left. Union,
// intersection, containment and scaling live here and nowhere else.

#include <algorithm>
#include <ostream>

struct TPoint {
    int x = 0, y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0, cy = 0;
    bool operator==(const TSize&) const = default;
};

struct TRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    // The smallest rectangle that holds both points.
    [[nodiscard]] static constexpr TRect Spanning(TPoint a, TPoint b) {
        return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
    }

    [[nodiscard]] constexpr int Width() const { return right - left; }
    [[nodiscard]] constexpr int Height() const { return bottom - top; }
    [[nodiscard]] constexpr bool Empty() const { return right <= left || bottom <= top; }
    [[nodiscard]] constexpr bool Contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    [[nodiscard]] constexpr bool Contains(const TRect& r) const {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }
    [[nodiscard]] constexpr TRect Intersected(const TRect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    }
    // The smallest rectangle that holds both; an empty one adds nothing.
    [[nodiscard]] constexpr TRect United(const TRect& o) const {
        if (o.Empty())
            return *this;
        if (Empty())
            return o;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }
    // Left and right, top and bottom swapped where they are reversed.
    [[nodiscard]] constexpr TRect Normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    }
    [[nodiscard]] constexpr TRect Scaled(int k) const { return {left * k, top * k, right * k, bottom * k}; }
    [[nodiscard]] constexpr TRect Inflated(int d) const { return {left - d, top - d, right + d, bottom + d}; }
    [[nodiscard]] constexpr TRect Translated(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    // Centre with division rounding toward zero.
    [[nodiscard]] constexpr int CenterX() const { return (left + right) / 2; }
    [[nodiscard]] constexpr int CenterY() const { return (top + bottom) / 2; }
    bool operator==(const TRect&) const = default;
};

inline void PrintTo(const TPoint& p, std::ostream* os) { *os << "TPoint{" << p.x << ',' << p.y << '}'; }
inline void PrintTo(const TSize& s, std::ostream* os) { *os << "TSize{" << s.cx << ',' << s.cy << '}'; }
inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "TRect{" << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}
