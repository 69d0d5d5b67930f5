// A writer killed at any moment leaves the complete old file or the complete
// new one, never a part or nothing, and its temporary goes with the next write.

#include "BirthdayFile.h"

#include "SpecialFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Kills = 250;
const std::string OldContent = "1975\r\n1\r\n1\r\n";
const std::string NewContent = "1980\r\n5\r\n17\r\n";

std::string Get(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

int EntriesIn(const fs::path& folder) {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
}

}  // namespace

TEST(BirthdayFileKill, KilledWriterLeavesOldOrNewAndNoTemporaryAfterTheNextWrite) {
    std::string pattern = (fs::temp_directory_path() / "birthday-kill.XXXXXX").string();
    const fs::path root = ::mkdtemp(pattern.data());
    const fs::path temp = root / "temp";
    fs::create_directories(temp);
    const fs::path file = temp / "biorhythm.ini";
    SpecialFolderOverride folder(root.string(), root.string());

    // Kill moments spread over a few writes' time.
    constexpr int Timed = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Timed; ++i)
        WriteBirthdayFile("1980", 4, 16);
    const auto perWrite = (std::chrono::steady_clock::now() - start) / Timed;
    long long spread = std::chrono::duration_cast<std::chrono::microseconds>(perWrite * 3).count() + 1;

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    int old = 0, fresh = 0, partial = 0, missing = 0, leftovers = 0, remaining = 0;
    // On a loaded machine a child may not finish one write in the time first
    // measured: the kills then go on, later, until both outcomes were seen.
    int kill = 0;
    for (; kill < Kills || ((old == 0 || fresh == 0) && kill < 4 * Kills); ++kill) {
        if (kill % 50 == 49 && fresh == 0)
            spread *= 2;
        std::uniform_int_distribution<long long> delay(0, spread);
        std::ofstream(file, std::ios::binary | std::ios::trunc) << OldContent;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                WriteBirthdayFile("1980", 4, 16);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        if (!fs::exists(file))
            ++missing;
        else if (const std::string content = Get(file); content == OldContent)
            ++old;
        else if (content == NewContent)
            ++fresh;
        else
            ++partial;
        leftovers += EntriesIn(temp) - 1;

        WriteBirthdayFile("1981", 0, 0);
        remaining += EntriesIn(temp) - 1;
    }
    std::cout << "kill test (seed " << seed << "): " << kill << " kills, old " << old << ", new " << fresh
              << ", partial " << partial << ", missing " << missing << "; " << leftovers
              << " temporaries left by kills, " << remaining << " after the next write\n";
    EXPECT_EQ(partial, 0);
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(remaining, 0);
    EXPECT_EQ(old + fresh, kill);
    // Kills that always came too early or too late would prove nothing.
    EXPECT_GT(old, 0);
    EXPECT_GT(fresh, 0);

    std::error_code ignored;
    fs::remove_all(root, ignored);
}
