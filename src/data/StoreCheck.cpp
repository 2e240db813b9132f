#include "StoreCheck.h"

#include "Store.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace palvane {

namespace {

// Empty when the file passes, else what is wrong with it.
QString findings(const QString& path) {
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return QStringLiteral("cannot be read");
        if (f.read(16) != QByteArray("SQLite format 3\0", 16))
            return QStringLiteral("not an SQLite 3 file");
    }
    static QAtomicInt counter;
    const QString name = QStringLiteral("palvane-check-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        if (!db.open()) {
            result = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA quick_check"))) {
                result = q.lastError().text();
            } else {
                QStringList lines;
                while (q.next())
                    lines << q.value(0).toString();
                if (lines != QStringList{QStringLiteral("ok")})
                    result = lines.join(QLatin1Char('\n'));
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

QList<TableFileProblem> checkTableFiles(const QString& directory) {
    static const Table order[] = {Table::Distr, Table::Posit, Table::Solut, Table::Tb,
                                  Table::Tc,    Table::Tasks, Table::Conts, Table::Boxes};
    QList<TableFileProblem> problems;
    for (Table t : order) {
        const QString path = Store::tableFilePath(directory, t);
        if (!QFileInfo(path).isFile())
            continue;
        const QString found = findings(path);
        if (found.isEmpty())
            continue;
        TableFileProblem p;
        p.path = QDir::toNativeSeparators(path);
        p.message = QCoreApplication::translate("palvane::StoreCheck", "Table file is damaged:") +
                    QStringLiteral(" \"") + p.path + QLatin1Char('"');
        p.detail = found;
        problems << p;
    }
    return problems;
}

} // namespace palvane
