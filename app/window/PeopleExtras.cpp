#include "PeopleExtras.h"

#include "Application.h"
#include "ChartExtras.h"
#include "ChartTexts.h"
#include "CompatibilityWindow.h"
#include "Controls.h"
#include "Errors.h"
#include "FPrincipal.h"
#include "MessageBoxes.h"
#include "PeopleDialogs.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace {

// Wider names are cut short in the menus; the manager shows them whole.
constexpr int kMenuNameWidth = 300;

QString MenuText(const QMenu& menu, const TPerson& person) {
    QString name = menu.fontMetrics().elidedText(person.Name, Qt::ElideRight, kMenuNameWidth);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return name + QLatin1Char('\t') + LongDateText(person.Birth);
}

}  // namespace

TPeopleExtras::TPeopleExtras(TPrincipal& window, TChartExtras& extras) : QObject(&window), m_window(window) {
    setObjectName(QStringLiteral("PeopleExtras"));
    TPeopleLoad load = LoadPeopleFile(TPrincipal::FirstYear, SerialToDate(Today()).Year);
    m_people = std::move(load.People);
    m_writable = load.Writable;
    // Said once the window is up, rather than before it appears.
    if (!load.Message.isEmpty()) {
        QTimer::singleShot(0, this, [message = load.Message] {
            ShowMessageBox({TApplication::Title(), message, TMessageIcon::miStop});
        });
    }
    extras.AddMenuSection([this](QMenu& menu, ChartHost&) { AddMenus(menu); });
    for (TComboBox* list : {m_window.cDia, m_window.cMes, m_window.cAnne})
        QObject::connect(list, &QComboBox::currentIndexChanged, this, [this] { ListsChanged(); });
    m_window.OnCalculated = [this, previous = std::move(m_window.OnCalculated)] {
        if (previous)
            previous();
        Calculated();
    };
}

// ---------------------------------------------------------------------------
// Menus

void TPeopleExtras::AddMenus(QMenu& menu) {
    const auto add = [this](QMenu& to, const QString& name, const QString& text, bool enabled, auto&& slot) {
        QAction* action = to.addAction(text);
        action->setObjectName(name);
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, this, [slot] { TApplication::Guard(slot); });
        return action;
    };
    const int count = static_cast<int>(m_people.size());
    menu.addSeparator();
    QMenu& people = *menu.addMenu(QStringLiteral("P&eople"));
    people.setObjectName(QStringLiteral("PeopleMenu"));
    people.menuAction()->setObjectName(QStringLiteral("People"));
    add(people, QStringLiteral("SaveAsPerson"), QStringLiteral("&Save as person\u2026"), ListsDate().has_value(),
        [this] { SaveAsPerson(); });
    if (count > 0)
        people.addSeparator();
    for (int i = 0; i < std::min(count, MenuPeople); ++i) {
        QAction* action = add(people, QStringLiteral("Person%1").arg(i), MenuText(people, m_people[static_cast<std::size_t>(i)]),
                              true, [this, i] { Choose(i); });
        action->setCheckable(i == m_current);
        action->setChecked(i == m_current);
    }
    if (count > MenuPeople)
        add(people, QStringLiteral("MorePeople"), QStringLiteral("&More\u2026"), true, [this] { Manage(MenuPeople); });
    people.addSeparator();
    add(people, QStringLiteral("ManagePeople"), QStringLiteral("Ma&nage people\u2026"), count > 0, [this] { Manage(); });

    QMenu& compare = *menu.addMenu(QStringLiteral("Co&mpare with"));
    compare.setObjectName(QStringLiteral("CompareMenu"));
    compare.menuAction()->setObjectName(QStringLiteral("CompareWith"));
    const std::optional<TDaySerial> birth = ChartsBirth();
    int listed = 0;
    for (int i = 0; birth && i < count; ++i) {
        if (m_people[static_cast<std::size_t>(i)].Birth == *birth)
            continue;
        if (listed == MenuPeople) {
            add(compare, QStringLiteral("MoreCompare"), QStringLiteral("&More\u2026"), true, [this, i] { Manage(i); });
            break;
        }
        add(compare, QStringLiteral("Compare%1").arg(i), MenuText(compare, m_people[static_cast<std::size_t>(i)]), true,
            [this, i] { CompareWith(i); });
        ++listed;
    }
    compare.menuAction()->setEnabled(listed > 0);
}

// ---------------------------------------------------------------------------
// The lists and the caption

