#include "ChartAxisPanel.h"

#include "ChartEngine.h"

#include "Errors.h"

#include <algorithm>

int TChartSeriesList::IndexOf(const TChartSeries* series) const {
    auto it = std::find(m_items.begin(), m_items.end(), series);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

int TChartSeriesList::ActiveCount() const {
    return static_cast<int>(std::count_if(m_items.begin(), m_items.end(),
                                          [](const TChartSeries* s) { return s->Active(); }));
}

void TChartSeriesList::Remove(const TChartSeries* series) {
    auto it = std::find(m_items.begin(), m_items.end(), series);
    if (it != m_items.end())
        m_items.erase(it);
}

TCustomAxisPanel::TCustomAxisPanel() {
    SetRepaintEnabled(false);
    for (TAxisKind kind : {TAxisKind::akBottom, TAxisKind::akTop, TAxisKind::akLeft, TAxisKind::akRight,
                           TAxisKind::akDepth})
        m_axes.push_back(std::make_unique<TChartAxis>(this, kind));
    DepthAxis()->SetVisible(false);
    SetRepaintEnabled(true);
}

TCustomAxisPanel::~TCustomAxisPanel() {
    SetRepaintEnabled(false);
    m_destroying = true;
    while (m_seriesList.Count() > 0) {
        TChartSeries* series = m_seriesList[0];
        series->DetachFromChart(false);
        delete series;
    }
}

bool TCustomAxisPanel::IsFreeSeriesColor(TColor color) const {
    for (const TChartSeries* s : m_seriesList) {
        if (s->SeriesColor() == color)
            return false;
    }
    return color != Color() && color != BackColor();
}

TColor TCustomAxisPanel::FreeSeriesColor() const {
    for (int i = 0; i < 16; ++i) {
        if (IsFreeSeriesColor(PaletteColor(i)))
            return PaletteColor(i);
    }
    return PaletteColor(16);
}

void TCustomAxisPanel::RemoveSeries(TChartSeries& series, bool invalidate) {
    if (m_seriesList.IndexOf(&series) < 0)
        return;
    if (m_cursor == series.Cursor())
        m_cursor = m_originalCursor;
    m_seriesList.Remove(&series);
    if (invalidate)
        InvalidateChart();
}

void TCustomAxisPanel::AppendSeries(TChartSeries& series) {
    m_seriesList.Add(&series);
    InvalidateChart();
}

void TCustomAxisPanel::SetMaxPointsPerPage(int value) {
    if (value < 0)
        throw ChartException("MaxPointsPerPage must be >= 0");
    Store(m_maxPointsPerPage, value);
}

TChartSeries* TCustomAxisPanel::FirstActiveSeries() const {
    for (TChartSeries* s : m_seriesList) {
        if (s->Active())
            return s;
    }
    return nullptr;
}

TChartSeries* TCustomAxisPanel::SeriesForLegendItem(int index, bool inactiveToo) const {
    if (index < 0)
        return nullptr;
    for (TChartSeries* s : m_seriesList) {
        if ((s->Active() || inactiveToo) && s->ShowInLegend() && index-- == 0)
            return s;
    }
    return nullptr;
}

std::string TCustomAxisPanel::SeriesLegendTitle(int index, bool inactiveToo) const {
    const TChartSeries* series = SeriesForLegendItem(index, inactiveToo);
    if (series == nullptr)
        return {};
    if (!series->Title().empty())
        return series->Title();
    if (!series->Name().empty())
        return series->Name();
    return "Series " + std::to_string(index);
}

int TCustomAxisPanel::WallSizeFor(const TChartAxis& /*axis*/) const { return 0; }

bool TCustomAxisPanel::AxisShown(const TChartAxis& axis) const {
    if (!m_axisVisible || !axis.Visible())
        return false;
    if (axis.IsDepthAxis())
        return View3D();
    bool shown = true;
    for (const TChartSeries* s : m_seriesList) {
        if (s->Active() && s->NeedsAxes()) {
            shown = s->UsesAxis(axis);
            if (shown)
                break;
        }
    }
    return shown;
}

void TCustomAxisPanel::SetCanvasBrush(TColor color, TBrushStyle style, TColor back) {
    if (style != bsSolid && color == back)
        color = back == clBlack ? clWhite : clBlack;
    TChartCanvas3D& canvas = Canvas();
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(style);
    if (style == bsSolid) {
        canvas.SetBackgroundMode(bkTransparent);
    } else {
        canvas.SetBackgroundMode(bkOpaque);
        canvas.SetBackgroundColor(ResolveColor(back));
    }
}

TLineWidths TCustomAxisPanel::WidestLineWidth(const std::string& text) {
    TChartCanvas3D& canvas = Canvas();
    if (text.find('\r') == std::string::npos)
        return {text.empty() ? 0 : canvas.TextWidthOf(text), 1};
    TLineWidths result{0, 0};
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\r', start);
        if (end == std::string::npos)
            break;
        result.width = std::max(result.width, canvas.TextWidthOf(text.substr(start, end - start)));
        ++result.lines;
        start = end + 1;
    }
    if (start < text.size()) {
        result.width = std::max(result.width, canvas.TextWidthOf(text.substr(start)));
        ++result.lines;
    }
    return result;
}

