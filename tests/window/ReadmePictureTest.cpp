// The README's picture of the charts' context menu, written by
// scripts/screenshots; skipped in ordinary test runs.

#include "WindowTestSupport.h"

#include "ChartExtras.h"
#include "ChartHost.h"

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
