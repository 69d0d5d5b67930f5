#pragma once
// How well two people's cycles agree: for a cycle of p days and two birth
// dates d days apart, 100 * (1 + cos(2 pi * d / p)) / 2 rounded, in extended
// precision like a score. 100 means the two cycles run in step, 0 that one is
// high when the other is low. The average is formed from the seven rounded
// values, like the average of a day.

#include "Cycles.h"

struct TCompatibility {
    TDaySerial First = 0, Second = 0;  // the two birth dates
    int Days = 0;                      // whole days between them
    TScores Values{};                  // in cycle table order
    int Average = 0;
    bool operator==(const TCompatibility&) const = default;
};

// period > 0; days a whole number, not negative.
[[nodiscard]] int CompatibilityValue(int period, int days);

[[nodiscard]] TCompatibility Compatibility(TDaySerial first, TDaySerial second);