std::optional<TDaySerial> TPeopleExtras::ListsDate() const {
    bool ok = false;
    const int year = m_window.cAnne->currentText().toInt(&ok);
    if (!ok)
        return std::nullopt;
    try {
        return DateToSerial(year, m_window.cMes->currentIndex() + 1, m_window.cDia->currentIndex() + 1);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::optional<TDaySerial> TPeopleExtras::ChartsBirth() const {
    const std::optional<TDayTable>& table = m_window.Table();
    return table ? std::optional<TDaySerial>(table->Birth) : std::nullopt;
}

void TPeopleExtras::SetCurrent(int index) {
    m_current = index >= 0 && index < static_cast<int>(m_people.size()) ? index : -1;
    m_window.SetCaptionName(m_current >= 0 ? Isolated(m_people[static_cast<std::size_t>(m_current)].Name) : QString());
}

void TPeopleExtras::ListsChanged() {
    if (!m_choosing && m_current >= 0 && ListsDate() != m_people[static_cast<std::size_t>(m_current)].Birth)
        SetCurrent(-1);
}

void TPeopleExtras::Calculated() {
    if (m_comparison)
        m_comparison->SetDay(m_window.Table()->Today);
}

// ---------------------------------------------------------------------------
// Changes

void TPeopleExtras::Store(TPeople people) {
    m_people = std::move(people);
    if (m_writable && SavePeopleFile(m_people))
        return;
    const QString path = QString::fromStdString(PeopleFilePath());
    ShowMessageBox({TApplication::Title(),
                    m_writable ? QStringLiteral("The list of people could not be saved in %1.").arg(path)
                               : QStringLiteral("The list of people is not saved: the damaged file %1 could not be "
                                                "renamed.").arg(path),
                    TMessageIcon::miStop});
}

void TPeopleExtras::SaveAsPerson() {
    const std::optional<TDaySerial> date = ListsDate();
    if (!date)
        return;
    const QString prompt = QStringLiteral("Keep the birth date %1 under the &name:").arg(LongDateText(*date));
    QString name;
    for (;;) {
        const std::optional<QString> answer = AskPersonName(&m_window, QStringLiteral("Save as person"), prompt, name);
        if (!answer || !NameProblem(*answer).isEmpty())
            return;
        name = *answer;
        const int same = IndexOfName(m_people, name);
        TPeople people = m_people;
        if (same < 0) {
            people.push_back({name, *date});
            Store(std::move(people));
            SetCurrent(static_cast<int>(m_people.size()) - 1);
            return;
        }
        const TPerson& kept = m_people[static_cast<std::size_t>(same)];
        if (kept.Birth != *date &&
            !AskQuestion(&m_window, QStringLiteral("%1 is already kept with the birth date %2. Replace it with %3?")
                                        .arg(Isolated(kept.Name), LongDateText(kept.Birth), LongDateText(*date))))
            continue;
        if (kept != TPerson{name, *date}) {
            people[static_cast<std::size_t>(same)] = {name, *date};
            Store(std::move(people));
        }
        SetCurrent(same);
        return;
    }
}

void TPeopleExtras::Choose(int index) {
    if (index < 0 || index >= static_cast<int>(m_people.size()))
        return;
    const TDateParts date = SerialToDate(m_people[static_cast<std::size_t>(index)].Birth);
    m_choosing = true;
    m_window.cAnne->setCurrentIndex(m_window.cAnne->findText(QString::number(date.Year)));
    m_window.cMes->setCurrentIndex(date.Month - 1);
    m_window.cDia->setCurrentIndex(date.Day - 1);
    m_choosing = false;
    SetCurrent(index);
    TApplication::Guard([this] { m_window.bCalculateClick(); });
}

void TPeopleExtras::Manage(int selected) {
    TManageRequest request{m_people, m_current, ChartsBirth(), selected >= 0 ? selected : std::max(m_current, 0)};
    const std::optional<TManageResult> result = ManagePeople(&m_window, request);
    if (!result)
        return;
    int current = -1;
    for (std::size_t i = 0; i < result->Origins.size() && i < result->People.size(); ++i) {
        if (m_current >= 0 && result->Origins[i] == m_current)
            current = static_cast<int>(i);
    }
    if (result->People != m_people)
        Store(result->People);
    SetCurrent(current);
    if (result->Action == TManageResult::TAction::maChoose)
        Choose(result->Index);
    else if (result->Action == TManageResult::TAction::maCompare)
        CompareWith(result->Index);
}

TCompatibilityWindow* TPeopleExtras::Comparison() const {
    return m_comparison;
}

void TPeopleExtras::CompareWith(int index) {
    const std::optional<TDaySerial> birth = ChartsBirth();
    if (!birth || index < 0 || index >= static_cast<int>(m_people.size()))
        return;
    // The charts' person by name: the chosen one, or else the first kept with that date.
    TComparedPerson first{QString(), *birth};
    for (int i = -1; i < static_cast<int>(m_people.size()) && first.Name.isEmpty(); ++i) {
        const int at = i < 0 ? m_current : i;
        if (at >= 0 && m_people[static_cast<std::size_t>(at)].Birth == *birth)
            first.Name = m_people[static_cast<std::size_t>(at)].Name;
    }
    const TPerson& second = m_people[static_cast<std::size_t>(index)];
    if (!m_comparison)
        m_comparison = new TCompatibilityWindow(&m_window);
    m_comparison->Compare(first, {second.Name, second.Birth}, m_window.Table()->Today);
    m_comparison->show();
    m_comparison->raise();
    m_comparison->activateWindow();
}
