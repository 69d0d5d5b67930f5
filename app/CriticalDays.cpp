#include "CriticalDays.h"

#include <algorithm>
#include <cmath>

int TCriticalDay::Count() const {
    return static_cast<int>(std::count(Cycles.begin(), Cycles.end(), true));
}

std::vector<TCriticalDay> CriticalDaysAhead(TDaySerial birth, TDaySerial from, int days) {
    static const TDaySerial lastDay = DateToSerial(9999, 12, 31);
    std::vector<TCriticalDay> found;
    for (int i = 0; i < days; ++i) {
        const TDaySerial day = AddDays(from, i);
        if (day > lastDay)
            break;
        TCriticalDay critical{day, CriticalCycles(birth, day)};
        if (critical.Count() > 0)
            found.push_back(critical);
    }
    return found;
}

int WeekdayIndex(TDaySerial day) {
    // Serial 0, 1899-12-30, was a Saturday.
    const long long serial = static_cast<long long>(std::floor(day));
    return static_cast<int>(((serial + 5) % 7 + 7) % 7);
}
