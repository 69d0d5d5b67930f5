#pragma once
// The engine unit: value lists, the series base, axes and the chart with axes.
//
// TChartAxis and TCustomAxisPanel carry, for now, only what series need: the
// fixed kind of each axis, the series list, the five axes, the colours that
// FreeSeriesColor avoids and the repaint request.

#include "ChartSeries.h"
#include "ChartValueList.h"
#include "Basics.h"

#include <memory>
#include <vector>

class TCustomAxisPanel;

enum class TAxisKind { akBottom, akTop, akLeft, akRight, akDepth };
using enum TAxisKind;

class TChartAxis {
public:
    TChartAxis(TCustomAxisPanel* chart, TAxisKind kind);
    virtual ~TChartAxis() = default;

    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;

    [[nodiscard]] TCustomAxisPanel* ParentChart() const { return m_chart; }
    [[nodiscard]] TAxisKind Kind() const { return m_kind; }
    [[nodiscard]] bool Horizontal() const { return m_horizontal; }
    // Top or right axis (and the depth axis).
    [[nodiscard]] bool OtherSide() const { return m_otherSide; }
    [[nodiscard]] bool IsDepthAxis() const { return m_isDepthAxis; }

private:
    TCustomAxisPanel* m_chart;
    TAxisKind m_kind;
    bool m_horizontal;
    bool m_otherSide;
    bool m_isDepthAxis;
};

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

class TCustomAxisPanel {
public:
    TCustomAxisPanel();
    // Detaches and frees every series still in SeriesList, first entry first,
    // without repaint requests.
    virtual ~TCustomAxisPanel();

    TCustomAxisPanel(const TCustomAxisPanel&) = delete;
    TCustomAxisPanel& operator=(const TCustomAxisPanel&) = delete;

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

    [[nodiscard]] TChartAxis* BottomAxis() const { return m_axes[0].get(); }
    [[nodiscard]] TChartAxis* TopAxis() const { return m_axes[1].get(); }
    [[nodiscard]] TChartAxis* LeftAxis() const { return m_axes[2].get(); }
    [[nodiscard]] TChartAxis* RightAxis() const { return m_axes[3].get(); }
    [[nodiscard]] TChartAxis* DepthAxis() const { return m_axes[4].get(); }
    [[nodiscard]] int AxisCount() const { return static_cast<int>(m_axes.size()); }
    [[nodiscard]] TChartAxis* Axis(int index) const { return m_axes[static_cast<std::size_t>(index)].get(); }

    // Asks for a repaint later; nothing is drawn here.
    virtual void InvalidateChart() {}

    [[nodiscard]] virtual TColor Color() const { return m_color; }
    virtual void SetColor(TColor value);
    [[nodiscard]] virtual TColor BackColor() const { return m_backColor; }
    virtual void SetBackColor(TColor value);

    // A colour not yet taken by a series and distinct from Color and BackColor.
    [[nodiscard]] TColor FreeSeriesColor() const;
    [[nodiscard]] virtual bool IsFreeSeriesColor(TColor color) const;

    [[nodiscard]] bool IsDestroying() const { return m_destroying; }
    [[nodiscard]] virtual int MaxPointsPerPage() const { return 0; }

    [[nodiscard]] int Cursor() const { return m_cursor; }
    void SetCursor(int value) { m_cursor = value; }
    [[nodiscard]] int OriginalCursor() const { return m_originalCursor; }

private:
    friend class TChartSeries;
    void RemoveSeries(TChartSeries& series, bool invalidate);
    void AppendSeries(TChartSeries& series);

    TChartSeriesList m_seriesList{this};
    std::vector<std::unique_ptr<TChartAxis>> m_axes;
    TColor m_color = clBtnFace;
    TColor m_backColor = clDefault;
    bool m_destroying = false;
    int m_cursor = 0;
    int m_originalCursor = 0;
};
