#pragma once
// Writing runs of device pixels (0xAARRGGBB, always opaque) and the colour a
// pixel gets on a surface: the row walkers every primitive of the surface
// ends in.

#include "DrawTypes.h"

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

inline constexpr std::uint32_t kOpaqueBits = 0xFF000000u;

// Black or white by brightness: what a monochrome surface keeps of a pixel.
[[nodiscard]] constexpr std::uint32_t MonochromePixel(std::uint32_t argb) {
    const std::uint32_t sum = ((argb >> 16) & 0xFF) + ((argb >> 8) & 0xFF) + (argb & 0xFF);
    return sum >= 384 ? 0xFFFFFFFFu : kOpaqueBits;
}

// The device pixel of a colour on a surface, monochrome or not.
[[nodiscard]] inline std::uint32_t DevicePixel(TColor color, bool monochrome) {
    const TColor rgb = ResolveColor(color);
    const std::uint32_t argb =
        kOpaqueBits | static_cast<std::uint32_t>(RedOf(rgb) << 16 | GreenOf(rgb) << 8 | BlueOf(rgb));
    return monochrome ? MonochromePixel(argb) : argb;
}

// A picture's pixel as the surface stores it.
[[nodiscard]] constexpr std::uint32_t PicturePixel(std::uint32_t argb, bool monochrome) {
    return monochrome ? MonochromePixel(argb) : argb | kOpaqueBits;
}

inline void FillRow(std::uint32_t* dst, std::size_t n, std::uint32_t value) {
#if defined(__SSE2__)
    const __m128i v = _mm_set1_epi32(static_cast<int>(value));
    for (; n >= 16; n -= 16, dst += 16) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 8), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 12), v);
    }
    for (; n >= 4; n -= 4, dst += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), v);
#endif
    for (; n > 0; --n)
        *dst++ = value;
}

// pmNotXor: each pixel becomes not (pixel xor colour).
inline void NotXorRow(std::uint32_t* dst, std::size_t n, std::uint32_t color) {
    for (std::size_t i = 0; i < n; ++i)
        dst[i] = ~(dst[i] ^ color) | kOpaqueBits;
}

// Whether a hatch brush sets logical pixel (x, y); hatches repeat every 8
// pixels from the surface origin.
[[nodiscard]] constexpr bool HatchBit(TBrushStyle style, int x, int y) {
    const int cx = x & 7, cy = y & 7;
    const bool horizontal = cy == 7;
    const bool vertical = cx == 7;
    const bool forward = cx == cy;
    const bool backward = cx + cy == 7;
    switch (style) {
    case bsHorizontal: return horizontal;
    case bsVertical: return vertical;
    case bsFDiagonal: return forward;
    case bsBDiagonal: return backward;
    case bsCross: return horizontal || vertical;
    case bsDiagCross: return forward || backward;
    default: return true;
    }
}
