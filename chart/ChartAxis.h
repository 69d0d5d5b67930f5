#pragma once
// A chart axis: its stored settings, the working scale of one paint, the room it
// takes beside the chart rectangle and its drawing (line, labels, ticks, grid,
// title).
//
// The chart drives one paint in this order: PrepareScale on every axis,
// ReserveSpace on every shown axis, ComputePixelSpan on every axis, FitSeriesMargins
// on the top, left, right and bottom axes, then PaintAxis on every shown axis.
// An increment computed inside ReserveSpace therefore sees the PixelLength of the
// previous paint (0 before the first one).
//
// Every drawing goes through ParentChart()->Canvas(); the axis owns no canvas.

#include "Basics.h"
#include "ChartCanvas.h"
#include "ChartEngineScaling.h"
#include "Geometry.h"

#include <string>
#include <utility>
#include <vector>

class TCustomAxisPanel;
class TChartSeries;

enum class TAxisKind { akBottom, akTop, akLeft, akRight, akDepth };
using enum TAxisKind;

enum class TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
using enum TAxisLabelStyle;

class TChartAxisTitle : public TStoresProperties {
public:
    TChartAxisTitle(TNotifyHandler onChange, int angle);
    TChartAxisTitle(const TChartAxisTitle&) = delete;
    TChartAxisTitle& operator=(const TChartAxisTitle&) = delete;

    [[nodiscard]] const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value);
    [[nodiscard]] int Angle() const { return m_angle; }
    // 0 to 359, else ChartException "Axis Title Angle must be between 0 and 359 degrees".
    void SetAngle(int value);
    [[nodiscard]] TChartFont& Font() { return m_font; }
    [[nodiscard]] const TChartFont& Font() const { return m_font; }

private:
    void PropertyChanged() override {
        if (m_onChange)
            m_onChange();
    }

    TNotifyHandler m_onChange;
    std::string m_caption;
    int m_angle;
    TChartFont m_font;
};

// Pixel margins the active series ask of one axis, start = left or top.
struct TAxisMargins {
    int Start = 0;
    int End = 0;
    bool operator==(const TAxisMargins&) const = default;
};

// What the last PaintAxis produced, kept for inspection after the paint.
struct TAxisPaintRecord {
    struct Label {
        int Position = 0;
        std::string Text;
        bool operator==(const Label&) const = default;
    };
    std::vector<Label> Labels;      // in drawing order
    std::vector<int> Ticks;         // the tick list of the paint
    std::vector<int> MinorTicks;    // minor positions actually drawn
    int DateStepIndex = NoDateStep;
    double Increment = 0;
};

class TChartAxis : public TStoresProperties {
public:
    TChartAxis(TCustomAxisPanel* chart, TAxisKind kind);

    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;

    [[nodiscard]] TCustomAxisPanel* ParentChart() const { return m_chart; }
    [[nodiscard]] TAxisKind Kind() const { return m_kind; }
    [[nodiscard]] bool Horizontal() const { return m_horizontal; }
    // Top or right axis (and the depth axis).
    [[nodiscard]] bool OtherSide() const { return m_otherSide; }
    [[nodiscard]] bool IsDepthAxis() const { return m_isDepthAxis; }

