#include "ChartEngine.h"

#include <algorithm>

TChartAxis::TChartAxis(TCustomAxisPanel* chart, TAxisKind kind)
    : m_chart(chart),
      m_kind(kind),
      m_horizontal(kind == TAxisKind::akBottom || kind == TAxisKind::akTop),
      m_otherSide(kind == TAxisKind::akTop || kind == TAxisKind::akRight || kind == TAxisKind::akDepth),
      m_isDepthAxis(kind == TAxisKind::akDepth) {}

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
    for (TAxisKind kind : {TAxisKind::akBottom, TAxisKind::akTop, TAxisKind::akLeft, TAxisKind::akRight,
                           TAxisKind::akDepth})
        m_axes.push_back(std::make_unique<TChartAxis>(this, kind));
}

TCustomAxisPanel::~TCustomAxisPanel() {
    m_destroying = true;
    while (m_seriesList.Count() > 0) {
        TChartSeries* series = m_seriesList[0];
        series->DetachFromChart(false);
        delete series;
    }
}

void TCustomAxisPanel::SetColor(TColor value) {
    if (value == m_color)
        return;
    m_color = value;
    InvalidateChart();
}

void TCustomAxisPanel::SetBackColor(TColor value) {
    if (value == m_backColor)
        return;
    m_backColor = value;
    InvalidateChart();
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
