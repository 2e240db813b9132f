#pragma once
// A started program on a temporary home folder with a scripted prompter: the Task Page, the data
// module and Select a Task over real table files, plus helpers for messages and screenshots.
#include "Prompter.h"
#include "StartUp.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
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
        // Print commands cancel the printer set-up instead of waiting for a modal dialog.
        if (startUp->reports())
            startUp->reports()->setupDialog = [](QPrinter&, QWidget*) { return false; };
        return started;
    }
    void stop() { startUp.reset(); }
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
