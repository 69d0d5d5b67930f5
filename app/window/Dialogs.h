#pragma once
// The window's dialog components. Each is created when it is opened, as a
// modal dialog, so nothing of it exists while the window only shows its charts.
//
// Each Execute goes through a replaceable handler first, so that tests and
// scripts answer a dialog instead of blocking on it.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

class TSaveDialog : public QObject {
public:
    // Answers Execute in place of the real dialog: returns whether it was
    // accepted and may choose a file with SetSelectedFile.
    using THandler = std::function<bool(TSaveDialog&)>;

    explicit TSaveDialog(QObject* parent = nullptr);

    [[nodiscard]] QString defaultSuffix() const { return m_defaultSuffix; }
    void setDefaultSuffix(const QString& suffix) { m_defaultSuffix = suffix; }
    [[nodiscard]] QStringList nameFilters() const { return m_nameFilters; }
    void setNameFilters(const QStringList& filters) { m_nameFilters = filters; }
    [[nodiscard]] QString directory() const { return m_directory; }
    void setDirectory(const QString& directory) { m_directory = directory; }
    // The file chosen by the last Execute.
    [[nodiscard]] QString selectedFile() const { return m_selectedFile; }
    void SetSelectedFile(const QString& file) { m_selectedFile = file; }
    // True only while the real dialog is open.
    [[nodiscard]] bool isVisible() const { return m_visible; }
    // A modal file dialog created now; true when accepted.
    bool Execute(QWidget* parent);

    // Installs a handler (an empty one restores the real dialog); returns the previous one.
    static THandler SetHandler(THandler handler);

private:
    QString m_defaultSuffix;
    QStringList m_nameFilters;
    QString m_directory;
    QString m_selectedFile;
    bool m_visible = false;
};

class TPrintDialog : public QObject {
public:
    // Answers Execute in place of the real dialog; may set up the printer.
    using THandler = std::function<bool(TPrintDialog&, QPrinter&)>;

    using QObject::QObject;

    [[nodiscard]] int Copies() const { return m_copies; }
    void SetCopies(int copies) { m_copies = copies; }
    // A modal print dialog for printer, created now; true when accepted.
    bool Execute(QWidget* parent, QPrinter& printer);

    static THandler SetHandler(THandler handler);

private:
    int m_copies = 1;
};
