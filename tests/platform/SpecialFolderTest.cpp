#include "SpecialFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class SpecialFolder : public testing::Test {
protected:
    SpecialFolder() {
        std::string pattern = (fs::temp_directory_path() / "folder.XXXXXX").string();
        m_root = ::mkdtemp(pattern.data());
    }
    ~SpecialFolder() override {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    static unsigned ModeOf(const fs::path& p) {
        struct stat st {};
        ::stat(p.c_str(), &st);
        return st.st_mode & 07777;
    }

    fs::path m_root;
};

// Points the real query's data location into the test folder.
class DataHomeRedirect {
public:
    explicit DataHomeRedirect(const fs::path& home) : m_old(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.string()));
    }
    ~DataHomeRedirect() {
        if (m_old.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_old);
    }

private:
    QByteArray m_old;
};

}  // namespace

TEST_F(SpecialFolder, CreatesThePrivateFolderAndItsTemp) {
    const fs::path folder = m_root / "a" / "b" / "app";
    EXPECT_TRUE(EnsureFolderWithTemp(folder.string()));
    EXPECT_TRUE(fs::is_directory(folder / "temp"));
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(ModeOf(folder / "temp"), 0700u);
    // Existing folders are fine and keep their content.
    std::ofstream(folder / "temp" / "f") << "x";
    EXPECT_TRUE(EnsureFolderWithTemp(folder.string()));
    EXPECT_TRUE(fs::exists(folder / "temp" / "f"));
}

TEST_F(SpecialFolder, FailsWhereAFileIsInTheWay) {
    std::ofstream(m_root / "file") << "x";
    EXPECT_FALSE(EnsureFolderWithTemp((m_root / "file").string()));
    fs::create_directory(m_root / "app");
    std::ofstream(m_root / "app" / "temp") << "x";
    EXPECT_FALSE(EnsureFolderWithTemp((m_root / "app").string()));
    EXPECT_FALSE(EnsureFolderWithTemp(""));
}

TEST_F(SpecialFolder, RealQueryAnswersTheApplicationDataFolder) {
    DataHomeRedirect redirect(m_root / "data");
    const std::optional<std::string> folder = SpecialFolderPath(SystemFolderId);
    ASSERT_TRUE(folder.has_value());
    const QString expected =
        QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    EXPECT_EQ(*folder, expected.toStdString());
    EXPECT_EQ(folder->rfind((m_root / "data").string(), 0), 0u);
    EXPECT_TRUE(fs::is_directory(fs::path(*folder) / "temp"));
    EXPECT_FALSE(SpecialFolderPath(35).has_value());
}

TEST_F(SpecialFolder, RealQueryWithoutApplicationNameStaysOutOfTheSharedFolder) {
    DataHomeRedirect redirect(m_root / "data");
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QString());
    const std::optional<std::string> folder = SpecialFolderPath(SystemFolderId);
    QCoreApplication::setApplicationName(name);
    ASSERT_TRUE(folder.has_value());
    EXPECT_NE(fs::path(*folder), m_root / "data");
    EXPECT_TRUE(fs::is_directory(fs::path(*folder) / "temp"));
}
