#include "Compatibility.h"

#include <cassert>
#include <cmath>

int CompatibilityValue(int period, int days) {
    assert(period > 0 && "CompatibilityValue needs the period of a cycle");
    if (period <= 0)
        return 0;
    // Division first, then the product with 2 pi, as for a score.
    const long double q = static_cast<long double>(days) / period;
    return Round((1.0L + cosl(q * TwoPi)) * 50.0L);
}

TCompatibility Compatibility(TDaySerial first, TDaySerial second) {
    TCompatibility result;
    result.First = first;
    result.Second = second;
    result.Days = DaysApart(first, second);
    for (std::size_t k = 0; k < result.Values.size(); ++k)
        result.Values[k] = CompatibilityValue(CycleTable[k].Period, result.Days);
    result.Average = AverageOf(result.Values);
    return result;
}
