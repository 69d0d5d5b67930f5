#include "ChartEngineScaling.h"

#include "Basics.h"
#include "Formatting.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double MaxPixelDistance = 2147483647.0;
constexpr int MaxValueLabels = 10000;
constexpr double SerialOf1900 = 2;  // 1900-01-01

bool IsCalendarStep(int index) { return index >= DateStepHalfMonth && index <= DateStepOneYear; }

// The first day of the month `months` before date's month.
QDate FirstOfMonthsBefore(const QDate& date, int months) {
    int total = date.year() * 12 + (date.month() - 1) - months;
    return QDate(total / 12, total % 12 + 1, 1);
}

int ClampToInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

}  // namespace

double NiceStepAfter(double x) {
    if (!(x > 0) || !std::isfinite(x))
        return x;
    if (x >= 10)
        return 10 * NiceStepAfter(x * 0.1);
    if (x < 1)
        return 0.1 * NiceStepAfter(x * 10);
    if (x < 2)
        return 2;
    if (x < 5)
        return 5;
    return 10;
}

double NextDateStep(double x) {
    for (int i = DateStepOneYear; i >= 0; --i)
        if (DateStepTable[i] <= x)
            return i < DateStepOneYear ? DateStepTable[i + 1] : DateStepTable[DateStepOneYear];
    return DateStepTable[DateStepOneYear];
}

int MatchDateStep(double x) {
    for (int i = DateStepOneYear; i >= 0; --i)
        if (std::fabs(DateStepTable[i] - x) < OneSecond)
            return i;
    return NoDateStep;
}

TPixelSpan ComputePixelSpan(int origin, int length, double startPosition, double endPosition) {
    auto offset = [length](double position) {
        long double v = static_cast<long double>(length) * 0.01L * position;
        return std::isfinite(static_cast<double>(v)) && std::fabs(v) < MaxPixelDistance ? Round(v)
                                                                                        : 0;
    };
    TPixelSpan s;
    s.StartPixel = origin + offset(startPosition);
    s.EndPixel = origin + offset(endPosition);
    s.PixelLength = s.EndPixel - s.StartPixel;
    s.CenterPixel = (s.StartPixel + s.EndPixel) / 2;
    return s;
}

void TAxisScale::SetRange(double minimum, double maximum) {
    ScaleMinimum = minimum;
    ScaleMaximum = maximum;
    ScaleRange = maximum - minimum;
}

void TAxisScale::SetSpan(const TPixelSpan& span) {
    StartPixel = span.StartPixel;
    EndPixel = span.EndPixel;
    PixelLength = span.PixelLength;
    CenterPixel = span.CenterPixel;
}

int TAxisScale::ValueToPixel(double value) const {
    if (ScaleRange == 0)
        return CenterPixel;
    double t = static_cast<double>((static_cast<long double>(value) - ScaleMinimum) *
                                   PixelLength / ScaleRange);
    if (!std::isfinite(t) || std::fabs(t) >= MaxPixelDistance)
        return CenterPixel;
    bool fromEnd = Horizontal ? Inverted : !Inverted;
    const long long r = std::llrint(t);  // t is a double: no need for the long double rounding
    return ClampToInt(fromEnd ? EndPixel - r : StartPixel + r);
}

double TAxisScale::PixelToValue(int pixel) const {
    if (PixelLength <= 0)
        return 0;
    long double distance = Inverted ? static_cast<long long>(EndPixel) - pixel
                                    : static_cast<long long>(pixel) - StartPixel;
    long double d = distance * ScaleRange / PixelLength;
    return static_cast<double>(Horizontal ? ScaleMinimum + d : ScaleMaximum - d);
}

