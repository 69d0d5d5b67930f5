#include "Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStorageInfo>

namespace {

TSaveDialog::THandler& SaveHandler() {
    static TSaveDialog::THandler handler;
    return handler;
}

const QRegularExpression& SuffixPattern() {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern;
}

TPrintDialog::THandler& PrintHandler() {
    static TPrintDialog::THandler handler;
    return handler;
}

}  // namespace

TSaveDialog::TSaveDialog(QObject* parent) : QObject(parent) {}

TSaveDialog::~TSaveDialog() = default;

bool TSaveDialog::isVisible() const {
    return m_dialog && m_dialog->isVisible();
}

bool TSaveDialog::Execute(QWidget* parent) {
    const THandler& handler = SaveHandler();
    if (!(handler ? handler(*this) : ExecuteDialog(parent)) || m_selectedFile.isEmpty())
        return false;
    // Handlers and native dialogs need not add the extension.
    if (const QString add = SuffixToAdd(); !Offers(QFileInfo(m_selectedFile).suffix()) && !add.isEmpty())
        m_selectedFile += (m_selectedFile.endsWith(u'.') ? QString() : QStringLiteral(".")) + add;
    m_directory = QFileInfo(m_selectedFile).absolutePath();
    return true;
}

bool TSaveDialog::ExecuteDialog(QWidget* parent) {
    // On the heap and watched: closing the parent while the dialog runs
    // destroys the dialog with it.
    m_dialog = new QFileDialog(parent);
    m_dialog->setObjectName(objectName());
    if (!m_title.isEmpty())
        m_dialog->setWindowTitle(m_title);
    m_dialog->setAcceptMode(QFileDialog::AcceptSave);
    m_dialog->setFileMode(QFileDialog::AnyFile);
    if (!m_nameFilters.isEmpty()) {
        m_dialog->setNameFilters(m_nameFilters);
        if (m_nameFilters.contains(m_selectedNameFilter))
            m_dialog->selectNameFilter(m_selectedNameFilter);
    }
    m_dialog->setDefaultSuffix(SuffixToAdd());
    QObject::connect(m_dialog, &QFileDialog::filterSelected, m_dialog, [dialog = m_dialog.data()](const QString& filter) {
        if (const QString suffix = FilterSuffix(filter); !suffix.isEmpty())
            dialog->setDefaultSuffix(suffix);
    });
    m_dialog->setDirectory(OrdinaryWritableFolder(m_directory) ? m_directory : QDir::homePath());
    // The name alone: a path would take the dialog to its folder, whatever that is.
    if (!m_selectedFile.isEmpty())
        m_dialog->selectFile(QFileInfo(m_selectedFile).fileName());
    const int result = m_dialog->exec();
    if (!m_dialog)
        return false;
    const QStringList files = m_dialog->selectedFiles();
    const QString filter = m_dialog->selectedNameFilter();
    delete m_dialog;
    if (result != QDialog::Accepted || files.isEmpty())
        return false;
    m_selectedFile = files.constFirst();
    if (!filter.isEmpty())
        m_selectedNameFilter = filter;
    return true;
}

bool TSaveDialog::ExecuteFor(QWidget* parent, const QString& suffix, const QStringList& filters) {
    const QString keptSuffix = m_defaultSuffix;
    const QStringList keptFilters = m_nameFilters;
    m_defaultSuffix = suffix;
    m_nameFilters = filters;
    const bool accepted = Execute(parent);
    m_defaultSuffix = keptSuffix;
    m_nameFilters = keptFilters;
    return accepted && !m_selectedFile.isEmpty();
}

QString TSaveDialog::SuffixToAdd() const {
    if (m_nameFilters.isEmpty())
        return m_defaultSuffix;
    return FilterSuffix(m_nameFilters.contains(m_selectedNameFilter) ? m_selectedNameFilter : m_nameFilters.constFirst());
}

bool TSaveDialog::Offers(const QString& suffix) const {
    if (suffix.isEmpty())
        return false;
    if (suffix.compare(m_defaultSuffix, Qt::CaseInsensitive) == 0)
        return true;
    for (const QString& filter : m_nameFilters) {
        for (auto it = SuffixPattern().globalMatch(filter); it.hasNext();) {
            if (suffix.compare(it.next().captured(1), Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QString TSaveDialog::FilterSuffix(const QString& filter) {
    return SuffixPattern().match(filter).captured(1);
}

bool OrdinaryWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isWritable())
        return false;
    static const QList<QByteArray> kernelFileSystems = {
        "proc",    "sysfs",    "devtmpfs", "devpts",   "debugfs", "tracefs", "securityfs", "cgroup",
        "cgroup2", "configfs", "efivarfs", "pstore",   "bpf",     "fusectl", "mqueue",     "binfmt_misc"};
    return !kernelFileSystems.contains(QStorageInfo(info.absoluteFilePath()).fileSystemType());
}

TSaveDialog::THandler TSaveDialog::SetHandler(THandler handler) {
    THandler previous = std::move(SaveHandler());
    SaveHandler() = std::move(handler);
    return previous;
}

bool TPrintDialog::Execute(QWidget* parent, QPrinter& printer) {
    printer.setCopyCount(m_copies);
    if (const THandler& handler = PrintHandler())
        return handler(*this, printer);
    // On the heap and watched, like the save dialog.
    QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, parent);
    dialog->setObjectName(objectName());
    const int result = dialog->exec();
    if (!dialog)
        return false;
    delete dialog;
    return result == QDialog::Accepted;
}

TPrintDialog::THandler TPrintDialog::SetHandler(THandler handler) {
    THandler previous = std::move(PrintHandler());
    PrintHandler() = std::move(handler);
    return previous;
}
