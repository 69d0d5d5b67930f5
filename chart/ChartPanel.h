#pragma once
// The chart panel: the framework panel with a chart canvas, margins, the 3D
// switches, the chart bounds and the chart rectangle; its extension adds the
// background gradient, the back image and the zoom and panning switches.
//
// Changes never draw. Every setter that changes a value, and every pen, brush,
// font or picture of a chart part (through ChartChangeHandler), ends in
// InvalidateChart: the canvas is marked dirty and the host asked for one paint.
// HandlePaint then redraws once, or only copies the buffer when nothing changed.

#include "ChartCanvas.h"
#include "Panel.h"
#include "Basics.h"
#include "Geometry.h"

#include <functional>

// The chart rectangle inside margins given in percent of the whole bounds
// (bevels not subtracted), before normalisation.
[[nodiscard]] TRect ChartRectInMargins(const TRect& bounds, int borderWidth, int marginLeft, int marginTop,
                                       int marginRight, int marginBottom);

// Left and top kept inside the bounds; an empty or reversed rectangle gets one
// pixel, or the control's width or height when its edges coincide.
[[nodiscard]] TRect NormalizedChartRect(TRect rect, const TRect& bounds, int controlWidth, int controlHeight);

class TCustomChartPanel : public TPanel {
public:
    TCustomChartPanel();
    ~TCustomChartPanel() override;

    [[nodiscard]] TChartCanvas3D& Canvas() { return *m_canvas; }
    [[nodiscard]] const TChartCanvas3D& Canvas() const { return *m_canvas; }

    [[nodiscard]] int MarginLeft() const { return m_marginLeft; }
    [[nodiscard]] int MarginTop() const { return m_marginTop; }
    [[nodiscard]] int MarginRight() const { return m_marginRight; }
    [[nodiscard]] int MarginBottom() const { return m_marginBottom; }
    // Percent of the chart's size; beyond +-32767, ChartException
    // "Chart Margin must be between -32767 and 32767 %".
    void SetMarginLeft(int value) { StoreMargin(m_marginLeft, value); }
    void SetMarginTop(int value) { StoreMargin(m_marginTop, value); }
    void SetMarginRight(int value) { StoreMargin(m_marginRight, value); }
    void SetMarginBottom(int value) { StoreMargin(m_marginBottom, value); }

    [[nodiscard]] bool View3D() const { return m_view3D; }
    void SetView3D(bool value) { Store(m_view3D, value); }
    [[nodiscard]] TView3DOptions& View3DOptions() { return m_view3DOptions; }
    [[nodiscard]] const TView3DOptions& View3DOptions() const { return m_view3DOptions; }
    [[nodiscard]] int Chart3DPercent() const { return m_chart3DPercent; }
    // 1..100, else ChartException "3D effect percent must be between 1 and 100".
    void SetChart3DPercent(int value);
    [[nodiscard]] bool View3DWalls() const { return m_view3DWalls; }
    void SetView3DWalls(bool value) { Store(m_view3DWalls, value); }
    [[nodiscard]] bool Monochrome() const { return m_canvas->Monochrome(); }
    void SetMonochrome(bool value) { m_canvas->SetMonochrome(value); }

    // Working state of the current paint.
    [[nodiscard]] const TRect& ChartRect() const { return m_chartRect; }
    // Stores the rectangle normalised against the chart bounds.
    void SetChartRect(const TRect& rect);
    [[nodiscard]] TRect ChartBounds() const { return m_chartBounds; }
    [[nodiscard]] int ChartWidth() const { return m_chartWidth; }
    [[nodiscard]] int ChartHeight() const { return m_chartHeight; }
    [[nodiscard]] int ChartXCenter() const { return m_chartXCenter; }
    [[nodiscard]] int ChartYCenter() const { return m_chartYCenter; }
    // Depth of the view and of one series; 0 in 2D.
    [[nodiscard]] int Width3D() const { return m_width3D; }
    [[nodiscard]] int SeriesWidth3D() const { return m_seriesWidth3D; }

    // False while the chart is being constructed: invalidation then does nothing.
    [[nodiscard]] bool RepaintEnabled() const { return m_repaintEnabled; }
    [[nodiscard]] bool IsLoading() const { return m_loading; }
    void SetLoading(bool value) { m_loading = value; }
    [[nodiscard]] bool Printing() const { return m_printing; }

    // Marks the canvas dirty and asks the host for a paint.
    virtual void InvalidateChart();
    // The handler given to every pen, brush, font and picture of the chart's parts.
    [[nodiscard]] TNotifyHandler ChartChangeHandler() {
        return [this] { ChartChanged(); };
    }

    // Served from the buffer when nothing changed; otherwise a full DrawChartOn.
    void HandlePaint() override;
    // One complete paint onto target, into its rectangle rect.
    virtual void DrawChartOn(TDrawSurface* target, const TRect& rect);
    // Complete paints so far (copies from the buffer excluded).
    [[nodiscard]] int RedrawCount() const { return m_redrawCount; }

    // The canvas font becomes a copy of font (chart fonts are sized in pixels).
    virtual void SetCanvasFont(const TChartFont& font);

protected:
    // The paint pipeline into the bounds of the current frame.
    virtual void DrawChart(const TRect& bounds);
    virtual void ChartChanged() { InvalidateChart(); }
    // Bevels and border, from the control's edge inward.
    virtual void DrawBevels(const TRect& rect);
    [[nodiscard]] virtual TRect ChartClientRect() const { return ClientRect(); }