void ApplySeriesMargins(TAxisScale& scale, int startMargin, int endMargin) {
    const int oldStart = scale.StartPixel;
    const int oldEnd = scale.EndPixel;
    TAxisScale narrowed = scale;
    narrowed.StartPixel += startMargin;
    narrowed.EndPixel -= endMargin;
    narrowed.PixelLength = narrowed.EndPixel - narrowed.StartPixel;
    double newMinimum = narrowed.PixelToValue(oldStart);
    double newMaximum = narrowed.PixelToValue(oldEnd);
    if (newMinimum > newMaximum)
        std::swap(newMinimum, newMaximum);
    // Near the ends of the double range the widened scale is not representable;
    // the data then keep the whole span.
    if (!std::isfinite(newMinimum) || !std::isfinite(newMaximum) || !std::isfinite(newMaximum - newMinimum))
        return;
    scale.SetRange(newMinimum, newMaximum);
}

int MaxLabelCount(int pixelLength, int labelSize, int labelsSeparation) {
    if (labelSize <= 0)
        return 1;
    long long size = labelSize;
    if (labelsSeparation > 0)
        size += RoundLL(0.01L * labelsSeparation * labelSize);
    return Round(static_cast<double>(pixelLength) / static_cast<double>(size));
}

double NumericIncrement(double increment, double scaleRange, int maxCount, int labelsSeparation) {
    double inc = increment > 0 ? increment : (std::fabs(scaleRange) >= 1 ? 1 : 1e-12);
    if (labelsSeparation > 0 && std::isfinite(scaleRange)) {
        long long k = static_cast<long long>(maxCount) + 1;
        do {
            double q = scaleRange / inc;
            if (std::fabs(q) < MaxPixelDistance)
                k = RoundLL(q);
            if (std::fabs(q) >= MaxPixelDistance || k > maxCount) {
                // Near the smallest doubles the nice step can round back to
                // where it started; a tenfold step keeps the loop going.
                const double next = NiceStepAfter(inc);
                inc = next > inc ? next : inc * 10;
            }
        } while (k > maxCount && std::isfinite(inc));
    }
    return std::max(inc, 1e-12);
}

double DateTimeIncrement(double increment, double scaleRange, int maxCount) {
    double step = std::max(increment, OneSecond);
    if (step > 0 && maxCount > 0 && std::isfinite(scaleRange) && std::isfinite(step)) {
        if (scaleRange / step > 1000000)
            step = scaleRange / 1000000;
        long long k = RoundLL(scaleRange / step);
        while (maxCount < k) {
            step = step >= 365 ? step * 2 : NextDateStep(step);
            k = RoundLL(scaleRange / step);
        }
    }
    return std::max(step, OneSecond);
}

double IncrementForLabelCount(int count, bool dateTimeMode, double increment, double scaleRange,
                              int labelsSeparation) {
    if (count < 1)
        return dateTimeMode ? OneSecond : 1e-12;
    return dateTimeMode ? DateTimeIncrement(increment, scaleRange, count)
                        : NumericIncrement(increment, scaleRange, count, labelsSeparation);
}

int DateStepIndexFor(double increment, double inc, bool exactDateTime, bool dateTimeMode) {
    if (!dateTimeMode || !exactDateTime || increment == 0)
        return NoDateStep;
    int index = MatchDateStep(increment);
    if (index == NoDateStep)
        return NoDateStep;
    while (inc > DateStepTable[index] && index < DateStepOneYear)
        ++index;
    return index;
}

double RoundDateDownToStep(double serial, int dateStepIndex) {
    if (!(serial > SerialOf1900))
        return serial;
    std::optional<QDate> day = SerialToQDate(serial);
    if (!day)
        return serial;
    QDate date = *day;
    if (dateStepIndex == DateStepHalfMonth)
        date = QDate(date.year(), date.month(), date.day() < 15 ? 1 : 15);
    else if (dateStepIndex > DateStepHalfMonth && dateStepIndex < DateStepOneYear)
        date = QDate(date.year(), date.month(), 1);
    else if (dateStepIndex == DateStepOneYear)
        date = QDate(date.year(), 1, 1);
    return QDateToSerial(date);
}

