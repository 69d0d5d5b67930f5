#pragma once
// The chart legend: a framed box with a drop shadow listing the chart's series,
// or the points of its only series, at one edge of the chart rectangle. The
// chart paints it early in each paint; it then moves that edge of the chart
// rectangle inward so that axes and series are drawn beside it.

#include "ChartCanvas.h"
#include "ChartLegendLayout.h"
#include "Basics.h"
#include "Geometry.h"

#include <string>
#include <vector>

class TCustomAxisPanel;
class TChartSeries;

using enum TLegendAlignment;
using enum TLegendStyle;
using enum TLegendTextStyle;

class TCustomChartLegend : public TStoresProperties {
public:
    explicit TCustomChartLegend(TCustomAxisPanel* chart);

    TCustomChartLegend(const TCustomChartLegend&) = delete;
    TCustomChartLegend& operator=(const TCustomChartLegend&) = delete;

    [[nodiscard]] TCustomAxisPanel* ParentChart() const { return m_chart; }

    // Copies Visible, LegendStyle, FirstValue, Alignment, TextStyle, ColorWidth,
    // HorizMargin, VertMargin, ResizeChart, Inverted, TopPos, Color, Frame,
    // MaxNumRows and Brush, then the font; the shadow and dividing lines stay.
    virtual void Assign(const TCustomChartLegend& source);

    // Items of the given size that fit after start along the legend's direction.
    [[nodiscard]] virtual int ItemsThatFit(int start, int size);
    // Lays the legend out, draws it and takes its room from the chart rectangle.
    virtual void PaintLegend();

    // Stored properties
    [[nodiscard]] bool Visible() const { return m_visible; }
    [[nodiscard]] TLegendAlignment Alignment() const { return m_alignment; }
    [[nodiscard]] TLegendStyle LegendStyle() const { return m_legendStyle; }
    [[nodiscard]] TLegendTextStyle TextStyle() const { return m_textStyle; }
    [[nodiscard]] int ColorWidth() const { return m_colorWidth; }
    [[nodiscard]] int FirstValue() const { return m_firstValue; }
    [[nodiscard]] bool Inverted() const { return m_inverted; }
    [[nodiscard]] int MaxNumRows() const { return m_maxNumRows; }
    [[nodiscard]] bool ResizeChart() const { return m_resizeChart; }
    [[nodiscard]] TColor ShadowColor() const { return m_shadowColor; }
    [[nodiscard]] int ShadowSize() const { return m_shadowSize; }
    [[nodiscard]] int TopPos() const { return m_topPos; }
    [[nodiscard]] int HorizMargin() const { return m_horizMargin; }
    [[nodiscard]] int VertMargin() const { return m_vertMargin; }
    [[nodiscard]] TColor Color() const { return m_color; }

    void SetVisible(bool value);
    void SetAlignment(TLegendAlignment value);
    void SetLegendStyle(TLegendStyle value);  // also resolves the style
    void SetTextStyle(TLegendTextStyle value);
    // Refused values raise LegendException and keep the old value.
    void SetColorWidth(int value);  // 0..100
    void SetFirstValue(int value);  // >= 0
    void SetTopPos(int value);      // 0..100
    void SetInverted(bool value);
    void SetMaxNumRows(int value);
    void SetResizeChart(bool value);
    void SetShadowColor(TColor value);
    // The shadow size and the margins beyond +-32767 raise LegendException "Legend
    // <Shadow Size|Horizontal Margin|Vertical Margin> must be between -32767 and 32767 pixels".
    void SetShadowSize(int value);
    void SetHorizMargin(int value);
    void SetVertMargin(int value);
    void SetColor(TColor value);

    // Off by default, as the stored legend has it: a series that is not
    // Active has no item. On, such a series keeps its item (lsSeries and
    // lsLastValues), its text in InactiveColor, so that a user who hid it
    // sees what is off and can click it back.
    [[nodiscard]] bool ShowInactive() const { return m_showInactive; }
    void SetShowInactive(bool value);
    [[nodiscard]] TColor InactiveColor() const { return m_inactiveColor; }
    void SetInactiveColor(TColor value);

