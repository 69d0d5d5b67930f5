#include "People.h"

#include "LocalDate.h"
#include "SpecialFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int FirstYear = 1910, LastYear = 2011;
const char* const Aside = "people.json.damaged-20110723";

class PeopleFile : public testing::Test {
protected:
    PeopleFile() {
        std::string pattern = (fs::temp_directory_path() / "people.XXXXXX").string();
        m_root = ::mkdtemp(pattern.data());
        fs::create_directories(Temp());
        m_override.emplace(m_root.string(), m_root.string());
    }
    ~PeopleFile() override {
        m_override.reset();
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    fs::path Temp() const { return m_root / "temp"; }
    fs::path FilePath() const { return Temp() / "people.json"; }

    static void Put(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    static std::string Get(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static TPerson Person(const char* name, int year, int month, int day) {
        return {QString::fromUtf8(name), DateToSerial(year, month, day)};
    }

    fs::path m_root;
    LocalDateOverride m_date{{2011, 7, 23}};
    std::optional<SpecialFolderOverride> m_override;
};

}  // namespace

TEST_F(PeopleFile, UnicodeNamesGoThereAndBackAsText) {
    const TPeople people = {Person("Anna", 1980, 5, 17), Person("山田 花子", 1975, 1, 1),
                            Person("فاطمة", 2011, 7, 23), Person("Ben 🎸 & \"Co\"", 1910, 1, 1)};
    ASSERT_TRUE(SavePeopleFile(people));
    EXPECT_EQ(PeopleFilePath(), FilePath().string());
    const std::string text = Get(FilePath());
    EXPECT_NE(text.find("\"version\": 1"), std::string::npos);
    EXPECT_NE(text.find("山田 花子"), std::string::npos);
    EXPECT_NE(text.find("🎸"), std::string::npos);
    EXPECT_NE(text.find("\"1980-05-17\""), std::string::npos);

    const TPeopleLoad load = LoadPeopleFile(FirstYear, LastYear);
    EXPECT_EQ(load.People, people);
    EXPECT_TRUE(load.Message.isEmpty());
    EXPECT_EQ(std::distance(fs::directory_iterator(Temp()), {}), 1);
}

TEST_F(PeopleFile, MissingFileIsAnEmptyListAndCreatesNothing) {
    const TPeopleLoad load = LoadPeopleFile(FirstYear, LastYear);
    EXPECT_TRUE(load.People.empty());
    EXPECT_TRUE(load.Message.isEmpty());
    EXPECT_TRUE(fs::is_empty(Temp()));
}

TEST(PeopleNames, TrimmedComposedAtMostAHundredCharactersAndComparedWithoutCase) {
    struct Case {
        const char* name;
        QString input, kept;
        bool accepted;
    } cases[] = {
        {"trimmed", QStringLiteral("  Anna \t"), QStringLiteral("Anna"), true},
        {"empty", QString(), QString(), false},
        {"only spaces", QStringLiteral(" \u3000 "), QString(), false},
        {"invisible only", QStringLiteral("\uFEFF\u200B"), QStringLiteral("\u200B"), false},
        {"composed", QStringLiteral("Jose\u0301"), QStringLiteral("Jos\u00E9"), true},
        {"100 emoji", QString(100, u'x').replace(u'x', QStringLiteral("😀")), QString(100, u'x').replace(u'x', QStringLiteral("😀")), true},
        {"101 letters", QString(101, u'a'), QString(101, u'a'), false},
        {"line break", QStringLiteral("An\nna"), QStringLiteral("An\nna"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CleanName(c.input), c.kept);
        EXPECT_EQ(NameProblem(c.kept).isEmpty(), c.accepted);
    }
    const TPeople people = {{QStringLiteral("Anna"), 0}, {QStringLiteral("Élodie"), 0}};
    EXPECT_EQ(IndexOfName(people, QStringLiteral(" aNNA ")), 0);
    EXPECT_EQ(IndexOfName(people, QStringLiteral("E\u0301LODIE")), 1);
    EXPECT_EQ(IndexOfName(people, QStringLiteral("Anna"), 0), -1);
    EXPECT_EQ(IndexOfName(people, QStringLiteral("Ann")), -1);
}

TEST_F(PeopleFile, DamagedFilesAreKeptAsideWholeAndTheUsablePeopleStay) {
    const std::string anna = R"({"name": "Anna", "birth": "1980-05-17"})";
    const std::string ben = R"({"name": "Ben", "birth": "1975-01-01"})";
    const auto file = [](const std::string& entries, const char* version = "1") {
        return std::string(R"({"version": )") + version + R"(, "people": [)" + entries + "]}";
    };
    struct Case {
        const char* name;
        std::string bytes;
        int kept;            // people read; -1: the file as a whole is unusable
        const char* saying;  // part of the message
    } cases[] = {
        {"empty", "", -1, "the file is empty"},
        {"truncated", file(anna + "," + ben).substr(0, 60), -1, "not valid JSON"},
        {"wrong version", file(anna, "2"), -1, "version 2"},
        {"no version", R"({"people": []})", -1, "no version number"},
        {"not JSON", "[people]\nAnna=1980-05-17\n", -1, "not valid JSON"},
        {"no list", R"({"version": 1, "people": {"Anna": "1980-05-17"}})", -1, "no list of people"},
        {"10 MB", file(anna) + std::string(10'000'000, ' '), -1, "larger than 4 MB"},
        {"duplicate names", file(anna + "," + ben + R"(,{"name": " anna ", "birth": "1990-01-01"})"), 2,
         "Entry 3, \u201Canna\u201D: the name is used by an earlier entry."},
        {"year before the list", file(anna + R"(,{"name": "Old", "birth": "1909-12-31"})"), 1,
         "lies outside the years 1910 to 2011"},
        {"year after the list", file(R"({"name": "Kid", "birth": "2012-01-01"},)" + ben), 1, "Entry 1"},
        {"no such day", file(anna + R"(,{"name": "Feb", "birth": "2010-02-29"})"), 1, "not a date written YYYY-MM-DD"},
        {"no name", file(R"({"birth": "1980-05-17"},)" + ben), 1, "Entry 1 has no name."},
        {"not a person", file("42," + ben), 1, "Entry 1 is not a person."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(Temp());
        fs::create_directories(Temp());
        Put(FilePath(), c.bytes);

        const TPeopleLoad load = LoadPeopleFile(FirstYear, LastYear);
        EXPECT_TRUE(load.Message.contains(QString::fromUtf8(c.saying))) << load.Message.toStdString();
        EXPECT_TRUE(load.Message.contains(QString::fromLatin1(Aside))) << load.Message.toStdString();
        EXPECT_TRUE(load.Writable);
        EXPECT_EQ(Get(Temp() / Aside), c.bytes);
        EXPECT_EQ(static_cast<int>(load.People.size()), std::max(c.kept, 0));
        // The usable people are in a fresh file at once; nothing else is written.
        if (c.kept > 0) {
            EXPECT_EQ(ReadPeopleFile(FilePath().string(), FirstYear, LastYear).People, load.People);
        } else {
            EXPECT_FALSE(fs::exists(FilePath()));
        }
    }
}

TEST_F(PeopleFile, AnEarlierAsideFileIsNeverReplaced) {
    Put(Temp() / Aside, "first");
    Put(Temp() / (std::string(Aside) + "-2"), "second");
    Put(FilePath(), "third");
    const TPeopleLoad load = LoadPeopleFile(FirstYear, LastYear);
    EXPECT_TRUE(load.Message.contains(QString::fromLatin1(Aside) + "-3"));
    EXPECT_EQ(Get(Temp() / Aside), "first");
    EXPECT_EQ(Get(Temp() / (std::string(Aside) + "-2")), "second");
    EXPECT_EQ(Get(Temp() / (std::string(Aside) + "-3")), "third");

    // A folder in the file's place cannot be read: it goes aside too.
    fs::create_directory(FilePath());
    EXPECT_TRUE(LoadPeopleFile(FirstYear, LastYear).Message.contains("cannot be opened or read"));
    EXPECT_TRUE(fs::is_directory(Temp() / (std::string(Aside) + "-4")));
}

TEST_F(PeopleFile, ReadOnlyFileAndLinksAreTreatedAsTheBirthdayFileIs) {
    const TPeople one = {Person("Anna", 1980, 5, 17)}, two = {Person("Anna", 1980, 5, 17), Person("Ben", 1975, 1, 1)};
    ASSERT_TRUE(SavePeopleFile(one));
    fs::permissions(FilePath(), fs::perms::owner_read);
    EXPECT_FALSE(SavePeopleFile(two));
    EXPECT_EQ(LoadPeopleFile(FirstYear, LastYear).People, one);

    const fs::path target = m_root / "elsewhere.json";
    fs::remove(FilePath());
    fs::create_symlink(target, FilePath());
    ASSERT_TRUE(SavePeopleFile(two));
    EXPECT_TRUE(fs::is_symlink(FilePath()));
    EXPECT_EQ(ReadPeopleFile(target.string(), FirstYear, LastYear).People, two);
}
