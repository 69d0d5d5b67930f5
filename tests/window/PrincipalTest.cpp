#include "WindowTestSupport.h"

#include "Chart.h"
#include "Controls.h"
#include "Cycles.h"
#include "PageControl.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gmock/gmock.h>

#include <array>

namespace {

constexpr TDaySerial k20100301 = 40238;
constexpr TDaySerial k19800517 = 29358;
const QByteArray kFile19800517 = QByteArrayLiteral("1980\r\n5\r\n17\r\n");

int TotalPoints(const TCustomAxisPanel& chart) {
    int total = 0;
    for (const TChartSeries* s : chart.SeriesList())
        total += s->PointCount();
    return total;
}

std::array<int, 8> RowOf4Weeks(const TPrincipal& w, int row) {
    std::array<int, 8> values{};
    for (int s = 1; s <= 8; ++s)
        values[static_cast<std::size_t>(s - 1)] = static_cast<int>(w.chart4weeks->SeriesList()[s % 8]->PointY(row));
    return values;
}

TMessageBoxRequest ErrorBox(const char* text) {
    return {"Quellmar - Biorhythm Calculator", text, TMessageIcon::miStop};
}

const TMessageBoxRequest kFutureBox{"Information", "Your birthday couldn't be greater than today...",
                                    TMessageIcon::miInformation};

}  // namespace

TEST_F(WindowTest, FirstStartSelectsTodayAndCalculatesNothing) {
    TPrincipal& w = Start();
    EXPECT_EQ(w.cDia->currentText(), "1");
    EXPECT_EQ(w.cMes->currentText(), "March");
    EXPECT_EQ(w.cAnne->currentText(), "2010");
    EXPECT_EQ(w.cAnne->count(), 101);
    EXPECT_EQ(w.cAnne->itemText(0), "1910");
    EXPECT_EQ(w.cAnne->currentIndex(), w.cAnne->count() - 1);
    EXPECT_EQ(TotalPoints(*w.ChartToday), 0);
    EXPECT_EQ(TotalPoints(*w.chart4weeks), 0);
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(w.PageControl2->ActivePageIndex(), 0);
    EXPECT_EQ(w.focusWidget(), w.cDia);
}

TEST_F(WindowTest, YearListEndsAtTheCurrentYear) {
    m_today.reset();  // one override at a time: ending one restores the clock
    m_today = std::make_unique<LocalDateOverride>(TLocalDate{1910, 1, 1});
    TPrincipal& w = Start();
    ASSERT_EQ(w.cAnne->count(), 1);
    EXPECT_EQ(w.cAnne->currentText(), "1910");
}

TEST_F(WindowTest, RestartWithAStoredDateFillsBothCharts) {
    StoreFile(kFile19800517);
    TPrincipal& w = Start();
    EXPECT_EQ(w.cDia->currentText(), "17");
    EXPECT_EQ(w.cMes->currentText(), "May");
    EXPECT_EQ(w.cAnne->currentText(), "1980");
    EXPECT_TRUE(m_boxes.empty());

    const TChartSeries& bars = *w.ChartToday->SeriesList()[0];
    ASSERT_EQ(bars.PointCount(), 8);
    const int values[] = {27, -43, -95, 98, -87, 15, 92, 1};
    const char* labels[] = {"Physical", "Emotional", "Intellectual", "Spiritual",
                            "Awareness", "Aesthetic", "Intuition", "Average"};
    const TColor colors[] = {255, 39423, 65280, 8388736, 16711935, 16776960, 8388608, 8421504};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(labels[i]);
        EXPECT_EQ(bars.PointX(i), i);
        EXPECT_EQ(bars.PointY(i), values[i]);
        EXPECT_EQ(bars.PointLabel(i), labels[i]);
        EXPECT_EQ(bars.PointColor(i), colors[i]);
    }

    const TChartSeriesList& list = w.chart4weeks->SeriesList();
    ASSERT_EQ(list.Count(), 8);
    for (const TChartSeries* s : list)
        ASSERT_EQ(s->PointCount(), 30);
    EXPECT_THAT(RowOf4Weeks(w, 0), testing::ElementsAre(63, 22, 100, 0, 79, -89, -48, 18));
    EXPECT_THAT(RowOf4Weeks(w, 15), testing::ElementsAre(27, -43, -95, 98, -87, 15, 92, 1));
    EXPECT_THAT(RowOf4Weeks(w, 29), testing::ElementsAre(-82, 43, 69, -29, -26, 81, -92, -5));

    const auto table = FourWeekTable(k19800517, k20100301);
    for (int row = 0; row < 30; ++row) {
        SCOPED_TRACE(row);
        const TScoreRow& expected = table[static_cast<std::size_t>(row)];
        for (int k = 1; k <= 7; ++k) {
            EXPECT_EQ(list[k]->PointX(row), 40223 + row);
            EXPECT_EQ(list[k]->PointY(row), expected.Scores[static_cast<std::size_t>(k - 1)]);
            EXPECT_EQ(list[k]->PointLabel(row), "");
        }
        EXPECT_EQ(list[0]->PointX(row), 40223 + row);
        EXPECT_EQ(list[0]->PointY(row), expected.Average);
    }
}

