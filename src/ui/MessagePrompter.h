#pragma once
// The desktop program's prompter: every question and message of the rules and commands shown
// as a real message box with its kind's icon and its button set.
#include "Prompter.h"

#include <QMessageBox>
#include <QPointer>
#include <functional>

class QWidget;

namespace palvane {

class MessagePrompter : public Prompter {
public:
    // Runs a built message box in place of exec(): it may look at the box and click one of its
    // buttons (QAbstractButton::click()); the button clicked is the answer. Tests use it.
    using ExecHook = std::function<void(QMessageBox& box)>;

    // Boxes are centred over parent (may be null: over the active window).
    explicit MessagePrompter(QWidget* parent = nullptr);

    // Shows the box modally and returns the button pressed. A box closed without a button (Esc
    // where the set has no cancelling button) answers with the set's safe choice: Cancel, No,
    // Ignore or OK.
    PromptAnswer ask(PromptKind kind, const QString& text, PromptButtons buttons,
                     const QString& title = QString()) override;

    // Replaces exec() for the next boxes (an empty hook restores exec()).
    void setExecHook(ExecHook hook) { m_hook = std::move(hook); }
    void setParent(QWidget* parent) { m_parent = parent; }

    // Builds the box for a message without showing it: icon, title (the application title when
    // empty), text with carriage returns as line breaks, the buttons in their order with the first
    // as default. The caller owns the box.
    static QMessageBox* buildBox(PromptKind kind, const QString& text, PromptButtons buttons,
                                 const QString& title, QWidget* parent);
    // The answer a clicked button stands for; null gives the set's safe choice.
    static PromptAnswer answerOf(const QMessageBox& box, const QAbstractButton* clicked,
                                 PromptButtons buttons);
    // The message text with every carriage return (and CR LF pair) turned into a line break.
    static QString displayText(const QString& text);

private:
    QPointer<QWidget> m_parent;
    ExecHook m_hook;
};

} // namespace palvane
