// Each program's manual page lists exactly the options its --help lists.

#include "Snapshot.h"
#include "Startup.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// The option names in the lines a pattern picks, sorted.
QString Options(const QString& text, const QString& linePattern) {
    static const QRegularExpression name(QStringLiteral("(?:^|[\\s,\"])(--?[a-z][a-z-]*)"));
    QStringList names;
    for (auto line = QRegularExpression(linePattern).globalMatch(text); line.hasNext();)
        for (auto it = name.globalMatch(line.next().captured(1)); it.hasNext();)
            names << it.next().captured(1);
    names.sort();
    return names.join(u' ');
}

}  // namespace

TEST(ManualPages, ListEveryOptionOfTheirProgramsHelp) {
    QString programHelp, snapshotHelp, ignored;
    QTextStream program(&programHelp), snapshot(&snapshotHelp), err(&ignored);
    ASSERT_EQ(HandleProgramOptions({QStringLiteral("biorhythm"), QStringLiteral("--help")}, program, err), 0);
    ASSERT_EQ(RunSnapshot({QStringLiteral("--help")}, snapshot, err), 0);
    const std::pair<const char*, QString> cases[] = {{"biorhythm.1", programHelp}, {"biorhythm-snapshot.1", snapshotHelp}};
    for (const auto& [manual, help] : cases) {
        SCOPED_TRACE(manual);
        QFile file(QStringLiteral(BIORHYTHM_MANUAL_DIR "/") + QLatin1String(manual));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QString page = QString::fromUtf8(file.readAll()).replace(QLatin1String("\\-"), QLatin1String("-"));
        page = page.section(QStringLiteral("\n.SH OPTIONS\n"), 1).section(QStringLiteral("\n.SH "), 0, 0);
        // Help: the option column ("  -h, --help   Prints ..."); manual: the tag after each .TP.
        const QString helpOptions = Options(help, QStringLiteral("(?m)^  (-\\S.*?)(?:\\s{2,}|$)"));
        EXPECT_GE(helpOptions.count(u'-'), 3);
        EXPECT_EQ(Options(page, QStringLiteral("(?m)^\\.TP\\n\\.\\S+ (.*)$")).toStdString(), helpOptions.toStdString());
    }
}
