#include "WindowTestSupport.h"

#include "Snapshot.h"
#include "SpecialFolder.h"
#include "Startup.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gmock/gmock.h>

namespace {

struct TRun {
    int status = -1;
    QStringList out, err;
};

}  // namespace

class SnapshotTest : public WindowTest {
protected:
    TRun Run(const QStringList& arguments) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        TRun run;
        run.status = RunSnapshot(arguments, outStream, errStream);
        run.out = out.split('\n', Qt::SkipEmptyParts);
        run.err = err.split('\n', Qt::SkipEmptyParts);
        return run;
    }
};

TEST_F(SnapshotTest, CsvIsTheFourWeekChartReadBack) {
    const TRun run = Run({"--birth", "1980-05-17", "--today", "2010-03-01", "--csv"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.join('|').toStdString();
    ASSERT_EQ(run.out.size(), 31);
    EXPECT_EQ(run.out[0], "date,Physical,Emotional,Intellectual,Spiritual,Awareness,Aesthetic,Intuition,Average");
    EXPECT_EQ(run.out[1], "2010-02-14,63,22,100,0,79,-89,-48,18");
    EXPECT_EQ(run.out[16], "2010-03-01,27,-43,-95,98,-87,15,92,1");
    EXPECT_EQ(run.out[30], "2010-03-15,-82,43,69,-29,-26,81,-92,-5");
    EXPECT_EQ(StoredFile(), "<no file>");
}

TEST_F(SnapshotTest, WithoutBirthTheStoredDateCounts) {
    StoreFile("1980\r\n5\r\n17\r\n");
    const TRun run = Run({"--today", "2010-03-01", "--csv"});
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.out.size(), 31);
    EXPECT_EQ(run.out[16], "2010-03-01,27,-43,-95,98,-87,15,92,1");
    EXPECT_EQ(StoredFile(), "1980\r\n5\r\n17\r\n");
}

TEST_F(SnapshotTest, MessageBoxesGoToStderrWithStatusOne) {
    struct Case {
        const char* name;
        QStringList arguments;
        QString message;
    } cases[] = {
        {"future", {"--birth", "2010-03-02", "--today", "2010-03-01", "--csv"},
         "Your birthday couldn't be greater than today..."},
        {"no such day", {"--birth", "2009-02-29", "--today", "2010-03-01", "--csv"}, "Invalid argument to date encode."},
        {"year not listed", {"--birth", "1900-01-01", "--today", "2010-03-01", "--csv"},
         "'' is not a valid integer value."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TRun run = Run(c.arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_THAT(run.err, testing::ElementsAre(c.message));
        EXPECT_THAT(run.out, testing::IsEmpty());
    }
}

TEST_F(SnapshotTest, BadOptionsGiveUsageAndStatusTwo) {
    const QStringList bad[] = {
        {"--birth"}, {"--birth", "17.05.1980"}, {"--today", "2010-02-30"}, {"--today", "9999-12-18"},
        {"--today", "0001-01-15"}, {"--tab", "week"}, {"--out"}, {"--frobnicate"},
    };
    for (const QStringList& arguments : bad) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const TRun run = Run(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.isEmpty());
        ASSERT_FALSE(run.err.isEmpty());
        EXPECT_TRUE(run.err.last().startsWith("usage: biorhythm-snapshot"));
    }
}

TEST_F(SnapshotTest, AFileNotWrittenLeavesStandardOutputEmpty) {
    const QStringList cases[] = {
        {"--birth", "1980-05-17", "--today", "2010-03-01", "--csv", "--out", "/nonexistent/w.png"},
        {"--birth", "1980-05-17", "--today", "2010-03-01", "--csv", "--critical", "30", "--ics", "/nonexistent/c.ics"},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const TRun run = Run(arguments);
        EXPECT_EQ(run.status, 3);
        EXPECT_THAT(run.out, testing::IsEmpty());
    }
}

TEST_F(SnapshotTest, VersionAsTheProgramAnswersIt) {
    for (const char* option : {"-v", "--version"}) {
        SCOPED_TRACE(option);
        const TRun run = Run({option});
        EXPECT_EQ(run.status, 0);
        ASSERT_EQ(run.out.size(), 2);
        EXPECT_TRUE(run.out[0].startsWith("biorhythm-snapshot "));
        EXPECT_EQ(run.out[1], kLicenceLine);
    }
}

// Without the test's folder override: the folders the program keeps the date
// in are read, never made.
TEST(SnapshotFolders, TheStoredDateIsReadWithoutMakingAFolder) {
    QTemporaryDir data;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    const QString folder = QString::fromStdString(PlannedSpecialFolderPath(SystemFolderId).value_or(""));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    EXPECT_EQ(RunSnapshot({"--today", "2010-03-01", "--csv"}, outStream, errStream), 0);
    EXPECT_TRUE(QDir(data.path()).isEmpty());

    ASSERT_TRUE(QDir().mkpath(folder + "/temp"));
    QFile stored(folder + "/temp/biorhythm.ini");
    ASSERT_TRUE(stored.open(QIODevice::WriteOnly));
    stored.write("1980\r\n5\r\n17\r\n");
    stored.close();
    out.clear();
    EXPECT_EQ(RunSnapshot({"--today", "2010-03-01", "--csv"}, outStream, errStream), 0);
    EXPECT_TRUE(out.contains("\n2010-03-01,27,-43,-95,98,-87,15,92,1\n"));
    qputenv("XDG_DATA_HOME", saved);
}

TEST_F(SnapshotTest, PictureIsTheWholeClientArea) {
    QTemporaryDir dir;
    const QString file = dir.filePath("w.png");
    const TRun run = Run({"--birth", "1980-05-17", "--today", "2010-03-01", "--tab", "4weeks", "--out", file});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.isEmpty());
    const QImage image(file);
    EXPECT_EQ(image.size() / image.devicePixelRatio(), QSize(784, 614));
}

TEST_F(SnapshotTest, ValuesShowOnTheTodayChartOnly) {
    QTemporaryDir dir;
    const auto picture = [&](const QString& tab, bool values) {
        const QString file = dir.filePath(tab + (values ? "-values.png" : ".png"));
        QStringList arguments{"--birth", "1980-05-17", "--today", "2010-03-01", "--tab", tab, "--out", file};
        if (values)
            arguments << "--values";
        EXPECT_EQ(Run(arguments).status, 0);
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    };
    const QImage plain = picture("today", false), marked = picture("today", true);
    ASSERT_EQ(plain.size(), marked.size());
    EXPECT_NE(plain, marked);
    // Only the plotting area changes: the date band and the banner stay.
    EXPECT_EQ(plain.copy(0, 0, 784, 64), marked.copy(0, 0, 784, 64));
    EXPECT_EQ(plain.copy(0, 488, 784, 126), marked.copy(0, 488, 784, 126));
    EXPECT_EQ(picture("4weeks", false), picture("4weeks", true));
}

TEST_F(SnapshotTest, CompareAndPeoplePrintTablesOrNothingOnFailure) {
    QTemporaryDir dir;
    const QString people = dir.filePath("people.json"), damaged = dir.filePath("damaged.json");
    const auto put = [](const QString& file, const QByteArray& bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    put(people, R"({"version": 1, "people": [{"name": "Anna", "birth": "1980-05-17"},
                   {"name": "Ben, \"Jr.\"", "birth": "1975-01-01"}]})");
    put(damaged, R"({"version": 1, "people": [{"name": "Anna", "birth": "1980-05-17"},
                    {"name": "Kid", "birth": "2011-01-01"}]})");
    struct Case {
        const char* name;
        QStringList arguments;
        int status;
        QStringList out;  // lines that must be there; all of them when the status is not 0
        QString err;      // the start of the first line
    } cases[] = {
        // 900 days: Physical 50 (1 + cos(6 pi / 23)) = 84.1, Spiritual (52 of 53 days) 99.6,
        // average 483 / 7 = 69.
        {"compare", {"--birth", "1980-05-17", "--today", "2010-03-01", "--compare", "1982-11-03"}, 0,
         {"first,second,days,cycle,period,compatibility", "1980-05-17,1982-11-03,900,Physical,23,84",
          "1980-05-17,1982-11-03,900,Spiritual,53,100", "1980-05-17,1982-11-03,900,Average,,69"}, ""},
        {"compare with a future birth", {"--birth", "2010-03-02", "--today", "2010-03-01", "--compare", "1982-11-03"},
         1, {}, "Your birthday couldn't be greater than today..."},
        {"people", {"--people", people}, 0, {"name,date", "Anna,1980-05-17", "\"Ben, \"\"Jr.\"\"\",1975-01-01"}, ""},
        {"damaged people", {"--people", damaged, "--today", "2010-03-01"}, 1, {},
         "Entry 2, \u201CKid\u201D: the birth date 2011-01-01 lies outside the years 1910 to 2010."},
        {"no people file", {"--people", dir.filePath("none.json")}, 1, {}, "The file "},
        {"compare and csv", {"--compare", "1982-11-03", "--csv"}, 2, {}, "biorhythm-snapshot: --compare prints a table of its own"},
        {"compare and critical", {"--compare", "1982-11-03", "--critical", "30"}, 2, {}, "biorhythm-snapshot: --compare prints a table of its own"},
        {"people with more", {"--people", people, "--birth", "1980-05-17"}, 2, {}, "biorhythm-snapshot: --people goes alone"},
        {"no such second date", {"--compare", "2010-02-30"}, 2, {}, "biorhythm-snapshot: --compare is not a valid date"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TRun run = Run(c.arguments);
        EXPECT_EQ(run.status, c.status);
        if (c.status != 0) {
            EXPECT_TRUE(run.out.isEmpty()) << run.out.join('|').toStdString();
        }
        for (const QString& line : c.out)
            EXPECT_TRUE(run.out.contains(line)) << line.toStdString();
        EXPECT_TRUE(c.err.isEmpty() ? run.err.isEmpty() : !run.err.isEmpty() && run.err[0].startsWith(c.err))
            << run.err.join('|').toStdString();
    }
    EXPECT_EQ(Run(cases[0].arguments).out.size(), 9);

    const QString picture = dir.filePath("compare.png");
    EXPECT_EQ(Run(cases[0].arguments + QStringList{"--png", picture}).status, 0);
    EXPECT_FALSE(QImage(picture).isNull());
    EXPECT_EQ(Run(cases[0].arguments + QStringList{"--png", dir.filePath("missing/compare.png")}).out.size(), 0);
}
