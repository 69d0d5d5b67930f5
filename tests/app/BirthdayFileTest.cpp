#include "BirthdayFile.h"

#include "LocalDate.h"
#include "SpecialFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr TBirthday kToday{2011, 7, 23};
constexpr std::size_t MiB = 1 << 20;

class BirthdayFile : public testing::Test {
protected:
    BirthdayFile() {
        std::string pattern = (fs::temp_directory_path() / "birthday.XXXXXX").string();
        m_root = ::mkdtemp(pattern.data());
        fs::create_directories(Folder() / "temp");
        fs::create_directories(Home());
        m_override.emplace(Folder().string(), Home().string());
    }
    ~BirthdayFile() override {
        m_override.reset();
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    fs::path Folder() const { return m_root / "windows"; }
    fs::path Home() const { return m_root / "home"; }
    fs::path FilePath() const { return Folder() / "temp" / "biorhythm.ini"; }

    void QueryFails() { m_override.emplace(std::nullopt, Home().string()); }

    static void Put(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static int EntriesIn(const fs::path& folder) {
        return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
    }

    fs::path m_root;
    LocalDateOverride m_date{{kToday.Year, kToday.Month, kToday.Day}};
    std::optional<SpecialFolderOverride> m_override;
};

}  // namespace

TEST_F(BirthdayFile, PathsUnderTheSpecialFolderOrTheFallback) {
    EXPECT_EQ(GetFolderPathToSave(36), Folder().string() + "/");
    EXPECT_EQ(BirthdayFilePath(), FilePath().string());
    QueryFails();
    EXPECT_EQ(GetFolderPathToSave(36), Home().string() + "/");
    EXPECT_EQ(BirthdayFilePath(), (Home() / "biorhythm.ini").string());
}

TEST_F(BirthdayFile, WritesThreeCrLfLinesAndReadsThemBack) {
    WriteBirthdayFile("1980", 4, 16);
    EXPECT_EQ(Get(FilePath()), "1980\r\n5\r\n17\r\n");
    EXPECT_EQ(ReadBirthdayFile(), (TBirthday{1980, 5, 17}));
    EXPECT_EQ(EntriesIn(Folder() / "temp"), 1);
}

TEST_F(BirthdayFile, NothingSelectedIsWrittenAsZero) {
    WriteBirthdayFile("1980", -1, 16);
    EXPECT_EQ(Get(FilePath()), "1980\r\n0\r\n17\r\n");
    EXPECT_EQ(ReadBirthdayFile(), (TBirthday{1980, 0, 17}));
    WriteBirthdayFile("", -1, -1);
    EXPECT_EQ(Get(FilePath()), "\r\n0\r\n0\r\n");
    EXPECT_EQ(ReadBirthdayFile(), kToday);
}

TEST_F(BirthdayFile, FallbackFolderWhenTheQueryFails) {
    QueryFails();
    WriteBirthdayFile("1975", 0, 0);
    EXPECT_EQ(Get(Home() / "biorhythm.ini"), "1975\r\n1\r\n1\r\n");
    EXPECT_EQ(ReadBirthdayFile(), (TBirthday{1975, 1, 1}));
    EXPECT_FALSE(fs::exists(FilePath()));
}

TEST_F(BirthdayFile, ReaderCases) {
    struct Case {
        const char* name;
        std::string bytes;
        TBirthday expected;
    };
    const Case cases[] = {
        {"two lines only", "1980\r\n5\r\n", {1980, 5, kToday.Day}},
        {"first line abc", "abc\r\n5\r\n17\r\n", kToday},
        {"later lines ignored", "1980\r\n5\r\n17\r\n1999\r\n4\r\n", {1980, 5, 17}},
        {"fourth line right after the third CR", "1980\r5\r17\r99", {1980, 5, 17}},
        {"LF-only line ends make one line", "1980\n5\n17\n", {14437, kToday.Month, kToday.Day}},
        {"CR alone ends a line", "1980\r5\r17\r", {1980, 5, 17}},
        {"Ctrl+Z ends the file", "1980\r\n1\x1a" "2\r\n17\r\n", {1980, 1, kToday.Day}},
        {"bad month keeps the year", "1980\r\nMay\r\n17\r\n", {1980, kToday.Month, kToday.Day}},
        {"trailing space refused", "1980 \r\n5\r\n17\r\n", kToday},
        {"hexadecimal and leading spaces", "$7BC\r\n0x5\r\n  17\r\n", {1980, 5, 17}},
        {"low 16 bits kept", "67516\r\n-1\r\n65553\r\n", {1980, 65535, 17}},
        {"empty file", "", kToday},
        {"only Ctrl+Z", "\x1a" "1980\r\n5\r\n17\r\n", kToday},
        {"NUL bytes", std::string(2 * MiB, '\0'), kToday},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Put(FilePath(), c.bytes);
        EXPECT_EQ(ReadBirthdayFile(), c.expected);
    }
}

// Reading stops after 1 MiB as if the file ended there.
TEST_F(BirthdayFile, ReadingStopsAfterOneMebibyte) {
    const std::string head = "1980\r\n5\r\n";
    const std::string insideLimit = head + std::string(MiB - head.size() - 2, ' ') + "17";
    Put(FilePath(), insideLimit + std::string(10 * MiB, '9'));
    EXPECT_EQ(ReadBirthdayFile(), (TBirthday{1980, 5, 17}));

    // The last byte read is the 1 of 17.
    Put(FilePath(), head + std::string(MiB - head.size() - 1, ' ') + "17\r\n");
    EXPECT_EQ(ReadBirthdayFile(), (TBirthday{1980, 5, 1}));

    Put(FilePath(), head + std::string(MiB - head.size(), ' ') + "17\r\n");
    EXPECT_EQ(ReadBirthdayFile(), (TBirthday{1980, 5, kToday.Day}));
}

TEST_F(BirthdayFile, SomethingElseThanAFileCountsAsNoFile) {
    const auto start = std::chrono::steady_clock::now();

    fs::create_directory(FilePath());
    Put(FilePath() / "x", "1980\r\n5\r\n17\r\n");
    EXPECT_EQ(ReadBirthdayFile(), kToday);
    fs::remove_all(FilePath());

    ASSERT_EQ(::mkfifo(FilePath().c_str(), 0600), 0);
    EXPECT_EQ(ReadBirthdayFile(), kToday);
    fs::remove(FilePath());

    fs::create_symlink("/dev/zero", FilePath());
    EXPECT_EQ(ReadBirthdayFile(), kToday);
    fs::remove(FilePath());

    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(BirthdayFile, FailedWriteKeepsTheOldFile) {
    const std::string old = "1975\r\n1\r\n1\r\n";
    Put(FilePath(), old);

    // The file size limit makes the second write fail part-way.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 5;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    WriteBirthdayFile("1980", 4, 16);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(Get(FilePath()), old);
    EXPECT_EQ(EntriesIn(Folder() / "temp"), 1);
    EXPECT_EQ(ReadBirthdayFile(), (TBirthday{1975, 1, 1}));
}

TEST_F(BirthdayFile, RenameOntoAFolderFailsQuietly) {
    fs::create_directory(FilePath());
    Put(FilePath() / "keep", "x");
    WriteBirthdayFile("1980", 4, 16);
    EXPECT_TRUE(fs::is_directory(FilePath()));
    EXPECT_EQ(Get(FilePath() / "keep"), "x");
    EXPECT_EQ(EntriesIn(Folder() / "temp"), 1);
}

TEST_F(BirthdayFile, MissingTempFolderFailsQuietly) {
    fs::remove(Folder() / "temp");
    WriteBirthdayFile("1980", 4, 16);
    EXPECT_FALSE(fs::exists(Folder() / "temp"));
    EXPECT_EQ(EntriesIn(Folder()), 0);
    EXPECT_EQ(EntriesIn(Home()), 0);
    EXPECT_EQ(ReadBirthdayFile(), kToday);
}

TEST_F(BirthdayFile, LeftoverTemporariesGoAndNothingElse) {
    const fs::path temp = Folder() / "temp";
    const fs::path outside = m_root / "outside.ini";
    Put(outside, "mine");
    Put(temp / "biorhythm.ini.Ab12Cd", "1975\r\n");
    Put(temp / "biorhythm.ini.000000", "");
    Put(temp / "biorhythm.ini.bak", "1975\r\n1\r\n1\r\n");
    Put(temp / "biorhythm.ini.Ab12Cd7", "x");
    Put(temp / "biorhythm.ini.Ab-2Cd", "x");
    Put(temp / "other.ini.Ab12Cd", "x");
    Put(temp / "biorhythm.ini.Big123", std::string(10000, '1'));
    fs::create_symlink(outside, temp / "biorhythm.ini.Link12");
    fs::create_directory(temp / "biorhythm.ini.Fold12");
    // A writer still at work holds its temporary locked.
    Put(temp / "biorhythm.ini.Busy12", "1980\r\n");
    const int busy = ::open((temp / "biorhythm.ini.Busy12").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(busy, 0);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);

    WriteBirthdayFile("1980", 4, 16);
    ::close(busy);

    EXPECT_EQ(Get(FilePath()), "1980\r\n5\r\n17\r\n");
    EXPECT_FALSE(fs::exists(temp / "biorhythm.ini.Ab12Cd"));
    EXPECT_FALSE(fs::exists(temp / "biorhythm.ini.000000"));
    for (const char* kept : {"biorhythm.ini.bak", "biorhythm.ini.Ab12Cd7", "biorhythm.ini.Ab-2Cd",
                             "other.ini.Ab12Cd", "biorhythm.ini.Big123", "biorhythm.ini.Link12",
                             "biorhythm.ini.Fold12", "biorhythm.ini.Busy12"}) {
        SCOPED_TRACE(kept);
        EXPECT_TRUE(fs::exists(fs::symlink_status(temp / kept)));
    }
    EXPECT_EQ(Get(outside), "mine");
    EXPECT_EQ(EntriesIn(temp), 9);
}

namespace {

// While set, every fsync of this program reports the path of its descriptor.
std::function<void(const fs::path&)> g_onFsync;

}  // namespace

extern "C" int fsync(int fd) {
    if (g_onFsync)
        g_onFsync(fs::read_symlink("/proc/self/fd/" + std::to_string(fd)));
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

TEST_F(BirthdayFile, NewFileIsOnTheDiskBeforeTheRenameAndTheFolderAfter) {
    Put(FilePath(), "1975\r\n1\r\n1\r\n");
    std::vector<std::pair<fs::path, std::string>> syncs;
    g_onFsync = [&](const fs::path& synced) { syncs.emplace_back(synced, Get(FilePath())); };
    WriteBirthdayFile("1980", 4, 16);
    g_onFsync = nullptr;

    ASSERT_EQ(syncs.size(), 2U);
    EXPECT_EQ(syncs[0].first.parent_path(), Folder() / "temp");
    EXPECT_NE(syncs[0].first, FilePath());
    EXPECT_EQ(syncs[0].second, "1975\r\n1\r\n1\r\n");
    EXPECT_TRUE(fs::equivalent(syncs[1].first, Folder() / "temp"));
    EXPECT_EQ(syncs[1].second, "1980\r\n5\r\n17\r\n");
}

TEST_F(BirthdayFile, ReadOnlyFileStaysAsItIs) {
    const std::string old = "1975\r\n1\r\n1\r\n";
    Put(FilePath(), old);
    // Read-only for everyone, even for a user whom the system would let write.
    fs::permissions(FilePath(), fs::perms::owner_read | fs::perms::group_read);
    WriteBirthdayFile("1980", 4, 16);
    EXPECT_EQ(Get(FilePath()), old);
    EXPECT_EQ(fs::status(FilePath()).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(EntriesIn(Folder() / "temp"), 1);

    // A writable file keeps its permissions when replaced.
    const fs::perms shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(FilePath(), shared);
    WriteBirthdayFile("1980", 4, 16);
    EXPECT_EQ(Get(FilePath()), "1980\r\n5\r\n17\r\n");
    EXPECT_EQ(fs::status(FilePath()).permissions(), shared);
}

TEST_F(BirthdayFile, LinksAreWrittenThroughToTheirTarget) {
    const fs::path elsewhere = m_root / "elsewhere";
    fs::create_directories(elsewhere / "deeper");
    const fs::path target = elsewhere / "deeper" / "birthday.txt";
    Put(target, "1975\r\n1\r\n1\r\n");
    // A relative link to a second link.
    fs::create_symlink("deeper/birthday.txt", elsewhere / "hop");
    fs::create_symlink(elsewhere / "hop", FilePath());

    WriteBirthdayFile("1980", 4, 16);
    EXPECT_TRUE(fs::is_symlink(FilePath()));
    EXPECT_TRUE(fs::is_symlink(elsewhere / "hop"));
    EXPECT_EQ(Get(target), "1980\r\n5\r\n17\r\n");
    EXPECT_EQ(ReadBirthdayFile(), (TBirthday{1980, 5, 17}));
    EXPECT_EQ(EntriesIn(elsewhere / "deeper"), 1);
    EXPECT_EQ(EntriesIn(Folder() / "temp"), 1);

    // A link to a file not made yet creates it.
    fs::remove(target);
    WriteBirthdayFile("1981", 0, 0);
    EXPECT_TRUE(fs::is_symlink(FilePath()));
    EXPECT_EQ(Get(target), "1981\r\n1\r\n1\r\n");

    // A loop of links and a link to a device are left alone.
    fs::remove(FilePath());
    fs::create_symlink(FilePath(), FilePath());
    WriteBirthdayFile("1980", 4, 16);
    EXPECT_EQ(fs::read_symlink(FilePath()), FilePath());
    fs::remove(FilePath());
    fs::create_symlink("/dev/null", FilePath());
    WriteBirthdayFile("1980", 4, 16);
    EXPECT_EQ(fs::read_symlink(FilePath()), "/dev/null");
    EXPECT_EQ(EntriesIn(Folder() / "temp"), 1);
}
