// The README's pictures of the charts' context menu and of the critical days,
// written by scripts/screenshots; skipped in ordinary test runs.

#include "WindowTestSupport.h"

#include "ChartExtras.h"
#include "ChartHost.h"
#include "CriticalDaysDialog.h"
#include "CycleChoice.h"
#include "PageControl.h"

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
