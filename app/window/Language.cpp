#include "Language.h"

#include "Application.h"
#include "ChartExtras.h"
#include "FPrincipal.h"
#include "InterfaceLanguage.h"
#include "MessageBoxes.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TLanguageChoice)
};

const QString kEnglish = QStringLiteral("en");

struct TInstalled {
    QString Code = kEnglish;
    std::unique_ptr<QTranslator> Ours;
    std::unique_ptr<QTranslator> Qts;
    std::optional<QLocale> SystemLocale;  // the default before a language was set
};

TInstalled& Installed() {
    static TInstalled installed;
    return installed;
}

}  // namespace

QStringList LanguageCodes() {
    QStringList codes;
    for (const TLanguage& language : Languages)
        codes << QString::fromLatin1(language.Code);
    return codes;
}

bool SetLanguage(const QString& code) {
    if (!LanguageCodes().contains(code))
        return false;
    const bool english = code == kEnglish;
    auto ours = std::make_unique<QTranslator>();
    // Embedded, so missing only from a build without translations; English
    // then still reads right but for the plural forms.
    if (!ours->load(QStringLiteral(":/translations/biorhythm_%1.qm").arg(code)))
        ours.reset();
    std::unique_ptr<QTranslator> qts;
    if (!english) {
        qts = std::make_unique<QTranslator>();
        if (!qts->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qts.reset();
    }

    TInstalled& installed = Installed();
    if (!installed.SystemLocale)
        installed.SystemLocale = QLocale();
    // Set before the widgets hear of the change, which they do as the
    // translators change.
    QLocale::setDefault(english ? *installed.SystemLocale : QLocale(code));
    SetInterfaceLanguage(english ? std::nullopt : std::optional(code.toStdString()));
    for (const auto* old : {&installed.Ours, &installed.Qts}) {
        if (*old)
            QCoreApplication::removeTranslator(old->get());
    }
    installed.Ours = std::move(ours);
    installed.Qts = std::move(qts);
    for (const auto* fresh : {&installed.Qts, &installed.Ours}) {
        if (*fresh)
            QCoreApplication::installTranslator(fresh->get());
    }
    installed.Code = code;
    return true;
}

QString CurrentLanguage() {
    return Installed().Code;
}

std::optional<QLocale> LanguageLocale() {
    const QString& code = Installed().Code;
    return code == kEnglish ? std::nullopt : std::optional(QLocale(code));
}

TPreferencesLoad ApplyStoredLanguage() {
    TPreferencesLoad load = LoadPreferencesFile(LanguageCodes());
    SetLanguage(load.Preferences.Language.isEmpty() ? kEnglish : load.Preferences.Language);
    return load;
}

QString StoredLanguage() {
    const TPreferencesRead read = ReadPreferencesFile(LanguageCodes());
    return read.Preferences.Language.isEmpty() ? kEnglish : read.Preferences.Language;
}

TLanguageChoice::TLanguageChoice(TPrincipal& window, TChartExtras& extras, TPreferencesLoad load)
    : QObject(&window), m_preferences(load.Preferences), m_writable(load.Writable) {
    setObjectName(QStringLiteral("LanguageChoice"));
    extras.AddLastMenuSection([this](QMenu& menu, ChartHost&) { AddMenu(menu); });
    // Said once the window is up, rather than before it appears.
    if (!load.Message.isEmpty()) {
        QTimer::singleShot(0, this, [message = load.Message] {
            ShowMessageBox({TApplication::Title(), message, TMessageIcon::miStop});
        });
    }
}

void TLanguageChoice::AddMenu(QMenu& menu) {
    menu.addSeparator();
    QMenu* languages = menu.addMenu(Texts::tr("&Language"));
    languages->setObjectName(QStringLiteral("LanguageMenu"));
    languages->menuAction()->setObjectName(QStringLiteral("Language"));
    auto* group = new QActionGroup(languages);
    for (const TLanguage& language : Languages) {
        const QString code = QString::fromLatin1(language.Code);
        QAction* item = languages->addAction(QString::fromUtf8(language.Name));
        item->setObjectName(QStringLiteral("Language_") + code);
        item->setCheckable(true);
        item->setChecked(code == CurrentLanguage());
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, this, [this, code] { TApplication::Guard([&] { Choose(code); }); });
    }
}

void TLanguageChoice::Choose(const QString& code) {
    if (code == CurrentLanguage() || !SetLanguage(code))
        return;
    TPreferences preferences = m_preferences;
    preferences.Language = code;
    if (m_writable && SavePreferencesFile(preferences)) {
        m_preferences = preferences;
        return;
    }
    const QString path = QString::fromStdString(PreferencesFilePath());
    ShowMessageBox({TApplication::Title(),
                    m_writable ? Texts::tr("The language could not be saved in %1; it holds until the program closes.")
                                     .arg(path)
                               : Texts::tr("The language is not saved: the damaged file %1 could not be renamed. "
                                           "It holds until the program closes.")
                                     .arg(path),
                    TMessageIcon::miStop});
}
