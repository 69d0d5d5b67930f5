// The surface's state and primitives. Each public drawing operation checks
// what it can without pixels (pen, brush, clip), then hands one TDrawCall to
// Submit, which records it while a layer is recorded and otherwise draws it.
// Drawing works on device pixels through TSurfaceImage::Open, the one gate of
// every write; only text goes through Qt's painter.

#include "DrawSurface.h"

#include "Errors.h"
#include "FontCache.h"
#include "LineWalk.h"
#include "PixelRows.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

void TDrawSurface::CheckSize(int width, int height, int scale) {
    const long long k = std::max(1, scale);
    const long long w = std::max(0, width) * k, h = std::max(0, height) * k;
    if (w > MaxDeviceSide || h > MaxDeviceSide || w * h * 4 > MaxImageBytes)
        throw SurfaceException("Surface size must be at most 32767 x 32767 device pixels and 256 MiB");
}

TDrawSurface::TDrawSurface(int width, int height, bool monochrome, int scale)
    : m_monochrome(monochrome), m_scale(std::max(1, scale)) {
    CheckSize(width, height, scale);
    m_pixels.Reset(std::max(0, width) * m_scale, std::max(0, height) * m_scale);
}

TDrawSurface::~TDrawSurface() = default;

void TDrawSurface::SetSize(int width, int height) {
    CheckSize(width, height, m_scale);
    Settle();
    m_pixels.Reset(std::max(0, width) * m_scale, std::max(0, height) * m_scale);
    m_layer.Drop();
    m_clip.reset();
}

void TDrawSurface::SetScale(int scale) {
    scale = std::max(1, scale);
    if (scale == m_scale)
        return;
    const int w = Width(), h = Height();
    CheckSize(w, h, scale);
    m_scale = scale;
    SetSize(w, h);
}

const QImage& TDrawSurface::Image() const {
    Settle();
    return m_pixels.Image();
}

void TDrawSurface::SetTextMeasurer(std::shared_ptr<ITextMeasurer> measurer) {
    m_measurer = std::move(measurer);
    m_layer.Drop();  // the same calls would place their texts elsewhere
}

void TDrawSurface::SetCaches(const TSurfaceCaches& caches) {
    Settle();
    m_caches = caches;
    m_pixels.SetTileMarks(caches.tileMarks);
    m_layer.Drop();
}

ITextMeasurer& TDrawSurface::Measurer() const {
    static TQtTextMeasurer unkept(TFontCache::Unkept());
    if (m_measurer)
        return *m_measurer;
    return m_caches.fonts ? *DefaultTextMeasurer() : unkept;
}

TQtFont& TDrawSurface::DrawingFont() const {
    TFontCache& fonts = m_caches.fonts ? TFontCache::Shared() : TFontCache::Unkept();
    return fonts.For(m_font.m_data, m_scale, !m_monochrome);
}

std::uint32_t TDrawSurface::DeviceColor(TColor color) const { return DevicePixel(color, m_monochrome); }

TRect TDrawSurface::WritableArea() const {
    const TRect all{0, 0, Width(), Height()};
    return m_clip ? all.Intersected(*m_clip) : all;
}

// ---------------------------------------------------------------------------
// State

void TDrawSurface::SelectBrush() {
    m_brush.m_changed = false;
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
    m_font.m_changed = false;
    m_textColor = m_font.m_data.Color;
}

