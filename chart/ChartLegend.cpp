#include "ChartLegend.h"

#include "ChartEngine.h"
#include "Errors.h"

#include <algorithm>

TCustomChartLegend::TCustomChartLegend(TCustomAxisPanel* chart)
    : m_chart(chart),
      m_font([this] { Repaint(); }),
      m_frame([this] { Repaint(); }),
      m_brush([this] { Repaint(); }),
      m_dividingLines([this] { Repaint(); }) {}

void TCustomChartLegend::Repaint() const {
    if (m_chart)
        m_chart->InvalidateChart();
}

void TCustomChartLegend::Assign(const TCustomChartLegend& source) {
    if (&source == this)
        return;
    m_visible = source.m_visible;
    m_legendStyle = source.m_legendStyle;
    m_firstValue = source.m_firstValue;
    m_alignment = source.m_alignment;
    m_textStyle = source.m_textStyle;
    m_colorWidth = source.m_colorWidth;
    m_horizMargin = source.m_horizMargin;
    m_vertMargin = source.m_vertMargin;
    m_resizeChart = source.m_resizeChart;
    m_inverted = source.m_inverted;
    m_topPos = source.m_topPos;
    m_color = source.m_color;
    m_frame.Assign(source.m_frame);
    m_maxNumRows = source.m_maxNumRows;
    m_brush.Assign(source.m_brush);
    m_font.Assign(source.m_font);
    Repaint();
}

void TCustomChartLegend::SetVisible(bool value) { Store(m_visible, value); }
void TCustomChartLegend::SetAlignment(TLegendAlignment value) { Store(m_alignment, value); }
void TCustomChartLegend::SetTextStyle(TLegendTextStyle value) { Store(m_textStyle, value); }
void TCustomChartLegend::SetInverted(bool value) { Store(m_inverted, value); }
void TCustomChartLegend::SetMaxNumRows(int value) { Store(m_maxNumRows, value); }
void TCustomChartLegend::SetResizeChart(bool value) { Store(m_resizeChart, value); }
void TCustomChartLegend::SetShadowColor(TColor value) { Store(m_shadowColor, value); }
void TCustomChartLegend::SetShadowSize(int value) {
    CheckPixels<LegendException>(value, "Legend Shadow Size");
    Store(m_shadowSize, value);
}

void TCustomChartLegend::SetHorizMargin(int value) {
    CheckPixels<LegendException>(value, "Legend Horizontal Margin");
    Store(m_horizMargin, value);
}

void TCustomChartLegend::SetVertMargin(int value) {
    CheckPixels<LegendException>(value, "Legend Vertical Margin");
    Store(m_vertMargin, value);
}

void TCustomChartLegend::SetColor(TColor value) { Store(m_color, value); }
void TCustomChartLegend::SetShowInactive(bool value) { Store(m_showInactive, value); }
void TCustomChartLegend::SetInactiveColor(TColor value) { Store(m_inactiveColor, value); }

void TCustomChartLegend::SetLegendStyle(TLegendStyle value) {
    if (m_legendStyle == value)
        return;
    m_legendStyle = value;
    ResolveLegendStyle();
    Repaint();
}

void TCustomChartLegend::SetColorWidth(int value) {
    if (value < 0 || value > 100)
        throw LegendException("Legend Color Width must be between 0 and 100 %");
    Store(m_colorWidth, value);
}

void TCustomChartLegend::SetTopPos(int value) {
    if (value < 0 || value > 100)
        throw LegendException("Top Legend Position must be between 0 and 100 %");
    Store(m_topPos, value);
}

void TCustomChartLegend::SetFirstValue(int value) {
    if (value < 0)
        throw LegendException("First Legend Value must be > 0");
    Store(m_firstValue, value);
}

void TCustomChartLegend::ResolveLegendStyle() {
    int count = m_chart ? m_chart->ActiveSeriesCount() : 0;
    if (m_chart && m_showInactive) {
        for (const TChartSeries* series : m_chart->SeriesList())
            count += !series->Active() && series->ShowInLegend();
    }
    m_resolvedStyle = ::ResolveLegendStyle(m_legendStyle, count);
}

