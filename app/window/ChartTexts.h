#pragma once
// What the charts' extras say about a calculation, all read from its day
// table: tooltips, accessible descriptions and the values file.

#include "Cycles.h"

#include <QString>

// dd/MM/yyyy.
[[nodiscard]] QString LongDateText(TDaySerial day);

// Bar 0..7 of the today chart: the cycle, its score and whether the day is
// critical for it. Rich text.
[[nodiscard]] QString TodayToolTip(const TDayTable& table, int bar);

// Row 0..29 of the 4-week chart: the date, then the average and the seven
// scores in the legend's order and colours, critical cycles marked. Rich text.
[[nodiscard]] QString FourWeekToolTip(const TDayTable& table, int row);

// "Physical 27, Emotional -43, ..., Average 1".
[[nodiscard]] QString TodayDescription(const TDayTable& table);

// The day range and the row of the day shown.
[[nodiscard]] QString FourWeekDescription(const TDayTable& table);

// The 30 rows as comma-separated values, one line each after a header:
// date (YYYY-MM-DD), the seven scores in table order, the average.
[[nodiscard]] QString ValuesCsv(const TDayTable& table);
