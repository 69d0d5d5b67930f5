#include "ChartSeries.h"

#include "ChartEngine.h"
#include "Errors.h"
#include "Formatting.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <random>

TColor PaletteColor(int index) {
    static constexpr std::array<TColor, 16> palette = {
        clRed,  clGreen, clYellow, clBlue,   clWhite,  clGray,   clFuchsia, clTeal,
        clNavy, clMaroon, clLime,  clOlive,  clPurple, clSilver, clAqua,    clBlack};
    return palette[static_cast<std::size_t>(index % 16)];
}

namespace {

std::string FormatValue(const std::string& pattern, double value) {
    return FormatFloat(QString::fromStdString(pattern), value).toStdString();
}

}  // namespace

// ---- TSeriesMarks ----

void TSeriesMarks::SetVisible(bool value) {
    if (AssignChanged(m_visible, value))
        Changed();
}

void TSeriesMarks::SetStyle(TSeriesMarksStyle value) {
    if (AssignChanged(m_style, value))
        Changed();
}

void TSeriesMarks::SetArrowLength(int value) {
    CheckPixels<ChartException>(value, "Marks Arrow Length");
    if (AssignChanged(m_arrowLength, value))
        Changed();
}

void TSeriesMarks::SetClip(bool value) {
    if (AssignChanged(m_clip, value))
        Changed();
}

void TSeriesMarks::SetBackColor(TColor value) {
    if (AssignChanged(m_backColor, value))
        Changed();
}

void TSeriesMarks::Draw(TChartCanvas& canvas, int index, TPoint anchor, const std::string& text, bool below) {
    // A point mapped a billion pixels away has a mark no surface can show, and
    // its box and arrow would no longer fit in int.
    constexpr std::int64_t Far = 1 << 30;
    const auto remember = [&](const TRect& box) {
        if (index < 0)
            return;
        if (index >= static_cast<int>(m_positions.size()))
            m_positions.resize(static_cast<std::size_t>(index) + 1);
        m_positions[static_cast<std::size_t>(index)] = box;
    };
    if (std::abs(std::int64_t{anchor.x}) > Far || std::abs(std::int64_t{anchor.y}) > Far) {
        remember(TRect{});
        return;
    }
    canvas.AssignFont(m_font);
    const int lineHeight = canvas.TextLineHeight();
    const int fw = FrameWidth();
    const int boxWidth = canvas.TextWidthOf(text) + 2 + 2 * fw;
    const int boxHeight = lineHeight + 1 + 2 * fw;

    if (m_arrow.Visible() && m_arrowLength > 0) {
        canvas.UseChartPen(m_arrow);
        const int from = below ? anchor.y : anchor.y - 1;
        canvas.MovePenTo(anchor.x, from);
        canvas.DrawLineTo(anchor.x, below ? from + m_arrowLength : from - m_arrowLength);
    }

    TRect box;
    box.left = anchor.x - boxWidth / 2;
    box.right = box.left + boxWidth;
    box.top = below ? anchor.y + m_arrowLength : anchor.y - m_arrowLength - boxHeight;
    box.bottom = box.top + boxHeight;

    // The frame is drawn as nested one-pixel rings so that a wide pen stays
    // inside the box the margins account for.
    const TPenData ring{m_frame.Color(), m_frame.Style(), 1, m_frame.Mode()};
    canvas.Pen().Assign(fw > 0 ? ring : TPenData{m_backColor, psSolid, 1, pmCopy});
    canvas.Brush().Assign({m_backColor, bsSolid, nullptr});
    canvas.DrawBox(box.left, box.top, box.right, box.bottom);
    canvas.Brush().SetStyle(bsClear);
    for (int k = 1; k < fw; ++k)
        canvas.DrawBox(box.left + k, box.top + k, box.right - k, box.bottom - k);

    canvas.SetBackgroundMode(bkTransparent);
    canvas.SetTextAlignment(tfLeft | tfTop);
    canvas.DrawString(box.left + fw + 1, box.top + fw + 1, text);

    remember(box);
}

TRect TSeriesMarks::PositionOf(int index) const {
    if (index < 0 || index >= static_cast<int>(m_positions.size()))
        return {};
    return m_positions[static_cast<std::size_t>(index)];
}

void TSeriesMarks::ForgetPosition(int index) {
    if (index >= 0 && index < static_cast<int>(m_positions.size()))
        m_positions.erase(m_positions.begin() + index);
}

void TSeriesMarks::Changed() {
    if (m_owner)
        m_owner->RequestRepaint();
}

// ---- TChartSeries: life cycle and chart link ----

