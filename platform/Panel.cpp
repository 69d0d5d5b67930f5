#include "Panel.h"

#include "Errors.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

TPanel::TPanel() : m_windowSurface(std::make_unique<TDrawSurface>(0, 0)) {}

TPanel::~TPanel() = default;

void TPanel::SetBounds(int left, int top, int width, int height) {
    CheckPixels<SurfaceException>(left, "Panel Left");
    CheckPixels<SurfaceException>(top, "Panel Top");
    TDrawSurface::CheckSize(width, height, m_windowSurface->Scale());
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    const bool resized = width != m_width || height != m_height;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    if (resized)
        m_surfaceFits = false;
    BoundsChanged();
    PanelChanged();
}

TDrawSurface& TPanel::FittedSurface() const {
    if (!m_surfaceFits) {
        m_windowSurface->SetSize(m_width, m_height);
        m_surfaceFits = true;
    }
    return *m_windowSurface;
}

int TPanel::DeviceScale() const { return m_windowSurface->Scale(); }

void TPanel::SetDeviceScale(int scale) {
    scale = std::max(scale, 1);
    if (scale == m_windowSurface->Scale())
        return;
    TDrawSurface::CheckSize(m_width, m_height, scale);
    m_windowSurface->SetScale(scale);
    BoundsChanged();
    PanelChanged();
}

void TPanel::SetColor(TColor value) { Store(m_color, value); }
void TPanel::SetBevelOuter(TBevelCut value) { Store(m_bevelOuter, value); }
void TPanel::SetBevelInner(TBevelCut value) { Store(m_bevelInner, value); }
void TPanel::SetBevelWidth(int value) {
    CheckPixels<SurfaceException>(value, "Panel Bevel Width");
    Store(m_bevelWidth, std::max(value, 1));
}

void TPanel::SetBorderWidth(int value) {
    CheckPixels<SurfaceException>(value, "Panel Border Width");
    Store(m_borderWidth, std::max(value, 0));
}
void TPanel::SetAlign(TPanelAlign value) { Store(m_align, value); }

void TPanel::Invalidate() {
    if (m_repaintRequest)
        m_repaintRequest();
}

void TPanel::HandlePaint() {
    m_windowSurface->FillSolid(ClientRect(), m_color);
}

void PresentSurface(QPaintDevice& device, const TDrawSurface& surface, int x, int y) {
    QPainter painter(&device);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // A surface of scale k holds k x k device pixels per logical one: drawn
    // into its logical rectangle, they meet the screen's pixels one to one.
    painter.drawImage(QRect(x, y, surface.Width(), surface.Height()), surface.Image());
}