void TDrawSurface::Realize() {
    m_pen.m_changed = false;
    if (m_brush.m_changed)
        SelectBrush();
    if (m_font.m_changed)
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

void TDrawSurface::IntersectClip(const TRect& rect) {
    const TRect r = rect.Normalized();
    const TRect clipped = m_clip ? m_clip->Intersected(r) : r;
    m_clip = clipped.Empty() ? TRect{} : clipped;
}

TDrawState TDrawSurface::State() const {
    return {m_pen.m_data, m_brush.m_data, m_font.m_data, m_backgroundMode, m_backgroundColor, m_textColor,
            m_textAlign,  m_clip};
}

// What the pixels of a call of this kind depend on, the rest left at its
// defaults; system colours as RGB, so that they match only while the palette
// gives the same colour.
TDrawState TDrawSurface::StateFor(TKind kind) const {
    TDrawState state;
    state.clip = m_clip;
    const bool pen = kind == TKind::Line || kind == TKind::Rectangle;
    const bool brush = kind == TKind::Rectangle || kind == TKind::FillRect;
    if (pen || brush || kind == TKind::Text) {
        state.backgroundMode = m_backgroundMode;
        state.backgroundColor = ResolveColor(m_backgroundColor);
    }
    if (pen) {
        state.pen = m_pen.m_data;
        state.pen.Color = ResolveColor(state.pen.Color);
    }
    if (brush) {
        state.brush = m_brush.m_data;
        state.brush.Color = ResolveColor(state.brush.Color);
    }
    if (kind == TKind::Text) {
        state.font = m_font.m_data;
        state.textColor = ResolveColor(m_textColor);
        state.textAlign = m_textAlign;
    }
    return state;
}

void TDrawSurface::SetState(const TDrawState& state) {
    m_pen.m_data = state.pen;
    m_brush.m_data = state.brush;
    m_font.m_data = state.font;
    m_backgroundMode = state.backgroundMode;
    m_backgroundColor = state.backgroundColor;
    m_textColor = state.textColor;
    m_textAlign = state.textAlign;
    m_clip = state.clip;
}

// ---------------------------------------------------------------------------
// Calls and layers

void TDrawSurface::Submit(const TDrawCall& call, const TRect& covers) {
    if (m_layer.Recording()) {
        m_layer.Record(call, StateFor(call.kind), covers);
        return;
    }
    Execute(call);
}

void TDrawSurface::Execute(const TDrawCall& call) {
    switch (call.kind) {
    case TKind::Line: DrawLine({call.rect.left, call.rect.top}, {call.rect.right, call.rect.bottom}); break;
    case TKind::Rectangle: DrawRectangle(call.rect); break;
    case TKind::FillRect: DrawFill(call.rect); break;
    case TKind::FillSolid:
    case TKind::Pixel: Paint(call.rect.Intersected(WritableArea()), DeviceColor(call.color), false); break;
    case TKind::Text: DrawText({call.rect.left, call.rect.top}, call.text); break;
    case TKind::Picture: Copy(*call.picture, 1, m_monochrome, call.rect.left, call.rect.top); break;
    case TKind::Stretch: DrawStretch(call.rect, *call.picture); break;
    }
}

void TDrawSurface::Play(std::span<const TDrawLayer::TRecord> records) {
    const TDrawState live = State();
    for (const TDrawLayer::TRecord& record : records) {
        SetState(record.state);
        Execute(record.Call());
    }
    SetState(live);
}

void TDrawSurface::Settle() const {
    if (!m_layer.Recording())
        return;
    // Only the pixels change: they catch up with the calls already made.
    auto& self = const_cast<TDrawSurface&>(*this);
    self.Play(m_layer.Calls());
    m_layer.Stop();
}

void TDrawSurface::BeginLayer() {
    Settle();
    m_layer.End();
    if (m_caches.layer)
        m_layer.Begin({Width(), Height()});
}

bool TDrawSurface::EndLayer() {
    switch (m_layer.End()) {
    case TDrawLayer::TOutcome::PutBack:
        if (m_pixels.PutLayerBack())
            return false;
        Play(m_layer.Calls());
        return true;
    case TDrawLayer::TOutcome::Play:
        Play(m_layer.Calls());
        return true;
    case TDrawLayer::TOutcome::PlayAndKeep:
        Play(m_layer.Calls());
        m_pixels.KeepLayer();
        return true;
    case TDrawLayer::TOutcome::Drawn:
        break;
    }
    return true;
}

void TDrawSurface::AbandonLayer() {
    Settle();
    m_layer.End();
}

// ---------------------------------------------------------------------------
// Pixels

void TDrawSurface::Paint(const TRect& logical, std::uint32_t color, bool notXor) {
    if (logical.Empty())
        return;
    const TRect r = Device(logical);
    if (!notXor && r == m_pixels.Bounds())
        m_pixels.Replace();
    const TSurfaceImage::TPixels px = m_pixels.Open(r);
    const auto n = static_cast<std::size_t>(r.Width());
    if (notXor) {
        for (int y = r.top; y < r.bottom; ++y)
            NotXorRow(px.Row(y) + r.left, n, color);
        return;
    }
    // Wide rows are copied from the first one; narrow ones (lines) filled.
    std::uint32_t* first = px.Row(r.top) + r.left;
    FillRow(first, n, color);
    for (int y = r.top + 1; y < r.bottom; ++y) {
        if (n >= 64)
            std::memcpy(px.Row(y) + r.left, first, n * sizeof(std::uint32_t));
        else
            FillRow(px.Row(y) + r.left, n, color);
    }
}

void TDrawSurface::SetPixel(int x, int y, TColor color) {
    if (!WritableArea().Contains(x, y))
        return;
    Submit({TKind::Pixel, {x, y, x + 1, y + 1}, ResolveColor(color)});
}

TColor TDrawSurface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return clNone;
    Settle();
    const std::uint32_t v = m_pixels.Row(y * m_scale)[x * m_scale];
    return RGBColor(static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF));
}

