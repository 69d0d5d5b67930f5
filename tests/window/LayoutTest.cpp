#include "WindowTestSupport.h"

#include "ChartHost.h"
#include "Controls.h"
#include "PageControl.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QApplication>
#include <QScreen>
#include <QTabBar>
#include <QToolButton>

#include <gmock/gmock.h>

#include <algorithm>

namespace {

// Rectangles in the parent's client coordinates: left, top, width, height.
struct ControlRect {
    const char* name;
    QRect rect;
};

const ControlRect kRects[] = {
    {"Panel1", {0, 488, 784, 126}},
    {"Panel3", {608, 0, 176, 126}},
    {"Image1", {35, 12, 125, 105}},
    {"Panel4", {0, 0, 129, 126}},
    {"Image2", {17, 27, 75, 75}},
    {"Panel5", {129, 0, 479, 126}},
    {"Label2", {38, 39, 401, 18}},
    {"cLink", {38, 63, 270, 32}},
    {"Panel2", {0, 0, 784, 64}},
    {"Label1", {14, 26, 360, 17}},
    {"bCalculate", {623, 14, 120, 40}},
    {"cDia", {382, 22, 49, 25}},
    {"cMes", {436, 22, 109, 25}},
    {"cAnne", {550, 22, 65, 25}},
    {"PageControl2", {0, 64, 784, 424}},
    {"ChartToday", {0, 0, 776, 391}},
    {"LHigh", {20, 21, 29, 17}},
    {"LCritical", {4, 175, 45, 17}},
    {"LLow", {14, 332, 27, 17}},
    {"chart4weeks", {0, 0, 776, 391}},
};

struct ControlParent {
    const char* name;
    const char* parent;
};

const ControlParent kParents[] = {
    {"Panel1", "Principal"},   {"Panel3", "Panel1"},       {"Image1", "Panel3"},
    {"Panel4", "Panel1"},      {"Image2", "Panel4"},       {"Panel5", "Panel1"},
    {"Label2", "Panel5"},      {"cLink", "Panel5"},        {"Panel2", "Principal"},
    {"Label1", "Panel2"},      {"bCalculate", "Panel2"},   {"cDia", "Panel2"},
    {"cMes", "Panel2"},        {"cAnne", "Panel2"},        {"PageControl2", "Principal"},
    {"TabSheet3", "PageControl2"}, {"ChartToday", "TabSheet3"}, {"LHigh", "ChartToday"},
    {"LCritical", "ChartToday"}, {"LLow", "ChartToday"}, {"TabSheet4", "PageControl2"},
    {"chart4weeks", "TabSheet4"},
};

}  // namespace

class LayoutTest : public WindowTest {};

TEST_F(LayoutTest, EveryControlAtItsRectangle) {
    TPrincipal& w = Start();
    EXPECT_EQ(w.size(), QSize(784, 614));
    for (const auto& c : kRects) {
        SCOPED_TRACE(c.name);
        const auto* control = w.findChild<QWidget*>(c.name);
        ASSERT_NE(control, nullptr);
        QRect expected = c.rect;
        // A caption wider than its label widens the label instead of being cut.
        if (const auto* label = qobject_cast<const QLabel*>(control); label && !label->text().isEmpty())
            expected.setWidth(std::max(expected.width(), label->fontMetrics().horizontalAdvance(label->text())));
        EXPECT_EQ(control->geometry(), expected);
    }
    for (const auto& c : kParents) {
        SCOPED_TRACE(c.name);
        const auto* control = w.findChild<QWidget*>(c.name);
        ASSERT_NE(control, nullptr);
        ASSERT_NE(control->parentWidget(), nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), c.parent);
    }
}

TEST_F(LayoutTest, WindowIsFixedCentredAndHasOnlyTheCloseBox) {
    TPrincipal& w = Start();
    EXPECT_EQ(w.objectName(), "Principal");
    EXPECT_EQ(w.windowTitle(), "Free Biorhythm calculator...");
    EXPECT_EQ(w.minimumSize(), QSize(784, 614));
    EXPECT_EQ(w.maximumSize(), QSize(784, 614));
    const Qt::WindowFlags flags = w.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    const QRect screen = QApplication::primaryScreen()->geometry();
    EXPECT_EQ(w.pos(), QPoint(screen.left() + (screen.width() - 784) / 2,
                              screen.top() + (screen.height() - 614) / 2));
}

