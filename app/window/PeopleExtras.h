#pragma once
// The people, attached to the window from outside like the charts' extras:
// the submenus "People" (save the date in the lists as a person, choose one,
// manage them) and "Compare with" in the charts' menu, the person's name in
// the caption, and the comparison window.
//
// The people file is read when this is made and written only when the list
// changes. A person is chosen when picked from the menu or just saved; the
// caption names them while their birth date stays in the lists. Choosing sets
// the lists and runs the calculation, exactly as a user picking the date and
// pressing Calculate would.

#include "People.h"

#include <QObject>
#include <QPointer>

class QMenu;
class TChartExtras;
class TCompatibilityWindow;
class TPrincipal;

class TPeopleExtras : public QObject {
public:
    // The menus list this many people, then "More…", which opens the manager.
    static constexpr int MenuPeople = 20;

    // Lives as long as the window, as its child; `extras` must be attached already.
    TPeopleExtras(TPrincipal& window, TChartExtras& extras);

    [[nodiscard]] const TPeople& People() const { return m_people; }
    // The chosen person's position, or -1.
    [[nodiscard]] int Current() const { return m_current; }

    // The two submenus, at the end of a chart's menu.
    void AddMenus(QMenu& menu);

    void SaveAsPerson();
    void Choose(int index);
    // Opens the manager with that person selected, by default the chosen one.
    void Manage(int selected = -1);
    void CompareWith(int index);
    // The comparison window, once it was opened.
    [[nodiscard]] TCompatibilityWindow* Comparison() const;

private:
    [[nodiscard]] std::optional<TDaySerial> ListsDate() const;
    // The birth date the charts show, and the person it belongs to.
    [[nodiscard]] std::optional<TDaySerial> ChartsBirth() const;
    void SetCurrent(int index);
    void ListsChanged();
    void Store(TPeople people);
    void Calculated();

    TPrincipal& m_window;
    TPeople m_people;
    int m_current = -1;
    bool m_writable = true;
    bool m_choosing = false;
    QPointer<TCompatibilityWindow> m_comparison;
};
