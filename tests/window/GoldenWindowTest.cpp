#include "WindowTestSupport.h"

#include "ChartExtras.h"
#include "CycleChoice.h"
#include "PageControl.h"
#include "PeopleExtras.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

// The whole window, as a user sees it with the mouse still and no menu open,
// pinned pixel for pixel: both tabs, with and without a calculation. Nothing
// added to the program may change these pictures.
//
// After a deliberate change of the window, run the test with
// BIORHYTHM_UPDATE_GOLDEN=1 to write the new pictures into tests/golden.

namespace {

struct TDifference {
    int pixels = 0;
    QRect box;
};

TDifference Compare(const QImage& actual, const QImage& expected) {
    TDifference d;
    for (int y = 0; y < actual.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* e = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            if (qRgb(qRed(a[x]), qGreen(a[x]), qBlue(a[x])) != qRgb(qRed(e[x]), qGreen(e[x]), qBlue(e[x]))) {
                ++d.pixels;
                d.box |= QRect(x, y, 1, 1);
            }
        }
    }
    return d;
}

void ExpectGolden(const QImage& grabbed, const QString& name) {
    const QImage actual = grabbed.convertToFormat(QImage::Format_RGB32);
    const QString golden = QStringLiteral(BIORHYTHM_GOLDEN_DIR "/") + name;
    if (qEnvironmentVariableIsSet("BIORHYTHM_UPDATE_GOLDEN")) {
        ASSERT_TRUE(actual.save(golden, "PNG")) << golden.toStdString();
        return;
    }
    const QString dir = QStringLiteral(BIORHYTHM_PICTURES_DIR);
    QDir().mkpath(dir);
    actual.save(dir + "/golden-actual-" + name, "PNG");

    QImage expected;
    ASSERT_TRUE(expected.load(golden)) << "missing " << golden.toStdString();
    expected = expected.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(actual.size(), expected.size()) << name.toStdString();
    const TDifference d = Compare(actual, expected);
    EXPECT_EQ(d.pixels, 0) << name.toStdString() << ": pixels differ inside (" << d.box.left() << ", "
                           << d.box.top() << ") - (" << d.box.right() << ", " << d.box.bottom()
                           << "); the picture drawn is in " << dir.toStdString();
}

}  // namespace

class GoldenWindowTest : public WindowTest {
protected:
    void ExpectTabs(TPrincipal& w, const char* state) {
        w.PageControl2->SetActivePageIndex(0);
        ExpectGolden(w.grab().toImage(), QStringLiteral("window-today-%1.png").arg(QLatin1String(state)));
        w.PageControl2->SetActivePageIndex(1);
        ExpectGolden(w.grab().toImage(), QStringLiteral("window-4weeks-%1.png").arg(QLatin1String(state)));
    }
};

TEST_F(GoldenWindowTest, EmptyChartsOnFirstStart) {
    ExpectTabs(Start(), "empty");
}

TEST_F(GoldenWindowTest, CalculatedChartsForAStoredDate) {
    StoreFile("1980\r\n5\r\n17\r\n");
    ExpectTabs(Start(), "calculated");
}

TEST_F(GoldenWindowTest, SavedPeopleChangeNothingUntilUsed) {
    QFile people(QFileInfo(FilePath()).dir().filePath(QStringLiteral("people.json")));
    ASSERT_TRUE(people.open(QIODevice::WriteOnly));
    people.write(PeopleToJson({{QStringLiteral("Anna"), 29358}, {QStringLiteral("Ben"), 30316}}));
    people.close();
    for (const char* state : {"empty", "calculated"}) {
        SCOPED_TRACE(state);
        StoreFile(state == std::string_view("empty") ? "2010\r\n3\r\n1\r\n" : "1980\r\n5\r\n17\r\n");
        TPrincipal& w = Start();
        new TPeopleExtras(w, *new TChartExtras(w));
        QCoreApplication::processEvents();
        ExpectTabs(w, state);
        Close();
    }
    EXPECT_TRUE(m_boxes.empty());
}

// The program runs with its extras attached; choices undone leave no trace.
TEST_F(GoldenWindowTest, ExtrasAttachedAndChoicesUndoneChangeNothing) {
    StoreFile("1980\r\n5\r\n17\r\n");
    TPrincipal& w = Start();
    TCycleChoice& choice = (new TChartExtras(w))->Cycles();
    ExpectTabs(w, "calculated");
    choice.SetCycleShown(0, false);
    choice.SetCriticalDaysMarked(true);
    (void)w.grab();
    choice.ShowAllCycles();
    choice.SetCriticalDaysMarked(false);
    ExpectTabs(w, "calculated");
}
