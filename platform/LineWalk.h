#pragma once
// Walking a line pixel by pixel: the points of a Bresenham line without its
// end point, the part of a straight line inside a clip, and the on/off
// pattern of the dashed pen styles along the walk.

#include "DrawTypes.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <span>
#include <utility>

// Calls plot(x, y) for every point of the line from (x0, y0) towards (x1, y1),
// the end point excluded. 64-bit steps: the ends may lie far off the surface.
template <typename Plot>
void WalkLine(long long x0, long long y0, long long x1, long long y1, Plot&& plot) {
    const long long dx = std::llabs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const long long dy = -std::llabs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    long long err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        plot(x0, y0);
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// Indexes [first, last) of the points x0 + i * step (0 <= i < n) inside [low, high).
[[nodiscard]] inline std::pair<long long, long long> ClippedSteps(long long x0, int step, long long n, long long low,
                                                                 long long high) {
    if (step > 0)
        return {std::max(0LL, low - x0), std::min(n, high - x0)};
    return {std::max(0LL, x0 - high + 1), std::min(n, x0 - low + 1)};
}

// Position in a pen's on/off pattern; Next() answers whether the next pixel is "on".
class TDashCursor {
public:
    explicit TDashCursor(TPenStyle style) : m_alternate(style == psAlternate), m_pattern(Pattern(style)) {
        if (!m_pattern.empty())
            m_left = m_pattern[0];
    }

    // Solid: every pixel on.
    [[nodiscard]] bool Solid() const { return !m_alternate && m_pattern.empty(); }

    bool Next() {
        if (m_alternate)
            return (m_index++ & 1) == 0;
        if (m_pattern.empty())
            return true;
        const bool on = (m_run & 1) == 0;
        if (--m_left == 0)
            Advance();
        return on;
    }

    // Same as calling Next() n times.
    void Skip(long long n) {
        if (m_alternate) {
            m_index += n;
            return;
        }
        if (m_pattern.empty() || n <= 0)
            return;
        long long period = 0;
        for (const int run : m_pattern)
            period += run;
        n %= period;
        while (n >= m_left) {
            n -= m_left;
            Advance();
        }
        m_left -= static_cast<int>(n);
    }

private:
    // On/off run lengths of the cosmetic dash styles, starting with "on".
    static std::span<const int> Pattern(TPenStyle style) {
        static constexpr int dash[] = {18, 6};
        static constexpr int dot[] = {3, 3};
        static constexpr int dashDot[] = {9, 6, 3, 6};
        static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};
        switch (style) {
        case psDash: return dash;
        case psDot: return dot;
        case psDashDot: return dashDot;
        case psDashDotDot: return dashDotDot;
        default: return {};
        }
    }

    void Advance() {
        m_run = (m_run + 1) % m_pattern.size();
        m_left = m_pattern[m_run];
    }

    bool m_alternate;
    std::span<const int> m_pattern;
    std::size_t m_run = 0;
    int m_left = 0;
    long long m_index = 0;
};
