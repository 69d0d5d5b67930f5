#include "ChartTexts.h"

#include "Formatting.h"
#include "People.h"

#include <QStringList>

#include <algorithm>

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

// "Physical 27, ..., Average 1", the cycles marked critical followed by "(critical day)".
QString ValueList(const TScoreRow& row, const std::array<bool, CycleCount>& critical = {}) {
    QStringList parts;
    for (int k = 0; k < CycleCount; ++k) {
        const auto at = static_cast<std::size_t>(k);
        parts << QStringLiteral("%1 %2%3")
                     .arg(QLatin1String(Cycle(k).Label))
                     .arg(row.Scores[at])
                     .arg(critical[at] ? QStringLiteral(" (critical day)") : QString());
    }
    parts << QStringLiteral("%1 %2").arg(QLatin1String(Cycle(CycleCount).Label)).arg(row.Average);
    return parts.join(QStringLiteral(", "));
}

}  // namespace

QString LongDateText(TDaySerial day) {
    return FormatDateTime(QStringLiteral("dd/MM/yyyy"), day);
}

QString Isolated(const QString& name) {
    const QList<uint> characters = name.toUcs4();
    const bool rightToLeft = std::any_of(characters.begin(), characters.end(), [](uint c) {
        const QChar::Direction direction = QChar::direction(c);
        return direction == QChar::DirR || direction == QChar::DirAL;
    });
    return rightToLeft ? QChar(0x2068) + name + QChar(0x2069) : name;
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
    return LongDateText(table.Today) + QStringLiteral(": ") +
           ValueList(table.TodayRow, CriticalCycles(table.Birth, table.Today));
}

QString FourWeekDescription(const TDayTable& table) {
    return QStringLiteral("From %1 to %2. %3")
        .arg(LongDateText(table.Rows.front().Day), LongDateText(table.Rows.back().Day), TodayDescription(table));
}

QString FileNameStem(const TDayTable& table) {
    return QStringLiteral("biorhythm-%1-%2").arg(IsoDateText(table.Birth), IsoDateText(table.Today));
}

QString ValuesCsv(const TDayTable& table) {
    QString csv = QStringLiteral("date");
    for (int k = 0; k <= CycleCount; ++k)
        csv += QLatin1Char(',') + QLatin1String(Cycle(k).Label);
    csv += QLatin1Char('\n');
    for (const TScoreRow& row : table.Rows) {
        csv += IsoDateText(row.Day);
        for (int score : row.Scores)
            csv += QLatin1Char(',') + QString::number(score);
        csv += QLatin1Char(',') + QString::number(row.Average) + QLatin1Char('\n');
    }
    return csv;
}

QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CompatibilityCsv(const TCompatibility& compatibility) {
    QString csv = QStringLiteral("first,second,days,cycle,period,compatibility\n");
    const QString pair = QStringLiteral("%1,%2,%3,")
                             .arg(IsoDateText(compatibility.First), IsoDateText(compatibility.Second))
                             .arg(compatibility.Days);
    for (int k = 0; k <= CycleCount; ++k) {
        const bool average = k == CycleCount;
        csv += pair + QStringLiteral("%1,%2,%3\n")
                          .arg(QLatin1String(Cycle(k).Label), average ? QString() : QString::number(Cycle(k).Period))
                          .arg(average ? compatibility.Average : compatibility.Values[static_cast<std::size_t>(k)]);
    }
    return csv;
}

QString CompatibilityToolTip(const TComparison& comparison, int bar) {
    if (bar < 0 || bar > CycleCount)
        return {};
    const TCycle& cycle = Cycle(bar);
    const int value = bar < CycleCount ? comparison.Values.Values[static_cast<std::size_t>(bar)] : comparison.Values.Average;
    return QStringLiteral("%1 <b>%2</b>: %3").arg(Swatch(cycle.BarColor), QLatin1String(cycle.Label)).arg(value);
}

QString ComparisonToolTip(const TComparison& comparison, int row) {
    if (row < 0 || row >= FourWeekDays)
        return {};
    const TCycle& cycle = Cycle(comparison.Cycle);
    QString text = QStringLiteral("<b>%1</b> %2 %3").arg(LongDateText(comparison.Tables[0].Rows[static_cast<std::size_t>(row)].Day),
                                                         Swatch(cycle.LineColor), QLatin1String(cycle.Label));
    for (int person = 0; person < 2; ++person) {
        const TScoreRow& r = comparison.Tables[person].Rows[static_cast<std::size_t>(row)];
        text += QStringLiteral("<br>%1: %2")
                    .arg(Isolated(comparison.Labels[person]).toHtmlEscaped(),
                         QString::number(r.Scores[static_cast<std::size_t>(comparison.Cycle)]));
    }
    return text;
}

QString CompatibilityDescription(const TComparison& comparison) {
    return ValueList({0, comparison.Values.Values, comparison.Values.Average});
}

QString ComparisonDescription(const TComparison& comparison) {
    const TDayTable& first = comparison.Tables[0];
    const std::size_t k = static_cast<std::size_t>(comparison.Cycle);
    return QStringLiteral("%1 from %2 to %3. %4: %5 %6, %7 %8")
        .arg(QLatin1String(Cycle(comparison.Cycle).Label), LongDateText(first.Rows.front().Day),
             LongDateText(first.Rows.back().Day), LongDateText(first.Today), comparison.Labels[0],
             QString::number(first.TodayRow.Scores[k]), comparison.Labels[1],
             QString::number(comparison.Tables[1].TodayRow.Scores[k]));
}

QString ComparisonCsv(const TComparison& comparison) {
    const std::size_t k = static_cast<std::size_t>(comparison.Cycle);
    const QString cycle = QLatin1String(Cycle(comparison.Cycle).Label);
    QString csv = QStringLiteral("date,%1,%2\n")
                      .arg(CsvField(cycle + QLatin1Char(' ') + comparison.Labels[0]),
                           CsvField(cycle + QLatin1Char(' ') + comparison.Labels[1]));
    for (std::size_t row = 0; row < FourWeekDays; ++row)
        csv += QStringLiteral("%1,%2,%3\n")
                   .arg(IsoDateText(comparison.Tables[0].Rows[row].Day))
                   .arg(comparison.Tables[0].Rows[row].Scores[k])
                   .arg(comparison.Tables[1].Rows[row].Scores[k]);
    return csv;
}
