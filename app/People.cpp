#include "People.h"

#include "AtomicFile.h"
#include "BirthdayFile.h"
#include "Errors.h"
#include "Formatting.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

namespace {

constexpr char FileName[] = "people.json";
// A message box lists this many left-out entries, then how many more there are.
constexpr int ListedProblems = 10;

QString Quoted(const QString& name) {
    return QStringLiteral("\u201C%1\u201D").arg(name);
}

QString NameKey(const QString& cleaned) {
    return cleaned.toCaseFolded();
}

// The reason a person of entry `number` (1-based) cannot be used; empty when it can.
QString EntryProblem(const QJsonValue& entry, int number, int firstYear, int lastYear, TPerson& person) {
    if (!entry.isObject())
        return QStringLiteral("Entry %1 is not a person.").arg(number);
    const QJsonObject object = entry.toObject();
    person.Name = CleanName(object.value(QLatin1String("name")).toString());
    if (person.Name.isEmpty())
        return QStringLiteral("Entry %1 has no name.").arg(number);
    if (const QString problem = NameProblem(person.Name); !problem.isEmpty())
        return QStringLiteral("Entry %1: %2").arg(number).arg(problem);
    const QString text = object.value(QLatin1String("birth")).toString();
    const std::optional<TDaySerial> birth = IsoDateSerial(text);
    if (!birth)
        return QStringLiteral("Entry %1, %2: the birth date \u201C%3\u201D is not a date written YYYY-MM-DD.")
            .arg(number)
            .arg(Quoted(person.Name), text);
    const int year = SerialToDate(*birth).Year;
    if (year < firstYear || year > lastYear)
        return QStringLiteral("Entry %1, %2: the birth date %3 lies outside the years %4 to %5.")
            .arg(QString::number(number), Quoted(person.Name), text, QString::number(firstYear),
                 QString::number(lastYear));
    person.Birth = *birth;
    return {};
}

QString FileProblemOf(const QByteArray& json, QJsonObject& root) {
    if (json.trimmed().isEmpty())
        return QStringLiteral("the file is empty");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("the file is not valid JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset);
    if (!document.isObject())
        return QStringLiteral("the file holds no list of people");
    root = document.object();
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble())
        return QStringLiteral("the file has no version number");
    if (version.toDouble() != PeopleFileVersion)
        return QStringLiteral("the file has version %1, which this program does not know").arg(version.toDouble());
    if (!root.value(QLatin1String("people")).isArray())
        return QStringLiteral("the file holds no list of people");
    return {};
}

// The problems as the message box lists them: the first few, then a count.
QString ProblemList(const QStringList& problems) {
    QStringList lines = problems.mid(0, ListedProblems);
    if (problems.size() > ListedProblems)
        lines << QStringLiteral("\u2026 and %1 more.").arg(problems.size() - ListedProblems);
    return lines.join(QLatin1Char('\n'));
}

QString LoadMessage(const TPeopleRead& read, const QString& path, const std::optional<std::string>& aside) {
    QString what = read.FileProblem.isEmpty()
                       ? QStringLiteral("Some people in %1 could not be read and were left out:\n%2")
                             .arg(path, ProblemList(read.Skipped))
                       : QStringLiteral("The list of people in %1 could not be read: %2.").arg(path, read.FileProblem);
    if (aside)
        return what + QStringLiteral("\n\nThe whole file was kept as %1.").arg(QString::fromStdString(*aside));
    return what + QStringLiteral(
                      "\n\nThe file could not be renamed, so it stays as it is and changes to the list of "
                      "people are not saved.");
}

}  // namespace

QString CleanName(const QString& name) {
    // A byte order mark is no part of a name, and JSON readers may drop it.
    QString cleaned = name;
    cleaned.remove(QChar(0xFEFF));
    return cleaned.trimmed().normalized(QString::NormalizationForm_C);
}

QString NameProblem(const QString& cleaned) {
    qsizetype characters = 0;
    bool visible = false;
    for (const char32_t c : QStringView(cleaned).toUcs4()) {
        ++characters;
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            return QStringLiteral("A name cannot hold line breaks, tabs or other control characters.");
        visible = visible || (category != QChar::Separator_Space && category != QChar::Other_Format &&
                              category != QChar::Mark_NonSpacing && category != QChar::Mark_Enclosing);
    }
    if (!visible)
        return QStringLiteral("A name cannot be empty.");
    if (characters > MaxNameLength)
        return QStringLiteral("A name has at most %1 characters; this one has %2.").arg(MaxNameLength).arg(characters);
    return {};
}