    // ---- Scaling settings -------------------------------------------------
    [[nodiscard]] bool Automatic() const { return m_automatic; }
    // Also sets both ends' flags, except while the chart is loading.
    void SetAutomatic(bool value);
    [[nodiscard]] bool AutomaticMaximum() const { return m_automaticMaximum; }
    void SetAutomaticMaximum(bool value);
    [[nodiscard]] bool AutomaticMinimum() const { return m_automaticMinimum; }
    void SetAutomaticMinimum(bool value);
    [[nodiscard]] double Minimum() const { return m_minimum; }
    void SetMinimum(double value);
    [[nodiscard]] double Maximum() const { return m_maximum; }
    void SetMaximum(double value);
    [[nodiscard]] double Increment() const { return m_increment; }
    void SetIncrement(double value);
    [[nodiscard]] bool Inverted() const { return m_inverted; }
    void SetInverted(bool value);
    [[nodiscard]] double StartPosition() const { return m_startPosition; }
    void SetStartPosition(double value);
    [[nodiscard]] double EndPosition() const { return m_endPosition; }
    void SetEndPosition(double value);
    [[nodiscard]] int LabelsSeparation() const { return m_labelsSeparation; }
    void SetLabelsSeparation(int value);
    [[nodiscard]] bool ExactDateTime() const { return m_exactDateTime; }
    void SetExactDateTime(bool value);
    [[nodiscard]] bool RoundFirstLabel() const { return m_roundFirstLabel; }
    void SetRoundFirstLabel(bool value);
    [[nodiscard]] const std::string& AxisValuesFormat() const { return m_axisValuesFormat; }
    void SetAxisValuesFormat(const std::string& value);
    [[nodiscard]] const std::string& DateTimeFormat() const { return m_dateTimeFormat; }
    void SetDateTimeFormat(const std::string& value);
    [[nodiscard]] bool Logarithmic() const { return m_logarithmic; }
    void SetLogarithmic(bool value);
    [[nodiscard]] int LogarithmicBase() const { return m_logarithmicBase; }
    void SetLogarithmicBase(int value);
    [[nodiscard]] bool Visible() const { return m_visible; }
    void SetVisible(bool value);

    // ---- Drawing settings -------------------------------------------------
    [[nodiscard]] double PositionPercent() const { return m_positionPercent; }
    // Beyond +-32767 (or not a number), AxisException "Axis Position Percent
    // must be between -32767 and 32767 %".
    void SetPositionPercent(double value);
    // The five pixel lengths below: beyond +-32767, AxisException
    // "Axis <Tick Length|Inner Tick Length|Minor Tick Length|Labels Size|Title
    // Size> must be between -32767 and 32767 pixels".
    [[nodiscard]] int TickLength() const { return m_tickLength; }
    void SetTickLength(int value);
    [[nodiscard]] int TickInnerLength() const { return m_tickInnerLength; }
    void SetTickInnerLength(int value);
    [[nodiscard]] int MinorTickLength() const { return m_minorTickLength; }
    void SetMinorTickLength(int value);
    [[nodiscard]] int MinorTickCount() const { return m_minorTickCount; }
    void SetMinorTickCount(int value);
    [[nodiscard]] bool TickOnLabelsOnly() const { return m_tickOnLabelsOnly; }
    void SetTickOnLabelsOnly(bool value);
    [[nodiscard]] bool GridCentered() const { return m_gridCentered; }
    void SetGridCentered(bool value);
    [[nodiscard]] bool Labels() const { return m_labels; }
    void SetLabels(bool value);
    [[nodiscard]] int LabelsAngle() const { return m_labelsAngle; }
    // 0 to 359, else ChartException "Axis Labels Angle must be between 0 and 359 degrees".
    void SetLabelsAngle(int value);
    [[nodiscard]] bool LabelsMultiLine() const { return m_labelsMultiLine; }
    void SetLabelsMultiLine(bool value);
    [[nodiscard]] bool LabelsOnAxis() const { return m_labelsOnAxis; }
    void SetLabelsOnAxis(bool value);
    [[nodiscard]] int LabelsSize() const { return m_labelsSize; }
    void SetLabelsSize(int value);
    [[nodiscard]] TAxisLabelStyle LabelStyle() const { return m_labelStyle; }
    void SetLabelStyle(TAxisLabelStyle value);
    [[nodiscard]] int TitleSize() const { return m_titleSize; }
    void SetTitleSize(int value);

