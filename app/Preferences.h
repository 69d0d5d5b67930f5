#pragma once
// The user's preferences, "preferences.json" beside the birthday file:
//
//   {"language": "de", "version": 1}
//
// Read at start and written, atomically like the birthday file, only when the
// user changes a preference. A file that cannot be used is renamed aside
// ("preferences.json.damaged-YYYYMMDD") and never written over; the defaults
// hold until the user chooses again.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>

inline constexpr int PreferencesFileVersion = 1;

struct TPreferences {
    QString Language;  // a language code; empty for the default
    bool operator==(const TPreferences&) const = default;
};

[[nodiscard]] QByteArray PreferencesToJson(const TPreferences& preferences);

struct TPreferencesRead {
    TPreferences Preferences;
    QString Problem;  // why the file cannot be used; the defaults are then kept
};

// `languages`: the codes a file may name.
[[nodiscard]] TPreferencesRead PreferencesFromJson(const QByteArray& json, const QStringList& languages);

// Worked out afresh on each call, beside BirthdayFilePath().
[[nodiscard]] std::string PreferencesFilePath();

// A missing file gives the defaults. Changes nothing on disk.
[[nodiscard]] TPreferencesRead ReadPreferencesFile(const QStringList& languages);

struct TPreferencesLoad {
    TPreferences Preferences;
    QString Message;       // for the user, once; empty when all went well
    bool Writable = true;  // false when a damaged file could not be set aside
};

// Reads the file at start; a damaged one is renamed aside.
[[nodiscard]] TPreferencesLoad LoadPreferencesFile(const QStringList& languages);

// False when the file stays as it was.
bool SavePreferencesFile(const TPreferences& preferences);
