#pragma once
// The engine's view of the task tables. The data layer reads the rows of one task into these
// plain records and stores the rows the engine hands back; the engine never sees the store.
//
// Row order is part of the contract: tc rows by TypeID, tb rows by KindID (the tables' index
// order, which numbers the engine's types, kinds, containers and boxes), solut rows by ContNo,
// and the distr and posit rows of each solut row in the order they were stored.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace palvane {

// The task's optimiser fields as a tasks row stores them (Qw packs the weight factor and
// 100 x the bind group factor).
struct TaskSolveFields {
    std::int16_t Power = 5;
    std::int16_t Time = 555;
    std::int16_t Rand = 1;
    std::int16_t Qw = 0;
    std::int16_t Qc = 0;
    std::int16_t Qr = 0;
    std::int16_t BB = 0;
    std::int16_t BW = 0;
    bool Last = true;
};

// The tasks row of the task being solved.
struct TaskRecord {
    std::int32_t TaskID = 0;
    std::string Name;
    bool Solut = false;
    bool TurnOn = false;
    bool DefltOn = false;
    TaskSolveFields solve;
    std::string Date; // ISO YYYY-MM-DD, empty when never solved
};

// One tc row joined with the fields of its container type in conts.
struct TcRow {
    std::int32_t TypeID = 0;
    std::int16_t Avail = 0;
    std::int16_t Used = 0;
    double Cost = 0;
    std::string Type; // conts.Type
    std::string Mark;
    std::int16_t Length = 0;
    std::int16_t Width = 0;
    std::int32_t LoadWt = 0;
    std::string FillDir;
    std::int32_t NoseWt = 0;
    std::int32_t TailWt = 0;
    std::int16_t NoseDL = 0;
    std::int16_t TailDL = 0;
    double Wolume = 0; // Length x Width
};

// One tb row joined with the fields of its box kind in boxes.
struct TbRow {
    std::int32_t KindID = 0;
    std::int16_t Total = 0;
    std::int16_t Placed = 0;
    double Cost = 0;
    std::string Kind; // boxes.Kind
    std::string Mark;
    std::int16_t Length = 0;
    std::int16_t Width = 0;
    std::int32_t Weight = 0;
    bool TurnOn = false;
    double Wolume = 0; // Length x Width
};

// One distr row: boxes of one kind in one solution container.
struct DistrRow {
    std::int16_t ContNo = 0;
    std::int32_t KindID = 0;
    std::int16_t Placed = 0;
};

// One posit row: one placed box.
struct PositRow {
    std::int16_t ContNo = 0;
    std::int16_t BoxNo = 0;
    std::int32_t KindID = 0;
    std::int16_t PosX = 0;
    std::int16_t PosY = 0;
    std::int16_t PosLh = 0;
    std::int16_t PosWh = 0;
    std::int16_t LoadNo = 0;
    std::string Kind; // looked up from boxes when read; not written
};

// One solut row (one container of the stored solution) with its distr and posit rows.
struct SolutRow {
    std::int16_t ContNo = 0;
    std::int32_t TypeID = 0;
    std::int16_t BoxLoad = 0;
    std::int32_t WgtLoad = 0;
    double WolLoad = 0;
    bool FixCont = false;
    double CostLoad = 0;
    std::int32_t NoseLoad = 0;
    std::int32_t TailLoad = 0;
    std::string Type; // looked up from conts when read; not written
    std::vector<DistrRow> distr;
    std::vector<PositRow> posit;
};

// Everything the engine reads of one task.
struct TaskRows {
    TaskRecord task;
    std::vector<TcRow> tc;
    std::vector<TbRow> tb;
    std::vector<SolutRow> solut;
};

// The rows a write-back stores. The sink deletes every solut, distr and posit row of the task
// and writes these in the same transaction.
struct SolutionWrite {
    TaskSolveFields solve;                                       // the settings the plan was made with
    std::string date;                                            // tasks.Date, ISO YYYY-MM-DD
    std::vector<std::pair<std::int32_t, std::int16_t>> tcUsed;   // (TypeID, Used) per tc row
    std::vector<std::pair<std::int32_t, std::int16_t>> tbPlaced; // (KindID, Placed) per tb row
    std::vector<SolutRow> solut; // distr and posit rows are in the two lists below
    std::vector<DistrRow> distr;
    std::vector<PositRow> posit;
};

// The changes of a cleared solution, stored as one transaction: the non-fixed containers go
// with their distr and posit rows, the counts are set and the task is marked unsolved.
struct SolutionClear {
    std::vector<std::int16_t> removedContNos; // solut rows with FixCont false
    std::vector<std::pair<std::int32_t, std::int16_t>> tcUsed;
    std::vector<std::pair<std::int32_t, std::int16_t>> tbPlaced;
};

// Outcome of a row operation. Failures carry a one-line message for the user.
enum class RowsStatus {
    Ok,
    NoTask, // the task does not exist
    Failed, // the store refused (busy, damaged, write error); nothing was changed
};

// Reads the rows of one task.
class TaskRowSource {
public:
    virtual ~TaskRowSource() = default;
    // Fills rows with the task, its tc and tb rows and its stored solution.
    virtual RowsStatus readTask(std::int32_t taskId, TaskRows& rows, std::string& error) = 0;
};

// Stores the engine's results. Each call is one unit: it happens wholly or not at all.
class SolutionSink {
public:
    virtual ~SolutionSink() = default;
    // Replaces the task's stored solution with the given rows and marks the task solved.
    virtual RowsStatus replaceSolution(std::int32_t taskId, const SolutionWrite& rows,
                                       std::string& error) = 0;
    // Removes the non-fixed part of the stored solution and marks the task unsolved.
    virtual RowsStatus clearSolution(std::int32_t taskId, const SolutionClear& rows, std::string& error) = 0;
};

// Messages the engine shows while it works. The receiver formats the text in the active
// language and shows it as a message box with one OK button.
enum class EngineMessage {
    ContainerFixDeficit, // warning "Container to fix deficit for:", the type, "Its fixing omited"
    BoxFixDeficit,       // warning "Box to fix deficit for:", the kind, "Its fixing omited"
    ContFixError,        // error "ContFix Error "
    BoxFixError,         // error "BoxFix Error "
};

// Receiver of the engine's messages.
class EngineMessageSink {
public:
    virtual ~EngineMessageSink() = default;
    // subject is the type or kind name the message is about (empty for the two errors).
    virtual void show(EngineMessage message, const std::string& subject) = 0;
};

} // namespace palvane
