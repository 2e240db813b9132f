#pragma once
// The Box Library `TBoxForm`: the box kinds of the active database, with the quantities that
// can be copied into the current task, and the import menu.
#include "ChoiceDelegate.h"
#include "IniFile.h"
#include "LibraryForm.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QMenu>

namespace palvane {

class TBoxForm : public LibraryForm {
    Q_OBJECT
public:
    TBoxForm(TDMForm& dm, Prompter& prompter, TTasksForm& page, QWidget* parent = nullptr);

    // The stored import settings (order, separator, header) the menu shows and changes; the
    // menu works on its own copy while unset.
    void setImportSettings(IniValues* values) { m_imp = values ? values : &m_ownImp; }
    const IniValues& importSettings() const { return *m_imp; }
    // Creates the "impbox" folder and pops up the import menu beside ImpButton.
    void ImpButtonClick();
    // Sets the menu's check marks from the stored import settings.
    void showImportSettings();
    // The folder of import files and of the clipboard log ("impbox" in the working folder
    // until set).
    void setImportFolder(const QString& folder) { m_importFolder = folder; }
    QString importFolder() const { return m_importFolder; }
    // File import: opens the file dialog without blocking; the chosen file is imported.
    void ImpPopFileClick();
    // The import file dialog while it exists (tests choose a file through it), else null.
    QFileDialog* importDialog() const { return m_importDialog; }
    // Imports a file with the stored import settings.
    void importFile(const QString& path);
    // Clipboard import of the text on the application clipboard.
    void ImpPopClipClick();

    QPushButton* ImpButton;
    QMenu* ImpMenu;
    QAction *ImpPopAct, *ImpPopFile, *ImpPopClip, *ImpPopOrder, *ImpPopOrd0, *ImpPopOrd1, *ImpPopOrd2,
        *ImpPopOrd3, *ImpPopSeparat, *ImpPopSep0, *ImpPopSep1, *ImpPopHead;

signals:
    // The import entries: read box kinds from a file, paste them from the clipboard.
    void fileImportRequested();
    void clipboardImportRequested();

protected:
    QString clearQuestion(const QString& name) const override;
    PromptButtons clearButtons() const override { return PromptButtons::YesNoNoToAllYesToAll; }
    QString printQuestion() const override;
    void firstPlacement(int screenHeight, int* top, int* height) const override;
    void retranslate() override;
    void showEvent(QShowEvent* event) override;

private:
    void createImportMenu();
    QString m_importFolder = QStringLiteral("impbox");
    QFileDialog* m_importDialog = nullptr;
    IniValues m_ownImp;
    IniValues* m_imp = &m_ownImp;
};

} // namespace palvane
