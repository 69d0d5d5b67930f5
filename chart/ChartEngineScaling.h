#pragma once
// Pure axis arithmetic: pixel spans, value <-> pixel mapping, series margins,
// label increments, the label value walk, minor tick positions and label text
// measurement. The axis class feeds these plain numbers and draws the results.
//
// Dates are day serials (days since 1899-12-30 plus the fraction of the day).
// "Round" is half-to-even, "div" truncates toward zero.

#include <QString>

#include <array>
#include <functional>
#include <vector>

inline constexpr double OneSecond = 1.0 / 86400.0;

// Label increments for date-time axes, in days. Index NoDateStep means none.
inline constexpr int NoDateStep = 25;
inline constexpr int DateStepHalfMonth = 18;
inline constexpr int DateStepOneYear = 24;
inline constexpr std::array<double, 25> DateStepTable = {
    1.0 / 86400, 5.0 / 86400, 10.0 / 86400, 15.0 / 86400, 30.0 / 86400,
    1.0 / 1440,  5.0 / 1440,  10.0 / 1440,  15.0 / 1440,  30.0 / 1440,
    1.0 / 24,    2.0 / 24,    0.25,         0.5,          1,
    2,           3,           7,            15,           30,
    60,          90,          120,          182,          365};

// The 1-2-5 sequence: the next of 1, 2, 5, 10, 20, ... strictly above x (x > 0).
[[nodiscard]] double NiceStepAfter(double x);
// The entry after the largest table entry <= x; one year when x is below one
// second or at least one year.
[[nodiscard]] double NextDateStep(double x);
// Scanning from one year down, the first index whose entry is less than one second
// away from x; NoDateStep when none is.
[[nodiscard]] int MatchDateStep(double x);

struct TPixelSpan {
    int StartPixel = 0, EndPixel = 0, PixelLength = 0, CenterPixel = 0;
    bool operator==(const TPixelSpan&) const = default;
};

// origin/length: the chart rectangle's left and width (horizontal) or top and
// height (vertical); positions in percent of length.
[[nodiscard]] TPixelSpan ComputePixelSpan(int origin, int length, double startPosition,
                                          double endPosition);

// The working scale of one axis during a paint.
struct TAxisScale {
    double ScaleMinimum = 0, ScaleMaximum = 0, ScaleRange = 0;
    int StartPixel = 0, EndPixel = 0, PixelLength = 0, CenterPixel = 0;
    bool Inverted = false;
    bool Horizontal = true;

    void SetRange(double minimum, double maximum);
    void SetSpan(const TPixelSpan& span);
    // A horizontal axis counts from EndPixel when inverted, a vertical one when
    // not inverted. Zero range, non-finite or too-distant values give CenterPixel.
    [[nodiscard]] int ValueToPixel(double value) const;
    // 0 when PixelLength <= 0.
    [[nodiscard]] double PixelToValue(int pixel) const;
};

// Widens the scale so that the data occupy the span narrowed by the margins
// (start = left or top); the pixel span itself is left as it was.
void ApplySeriesMargins(TAxisScale& scale, int startMargin, int endMargin);

// How many labels of the given size fit along pixelLength (1 when size <= 0).
[[nodiscard]] int MaxLabelCount(int pixelLength, int labelSize, int labelsSeparation);
// increment is the axis' Increment property (0 = compute); it is a lower bound that
// climbs the 1-2-5 sequence until at most maxCount labels cover scaleRange.
[[nodiscard]] double NumericIncrement(double increment, double scaleRange, int maxCount,
                                      int labelsSeparation);
// Starts at max(increment, one second), capped to a million labels, then climbs the
// date table (doubling above one year) until at most maxCount labels fit.
[[nodiscard]] double DateTimeIncrement(double increment, double scaleRange, int maxCount);
// The increment for a maximum label count: the smallest one below 1 label.
[[nodiscard]] double IncrementForLabelCount(int count, bool dateTimeMode, double increment,
                                            double scaleRange, int labelsSeparation);

// The calendar step in use while drawing: MatchDateStep(increment) raised while inc
// exceeds its entry, when dateTimeMode, exactDateTime and increment != 0;
// NoDateStep otherwise.
[[nodiscard]] int DateStepIndexFor(double increment, double inc, bool exactDateTime,
                                   bool dateTimeMode);
// The date part of serial, moved back to the 1st (months), 1st or 15th (half month)
// or 1 January (year) for indexes 18 to 24; serials up to 1900-01-01 unchanged.
[[nodiscard]] double RoundDateDownToStep(double serial, int dateStepIndex);
// One step back in the label walk: calendar months, half months and years for
// indexes 18 to 24 when calendarSteps, else v - inc. A date that would leave the
// calendar gives the lowest double, which ends any walk.
[[nodiscard]] double StepBackValue(double v, double inc, int dateStepIndex, bool calendarSteps);

