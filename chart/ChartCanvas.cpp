#include "ChartCanvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Keeps projected coordinates far from the int limits before rounding.
int RoundClamped(double v) { return Round(std::clamp(v, -1.0e9, 1.0e9)); }

}  // namespace

// ---------------------------------------------------------------------------
// TChartCanvas

int TChartCanvas::TextWidthOf(const std::string& text) { return Surface()->TextExtent(text).cx; }

int TChartCanvas::TextHeightOf(const std::string& text) { return Surface()->TextExtent(text).cy; }

void TChartCanvas::UseChartPen(const TChartPen& pen) {
    TPen& target = Pen();
    if (!pen.Visible()) {
        target.SetStyle(psClear);
        return;
    }
    if (pen.SmallDots() && pen.Width() == 1) {
        target.Assign({ResolveColor(pen.Color()), psAlternate, 1, target.Mode()});
        return;
    }
    target.Assign(pen.Data());
}

void TChartCanvas::AssignFont(const TChartFont& font) { Font().Assign(font.Data()); }

void TChartCanvas::RestoreDefaults() {
    Pen().Assign({clBlack, psSolid, 1, pmCopy});
    Brush().Assign({clWhite, bsSolid, nullptr});
    Font().SetColor(clBlack);
    Font().SetSize(10);
    SetBackgroundColor(clWhite);
    SetBackgroundMode(bkTransparent);
}

// ---------------------------------------------------------------------------
// TChartCanvas3D: set-up

TChartCanvas3D::TChartCanvas3D(TDrawSurface* windowSurface)
    : m_fallback(std::make_unique<TDrawSurface>(0, 0)) {
    SetWindowSurface(windowSurface);
}

TChartCanvas3D::~TChartCanvas3D() = default;

void TChartCanvas3D::WorkOn(TDrawSurface* surface) {
    m_surface = surface ? surface : m_fallback.get();
    if (m_measurer)
        m_surface->SetTextMeasurer(m_measurer);
}

void TChartCanvas3D::SetWindowSurface(TDrawSurface* surface) {
    const bool onWindow = m_surface == nullptr || m_surface == m_windowSurface || m_surface == m_fallback.get();
    m_windowSurface = surface;
    if (onWindow)
        WorkOn(surface);
}

void TChartCanvas3D::SetTextMeasurer(std::shared_ptr<ITextMeasurer> measurer) {
    m_measurer = measurer;
    for (TDrawSurface* s : {m_surface, m_windowSurface, m_buffer.get(), m_fallback.get()})
        if (s)
            s->SetTextMeasurer(measurer);
}

void TChartCanvas3D::SetSurfaceCaches(const TSurfaceCaches& caches) {
    m_caches = caches;
    if (m_buffer)
        m_buffer->SetCaches(caches);
}

void TChartCanvas3D::DropBuffer() {
    if (m_buffer && m_surface == m_buffer.get())
        WorkOn(m_windowSurface);
    m_buffer.reset();
}

// ---------------------------------------------------------------------------
// Surface state

TColor TChartCanvas3D::BackgroundColor() { return m_surface->BackgroundColor(); }
int TChartCanvas3D::BackgroundMode() { return m_surface->BackgroundMode(); }
int TChartCanvas3D::TextAlignment() const { return m_surface->TextAlign(); }
void TChartCanvas3D::SetBackgroundColor(TColor color) { m_surface->SetBackgroundColor(ResolveColor(color)); }
void TChartCanvas3D::SetBackgroundMode(int mode) { m_surface->SetBackgroundMode(mode); }
void TChartCanvas3D::SetTextAlignment(int flags) { m_surface->SetTextAlign(flags); }
void TChartCanvas3D::PutPixel(int x, int y, TColor color) { m_surface->SetPixel(x, y, color); }

void TChartCanvas3D::SetMonochrome(bool value) {
    if (value == m_monochrome)
        return;
    m_monochrome = value;
    DropBuffer();
    m_dirty = true;
    if (m_onRepaint)
        m_onRepaint();
}

void TChartCanvas3D::SetBuffered(bool value) {
    m_buffered = value;
    if (!value) {
        DropBuffer();
        m_dirty = true;
    }
}

