// The desktop program: starts up in order and runs the Task Page until it closes.
#include "ProgramIcon.h"
#include "StartUp.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// Message boxes of the program until a richer prompter is available.
class BoxPrompter : public palvane::Prompter {
public:
    palvane::PromptAnswer ask(palvane::PromptKind kind, const QString& text, palvane::PromptButtons buttons,
                              const QString& title) override
    {
        using palvane::PromptAnswer;
        using palvane::PromptButtons;
        QMessageBox box;
        box.setWindowTitle(title.isEmpty() ? palvane::applicationTitle() : title);
        QString shown = text;
        box.setText(shown.replace(QLatin1Char('\r'), QLatin1Char('\n')));
        switch (kind) {
        case palvane::PromptKind::Information: box.setIcon(QMessageBox::Information); break;
        case palvane::PromptKind::Warning: box.setIcon(QMessageBox::Warning); break;
        case palvane::PromptKind::Error: box.setIcon(QMessageBox::Critical); break;
        case palvane::PromptKind::Confirmation: box.setIcon(QMessageBox::Question); break;
        }
        switch (buttons) {
        case PromptButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case PromptButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case PromptButtons::OkIgnore: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Ignore); break;
        case PromptButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case PromptButtons::YesNoAllYesToAll:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll);
            box.addButton(QMessageBox::tr("All"), QMessageBox::AcceptRole);
            break;
        case PromptButtons::YesNoNoToAllYesToAll:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::NoToAll | QMessageBox::YesToAll);
            break;
        }
        const int r = box.exec();
        switch (r) {
        case QMessageBox::Ok: return PromptAnswer::Ok;
        case QMessageBox::Cancel: return PromptAnswer::Cancel;
        case QMessageBox::Ignore: return PromptAnswer::Ignore;
        case QMessageBox::Yes: return PromptAnswer::Yes;
        case QMessageBox::No: return PromptAnswer::No;
        case QMessageBox::YesToAll: return PromptAnswer::YesToAll;
        case QMessageBox::NoToAll: return PromptAnswer::NoToAll;
        default: break;
        }
        if (box.clickedButton() && box.buttonRole(box.clickedButton()) == QMessageBox::AcceptRole)
            return PromptAnswer::All;
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("palvane"));
    // Desktops match the windows to palvane.desktop for the name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("palvane"));
    QApplication::setWindowIcon(palvane::programIcon());
    BoxPrompter prompter;
    palvane::StartUp startUp(prompter, QApplication::arguments());
    if (!startUp.run())
        return 1;
    return app.exec();
}
