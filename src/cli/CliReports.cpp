#include "CliReports.h"

#include "CliTexts.h"
#include "Store.h"
#include "TableSchema.h"
#include "TaskTotals.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace palvane {

namespace {

QString tr(const char* text) {
    return CliTexts::tr(text);
}

QString shown(const std::string& s) {
    return printableText(QString::fromStdString(s));
}

QString quoted(const std::string& s) {
    return QLatin1Char('"') + shown(s) + QLatin1Char('"');
}

QString percent(double part, double whole) {
    return QString::number(whole != 0 ? part / whole * 100.0 : 0.0, 'f', 2);
}

} // namespace

QString printableText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\n')
            out += QLatin1String("\\n");
        else if (u == '\r')
            out += QLatin1String("\\r");
        else if (u == '\t')
            out += QLatin1String("\\t");
        else if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

bool taskList(Store& store, QString& text, QString& error) {
    QSqlQuery q(store.database());
    if (!q.exec(QStringLiteral("SELECT TaskID, Name, Solut FROM tasks ORDER BY TaskID"))) {
        error = q.lastError().text();
        return false;
    }
    const TableDef& tasks = tableDef(Table::Tasks);
    QTextStream out(&text);
    int count = 0;
    while (q.next()) {
        ++count;
        const QVariant id = fitToField(*tasks.field(QStringLiteral("TaskID")), q.value(0));
        // The counts are summed as the Task Page sums them: each value within its field's
        // range, the sum within 32 bits.
        std::vector<TcTotalsRow> tc;
        std::vector<TbTotalsRow> tb;
        QString readError;
        if (!readTcTotalsRows(store, id.toInt(), &tc, &readError) ||
            !readTbTotalsRows(store, id.toInt(), &tb, &readError)) {
            error = readError;
            return false;
        }
        out << QStringLiteral("%1  %2  %3  %4 %5  %6 %7")
                   .arg(id.toLongLong(), 5)
                   .arg(
                       printableText(fitToField(*tasks.field(QStringLiteral("Name")), q.value(1)).toString()),
                       -25)
                   .arg(q.value(2).toInt() != 0 ? tr("solved") : tr("not solved"), -10)
                   .arg(TaskCntTotals(tc, 1).AvlNmb, 3)
                   .arg(tr("containers"))
                   .arg(TaskBoxTotals(tb, 1, false).TotNmb, 4)
                   .arg(tr("boxes"))
            << '\n';
    }
    if (count == 0)
        out << tr("No tasks") << '\n';
    return true;
}

QString solveSummary(const PlanView& plan, const SolveOutcome& outcome) {
    QString text;
    QTextStream out(&text);
    out << tr("Task %1 solved: %2 containers used, %3 boxes placed, %4 left")
               .arg(outcome.taskId)
               .arg(plan.usedContainers)
               .arg(plan.placedBoxes)
               .arg(plan.unplacedBoxes())
        << '\n';
    out << tr("Area utilisation %1 %, weight utilisation %2 %")
               .arg(QString::number(plan.areaEff * 100.0, 'f', 2),
                    QString::number(plan.weightEff * 100.0, 'f', 2))
        << '\n';
    out << tr("Score %1").arg(QString::number(plan.score, 'f', 4)) << '\n';
    QString run = tr("Run %1 sec").arg(QString::fromStdString(outcome.elapsedText));
    if (outcome.aborted)
        run += QLatin1Char(' ') + tr("(aborted, best plan so far stored)");
    else if (outcome.stopped)
        run += QLatin1Char(' ') + tr("(time limit reached, best plan so far stored)");
    out << run << '\n';
    return text;
}

QString storedPlanReport(const TaskRows& rows) {
    QString text;
    QTextStream out(&text);
    out << tr("Task %1 %2: %3")
               .arg(rows.task.TaskID)
               .arg(quoted(rows.task.Name))
               .arg(rows.task.Solut ? tr("solved %1").arg(shown(rows.task.Date)) : tr("not solved"))
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
                   .arg(shown(s.Type), -25)
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
                       .arg(shown(p.Kind), -25)
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
