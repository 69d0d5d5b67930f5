#pragma once
// The series base: points stored in four parallel lists (X, Y, label, colour),
// ordered insertion on X, colour resolution, value ranges for the axes, and the
// link to the chart it belongs to.
//
// A series works fully without a chart; every repaint request is then dropped.
// A chart frees the series still in its SeriesList when it is destroyed, so a
// series joined to a chart must live on the heap (see TCustomAxisPanel::AddSeries).

#include "ChartCanvasObjects.h"
#include "ChartLegendLayout.h"
#include "ChartValueList.h"
#include "Basics.h"
#include "DrawSurface.h"
#include "Geometry.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TChartAxis;
class TChartCanvas;
class TCustomAxisPanel;

enum class THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
using enum THorizAxis;
enum class TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };
using enum TVertAxis;

enum class TSeriesMarksStyle { smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsXValue };
using enum TSeriesMarksStyle;

// Which changes of a feeding series reach its dependents.
struct TSeriesRecalcOptions {
    bool OnDelete = true;
    bool OnModify = true;
    bool OnInsert = true;
    bool OnClear = true;
    bool operator==(const TSeriesRecalcOptions&) const = default;
};

// 16-entry default palette, looked up with index mod 16.
[[nodiscard]] TColor PaletteColor(int index);

// Value captions of a series: the mark text in a small framed box, joined to
// its point by an arrow of ArrowLength pixels. Every change asks the owning
// series to repaint.
//
// A mark takes Extent() rows beyond its anchor row: the arrow, then the box of
// the font's line height, the frame on both sides and one row of padding. Bar
// series reserve exactly that room as axis margins.
class TSeriesMarks {
public:
    // The box's colour unless set: a pale yellow.
    static constexpr TColor DefaultBackColor = 8454143;

    explicit TSeriesMarks(TChartSeries* owner) : m_owner(owner) {}
    TSeriesMarks(const TSeriesMarks&) = delete;
    TSeriesMarks& operator=(const TSeriesMarks&) = delete;

    [[nodiscard]] bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    [[nodiscard]] TSeriesMarksStyle Style() const { return m_style; }
    void SetStyle(TSeriesMarksStyle value);
    [[nodiscard]] int ArrowLength() const { return m_arrowLength; }
    // Beyond +-32767, ChartException "Marks Arrow Length must be between -32767 and 32767 pixels".
    void SetArrowLength(int value);
    [[nodiscard]] bool Clip() const { return m_clip; }
    void SetClip(bool value);
    [[nodiscard]] TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor value);
    [[nodiscard]] TChartFont& Font() { return m_font; }
    [[nodiscard]] const TChartFont& Font() const { return m_font; }
    [[nodiscard]] TChartPen& Frame() { return m_frame; }
    [[nodiscard]] const TChartPen& Frame() const { return m_frame; }
    [[nodiscard]] TChartArrowPen& Arrow() { return m_arrow; }
    [[nodiscard]] const TChartArrowPen& Arrow() const { return m_arrow; }

    // Rows of the frame on one side: its pen width when visible, else 0.
    [[nodiscard]] int FrameWidth() const { return m_frame.Visible() ? m_frame.Width() : 0; }
    // The room beyond the anchor for a font of `lineHeight`: arrow, box, frame and padding.
    [[nodiscard]] int Extent(int lineHeight) const { return lineHeight + m_arrowLength + 2 * FrameWidth() + 1; }

    // Draws the mark of `index` with its arrow starting at the anchor: upwards
    // from row anchor.y - 1, or downwards from row anchor.y when `below`; the
    // box is centred on anchor.x. Remembers the box for PositionOf.
    void Draw(TChartCanvas& canvas, int index, TPoint anchor, const std::string& text, bool below);
    // The box drawn last for the point; an empty rectangle when none was.
    [[nodiscard]] TRect PositionOf(int index) const;

    void ForgetPositions() { m_positions.clear(); }
    void ForgetPosition(int index);

private:
    void Changed();

    TChartSeries* m_owner;
    bool m_visible = false;
    TSeriesMarksStyle m_style = TSeriesMarksStyle::smsValue;
    int m_arrowLength = 8;
    bool m_clip = false;
    TColor m_backColor = DefaultBackColor;
    TChartFont m_font{[this] { Changed(); }};
    TChartPen m_frame{[this] { Changed(); }};
    TChartArrowPen m_arrow{[this] { Changed(); }};
    std::vector<TRect> m_positions;
};

