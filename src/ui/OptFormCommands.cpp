// The Settings window's commands: showing the active and the task's settings, colouring the
// rows that differ, the up-downs, the switches, the defaults, the typed gaps and the placement.
#include "OptForm.h"
#include "WindowFit.h"

#include "TaskSettings.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QTimer>

namespace palvane {

namespace {

// The up-down of the bind group factor counts in tens.
int scaleOf(SettingField field) {
    return field == SettingField::Qg ? 10 : 1;
}

void setBackground(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, QPalette::Base, color);
    w->setPalette(p);
}

} // namespace

void TOptForm::ShowActiveSettings() {
    if (!m_created)
        return;
    for (SettingField f : AllSettingFields)
        m_active.setValue(f, ActiveSettings::range(f).clamp(m_active.value(f)));
    for (SettingField f : AllSettingFields) {
        UpDown* u = upDown(f);
        if (!u)
            continue;
        u->setPosition(m_active.value(f) * scaleOf(f));
        activeEdit(f)->setText(QString::number(u->position()));
    }
    m_active.Improve = ActiveSettings::improveRange().clamp(m_active.Improve);
    ImproveUpDn->setPosition(m_active.Improve);
    ImproveEdit->setText(QString::number(ImproveUpDn->position()));
    BBEdit->setText(QString::number(m_active.BB));
    BWEdit->setText(QString::number(m_active.BW));
    LastCheck->setChecked(m_active.Last);
    (m_active.TaskOptSet ? TaskRadio : KeepRadio)->setChecked(true);
    CurrOptSetColors();
}

void TOptForm::showTaskSettings() {
    const Cursor& tasks = m_dm.tasks();
    if (!tasks.isActive() || tasks.currentRow() < 0) {
        m_task.reset();
        for (SettingField f : AllSettingFields)
            taskEdit(f)->clear();
        LastCheckDB->setChecked(false);
        return;
    }
    m_task = taskSettings(tasks);
    for (SettingField f : AllSettingFields)
        taskEdit(f)->setText(QString::number(m_task->value(f)));
    QwEditDB->setText(paddedTaskFactor(m_task->Qw));
    QgEditDB->setText(paddedTaskFactor(m_task->Qg * 10));
    LastCheckDB->setChecked(m_task->Last);
}

void TOptForm::CurrOptSetColors() {
    if (!m_created)
        return;
    for (SettingField f : AllSettingFields) {
        const QColor color = m_task && m_active.differsFrom(*m_task, f) ? differsColor() : sameColor();
        setBackground(activeEdit(f), color);
        setBackground(taskEdit(f), color);
    }
}

bool TOptForm::rowDiffers(SettingField field) const {
    return activeEdit(field)->palette().color(QPalette::Active, QPalette::Base) == differsColor();
}

void TOptForm::LoadTaskSettings() {
    palvane::LoadTaskSettings(m_active, m_dm.tasks());
    showTaskSettings();
    ShowActiveSettings();
}

void TOptForm::upDownClick(SettingField field, int position) {
    m_active.setValue(field, qint16(position / scaleOf(field)));
    activeEdit(field)->setText(QString::number(position));
    CurrOptSetColors();
}

void TOptForm::ImproveUpDnClick(int position) {
    m_active.Improve = qint16(position);
    ImproveEdit->setText(QString::number(position));
}

void TOptForm::LastCheckClick() {
    m_active.Last = LastCheck->isChecked();
    CurrOptSetColors();
}

void TOptForm::TaskRadioClick() {
    m_active.TaskOptSet = true;
    LoadTaskSettings();
}

void TOptForm::KeepRadioClick() {
    m_active.TaskOptSet = false;
}

void TOptForm::DefltButtonClick() {
    m_active.restoreDefaults();
    ShowActiveSettings();
}

void TOptForm::CloseButtonClick() {
    close();
}

// ---- the typed gaps ----

SettingField TOptForm::gapField(const QLineEdit* edit) const {
    return edit == BWEdit ? SettingField::BW : SettingField::BB;
}

