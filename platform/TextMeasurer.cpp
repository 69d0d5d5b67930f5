#include "TextMeasurer.h"

#include "FontCache.h"

TSize TQtTextMeasurer::TextExtent(const TFontData& font, const std::string& text) {
    TQtFont& qtFont = m_fonts.For(font);
    return {qtFont.Width(text), qtFont.Height()};
}

int TQtTextMeasurer::Ascent(const TFontData& font) { return m_fonts.For(font).Ascent(); }

std::shared_ptr<ITextMeasurer> DefaultTextMeasurer() {
    static const auto measurer = std::make_shared<TQtTextMeasurer>(TFontCache::Shared());
    return measurer;
}
