#include "Preferences.h"

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

const QStringList kLanguages{"en", "de", "ja"};

class PreferencesFile : public testing::Test {
protected:
    PreferencesFile() {
        std::string pattern = (fs::temp_directory_path() / "preferences.XXXXXX").string();
        m_root = ::mkdtemp(pattern.data());
        fs::create_directories(m_root / "temp");
        m_override.emplace(m_root.string(), m_root.string());
    }
    ~PreferencesFile() override {
        m_override.reset();
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    fs::path File(const char* name = "preferences.json") const { return m_root / "temp" / name; }
    static std::string Get(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path m_root;
    LocalDateOverride m_date{{2011, 7, 23}};
    std::optional<SpecialFolderOverride> m_override;
};

}  // namespace

TEST(PreferencesJson, KnownLanguagesAreReadAndAnythingElseKeepsTheDefault) {
    struct Case {
        const char* name;
        const char* json;
        const char* language;  // null: refused
    } const cases[] = {
        {"a language", R"({"version": 1, "language": "ja"})", "ja"},
        {"none given", R"({"version": 1})", ""},
        {"unknown language", R"({"version": 1, "language": "xx"})", nullptr},
        {"language not a text", R"({"version": 1, "language": 7})", nullptr},
        {"newer version", R"({"version": 2, "language": "de"})", nullptr},
        {"no version", R"({"language": "de"})", nullptr},
        {"not an object", R"(["de"])", nullptr},
        {"cut short", R"({"version": 1, "lang)", nullptr},
        {"empty", "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TPreferencesRead read = PreferencesFromJson(c.json, kLanguages);
        EXPECT_EQ(read.Problem.isEmpty(), c.language != nullptr) << read.Problem.toStdString();
        EXPECT_EQ(read.Preferences.Language, QString::fromLatin1(c.language ? c.language : ""));
    }
}

TEST_F(PreferencesFile, WrittenOnlyWhenSavedAndReadBack) {
    TPreferencesLoad load = LoadPreferencesFile(kLanguages);
    EXPECT_EQ(load.Preferences, TPreferences{});
    EXPECT_TRUE(load.Message.isEmpty());
    EXPECT_FALSE(fs::exists(File()));

    ASSERT_TRUE(SavePreferencesFile({"de"}));
    EXPECT_EQ(PreferencesFilePath(), File().string());
    EXPECT_NE(Get(File()).find("\"version\": 1"), std::string::npos);
    load = LoadPreferencesFile(kLanguages);
    EXPECT_EQ(load.Preferences.Language, "de");
    EXPECT_TRUE(load.Message.isEmpty());
}

TEST_F(PreferencesFile, ADamagedFileIsSetAsideWholeWithOneMessageAndTheDefaultKept) {
    std::ofstream(File(), std::ios::binary) << "{\"version\": 1, \"language\": \"de\"";
    const TPreferencesLoad load = LoadPreferencesFile(kLanguages);
    EXPECT_EQ(load.Preferences, TPreferences{});
    EXPECT_TRUE(load.Writable);
    EXPECT_TRUE(load.Message.contains("preferences.json.damaged-20110723")) << load.Message.toStdString();
    EXPECT_FALSE(fs::exists(File()));
    EXPECT_EQ(Get(File("preferences.json.damaged-20110723")), "{\"version\": 1, \"language\": \"de\"");
    // Read as it is, the file is never moved.
    std::ofstream(File(), std::ios::binary) << "[]";
    EXPECT_FALSE(ReadPreferencesFile(kLanguages).Problem.isEmpty());
    EXPECT_TRUE(fs::exists(File()));
}
