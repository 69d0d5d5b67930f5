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

// "01/03/2010: Physical 27, Emotional -43, ..., Average 1", each critical
// cycle marked "(critical day)".
[[nodiscard]] QString TodayDescription(const TDayTable& table);

// The day range, then the day shown as TodayDescription says it.
[[nodiscard]] QString FourWeekDescription(const TDayTable& table);

// "biorhythm-1980-05-17-2010-03-01": the birth date and the day shown, for
// the names of saved files.
[[nodiscard]] QString FileNameStem(const TDayTable& table);

// The 30 rows as comma-separated values, one line each after a header:
// date (YYYY-MM-DD), the seven scores in table order, the average.
[[nodiscard]] QString ValuesCsv(const TDayTable& table);