// ---------------------------------------------------------------------------
// Frame control

TRect TChartCanvas3D::BeginFrame(TDrawSurface* target, const TView3DOptions* options, const TRect& userRect,
                                 bool is3D) {
    m_options = options;
    m_is3D = is3D;
    m_orthogonal = false;
    m_zoom = 1.0;
    m_zoomText = true;
    if (is3D && options) {
        m_orthogonal = options->Orthogonal();
        m_zoom = std::max(1, options->Zoom()) * 0.01;
        m_zoomText = options->ZoomText();
        constexpr double toRadians = std::numbers::pi / 180.0;
        m_cosElevation = std::cos(options->Elevation() * toRadians);
        m_sinElevation = std::sin(options->Elevation() * toRadians);
        m_cosRotation = std::cos(options->Rotation() * toRadians);
        m_sinRotation = std::sin(options->Rotation() * toRadians);
        m_cosTilt = std::cos(options->Tilt() * toRadians);
        m_sinTilt = std::sin(options->Tilt() * toRadians);
    }

    const int w = std::max(0, userRect.Width()), h = std::max(0, userRect.Height());
    if (!m_buffered) {
        WorkOn(target);
        m_bounds = userRect;
        return m_bounds;
    }
    // The buffer has the target's device scale, so the copy stays a copy.
    const int scale = target ? target->Scale() : 1;
    if (m_buffer && (m_buffer->Width() != w || m_buffer->Height() != h || m_buffer->Scale() != scale))
        DropBuffer();
    if (!m_buffer) {
        m_buffer = std::make_unique<TDrawSurface>(w, h, m_monochrome, scale);
        m_buffer->SetCaches(m_caches);
        ++m_bufferGeneration;
    }
    WorkOn(m_buffer.get());
    m_bounds = {0, 0, w, h};
    return m_bounds;
}

void TChartCanvas3D::EndFrame(TDrawSurface* target, TDrawSurface* windowSurface, const TRect& userRect) {
    if (m_buffered && m_buffer) {
        m_buffer->RemoveClip();
        if (target)
            target->CopyFrom(*m_buffer, userRect.left, userRect.top);
        m_dirty = false;
    }
    m_windowSurface = windowSurface;
    WorkOn(windowSurface);
}

bool TChartCanvas3D::PaintFromBuffer() {
    if (m_dirty || !m_buffer)
        return false;
    if (m_surface != m_buffer.get())
        m_surface->CopyFrom(*m_buffer, 0, 0);
    return true;
}

void TChartCanvas3D::SetProjection(int depth, const TRect& bounds, const TRect& chartRect) {
    (void)bounds;
    const TPoint centre = RectCenter(chartRect);
    m_centerX = centre.x;
    m_centerY = centre.y;
    m_centerZ = depth / 2;
    m_offsetX = centre.x;
    m_offsetY = centre.y;
    m_perspectiveFactor = 0.0;
    if (m_options) {
        m_offsetX += m_options->HorizOffset();
        m_offsetY += m_options->VertOffset();
        if (m_options->Perspective() > 0)
            m_perspectiveFactor = m_options->Perspective() / 35000.0;
    }
}

TPoint TChartCanvas3D::ProjectPoint(int x, int y, int z) const {
    if (m_orthogonal)
        return {RoundClamped(m_zoom * (static_cast<double>(x) + z - m_centerX)) + m_offsetX,
                RoundClamped(m_zoom * (static_cast<double>(y) - m_centerY - z)) + m_offsetY};
    if (!m_is3D)
        return {x, y};
    // Rotation about the vertical axis, then elevation, then tilt, around the projection centre.
    const double px = static_cast<double>(x) - m_centerX;
    const double py = static_cast<double>(y) - m_centerY;
    const double pz = static_cast<double>(z) - m_centerZ;
    const double x1 = px * m_cosRotation - pz * m_sinRotation;
    const double z1 = px * m_sinRotation + pz * m_cosRotation;
    const double y1 = py * m_cosElevation - z1 * m_sinElevation;
    const double z2 = py * m_sinElevation + z1 * m_cosElevation;
    const double x2 = x1 * m_cosTilt - y1 * m_sinTilt;
    const double y2 = x1 * m_sinTilt + y1 * m_cosTilt;
    double scale = m_zoom;
    if (m_perspectiveFactor > 0.0)
        scale *= std::clamp(1.0 - m_perspectiveFactor * (z2 + m_centerZ), 0.01, 100.0);
    return {RoundClamped(scale * x2) + m_offsetX, RoundClamped(scale * y2) + m_offsetY};
}

