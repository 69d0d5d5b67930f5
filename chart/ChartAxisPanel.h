#pragma once
// The chart with axes: the series list, the five axes, the axis and clipping
// switches, the drawing events and the paint pipeline that lays the axes out
// and draws walls, axes and series in their fixed order. Titles, legend and
// walls belong to TCustomChart, which fills in the virtual stages.

#include "ChartPanel.h"
#include "ChartSeries.h"
#include "Basics.h"
#include "Geometry.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TChartAxis;
class TCustomAxisPanel;

// The chart's series in drawing order (the order they joined).
class TChartSeriesList {
public:
    explicit TChartSeriesList(TCustomAxisPanel* chart) : m_chart(chart) {}

    [[nodiscard]] int Count() const { return static_cast<int>(m_items.size()); }
    [[nodiscard]] TChartSeries* operator[](int index) const { return m_items[static_cast<std::size_t>(index)]; }
    [[nodiscard]] TChartSeries* Series(int index) const { return (*this)[index]; }
    [[nodiscard]] int IndexOf(const TChartSeries* series) const;
    [[nodiscard]] int ActiveCount() const;
    [[nodiscard]] TCustomAxisPanel* Chart() const { return m_chart; }
    [[nodiscard]] auto begin() const { return m_items.begin(); }
    [[nodiscard]] auto end() const { return m_items.end(); }

private:
    friend class TChartSeries;
    friend class TCustomAxisPanel;
    void Add(TChartSeries* series) { m_items.push_back(series); }
    void Remove(const TChartSeries* series);

    TCustomAxisPanel* m_chart;
    std::vector<TChartSeries*> m_items;
};

// Widest line of a multi-line text and its number of lines.
struct TLineWidths {
    int width = 0;
    int lines = 1;
    bool operator==(const TLineWidths&) const = default;
};

class TCustomAxisPanel : public TCustomChartPanelExtended {
public:
    using TChartEvent = std::function<void(TCustomAxisPanel& sender)>;
    // series is null for value labels; text may be changed.
    using TAxisLabelEvent =
        std::function<void(TChartAxis& axis, TChartSeries* series, int index, std::string& text)>;
    // Supplies the values of value labels in place of the walk: called with index 0, 1, …
    // and the value the walk would take there (the first label value, then the
    // previous value one step back); it may change the value, and sets stop to end
    // the labels. Values outside the scale get no label; 10000 calls at most.
    using TAxisNextLabelEvent = std::function<void(TChartAxis& axis, int index, double& value, bool& stop)>;

    TCustomAxisPanel();
    // Detaches and frees every series still in SeriesList, first entry first,
    // without repaint requests.
    ~TCustomAxisPanel() override;

    // Joins the series to this chart, which from now on owns it.
    template <class T>
    T* AddSeries(std::unique_ptr<T> series) {
        T* raw = series.release();
        raw->SetParentChart(this);
        return raw;
    }

    [[nodiscard]] TChartSeriesList& SeriesList() { return m_seriesList; }
    [[nodiscard]] const TChartSeriesList& SeriesList() const { return m_seriesList; }
    [[nodiscard]] int ActiveSeriesCount() const { return m_seriesList.ActiveCount(); }
    [[nodiscard]] TChartSeries* FirstActiveSeries() const;
    // The i-th series among those that are Active (or inactiveToo) and
    // ShowInLegend; null when none.
    [[nodiscard]] TChartSeries* SeriesForLegendItem(int index, bool inactiveToo = false) const;
    // Title, else component name, else "Series <i>"; empty when there is no such series.
    [[nodiscard]] std::string SeriesLegendTitle(int index, bool inactiveToo = false) const;

    [[nodiscard]] TChartAxis* BottomAxis() const { return m_axes[0].get(); }
    [[nodiscard]] TChartAxis* TopAxis() const { return m_axes[1].get(); }
    [[nodiscard]] TChartAxis* LeftAxis() const { return m_axes[2].get(); }
    [[nodiscard]] TChartAxis* RightAxis() const { return m_axes[3].get(); }
    [[nodiscard]] TChartAxis* DepthAxis() const { return m_axes[4].get(); }
    [[nodiscard]] int AxisCount() const { return static_cast<int>(m_axes.size()); }
    [[nodiscard]] TChartAxis* Axis(int index) const { return m_axes[static_cast<std::size_t>(index)].get(); }

