#include "BirthdayFile.h"

#include "Calendar.h"
#include "IntegerText.h"
#include "SpecialFolder.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <exception>
#include <optional>

#include <fcntl.h>
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
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

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
        const std::string path = BirthdayFilePath();
        std::string content(yearText);
        content += "\r\n" + std::to_string(static_cast<long long>(monthIndex) + 1) + "\r\n" +
                   std::to_string(static_cast<long long>(dayIndex) + 1) + "\r\n";

        std::string temporary = path + ".XXXXXX";
        FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
        if (file.Get() < 0)
            return;
        const bool written = WriteAll(file.Get(), content) && file.Close();
        if (!written || ::rename(temporary.c_str(), path.c_str()) != 0)
            ::unlink(temporary.c_str());
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
