#pragma once
// The Settings window `TOptForm`: the active optimiser settings beside the current task's own
// copy, the choice whether a task's settings are loaded when it becomes current, the defaults,
// and a second page for the exchange database commands.
#include "ActiveSettings.h"
#include "DMForm.h"
#include "TaskExchange.h"
#include "TasksForm.h"
#include "UpDown.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace palvane {

class TOptForm : public QDialog {
    Q_OBJECT
public:
    // Edits `active` (the program's active settings, which must outlive the window) and shows
    // the current task of `dm` beside them. `page` places the window and may be null (then it
    // is also the parent).
    TOptForm(TDMForm& dm, ActiveSettings& active, Prompter& prompter, TTasksForm* page,
             QWidget* parent = nullptr);

    // Help context of the window.
    static constexpr int HelpContext = 13;

    // Sets the controls from the active settings, then `CurrOptSetColors`. Active values outside
    // their control's range are moved into it first, so the window shows what a Solve uses.
    void ShowActiveSettings();
    // Colours the rows whose active value differs from the current task's value.
    void CurrOptSetColors();
    // Copies the current task's settings into the active ones (when there are tasks), then
    // `ShowActiveSettings`.
    void LoadTaskSettings();
    // Shows the current task's fields in the Current Task column.
    void showTaskSettings();
    // Shows the window (placed beside the Task Page when the page asks for it) and activates it.
    void showSettings();

    // ---- commands ----
    void TaskRadioClick();
    void KeepRadioClick();
    void DefltButtonClick();
    void LastCheckClick();
    void ImproveUpDnClick(int position);
    void CloseButtonClick();
    // Validates a gap edit's text; true when it became the active value. A refused text shows
    // the range message and puts the focus back into the edit.
    bool validateGapEdit(QLineEdit* edit);

    // The background of a row whose active value differs from the task's, and of other rows.
    static QColor differsColor() { return QColor(255, 238, 238); }
    static QColor sameColor() { return QColor(Qt::white); }
    // The active up-down control, active edit and current task edit of a ranged field.
    UpDown* upDown(SettingField field) const;
    QLineEdit* activeEdit(SettingField field) const;
    QLineEdit* taskEdit(SettingField field) const;
    // True when the row is coloured as differing.
    bool rowDiffers(SettingField field) const;

    // ---- exchange page ----
    // Enables the exchange buttons by the active database and the task list, captions
    // ClearButton, and updates the Task Page's ExchLabel and Select a Task's Duplicate button.
    void ExchButtonsState();
    void AddButtonClick();
    void ExpButtonClick();
    void ImpButtonClick();
    void HomeButtonClick();
    void ClearButtonClick();
    // The exchange commands the page's buttons run (also Select a Task's Duplicate).
    TaskExchange& exchange() { return *m_exchange; }

    // ---- controls ----
    QTabWidget* PageControl;
    QLabel* Label13;
    QPushButton *AddButton, *ExpButton, *ImpButton, *HomeButton, *ClearButton;
    QWidget *OptSheet, *ExchSheet;
    QPushButton *CloseButton, *DefltButton;
    QLabel *ActiveLabel, *TaskLabel;
    QLabel *PowerLabel, *TimeLabel, *RandLabel, *QwLabel, *QcLabel, *QrLabel, *QgLabel, *LastLabel, *BBLabel,
        *BWLabel;
    QLineEdit *PowerEdit, *TimeEdit, *RandEdit, *QwEdit, *QcEdit, *QrEdit, *QgEdit, *BBEdit, *BWEdit;
    UpDown *PowerUpDn, *TimeUpDn, *RandUpDn, *QwUpDn, *QcUpDn, *QrUpDn, *QgUpDn;
    QLineEdit *PowerEditDB, *TimeEditDB, *RandEditDB, *QwEditDB, *QcEditDB, *QrEditDB, *QgEditDB, *BBEditDB,
        *BWEditDB;
    QCheckBox *LastCheck, *LastCheckDB;
    // The improvement stage's seconds (0 off); a program setting only, so no task column.
    QLabel* ImproveLabel;
    QLineEdit* ImproveEdit;
    UpDown* ImproveUpDn;
    QRadioButton *KeepRadio, *TaskRadio;

signals:
    // The window became the active window (the exchange page updates its buttons).
    void activated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void createControls();
    void layoutControls();
    void connectControls();
    void retranslate();
    void createExchangeControls();
    void connectExchange();
    void retranslateExchange();
    void exchangePageChanged(int index);
    void upDownClick(SettingField field, int position);
    void place();
    bool gapKey(QLineEdit* edit, int key);
    // Validates the gap edit that has the focus (if any); false when it refused its text.
    bool validateFocusedGap();
    SettingField gapField(const QLineEdit* edit) const;

    TDMForm& m_dm;
    ActiveSettings& m_active;
    Prompter& m_prompter;
    TTasksForm* m_page;
    // The window exists: before that ShowActiveSettings and CurrOptSetColors do nothing.
    bool m_created = false;
    // The current task's settings while there is a current task.
    std::optional<ActiveSettings> m_task;
    // The text a gap edit held when it was entered (restored by Esc).
    QString m_gapEntered[2];
    bool m_validating = false;
    TaskExchange* m_exchange = nullptr;
    bool m_focusHome = false;
    // Index of the page shown before the last page change.
    int m_shownPage = 0;
    // The row controls by field (index int(SettingField)); no up-down for the gaps.
    UpDown* m_upDn[9] = {};
    QLineEdit* m_edit[9] = {};
    QLineEdit* m_editDB[9] = {};
};

} // namespace palvane
