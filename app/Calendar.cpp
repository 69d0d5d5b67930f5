#include "Calendar.h"

#include "Errors.h"
#include "LocalDate.h"

#include <QtGlobal>

#include <climits>
#include <cmath>

namespace {

constexpr int MonthDays[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

constexpr long long DayNumberOfSerialZero = 693594;  // 1899-12-30, counted from 0001-01-01 = 1
constexpr long long MillisecondsPerDay = 86400000;

int MonthLength(int year, int month) { return MonthDays[LeapYear(year) ? 1 : 0][month - 1]; }

}  // namespace

bool LeapYear(long long year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

TDaySerial DateToSerial(long long year, long long month, long long day) {
    const int y = static_cast<std::uint16_t>(year);
    const int m = static_cast<std::uint16_t>(month);
    int d = static_cast<std::uint16_t>(day);
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > MonthLength(y, m))
        throw EConvertError(QT_TRANSLATE_NOOP("Errors", "Invalid argument to date encode"));
    for (int i = 1; i < m; ++i)
        d += MonthLength(y, i);
    const int i = y - 1;
    return static_cast<double>(i * 365 + i / 4 - i / 100 + i / 400 + d - DayNumberOfSerialZero);
}

TDateParts SerialToDate(TDaySerial serial) {
    const long double ms = static_cast<long double>(serial) * MillisecondsPerDay;
    // Beyond +-2^62 no date lies, and llrint would have no result to give.
    if (!std::isfinite(ms) || std::fabs(ms) > 0x1p62L)
        return {};
    const long long total = std::llrint(ms);
    const long long dayNumber = total >= 0 ? total / MillisecondsPerDay + DayNumberOfSerialZero
                                           : DayNumberOfSerialZero - (-total) / MillisecondsPerDay;
    if (dayNumber <= 0)
        return {};

    long long t = dayNumber - 1;
    long long year = 1;
    while (t >= 146097) {
        t -= 146097;
        year += 400;
    }
    long long q = t / 36524;
    long long r = t % 36524;
    if (q == 4) {
        q = 3;
        r += 36524;
    }
    year += q * 100;
    q = r / 1461;
    r %= 1461;
    year += q * 4;
    q = r / 365;
    r %= 365;
    if (q == 4) {
        q = 3;
        r += 365;
    }
    year += q;

    const int leap = LeapYear(year) ? 1 : 0;
    int month = 1;
    while (r >= MonthDays[leap][month - 1]) {
        r -= MonthDays[leap][month - 1];
        ++month;
    }
    return {static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
            static_cast<std::uint16_t>(r + 1)};
}

TDaySerial Today() {
    const TLocalDate today = LocalDate();
    return DateToSerial(today.Year, today.Month, today.Day);
}

TDaySerial AddDays(TDaySerial serial, int days) { return serial + days; }

int DaysApart(TDaySerial a, TDaySerial b) {
    const double span = a >= b ? a - b : b - a;
    if (!(span < static_cast<double>(INT_MAX)))
        return std::isnan(span) ? 0 : INT_MAX;
    return static_cast<int>(span);
}
