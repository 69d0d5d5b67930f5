#include "DrawSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

namespace {

constexpr std::uint32_t kOpaqueBits = 0xFF000000u;

TColor FromQColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

QFont MakeQFont(const TFontData& data, bool monochrome) {
    QFont font(QString::fromStdString(data.Name));
    const int pixels = data.Height == 0 ? 13 : std::abs(data.Height);
    font.setPixelSize(std::max(1, pixels));
    font.setBold(data.Style.Bold);
    font.setItalic(data.Style.Italic);
    font.setUnderline(data.Style.Underline);
    font.setStrikeOut(data.Style.StrikeOut);
    if (monochrome)
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// On/off run lengths of the cosmetic dash styles, starting with "on".
std::span<const int> DashPattern(TPenStyle style) {
    static constexpr int dash[] = {18, 6};
    static constexpr int dot[] = {3, 3};
    static constexpr int dashDot[] = {9, 6, 3, 6};
    static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case psDash: return dash;
    case psDot: return dot;
    case psDashDot: return dashDot;
    case psDashDotDot: return dashDotDot;
    default: return {};
    }
}

bool HatchBit(TBrushStyle style, int x, int y) {
    const int cx = x & 7, cy = y & 7;
    const bool horizontal = cy == 7;
    const bool vertical = cx == 7;
    const bool forward = cx == cy;
    const bool backward = cx + cy == 7;
    switch (style) {
    case bsHorizontal: return horizontal;
    case bsVertical: return vertical;
    case bsFDiagonal: return forward;
    case bsBDiagonal: return backward;
    case bsCross: return horizontal || vertical;
    case bsDiagCross: return forward || backward;
    default: return true;
    }
}

// Caches the Qt metrics of the last font asked about.
class CachedQtMetrics {
public:
    const QFontMetrics& For(const TFontData& data) {
        if (!m_metrics || !(data == m_data)) {
            m_data = data;
            m_metrics.emplace(MakeQFont(data, false));
        }
        return *m_metrics;
    }

private:
    TFontData m_data;
    std::optional<QFontMetrics> m_metrics;
};

CachedQtMetrics& QtMetrics() {
    static CachedQtMetrics metrics;
    return metrics;
}

}  // namespace

TColor ResolveColor(TColor color) {
    if (color == clDefault || color == clNone)
        return clBlack;
    if (!IsSystemColor(color))
        return color & 0xFFFFFF;
    const QPalette palette = qGuiApp ? QGuiApplication::palette() : QPalette();
    switch (color & 0xFF) {
    case 15: return FromQColor(palette.color(QPalette::Button));
    case 8: return FromQColor(palette.color(QPalette::WindowText));
    case 20: return FromQColor(palette.color(QPalette::Light));
    case 16: return FromQColor(palette.color(QPalette::Dark));
    case 5: return FromQColor(palette.color(QPalette::Base));
    case 13: return FromQColor(palette.color(QPalette::Highlight));
    case 14: return FromQColor(palette.color(QPalette::HighlightedText));
    default: return FromQColor(palette.color(QPalette::Window));
    }
}

// ---------------------------------------------------------------------------
// Text measurement

