// The date conversions against std::chrono's civil calendar.

#include "FuzzInput.h"

#include "Calendar.h"
#include "Errors.h"

#include <chrono>
#include <climits>
#include <cmath>
#include <optional>
#include <string>

namespace {

using namespace std::chrono;

constexpr sys_days SerialZero = sys_days(year(1899) / December / 30);
constexpr long long FirstSerial = -693593;  // 0001-01-01
constexpr long long LastSerial = 2958465;   // 9999-12-31

std::optional<long long> ReferenceSerial(long long y, long long m, long long d) {
    const auto y16 = static_cast<std::uint16_t>(y), m16 = static_cast<std::uint16_t>(m),
               d16 = static_cast<std::uint16_t>(d);
    if (y16 < 1 || y16 > 9999 || m16 < 1 || m16 > 12 || d16 < 1 || d16 > 31)
        return std::nullopt;
    const year_month_day date{year(y16), month(m16), day(d16)};
    if (!date.ok())
        return std::nullopt;
    return (sys_days(date) - SerialZero).count();
}

void CheckDateToSerial(long long y, long long m, long long d) {
    const std::optional<long long> expected = ReferenceSerial(y, m, d);
    try {
        const TDaySerial serial = DateToSerial(y, m, d);
        FUZZ_CHECK(expected && serial == static_cast<double>(*expected), "DateToSerial(%lld, %lld, %lld) = %.17g", y,
                   m, d, serial);
    } catch (const EConvertError& e) {
        FUZZ_CHECK(!expected, "DateToSerial(%lld, %lld, %lld) refused", y, m, d);
        FUZZ_CHECK(std::string(e.what()) == "Invalid argument to date encode", "message %s", e.what());
    }
}

void CheckSerialToDate(double serial) {
    const TDateParts parts = SerialToDate(serial);
    // The day is the serial rounded to milliseconds, then cut toward zero.
    const long double ms = std::nearbyint(static_cast<long double>(serial) * 86400000.0L);
    if (!(std::fabs(ms) < 0x1p62L))
        return;
    const long long whole = static_cast<long long>(ms) / 86400000;
    if (whole < FirstSerial) {
        FUZZ_CHECK(parts == TDateParts{}, "SerialToDate(%.17g) gave a date before year 1", serial);
        return;
    }
    if (whole > LastSerial)
        return;
    const year_month_day date{SerialZero + days(whole)};
    const TDateParts expected{static_cast<std::uint16_t>(static_cast<int>(date.year())),
                              static_cast<std::uint16_t>(static_cast<unsigned>(date.month())),
                              static_cast<std::uint16_t>(static_cast<unsigned>(date.day()))};
    FUZZ_CHECK(parts == expected, "SerialToDate(%.17g) = %d-%d-%d, expected %d-%d-%d", serial, parts.Year,
               parts.Month, parts.Day, expected.Year, expected.Month, expected.Day);
    if (serial == std::trunc(serial))
        FUZZ_CHECK(DateToSerial(parts.Year, parts.Month, parts.Day) == serial, "round trip of %.17g", serial);
}

void CheckDaysApart(double a, double b) {
    const int apart = DaysApart(a, b);
    FUZZ_CHECK(apart == DaysApart(b, a), "DaysApart(%.17g, %.17g) not symmetric", a, b);
    const double span = a >= b ? a - b : b - a;
    if (std::isnan(span)) {
        FUZZ_CHECK(apart == 0, "DaysApart of a NaN span = %d", apart);
        return;
    }
    const double expected = std::min(std::trunc(span), static_cast<double>(INT_MAX));
    FUZZ_CHECK(apart == static_cast<int>(expected), "DaysApart(%.17g, %.17g) = %d", a, b, apart);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput in(data, size);
    while (!in.Empty()) {
        switch (in.Byte() % 5) {
        case 0: {
            // Mostly dates near the calendar's edges, now and then any integers.
            const bool wide = in.Byte() % 4 == 0;
            const long long y = wide ? in.Raw<std::int64_t>() : in.Between(-2, 10001);
            const long long m = wide ? in.Raw<std::int32_t>() : in.Between(-1, 14);
            const long long d = wide ? in.Raw<std::int32_t>() : in.Between(-1, 32);
            CheckDateToSerial(y, m, d);
            break;
        }
        case 1:
            CheckSerialToDate(static_cast<double>(in.Between(FirstSerial - 3, LastSerial + 3)) +
                              (in.Bool() ? static_cast<double>(in.Byte()) / 256 : 0));
            break;
        case 2:
            CheckSerialToDate(in.Raw<double>());
            break;
        case 3:
            CheckDaysApart(in.Finite(), in.Bool() ? in.Finite() : in.Raw<double>());
            break;
        default: {
            const auto y = static_cast<int>(in.Between(-32767, 32767));
            FUZZ_CHECK(LeapYear(y) == year(y).is_leap(), "LeapYear(%d)", y);
            break;
        }
        }
    }
    return 0;
}
