#include "TileMarks.h"

#include <algorithm>
#include <bit>
#include <cstring>

void TTileMarks::Resize(int width, int height) {
    m_bounds = {0, 0, width, height};
    m_words = (width + 64 * kTileWidth - 1) / (64 * kTileWidth);
    m_tiles.assign(static_cast<std::size_t>(m_words) * static_cast<std::size_t>((height + kTileHeight - 1) / kTileHeight), 0);
    m_all = true;
}

void TTileMarks::Clear() {
    std::fill(m_tiles.begin(), m_tiles.end(), 0);
    m_all = false;
}

void TTileMarks::Mark(const TRect& box) {
    const TRect r = box.Intersected(m_bounds);
    if (m_all || r.Empty())
        return;
    const int c0 = r.left / kTileWidth, c1 = (r.right - 1) / kTileWidth;
    const int t0 = r.top / kTileHeight, t1 = (r.bottom - 1) / kTileHeight;
    for (int w = c0 / 64; w <= c1 / 64; ++w) {
        const int lo = std::max(c0 - w * 64, 0), hi = std::min(c1 - w * 64, 63);
        const std::uint64_t bits = (~0ull >> (63 - hi)) & (~0ull << lo);
        for (int t = t0; t <= t1; ++t)
            m_tiles[static_cast<std::size_t>(t * m_words + w)] |= bits;
    }
}

void TTileMarks::CopyMarked(const QImage& from, QImage& to) const {
    const std::ptrdiff_t stride = from.bytesPerLine();
    const uchar* src = from.constBits();
    uchar* dst = to.bits();
    if (m_all) {
        std::memcpy(dst, src, static_cast<std::size_t>(from.sizeInBytes()));
        return;
    }
    const int width = from.width(), height = from.height();
    for (std::size_t i = 0; i < m_tiles.size(); ++i) {
        std::uint64_t bits = m_tiles[i];
        const int top = static_cast<int>(i) / m_words * kTileHeight, bottom = std::min(top + kTileHeight, height);
        const int base = static_cast<int>(i) % m_words * 64;
        while (bits) {
            const int first = std::countr_zero(bits), run = std::countr_one(bits >> first);
            bits &= ~((~0ull >> (64 - run)) << first);
            const int left = (base + first) * kTileWidth;
            const auto bytes = static_cast<std::size_t>(std::min((base + first + run) * kTileWidth, width) - left) * 4;
            for (int y = top; y < bottom; ++y)
                std::memcpy(dst + y * stride + left * 4, src + y * stride + left * 4, bytes);
        }
    }
}
