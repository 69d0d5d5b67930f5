#pragma once
// The window's two dialog components. Each holds its properties from the
// window's construction on, but a real Qt dialog exists only while one is open:
// a Qt file dialog starts a file-system thread when created and stores its
// state in a settings file when destroyed, and the program writes nothing
// but the birthday file unless the user asks for more.

#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class TSaveDialog : public QObject {
public:
    explicit TSaveDialog(QObject* parent = nullptr);
    ~TSaveDialog() override;

    [[nodiscard]] QString defaultSuffix() const { return m_defaultSuffix; }
    void setDefaultSuffix(const QString& suffix) { m_defaultSuffix = suffix; }
    [[nodiscard]] QStringList nameFilters() const { return m_nameFilters; }
    void setNameFilters(const QStringList& filters) { m_nameFilters = filters; }
    [[nodiscard]] QString directory() const { return m_directory; }
    void setDirectory(const QString& directory) { m_directory = directory; }
    [[nodiscard]] QString selectedFile() const { return m_selectedFile; }
    [[nodiscard]] bool isVisible() const;

    // Opens a modal file dialog for saving with the stored properties and
    // destroys it afterwards. True when the user accepted; selectedFile() is
    // then the chosen file and directory() the folder it lies in, so the next
    // opening starts there.
    bool Execute(QWidget* parent);

    // The open dialog, or null; for tests that drive it.
    [[nodiscard]] QFileDialog* OpenDialog() const { return m_dialog; }

private:
    QString m_defaultSuffix;
    QStringList m_nameFilters;
    QString m_directory;
    QString m_selectedFile;
    QPointer<QFileDialog> m_dialog;
};

// Stands for the print dialog component: it belongs to the window and is
// never opened, so it creates nothing.
class TPrintDialog : public QObject {
public:
    using QObject::QObject;
    [[nodiscard]] int Copies() const { return m_copies; }
    void SetCopies(int copies) { m_copies = copies; }

private:
    int m_copies = 1;
};
