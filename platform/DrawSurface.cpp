// The drawing surface, in sections marked by rules, in this order:
// - helpers: Qt fonts and cached metrics, dash patterns, hatches, row fills;
// - text measurement, then pen, brush and font;
// - the surface's private state (Impl): the image and the spare one, each
//   with the tiles written since the kept layer was last in place, the
//   deferred solid fills, the text painter, and the caches of laid-out texts
//   and of the pixels each text was drawn with;
// - the surface's own operations: lines (thin and wide), areas, text,
//   clipping, pixel copies and pictures.
// Every write goes straight to the image's memory; only texts that cannot be
// repeated from their cached pixels (rotated, control characters, an uneven
// background, beyond the cache) reach QPainter.

#include "DrawSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTextLayout>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::uint32_t kOpaqueBits = 0xFF000000u;

TColor FromQColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

QFont MakeQFont(const TFontData& data, bool monochrome, int scale = 1) {
    QFont font(QString::fromStdString(data.Name));
    const int pixels = data.Height == 0 ? 13 : std::abs(data.Height);
    font.setPixelSize(std::max(1, pixels) * scale);
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

// The font description without what leaves the Qt font unchanged.
TFontData QtFontKey(TFontData data) {
    data.Color = clBlack;
    data.Escapement = 0;
    data.Charset = DefaultCharset;
    return data;
}

// key (from QtFontKey) and data make the same Qt font; compared without a copy.
bool SameQtFont(const TFontData& key, const TFontData& data) {
    return key.Height == data.Height && key.Style == data.Style && key.Name == data.Name;
}

// Caches the Qt metrics of the few fonts a paint uses, and the widths measured
// in them: a paint asks for the same labels' widths over and over.
class CachedQtMetrics {
public:
    struct Entry {
        TFontData key;
        QFontMetrics metrics;
        int height, ascent;
        std::unordered_map<std::string, int> widths;
    };

    Entry& For(const TFontData& data) {
        const auto found =
            std::find_if(m_entries.begin(), m_entries.end(), [&](const auto& e) { return SameQtFont(e->key, data); });
        if (found == m_entries.begin() && found != m_entries.end())
            return **found;
        std::unique_ptr<Entry> entry;
        if (found != m_entries.end()) {
            entry = std::move(*found);
            m_entries.erase(found);
        } else {
            const TFontData key = QtFontKey(data);
            QFontMetrics metrics(MakeQFont(key, false));
            const int height = metrics.height(), ascent = metrics.ascent();
            entry = std::make_unique<Entry>(Entry{key, std::move(metrics), height, ascent, {}});
            if (m_entries.size() >= kMaxFonts)
                m_entries.pop_back();
        }
        m_entries.insert(m_entries.begin(), std::move(entry));
        return *m_entries.front();
    }

    int WidthOf(const TFontData& data, const std::string& text) {
        Entry& entry = For(data);
        if (const auto found = entry.widths.find(text); found != entry.widths.end())
            return found->second;
        if (entry.widths.size() >= kMaxTexts)
            entry.widths.clear();
        const int width = entry.metrics.horizontalAdvance(QString::fromStdString(text));
        entry.widths.emplace(text, width);
        return width;
    }

private:
    static constexpr std::size_t kMaxFonts = 8;
    static constexpr std::size_t kMaxTexts = 1024;
    std::vector<std::unique_ptr<Entry>> m_entries;  // most recently used first
};

CachedQtMetrics& QtMetrics() {
    static CachedQtMetrics metrics;
    return metrics;
}

void FillRow(std::uint32_t* dst, std::size_t n, std::uint32_t value) {
#if defined(__SSE2__)
    const __m128i v = _mm_set1_epi32(static_cast<int>(value));
    for (; n >= 16; n -= 16, dst += 16) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 8), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 12), v);
    }
    for (; n >= 4; n -= 4, dst += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), v);
#endif
    for (; n > 0; --n)
        *dst++ = value;
}

void NotXorRow(std::uint32_t* dst, std::size_t n, std::uint32_t color) {
    for (std::size_t i = 0; i < n; ++i)
        dst[i] = ~(dst[i] ^ color) | kOpaqueBits;
}

// Position in a pen's on/off pattern; Next() answers whether the next pixel is "on".
class DashCursor {
public:
    explicit DashCursor(TPenStyle style) : m_alternate(style == psAlternate), m_pattern(DashPattern(style)) {
        if (!m_pattern.empty())
            m_left = m_pattern[0];
    }

    bool Next() {
        if (m_alternate)
            return (m_index++ & 1) == 0;
        if (m_pattern.empty())
            return true;
        const bool on = (m_run & 1) == 0;
        if (--m_left == 0)
            Advance();
        return on;
    }

    // Same as calling Next() n times.
    void Skip(long long n) {
        if (m_alternate) {
            m_index += n;
            return;
        }
        if (m_pattern.empty() || n <= 0)
            return;
        long long period = 0;
        for (const int run : m_pattern)
            period += run;
        n %= period;
        while (n >= m_left) {
            n -= m_left;
            Advance();
        }
        m_left -= static_cast<int>(n);
    }

private:
    void Advance() {
        m_run = (m_run + 1) % m_pattern.size();
        m_left = m_pattern[m_run];
    }

    bool m_alternate;
    std::span<const int> m_pattern;
    std::size_t m_run = 0;
    int m_left = 0;
    long long m_index = 0;
};

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
    if (!m_cached) {
        const QFontMetrics metrics(MakeQFont(QtFontKey(font), false));
        return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
    }
    CachedQtMetrics& metrics = QtMetrics();
    const int width = metrics.WidthOf(font, text);
    return {width, metrics.For(font).height};
}

