#include "ChartCanvasObjects.h"

#include "InterfaceLanguage.h"

#include <algorithm>

void CheckAngle(int angle, const std::string& what) {
    if (angle < 0 || angle > 359)
        throw ChartException(what + " Angle must be between 0 and 359 degrees");
}

// ---------------------------------------------------------------------------
// Pens

TChartPen::TChartPen(TNotifyHandler onChange) : m_onChange(std::move(onChange)) {}

TChartPen::TChartPen(TNotifyHandler onChange, const TPenData& defaults, bool visible)
    : m_onChange(std::move(onChange)), m_data(defaults), m_visible(visible) {}

void TChartPen::Changed() const {
    if (m_onChange)
        m_onChange();
}

void TChartPen::SetColor(TColor value) { Store(m_data.Color, value); }
void TChartPen::SetStyle(TPenStyle value) { Store(m_data.Style, value); }
void TChartPen::SetWidth(int value) {
    CheckPixels<ChartException>(value, "Pen Width");
    Store(m_data.Width, value);
}
void TChartPen::SetMode(TPenMode value) { Store(m_data.Mode, value); }
void TChartPen::SetVisible(bool value) { Store(m_visible, value); }
void TChartPen::SetSmallDots(bool value) { Store(m_smallDots, value); }

void TChartPen::Assign(const TChartPen& source) {
    bool changed = AssignChanged(m_visible, source.m_visible);
    changed = AssignChanged(m_smallDots, source.m_smallDots) || changed;
    changed = AssignChanged(m_data, source.m_data) || changed;
    if (changed)
        Changed();
}

TChartHiddenPen::TChartHiddenPen(TNotifyHandler onChange) : TChartPen(std::move(onChange), TPenData{}, false) {}

TDottedGrayPen::TDottedGrayPen(TNotifyHandler onChange)
    : TChartPen(std::move(onChange), TPenData{clGray, psDot, 1, pmCopy}, true) {}

TDarkGrayPen::TDarkGrayPen(TNotifyHandler onChange)
    : TChartPen(std::move(onChange), TPenData{clGray, psSolid, 1, pmCopy}, true) {}

TChartAxisPen::TChartAxisPen(TNotifyHandler onChange)
    : TChartPen(std::move(onChange), TPenData{clBlack, psSolid, 2, pmCopy}, true) {}

TChartArrowPen::TChartArrowPen(TNotifyHandler onChange)
    : TChartPen(std::move(onChange), TPenData{clWhite, psSolid, 1, pmCopy}, true) {}

// ---------------------------------------------------------------------------
// Brush

TChartBrush::TChartBrush(TNotifyHandler onChange) : m_onChange(std::move(onChange)) {}

void TChartBrush::Changed() const {
    if (m_onChange)
        m_onChange();
}

void TChartBrush::SetColor(TColor value) {
    bool changed = AssignChanged(m_color, value);
    if (m_style == bsClear) {
        m_style = bsSolid;
        changed = true;
    }
    if (changed)
        Changed();
}

void TChartBrush::SetStyle(TBrushStyle value) { Store(m_style, value); }
void TChartBrush::SetBitmap(std::shared_ptr<const TPicture> value) { Store(m_bitmap, value); }

void TChartBrush::Assign(const TChartBrush& source) {
    bool changed = AssignChanged(m_color, source.m_color);
    changed = AssignChanged(m_style, source.m_style) || changed;
    changed = AssignChanged(m_bitmap, source.m_bitmap) || changed;
    if (changed)
        Changed();
}

// ---------------------------------------------------------------------------
// Font

namespace {

// A Japanese interface takes the interface's own font, which has the glyphs.
TInterfaceFont DefaultChartFace() {
    if (InterfaceLanguage() == "ja") {
        TInterfaceFont face = DefaultInterfaceFont();
        if (!face.Name.empty() && face.Size > 0)
            return face;
    }
    return {"Arial", DefaultChartFontSize};
}

}  // namespace

TFontData DefaultChartFont() {
    const TInterfaceFont face = DefaultChartFace();
    TFontData data;
    data.Name = face.Name;
    data.Height = FontHeightOfSize(face.Size);
    data.Color = clBlack;
    data.Style = {};
    data.Charset = DefaultCharset;
    return data;
}

TChartFont::TChartFont(TNotifyHandler onChange) : m_onChange(std::move(onChange)), m_data(DefaultChartFont()) {}

void TChartFont::Changed() const {
    if (m_onChange)
        m_onChange();
}

bool TChartFont::IsDefault() const {
    const TFontData d = DefaultChartFont();
    return Size() == DefaultChartFace().Size && m_data.Name == d.Name && m_data.Color == d.Color &&
           m_data.Style == d.Style && m_data.Charset == d.Charset;
}

void TChartFont::FollowDefault(const TFontData& previous) {
    if (m_data.Name != previous.Name || m_data.Height != previous.Height || m_data.Color != previous.Color ||
        m_data.Style != previous.Style || m_data.Charset != previous.Charset)
        return;
    const TFontData present = DefaultChartFont();
    Store(m_data.Name, present.Name);
    Store(m_data.Height, present.Height);
}

void TChartFont::SetName(const std::string& value) { Store(m_data.Name, value); }
void TChartFont::SetSize(int points) { SetHeight(FontHeightOfSize(points, m_pixelsPerInch)); }
void TChartFont::SetHeight(int pixels) { Store(m_data.Height, pixels); }
void TChartFont::SetColor(TColor value) { Store(m_data.Color, value); }
void TChartFont::SetStyle(TFontStyles value) { Store(m_data.Style, value); }
void TChartFont::SetCharset(int value) { Store(m_data.Charset, value); }

