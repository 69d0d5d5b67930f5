#pragma once
// The user-interface language: the one the user chose for the program's texts,
// else the desktop's; and the application's default font. Tests replace the
// language for as long as an InterfaceLanguageOverride lives.

#include <optional>
#include <string>

// ISO 639 code of the primary interface language ("en", "ja", ...).
[[nodiscard]] std::string InterfaceLanguage();

// Replaces the desktop's answer; nullopt goes back to the desktop.
void SetInterfaceLanguage(std::optional<std::string> language);

class InterfaceLanguageOverride {
public:
    explicit InterfaceLanguageOverride(std::string language) { SetInterfaceLanguage(std::move(language)); }
    ~InterfaceLanguageOverride() { SetInterfaceLanguage(std::nullopt); }
    InterfaceLanguageOverride(const InterfaceLanguageOverride&) = delete;
    InterfaceLanguageOverride& operator=(const InterfaceLanguageOverride&) = delete;
};

struct TInterfaceFont {
    std::string Name;
    int Size = 0;  // points
};

// The application's default font; without an application object, the toolkit's.
[[nodiscard]] TInterfaceFont DefaultInterfaceFont();