class TChartSeries {
public:
    using TNotifyEvent = std::function<void(TChartSeries& sender)>;
    using TBeforeAddEvent = std::function<bool(TChartSeries& sender)>;
    using TAfterAddEvent = std::function<void(TChartSeries& sender, int index)>;

    TChartSeries();
    virtual ~TChartSeries();

    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;

    // Component base.
    [[nodiscard]] const std::string& Name() const { return m_name; }
    void SetName(std::string value) { m_name = std::move(value); }
    [[nodiscard]] std::intptr_t Tag() const { return m_tag; }
    void SetTag(std::intptr_t value) { m_tag = value; }

    // Sources and dependents exist in the model only; nothing here feeds them.
    virtual int CopyPointFrom(TChartSeries& source, int index);
    virtual void SourcePointAdded(TChartSeries& source, int index);
    virtual void CopyAllFrom(TChartSeries& source);
    virtual void EmptyLists();
    virtual void SourcePointRemoved(TChartSeries& source, int index);

    // Drawing hooks, run by the chart's paint.
    virtual void FinishDrawing();
    virtual void BeforeChartPaint() {}
    virtual void StartDrawing();
    virtual void DrawPoints();
    // Draws the mark of every visible point that is not null (the chart calls
    // it when Marks are visible).
    void DrawMarks();
    // The mark above the point's position.
    virtual void DrawPointMark(int index, const std::string& text, TPoint position);
    // The text Marks show for the point, by Marks' style.
    [[nodiscard]] std::string MarkText(int index) const;
    virtual void DrawPoint(int /*index*/) {}

    [[nodiscard]] virtual TColor PointColor(int index) const;
    [[nodiscard]] virtual std::string PointLabel(int index) const;
    [[nodiscard]] virtual double PointX(int index) const;
    [[nodiscard]] virtual double PointY(int index) const;
    virtual void PointAdded(int index);
    [[nodiscard]] virtual bool SharesDepth() const { return false; }

    [[nodiscard]] bool Active() const { return m_active; }
    virtual void SetActive(bool value);
    [[nodiscard]] bool ColorEachPoint() const { return m_colorEachPoint; }
    virtual void SetColorEachPoint(bool value);
    [[nodiscard]] TCustomAxisPanel* ParentChart() const { return m_parentChart; }
    virtual void SetParentChart(TCustomAxisPanel* chart);
    [[nodiscard]] TColor SeriesColor() const { return m_seriesColor; }
    virtual void SetSeriesColor(TColor value);

    // Index of the new point, or -1 when OnBeforeAdd refused it.
    virtual int AppendPoint(double value, const std::string& label = {}, TColor color = clDefault);
    virtual int AppendNull(const std::string& label = {});
    virtual int AddNullPoint(double x, double y, const std::string& label = {});
    virtual int AddPoint(double x, double y, const std::string& label = {}, TColor color = clDefault);
    [[nodiscard]] virtual bool UsesAxis(const TChartAxis& axis) const;
    virtual void ClearPoints();
    [[nodiscard]] virtual int LegendEntryCount() const { return PointCount(); }
    virtual void RemovePoint(int index);

    // Throws ChartException for a count below 1.
    virtual void FillRandom(int count);
    virtual void GalleryView3D(bool /*flag*/) {}
    [[nodiscard]] virtual bool CanFeed(const TChartSeries& /*series*/) const { return false; }
    [[nodiscard]] virtual bool AcceptsSource(const TChartSeries& /*series*/) const { return false; }

    [[nodiscard]] virtual int LegendEntryPoint(int entry) const { return entry; }
    [[nodiscard]] virtual TColor LegendEntryColor(int entry) const { return PointColor(entry); }
    [[nodiscard]] virtual std::string LegendEntryText(int entry, TLegendTextStyle style) const;

    [[nodiscard]] virtual double HighestX() const;
    [[nodiscard]] virtual double HighestY() const;
    [[nodiscard]] virtual double HighestZ() const { return 0; }
    [[nodiscard]] virtual double LowestX() const;
    [[nodiscard]] virtual double LowestY() const;
    [[nodiscard]] virtual double LowestZ() const { return 0; }

    [[nodiscard]] virtual int SampleSize() const { return 5; }
    virtual void PrepareGallery(bool /*flag*/) {}
    [[nodiscard]] virtual std::string EditorClassName() const { return {}; }

