#pragma once
// The Container Library `TCntForm`: the container types of the active database, with the
// quantities that can be copied into the current task.
#include "ChoiceDelegate.h"
#include "LibraryForm.h"

namespace palvane {

class TCntForm : public LibraryForm {
    Q_OBJECT
public:
    TCntForm(TDMForm& dm, Prompter& prompter, TTasksForm& page, QWidget* parent = nullptr);

protected:
    QString clearQuestion(const QString& name) const override;
    PromptButtons clearButtons() const override { return PromptButtons::YesNo; }
    QString printQuestion() const override;
    void firstPlacement(int screenHeight, int* top, int* height) const override;
    void retranslate() override;
};

} // namespace palvane
