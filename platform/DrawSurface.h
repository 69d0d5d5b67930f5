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
//
// A surface of scale k (high-density screens) keeps every logical rule above:
// each logical pixel is a k x k block of its image, pens are k times as wide,
// pictures are drawn block for block, and text is drawn in a font k times the
// pixel size at k times the place, so it stays sharp. Width, Height, Pixel and
// text measuring answer in logical pixels, so layouts are the same at every
// scale; only Image() holds device pixels.

#include "Basics.h"
#include "DrawLayer.h"
#include "DrawObjects.h"
#include "DrawTypes.h"
#include "Geometry.h"
#include "Picture.h"
#include "SurfaceImage.h"
#include "TextMeasurer.h"
#include "TextPainter.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TQtFont;

// The speed mechanisms of a surface, each on unless switched off. The pixels
// never depend on them: tests compare paints with and without them, and
// benchmarks measure what each one saves.
struct TSurfaceCaches {
    bool layer = true;      // BeginLayer..EndLayer runs that repeat put their pixels back
    bool tileMarks = true;  // putting a layer back copies only the tiles written since
    bool fonts = true;      // Qt fonts, metrics and laid-out texts kept (FontCache.h)
    bool operator==(const TSurfaceCaches&) const = default;
    [[nodiscard]] static constexpr TSurfaceCaches None() { return {false, false, false}; }
};

// An off-screen bitmap or the image of a chart's child window, which the
// hosting widget copies to the screen. Monochrome surfaces hold only black
// and white. Not copyable: pen, brush and font belong to it.
class TDrawSurface {
public:
    // The largest image a surface holds, in device pixels (width and height
    // times the scale) and in bytes.
    static constexpr int MaxDeviceSide = MaxPixels;
    static constexpr long long MaxImageBytes = 256LL << 20;
    // Sizes below 0 count as 0 and a scale below 1 as 1; a larger image than
    // the above raises SurfaceException "Surface size must be at most 32767 x
    // 32767 device pixels and 256 MiB". The constructor, SetSize, SetScale and
    // the panel that owns a window surface check with it before anything changes.
    static void CheckSize(int width, int height, int scale);

    TDrawSurface(int width, int height, bool monochrome = false, int scale = 1);
    ~TDrawSurface();
    TDrawSurface(const TDrawSurface&) = delete;
    TDrawSurface& operator=(const TDrawSurface&) = delete;

    [[nodiscard]] int Width() const { return m_pixels.Width() / m_scale; }
    [[nodiscard]] int Height() const { return m_pixels.Height() / m_scale; }
    [[nodiscard]] bool Monochrome() const { return m_monochrome; }
    // New size; the pixels are lost (white) and the clip removed.
    void SetSize(int width, int height);
    [[nodiscard]] int Scale() const { return m_scale; }
    void SetScale(int scale);  // as SetSize: the pixels are lost; below 1 taken as 1
    [[nodiscard]] const QImage& Image() const;

    [[nodiscard]] TPen& Pen() { return m_pen; }
    [[nodiscard]] TBrush& Brush() { return m_brush; }
    [[nodiscard]] TFont& Font() { return m_font; }
    [[nodiscard]] const TPen& Pen() const { return m_pen; }
    [[nodiscard]] const TBrush& Brush() const { return m_brush; }
    [[nodiscard]] const TFont& Font() const { return m_font; }

    void SetTextMeasurer(std::shared_ptr<ITextMeasurer> measurer);  // nullptr: Qt's
    [[nodiscard]] const std::shared_ptr<ITextMeasurer>& TextMeasurer() const { return m_measurer; }
    [[nodiscard]] const TSurfaceCaches& Caches() const { return m_caches; }
    void SetCaches(const TSurfaceCaches& caches);