int TQtTextMeasurer::Ascent(const TFontData& font) {
    return m_cached ? QtMetrics().For(font).ascent : QFontMetrics(MakeQFont(QtFontKey(font), false)).ascent();
}

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

    // The painter for text stays open across calls: beginning one costs more
    // than drawing a label. It is closed before anyone else gets the image.
    std::optional<QPainter> painter;
    std::optional<TRect> painterClip;  // nullopt: clipping off
    bool painterTransformed = false;
    std::optional<QRgb> painterPen;

    // Qt fonts of the texts drawn, with each text's glyphs laid out once:
    // shaping costs more than drawing the glyphs, and labels repeat from
    // paint to paint.
    struct LaidOutText {
        QList<QGlyphRun> runs;
        qreal baseline = 0;  // of the laid-out line
        int width = 0, height = 0;  // of the line, whole pixels

        // The pixels the glyphs touch, in runs along rows relative to the
        // text's top-left pixel, found once; the same for every colour.
        enum class Ink { Unknown, Known, Unusable } ink = Ink::Unknown;
        struct InkRun {
            int dy, dx, length, first;  // first: index of the run's first pixel
        };
        std::vector<InkRun> inkRuns;
        TRect inkBox;
        // Qt's blend of the touched pixels for one text colour over one
        // background colour, in inkRuns order.
        struct Rendered {
            std::uint32_t color, background;
            std::vector<std::uint32_t> pixels;
        };
        std::vector<Rendered> rendered;
        std::size_t nextRendered = 0;
    };
    struct TextFont {
        TFontData key;
        QFont font;
        int ascent = 0;
        std::unordered_map<std::string, LaidOutText> texts;
        LaidOutText unkept;  // the last text laid out while texts was full
    };
    std::vector<std::unique_ptr<TextFont>> textFonts;  // most recently used first
    static constexpr std::size_t kMaxTextFonts = 8;
    static constexpr std::size_t kMaxTexts = 1024;

    // The last stretched picture, in device pixels: a paint stretches the same
    // back image to the same place as the paint before, so the stretch is
    // worked out once and then copied row by row. Rows that show the same
    // source row are kept once (stretchedRow: the kept row of each device
    // row), so the copy reads less than it writes. The key
    // holds everything the pixels depend on; the picture by its image's cache
    // key, which changes whenever the image does.
    struct StretchKey {
        qint64 picture = 0;
        TRect rect, target;  // logical: the whole stretch and its visible part
        int scale = 0;
        bool monochrome = false;
        bool operator==(const StretchKey&) const = default;
    } stretchKey;
    std::vector<std::uint32_t> stretched;
    std::vector<int> stretchedRow;
    // Source column of each device column, and the runs in which consecutive
    // columns show consecutive source columns; used while stretching anew.
    std::vector<int> columns;
    struct ColumnRun {
        int target, source, length;
    };
    std::vector<ColumnRun> runs;
    void Stretch(const StretchKey& key, const QImage& src);
    // The same without keeping anything: straight into the image.
    void StretchDirect(const TRect& rect, const TRect& target, const QImage& src, bool monochrome);

    // Row spans of a wide line.
    std::vector<std::pair<int, int>> spans;

    // The kept layer's pixels and the hash of the calls that drew them; the
    // hash of the last run, kept or not.
    QImage layer;
    std::uint64_t layerHash = 0;
    bool layerValid = false;
    std::uint64_t lastHash = 0;
    bool lastValid = false;

    TSurfaceCaches caches;

    // Device pixels per logical pixel along each axis. The operations take
    // logical coordinates; the image, the pending fills and the text caches
    // hold device pixels.
    int k = 1;
    [[nodiscard]] TRect Dev(const TRect& r) const { return {r.left * k, r.top * k, r.right * k, r.bottom * k}; }

    // The image of the frame before last: once its sharers have let go of it,
    // it takes the next frame, so a paint after a shared copy allocates nothing.
    QImage spare;

    ~Impl() { EndPainting(); }

    // Where each image may differ from the kept layer, in tiles of device
    // pixels. Once the layer has been put in place, the next paint's probe
    // finds the frame before differing from the layer only by what was drawn
    // over it (the series), so it copies back those tiles instead of every
    // pixel. Every write marks its box; another image shared in marks all.
    struct Damage {
        static constexpr int kTileWidth = 16, kTileHeight = 8;
        int words = 0;  // per row of tiles
        std::vector<std::uint64_t> tiles;
        TRect bounds;  // the image's
        bool all = true;

        void Resize(int width, int height) {
            bounds = {0, 0, width, height};
            words = (width + 64 * kTileWidth - 1) / (64 * kTileWidth);
            tiles.assign(static_cast<std::size_t>(words) * static_cast<std::size_t>((height + kTileHeight - 1) / kTileHeight), 0);
            all = true;
        }
        void Clear(bool marked = true) {
            std::fill(tiles.begin(), tiles.end(), 0);
            all = !marked;
        }
        // box: device pixels.
        void Mark(const TRect& box) {
            const TRect r = box.Intersected(bounds);
            if (all || r.Empty())
                return;
            const int c0 = r.left / kTileWidth, c1 = (r.right - 1) / kTileWidth;
            const int t0 = r.top / kTileHeight, t1 = (r.bottom - 1) / kTileHeight;
            for (int w = c0 / 64; w <= c1 / 64; ++w) {
                const int lo = std::max(c0 - w * 64, 0), hi = std::min(c1 - w * 64, 63);
                const std::uint64_t bits = (~0ull >> (63 - hi)) & (~0ull << lo);
                for (int t = t0; t <= t1; ++t)
                    tiles[static_cast<std::size_t>(t * words + w)] |= bits;
            }
        }
        // Copies the marked tiles of from into to (same size and format).
        void CopyMarked(const QImage& from, QImage& to) const {
            const std::ptrdiff_t stride = from.bytesPerLine();
            const uchar* src = from.constBits();
            uchar* dst = to.bits();
            if (all) {
                std::memcpy(dst, src, static_cast<std::size_t>(from.sizeInBytes()));
                return;
            }
            const int width = from.width(), height = from.height();
            for (std::size_t i = 0; i < tiles.size(); ++i) {
                std::uint64_t bits = tiles[i];
                const int top = static_cast<int>(i) / words * kTileHeight, bottom = std::min(top + kTileHeight, height);
                const int base = static_cast<int>(i) % words * 64;
                while (bits) {
                    const int first = std::countr_zero(bits), run = std::countr_one(bits >> first);
                    bits &= ~((~0ull >> (64 - run)) << first);
                    const int left = (base + first) * kTileWidth;
                    const auto bytes = static_cast<std::size_t>(std::min((base + first + run) * kTileWidth, width) - left) * 4;
                    for (int y = top; y < bottom; ++y)
                        std::memcpy(dst + y * stride + left * 4, src + y * stride + left * 4, bytes);
                }
            }
        }
    };
    Damage damage, spareDamage;

    void TakeSpareImage() {
        EndPainting();
        if (spare.size() != image.size() || spare.format() != image.format() || !spare.isDetached()) {
            spare = QImage(image.width(), image.height(), image.format());
            spareDamage.Resize(image.width(), image.height());
        }
        image.swap(spare);
        std::swap(damage, spareDamage);
    }

    void EndPainting() {
        painter.reset();
        painterClip.reset();
        painterTransformed = false;
        painterPen.reset();
    }

    // Pixel writes go straight to the memory; bits() detaches a shared image first.
    struct Pixels {
        std::uint32_t* bits;
        std::ptrdiff_t stride;
        std::uint32_t* Row(int y) const { return bits + y * stride; }
    };
    // box: device pixels, all that the caller writes.
    Pixels Writable(const TRect& box) {
        if (!image.isDetached() && !image.isNull()) {
            const QImage shared = image;
            TakeSpareImage();
            std::memcpy(image.bits(), shared.constBits(), static_cast<std::size_t>(shared.sizeInBytes()));
            damage = spareDamage;  // the pixels of the shared image, so its marks too
        }
        damage.Mark(box);
        return {reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4};
    }
    const std::uint32_t* Row(int y) const { return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y)); }

    // Solid fills wait in a short list of disjoint rectangles until something
    // reads or partly writes their pixels: a paint covers most of its
    // background with the back wall and then the back image, and pixels that
    // are overwritten whole before anyone looks are never written at all.
    // A gradient's bands join into one fill of a colour per row, so the list
    // stays short and a back image drawn over the gradient drops its part.
    struct PendingFill {
        TRect rect;
        std::uint32_t value;
        bool perRow = false;  // each row in rowValue instead
    };
    std::vector<std::uint32_t> rowValue;  // by device row
    std::vector<PendingFill> pending;
    std::vector<PendingFill> pendingScratch;
    static constexpr std::size_t kMaxPending = 32;
    static constexpr int kDeferredArea = 4096;  // smaller fills are written at once
    static constexpr int kWideBand = 128;  // unless at least this wide

    // r lies inside the image; written now.
    void Write(const TRect& r, std::uint32_t value) {
        const Pixels px = Writable(r);
        const auto n = static_cast<std::size_t>(r.right - r.left);
        std::uint32_t* first = px.Row(r.top) + r.left;
        FillRow(first, n, value);
        for (int y = r.top + 1; y < r.bottom; ++y)
            std::memcpy(px.Row(y) + r.left, first, n * sizeof(std::uint32_t));
    }

    // Calls piece(part) for each part of p outside box; p and box intersect.
    template <typename Piece>
    static void Outside(const TRect& p, const TRect& box, Piece&& piece) {
        if (box.top > p.top)
            piece(TRect{p.left, p.top, p.right, box.top});
        if (box.bottom < p.bottom)
            piece(TRect{p.left, box.bottom, p.right, p.bottom});
        const int top = std::max(p.top, box.top), bottom = std::min(p.bottom, box.bottom);
        if (box.left > p.left)
            piece(TRect{p.left, top, box.left, bottom});
        if (box.right < p.right)
            piece(TRect{box.right, top, p.right, bottom});
    }

    void Write(const PendingFill& p, const TRect& r) {
        if (!p.perRow) {
            Write(r, p.value);
            return;
        }
        const Pixels px = Writable(r);
        for (int y = r.top; y < r.bottom; ++y)
            FillRow(px.Row(y) + r.left, static_cast<std::size_t>(r.right - r.left), rowValue[static_cast<std::size_t>(y)]);
    }

    // Joins the fill r (device pixels, nothing pending inside it) to the last
    // pending fill when they are rows of one column band; the row colours
    // stay unambiguous while no other pending fill has its own.
    bool JoinRows(const TRect& r, std::uint32_t value) {
        if (pending.empty())
            return false;
        PendingFill& last = pending.back();
        if (last.rect.left != r.left || last.rect.right != r.right ||
            (last.rect.bottom != r.top && last.rect.top != r.bottom))
            return false;
        for (std::size_t i = 0; i + 1 < pending.size(); ++i)
            if (pending[i].perRow)
                return false;
        rowValue.resize(static_cast<std::size_t>(image.height()));
        if (!last.perRow) {
            std::fill(rowValue.begin() + last.rect.top, rowValue.begin() + last.rect.bottom, last.value);
            last.perRow = true;
        }
        std::fill(rowValue.begin() + r.top, rowValue.begin() + r.bottom, value);
        KeepClearOf(r);
        last.rect.top = std::min(last.rect.top, r.top);
        last.rect.bottom = std::max(last.rect.bottom, r.bottom);
        return true;
    }

    // Nothing waits inside this rectangle (device pixels): once a picture has
    // covered the plot, the lines and texts drawn over it skip the list.
    TRect clear;
    static long long Area(const TRect& r) { return static_cast<long long>(r.right - r.left) * (r.bottom - r.top); }
    void KeepClearOf(const TRect& r) {
        if (clear.Intersected(r).Empty())
            return;
        TRect largest;
        Outside(clear, r, [&](const TRect& part) {
            if (Area(part) > Area(largest))
                largest = part;
        });
        clear = largest;
    }
    void AddPending(const PendingFill& p) {
        KeepClearOf(p.rect);
        pending.push_back(p);
    }

    // The pending parts inside box are written (write) or dropped (!write).
    void Settle(const TRect& box, bool write) {
        if (pending.empty() || box.Empty())
            return;
        if (box.left >= clear.left && box.right <= clear.right && box.top >= clear.top && box.bottom <= clear.bottom)
            return;
        if (Area(box) > Area(clear))
            clear = box;  // so after this call
        if (std::none_of(pending.begin(), pending.end(),
                         [&](const PendingFill& p) { return !p.rect.Intersected(box).Empty(); }))
            return;
        pendingScratch.clear();
        for (const PendingFill& p : pending) {
            const TRect inside = p.rect.Intersected(box);
            if (inside.Empty()) {
                pendingScratch.push_back(p);
                continue;
            }
            if (write)
                Write(p, inside);
            Outside(p.rect, box, [&](const TRect& part) { pendingScratch.push_back({part, p.value, p.perRow}); });
        }
        pending.swap(pendingScratch);
        if (pending.size() > kMaxPending)
            FlushSmallest();
    }

    // Texts and lines cut the pending fills into ever more pieces: the small
    // ones are written, the large ones (a background a picture will cover)
    // keep waiting.
    void FlushSmallest() {
        const auto area = [](const PendingFill& p) {
            return static_cast<long long>(p.rect.right - p.rect.left) * (p.rect.bottom - p.rect.top);
        };
        const auto kept = pending.begin() + kMaxPending / 2;
        std::nth_element(pending.begin(), kept, pending.end(),
                         [&](const PendingFill& a, const PendingFill& b) { return area(a) > area(b); });
        for (auto p = kept; p != pending.end(); ++p)
            Write(*p, p->rect);
        pending.erase(kept, pending.end());
    }

    // Before an operation reads or partly writes the pixels of the logical box.
    void Flush(const TRect& box) { Settle(Dev(box), true); }
    void FlushAll() {
        for (const PendingFill& p : pending)
            Write(p, p.rect);
        pending.clear();
    }
    // Before an operation overwrites every pixel of the logical box.
    void Cover(const TRect& box) { Settle(Dev(box), false); }

    // The logical rectangle r lies inside the image.
    void Fill(const TRect& logical, std::uint32_t value) {
        const TRect r = Dev(logical);
        if (!caches.pendingFills) {
            if (r == TRect{0, 0, image.width(), image.height()} && !image.isDetached())
                TakeSpareImage();
            Write(r, value);
            return;
        }
        if (r == TRect{0, 0, image.width(), image.height()}) {
            pending.clear();
            // A shared image (the window's copy of the last frame) is not
            // detached: every pixel is about to be written, so fresh memory does.
            if (!image.isDetached())
                TakeSpareImage();
            clear = {};
            pending.push_back({r, value});
            return;
        }
        // Fills over what was just covered (bars over the back image) are
        // seldom covered again: written at once, they keep the list short.
        const bool overClear = !clear.Intersected(r).Empty();
        Settle(r, false);
        if (!overClear && JoinRows(r, value))
            return;
        // Wide bands wait too: they may start a gradient.
        if (overClear ||
            (static_cast<long long>(r.right - r.left) * (r.bottom - r.top) < kDeferredArea && r.right - r.left < kWideBand)) {
            Write(r, value);
            return;
        }
        AddPending({r, value});
    }

    void NotXor(const TRect& logical, std::uint32_t color) {
        Flush(logical);
        const TRect r = Dev(logical);
        const Pixels px = Writable(r);
        for (int y = r.top; y < r.bottom; ++y)
            NotXorRow(px.Row(y) + r.left, static_cast<std::size_t>(r.right - r.left), color);
    }

    void Paint(const TRect& r, std::uint32_t color, bool notXor) {
        if (notXor)
            NotXor(r, color);
        else
            Fill(r, color);
    }

    // clip in device pixels.
    QPainter& Painter(const TRect& clip) {
        FlushAll();
        damage.Mark(clip);
        if (!painter)
            painter.emplace(&image);
        const bool whole = clip == TRect{0, 0, image.width(), image.height()};
        if (whole ? painterClip.has_value() : painterClip != clip) {
            if (whole) {
                painter->setClipping(false);
                painterClip.reset();
            } else {
                painter->setClipRect(QRect(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top));
                painterClip = clip;
            }
        }
        return *painter;
    }

    void WideLine(TPoint from, TPoint to, int width, const TRect& area, std::uint32_t color, bool notXor);
    // The whole of source with its top-left corner at (x, y), clipped to area.
    void Copy(const QImage& source, int sourceScale, bool convert, int x, int y, const TRect& area);

    TextFont& FontFor(const TFontData& data, bool monochrome) {
        if (!caches.fonts)
            textFonts.clear();
        // Fonts are looked up by their logical description; the surface's scale is fixed.
        if (!textFonts.empty() && SameQtFont(textFonts.front()->key, data))
            return *textFonts.front();
        const auto found =
            std::find_if(textFonts.begin(), textFonts.end(), [&](const auto& f) { return SameQtFont(f->key, data); });
        std::unique_ptr<TextFont> entry;
        if (found != textFonts.end()) {
            entry = std::move(*found);
            textFonts.erase(found);
        } else {
            const TFontData key = QtFontKey(data);
            entry = std::make_unique<TextFont>();
            entry->key = key;
            entry->font = MakeQFont(key, monochrome, k);
            entry->ascent = QFontMetrics(entry->font).ascent();
            if (textFonts.size() >= kMaxTextFonts)
                textFonts.pop_back();
        }
        textFonts.insert(textFonts.begin(), std::move(entry));
        return *textFonts.front();
    }

    // The text's glyphs, kept with the font while there is room and kept is
    // set on the way in; kept tells on the way out. Beyond that (thousands of different labels) a text is laid out for one
    // drawing only: clearing the cache instead would lay out and scan every
    // label again on every paint.
    static LaidOutText& Layout(TextFont& font, const std::string& text, bool& kept) {
        if (const auto found = font.texts.find(text); found != font.texts.end())
            return found->second;
        QTextLayout layout(QString::fromStdString(text), font.font);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        LaidOutText laidOut;
        laidOut.runs = layout.glyphRuns();
        if (line.isValid()) {
            laidOut.baseline = line.ascent();
            laidOut.width = static_cast<int>(std::ceil(line.naturalTextWidth()));
            laidOut.height = static_cast<int>(std::ceil(line.height()));
        }
        if (font.texts.size() >= kMaxTexts || !kept) {
            kept = false;
            font.unkept = std::move(laidOut);
            return font.unkept;
        }
        return font.texts.emplace(text, std::move(laidOut)).first->second;
    }

    // The glyphs drawn by Qt onto a scratch image of one background colour,
    // with the origin at (pad, pad) of the text's top-left pixel.
    static QImage DrawScratch(const TextFont& font, const LaidOutText& text, int pad, QRgb background, QRgb color) {
        QImage scratch(text.width + 2 * pad, text.height + 2 * pad, QImage::Format_RGB32);
        scratch.fill(background);
        QPainter painter(&scratch);
        painter.setPen(QColor::fromRgb(color));
        const QPointF origin(pad, pad + font.ascent - text.baseline);
        for (const QGlyphRun& run : text.runs)
            painter.drawGlyphRun(origin, run);
        return scratch;
    }

    static int ScratchPad(const TextFont& font) { return std::max(4, font.font.pixelSize()); }

    // White on black marks every pixel the glyphs touch: any coverage leaves
    // a trace.
    static void FindInk(const TextFont& font, LaidOutText& text) {
        const int pad = ScratchPad(font);
        const QImage scratch = DrawScratch(font, text, pad, 0xFF000000u, 0xFFFFFFFFu);
        text.ink = LaidOutText::Ink::Known;
        text.inkRuns.clear();
        text.inkBox = {};
        int count = 0;
        for (int y = 0; y < scratch.height(); ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(scratch.constScanLine(y));
            for (int x = 0; x < scratch.width(); ++x) {
                if (row[x] == 0xFF000000u)
                    continue;
                if (x == 0 || y == 0 || x == scratch.width() - 1 || y == scratch.height() - 1) {
                    text.ink = LaidOutText::Ink::Unusable;  // the glyphs may reach beyond the scratch
                    return;
                }
                int end = x + 1;
                while (end < scratch.width() && row[end] != 0xFF000000u)
                    ++end;
                const LaidOutText::InkRun run{y - pad, x - pad, end - x, count};
                text.inkRuns.push_back(run);
                count += run.length;
                const TRect box{run.dx, run.dy, run.dx + run.length, run.dy + 1};
                text.inkBox = text.inkBox.Empty() ? box
                                                  : TRect{std::min(text.inkBox.left, box.left), std::min(text.inkBox.top, box.top),
                                                          std::max(text.inkBox.right, box.right), std::max(text.inkBox.bottom, box.bottom)};
                x = end - 1;
            }
        }
    }

    static const LaidOutText::Rendered& RenderedFor(const TextFont& font, LaidOutText& text, std::uint32_t color,
                                                    std::uint32_t background) {
        for (const auto& r : text.rendered)
            if (r.color == color && r.background == background)
                return r;
        const int pad = ScratchPad(font);
        const QImage scratch = DrawScratch(font, text, pad, background, color);
        LaidOutText::Rendered rendered{color, background, {}};
        for (const LaidOutText::InkRun& run : text.inkRuns) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(scratch.constScanLine(run.dy + pad));
            rendered.pixels.insert(rendered.pixels.end(), row + run.dx + pad, row + run.dx + pad + run.length);
        }
        if (text.rendered.size() < kMaxRendered) {
            text.rendered.push_back(std::move(rendered));
            return text.rendered.back();
        }
        auto& slot = text.rendered[text.nextRendered];
        text.nextRendered = (text.nextRendered + 1) % kMaxRendered;
        slot = std::move(rendered);
        return slot;
    }
    static constexpr std::size_t kMaxRendered = 4;

    // The text with its top-left pixel at (x, y), from the pixels Qt gave it
    // before: exact where every touched pixel shows one opaque background
    // colour, so false (nothing written) elsewhere.
    bool DrawKnownText(const TextFont& font, LaidOutText& text, int x, int y, std::uint32_t color, const TRect& area) {
        if (text.ink == LaidOutText::Ink::Unknown)
            FindInk(font, text);
        if (text.ink == LaidOutText::Ink::Unusable)
            return false;
        const TRect box =
            TRect{x + text.inkBox.left, y + text.inkBox.top, x + text.inkBox.right, y + text.inkBox.bottom}.Intersected(area);
        if (box.Empty())
            return true;
        Settle(box, true);
        std::optional<std::uint32_t> background;
        for (const LaidOutText::InkRun& run : text.inkRuns) {
            const int row = y + run.dy;
            if (row < area.top || row >= area.bottom)
                continue;
            const int from = std::max(x + run.dx, area.left), to = std::min(x + run.dx + run.length, area.right);
            const std::uint32_t* dst = Row(row);
            for (int c = from; c < to; ++c) {
                if (!background)
                    background = dst[c];
                if (dst[c] != *background)
                    return false;
            }
        }
        if (!background)
            return true;
        if ((*background & kOpaqueBits) != kOpaqueBits)
            return false;
        const LaidOutText::Rendered& rendered = RenderedFor(font, text, color, *background);
        const Pixels px = Writable(box);
        for (const LaidOutText::InkRun& run : text.inkRuns) {
            const int row = y + run.dy;
            if (row < area.top || row >= area.bottom)
                continue;
            const int from = std::max(x + run.dx, area.left), to = std::min(x + run.dx + run.length, area.right);
            if (from >= to)
                continue;
            std::memcpy(px.Row(row) + from, rendered.pixels.data() + run.first + (from - x - run.dx),
                        static_cast<std::size_t>(to - from) * sizeof(std::uint32_t));
        }
        return true;
    }
};

