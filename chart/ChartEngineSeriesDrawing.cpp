// The drawing side of the series base: points in view, pixel positions,
// legend texts and legend symbols.

#include "ChartEngine.h"
#include "Formatting.h"

namespace {

std::string FormatValue(const std::string& pattern, double value) {
    return FormatFloat(QString::fromStdString(pattern), value).toStdString();
}

}  // namespace

void TChartSeries::UpdateVisibleRange() {
    SetVisibleRange(-1, -1);
    const int n = PointCount() - 1;
    if (n < 0)
        return;
    const bool yIsMain = YIsMain();
    const TChartValueList& list = yIsMain ? m_xValues : m_yValues;
    const TChartAxis* axis = yIsMain ? m_resolvedHorizAxis : m_resolvedVertAxis;
    if (!m_limitToVisible || list.Order() == TChartListOrder::loNone || !axis || !m_parentChart) {
        SetVisibleRange(0, n);
        return;
    }

    const TRect& r = m_parentChart->ChartRect();
    const bool inverted = axis->Inverted();
    int loEdge = 0, hiEdge = 0;
    if (yIsMain) {
        loEdge = inverted ? r.right : r.left;
        hiEdge = inverted ? r.left : r.right;
    } else {
        loEdge = inverted ? r.top : r.bottom;
        hiEdge = inverted ? r.bottom : r.top;
    }

    const double lo = axis->PixelToValue(loEdge);
    int first = 0;
    while (list.ValueAt(first) < lo) {
        if (++first > n)
            return;
    }
    const double hi = axis->PixelToValue(hiEdge);
    if (list.FinalValue() <= hi) {
        SetVisibleRange(first, n);
        return;
    }
    int last = first;
    while (last < n && list.ValueAt(last) < hi)
        ++last;
    if (!m_drawBetween && list.ValueAt(last) > hi)
        --last;
    SetVisibleRange(first, last);
}

int TChartSeries::ScreenX(int index) const {
    return m_resolvedHorizAxis ? m_resolvedHorizAxis->ValueToPixel(PointX(index)) : 0;
}

int TChartSeries::ScreenY(int index) const {
    return m_resolvedVertAxis ? m_resolvedVertAxis->ValueToPixel(PointY(index)) : 0;
}

int TChartSeries::ScreenOfMain(double value) const {
    const TChartAxis* axis = YIsMain() ? m_resolvedVertAxis : m_resolvedHorizAxis;
    return axis ? axis->ValueToPixel(value) : 0;
}

std::string TChartSeries::LegendEntryText(int entry, TLegendTextStyle style) const {
    const int i = LegendEntryPoint(entry);
    const std::string label = PointLabel(i);
    if (style == TLegendTextStyle::ltsPlain)
        return label;
    if (style == TLegendTextStyle::ltsXValue) {
        if (m_resolvedHorizAxis)
            return m_resolvedHorizAxis->ValueLabelText(PointX(i));
        return FormatValue(m_valueFormat, PointX(i));
    }

    const double value = MainValue(i);
    if (style == TLegendTextStyle::ltsLeftValue || style == TLegendTextStyle::ltsRightValue) {
        const std::string text = FormatValue(m_valueFormat, value);
        return style == TLegendTextStyle::ltsLeftValue ? text + " " + label : label + " " + text;
    }
    const double sum = MainValueList().AbsSum();
    const double percent = sum == 0 ? 100.0 : value * 100.0 / sum;
    const std::string text = FormatValue(m_percentFormat, percent);
    return style == TLegendTextStyle::ltsLeftPercent ? text + " " + label : label + " " + text;
}

void TChartSeries::DrawLegendSymbol(int entry, TRect rect) {
    if (!m_parentChart)
        return;
    if (entry == -1 && m_colorEachPoint)
        return;
    const TColor color = entry == -1 ? m_seriesColor : LegendEntryColor(entry);
    if (color == clNone)
        return;

    const TColor legendColor = m_parentChart->LegendSymbolBackColor();
    TColor back = legendColor;
    TBrushStyle style = bsSolid;
    PrepareLegendPaint(entry, back, style);
    if (back == clDefault)
        back = legendColor != clDefault ? legendColor : m_parentChart->Color();
    m_parentChart->SetCanvasBrush(color, style, back);
    DrawLegendBox(entry, rect);
}

void TChartSeries::DrawLegendBox(int entry, TRect rect) {
    if (!m_parentChart)
        return;
    TChartCanvas& canvas = m_parentChart->Canvas();
    canvas.DrawBoxRect(rect);
    const TColor color = entry == -1 ? m_seriesColor : LegendEntryColor(entry);
    if (color != m_parentChart->LegendSymbolBackColor())
        return;
    // A symbol in the legend's own colour would vanish: outline it once more.
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetColor(color == clBlack ? clWhite : clBlack);
    canvas.DrawBoxRect(rect);
    canvas.Pen().SetColor(clBlack);
}