void TChartFont::SetPixelsPerInch(int value) {
    if (value >= 1)
        Store(m_pixelsPerInch, value);
}

void TChartFont::Assign(const TChartFont& source) {
    bool changed = AssignChanged(m_data, source.m_data);
    changed = AssignChanged(m_pixelsPerInch, source.m_pixelsPerInch) || changed;
    if (changed)
        Changed();
}

// ---------------------------------------------------------------------------
// Picture

TChartPicture::TChartPicture(TNotifyHandler onChange) : m_onChange(std::move(onChange)) {}

void TChartPicture::Changed() const {
    if (m_onChange)
        m_onChange();
}

void TChartPicture::Assign(std::shared_ptr<const TPicture> picture) {
    m_picture = std::move(picture);
    Changed();
}

void TChartPicture::Assign(const TPicture& picture) { Assign(std::make_shared<const TPicture>(picture)); }

void TChartPicture::Clear() {
    if (!m_picture)
        return;
    m_picture.reset();
    Changed();
}

// ---------------------------------------------------------------------------
// 3D options

TView3DOptions::TView3DOptions(TNotifyHandler onChange) : m_onChange(std::move(onChange)) {}

void TView3DOptions::SetElevation(int value) { Store(m_elevation, value); }
void TView3DOptions::SetRotation(int value) { Store(m_rotation, value); }
void TView3DOptions::SetPerspective(int value) { Store(m_perspective, value); }

void TView3DOptions::SetZoom(int value) { Store(m_zoom, value); }

void TView3DOptions::SetZoomText(bool value) { Store(m_zoomText, value); }
void TView3DOptions::SetOrthogonal(bool value) { Store(m_orthogonal, value); }
void TView3DOptions::SetTilt(int value) { Store(m_tilt, value); }
void TView3DOptions::SetHorizOffset(int value) {
    CheckPixels<ChartException>(value, "3D Horizontal Offset");
    Store(m_horizOffset, value);
}

void TView3DOptions::SetVertOffset(int value) {
    CheckPixels<ChartException>(value, "3D Vertical Offset");
    Store(m_vertOffset, value);
}

// ---------------------------------------------------------------------------
// Gradient bands

namespace {

TColor MixComponentwise(TColor first, TColor last, int i, int steps) {
    // steps is the number of colour steps after the first; one band keeps the first colour.
    auto mix = [&](int a, int b) { return steps <= 0 ? a : a + MulDiv(i, b - a, steps); };
    return RGBColor(mix(RedOf(first), RedOf(last)), mix(GreenOf(first), GreenOf(last)),
                    mix(BlueOf(first), BlueOf(last)));
}

constexpr int kMaxBands = 256;

}  // namespace

std::vector<TGradientBand> GradientBands(TRect rect, TColor first, TGradientDirection direction, TColor last) {
    first = ResolveColor(first);
    last = ResolveColor(last);
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    std::vector<TGradientBand> bands;
    if (w <= 0 || h <= 0)
        return bands;

    switch (direction) {
    case gdTopBottom:
    case gdBottomTop:
    case gdLeftRight:
    case gdRightLeft: {
        const bool vertical = direction == gdTopBottom || direction == gdBottomTop;
        const int size = vertical ? h : w;
        const int n = std::min(size, kMaxBands);
        bands.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            const int a = MulDiv(i, size, n), b = MulDiv(i + 1, size, n);
            TRect band = rect;
            switch (direction) {
            case gdTopBottom: band.top = rect.top + a; band.bottom = rect.top + b; break;
            case gdBottomTop: band.top = rect.bottom - b; band.bottom = rect.bottom - a; break;
            case gdLeftRight: band.left = rect.left + a; band.right = rect.left + b; break;
            default: band.left = rect.right - b; band.right = rect.right - a; break;
            }
            bands.push_back({band, MixComponentwise(first, last, i, n - 1)});
        }
        break;
    }
    case gdFromCenter: {
        // Rings from the outside inward; each covers the rest of the rectangle.
        const int steps = std::max(1, w / 2 + h / 2);
        const int rings = (std::min(w, h) + 1) / 2;
        const int stride = (rings + kMaxBands - 1) / kMaxBands;
        for (int k = 0; k < rings; k += stride) {
            const TRect ring{rect.left + k, rect.top + k, rect.right - k, rect.bottom - k};
            bands.push_back({ring, MixComponentwise(first, last, k, steps)});
        }
        break;
    }
    case gdFromTopLeft:
    case gdFromBottomLeft: {
        // Pixels on one diagonal share a colour; each row is cut into runs of equal colour.
        const int steps = std::max(1, w + h - 2);
        for (int y = rect.top; y < rect.bottom; ++y) {
            const int dy = direction == gdFromTopLeft ? y - rect.top : rect.bottom - 1 - y;
            int runStart = rect.left;
            TColor runColor = MixComponentwise(first, last, dy, steps);
            for (int x = rect.left + 1; x < rect.right; ++x) {
                const TColor c = MixComponentwise(first, last, x - rect.left + dy, steps);
                if (c != runColor) {
                    bands.push_back({{runStart, y, x, y + 1}, runColor});
                    runStart = x;
                    runColor = c;
                }
            }
            bands.push_back({{runStart, y, rect.right, y + 1}, runColor});
        }
        break;
    }
    }
    return bands;
}
