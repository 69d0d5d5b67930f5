#pragma once
// A main window started as the program starts it, with today fixed, the
// birthday file in a temporary folder, and message boxes and the browser
// recorded instead of shown.

#include "FPrincipal.h"
#include "LocalDate.h"
#include "MessageBoxes.h"
#include "ShellOpen.h"
#include "SpecialFolder.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

// A dialog answered by `handler` for the scope's lifetime.
template <class Dialog>
class ScopedHandler {
public:
    explicit ScopedHandler(typename Dialog::THandler handler) : m_previous(Dialog::SetHandler(std::move(handler))) {}
    ~ScopedHandler() { Dialog::SetHandler(std::move(m_previous)); }
    ScopedHandler(const ScopedHandler&) = delete;
    ScopedHandler& operator=(const ScopedHandler&) = delete;

private:
    typename Dialog::THandler m_previous;
};

class ChartHost;
class TChartExtras;

// Triggers the action of that name in the chart's menu; it must be enabled.
void TriggerMenuAction(TChartExtras& extras, ChartHost& host, const char* name);

class WindowTest : public testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    // The window, shown (which runs FormShow).
    TPrincipal& Start();
    // Closes the window (which runs FormClose) and forgets it.
    void Close();

    [[nodiscard]] QString FilePath() const;
    void StoreFile(const QByteArray& bytes) const;
    [[nodiscard]] QByteArray StoredFile() const;

    // "today" is 2010-03-01 unless a test says otherwise before Start.
    std::unique_ptr<LocalDateOverride> m_today = std::make_unique<LocalDateOverride>(TLocalDate{2010, 3, 1});
    std::vector<TMessageBoxRequest> m_boxes;
    std::vector<QUrl> m_opened;
    std::unique_ptr<TPrincipal> m_window;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SpecialFolderOverride> m_folder;
    TScopedMessageBoxHandler m_boxSeam{[this](const TMessageBoxRequest& r) { m_boxes.push_back(r); }};
    TScopedShellOpenHandler m_openSeam{[this](const QUrl& u) { m_opened.push_back(u); }};
};
