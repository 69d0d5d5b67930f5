#include "WindowTestSupport.h"

#include "BirthdayFile.h"
#include "Controls.h"
#include "Startup.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// Opens the list as a click would and checks what the user sees.
void ExpectShortListShowingTheSelection(TComboBox* list) {
    SCOPED_TRACE(list->objectName().toStdString());
    list->showPopup();
    QAbstractItemView* view = list->view();
    QWidget* popup = view->window();
    ASSERT_TRUE(popup->isVisible());
    const int rowHeight = 17;
    const int rows = std::min(list->count(), TComboBox::MaxVisibleRows);
    EXPECT_GE(view->viewport()->height(), rows * rowHeight);
    EXPECT_LT(view->viewport()->height(), (rows + 1) * rowHeight);
    // An ordinary list below the box, not a menu laid over it.
    EXPECT_GE(popup->geometry().top(), list->mapToGlobal(QPoint(0, list->height())).y() - 1);
    const QRect selected = view->visualRect(view->model()->index(list->currentIndex(), 0));
    EXPECT_TRUE(view->viewport()->rect().contains(selected))
        << "selected row at " << selected.top() << ", viewport " << view->viewport()->height();
    list->hidePopup();
}

}  // namespace

TEST_F(WindowTest, DateListsOpenAsShortListsWithTheSelectionInView) {
    TPrincipal& w = Start();  // first start: today, the last year of the list
    ASSERT_EQ(w.cAnne->currentIndex(), w.cAnne->count() - 1);
    for (TComboBox* list : {w.cDia, w.cMes, w.cAnne})
        ExpectShortListShowingTheSelection(list);

    // A selection in the middle of the long lists.
    w.cAnne->setCurrentIndex(70);
    w.cDia->setCurrentIndex(17);
    ExpectShortListShowingTheSelection(w.cAnne);
    ExpectShortListShowingTheSelection(w.cDia);
}

TEST_F(WindowTest, WindowOffersEveryIconSizeSmallestFirst) {
    TPrincipal& w = Start();
    const QList<QSize> sizes = w.windowIcon().availableSizes();
    const QList<QSize> expected{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    EXPECT_EQ(sizes, expected);
}

// Users' stored dates live there: no change of names may move the file.
TEST(BirthdayFileLocation, StaysUnderTheDataHomeOfTheProgramName) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    const QString oldName = QCoreApplication::applicationName();
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    InitApplicationObject();
    const std::string path = BirthdayFilePath();
    QCoreApplication::setApplicationName(oldName);
    qputenv("XDG_DATA_HOME", oldDataHome);
    EXPECT_EQ(path, (dir.path() + QStringLiteral("/biorhythm/temp/biorhythm.ini")).toStdString());
}
