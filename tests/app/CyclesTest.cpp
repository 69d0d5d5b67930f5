#include "Cycles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

TScoreRow Row(TDaySerial day, TScores scores, int average) { return {day, scores, average}; }

TScores ScoresOf(double days) {
    TScores s{};
    for (int i = 0; i < CycleCount; ++i)
        s[static_cast<std::size_t>(i)] = Score(CycleTable[static_cast<std::size_t>(i)].Period, days);
    return s;
}

}  // namespace

TEST(CycleScore, TwoPiIsTheExactExtendedConstant) {
    static_assert(sizeof(long double) >= 10);
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &TwoPi, sizeof TwoPi);
    std::uint64_t mantissa = 0;
    std::memcpy(&mantissa, bytes, 8);
    std::uint16_t signAndExponent = 0;
    std::memcpy(&signAndExponent, bytes + 8, 2);
    EXPECT_EQ(mantissa, 0xC90FDAA22168C235u);
    EXPECT_EQ(signAndExponent, 0x4001);
}

TEST(CycleScore, WorkedDayCounts) {
    EXPECT_EQ(ScoresOf(0), (TScores{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ScoresOf(1), (TScores{27, 22, 19, 12, 13, 15, 16}));
    EXPECT_EQ(AverageOf(ScoresOf(1)), 18);
    EXPECT_EQ(ScoresOf(4), (TScores{89, 78, 69, 46, 50, 55, 61}));
    EXPECT_EQ(AverageOf(ScoresOf(4)), 64);
    EXPECT_EQ(Score(33, 10), 95);  // 94.50008...
    EXPECT_EQ(Score(23, 23), 0);
    EXPECT_EQ(Score(33, 23), -95);
}

// Double precision keeps 100 sin within 0.00008 of the truth for every day
// count of the calendar, and no residue lies that close to a half: the double
// computation is an exact oracle here.
TEST(CycleScore, EveryResidueAgreesWithDoubleOracle) {
    constexpr double LargestDayCount = 3652058;
    for (int c = 0; c < CycleCount; ++c) {
        const int period = CycleTable[static_cast<std::size_t>(c)].Period;
        for (int r = 0; r < period; ++r) {
            SCOPED_TRACE(testing::Message() << "period " << period << " residue " << r);
            const double exact = 100 * std::sin(2 * M_PI * r / period);
            const double distanceToHalf = std::fabs(std::fabs(exact - std::trunc(exact)) - 0.5);
            EXPECT_GT(distanceToHalf, 0.00008);
            const int expected = static_cast<int>(std::lround(exact));
            EXPECT_EQ(Score(period, r), expected);
            const double far = r + period * std::floor((LargestDayCount - r) / period);
            EXPECT_EQ(Score(period, far), expected);
        }
    }
}

TEST(ScoreRow, WorkedExamples) {
    EXPECT_EQ(ScoreRow(29358, 40238), Row(40238, {27, -43, -95, 98, -87, 15, 92}, 1));
    const TDaySerial day = DateToSerial(2009, 6, 15);
    EXPECT_EQ(ScoreRow(DateToSerial(1975, 1, 1), day), Row(day, {73, 43, 87, 40, 87, -81, 84}, 48));
    EXPECT_EQ(ScoreRow(40238, 40238), Row(40238, {0, 0, 0, 0, 0, 0, 0}, 0));
}

TEST(FourWeekTable, WorkedExample) {
    const auto rows = FourWeekTable(DateToSerial(1980, 5, 17), DateToSerial(2010, 3, 1));
    EXPECT_EQ(rows[0], Row(40223, {63, 22, 100, 0, 79, -89, -48}, 18));
    EXPECT_EQ(rows[15], Row(40238, {27, -43, -95, 98, -87, 15, 92}, 1));
    EXPECT_EQ(rows[29], Row(40252, {-82, 43, 69, -29, -26, 81, -92}, -5));
    EXPECT_EQ(SerialToDate(rows[29].Day), (TDateParts{2010, 3, 15}));
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].Day, rows[i - 1].Day + 1);
}

