#include "Snapshot.h"

#include "Application.h"
#include "Chart.h"
#include "ChartExtras.h"
#include "ChartTexts.h"
#include "CompatibilityWindow.h"
#include "Controls.h"
#include "CriticalTexts.h"
#include "FPrincipal.h"
#include "LocalDate.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "People.h"
#include "ShellOpen.h"
#include "SpecialFolder.h"
#include "Startup.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QSaveFile>

#include <memory>
#include <optional>

namespace {

struct TOptionHelp {
    const char* Names;
    const char* Help;
};

// Every option in the order of the usage line; the manual page lists the same.
constexpr TOptionHelp kOptionHelp[] = {
    {"--birth YYYY-MM-DD", "Select this birth date and calculate."},
    {"--today YYYY-MM-DD", "Take this day for today (0001-01-16 to 9999-12-17)."},
    {"--tab today|4weeks", "The tab shown in the picture (default: today)."},
    {"--scale K", "Draw the window as a screen scaled K times (1 to 4) does."},
    {"--out FILE.png", "Write a PNG picture of the window."},
    {"--csv", "Print the 30 days of the 4-week chart as comma-separated values."},
    {"--values", "Show the value of each bar on the today chart."},
    {"--compare YYYY-MM-DD", "Print the compatibility of the birth date with this one as CSV."},
    {"--png FILE", "With --compare: write a picture of the comparison window (as --out)."},
    {"--people FILE", "List a people file as CSV; entries it cannot read go to standard error."},
    {"--critical DAYS", "Print the critical days among the next DAYS (1 to 3660) from the day shown."},
    {"--ics FILE.ics", "With --critical: write them as calendar events to this file instead."},
    {"-h, --help", "Print this help and exit."},
    {"-v, --version", "Print the version and licence and exit."},
};

struct TSnapshotOptions {
    std::optional<TLocalDate> birth;
    std::optional<TLocalDate> today;
    int tab = 0;
    QString out;
    bool csv = false;
    bool values = false;
    int scale = 1;
    std::optional<TLocalDate> compare;
    QString people;
    int critical = 0;  // days ahead; 0 for none
    QString ics;
};

// Ten years, more than any calendar needs at once.
constexpr int kMostCriticalDays = 3660;

// YYYY-MM-DD, digits only; the day need not exist (a birth date may be any).
std::optional<TLocalDate> ParseDate(const QString& text) {
    if (text.size() != 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return std::nullopt;
    const auto number = [&](qsizetype from, qsizetype length) -> std::optional<int> {
        int value = 0;
        for (qsizetype i = from; i < from + length; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return std::nullopt;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    const std::optional<int> year = number(0, 4), month = number(5, 2), day = number(8, 2);
    if (!year || !month || !day)
        return std::nullopt;
    return TLocalDate{*year, *month, *day};
}

// An empty result with `error` set when the options are not usable.
std::optional<TSnapshotOptions> ParseOptions(const QStringList& args, QString& error) {
    TSnapshotOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const auto wholeNumber = [&](int low, int high, int& value) {
            bool ok = false;
            value = hasValue ? args[++i].toInt(&ok) : 0;
            if (!ok || value < low || value > high)
                error = QStringLiteral("%1 is a whole number from %2 to %3").arg(arg).arg(low).arg(high);
            return error.isEmpty();
        };
        const auto fileName = [&](QString& value) {
            if (!hasValue || args[i + 1].isEmpty())
                error = arg + QStringLiteral(" needs a file name");
            else
                value = args[++i];
            return error.isEmpty();
        };
        if (arg == QLatin1String("--csv")) {
            options.csv = true;
        } else if (arg == QLatin1String("--values")) {
            options.values = true;
        } else if (arg == QLatin1String("--birth") || arg == QLatin1String("--today") ||
                   arg == QLatin1String("--compare")) {
            const std::optional<TLocalDate> date = hasValue ? ParseDate(args[++i]) : std::nullopt;
            if (!date) {
                error = arg + QStringLiteral(" needs a date written YYYY-MM-DD");
                return std::nullopt;
            }
            (arg == QLatin1String("--birth") ? options.birth : arg == QLatin1String("--today") ? options.today : options.compare) = date;
        } else if (arg == QLatin1String("--tab")) {
            const QString tab = hasValue ? args[++i] : QString();
            if (tab != QLatin1String("today") && tab != QLatin1String("4weeks")) {
                error = QStringLiteral("--tab is today or 4weeks");
                return std::nullopt;
            }
            options.tab = tab == QLatin1String("today") ? 0 : 1;
        } else if (arg == QLatin1String("--scale")) {
            if (!wholeNumber(1, 4, options.scale))
                return std::nullopt;
        } else if (arg == QLatin1String("--out") || arg == QLatin1String("--png")) {
            if (!fileName(options.out))
                return std::nullopt;
        } else if (arg == QLatin1String("--people")) {
            if (!fileName(options.people))
                return std::nullopt;
        } else if (arg == QLatin1String("--critical")) {
            if (!wholeNumber(1, kMostCriticalDays, options.critical))
                return std::nullopt;
        } else if (arg == QLatin1String("--ics")) {
            if (!fileName(options.ics))
                return std::nullopt;
        } else {
            error = QStringLiteral("unknown option ") + arg;
            return std::nullopt;
        }
    }
    if (!options.ics.isEmpty() && options.critical == 0) {
        error = QStringLiteral("--ics needs --critical DAYS");
        return std::nullopt;
    }
    if (options.csv && options.critical > 0 && options.ics.isEmpty()) {
        error = QStringLiteral("--csv and --critical print different tables; give one of them");
        return std::nullopt;
    }
    // "Today" and the second birth date must be real calendar days, and today
    // one whose four weeks the calendar holds; the birth date need not be, as
    // the lists let a user pick 31 April.
    for (const auto& [date, name] : {std::pair{options.today, "--today"}, std::pair{options.compare, "--compare"}}) {
        try {
            if (date)
                (void)DateToSerial(date->Year, date->Month, date->Day);
        } catch (const Exception&) {
            error = QString::fromLatin1(name) + QStringLiteral(" is not a valid date");
            return std::nullopt;
        }
    }
    if (options.today) {
        const TDaySerial today = DateToSerial(options.today->Year, options.today->Month, options.today->Day);
        if (today < FirstFourWeekDay() || today > LastFourWeekDay()) {
            error = QStringLiteral("--today is a day from 0001-01-16 to 9999-12-17");
            return std::nullopt;
        }
    }
    if (options.compare && (options.csv || options.critical > 0)) {
        error = QStringLiteral("--compare prints a table of its own: give it without --csv and --critical");
        return std::nullopt;
    }
    if (!options.people.isEmpty() && (options.birth || options.compare || options.csv || options.values || !options.out.isEmpty() ||
                                     options.critical > 0)) {
        error = QStringLiteral("--people goes alone, or with --today");
        return std::nullopt;
    }
    return options;
}

// Picks the date in the three lists as a user would; a value no list item
// matches leaves that list without selection.
void SelectBirthDate(TPrincipal& window, const TLocalDate& birth) {
    window.cDia->setCurrentIndex(birth.Day >= 1 && birth.Day <= window.cDia->count() ? birth.Day - 1 : -1);
    window.cMes->setCurrentIndex(birth.Month >= 1 && birth.Month <= window.cMes->count() ? birth.Month - 1 : -1);
    window.cAnne->setCurrentIndex(window.cAnne->findText(QString::number(birth.Year)));
}

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

void WriteCsv(TCustomAxisPanel& chart, QTextStream& out) {
    out << "date,Physical,Emotional,Intellectual,Spiritual,Awareness,Aesthetic,Intuition,Average\n";
    const TChartSeriesList& list = chart.SeriesList();
    const int rows = list.Count() > 1 ? list[1]->PointCount() : 0;
    for (int row = 0; row < rows; ++row) {
        const TDateParts date = SerialToDate(list[1]->PointX(row));
        out << QStringLiteral("%1-%2-%3").arg(date.Year, 4, 10, QLatin1Char('0')).arg(TwoDigits(date.Month), TwoDigits(date.Day));
        for (int s = 1; s <= list.Count(); ++s) {
            const TChartSeries& series = *list[s % list.Count()];
            out << ',';
            if (row < series.PointCount())
                out << QString::number(series.PointY(row));
        }
        out << '\n';
    }
}

// The comparison of the window's birth date with the second one: its values
// on `out` and, when asked, the comparison window's picture. Nothing goes to
// `out` when the picture cannot be written.
int Compare(const TDayTable& table, const TSnapshotOptions& options, QTextStream& out, QTextStream& err) {
    const TDaySerial second = DateToSerial(options.compare->Year, options.compare->Month, options.compare->Day);
    if (!options.out.isEmpty()) {
        TCompatibilityWindow window;
        window.Compare({QString(), table.Birth}, {QString(), second}, table.Today);
        window.show();
        if (!window.grab().save(options.out, "PNG")) {
            err << "biorhythm-snapshot: cannot write " << options.out << '\n';
            return 3;
        }
    }
    out << CompatibilityCsv(Compatibility(table.Birth, second));
    return 0;
}

// Lists a people file as name,date lines; any entry that cannot be read
// fails the whole listing, so that a script never takes a part for the whole.
int ListPeople(const QString& file, QTextStream& out, QTextStream& err) {
    const std::string path = QFile::encodeName(file).toStdString();
    if (!QFileInfo::exists(file)) {
        err << QStringLiteral("The file %1 does not exist.").arg(file) << '\n';
        return 1;
    }
    const TPeopleRead read = ReadPeopleFile(path, TPrincipal::FirstYear, SerialToDate(Today()).Year);
    if (!read.FileProblem.isEmpty())
        err << QStringLiteral("The list of people in %1 could not be read: %2.").arg(file, read.FileProblem) << '\n';
    for (const QString& skipped : read.Skipped)
        err << skipped << '\n';
    if (read.Damaged())
        return 1;
    out << "name,date\n";
    for (const TPerson& person : read.People)
        out << CsvField(person.Name) << ',' << IsoDateText(person.Birth) << '\n';
    return 0;
}

// The critical days ahead of the day shown, written to the calendar file;
// false when it could not be written.
bool WriteCriticalCalendar(const TDayTable& table, const TSnapshotOptions& options) {
    const std::vector<TCriticalDay> days = CriticalDaysAhead(table.Birth, table.Today, options.critical);
    QSaveFile file(options.ics);
    return file.open(QIODevice::WriteOnly) &&
           file.write(CriticalDaysCalendar(table.Birth, days, QDateTime::currentDateTimeUtc())) >= 0 && file.commit();
}

}  // namespace

QString SnapshotUsage() {
    QString usage = QStringLiteral("usage: biorhythm-snapshot");
    for (const TOptionHelp& option : kOptionHelp)
        usage += QStringLiteral(" [%1]").arg(QString::fromLatin1(option.Names).section(QStringLiteral(", "), -1));
    return usage;
}

int RunSnapshot(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << SnapshotUsage() << "\n\n"
            << "Opens the biorhythm window off screen with the stored birth date, or the one given,\n"
               "and writes a picture of it or the 30 days of the 4-week chart; or the critical days\n"
               "ahead, compares two birth dates, or lists a people file. It never writes the stored\n"
               "date, and when it fails it writes nothing on standard output.\n\nOptions:\n";
        for (const TOptionHelp& option : kOptionHelp)
            out << QStringLiteral("  %1  %2\n").arg(QLatin1String(option.Names), -20).arg(QLatin1String(option.Help));
        out << "\nExit status: 0 done, 1 the window showed a message (on standard error),\n"
               "2 bad options, 3 a file could not be written.\n";
        out.flush();
        return 0;
    }
    if (arguments.contains(QLatin1String("--version")) || arguments.contains(QLatin1String("-v"))) {
        out << "biorhythm-snapshot " << QCoreApplication::applicationVersion() << '\n' << kLicenceLine << '\n';
        out.flush();
        return 0;
    }
    QString error;
    const std::optional<TSnapshotOptions> options = ParseOptions(arguments, error);
    if (!options) {
        err << "biorhythm-snapshot: " << error << '\n' << SnapshotUsage() << '\n';
        err.flush();
        return 2;
    }

    std::unique_ptr<LocalDateOverride> today;
    if (options->today)
        today = std::make_unique<LocalDateOverride>(*options->today);
    if (!options->people.isEmpty()) {
        const int status = ListPeople(options->people, out, err);
        out.flush();
        err.flush();
        return status;
    }

    bool boxShown = false;
    TScopedMessageBoxHandler boxes([&](const TMessageBoxRequest& box) {
        boxShown = true;
        QString line = box.text;
        line.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
        err << line << '\n';
        err.flush();
    });
    TScopedShellOpenHandler noBrowser([](const QUrl&) {});
    // The stored date is read where the program keeps it, but the program's
    // folders are not made for it.
    SpecialFolderOverride readOnly(PlannedSpecialFolderPath(SystemFolderId), FallbackFolderPath());

    TPrincipal window;
    auto* extras = new TChartExtras(window);
    extras->SetValuesShown(options->values);
    // A picture needs the window shown, laid out and painted. The values need
    // only what showing it does at program start (FormShow): a window nobody
    // sees is not laid out for them.
    if (options->out.isEmpty() || options->compare)
        TApplication::Guard([&] { window.FormShow(); });
    else
        window.show();  // runs FormShow
    // A birth date equal to today is not calculated at start; a comparison needs it.
    if (options->birth || (options->compare && !window.Table() && !boxShown)) {
        if (options->birth)
            SelectBirthDate(window, *options->birth);
        TApplication::Guard([&] { window.bCalculateClick(); });
    }
    window.PageControl2->SetActivePageIndex(options->tab);

    if (options->compare) {
        const int status = boxShown ? 1 : Compare(*window.Table(), *options, out, err);
        out.flush();
        err.flush();
        return status;
    }
    int status = boxShown ? 1 : 0;
    // The application was started at the scale (see main), so the grab holds
    // the window's device pixels.
    if (!options->out.isEmpty() && !window.grab().save(options->out, "PNG")) {
        err << "biorhythm-snapshot: cannot write " << options->out << '\n';
        status = 3;
    }
    if (options->critical > 0 && status == 0) {
        // Without a calculation at start (the stored date is today) the lists' date is taken.
        if (!window.Table() && !boxShown)
            TApplication::Guard([&] { window.bCalculateClick(); });
        if (boxShown || !window.Table()) {
            status = 1;
        } else if (!options->ics.isEmpty() && !WriteCriticalCalendar(*window.Table(), *options)) {
            err << "biorhythm-snapshot: cannot write " << options->ics << '\n';
            status = 3;
        }
    }
    // Tables go out only once every file is written.
    if (status == 0 && options->csv)
        WriteCsv(*window.chart4weeks, out);
    if (status == 0 && options->critical > 0 && options->ics.isEmpty())
        out << CriticalDaysCsv(CriticalDaysAhead(window.Table()->Birth, window.Table()->Today, options->critical));
    out.flush();
    err.flush();
    // The window is destroyed without being closed, so the birthday file stays as it was.
    window.hide();
    return status;
}
