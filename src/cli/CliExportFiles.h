#pragma once
// The export command (CSV files, reports and the loading sheet as PDF, the layout drawing as SVG
// or PNG) and the data module it and the box import work on.
#include "DMForm.h"
#include "IniFile.h"
#include "Prompter.h"

#include <QTextStream>
#include <memory>

namespace palvane {

struct CliContext;
struct CliOptions;

// Messages of the data module as single lines on the error stream; every question is taken as
// confirmed (the command line asks nothing).
class CliPrompter : public Prompter {
public:
    explicit CliPrompter(QTextStream& err) : m_err(err) {}
    PromptAnswer ask(PromptKind kind, const QString& text, PromptButtons buttons,
                     const QString& title) override;

private:
    QTextStream& m_err;
};

// The data module over the command line's database, with the home folder's stored settings
// (area multiplier, import settings; the defaults with --db).
class CliDataModule {
public:
    explicit CliDataModule(CliContext& context);
    ~CliDataModule();
    // Opens the tables; false with a message.
    bool open(const CliOptions& options, QString& error);
    // Makes the task current; false with a message when there is no such task.
    bool makeCurrent(qint32 taskId, QString& error);
    TDMForm& dm() { return *m_dm; }
    Prompter& prompter() { return m_prompter; }
    const IniValues& settings() const { return m_settings; }

private:
    CliPrompter m_prompter;
    std::unique_ptr<TDMForm> m_dm;
    IniValues m_settings;
};

// The home folder's stored settings (korvan.ini), the defaults with --db or without a file.
IniValues cliStoredSettings(const CliOptions& options);

// Runs `export`; the exit status.
int exportFiles(const CliOptions& options, CliContext& context);

} // namespace palvane
