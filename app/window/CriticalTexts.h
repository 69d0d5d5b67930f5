#pragma once
// What the critical days ahead say as text: the names of their cycles, the
// comma-separated values of the snapshot tool and the calendar file. Both
// exports write ISO dates and English names, whatever the locale.

#include "CriticalDays.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

// "Monday" to "Sunday".
[[nodiscard]] QString WeekdayName(TDaySerial day);

// The critical cycles in table order: "Physical, Intellectual".
[[nodiscard]] QString CriticalCycleNames(const TCriticalDay& day);

// A header line, then date (YYYY-MM-DD), weekday and cycles, one line each.
[[nodiscard]] QString CriticalDaysCsv(const std::vector<TCriticalDay>& days);

// An iCalendar file with one all-day event per day. Each event's UID is made
// of the birth date, the day and its cycles, so that importing a later
// export again updates the events instead of adding them twice; `stamp` is
// the moment of the export.
[[nodiscard]] QByteArray CriticalDaysCalendar(TDaySerial birth, const std::vector<TCriticalDay>& days,
                                              const QDateTime& stamp);
