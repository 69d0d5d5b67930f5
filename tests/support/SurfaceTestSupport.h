#pragma once
// What tests of surfaces, canvases and charts share: text metrics that do not
// depend on the installed fonts, and looks at a surface's pixels.

#include "DrawSurface.h"

#include <QImage>

#include <cstring>
#include <map>
#include <string>
#include <utility>

// Every character charWidth pixels wide unless widths names the text, every
// line lineHeight high with the given ascent.
class FixedMeasurer final : public ITextMeasurer {
public:
    FixedMeasurer(int charWidth, int lineHeight, int ascent, std::map<std::string, int> widths = {})
        : m_charWidth(charWidth), m_lineHeight(lineHeight), m_ascent(ascent), m_widths(std::move(widths)) {}
    TSize TextExtent(const TFontData&, const std::string& text) override {
        const auto it = m_widths.find(text);
        return {it != m_widths.end() ? it->second : m_charWidth * static_cast<int>(text.size()), m_lineHeight};
    }
    int Ascent(const TFontData&) override { return m_ascent; }

private:
    int m_charWidth, m_lineHeight, m_ascent;
    std::map<std::string, int> m_widths;
};

// A colour no drawing in the tests uses.
inline constexpr TColor kMarker = 0x123456;

inline TDrawSurface& Filled(TDrawSurface& s, TColor c = kMarker) {
    s.FillSolid({0, 0, s.Width(), s.Height()}, c);
    return s;
}

inline int CountOf(const TDrawSurface& s, TColor c) {
    int n = 0;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            n += s.Pixel(x, y) == c;
    return n;
}

// Two 32-bit pictures with the same size, format and pixel bytes.
inline bool SameBytes(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), static_cast<std::size_t>(a.width()) * 4) != 0)
            return false;
    return true;
}
