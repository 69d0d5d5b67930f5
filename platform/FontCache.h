#pragma once
// The Qt side of the fonts that surfaces measure and draw with. For each font
// at each device scale it keeps the QFont, its height and ascent, and the
// width and laid-out glyphs of every text asked for: a paint asks for the same
// few fonts and labels over and over, and laying a text out costs more than
// drawing its glyphs. Every answer is what Qt gives when asked afresh.
//
// It keeps kMaxFonts fonts, dropping the least recently used, and kMaxTexts
// texts a font; a text beyond those is worked out for its one call (clearing
// instead would work out every label again on every paint).

#include "DrawTypes.h"

#include <QFont>
#include <QGlyphRun>
#include <QList>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// One text laid out on one line.
struct TTextGlyphs {
    QList<QGlyphRun> runs;
    qreal baseline = 0;  // of the line, below its top
};

class TQtFont {
public:
    // The font of data with its pixel size times scale; without antialiasing
    // for monochrome surfaces.
    TQtFont(const TFontData& data, int scale, bool antialiased);

    [[nodiscard]] const QFont& Font() const { return m_font; }
    [[nodiscard]] int Height() const { return m_height; }
    [[nodiscard]] int Ascent() const { return m_ascent; }
    [[nodiscard]] int PixelSize() const { return m_font.pixelSize(); }
    [[nodiscard]] int Width(const std::string& text);
    // Valid until the next call on this font.
    [[nodiscard]] const TTextGlyphs& Glyphs(const std::string& text);

private:
    friend class TFontCache;
    struct TText {
        std::optional<int> width;
        std::optional<TTextGlyphs> glyphs;
    };
    TText& Text(const std::string& text);
    [[nodiscard]] bool Is(const TFontData& data, int scale, bool antialiased) const;

    TFontData m_key;  // only what makes the Qt font
    int m_scale;
    bool m_antialiased;
    QFont m_font;
    int m_height = 0, m_ascent = 0;
    std::size_t m_maxTexts = 0;
    std::unordered_map<std::string, TText> m_texts;
    TText m_unkept;
};

class TFontCache {
public:
    static constexpr std::size_t kMaxFonts = 8;
    static constexpr std::size_t kMaxTexts = 1024;

    // keep false: nothing is kept, every answer is worked out anew (for
    // comparing paints with and without the cache).
    explicit TFontCache(bool keep = true) : m_keep(keep) {}

    [[nodiscard]] TQtFont& For(const TFontData& data, int scale = 1, bool antialiased = true);

    // The one cache of the program's fonts, and one that keeps nothing.
    [[nodiscard]] static TFontCache& Shared();
    [[nodiscard]] static TFontCache& Unkept();

private:
    bool m_keep;
    std::vector<std::unique_ptr<TQtFont>> m_fonts;  // most recently used first
};
