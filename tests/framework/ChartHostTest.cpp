#include "ChartHost.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void DeliverPaints() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

}  // namespace

TEST(ChartHost, BurstOfChangesCostsOnePaint) {
    ChartHost host;
    host.resize(300, 200);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    DeliverPaints();
    TChart& chart = host.Chart();
    EXPECT_EQ(chart.Width(), 300);
    EXPECT_EQ(chart.Height(), 200);
    const int before = chart.RedrawCount();
    EXPECT_GE(before, 1);

    chart.SetMarginLeft(10);
    chart.SetMarginTop(8);
    chart.BackWall().SetColor(clWhite);
    chart.Title().AddLine("Title");
    DeliverPaints();
    EXPECT_EQ(chart.RedrawCount(), before + 1);

    // Uncovered without a change: copied from the buffer.
    host.repaint();
    EXPECT_EQ(chart.RedrawCount(), before + 1);

    host.resize(320, 210);
    DeliverPaints();
    EXPECT_EQ(chart.RedrawCount(), before + 2);
    EXPECT_EQ(chart.WindowSurface().Width(), 320);
}

TEST(ChartHost, AttributesAndChildControls) {
    QWidget parent;
    auto* host = new ChartHost(&parent);
    EXPECT_TRUE(host->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_TRUE(host->testAttribute(Qt::WA_NoSystemBackground));
    EXPECT_TRUE(host->Chart().HasParent());
    auto* label = new QLabel("High", host);
    EXPECT_EQ(label->parentWidget(), host);

    ChartHost orphan;
    EXPECT_FALSE(orphan.Chart().HasParent());
    orphan.setParent(&parent);
    EXPECT_TRUE(orphan.Chart().HasParent());
    orphan.setParent(nullptr);
}
