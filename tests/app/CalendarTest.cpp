#include "Calendar.h"

#include "Errors.h"
#include "LocalDate.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

using testing::StrEq;
using testing::ThrowsMessage;

TEST(DateToSerial, KnownDates) {
    struct Case {
        const char* name;
        int year, month, day;
        double serial;
    };
    const Case cases[] = {
        {"serial zero", 1899, 12, 30, 0},
        {"first day of 1900", 1900, 1, 1, 2},
        {"1900 is not a leap year", 1900, 3, 1, 61},
        {"2000 is a leap year", 2000, 2, 29, 36585},
        {"birth date 1980-05-17", 1980, 5, 17, 29358},
        {"day 2010-03-01", 2010, 3, 1, 40238},
        {"first year of the list", 1910, 1, 1, 3654},
        {"first day of year 1", 1, 1, 1, -693593},
        {"last day of 9999", 9999, 12, 31, 2958465},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DateToSerial(c.year, c.month, c.day), c.serial);
    }
}

TEST(DateToSerial, KeepsOnlyTheLow16BitsOfEachArgument) {
    EXPECT_EQ(DateToSerial(1980 + 65536, 5, 17), 29358);
    EXPECT_EQ(DateToSerial(1980, 5 + 3 * 65536LL, 17), 29358);
    EXPECT_EQ(DateToSerial(2010, 3, 65537), 40238);
    EXPECT_EQ(DateToSerial(1980 - 65536 * 2LL, 5, 17), 29358);
}

TEST(DateToSerial, RefusesImpossibleDates) {
    struct Case {
        const char* name;
        long long year, month, day;
    };
    const Case cases[] = {
        {"year 10000", 10000, 1, 1},
        {"year 0", 0, 1, 1},
        {"29 February of a common year", 2009, 2, 29},
        {"29 February 1900", 1900, 2, 29},
        {"29 February 2100", 2100, 2, 29},
        {"30 February of a leap year", 2000, 2, 30},
        {"31 April", 2010, 4, 31},
        {"31 June", 2010, 6, 31},
        {"31 September", 2010, 9, 31},
        {"31 November", 2010, 11, 31},
        {"month 0", 2010, 0, 1},
        {"month 13", 2010, 13, 1},
        {"day 0", 2010, 1, 0},
        {"day 32", 2010, 1, 32},
        {"65536 is month 0", 2010, 65536, 1},
        {"-1 is year 65535", -1, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THAT([&] { (void)DateToSerial(c.year, c.month, c.day); },
                    ThrowsMessage<EConvertError>(StrEq("Invalid argument to date encode")));
    }
}

// Every serial of the calendar against the civil calendar of <chrono>, and back.
TEST(SerialToDate, WholeRangeAgreesWithCivilCalendarAndRoundTrips) {
    using namespace std::chrono;
    constexpr int UnixEpochSerial = 25569;  // 1970-01-01
    int failures = 0;
    for (int s = -693593; s <= 2958465 && failures < 5; ++s) {
        const year_month_day civil{sys_days{days{s - UnixEpochSerial}}};
        const TDateParts expected{static_cast<std::uint16_t>(int(civil.year())),
                                  static_cast<std::uint16_t>(unsigned(civil.month())),
                                  static_cast<std::uint16_t>(unsigned(civil.day()))};
        const TDateParts got = SerialToDate(s);
        if (got != expected || DateToSerial(got.Year, got.Month, got.Day) != s) {
            ADD_FAILURE() << "serial " << s;
            ++failures;
        }
    }
}

TEST(SerialToDate, BeforeYearOneAndOutOfRange) {
    EXPECT_EQ(SerialToDate(-693594), (TDateParts{0, 0, 0}));
    EXPECT_EQ(SerialToDate(-1e9), (TDateParts{0, 0, 0}));
    EXPECT_EQ(SerialToDate(std::numeric_limits<double>::quiet_NaN()), (TDateParts{0, 0, 0}));
    EXPECT_EQ(SerialToDate(std::numeric_limits<double>::infinity()), (TDateParts{0, 0, 0}));
    EXPECT_EQ(SerialToDate(1e300), (TDateParts{0, 0, 0}));
}

TEST(SerialToDate, TimeOfDayAndMillisecondRounding) {
    EXPECT_EQ(SerialToDate(0.75), (TDateParts{1899, 12, 30}));
    // A negative serial's integral part is the day; the fraction is the time.
    EXPECT_EQ(SerialToDate(-0.5), (TDateParts{1899, 12, 30}));
    EXPECT_EQ(SerialToDate(-1.25), (TDateParts{1899, 12, 29}));
    // 86399999.91 ms rounds up to the next day; 86399999.14 ms does not.
    EXPECT_EQ(SerialToDate(1 - 1e-9), (TDateParts{1899, 12, 31}));
    EXPECT_EQ(SerialToDate(1 - 1e-8), (TDateParts{1899, 12, 30}));
    EXPECT_EQ(SerialToDate(-1 + 1e-9), (TDateParts{1899, 12, 29}));
}

TEST(DayArithmetic, AddDaysAndDaysApart) {
    EXPECT_EQ(AddDays(40238, -15), 40223);
    EXPECT_EQ(SerialToDate(AddDays(40238, -15)), (TDateParts{2010, 2, 14}));
    EXPECT_EQ(DaysApart(40238, 29358), 10880);
    EXPECT_EQ(DaysApart(29358, 40238), 10880);
    EXPECT_EQ(DaysApart(5, 5), 0);
    EXPECT_EQ(DaysApart(5.0, 2.01), 2);  // a span of 2.99 days
    EXPECT_EQ(DaysApart(-693593, 2958465), 3652058);
    EXPECT_EQ(DaysApart(std::numeric_limits<double>::quiet_NaN(), 1), 0);
    EXPECT_EQ(DaysApart(1e300, 0), std::numeric_limits<int>::max());
}

TEST(Today, IsTheLocalDateAsSerial) {
    LocalDateOverride date({2010, 3, 1});
    EXPECT_EQ(Today(), 40238);
}