int IndexOfName(const TPeople& people, const QString& name, int except) {
    const QString key = NameKey(CleanName(name));
    for (std::size_t i = 0; i < people.size(); ++i) {
        if (static_cast<int>(i) != except && NameKey(people[i].Name) == key)
            return static_cast<int>(i);
    }
    return -1;
}

QString IsoDateText(TDaySerial day) {
    return FormatDateTime(QStringLiteral("yyyy-mm-dd"), day);
}

std::optional<TDaySerial> IsoDateSerial(const QString& text) {
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    for (qsizetype i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
    }
    try {
        return DateToSerial(text.left(4).toInt(), text.mid(5, 2).toInt(), text.mid(8, 2).toInt());
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

QByteArray PeopleToJson(const TPeople& people) {
    QJsonArray list;
    for (const TPerson& person : people)
        list.append(QJsonObject{{QStringLiteral("name"), person.Name}, {QStringLiteral("birth"), IsoDateText(person.Birth)}});
    const QJsonObject root{{QStringLiteral("version"), PeopleFileVersion}, {QStringLiteral("people"), list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

TPeopleRead PeopleFromJson(const QByteArray& json, int firstYear, int lastYear) {
    TPeopleRead read;
    QJsonObject root;
    read.FileProblem = FileProblemOf(json, root);
    if (!read.FileProblem.isEmpty())
        return read;
    const QJsonArray list = root.value(QLatin1String("people")).toArray();
    QSet<QString> keys;
    keys.reserve(list.size());
    int number = 0;
    for (const QJsonValue& entry : list) {
        ++number;
        TPerson person;
        QString problem = EntryProblem(entry, number, firstYear, lastYear, person);
        if (problem.isEmpty() && keys.contains(NameKey(person.Name)))
            problem = QStringLiteral("Entry %1, %2: the name is used by an earlier entry.").arg(number).arg(Quoted(person.Name));
        if (!problem.isEmpty()) {
            read.Skipped << problem;
            continue;
        }
        keys.insert(NameKey(person.Name));
        read.People.push_back(std::move(person));
    }
    return read;
}

std::string PeopleFilePath() {
    const std::string birthday = BirthdayFilePath();
    return birthday.substr(0, birthday.rfind('/') + 1) + FileName;
}

TPeopleRead ReadPeopleFile(const std::string& path, int firstYear, int lastYear) {
    const TFileStart file = ReadFileStart(path, PeopleFileLimit);
    TPeopleRead read;
    if (file.Status == TReadStatus::rsMissing)
        return read;
    if (file.Status == TReadStatus::rsUnreadable)
        read.FileProblem = QStringLiteral("the file cannot be opened or read");
    else if (file.Truncated)
        read.FileProblem = QStringLiteral("the file is larger than %1 MB").arg(PeopleFileLimit >> 20);
    else
        read = PeopleFromJson(QByteArray::fromStdString(file.Bytes), firstYear, lastYear);
    return read;
}

TPeopleLoad LoadPeopleFile(int firstYear, int lastYear) {
    const std::string path = PeopleFilePath();
    TPeopleRead read = ReadPeopleFile(path, firstYear, lastYear);
    TPeopleLoad load;
    load.People = std::move(read.People);
    if (!read.Damaged())
        return load;
    const TDateParts today = SerialToDate(Today());
    const std::string tag = QStringLiteral("damaged-%1%2%3")
                                .arg(today.Year, 4, 10, QLatin1Char('0'))
                                .arg(today.Month, 2, 10, QLatin1Char('0'))
                                .arg(today.Day, 2, 10, QLatin1Char('0'))
                                .toStdString();
    const std::optional<std::string> aside = MoveFileAside(path, tag);
    load.Writable = aside.has_value();
    load.Message = LoadMessage(read, QString::fromStdString(path), aside);
    if (aside && !load.People.empty())
        SavePeopleFile(load.People);
    return load;
}

bool SavePeopleFile(const TPeople& people) {
    const QByteArray json = PeopleToJson(people);
    if (static_cast<std::size_t>(json.size()) > PeopleFileLimit)
        return false;
    return ReplaceFileAtomically(PeopleFilePath(), std::string_view(json.constData(), static_cast<std::size_t>(json.size())),
                                 PeopleFileLimit);
}
