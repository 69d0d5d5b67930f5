// The font cache answers what Qt answers when asked afresh, for fonts it
// keeps, fonts it has dropped and texts beyond what it keeps.

#include "FontCache.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<quint32> GlyphIndexes(const TTextGlyphs& glyphs) {
    std::vector<quint32> indexes;
    for (const QGlyphRun& run : glyphs.runs)
        for (const quint32 index : run.glyphIndexes())
            indexes.push_back(index);
    return indexes;
}

std::vector<QPointF> GlyphPositions(const TTextGlyphs& glyphs) {
    std::vector<QPointF> positions;
    for (const QGlyphRun& run : glyphs.runs)
        for (const QPointF& p : run.positions())
            positions.push_back(p);
    return positions;
}

}  // namespace

TEST(FontCache, AnswersAsQtDoesAfresh) {
    TFontCache kept;
    TFontCache& unkept = TFontCache::Unkept();
    const std::vector<std::string> texts = {"-110", "Intellectual", "14/04/23", "AVWAY Tj", ""};
    // Ten fonts: more than the cache keeps, asked for twice round.
    for (int round = 0; round < 2; ++round)
        for (int font = 0; font < 10; ++font) {
            TFontData data;
            data.Height = -8 - font;
            data.Style.Bold = font % 3 == 0;
            const int scale = 1 + font % 2;
            SCOPED_TRACE(testing::Message() << "round " << round << ", font " << font);
            TQtFont& a = kept.For(data, scale, font % 4 != 1);
            TQtFont& b = unkept.For(data, scale, font % 4 != 1);
            EXPECT_EQ(a.Height(), b.Height());
            EXPECT_EQ(a.Ascent(), b.Ascent());
            EXPECT_EQ(a.Height(), QFontMetrics(b.Font()).height());
            for (const std::string& text : texts) {
                EXPECT_EQ(a.Width(text), b.Width(text)) << text;
                EXPECT_EQ(GlyphIndexes(a.Glyphs(text)), GlyphIndexes(b.Glyphs(text))) << text;
                EXPECT_EQ(GlyphPositions(a.Glyphs(text)), GlyphPositions(b.Glyphs(text))) << text;
                EXPECT_EQ(a.Glyphs(text).baseline, b.Glyphs(text).baseline) << text;
            }
        }
}

// Texts beyond the thousand or so kept per font are answered all the same,
// and the kept ones stay.
TEST(FontCache, TextsBeyondTheKeptOnesAnswerTheSame) {
    TFontCache kept;
    TFontData data;
    data.Height = -11;
    TQtFont& font = kept.For(data);
    const QFontMetrics metrics(font.Font());
    for (std::size_t i = 0; i < TFontCache::kMaxTexts + 500; ++i)
        (void)font.Width("label " + std::to_string(i));
    for (const int i : {1499, 2000, 3, 1499}) {
        const std::string text = "label " + std::to_string(i);
        EXPECT_EQ(font.Width(text), metrics.horizontalAdvance(QString::fromStdString(text))) << text;
        EXPECT_EQ(GlyphIndexes(font.Glyphs(text)), GlyphIndexes(TFontCache::Unkept().For(data).Glyphs(text)));
    }
}