// ---------------------------------------------------------------------------
// Lines

void TDrawSurface::LineTo(int x, int y) {
    Realize();
    const TPoint from = std::exchange(m_penPos, TPoint{x, y});
    if (m_pen.m_data.Style == psClear || from == m_penPos || WritableArea().Empty())
        return;
    Submit({TKind::Line, {from.x, from.y, x, y}});
}

// Every logical pixel of a thin line is a k x k block; a straight line visits
// only the pixels inside the clip.
void TDrawSurface::DrawLine(TPoint from, TPoint to) {
    const TPenData& pen = m_pen.m_data;
    const TRect area = WritableArea();
    const std::uint32_t color = DeviceColor(pen.Color);
    const bool notXor = pen.Mode == pmNotXor;
    if (pen.Width >= 2 && pen.Style != psAlternate) {
        DrawWideLine(from, to, area, color, notXor);
        return;
    }
    const TRect box = TRect::Spanning(from, to).Intersected(area);
    if (box.Empty())
        return;
    TDashCursor dash(pen.Style);
    const bool straight = from.x == to.x || from.y == to.y;
    const bool horizontal = from.y == to.y;
    const long long start = horizontal ? from.x : from.y;
    const long long end = horizontal ? to.x : to.y;
    const int step = start < end ? 1 : -1;
    const auto [first, last] = ClippedSteps(start, step, std::llabs(end - start), horizontal ? area.left : area.top,
                                            horizontal ? area.right : area.bottom);
    const auto at = [&](long long i) { return start + i * step; };
    if (straight && first >= last)
        return;
    if (straight && dash.Solid() && !notXor) {
        const int low = static_cast<int>(std::min(at(first), at(last - 1)));
        const int high = static_cast<int>(std::max(at(first), at(last - 1))) + 1;
        Paint(horizontal ? TRect{low, from.y, high, from.y + 1} : TRect{from.x, low, from.x + 1, high}, color, false);
        return;
    }
    const bool opaqueGaps = m_backgroundMode == bkOpaque && pen.Style != psAlternate;
    const std::uint32_t gap = DeviceColor(m_backgroundColor);
    const int k = m_scale;
    const TSurfaceImage::TPixels px = m_pixels.Open(Device(box));
    auto put = [&](long long x, long long y, bool on) {
        if (!on && !opaqueGaps)
            return;
        const std::uint32_t value = on ? color : gap;
        std::uint32_t* row = px.Row(static_cast<int>(y) * k) + x * k;
        for (int d = 0; d < k; ++d, row += px.stride) {
            if (on && notXor)
                NotXorRow(row, static_cast<std::size_t>(k), color);
            else if (k == 1)
                *row = value;
            else
                FillRow(row, static_cast<std::size_t>(k), value);
        }
    };
    if (!straight) {
        const TLineSteps line(from.x, from.y, to.x, to.y);
        const auto [from0, to0] = line.Within(box.left, box.right, box.top, box.bottom);
        dash.Skip(from0);
        line.Walk(from0, to0, [&](long long x, long long y) {
            const bool on = dash.Next();
            if (x >= box.left && x < box.right && y >= box.top && y < box.bottom)
                put(x, y, on);
        });
        return;
    }
    if (pen.Style == psAlternate) {
        // Grid lines: the even steps from the start, nothing in between.
        for (long long i = first + (first & 1); i < last; i += 2)
            put(horizontal ? at(i) : from.x, horizontal ? from.y : at(i), true);
        return;
    }
    dash.Skip(first);
    for (long long i = first; i < last; ++i)
        put(horizontal ? at(i) : from.x, horizontal ? from.y : at(i), dash.Next());
}

