#pragma once
// The chart back images, computed exactly (no painter, no antialiasing).

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // row by row, top row first
    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// columnLine < 0: no vertical line.
PixelGrid MakeBackdrop(int width, int height, int columnLine);

// An uncompressed 24-bit file: BI_RGB, bottom-up rows padded to 4 bytes.
std::string EncodeDib24(const PixelGrid& grid);