TSize TQtTextMeasurer::TextExtent(const TFontData& font, const std::string& text) {
    const QFontMetrics& metrics = QtMetrics().For(font);
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

int TQtTextMeasurer::Ascent(const TFontData& font) { return QtMetrics().For(font).ascent(); }

std::shared_ptr<ITextMeasurer> DefaultTextMeasurer() {
    static const auto measurer = std::make_shared<TQtTextMeasurer>();
    return measurer;
}

// ---------------------------------------------------------------------------
// Pen, brush, font

void TPen::SetColor(TColor value) { m_data.Color = value; m_owner.m_penPending = true; }
void TPen::SetStyle(TPenStyle value) { m_data.Style = value; m_owner.m_penPending = true; }
void TPen::SetWidth(int value) { m_data.Width = value; m_owner.m_penPending = true; }
void TPen::SetMode(TPenMode value) { m_data.Mode = value; m_owner.m_penPending = true; }
void TPen::Assign(const TPenData& data) { m_data = data; m_owner.m_penPending = true; }

void TBrush::SetColor(TColor value) {
    m_data.Color = value;
    if (m_data.Style == bsClear)
        m_data.Style = bsSolid;
    m_owner.m_brushPending = true;
}
void TBrush::SetStyle(TBrushStyle value) { m_data.Style = value; m_owner.m_brushPending = true; }
void TBrush::SetBitmap(std::shared_ptr<const TPicture> value) {
    m_data.Bitmap = std::move(value);
    m_owner.m_brushPending = true;
}
void TBrush::Assign(const TBrushData& data) { m_data = data; m_owner.m_brushPending = true; }

void TFont::SetName(const std::string& value) { m_data.Name = value; m_owner.m_fontPending = true; }
void TFont::SetHeight(int value) { m_data.Height = value; m_owner.m_fontPending = true; }
void TFont::SetSize(int points) { SetHeight(FontHeightOfSize(points, m_pixelsPerInch)); }
void TFont::SetColor(TColor value) { m_data.Color = value; m_owner.m_fontPending = true; }
void TFont::SetStyle(TFontStyles value) { m_data.Style = value; m_owner.m_fontPending = true; }
void TFont::SetCharset(int value) { m_data.Charset = value; m_owner.m_fontPending = true; }
void TFont::SetEscapement(int value) { m_data.Escapement = value; m_owner.m_fontPending = true; }
void TFont::Assign(const TFontData& data) { m_data = data; m_owner.m_fontPending = true; }

// ---------------------------------------------------------------------------
// Surface

struct TDrawSurface::Impl {
    QImage image;

    std::uint32_t* Row(int y) { return reinterpret_cast<std::uint32_t*>(image.scanLine(y)); }
    const std::uint32_t* Row(int y) const { return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y)); }
};

