#include "SpecialFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <filesystem>

#include <sys/stat.h>

namespace {

struct Override {
    std::optional<std::string> Folder;
    std::string Fallback;
};
std::optional<Override> g_override;

bool EnsureDirectory(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    if (::mkdir(path.c_str(), 0700) == 0)
        return true;
    // Someone else may have created it in between.
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string AppDataFolder() {
    QString path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (path.isEmpty())
        return {};
    // Without an application name Qt answers the shared data folder itself;
    // keep our files in a folder of their own there.
    if (QCoreApplication::applicationName().isEmpty())
        path += QStringLiteral("/biorhythm");
    return QDir::cleanPath(path).toStdString();
}

}  // namespace

bool EnsureFolderWithTemp(const std::string& folder) {
    if (folder.empty())
        return false;
    // Parents such as ~/.local/share are shared and keep the usual mode; only
    // our own two folders are private.
    const std::string parent = std::filesystem::path(folder).parent_path().string();
    if (!parent.empty() && !QDir().mkpath(QString::fromStdString(parent)))
        return false;
    return EnsureDirectory(folder) && EnsureDirectory(folder + "/temp");
}

std::optional<std::string> PlannedSpecialFolderPath(int folderId) {
    if (g_override)
        return folderId == SystemFolderId ? g_override->Folder : std::nullopt;
    if (folderId != SystemFolderId)
        return std::nullopt;
    std::string folder = AppDataFolder();
    if (folder.empty())
        return std::nullopt;
    return folder;
}

std::optional<std::string> SpecialFolderPath(int folderId) {
    std::optional<std::string> folder = PlannedSpecialFolderPath(folderId);
    if (!g_override && folder && !EnsureFolderWithTemp(*folder))
        return std::nullopt;
    return folder;
}

std::string FallbackFolderPath() {
    if (g_override)
        return g_override->Fallback;
    return QDir::homePath().toStdString();
}

struct SpecialFolderOverride::TAnswer {
    std::optional<Override> Previous;
};

SpecialFolderOverride::SpecialFolderOverride(std::optional<std::string> folder, std::string fallback)
    : m_previous(std::make_unique<TAnswer>(TAnswer{g_override})) {
    g_override = Override{std::move(folder), std::move(fallback)};
}

SpecialFolderOverride::~SpecialFolderOverride() { g_override = m_previous->Previous; }
