#include "Startup.h"

#include "Application.h"
#include "Artwork.h"
#include "DeferredIcon.h"

#include <QApplication>
#include <QCommandLineParser>

#include <string_view>

void InitApplicationNames() {
    QCoreApplication::setApplicationName(QStringLiteral("biorhythm"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BIORHYTHM_VERSION));
}

void InitApplicationObject() {
    InitApplicationNames();
    TApplication::SetTitle(QString::fromLatin1(kApplicationTitle));
    // Lets Wayland compositors match the window to its launcher entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(BIORHYTHM_APP_ID));
    const QIcon icon = ProgramIcon();
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
}

QIcon ProgramIcon() {
    QList<TIconFile> files;
    InitArtwork();
    for (int size : kArtIconSizes)
        files.append({ArtIconPath(size), {size, size}});
    return files.isEmpty() ? QIcon() : DeferredIcon(files);
}

bool AsksForHelpOrVersion(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

std::optional<int> HandleProgramOptions(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "Startup",
        "Shows the seven biorhythm cycles of a birth date for today and the four weeks around it.\n"
        "The last birth date is kept in $XDG_DATA_HOME/biorhythm/temp/biorhythm.ini,\n"
        "the people saved by name beside it in people.json, the language chosen in preferences.json."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString problem = parsed ? QCoreApplication::translate("Startup", "takes no arguments: %1")
                                             .arg(parser.positionalArguments().join(u' '))
                                       : parser.errorText();
        err << QCoreApplication::applicationName() << ": " << problem << "\n\n" << parser.helpText();
        err.flush();
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText();
        out.flush();
        return 0;
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n'
            << kLicenceLine << '\n';
        out.flush();
        return 0;
    }
    return std::nullopt;
}