TChartSeries::TChartSeries() {
    m_xValues.SetOrder(TChartListOrder::loAscending);
}

TChartSeries::~TChartSeries() {
    m_dataSources.clear();
    m_dependents.clear();
    ClearPoints();
    if (m_parentChart)
        DetachFromChart(true);
}

void TChartSeries::DetachFromChart(bool invalidate) {
    TCustomAxisPanel* chart = m_parentChart;
    m_parentChart = nullptr;
    chart->RemoveSeries(*this, invalidate);
}

void TChartSeries::SetParentChart(TCustomAxisPanel* chart) {
    if (chart == m_parentChart)
        return;
    if (m_parentChart)
        DetachFromChart(true);
    m_parentChart = chart;
    ResolveAxes();
    if (m_parentChart && m_parentChart->SeriesList().IndexOf(this) < 0) {
        if (m_seriesColor == clDefault)
            m_seriesColor = m_parentChart->FreeSeriesColor();
        m_parentChart->AppendSeries(*this);
    }
}

bool TChartSeries::ChartIsDestroying() const {
    return m_parentChart && m_parentChart->IsDestroying();
}

void TChartSeries::RequestRepaint() const {
    if (m_parentChart)
        m_parentChart->InvalidateChart();
}

void TChartSeries::ResolveAxes() {
    if (!m_parentChart) {
        m_resolvedHorizAxis = nullptr;
        m_resolvedVertAxis = nullptr;
        return;
    }
    switch (m_horizAxis) {
    case THorizAxis::aTopAxis:
        m_resolvedHorizAxis = m_parentChart->TopAxis();
        break;
    case THorizAxis::aCustomHorizAxis:
        m_resolvedHorizAxis = m_customHorizAxis ? m_customHorizAxis : m_parentChart->BottomAxis();
        break;
    default:
        m_resolvedHorizAxis = m_parentChart->BottomAxis();
        break;
    }
    switch (m_vertAxis) {
    case TVertAxis::aRightAxis:
        m_resolvedVertAxis = m_parentChart->RightAxis();
        break;
    case TVertAxis::aCustomVertAxis:
        m_resolvedVertAxis = m_customVertAxis ? m_customVertAxis : m_parentChart->LeftAxis();
        break;
    default:
        m_resolvedVertAxis = m_parentChart->LeftAxis();
        break;
    }
}

bool TChartSeries::UsesAxis(const TChartAxis& axis) const {
    if (!NeedsAxes())
        return false;
    if (axis.Horizontal())
        return m_horizAxis == THorizAxis::aBothHorizAxis || &axis == m_resolvedHorizAxis;
    return m_vertAxis == TVertAxis::aBothVertAxis || &axis == m_resolvedVertAxis;
}

bool TChartSeries::ClassIncludes(const TChartSeries& /*other*/) const {
    return true;
}

bool TChartSeries::IsSameKind(const TChartSeries& other) const {
    return ClassIncludes(other) || other.ClassIncludes(*this);
}

// ---- Sources and dependents (idle) ----

int TChartSeries::CopyPointFrom(TChartSeries& source, int index) {
    return AddPoint(source.PointX(index), source.PointY(index), source.PointLabel(index), source.PointColor(index));
}

void TChartSeries::SourcePointAdded(TChartSeries& /*source*/, int /*index*/) {}

void TChartSeries::CopyAllFrom(TChartSeries& source) {
    ClearPoints();
    for (int i = 0; i < source.PointCount(); ++i)
        CopyPointFrom(source, i);
}

void TChartSeries::SourcePointRemoved(TChartSeries& /*source*/, int /*index*/) {}

// ---- Drawing hooks ----

void TChartSeries::StartDrawing() {
    if (BeforeDrawValues)
        BeforeDrawValues(*this);
}

void TChartSeries::FinishDrawing() {
    if (AfterDrawValues)
        AfterDrawValues(*this);
}

void TChartSeries::DrawPoints() {
    if (m_firstVisible < 0 || m_lastVisible < m_firstVisible)
        return;
    if (PointsForward()) {
        for (int i = m_firstVisible; i <= m_lastVisible; ++i)
            DrawPoint(i);
    } else {
        for (int i = m_lastVisible; i >= m_firstVisible; --i)
            DrawPoint(i);
    }
}

void TChartSeries::DrawMarks() {
    if (!m_parentChart || m_firstVisible < 0)
        return;
    for (int i = m_firstVisible; i <= m_lastVisible; ++i) {
        if (PointColor(i) != clNone)
            DrawPointMark(i, MarkText(i), {ScreenX(i), ScreenY(i)});
    }
}