    // Pixel column and row of a point through the resolved axes (0 without one).
    [[nodiscard]] virtual int ScreenX(int index) const;
    [[nodiscard]] virtual int ScreenY(int index) const;
    // Pixel of v on the axis of the main value list's quantity.
    [[nodiscard]] int ScreenOfMain(double value) const;
    // FirstVisible and LastVisible for the current paint; both -1 when no point is in view.
    void UpdateVisibleRange();

    virtual void InsertPendingExtras(int index);
    // Case-insensitive, among the lists after X and Y; YValues when none matches.
    [[nodiscard]] virtual TChartValueList& ValueListNamed(const std::string& name);
    [[nodiscard]] virtual int PointAt(int /*x*/, int /*y*/) const { return -1; }
    [[nodiscard]] virtual double StackValue(int index) const;
    [[nodiscard]] virtual double MainValue(int index) const;
    // Sum of the positive StackValue(index) of the active series of the same kind
    // before this one in SeriesList, or of all of them when all is true.
    [[nodiscard]] virtual double BaseValue(int index, bool all) const;
    [[nodiscard]] virtual TChartValueList& MainValueList() { return m_yValues; }
    [[nodiscard]] virtual const TChartValueList& MainValueList() const { return m_yValues; }
    [[nodiscard]] virtual bool PointsForward() const { return true; }
    [[nodiscard]] virtual bool SeriesForward(int /*index*/) const { return true; }
    virtual void ExchangePoints(int a, int b);
    virtual void AssignDepth() {}

    virtual void ResetPending(TChartValueList& list) { list.SetPendingValue(0); }

    // Legend symbol; entry -1 is the series' own entry. Drawn on the chart's
    // canvas with the pen the legend (or PrepareLegendPaint) left on it.
    virtual void DrawLegendSymbol(int entry, TRect rect);
    virtual void DrawLegendBox(int entry, TRect rect);
    virtual void PrepareLegendPaint(int /*entry*/, TColor& /*back*/, TBrushStyle& /*style*/) {}

    // Pixels the series asks the axes to keep free at either end.
    virtual void HorizontalMargins(int& left, int& right) const { left = right = 0; }
    virtual void VerticalMargins(int& top, int& bottom) const { top = bottom = 0; }
    [[nodiscard]] virtual bool NeedsAxes() const { return true; }
    // Change callback of the series' pens and brushes.
    virtual void StyleChanged() { RequestRepaint(); }

    // True when both are of one class, or the class of one derives from the other's.
    [[nodiscard]] bool IsSameKind(const TChartSeries& other) const;

    [[nodiscard]] int PointCount() const { return m_xValues.ItemCount(); }
    [[nodiscard]] bool YIsMain() const { return &MainValueList() == &m_yValues; }
    void SetPointColor(int index, TColor color);
    // An empty label is stored as no text.
    void SetPointLabel(int index, const std::string& label);
    void RequestRepaint() const;
    void ResolveAxes();

    [[nodiscard]] TChartValueList& XValues() { return m_xValues; }
    [[nodiscard]] const TChartValueList& XValues() const { return m_xValues; }
    [[nodiscard]] TChartValueList& YValues() { return m_yValues; }
    [[nodiscard]] const TChartValueList& YValues() const { return m_yValues; }
    [[nodiscard]] TChartValueLists& ValueLists() { return m_valueLists; }
    [[nodiscard]] const TChartValueLists& ValueLists() const { return m_valueLists; }
    [[nodiscard]] TSeriesMarks& Marks() { return m_marks; }
    [[nodiscard]] const TSeriesMarks& Marks() const { return m_marks; }