TEST_F(WindowTest, StoredDateEqualToTodayIsNotCalculatedUntilAsked) {
    StoreFile("2010\r\n3\r\n1\r\n");
    TPrincipal& w = Start();
    EXPECT_EQ(TotalPoints(*w.ChartToday), 0);
    EXPECT_EQ(TotalPoints(*w.chart4weeks), 0);
    w.bCalculate->click();
    const TChartSeries& bars = *w.ChartToday->SeriesList()[0];
    ASSERT_EQ(bars.PointCount(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(bars.PointY(i), 0) << i;
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(WindowTest, StoredDateAfterTodayShowsTheInformationBoxAndLeavesChartsEmpty) {
    StoreFile("2010\r\n3\r\n2\r\n");
    TPrincipal& w = Start();
    EXPECT_EQ(w.cDia->currentText(), "2");
    EXPECT_THAT(m_boxes, testing::ElementsAre(kFutureBox));
    EXPECT_EQ(TotalPoints(*w.ChartToday), 0);
    EXPECT_EQ(TotalPoints(*w.chart4weeks), 0);
    EXPECT_EQ(w.focusWidget(), w.cDia);
}

TEST_F(WindowTest, FutureDateKeepsThePreviousCalculation) {
    StoreFile(kFile19800517);
    TPrincipal& w = Start();
    w.cAnne->setFocus();
    w.cAnne->setCurrentIndex(w.cAnne->count() - 1);  // 17 May 2010, after 1 March 2010
    w.bCalculate->click();
    EXPECT_THAT(m_boxes, testing::ElementsAre(kFutureBox));
    EXPECT_EQ(w.focusWidget(), w.cDia);
    EXPECT_EQ(w.ChartToday->SeriesList()[0]->PointY(0), 27);
    EXPECT_EQ(w.chart4weeks->SeriesList()[1]->PointY(0), 63);
}

TEST_F(WindowTest, ImpossibleDateShowsTheErrorAndComesBackAfterRestart) {
    StoreFile("2009\r\n4\r\n31\r\n");
    TPrincipal& w = Start();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.cDia->currentText(), "31");
    EXPECT_EQ(w.cMes->currentText(), "April");
    EXPECT_EQ(w.PageControl2->ActivePageIndex(), 0);
    EXPECT_EQ(w.focusWidget(), w.cDia);
    EXPECT_THAT(m_boxes, testing::ElementsAre(ErrorBox("Invalid argument to date encode.")));
    EXPECT_EQ(TotalPoints(*w.ChartToday), 0);

    Close();
    EXPECT_EQ(StoredFile(), "2009\r\n4\r\n31\r\n");
    m_boxes.clear();
    Start();
    EXPECT_THAT(m_boxes, testing::ElementsAre(ErrorBox("Invalid argument to date encode.")));
}

TEST_F(WindowTest, ImpossibleDateKeepsThePreviousCalculation) {
    StoreFile(kFile19800517);
    TPrincipal& w = Start();
    w.cMes->setCurrentIndex(1);
    w.cDia->setCurrentIndex(29);  // 30 February
    w.bCalculate->click();
    EXPECT_THAT(m_boxes, testing::ElementsAre(ErrorBox("Invalid argument to date encode.")));
    EXPECT_EQ(w.ChartToday->SeriesList()[0]->PointY(0), 27);
}

TEST_F(WindowTest, StoredYearOutsideTheListFailsAtStartAndAtEveryCalculate) {
    StoreFile("1900\r\n5\r\n17\r\n");
    TPrincipal& w = Start();
    EXPECT_EQ(w.cAnne->currentIndex(), -1);
    EXPECT_EQ(w.cAnne->currentText(), "");
    EXPECT_EQ(w.cMes->currentText(), "May");
    const auto box = ErrorBox("'' is not a valid integer value.");
    EXPECT_THAT(m_boxes, testing::ElementsAre(box));
    w.bCalculate->click();
    w.bCalculate->click();
    EXPECT_THAT(m_boxes, testing::ElementsAre(box, box, box));
    EXPECT_EQ(TotalPoints(*w.ChartToday), 0);
}

TEST_F(WindowTest, EnterMovesThroughTheListsAndThenCalculates) {
    StoreFile(kFile19800517);
    TPrincipal& w = Start();
    // Start from empty charts so the Enter in the year list shows.
    for (TChartSeries* s : w.ChartToday->SeriesList())
        s->ClearPoints();
    QApplication::setActiveWindow(&w);
    w.cDia->setFocus();

    QTest::keyClick(w.cDia, Qt::Key_Down);  // other keys keep the list's behaviour
    EXPECT_EQ(w.cDia->currentText(), "18");
    QTest::keyClick(w.cDia, Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.cMes);
    QTest::keyClick(w.cMes, Qt::Key_Enter);
    EXPECT_EQ(w.focusWidget(), w.cAnne);
    EXPECT_EQ(TotalPoints(*w.ChartToday), 0);
    QTest::keyClick(w.cAnne, Qt::Key_Return);
    EXPECT_EQ(w.ChartToday->SeriesList()[0]->PointCount(), 8);
    EXPECT_EQ(w.ChartToday->SeriesList()[0]->PointY(7), ScoreRow(k19800517 + 1, k20100301).Average);
}

TEST_F(WindowTest, AltCPressesCalculate) {
    StoreFile("2010\r\n3\r\n1\r\n");
    TPrincipal& w = Start();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.ChartToday->SeriesList()[0]->PointCount() == 8; }));
    EXPECT_EQ(w.focusWidget(), w.cDia);  // the button never takes the focus
}