bool TOptForm::validateGapEdit(QLineEdit* edit) {
    // The refusal's own message box takes the activation; that is no second leave.
    if (m_validating)
        return false;
    QString normalized;
    const std::optional<qint16> value = parseGapText(edit->text(), &normalized);
    if (!value) {
        m_validating = true;
        m_prompter.ask(PromptKind::Error, gapRangeMessage(), PromptButtons::Ok);
        m_validating = false;
        // Queued: this may run inside the edit's own focus change.
        QTimer::singleShot(0, edit, [edit] { edit->setFocus(Qt::OtherFocusReason); });
        return false;
    }
    edit->setText(normalized);
    m_active.setValue(gapField(edit), *value);
    CurrOptSetColors();
    return true;
}

bool TOptForm::validateFocusedGap() {
    QWidget* focused = focusWidget();
    if (focused == BBEdit || focused == BWEdit)
        return validateGapEdit(static_cast<QLineEdit*>(focused));
    return true;
}

bool TOptForm::gapKey(QLineEdit* edit, int key) {
    const int slot = edit == BWEdit ? 1 : 0;
    if (key == Qt::Key_Escape) {
        if (!m_gapEntered[slot].isNull())
            edit->setText(m_gapEntered[slot]);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        (edit == BBEdit ? static_cast<QWidget*>(BWEdit) : CloseButton)->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

bool TOptForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != BBEdit && watched != BWEdit)
        return QDialog::eventFilter(watched, event);
    auto* edit = static_cast<QLineEdit*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn: {
        // The text to restore by Esc: the entered text when it is a valid gap.
        const QString text = edit->text().trimmed();
        bool ok = false;
        const int v = text.toInt(&ok);
        if (ok && v >= 0 && v <= MaxGap)
            m_gapEntered[edit == BWEdit ? 1 : 0] = text;
        break;
    }
    case QEvent::FocusOut: {
        // Deactivation is validated by changeEvent; a pop-up menu of the edit is no leave.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && isVisible())
            validateGapEdit(edit);
        break;
    }
    case QEvent::KeyPress:
        if (gapKey(edit, static_cast<QKeyEvent*>(event)->key()))
            return true;
        break;
    case QEvent::ShortcutOverride: {
        // Esc and Enter belong to the edit, not to the dialog's default keys.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)
            event->accept();
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

// ---- showing and closing ----

void TOptForm::showSettings() {
    const bool placing = m_page && m_page->reposition(RepositionWindow::Settings);
    place();
    showTaskSettings();
    CurrOptSetColors();
    show();
    // The layout may have made the window larger than the placement counted on.
    if (placing)
        keepOnScreen(this);
    raise();
    activateWindow();
}

void TOptForm::place() {
    if (!m_page || !m_page->reposition(RepositionWindow::Settings))
        return;
    QScreen* screen = m_page->screen() ? m_page->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    // The layout's minimum size may exceed the design size.
    layout()->activate();
    const QRect pageFrame = m_page->frameGeometry();
    const QSize size = isVisible() ? frameGeometry().size() : this->size();
    int left = pageFrame.x() + pageFrame.width() - 4;
    left = std::min(left, area.width() - size.width() - 2);
    int top = m_page->BoxesNavigator->mapToGlobal(QPoint(0, 0)).y();
    top = std::min(top, area.height() - size.height() - 30);
    move(std::max(left, 0), std::max(top, 0));
    CurrOptSetColors();
    m_page->clearReposition(RepositionWindow::Settings);
}

void TOptForm::closeEvent(QCloseEvent* event) {
    if (!validateFocusedGap()) {
        event->ignore();
        return;
    }
    CloseButton->setFocus(Qt::OtherFocusReason);
    QDialog::closeEvent(event);
}

void TOptForm::reject() {
    if (!validateFocusedGap())
        return;
    CloseButton->setFocus(Qt::OtherFocusReason);
    QDialog::reject();
}

} // namespace palvane