double StepBackValue(double v, double inc, int dateStepIndex, bool calendarSteps) {
    if (!calendarSteps || !IsCalendarStep(dateStepIndex))
        return v - inc;
    const std::optional<QDate> day = SerialToQDate(v);
    if (!day)
        return std::numeric_limits<double>::lowest();
    const QDate date = *day;
    QDate back;
    if (dateStepIndex == DateStepHalfMonth) {
        if (date.day() >= 16)
            back = QDate(date.year(), date.month(), 15);
        else if (date.day() >= 2)
            back = QDate(date.year(), date.month(), 1);
        else
            back = FirstOfMonthsBefore(date, 1).addDays(14);
    } else if (dateStepIndex == DateStepOneYear) {
        back = date.addYears(-1);
    } else {
        static constexpr int months[] = {1, 2, 3, 4, 6};
        back = FirstOfMonthsBefore(date, months[dateStepIndex - DateStepHalfMonth - 1]);
    }
    if (!back.isValid() || back.year() < 1)
        return std::numeric_limits<double>::lowest();
    return QDateToSerial(back);
}

double FirstLabelValue(const TAxisScale& scale, double inc, const TValueLabelOptions& options) {
    int index = options.DateStepIndex;
    if (options.DateTimeMode && options.ExactDateTime && index >= 14 && index <= DateStepOneYear)
        return RoundDateDownToStep(scale.ScaleMaximum, index);
    if (scale.ScaleMinimum == scale.ScaleMaximum || !options.RoundFirstLabel || inc == 0)
        return scale.ScaleMaximum;
    return std::trunc(scale.ScaleMaximum / inc) * inc;
}

std::vector<double> ValueLabelValues(const TAxisScale& scale, double inc,
                                     const TValueLabelOptions& options) {
    std::vector<double> values;
    ValueLabelValues(scale, inc, options, values);
    return values;
}

void ValueLabelValues(const TAxisScale& scale, double inc, const TValueLabelOptions& options,
                      std::vector<double>& values) {
    values.clear();
    const bool calendar = options.DateTimeMode && options.ExactDateTime &&
                          IsCalendarStep(options.DateStepIndex);
    if (!(inc > 0 || IsCalendarStep(options.DateStepIndex)) ||
        !(scale.ScaleMaximum >= scale.ScaleMinimum))
        return;
    if (inc != 0 && !(std::fabs(scale.ScaleRange / inc) < MaxValueLabels))
        return;
    // Each step must make progress: a step lost in the value's precision ends the walk.
    auto stepBack = [&](double v) {
        double next = StepBackValue(v, inc, options.DateStepIndex, calendar);
        return next < v ? next : std::numeric_limits<double>::lowest();
    };
    double v = FirstLabelValue(scale, inc, options);
    for (int guard = 0; v > scale.ScaleMaximum && guard < MaxValueLabels; ++guard)
        v = stepBack(v);
    const double limit = (scale.ScaleMinimum - 1e-12) / 1.000000000001;
    while (v >= limit && static_cast<int>(values.size()) < MaxValueLabels) {
        values.push_back(v);
        v = stepBack(v);
    }
}

std::vector<double> SuppliedLabelValues(const TAxisScale& scale, double inc,
                                        const TValueLabelOptions& options, const TNextLabelValue& next) {
    std::vector<double> values;
    const bool calendar = options.DateTimeMode && options.ExactDateTime &&
                          IsCalendarStep(options.DateStepIndex);
    double v = FirstLabelValue(scale, inc, options);
    for (int index = 0; index < MaxValueLabels; ++index) {
        bool stop = false;
        next(index, v, stop);
        if (stop)
            break;
        // The comparisons also leave out a NaN.
        if (v >= scale.ScaleMinimum && v <= scale.ScaleMaximum)
            values.push_back(v);
        v = StepBackValue(v, inc, options.DateStepIndex, calendar);
    }
    return values;
}

bool TTickList::Add(int position) {
    if (Count() >= Capacity)
        return false;
    if (m_positions.capacity() < Capacity)
        m_positions.reserve(Capacity);
    m_positions.push_back(position);
    return true;
}

std::vector<int> MinorTickPositions(const std::vector<int>& ticks, int minorCount, int startPixel,
                                    int endPixel, bool logarithmic) {
    std::vector<int> result;
    MinorTickPositions(ticks, minorCount, startPixel, endPixel, logarithmic, result);
    return result;
}