// Wide pens are drawn here rather than by QPainter's stroker, for speed and
// for exact pixels: a square of the pen's width, its top-left corner width / 2
// up and left of the point, is stamped at every point of the line except the
// end point, aliased, like the thin line. For width 2 the square is also the
// round cap of a 2-pixel pen. Each pixel is written once, so pmNotXor inverts
// a pixel once however the squares overlap.
void TDrawSurface::DrawWideLine(TPoint from, TPoint to, const TRect& area, std::uint32_t color, bool notXor) {
    const int width = m_pen.m_data.Width;
    const long long o = width / 2;
    auto clampX = [&](long long v) { return static_cast<int>(std::clamp<long long>(v, area.left, area.right)); };
    auto clampY = [&](long long v) { return static_cast<int>(std::clamp<long long>(v, area.top, area.bottom)); };

    if (from.y == to.y || from.x == to.x) {
        // One rectangle: the squares of a straight line join up.
        const bool horizontal = from.y == to.y;
        const long long a = horizontal ? from.x : from.y, b = horizontal ? to.x : to.y;
        const long long low = (a < b ? a : b + 1) - o;
        const long long high = (a < b ? b - 1 : a) - o + width;
        const long long across = (horizontal ? from.y : from.x) - o;
        Paint(horizontal ? TRect{clampX(low), clampY(across), clampX(high), clampY(across + width)}
                         : TRect{clampX(across), clampY(low), clampX(across + width), clampY(high)},
              color, notXor);
        return;
    }

    const long long minX = std::min(from.x, to.x), maxX = std::max(from.x, to.x);
    const long long minY = std::min(from.y, to.y), maxY = std::max(from.y, to.y);
    const int top = clampY(minY - o), bottom = clampY(maxY - o + width);
    if (top >= bottom || clampX(maxX - o + width) <= area.left || clampX(minX - o) >= area.right)
        return;
    m_spans.assign(static_cast<std::size_t>(bottom - top), {area.right, area.left});
    const bool inside = minX - o >= area.left && maxX - o + width <= area.right && minY - o >= area.top &&
                        maxY - o + width <= area.bottom;
    if (inside) {
        // The usual case, without clamping. The points of one row form a run;
        // its squares widen `width` rows at once.
        auto stamp = [&](long long ly, long long x0, long long x1) {
            const int c0 = static_cast<int>(x0 - o), c1 = static_cast<int>(x1 - o) + width;
            auto* span = &m_spans[static_cast<std::size_t>(ly - o - top)];
            for (int i = 0; i < width; ++i, ++span) {
                span->first = std::min(span->first, c0);
                span->second = std::max(span->second, c1);
            }
        };
        long long runY = from.y, runLow = from.x, runHigh = from.x;
        const TLineSteps line(from.x, from.y, to.x, to.y);
        line.Walk(0, line.Count(), [&](long long lx, long long ly) {
            if (ly == runY) {
                runLow = std::min(runLow, lx);
                runHigh = std::max(runHigh, lx);
                return;
            }
            stamp(runY, runLow, runHigh);
            runY = ly;
            runLow = runHigh = lx;
        });
        stamp(runY, runLow, runHigh);
    } else {
        // Only points whose square can reach the area count.
        const TLineSteps line(from.x, from.y, to.x, to.y);
        const auto [first, last] =
            line.Within(area.left + o - width, area.right + o, area.top + o - width, area.bottom + o);
        line.Walk(first, last, [&](long long lx, long long ly) {
            const int r0 = clampY(ly - o), r1 = clampY(ly - o + width);
            const int c0 = clampX(lx - o), c1 = clampX(lx - o + width);
            for (int r = r0; r < r1; ++r) {
                auto& span = m_spans[static_cast<std::size_t>(r - top)];
                span.first = std::min(span.first, c0);
                span.second = std::max(span.second, c1);
            }
        });
    }
    // Written a band of rows at a time, each opened (and so marked) with the
    // box of its own spans: the line's box would mark tiles it never touches.
    // A band ends with the last logical row that starts in its row of tiles.
    const int k = m_scale;
    for (int r0 = top; r0 < bottom;) {
        const int tileRow = r0 * k / TTileMarks::kTileHeight;
        const int r1 = std::min(bottom, ((tileRow + 1) * TTileMarks::kTileHeight + k - 1) / k);
        TRect band{area.right, r0, area.left, r1};
        for (int r = r0; r < r1; ++r) {
            band.left = std::min(band.left, m_spans[static_cast<std::size_t>(r - top)].first);
            band.right = std::max(band.right, m_spans[static_cast<std::size_t>(r - top)].second);
        }
        if (band.left < band.right) {
            const TSurfaceImage::TPixels px = m_pixels.Open(Device(band));
            for (int r = r0; r < r1; ++r) {
                const auto [c0, c1] = m_spans[static_cast<std::size_t>(r - top)];
                if (c0 >= c1)
                    continue;
                const auto n = static_cast<std::size_t>(c1 - c0) * static_cast<std::size_t>(k);
                std::uint32_t* row = px.Row(r * k) + c0 * k;
                for (int d = 0; d < k; ++d, row += px.stride) {
                    if (notXor)
                        NotXorRow(row, n, color);
                    else
                        FillRow(row, n, color);
                }
            }
        }
        r0 = r1;
    }
}

