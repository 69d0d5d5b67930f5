#include "Snapshot.h"

#include "Application.h"
#include "Chart.h"
#include "ChartExtras.h"
#include "ChartTexts.h"
#include "CompatibilityWindow.h"
#include "Controls.h"
#include "FPrincipal.h"
#include "LocalDate.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "People.h"
#include "ShellOpen.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPixmap>

#include <memory>
#include <optional>

namespace {

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
};

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
            bool ok = false;
            options.scale = hasValue ? args[++i].toInt(&ok) : 0;
            if (!ok || options.scale < 1 || options.scale > 4) {
                error = QStringLiteral("--scale is a whole number from 1 to 4");
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--out") || arg == QLatin1String("--png") || arg == QLatin1String("--people")) {
            if (!hasValue || args[i + 1].isEmpty()) {
                error = arg + QStringLiteral(" needs a file name");
                return std::nullopt;
            }
            (arg == QLatin1String("--people") ? options.people : options.out) = args[++i];
        } else {
            error = QStringLiteral("unknown option ") + arg;
            return std::nullopt;
        }
    }
    // "Today" and the second birth date must be real calendar days; the birth
    // date need not be, as the lists let a user pick 31 April.
    for (const auto& [date, name] : {std::pair{options.today, "--today"}, std::pair{options.compare, "--compare"}}) {
        try {
            if (date)
                (void)DateToSerial(date->Year, date->Month, date->Day);
        } catch (const Exception&) {
            error = QString::fromLatin1(name) + QStringLiteral(" is not a valid date");
            return std::nullopt;
        }
    }
    if (options.compare && options.csv) {
        error = QStringLiteral("--csv and --compare each print a table: give one of them");
        return std::nullopt;
    }
    if (!options.people.isEmpty() && (options.birth || options.compare || options.csv || options.values || !options.out.isEmpty())) {
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

}  // namespace

QString SnapshotUsage() {
    return QStringLiteral(
        "usage: biorhythm-snapshot [--birth YYYY-MM-DD] [--today YYYY-MM-DD] "
        "[--tab today|4weeks] [--scale K] [--out FILE.png] [--csv] [--values] [--compare YYYY-MM-DD [--png FILE]] "
        "[--people FILE] [--help] [--version]");
}

int RunSnapshot(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        out << SnapshotUsage() << "\n\n"
            << "Opens the biorhythm window off screen with the stored birth date, or the one given,\n"
               "and writes a picture of it (--out) or the 30 days of the 4-week chart (--csv).\n"
               "--today fixes the day the window takes for today. Never writes the stored date.\n"
               "--compare prints the compatibility of the birth date with a second one as CSV;\n"
               "--png (or --out) then writes a picture of the comparison window.\n"
               "--people lists a people file as CSV; entries it cannot read go to standard error.\n"
               "Exit status: 0 done, 1 the window showed a message (on standard error),\n"
               "2 bad options, 3 the picture could not be written.\n";
        out.flush();
        return 0;
    }
    if (arguments.contains(QLatin1String("--version"))) {
        out << "biorhythm-snapshot " << QCoreApplication::applicationVersion() << '\n';
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
    if (options->csv)
        WriteCsv(*window.chart4weeks, out);
    out.flush();
    err.flush();
    // The window is destroyed without being closed, so the birthday file stays as it was.
    window.hide();
    return status;
}
