#pragma once
// The window's two dialog components. Each holds its properties from the
// window's construction on, but a real Qt dialog exists only while one is open:
// a Qt file dialog starts a file-system thread when created and stores its
// state in a settings file when destroyed, and the program writes nothing
// but the birthday file unless the user asks for more.
//
// Each Execute goes first through a replaceable handler, so that tests and
// scripts answer a dialog instead of blocking on it.
//
// A file chosen without one of the offered extensions gets that of the filter
// chosen; the real dialog adds it before it asks whether to replace a file.
// The real dialog starts in directory() only while that is an ordinary
// writable folder (see OrdinaryWritableFolder), else in the home folder.

#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;

class TSaveDialog : public QObject {
public:
    // Answers Execute in place of the real dialog: whether it was accepted;
    // it may choose the file with SetSelectedFile.
    using THandler = std::function<bool(TSaveDialog&)>;

    explicit TSaveDialog(QObject* parent = nullptr);
    ~TSaveDialog() override;

    [[nodiscard]] QString defaultSuffix() const { return m_defaultSuffix; }
    void setDefaultSuffix(const QString& suffix) { m_defaultSuffix = suffix; }
    [[nodiscard]] QStringList nameFilters() const { return m_nameFilters; }
    void setNameFilters(const QStringList& filters) { m_nameFilters = filters; }
    [[nodiscard]] QString selectedNameFilter() const { return m_selectedNameFilter; }
    void selectNameFilter(const QString& filter) { m_selectedNameFilter = filter; }
    [[nodiscard]] QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    [[nodiscard]] QString directory() const { return m_directory; }
    void setDirectory(const QString& directory) { m_directory = directory; }
    // Before Execute, the name suggested (a bare name goes into directory());
    // after an accepted one, the file chosen.
    [[nodiscard]] QString selectedFile() const { return m_selectedFile; }
    void SetSelectedFile(const QString& file) { m_selectedFile = file; }
    [[nodiscard]] bool isVisible() const;

    // Opens a modal file dialog for saving with the stored properties and
    // destroys it afterwards. True when the user accepted; selectedFile() is
    // then the chosen file with its extension, selectedNameFilter() the filter
    // chosen and directory() the folder the file lies in.
    bool Execute(QWidget* parent);
    // Execute for a file of one kind: the suffix and filters hold for this
    // opening only.
    bool ExecuteFor(QWidget* parent, const QString& suffix, const QStringList& filters);

    // The open dialog, or null; for tests that drive it.
    [[nodiscard]] QFileDialog* OpenDialog() const { return m_dialog; }

    // Installs a handler (an empty one restores the real dialog); returns the previous one.
    static THandler SetHandler(THandler handler);

    // The extension a filter such as "PNG image (*.png)" gives a file: its
    // first pattern's, without the dot; empty when it has none.
    [[nodiscard]] static QString FilterSuffix(const QString& filter);

private:
    bool ExecuteDialog(QWidget* parent);
    [[nodiscard]] QString SuffixToAdd() const;
    // Whether some filter, or the default suffix, has this extension.
    [[nodiscard]] bool Offers(const QString& suffix) const;

    QString m_defaultSuffix;
    QStringList m_nameFilters;
    QString m_selectedNameFilter;
    QString m_title;
    QString m_directory;
    QString m_selectedFile;
    QPointer<QFileDialog> m_dialog;
};

// Whether a save dialog may start in `folder`: an existing, writable folder
// of a file system that stores files. The kernel's own (/proc, /sys, /dev)
// hold files that block when read, and a file dialog reads what it lists.
[[nodiscard]] bool OrdinaryWritableFolder(const QString& folder);

// The print dialog component: its copies, and a modal Qt print dialog made
// for the time it is open.
class TPrintDialog : public QObject {
public:
    // Answers Execute in place of the real dialog; it may set up the printer.
    using THandler = std::function<bool(TPrintDialog&, QPrinter&)>;

    using QObject::QObject;
    [[nodiscard]] int Copies() const { return m_copies; }
    void SetCopies(int copies) { m_copies = copies; }

    // Gives the printer the copies, then asks the user; true when accepted.
    bool Execute(QWidget* parent, QPrinter& printer);

    static THandler SetHandler(THandler handler);

private:
    int m_copies = 1;
};
