#pragma once
// Dates of the proleptic Gregorian calendar, years 1 to 9999, as day serials:
// whole days since 1899-12-30 plus the time of day as a fraction. Year, month
// and day are 16-bit unsigned; wider arguments keep their low 16 bits only.

#include <cstdint>
#include <ostream>

using TDaySerial = double;

struct TDateParts {
    std::uint16_t Year = 0, Month = 0, Day = 0;
    bool operator==(const TDateParts&) const = default;
};

inline void PrintTo(const TDateParts& d, std::ostream* os) {
    *os << d.Year << '-' << d.Month << '-' << d.Day;
}

[[nodiscard]] bool LeapYear(long long year);

// Throws EConvertError "Invalid argument to date encode" for an impossible date.
[[nodiscard]] TDaySerial DateToSerial(long long year, long long month, long long day);

// 0, 0, 0 for a serial before year 1, and for one that is not a finite number
// of milliseconds within 64 bits.
[[nodiscard]] TDateParts SerialToDate(TDaySerial serial);

// The local clock's date, time of day dropped.
[[nodiscard]] TDaySerial Today();

[[nodiscard]] TDaySerial AddDays(TDaySerial serial, int days);

// Whole days between the two, truncated, never negative; spans beyond the int
// range (impossible for calendar dates) are clamped to it, and a NaN gives 0.
[[nodiscard]] int DaysApart(TDaySerial a, TDaySerial b);