namespace {

QImage BlankImage(int width, int height) {
    QImage image(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    if (!image.isNull())
        image.fill(0xFFFFFFFFu);
    return image;
}

TRect Normalized(TRect r) {
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return r;
}

std::uint32_t MonochromeOf(std::uint32_t argb) {
    const std::uint32_t sum = ((argb >> 16) & 0xFF) + ((argb >> 8) & 0xFF) + (argb & 0xFF);
    return sum >= 384 ? 0xFFFFFFFFu : kOpaqueBits;
}

}  // namespace

TDrawSurface::TDrawSurface(int width, int height, TSurfaceKind kind, bool monochrome, int scale)
    : m_kind(kind), m_monochrome(monochrome), m_impl(std::make_unique<Impl>()) {
    m_impl->k = std::max(1, scale);
    m_impl->image = BlankImage(std::max(0, width) * m_impl->k, std::max(0, height) * m_impl->k);
    m_impl->damage.Resize(m_impl->image.width(), m_impl->image.height());
}

TDrawSurface::~TDrawSurface() = default;

int TDrawSurface::Width() const { return m_impl->image.width() / m_impl->k; }
int TDrawSurface::Height() const { return m_impl->image.height() / m_impl->k; }
int TDrawSurface::Scale() const { return m_impl->k; }

void TDrawSurface::SetScale(int scale) {
    scale = std::max(1, scale);
    if (scale == m_impl->k)
        return;
    const int w = Width(), h = Height();
    m_impl->k = scale;
    m_impl->textFonts.clear();
    SetSize(w, h);
}

const QImage& TDrawSurface::Image() const {
    LayerPeeks();
    m_impl->FlushAll();
    m_impl->EndPainting();
    return m_impl->image;
}


void TDrawSurface::SetSize(int width, int height) {
    m_impl->EndPainting();
    m_impl->pending.clear();
    m_impl->image = BlankImage(std::max(0, width) * m_impl->k, std::max(0, height) * m_impl->k);
    m_impl->damage.Resize(m_impl->image.width(), m_impl->image.height());
    m_impl->spare = QImage();
    m_impl->layerValid = false;
    m_impl->lastValid = false;
    m_clip.reset();
}

void TDrawSurface::SetTextMeasurer(std::shared_ptr<ITextMeasurer> measurer) { m_measurer = std::move(measurer); }

void TDrawSurface::SetCaches(const TSurfaceCaches& caches) {
    m_caches = caches;
    m_impl->caches = caches;
    m_impl->textFonts.clear();
    m_impl->stretchKey = {};
    m_impl->FlushAll();
    m_impl->damage.all = true;
}

ITextMeasurer& TDrawSurface::Measurer() const {
    static TQtTextMeasurer uncached(false);
    if (m_measurer)
        return *m_measurer;
    return m_caches.fonts ? *DefaultTextMeasurer() : uncached;
}

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

namespace {

// Calls plot(x, y) for every point of the line from (x0, y0) towards (x1, y1),
// the end point excluded. 64-bit steps: the ends may lie far off the surface.
template <typename Plot>
void WalkLine(long long x0, long long y0, long long x1, long long y1, Plot&& plot) {
    const long long dx = std::llabs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const long long dy = -std::llabs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    long long err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        plot(x0, y0);
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// Indexes [first, last) of the points x0 + i * step (0 <= i < n) inside [low, high).
std::pair<long long, long long> ClippedSteps(long long x0, int step, long long n, long long low, long long high) {
    if (step > 0)
        return {std::max(0LL, low - x0), std::min(n, high - x0)};
    return {std::max(0LL, x0 - high + 1), std::min(n, x0 - low + 1)};
}

}  // namespace

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
    if (m_layerMode != LayerMode::Off) {
        LayerReads();
        if (LayerCall(1, from.x, from.y, x, y, DeviceColor(pen.Color), static_cast<int>(pen.Style), pen.Width,
                      static_cast<int>(pen.Mode), m_backgroundMode, DeviceColor(m_backgroundColor), area.left, area.top,
                      area.right, area.bottom))
            return;
    }
    const std::uint32_t color = DeviceColor(pen.Color);
    const bool notXor = pen.Mode == pmNotXor;
    if (pen.Width >= 2 && pen.Style != psAlternate) {
        m_impl->WideLine(from, {x, y}, pen.Width, area, color, notXor);
        return;
    }

