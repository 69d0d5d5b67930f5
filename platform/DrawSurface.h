#pragma once
// The 2D drawing service: a device-context-like surface over a QImage.
//
// Rules that hold for every operation:
// - integer pixels; rectangles are left, top, right, bottom with the right and
//   bottom edges excluded; a line never draws its end pixel;
// - pen, brush and font changes take effect lazily, at the next operation that
//   draws or measures. Selecting the brush sets the background: bsSolid makes it
//   opaque in the brush colour, any other style transparent in the complement of
//   the brush RGB. Selecting the font makes the text colour the font colour.
//   SetBackgroundMode/SetBackgroundColor first select what is pending, so their
//   value wins until the brush changes again;
// - every write is clipped to the image and to the clip rectangle.

#include "Basics.h"
#include "Geometry.h"
#include "Picture.h"

#include <memory>
#include <optional>
#include <string>

class QImage;

struct TSize {
    int cx = 0, cy = 0;
    bool operator==(const TSize&) const = default;
};

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

// Measures text in a font. Surfaces measure through one of these so that tests
// can use fixed metrics independent of the installed fonts.
class ITextMeasurer {
public:
    virtual ~ITextMeasurer() = default;
    // Width and full line height (ascent + descent) of the text; {0, 0} when it cannot measure.
    [[nodiscard]] virtual TSize TextExtent(const TFontData& font, const std::string& text) = 0;
    [[nodiscard]] virtual int Ascent(const TFontData& font) = 0;
};

class TQtTextMeasurer final : public ITextMeasurer {
public:
    // cached: through the metrics kept per font; otherwise asked of Qt every time.
    explicit TQtTextMeasurer(bool cached = true) : m_cached(cached) {}
    [[nodiscard]] TSize TextExtent(const TFontData& font, const std::string& text) override;
    [[nodiscard]] int Ascent(const TFontData& font) override;

private:
    bool m_cached;
};

[[nodiscard]] std::shared_ptr<ITextMeasurer> DefaultTextMeasurer();

class TDrawSurface;

// The surface's own pen, brush and font. Every setter call marks the object for
// selection at the next operation, even when the value is equal.
class TPen {
public:
    [[nodiscard]] TColor Color() const { return m_data.Color; }
    [[nodiscard]] TPenStyle Style() const { return m_data.Style; }
    [[nodiscard]] int Width() const { return m_data.Width; }
    [[nodiscard]] TPenMode Mode() const { return m_data.Mode; }
    [[nodiscard]] const TPenData& Data() const { return m_data; }
    void SetColor(TColor value);
    void SetStyle(TPenStyle value);
    void SetWidth(int value);
    void SetMode(TPenMode value);
    void Assign(const TPenData& data);

private:
    friend class TDrawSurface;
    explicit TPen(TDrawSurface& owner) : m_owner(owner) {}
    TDrawSurface& m_owner;
    TPenData m_data;
};

class TBrush {
public:
    [[nodiscard]] TColor Color() const { return m_data.Color; }
    [[nodiscard]] TBrushStyle Style() const { return m_data.Style; }
    [[nodiscard]] const std::shared_ptr<const TPicture>& Bitmap() const { return m_data.Bitmap; }
    [[nodiscard]] const TBrushData& Data() const { return m_data; }
    void SetColor(TColor value);  // also turns bsClear into bsSolid
    void SetStyle(TBrushStyle value);
    void SetBitmap(std::shared_ptr<const TPicture> value);  // nullptr: none
    void Assign(const TBrushData& data);

private:
    friend class TDrawSurface;
    explicit TBrush(TDrawSurface& owner) : m_owner(owner) {}
    TDrawSurface& m_owner;
    TBrushData m_data;
};

