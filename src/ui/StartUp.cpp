#include "StartUp.h"
#include "LanguageSwitch.h"
#include "ProgramSwitches.h"
#include "TaskSettings.h"

#include <QApplication>
#include <QDir>

namespace palvane {

StartUp::StartUp(Prompter& prompter, const QStringList& arguments)
    : m_prompter(prompter, [this] { hideSplash(); }), m_arguments(arguments) {}

StartUp::~StartUp() {
    // The windows hold the data module's cursors; they go first.
    m_reports.reset();
    m_help.reset();
    m_distrForm.reset();
    m_solutForm.reset();
    m_tuneForm.reset();
    m_names.reset();
    m_boxForm.reset();
    m_cntForm.reset();
    m_optForm.reset();
    if (m_tasks)
        m_tasks->setWaitForm(nullptr);
    m_wait.reset();
    m_tasks.reset();
    m_dm.reset();
}

void StartUp::loadIniValues() {
    LanguageSwitch* language = LanguageSwitch::instance();
    // A home folder created just now has no settings file yet: the defaults, without a word.
    LoadIni(
        iniFilePath(m_home->path()), m_ini, m_prompter,
        [language](int code) { language->ApplyLanguage(false, code); }, !m_tasks->FirstStart);
    language->setLanguageCode(m_ini.LanguageCode);
    m_tasks->VolMultPow = m_ini.VolMultPow;
    // The remembered task, the settings a new task copies and a task's own settings.
    connectDataModule(*m_dm, m_ini);
}

void StartUp::saveIniValues() {
    m_ini.VolMultPow = m_tasks->VolMultPow;
    if (m_tuneForm)
        m_ini.view = m_tuneForm->savedValues();
    m_ini.LanguageCode = LanguageSwitch::instance()->LanguageCode();
    SaveIniAtExit(iniFilePath(m_home->path()), m_ini, *m_dm, m_prompter);
}

void StartUp::setBlockingModals(bool on) {
    m_blockingModals = on;
    if (m_distrForm)
        m_distrForm->blockingModal = on;
}

void StartUp::hideSplash() {
    if (m_splash)
        m_splash->hide();
    m_splash.reset();
}

bool StartUp::run(bool show) {
    // 1. The splash window before any other window.
    if (showSplash) {
        m_splash = std::make_unique<SplashWindow>();
        m_splash->showAndPaint();
    }
    // 2. The application title is applicationTitle(); window captions built at run time start
    // with it.

    // 3. The Task Page; its creation checks the home folder, loads the settings and checks the
    // database directories.
    const QString homePath = HomeFolder::resolve(m_arguments);
    m_home = std::make_unique<HomeFolder>(homePath.isEmpty() ? QDir::currentPath() : homePath);
    m_dm = std::make_unique<TDMForm>(&m_prompter);
    ProgramSwitches* switches = ProgramSwitches::instance();
    m_dm->WarnsCheck = switches->warnsOn();
    QObject::connect(switches, &ProgramSwitches::warnsChanged, m_dm.get(),
                     [dm = m_dm.get()](bool on) { dm->WarnsCheck = on; });
    m_tasks = std::make_unique<TTasksForm>(*m_dm, m_prompter);
    m_tasks->loadIni = [this] {
        if (loadIni)
            loadIni(*m_tasks, *m_dm, *m_home);
        else
            loadIniValues();
    };
    m_tasks->saveIni = [this] {
        if (saveIni)
            saveIni(*m_tasks, *m_dm, *m_home);
        else
            saveIniValues();
    };
    m_help = std::make_unique<HelpHook>(m_tasks.get());
    m_help->setInstalled(true);
    const bool created = m_tasks->FormCreate(*m_home) == TTasksForm::CreateResult::Ok;
    QCoreApplication::processEvents();
    if (!created) {
        hideSplash();
        return false;
    }

    // 4. View Options, then the data module, which opens the tables and makes the remembered
    // task current.
    m_tuneForm = std::make_unique<TTuneForm>(m_tasks.get());
    QObject::connect(m_dm.get(), &TDMForm::viewOptionsResetRequested, m_tuneForm.get(),
                     [tune = m_tuneForm.get()] { tune->NormalTracks(false); });
    if (createViewOptions)
        createViewOptions(*this);
    if (!m_dm->DataModuleCreate() || !m_dm->DatabaseReady) {
        hideSplash();
        return false;
    }
    m_tasks->CurrSolutState();
    m_tasks->showTotals();
    // A home folder created now opens on its sample task with "Load task specific" chosen by
    // default: the task's own settings become the active ones, as when a task is chosen.
    if (m_tasks->FirstStart && m_ini.settings.TaskOptSet)
        LoadTaskSettings(m_ini.settings, m_dm->tasks());

    // 5. The other windows, in their order.
    if (createWindows)
        createWindows(*this);
    m_wait = std::make_unique<TWaitForm>();
    m_tasks->setWaitForm(m_wait.get());
    m_names = std::make_unique<TNameForm>(*m_dm, m_prompter, m_tasks.get());
    m_tasks->setNameForm(m_names.get());
    m_cntForm = std::make_unique<TCntForm>(*m_dm, m_prompter, *m_tasks, m_tasks.get());
    m_boxForm = std::make_unique<TBoxForm>(*m_dm, m_prompter, *m_tasks, m_tasks.get());
    m_boxForm->setImportSettings(&m_ini);
    m_boxForm->setImportFolder(m_home->importFolder());
    QObject::connect(m_tasks.get(), &TTasksForm::containerLibraryRequested, m_cntForm.get(),
                     &TCntForm::showModal);
    QObject::connect(m_tasks.get(), &TTasksForm::boxLibraryRequested, m_boxForm.get(), &TBoxForm::showModal);
    m_optForm = std::make_unique<TOptForm>(*m_dm, m_ini.settings, m_prompter, m_tasks.get());
    QObject::connect(m_tasks.get(), &TTasksForm::settingsRequested, m_optForm.get(), &TOptForm::showSettings);
    m_solutForm =
        std::make_unique<TSolutForm>(*m_dm, m_prompter, *m_tasks, m_home->exportFolder(), m_tasks.get());
    m_solutForm->rebuildPlan = [page = m_tasks.get()] { page->UpdatePositTT(); };
    m_distrForm =
        std::make_unique<TDistrForm>(*m_dm, *m_tasks, *m_tuneForm, m_ini.view, m_prompter, m_tasks.get());
    m_distrForm->blockingModal = m_blockingModals;
    QObject::connect(m_tasks.get(), &TTasksForm::solutionRequested, m_solutForm.get(), [this] {
        if (m_blockingModals) {
            m_solutForm->showModal();
        } else {
            m_solutForm->setModal(true);
            m_solutForm->show();
        }
    });
    QObject::connect(m_tasks.get(), &TTasksForm::viewRequested, m_distrForm.get(), &TDistrForm::showModal);
    QObject::connect(m_solutForm.get(), &TSolutForm::chartRequested, m_distrForm.get(),
                     &TDistrForm::showModal);
    m_ackno = new TAcknoForm(m_tasks.get());

    // 6. The reports, wired to the Print commands of the windows that exist; preparing them
    // needs a printer or PDF file output.
    m_reports = std::make_unique<ReportPrinter>(*m_dm, &m_prompter);
    m_reports->reportsFolder = m_home->reportsFolder();
    m_reports->connectWindows(m_tasks.get(), m_cntForm.get(), m_boxForm.get(), m_solutForm.get(),
                              m_distrForm.get());
    m_reports->ReportsUnavailable = prepareReports && !prepareReports();

    // 7. and 8. The splash goes; the About window comes.
    hideSplash();
    m_about = new TAboutForm(m_tasks.get(), switches);
    m_tasks->HelpPopup->setWindows(m_about, m_ackno);

    if (show)
        m_tasks->show();
    return true;
}

} // namespace palvane