    // Background, text colour and alignment (queries report the state after pending selections).
    [[nodiscard]] int BackgroundMode();
    [[nodiscard]] TColor BackgroundColor();
    void SetBackgroundMode(int mode);
    void SetBackgroundColor(TColor color);
    [[nodiscard]] TColor TextColor();
    void SetTextColor(TColor color);
    [[nodiscard]] int TextAlign() const { return m_textAlign; }
    void SetTextAlign(int flags) { m_textAlign = flags; }
    // Brings pending pen, brush and font changes into effect.
    void Realize();

    // Lines with the pen, without their end pixel.
    [[nodiscard]] TPoint PenPos() const { return m_penPos; }
    void MoveTo(int x, int y) { m_penPos = {x, y}; }
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
    void RemoveClip() { m_clip.reset(); }
    [[nodiscard]] std::optional<TRect> ClipRect() const { return m_clip; }

    // The whole of source with its top-left corner at (x, y), pixel for pixel.
    void CopyFrom(const TDrawSurface& source, int x, int y);
    void DrawPicture(int x, int y, const TPicture& picture);
    // The whole picture scaled to fill the rectangle, nearest rows and columns.
    void StretchPicture(const TRect& rect, const TPicture& picture);

    // A layer (DrawLayer.h): what is drawn between BeginLayer and EndLayer is
    // recorded and, at EndLayer, either put back from the kept layer, when
    // the calls repeat those that drew it, or drawn. EndLayer answers whether
    // it drew. Reading the pixels in between draws what was recorded so far
    // and the rest as it comes. AbandonLayer (the run broke off) draws what
    // was recorded and keeps nothing.
    void BeginLayer();
    bool EndLayer();
    void AbandonLayer();

private:
    using TKind = TDrawCall::TKind;

    // Every drawing call passes here: recorded while a layer is, else drawn.
    // covers: the call paints every pixel of this box opaquely (see TDrawLayer::Record).
    void Submit(const TDrawCall& call, const TRect& covers = {});
    void Execute(const TDrawCall& call);
    void Play(std::span<const TDrawLayer::TRecord> records);
    // Something is about to read the pixels: what a layer recorded is drawn.
    void Settle() const;
    [[nodiscard]] TDrawState State() const;
    [[nodiscard]] TDrawState StateFor(TKind kind) const;
    void SetState(const TDrawState& state);

    void DrawLine(TPoint from, TPoint to);
    void DrawWideLine(TPoint from, TPoint to, const TRect& area, std::uint32_t color, bool notXor);
    void DrawRectangle(const TRect& r);
    void DrawFill(const TRect& rect);
    void DrawText(TPoint at, std::string_view text);
    void DrawStretch(const TRect& rect, const QImage& src);
    // Pixels of a picture (or another surface) of sourceScale with their
    // top-left corner at (x, y).
    void Copy(QImage source, int sourceScale, bool convert, int x, int y);
    // The logical rectangle inside the writable area, in one colour or inverted.
    void Paint(const TRect& logical, std::uint32_t color, bool notXor);

    void SelectBrush();
    void SelectFont();
    [[nodiscard]] TRect WritableArea() const;
    [[nodiscard]] TRect Device(const TRect& logical) const { return logical.Scaled(m_scale); }
    [[nodiscard]] std::uint32_t DeviceColor(TColor color) const;
    [[nodiscard]] ITextMeasurer& Measurer() const;
    [[nodiscard]] TQtFont& DrawingFont() const;

    bool m_monochrome;
    int m_scale;
    mutable TSurfaceImage m_pixels;
    mutable TDrawLayer m_layer;
    TTextPainter m_text;
    TSurfaceCaches m_caches;
    TPen m_pen;
    TBrush m_brush;
    TFont m_font;
    std::shared_ptr<ITextMeasurer> m_measurer;
    int m_backgroundMode = bkOpaque;
    TColor m_backgroundColor = clWhite;
    TColor m_textColor = clBlack;
    int m_textAlign = tfLeft | tfTop;
    TPoint m_penPos;
    std::optional<TRect> m_clip;
    std::vector<std::pair<int, int>> m_spans;  // row spans of a wide line
    struct TColumnRun {
        int target, source, length;
    };
    std::vector<TColumnRun> m_runs;  // of a stretch
};
