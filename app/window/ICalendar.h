#pragma once
// The few rules of the iCalendar format (RFC 5545) a file of all-day events
// needs: content lines end in CR LF and are folded after 75 octets (a
// continuation line starts with one blank, and no UTF-8 sequence is cut);
// TEXT values escape backslash, semicolon, comma and line breaks.

#include <QByteArray>
#include <QString>

// A TEXT value, escaped; other control characters are dropped.
[[nodiscard]] QString ICalendarText(const QString& text);

// One content line, folded, with its CR LF; `name` may carry parameters
// ("DTSTART;VALUE=DATE") and `value` is already in its value's format.
[[nodiscard]] QByteArray ICalendarLine(const QString& name, const QString& value);
