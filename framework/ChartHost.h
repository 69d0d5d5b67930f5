#pragma once
// The widget that shows one chart. The chart paints into its own window image
// (off-screen, through its buffer); this widget only hands it the platform's
// paint requests and size changes and copies that image to the screen. The
// chart's InvalidateChart becomes update(), so any number of changes before
// the next paint event cost one redraw.
//
// The chart covers the whole client area, so the widget asks Qt for no
// background erase. Controls placed inside the chart (the scale labels of the
// today chart) are ordinary child widgets of this one and are painted by Qt
// over the chart's image.
//
// When the interface language changes, the fonts the chart left at their
// default follow the new default.

#include "Chart.h"

#include <QWidget>

#include <memory>

class ChartHost : public QWidget {
public:
    explicit ChartHost(QWidget* parent = nullptr);
    ~ChartHost() override;

    ChartHost(const ChartHost&) = delete;
    ChartHost& operator=(const ChartHost&) = delete;

    [[nodiscard]] TChart& Chart() { return *m_chart; }
    [[nodiscard]] const TChart& Chart() const { return *m_chart; }

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    std::unique_ptr<TChart> m_chart;
    // The default chart font the chart's fonts started with, which a change
    // of the interface language may change.
    TFontData m_defaultFont = DefaultChartFont();
};
