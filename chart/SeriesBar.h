#pragma once
// Vertical bars (TCustomBarSeries, TBarSeries).
//
// Bar width is derived at every paint inside HorizontalMargins, which the
// horizontal axis asks before any bar is drawn; DrawPoint relies on it.
// MultiBar and SideMargins are shared by every bar series of the same kind in
// one chart: setting them on one series writes them into the others.

#include "ChartCanvas.h"
#include "ChartSeries.h"

#include <functional>
#include <string>

enum class TBarStyle { bsRectangle, bsPyramid, bsInvPyramid, bsCilinder, bsEllipse, bsArrow, bsRectGradient };
using enum TBarStyle;

enum class TMultiBar { mbNone, mbSide, mbStacked, mbStacked100 };
using enum TMultiBar;

class TCustomBarSeries : public TChartSeries {
public:
    using TGetBarStyleEvent = std::function<void(TCustomBarSeries& sender, int index, TBarStyle& style)>;

    TCustomBarSeries();

    [[nodiscard]] bool AutoBarSize() const { return m_autoBarSize; }
    void SetAutoBarSize(bool value);
    [[nodiscard]] bool AutoMarkPosition() const { return m_autoMarkPosition; }
    void SetAutoMarkPosition(bool value);
    [[nodiscard]] TChartBrush& BarBrush() { return m_barBrush; }
    [[nodiscard]] const TChartBrush& BarBrush() const { return m_barBrush; }
    void SetBarBrush(const TChartBrush& value) { m_barBrush.Assign(value); }
    [[nodiscard]] TChartPen& BarPen() { return m_barPen; }
    [[nodiscard]] const TChartPen& BarPen() const { return m_barPen; }
    void SetBarPen(const TChartPen& value) { m_barPen.Assign(value); }
    [[nodiscard]] TBarStyle BarStyle() const { return m_barStyle; }
    void SetBarStyle(TBarStyle value);
    [[nodiscard]] int BarWidthPercent() const { return m_barWidthPercent; }
    // BarException "Bar Width Percent must be between 1 and 100" outside 1..100.
    void SetBarWidthPercent(int value);
    [[nodiscard]] bool Dark3D() const { return m_dark3D; }
    void SetDark3D(bool value);
    [[nodiscard]] TMultiBar MultiBar() const { return m_multiBar; }
    // Written into every bar series of the same kind in the chart.
    void SetMultiBar(TMultiBar value);
    [[nodiscard]] int OffsetPercent() const { return m_offsetPercent; }
    // BarException "Bar Offset Percent must be between -100% and 100%" outside -100..100.
    void SetOffsetPercent(int value);
    [[nodiscard]] bool SideMargins() const { return m_sideMargins; }
    // Copied into every other bar series of the same kind in the chart.
    void SetSideMargins(bool value);
    [[nodiscard]] bool UseYOrigin() const { return m_useYOrigin; }
    void SetUseYOrigin(bool value);
    [[nodiscard]] double YOrigin() const { return m_yOrigin; }
    void SetYOrigin(double value);
    [[nodiscard]] int CustomBarWidth() const { return m_customBarWidth; }
    // Beyond +-32767, BarException "Custom Bar Width must be between -32767 and 32767 pixels".
    void SetCustomBarWidth(int value);

    TGetBarStyleEvent OnGetBarStyle;

    // Paint state: the width of the latest axis pass and the bar being drawn.
    [[nodiscard]] int BarPixelWidth() const { return m_barPixelWidth; }
    [[nodiscard]] const TRect& CurrentBarRect() const { return m_currentBarRect; }
    [[nodiscard]] TColor CurrentBarColor() const { return m_currentBarColor; }

    // Sets BarPixelWidth from the horizontal axis' pixel length and the point count.
    void ComputeBarWidth() const;
    // Active series of the same kind standing side by side (mbSide), else 1.
    [[nodiscard]] int SideBySideCount() const;
    // 1 + the active series of the same kind listed before this one.
    [[nodiscard]] int BarRank() const;
    [[nodiscard]] TBarStyle BarStyleFor(int index);

    [[nodiscard]] virtual int MarkExtent(int index) const = 0;
    [[nodiscard]] virtual bool BarHit(int index, TPoint p) const = 0;

    [[nodiscard]] int SampleSize() const override { return 6; }
    [[nodiscard]] std::string EditorClassName() const override { return "TBarSeriesEditor"; }
    [[nodiscard]] int PointAt(int x, int y) const override;
    void DrawLegendBox(int entry, TRect rect) override;
    void PrepareLegendPaint(int entry, TColor& back, TBrushStyle& style) override;

protected:
    [[nodiscard]] bool ClassIncludes(const TChartSeries& other) const override;

    // Canvas pen from BarPen; brush from BarBrush's bitmap, or the colour with
    // BarBrush's style on its back colour.
    void ApplyBarPenBrush(TColor color);
    void PaintBarRectangle(TColor color, int left, int top, int right, int bottom);
    void SetCurrentBar(const TRect& rect, TColor color) {
        m_currentBarRect = rect;
        m_currentBarColor = color;
    }
    // BarBrush's colour, or the chart's Color when BarBrush has none.
    [[nodiscard]] TColor BarBackColor() const;

private:
    // Point count and side-by-side count that the width is computed from.
    void WidthBasis(int& points, int& sideBySide) const;
    template <class F>
    void ForEachSameKind(F&& f);

    bool m_autoBarSize = false;
    bool m_autoMarkPosition = true;
    TChartBrush m_barBrush{[this] { StyleChanged(); }};
    TChartPen m_barPen{[this] { StyleChanged(); }};
    TBarStyle m_barStyle = TBarStyle::bsRectangle;
    int m_barWidthPercent = 70;
    bool m_dark3D = true;
    TMultiBar m_multiBar = TMultiBar::mbSide;
    int m_offsetPercent = 0;
    bool m_sideMargins = true;
    bool m_useYOrigin = true;
    double m_yOrigin = 0;
    TRect m_currentBarRect;
    int m_customBarWidth = 0;
    mutable int m_barPixelWidth = 0;
    TColor m_currentBarColor = clDefault;
};

class TBarSeries : public TCustomBarSeries {
public:
    TBarSeries() = default;

    // Row of the bar's base: YOrigin's pixel, or the vertical axis' end pixel.
    [[nodiscard]] int OriginPixel(int index) const;
    virtual void DrawBar(int index, int top, int bottom);

    void DrawPoint(int index) override;
    [[nodiscard]] double HighestY() const override;
    [[nodiscard]] double LowestY() const override;
    [[nodiscard]] int ScreenX(int index) const override;
    [[nodiscard]] int ScreenY(int index) const override;
    [[nodiscard]] bool PointsForward() const override;
    [[nodiscard]] bool SeriesForward(int index) const override;
    void HorizontalMargins(int& left, int& right) const override;
    void VerticalMargins(int& top, int& bottom) const override;
    [[nodiscard]] int MarkExtent(int index) const override;
    [[nodiscard]] bool BarHit(int index, TPoint p) const override;
    // Above the bar's top, or below its bottom when it hangs below the origin.
    void DrawPointMark(int index, const std::string& text, TPoint position) override;

protected:
    [[nodiscard]] bool ClassIncludes(const TChartSeries& other) const override;

private:
    // The plotted value and its base in the MultiBar mode (stacking included).
    [[nodiscard]] double StackedTop(int index) const;
    [[nodiscard]] double StackedBase(int index) const;
};
