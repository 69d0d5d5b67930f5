// Each program's manual page lists exactly the options its --help lists.

#include "Snapshot.h"
#include "Startup.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QStringList OptionNames(const QString& text) {
    static const QRegularExpression name(QStringLiteral("(?:^|[\\s,\"])(--?[a-z][a-z-]*)"));
    QStringList names;
    for (auto it = name.globalMatch(text); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

// The options column of the help's option lines ("  -h, --help   Prints...").
QStringList HelpOptions(const QString& help) {
    QStringList options;
    for (const QString& line : help.split(u'\n')) {
        if (line.startsWith(QLatin1String("  -")))
            options << OptionNames(line.trimmed().section(QRegularExpression(QStringLiteral("\\s{2,}")), 0, 0));
    }
    options.sort();
    return options;
}

// The tags of the OPTIONS section (the line after each .TP).
QStringList ManualOptions(const QString& fileName) {
    QFile file(QStringLiteral(BIORHYTHM_MANUAL_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<no %1>").arg(fileName)};
    const QStringList lines = QString::fromUtf8(file.readAll()).replace(QLatin1String("\\-"), QLatin1String("-")).split(u'\n');
    QStringList options;
    bool inOptions = false;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1String(".SH")))
            inOptions = lines[i] == QLatin1String(".SH OPTIONS");
        else if (inOptions && lines[i] == QLatin1String(".TP"))
            options << OptionNames(lines[i + 1].section(u' ', 1));
    }
    options.sort();
    return options;
}

}  // namespace

TEST(ManualPages, ListEveryOptionOfTheirProgramsHelp) {
    QString programHelp, snapshotHelp, ignored;
    QTextStream program(&programHelp), snapshot(&snapshotHelp), err(&ignored);
    ASSERT_EQ(HandleProgramOptions({QStringLiteral("biorhythm"), QStringLiteral("--help")}, program, err), 0);
    ASSERT_EQ(RunSnapshot({QStringLiteral("--help")}, snapshot, err), 0);
    struct Case {
        const char* manual;
        const QString& help;
    } cases[] = {{"biorhythm.1", programHelp}, {"biorhythm-snapshot.1", snapshotHelp}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.manual);
        const QStringList options = HelpOptions(c.help);
        EXPECT_GE(options.size(), 3);
        EXPECT_EQ(ManualOptions(QString::fromLatin1(c.manual)).join(u' ').toStdString(), options.join(u' ').toStdString());
    }
}