TEST_F(WindowTest, TabGoesDayMonthYearThenTheTabs) {
    TPrincipal& w = Start();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_EQ(QApplication::focusWidget(), w.cDia);
    const QWidget* expected[] = {w.cMes, w.cAnne, w.PageControl2->TabBar(), w.cDia};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(WindowTest, LinkTurnsNavyAndUnderlinedWhileHovered) {
    TPrincipal& w = Start();
    const auto color = [&] { return w.cLink->palette().color(QPalette::WindowText); };
    EXPECT_EQ(color(), QApplication::palette().color(QPalette::WindowText));
    EXPECT_FALSE(w.cLink->font().underline());

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(w.cLink, &enter);
    EXPECT_EQ(color(), QColor(0, 0, 128));
    EXPECT_TRUE(w.cLink->font().underline());
    EXPECT_FALSE(w.cLink->font().bold());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.cLink, &leave);
    EXPECT_EQ(color(), QColor(0, 0, 0));
    EXPECT_FALSE(w.cLink->font().underline());
    EXPECT_EQ(w.cLink->font().pixelSize(), 27);
}

TEST_F(WindowTest, TheLinkItsTextAndBothPicturesOpenTheWebAddress) {
    TPrincipal& w = Start();
    for (QWidget* control : {static_cast<QWidget*>(w.cLink), static_cast<QWidget*>(w.Label2),
                             static_cast<QWidget*>(w.Image1), static_cast<QWidget*>(w.Image2)})
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(m_opened.size(), 4u);
    for (const QUrl& url : m_opened)
        EXPECT_EQ(url.toString(), "https://" + TPrincipal::WebAddress());
}

TEST_F(WindowTest, CloseWritesTheSelectedDate) {
    TPrincipal& w = Start();
    w.cDia->setCurrentIndex(16);
    w.cMes->setCurrentIndex(4);
    w.cAnne->setCurrentIndex(w.cAnne->findText("1980"));
    Close();
    EXPECT_EQ(StoredFile(), kFile19800517);
}

TEST_F(WindowTest, CloseWritesZeroForAListWithoutSelection) {
    TPrincipal& w = Start();
    w.cMes->setCurrentIndex(-1);
    w.cAnne->setCurrentIndex(-1);
    Close();
    EXPECT_EQ(StoredFile(), "\r\n0\r\n1\r\n");
}
