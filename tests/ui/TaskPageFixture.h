#pragma once
// A started program on a temporary home folder with a scripted prompter: the Task Page, the data
// module and Select a Task over real table files, plus helpers for messages and screenshots.
#include "CliCommands.h"
#include "DatabaseAliases.h"
#include "HomeFolder.h"
#include "Prompter.h"
#include "StartUp.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <memory>

namespace palvane::test {

struct TaskPageFixture {
    QTemporaryDir tmp;
    ScriptedPrompter prompter;
    std::unique_ptr<StartUp> startUp;

    // Starts the program on the temporary home folder (first start creates the sample data).
    bool start(bool show = true) {
        startUp = std::make_unique<StartUp>(
            prompter, QStringList{QStringLiteral("palvane"), QStringLiteral("--home"), tmp.path()});
        const bool started = startUp->run(show);
        // Print commands cancel the printer set-up (or, without a printer, the choice of the PDF
        // file) instead of waiting for a modal dialog.
        if (startUp->reports()) {
            startUp->reports()->setupDialog = [](QPrinter&, QWidget*, const QString&) { return false; };
            startUp->reports()->chooseFile = [](QWidget*, const QString&) { return QString(); };
        }
        return started;
    }
    void stop() { startUp.reset(); }
    // Solves task 1 of the home folder with the command-line tool at intensity 1, so a window
    // test starts on a stored plan. A new home folder gets its databases and sample data first.
    bool solveSampleTask() {
        HomeFolder home(tmp.path());
        QString error;
        if (!prepareDatabases(home, nullptr, &error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        QString out, err;
        QTextStream o(&out), e(&err);
        CliContext context{o, e};
        const int rc =
            runCli({QStringLiteral("--home"), home.path(), QStringLiteral("solve"), QStringLiteral("--task"),
                    QStringLiteral("1"), QStringLiteral("--power"), QStringLiteral("1")},
                   context);
        if (rc != CliOk)
            qWarning("%s", qPrintable(err));
        return rc == CliOk;
    }
    // Starts the program on the sample task solved without its semitrailer, so the plan has
    // several containers; the first task is current and Warnings are off.
    bool startOnSolvedSampleOfSeveralContainers() {
        HomeFolder home(tmp.path());
        QString error;
        if (!prepareDatabases(home, nullptr, &error) || !start(false))
            return false;
        Cursor& tc = dm().tc();
        for (int row = 0; row < tc.rowCount(); ++row)
            if (tc.displayText(row, "Mark") == QStringLiteral("ST")) {
                if (!tc.moveTo(row) || !tc.remove())
                    return false;
                break;
            }
        stop();
        if (!solveSampleTask() || !start() || !dm().tasks().locate("TaskID", 1) ||
            dm().solut().rowCount() < 2)
            return false;
        dm().WarnsCheck = false;
        clearAsked();
        return true;
    }
    TTasksForm& page() { return *startUp->tasksForm(); }
    TDMForm& dm() { return *startUp->dataModule(); }
    // The texts of the messages asked since the last clear.
    QStringList asked() const {
        QStringList l;
        for (const PromptRecord& r : prompter.asked)
            l << r.text;
        return l;
    }
    void clearAsked() { prompter.asked.clear(); }
    // Saves a picture of a window into the test output folder.
    static bool screenshot(QWidget* w, const QString& name) {
        QDir().mkpath(QStringLiteral(PALVANE_TEST_OUT));
        return w->grab().save(QStringLiteral(PALVANE_TEST_OUT "/") + name);
    }
};

} // namespace palvane::test
