#pragma once
// What the charts' extras say about a calculation, all read from its day
// table: tooltips, accessible descriptions and the values file.

#include "Compatibility.h"
#include "Cycles.h"

#include <QString>

// dd/MM/yyyy.
[[nodiscard]] QString LongDateText(TDaySerial day);

// A name set apart from the text around it when it holds right-to-left
// letters, so that it does not reorder the dates and numbers beside it.
[[nodiscard]] QString Isolated(const QString& name);

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

// A field of a CSV line: quoted, with quotes doubled, when it holds a comma,
// a quote or a line break.
[[nodiscard]] QString CsvField(const QString& text);

// The compatibility of two birth dates as comma-separated values after a
// header: both dates (YYYY-MM-DD), the days between them, then one line per
// cycle in table order and one for the average (without a period).
[[nodiscard]] QString CompatibilityCsv(const TCompatibility& compatibility);

// Two people compared: their compatibility, and their 30 days around the same
// day for one cycle. Labels are how the people are named: the name, or the
// birth date for a date kept under none.
struct TComparison {
    QString Labels[2];
    TCompatibility Values;
    TDayTable Tables[2];
    int Cycle = 0;
};

// Bar 0..7 of the compatibility chart. Rich text.
[[nodiscard]] QString CompatibilityToolTip(const TComparison& comparison, int bar);

// Row 0..29 of the comparison lines: the date and both scores. Rich text.
[[nodiscard]] QString ComparisonToolTip(const TComparison& comparison, int row);

// "Physical 84, Emotional 50, ..., Average 64".
[[nodiscard]] QString CompatibilityDescription(const TComparison& comparison);

// The cycle, the day range and both scores of the day shown.
[[nodiscard]] QString ComparisonDescription(const TComparison& comparison);

// The 30 rows of the cycle as comma-separated values after a header: the date
// (YYYY-MM-DD), then the score of each person.
[[nodiscard]] QString ComparisonCsv(const TComparison& comparison);