    [[nodiscard]] bool ShowInLegend() const { return m_showInLegend; }
    void SetShowInLegend(bool value);
    [[nodiscard]] const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& value);
    [[nodiscard]] const std::string& ValueFormat() const { return m_valueFormat; }
    void SetValueFormat(const std::string& value);
    [[nodiscard]] const std::string& PercentFormat() const { return m_percentFormat; }
    void SetPercentFormat(const std::string& value);
    [[nodiscard]] THorizAxis HorizAxis() const { return m_horizAxis; }
    void SetHorizAxis(THorizAxis value);
    [[nodiscard]] TVertAxis VertAxis() const { return m_vertAxis; }
    void SetVertAxis(TVertAxis value);
    [[nodiscard]] TChartAxis* CustomHorizAxis() const { return m_customHorizAxis; }
    void SetCustomHorizAxis(TChartAxis* axis);
    [[nodiscard]] TChartAxis* CustomVertAxis() const { return m_customVertAxis; }
    void SetCustomVertAxis(TChartAxis* axis);
    [[nodiscard]] TChartAxis* ResolvedHorizAxis() const { return m_resolvedHorizAxis; }
    [[nodiscard]] TChartAxis* ResolvedVertAxis() const { return m_resolvedVertAxis; }

    [[nodiscard]] int FirstVisible() const { return m_firstVisible; }
    [[nodiscard]] int LastVisible() const { return m_lastVisible; }
    [[nodiscard]] bool LimitToVisible() const { return m_limitToVisible; }
    void SetLimitToVisible(bool value);
    [[nodiscard]] bool DrawBetween() const { return m_drawBetween; }
    void SetDrawBetween(bool value) { m_drawBetween = value; }
    [[nodiscard]] int DepthOrder() const { return m_depthOrder; }
    void SetDepthOrder(int value) { m_depthOrder = value; }
    [[nodiscard]] int Cursor() const { return m_cursor; }
    void SetCursor(int value) { m_cursor = value; }
    [[nodiscard]] const std::string& ColorSource() const { return m_colorSource; }
    void SetColorSource(std::string value) { m_colorSource = std::move(value); }
    [[nodiscard]] const std::string& XLabelsSource() const { return m_xLabelsSource; }
    void SetXLabelsSource(std::string value) { m_xLabelsSource = std::move(value); }
    [[nodiscard]] TSeriesRecalcOptions RecalcOptions() const { return m_recalcOptions; }
    void SetRecalcOptions(TSeriesRecalcOptions value) { m_recalcOptions = value; }
    [[nodiscard]] const std::vector<TChartSeries*>& Dependents() const { return m_dependents; }
    [[nodiscard]] const std::vector<TChartSeries*>& DataSources() const { return m_dataSources; }

    // Events; each fires only when assigned.
    TBeforeAddEvent OnBeforeAdd;
    TAfterAddEvent OnAfterAdd;
    TNotifyEvent OnClearValues;
    TNotifyEvent BeforeDrawValues;
    TNotifyEvent AfterDrawValues;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    // Ask the chart, when set, whether it is in its destructor.
    [[nodiscard]] bool ChartIsDestroying() const;
    // Written by the visible-range computation of a paint.
    void SetVisibleRange(int first, int last) {
        m_firstVisible = first;
        m_lastVisible = last;
    }
    // The class test behind IsSameKind: true when other is an instance of this
    // object's class or of a class derived from it. Each series type overrides
    // it with a dynamic_cast to its own class.
    [[nodiscard]] virtual bool ClassIncludes(const TChartSeries& other) const;

private:
    friend class TCustomAxisPanel;
    void DetachFromChart(bool invalidate);

    std::string m_name;
    std::intptr_t m_tag = 0;

    bool m_active = true;
    TColor m_seriesColor = clDefault;
    bool m_colorEachPoint = false;
    std::vector<TColor> m_pointColors;
    std::string m_colorSource;
    std::string m_xLabelsSource;
    int m_cursor = 0;
    std::vector<TChartSeries*> m_dataSources;
    int m_firstVisible = -1;
    int m_lastVisible = -1;
    TChartAxis* m_resolvedHorizAxis = nullptr;
    TChartAxis* m_resolvedVertAxis = nullptr;
    std::vector<TChartSeries*> m_dependents;
    TSeriesMarks m_marks{this};
    TCustomAxisPanel* m_parentChart = nullptr;
    std::string m_percentFormat = "##0.## %";
    bool m_showInLegend = true;
    std::string m_title;
    std::string m_valueFormat = "#,##0.###";
    // Declared before the lists that register in it, so it outlives them.
    TChartValueLists m_valueLists;
    TChartValueList m_xValues{this, "X"};
    // An empty label is stored as no text.
    std::vector<std::optional<std::string>> m_pointLabels;
    TChartValueList m_yValues{this, "Y"};
    THorizAxis m_horizAxis = THorizAxis::aBottomAxis;
    TChartAxis* m_customHorizAxis = nullptr;
    TChartAxis* m_customVertAxis = nullptr;
    int m_depthOrder = -1;
    TVertAxis m_vertAxis = TVertAxis::aLeftAxis;
    TSeriesRecalcOptions m_recalcOptions;
    bool m_limitToVisible = true;
    bool m_drawBetween = false;
};
