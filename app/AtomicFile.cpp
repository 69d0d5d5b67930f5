#include "AtomicFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char Separator = '/';
// As many links as the kernel follows in one path.
constexpr int LinkHops = 40;
// Enough for every aside file one folder could sensibly collect.
constexpr int AsideAttempts = 1000;

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
void RemoveLeftoverTemporaries(const std::string& folder, const std::string& base, std::size_t limit) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return;
    const int dirFd = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!IsTemporaryOf(entry->d_name, base))
            continue;
        struct stat named {};
        if (::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode) ||
            named.st_uid != ::geteuid() || named.st_nlink != 1 || static_cast<std::size_t>(named.st_size) > limit)
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

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind(Separator);
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

// Renames without replacing: where the file system cannot say so in one call,
// a second hard link is made (which fails on a taken name) and the old one
// removed.
bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, std::string_view content, std::size_t temporaryLimit) {
    const std::optional<std::string> target = LinkTarget(path);
    if (!target)
        return false;
    const std::string folder = FolderOf(*target);
    const std::size_t slash = target->rfind(Separator);
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

    RemoveLeftoverTemporaries(folder, base, temporaryLimit);
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

TFileStart ReadFileStart(const std::string& path, std::size_t limit) {
    TFileStart result;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        result.Status = errno == ENOENT || errno == ENOTDIR ? TReadStatus::rsMissing : TReadStatus::rsUnreadable;
        return result;
    }
    result.Status = TReadStatus::rsUnreadable;
    if (!S_ISREG(st.st_mode))
        return result;
    // O_NONBLOCK: should a FIFO take the file's place after the check, opening
    // it must not wait for a writer.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0 || ::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return result;

    std::array<char, 4096> buffer;
    for (;;) {
        const ssize_t n = ::read(file.Get(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return result;
        if (n == 0)
            break;
        const std::size_t room = limit - result.Bytes.size();
        const std::size_t taken = std::min(room, static_cast<std::size_t>(n));
        result.Bytes.append(buffer.data(), taken);
        if (taken < static_cast<std::size_t>(n)) {
            result.Truncated = true;
            break;
        }
    }
    result.Status = TReadStatus::rsRead;
    return result;
}

std::optional<std::string> MoveFileAside(const std::string& path, std::string_view tag) {
    const std::string first = path + "." + std::string(tag);
    for (int attempt = 1; attempt <= AsideAttempts; ++attempt) {
        const std::string aside = attempt == 1 ? first : first + "-" + std::to_string(attempt);
        if (RenameWithoutReplacing(path, aside)) {
            SyncFolder(FolderOf(path));
            return aside;
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}