namespace {

QImage BlankImage(int width, int height) {
    QImage image(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    if (!image.isNull())
        image.fill(0xFFFFFFFFu);
    return image;
}

void PrepareClip(QPainter& painter, const TRect& area) {
    painter.setClipRect(QRect(area.left, area.top, area.right - area.left, area.bottom - area.top));
}

}  // namespace

TDrawSurface::TDrawSurface(int width, int height, TSurfaceKind kind, bool monochrome)
    : m_kind(kind), m_monochrome(monochrome), m_impl(std::make_unique<Impl>()) {
    m_impl->image = BlankImage(width, height);
}

TDrawSurface::~TDrawSurface() = default;

int TDrawSurface::Width() const { return m_impl->image.width(); }
int TDrawSurface::Height() const { return m_impl->image.height(); }
const QImage& TDrawSurface::Image() const { return m_impl->image; }
QImage& TDrawSurface::Image() { return m_impl->image; }

void TDrawSurface::SetSize(int width, int height) {
    m_impl->image = BlankImage(width, height);
    m_clip.reset();
}

void TDrawSurface::SetTextMeasurer(std::shared_ptr<ITextMeasurer> measurer) { m_measurer = std::move(measurer); }

std::uint32_t TDrawSurface::DeviceColor(TColor color) const {
    const TColor rgb = ResolveColor(color);
    if (m_monochrome)
        return RedOf(rgb) + GreenOf(rgb) + BlueOf(rgb) >= 384 ? 0xFFFFFFFFu : kOpaqueBits;
    return kOpaqueBits | static_cast<std::uint32_t>(RedOf(rgb) << 16 | GreenOf(rgb) << 8 | BlueOf(rgb));
}

TRect TDrawSurface::WritableArea() const {
    const TRect all{0, 0, Width(), Height()};
    return m_clip ? all.Intersected(*m_clip) : all;
}

void TDrawSurface::SelectBrush() {
    m_brushPending = false;
    const TColor rgb = ResolveColor(m_brush.m_data.Color);
    if (m_brush.m_data.Style == bsSolid) {
        m_backgroundMode = bkOpaque;
        m_backgroundColor = rgb;
    } else {
        m_backgroundMode = bkTransparent;
        m_backgroundColor = ~rgb & 0xFFFFFF;
    }
}

void TDrawSurface::SelectFont() {
    m_fontPending = false;
    m_textColor = m_font.m_data.Color;
}

void TDrawSurface::Realize() {
    m_penPending = false;
    if (m_brushPending)
        SelectBrush();
    if (m_fontPending)
        SelectFont();
}

int TDrawSurface::BackgroundMode() {
    Realize();
    return m_backgroundMode;
}

TColor TDrawSurface::BackgroundColor() {
    Realize();
    return m_backgroundColor;
}

void TDrawSurface::SetBackgroundMode(int mode) {
    Realize();
    m_backgroundMode = mode;
}

void TDrawSurface::SetBackgroundColor(TColor color) {
    Realize();
    m_backgroundColor = color;
}

TColor TDrawSurface::TextColor() {
    Realize();
    return m_textColor;
}

void TDrawSurface::SetTextColor(TColor color) {
    Realize();
    m_textColor = color;
}

// ---------------------------------------------------------------------------
// Lines

void TDrawSurface::MoveTo(int x, int y) { m_penPos = {x, y}; }

void TDrawSurface::LineTo(int x, int y) {
    Realize();
    const TPoint from = m_penPos;
    m_penPos = {x, y};
    const TPenData& pen = m_pen.m_data;
    if (pen.Style == psClear || (from.x == x && from.y == y))
        return;
    const TRect area = WritableArea();
    if (area.Empty())
        return;

    if (pen.Width >= 2 && pen.Style != psAlternate) {
        QPainter painter(&m_impl->image);
        PrepareClip(painter, area);
        QPen qpen(QColor::fromRgb(DeviceColor(pen.Color)), pen.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.setPen(qpen);
        if (pen.Mode == pmNotXor)
            painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.drawLine(from.x, from.y, x, y);
        return;
    }

    const std::uint32_t color = DeviceColor(pen.Color);
    const bool opaqueGaps = m_backgroundMode == bkOpaque && pen.Style != psAlternate;
    const std::uint32_t gapColor = DeviceColor(m_backgroundColor);
    const std::span<const int> pattern = DashPattern(pen.Style);
    std::size_t run = 0;
    int left = pattern.empty() ? 0 : pattern[0];
    int index = 0;
    auto plot = [&](int px, int py) {
        bool on = true;
        if (pen.Style == psAlternate) {
            on = (index & 1) == 0;
        } else if (!pattern.empty()) {
            on = (run & 1) == 0;
            if (--left == 0) {
                run = (run + 1) % pattern.size();
                left = pattern[run];
            }
        }
        ++index;
        if (!area.Contains(px, py))
            return;
        std::uint32_t& dst = m_impl->Row(py)[px];
        if (!on) {
            if (opaqueGaps)
                dst = gapColor;
            return;
        }
        dst = pen.Mode == pmNotXor ? (~(dst ^ color) | kOpaqueBits) : color;
    };

    // Bresenham, the end pixel excluded.
    const int dx = std::abs(x - from.x), sx = from.x < x ? 1 : -1;
    const int dy = -std::abs(y - from.y), sy = from.y < y ? 1 : -1;
    int err = dx + dy;
    int px = from.x, py = from.y;
    while (px != x || py != y) {
        plot(px, py);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            px += sx;
        }
        if (e2 <= dx) {
            err += dx;
            py += sy;
        }
    }
}

// ---------------------------------------------------------------------------
// Areas

void TDrawSurface::FillSolid(const TRect& rect, TColor color) {
    const TRect r = rect.Intersected(WritableArea());
    if (r.Empty())
        return;
    const std::uint32_t value = DeviceColor(color);
    for (int y = r.top; y < r.bottom; ++y)
        std::fill_n(m_impl->Row(y) + r.left, r.right - r.left, value);
}

void TDrawSurface::FillRect(const TRect& rect) {
    Realize();
    const TBrushData& brush = m_brush.m_data;
    const TRect r = rect.Intersected(WritableArea());
    if (r.Empty())
        return;
    if (brush.Bitmap && !brush.Bitmap->Empty()) {
        const QImage& tile = brush.Bitmap->Image();
        const int tw = tile.width(), th = tile.height();
        for (int y = r.top; y < r.bottom; ++y) {
            const auto* src = reinterpret_cast<const std::uint32_t*>(tile.constScanLine(y % th));
            std::uint32_t* dst = m_impl->Row(y);
            for (int x = r.left; x < r.right; ++x)
                dst[x] = m_monochrome ? DeviceColor(static_cast<TColor>(((src[x % tw] >> 16) & 0xFF) |
                                                                        (src[x % tw] & 0xFF00) |
                                                                        ((src[x % tw] & 0xFF) << 16)))
                                      : (src[x % tw] | kOpaqueBits);
        }
        return;
    }
    if (brush.Style == bsClear)
        return;
    if (brush.Style == bsSolid) {
        FillSolid(r, brush.Color);
        return;
    }
    const std::uint32_t color = DeviceColor(brush.Color);
    const bool opaque = m_backgroundMode == bkOpaque;
    const std::uint32_t gap = DeviceColor(m_backgroundColor);
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint32_t* dst = m_impl->Row(y);
        for (int x = r.left; x < r.right; ++x) {
            if (HatchBit(brush.Style, x, y))
                dst[x] = color;
            else if (opaque)
                dst[x] = gap;
        }
    }
}

