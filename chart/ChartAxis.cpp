#include "ChartAxis.h"

#include "ChartEngine.h"
#include "Formatting.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <memory>
#include <span>

namespace {

bool IsCalendarStepIndex(int index) { return index >= DateStepHalfMonth && index <= DateStepOneYear; }

// Round(percent * 0.01 * length), kept within the int range for absurd percents.
int PercentOf(double percent, int length) {
    const double v = percent * 0.01 * length;
    if (!std::isfinite(v))
        return 0;
    return Round(std::clamp(v, -1e9, 1e9));
}

std::string MarkTextOf(const TChartSeries& series, int index) { return series.MarkText(index); }

}  // namespace

// ---------------------------------------------------------------------------
// Title

TChartAxisTitle::TChartAxisTitle(TNotifyHandler onChange, int angle)
    : m_onChange(std::move(onChange)), m_angle(angle), m_font(m_onChange) {}

void TChartAxisTitle::SetCaption(const std::string& value) { Store(m_caption, value); }

void TChartAxisTitle::SetAngle(int value) {
    CheckAngle(value, "Axis Title");
    Store(m_angle, value);
}

// ---------------------------------------------------------------------------
// Settings

TChartAxis::TChartAxis(TCustomAxisPanel* chart, TAxisKind kind)
    : m_chart(chart),
      m_kind(kind),
      m_horizontal(kind == TAxisKind::akBottom || kind == TAxisKind::akTop),
      m_otherSide(kind == TAxisKind::akTop || kind == TAxisKind::akRight || kind == TAxisKind::akDepth),
      m_isDepthAxis(kind == TAxisKind::akDepth) {}

void TChartAxis::RequestRepaint() const {
    if (m_chart)
        m_chart->InvalidateChart();
}

bool TChartAxis::IsLoading() const { return m_chart && m_chart->IsLoading(); }

void TChartAxis::SetAutomatic(bool value) {
    // Both ends follow even when Automatic itself already has the value.
    bool changed = AssignChanged(m_automatic, value);
    if (!IsLoading()) {
        changed = AssignChanged(m_automaticMinimum, value) || changed;
        changed = AssignChanged(m_automaticMaximum, value) || changed;
    }
    if (changed)
        RequestRepaint();
}

void TChartAxis::SetAutomaticMaximum(bool value) {
    // Automatic follows even when this end already had the value.
    bool changed = AssignChanged(m_automaticMaximum, value);
    changed = AssignChanged(m_automatic, value && m_automaticMinimum) || changed;
    if (changed)
        RequestRepaint();
}

void TChartAxis::SetAutomaticMinimum(bool value) {
    // Automatic follows even when this end already had the value.
    bool changed = AssignChanged(m_automaticMinimum, value);
    changed = AssignChanged(m_automatic, value && m_automaticMaximum) || changed;
    if (changed)
        RequestRepaint();
}

void TChartAxis::SetMinimum(double value) {
    if (!IsLoading() && value > m_maximum)
        throw AxisException("Axis Minimum Value must be <= Maximum");
    Store(m_minimum, value);
}

void TChartAxis::SetMaximum(double value) {
    if (!IsLoading() && value < m_minimum)
        throw AxisException("Axis Maximum Value must be >= Minimum");
    Store(m_maximum, value);
}

void TChartAxis::SetIncrement(double value) {
    if (value < 0)
        throw AxisException("Axis increment must be >= 0");
    Store(m_increment, value);
}

void TChartAxis::SetInverted(bool value) {
    m_scale.Inverted = value;
    Store(m_inverted, value);
}

void TChartAxis::SetStartPosition(double value) { Store(m_startPosition, value); }
void TChartAxis::SetEndPosition(double value) { Store(m_endPosition, value); }

void TChartAxis::SetLabelsSeparation(int value) {
    if (value < 0)
        throw AxisException("Labels Separation % must be greater than 0");
    Store(m_labelsSeparation, value);
}