    [[nodiscard]] TChartPen& Axis() { return m_axisPen; }
    [[nodiscard]] const TChartPen& Axis() const { return m_axisPen; }
    [[nodiscard]] TChartPen& Grid() { return m_grid; }
    [[nodiscard]] const TChartPen& Grid() const { return m_grid; }
    [[nodiscard]] TChartPen& MinorGrid() { return m_minorGrid; }
    [[nodiscard]] const TChartPen& MinorGrid() const { return m_minorGrid; }
    [[nodiscard]] TChartPen& Ticks() { return m_ticks; }
    [[nodiscard]] const TChartPen& Ticks() const { return m_ticks; }
    [[nodiscard]] TChartPen& TicksInner() { return m_ticksInner; }
    [[nodiscard]] const TChartPen& TicksInner() const { return m_ticksInner; }
    [[nodiscard]] TChartPen& MinorTicks() { return m_minorTicks; }
    [[nodiscard]] const TChartPen& MinorTicks() const { return m_minorTicks; }
    [[nodiscard]] TChartFont& LabelsFont() { return m_labelsFont; }
    [[nodiscard]] const TChartFont& LabelsFont() const { return m_labelsFont; }
    [[nodiscard]] TChartAxisTitle& Title() { return m_title; }
    [[nodiscard]] const TChartAxisTitle& Title() const { return m_title; }

    // ---- Working state of the current paint -------------------------------
    [[nodiscard]] double ScaleMinimum() const { return m_scale.ScaleMinimum; }
    [[nodiscard]] double ScaleMaximum() const { return m_scale.ScaleMaximum; }
    [[nodiscard]] double ScaleRange() const { return m_scale.ScaleRange; }
    [[nodiscard]] int StartPixel() const { return m_scale.StartPixel; }
    [[nodiscard]] int EndPixel() const { return m_scale.EndPixel; }
    [[nodiscard]] int PixelLength() const { return m_scale.PixelLength; }
    [[nodiscard]] int CenterPixel() const { return m_scale.CenterPixel; }
    [[nodiscard]] int AxisPixel() const { return m_axisPixel; }
    [[nodiscard]] int LabelsPixel() const { return m_labelsPixel; }
    [[nodiscard]] int TitlePixel() const { return m_titlePixel; }
    [[nodiscard]] bool DateTimeMode() const { return m_dateTimeMode; }
    [[nodiscard]] const TAxisScale& Scale() const { return m_scale; }
    [[nodiscard]] const TAxisPaintRecord& LastPaint() const { return m_lastPaint; }

    // ---- Operations -------------------------------------------------------
    // Manual at both ends, smaller value first, at least 1e-10 apart.
    void SetRange(double a, double b);
    // The first active series using this axis decides through its X (horizontal)
    // or Y (vertical) DateTime flag.
    [[nodiscard]] bool IsDateTimeAxis() const;
    // Writes the automatic ends into Minimum/Maximum directly, without repaint.
    void ComputeAutoRange();
    struct TValueRange {
        double Minimum = 0;
        double Maximum = 0;
    };
    // Minimum and Maximum as ComputeAutoRange would leave them, changing nothing.
    [[nodiscard]] TValueRange PreparedRange() const;
    void PrepareScale();
    // From the chart's current ChartRect.
    void ComputePixelSpan();
    // Margins asked by the active series using this axis; an end's margin counts
    // only when that end is automatic.
    [[nodiscard]] TAxisMargins CollectSeriesMargins() const;
    void ApplySeriesMargins(int startMargin, int endMargin);
    // ApplySeriesMargins with CollectSeriesMargins: what the chart calls per axis.
    void FitSeriesMargins();
    [[nodiscard]] int ValueToPixel(double value) const;
    [[nodiscard]] double PixelToValue(int pixel) const;
    // Sets the canvas font to LabelsFont and measures through the canvas.
    [[nodiscard]] double ComputeIncrement();
    [[nodiscard]] TAxisLabelStyle ResolveLabelStyle() const;
    [[nodiscard]] std::string ValueLabelText(double value) const;
    // Shrinks rect on the axis' side; sets LabelsPixel and TitlePixel.
    void ReserveSpace(TRect& rect);
    void PaintAxis();