void TDrawSurface::Rectangle(int left, int top, int right, int bottom) {
    Realize();
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const TPenData& pen = m_pen.m_data;
    if (pen.Style == psClear) {
        // Without an outline the fill also stops one pixel short of the right and bottom edges.
        FillRect({left, top, right - 1, bottom - 1});
        return;
    }
    if (right - left <= 0 || bottom - top <= 0)
        return;
    const int w = std::max(1, pen.Width);
    if (w >= 2 && pen.Style != psAlternate) {
        // The wide outline lies inside the rectangle.
        FillRect({left + w, top + w, right - w, bottom - w});
        const TPenData saved = pen;
        const TRect area = WritableArea();
        if (area.Empty())
            return;
        QPainter painter(&m_impl->image);
        PrepareClip(painter, area);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgb(DeviceColor(saved.Color)));
        if (saved.Mode == pmNotXor)
            painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        const int wx = std::min(w, right - left), wy = std::min(w, bottom - top);
        painter.drawRect(left, top, right - left, wy);
        if (bottom - top > wy)
            painter.drawRect(left, bottom - wy, right - left, wy);
        if (bottom - top > 2 * wy) {
            painter.drawRect(left, top + wy, wx, bottom - top - 2 * wy);
            if (right - left > wx)
                painter.drawRect(right - wx, top + wy, wx, bottom - top - 2 * wy);
        }
        return;
    }
    FillRect({left + 1, top + 1, right - 1, bottom - 1});
    const TPoint saved = m_penPos;
    MoveTo(left, top);
    LineTo(right - 1, top);
    LineTo(right - 1, bottom - 1);
    LineTo(left, bottom - 1);
    LineTo(left, top);
    m_penPos = saved;
}

void TDrawSurface::SetPixel(int x, int y, TColor color) {
    if (WritableArea().Contains(x, y))
        m_impl->Row(y)[x] = DeviceColor(color);
}

TColor TDrawSurface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return clNone;
    const std::uint32_t v = m_impl->Row(y)[x];
    return RGBColor(static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF));
}

// ---------------------------------------------------------------------------
// Text

TSize TDrawSurface::TextExtent(const std::string& text) {
    Realize();
    ITextMeasurer& measurer = m_measurer ? *m_measurer : *DefaultTextMeasurer();
    return measurer.TextExtent(m_font.m_data, text);
}