// ---------------------------------------------------------------------------
// Areas

void TDrawSurface::FillSolid(const TRect& rect, TColor color) {
    const TRect r = rect.Intersected(WritableArea());
    if (!r.Empty())
        Submit({TKind::FillSolid, r, ResolveColor(color)}, r);
}

void TDrawSurface::FillRect(const TRect& rect) {
    Realize();
    const TBrushData& brush = m_brush.m_data;
    const TRect r = rect.Intersected(WritableArea());
    const bool tiled = brush.Bitmap && !brush.Bitmap->Empty();
    if (r.Empty() || (!tiled && brush.Style == bsClear))
        return;
    const bool opaque = tiled || brush.Style == bsSolid || m_backgroundMode == bkOpaque;
    Submit({TKind::FillRect, r}, opaque ? r : TRect{});
}

void TDrawSurface::DrawFill(const TRect& rect) {
    const TBrushData& brush = m_brush.m_data;
    const TRect r = rect.Intersected(WritableArea());
    if (r.Empty())
        return;
    const int k = m_scale;
    const TRect d = Device(r);
    if (brush.Bitmap && !brush.Bitmap->Empty()) {
        const QImage& tile = brush.Bitmap->Image();
        const int tw = tile.width(), th = tile.height();
        const TSurfaceImage::TPixels px = m_pixels.Open(d);
        for (int y = d.top; y < d.bottom; ++y) {
            const auto* src = reinterpret_cast<const std::uint32_t*>(tile.constScanLine((y / k) % th));
            std::uint32_t* dst = px.Row(y);
            for (int x = d.left; x < d.right; ++x)
                dst[x] = PicturePixel(src[(x / k) % tw], m_monochrome);
        }
        return;
    }
    if (brush.Style == bsClear)
        return;
    if (brush.Style == bsSolid) {
        Paint(r, DeviceColor(brush.Color), false);
        return;
    }
    const std::uint32_t color = DeviceColor(brush.Color);
    const bool opaque = m_backgroundMode == bkOpaque;
    const std::uint32_t gap = DeviceColor(m_backgroundColor);
    const TSurfaceImage::TPixels px = m_pixels.Open(d);
    for (int y = d.top; y < d.bottom; ++y) {
        std::uint32_t* dst = px.Row(y);
        for (int x = d.left; x < d.right; ++x) {
            if (HatchBit(brush.Style, x / k, y / k))
                dst[x] = color;
            else if (opaque)
                dst[x] = gap;
        }
    }
}