TPoint TChartCanvas3D::InverseProjection(int x, int y, int z) const {
    if (m_orthogonal && m_zoom > 0.0)
        return {RoundClamped((x - m_offsetX) / m_zoom + m_centerX - z),
                RoundClamped((y - m_offsetY) / m_zoom + m_centerY + z)};
    return {x, y};
}

void TChartCanvas3D::BeginFlat() {
    m_savedIs3D = m_is3D;
    m_savedOrthogonal = m_orthogonal;
    m_is3D = false;
    m_orthogonal = false;
}

void TChartCanvas3D::EndFlat() {
    m_is3D = m_savedIs3D;
    m_orthogonal = m_savedOrthogonal;
}

// ---------------------------------------------------------------------------
// Text

int TChartCanvas3D::TextWidthOf(const std::string& text) { return TChartCanvas::TextWidthOf(text); }
int TChartCanvas3D::TextHeightOf(const std::string& text) { return TChartCanvas::TextHeightOf(text); }

void TChartCanvas3D::DrawString(int x, int y, const std::string& text) {
    m_surface->SetTextColor(m_surface->Font().Color());
    m_surface->TextOut(x, y, text);
}

void TChartCanvas3D::DrawTextZoomed(int x, int y, const std::string& text) {
    if (!m_is3D || !m_zoomText || m_zoom == 1.0) {
        DrawString(x, y, text);
        return;
    }
    TFont& font = m_surface->Font();
    const int height = font.Height();
    const int scaled = std::max(1, RoundClamped(std::abs(height) * m_zoom));
    font.SetHeight(height < 0 ? -scaled : scaled);
    DrawString(x, y, text);
    font.SetHeight(height);
}

void TChartCanvas3D::DrawStringAt(int x, int y, const std::string& text, int z) {
    const TPoint p = ProjectPoint(x, y, z);
    DrawTextZoomed(p.x, p.y, text);
}

void TChartCanvas3D::DrawRotatedString(int x, int y, const std::string& text, int angle) {
    if (angle > 360)
        angle -= 360;
    m_surface->Brush().SetStyle(bsClear);
    TFont& font = m_surface->Font();
    const int escapement = font.Escapement();
    font.SetEscapement(angle * 10);
    DrawTextZoomed(x, y, text);
    font.SetEscapement(escapement);
}

void TChartCanvas3D::DrawRotatedStringAt(int x, int y, int z, const std::string& text, int angle) {
    const TPoint p = ProjectPoint(x, y, z);
    DrawRotatedString(p.x, p.y, text, angle);
}

// ---------------------------------------------------------------------------
// Lines

void TChartCanvas3D::MovePenTo(int x, int y) { m_surface->MoveTo(x, y); }
void TChartCanvas3D::DrawLineTo(int x, int y) { m_surface->LineTo(x, y); }

void TChartCanvas3D::DrawSegment(int x0, int y0, int x1, int y1) {
    m_surface->MoveTo(x0, y0);
    m_surface->LineTo(x1, y1);
}

void TChartCanvas3D::DrawHorizontal(int x0, int x1, int y) { DrawSegment(x0, y, x1, y); }
void TChartCanvas3D::DrawVertical(int x, int y0, int y1) { DrawSegment(x, y0, x, y1); }

void TChartCanvas3D::DrawHorizontalAt(int x0, int x1, int z, int y) { DrawSegmentAt(x0, y, x1, y, z); }
void TChartCanvas3D::DrawVerticalAt(int x, int y0, int z, int y1) { DrawSegmentAt(x, y0, x, y1, z); }

void TChartCanvas3D::DrawSegmentAt(int x0, int y0, int x1, int y1, int z) {
    const TPoint a = ProjectPoint(x0, y0, z), b = ProjectPoint(x1, y1, z);
    DrawSegment(a.x, a.y, b.x, b.y);
}

