#pragma once
// The start-up check of a database directory's table files.
#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace palvane {

// One table file that failed the check.
struct TableFileProblem {
    QString path;    // the file, in native separators
    QString message; // the text to show, e.g. "Table file is damaged: \"/db/posit.db\""
    QString detail;  // the store's own findings
};

// Checks every existing table file of `directory`, in the order distr, posit, solut, tb, tc,
// tasks, conts, boxes: a file that is not SQLite or fails SQLite's quick integrity check is
// reported. Missing files are not reported here (opening the database does that). Nothing is
// changed, except that SQLite finishes the roll-back of a transaction a crash interrupted.
QList<TableFileProblem> checkTableFiles(const QString& directory);

} // namespace palvane
