#include "Preferences.h"

#include "AtomicFile.h"
#include "BirthdayFile.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Files)
};

constexpr char FileName[] = "preferences.json";
// Far more than the preferences will ever need.
constexpr int FileLimit = 64 * 1024;

QString ProblemOf(const QByteArray& json, const QStringList& languages, TPreferences& preferences) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return Texts::tr("the file is not valid JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset);
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!document.isObject() || !version.isDouble())
        return Texts::tr("the file has no version number");
    if (version.toDouble() != PreferencesFileVersion)
        return Texts::tr("the file has version %1, which this program does not know").arg(version.toDouble());
    const QJsonValue language = root.value(QLatin1String("language"));
    if (language.isUndefined())
        return {};
    if (!language.isString())
        return Texts::tr("the language is not written as a code");
    if (!languages.contains(language.toString()))
        return Texts::tr("the language \u201C%1\u201D is not one this program knows").arg(language.toString());
    preferences.Language = language.toString();
    return {};
}

}  // namespace

QByteArray PreferencesToJson(const TPreferences& preferences) {
    QJsonObject root{{QStringLiteral("version"), PreferencesFileVersion}};
    if (!preferences.Language.isEmpty())
        root.insert(QStringLiteral("language"), preferences.Language);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

TPreferencesRead PreferencesFromJson(const QByteArray& json, const QStringList& languages) {
    TPreferencesRead read;
    TPreferences preferences;
    read.Problem = ProblemOf(json, languages, preferences);
    if (read.Problem.isEmpty())
        read.Preferences = preferences;
    return read;
}

std::string PreferencesFilePath() {
    const std::string birthday = BirthdayFilePath();
    return birthday.substr(0, birthday.rfind('/') + 1) + FileName;
}

TPreferencesRead ReadPreferencesFile(const QStringList& languages) {
    const TFileStart file = ReadFileStart(PreferencesFilePath(), FileLimit);
    TPreferencesRead read;
    if (file.Status == TReadStatus::rsUnreadable)
        read.Problem = Texts::tr("the file cannot be opened or read");
    else if (file.Truncated)
        read.Problem = Texts::tr("the file is larger than %1 KB").arg(FileLimit >> 10);
    else if (file.Status == TReadStatus::rsRead)
        read = PreferencesFromJson(QByteArray::fromStdString(file.Bytes), languages);
    return read;
}

TPreferencesLoad LoadPreferencesFile(const QStringList& languages) {
    const TPreferencesRead read = ReadPreferencesFile(languages);
    TPreferencesLoad load;
    load.Preferences = read.Preferences;
    if (read.Problem.isEmpty())
        return load;
    const std::string path = PreferencesFilePath();
    const std::optional<std::string> aside = MoveFileAside(path, DamagedFileTag());
    load.Writable = aside.has_value();
    const QString what = Texts::tr("The preferences in %1 could not be read: %2.")
                             .arg(QString::fromStdString(path), read.Problem);
    load.Message = what + QStringLiteral("\n\n") +
                   (aside ? Texts::tr("The file was kept as %1, and the program starts with its defaults.")
                                .arg(QString::fromStdString(*aside))
                          : Texts::tr("The file could not be renamed, so it stays as it is and changes to the "
                                      "preferences are not saved."));
    return load;
}

bool SavePreferencesFile(const TPreferences& preferences) {
    const QByteArray json = PreferencesToJson(preferences);
    return ReplaceFileAtomically(PreferencesFilePath(), std::string_view(json.constData(), static_cast<std::size_t>(json.size())),
                                 FileLimit);
}
