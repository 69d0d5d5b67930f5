#include "CriticalDays.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>

namespace {

using namespace std::chrono;

TDaySerial SerialOf(year_month_day date) {
    return (sys_days(date) - sys_days(1899y / December / 30)).count();
}

}  // namespace

// Walks the zero crossings themselves, k * period / 2 for k = 0, 1, ...: the
// day holding one is critical for that cycle. Dates come from std::chrono.
TEST(CriticalDaysAhead, AYearAgreesWithTheZeroCrossings) {
    const struct {
        const char* name;
        year_month_day birth, from;
    } cases[] = {
        {"worked example", 1980y / May / 17, 2010y / March / 1},
        {"born on a leap day, over a leap day", 2000y / February / 29, 2024y / January / 15},
        {"from the birth date", 1910y / January / 1, 1910y / January / 1},
    };
    constexpr int span = 365;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const long long first = (sys_days(c.from) - sys_days(c.birth)).count();
        std::map<long long, std::array<bool, CycleCount>> expected;
        for (std::size_t k = 0; k < CycleCount; ++k) {
            const long long period = CycleTable[k].Period;
            for (long long crossing = 0; crossing * period / 2 < first + span; ++crossing) {
                if (const long long day = crossing * period / 2; day >= first)
                    expected[day - first][k] = true;
            }
        }
        const std::vector<TCriticalDay> found = CriticalDaysAhead(SerialOf(c.birth), SerialOf(c.from), span);
        ASSERT_EQ(found.size(), expected.size());
        auto want = expected.begin();
        for (const TCriticalDay& day : found) {
            const sys_days date = sys_days(c.from) + days(want->first);
            EXPECT_EQ(day.Day, SerialOf(year_month_day(date)));
            EXPECT_EQ(day.Cycles, want->second) << "day " << want->first;
            EXPECT_EQ(WeekdayIndex(day.Day), static_cast<int>(weekday(date).iso_encoding()) - 1);
            ++want;
        }
    }
}

TEST(CriticalDaysAhead, EndsWithTheCalendar) {
    const TDaySerial lastDay = SerialOf(9999y / December / 31);
    const std::vector<TCriticalDay> found = CriticalDaysAhead(SerialOf(9999y / January / 1), lastDay - 40, 365);
    ASSERT_FALSE(found.empty());
    EXPECT_LE(found.back().Day, lastDay);
    EXPECT_TRUE(CriticalDaysAhead(SerialOf(1980y / May / 17), lastDay, 0).empty());
}
