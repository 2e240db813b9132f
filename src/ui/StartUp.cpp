#include "StartUp.h"
#include "TaskSettings.h"

#include <QApplication>
#include <QDir>

namespace palvane {

StartUp::StartUp(Prompter& prompter, const QStringList& arguments) : m_prompter(prompter), m_arguments(arguments) {}

StartUp::~StartUp()
{
    // The windows hold the data module's cursors; they go first.
    m_names.reset();
    m_tasks.reset();
    m_dm.reset();
}

void StartUp::LoadIniValues()
{
    LoadIni(iniFilePath(m_home->path()), m_ini, m_prompter);
    m_tasks->VolMultPow = m_ini.VolMultPow;
    // The remembered task, the settings a new task copies and a task's own settings.
    connectDataModule(*m_dm, m_ini);
}

void StartUp::SaveIniValues()
{
    m_ini.VolMultPow = m_tasks->VolMultPow;
    SaveIniAtExit(iniFilePath(m_home->path()), m_ini, *m_dm, m_prompter);
}

bool StartUp::run(bool show)
{
    if (splash) {
        splash->show();
        splash->repaint();
    }
    QApplication::setApplicationDisplayName(applicationTitle());

    const QString homePath = HomeFolder::resolve(m_arguments);
    m_home = std::make_unique<HomeFolder>(homePath.isEmpty() ? QDir::currentPath() : homePath);
    m_dm = std::make_unique<TDMForm>(&m_prompter);
    m_tasks = std::make_unique<TTasksForm>(*m_dm, m_prompter);
    m_tasks->loadIni = [this] {
        if (loadIni)
            loadIni(*m_tasks, *m_dm, *m_home);
        else
            LoadIniValues();
    };
    m_tasks->saveIni = [this] {
        if (saveIni)
            saveIni(*m_tasks, *m_dm, *m_home);
        else
            SaveIniValues();
    };
    const bool created = m_tasks->FormCreate(*m_home) == TTasksForm::CreateResult::Ok;
    QCoreApplication::processEvents();
    if (!created) {
        if (splash)
            splash->hide();
        return false;
    }

    if (createViewOptions)
        createViewOptions(*this);
    // The data module opens the tables and makes the remembered task current.
    if (!m_dm->DataModuleCreate() || !m_dm->DatabaseReady) {
        if (splash)
            splash->hide();
        return false;
    }
    m_tasks->CurrSolutState();
    m_tasks->ShowTotals();

    m_names = std::make_unique<TNameForm>(*m_dm, m_prompter, m_tasks.get());
    m_tasks->setNameForm(m_names.get());
    if (createWindows)
        createWindows(*this);

    // Without a printer the reports can still be written as PDF files, so only a failed
    // preparation makes them unavailable.
    m_tasks->ReportsUnavailable = false;
    if (prepareReports && !prepareReports())
        m_tasks->ReportsUnavailable = true;

    if (splash)
        splash->hide();
    if (show)
        m_tasks->show();
    return true;
}

} // namespace palvane