    const bool opaqueGaps = m_backgroundMode == bkOpaque && pen.Style != psAlternate;
    const std::uint32_t gapColor = DeviceColor(m_backgroundColor);
    DashCursor dash(pen.Style);
    const bool plain = pen.Style == psSolid || pen.Style == psInsideFrame;
    auto put = [&](std::uint32_t& dst, bool on) {
        if (!on) {
            if (opaqueGaps)
                dst = gapColor;
            return;
        }
        dst = notXor ? (~(dst ^ color) | kOpaqueBits) : color;
    };
    if (m_impl->k > 1) {
        // Every logical pixel becomes a block; straight lines still visit
        // only the pixels inside the clip.
        const int k = m_impl->k;
        const TRect box = TRect{std::min(from.x, x), std::min(from.y, y), std::max(from.x, x) + 1, std::max(from.y, y) + 1}
                              .Intersected(area);
        if (box.Empty())
            return;
        m_impl->Flush(box);
        const Impl::Pixels px = m_impl->Writable(m_impl->Dev(box));
        auto plot = [&](long long lx, long long ly, bool on) {
            if (lx < area.left || lx >= area.right || ly < area.top || ly >= area.bottom || (!on && !opaqueGaps))
                return;
            std::uint32_t* row = px.Row(static_cast<int>(ly) * k) + lx * k;
            for (int dy = 0; dy < k; ++dy, row += px.stride) {
                if (on && notXor)
                    NotXorRow(row, static_cast<std::size_t>(k), color);
                else
                    FillRow(row, static_cast<std::size_t>(k), on ? color : gapColor);
            }
        };
        if (from.y == y || from.x == x) {
            const bool horizontal = from.y == y;
            const long long start = horizontal ? from.x : from.y;
            const long long end = horizontal ? x : y;
            const int step = start < end ? 1 : -1;
            const auto [first, last] = ClippedSteps(start, step, std::llabs(end - start),
                                                    horizontal ? area.left : area.top, horizontal ? area.right : area.bottom);
            dash.Skip(first);
            for (long long i = first; i < last; ++i) {
                const long long at = start + i * step;
                const bool on = dash.Next();
                if (horizontal)
                    plot(at, y, on);
                else
                    plot(x, at, on);
            }
            return;
        }
        WalkLine(from.x, from.y, x, y, [&](long long lx, long long ly) { plot(lx, ly, dash.Next()); });
        return;
    }
    const Impl::Pixels px = m_impl->Writable(
        TRect{std::min(from.x, x), std::min(from.y, y), std::max(from.x, x) + 1, std::max(from.y, y) + 1}.Intersected(area));

