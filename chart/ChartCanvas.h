#pragma once
// The chart canvas: pens, brushes, fonts and pictures of chart parts, the 3D
// options and the canvas through which every chart draws.
//
// Chart objects (TChartPen, TChartBrush, TChartFont, TChartPicture,
// TView3DOptions) fire their change handler only when a setter changes a value.
// The canvas has no pen, brush or font of its own: Pen(), Brush() and Font() are
// those of the surface it currently draws on.

#include "DrawSurface.h"
#include "Errors.h"
#include "Geometry.h"
#include "Picture.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using TNotifyHandler = std::function<void()>;

// ---------------------------------------------------------------------------
// Unit helpers

[[nodiscard]] constexpr int RectWidth(const TRect& r) { return r.right - r.left; }
[[nodiscard]] constexpr int RectHeight(const TRect& r) { return r.bottom - r.top; }
[[nodiscard]] constexpr TSize RectSize(const TRect& r) { return {r.right - r.left, r.bottom - r.top}; }
[[nodiscard]] constexpr TPoint RectCenter(const TRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
constexpr void SwapInteger(int& a, int& b) { const int t = a; a = b; b = t; }
constexpr void SwapDouble(double& a, double& b) { const double t = a; a = b; b = t; }
[[nodiscard]] constexpr int MaxLong(int a, int b) { return a > b ? a : b; }
[[nodiscard]] constexpr int MinLong(int a, int b) { return a < b ? a : b; }

// Angles of axis labels and titles: 0 to 359, else ChartException
// "<what> Angle must be between 0 and 359 degrees".
void CheckAngle(int angle, const std::string& what);

// ---------------------------------------------------------------------------
// Pens

class TChartPen {
public:
    explicit TChartPen(TNotifyHandler onChange = {});
    virtual ~TChartPen() = default;
    TChartPen(const TChartPen&) = delete;
    TChartPen& operator=(const TChartPen&) = delete;

    [[nodiscard]] TColor Color() const { return m_data.Color; }
    [[nodiscard]] TPenStyle Style() const { return m_data.Style; }
    [[nodiscard]] int Width() const { return m_data.Width; }
    [[nodiscard]] TPenMode Mode() const { return m_data.Mode; }
    [[nodiscard]] bool Visible() const { return m_visible; }
    [[nodiscard]] bool SmallDots() const { return m_smallDots; }
    [[nodiscard]] const TPenData& Data() const { return m_data; }

    void SetColor(TColor value);
    void SetStyle(TPenStyle value);
    void SetWidth(int value);
    void SetMode(TPenMode value);
    void SetVisible(bool value);
    void SetSmallDots(bool value);
    // Visible and SmallDots, then colour, style, width and mode; one notification when anything changed.
    void Assign(const TChartPen& source);

    void SetOnChange(TNotifyHandler handler) { m_onChange = std::move(handler); }

protected:
    TChartPen(TNotifyHandler onChange, const TPenData& defaults, bool visible);

private:
    void Changed() const;

    TNotifyHandler m_onChange;
    TPenData m_data;
    bool m_visible = true;
    bool m_smallDots = false;
};

// Title frames, minor grid, dividing lines: invisible.
class TChartHiddenPen : public TChartPen {
public:
    explicit TChartHiddenPen(TNotifyHandler onChange = {});
};

// Axis grid: clGray, psDot.
class TDottedGrayPen : public TChartPen {
public:
    explicit TDottedGrayPen(TNotifyHandler onChange = {});
};

// Axis ticks: clGray.
class TDarkGrayPen : public TChartPen {
public:
    explicit TDarkGrayPen(TNotifyHandler onChange = {});
};

// Axis line: width 2.
class TChartAxisPen : public TChartPen {
public:
    explicit TChartAxisPen(TNotifyHandler onChange = {});
};

// Arrows of value marks: clWhite.
class TChartArrowPen : public TChartPen {
public:
    explicit TChartArrowPen(TNotifyHandler onChange = {});
};

// ---------------------------------------------------------------------------
// Brush, font, picture

class TChartBrush {
public:
    explicit TChartBrush(TNotifyHandler onChange = {});
    TChartBrush(const TChartBrush&) = delete;
    TChartBrush& operator=(const TChartBrush&) = delete;

    [[nodiscard]] TColor Color() const { return m_color; }  // clDefault: no colour of its own
    [[nodiscard]] TBrushStyle Style() const { return m_style; }
    [[nodiscard]] const std::shared_ptr<const TPicture>& Bitmap() const { return m_bitmap; }
    [[nodiscard]] bool HasBitmap() const { return m_bitmap && !m_bitmap->Empty(); }

    void SetColor(TColor value);  // turns bsClear into bsSolid
    void SetStyle(TBrushStyle value);
    void SetBitmap(std::shared_ptr<const TPicture> value);  // nullptr: none
    void Assign(const TChartBrush& source);

    void SetOnChange(TNotifyHandler handler) { m_onChange = std::move(handler); }

private:
    void Changed() const;

    TNotifyHandler m_onChange;
    TColor m_color = clDefault;
    TBrushStyle m_style = bsSolid;
    std::shared_ptr<const TPicture> m_bitmap;
};

// The font every chart element starts with: "Arial", 8 points, black, no style, default charset.
[[nodiscard]] TFontData DefaultChartFont();
inline constexpr int DefaultChartFontSize = 8;

class TChartFont {
public:
    explicit TChartFont(TNotifyHandler onChange = {});  // DefaultChartFont
    TChartFont(const TChartFont&) = delete;
    TChartFont& operator=(const TChartFont&) = delete;

    [[nodiscard]] const std::string& Name() const { return m_data.Name; }
    [[nodiscard]] int Size() const { return FontSizeOfHeight(m_data.Height, m_pixelsPerInch); }
    [[nodiscard]] int Height() const { return m_data.Height; }
    [[nodiscard]] TColor Color() const { return m_data.Color; }
    [[nodiscard]] TFontStyles Style() const { return m_data.Style; }
    [[nodiscard]] int Charset() const { return m_data.Charset; }
    [[nodiscard]] int PixelsPerInch() const { return m_pixelsPerInch; }
    [[nodiscard]] const TFontData& Data() const { return m_data; }
    // Same size, name, colour, style and charset as DefaultChartFont (not stored with the chart).
    [[nodiscard]] bool IsDefault() const;

    void SetName(const std::string& value);
    void SetSize(int points);
    void SetHeight(int pixels);
    void SetColor(TColor value);
    void SetStyle(TFontStyles value);
    void SetCharset(int value);
    void SetPixelsPerInch(int value);  // keeps Height; values below 1 are refused silently
    void Assign(const TChartFont& source);

    void SetOnChange(TNotifyHandler handler) { m_onChange = std::move(handler); }

private:
    void Changed() const;

    TNotifyHandler m_onChange;
    TFontData m_data;
    int m_pixelsPerInch = ScreenPixelsPerInch;
};

// A chart's picture (BackImage): empty or holding a platform picture.
class TChartPicture {
public:
    explicit TChartPicture(TNotifyHandler onChange = {});
    TChartPicture(const TChartPicture&) = delete;
    TChartPicture& operator=(const TChartPicture&) = delete;

    [[nodiscard]] const TPicture* Graphic() const { return m_picture.get(); }  // nullptr when empty
    [[nodiscard]] bool Empty() const { return !m_picture || m_picture->Empty(); }
    [[nodiscard]] int Width() const { return m_picture ? m_picture->Width() : 0; }
    [[nodiscard]] int Height() const { return m_picture ? m_picture->Height() : 0; }

    void Assign(std::shared_ptr<const TPicture> picture);  // always notifies, like loading a file
    void Assign(const TPicture& picture);
    void Clear();  // notifies only when a picture was held

    void SetOnChange(TNotifyHandler handler) { m_onChange = std::move(handler); }

private:
    void Changed() const;

    TNotifyHandler m_onChange;
    std::shared_ptr<const TPicture> m_picture;
};

// ---------------------------------------------------------------------------
// 3D options: stored and validated; only a 3D view uses them.

class TView3DOptions {
public:
    explicit TView3DOptions(TNotifyHandler onChange = {});
    TView3DOptions(const TView3DOptions&) = delete;
    TView3DOptions& operator=(const TView3DOptions&) = delete;

    [[nodiscard]] int Elevation() const { return m_elevation; }
    [[nodiscard]] int Rotation() const { return m_rotation; }
    [[nodiscard]] int Perspective() const { return m_perspective; }
    [[nodiscard]] int Zoom() const { return m_zoom; }
    [[nodiscard]] bool ZoomText() const { return m_zoomText; }
    [[nodiscard]] bool Orthogonal() const { return m_orthogonal; }
    [[nodiscard]] int Tilt() const { return m_tilt; }
    [[nodiscard]] int HorizOffset() const { return m_horizOffset; }
    [[nodiscard]] int VertOffset() const { return m_vertOffset; }

    // Zoom below 1 percent raises ChartException "3D zoom must be at least 1 percent".
    void SetElevation(int value);
    void SetRotation(int value);
    void SetPerspective(int value);
    void SetZoom(int value);
    void SetZoomText(bool value);
    void SetOrthogonal(bool value);
    void SetTilt(int value);
    void SetHorizOffset(int value);
    void SetVertOffset(int value);

    void SetOnChange(TNotifyHandler handler) { m_onChange = std::move(handler); }

private:
    void SetInt(int& field, int value);
    void SetBool(bool& field, bool value);

    TNotifyHandler m_onChange;
    int m_elevation = 345;
    int m_rotation = 345;
    int m_perspective = 15;
    int m_zoom = 100;
    bool m_zoomText = true;
    bool m_orthogonal = true;
    int m_tilt = 0;
    int m_horizOffset = 0;
    int m_vertOffset = 0;
};

// ---------------------------------------------------------------------------
// Gradient

enum class TGradientDirection {
    gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft, gdFromBottomLeft
};
using enum TGradientDirection;

struct TGradientBand {
    TRect Rect;  // right and bottom excluded
    TColor Color = clBlack;  // RGB
    bool operator==(const TGradientBand&) const = default;
};

// The bands of a gradient fill, painted in order (later bands cover earlier
// ones for the ring and diagonal directions). gdTopBottom and gdLeftRight start
// with `first` at the top or left edge, gdBottomTop and gdRightLeft at the
// bottom or right edge; gdFromCenter goes from `first` at the outside to `last`
// at the centre; the corner directions from `first` at their corner.
[[nodiscard]] std::vector<TGradientBand> GradientBands(TRect rect, TColor first, TGradientDirection direction,
                                                       TColor last);

// ---------------------------------------------------------------------------
// Canvas

class TChartCanvas {
public:
    virtual ~TChartCanvas() = default;

    // Surface state
    [[nodiscard]] virtual TColor BackgroundColor() = 0;
    [[nodiscard]] virtual int BackgroundMode() = 0;
    [[nodiscard]] virtual TDrawSurface* Surface() const = 0;
    [[nodiscard]] virtual bool Monochrome() const = 0;
    [[nodiscard]] virtual int TextAlignment() const = 0;
    [[nodiscard]] virtual bool Buffered() const = 0;
    virtual void SetBackgroundColor(TColor color) = 0;
    virtual void SetBackgroundMode(int mode) = 0;
    virtual void SetMonochrome(bool value) = 0;
    virtual void PutPixel(int x, int y, TColor color) = 0;
    virtual void SetTextAlignment(int flags) = 0;
    virtual void SetBuffered(bool value) = 0;

    // Drawing
    virtual void PlacePicture(int x, int y, const TPicture* picture) = 0;
    virtual void FillBox(const TRect& rect) = 0;
    // Two-colour outline: top and left in topLeft, bottom and right in bottomRight, `width` nested rings.
    virtual void Frame3D(TRect rect, TColor topLeft, TColor bottomRight, int width) = 0;
    virtual void DrawLineTo(int x, int y) = 0;
    virtual void MovePenTo(int x, int y) = 0;
    virtual void DrawBox(int x0, int y0, int x1, int y1) = 0;
    virtual void StretchPicture(const TRect& rect, const TPicture* picture) = 0;
    virtual void DrawString(int x, int y, const std::string& text) = 0;

    // Measurement: 0 when the text cannot be measured.
    [[nodiscard]] virtual int TextWidthOf(const std::string& text);
    [[nodiscard]] virtual int TextHeightOf(const std::string& text);
    [[nodiscard]] int TextLineHeight() { return TextHeightOf("W"); }

    virtual void ClipTo(const TRect& rect) = 0;
    virtual void DrawHorizontal(int x0, int x1, int y) = 0;
    virtual void DrawBoxRect(const TRect& rect) = 0;
    virtual void DrawVertical(int x, int y0, int y1) = 0;
    virtual void ClearBox(const TRect& rect) = 0;
    virtual void FillGradient(const TRect& rect, TColor startColor, TGradientDirection direction,
                              TColor endColor) = 0;
    virtual void MarkDirty() = 0;
    virtual void DrawSegment(int x0, int y0, int x1, int y1) = 0;
    // Angle in degrees, counter-clockwise; the brush becomes clear.
    virtual void DrawRotatedString(int x, int y, const std::string& text, int angle) = 0;
    virtual void RemoveClip() = 0;

    // Non-virtual conveniences over the surface.
    void UseChartPen(const TChartPen& pen);
    [[nodiscard]] TPen& Pen() { return Surface()->Pen(); }
    [[nodiscard]] TBrush& Brush() { return Surface()->Brush(); }
    [[nodiscard]] TFont& Font() { return Surface()->Font(); }
    void AssignFont(const TChartFont& font);  // the surface font becomes a copy of font
    // Pen black, width 1, solid; brush white, solid; font black, 10 points;
    // background white and transparent.
    void RestoreDefaults();
};

class TCanvas3D : public TChartCanvas {
public:
    virtual void PutPixelAt(int x, int y, int z, TColor color) = 0;
    [[nodiscard]] virtual bool SupportsFullRotation() const = 0;
    [[nodiscard]] virtual bool SupportsID() const = 0;

    [[nodiscard]] virtual TPoint InverseProjection(int x, int y, int z) const = 0;
    [[nodiscard]] virtual TPoint ProjectPoint(int x, int y, int z) const = 0;
    // Starts a paint on target for its rectangle userRect; options may be null.
    // Answers the bounds to draw into.
    virtual TRect BeginFrame(TDrawSurface* target, const TView3DOptions* options, const TRect& userRect,
                             bool is3D) = 0;
    virtual void AssignMonochrome(const TCanvas3D& other) { SetMonochrome(other.Monochrome()); }
    virtual void SetProjection(int depth, const TRect& bounds, const TRect& chartRect) = 0;
    virtual void EndFrame(TDrawSurface* target, TDrawSurface* windowSurface, const TRect& userRect) = 0;
    virtual bool PaintFromBuffer() = 0;

    virtual void ClipToPlot(const TRect& rect, int z0, int z1) = 0;
    virtual void DrawHorizontalAt(int x0, int x1, int z, int y) = 0;
    virtual void DrawVerticalAt(int x, int y0, int z, int y1) = 0;
    virtual void BeginFlat() = 0;
    virtual void EndFlat() = 0;
    virtual void DrawSegmentAt(int x0, int y0, int x1, int y1, int z) = 0;
    virtual void MovePenToAt(int x, int y, int z) = 0;
    virtual void DrawLineToAt(int x, int y, int z) = 0;
    virtual void DrawBoxAt(const TRect& rect, int z0, int z1) = 0;  // a front rectangle in this canvas
    virtual void DrawRotatedStringAt(int x, int y, int z, const std::string& text, int angle) = 0;
    virtual void DrawStringAt(int x, int y, const std::string& text, int z) = 0;
};

class TChartCanvas3D final : public TCanvas3D {
public:
    // Works on windowSurface between paints (it may be null until the host exists).
    explicit TChartCanvas3D(TDrawSurface* windowSurface = nullptr);
    ~TChartCanvas3D() override;

    // Asked for by a change of Monochrome; the chart passes its invalidation.
    void SetOnRepaint(TNotifyHandler handler) { m_onRepaint = std::move(handler); }
    // Used by every surface the canvas draws on, the buffer included; nullptr: Qt fonts.
    void SetTextMeasurer(std::shared_ptr<ITextMeasurer> measurer);
    void SetWindowSurface(TDrawSurface* surface);

    [[nodiscard]] TColor BackgroundColor() override;
    [[nodiscard]] int BackgroundMode() override;
    [[nodiscard]] TDrawSurface* Surface() const override { return m_surface; }
    [[nodiscard]] bool Monochrome() const override { return m_monochrome; }
    [[nodiscard]] int TextAlignment() const override;
    [[nodiscard]] bool Buffered() const override { return m_buffered; }
    void SetBackgroundColor(TColor color) override;
    void SetBackgroundMode(int mode) override;
    void SetMonochrome(bool value) override;
    void PutPixel(int x, int y, TColor color) override;
    void SetTextAlignment(int flags) override;
    void SetBuffered(bool value) override;

    void PlacePicture(int x, int y, const TPicture* picture) override;
    void FillBox(const TRect& rect) override;
    void Frame3D(TRect rect, TColor topLeft, TColor bottomRight, int width) override;
    void DrawLineTo(int x, int y) override;
    void MovePenTo(int x, int y) override;
    void DrawBox(int x0, int y0, int x1, int y1) override;
    void StretchPicture(const TRect& rect, const TPicture* picture) override;
    void DrawString(int x, int y, const std::string& text) override;
    [[nodiscard]] int TextWidthOf(const std::string& text) override;
    [[nodiscard]] int TextHeightOf(const std::string& text) override;
    void ClipTo(const TRect& rect) override;
    void DrawHorizontal(int x0, int x1, int y) override;
    void DrawBoxRect(const TRect& rect) override;
    void DrawVertical(int x, int y0, int y1) override;
    void ClearBox(const TRect& rect) override;
    void FillGradient(const TRect& rect, TColor startColor, TGradientDirection direction, TColor endColor) override;
    void MarkDirty() override { m_dirty = true; }
    void DrawSegment(int x0, int y0, int x1, int y1) override;
    void DrawRotatedString(int x, int y, const std::string& text, int angle) override;
    void RemoveClip() override;

    void PutPixelAt(int x, int y, int z, TColor color) override;
    [[nodiscard]] bool SupportsFullRotation() const override { return false; }
    [[nodiscard]] bool SupportsID() const override { return false; }
    [[nodiscard]] TPoint InverseProjection(int x, int y, int z) const override;
    [[nodiscard]] TPoint ProjectPoint(int x, int y, int z) const override;
    TRect BeginFrame(TDrawSurface* target, const TView3DOptions* options, const TRect& userRect,
                     bool is3D) override;
    void SetProjection(int depth, const TRect& bounds, const TRect& chartRect) override;
    void EndFrame(TDrawSurface* target, TDrawSurface* windowSurface, const TRect& userRect) override;
    bool PaintFromBuffer() override;
    void ClipToPlot(const TRect& rect, int z0, int z1) override;
    void DrawHorizontalAt(int x0, int x1, int z, int y) override;
    void DrawVerticalAt(int x, int y0, int z, int y1) override;
    void BeginFlat() override;
    void EndFlat() override;
    void DrawSegmentAt(int x0, int y0, int x1, int y1, int z) override;
    void MovePenToAt(int x, int y, int z) override;
    void DrawLineToAt(int x, int y, int z) override;
    void DrawBoxAt(const TRect& rect, int z0, int z1) override;
    void DrawRotatedStringAt(int x, int y, int z, const std::string& text, int angle) override;
    void DrawStringAt(int x, int y, const std::string& text, int z) override;

    // State exposed for the panel and for tests.
    [[nodiscard]] bool Dirty() const { return m_dirty; }
    [[nodiscard]] bool Is3D() const { return m_is3D; }
    [[nodiscard]] double ZoomFactor() const { return m_zoom; }
    [[nodiscard]] const TDrawSurface* BufferSurface() const { return m_buffer.get(); }
    // Counts the buffers made so far; unchanged while a buffer is reused.
    [[nodiscard]] int BufferGeneration() const { return m_bufferGeneration; }
    [[nodiscard]] const TRect& FrameBounds() const { return m_bounds; }

private:
    void WorkOn(TDrawSurface* surface);
    void DropBuffer();
    void DrawTextZoomed(int x, int y, const std::string& text);

    std::unique_ptr<TDrawSurface> m_fallback;  // a 0 x 0 surface while there is no window
    TDrawSurface* m_surface = nullptr;
    TDrawSurface* m_windowSurface = nullptr;
    std::shared_ptr<ITextMeasurer> m_measurer;
    TNotifyHandler m_onRepaint;

    const TView3DOptions* m_options = nullptr;
    bool m_is3D = false;
    bool m_orthogonal = false;
    double m_zoom = 1.0;
    bool m_zoomText = true;
    int m_centerX = 0, m_centerY = 0, m_centerZ = 0;
    int m_offsetX = 0, m_offsetY = 0;
    double m_perspectiveFactor = 0.0;
    double m_cosElevation = 1.0, m_sinElevation = 0.0;
    double m_cosRotation = 1.0, m_sinRotation = 0.0;
    double m_cosTilt = 1.0, m_sinTilt = 0.0;
    bool m_savedIs3D = false;
    bool m_savedOrthogonal = false;

    bool m_buffered = true;
    bool m_monochrome = false;
    bool m_dirty = true;
    std::unique_ptr<TDrawSurface> m_buffer;
    int m_bufferGeneration = 0;
    TRect m_bounds;
};
