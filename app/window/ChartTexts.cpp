#include "ChartTexts.h"

#include "Formatting.h"

#include <QStringList>

namespace {

QString HtmlColor(TColor color) {
    const unsigned v = static_cast<unsigned>(color);
    return QStringLiteral("#%1%2%3")
        .arg(v & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((v >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((v >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

QString Swatch(TColor color) {
    return QStringLiteral("<span style=\"color:%1\">&#9632;</span>").arg(HtmlColor(color));
}

const TCycle& Cycle(int k) { return CycleTable[static_cast<std::size_t>(k)]; }

QString IsoDate(TDaySerial day) {
    return FormatDateTime(QStringLiteral("yyyy-mm-dd"), day);
}

}  // namespace

QString LongDateText(TDaySerial day) {
    return FormatDateTime(QStringLiteral("dd/MM/yyyy"), day);
}

QString TodayToolTip(const TDayTable& table, int bar) {
    if (bar < 0 || bar > CycleCount)
        return {};
    const TCycle& cycle = Cycle(bar);
    const int value = bar < CycleCount ? table.TodayRow.Scores[static_cast<std::size_t>(bar)] : table.TodayRow.Average;
    QString text = QStringLiteral("%1 <b>%2</b>: %3").arg(Swatch(cycle.BarColor), QLatin1String(cycle.Label)).arg(value);
    if (bar < CycleCount && CriticalCycles(table.Birth, table.Today)[static_cast<std::size_t>(bar)])
        text += QStringLiteral("<br><i>critical day</i>");
    return text;
}

QString FourWeekToolTip(const TDayTable& table, int row) {
    if (row < 0 || row >= FourWeekDays)
        return {};
    const TScoreRow& r = table.Rows[static_cast<std::size_t>(row)];
    const auto critical = CriticalCycles(table.Birth, r.Day);
    QString text = QStringLiteral("<b>%1</b><table cellspacing=\"0\" cellpadding=\"1\">").arg(LongDateText(r.Day));
    const auto line = [&text](TColor color, const char* label, int value, bool isCritical) {
        text += QStringLiteral("<tr><td>%1 %2</td><td align=\"right\">&nbsp;%3</td><td>%4</td></tr>")
                    .arg(Swatch(color), QLatin1String(label))
                    .arg(value)
                    .arg(isCritical ? QStringLiteral("&nbsp;<i>critical</i>") : QString());
    };
    // The legend lists the average bars first, then the seven lines.
    line(Cycle(CycleCount).LineColor, Cycle(CycleCount).Label, r.Average, false);
    for (int k = 0; k < CycleCount; ++k)
        line(Cycle(k).LineColor, Cycle(k).Label, r.Scores[static_cast<std::size_t>(k)], critical[static_cast<std::size_t>(k)]);
    text += QStringLiteral("</table>");
    return text;
}

QString TodayDescription(const TDayTable& table) {
    const auto critical = CriticalCycles(table.Birth, table.Today);
    QStringList parts;
    for (int k = 0; k < CycleCount; ++k) {
        const auto at = static_cast<std::size_t>(k);
        parts << QStringLiteral("%1 %2%3")
                     .arg(QLatin1String(Cycle(k).Label))
                     .arg(table.TodayRow.Scores[at])
                     .arg(critical[at] ? QStringLiteral(" (critical day)") : QString());
    }
    parts << QStringLiteral("%1 %2").arg(QLatin1String(Cycle(CycleCount).Label)).arg(table.TodayRow.Average);
    return LongDateText(table.Today) + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

QString FourWeekDescription(const TDayTable& table) {
    return QStringLiteral("From %1 to %2. %3")
        .arg(LongDateText(table.Rows.front().Day), LongDateText(table.Rows.back().Day), TodayDescription(table));
}

QString FileNameStem(const TDayTable& table) {
    return QStringLiteral("biorhythm-%1-%2").arg(IsoDate(table.Birth), IsoDate(table.Today));
}

QString ValuesCsv(const TDayTable& table) {
    QString csv = QStringLiteral("date");
    for (int k = 0; k <= CycleCount; ++k)
        csv += QLatin1Char(',') + QLatin1String(Cycle(k).Label);
    csv += QLatin1Char('\n');
    for (const TScoreRow& row : table.Rows) {
        csv += IsoDate(row.Day);
        for (int score : row.Scores)
            csv += QLatin1Char(',') + QString::number(score);
        csv += QLatin1Char(',') + QString::number(row.Average) + QLatin1Char('\n');
    }
    return csv;
}