    if (from.y == y || from.x == x) {
        // Straight lines visit only the pixels inside the clip.
        const bool horizontal = from.y == y;
        const int across = horizontal ? y : x;
        if (horizontal ? across < area.top || across >= area.bottom : across < area.left || across >= area.right)
            return;
        const long long start = horizontal ? from.x : from.y;
        const long long end = horizontal ? x : y;
        const int step = start < end ? 1 : -1;
        const auto [first, last] = ClippedSteps(start, step, std::llabs(end - start), horizontal ? area.left : area.top,
                                                horizontal ? area.right : area.bottom);
        if (first >= last)
            return;
        dash.Skip(first);
        const auto at = [&](long long i) { return static_cast<int>(start + i * step); };
        const int low = std::min(at(first), at(last - 1)), high = std::max(at(first), at(last - 1)) + 1;
        m_impl->Flush(horizontal ? TRect{low, y, high, y + 1} : TRect{x, low, x + 1, high});
        if (pen.Style == psAlternate && !notXor) {
            // Grid lines: the even steps from the start, nothing in between.
            for (long long i = first + (first & 1); i < last; i += 2) {
                if (horizontal)
                    px.Row(y)[at(i)] = color;
                else
                    px.Row(at(i))[x] = color;
            }
            return;
        }
        if (horizontal) {
            std::uint32_t* row = px.Row(y);
            if (plain && !notXor) {
                FillRow(row + low, static_cast<std::size_t>(high - low), color);
                return;
            }
            for (long long i = first; i < last; ++i)
                put(row[at(i)], dash.Next());
            return;
        }
        if (plain && !notXor) {
            for (std::uint32_t* p = px.Row(low) + x; p != px.Row(high) + x; p += px.stride)
                *p = color;
            return;
        }
        for (long long i = first; i < last; ++i)
            put(px.Row(at(i))[x], dash.Next());
        return;
    }

