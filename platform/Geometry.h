#pragma once
// Integer pixel geometry. A rectangle includes its left and top edges and
// excludes its right and bottom edges, so width = right - left. Union,
// intersection, containment and scaling live here and nowhere else.
//
// Overflow: the engine refuses, with its area's exception, every length,
// offset or size beyond MaxPixels that a caller sets (CheckPixels), so
// drawable coordinates stay far inside int. The helpers below still compute
// in 64 bits where a sum of two coordinates could leave int and give the
// nearest int, so no value a caller reaches is undefined behaviour.

#include <algorithm>
#include <climits>
#include <cstdint>
#include <ostream>
#include <string>

// The largest length, offset or coordinate a caller may set, in pixels.
inline constexpr int MaxPixels = 32767;

// value within -MaxPixels..MaxPixels, else E "<what> must be between -32767
// and 32767 <unit>"; called before anything changes.
template <class E>
void CheckPixels(long long value, const char* what, const char* unit = "pixels") {
    if (value < -MaxPixels || value > MaxPixels)
        throw E(std::string(what) + " must be between -" + std::to_string(MaxPixels) + " and " +
                std::to_string(MaxPixels) + " " + unit);
}

// The int nearest to a 64-bit value.
[[nodiscard]] constexpr int SaturatedInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

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
        return {std::min(a.x, b.x), std::min(a.y, b.y), SaturatedInt(std::int64_t{std::max(a.x, b.x)} + 1),
                SaturatedInt(std::int64_t{std::max(a.y, b.y)} + 1)};
    }

    [[nodiscard]] constexpr int Width() const { return SaturatedInt(std::int64_t{right} - left); }
    [[nodiscard]] constexpr int Height() const { return SaturatedInt(std::int64_t{bottom} - top); }
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
    [[nodiscard]] constexpr TRect Scaled(int k) const {
        return {SaturatedInt(std::int64_t{left} * k), SaturatedInt(std::int64_t{top} * k), SaturatedInt(std::int64_t{right} * k),
                SaturatedInt(std::int64_t{bottom} * k)};
    }
    [[nodiscard]] constexpr TRect Inflated(int d) const {
        return {SaturatedInt(std::int64_t{left} - d), SaturatedInt(std::int64_t{top} - d), SaturatedInt(std::int64_t{right} + d),
                SaturatedInt(std::int64_t{bottom} + d)};
    }
    [[nodiscard]] constexpr TRect Translated(int dx, int dy) const {
        return {SaturatedInt(std::int64_t{left} + dx), SaturatedInt(std::int64_t{top} + dy), SaturatedInt(std::int64_t{right} + dx),
                SaturatedInt(std::int64_t{bottom} + dy)};
    }
    // Centre with division rounding toward zero.
    [[nodiscard]] constexpr int CenterX() const { return static_cast<int>((std::int64_t{left} + right) / 2); }
    [[nodiscard]] constexpr int CenterY() const { return static_cast<int>((std::int64_t{top} + bottom) / 2); }
    bool operator==(const TRect&) const = default;
};

inline void PrintTo(const TPoint& p, std::ostream* os) { *os << "TPoint{" << p.x << ',' << p.y << '}'; }
inline void PrintTo(const TSize& s, std::ostream* os) { *os << "TSize{" << s.cx << ',' << s.cy << '}'; }
inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "TRect{" << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << '}';
}