void TChartSeries::DrawPointMark(int index, const std::string& text, TPoint position) {
    if (m_parentChart)
        m_marks.Draw(m_parentChart->Canvas(), index, position, text, false);
}

std::string TChartSeries::MarkText(int index) const {
    const std::string label = PointLabel(index);
    const double value = MainValue(index);
    const auto percentText = [&] {
        const double sum = MainValueList().AbsSum();
        return FormatValue(m_percentFormat, sum == 0 ? 100.0 : value * 100.0 / sum);
    };
    switch (m_marks.Style()) {
    case TSeriesMarksStyle::smsValue:
        return FormatValue(m_valueFormat, value);
    case TSeriesMarksStyle::smsPercent:
        return percentText();
    case TSeriesMarksStyle::smsLabel:
        return label.empty() ? FormatValue(m_valueFormat, value) : label;
    case TSeriesMarksStyle::smsLabelPercent:
        return label.empty() ? percentText() : label + ' ' + percentText();
    case TSeriesMarksStyle::smsLabelValue:
        return label.empty() ? FormatValue(m_valueFormat, value) : label + ' ' + FormatValue(m_valueFormat, value);
    case TSeriesMarksStyle::smsXValue:
        return FormatValue(m_valueFormat, PointX(index));
    }
    return {};
}

// ---- Points ----

TColor TChartSeries::PointColor(int index) const {
    if (index < 0 || index >= static_cast<int>(m_pointColors.size()))
        return m_seriesColor;
    const TColor c = m_pointColors[static_cast<std::size_t>(index)];
    if (c != clDefault)
        return c;
    if (m_colorEachPoint)
        return PaletteColor(index);
    return m_seriesColor;
}

std::string TChartSeries::PointLabel(int index) const {
    if (index < 0 || index >= static_cast<int>(m_pointLabels.size()))
        return {};
    const auto& label = m_pointLabels[static_cast<std::size_t>(index)];
    return label ? *label : std::string();
}

double TChartSeries::PointX(int index) const {
    return m_xValues.ValueAt(index);
}

double TChartSeries::PointY(int index) const {
    return m_yValues.ValueAt(index);
}

double TChartSeries::MainValue(int index) const {
    return MainValueList().ValueAt(index);
}

double TChartSeries::StackValue(int index) const {
    return MainValueList().ValueAt(index);
}

double TChartSeries::BaseValue(int index, bool all) const {
    if (!m_parentChart)
        return 0;
    double result = 0;
    for (TChartSeries* s : m_parentChart->SeriesList()) {
        if (!all && s == this)
            break;
        if (!s->Active() || !IsSameKind(*s) || index >= s->PointCount())
            continue;
        const double v = s->StackValue(index);
        if (v > 0)
            result += v;
    }
    return result;
}

int TChartSeries::AddPoint(double x, double y, const std::string& label, TColor color) {
    m_xValues.SetPendingValue(x);
    m_yValues.SetPendingValue(y);
    if (OnBeforeAdd && !OnBeforeAdd(*this))
        return -1;
    const int i = m_xValues.AddInOrder(x);
    m_yValues.InsertAt(i, y);
    MakeRoomForOne(m_pointColors);
    MakeRoomForOne(m_pointLabels);
    m_pointColors.insert(m_pointColors.begin() + i, color);
    m_pointLabels.insert(m_pointLabels.begin() + i,
                         label.empty() ? std::nullopt : std::optional<std::string>(label));
    PointAdded(i);
    return i;
}

void TChartSeries::PointAdded(int index) {
    if (OnAfterAdd)
        OnAfterAdd(*this, index);
    if (m_active)
        RequestRepaint();
}

int TChartSeries::AppendPoint(double value, const std::string& label, TColor color) {
    const double count = PointCount();
    if (YIsMain())
        return AddPoint(count, value, label, color);
    return AddPoint(value, count, label, color);
}

int TChartSeries::AppendNull(const std::string& label) {
    return AppendPoint(0, label, clNone);
}

int TChartSeries::AddNullPoint(double x, double y, const std::string& label) {
    return AddPoint(x, y, label, clNone);
}

void TChartSeries::EmptyLists() {
    for (TChartValueList* list : m_valueLists)
        list->RemoveAll();
    m_pointColors.clear();
    m_pointColors.shrink_to_fit();
    m_pointLabels.clear();
    m_pointLabels.shrink_to_fit();
    m_marks.ForgetPositions();
}

void TChartSeries::ClearPoints() {
    EmptyLists();
    if (OnClearValues)
        OnClearValues(*this);
    if (m_active && m_parentChart && !m_parentChart->IsDestroying())
        RequestRepaint();
}