void TDrawSurface::Rectangle(int left, int top, int right, int bottom) {
    Realize();
    Submit({TKind::Rectangle, TRect{left, top, right, bottom}.Normalized()});
}

void TDrawSurface::DrawRectangle(const TRect& r) {
    const TPenData& pen = m_pen.m_data;
    const TRect inside{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    if (pen.Style == psClear) {
        // Without an outline the fill also stops one pixel short of the right and bottom edges.
        DrawFill({r.left, r.top, r.right - 1, r.bottom - 1});
        return;
    }
    if (r.Empty())
        return;
    const int w = std::max(1, pen.Width);
    if (w >= 2 && pen.Style != psAlternate) {
        // The wide outline lies inside the rectangle: four bands, each painted on its own.
        DrawFill({r.left + w, r.top + w, r.right - w, r.bottom - w});
        const TRect area = WritableArea();
        const std::uint32_t color = DeviceColor(pen.Color);
        const bool notXor = pen.Mode == pmNotXor;
        auto band = [&](const TRect& b) { Paint(b.Intersected(area), color, notXor); };
        const int wx = std::min(w, r.Width()), wy = std::min(w, r.Height());
        band({r.left, r.top, r.right, r.top + wy});
        if (r.Height() > wy)
            band({r.left, r.bottom - wy, r.right, r.bottom});
        if (r.Height() > 2 * wy) {
            band({r.left, r.top + wy, r.left + wx, r.bottom - wy});
            if (r.Width() > wx)
                band({r.right - wx, r.top + wy, r.right, r.bottom - wy});
        }
        return;
    }
    DrawFill(inside);
    if (r.Width() == 1 && r.Height() == 1) {
        // All four sides would have zero length: the outline is this one pixel.
        DrawLine({r.left, r.top}, {r.right, r.top});
        return;
    }
    const TPoint corners[] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
    for (int i = 0; i < 4; ++i)
        DrawLine(corners[i], corners[(i + 1) % 4]);
}

// ---------------------------------------------------------------------------
// Text

TSize TDrawSurface::TextExtent(const std::string& text) {
    Realize();
    return Measurer().TextExtent(m_font.m_data, text);
}

void TDrawSurface::TextOut(int x, int y, const std::string& text) {
    Realize();
    if (!text.empty() && !WritableArea().Empty())
        Submit({TKind::Text, {x, y, x, y}, 0, text});
}

void TDrawSurface::DrawText(TPoint at, std::string_view view) {
    const std::string text(view);
    const TRect area = WritableArea();
    ITextMeasurer& measurer = Measurer();
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
    const bool rotated = m_font.m_data.Escapement != 0;
    if (m_backgroundMode == bkOpaque && !rotated) {
        const TRect background = TRect{left, top, left + extent.cx, top + extent.cy}.Translated(at.x, at.y);
        Paint(background.Intersected(area), DeviceColor(m_backgroundColor), false);
    }

    // From here on device pixels: the font is k times the size, at k times the place.
    TQtFont& font = DrawingFont();
    // Tabs and line breaks are left to QPainter, which treats them its own way.
    const long long controls = std::count_if(text.begin(), text.end(), [](char c) { return c >= 0 && c < ' '; });
    const bool plain = controls == 0;
    // No pixel of a text lies farther from its reference point than its box
    // reaches, turned or not, plus a font size, and for each tab a tab stop:
    // a text beyond that from the area draws nothing, and is not placed, as
    // the device coordinates of so far a point could exceed int.
    const long long farthest = std::llabs(left) + extent.cx + std::llabs(top) + extent.cy + font.PixelSize() +
                               controls * (80 + 8LL * font.PixelSize());
    if (at.x + farthest < area.left || at.x - farthest > area.right || at.y + farthest < area.top ||
        at.y - farthest > area.bottom)
        return;
    const TTextGlyphs* glyphs = plain ? &font.Glyphs(text) : nullptr;
    const int k = m_scale;
    // Glyphs go with their baseline at the font's whole-pixel ascent below the
    // top, placed relative to the reference point.
    const QPointF origin(left * k, top * k + font.Ascent() - (glyphs ? glyphs->baseline : 0));
    QTransform place = QTransform::fromTranslate(at.x * qreal(k), at.y * qreal(k));
    if (rotated)
        place.rotate(-m_font.m_data.Escapement / 10.0);
    // Glyphs stay within a font size of their box, except what a tab moves on.
    const int pad = font.PixelSize();
    const QRect drawn = place.mapRect(QRect(left * k, top * k, extent.cx * k, extent.cy * k));
    TRect reach = TRect{drawn.left(), drawn.top(), drawn.right() + 1, drawn.bottom() + 1}.Inflated(pad);
    const TRect clip = Device(area);
    if (!plain)
        reach = {clip.left, reach.top, clip.right, reach.bottom};
    const TRect box = reach.Intersected(clip);
    if (box.Empty())
        return;
    const TSurfaceImage::TPixels px = m_pixels.Open(box);
    QPainter& painter = m_text.Begin(px, box);
    painter.setTransform(place * m_text.Origin());
    m_text.SetPen(DeviceColor(m_textColor));
    if (rotated && m_backgroundMode == bkOpaque)
        painter.fillRect(QRect(left * k, top * k, extent.cx * k, extent.cy * k),
                         QColor::fromRgb(DeviceColor(m_backgroundColor)));
    if (glyphs) {
        for (const QGlyphRun& run : glyphs->runs)
            painter.drawGlyphRun(origin, run);
    } else {
        painter.setFont(font.Font());
        painter.drawText(origin, QString::fromStdString(text));
    }
    m_text.End(px);
}

// ---------------------------------------------------------------------------
// Pixel copies and pictures

void TDrawSurface::CopyFrom(const TDrawSurface& source, int x, int y) {
    // Another surface's pixels have no calls to repeat: a layer cannot hold them.
    Settle();
    Copy(source.Image(), source.m_scale, m_monochrome && !source.m_monochrome, x, y);
}

void TDrawSurface::DrawPicture(int x, int y, const TPicture& picture) {
    if (!picture.Empty() && !WritableArea().Empty())
        Submit({TKind::Picture, {x, y, x, y}, 0, {}, &picture.Image()});
}

void TDrawSurface::Copy(QImage source, int sourceScale, bool convert, int x, int y) {
    const TRect area = WritableArea();
    const int k = m_scale;
    if (sourceScale != k) {
        // A picture (or surface) of another scale: each of its logical pixels
        // becomes a block of this surface, nearest pixel.
        const int w = source.width() / sourceScale, h = source.height() / sourceScale;
        const TRect target = TRect{x, y, x + w, y + h}.Intersected(area);
        if (target.Empty())
            return;
        const TRect d = Device(target);
        const TSurfaceImage::TPixels px = m_pixels.Open(d);
        for (int row = d.top; row < d.bottom; ++row) {
            const auto* src = reinterpret_cast<const std::uint32_t*>(source.constScanLine(((row - y * k) * sourceScale) / k));
            std::uint32_t* dst = px.Row(row);
            for (int col = d.left; col < d.right; ++col)
                dst[col] = PicturePixel(src[((col - x * k) * sourceScale) / k], convert);
        }
        return;
    }
    x *= k;
    y *= k;
    const TRect target = TRect{x, y, x + source.width(), y + source.height()}.Intersected(Device(area));
    if (target.Empty())
        return;
    if (!convert && target == m_pixels.Bounds() && x == 0 && y == 0 && source.size() == m_pixels.Image().size() &&
        source.format() == m_pixels.Image().format()) {
        // The whole image: share the pixels, copy-on-write, instead of copying them.
        m_pixels.Share(source);
        return;
    }
    const TSurfaceImage::TPixels px = m_pixels.Open(target);
    const auto* srcBits = reinterpret_cast<const std::uint32_t*>(source.constBits());
    const std::ptrdiff_t srcStride = source.bytesPerLine() / 4;
    const auto n = static_cast<std::size_t>(target.Width());
    auto srcRow = [&](int row) { return srcBits + (row - y) * srcStride + (target.left - x); };
    for (int row = target.top; row < target.bottom; ++row) {
        const std::uint32_t* src = srcRow(row);
        std::uint32_t* dst = px.Row(row) + target.left;
        if (convert) {
            for (std::size_t i = 0; i < n; ++i)
                dst[i] = PicturePixel(src[i], true);
        } else {
            std::memcpy(dst, src, n * sizeof(std::uint32_t));
        }
    }
}

void TDrawSurface::StretchPicture(const TRect& rect, const TPicture& picture) {
    if (picture.Empty())
        return;
    const TRect r = rect.Normalized();
    const TRect target = r.Intersected(WritableArea());
    if (!target.Empty())
        Submit({TKind::Stretch, r, 0, {}, &picture.Image()}, target);
}

// Nearest rows and columns: device pixel (x, y) shows the picture's pixel
// ((x / k - left) * pw / w, (y / k - top) * ph / h). Consecutive columns that
// show consecutive picture columns are copied as one run.
void TDrawSurface::DrawStretch(const TRect& r, const QImage& src) {
    const TRect target = r.Intersected(WritableArea());
    if (target.Empty())
        return;
    const TRect d = Device(target);
    const int k = m_scale;
    const long long pw = src.width(), ph = src.height(), w = r.Width(), h = r.Height();
    m_runs.clear();
    for (int x = d.left; x < d.right; ++x) {
        const int column = static_cast<int>((x / k - r.left) * pw / w);
        if (!m_runs.empty() && !m_monochrome && column == m_runs.back().source + m_runs.back().length)
            ++m_runs.back().length;
        else
            m_runs.push_back({x, column, 1});
    }
    const TSurfaceImage::TPixels px = m_pixels.Open(d);
    for (int y = d.top; y < d.bottom; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(src.constScanLine(static_cast<int>((y / k - r.top) * ph / h)));
        std::uint32_t* dst = px.Row(y);
        for (const TColumnRun& run : m_runs) {
            if (m_monochrome)
                dst[run.target] = MonochromePixel(line[run.source]);
            else
                std::memcpy(dst + run.target, line + run.source, static_cast<std::size_t>(run.length) * sizeof(std::uint32_t));
        }
    }
}
