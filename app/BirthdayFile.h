#pragma once
// The birthday file: the last birth date entered, as three CR LF lines (year
// text, month number, day number) in "biorhythm.ini" inside the "temp"
// sub-folder of the system folder, or in the fallback folder when the query
// fails. Every error of reading or writing is swallowed: the window works the
// same without the file. This code never creates a folder.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "SpecialFolder.h"

inline constexpr int BirthdayFolderId = SystemFolderId;

// The special folder with a trailing separator; the fallback folder (with its
// separator) when the query fails.
[[nodiscard]] std::string GetFolderPathToSave(int folderId);

// Worked out afresh on each call.
[[nodiscard]] std::string BirthdayFilePath();

// Positions are list indexes, -1 for no selection (written as 0). The old file
// is replaced only once the new one is complete and on the disk; on any
// failure it stays as it was. A read-only file is left alone, a symbolic link
// is written through to its target, and temporaries left by a writer that was
// killed are removed.
void WriteBirthdayFile(std::string_view yearText, int monthIndex, int dayIndex);

struct TBirthday {
    std::uint16_t Year = 0, Month = 0, Day = 0;
    bool operator==(const TBirthday&) const = default;
};

inline void PrintTo(const TBirthday& b, std::ostream* os) {
    *os << b.Year << '/' << b.Month << '/' << b.Day;
}

// Today's year, month and day, replaced by what could be read from the file in
// that order until the first failure.
[[nodiscard]] TBirthday ReadBirthdayFile();
