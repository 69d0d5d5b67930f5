#pragma once
// The canvas through which every chart draws. It has no pen, brush or font of
// its own: Pen(), Brush() and Font() are those of the surface it currently
// draws on.

#include "ChartCanvasObjects.h"

#include <memory>
#include <string>
#include <vector>

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
    // The speed mechanisms of every buffer the canvas draws into.
    void SetSurfaceCaches(const TSurfaceCaches& caches);

    // What is drawn between BeginLayer and EndLayer is kept and, when a later
    // paint makes the same drawing calls, put back instead of drawn; EndLayer
    // answers whether it drew. AbandonLayer: the part broke off.
    void BeginLayer() { m_surface->BeginLayer(); }
    bool EndLayer() { return m_surface->EndLayer(); }
    void AbandonLayer() { m_surface->AbandonLayer(); }

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
    TSurfaceCaches m_caches;
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
