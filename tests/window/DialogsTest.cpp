#include "WindowTestSupport.h"

#include <QDir>
#include <QFileDialog>
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

TEST(SaveDialog, ExecuteOpensWithStoredPropertiesAndRemembersTheFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TSaveDialog save;
    save.setDefaultSuffix(QStringLiteral("png"));
    save.setNameFilters({QStringLiteral("PNG pictures (*.png)")});
    save.setDirectory(dir.path());

    bool seenOpen = false;
    QTimer::singleShot(0, [&] {
        QFileDialog* dialog = save.OpenDialog();
        ASSERT_NE(dialog, nullptr);
        seenOpen = save.isVisible();
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->defaultSuffix(), "png");
        EXPECT_EQ(dialog->nameFilters(), QStringList{"PNG pictures (*.png)"});
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        dialog->selectFile(dir.filePath(QStringLiteral("chart")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    ASSERT_TRUE(save.Execute(nullptr));
    EXPECT_TRUE(seenOpen);
    EXPECT_FALSE(save.isVisible());
    EXPECT_EQ(save.OpenDialog(), nullptr);
    EXPECT_EQ(QFileInfo(save.selectedFile()).fileName(), "chart.png");
    EXPECT_EQ(QDir(save.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());

    // Cancelled: nothing chosen, the last choice stays.
    QTimer::singleShot(0, [&] { save.OpenDialog()->reject(); });
    EXPECT_FALSE(save.Execute(nullptr));
    EXPECT_EQ(QFileInfo(save.selectedFile()).fileName(), "chart.png");
}
