#include "Application.h"
#include "MessageBoxes.h"
#include "ShellOpen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include <new>
#include <vector>

namespace {

struct TRecordedBoxes {
    std::vector<TMessageBoxRequest> boxes;
    TScopedMessageBoxHandler seam{[this](const TMessageBoxRequest& r) { boxes.push_back(r); }};
};

}  // namespace

TEST(ErrorBoxText, FullStopOnlyAfterCharactersAboveTheFullStop) {
    struct Case {
        const char* name;
        QString message, shown;
    } cases[] = {
        {"letter", "Invalid argument to date encode", "Invalid argument to date encode."},
        {"digit (48)", "value 0", "value 0."},
        {"slash (47)", "a/", "a/."},
        {"full stop (46)", "today...", "today..."},
        {"minus (45)", "a-", "a-"},
        {"space", "a ", "a "},
        {"apostrophe (39)", "'x'", "'x'"},
        {"empty", "", ""},
        {"non-ASCII letter", QString::fromUtf8("caf\u00e9"), QString::fromUtf8("caf\u00e9.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TApplication::ErrorBoxText(c.message), c.shown);
    }
}

TEST(ApplicationGuard, ShowsOurErrorsInTheStopBoxAndCarriesOn) {
    TRecordedBoxes rec;
    bool after = false;
    EXPECT_FALSE(TApplication::Guard([] { throw EConvertError("'' is not a valid integer value"); }));
    EXPECT_TRUE(TApplication::Guard([&] { after = true; }));
    EXPECT_TRUE(after);
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0], (TMessageBoxRequest{"Quellmar - Biorhythm Calculator",
                                                "'' is not a valid integer value.",
                                                TMessageIcon::miStop}));
}

TEST(ApplicationGuard, ForeignExceptionsDoNotEscapeEither) {
    TRecordedBoxes rec;
    EXPECT_FALSE(TApplication::Guard([] { throw std::bad_alloc(); }));
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].icon, TMessageIcon::miStop);
}

// The real box, closed from inside its own modal loop.
TEST(MessageBoxReal, OneOkButtonThatIsDefaultAndEscape) {
    struct Seen {
        bool found = false;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        bool okDefault = false, okEscape = false;
    } seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.found = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = static_cast<int>(box->buttons().size());
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        seen.okDefault = ok && box->defaultButton() == ok;
        seen.okEscape = ok && box->escapeButton() == ok;
        box->reject();
    });
    ExecMessageBox({"Information", "Your birthday couldn't be greater than today...",
                    TMessageIcon::miInformation});
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, "Information");
    EXPECT_EQ(seen.text, "Your birthday couldn't be greater than today...");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_TRUE(seen.okDefault);
    EXPECT_TRUE(seen.okEscape);
}

TEST(MessageBoxReal, OpensCentredOnTheScreenAtItsFinalSize) {
    QRect shown;
    QRect area;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        shown = box->frameGeometry();
        area = box->screen()->geometry();
        QMetaObject::invokeMethod(box, "reject");
    });
    ExecMessageBox({"Quellmar - Biorhythm Calculator", "Invalid argument to date encode.", TMessageIcon::miStop});
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_LE(std::abs(shown.center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(shown.center().y() - area.center().y()), 1);
}

TEST(ShellOpen, OpensTheHttpsLinkOfTheBareHost) {
    std::vector<QUrl> opened;
    TScopedShellOpenHandler seam([&](const QUrl& u) { opened.push_back(u); });
    ShellOpen("www.quellmar.example");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), "https://www.quellmar.example");
}
