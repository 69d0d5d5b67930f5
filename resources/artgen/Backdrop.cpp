#include "Backdrop.h"

namespace {

constexpr Rgb kMiddle{242, 242, 243};
constexpr Rgb kZeroLine{122, 122, 123};
constexpr Rgb kDayLine{154, 154, 155};
constexpr int kLineRow = 168;

// Round(white - (white - middle) * d / 168), halves to even, in integers.
std::uint8_t Shade(int middle, int d) {
    const int span = kLineRow;
    const int num = 255 * span - (255 - middle) * d;  // the value times span, never negative
    int q = num / span;
    const int r = num % span;
    if (2 * r > span || (2 * r == span && q % 2 != 0))
        ++q;
    return static_cast<std::uint8_t>(q);
}

void Put16(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& s, std::uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

}  // namespace

// The gradient is symmetric: row y has d = min(y, height - 1 - y) and every
// component is Round(255 - (255 - m) * d / 168), halves to even, where m is the
// middle colour (242, 242, 243). With 338 rows, rows 0 and 337 are white and
// rows 168 and 169 carry the middle colour; row 168 is then covered by the zero
// line. The vertical line runs the full height except row 168, where the zero
// line stays unbroken.
PixelGrid MakeBackdrop(int width, int height, int columnLine) {
    PixelGrid grid{width, height, std::vector<Rgb>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const int d = y < height - 1 - y ? y : height - 1 - y;
        const Rgb shade{Shade(kMiddle.r, d), Shade(kMiddle.g, d), Shade(kMiddle.b, d)};
        for (int x = 0; x < width; ++x)
            grid.at(x, y) = shade;
    }
    if (columnLine >= 0 && columnLine < width)
        for (int y = 0; y < height; ++y)
            grid.at(columnLine, y) = kDayLine;
    if (kLineRow < height)
        for (int x = 0; x < width; ++x)
            grid.at(x, kLineRow) = kZeroLine;
    return grid;
}

std::string EncodeDib24(const PixelGrid& grid) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(grid.width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(grid.height);
    const std::uint32_t offset = 14 + 40;
    std::string s;
    s.reserve(offset + imageSize);
    s += "BM";
    Put32(s, offset + imageSize);
    Put32(s, 0);  // reserved
    Put32(s, offset);
    Put32(s, 40);
    Put32(s, static_cast<std::uint32_t>(grid.width));
    Put32(s, static_cast<std::uint32_t>(grid.height));  // positive: bottom-up
    Put16(s, 1);                                        // planes
    Put16(s, 24);
    Put32(s, 0);  // BI_RGB
    Put32(s, imageSize);
    Put32(s, 3780);  // 96 pixels per inch, in pixels per metre
    Put32(s, 3780);
    Put32(s, 0);
    Put32(s, 0);
    for (int y = grid.height - 1; y >= 0; --y) {
        const std::size_t rowStart = s.size();
        for (int x = 0; x < grid.width; ++x) {
            const Rgb& p = grid.pixels[static_cast<std::size_t>(y) * grid.width + x];
            s += static_cast<char>(p.b);
            s += static_cast<char>(p.g);
            s += static_cast<char>(p.r);
        }
        s.append(stride - (s.size() - rowStart), '\0');
    }
    return s;
}