TChartSeries* TCustomChartLegend::FirstActiveSeries() const {
    return m_chart ? m_chart->FirstActiveSeries() : nullptr;
}

int TCustomChartLegend::LegendSeriesCount() const {
    if (!m_chart)
        return 0;
    int count = 0;
    for (const TChartSeries* series : m_chart->SeriesList())
        if ((series->Active() || m_showInactive) && series->ShowInLegend())
            ++count;
    return count;
}

TChartSeries* TCustomChartLegend::ListedSeries(int i) const {
    return m_chart ? m_chart->SeriesForLegendItem(i, m_showInactive) : nullptr;
}

int TCustomChartLegend::LegendItemTotal() const {
    const TChartSeries* first = FirstActiveSeries();
    const int entries = first && first->ShowInLegend() ? first->LegendEntryCount() : 0;
    return ::LegendItemTotal(m_resolvedStyle, LegendSeriesCount(), entries, m_firstValue);
}

std::string TCustomChartLegend::PointItemText(const TChartSeries* series, int point) const {
    if (!series || point < 0 || point >= series->LegendEntryCount())
        return {};
    std::string text = series->LegendEntryText(point, m_textStyle);
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

std::string TCustomChartLegend::LegendItemText(int i) const {
    if (!m_chart)
        return {};
    switch (m_resolvedStyle) {
    case lsValues: {
        const TChartSeries* series = FirstActiveSeries();
        return series ? PointItemText(series, series->LegendEntryPoint(i)) : std::string();
    }
    case lsLastValues: {
        // The series of item i, the same one whose symbol the item shows.
        const TChartSeries* series = ListedSeries(i);
        return series ? PointItemText(series, series->PointCount() - 1) : std::string();
    }
    case lsSeries:
    case lsAuto:
        break;
    }
    return m_chart->SeriesLegendTitle(i, m_showInactive);
}

int TCustomChartLegend::WidestItemText(int count) {
    if (!m_chart)
        return 0;
    if (count < 0)
        count = LegendItemTotal();
    m_chart->SetCanvasFont(m_font);
    TChartCanvas3D& canvas = m_chart->Canvas();
    int widest = 0;
    for (int i = m_firstValue; i < m_firstValue + count; ++i)
        widest = std::max(widest, canvas.TextWidthOf(LegendItemText(i)));
    return widest;
}

int TCustomChartLegend::ItemsThatFit(int start, int size) {
    if (!m_chart)
        return 0;
    return ::ItemsThatFit(IsVertical(), m_chart->ChartRect(), FrameWidth(), LegendItemTotal(), start,
                          size);
}

TRect TCustomChartLegend::SymbolRect(int x, int top, int bottom) const {
    return ::SymbolRect(x, top, bottom, m_layout.SymbolWidth);
}

int TCustomChartLegend::ItemAtPoint(int x, int y) const {
    return ::ItemAtPoint(m_layout, IsVertical(), m_itemHeight, x, y);
}

int TCustomChartLegend::DrawnItemAt(int x, int y, TRect* cell) const {
    for (const TDrawnItem& drawn : m_drawnItems) {
        if (drawn.Cell.Contains(x, y)) {
            if (cell)
                *cell = drawn.Cell;
            return drawn.Item;
        }
    }
    return -1;
}

TChartSeries* TCustomChartLegend::SeriesAtPoint(int x, int y) const {
    const int item = DrawnItemAt(x, y);
    return item < 0 || m_resolvedStyle == lsValues ? nullptr : ListedSeries(item);
}

void TCustomChartLegend::PaintLegend() {
    if (!m_chart)
        return;
    m_drawnItems.clear();
    m_chart->SetLegendSymbolBackColor(m_color);
    m_chart->SetCanvasFont(m_font);
    m_itemHeight = m_chart->Canvas().TextLineHeight();

    TLegendLayoutInput in;
    in.Alignment = m_alignment;
    in.ChartRect = m_chart->ChartRect();
    in.ChartBounds = m_chart->ChartBounds();
    in.TextHeight = m_itemHeight;
    in.ItemTotal = LegendItemTotal();
    if (!IsVertical())
        in.WidestText = WidestItemText(-1);
    in.ColorWidth = m_colorWidth;
    in.FrameWidth = FrameWidth();
    in.FrameVisible = m_frame.Visible();
    in.ShadowSize = m_shadowSize;
    in.TopPos = m_topPos;
    in.MaxNumRows = m_maxNumRows;
    in.WidestOfFirst = [this](int count) { return WidestItemText(count); };
    m_layout = ComputeLegendLayout(in);
    if (m_layout.ItemSlots <= 0)
        return;

    PaintLegendBox();

    const int shown = std::min(in.ItemTotal, m_layout.ItemSlots);
    const int last = m_firstValue + shown - 1;
    for (int n = 0; n < shown; ++n) {
        const int i = m_inverted ? last - n : m_firstValue + n;
        PaintLegendItem(i, LegendItemPosition(i, m_firstValue, last, m_inverted));
    }

    m_chart->SetChartRect(ChartRectAfterLegend(m_chart->ChartRect(), m_layout.LegendRect, m_alignment,
                                               m_resizeChart, m_shadowSize, m_horizMargin,
                                               m_vertMargin));
}

void TCustomChartLegend::PaintLegendBox() {
    TChartCanvas3D& canvas = m_chart->Canvas();
    const bool framed = m_frame.Visible();
    canvas.UseChartPen(m_frame);
    if (framed && canvas.Pen().Color() == clDefault)
        canvas.Pen().SetColor(clBlack);

    const TLegendBox box = LegendBoxRects(m_layout.LegendRect, FrameWidth(), framed, m_shadowSize);
    if (box.HasShadow) {
        canvas.Brush().Assign({m_shadowColor, bsSolid, nullptr});
        canvas.FillBox(box.Shadow);
    }

    if (m_brush.HasBitmap()) {
        canvas.Brush().Assign({m_color, bsSolid, m_brush.Bitmap()});
    } else if (m_brush.Style() == bsSolid) {
        canvas.Brush().Assign({m_color, bsSolid, nullptr});
    } else {
        const TColor pattern = m_brush.Color() == clDefault ? clBlack : m_brush.Color();
        canvas.Brush().Assign({pattern, m_brush.Style(), nullptr});
        canvas.SetBackgroundMode(bkOpaque);
        canvas.SetBackgroundColor(m_color);
    }
    canvas.DrawBoxRect(box.Box);
}

void TCustomChartLegend::PaintLegendItem(int i, int position) {
    TChartCanvas3D& canvas = m_chart->Canvas();
    canvas.Pen().Assign({m_color == clBlack ? clWhite : clBlack, psSolid, 1, pmCopy});

    const bool vertical = IsVertical();
    const TPoint at = LegendItemOrigin(m_layout, vertical, position, m_itemHeight);
    const std::string text = LegendItemText(i);
    if (text.empty())
        return;

    TChartSeries* series = m_resolvedStyle == lsValues ? FirstActiveSeries() : ListedSeries(i);
    const bool dimmed = series && !series->Active();
    canvas.Brush().SetStyle(bsClear);
    canvas.SetBackgroundMode(bkTransparent);
    canvas.SetTextAlignment(tfLeft | tfTop);
    const TColor textColor = canvas.Font().Color();
    if (dimmed)
        canvas.Font().SetColor(m_inactiveColor);
    canvas.DrawString(at.x, at.y, text);
    if (dimmed)
        canvas.Font().SetColor(textColor);
    m_drawnItems.push_back({i, LegendItemCell(m_layout, vertical, position, m_itemHeight)});

    const TRect symbol = SymbolRect(at.x - 4, at.y, at.y + m_itemHeight);
    if (series) {
        const int entry = m_resolvedStyle == lsValues ? series->LegendEntryPoint(i) : -1;
        series->DrawLegendSymbol(entry, symbol);
    } else {
        canvas.Brush().Assign({clWhite, bsSolid, nullptr});
        canvas.DrawBoxRect(symbol);
    }

    if (m_dividingLines.Visible() && position > 0) {
        canvas.UseChartPen(m_dividingLines);
        canvas.SetBackgroundMode(bkTransparent);
        const TRect& r = m_layout.LegendRect;
        if (vertical)
            canvas.DrawHorizontal(r.left, r.right, at.y);
        else
            canvas.DrawVertical(symbol.left - 4, r.top, r.bottom);
    }
}
