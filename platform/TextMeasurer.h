#pragma once
// Measuring text in a font. Surfaces measure through one of these so that
// tests can use fixed metrics, independent of the installed fonts.

#include "DrawTypes.h"
#include "Geometry.h"

#include <memory>
#include <string>

class TFontCache;

class ITextMeasurer {
public:
    virtual ~ITextMeasurer() = default;
    // Width and full line height (ascent + descent) of the text; {0, 0} when it cannot measure.
    [[nodiscard]] virtual TSize TextExtent(const TFontData& font, const std::string& text) = 0;
    [[nodiscard]] virtual int Ascent(const TFontData& font) = 0;
};

// Qt's metrics, through a font cache.
class TQtTextMeasurer final : public ITextMeasurer {
public:
    explicit TQtTextMeasurer(TFontCache& fonts) : m_fonts(fonts) {}
    [[nodiscard]] TSize TextExtent(const TFontData& font, const std::string& text) override;
    [[nodiscard]] int Ascent(const TFontData& font) override;

private:
    TFontCache& m_fonts;
};

// Through the program's font cache.
[[nodiscard]] std::shared_ptr<ITextMeasurer> DefaultTextMeasurer();