void TChartSeries::RemovePoint(int index) {
    for (TChartValueList* list : m_valueLists)
        list->RemoveAt(index);
    if (index < static_cast<int>(m_pointColors.size()))
        m_pointColors.erase(m_pointColors.begin() + index);
    if (index < static_cast<int>(m_pointLabels.size()))
        m_pointLabels.erase(m_pointLabels.begin() + index);
    m_marks.ForgetPosition(index);
    if (m_active)
        RequestRepaint();
}

void TChartSeries::ExchangePoints(int a, int b) {
    for (TChartValueList* list : m_valueLists)
        list->Exchange(a, b);
    std::swap(m_pointColors[static_cast<std::size_t>(a)], m_pointColors[static_cast<std::size_t>(b)]);
    std::swap(m_pointLabels[static_cast<std::size_t>(a)], m_pointLabels[static_cast<std::size_t>(b)]);
}

void TChartSeries::SetPointColor(int index, TColor color) {
    m_pointColors[static_cast<std::size_t>(index)] = color;
    RequestRepaint();
}

void TChartSeries::SetPointLabel(int index, const std::string& label) {
    auto& stored = m_pointLabels[static_cast<std::size_t>(index)];
    const std::optional<std::string> value = label.empty() ? std::nullopt : std::optional(label);
    if (stored == value)
        return;
    stored = value;
    RequestRepaint();
}

void TChartSeries::FillRandom(int count) {
    if (count < 1)
        throw ChartException("FillSampleValues NumValues must be > 0");
    std::minstd_rand generator(static_cast<unsigned>(count));
    std::uniform_int_distribution<int> step(-10, 10);
    ClearPoints();
    double value = 50;
    for (int i = 0; i < count; ++i) {
        value += step(generator);
        AppendPoint(value);
    }
}

double TChartSeries::HighestX() const {
    return m_xValues.Largest();
}

double TChartSeries::HighestY() const {
    return m_yValues.Largest();
}

double TChartSeries::LowestX() const {
    return m_xValues.Smallest();
}

double TChartSeries::LowestY() const {
    return m_yValues.Smallest();
}

void TChartSeries::InsertPendingExtras(int index) {
    for (int i = 2; i < m_valueLists.Count(); ++i)
        m_valueLists[i]->InsertAt(index, m_valueLists[i]->PendingValue());
}

TChartValueList& TChartSeries::ValueListNamed(const std::string& name) {
    auto lower = [](const std::string& s) {
        std::string r = s;
        std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return r;
    };
    const std::string wanted = lower(name);
    for (int i = 2; i < m_valueLists.Count(); ++i) {
        if (lower(m_valueLists[i]->Name()) == wanted)
            return *m_valueLists[i];
    }
    return m_yValues;
}

// ---- Property setters ----

void TChartSeries::SetActive(bool value) {
    if (AssignChanged(m_active, value))
        RequestRepaint();
}

void TChartSeries::SetSeriesColor(TColor value) {
    if (AssignChanged(m_seriesColor, value))
        RequestRepaint();
}

void TChartSeries::SetColorEachPoint(bool value) {
    if (!value)
        std::fill(m_pointColors.begin(), m_pointColors.end(), clDefault);
    if (AssignChanged(m_colorEachPoint, value))
        RequestRepaint();
}

void TChartSeries::SetShowInLegend(bool value) {
    if (AssignChanged(m_showInLegend, value))
        RequestRepaint();
}

void TChartSeries::SetTitle(const std::string& value) {
    if (AssignChanged(m_title, value))
        RequestRepaint();
}

void TChartSeries::SetValueFormat(const std::string& value) {
    if (AssignChanged(m_valueFormat, value))
        RequestRepaint();
}

void TChartSeries::SetPercentFormat(const std::string& value) {
    if (AssignChanged(m_percentFormat, value))
        RequestRepaint();
}

void TChartSeries::SetHorizAxis(THorizAxis value) {
    if (value == m_horizAxis)
        return;
    m_horizAxis = value;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetVertAxis(TVertAxis value) {
    if (value == m_vertAxis)
        return;
    m_vertAxis = value;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* axis) {
    if (axis == m_customHorizAxis)
        return;
    m_customHorizAxis = axis;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* axis) {
    if (axis == m_customVertAxis)
        return;
    m_customVertAxis = axis;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetLimitToVisible(bool value) {
    if (AssignChanged(m_limitToVisible, value))
        RequestRepaint();
}

// ---------------------------------------------------------------------------
// The drawing side: points in view, pixel positions, legend texts and legend
// symbols.

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
