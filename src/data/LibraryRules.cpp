// Row rules of the two libraries (conts, boxes) and of the task lists that use them (tc, tb).
// The twins differ only in their cursors, field names and texts, collected in a LibrarySide.
#include "DMForm.h"

#include <QSqlQuery>

namespace palvane {

struct TDMForm::LibrarySide {
    Table library;
    Cursor* lib;      // conts or boxes
    Cursor* list;     // tc or tb
    QString key;      // TypeID or KindID
    QString quantity; // Avail or Total
    QString used;     // Used or Placed
    QString usedInExport, usedInTask, modifyQuestion;
    QString duplicate, defineFirst, belowUsed, fixedDelete;
};

TDMForm::LibrarySide TDMForm::side(Table library) const {
    if (library == Table::Conts)
        return {Table::Conts,
                m_conts.get(),
                m_tc.get(),
                QStringLiteral("TypeID"),
                QStringLiteral("Avail"),
                QStringLiteral("Used"),
                tr("This container Type is used in Export DB."),
                tr("This container Type is used in a task:"),
                tr("Are you sure to modify container properties (Yes/No)"),
                tr("This container Type already presents in the table"),
                tr("You'd define container Type at first"),
                tr("Available container number should not be less than\ralready Used number, "
                   "needed for Fixed containers."),
                tr("This container Type is used\rfor Fixed containers.\rIt should not be deleted.")};
    return {Table::Boxes,
            m_boxes.get(),
            m_tb.get(),
            QStringLiteral("KindID"),
            QStringLiteral("Total"),
            QStringLiteral("Placed"),
            tr("This box Kind is used in Export DB."),
            tr("This box Kind is used in a task:"),
            tr("Are you sure to modify box properties (Yes/No)?"),
            tr("This box Kind already presents in the table"),
            tr("You'd define box Kind at first"),
            tr("Total box number should not be less than\ralready Used number, placed in Fixed "
               "containers."),
            tr("This box Kind is used\rin Fixed containers.\rIt should not be deleted.")};
}

namespace {

QString quotedName(const QString& name) {
    return QStringLiteral("\"%1\".").arg(name);
}

QString lines(const QStringList& l) {
    return l.join(QLatin1Char('\r'));
}

} // namespace

void TDMForm::installLibraryRules(Table library) {
    LibrarySide s = side(library);
    Cursor* lib = s.lib;
    lib->beforeInsert = [this, library](Cursor&) { return libraryBeforeInsert(side(library)); };
    lib->beforeEdit = [this, library](Cursor&) { return libraryBeforeEdit(side(library)); };
    lib->beforeDelete = [this, library](Cursor&) { return libraryBeforeDelete(side(library)); };
    lib->deleteUnit = [this, library](Cursor& c, const std::function<bool()>& write) {
        return libraryDeleteUnit(side(library), c, write);
    };
    lib->onNewRecord = [library](Cursor& c) {
        if (library == Table::Conts)
            c.setValue(QStringLiteral("FillDir"), QStringLiteral("Length"));
        else
            c.setValue(QStringLiteral("TurnOn"), false);
        c.setValue(QStringLiteral("Temp"), false);
    };
    // Sizes are positive and weights never negative: a box or floor of no or negative size
    // would be drawn, counted and placed as nonsense. An emptied cell is left to the required
    // check when the row is stored.
    auto positive = [this](Cursor& c, const QString& field, bool zeroAllowed) {
        const QVariant v = c.value(field);
        if (v.isNull() || v.toInt() > 0 || (zeroAllowed && v.toInt() == 0))
            return true;
        warn(tr("Number must be positive"));
        return false;
    };
    const bool conts = library == Table::Conts;
    const QStringList weights =
        conts ? QStringList{QStringLiteral("LoadWt"), QStringLiteral("NoseWt"), QStringLiteral("TailWt")}
              : QStringList{QStringLiteral("Weight")};
    for (const QString& f : weights)
        lib->setFieldRule(f,
                          [positive](Cursor& c, const QString& field) { return positive(c, field, true); });
    lib->setFieldRule(QStringLiteral("Width"),
                      [positive](Cursor& c, const QString& field) { return positive(c, field, false); });
    if (!conts) {
        lib->setFieldRule(QStringLiteral("Length"),
                          [positive](Cursor& c, const QString& field) { return positive(c, field, false); });
        return;
    }
    auto axles = [this, positive](Cursor& c, const QString& field) {
        if (!positive(c, field, field != QLatin1String("Length")))
            return false;
        if (c.intValue(QStringLiteral("NoseDL")) + c.intValue(QStringLiteral("TailDL")) >=
            c.intValue(QStringLiteral("Length"))) {
            error(tr("Axle displacements sum should\rbe less then container length."));
            return false;
        }
        return true;
    };
    for (const char* f : {"Length", "NoseDL", "TailDL"})
        lib->setFieldRule(QLatin1String(f), axles);
    auto fillDir = [this](Cursor& c, bool emptyAllowed) {
        const QString v = c.textValue(QStringLiteral("FillDir"));
        if ((emptyAllowed && v.isEmpty()) || v == QLatin1String("Length") || v == QLatin1String("Width") ||
            v == QLatin1String("Either"))
            return true;
        error(tr("Choose a value from drop-down list"));
        return false;
    };
    lib->setFieldRule(QStringLiteral("FillDir"),
                      [fillDir](Cursor& c, const QString&) { return fillDir(c, false); });
    // A value read from the file outside the list keeps the row from being stored until fixed.
    lib->beforePost = [fillDir](Cursor& c) { return fillDir(c, true); };
}

bool TDMForm::libraryBeforeInsert(const LibrarySide& s) {
    if (ActiveDatabase == ExportDatabase) {
        inform(tr("You can not edit Export DB library,\ryou may only delete unused records."));
        return false;
    }
    bool editMode = s.library == Table::Conts ? ContsEditMode : BoxesEditMode;
    if (!editMode)
        return false;
    emit libraryGridFocusRequested(s.library, 1);
    return true;
}

bool TDMForm::libraryBeforeEdit(const LibrarySide& s) {
    bool editMode = s.library == Table::Conts ? ContsEditMode : BoxesEditMode;
    if (!editMode)
        return true; // outside edit mode only the quantity, Temp and Descr change: no rules
    if (ActiveDatabase == ExportDatabase) {
        inform(tr("You can not edit Export DB library,\ryou may only delete unused records."));
        return false;
    }
    s.list->postIfModified();
    const QVariant key = s.lib->value(s.key);
    bool refused = false;
    if (ActiveDatabase == MainDatabase && exportUses(s, key)) {
        warn(lines({s.usedInExport, tr("Edit action should be cancelled.")}));
        refused = true;
    }
    std::vector<TaskUse> solved = tasksUsing(s, key, QStringLiteral("> 0"));
    if (!solved.empty()) {
        warn(lines({s.usedInTask, quotedName(solved.front().name),
                    tr("Data changes could be accepted\rjust after task solution was cleared.")}));
        refused = true;
    }
    if (refused)
        return false;
    bool& ask = s.library == Table::Conts ? ContsEditAsk : BoxesEditAsk;
    if (!WarnsCheck || !ask)
        return true;
    for (const TaskUse& use : tasksUsing(s, key, QStringLiteral("= 0"))) {
        PromptAnswer a = m_prompter->ask(PromptKind::Confirmation,
                                         lines({s.usedInTask, quotedName(use.name), s.modifyQuestion,
                                                tr("... regarding all other related tasks (All)?"),
                                                tr("... regarding all containers to modify (Yes to All)?")}),
                                         PromptButtons::YesNoAllYesToAll);
        if (a == PromptAnswer::Yes)
            continue;
        if (a == PromptAnswer::All)
            break;
        if (a == PromptAnswer::YesToAll) {
            ask = false;
            break;
        }
        return false; // No (or the box was closed)
    }
    return true;
}

bool TDMForm::libraryBeforeDelete(const LibrarySide& s) {
    bool editMode = s.library == Table::Conts ? ContsEditMode : BoxesEditMode;
    if (!editMode)
        return false;
    s.list->postIfModified();
    const QVariant key = s.lib->value(s.key);
    if (refuseDeleteOfUsedRow(s, key))
        return false;
    if (ActiveDatabase == MainDatabase && exportUses(s, key)) {
        warn(lines({s.usedInExport, tr("Delete action should be cancelled.")}));
        return false;
    }
    return true;
}

bool TDMForm::refuseDeleteOfUsedRow(const LibrarySide& s, const QVariant& key) {
    const std::vector<TaskUse> users = tasksUsing(s, key, QString());
    if (users.empty())
        return false;
    warn(lines({s.usedInTask, quotedName(users.front().name), tr("Delete action should be cancelled.")}));
    return true;
}

bool TDMForm::libraryDeleteUnit(const LibrarySide& s, Cursor& c, const std::function<bool()>& write) {
    // In a directory nobody else can add a task row between the check and the delete.
    if (!m_store || !m_store->isServer())
        return write();
    // On a server another planner may have listed the row in a task since the check: the check
    // is made again with the task lists locked against changes until the row is gone.
    auto failed = [this, &s] {
        error(tr("The row could not be deleted from table \"%1\":\r%2")
                  .arg(tableName(s.library), m_store->lastError()));
        return false;
    };
    StoreTransaction unit(*m_store);
    if (!unit.isActive() || !m_store->lockListTables())
        return failed();
    if (refuseDeleteOfUsedRow(s, c.value(s.key)) || !write())
        return false;
    return unit.commit() || failed();
}

bool TDMForm::libraryKeyUsed(Table library, const QVariant& key) {
    return !tasksUsing(side(library), key, QString()).empty();
}

std::vector<TDMForm::TaskUse> TDMForm::tasksUsing(const LibrarySide& s, const QVariant& key,
                                                  const QString& usedCond) {
    std::vector<TaskUse> result;
    if (!m_store || key.isNull())
        return result;
    const QString list = tableName(s.list->table());
    QString sql = QStringLiteral("SELECT l.TaskID, t.Name FROM %1 l LEFT JOIN tasks t ON t.TaskID = "
                                 "l.TaskID WHERE l.%2 = ?")
                      .arg(list, s.key);
    if (!usedCond.isEmpty())
        sql += QStringLiteral(" AND COALESCE(l.%1, 0) %2").arg(s.used, usedCond);
    sql += QStringLiteral(" ORDER BY l.TaskID, l.%1").arg(s.key);
    QSqlQuery q(m_store->database());
    q.prepare(sql);
    q.addBindValue(key);
    if (q.exec())
        while (q.next())
            result.push_back({q.value(0).toInt(), q.value(1).toString()});
    return result;
}

bool TDMForm::exportUses(const LibrarySide& s, const QVariant& key) {
    if (key.isNull())
        return false;
    bool opened = false;
    if (!exchangeStore() && !(m_boundCode == ExportDatabase && m_store)) {
        if (!openExchangeStore())
            return false; // the export database cannot be read: nothing to protect there
        opened = true;
    }
    Store* ex = m_boundCode == ExportDatabase ? m_store.get() : m_exchStore.get();
    bool used = false;
    {
        QSqlQuery q(ex->database());
        q.prepare(
            QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? LIMIT 1").arg(tableName(s.list->table()), s.key));
        q.addBindValue(key);
        used = q.exec() && q.next();
    }
    if (opened)
        m_exchStore.reset();
    return used;
}

// ---- tc and tb ----

void TDMForm::installListRules(Table library) {
    LibrarySide s = side(library);
    Cursor* list = s.list;
    list->beforeInsert = [this, library](Cursor&) { return !side(library).lib->isEmpty(); };
    list->setFieldRule(
        s.key, [this, library](Cursor& c, const QString& f) { return listKeyValidate(side(library), c, f); });
    list->setFieldRule(s.quantity, [this, library](Cursor& c, const QString& f) {
        return listQuantityValidate(side(library), c, f);
    });
    list->setFieldRule(QStringLiteral("Cost"), [this, library](Cursor& c, const QString& f) {
        return listCostValidate(side(library), c, f);
    });
    list->beforeDelete = [this, library](Cursor& c) { return listBeforeDelete(side(library), c); };
    list->afterDelete = [this, library](Cursor&) {
        if (library == Table::Conts)
            TaskCntTotals();
        else
            TaskBoxTotals();
        TasksCalcEff();
    };
    list->afterPost = [this](Cursor&) { recomputeTotals(); };
}

bool TDMForm::listKeyValidate(const LibrarySide& s, Cursor& c, const QString& field) {
    const QVariant v = c.value(field);
    for (int r = 0; r < c.rowCount(); ++r)
        if (r != c.currentRow() && sameValue(c.valueAt(r, field), v)) {
            error(s.duplicate);
            return false;
        }
    return true;
}

bool TDMForm::cancelRow(Cursor& c, const QString& warning) {
    warn(warning);
    c.cancel();
    return false;
}

bool TDMForm::listQuantityValidate(const LibrarySide& s, Cursor& c, const QString& field) {
    if (c.intValue(s.key) <= 0)
        return cancelRow(c, s.defineFirst);
    const int v = c.intValue(field);
    if (v <= 0)
        return cancelRow(c, tr("Number must be positive"));
    if (v < c.intValue(s.used))
        return m_prompter->ask(PromptKind::Warning, s.belowUsed, PromptButtons::OkIgnore) ==
               PromptAnswer::Ignore;
    return true;
}

bool TDMForm::listCostValidate(const LibrarySide& s, Cursor& c, const QString& field) {
    if (c.intValue(s.key) <= 0)
        return cancelRow(c, s.defineFirst);
    if (c.floatValue(field) < 0)
        return cancelRow(c, tr("Cost must be positive"));
    return true;
}

bool TDMForm::listBeforeDelete(const LibrarySide& s, Cursor& c) {
    if (m_deletingTask)
        return true; // a cascade is running
    const WindowState windows = windowState();
    if (windows.taskPageBusy || windows.selectTaskOpen)
        return true; // a command of the Task Page or of Select a Task deletes the rows
    if (c.intValue(s.used) > 0)
        return m_prompter->ask(PromptKind::Warning, s.fixedDelete, PromptButtons::OkIgnore) ==
               PromptAnswer::Ignore;
    return true;
}

} // namespace palvane