    // Sizes used by ReserveSpace, with LabelsFont (or the title font) on the canvas.
    [[nodiscard]] int LabelsSizeNeeded();
    [[nodiscard]] int TitleSizeNeeded();
    [[nodiscard]] int TickAreaSizeNeeded() const;

protected:
    void RequestRepaint() const;

private:
    [[nodiscard]] static constexpr int TitleAngleFor(TAxisKind kind) {
        return kind == TAxisKind::akLeft ? 90 : kind == TAxisKind::akRight ? 270 : 0;
    }
    [[nodiscard]] static TAxisScale MakeScale(bool horizontal) {
        TAxisScale scale;
        scale.Horizontal = horizontal;
        return scale;
    }
    [[nodiscard]] bool IsLoading() const;
    [[nodiscard]] bool LabelsAlongAxis(int angle) const;
    [[nodiscard]] std::string ValueLabelTextFor(double value, bool callHandler) const;
    [[nodiscard]] TTextBlock MeasureText(const std::string& text) const;
    [[nodiscard]] int FontHeight() const;
    [[nodiscard]] int SideEdge(const TRect& rect) const;
    void ShrinkSide(TRect& rect, int size) const;
    void DrawValueLabels(double inc, int dateStepIndex, TTickList& ticks);
    void DrawSeriesLabels(TAxisLabelStyle style, TTickList& ticks);
    void DrawLabelText(int position, const std::string& text, TTickList* ticks);
    void PlaceText(int along, int across, const std::string& text, int angle);
    void DrawTicksAndGrid(const TTickList& ticks);
    void DrawTick(int position, int length, bool inner);
    void DrawGridLine(int position);
    void UseGridPen(const TChartPen& pen);
    void DrawTitle();
    void PropertyChanged() override { RequestRepaint(); }

    TCustomAxisPanel* m_chart;
    TAxisKind m_kind;
    bool m_horizontal;
    bool m_otherSide;
    bool m_isDepthAxis;

    bool m_automatic = true;
    bool m_automaticMaximum = true;
    bool m_automaticMinimum = true;
    double m_minimum = 0;
    double m_maximum = 0;
    double m_increment = 0;
    bool m_inverted = false;
    double m_startPosition = 0;
    double m_endPosition = 100;
    int m_labelsSeparation = 10;
    bool m_exactDateTime = true;
    bool m_roundFirstLabel = true;
    std::string m_axisValuesFormat = "#,##0.###";
    std::string m_dateTimeFormat;
    bool m_logarithmic = false;
    int m_logarithmicBase = 10;
    bool m_visible = !m_isDepthAxis;

    double m_positionPercent = 0;
    int m_tickLength = 4;
    int m_tickInnerLength = 0;
    int m_minorTickLength = 2;
    int m_minorTickCount = 3;
    bool m_tickOnLabelsOnly = true;
    bool m_gridCentered = false;
    bool m_labels = true;
    int m_labelsAngle = 0;
    bool m_labelsMultiLine = false;
    bool m_labelsOnAxis = true;
    int m_labelsSize = 0;
    TAxisLabelStyle m_labelStyle = TAxisLabelStyle::talAuto;
    int m_titleSize = 0;

    TChartAxisPen m_axisPen{[this] { RequestRepaint(); }};
    TDottedGrayPen m_grid{[this] { RequestRepaint(); }};
    TChartHiddenPen m_minorGrid{[this] { RequestRepaint(); }};
    TDarkGrayPen m_ticks{[this] { RequestRepaint(); }};
    TDarkGrayPen m_ticksInner{[this] { RequestRepaint(); }};
    TDarkGrayPen m_minorTicks{[this] { RequestRepaint(); }};
    TChartFont m_labelsFont{[this] { RequestRepaint(); }};
    TChartAxisTitle m_title{[this] { RequestRepaint(); }, TitleAngleFor(m_kind)};

    TAxisScale m_scale = MakeScale(m_horizontal);
    int m_axisPixel = 0;
    int m_labelsPixel = 0;
    int m_titlePixel = 0;
    bool m_dateTimeMode = false;
    bool m_labelHandlerOff = false;
    TAxisPaintRecord m_lastPaint;

    // Kept from paint to paint so that a paint allocates nothing once the
    // labels have been seen: the lists keep their memory, and the texts of
    // label values are formatted once per format.
    [[nodiscard]] const std::string& FormattedLabel(double value) const;
    struct FormattedValue {
        int format;
        double value;
        std::string text;
    };
    mutable std::vector<FormattedValue> m_formatted;
    TTickList m_tickList;
    std::vector<double> m_labelValues;
    std::vector<int> m_minorPositions;
    std::vector<int> m_gridPositions;
    std::vector<TChartSeries*> m_labelSources;
};