void TChartCanvas3D::MovePenToAt(int x, int y, int z) {
    const TPoint p = ProjectPoint(x, y, z);
    MovePenTo(p.x, p.y);
}

void TChartCanvas3D::DrawLineToAt(int x, int y, int z) {
    const TPoint p = ProjectPoint(x, y, z);
    DrawLineTo(p.x, p.y);
}

// ---------------------------------------------------------------------------
// Areas

void TChartCanvas3D::DrawBox(int x0, int y0, int x1, int y1) {
    if (m_surface->Pen().Style() != psClear) {
        m_surface->Rectangle(x0, y0, x1, y1);
        return;
    }
    // The surface's clear-pen rectangle fills from the outline's own left and
    // top; the box leaves the outline's place untouched on all four sides.
    const TRect r = TRect{x0, y0, x1, y1}.Normalized();
    m_surface->Rectangle(r.left + 1, r.top + 1, r.right, r.bottom);
}
void TChartCanvas3D::DrawBoxRect(const TRect& rect) { DrawBox(rect.left, rect.top, rect.right, rect.bottom); }
void TChartCanvas3D::FillBox(const TRect& rect) { m_surface->FillRect(rect); }
void TChartCanvas3D::ClearBox(const TRect& rect) { FillBox(rect); }

void TChartCanvas3D::DrawBoxAt(const TRect& rect, int z0, int z1) {
    (void)z1;
    const TPoint a = ProjectPoint(rect.left, rect.top, z0), b = ProjectPoint(rect.right, rect.bottom, z0);
    DrawBox(a.x, a.y, b.x, b.y);
}

void TChartCanvas3D::PutPixelAt(int x, int y, int z, TColor color) {
    const TPoint p = ProjectPoint(x, y, z);
    PutPixel(p.x, p.y, color);
}

void TChartCanvas3D::Frame3D(TRect rect, TColor topLeft, TColor bottomRight, int width) {
    for (int i = 0; i < width && !rect.Empty(); ++i) {
        m_surface->FillSolid({rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
        m_surface->FillSolid({rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
        m_surface->FillSolid({rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
        m_surface->FillSolid({rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    }
}

void TChartCanvas3D::FillGradient(const TRect& rect, TColor startColor, TGradientDirection direction,
                                  TColor endColor) {
    // Bands are painted with solid fills of their colour: the surface's own brush
    // and the background it implies stay as they were.
    for (const TGradientBand& band : GradientBands(rect, startColor, direction, endColor))
        m_surface->FillSolid(band.Rect, band.Color);
}

// ---------------------------------------------------------------------------
// Clipping

void TChartCanvas3D::ClipTo(const TRect& rect) { m_surface->IntersectClip(rect); }

void TChartCanvas3D::ClipToPlot(const TRect& rect, int z0, int z1) {
    if (!m_is3D && !m_orthogonal) {
        ClipTo({rect.left + 1, rect.top + 1, rect.right, rect.bottom - 1});
        return;
    }
    // The bounding box of the projected box stands in for its outline.
    const TPoint corners[] = {ProjectPoint(rect.left, rect.top, z0), ProjectPoint(rect.right, rect.bottom, z0),
                              ProjectPoint(rect.left, rect.top, z1), ProjectPoint(rect.right, rect.bottom, z1)};
    TRect box{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const TPoint& p : corners) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    ClipTo(box);
}

void TChartCanvas3D::RemoveClip() { m_surface->RemoveClip(); }

// ---------------------------------------------------------------------------
// Pictures

void TChartCanvas3D::PlacePicture(int x, int y, const TPicture* picture) {
    if (!picture || picture->Empty())
        return;
    m_surface->SetBackgroundColor(ResolveColor(m_surface->Brush().Color()));
    m_surface->SetTextColor(m_surface->Font().Color());
    m_surface->DrawPicture(x, y, *picture);
}

void TChartCanvas3D::StretchPicture(const TRect& rect, const TPicture* picture) {
    if (!picture || picture->Empty())
        return;
    m_surface->StretchPicture(rect, *picture);
}
