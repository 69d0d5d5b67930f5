#include "WindowTestSupport.h"

#include "ChartExtras.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>

#include <memory>

void TriggerMenuAction(TChartExtras& extras, ChartHost& host, const char* name) {
    std::unique_ptr<QMenu> menu(extras.CreateMenu(host));
    auto* action = menu->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr) << name;
    ASSERT_TRUE(action->isEnabled()) << name;
    action->trigger();
}

WindowTest::WindowTest() {
    QDir(m_dir.path()).mkpath(QStringLiteral("temp"));
    m_folder = std::make_unique<SpecialFolderOverride>(m_dir.path().toStdString(), m_dir.path().toStdString());
}

WindowTest::~WindowTest() = default;

TPrincipal& WindowTest::Start() {
    m_window = std::make_unique<TPrincipal>();
    m_window->show();
    return *m_window;
}

void WindowTest::Close() {
    m_window->close();
    m_window.reset();
}

QString WindowTest::FilePath() const {
    return m_dir.path() + QStringLiteral("/temp/biorhythm.ini");
}

void WindowTest::StoreFile(const QByteArray& bytes) const {
    QFile file(FilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray WindowTest::StoredFile() const {
    QFile file(FilePath());
    if (!file.open(QIODevice::ReadOnly))
        return "<no file>";
    return file.readAll();
}