void TChartAxis::SetExactDateTime(bool value) { Store(m_exactDateTime, value); }
void TChartAxis::SetRoundFirstLabel(bool value) { Store(m_roundFirstLabel, value); }

void TChartAxis::SetAxisValuesFormat(const std::string& value) {
    if (!AssignChanged(m_axisValuesFormat, value))
        return;
    m_formatted.clear();
    RequestRepaint();
}

void TChartAxis::SetDateTimeFormat(const std::string& value) {
    if (!AssignChanged(m_dateTimeFormat, value))
        return;
    m_formatted.clear();
    RequestRepaint();
}

void TChartAxis::SetLogarithmic(bool value) {
    if (value && IsDateTimeAxis())
        throw AxisException("DateTime Axis cannot be Logarithmic");
    if (value) {
        // The range of the coming paint, not of the last one; the working scale stays as it is.
        const TValueRange range = PreparedRange();
        if (range.Minimum < 0 || range.Maximum < 0)
            throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
    }
    Store(m_logarithmic, value);
}

void TChartAxis::SetLogarithmicBase(int value) {
    if (value < 2)
        throw AxisException("Axis Logarithmic Base should be >= 2");
    Store(m_logarithmicBase, value);
}

void TChartAxis::SetVisible(bool value) { Store(m_visible, value); }
void TChartAxis::SetPositionPercent(double value) {
    if (!(std::abs(value) <= MaxPixels))
        CheckPixels<AxisException>(value < 0 ? -MaxPixels - 1LL : MaxPixels + 1LL, "Axis Position Percent", "%");
    Store(m_positionPercent, value);
}
void TChartAxis::SetTickLength(int value) {
    CheckPixels<AxisException>(value, "Axis Tick Length");
    Store(m_tickLength, value);
}

void TChartAxis::SetTickInnerLength(int value) {
    CheckPixels<AxisException>(value, "Axis Inner Tick Length");
    Store(m_tickInnerLength, value);
}

void TChartAxis::SetMinorTickLength(int value) {
    CheckPixels<AxisException>(value, "Axis Minor Tick Length");
    Store(m_minorTickLength, value);
}
void TChartAxis::SetMinorTickCount(int value) { Store(m_minorTickCount, value); }
void TChartAxis::SetTickOnLabelsOnly(bool value) { Store(m_tickOnLabelsOnly, value); }
void TChartAxis::SetGridCentered(bool value) { Store(m_gridCentered, value); }
void TChartAxis::SetLabels(bool value) { Store(m_labels, value); }

void TChartAxis::SetLabelsAngle(int value) {
    CheckAngle(value, "Axis Labels");
    Store(m_labelsAngle, value);
}

void TChartAxis::SetLabelsMultiLine(bool value) { Store(m_labelsMultiLine, value); }
void TChartAxis::SetLabelsOnAxis(bool value) { Store(m_labelsOnAxis, value); }
void TChartAxis::SetLabelsSize(int value) {
    CheckPixels<AxisException>(value, "Axis Labels Size");
    Store(m_labelsSize, value);
}

void TChartAxis::SetLabelStyle(TAxisLabelStyle value) {
    if (AssignChanged(m_labelStyle, value))
        RequestRepaint();
}

void TChartAxis::SetTitleSize(int value) {
    CheckPixels<AxisException>(value, "Axis Title Size");
    Store(m_titleSize, value);
}

// ---------------------------------------------------------------------------
// Scaling

void TChartAxis::SetRange(double a, double b) {
    m_automatic = false;
    m_automaticMinimum = false;
    m_automaticMaximum = false;
    m_minimum = std::min(a, b);
    m_maximum = std::max(a, b);
    if (m_maximum - m_minimum < 1e-10)
        m_maximum = m_minimum + 1e-10;
    RequestRepaint();
}

bool TChartAxis::IsDateTimeAxis() const {
    if (!m_chart)
        return false;
    for (const TChartSeries* s : m_chart->SeriesList()) {
        if (s->Active() && s->UsesAxis(*this))
            return m_horizontal ? s->XValues().DateTime() : s->YValues().DateTime();
    }
    return false;
}