    void PanelChanged() override { InvalidateChart(); }
    void BoundsChanged() override;

    void SetRepaintEnabled(bool value) { m_repaintEnabled = value; }
    void SetDepths(int width3D, int seriesWidth3D) {
        m_width3D = width3D;
        m_seriesWidth3D = seriesWidth3D;
    }

private:
    void StoreMargin(int& field, int value);

    std::unique_ptr<TChartCanvas3D> m_canvas;
    TView3DOptions m_view3DOptions;
    int m_marginLeft = 3;
    int m_marginTop = 4;
    int m_marginRight = 3;
    int m_marginBottom = 4;
    bool m_view3D = true;
    int m_chart3DPercent = 15;
    bool m_view3DWalls = true;
    bool m_repaintEnabled = false;
    bool m_loading = false;
    bool m_printing = false;
    int m_redrawCount = 0;

    TRect m_chartBounds;
    TRect m_chartRect;
    int m_chartWidth = 0;
    int m_chartHeight = 0;
    int m_chartXCenter = 0;
    int m_chartYCenter = 0;
    int m_width3D = 0;
    int m_seriesWidth3D = 0;
};

// The background gradient; only painted when Visible.
class TChartGradient : public TStoresProperties {
public:
    explicit TChartGradient(TNotifyHandler onChange = {}) : m_onChange(std::move(onChange)) {}
    TChartGradient(const TChartGradient&) = delete;
    TChartGradient& operator=(const TChartGradient&) = delete;

    [[nodiscard]] bool Visible() const { return m_visible; }
    [[nodiscard]] TGradientDirection Direction() const { return m_direction; }
    [[nodiscard]] TColor StartColor() const { return m_startColor; }
    [[nodiscard]] TColor EndColor() const { return m_endColor; }
    void SetVisible(bool value) { Store(m_visible, value); }
    void SetDirection(TGradientDirection value) { Store(m_direction, value); }
    void SetStartColor(TColor value) { Store(m_startColor, value); }
    void SetEndColor(TColor value) { Store(m_endColor, value); }

    void SetOnChange(TNotifyHandler handler) { m_onChange = std::move(handler); }

private:
    void PropertyChanged() override {
        if (m_onChange)
            m_onChange();
    }

    TNotifyHandler m_onChange;
    bool m_visible = false;
    TGradientDirection m_direction = gdTopBottom;
    TColor m_startColor = clWhite;
    TColor m_endColor = clYellow;
};

enum class TChartBackImageMode { pbmStretch, pbmTile, pbmCenter };
using enum TChartBackImageMode;

enum class TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
using enum TPanningMode;

class TCustomChartPanelExtended : public TCustomChartPanel {
public:
    using TNotifyEvent = std::function<void(TCustomChartPanelExtended& sender)>;

    TCustomChartPanelExtended();

    [[nodiscard]] TChartGradient& Gradient() { return m_gradient; }
    [[nodiscard]] const TChartGradient& Gradient() const { return m_gradient; }
    [[nodiscard]] TChartPicture& BackImage() { return m_backImage; }
    [[nodiscard]] const TChartPicture& BackImage() const { return m_backImage; }
    [[nodiscard]] bool BackImageInside() const { return m_backImageInside; }
    void SetBackImageInside(bool value) { Store(m_backImageInside, value); }
    [[nodiscard]] TChartBackImageMode BackImageMode() const { return m_backImageMode; }
    void SetBackImageMode(TChartBackImageMode value) { Store(m_backImageMode, value); }

    // Zoom and panning are stored only: the charts never zoom or pan.
    [[nodiscard]] bool AllowZoom() const { return m_allowZoom; }
    void SetAllowZoom(bool value) { Store(m_allowZoom, value); }
    [[nodiscard]] TPanningMode AllowPanning() const { return m_allowPanning; }
    void SetAllowPanning(TPanningMode value) { Store(m_allowPanning, value); }
    [[nodiscard]] bool AnimatedZoom() const { return m_animatedZoom; }
    void SetAnimatedZoom(bool value) { Store(m_animatedZoom, value); }
    [[nodiscard]] int AnimatedZoomSteps() const { return m_animatedZoomSteps; }
    void SetAnimatedZoomSteps(int value) { Store(m_animatedZoomSteps, value); }
    [[nodiscard]] bool PrintProportional() const { return m_printProportional; }
    void SetPrintProportional(bool value) { Store(m_printProportional, value); }

    // Draws BackImage into rect by BackImageMode.
    void PlaceBackImage(const TRect& rect, int depth);
    // False only for a canvas that supports full rotation.
    [[nodiscard]] bool ClippingAllowed() const { return !Canvas().SupportsFullRotation(); }

    TNotifyEvent OnAfterDraw;

protected:
    virtual void DrawPanelImage(const TRect& rect);
    virtual void FillBackground(const TRect& rect);
    virtual void PaintBackground(const TRect& rect);

private:
    TChartGradient m_gradient{ChartChangeHandler()};
    TChartPicture m_backImage{ChartChangeHandler()};
    bool m_backImageInside = false;
    TChartBackImageMode m_backImageMode = pbmStretch;
    bool m_allowZoom = true;
    TPanningMode m_allowPanning = pmBoth;
    bool m_animatedZoom = false;
    int m_animatedZoomSteps = 8;
    bool m_printProportional = true;
};
