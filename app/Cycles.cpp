#include "Cycles.h"

#include <cassert>
#include <cmath>

int Score(int period, double days) {
    assert(period > 0 && "Score needs the period of a cycle");
    if (period <= 0 || !std::isfinite(days))
        return 0;
    // Division first, then the product with 2 pi: the other order rounds differently.
    const long double q = static_cast<long double>(days) / period;
    const long double x = q * TwoPi;
    const long double v = sinl(x) * 100.0L;
    return Round(v);
}

int AverageOf(const TScores& scores) {
    int sum = 0;
    for (int s : scores)
        sum += s;
    return Round(static_cast<long double>(sum) / 7.0L);
}

TScoreRow ScoreRow(TDaySerial birth, TDaySerial day) {
    TScoreRow row;
    row.Day = day;
    const double count = DaysApart(day, birth);
    for (int i = 0; i < CycleCount; ++i)
        row.Scores[static_cast<std::size_t>(i)] = Score(CycleTable[static_cast<std::size_t>(i)].Period, count);
    row.Average = AverageOf(row.Scores);
    return row;
}

std::array<TScoreRow, FourWeekDays> FourWeekTable(TDaySerial birth, TDaySerial today) {
    std::array<TScoreRow, FourWeekDays> rows;
    for (int i = 0; i < FourWeekDays; ++i)
        rows[static_cast<std::size_t>(i)] = ScoreRow(birth, AddDays(today, i - FourWeekDaysBack));
    return rows;
}

TDayTable DayTable(TDaySerial birth, TDaySerial today) {
    TDayTable table;
    table.Birth = birth;
    table.Today = today;
    table.TodayRow = ScoreRow(birth, today);
    table.Rows = FourWeekTable(birth, today);
    return table;
}

TDaySerial FirstFourWeekDay() {
    return AddDays(DateToSerial(1, 1, 1), FourWeekDaysBack);
}

TDaySerial LastFourWeekDay() {
    return AddDays(DateToSerial(9999, 12, 31), -(FourWeekDays - FourWeekDaysBack - 1));
}

bool IsCriticalDay(int period, int days) {
    assert(period > 0 && days >= 0 && "IsCriticalDay needs a period and a day count");
    if (period <= 0 || days < 0)
        return false;
    // k * period / 2 in [days, days + 1) <=> k * period in [2 days, 2 days + 2).
    const long long twice = 2LL * days;
    return twice % period == 0 || (twice + 1) % period == 0;
}

std::array<bool, CycleCount> CriticalCycles(TDaySerial birth, TDaySerial day) {
    const int count = DaysApart(day, birth);
    std::array<bool, CycleCount> critical{};
    for (std::size_t i = 0; i < critical.size(); ++i)
        critical[i] = IsCriticalDay(CycleTable[i].Period, count);
    return critical;
}