void TChartAxis::ComputeAutoRange() {
    const TValueRange range = PreparedRange();
    m_minimum = range.Minimum;
    m_maximum = range.Maximum;
}

TChartAxis::TValueRange TChartAxis::PreparedRange() const {
    const bool wantMaximum = m_automatic || m_automaticMaximum;
    const bool wantMinimum = m_automatic || m_automaticMinimum;
    TValueRange range{m_minimum, m_maximum};
    if (!m_chart || (!wantMaximum && !wantMinimum))
        return range;
    const auto& list = m_chart->SeriesList();
    const bool anyActive = std::any_of(list.begin(), list.end(), [this](const TChartSeries* s) {
        return s->Active() && s->UsesAxis(*this);
    });
    auto counts = [&](const TChartSeries& s) {
        if (!(s.Active() || !anyActive) || s.PointCount() < 1)
            return false;
        if (m_horizontal)
            return s.HorizAxis() == THorizAxis::aBothHorizAxis || s.ResolvedHorizAxis() == this;
        return s.VertAxis() == TVertAxis::aBothVertAxis || s.ResolvedVertAxis() == this;
    };
    auto walk = [&](bool maximum) {
        bool first = true;
        double result = 0;
        for (const TChartSeries* s : list) {
            if (!counts(*s))
                continue;
            double v = m_horizontal ? (maximum ? s->HighestX() : s->LowestX())
                                    : (maximum ? s->HighestY() : s->LowestY());
            if (first || (maximum ? v > result : v < result))
                result = v;
            first = false;
        }
        return result;
    };
    if (wantMaximum)
        range.Maximum = walk(true);
    if (wantMinimum)
        range.Minimum = walk(false);
    return range;
}

void TChartAxis::PrepareScale() {
    ComputeAutoRange();
    m_scale.Inverted = m_inverted;
    m_scale.Horizontal = m_horizontal;
    m_scale.SetRange(m_minimum, m_maximum);
}

void TChartAxis::ComputePixelSpan() {
    m_scale.Inverted = m_inverted;
    m_scale.Horizontal = m_horizontal;
    if (!m_chart)
        return;
    const TRect& r = m_chart->ChartRect();
    m_scale.SetSpan(m_horizontal ? ::ComputePixelSpan(r.left, RectWidth(r), m_startPosition, m_endPosition)
                                 : ::ComputePixelSpan(r.top, RectHeight(r), m_startPosition, m_endPosition));
}

TAxisMargins TChartAxis::CollectSeriesMargins() const {
    TAxisMargins m;
    if (!m_chart)
        return m;
    for (const TChartSeries* s : m_chart->SeriesList()) {
        if (!s->Active() || !s->UsesAxis(*this))
            continue;
        int a = 0;
        int b = 0;
        if (m_horizontal) {
            s->HorizontalMargins(a, b);
            if (m_automaticMinimum)
                m.Start = std::max(m.Start, a);
            if (m_automaticMaximum)
                m.End = std::max(m.End, b);
        } else {
            s->VerticalMargins(a, b);
            if (m_automaticMaximum)
                m.Start = std::max(m.Start, a);
            if (m_automaticMinimum)
                m.End = std::max(m.End, b);
        }
    }
    return m;
}

void TChartAxis::ApplySeriesMargins(int startMargin, int endMargin) {
    // The pure computation leaves the span untouched, which is where a fresh
    // ComputePixelSpan would bring it back to.
    ::ApplySeriesMargins(m_scale, startMargin, endMargin);
}

void TChartAxis::FitSeriesMargins() {
    const TAxisMargins m = CollectSeriesMargins();
    ApplySeriesMargins(m.Start, m.End);
}

int TChartAxis::ValueToPixel(double value) const { return m_scale.ValueToPixel(value); }

double TChartAxis::PixelToValue(int pixel) const { return m_scale.PixelToValue(pixel); }

TTextBlock TChartAxis::MeasureText(const std::string& text) const {
    const TLineWidths w = m_chart->WidestLineWidth(text);
    return {w.width, w.lines};
}

