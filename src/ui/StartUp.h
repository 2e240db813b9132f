#pragma once
// The program's start-up in its fixed order: splash, application title, the Task Page's
// creation (home folder write check, settings, database directories, store check), the data
// module, the other windows, the reports' preparation; and the settings saved at the end.
#include "AboutForm.h"
#include "AcknoForm.h"
#include "BoxForm.h"
#include "CntForm.h"
#include "DMForm.h"
#include "DistrForm.h"
#include "HelpWindow.h"
#include "IniFile.h"
#include "NameForm.h"
#include "OptForm.h"
#include "ReportPrinter.h"
#include "SolutForm.h"
#include "SplashWindow.h"
#include "TasksForm.h"
#include "TuneForm.h"
#include "WaitForm.h"

#include <QStringList>
#include <functional>
#include <memory>

namespace palvane {

// Runs a step before every message box: the start-up hides its splash window there, so that no
// message box ever sits under the always-on-top splash.
class GuardedPrompter : public Prompter {
public:
    GuardedPrompter(Prompter& inner, std::function<void()> beforeAsk)
        : m_inner(inner), m_beforeAsk(std::move(beforeAsk)) {}
    PromptAnswer ask(PromptKind kind, const QString& text, PromptButtons buttons,
                     const QString& title = QString()) override {
        if (m_beforeAsk)
            m_beforeAsk();
        return m_inner.ask(kind, text, buttons, title);
    }

private:
    Prompter& m_inner;
    std::function<void()> m_beforeAsk;
};

class StartUp {
public:
    // `arguments` as QCoreApplication::arguments() gives them ("--home DIR" chooses the home
    // folder). Message boxes go through `prompter`, which must outlive the start-up object.
    StartUp(Prompter& prompter, const QStringList& arguments);
    ~StartUp();

    // Show the splash window while starting (the desktop program does; tests need not).
    bool showSplash = false;
    // Replace the reading and writing of the settings file (tests); unset, the file
    // "korvan.ini" of the home folder is loaded at start and saved at exit.
    std::function<void(TTasksForm&, TDMForm&, const HomeFolder&)> loadIni;
    std::function<void(TTasksForm&, TDMForm&, const HomeFolder&)> saveIni;
    // The values of the settings file, loaded during the Task Page's creation.
    IniValues& iniValues() { return m_ini; }
    // Creates the View Options window, which comes before the data module (optional).
    std::function<void(StartUp&)> createViewOptions;
    // Creates the windows later steps bring (libraries, Settings, Solution Page, Disposition),
    // before the progress window (optional).
    std::function<void(StartUp&)> createWindows;
    // Prepares the printed reports; false when one cannot be prepared. Unset, the reports are
    // taken as ready (tests); the program sets it to ReportPrinter::prepare.
    std::function<bool()> prepareReports;

    // The Solution Page and the Disposition window wait until closed when the Task Page opens
    // them; cleared (tests), they open modally and the command returns at once.
    void setBlockingModals(bool on);

    // Runs the start-up up to the main loop; true when the loop should run. The Task Page is
    // shown when `show` holds.
    bool run(bool show = true);

    const HomeFolder& home() const { return *m_home; }
    TDMForm* dataModule() const { return m_dm.get(); }
    TTasksForm* tasksForm() const { return m_tasks.get(); }
    TNameForm* nameForm() const { return m_names.get(); }
    TWaitForm* waitForm() const { return m_wait.get(); }
    TAboutForm* aboutForm() const { return m_about; }
    TAcknoForm* acknoForm() const { return m_ackno; }
    SplashWindow* splash() const { return m_splash.get(); }
    HelpHook* helpHook() const { return m_help.get(); }
    TBoxForm* boxForm() const { return m_boxForm.get(); }
    TCntForm* cntForm() const { return m_cntForm.get(); }
    TOptForm* optForm() const { return m_optForm.get(); }
    TTuneForm* tuneForm() const { return m_tuneForm.get(); }
    TSolutForm* solutForm() const { return m_solutForm.get(); }
    TDistrForm* distrForm() const { return m_distrForm.get(); }
    // The printed reports, created in the start-up step that prepares them.
    ReportPrinter* reports() const { return m_reports.get(); }
    Prompter& prompter() const { return m_prompter; }

private:
    void loadIniValues();
    void saveIniValues();
    void hideSplash();

    mutable GuardedPrompter m_prompter;
    QStringList m_arguments;
    IniValues m_ini;
    bool m_blockingModals = true;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<HomeFolder> m_home;
    std::unique_ptr<TDMForm> m_dm;
    std::unique_ptr<TTasksForm> m_tasks;
    std::unique_ptr<HelpHook> m_help;
    std::unique_ptr<TWaitForm> m_wait;
    std::unique_ptr<TNameForm> m_names;
    std::unique_ptr<TOptForm> m_optForm;
    std::unique_ptr<TTuneForm> m_tuneForm;
    std::unique_ptr<TSolutForm> m_solutForm;
    std::unique_ptr<TDistrForm> m_distrForm;
    TAcknoForm* m_ackno = nullptr; // owned by the Task Page
    TAboutForm* m_about = nullptr; // owned by the Task Page
    std::unique_ptr<TCntForm> m_cntForm;
    std::unique_ptr<TBoxForm> m_boxForm;
    std::unique_ptr<ReportPrinter> m_reports;
};

} // namespace palvane
