#include "Dialogs.h"

#include <QFileInfo>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace {

TSaveDialog::THandler& SaveHandler() {
    static TSaveDialog::THandler handler;
    return handler;
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
    if (const THandler& handler = SaveHandler())
        return handler(*this);
    // On the heap and watched: closing the parent while the dialog runs
    // destroys the dialog with it.
    m_dialog = new QFileDialog(parent);
    m_dialog->setObjectName(objectName());
    m_dialog->setAcceptMode(QFileDialog::AcceptSave);
    m_dialog->setFileMode(QFileDialog::AnyFile);
    m_dialog->setDefaultSuffix(m_defaultSuffix);
    if (!m_nameFilters.isEmpty())
        m_dialog->setNameFilters(m_nameFilters);
    if (!m_directory.isEmpty())
        m_dialog->setDirectory(m_directory);
    const int result = m_dialog->exec();
    if (!m_dialog)
        return false;
    const QStringList files = m_dialog->selectedFiles();
    delete m_dialog;
    if (result != QDialog::Accepted || files.isEmpty())
        return false;
    m_selectedFile = files.constFirst();
    // Not every dialog (native ones, a name set from code) adds the suffix.
    if (!m_defaultSuffix.isEmpty() && QFileInfo(m_selectedFile).suffix().isEmpty())
        m_selectedFile += u'.' + m_defaultSuffix;
    m_directory = QFileInfo(m_selectedFile).absolutePath();
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