int TChartAxis::FontHeight() const { return m_chart->Canvas().TextLineHeight(); }

double TChartAxis::ComputeIncrement() {
    int size = 0;
    if (m_chart) {
        m_chart->SetCanvasFont(m_labelsFont);
        const int h = FontHeight();
        for (double v : {m_scale.ScaleMinimum, m_scale.ScaleMaximum}) {
            const TTextBlock block = MeasureText(ValueLabelText(v));
            size = std::max(size, m_horizontal ? LabelWidth(block, h, m_labelsAngle)
                                               : LabelHeight(block, h, m_labelsAngle));
        }
    }
    const int count = MaxLabelCount(m_scale.PixelLength, size, m_labelsSeparation);
    return IncrementForLabelCount(count, m_dateTimeMode, m_increment, m_scale.ScaleRange, m_labelsSeparation);
}

// ---------------------------------------------------------------------------
// Label texts

TAxisLabelStyle TChartAxis::ResolveLabelStyle() const {
    if (m_labelStyle != TAxisLabelStyle::talAuto)
        return m_labelStyle;
    TAxisLabelStyle style = TAxisLabelStyle::talNone;
    if (!m_chart)
        return style;
    for (const TChartSeries* s : m_chart->SeriesList()) {
        if (!s->Active() || !s->UsesAxis(*this))
            continue;
        style = TAxisLabelStyle::talValue;
        const bool labelsAlongThisAxis = m_horizontal == s->YIsMain();
        if (labelsAlongThisAxis && s->PointCount() > 0 && !s->PointLabel(0).empty())
            return TAxisLabelStyle::talText;
    }
    return style;
}

std::string TChartAxis::ValueLabelText(double value) const {
    return ValueLabelTextFor(value, !m_labelHandlerOff);
}

const std::string& TChartAxis::FormattedLabel(double value) const {
    enum { kValueFormat, kDateTimeFormat, kShortDateFormat, kShortTimeFormat };
    const int format = !m_dateTimeMode              ? kValueFormat
                       : !m_dateTimeFormat.empty()  ? kDateTimeFormat
                       : m_scale.ScaleRange > 1     ? kShortDateFormat
                                                    : kShortTimeFormat;
    for (const FormattedValue& f : m_formatted)
        if (f.format == format && f.value == value)
            return f.text;
    std::string text;
    if (format == kValueFormat)
        text = FormatFloat(QString::fromStdString(m_axisValuesFormat), value).toStdString();
    else if (value >= 0)
        text = FormatDateTime(format == kDateTimeFormat    ? QString::fromStdString(m_dateTimeFormat)
                              : format == kShortDateFormat ? QString::fromLatin1(ShortDateFormat)
                                                           : QString::fromLatin1(ShortTimeFormat),
                              value)
                   .toStdString();
    constexpr std::size_t kMaxFormatted = 256;
    if (m_formatted.size() >= kMaxFormatted)
        m_formatted.clear();
    m_formatted.push_back({format, value, std::move(text)});
    return m_formatted.back().text;
}

std::string TChartAxis::ValueLabelTextFor(double value, bool callHandler) const {
    std::string text = FormattedLabel(value);
    if (callHandler && m_chart && m_chart->OnGetAxisLabel)
        m_chart->OnGetAxisLabel(const_cast<TChartAxis&>(*this), nullptr, -1, text);
    if (m_labelsMultiLine)
        std::replace(text.begin(), text.end(), ' ', static_cast<char>(LineSeparator));
    return text;
}

// ---------------------------------------------------------------------------
// Layout room