class TFont {
public:
    [[nodiscard]] const std::string& Name() const { return m_data.Name; }
    [[nodiscard]] int Height() const { return m_data.Height; }
    [[nodiscard]] int Size() const { return FontSizeOfHeight(m_data.Height, m_pixelsPerInch); }
    [[nodiscard]] TColor Color() const { return m_data.Color; }
    [[nodiscard]] TFontStyles Style() const { return m_data.Style; }
    [[nodiscard]] int Charset() const { return m_data.Charset; }
    [[nodiscard]] int Escapement() const { return m_data.Escapement; }
    [[nodiscard]] int PixelsPerInch() const { return m_pixelsPerInch; }
    [[nodiscard]] const TFontData& Data() const { return m_data; }
    void SetName(const std::string& value);
    void SetHeight(int value);
    void SetSize(int points);
    void SetColor(TColor value);
    void SetStyle(TFontStyles value);
    void SetCharset(int value);
    void SetEscapement(int value);
    void Assign(const TFontData& data);

private:
    friend class TDrawSurface;
    explicit TFont(TDrawSurface& owner) : m_owner(owner) {}
    TDrawSurface& m_owner;
    TFontData m_data;
    int m_pixelsPerInch = ScreenPixelsPerInch;
};

// The speed mechanisms of a surface, each on unless switched off. The pixels
// never depend on them: tests compare paints with and without them, and
// benchmarks measure what each one saves.
struct TSurfaceCaches {
    bool pendingFills = true;  // solid fills wait until their pixels are read or partly drawn over
    bool tileMarks = true;     // a layer put back copies only the tiles written since
    bool fonts = true;         // Qt fonts, metrics and laid-out texts kept per font
    bool textPixels = true;    // texts drawn again from the pixels Qt gave them
    bool stretch = true;       // the last stretched picture kept
    bool operator==(const TSurfaceCaches&) const = default;
};

enum class TSurfaceKind { skBitmap, skWindow };
using enum TSurfaceKind;

// An off-screen bitmap or the image of a chart's child window, which the
// hosting widget copies to the screen. Monochrome bitmaps hold only black and
// white. Not copyable: pen, brush and font refer back to it.
//
// A surface of scale k (high-density screens) keeps every logical rule above:
// each logical pixel is a k x k block of its image, pens are k times as wide,
// pictures are drawn block for block, and text is drawn in a font k times the
// pixel size at k times the place, so it stays sharp. Width, Height, Pixel and
// text measuring answer in logical pixels, so layouts are the same at every
// scale; only Image() holds device pixels.
class TDrawSurface {
public:
    TDrawSurface(int width, int height, TSurfaceKind kind = skBitmap, bool monochrome = false, int scale = 1);
    ~TDrawSurface();
    TDrawSurface(const TDrawSurface&) = delete;
    TDrawSurface& operator=(const TDrawSurface&) = delete;

    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;
    [[nodiscard]] TSurfaceKind Kind() const { return m_kind; }
    [[nodiscard]] bool Monochrome() const { return m_monochrome; }
    // New size; the pixels are lost (white) and the clip removed.
    void SetSize(int width, int height);
    [[nodiscard]] int Scale() const;
    void SetScale(int scale);  // as SetSize: the pixels are lost; below 1 taken as 1
    [[nodiscard]] const QImage& Image() const;

    [[nodiscard]] TPen& Pen() { return m_pen; }
    [[nodiscard]] TBrush& Brush() { return m_brush; }
    [[nodiscard]] TFont& Font() { return m_font; }
    [[nodiscard]] const TPen& Pen() const { return m_pen; }
    [[nodiscard]] const TBrush& Brush() const { return m_brush; }
    [[nodiscard]] const TFont& Font() const { return m_font; }

    void SetTextMeasurer(std::shared_ptr<ITextMeasurer> measurer);  // nullptr: the Qt default
    [[nodiscard]] const TSurfaceCaches& Caches() const { return m_caches; }
    void SetCaches(const TSurfaceCaches& caches);
    [[nodiscard]] const std::shared_ptr<ITextMeasurer>& TextMeasurer() const { return m_measurer; }

    // Background, text colour and alignment (queries report the state after pending selections).
    [[nodiscard]] int BackgroundMode();
    [[nodiscard]] TColor BackgroundColor();
    void SetBackgroundMode(int mode);
    void SetBackgroundColor(TColor color);
    [[nodiscard]] TColor TextColor();
    void SetTextColor(TColor color);
    [[nodiscard]] int TextAlign() const { return m_textAlign; }
    void SetTextAlign(int flags) { m_textAlign = flags; }

    // Lines with the pen, without their end pixel.
    [[nodiscard]] TPoint PenPos() const { return m_penPos; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);

    // Outline with the pen and inside filled with the brush; right and bottom excluded.
    void Rectangle(int left, int top, int right, int bottom);
    // The rectangle filled with the brush (pattern and hatch included), no outline.
    void FillRect(const TRect& rect);
    // The rectangle filled with a solid colour, brush and pen left alone.
    void FillSolid(const TRect& rect, TColor color);

