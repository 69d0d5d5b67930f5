#pragma once
// The people kept by name, in the user's order, and their file "people.json"
// beside the birthday file:
//
//   {"people": [{"birth": "1980-05-17", "name": "Anna"}, ...], "version": 1}
//
// JSON keeps the list's order and writes names as UTF-8 text. The file is read
// once at start and written, atomically like the birthday file, only when the
// list changes. A file that cannot be used as a whole, or that holds entries
// that cannot, is renamed aside ("people.json.damaged-YYYYMMDD") and never
// written over; the usable entries stay.
//
// Names are compared without regard to case, after trimming and composing
// (NFC), and hold at most MaxNameLength characters (code points).

#include "Calendar.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

inline constexpr int MaxNameLength = 100;
inline constexpr int PeopleFileVersion = 1;

struct TPerson {
    QString Name;
    TDaySerial Birth = 0;
    bool operator==(const TPerson&) const = default;
};

using TPeople = std::vector<TPerson>;

// The name as it is kept: trimmed and composed.
[[nodiscard]] QString CleanName(const QString& name);

// Why a cleaned name cannot be kept, as a sentence for the user; empty when it can.
[[nodiscard]] QString NameProblem(const QString& cleaned);

// The position of the person of that name, or -1; `except` is passed over.
[[nodiscard]] int IndexOfName(const TPeople& people, const QString& name, int except = -1);

// YYYY-MM-DD, and back; a text that is no such date of the years 1 to 9999
// gives nothing.
[[nodiscard]] QString IsoDateText(TDaySerial day);
[[nodiscard]] std::optional<TDaySerial> IsoDateSerial(const QString& text);

[[nodiscard]] QByteArray PeopleToJson(const TPeople& people);

struct TPeopleRead {
    TPeople People;
    QString FileProblem;  // set when the file as a whole cannot be used; People is then empty
    QStringList Skipped;  // one sentence per entry left out
    [[nodiscard]] bool Damaged() const { return !FileProblem.isEmpty() || !Skipped.isEmpty(); }
};

// Birth years must lie in firstYear..lastYear, the years the window lists.
[[nodiscard]] TPeopleRead PeopleFromJson(const QByteArray& json, int firstYear, int lastYear);

// A file larger than this is not ours; nor is a list that would not fit.
inline constexpr std::size_t PeopleFileLimit = 4 << 20;

// Worked out afresh on each call, beside BirthdayFilePath().
[[nodiscard]] std::string PeopleFilePath();

// Reads a people file; a missing file is an empty list. Changes nothing on disk.
[[nodiscard]] TPeopleRead ReadPeopleFile(const std::string& path, int firstYear, int lastYear);

struct TPeopleLoad {
    TPeople People;
    QString Message;       // for the user, once; empty when all went well
    bool Writable = true;  // false when a damaged file could not be set aside
};

// Reads the people file at start. A damaged one is renamed aside, and the
// usable people are written to a fresh file at once, so the next start finds them.
[[nodiscard]] TPeopleLoad LoadPeopleFile(int firstYear, int lastYear);

// False when the file stays as it was.
bool SavePeopleFile(const TPeople& people);