bool TChartAxis::LabelsAlongAxis(int angle) const {
    return m_horizontal ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

int TChartAxis::SideEdge(const TRect& rect) const {
    switch (m_kind) {
    case TAxisKind::akBottom: return rect.bottom;
    case TAxisKind::akTop: return rect.top;
    case TAxisKind::akLeft: return rect.left;
    default: return rect.right;
    }
}

void TChartAxis::ShrinkSide(TRect& rect, int size) const {
    switch (m_kind) {
    case TAxisKind::akBottom: rect.bottom -= size; break;
    case TAxisKind::akTop: rect.top += size; break;
    case TAxisKind::akLeft: rect.left += size; break;
    default: rect.right -= size; break;
    }
}

int TChartAxis::TickAreaSizeNeeded() const {
    return TickAreaSize(m_axisPen.Visible(), m_axisPen.Width(), m_ticks.Visible(), m_tickLength,
                        m_minorTicks.Visible(), m_minorTickLength);
}

int TChartAxis::TitleSizeNeeded() {
    if (m_titleSize != 0)
        return m_titleSize;
    if (!m_chart)
        return 0;
    m_chart->SetCanvasFont(m_title.Font());
    if (LabelsAlongAxis(m_title.Angle()))
        return FontHeight();
    return MeasureText(m_title.Caption()).Width;
}

int TChartAxis::LabelsSizeNeeded() {
    if (m_labelsSize != 0)
        return m_labelsSize;
    if (!m_chart)
        return 0;
    m_chart->SetCanvasFont(m_labelsFont);
    if (LabelsAlongAxis(m_labelsAngle))
        return FontHeight();
    int widest = 0;
    switch (ResolveLabelStyle()) {
    case TAxisLabelStyle::talValue: {
        // The handler stays off for the whole measure, the increment's own
        // measure included, and comes back on even when a measure throws.
        m_labelHandlerOff = true;
        const std::unique_ptr<bool, void (*)(bool*)> handlerBack(&m_labelHandlerOff, [](bool* off) { *off = false; });
        double a = m_scale.ScaleMinimum;
        double b = m_scale.ScaleMaximum;
        if ((IsDateTimeAxis() && m_exactDateTime) || m_roundFirstLabel) {
            const double inc = ComputeIncrement();  // never below 1e-12
            a = std::trunc(a / inc) * inc;
            b = std::trunc(b / inc) * inc;
            m_chart->SetCanvasFont(m_labelsFont);
        }
        widest = std::max(MeasureText(ValueLabelText(a)).Width, MeasureText(ValueLabelText(b)).Width);
        widest += m_chart->Canvas().TextWidthOf(" ");
        break;
    }
    case TAxisLabelStyle::talText:
        for (const TChartSeries* s : m_chart->SeriesList())
            for (int i = 0; i < s->PointCount(); ++i)
                widest = std::max(widest, MeasureText(s->PointLabel(i)).Width);
        break;
    case TAxisLabelStyle::talMark:
        for (const TChartSeries* s : m_chart->SeriesList()) {
            if (!s->Active())
                continue;
            for (int i = 0; i < s->PointCount(); ++i)
                widest = std::max(widest, MeasureText(MarkTextOf(*s, i)).Width);
        }
        break;
    default:
        break;
    }
    return widest;
}

void TChartAxis::ReserveSpace(TRect& rect) {
    m_dateTimeMode = IsDateTimeAxis();
    if (!m_title.Caption().empty()) {
        ShrinkSide(rect, TitleSizeNeeded());
        m_titlePixel = SideEdge(rect);
    }
    if (m_labels) {
        ShrinkSide(rect, LabelsSizeNeeded());
        m_labelsPixel = SideEdge(rect);
    }
    const int s = TickAreaSizeNeeded() + (m_chart ? m_chart->WallSizeFor(*this) : 0);
    if (s > 0)
        ShrinkSide(rect, s);
    if (m_positionPercent != 0) {
        int c = PercentOf(m_positionPercent, m_horizontal ? RectHeight(rect) : RectWidth(rect));
        if (m_otherSide)
            c = -c;
        if (m_horizontal)
            c = -c;
        m_titlePixel += c;
        m_labelsPixel += c;
    }
}

// ---------------------------------------------------------------------------
// Drawing

void TChartAxis::PaintAxis() {
    m_lastPaint.Labels.clear();
    m_lastPaint.Ticks.clear();
    m_lastPaint.MinorTicks.clear();
    m_lastPaint.DateStepIndex = NoDateStep;
    m_lastPaint.Increment = 0;
    if (!m_chart)
        return;
    m_dateTimeMode = IsDateTimeAxis();
    m_chart->SetCanvasFont(m_labelsFont);
    const double inc = ComputeIncrement();

    const TRect& r = m_chart->ChartRect();
    m_axisPixel = SideEdge(r);
    if (m_positionPercent != 0) {
        int c = PercentOf(m_positionPercent, m_horizontal ? RectHeight(r) : RectWidth(r));
        if (m_otherSide)
            c = -c;
        m_axisPixel += m_horizontal ? -c : c;
    }

    if (!m_title.Caption().empty())
        DrawTitle();

    const int dateStepIndex = DateStepIndexFor(m_increment, inc, m_exactDateTime, m_dateTimeMode);
    m_lastPaint.DateStepIndex = dateStepIndex;
    m_lastPaint.Increment = inc;

    TTickList& ticks = m_tickList;
    ticks.Clear();
    if ((inc > 0 || IsCalendarStepIndex(dateStepIndex)) && m_scale.ScaleMaximum >= m_scale.ScaleMinimum) {
        switch (ResolveLabelStyle()) {
        case TAxisLabelStyle::talValue:
            DrawValueLabels(inc, dateStepIndex, ticks);
            break;
        case TAxisLabelStyle::talMark:
        case TAxisLabelStyle::talText:
            DrawSeriesLabels(ResolveLabelStyle(), ticks);
            break;
        default:
            break;
        }
    }
    DrawTicksAndGrid(ticks);
    m_lastPaint.Ticks.assign(ticks.Positions().begin(), ticks.Positions().end());
}

void TChartAxis::DrawValueLabels(double inc, int dateStepIndex, TTickList& ticks) {
    TValueLabelOptions options;
    options.DateTimeMode = m_dateTimeMode;
    options.ExactDateTime = m_exactDateTime;
    options.RoundFirstLabel = m_roundFirstLabel;
    options.DateStepIndex = dateStepIndex;
    if (m_chart->OnGetNextAxisLabel) {
        m_labelValues = SuppliedLabelValues(m_scale, inc, options, [this](int index, double& value, bool& stop) {
            m_chart->OnGetNextAxisLabel(*this, index, value, stop);
        });
    } else {
        ValueLabelValues(m_scale, inc, options, m_labelValues);
    }
    for (double v : m_labelValues) {
        const int p = ValueToPixel(v);
        if (!m_labelsOnAxis && !(m_scale.StartPixel < p && p < m_scale.EndPixel))
            continue;
        if (!m_tickOnLabelsOnly)
            ticks.Add(p);
        if (m_labels)
            DrawLabelText(p, ValueLabelText(v), m_tickOnLabelsOnly ? &ticks : nullptr);
    }
}

void TChartAxis::DrawSeriesLabels(TAxisLabelStyle style, TTickList& ticks) {
    std::vector<TChartSeries*>& sources = m_labelSources;
    sources.clear();
    for (TChartSeries* s : m_chart->SeriesList())
        if (s->Active() && s->UsesAxis(*this) && s->PointCount() > 0)
            sources.push_back(s);
    if (sources.empty())
        return;

    int first = -1;
    int last = -1;
    for (TChartSeries* s : sources) {
        s->UpdateVisibleRange();
        if (s->FirstVisible() >= 0 && (first < 0 || s->FirstVisible() < first))
            first = s->FirstVisible();
        if (s->LastVisible() > last)
            last = s->LastVisible();
    }
    if (first < 0)
        return;

    TLabelOverlap overlap(m_labelsSeparation);
    for (int i = first; i <= last; ++i) {
        auto it = std::find_if(sources.begin(), sources.end(),
                               [i](const TChartSeries* s) { return s->PointCount() > i; });
        if (it == sources.end())
            continue;
        TChartSeries* s = *it;
        std::string text = style == TAxisLabelStyle::talText ? s->PointLabel(i) : MarkTextOf(*s, i);
        if (m_chart->OnGetAxisLabel)
            m_chart->OnGetAxisLabel(*this, s, i, text);
        const double value = m_horizontal ? s->PointX(i) : s->PointY(i);
        if (!(m_scale.ScaleMinimum <= value && value <= m_scale.ScaleMaximum))
            continue;
        const int p = ValueToPixel(value);
        if (!m_tickOnLabelsOnly)
            ticks.Add(p);
        if (!m_labels)
            continue;
        m_chart->SetCanvasFont(m_labelsFont);
        const TTextBlock block = MeasureText(text);
        const int size = LabelsAlongAxis(m_labelsAngle) ? block.Width : FontHeight() * block.Lines;
        if (overlap.Accept(p, size))
            DrawLabelText(p, text, m_tickOnLabelsOnly ? &ticks : nullptr);
    }
}

void TChartAxis::DrawLabelText(int position, const std::string& text, TTickList* ticks) {
    m_chart->SetCanvasFont(m_labelsFont);
    PlaceText(position, m_labelsPixel, text, m_labelsAngle);
    m_lastPaint.Labels.push_back({position, text});
    if (ticks)
        ticks->Add(position);
}

void TChartAxis::DrawTitle() {
    m_chart->SetCanvasFont(m_title.Font());
    PlaceText(m_scale.CenterPixel, m_titlePixel, m_title.Caption(), m_title.Angle());
}

// Writes the lines of text centred on `along` at `across`, on the outer side of
// the axis, with the font already on the canvas.
void TChartAxis::PlaceText(int along, int across, const std::string& text, int angle) {
    TChartCanvas3D& canvas = m_chart->Canvas();
    canvas.Brush().SetColor(m_chart->Color());
    canvas.Brush().SetStyle(bsClear);
    if (m_chart->Printing() && canvas.Font().Color() == clWhite)
        canvas.Font().SetColor(clBlack);

    const int h = FontHeight();
    // Most labels are one line: drawn from the text itself, without copies.
    std::vector<std::string> split;
    const bool multiLine = text.find(static_cast<char>(LineSeparator)) != std::string::npos;
    if (multiLine)
        for (const QString& line : SplitLines(QString::fromStdString(text)))
            split.push_back(line.toStdString());
    const std::span<const std::string> lines =
        multiLine ? std::span<const std::string>(split) : std::span<const std::string>(&text, 1);
    const int n = static_cast<int>(lines.size());
    // +1 when the outer side lies towards larger coordinates (bottom, right).
    const int outward = (m_kind == TAxisKind::akBottom || (!m_horizontal && m_otherSide)) ? 1 : -1;

    if (angle == 0) {
        int align = tfLeft | tfTop;
        if (m_horizontal)
            align = tfCenter | (outward > 0 ? tfTop : tfBottom);
        else
            align = (outward > 0 ? tfLeft : tfRight) | tfTop;
        canvas.SetTextAlignment(align);
        for (int k = 0; k < n; ++k) {
            if (m_horizontal) {
                const int y = outward > 0 ? across + k * h : across - (n - 1 - k) * h;
                canvas.DrawString(along, y, lines[static_cast<std::size_t>(k)]);
            } else {
                canvas.DrawString(across, VerticalLabelTop(along, h, n) + k * h, lines[static_cast<std::size_t>(k)]);
            }
        }
        canvas.SetTextAlignment(tfLeft | tfTop);
        return;
    }

    // Rotated text: the block of lines is centred on `along` and stands on the
    // outer side of `across`, mirrored for the top and right axes.
    const int blockStart = along - (n * h) / 2;
    for (int k = 0; k < n; ++k) {
        const std::string& line = lines[static_cast<std::size_t>(k)];
        int x = 0;
        int y = 0;
        int align = tfLeft | tfTop;
        if (m_horizontal) {
            x = angle == 270 ? blockStart + (n - k) * h : blockStart + k * h;
            y = across;
            if (angle == 90)
                align = (outward > 0 ? tfRight : tfLeft) | tfTop;
            else if (angle == 270)
                align = (outward > 0 ? tfLeft : tfRight) | tfTop;
            else {
                x = along;
                y = outward > 0 ? across + (n - k) * h : across - k * h;
                align = tfCenter | tfTop;
            }
        } else {
            y = along;
            x = outward > 0 ? across + (angle == 270 ? (n - k) * h : k * h)
                            : across - (angle == 270 ? k * h : (n - k) * h);
            if (angle == 90 || angle == 270)
                align = tfCenter | tfTop;
            else {
                x = across;
                y = blockStart + (k + 1) * h;
                align = (outward > 0 ? tfRight : tfLeft) | tfTop;
            }
        }
        canvas.SetTextAlignment(align);
        canvas.DrawRotatedString(x, y, line, angle);
    }
    canvas.SetTextAlignment(tfLeft | tfTop);
}

void TChartAxis::DrawTick(int position, int length, bool inner) {
    // Outer ticks run away from the chart rectangle, inner ones into it.
    int sign = (m_kind == TAxisKind::akBottom || (!m_horizontal && m_otherSide)) ? 1 : -1;
    if (inner)
        sign = -sign;
    const int from = m_axisPixel + sign;
    const int to = from + sign * length;
    TChartCanvas3D& canvas = m_chart->Canvas();
    if (m_horizontal)
        canvas.DrawVertical(position, from, to);
    else
        canvas.DrawHorizontal(from, to, position);
}

void TChartAxis::DrawGridLine(int position) {
    const TRect& r = m_chart->ChartRect();
    TChartCanvas3D& canvas = m_chart->Canvas();
    if (m_horizontal)
        canvas.DrawVertical(position, r.top, r.bottom);
    else
        canvas.DrawHorizontal(r.left, r.right, position);
}

void TChartAxis::UseGridPen(const TChartPen& pen) {
    TChartCanvas3D& canvas = m_chart->Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.SetBackgroundMode(bkTransparent);
    canvas.UseChartPen(pen);
    if (pen.Color() == clDefault)
        canvas.Pen().SetColor(clGray);
}

void TChartAxis::DrawTicksAndGrid(const TTickList& ticks) {
    TChartCanvas3D& canvas = m_chart->Canvas();
    const std::vector<int>& positions = ticks.Positions();

    if (m_axisPen.Visible()) {
        canvas.UseChartPen(m_axisPen);
        if (m_horizontal)
            canvas.DrawHorizontal(m_scale.StartPixel, m_scale.EndPixel, m_axisPixel);
        else
            canvas.DrawVertical(m_axisPixel, m_scale.StartPixel, m_scale.EndPixel);
    }
    if (m_ticks.Visible()) {
        canvas.UseChartPen(m_ticks);
        for (int p : positions)
            DrawTick(p, m_tickLength, false);
    }
    if (m_grid.Visible()) {
        UseGridPen(m_grid);
        if (m_gridCentered)
            GridCenteredPositions(positions, m_gridPositions);
        for (int p : m_gridCentered ? m_gridPositions : positions)
            DrawGridLine(p);
        canvas.SetBackgroundMode(bkOpaque);
    }
    if (m_ticksInner.Visible()) {
        canvas.UseChartPen(m_ticksInner);
        for (int p : positions)
            DrawTick(p, m_tickInnerLength, true);
    }
    if (positions.empty())
        return;
    MinorTickPositions(positions, m_minorTickCount, m_scale.StartPixel, m_scale.EndPixel, m_logarithmic,
                       m_minorPositions);
    const std::vector<int>& minor = m_minorPositions;
    if (m_minorTicks.Visible()) {
        canvas.UseChartPen(m_minorTicks);
        for (int p : minor)
            DrawTick(p, m_minorTickLength, false);
        m_lastPaint.MinorTicks.assign(minor.begin(), minor.end());
    }
    if (m_minorGrid.Visible()) {
        UseGridPen(m_minorGrid);
        for (int p : minor)
            DrawGridLine(p);
        canvas.SetBackgroundMode(bkOpaque);
    }
}
