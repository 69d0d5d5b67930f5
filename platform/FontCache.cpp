#include "FontCache.h"

#include <QFontMetrics>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>

TQtFont::TQtFont(const TFontData& data, int scale, bool antialiased)
    : m_key{data.Name, data.Height, clBlack, data.Style, DefaultCharset, 0}, m_scale(scale), m_antialiased(antialiased),
      m_font(QString::fromStdString(data.Name)) {
    const int pixels = data.Height == 0 ? 13 : std::abs(data.Height);
    m_font.setPixelSize(std::max(1, pixels) * scale);
    m_font.setBold(data.Style.Bold);
    m_font.setItalic(data.Style.Italic);
    m_font.setUnderline(data.Style.Underline);
    m_font.setStrikeOut(data.Style.StrikeOut);
    if (!antialiased)
        m_font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(m_font);
    m_height = metrics.height();
    m_ascent = metrics.ascent();
}

bool TQtFont::Is(const TFontData& data, int scale, bool antialiased) const {
    return m_key.Height == data.Height && m_key.Style == data.Style && m_scale == scale &&
           m_antialiased == antialiased && m_key.Name == data.Name;
}

TQtFont::TText& TQtFont::Text(const std::string& text) {
    if (const auto found = m_texts.find(text); found != m_texts.end())
        return found->second;
    if (m_texts.size() < m_maxTexts)
        return m_texts[text];
    m_unkept = {};
    return m_unkept;
}

int TQtFont::Width(const std::string& text) {
    TText& entry = Text(text);
    if (!entry.width)
        entry.width = QFontMetrics(m_font).horizontalAdvance(QString::fromStdString(text));
    return *entry.width;
}

const TTextGlyphs& TQtFont::Glyphs(const std::string& text) {
    TText& entry = Text(text);
    if (entry.glyphs)
        return *entry.glyphs;
    QTextLayout layout(QString::fromStdString(text), m_font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    TTextGlyphs& glyphs = entry.glyphs.emplace();
    glyphs.runs = layout.glyphRuns();
    if (line.isValid())
        glyphs.baseline = line.ascent();
    return glyphs;
}

TQtFont& TFontCache::For(const TFontData& data, int scale, bool antialiased) {
    if (m_keep && !m_fonts.empty() && m_fonts.front()->Is(data, scale, antialiased))
        return *m_fonts.front();
    const auto found = !m_keep ? m_fonts.end() : std::find_if(m_fonts.begin(), m_fonts.end(), [&](const auto& f) {
        return f->Is(data, scale, antialiased);
    });
    std::unique_ptr<TQtFont> font;
    if (found != m_fonts.end()) {
        font = std::move(*found);
        m_fonts.erase(found);
    } else {
        font = std::make_unique<TQtFont>(data, scale, antialiased);
        font->m_maxTexts = m_keep ? kMaxTexts : 0;
        if (m_fonts.size() >= (m_keep ? kMaxFonts : 0) && !m_fonts.empty())
            m_fonts.pop_back();
    }
    m_fonts.insert(m_fonts.begin(), std::move(font));
    return *m_fonts.front();
}

TFontCache& TFontCache::Shared() {
    static TFontCache cache;
    return cache;
}

TFontCache& TFontCache::Unkept() {
    static TFontCache cache(false);
    return cache;
}
