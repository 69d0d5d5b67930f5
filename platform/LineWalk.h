#pragma once
// Walking a line pixel by pixel: the points of a Bresenham line without its
// end point, from any step; the part of a straight line inside a clip; and
// the on/off pattern of the dashed pen styles along the walk.

#include "DrawTypes.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <span>
#include <utility>

// Indexes [first, last) of the points x0 + i * step (0 <= i < n) inside [low, high).
[[nodiscard]] inline std::pair<long long, long long> ClippedSteps(long long x0, int step, long long n, long long low,
                                                                 long long high) {
    if (step > 0)
        return {std::max(0LL, low - x0), std::min(n, high - x0)};
    return {std::max(0LL, x0 - high + 1), std::min(n, x0 - low + 1)};
}

// Bresenham's line from (x0, y0) towards (x1, y1) as a function of its step:
// step i (0 <= i < Count(), the end point excluded) is i pixels along the
// major axis and floor((2 * minor * i + major) / (2 * major)) along the other,
// so a walk can start at any step. Lines whose ends lie far off the surface
// are then walked only where they cross it, instead of over billions of steps.
class TLineSteps {
public:
    TLineSteps(long long x0, long long y0, long long x1, long long y1)
        : m_x0(x0), m_y0(y0), m_sx(x0 < x1 ? 1 : -1), m_sy(y0 < y1 ? 1 : -1), m_dx(std::llabs(x1 - x0)),
          m_dy(std::llabs(y1 - y0)), m_xMajor(m_dx >= m_dy) {}

    [[nodiscard]] long long Count() const { return std::max(m_dx, m_dy); }

    // The steps [first, last) whose major coordinate lies in [low, high) of
    // its axis: the others cannot reach a box of those bounds.
    [[nodiscard]] std::pair<long long, long long> Within(long long lowX, long long highX, long long lowY,
                                                         long long highY) const {
        return m_xMajor ? ClippedSteps(m_x0, m_sx, Count(), lowX, highX)
                        : ClippedSteps(m_y0, m_sy, Count(), lowY, highY);
    }

    // Calls plot(x, y) for the steps [first, last) in order.
    template <typename Plot>
    void Walk(long long first, long long last, Plot&& plot) const {
        if (first >= last)
            return;
        const long long major = Count(), minor = m_xMajor ? m_dy : m_dx;
        __extension__ using Wide = __int128;
        const Wide start = Wide{2} * minor * first + major;
        long long along = static_cast<long long>(start / (2 * major));
        long long rest = static_cast<long long>(start % (2 * major));
        for (long long i = first; i < last; ++i) {
            if (m_xMajor)
                plot(m_x0 + m_sx * i, m_y0 + m_sy * along);
            else
                plot(m_x0 + m_sx * along, m_y0 + m_sy * i);
            rest += 2 * minor;
            if (rest >= 2 * major) {
                rest -= 2 * major;
                ++along;
            }
        }
    }

private:
    long long m_x0, m_y0;
    int m_sx, m_sy;
    long long m_dx, m_dy;
    bool m_xMajor;
};

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