    void SetPixel(int x, int y, TColor color);
    // RGB of a pixel; clNone outside the surface.
    [[nodiscard]] TColor Pixel(int x, int y) const;

    // Text at a reference point under the alignment flags, background mode and colour.
    void TextOut(int x, int y, const std::string& text);
    [[nodiscard]] TSize TextExtent(const std::string& text);

    // Intersects the clip with the rectangle; RemoveClip lets everything through again.
    void IntersectClip(const TRect& rect);
    void RemoveClip();
    [[nodiscard]] std::optional<TRect> ClipRect() const { return m_clip; }

    // The whole of source with its top-left corner at (x, y), pixel for pixel.
    void CopyFrom(const TDrawSurface& source, int x, int y);
    void DrawPicture(int x, int y, const TPicture& picture);
    // The whole picture scaled to fill the rectangle, nearest rows and columns.
    void StretchPicture(const TRect& rect, const TPicture& picture);

    // Brings pending pen, brush and font changes into effect.
    void Realize();

    // Everything but the pixels: pen, brush, font, background, text colour
    // and alignment, pen position and clip.
    struct TState {
        TPenData pen;
        TBrushData brush;
        TFontData font;
        bool penPending, brushPending, fontPending;
        int backgroundMode;
        TColor backgroundColor, textColor;
        int textAlign;
        TPoint penPos;
        std::optional<TRect> clip;
    };
    [[nodiscard]] TState SaveState() const;
    void RestoreState(const TState& state);

    // A layer: the pixels a run of drawing calls leaves, kept with a hash of
    // the calls (their arguments and every state their pixels depend on), so
    // that the same run later puts the pixels back instead of drawing them.
    // BeginLayer(true) probes: the calls are hashed and nothing is drawn,
    // while state calls take effect as usual; EndLayer then answers whether
    // the kept layer matched, and if so puts its pixels in place.
    // BeginLayer(false) draws and hashes; EndLayer answers false and keeps
    // the pixels when the run wrote every pixel of the surface with opaque
    // fills before anything else (so nothing of what was there before shows)
    // and either no layer is kept yet or the run repeated the one before.
    // HasLayer: a layer is kept and the last run drew it, so a probe may match.
    [[nodiscard]] bool HasLayer() const;
    void BeginLayer(bool probe);
    bool EndLayer();
    void AbandonLayer();  // the run broke off: back to drawing, nothing kept

private:
    friend class TPen;
    friend class TBrush;
    friend class TFont;
    struct Impl;

    void SelectBrush();
    void SelectFont();
    [[nodiscard]] TRect WritableArea() const;
    [[nodiscard]] std::uint32_t DeviceColor(TColor color) const;
    [[nodiscard]] ITextMeasurer& Measurer() const;

    enum class LayerMode { Off, Probe, Record };
    // Mixes the values into the layer hash; true when probing (draw nothing).
    template <typename... V>
    bool LayerCall(V... values);
    void LayerText(const std::string& text);
    void LayerCovered(const TRect& rect) const;  // an opaque fill of rect
    void LayerReads() const;  // anything else: what was there before may show
    void LayerPeeks() const;  // pixels read back
    void LayerDirty() const;  // the run cannot be kept or matched

    LayerMode m_layerMode = LayerMode::Off;
    std::uint64_t m_layerHash = 0;
    mutable TRect m_layerCovered;
    mutable bool m_layerWhole = false;   // m_layerCovered is the whole surface
    mutable bool m_layerUnusable = false;

    TSurfaceKind m_kind;
    bool m_monochrome;
    std::unique_ptr<Impl> m_impl;
    TPen m_pen{*this};
    TBrush m_brush{*this};
    TFont m_font{*this};
    std::shared_ptr<ITextMeasurer> m_measurer;
    TSurfaceCaches m_caches;
    bool m_penPending = true;
    bool m_brushPending = true;
    bool m_fontPending = true;
    int m_backgroundMode = bkOpaque;
    TColor m_backgroundColor = clWhite;
    TColor m_textColor = clBlack;
    int m_textAlign = tfLeft | tfTop;
    TPoint m_penPos;
    std::optional<TRect> m_clip;
};
