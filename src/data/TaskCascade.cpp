#include "TaskCascade.h"

#include "Store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <cmath>
#include <utility>
#include <vector>

namespace palvane {

namespace {

class Cascade {
public:
    Cascade(Store& store, qint32 taskId, ProgressPosition position)
        : m_store(store), m_taskId(taskId), m_position(std::move(position)) {}

    bool run(CascadeScope scope) {
        setPosition(0);
        StoreTransaction unit(m_store);
        bool ok = unit.isActive() || fail(m_store.lastError());
        ok = ok && lockTask();
        ok = ok && deleteSolution();
        setPosition(ok ? 5 : 100);
        ok = ok && exec(QStringLiteral("DELETE FROM tc WHERE TaskID = ?"));
        setPosition(ok ? 10 : 100);
        ok = ok && deleteBoxRows();
        if (ok && scope == CascadeScope::RowsAndTask)
            ok = exec(QStringLiteral("DELETE FROM tasks WHERE TaskID = ?"));
        if (ok && !unit.commit())
            ok = fail(m_store.lastError());
        if (!ok)
            unit.rollback();
        setPosition(100);
        return ok;
    }

    QString error() const { return m_error; }

private:
    // Another planner solving or changing the task holds its row: nothing is deleted.
    bool lockTask() {
        switch (m_store.lockTask(m_taskId)) {
        case TaskLock::Locked:
            return true;
        case TaskLock::Busy:
            return fail(taskBusyText());
        case TaskLock::Failed:
            break;
        }
        return fail(m_store.lastError());
    }

    bool deleteSolution() {
        QSqlQuery q(m_store.database());
        q.prepare(QStringLiteral("SELECT ContNo FROM solut WHERE TaskID = ? ORDER BY ContNo"));
        q.addBindValue(m_taskId);
        if (!q.exec())
            return fail(q.lastError().text());
        std::vector<QVariant> containers;
        while (q.next())
            containers.push_back(q.value(0));
        q.finish();
        for (const QVariant& contNo : containers) {
            for (const char* table : {"distr", "posit", "solut"}) {
                const QString sql =
                    QStringLiteral("DELETE FROM %1 WHERE TaskID = ? AND ContNo IS NOT DISTINCT FROM ?")
                        .arg(QLatin1String(table));
                if (!exec(sql, {contNo}))
                    return false;
            }
        }
        // Rows of containers that have no solut row belong to the task all the same.
        return exec(QStringLiteral("DELETE FROM distr WHERE TaskID = ?")) &&
               exec(QStringLiteral("DELETE FROM posit WHERE TaskID = ?")) &&
               exec(QStringLiteral("DELETE FROM solut WHERE TaskID = ?"));
    }

    bool deleteBoxRows() {
        QSqlQuery q(m_store.database());
        q.prepare(QStringLiteral("SELECT rowid FROM tb WHERE TaskID = ? ORDER BY TaskID, KindID"));
        q.addBindValue(m_taskId);
        if (!q.exec())
            return fail(q.lastError().text());
        std::vector<qint64> rows;
        while (q.next())
            rows.push_back(q.value(0).toLongLong());
        q.finish();
        const size_t n = rows.size();
        for (size_t i = 0; i < n; ++i) {
            setPosition(int(std::nearbyint(10 + static_cast<long double>(i) * 90 / n)));
            q.prepare(QStringLiteral("DELETE FROM tb WHERE rowid = ?"));
            q.addBindValue(rows[i]);
            if (!q.exec())
                return fail(q.lastError().text());
        }
        return true;
    }

    // Runs a statement whose first parameter is the TaskID, followed by `more`.
    bool exec(const QString& sql, const QVariantList& more = {}) {
        QSqlQuery q(m_store.database());
        q.prepare(sql);
        q.addBindValue(m_taskId);
        for (const QVariant& v : more)
            q.addBindValue(v);
        return q.exec() || fail(q.lastError().text());
    }

    bool fail(const QString& message) {
        if (m_error.isEmpty())
            m_error = message;
        return false;
    }

    void setPosition(int p) {
        if (m_position && p != m_last)
            m_position(p);
        m_last = p;
    }

    Store& m_store;
    qint32 m_taskId;
    ProgressPosition m_position;
    QString m_error;
    int m_last = -1;
};

} // namespace

bool deleteTaskRows(Store& store, qint32 taskId, CascadeScope scope, const ProgressPosition& position,
                    QString* error) {
    Cascade cascade(store, taskId, position);
    const bool ok = cascade.run(scope);
    if (!ok && error)
        *error = cascade.error();
    return ok;
}

} // namespace palvane
