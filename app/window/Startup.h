#pragma once
// What both programs do to the application object before the window exists.

#include <QIcon>
#include <QStringList>
#include <QTextStream>

#include <optional>

// The line after the version in both programs' --version.
inline constexpr char kLicenceLine[] = "Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later)";

// The program's name (under which the birthday folder is found, the same for
// the program and the snapshot tool) and version; needs no display.
void InitApplicationNames();

// The names, and the title, the desktop file name and the program icon.
void InitApplicationObject();

// Every size of the program's icon, smallest first; each picture is decoded
// only when its size is first asked for.
[[nodiscard]] QIcon ProgramIcon();

// True when the arguments ask for help or the version, which needs no display.
[[nodiscard]] bool AsksForHelpOrVersion(int argc, const char* const* argv);

// The program takes no arguments but --help and --version. Answers those on
// `out` (status 0); anything else gets the usage on `err` (status 2). Nothing
// when the program should start. `arguments` includes the program name.
[[nodiscard]] std::optional<int> HandleProgramOptions(const QStringList& arguments, QTextStream& out,
                                                      QTextStream& err);
