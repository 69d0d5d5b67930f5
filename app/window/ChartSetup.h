#pragma once
// The two charts of the main window as its stored layout configures them: the
// today chart (eight coloured bars on a fixed -110..110 scale) and the 4-week
// chart (grey average bars under seven cycle lines, dates along the bottom and
// a legend below). The window, the chart benchmark and the picture tests all
// build their charts through these, so that they draw the same pictures.
//
// Each function expects a freshly constructed chart without series. It
// configures it inside the chart's loading state, as reading a stored layout
// would: BackColor then leaves the back wall's brush alone and the axes take
// their limits without range checks.

#include "Chart.h"

#include <memory>

class TPicture;

// Series of the 4-week chart after the average bars, in list order.
inline constexpr int FourWeekLineCount = 7;

void ConfigureTodayChart(TChart& chart);
void ConfigureFourWeekChart(TChart& chart);

// The comparison window's charts: the compatibility of two people as eight
// bars in the today chart's style on a fixed 0..100 scale, and one cycle of
// both over 30 days in the 4-week chart's style, the second person's line
// dashed (a dash pattern shows on thin pens only).
void ConfigureCompatibilityChart(TChart& chart);
void ConfigureComparisonChart(TChart& chart);

// The back images from the embedded artwork, decoded when first drawn; null
// when the program is built without artwork (the chart then paints without
// one). A picture that cannot be decoded draws white.
[[nodiscard]] std::shared_ptr<const TPicture> TodayBackImage();
[[nodiscard]] std::shared_ptr<const TPicture> FourWeekBackImage();
