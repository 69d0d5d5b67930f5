// The README's pictures of the charts' context menu, of the people and of
// the critical days, written by scripts/screenshots; skipped in ordinary test
// runs.

#include "WindowTestSupport.h"

#include "ChartExtras.h"
#include "ChartHost.h"
#include "CompatibilityWindow.h"
#include "CriticalDaysDialog.h"
#include "CycleChoice.h"
#include "PageControl.h"
#include "PeopleDialogs.h"
#include "PeopleExtras.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QTest>

TEST_F(WindowTest, ReadmePictureOfTheChartMenu) {
    const QByteArray out = qgetenv("BIORHYTHM_README_PICTURE");
    if (out.isEmpty())
        GTEST_SKIP() << "set BIORHYTHM_README_PICTURE to the file to write";
    StoreFile(QByteArrayLiteral("1980\r\n5\r\n17\r\n"));
    TPrincipal& w = Start();
    auto* extras = new TChartExtras(w);
    new TPeopleExtras(w, *extras);
    extras->SetValuesShown(true);

    const QPoint at(470, 150);
    std::unique_ptr<QMenu> menu(extras->CreateMenu(*w.ChartTodayHost));
    menu->popup(w.ChartTodayHost->mapToGlobal(at));
    QTest::qWait(50);
    QImage picture = w.grab().toImage();
    {
        QPainter painter(&picture);
        painter.drawImage(w.mapFromGlobal(menu->pos()), menu->grab().toImage());
    }
    menu->close();
    ASSERT_TRUE(picture.save(QString::fromLocal8Bit(out), "PNG"));
}

// The README's pictures of the people: the menu with "People" open, the
// manager, and the comparison window; written into the folder named by
// BIORHYTHM_README_PEOPLE_PICTURES.
TEST_F(WindowTest, ReadmePicturesOfThePeople) {
    const QString folder = qEnvironmentVariable("BIORHYTHM_README_PEOPLE_PICTURES");
    if (folder.isEmpty())
        GTEST_SKIP() << "set BIORHYTHM_README_PEOPLE_PICTURES to the folder to write into";
    QFile people(QFileInfo(FilePath()).dir().filePath(QStringLiteral("people.json")));
    ASSERT_TRUE(people.open(QIODevice::WriteOnly));
    const char* const names[] = {"Anna", "Ben", "Chloé", "山田 花子", "فاطمة"};
    const int births[][3] = {{1980, 5, 17}, {1982, 11, 3}, {1975, 1, 1}, {1968, 8, 30}, {1990, 7, 4}};
    TPeople list;
    for (std::size_t i = 0; i < std::size(names); ++i)
        list.push_back({QString::fromUtf8(names[i]), DateToSerial(births[i][0], births[i][1], births[i][2])});
    people.write(PeopleToJson(list));
    people.close();
    StoreFile(QByteArrayLiteral("1980\r\n5\r\n17\r\n"));
    TPrincipal& w = Start();
    auto* extras = new TChartExtras(w);
    auto* kept = new TPeopleExtras(w, *extras);
    kept->Choose(0);

    std::unique_ptr<QMenu> menu(extras->CreateMenu(*w.ChartTodayHost));
    menu->popup(w.ChartTodayHost->mapToGlobal(QPoint(300, 40)));
    auto* peopleMenu = menu->findChild<QMenu*>(QStringLiteral("PeopleMenu"));
    menu->setActiveAction(peopleMenu->menuAction());
    QTest::keyClick(menu.get(), Qt::Key_Right);
    QTest::qWait(50);
    QImage picture = w.grab().toImage();
    {
        QPainter painter(&picture);
        for (QMenu* shown : {menu.get(), peopleMenu})
            painter.drawImage(w.mapFromGlobal(shown->pos()), shown->grab().toImage());
    }
    menu->close();
    ASSERT_TRUE(picture.save(folder + QStringLiteral("/people-menu.png"), "PNG"));

    TManagePeopleDialog manager(&w, {kept->People(), kept->Current(), w.Table()->Birth, 1});
    manager.show();
    QTest::qWait(50);
    ASSERT_TRUE(manager.grab().save(folder + QStringLiteral("/people-manager.png"), "PNG"));

    kept->CompareWith(1);
    QTest::qWait(50);
    ASSERT_TRUE(kept->Comparison()->grab().save(folder + QStringLiteral("/compatibility.png"), "PNG"));
}

// Two cycles hidden and the critical days marked on the 4-week chart, beside
// the dialog of the critical days ahead.
TEST_F(WindowTest, ReadmePictureOfTheCriticalDays) {
    const QByteArray out = qgetenv("BIORHYTHM_README_CRITICAL_PICTURE");
    if (out.isEmpty())
        GTEST_SKIP() << "set BIORHYTHM_README_CRITICAL_PICTURE to the file to write";
    StoreFile(QByteArrayLiteral("1980\r\n5\r\n17\r\n"));
    TPrincipal& w = Start();
    TCycleChoice& choice = (new TChartExtras(w))->Cycles();
    choice.SetCycleShown(0, false);
    choice.SetCycleShown(3, false);
    choice.SetCriticalDaysMarked(true);
    w.PageControl2->SetActivePageIndex(1);
    const QImage window = w.grab().toImage();

    QImage dialog;
    ScopedHandler<TCriticalDaysDialog> answer([&](TCriticalDaysDialog& d) {
        d.SetSpan(90);
        d.resize(470, window.height());
        dialog = d.grab().toImage();
    });
    choice.ShowCriticalDaysAhead();
    ASSERT_FALSE(dialog.isNull());

    QImage picture(window.width() + 12 + dialog.width(), std::max(window.height(), dialog.height()),
                   QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.drawImage(0, 0, window);
        painter.drawImage(window.width() + 12, 0, dialog);
    }
    ASSERT_TRUE(picture.save(QString::fromLocal8Bit(out), "PNG"));
}
