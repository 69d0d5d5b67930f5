#include "WindowTestSupport.h"

#include <QDir>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Threads of this process as the kernel lists them.
int ThreadCount() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

}  // namespace

TEST_F(WindowTest, WindowCreatesNoFileDialogNorThreadUntilOneOpens) {
    const int before = ThreadCount();
    TPrincipal& w = Start();
    EXPECT_TRUE(w.findChildren<QFileDialog*>().isEmpty());
    EXPECT_EQ(ThreadCount(), before);
    EXPECT_EQ(w.SaveDialog->nameFilters(), QStringList{".BMP Files (*.bmp)"});
    EXPECT_EQ(w.SaveDialog->OpenDialog(), nullptr);
}

TEST(SaveDialog, TheFilterChosenInTheDialogGivesTheExtension) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString png = QStringLiteral("PNG image (*.png)"), bmp = QStringLiteral("BMP image (*.bmp)");
    TSaveDialog save;
    save.setTitle(QStringLiteral("Save Chart"));
    save.setNameFilters({png, bmp});
    save.setDirectory(dir.path());
    save.SetSelectedFile(QStringLiteral("picture"));

    // Picks the next (Down) or previous (Up) filter as a user does, then
    // saves, answering Yes to the question whether to replace a file.
    QString question;
    const auto answer = [&](Qt::Key filterKey, const QString& expectedName) {
        question.clear();
        QTimer::singleShot(0, [&save, &question, filterKey, expectedName] {
            QFileDialog* dialog = save.OpenDialog();
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), "Save Chart");
            EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_TRUE(name && types);
            EXPECT_EQ(name->text(), expectedName);
            QTest::keyClick(types, filterKey);
            QTimer::singleShot(0, [&question] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    question = box->text();
                    box->button(QMessageBox::Yes)->click();
                }
            });
            QMetaObject::invokeMethod(dialog, "accept");
        });
        return save.Execute(nullptr);
    };
    QFile existing(dir.filePath(QStringLiteral("picture.bmp")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    ASSERT_TRUE(answer(Qt::Key_Down, "picture"));
    EXPECT_EQ(QFileInfo(save.selectedFile()).fileName(), "picture.bmp");
    EXPECT_TRUE(question.startsWith("picture.bmp already exists.")) << question.toStdString();
    EXPECT_EQ(save.selectedNameFilter(), bmp);
    EXPECT_EQ(QDir(save.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());

    // The filter chosen last comes first; switching it changes the extension typed.
    save.SetSelectedFile(QStringLiteral("picture.bmp"));
    ASSERT_TRUE(answer(Qt::Key_Up, "picture.bmp"));
    EXPECT_EQ(QFileInfo(save.selectedFile()).fileName(), "picture.png");

    // Cancelled: nothing chosen, the last choice stays. A kernel folder (as
    // after a failed save there) is no place to start.
    save.setDirectory(QStringLiteral("/sys/kernel"));
    QString startedIn;
    QTimer::singleShot(0, [&] {
        startedIn = save.OpenDialog()->directory().path();
        save.OpenDialog()->reject();
    });
    EXPECT_FALSE(save.Execute(nullptr));
    EXPECT_EQ(startedIn, QDir::homePath());
    EXPECT_EQ(QFileInfo(save.selectedFile()).fileName(), "picture.png");
}
