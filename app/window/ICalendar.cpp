#include "ICalendar.h"

namespace {

constexpr qsizetype kLineOctets = 75;

bool ContinuesSequence(char octet) {
    return (static_cast<unsigned char>(octet) & 0xC0) == 0x80;
}

}  // namespace

QString ICalendarText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QChar c : lines) {
        if (c == u'\\' || c == u';' || c == u',')
            escaped += u'\\';
        if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t' || c.category() != QChar::Other_Control)
            escaped += c;
    }
    return escaped;
}

QByteArray ICalendarLine(const QString& name, const QString& value) {
    const QByteArray line = (name + u':' + value).toUtf8();
    QByteArray folded;
    folded.reserve(line.size() + line.size() / 70 * 3 + 2);
    qsizetype from = 0;
    qsizetype room = kLineOctets;
    while (line.size() - from > room) {
        qsizetype cut = from + room;
        while (cut > from + 1 && ContinuesSequence(line[cut]))
            --cut;
        folded += line.mid(from, cut - from);
        folded += "\r\n ";
        from = cut;
        room = kLineOctets - 1;
    }
    folded += line.mid(from);
    folded += "\r\n";
    return folded;
}
