#pragma once
// The engine's row interfaces over a task database: reads one task's rows (with the looked-up
// container type and box kind fields) and stores a solve result or a cleared solution, each as
// one transaction. Also the engine's messages shown through a Prompter.
#include "Prompter.h"
#include "TaskRows.h"

#include <QCoreApplication>
#include <QString>

namespace palvane {

class Store;

class EngineRows : public TaskRowSource, public SolutionSink {
    Q_DECLARE_TR_FUNCTIONS(palvane::EngineRows)
public:
    explicit EngineRows(Store& store);

    RowsStatus readTask(std::int32_t taskId, TaskRows& rows, std::string& error) override;
    RowsStatus replaceSolution(std::int32_t taskId, const SolutionWrite& rows, std::string& error) override;
    RowsStatus clearSolution(std::int32_t taskId, const SolutionClear& rows, std::string& error) override;

private:
    Store& m_store;
};

// The task's tc rows joined with their container types, in (TaskID, TypeID) order, and its tb
// rows joined with their box kinds, in (TaskID, KindID) order: the one reader of a task's lists
// for the engine and the totals. Every value is held within its field's definition; a type or
// kind missing from the library counts with empty and zero values. False with the store's
// message on a failure.
bool readTaskContainers(Store& store, std::int32_t taskId, std::vector<TcRow>& rows,
                        QString* error = nullptr);
bool readTaskBoxes(Store& store, std::int32_t taskId, std::vector<TbRow>& rows, QString* error = nullptr);

// Shows the engine's messages as message boxes with one OK button.
class PrompterMessages : public EngineMessageSink {
    Q_DECLARE_TR_FUNCTIONS(palvane::PrompterMessages)
public:
    explicit PrompterMessages(Prompter& prompter) : m_prompter(prompter) {}
    void show(EngineMessage message, const std::string& subject) override;
    // The text of a message, lines separated by '\r'.
    static QString text(EngineMessage message, const QString& subject);

private:
    Prompter& m_prompter;
};

} // namespace palvane
