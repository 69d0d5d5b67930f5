#pragma once
// The objects that chart parts are drawn with: pens, brushes, fonts and
// pictures, the 3D options and gradient bands, with small unit helpers.
//
// Chart objects (TChartPen, TChartBrush, TChartFont, TChartPicture,
// TView3DOptions) fire their change handler only when a setter changes a value.

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

[[nodiscard]] constexpr int RectWidth(const TRect& r) { return r.Width(); }
[[nodiscard]] constexpr int RectHeight(const TRect& r) { return r.Height(); }
[[nodiscard]] constexpr TPoint RectCenter(const TRect& r) { return {r.CenterX(), r.CenterY()}; }

// Angles of axis labels and titles: 0 to 359, else ChartException
// "<what> Angle must be between 0 and 359 degrees".
void CheckAngle(int angle, const std::string& what);

// ---------------------------------------------------------------------------
// Pens

class TChartPen : public TStoresProperties {
public:
    explicit TChartPen(TNotifyHandler onChange = {});
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
    // Beyond +-32767, ChartException "Pen Width must be between -32767 and 32767 pixels".
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
    void PropertyChanged() override { Changed(); }

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

class TChartBrush : public TStoresProperties {
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
    void PropertyChanged() override { Changed(); }

    TNotifyHandler m_onChange;
    TColor m_color = clDefault;
    TBrushStyle m_style = bsSolid;
    std::shared_ptr<const TPicture> m_bitmap;
};

// The font every chart element starts with: "Arial", 8 points, black, no style, default
// charset; with a Japanese interface the interface's default font and size instead.
[[nodiscard]] TFontData DefaultChartFont();
inline constexpr int DefaultChartFontSize = 8;

class TChartFont : public TStoresProperties {
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
    // After the interface language changed DefaultChartFont: a font still as
    // `previous` (the default it was made with) takes the present default.
    void FollowDefault(const TFontData& previous);

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
    void PropertyChanged() override { Changed(); }

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

class TView3DOptions : public TStoresProperties {
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

    // Zoom is stored as given; a 3D view takes a zoom below 1 percent as 1 percent.
    // The offsets beyond +-32767 raise ChartException "3D <Horizontal|Vertical>
    // Offset must be between -32767 and 32767 pixels".
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
    void PropertyChanged() override {
        if (m_onChange)
            m_onChange();
    }

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
