#pragma once
// The runtime's number and date-time formatting, with fixed separators: "," for
// thousands, "." for decimals, "/" for dates and ":" for times.
//
// Number patterns: up to three sections "positive;negative;zero"; "0" is a
// required digit, "#" an optional one, "." places the decimal separator, a ","
// among the integer placeholders turns grouping on; '...' and "..." quote text and
// every other character is copied. Values are rounded half away from zero at the
// last decimal placeholder (on 18 significant digits), and a value that rounds to
// zero carries no sign. Non-finite values give "NAN", "INF" or "-INF".
//
// Date-time patterns (letters case-insensitive): d dd ddd dddd ddddd dddddd,
// m mm mmm mmmm (minutes right after an hour), yy yyyy, h hh, n nn, s ss, z zzz,
// t tt, c, am/pm a/p ampm, "/" and ":" separators, quoted text. A serial counts
// days since 1899-12-30; its integral part is the day and the absolute value of
// its fraction the time of day (also for negative serials). Serials outside the
// years 1 to 9999 or non-finite give an empty text.

#include <QDate>
#include <QString>

#include <optional>

inline constexpr char16_t DateSeparator = u'/';
inline constexpr char16_t TimeSeparator = u':';
inline constexpr const char* ShortDateFormat = "dd/MM/yy";
inline constexpr const char* LongDateFormat = "dd MMMM yyyy";
inline constexpr const char* ShortTimeFormat = "hh:mm";
inline constexpr const char* LongTimeFormat = "hh:mm:ss";

[[nodiscard]] QString FormatFloat(const QString& pattern, double value);
[[nodiscard]] QString FormatDateTime(const QString& pattern, double serial);

// The calendar day of a serial (its integral part); none outside the years 1 to
// 9999 or for a non-finite serial.
[[nodiscard]] std::optional<QDate> SerialToQDate(double serial);
[[nodiscard]] double QDateToSerial(const QDate& date);