    // Nothing to do when the line's box misses the clip.
    if (std::max(from.x, x) < area.left || std::min(from.x, x) >= area.right || std::max(from.y, y) < area.top ||
        std::min(from.y, y) >= area.bottom)
        return;
    m_impl->Flush(TRect{std::min(from.x, x), std::min(from.y, y), std::max(from.x, x) + 1, std::max(from.y, y) + 1}
                      .Intersected(area));
    WalkLine(from.x, from.y, x, y, [&](long long lx, long long ly) {
        const bool on = dash.Next();
        if (lx >= area.left && lx < area.right && ly >= area.top && ly < area.bottom)
            put(px.Row(static_cast<int>(ly))[lx], on);
    });
}

// Wide pens are drawn here rather than by QPainter's stroker, for speed and
// for exact pixels: a square of the pen's width, its top-left corner width / 2
// up and left of the point, is stamped at every point of the line except the
// end point, aliased, like the thin line. For width 2 the square is also the
// round cap of a 2-pixel pen. Each pixel is written once, so pmNotXor inverts
// a pixel once however the squares overlap.
void TDrawSurface::Impl::WideLine(TPoint from, TPoint to, int width, const TRect& area, std::uint32_t color,
                                 bool notXor) {
    const long long o = width / 2;
    // The box of all squares; the end point's square is left out below.
    auto clampX = [&](long long v) { return static_cast<int>(std::clamp<long long>(v, area.left, area.right)); };
    auto clampY = [&](long long v) { return static_cast<int>(std::clamp<long long>(v, area.top, area.bottom)); };

    if (from.y == to.y || from.x == to.x) {
        // One rectangle: the squares of a straight line join up.
        const bool horizontal = from.y == to.y;
        const long long a = horizontal ? from.x : from.y, b = horizontal ? to.x : to.y;
        const long long low = (a < b ? a : b + 1) - o;
        const long long high = (a < b ? b - 1 : a) - o + width;
        const long long across = (horizontal ? from.y : from.x) - o;
        const TRect r = horizontal ? TRect{clampX(low), clampY(across), clampX(high), clampY(across + width)}
                                   : TRect{clampX(across), clampY(low), clampX(across + width), clampY(high)};
        if (!r.Empty())
            Paint(r, color, notXor);
        return;
    }

    const int top = clampY(static_cast<long long>(std::min(from.y, to.y)) - o);
    const int bottom = clampY(static_cast<long long>(std::max(from.y, to.y)) - o + width);
    if (top >= bottom || clampX(static_cast<long long>(std::max(from.x, to.x)) - o + width) <= area.left ||
        clampX(static_cast<long long>(std::min(from.x, to.x)) - o) >= area.right)
        return;
    Flush({clampX(static_cast<long long>(std::min(from.x, to.x)) - o), top,
           clampX(static_cast<long long>(std::max(from.x, to.x)) - o + width), bottom});
    spans.assign(static_cast<std::size_t>(bottom - top), {area.right, area.left});
    const auto lo = [](int a, int b) { return static_cast<long long>(std::min(a, b)); };
    const auto hi = [](int a, int b) { return static_cast<long long>(std::max(a, b)); };
    const bool inside = lo(from.x, to.x) - o >= area.left && hi(from.x, to.x) - o + width <= area.right &&
                        lo(from.y, to.y) - o >= area.top && hi(from.y, to.y) - o + width <= area.bottom;
    if (inside) {
        // The usual case, without clamping.
        // The points of one row form a run; its squares widen `width` rows at once.
        auto stamp = [&](long long ly, long long x0, long long x1) {
            const int c0 = static_cast<int>(x0 - o), c1 = static_cast<int>(x1 - o) + width;
            auto* span = &spans[static_cast<std::size_t>(ly - o - top)];
            for (int i = 0; i < width; ++i, ++span) {
                span->first = std::min(span->first, c0);
                span->second = std::max(span->second, c1);
            }
        };
        long long runY = from.y, runLow = from.x, runHigh = from.x;
        WalkLine(from.x, from.y, to.x, to.y, [&](long long lx, long long ly) {
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
        WalkLine(from.x, from.y, to.x, to.y, [&](long long lx, long long ly) {
            const int r0 = clampY(ly - o), r1 = clampY(ly - o + width);
            if (r0 >= r1)
                return;
            const int c0 = clampX(lx - o), c1 = clampX(lx - o + width);
            for (int r = r0; r < r1; ++r) {
                auto& span = spans[static_cast<std::size_t>(r - top)];
                span.first = std::min(span.first, c0);
                span.second = std::max(span.second, c1);
            }
        });
    }
    // Marked a band of rows at a time, from the spans: the line's box would
    // mark tiles it never touches. A band ends with the last logical row that
    // starts in its row of tiles.
    const Pixels px = Writable({});
    TRect band{area.right, top, area.left, top};
    const auto bandEnd = [&](int r) {
        const int tileRow = r * k / Damage::kTileHeight;
        return ((tileRow + 1) * Damage::kTileHeight + k - 1) / k;
    };
    int end = bandEnd(top);
    for (int r = top; r < bottom; ++r) {
        if (r == end) {
            band.bottom = r;
            if (band.left < band.right)
                damage.Mark(Dev(band));
            band = {area.right, r, area.left, r};
            end = bandEnd(r);
        }
        const auto [c0, c1] = spans[static_cast<std::size_t>(r - top)];
        if (c0 >= c1)
            continue;
        band.left = std::min(band.left, c0);
        band.right = std::max(band.right, c1);
        const auto n = static_cast<std::size_t>(c1 - c0) * static_cast<std::size_t>(k);
        std::uint32_t* row = px.Row(r * k) + c0 * k;
        for (int d = 0; d < k; ++d, row += px.stride) {
            if (notXor)
                NotXorRow(row, n, color);
            else
                FillRow(row, n, color);
        }
    }
    band.bottom = bottom;
    if (band.left < band.right)
        damage.Mark(Dev(band));
}

// ---------------------------------------------------------------------------
// Areas

void TDrawSurface::FillSolid(const TRect& rect, TColor color) {
    const TRect r = rect.Intersected(WritableArea());
    if (r.Empty())
        return;
    if (m_layerMode != LayerMode::Off) {
        LayerCovered(r);
        if (LayerCall(2, r.left, r.top, r.right, r.bottom, DeviceColor(color)))
            return;
    }
    m_impl->Fill(r, DeviceColor(color));
}

void TDrawSurface::FillRect(const TRect& rect) {
    Realize();
    const TBrushData& brush = m_brush.m_data;
    const TRect r = rect.Intersected(WritableArea());
    if (r.Empty())
        return;
    const bool tiled = brush.Bitmap && !brush.Bitmap->Empty();
    if (m_layerMode != LayerMode::Off && (tiled || brush.Style != bsClear)) {
        if (tiled || brush.Style == bsSolid || m_backgroundMode == bkOpaque)
            LayerCovered(r);
        else
            LayerReads();
        if (LayerCall(3, r.left, r.top, r.right, r.bottom, tiled ? brush.Bitmap->Image().cacheKey() : 0,
                      DeviceColor(brush.Color), static_cast<int>(brush.Style), m_backgroundMode,
                      DeviceColor(m_backgroundColor)))
            return;
    }
    if (tiled) {
        const QImage& tile = brush.Bitmap->Image();
        const int tw = tile.width(), th = tile.height();
        m_impl->Cover(r);
        const Impl::Pixels px = m_impl->Writable(m_impl->Dev(r));
        const int k = m_impl->k;
        const TRect d = m_impl->Dev(r);
        for (int y = d.top; y < d.bottom; ++y) {
            const auto* src = reinterpret_cast<const std::uint32_t*>(tile.constScanLine((y / k) % th));
            std::uint32_t* dst = px.Row(y);
            for (int x = d.left; x < d.right; ++x)
                dst[x] = m_monochrome ? MonochromeOf(src[(x / k) % tw]) : (src[(x / k) % tw] | kOpaqueBits);
        }
        return;
    }
    if (brush.Style == bsClear)
        return;
    if (brush.Style == bsSolid) {
        m_impl->Fill(r, DeviceColor(brush.Color));
        return;
    }
    const std::uint32_t color = DeviceColor(brush.Color);
    const bool opaque = m_backgroundMode == bkOpaque;
    const std::uint32_t gap = DeviceColor(m_backgroundColor);
    m_impl->Flush(r);
    const Impl::Pixels px = m_impl->Writable(m_impl->Dev(r));
    const int k = m_impl->k;
    const TRect d = m_impl->Dev(r);
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
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (m_layerMode != LayerMode::Off) {
        // One call in the hash, drawn with hashing off: a probe must hash
        // exactly what a real run does.
        const TPenData& p = m_pen.m_data;
        const TRect area = WritableArea();
        LayerReads();
        if (LayerCall(4, left, top, right, bottom, DeviceColor(p.Color), static_cast<int>(p.Style), p.Width,
                      static_cast<int>(p.Mode), m_brush.m_data.Bitmap ? m_brush.m_data.Bitmap->Image().cacheKey() : 0,
                      DeviceColor(m_brush.m_data.Color), static_cast<int>(m_brush.m_data.Style), m_backgroundMode,
                      DeviceColor(m_backgroundColor), area.left, area.top, area.right, area.bottom))
            return;
        const LayerMode mode = std::exchange(m_layerMode, LayerMode::Off);
        Rectangle(left, top, right, bottom);
        m_layerMode = mode;
        return;
    }
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
        // The wide outline lies inside the rectangle: four bands, each painted on its own.
        FillRect({left + w, top + w, right - w, bottom - w});
        const TRect area = WritableArea();
        if (area.Empty())
            return;
        const std::uint32_t color = DeviceColor(pen.Color);
        const bool notXor = pen.Mode == pmNotXor;
        auto band = [&](const TRect& b) {
            const TRect r = b.Intersected(area);
            if (!r.Empty())
                m_impl->Paint(r, color, notXor);
        };
        const int wx = std::min(w, right - left), wy = std::min(w, bottom - top);
        band({left, top, right, top + wy});
        if (bottom - top > wy)
            band({left, bottom - wy, right, bottom});
        if (bottom - top > 2 * wy) {
            band({left, top + wy, left + wx, bottom - wy});
            if (right - left > wx)
                band({right - wx, top + wy, right, bottom - wy});
        }
        return;
    }
    FillRect({left + 1, top + 1, right - 1, bottom - 1});
    const TPoint saved = m_penPos;
    MoveTo(left, top);
    if (right - left == 1 && bottom - top == 1) {
        // All four sides would have zero length: the outline is this one pixel.
        LineTo(right, top);
        m_penPos = saved;
        return;
    }
    LineTo(right - 1, top);
    LineTo(right - 1, bottom - 1);
    LineTo(left, bottom - 1);
    LineTo(left, top);
    m_penPos = saved;
}

void TDrawSurface::SetPixel(int x, int y, TColor color) {
    if (!WritableArea().Contains(x, y))
        return;
    if (m_layerMode != LayerMode::Off) {
        LayerReads();
        if (LayerCall(5, x, y, DeviceColor(color)))
            return;
    }
    m_impl->FlushAll();
    const Impl::Pixels px = m_impl->Writable(m_impl->Dev({x, y, x + 1, y + 1}));
    const int k = m_impl->k;
    for (int dy = 0; dy < k; ++dy)
        FillRow(px.Row(y * k + dy) + x * k, static_cast<std::size_t>(k), DeviceColor(color));
}

TColor TDrawSurface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return clNone;
    LayerPeeks();
    m_impl->FlushAll();
    const std::uint32_t v = m_impl->Row(y * m_impl->k)[x * m_impl->k];
    return RGBColor(static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF));
}

// ---------------------------------------------------------------------------
// Text

TSize TDrawSurface::TextExtent(const std::string& text) {
    Realize();
    ITextMeasurer& measurer = Measurer();
    return measurer.TextExtent(m_font.m_data, text);
}