    // Owned objects; a change repaints the chart. The setters copy into them.
    [[nodiscard]] TChartFont& Font() { return m_font; }
    [[nodiscard]] const TChartFont& Font() const { return m_font; }
    [[nodiscard]] TChartPen& Frame() { return m_frame; }
    [[nodiscard]] const TChartPen& Frame() const { return m_frame; }
    [[nodiscard]] TChartBrush& Brush() { return m_brush; }
    [[nodiscard]] const TChartBrush& Brush() const { return m_brush; }
    [[nodiscard]] TChartHiddenPen& DividingLines() { return m_dividingLines; }
    [[nodiscard]] const TChartHiddenPen& DividingLines() const { return m_dividingLines; }
    void SetFont(const TChartFont& value) { m_font.Assign(value); }
    void SetFrame(const TChartPen& value) { m_frame.Assign(value); }
    void SetBrush(const TChartBrush& value) { m_brush.Assign(value); }
    void SetDividingLines(const TChartPen& value) { m_dividingLines.Assign(value); }

    // Working state of the last paint
    [[nodiscard]] TLegendStyle ResolvedStyle() const { return m_resolvedStyle; }
    [[nodiscard]] const TRect& LegendRect() const { return m_layout.LegendRect; }
    [[nodiscard]] int SymbolWidth() const { return m_layout.SymbolWidth; }
    [[nodiscard]] int ColumnCount() const { return m_layout.ColumnCount; }
    [[nodiscard]] int RowCount() const { return m_layout.RowCount; }
    [[nodiscard]] const TLegendLayout& Layout() const { return m_layout; }
    // Line height of the legend font in the last paint.
    [[nodiscard]] int ItemHeight() const { return m_itemHeight; }

    // lsAuto becomes lsValues below two active series, lsSeries otherwise.
    void ResolveLegendStyle();
    [[nodiscard]] bool IsVertical() const { return IsVerticalLegend(m_alignment); }
    // Items after skipping FirstValue, for the resolved style.
    [[nodiscard]] int LegendItemTotal() const;
    // Text of item i (i counts from FirstValue).
    [[nodiscard]] std::string LegendItemText(int i) const;
    // Widest text of items FirstValue .. FirstValue + count - 1 in the legend
    // font; count -1 means all items.
    [[nodiscard]] int WidestItemText(int count);
    [[nodiscard]] TRect SymbolRect(int x, int top, int bottom) const;
    // Item slot under the pixel of the last paint, -1 for none.
    [[nodiscard]] int ItemAtPoint(int x, int y) const;
    // The item (counting from FirstValue) the last paint drew in the cell
    // under the pixel, -1 for none; items without text are not drawn. `cell`
    // receives the item's cell.
    [[nodiscard]] int DrawnItemAt(int x, int y, TRect* cell = nullptr) const;
    // The series of that item when the legend lists series; null otherwise.
    [[nodiscard]] TChartSeries* SeriesAtPoint(int x, int y) const;
    // For a paint that draws no legend.
    void ForgetDrawnItems() { m_drawnItems.clear(); }

protected:
    void Repaint() const;

private:
    void PropertyChanged() override { Repaint(); }

    [[nodiscard]] int FrameWidth() const { return m_frame.Width(); }
    [[nodiscard]] TChartSeries* FirstActiveSeries() const;
    [[nodiscard]] int LegendSeriesCount() const;
    [[nodiscard]] TChartSeries* ListedSeries(int i) const;
    [[nodiscard]] std::string PointItemText(const TChartSeries* series, int point) const;
    void PaintLegendBox();
    void PaintLegendItem(int i, int position);

    TCustomAxisPanel* m_chart;

    bool m_visible = true;
    TLegendAlignment m_alignment = laRight;
    TLegendStyle m_legendStyle = lsAuto;
    TLegendTextStyle m_textStyle = ltsLeftValue;
    int m_colorWidth = 12;
    int m_firstValue = 0;
    bool m_inverted = false;
    int m_maxNumRows = 10;
    bool m_resizeChart = true;
    TColor m_shadowColor = clBlack;
    int m_shadowSize = 3;
    int m_topPos = 10;
    int m_horizMargin = 0;
    int m_vertMargin = 0;
    TColor m_color = clWhite;
    bool m_showInactive = false;
    TColor m_inactiveColor = clGray;

    TChartFont m_font;
    TChartPen m_frame;
    TChartBrush m_brush;
    TChartHiddenPen m_dividingLines;

    TLegendStyle m_resolvedStyle = lsValues;
    TLegendLayout m_layout;
    int m_itemHeight = 0;
    struct TDrawnItem {
        int Item;
        TRect Cell;
    };
    std::vector<TDrawnItem> m_drawnItems;
};

class TChartLegend : public TCustomChartLegend {
public:
    using TCustomChartLegend::TCustomChartLegend;
};
