#include "BirthdayFile.h"

#include "Calendar.h"
#include "IntegerText.h"
#include "SpecialFolder.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <exception>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char Separator = '/';
constexpr const char* FileName = "biorhythm.ini";
constexpr char CR = 13;
constexpr char LF = 10;
constexpr char CtrlZ = 26;
constexpr int LineCount = 3;
// A birthday file is a few bytes; beyond this the rest counts as absent.
constexpr std::size_t ReadLimit = 1 << 20;
// Temporaries larger than this were not written by us.
constexpr off_t TemporaryLimit = 4096;
// As many links as the kernel follows in one path.
constexpr int LinkHops = 40;

std::optional<std::string> QueriedFolder(int folderId) {
    std::optional<std::string> folder = SpecialFolderPath(folderId);
    if (!folder)
        return std::nullopt;
    // The shell hands back a C string: only the text before a NUL counts.
    folder->resize(folder->find('\0') == std::string::npos ? folder->size() : folder->find('\0'));
    return *folder + Separator;
}

std::string WithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != Separator)
        folder += Separator;
    return folder;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    [[nodiscard]] int Get() const { return m_fd; }

private:
    int m_fd = -1;
};

// The three line buffers of a file, split at CR, with LF dropped and Ctrl+Z or
// the read limit taken as the end. Nothing when the path is not a regular file
// that can be opened.
std::optional<std::array<std::string, LineCount>> ReadLines(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    // O_NONBLOCK: should a FIFO take the file's place after the check, opening
    // it must not wait for a writer.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0 || ::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;

    std::array<std::string, LineCount> lines;
    std::size_t line = 0;
    std::size_t total = 0;
    std::array<char, 4096> buffer;
    while (total < ReadLimit) {
        const ssize_t n = ::read(file.Get(), buffer.data(), std::min(buffer.size(), ReadLimit - total));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        total += static_cast<std::size_t>(n);
        for (ssize_t k = 0; k < n; ++k) {
            const char c = buffer[static_cast<std::size_t>(k)];
            if (c == CtrlZ)
                return lines;
            if (c == CR) {
                if (++line == LineCount)
                    return lines;
            } else if (c != LF) {
                lines[line] += c;
            }
        }
    }
    return lines;
}

// The path with every symbolic link at its end followed, even when the last
// link leads nowhere yet, so that a file kept elsewhere is written there.
// Nothing for a loop of links.
std::optional<std::string> LinkTarget(std::string path) {
    for (int hop = 0; hop < LinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(std::max<std::size_t>(static_cast<std::size_t>(st.st_size), 255) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            return std::nullopt;
        target.resize(static_cast<std::size_t>(n));
        const std::size_t slash = path.rfind(Separator);
        if (target.front() != Separator && slash != std::string::npos)
            target.insert(0, path, 0, slash + 1);
        path = std::move(target);
    }
    return std::nullopt;
}

// Temporaries are the file's name, a dot and the six letters or digits that
// mkostemp puts in place of XXXXXX.
bool IsTemporaryOf(std::string_view entry, std::string_view base) {
    if (entry.size() != base.size() + 7 || !entry.starts_with(base) || entry[base.size()] != '.')
        return false;
    return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(base.size()) + 1, entry.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

// A writer killed before its rename leaves its temporary behind. Only small
// plain files of ours under that naming go; one that a running writer holds
// locked is left to it.
void RemoveLeftoverTemporaries(const std::string& folder, const std::string& base) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!IsTemporaryOf(entry->d_name, base))
            continue;
        struct stat named {};
        if (::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode) ||
            named.st_uid != ::geteuid() || named.st_nlink != 1 || named.st_size > TemporaryLimit)
            continue;
        FileDescriptor file(::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat opened {};
        if (file.Get() < 0 || ::fstat(file.Get(), &opened) != 0 || opened.st_ino != named.st_ino ||
            opened.st_dev != named.st_dev || ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        ::unlinkat(dirFd, entry->d_name, 0);
    }
}

void SyncFolder(const std::string& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

// Replaces the file at `path` (or at the end of its links) with `content` in
// one step: a complete temporary, flushed to the disk, renamed over it. False
// when the old file stays as it was.
bool ReplaceFile(const std::string& path, std::string_view content) {
    const std::optional<std::string> target = LinkTarget(path);
    if (!target)
        return false;
    const std::size_t slash = target->rfind(Separator);
    const std::string folder = slash == std::string::npos ? "." : target->substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? *target : target->substr(slash + 1);

    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat old {};
    if (::lstat(target->c_str(), &old) == 0) {
        // Only a plain file is ours to replace, and one the user made
        // read-only stays as it is even for a user who could override that.
        if (!S_ISREG(old.st_mode) || (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(target->c_str(), W_OK) != 0)
            return false;
        mode = old.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO);
    } else if (errno != ENOENT) {
        return false;
    }

    RemoveLeftoverTemporaries(folder, base);
    std::string temporary = *target + ".XXXXXX";
    FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Get() < 0)
        return false;
    // The lock lasts until the file is closed, after the rename, so no other
    // writer takes this temporary for a leftover.
    const bool written = ::flock(file.Get(), LOCK_EX | LOCK_NB) == 0 && ::fchmod(file.Get(), mode) == 0 &&
                         WriteAll(file.Get(), content) && ::fsync(file.Get()) == 0;
    if (!written || ::rename(temporary.c_str(), target->c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

}  // namespace

std::string GetFolderPathToSave(int folderId) {
    return QueriedFolder(folderId).value_or(WithSeparator(FallbackFolderPath()));
}

std::string BirthdayFilePath() {
    if (std::optional<std::string> folder = QueriedFolder(BirthdayFolderId))
        return *folder + "temp" + Separator + FileName;
    return WithSeparator(FallbackFolderPath()) + FileName;
}

void WriteBirthdayFile(std::string_view yearText, int monthIndex, int dayIndex) {
    // The file is a convenience: a failure leaves the previous file in place
    // and is not reported.
    try {
        std::string content(yearText);
        content += "\r\n" + std::to_string(static_cast<long long>(monthIndex) + 1) + "\r\n" +
                   std::to_string(static_cast<long long>(dayIndex) + 1) + "\r\n";
        ReplaceFile(BirthdayFilePath(), content);
    } catch (const std::exception&) {
    }
}

TBirthday ReadBirthdayFile() {
    const TDateParts today = SerialToDate(Today());
    TBirthday result{today.Year, today.Month, today.Day};
    // Any failure keeps what was converted so far and today's values for the
    // rest; the file is a convenience and is never reported on.
    try {
        const std::optional<std::array<std::string, LineCount>> lines = ReadLines(BirthdayFilePath());
        if (!lines)
            return result;
        result.Year = static_cast<std::uint16_t>(StrToInt((*lines)[0]));
        result.Month = static_cast<std::uint16_t>(StrToInt((*lines)[1]));
        result.Day = static_cast<std::uint16_t>(StrToInt((*lines)[2]));
    } catch (const std::exception&) {
    }
    return result;
}
