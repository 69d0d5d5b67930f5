#include "ChartLegend.h"

#include "ChartEngine.h"
#include "Errors.h"

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
void TCustomChartLegend::SetShadowSize(int value) { Store(m_shadowSize, value); }
void TCustomChartLegend::SetHorizMargin(int value) { Store(m_horizMargin, value); }
void TCustomChartLegend::SetVertMargin(int value) { Store(m_vertMargin, value); }
void TCustomChartLegend::SetColor(TColor value) { Store(m_color, value); }

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
    m_resolvedStyle = ::ResolveLegendStyle(m_legendStyle, m_chart ? m_chart->ActiveSeriesCount() : 0);
}

void TCustomChartLegend::PaintLegend() {}
