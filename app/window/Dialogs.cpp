#include "Dialogs.h"

#include <QFileInfo>

TSaveDialog::TSaveDialog(QObject* parent) : QObject(parent) {}

TSaveDialog::~TSaveDialog() = default;

bool TSaveDialog::isVisible() const {
    return m_dialog && m_dialog->isVisible();
}

bool TSaveDialog::Execute(QWidget* parent) {
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