void TDrawSurface::TextOut(int x, int y, const std::string& text) {
    Realize();
    const TRect area = WritableArea();
    if (area.Empty() || text.empty())
        return;
    ITextMeasurer& measurer = Measurer();
    const TSize extent = measurer.TextExtent(m_font.m_data, text);
    const int ascent = measurer.Ascent(m_font.m_data);
    if (m_layerMode != LayerMode::Off) {
        // Texts blend with what lies below them; the measures place and back them.
        LayerReads();
        LayerText(text);
        LayerText(m_font.m_data.Name);
        const TFontStyles& style = m_font.m_data.Style;
        if (LayerCall(6, x, y, extent.cx, extent.cy, ascent, m_font.m_data.Height,
                      style.Bold | style.Italic << 1 | style.Underline << 2 | style.StrikeOut << 3,
                      m_font.m_data.Charset, m_font.m_data.Escapement, DeviceColor(m_textColor), m_textAlign,
                      m_backgroundMode, DeviceColor(m_backgroundColor), area.left, area.top, area.right, area.bottom))
            return;
    }

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
        const TRect box = TRect{x + left, y + top, x + left + extent.cx, y + top + extent.cy}.Intersected(area);
        if (!box.Empty())
            m_impl->Fill(box, DeviceColor(m_backgroundColor));
    }

    Impl::TextFont& font = m_impl->FontFor(m_font.m_data, m_monochrome);
    // Tabs and line breaks are left to QPainter, which treats them its own way.
    const bool plain = std::none_of(text.begin(), text.end(), [](char c) { return c >= 0 && c < ' '; });
    bool kept = m_caches.fonts;
    Impl::LaidOutText* laidOut = plain ? &Impl::Layout(font, text, kept) : nullptr;
    // From here on device pixels: the font is k times the size, at k times the place.
    const int k = m_impl->k;
    const TRect device = m_impl->Dev(area);
    if (laidOut && kept && !rotated && m_caches.textPixels &&
        m_impl->DrawKnownText(font, *laidOut, (x + left) * k, (y + top) * k, DeviceColor(m_textColor), device))
        return;
    QPainter& painter = m_impl->Painter(device);
    // Glyphs go with their baseline at the font's whole-pixel ascent below the top.
    QPointF origin(left * k, top * k + font.ascent - (laidOut ? laidOut->baseline : 0));
    if (rotated) {
        QTransform transform = QTransform::fromTranslate(x * k, y * k);
        transform.rotate(-m_font.m_data.Escapement / 10.0);
        painter.setTransform(transform);
        m_impl->painterTransformed = true;
        if (m_backgroundMode == bkOpaque)
            painter.fillRect(QRect(left * k, top * k, extent.cx * k, extent.cy * k),
                             QColor::fromRgb(DeviceColor(m_backgroundColor)));
    } else {
        if (m_impl->painterTransformed) {
            painter.resetTransform();
            m_impl->painterTransformed = false;
        }
        origin += QPointF(x * k, y * k);
    }
    const QRgb pen = DeviceColor(m_textColor);
    if (pen != m_impl->painterPen) {
        painter.setPen(QColor::fromRgb(pen));
        m_impl->painterPen = pen;
    }
    if (!laidOut) {
        painter.setFont(font.font);
        painter.drawText(origin, QString::fromStdString(text));
        return;
    }
    for (const QGlyphRun& run : laidOut->runs)
        painter.drawGlyphRun(origin, run);
}

// ---------------------------------------------------------------------------
// Clipping

void TDrawSurface::IntersectClip(const TRect& rect) {
    const TRect r = Normalized(rect);
    TRect clipped = m_clip ? m_clip->Intersected(r) : r;
    if (clipped.Empty())
        clipped = {0, 0, 0, 0};
    m_clip = clipped;
}

void TDrawSurface::RemoveClip() { m_clip.reset(); }

// ---------------------------------------------------------------------------
// Pixel copies and pictures

void TDrawSurface::Impl::Copy(const QImage& source, int sourceScale, bool convert, int x, int y, const TRect& area) {
    if (sourceScale != k) {
        // A picture (or surface) of another scale: each of its logical pixels
        // becomes a block of this surface, nearest pixel.
        const int w = source.width() / sourceScale, h = source.height() / sourceScale;
        const TRect target = TRect{x, y, x + w, y + h}.Intersected(area);
        if (target.Empty())
            return;
        Cover(target);
        const Pixels px = Writable(Dev(target));
        const TRect d = Dev(target);
        for (int row = d.top; row < d.bottom; ++row) {
            const auto* src = reinterpret_cast<const std::uint32_t*>(
                source.constScanLine(((row - y * k) * sourceScale) / k));
            std::uint32_t* dst = px.Row(row);
            for (int col = d.left; col < d.right; ++col) {
                const std::uint32_t v = src[((col - x * k) * sourceScale) / k];
                dst[col] = convert ? MonochromeOf(v) : (v | kOpaqueBits);
            }
        }
        return;
    }
    x *= k;
    y *= k;
    const TRect target = TRect{x, y, x + source.width(), y + source.height()}.Intersected(Dev(area));
    if (target.Empty())
        return;
    if (!convert && target == TRect{0, 0, image.width(), image.height()} && x == 0 && y == 0 &&
        source.size() == image.size() && source.format() == image.format()) {
        // The whole image: share the pixels, copy-on-write, instead of copying them.
        pending.clear();
        EndPainting();
        image = source;
        damage.all = true;
        return;
    }
    Settle(target, false);
    const Pixels px = Writable(target);
    const auto* srcBits = reinterpret_cast<const std::uint32_t*>(source.constBits());
    const std::ptrdiff_t srcStride = source.bytesPerLine() / 4;
    const auto n = static_cast<std::size_t>(target.right - target.left);
    auto srcRow = [&](int row) { return srcBits + (row - y) * srcStride + (target.left - x); };
    if (convert) {
        for (int row = target.top; row < target.bottom; ++row) {
            const std::uint32_t* src = srcRow(row);
            std::uint32_t* dst = px.Row(row) + target.left;
            for (std::size_t i = 0; i < n; ++i)
                dst[i] = MonochromeOf(src[i]);
        }
        return;
    }
    // memmove: a surface may copy onto itself.
    if (srcStride == px.stride && static_cast<std::ptrdiff_t>(n) == px.stride) {
        std::memmove(px.Row(target.top), srcRow(target.top),
                     n * static_cast<std::size_t>(target.bottom - target.top) * sizeof(std::uint32_t));
        return;
    }
    for (int row = target.top; row < target.bottom; ++row)
        std::memmove(px.Row(row) + target.left, srcRow(row), n * sizeof(std::uint32_t));
}

void TDrawSurface::CopyFrom(const TDrawSurface& source, int x, int y) {
    if (m_layerMode != LayerMode::Off) {
        // Another surface's pixels have no identity to hash.
        LayerDirty();
        if (m_layerMode == LayerMode::Probe)
            return;
    }
    source.m_impl->FlushAll();
    source.m_impl->EndPainting();  // a painted image would be copied, not shared
    m_impl->Copy(source.m_impl->image, source.m_impl->k, m_monochrome && !source.m_monochrome, x, y, WritableArea());
}

void TDrawSurface::DrawPicture(int x, int y, const TPicture& picture) {
    if (picture.Empty())
        return;
    if (m_layerMode != LayerMode::Off) {
        const TRect area = WritableArea();
        LayerReads();
        if (LayerCall(7, x, y, picture.Image().cacheKey(), area.left, area.top, area.right, area.bottom))
            return;
    }
    m_impl->Copy(picture.Image(), 1, m_monochrome, x, y, WritableArea());
}

void TDrawSurface::Impl::Stretch(const StretchKey& key, const QImage& src) {
    const TRect& r = key.rect;
    const TRect& target = key.target;
    const int w = r.right - r.left, h = r.bottom - r.top;
    const long long pw = src.width(), ph = src.height();
    const auto n = static_cast<std::size_t>(target.right - target.left) * static_cast<std::size_t>(k);
    const auto rows = static_cast<std::size_t>(target.bottom - target.top) * static_cast<std::size_t>(k);
    columns.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        columns[i] = static_cast<int>((static_cast<long long>(target.left) + static_cast<long long>(i) / k - r.left) * pw / w);
    runs.clear();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && columns[i] == columns[i - 1] + 1)
            ++runs.back().length;
        else
            runs.push_back({static_cast<int>(i), columns[i], 1});
    }
    // Long runs are copied whole (pictures hold opaque pixels only).
    const bool byRuns = !key.monochrome && runs.size() * 8 <= n;
    stretchedRow.resize(rows);
    std::size_t kept = 0;
    long long previous = -1;
    for (std::size_t row = 0; row < rows; ++row) {
        const long long sourceRow = (target.top + static_cast<long long>(row) / k - r.top) * ph / h;
        if (sourceRow != previous)
            ++kept;
        previous = sourceRow;
        stretchedRow[row] = static_cast<int>(kept - 1);
    }
    stretched.resize(n * kept);
    previous = -1;
    for (std::size_t row = 0; row < rows; ++row) {
        const long long sourceRow = (target.top + static_cast<long long>(row) / k - r.top) * ph / h;
        if (sourceRow == previous)
            continue;
        previous = sourceRow;
        std::uint32_t* dst = stretched.data() + static_cast<std::size_t>(stretchedRow[row]) * n;
        const auto* line = reinterpret_cast<const std::uint32_t*>(src.constScanLine(static_cast<int>(sourceRow)));
        if (byRuns) {
            for (const ColumnRun& run : runs)
                std::memcpy(dst + run.target, line + run.source, static_cast<std::size_t>(run.length) * sizeof(std::uint32_t));
        } else if (key.monochrome) {
            for (std::size_t i = 0; i < n; ++i)
                dst[i] = MonochromeOf(line[columns[i]]);
        } else {
            for (std::size_t i = 0; i < n; ++i)
                dst[i] = line[columns[i]];
        }
    }
    stretchKey = key;
}