// ---------------------------------------------------------------------------
// The paint pipeline

void TCustomAxisPanel::DrawChart(const TRect& bounds) {
    // The part before the series runs once a paint, handlers and all; the
    // canvas puts its pixels back instead of drawing them when its drawing
    // calls repeat those of the kept layer.
    TChartCanvas3D& canvas = Canvas();
    if (m_staticLayerCache)
        canvas.BeginLayer();
    try {
        DrawStaticPart(bounds);
    } catch (...) {
        canvas.AbandonLayer();
        throw;
    }
    if (!m_staticLayerCache || canvas.EndLayer())
        ++m_staticLayerDraws;
    if (OnBeforeDrawSeries)
        OnBeforeDrawSeries(*this);
    for (int i = 0; i < m_seriesList.Count(); ++i) {
        if (m_seriesList[i]->Active())
            DrawSeries(*m_seriesList[i]);
    }
    Canvas().RestoreDefaults();
    if (OnAfterDraw)
        OnAfterDraw(*this);
}

void TCustomAxisPanel::DrawStaticPart(const TRect& bounds) {
    PaintBackground(bounds);
    for (int i = 0; i < m_seriesList.Count(); ++i) {
        if (m_seriesList[i]->Active())
            m_seriesList[i]->BeforeChartPaint();
    }
    DrawTitlesLegend();
    if (!View3D()) {
        for (TChartSeries* s : m_seriesList) {
            if (s->Active())
                s->SetDepthOrder(0);
        }
    }
    LayoutAxes();
    FitSeriesMargins();
    Canvas().SetProjection(Width3D(), bounds, ChartRect());
    PaintWalls();
    if (m_axisVisible) {
        if (OnBeforeDrawAxes)
            OnBeforeDrawAxes(*this);
        for (const auto& axis : m_axes) {
            if (AxisShown(*axis))
                axis->PaintAxis();
        }
    }
}

void TCustomAxisPanel::LayoutAxes() {
    for (const auto& axis : m_axes)
        axis->PrepareScale();

    if (!View3D()) {
        SetDepths(0, 0);
    } else {
        const bool orthogonal = View3DOptions().Orthogonal();
        const double factor = orthogonal ? 0.001 : 0.002;
        const int seriesDepth = Round(ChartWidth() * Chart3DPercent() * factor);
        SetDepths(seriesDepth * std::max(1, ActiveSeriesCount()), seriesDepth);
        if (orthogonal) {
            const int shift = Width3D() + (View3DWalls() ? BackWallSize() : 0);
            TRect r = ChartRect();
            r.right -= shift;
            r.top += shift;
            SetChartRect(r);
        }
    }
    SetChartRect(ChartRect());

    // The room for labels may depend on the increment, which depends on the
    // axis length: measured on the rectangle before any axis takes room, and
    // never on what the last paint left, so every paint of the same chart
    // lays out alike.
    for (const auto& axis : m_axes)
        axis->ComputePixelSpan();
    TRect r = ChartRect();
    for (const auto& axis : m_axes) {
        if (!AxisShown(*axis))
            continue;
        TRect t = r;
        axis->ReserveSpace(t);
        const TRect both = r.Intersected(t);
        if (!both.Empty())
            r = both;
    }
    SetChartRect(r);
    for (const auto& axis : m_axes)
        axis->ComputePixelSpan();
}

void TCustomAxisPanel::FitSeriesMargins() {
    for (TChartAxis* axis : {TopAxis(), LeftAxis(), RightAxis(), BottomAxis()})
        axis->FitSeriesMargins();
}

void TCustomAxisPanel::DrawSeries(TChartSeries& series) {
    series.UpdateVisibleRange();
    if (series.FirstVisible() == -1)
        return;
    series.StartDrawing();
    const bool clip = m_clipPoints && ClippingAllowed();
    if (clip)
        Canvas().ClipToPlot(ChartRect(), 0, Width3D());
    series.DrawPoints();
    if (clip)
        Canvas().RemoveClip();
    if (series.Marks().Visible()) {
        const bool clipMarks = series.Marks().Clip() && ClippingAllowed();
        if (clipMarks)
            Canvas().ClipToPlot(ChartRect(), 0, Width3D());
        series.DrawMarks();
        if (clipMarks)
            Canvas().RemoveClip();
    }
    series.FinishDrawing();
}
