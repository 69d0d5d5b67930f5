#include "ChartPanel.h"

#include "Errors.h"

#include <algorithm>

TRect ChartRectInMargins(const TRect& bounds, int borderWidth, int marginLeft, int marginTop, int marginRight,
                         int marginBottom) {
    const int w = bounds.Width();
    const int h = bounds.Height();
    return {bounds.left + borderWidth + MulDiv(marginLeft, w, 100),
            bounds.top + borderWidth + MulDiv(marginTop, h, 100),
            bounds.right - borderWidth - MulDiv(marginRight, w, 100),
            bounds.bottom - borderWidth - MulDiv(marginBottom, h, 100)};
}

TRect NormalizedChartRect(TRect rect, const TRect& bounds, int controlWidth, int controlHeight) {
    rect.left = std::max(rect.left, bounds.left);
    rect.top = std::max(rect.top, bounds.top);
    if (rect.right < rect.left)
        rect.right = rect.left + 1;
    else if (rect.right == rect.left)
        rect.right = rect.left + controlWidth;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top + 1;
    else if (rect.bottom == rect.top)
        rect.bottom = rect.top + controlHeight;
    return rect;
}

// ---------------------------------------------------------------------------
// TCustomChartPanel

TCustomChartPanel::TCustomChartPanel()
    : m_canvas(std::make_unique<TChartCanvas3D>(WindowSurfaceObject())), m_view3DOptions(ChartChangeHandler()) {
    m_canvas->SetOnRepaint(ChartChangeHandler());
    m_repaintEnabled = true;
}

TCustomChartPanel::~TCustomChartPanel() {
    m_repaintEnabled = false;
    SetRepaintRequest({});
}

void TCustomChartPanel::SetChart3DPercent(int value) {
    if (value < 1 || value > 100)
        throw ChartException("3D effect percent must be between 1 and 100");
    Store(m_chart3DPercent, value);
}

void TCustomChartPanel::SetChartRect(const TRect& rect) {
    m_chartRect = NormalizedChartRect(rect, m_chartBounds, Width(), Height());
    m_chartWidth = m_chartRect.Width();
    m_chartHeight = m_chartRect.Height();
    m_chartXCenter = m_chartRect.CenterX();
    m_chartYCenter = m_chartRect.CenterY();
}

void TCustomChartPanel::InvalidateChart() {
    if (!m_repaintEnabled)
        return;
    m_canvas->MarkDirty();
    Invalidate();
}

void TCustomChartPanel::BoundsChanged() { m_canvas->MarkDirty(); }

void TCustomChartPanel::HandlePaint() {
    if (m_printing)
        return;
    if (m_canvas->PaintFromBuffer())
        return;
    DrawChartOn(&WindowSurface(), ChartClientRect());
}

void TCustomChartPanel::DrawChartOn(TDrawSurface* target, const TRect& rect) {
    ++m_redrawCount;
    m_chartBounds = m_canvas->BeginFrame(target, &m_view3DOptions, rect, m_view3D);
    SetChartRect(ChartRectInMargins(m_chartBounds, BorderWidth(), m_marginLeft, m_marginTop, m_marginRight,
                                    m_marginBottom));
    DrawChart(m_chartBounds);
    m_canvas->EndFrame(target, &WindowSurface(), rect);
}

void TCustomChartPanel::DrawChart(const TRect& bounds) { DrawBevels(bounds); }

void TCustomChartPanel::StoreMargin(int& field, int value) {
    CheckPixels<ChartException>(value, "Chart Margin", "%");
    Store(field, value);
}

void TCustomChartPanel::SetCanvasFont(const TChartFont& font) { m_canvas->AssignFont(font); }

void TCustomChartPanel::DrawBevels(const TRect& rect) {
    TChartCanvas3D& canvas = *m_canvas;
    canvas.Pen().Assign({canvas.Pen().Color(), psSolid, 1, pmCopy});
    canvas.Brush().SetStyle(bsClear);
    TRect r = rect;
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone)
            return;
        const TColor light = cut == bvRaised ? clBtnHighlight : clBtnShadow;
        const TColor shadow = cut == bvRaised ? clBtnShadow : clBtnHighlight;
        canvas.Frame3D(r, light, shadow, BevelWidth());
        r = {r.left + BevelWidth(), r.top + BevelWidth(), r.right - BevelWidth(), r.bottom - BevelWidth()};
    };
    bevel(BevelOuter());
    if (BorderWidth() > 0) {
        canvas.Frame3D(r, Color(), Color(), BorderWidth());
        r = {r.left + BorderWidth(), r.top + BorderWidth(), r.right - BorderWidth(), r.bottom - BorderWidth()};
    }
    bevel(BevelInner());
}

// ---------------------------------------------------------------------------
// TCustomChartPanelExtended

TCustomChartPanelExtended::TCustomChartPanelExtended() = default;

void TCustomChartPanelExtended::PaintBackground(const TRect& rect) {
    FillBackground(rect);
    DrawPanelImage(rect);
    if (!Canvas().SupportsFullRotation())
        DrawBevels(rect);
}

void TCustomChartPanelExtended::FillBackground(const TRect& rect) {
    TChartCanvas3D& canvas = Canvas();
    if (m_gradient.Visible()) {
        canvas.FillGradient(rect, m_gradient.StartColor(), m_gradient.Direction(), m_gradient.EndColor());
        return;
    }
    if (Printing())
        return;
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.ClearBox(rect);
}

void TCustomChartPanelExtended::DrawPanelImage(const TRect& rect) {
    if (!m_backImage.Empty() && !m_backImageInside)
        PlaceBackImage(rect, 0);
}

void TCustomChartPanelExtended::PlaceBackImage(const TRect& rect, int depth) {
    const TPicture* picture = m_backImage.Graphic();
    if (m_backImage.Empty() || picture == nullptr)
        return;
    if (depth != 0 && View3D() && !View3DOptions().Orthogonal())
        return;
    TChartCanvas3D& canvas = Canvas();
    if (m_backImageMode == pbmStretch) {
        TRect r = rect;
        if (depth > 0) {
            const TPoint topLeft = canvas.ProjectPoint(r.left, r.top, depth);
            const TPoint bottomRight = canvas.ProjectPoint(r.right, r.bottom, depth);
            r = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
        }
        canvas.StretchPicture(r, picture);
        return;
    }
    if (ClippingAllowed()) {
        if (depth != 0)
            canvas.ClipToPlot(rect, 0, Width3D());
        else
            canvas.ClipTo(rect);
    }
    const int w = rect.Width();
    const int h = rect.Height();
    const int pw = picture->Width();
    const int ph = picture->Height();
    if (m_backImageMode == pbmTile) {
        if (pw > 0 && ph > 0) {
            for (int top = 0; top < h; top += ph) {
                for (int left = 0; left < w; left += pw)
                    canvas.PlacePicture(rect.left + left, rect.top + top, picture);
            }
        }
    } else {
        FillBackground(rect);
        canvas.PlacePicture(rect.left + (w - pw) / 2, rect.top + (h - ph) / 2, picture);
    }
    canvas.RemoveClip();
}
