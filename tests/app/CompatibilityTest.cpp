#include "Compatibility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// The same formula in plain double, written apart from the code under test.
int Expected(int period, int days) {
    return static_cast<int>(std::nearbyint(50.0 * (1.0 + std::cos(2.0 * std::numbers::pi * days / period))));
}

}  // namespace

TEST(Compatibility, PairsAgainstAnIndependentComputation) {
    // Periods in table order: 23, 28, 33, 53, 48, 43, 38. Exact values hold
    // where the day count is a whole, half or quarter period.
    struct Case {
        const char* name;
        TDateParts first, second;
        int days;
        int cycle = -1, exact = 0;
    } cases[] = {
        {"same day: every cycle in step", {1980, 5, 17}, {1980, 5, 17}, 0, 0, 100},
        {"14 days: Emotional opposite", {1980, 5, 17}, {1980, 5, 31}, 14, 1, 0},
        {"7 days: Emotional a quarter apart", {1980, 5, 24}, {1980, 5, 17}, 7, 1, 50},
        {"12 days: Awareness a quarter apart", {1980, 5, 17}, {1980, 5, 29}, 12, 4, 50},
        {"2 x 23 days: Physical in step", {2000, 1, 1}, {2000, 2, 16}, 46, 0, 100},
        {"19 days: Intuition opposite", {1990, 12, 20}, {1991, 1, 8}, 19, 6, 0},
        {"a lifetime apart", {1910, 1, 1}, {2010, 3, 1}, 36584},
        {"two friends", {1975, 1, 1}, {1982, 11, 3}, 2863},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TCompatibility result = Compatibility(DateToSerial(c.first.Year, c.first.Month, c.first.Day),
                                                    DateToSerial(c.second.Year, c.second.Month, c.second.Day));
        EXPECT_EQ(result.Days, c.days);
        if (c.cycle >= 0) {
            EXPECT_EQ(result.Values[static_cast<std::size_t>(c.cycle)], c.exact);
        }
        int sum = 0;
        for (std::size_t k = 0; k < result.Values.size(); ++k) {
            EXPECT_EQ(result.Values[k], Expected(CycleTable[k].Period, c.days)) << CycleTable[k].Label;
            sum += result.Values[k];
        }
        EXPECT_EQ(result.Average, static_cast<int>(std::nearbyint(sum / 7.0)));
    }
}

TEST(Compatibility, OrderOfThePairChangesNothing) {
    const TDaySerial a = DateToSerial(1980, 5, 17), b = DateToSerial(1982, 11, 3);
    TCompatibility ab = Compatibility(a, b), ba = Compatibility(b, a);
    EXPECT_EQ(ab.Values, ba.Values);
    EXPECT_EQ(ab.Average, ba.Average);
    // 900 days = 39 * 23 + 3: Physical 50 (1 + cos(6 pi / 23)) = 84.13.
    EXPECT_EQ(ab.Days, 900);
    EXPECT_EQ(ab.Values[0], 84);
}