TEST_F(LayoutTest, BannerIsWhiteAndTheScaleLabelsAreOpaque) {
    TPrincipal& w = Start();
    for (const char* name : {"Panel1", "Panel3", "Panel4", "Panel5"}) {
        SCOPED_TRACE(name);
        const auto* panel = w.findChild<QWidget*>(name);
        EXPECT_TRUE(panel->autoFillBackground());
        EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(255, 255, 255));
    }
    EXPECT_EQ(w.Panel2->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    for (const TLabel* label : {w.LHigh, w.LCritical, w.LLow}) {
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window),
                  w.ChartTodayHost->palette().color(QPalette::Window));
    }
}

TEST_F(LayoutTest, HintsPicturesAndItemHeight) {
    TPrincipal& w = Start();
    const QString hint = "To learn more about biorhythms, please visit our website\n" + w.cLink->text();
    for (const TLabel* control : {w.cLink, w.Image1, w.Image2})
        EXPECT_EQ(control->toolTip(), hint) << control->objectName().toStdString();
    // The pictures are decoded when first painted.
    (void)w.Image1->grab();
    (void)w.Image2->grab();
    EXPECT_EQ(w.Image1->pixmap().size(), QSize(125, 105));
    EXPECT_EQ(w.Image2->pixmap().size(), QSize(75, 75));

    for (const TComboBox* list : {w.cDia, w.cMes, w.cAnne}) {
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->view()->sizeHintForRow(0), 17) << list->objectName().toStdString();
    }
}

TEST_F(LayoutTest, CaptionsFontsAndColours) {
    TPrincipal& w = Start();
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    struct Case {
        const char* name;
        QString caption;
        int pixels;
        bool bold;
        QColor color;
    };
    const Case cases[] = {
        {"Label2", "To learn more about biorhythms, please visit our website", 15, true, QColor(0, 0, 0)},
        {"cLink", TPrincipal::WebAddress(), 27, false, windowText},
        {"Label1", "To calculate your Biorhythm, please enter your birthday:", 15, false, windowText},
        {"LHigh", "High", 15, false, QColor(0, 128, 0)},
        {"LCritical", "Critical", 15, false, QColor(128, 0, 128)},
        {"LLow", "Low", 15, false, QColor(255, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto* label = w.findChild<TLabel*>(c.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), c.caption);
        EXPECT_EQ(label->font().family(), "Arial");
        EXPECT_EQ(label->font().pixelSize(), c.pixels);
        EXPECT_EQ(label->font().bold(), c.bold);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.color);
    }
    EXPECT_EQ(w.cLink->cursor().shape(), Qt::PointingHandCursor);

    EXPECT_EQ(w.font().family(), "MS Sans Serif");
    EXPECT_EQ(w.font().pixelSize(), 11);

    EXPECT_EQ(w.bCalculate->text(), "&Calculate");
    EXPECT_EQ(w.bCalculate->toolTip(), "Calculate biorhythm...");
    EXPECT_TRUE(w.bCalculate->autoRaise());
    EXPECT_EQ(w.bCalculate->iconSize(), QSize(32, 32));
    EXPECT_EQ(w.bCalculate->font().family(), "Arial");
    EXPECT_EQ(w.bCalculate->font().pixelSize(), 13);

    EXPECT_EQ(w.PageControl2->font().family(), "Arial");
    EXPECT_EQ(w.PageControl2->font().pixelSize(), 16);
    ASSERT_EQ(w.PageControl2->TabBar()->count(), 2);
    EXPECT_EQ(w.PageControl2->TabBar()->tabText(0), "  Current state analysis  ");
    EXPECT_EQ(w.PageControl2->TabBar()->tabText(1), "  4-Week analysis  ");
    EXPECT_EQ(w.PageControl2->ActivePageIndex(), 0);
}

TEST_F(LayoutTest, ListItemsAndDialogs) {
    TPrincipal& w = Start();
    for (const TComboBox* list : {w.cDia, w.cMes, w.cAnne}) {
        SCOPED_TRACE(list->objectName().toStdString());
        EXPECT_EQ(list->font().family(), "Arial");
        EXPECT_EQ(list->font().pixelSize(), 15);
    }
    ASSERT_EQ(w.cDia->count(), 31);
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ(w.cDia->itemText(i), QString::number(i + 1));
    const QStringList months{"January", "February", "March",     "April",   "May",      "June",
                             "July",    "August",   "September", "October", "November", "December"};
    ASSERT_EQ(w.cMes->count(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(w.cMes->itemText(i), months[i]);

    ASSERT_NE(w.SaveDialog, nullptr);
    EXPECT_FALSE(w.SaveDialog->isVisible());
    EXPECT_EQ(w.SaveDialog->defaultSuffix(), "bmp");
    ASSERT_NE(w.PrintDialog, nullptr);
    EXPECT_EQ(w.PrintDialog->Copies(), 1);
}
