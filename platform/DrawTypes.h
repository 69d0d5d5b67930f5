#pragma once
// What a drawing surface draws with: pen, brush and font descriptions, the
// background modes and the text alignment flags. Plain values, compared as a
// whole.

#include "Basics.h"
#include "Picture.h"

#include <memory>
#include <string>

enum class TPenStyle {
    psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame,
    psAlternate,  // cosmetic: every other pixel, starting with the first
};
using enum TPenStyle;

enum class TPenMode { pmCopy, pmNotXor };
using enum TPenMode;

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
using enum TBrushStyle;

inline constexpr int bkTransparent = 1;
inline constexpr int bkOpaque = 2;

// Text alignment flags; one horizontal and one vertical flag are added.
inline constexpr int tfLeft = 0;
inline constexpr int tfRight = 2;
inline constexpr int tfCenter = 6;
inline constexpr int tfTop = 0;
inline constexpr int tfBottom = 8;
inline constexpr int tfBaseline = 24;

inline constexpr int ScreenPixelsPerInch = 96;
inline constexpr int DefaultCharset = 1;

struct TPenData {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    int Width = 1;
    TPenMode Mode = pmCopy;
    bool operator==(const TPenData&) const = default;
};

struct TBrushData {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    std::shared_ptr<const TPicture> Bitmap;  // pattern; tiled from the surface origin
    bool operator==(const TBrushData&) const = default;
};

struct TFontStyles {
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
    bool operator==(const TFontStyles&) const = default;
};

struct TFontData {
    std::string Name = "Arial";
    int Height = -13;  // negative: character height in pixels (the QFont pixel size)
    TColor Color = clBlack;
    TFontStyles Style;
    int Charset = DefaultCharset;
    int Escapement = 0;  // tenths of a degree, counter-clockwise
    bool operator==(const TFontData&) const = default;
};

// Height of a font of p points on a device of ppi pixels per inch, and back.
[[nodiscard]] constexpr int FontHeightOfSize(int points, int ppi = ScreenPixelsPerInch) { return -MulDiv(points, ppi, 72); }
[[nodiscard]] constexpr int FontSizeOfHeight(int height, int ppi = ScreenPixelsPerInch) { return -MulDiv(height, 72, ppi); }

// The RGB value (0x00BBGGRR) of a colour; system colours come from the
// application palette. clDefault and clNone resolve to black.
[[nodiscard]] TColor ResolveColor(TColor color);
