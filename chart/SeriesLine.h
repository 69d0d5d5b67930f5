#pragma once
// Lines (TCustomSeries, TLineSeries) with their point markers (TSeriesPointer).

#include "ChartCanvas.h"
#include "ChartSeries.h"

#include <functional>
#include <string>

enum class TSeriesPointerStyle {
    psRectangle, psCircle, psTriangle, psDownTriangle, psCross, psDiagCross, psStar, psDiamond, psSmallDot
};
using enum TSeriesPointerStyle;

class TCustomSeries;

class TSeriesPointer {
public:
    explicit TSeriesPointer(TChartSeries* owner);
    TSeriesPointer(const TSeriesPointer&) = delete;
    TSeriesPointer& operator=(const TSeriesPointer&) = delete;

    [[nodiscard]] TChartBrush& Brush() { return m_brush; }
    [[nodiscard]] const TChartBrush& Brush() const { return m_brush; }
    [[nodiscard]] TChartPen& Pen() { return m_pen; }
    [[nodiscard]] const TChartPen& Pen() const { return m_pen; }
    [[nodiscard]] bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool value);
    [[nodiscard]] bool Draw3D() const { return m_draw3D; }
    void SetDraw3D(bool value);
    [[nodiscard]] int HorizSize() const { return m_horizSize; }
    // ChartException "Pointer size must be greater than zero" below 1, and
    // "Pointer size must be between -32767 and 32767 pixels" above 32767.
    void SetHorizSize(int value);
    [[nodiscard]] bool InflateMargins() const { return m_inflateMargins; }
    void SetInflateMargins(bool value);
    [[nodiscard]] TSeriesPointerStyle Style() const { return m_style; }
    void SetStyle(TSeriesPointerStyle value);
    [[nodiscard]] int VertSize() const { return m_vertSize; }
    void SetVertSize(int value);  // as SetHorizSize
    [[nodiscard]] bool Visible() const { return m_visible; }
    void SetVisible(bool value);

    // The marker centred on (x, y), half sizes horiz and vert, in colour.
    void Draw(TChartCanvas& canvas, int x, int y, TColor color, int horiz, int vert) const;
    void Draw(TChartCanvas& canvas, int x, int y, TColor color) const {
        Draw(canvas, x, y, color, m_horizSize, m_vertSize);
    }

private:
    void Changed() const;

    TChartSeries* m_owner;
    TChartBrush m_brush{[this] { Changed(); }};
    TChartPen m_pen{[this] { Changed(); }};
    bool m_dark3D = true;
    bool m_draw3D = true;
    int m_horizSize = 4;
    bool m_inflateMargins = true;
    TSeriesPointerStyle m_style = TSeriesPointerStyle::psRectangle;
    int m_vertSize = 4;
    bool m_visible = true;
};

class TCustomSeries : public TChartSeries {
public:
    TCustomSeries();

    [[nodiscard]] TChartPen& LinePen() { return m_linePen; }
    [[nodiscard]] const TChartPen& LinePen() const { return m_linePen; }
    void SetLinePen(const TChartPen& value) { m_linePen.Assign(value); }
    [[nodiscard]] TSeriesPointer& Pointer() { return m_pointer; }
    [[nodiscard]] const TSeriesPointer& Pointer() const { return m_pointer; }
    [[nodiscard]] bool Stairs() const { return m_stairs; }
    void SetStairs(bool value);
    [[nodiscard]] bool InvertedStairs() const { return m_invertedStairs; }
    void SetInvertedStairs(bool value);
    [[nodiscard]] int LineHeight() const { return m_lineHeight; }
    // Beyond +-32767, ChartException "Line Height must be between -32767 and 32767 pixels".
    void SetLineHeight(int value);
    [[nodiscard]] TBrushStyle LineBrush() const { return m_lineBrush; }
    void SetLineBrush(TBrushStyle value);
    [[nodiscard]] bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool value);

    // Asked, when the pointer is visible, whether point `index` gets one;
    // unassigned, every point does. Marks only some points (a line's
    // particular days) without a series of its own.
    std::function<bool(int index)> PointerFilter;

    [[nodiscard]] bool DrawLines() const { return m_drawLines; }
    [[nodiscard]] bool DrawArea() const { return m_drawArea; }
    [[nodiscard]] bool ClickableLine() const { return m_clickableLine; }

    // One pass: the previous point's position and colour start afresh, so a
    // paint never joins the last point of the paint before.
    void DrawPoints() override;
    void DrawPoint(int index) override;
    void HorizontalMargins(int& left, int& right) const override;
    void VerticalMargins(int& top, int& bottom) const override;
    void PrepareLegendPaint(int entry, TColor& back, TBrushStyle& style) override;
    void DrawLegendSymbol(int entry, TRect rect) override;

protected:
    [[nodiscard]] bool ClassIncludes(const TChartSeries& other) const override;
    void SetDrawLines(bool value) { m_drawLines = value; }
    void SetDrawArea(bool value) { m_drawArea = value; }

private:
    // Canvas pen from LinePen in the given colour, brush clear.
    void PrepareLinePen(TChartCanvas& canvas, TColor color) const;
    void DrawSegmentTo(TChartCanvas& canvas, int x, int y, TColor color) const;
    // Height at the chart rectangle's entry edge on the segment from point index - 1 to index.
    [[nodiscard]] int EntryY(int index, int edgeX) const;
    [[nodiscard]] bool PointerAt(int index) const { return !PointerFilter || PointerFilter(index); }

    TChartPen m_linePen{[this] { StyleChanged(); }};
    TSeriesPointer m_pointer{this};
    bool m_stairs = false;
    bool m_invertedStairs = false;
    int m_lineHeight = 0;
    TBrushStyle m_lineBrush = bsSolid;
    bool m_dark3D = true;
    bool m_drawLines = true;
    bool m_drawArea = false;
    bool m_clickableLine = true;

    // Carried from point to point within one drawing pass.
    int m_oldX = 0;
    int m_oldY = 0;
    int m_oldIndex = -1;
    TColor m_oldColor = clNone;
};

class TLineSeries : public TCustomSeries {
public:
    TLineSeries();

protected:
    [[nodiscard]] bool ClassIncludes(const TChartSeries& other) const override;
};
