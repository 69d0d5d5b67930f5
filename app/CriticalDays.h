#pragma once
// The critical days ahead of a day: those on which one cycle or more crosses
// zero (IsCriticalDay), for listing, copying and calendar files.

#include "Cycles.h"

#include <array>
#include <vector>

struct TCriticalDay {
    TDaySerial Day = 0;
    std::array<bool, CycleCount> Cycles{};  // in table order
    [[nodiscard]] int Count() const;
    bool operator==(const TCriticalDay&) const = default;
};

// The look-ahead spans a user chooses from, in days.
inline constexpr std::array<int, 3> CriticalSpans{30, 90, 365};

// The critical days among `from` and the days - 1 after it, in date order,
// for someone born on `birth`; the span ends with the calendar's last day.
[[nodiscard]] std::vector<TCriticalDay> CriticalDaysAhead(TDaySerial birth, TDaySerial from, int days);

// 0 for Monday to 6 for Sunday.
[[nodiscard]] int WeekdayIndex(TDaySerial day);
