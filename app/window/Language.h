#pragma once
// The language of the program's texts: English, the texts of the code, or one
// the user chooses from the charts' menu. Texts go through Qt's translations
// (translations/*.ts, embedded); Qt's own translations of its standard dialogs
// load too where the system has them. English is the default whatever the
// locale, and a choice takes effect at once: every widget hears of it through
// QEvent::LanguageChange and translates its texts again.
//
// Dates and numbers follow the chosen language's conventions; in English they
// keep the program's own fixed formats.

#include "Preferences.h"

#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QMenu;
class TChartExtras;
class TPrincipal;

struct TLanguage {
    const char* Code;  // ISO 639
    const char* Name;  // in the language itself, with its accelerator; never translated
};

inline constexpr std::array<TLanguage, 5> Languages{{
    {"en", "&English (as installed)"},
    {"de", "&Deutsch"},
    {"fr", "&Fran\u00e7ais"},
    {"es", "E&spa\u00f1ol"},
    {"ja", "\u65e5\u672c\u8a9e (&J)"},
}};

[[nodiscard]] QStringList LanguageCodes();

// Installs the translations of a language of Languages; false, changing
// nothing, for another code.
bool SetLanguage(const QString& code);
[[nodiscard]] QString CurrentLanguage();
// The conventions of dates and numbers; none in English.
[[nodiscard]] std::optional<QLocale> LanguageLocale();

// Reads the stored choice and sets its language; English when there is none
// or the file is damaged (then set aside, with a message for the user).
[[nodiscard]] TPreferencesLoad ApplyStoredLanguage();
// The stored choice, read without changing anything on disk; English when
// there is none or it cannot be read.
[[nodiscard]] QString StoredLanguage();

// The "Language" submenu at the end of the charts' menu, and the choice kept
// in the preferences, written only when the user chooses.
class TLanguageChoice : public QObject {
public:
    // Lives as long as the window, as its child; `load` is what the program
    // read at start, whose message shows once the window is up.
    TLanguageChoice(TPrincipal& window, TChartExtras& extras, TPreferencesLoad load);

    void AddMenu(QMenu& menu);
    // Sets the language and stores it; a choice that cannot be stored holds
    // for the session, and a message says so.
    void Choose(const QString& code);

private:
    TPreferences m_preferences;
    bool m_writable = true;
};
