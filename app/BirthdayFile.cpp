#include "BirthdayFile.h"

#include "AtomicFile.h"
#include "Calendar.h"
#include "IntegerText.h"
#include "SpecialFolder.h"

#include <array>
#include <exception>
#include <optional>

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

// The three line buffers of a file, split at CR, with LF dropped and Ctrl+Z or
// the read limit taken as the end. Nothing when the path is not a regular file
// that can be opened.
std::optional<std::array<std::string, LineCount>> ReadLines(const std::string& path) {
    const TFileStart file = ReadFileStart(path, ReadLimit);
    if (file.Status != TReadStatus::rsRead)
        return std::nullopt;
    std::array<std::string, LineCount> lines;
    std::size_t line = 0;
    for (const char c : file.Bytes) {
        if (c == CtrlZ)
            break;
        if (c == CR) {
            if (++line == LineCount)
                break;
        } else if (c != LF) {
            lines[line] += c;
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
        std::string content(yearText);
        content += "\r\n" + std::to_string(static_cast<long long>(monthIndex) + 1) + "\r\n" +
                   std::to_string(static_cast<long long>(dayIndex) + 1) + "\r\n";
        ReplaceFileAtomically(BirthdayFilePath(), content);
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