void TDrawSurface::Impl::StretchDirect(const TRect& r, const TRect& target, const QImage& src, bool monochrome) {
    Cover(target);
    const TRect d = Dev(target);
    const Pixels px = Writable(d);
    const long long pw = src.width(), ph = src.height();
    const long long w = r.right - r.left, h = r.bottom - r.top;
    runs.clear();
    for (int x = d.left; x < d.right; ++x) {
        const int c = static_cast<int>((x / k - r.left) * pw / w);
        if (!runs.empty() && !monochrome && c == runs.back().source + runs.back().length)
            ++runs.back().length;
        else
            runs.push_back({x, c, 1});
    }
    for (int y = d.top; y < d.bottom; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(src.constScanLine(static_cast<int>((y / k - r.top) * ph / h)));
        std::uint32_t* dst = px.Row(y);
        for (const ColumnRun& run : runs) {
            if (monochrome)
                dst[run.target] = MonochromeOf(line[run.source]);
            else
                std::memcpy(dst + run.target, line + run.source, static_cast<std::size_t>(run.length) * sizeof(std::uint32_t));
        }
    }
}

void TDrawSurface::StretchPicture(const TRect& rect, const TPicture& picture) {
    if (picture.Empty())
        return;
    const TRect r = Normalized(rect);
    const TRect target = r.Intersected(WritableArea());
    if (target.Empty())
        return;
    const QImage& src = picture.Image();
    if (m_layerMode != LayerMode::Off) {
        LayerCovered(target);
        if (LayerCall(8, r.left, r.top, r.right, r.bottom, target.left, target.top, target.right, target.bottom,
                      src.cacheKey()))
            return;
    }
    if (!m_caches.stretch) {
        m_impl->StretchDirect(r, target, src, m_monochrome);
        return;
    }
    const Impl::StretchKey key{src.cacheKey(), r, target, m_impl->k, m_monochrome};
    if (!(key == m_impl->stretchKey))
        m_impl->Stretch(key, src);
    m_impl->Cover(target);
    const Impl::Pixels px = m_impl->Writable(m_impl->Dev(target));
    const TRect d = m_impl->Dev(target);
    const auto n = static_cast<std::size_t>(d.right - d.left);
    const std::uint32_t* kept = m_impl->stretched.data();
    const int* keptRow = m_impl->stretchedRow.data();
    for (int y = d.top; y < d.bottom; ++y, ++keptRow)
        std::memcpy(px.Row(y) + d.left, kept + static_cast<std::size_t>(*keptRow) * n, n * sizeof(std::uint32_t));
}

// ---------------------------------------------------------------------------
// State and layers

TDrawSurface::TState TDrawSurface::SaveState() const {
    return {m_pen.m_data, m_brush.m_data, m_font.m_data, m_penPending, m_brushPending, m_fontPending,
            m_backgroundMode, m_backgroundColor, m_textColor, m_textAlign, m_penPos, m_clip};
}

void TDrawSurface::RestoreState(const TState& state) {
    m_pen.m_data = state.pen;
    m_brush.m_data = state.brush;
    m_font.m_data = state.font;
    m_penPending = state.penPending;
    m_brushPending = state.brushPending;
    m_fontPending = state.fontPending;
    m_backgroundMode = state.backgroundMode;
    m_backgroundColor = state.backgroundColor;
    m_textColor = state.textColor;
    m_textAlign = state.textAlign;
    m_penPos = state.penPos;
    m_clip = state.clip;
}

namespace {

constexpr std::uint64_t Mix(std::uint64_t hash, std::uint64_t value) {
    hash ^= value + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
    return hash * 0xFF51AFD7ED558CCDull;
}

}  // namespace

template <typename... V>
bool TDrawSurface::LayerCall(V... values) {
    ((m_layerHash = Mix(m_layerHash, static_cast<std::uint64_t>(values))), ...);
    return m_layerMode == LayerMode::Probe;
}

void TDrawSurface::LayerText(const std::string& text) {
    std::uint64_t word = 0;
    std::size_t i = 0;
    for (const char c : text) {
        word = word << 8 | static_cast<unsigned char>(c);
        if (++i % 8 == 0) {
            m_layerHash = Mix(m_layerHash, word);
            word = 0;
        }
    }
    m_layerHash = Mix(Mix(m_layerHash, word), text.size());
}

void TDrawSurface::LayerCovered(const TRect& r) const {
    if (m_layerWhole || m_layerUnusable)
        return;
    TRect& c = m_layerCovered;
    // Fills that continue the covered area along a whole side join it, as a
    // gradient's bands do; anything else is left out (coverage stays a lower bound).
    if (c.Empty() || (r.left <= c.left && r.top <= c.top && r.right >= c.right && r.bottom >= c.bottom))
        c = r;
    else if (r.left <= c.left && r.right >= c.right && r.top <= c.bottom && r.bottom >= c.top)
        c = {c.left, std::min(c.top, r.top), c.right, std::max(c.bottom, r.bottom)};
    else if (r.top <= c.top && r.bottom >= c.bottom && r.left <= c.right && r.right >= c.left)
        c = {std::min(c.left, r.left), c.top, std::max(c.right, r.right), c.bottom};
    m_layerWhole = c.left <= 0 && c.top <= 0 && c.right >= Width() && c.bottom >= Height();
}

void TDrawSurface::LayerReads() const {
    if (m_layerMode != LayerMode::Off && !m_layerWhole)
        m_layerUnusable = true;
}

void TDrawSurface::LayerPeeks() const {
    // A probe has no pixels to show.
    if (m_layerMode == LayerMode::Probe)
        m_layerUnusable = true;
    LayerReads();
}

void TDrawSurface::LayerDirty() const {
    if (m_layerMode != LayerMode::Off)
        m_layerUnusable = true;
}

bool TDrawSurface::HasLayer() const {
    return m_impl->layerValid && m_impl->lastValid && m_impl->lastHash == m_impl->layerHash;
}

void TDrawSurface::AbandonLayer() {
    m_layerMode = LayerMode::Off;
    m_impl->lastValid = false;
}

void TDrawSurface::BeginLayer(bool probe) {
    m_layerMode = probe ? LayerMode::Probe : LayerMode::Record;
    m_layerCovered = {};
    m_layerWhole = false;
    m_layerUnusable = false;
    m_layerHash = Mix(Mix(Mix(0, static_cast<std::uint64_t>(Width()) << 32 | static_cast<std::uint32_t>(Height())),
                          static_cast<std::uint64_t>(m_impl->k)),
                      m_monochrome);
}

bool TDrawSurface::EndLayer() {
    const LayerMode mode = std::exchange(m_layerMode, LayerMode::Off);
    Impl& impl = *m_impl;
    const bool usable = m_layerWhole && !m_layerUnusable;
    if (mode == LayerMode::Probe) {
        if (!usable || !impl.layerValid || m_layerHash != impl.layerHash)
            return false;
        // Every pixel is replaced: pending fills and a shared frame go as they are.
        impl.pending.clear();
        impl.EndPainting();
        if (!impl.image.isDetached())
            impl.TakeSpareImage();
        impl.damage.CopyMarked(impl.layer, impl.image);
        impl.damage.Clear(m_caches.tileMarks);
        impl.clear = {0, 0, impl.image.width(), impl.image.height()};
        return true;
    }
    if (mode != LayerMode::Record)
        return false;
    // Pixels that change from paint to paint are not worth a copy: they are
    // kept when the run repeats the one before, or to start with.
    const bool repeated = impl.lastValid && impl.lastHash == m_layerHash;
    impl.lastHash = m_layerHash;
    impl.lastValid = usable;
    if (!usable || (impl.layerValid && !repeated))
        return false;
    impl.FlushAll();
    if (impl.layer.size() != impl.image.size() || impl.layer.format() != impl.image.format())
        impl.layer = QImage(impl.image.size(), impl.image.format());
    std::memcpy(impl.layer.bits(), impl.image.constBits(), static_cast<std::size_t>(impl.image.sizeInBytes()));
    impl.damage.Clear(m_caches.tileMarks);
    impl.spareDamage.all = true;
    impl.layerHash = m_layerHash;
    impl.layerValid = true;
    return false;
}