    [[nodiscard]] virtual TColor BackColor() const { return m_backColor; }
    virtual void SetBackColor(TColor value) { Store(m_backColor, value); }

    // A colour not yet taken by a series and distinct from Color and BackColor.
    [[nodiscard]] TColor FreeSeriesColor() const;
    [[nodiscard]] virtual bool IsFreeSeriesColor(TColor color) const;

    [[nodiscard]] bool IsDestroying() const { return m_destroying; }

    [[nodiscard]] bool AxisVisible() const { return m_axisVisible; }
    void SetAxisVisible(bool value) { Store(m_axisVisible, value); }
    [[nodiscard]] bool ClipPoints() const { return m_clipPoints; }
    void SetClipPoints(bool value) { Store(m_clipPoints, value); }
    [[nodiscard]] virtual int MaxPointsPerPage() const { return m_maxPointsPerPage; }
    // >= 0, else ChartException "MaxPointsPerPage must be >= 0".
    void SetMaxPointsPerPage(int value);
    [[nodiscard]] int Page() const { return m_page; }
    void SetPage(int value) { Store(m_page, value); }
    [[nodiscard]] bool ScaleLastPage() const { return m_scaleLastPage; }
    void SetScaleLastPage(bool value) { Store(m_scaleLastPage, value); }

    [[nodiscard]] int Cursor() const { return m_cursor; }
    void SetCursor(int value) { m_cursor = value; }
    [[nodiscard]] int OriginalCursor() const { return m_originalCursor; }

    // Queries of the paint, also used by axes, series and legend.
    [[nodiscard]] virtual int WallSizeFor(const TChartAxis& axis) const;
    [[nodiscard]] bool AxisShown(const TChartAxis& axis) const;
    void SetCanvasBrush(TColor color, TBrushStyle style, TColor back);
    [[nodiscard]] TLineWidths WidestLineWidth(const std::string& text);
    // The legend's colour, recorded by the legend before it draws its symbols.
    [[nodiscard]] TColor LegendSymbolBackColor() const { return m_legendSymbolBackColor; }
    void SetLegendSymbolBackColor(TColor value) { m_legendSymbolBackColor = value; }

    // Drawing one series: visible range, events, clipping, points.
    void DrawSeries(TChartSeries& series);

    // What a paint draws before the series (background, titles, legend,
    // walls, axes) is kept as a layer of the canvas and put back while the
    // same drawing calls would draw it again. Off: drawn every time.
    [[nodiscard]] bool StaticLayerCache() const { return m_staticLayerCache; }
    void SetStaticLayerCache(bool value) { m_staticLayerCache = value; }
    // Paints that drew the part before the series rather than putting it back.
    [[nodiscard]] int StaticLayerDraws() const { return m_staticLayerDraws; }

    // Each fires only when assigned.
    TChartEvent OnBeforeDrawAxes;
    TChartEvent OnBeforeDrawSeries;
    TAxisLabelEvent OnGetAxisLabel;
    TAxisNextLabelEvent OnGetNextAxisLabel;

protected:
    void DrawChart(const TRect& bounds) override;
    virtual void LayoutAxes();
    virtual void FitSeriesMargins();
    virtual void DrawTitlesLegend() {}
    virtual void PaintWalls() {}
    // Thickness of the back wall in a 3D view.
    [[nodiscard]] virtual int BackWallSize() const { return 0; }

private:
    friend class TChartSeries;
    void RemoveSeries(TChartSeries& series, bool invalidate);
    void AppendSeries(TChartSeries& series);
    void DrawStaticPart(const TRect& bounds);

    TChartSeriesList m_seriesList{this};
    std::vector<std::unique_ptr<TChartAxis>> m_axes;
    TColor m_backColor = clDefault;
    bool m_destroying = false;
    bool m_axisVisible = true;
    bool m_clipPoints = true;
    int m_maxPointsPerPage = 0;
    int m_page = 1;
    bool m_scaleLastPage = true;
    int m_cursor = 0;
    int m_originalCursor = 0;
    TColor m_legendSymbolBackColor = clDefault;
    bool m_staticLayerCache = true;
    int m_staticLayerDraws = 0;
};