TEST(FourWeekTable, DaysBeforeTheBirthMirrorThoseAfter) {
    const auto rows = FourWeekTable(DateToSerial(2010, 2, 26), DateToSerial(2010, 3, 1));
    EXPECT_EQ(rows[0], Row(40223, {-14, 43, 76, 99, 100, 98, 92}, 71));
    const TScores dayOne{27, 22, 19, 12, 13, 15, 16};
    EXPECT_EQ(rows[11].Scores, dayOne);
    EXPECT_EQ(rows[11].Average, 18);
    EXPECT_EQ(rows[13].Scores, dayOne);
    EXPECT_EQ(rows[13].Average, 18);
    EXPECT_EQ(rows[12].Scores, (TScores{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rows[12].Average, 0);
}

TEST(CriticalDay, WorkedDays) {
    for (int day : {0, 11, 23, 34, 46})
        EXPECT_TRUE(IsCriticalDay(23, day)) << "period 23, day " << day;
    for (int day : {1, 10, 12, 22, 24, 33, 35})
        EXPECT_FALSE(IsCriticalDay(23, day)) << "period 23, day " << day;
    for (int day : {0, 14, 28, 42})
        EXPECT_TRUE(IsCriticalDay(28, day)) << "period 28, day " << day;
    for (int day : {7, 13, 15, 27, 29})
        EXPECT_FALSE(IsCriticalDay(28, day)) << "period 28, day " << day;
    // Far from the birth: 3,652,018 = 53 * 68,906, a whole number of periods.
    EXPECT_TRUE(IsCriticalDay(53, 3652018));
    EXPECT_FALSE(IsCriticalDay(53, 3652017));
}

// The cycle crosses zero twice per period, so each period holds exactly two
// critical days, one half a period (rounded down) after the other.
TEST(CriticalDay, TwoPerPeriodForEveryCycle) {
    for (int c = 0; c < CycleCount; ++c) {
        const int period = CycleTable[static_cast<std::size_t>(c)].Period;
        SCOPED_TRACE(period);
        std::vector<int> critical;
        for (int day = 5 * period; day < 6 * period; ++day)
            if (IsCriticalDay(period, day))
                critical.push_back(day);
        EXPECT_EQ(critical, (std::vector<int>{5 * period, 5 * period + period / 2}));
    }
}

TEST(CriticalDay, CyclesOfADayCountFromTheBirthInBothDirections) {
    const TDaySerial birth = DateToSerial(2010, 2, 26);
    using C = std::array<bool, CycleCount>;
    EXPECT_EQ(CriticalCycles(birth, birth), (C{true, true, true, true, true, true, true}));
    // 14 days either side: half the Emotional period.
    EXPECT_EQ(CriticalCycles(birth, birth + 14), (C{false, true, false, false, false, false, false}));
    EXPECT_EQ(CriticalCycles(birth, birth - 14), (C{false, true, false, false, false, false, false}));
    // 24 days: Awareness (48) at a half, Physical (23) one day past its zero.
    EXPECT_EQ(CriticalCycles(birth, birth + 24), (C{false, false, false, false, true, false, false}));
}

TEST(DayTable, HoldsTheDayAndTheThirtyRowsAroundIt) {
    const TDayTable table = DayTable(29358, 40238);
    EXPECT_EQ(table.Birth, 29358);
    EXPECT_EQ(table.Today, 40238);
    EXPECT_EQ(table.TodayRow, Row(40238, {27, -43, -95, 98, -87, 15, 92}, 1));
    EXPECT_EQ(table.Rows[15], table.TodayRow);
    EXPECT_EQ(table.Rows[0], Row(40223, {63, 22, 100, 0, 79, -89, -48}, 18));
}