void MinorTickPositions(const std::vector<int>& ticks, int minorCount, int startPixel, int endPixel,
                        bool logarithmic, std::vector<int>& result) {
    result.clear();
    const auto n = ticks.size();
    if (n < 2 || minorCount <= 0)
        return;
    auto use = [&](long long p) {
        if (p > startPixel && p < endPixel)
            result.push_back(static_cast<int>(p));
    };
    auto part = [minorCount](int j, long long a, long long b) {
        return RoundLL(static_cast<long double>(j) * static_cast<long double>(b - a) /
                       (minorCount + 1));
    };
    for (int j = 1; j <= minorCount && !logarithmic; ++j) {
        long long d = part(j, ticks[0], ticks[1]);
        use(ticks[0] - d);
        use(ticks[n - 1] + d);
    }
    for (std::size_t i = 1; i < n; ++i)
        for (int j = 1; j <= minorCount; ++j)
            use(ticks[i] - part(j, ticks[i - 1], ticks[i]));
}

std::vector<int> GridCenteredPositions(const std::vector<int>& ticks) {
    std::vector<int> result;
    GridCenteredPositions(ticks, result);
    return result;
}

void GridCenteredPositions(const std::vector<int>& ticks, std::vector<int>& result) {
    result.clear();
    for (std::size_t i = 1; i < ticks.size(); ++i)
        result.push_back(static_cast<int>(
            RoundLL((static_cast<long double>(ticks[i]) + ticks[i - 1]) / 2)));
}

bool TLabelOverlap::Accept(int p, int size) {
    if (!m_any || m_separation == 0) {
        m_any = true;
        m_lastPosition = p;
        m_lastHalf = size / 2;
        return true;
    }
    long long enlarged = size + static_cast<long long>(size * 0.02 * m_separation);
    long long half = enlarged / 2;
    bool fits = p >= m_lastPosition ? p - half >= static_cast<long long>(m_lastPosition) + m_lastHalf
                                    : p + half <= static_cast<long long>(m_lastPosition) - m_lastHalf;
    if (fits) {
        m_lastPosition = p;
        m_lastHalf = ClampToInt(half);
    }
    return fits;
}

int VerticalLabelTop(int p, int fontHeight, int lineCount) {
    int y = p - fontHeight / 2;
    return y - (Round(fontHeight * 0.5L * (lineCount + 1)) - fontHeight);
}

std::vector<QString> SplitLines(const QString& text) {
    std::vector<QString> lines;
    qsizetype start = 0;
    for (;;) {
        qsizetype at = text.indexOf(LineSeparator, start);
        if (at < 0)
            break;
        lines.push_back(text.mid(start, at - start));
        start = at + 1;
    }
    if (start < text.size() || lines.empty())
        lines.push_back(text.mid(start));
    return lines;
}

QString MultiLineLabel(QString text) {
    text.replace(u' ', LineSeparator);
    return text;
}

TTextBlock MeasureTextBlock(const QString& text,
                            const std::function<int(const QString&)>& widthOf) {
    TTextBlock block;
    const auto lines = SplitLines(text);
    block.Lines = static_cast<int>(lines.size());
    for (const auto& line : lines)
        block.Width = std::max(block.Width, widthOf(line));
    return block;
}

static bool IsUpright(int angle) { return angle == 90 || angle == 270; }

int LabelWidth(const TTextBlock& block, int fontHeight, int angle) {
    return IsUpright(angle) ? fontHeight * block.Lines : block.Width;
}

int LabelHeight(const TTextBlock& block, int fontHeight, int angle) {
    return angle == 0 || angle == 180 ? fontHeight * block.Lines : block.Width;
}

int TickAreaSize(bool axisVisible, int axisWidth, bool ticksVisible, int tickLength,
                 bool minorTicksVisible, int minorTickLength) {
    int size = (axisVisible ? axisWidth : 0) + (ticksVisible ? tickLength : 0);
    return minorTicksVisible ? std::max(size, minorTickLength) : size;
}
