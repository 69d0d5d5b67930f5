#pragma once
// The seven biorhythm cycles and their scores. A score is the rounded
// 100 * sin(2 pi * days / period), computed in extended precision; the average
// of a day is formed from the seven rounded scores.

#include "Basics.h"
#include "Calendar.h"

#include <QtGlobal>

#include <array>

struct TCycle {
    const char* Label;
    int Period;        // days; 0 for the average, which is no cycle
    TColor BarColor;   // on the today chart
    int Series;        // index on the 4-week chart
    TColor LineColor;  // on the 4-week chart
};

inline constexpr int CycleCount = 7;

// The seven cycles in their fixed order, then the average.
// The labels are the English names, which files keep; the texts' translations
// know them in the context "Cycle".
inline constexpr std::array<TCycle, CycleCount + 1> CycleTable{{
    {QT_TRANSLATE_NOOP("Cycle", "Physical"), 23, clRed, 1, clRed},
    {QT_TRANSLATE_NOOP("Cycle", "Emotional"), 28, 39423, 2, 39423},
    {QT_TRANSLATE_NOOP("Cycle", "Intellectual"), 33, clLime, 3, 57600},
    {QT_TRANSLATE_NOOP("Cycle", "Spiritual"), 53, clPurple, 4, 16711808},
    {QT_TRANSLATE_NOOP("Cycle", "Awareness"), 48, clFuchsia, 5, clFuchsia},
    {QT_TRANSLATE_NOOP("Cycle", "Aesthetic"), 43, clAqua, 6, 15263744},
    {QT_TRANSLATE_NOOP("Cycle", "Intuition"), 38, clNavy, 7, clNavy},
    {QT_TRANSLATE_NOOP("Cycle", "Average"), 0, clGray, 0, clGray},
}};

// 2 pi as the extended constant with mantissa 0xC90FDAA22168C235, exponent 2.
inline constexpr long double TwoPi = 0xC.90FDAA22168C235p-1L;

using TScores = std::array<int, CycleCount>;

// One day: its serial, the seven scores in table order and their average.
struct TScoreRow {
    TDaySerial Day = 0;
    TScores Scores{};
    int Average = 0;
    bool operator==(const TScoreRow&) const = default;
};

inline constexpr int FourWeekDays = 30;
inline constexpr int FourWeekDaysBack = 15;

// period > 0; days a finite whole number (a non-finite one scores 0).
[[nodiscard]] int Score(int period, double days);

[[nodiscard]] int AverageOf(const TScores& scores);

// The scores and average of `day` for someone born on `birth`.
[[nodiscard]] TScoreRow ScoreRow(TDaySerial birth, TDaySerial day);

// Rows for today - 15 to today + 14 in ascending order; today is row 15.
[[nodiscard]] std::array<TScoreRow, FourWeekDays> FourWeekTable(TDaySerial birth,
                                                                TDaySerial today);

// Everything one calculation shows: the day's eight values and the 30 rows
// around it. The charts, their tooltips, the values export and the
// accessible descriptions all read this one table.
struct TDayTable {
    TDaySerial Birth = 0;
    TDaySerial Today = 0;  // the day shown, the local date unless another was chosen
    TScoreRow TodayRow;
    std::array<TScoreRow, FourWeekDays> Rows{};
    bool operator==(const TDayTable&) const = default;
};

[[nodiscard]] TDayTable DayTable(TDaySerial birth, TDaySerial today);

// The first and the last day whose 30 rows lie within the calendar's years 1
// to 9999: 16/01/0001 and 17/12/9999.
[[nodiscard]] TDaySerial FirstFourWeekDay();
[[nodiscard]] TDaySerial LastFourWeekDay();

// Day `days` (whole days since birth, not negative) is critical for the cycle
// of `period` days when the cycle crosses zero during it: some multiple of
// period / 2 lies in [days, days + 1). Day 0 is critical for every cycle.
[[nodiscard]] bool IsCriticalDay(int period, int days);

// The cycles, in table order, that are critical on `day`.
[[nodiscard]] std::array<bool, CycleCount> CriticalCycles(TDaySerial birth, TDaySerial day);