void TDrawSurface::TextOut(int x, int y, const std::string& text) {
    Realize();
    const TRect area = WritableArea();
    if (area.Empty() || text.empty())
        return;
    ITextMeasurer& measurer = m_measurer ? *m_measurer : *DefaultTextMeasurer();
    const TSize extent = measurer.TextExtent(m_font.m_data, text);
    const int ascent = measurer.Ascent(m_font.m_data);

    int left = 0, top = 0;  // relative to the reference point
    switch (m_textAlign & 6) {
    case tfRight: left = -extent.cx; break;
    case tfCenter: left = -(extent.cx / 2); break;
    default: break;
    }
    switch (m_textAlign & 24) {
    case tfBottom: top = -extent.cy; break;
    case tfBaseline: top = -ascent; break;
    default: break;
    }

    QPainter painter(&m_impl->image);
    PrepareClip(painter, area);
    painter.translate(x, y);
    if (m_font.m_data.Escapement != 0)
        painter.rotate(-m_font.m_data.Escapement / 10.0);
    if (m_backgroundMode == bkOpaque)
        painter.fillRect(QRect(left, top, extent.cx, extent.cy), QColor::fromRgb(DeviceColor(m_backgroundColor)));
    const QFont font = MakeQFont(m_font.m_data, m_monochrome);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(DeviceColor(m_textColor)));
    painter.drawText(left, top + QFontMetrics(font).ascent(), QString::fromStdString(text));
}

// ---------------------------------------------------------------------------
// Clipping

void TDrawSurface::IntersectClip(const TRect& rect) {
    TRect r = rect;
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    TRect clipped = m_clip ? m_clip->Intersected(r) : r;
    if (clipped.Empty())
        clipped = {0, 0, 0, 0};
    m_clip = clipped;
}

void TDrawSurface::RemoveClip() { m_clip.reset(); }

// ---------------------------------------------------------------------------
// Pixel copies and pictures

void TDrawSurface::CopyFrom(const TDrawSurface& source, int x, int y) {
    const TRect target = TRect{x, y, x + source.Width(), y + source.Height()}.Intersected(WritableArea());
    if (target.Empty())
        return;
    const bool convert = m_monochrome && !source.m_monochrome;
    for (int row = target.top; row < target.bottom; ++row) {
        const std::uint32_t* src = source.m_impl->Row(row - y) + (target.left - x);
        std::uint32_t* dst = m_impl->Row(row) + target.left;
        if (!convert) {
            std::memcpy(dst, src, sizeof(std::uint32_t) * static_cast<std::size_t>(target.right - target.left));
            continue;
        }
        for (int i = 0; i < target.right - target.left; ++i)
            dst[i] = DeviceColor(source.Pixel(target.left - x + i, row - y));
    }
}

void TDrawSurface::DrawPicture(int x, int y, const TPicture& picture) {
    if (picture.Empty())
        return;
    TDrawSurface wrapper(0, 0, skBitmap, false);
    wrapper.m_impl->image = picture.Image();  // shares the pixels, no copy
    CopyFrom(wrapper, x, y);
}

void TDrawSurface::StretchPicture(const TRect& rect, const TPicture& picture) {
    if (picture.Empty())
        return;
    TRect r = rect;
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const TRect target = r.Intersected(WritableArea());
    if (target.Empty())
        return;
    const QImage& src = picture.Image();
    const long long pw = src.width(), ph = src.height();
    std::vector<int> columns(static_cast<std::size_t>(target.right - target.left));
    for (int x = target.left; x < target.right; ++x)
        columns[static_cast<std::size_t>(x - target.left)] = static_cast<int>((x - r.left) * pw / w);
    for (int y = target.top; y < target.bottom; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(src.constScanLine(static_cast<int>((y - r.top) * ph / h)));
        std::uint32_t* dst = m_impl->Row(y) + target.left;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::uint32_t v = line[columns[i]];
            dst[i] = m_monochrome ? DeviceColor(static_cast<TColor>(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16)))
                                  : (v | kOpaqueBits);
        }
    }
}
