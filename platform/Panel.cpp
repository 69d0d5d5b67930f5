#include "Panel.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

TPanel::TPanel() : m_windowSurface(std::make_unique<TDrawSurface>(0, 0, skWindow)) {}

TPanel::~TPanel() = default;

void TPanel::SetBounds(int left, int top, int width, int height) {
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

void TPanel::SetColor(TColor value) { Store(m_color, value); }
void TPanel::SetBevelOuter(TBevelCut value) { Store(m_bevelOuter, value); }
void TPanel::SetBevelInner(TBevelCut value) { Store(m_bevelInner, value); }
void TPanel::SetBevelWidth(int value) { Store(m_bevelWidth, std::max(value, 1)); }
void TPanel::SetBorderWidth(int value) { Store(m_borderWidth, std::max(value, 0)); }
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
    painter.drawImage(x, y, surface.Image());
}
