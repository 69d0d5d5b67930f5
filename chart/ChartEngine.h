#pragma once
// The engine unit: value lists, the series base, axes and the chart with axes.

#include "ChartSeries.h"
#include "ChartValueList.h"
#include "Basics.h"

#include <memory>
#include <vector>

#include "ChartAxis.h"
#include "ChartAxisPanel.h"
