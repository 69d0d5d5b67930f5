#include "CriticalTexts.h"

#include "Formatting.h"
#include "FPrincipal.h"
#include "ICalendar.h"

#include <QStringList>

#include <array>

namespace {

QString IsoDate(TDaySerial day) {
    return FormatDateTime(QStringLiteral("yyyy-mm-dd"), day);
}

QString CompactDate(TDaySerial day) {
    return FormatDateTime(QStringLiteral("yyyymmdd"), day);
}

// A field with a comma or a quote is quoted, its quotes doubled.
QString CsvField(QString text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
        return text;
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

}  // namespace

QString WeekdayName(TDaySerial day) {
    static const std::array<QString, 7> names{
        QStringLiteral("Monday"), QStringLiteral("Tuesday"),  QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
        QStringLiteral("Friday"), QStringLiteral("Saturday"), QStringLiteral("Sunday")};
    return names[static_cast<std::size_t>(WeekdayIndex(day))];
}

QString CriticalCycleNames(const TCriticalDay& day) {
    QStringList names;
    for (std::size_t k = 0; k < day.Cycles.size(); ++k) {
        if (day.Cycles[k])
            names << QLatin1String(CycleTable[k].Label);
    }
    return names.join(QStringLiteral(", "));
}

QString CriticalDaysCsv(const std::vector<TCriticalDay>& days) {
    QString csv = QStringLiteral("date,weekday,cycles\n");
    for (const TCriticalDay& day : days)
        csv += IsoDate(day.Day) + u',' + WeekdayName(day.Day) + u',' + CsvField(CriticalCycleNames(day)) + u'\n';
    return csv;
}

QByteArray CriticalDaysCalendar(TDaySerial birth, const std::vector<TCriticalDay>& days, const QDateTime& stamp) {
    const QString stampText = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    const QString description =
        ICalendarText(QStringLiteral("Biorhythm for the birth date %1.").arg(IsoDate(birth)));
    QByteArray ics = ICalendarLine(QStringLiteral("BEGIN"), QStringLiteral("VCALENDAR"));
    ics += ICalendarLine(QStringLiteral("VERSION"), QStringLiteral("2.0"));
    ics += ICalendarLine(QStringLiteral("PRODID"),
                         QStringLiteral("-//Quellmar//Biorhythm Calculator %1//EN").arg(QStringLiteral(BIORHYTHM_VERSION)));
    ics += ICalendarLine(QStringLiteral("CALSCALE"), QStringLiteral("GREGORIAN"));
    for (const TCriticalDay& day : days) {
        QString cycles;
        for (bool critical : day.Cycles)
            cycles += critical ? u'1' : u'0';
        ics += ICalendarLine(QStringLiteral("BEGIN"), QStringLiteral("VEVENT"));
        ics += ICalendarLine(QStringLiteral("UID"), QStringLiteral("critical-%1-%2-%3@%4")
                                                        .arg(CompactDate(birth), CompactDate(day.Day), cycles,
                                                             TPrincipal::WebAddress()));
        ics += ICalendarLine(QStringLiteral("DTSTAMP"), stampText);
        ics += ICalendarLine(QStringLiteral("DTSTART;VALUE=DATE"), CompactDate(day.Day));
        // The calendar's last day has no next day to end on.
        const QString end = CompactDate(AddDays(day.Day, 1));
        ics += end.isEmpty() ? ICalendarLine(QStringLiteral("DURATION"), QStringLiteral("P1D"))
                             : ICalendarLine(QStringLiteral("DTEND;VALUE=DATE"), end);
        ics += ICalendarLine(QStringLiteral("SUMMARY"),
                             ICalendarText(QStringLiteral("Critical day: %1").arg(CriticalCycleNames(day))));
        ics += ICalendarLine(QStringLiteral("DESCRIPTION"), description);
        // A day to heed, not a time taken: free in free/busy searches.
        ics += ICalendarLine(QStringLiteral("TRANSP"), QStringLiteral("TRANSPARENT"));
        ics += ICalendarLine(QStringLiteral("END"), QStringLiteral("VEVENT"));
    }
    ics += ICalendarLine(QStringLiteral("END"), QStringLiteral("VCALENDAR"));
    return ics;
}
