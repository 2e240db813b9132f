// The Box Library's import commands: a file chosen in the import dialog, or the clipboard text.
#include "BoxForm.h"
#include "BoxImport.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>

namespace palvane {

void TBoxForm::ImpPopFileClick() {
    if (!m_importDialog) {
        m_importDialog = new QFileDialog(this);
        m_importDialog->setObjectName(QStringLiteral("ImportDialog"));
        m_importDialog->setOption(QFileDialog::DontUseNativeDialog);
        m_importDialog->setAcceptMode(QFileDialog::AcceptOpen);
        m_importDialog->setFileMode(QFileDialog::ExistingFile);
        m_importDialog->setDefaultSuffix(QStringLiteral("txt"));
        connect(m_importDialog, &QFileDialog::fileSelected, this, &TBoxForm::importFile);
    }
    QDir().mkpath(m_importFolder);
    m_importDialog->setWindowTitle(tr("Choose file to import new boxes into the library from.."));
    m_importDialog->setDirectory(m_importFolder);
    const QString all = tr("All files (*)");
    m_importDialog->setNameFilters(m_imp->ImpSepar == 1
                                       ? QStringList{tr("Quillo box import file (*.csv)"), all}
                                       : QStringList{tr("Quillo box import file (*.txt)"), all});
    m_importDialog->selectFile(QString());
    // Window-modal and not blocking: the chosen file arrives through fileSelected.
    m_importDialog->open();
}

void TBoxForm::importFile(const QString& path) {
    if (path.isEmpty())
        return;
    ImportBoxesFrom(m_dm, path, *m_imp, m_prompter);
}

void TBoxForm::ImpPopClipClick() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString text = data && data->hasText() ? data->text() : QString();
    PasteBoxes(m_dm, text, m_importFolder, *m_imp, m_prompter);
}

} // namespace palvane
