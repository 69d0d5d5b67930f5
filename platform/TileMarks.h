#pragma once
// Where an image may differ from a copy of it (the kept layer), in tiles of
// 16 x 8 device pixels, a bit each. Every write marks the tiles of its box;
// putting the copy back then copies those tiles only, instead of every pixel:
// between two paints that put a layer back, only what was drawn over it (the
// series) differs. Marks are a superset: copying a tile too many is harmless.

#include "Geometry.h"

#include <QImage>

#include <cstdint>
#include <vector>

class TTileMarks {
public:
    static constexpr int kTileWidth = 16, kTileHeight = 8;

    // For an image of this many device pixels; everything counts as marked.
    void Resize(int width, int height);
    void Clear();
    void MarkAll() { m_all = true; }
    [[nodiscard]] bool All() const { return m_all; }
    // box: device pixels; the part outside the image is ignored.
    void Mark(const TRect& box);
    // Copies the marked tiles of from into to (same size and format as the marks').
    void CopyMarked(const QImage& from, QImage& to) const;

private:
    int m_words = 0;  // per row of tiles
    std::vector<std::uint64_t> m_tiles;
    TRect m_bounds;
    bool m_all = true;
};
