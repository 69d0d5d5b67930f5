#include "WindowTestSupport.h"

#include "Chart.h"
#include "ChartHost.h"
#include "Controls.h"
#include "PageControl.h"

#include <QFile>
#include <QFileDialog>

#include <cstdio>
#include <cstdlib>

namespace {

// VmRSS in KiB; 0 where /proc is missing.
long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = status.readAll();
    const qsizetype at = text.indexOf("VmRSS:");
    return at < 0 ? 0 : std::strtol(text.constData() + at + 6, nullptr, 10);
}

class StartupTest : public WindowTest {};

TEST_F(StartupTest, NothingOfTheHiddenTabOrTheDialogsIsMadeOrPaintedBeforeUse) {
    TPrincipal& w = Start();
    EXPECT_EQ(w.findChild<QFileDialog*>(), nullptr);

    (void)w.grab();
    EXPECT_EQ(w.ChartToday->RedrawCount(), 1);
    EXPECT_EQ(w.chart4weeks->RedrawCount(), 0);
    w.PageControl2->SetActivePageIndex(1);
    (void)w.grab();
    EXPECT_EQ(w.chart4weeks->RedrawCount(), 1);
    EXPECT_EQ(w.ChartToday->RedrawCount(), 1);
    EXPECT_EQ(w.findChild<QFileDialog*>(), nullptr);
}

// A user who calculates all day: scores, series, and a paint of both charts
// now and then. After a warm-up the resident memory must not grow with the
// number of calculations.
bool JpegLibraryMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libjpeg");
}

// A window that is shown but not painted (as the snapshot tool uses it for
// values) decodes no picture and does not even load the JPEG decoder.
TEST_F(StartupTest, PicturesAndTheirDecoderWaitForTheFirstPaint) {
    if (JpegLibraryMapped())
        GTEST_SKIP() << "a picture was decoded earlier in this process";
    TPrincipal& w = Start();
    EXPECT_TRUE(w.Image1->pixmap().isNull());
    EXPECT_FALSE(JpegLibraryMapped());
    (void)w.grab();
    EXPECT_TRUE(JpegLibraryMapped());
    EXPECT_EQ(w.Image1->pixmap().size(), QSize(125, 105));
}

TEST_F(StartupTest, MemoryStaysFlatOverTenThousandCalculations) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer keeps freed memory in quarantine";
#endif
    TPrincipal& w = Start();
    const auto calculate = [&](int i) {
        w.cDia->setCurrentIndex(i % 28);
        w.cMes->setCurrentIndex(i % 12);
        w.cAnne->setCurrentIndex(i % 90);
        w.bCalculateClick();
        if (i % 100 == 0) {
            w.PageControl2->SetActivePageIndex(i / 100 % 2);
            (void)w.grab();
        }
    };
    for (int i = 0; i < 500; ++i)
        calculate(i);
    const long before = ResidentKiB();
    for (int i = 500; i < 10500; ++i)
        calculate(i);
    const long growth = ResidentKiB() - before;
    std::printf("resident memory over 10,000 calculations: %ld KiB before, %+ld KiB after\n", before, growth);
    EXPECT_LT(growth, 2048);
    EXPECT_TRUE(m_boxes.empty());
}

}  // namespace
