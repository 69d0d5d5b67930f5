#pragma once
// The framework panel: a stand-in for a child window. It has a size, a colour,
// bevels, a border and an alignment, owns the image of its client area (the
// window's own surface), and asks its host to repaint through one hook. It
// draws nothing itself until the host delivers a paint request.
//
// Every change of a stored property that differs from the current value calls
// PanelChanged; a change of position or size calls BoundsChanged first, so a
// resize always repaints fully.

#include "Basics.h"
#include "DrawSurface.h"
#include "Geometry.h"

#include <functional>
#include <memory>

class QPaintDevice;

enum class TBevelCut { bvNone, bvLowered, bvRaised };
using enum TBevelCut;

// How a host arranges the panel inside its parent; the panel only stores it.
enum class TPanelAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TPanel : public TStoresProperties {
public:
    TPanel();
    ~TPanel() override;

    TPanel(const TPanel&) = delete;
    TPanel& operator=(const TPanel&) = delete;

    [[nodiscard]] int Left() const { return m_left; }
    [[nodiscard]] int Top() const { return m_top; }
    [[nodiscard]] int Width() const { return m_width; }
    [[nodiscard]] int Height() const { return m_height; }
    // Negative sizes are taken as 0. Left and top beyond +-32767 raise
    // SurfaceException "Panel <Left|Top> must be between -32767 and 32767
    // pixels", and a size whose window image would exceed the surface's
    // limit (TDrawSurface::CheckSize) that exception's message; SetDeviceScale
    // checks the same, and nothing changes when a value is refused.
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int value) { SetBounds(value, m_top, m_width, m_height); }
    void SetTop(int value) { SetBounds(m_left, value, m_width, m_height); }
    void SetWidth(int value) { SetBounds(m_left, m_top, value, m_height); }
    void SetHeight(int value) { SetBounds(m_left, m_top, m_width, value); }
    [[nodiscard]] TRect ClientRect() const { return {0, 0, m_width, m_height}; }

    [[nodiscard]] TColor Color() const { return m_color; }
    void SetColor(TColor value);
    [[nodiscard]] TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut value);
    [[nodiscard]] TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut value);
    [[nodiscard]] int BevelWidth() const { return m_bevelWidth; }
    // Below 1 taken as 1, below 0 as 0; beyond +-32767 SurfaceException
    // "Panel <Bevel Width|Border Width> must be between -32767 and 32767 pixels".
    void SetBevelWidth(int value);  // values below 1 are taken as 1
    [[nodiscard]] int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int value);  // values below 0 are taken as 0
    [[nodiscard]] TPanelAlign Align() const { return m_align; }
    void SetAlign(TPanelAlign value);

    // Set by the host while the panel sits inside a parent window.
    [[nodiscard]] bool HasParent() const { return m_hasParent; }
    void SetHasParent(bool value) { m_hasParent = value; }

    // Device pixels per logical pixel of the window image (high-density screens).
    [[nodiscard]] int DeviceScale() const;
    void SetDeviceScale(int scale);

    // The image of the client area that the host shows; always Width x Height.
    // Its pixels are allocated when it is first asked for after a change of
    // size, so a panel that is never painted holds no image.
    [[nodiscard]] TDrawSurface& WindowSurface() { return FittedSurface(); }
    [[nodiscard]] const TDrawSurface& WindowSurface() const { return FittedSurface(); }

    // The host's hook: called by Invalidate, it must lead to one HandlePaint later.
    void SetRepaintRequest(std::function<void()> request) { m_repaintRequest = std::move(request); }
    // Asks the host to repaint the whole client area (nothing without a host).
    void Invalidate();

    // The paint request of the host: bring WindowSurface up to date.
    virtual void HandlePaint();

protected:
    virtual void PanelChanged() { Invalidate(); }
    void PropertyChanged() final { PanelChanged(); }
    virtual void BoundsChanged() {}
    // The window surface as it stands, for those that keep its address: the
    // object stays the same for the panel's life, only its size is late.
    [[nodiscard]] TDrawSurface* WindowSurfaceObject() { return m_windowSurface.get(); }

private:
    TDrawSurface& FittedSurface() const;

    int m_left = 0;
    int m_top = 0;
    int m_width = 400;
    int m_height = 250;
    TColor m_color = clBtnFace;
    TBevelCut m_bevelOuter = bvRaised;
    TBevelCut m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TPanelAlign m_align = TPanelAlign::alNone;
    bool m_hasParent = false;
    std::unique_ptr<TDrawSurface> m_windowSurface;
    mutable bool m_surfaceFits = false;
    std::function<void()> m_repaintRequest;
};

// Copies the surface's pixels onto a paint device at (x, y); the host's only
// way to put a chart on screen.
void PresentSurface(QPaintDevice& device, const TDrawSurface& surface, int x = 0, int y = 0);
