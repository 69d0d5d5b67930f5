#include "Dialogs.h"

#include <QFileDialog>
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

bool TSaveDialog::Execute(QWidget* parent) {
    if (const THandler& handler = SaveHandler())
        return handler(*this);
    QFileDialog dialog(parent);
    dialog.setObjectName(objectName());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(m_defaultSuffix);
    dialog.setNameFilters(m_nameFilters);
    dialog.setDirectory(m_directory);
    if (!m_selectedFile.isEmpty())
        dialog.selectFile(m_selectedFile);
    m_visible = true;
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    m_visible = false;
    if (accepted) {
        m_selectedFile = dialog.selectedFiles().constFirst();
        m_directory = dialog.directory().absolutePath();
    }
    return accepted;
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
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(objectName());
    return dialog.exec() == QDialog::Accepted;
}

TPrintDialog::THandler TPrintDialog::SetHandler(THandler handler) {
    THandler previous = std::move(PrintHandler());
    PrintHandler() = std::move(handler);
    return previous;
}