struct TValueLabelOptions {
    bool DateTimeMode = false;
    bool ExactDateTime = true;
    bool RoundFirstLabel = true;
    int DateStepIndex = NoDateStep;
};
// The first label value before the step-back of values above ScaleMaximum.
[[nodiscard]] double FirstLabelValue(const TAxisScale& scale, double inc,
                                     const TValueLabelOptions& options);
// Label values of a value axis from the top of the scale downward. Empty when no
// label applies (inc <= 0 without a calendar step, inverted scale, 10000 or more
// labels); never more than 10000 values.
[[nodiscard]] std::vector<double> ValueLabelValues(const TAxisScale& scale, double inc,
                                                   const TValueLabelOptions& options);
// The same into a list kept by the caller, whose memory is reused.
void ValueLabelValues(const TAxisScale& scale, double inc, const TValueLabelOptions& options,
                      std::vector<double>& values);

// Label values supplied one by one by next(index, value, stop), which is offered the
// value the walk would take at that place: the first label value, then the previous
// value one step back. Values outside the scale are left out; the supply ends when
// stop is set, after 10000 calls at most.
using TNextLabelValue = std::function<void(int index, double& value, bool& stop)>;
[[nodiscard]] std::vector<double> SuppliedLabelValues(const TAxisScale& scale, double inc,
                                                      const TValueLabelOptions& options,
                                                      const TNextLabelValue& next);

// Tick positions of one axis drawing; positions beyond the capacity are dropped.
class TTickList {
public:
    static constexpr int Capacity = 2000;
    bool Add(int position);  // false when full
    void Clear() { m_positions.clear(); }
    [[nodiscard]] const std::vector<int>& Positions() const { return m_positions; }
    [[nodiscard]] int Count() const { return static_cast<int>(m_positions.size()); }

private:
    std::vector<int> m_positions;
};

// Minor ticks for c per interval of the ticks t (in list order): first c beyond
// each end label spaced like the first interval (not on a logarithmic axis), then c
// inside every interval; only those strictly between startPixel and endPixel. None
// for fewer than 2 ticks.
[[nodiscard]] std::vector<int> MinorTickPositions(const std::vector<int>& ticks, int minorCount,
                                                  int startPixel, int endPixel, bool logarithmic = false);
void MinorTickPositions(const std::vector<int>& ticks, int minorCount, int startPixel, int endPixel,
                        bool logarithmic, std::vector<int>& result);
// Round((t[i] + t[i-1]) / 2) for each neighbouring pair.
[[nodiscard]] std::vector<int> GridCenteredPositions(const std::vector<int>& ticks);
void GridCenteredPositions(const std::vector<int>& ticks, std::vector<int>& result);

// Decides whether a series label is drawn or overlaps the last drawn one. sizes are
// along the axis (width or lines * height).
class TLabelOverlap {
public:
    explicit TLabelOverlap(int labelsSeparation) : m_separation(labelsSeparation) {}
    // True when the label at p is to be drawn; it then becomes the last drawn one.
    bool Accept(int p, int size);

private:
    int m_separation;
    bool m_any = false;
    int m_lastPosition = 0;
    int m_lastHalf = 0;
};

// Top of the first line of an n-line label centred at p on a vertical axis.
[[nodiscard]] int VerticalLabelTop(int p, int fontHeight, int lineCount);

// Label texts break at character 13; a final empty piece does not count and an
// empty text is one empty line.
inline constexpr char16_t LineSeparator = u'\r';
[[nodiscard]] std::vector<QString> SplitLines(const QString& text);
[[nodiscard]] QString MultiLineLabel(QString text);  // spaces become line separators

struct TTextBlock {
    int Width = 0;  // widest line
    int Lines = 1;
    bool operator==(const TTextBlock&) const = default;
};
[[nodiscard]] TTextBlock MeasureTextBlock(const QString& text,
                                          const std::function<int(const QString&)>& widthOf);
// A label's extent across (width) and along (height) the page for a text angle:
// 90 and 270 swap the widest line and lines * fontHeight.
[[nodiscard]] int LabelWidth(const TTextBlock& block, int fontHeight, int angle);
[[nodiscard]] int LabelHeight(const TTextBlock& block, int fontHeight, int angle);

// Room of the axis line and ticks beside the chart rectangle.
[[nodiscard]] int TickAreaSize(bool axisVisible, int axisWidth, bool ticksVisible, int tickLength,
                               bool minorTicksVisible, int minorTickLength);
