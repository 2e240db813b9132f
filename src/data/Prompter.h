#pragma once
// Message boxes as an injectable service: rules and commands ask through a Prompter, the desktop
// program answers with real message boxes, tests answer from a script.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

namespace palvane {

enum class PromptKind { Information, Warning, Error, Confirmation };
// Button sets; YesNoNoToAllYesToAll is the Box Library's Clear question (Yes, No, No to All,
// Yes to All).
enum class PromptButtons { Ok, OkCancel, OkIgnore, YesNo, YesNoAllYesToAll, YesNoNoToAllYesToAll };
enum class PromptAnswer { Ok, Cancel, Ignore, Yes, No, All, YesToAll, NoToAll };

// Shows one message box and returns the button pressed. Texts may hold '\r' for line breaks.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(PromptKind kind, const QString& text, PromptButtons buttons,
                             const QString& title = QString()) = 0;
};

// The answer that goes on with the command: Yes where the buttons ask a question, else Ok.
inline PromptAnswer goOnAnswer(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::YesNo:
    case PromptButtons::YesNoAllYesToAll:
    case PromptButtons::YesNoNoToAllYesToAll:
        return PromptAnswer::Yes;
    default:
        return PromptAnswer::Ok;
    }
}

// One asked message, as recorded by the scripted prompter.
struct PromptRecord {
    PromptKind kind;
    QString text;
    PromptButtons buttons;
    QString title;
};

// Answers from a queue (the default answer when it is empty) and records every message.
class ScriptedPrompter : public Prompter {
public:
    PromptAnswer ask(PromptKind kind, const QString& text, PromptButtons buttons,
                     const QString& title = QString()) override {
        asked.push_back({kind, text, buttons, title});
        if (whileAsking)
            whileAsking(asked.back());
        if (answers.empty())
            return goOnAnswer(buttons);
        PromptAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<PromptAnswer> answers;
    std::deque<PromptRecord> asked;
    // Runs while a message is asked, as a real message box would be up (window tests show a
    // modal window there, which takes the focus as a message box does).
    std::function<void(const PromptRecord&)> whileAsking;
};

} // namespace palvane
