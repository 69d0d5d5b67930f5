#include "ICalendar.h"

#include <QList>
#include <QStringDecoder>

#include <gtest/gtest.h>

TEST(ICalendar, TextEscapesSeparatorsAndLineBreaks) {
    const struct {
        const char* name;
        QString text, escaped;
    } cases[] = {
        {"separators", QStringLiteral("a,b;c\\d"), QStringLiteral("a\\,b\\;c\\\\d")},
        {"line breaks of every kind", QStringLiteral("one\r\ntwo\nthree\rfour"), QStringLiteral("one\\ntwo\\nthree\\nfour")},
        {"tab kept, other controls dropped", QStringLiteral("tab\there\x01\x7f"), QStringLiteral("tab\there")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ICalendarText(c.text), c.escaped);
    }
}

// Folded lines hold at most 75 octets, each valid UTF-8 on its own, and
// unfold (CR LF and the blank dropped) to the line given.
TEST(ICalendar, LinesFoldAfter75OctetsBetweenCharacters) {
    const struct {
        const char* name;
        QString value;
        int lines;
    } cases[] = {
        {"exactly 75 octets", QString(73, u'x'), 1},
        {"76 octets", QString(74, u'x'), 2},
        {"two-octet letter across the edge", QString(72, u'x') + QStringLiteral("\u00e9\u00e9"), 2},
        {"three-octet signs", QString(100, QChar(0x20AC)), 5},
        {"four-octet signs", QString::fromUtf8("\xF0\x9D\x84\x9E").repeated(40), 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray folded = ICalendarLine(QStringLiteral("X"), c.value);
        ASSERT_TRUE(folded.endsWith("\r\n"));
        const QList<QByteArray> lines = folded.chopped(2).split('\n');
        EXPECT_EQ(lines.size(), c.lines);
        QByteArray unfolded;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QByteArray line = lines[i];
            if (i + 1 < lines.size()) {
                ASSERT_TRUE(line.endsWith('\r'));
                line.chop(1);
            }
            EXPECT_LE(line.size(), 75);
            if (i > 0) {
                ASSERT_TRUE(line.startsWith(' '));
                line.remove(0, 1);
            }
            QStringDecoder decoder(QStringDecoder::Utf8);
            (void)decoder.decode(line);
            EXPECT_FALSE(decoder.hasError()) << "line " << i;
            unfolded += line;
        }
        EXPECT_EQ(unfolded, (QStringLiteral("X:") + c.value).toUtf8());
    }
}
