#include "CliReports.h"

#include "CliCommands.h"
#include "Store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace palvane {

namespace {

QString tr(const char* text) { return CliTexts::tr(text); }

QString quoted(const std::string& s) { return QLatin1Char('"') + QString::fromStdString(s) + QLatin1Char('"'); }

QString percent(double part, double whole)
{
    return QString::number(whole != 0 ? part / whole * 100.0 : 0.0, 'f', 2);
}

} // namespace

bool taskList(Store& store, QString& text, QString& error)
{
    QSqlQuery q(store.database());
    if (!q.exec(QStringLiteral("SELECT t.TaskID, t.Name, t.Solut, "
                               "(SELECT COALESCE(SUM(Avail), 0) FROM tc WHERE tc.TaskID = t.TaskID), "
                               "(SELECT COALESCE(SUM(Total), 0) FROM tb WHERE tb.TaskID = t.TaskID) "
                               "FROM tasks t ORDER BY t.TaskID"))) {
        error = q.lastError().text();
        return false;
    }
    QTextStream out(&text);
    int count = 0;
    while (q.next()) {
        ++count;
        out << QStringLiteral("%1  %2  %3  %4 %5  %6 %7")
                   .arg(q.value(0).toLongLong(), 5)
                   .arg(q.value(1).toString(), -25)
                   .arg(q.value(2).toInt() != 0 ? tr("solved") : tr("not solved"), -10)
                   .arg(q.value(3).toLongLong(), 3)
                   .arg(tr("containers"))
                   .arg(q.value(4).toLongLong(), 4)
                   .arg(tr("boxes"))
            << '\n';
    }
    if (count == 0)
        out << tr("No tasks") << '\n';
    return true;
}

QString solveSummary(const PackWorkspace& ws, const SolveOutcome& outcome)
{
    const PackPlan& plan = ws.ResultPlan;
    QString text;
    QTextStream out(&text);
    out << tr("Task %1 solved: %2 containers used, %3 boxes placed, %4 left")
               .arg(outcome.taskId)
               .arg(plan.UsedConts)
               .arg(plan.PlacedBoxes)
               .arg(ws.BoxCount - plan.PlacedBoxes)
        << '\n';
    out << tr("Area utilisation %1 %, weight utilisation %2 %")
               .arg(QString::number(plan.AreaEff * 100.0, 'f', 2), QString::number(plan.WeightEff * 100.0, 'f', 2))
        << '\n';
    out << tr("Score %1").arg(QString::number(plan.Score, 'f', 4)) << '\n';
    QString run = tr("Run %1 sec").arg(QString::fromLatin1(ws.ElapsedText.c_str()));
    if (outcome.aborted)
        run += QLatin1Char(' ') + tr("(aborted, best plan so far stored)");
    else if (outcome.stopped)
        run += QLatin1Char(' ') + tr("(time limit reached, best plan so far stored)");
    out << run << '\n';
    return text;
}

QString storedPlanReport(const TaskRows& rows)
{
    QString text;
    QTextStream out(&text);
    out << tr("Task %1 %2: %3")
               .arg(rows.task.TaskID)
               .arg(quoted(rows.task.Name))
               .arg(rows.task.Solut ? tr("solved %1").arg(QString::fromStdString(rows.task.Date)) : tr("not solved"))
        << '\n';
    if (rows.solut.empty()) {
        out << tr("No stored plan") << '\n';
        return text;
    }
    out << '\n'
        << QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8  %9  %10")
               .arg(tr("Cont"), 4)
               .arg(tr("Type"), -25)
               .arg(tr("Boxes"), 5)
               .arg(tr("Weight"), 8)
               .arg(tr("Area"), 12)
               .arg(tr("Nose"), 8)
               .arg(tr("Tail"), 8)
               .arg(tr("Wgt%"), 7)
               .arg(tr("Area%"), 7)
               .arg(tr("Fixed"))
        << '\n';
    for (const SolutRow& s : rows.solut) {
        double loadWt = 0;
        double wolume = 0;
        for (const TcRow& t : rows.tc) {
            if (t.TypeID == s.TypeID) {
                loadWt = t.LoadWt;
                wolume = t.Wolume;
            }
        }
        out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8  %9  %10")
                   .arg(s.ContNo, 4)
                   .arg(QString::fromStdString(s.Type), -25)
                   .arg(s.BoxLoad, 5)
                   .arg(s.WgtLoad, 8)
                   .arg(QString::number(s.WolLoad, 'f', 0), 12)
                   .arg(s.NoseLoad, 8)
                   .arg(s.TailLoad, 8)
                   .arg(percent(s.WgtLoad, loadWt), 7)
                   .arg(percent(s.WolLoad, wolume), 7)
                   .arg(s.FixCont ? tr("yes") : tr("no"))
            << '\n';
    }
    out << '\n'
        << QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8")
               .arg(tr("Box"), 4)
               .arg(tr("Kind"), -25)
               .arg(tr("Cont"), 4)
               .arg(tr("X"), 6)
               .arg(tr("Y"), 6)
               .arg(tr("Length"), 6)
               .arg(tr("Width"), 6)
               .arg(tr("Load"), 4)
        << '\n';
    for (const SolutRow& s : rows.solut) {
        for (const PositRow& p : s.posit) {
            out << QStringLiteral("%1  %2  %3  %4  %5  %6  %7  %8")
                       .arg(p.BoxNo, 4)
                       .arg(QString::fromStdString(p.Kind), -25)
                       .arg(p.ContNo, 4)
                       .arg(p.PosX, 6)
                       .arg(p.PosY, 6)
                       .arg(p.PosLh, 6)
                       .arg(p.PosWh, 6)
                       .arg(p.LoadNo, 4)
                << '\n';
        }
    }
    return text;
}

} // namespace palvane
