#include "DMForm.h"

#include <QDir>
#include <cmath>

namespace palvane {

namespace {

QStringList fields(std::initializer_list<const char*> names) {
    QStringList l;
    for (const char* n : names)
        l << QLatin1String(n);
    return l;
}

// A float column value as the store keeps it: single precision.
QVariant singleValue(long double v) {
    return QVariant(double(float(v)));
}

} // namespace

TDMForm::TDMForm(Prompter* prompter, QObject* parent) : QObject(parent), m_prompter(prompter) {
    createCursors();
    addCalculatedColumns();
    installLibraryRules(Table::Conts);
    installLibraryRules(Table::Boxes);
    installListRules(Table::Conts);
    installListRules(Table::Boxes);
    installTaskRules();
}

TDMForm::~TDMForm() {
    ActivateExchTables(false);
    for (Cursor* c : mainCursorsInOpenOrder()) {
        c->close();
        c->setDatabase(QSqlDatabase());
    }
    m_store.reset();
}

void TDMForm::createCursors() {
    auto make = [this](const char* name, Table t, std::initializer_list<const char*> order) {
        auto c = std::make_unique<Cursor>(QLatin1String(name), t);
        c->setOrder(fields(order));
        c->setPrompter(m_prompter);
        return c;
    };
    m_conts = make("conts", Table::Conts, {"Type"});
    m_boxes = make("boxes", Table::Boxes, {"Kind"});
    m_tasks = make("tasks", Table::Tasks, {"TaskID"});
    m_tc = make("tc", Table::Tc, {"TaskID", "TypeID"});
    m_tb = make("tb", Table::Tb, {"TaskID", "KindID"});
    m_solut = make("solut", Table::Solut, {"TaskID", "ContNo"});
    m_distr = make("distr", Table::Distr, {"TaskID", "ContNo"});
    m_posit = make("posit", Table::Posit, {"TaskID", "ContNo"});
    m_ex[0] = make("exconts", Table::Conts, {"Type"});
    m_ex[1] = make("exboxes", Table::Boxes, {"Kind"});
    m_ex[2] = make("extasks", Table::Tasks, {"TaskID"});
    m_ex[3] = make("extc", Table::Tc, {"TaskID", "TypeID"});
    m_ex[4] = make("extb", Table::Tb, {"TaskID", "KindID"});
    m_ex[5] = make("exsolut", Table::Solut, {"TaskID", "ContNo"});
    m_ex[6] = make("exdistr", Table::Distr, {"TaskID", "ContNo"});
    m_ex[7] = make("exposit", Table::Posit, {"TaskID", "ContNo"});

    const QStringList taskKey{QStringLiteral("TaskID")};
    const QStringList contKey = fields({"TaskID", "ContNo"});
    m_tc->setMaster(m_tasks.get(), taskKey, taskKey);
    m_tb->setMaster(m_tasks.get(), taskKey, taskKey);
    m_solut->setMaster(m_tasks.get(), taskKey, taskKey);
    m_distr->setMaster(m_solut.get(), contKey, contKey);
    m_posit->setMaster(m_solut.get(), contKey, contKey);
}

void TDMForm::addCalculatedColumns() {
    // Library areas: exact (Wolume) and in display units (Volume); empty without a current task.
    for (Cursor* lib : {m_conts.get(), m_boxes.get()}) {
        lib->addCalculated(QStringLiteral("Volume"), FieldType::Int32, [this](const Cursor& c, int row) {
            if (currentTaskId() == 0)
                return QVariant();
            long double w = rowWolume(c.valueAt(row, QStringLiteral("Length")).toInt(),
                                      c.valueAt(row, QStringLiteral("Width")).toInt());
            return QVariant(AreaToInt(w / AreaMultiplier));
        });
        lib->addCalculated(QStringLiteral("Wolume"), FieldType::Float, [this](const Cursor& c, int row) {
            if (currentTaskId() == 0)
                return QVariant();
            return QVariant(double(rowWolume(c.valueAt(row, QStringLiteral("Length")).toInt(),
                                             c.valueAt(row, QStringLiteral("Width")).toInt())));
        });
    }
    const QString typeId = QStringLiteral("TypeID"), kindId = QStringLiteral("KindID");
    m_tc->addLookup(m_conts.get(), typeId, typeId,
                    fields({"Type", "Mark", "LoadWt", "Volume", "Wolume", "Length", "Width", "FillDir",
                            "NoseWt", "TailWt", "NoseDL", "TailDL"}));
    m_tb->addLookup(m_boxes.get(), kindId, kindId,
                    fields({"Kind", "Mark", "Weight", "Volume", "Wolume", "Length", "Width", "TurnOn"}));
    m_solut->addLookup(m_conts.get(), typeId, typeId,
                       fields({"Type", "LoadWt", "Volume", "Wolume", "Length", "Width"}));
    m_distr->addLookup(m_boxes.get(), kindId, kindId,
                       fields({"Kind", "Weight", "Volume", "Wolume", "Length", "Width", "Mark"}));
    m_posit->addLookup(m_boxes.get(), kindId, kindId, fields({"Kind", "Mark"}));

    for (Cursor* list : {m_tc.get(), m_tb.get()})
        list->setDisplayFormat(QStringLiteral("Cost"), QStringLiteral("0.##"));
    m_tb->addCalculated(QStringLiteral("Left"), FieldType::Int16, [](const Cursor& c, int row) {
        return QVariant(c.valueAt(row, QStringLiteral("Total")).toInt() -
                        c.valueAt(row, QStringLiteral("Placed")).toInt());
    });

    auto lhw = [](const Cursor& c, int row) {
        QVariant l = c.valueAt(row, QStringLiteral("Length")), w = c.valueAt(row, QStringLiteral("Width"));
        if (l.isNull() && w.isNull())
            return QVariant();
        return QVariant(QString::number(l.toInt()) + QStringLiteral("  ") + QString::number(w.toInt()));
    };
    auto taskGuard = [this](auto calc) {
        return [this, calc](const Cursor& c, int row) {
            return currentTaskId() == 0 ? QVariant() : calc(c, row);
        };
    };
    auto num = [](const Cursor& c, int row, const char* f) {
        return static_cast<long double>(c.valueAt(row, QLatin1String(f)).toDouble());
    };
    m_solut->addCalculated(QStringLiteral("VolLoad"), FieldType::Int32,
                           taskGuard([this, num](const Cursor& c, int row) {
                               return QVariant(AreaToInt(num(c, row, "WolLoad") / AreaMultiplier));
                           }));
    m_solut->addCalculated(QStringLiteral("WgtEff"), FieldType::Float,
                           taskGuard([num](const Cursor& c, int row) {
                               long double cap = num(c, row, "LoadWt");
                               return singleValue(cap != 0 ? num(c, row, "WgtLoad") / cap * 100 : 0);
                           }));
    m_solut->addCalculated(QStringLiteral("VolEff"), FieldType::Float,
                           taskGuard([num](const Cursor& c, int row) {
                               long double cap = num(c, row, "Wolume");
                               return singleValue(cap != 0 ? num(c, row, "WolLoad") / cap * 100 : 0);
                           }));
    m_solut->addCalculated(QStringLiteral("LHW"), FieldType::String, taskGuard(lhw));
    m_solut->setDisplayFormat(QStringLiteral("WgtEff"), QStringLiteral("0.00"));
    m_solut->setDisplayFormat(QStringLiteral("VolEff"), QStringLiteral("0.00"));
    m_distr->addCalculated(QStringLiteral("WgtSum"), FieldType::Int32,
                           taskGuard([](const Cursor& c, int row) {
                               qint64 s = qint64(c.valueAt(row, QStringLiteral("Weight")).toInt()) *
                                          c.valueAt(row, QStringLiteral("Placed")).toInt();
                               return QVariant(qint32(s));
                           }));
    m_distr->addCalculated(
        QStringLiteral("VolSum"), FieldType::Int32, taskGuard([this, num](const Cursor& c, int row) {
            return QVariant(AreaToInt(num(c, row, "Wolume") * num(c, row, "Placed") / AreaMultiplier));
        }));
    m_distr->addCalculated(QStringLiteral("LHW"), FieldType::String, taskGuard(lhw));
}

Cursor& TDMForm::cursor(Table table) {
    switch (table) {
    case Table::Conts:
        return *m_conts;
    case Table::Boxes:
        return *m_boxes;
    case Table::Tasks:
        return *m_tasks;
    case Table::Tc:
        return *m_tc;
    case Table::Tb:
        return *m_tb;
    case Table::Solut:
        return *m_solut;
    case Table::Distr:
        return *m_distr;
    case Table::Posit:
        break;
    }
    return *m_posit;
}

// ---- databases ----

void TDMForm::setDatabaseDirectory(int code, const QString& directory) {
    if (code >= 0 && code <= 2)
        m_dirs[code] = directory;
}

QString TDMForm::databaseDirectory(int code) const {
    return (code >= 0 && code <= 2) ? m_dirs[code] : m_dirs[0];
}

void TDMForm::setDatabaseDirectories(const DatabaseAliases& aliases) {
    for (int code = 0; code < 3; ++code)
        m_dirs[code] = aliases.directory(code);
}

std::vector<Cursor*> TDMForm::mainCursorsInOpenOrder() const {
    return {m_conts.get(), m_boxes.get(), m_tb.get(),    m_tc.get(),
            m_posit.get(), m_distr.get(), m_solut.get(), m_tasks.get()};
}

bool TDMForm::ActivateTables(bool active) {
    m_openError.clear();
    if (!active) {
        for (Cursor* c : mainCursorsInOpenOrder()) {
            c->checkBrowseMode();
            c->close();
            c->setDatabase(QSqlDatabase()); // the connection ends with the store
        }
        m_store.reset();
        return true;
    }
    if (!m_store) {
        StoreError err;
        m_store = Store::openShared(databaseDirectory(m_boundCode), StoreOpenMode::ExistingOnly, &err);
        if (!m_store) {
            m_openError = err.details();
            return false;
        }
    }
    suspendTotals();
    bool ok = true;
    for (Cursor* c : mainCursorsInOpenOrder()) {
        c->setDatabase(m_store->database());
        ok = ok && c->open();
    }
    if (ok)
        showFittedValues();
    resumeTotals();
    return ok;
}

void TDMForm::showFittedValues() {
    for (Cursor* c : mainCursorsInOpenOrder()) {
        if (c->fittedValueCount() == 0)
            continue;
        warn(tr("Table file \"%1\" holds %2 value(s) outside the limits of their fields.\r"
                "They are shown within the limits; the file keeps them until they are edited.")
                 .arg(m_store->tableFilePath(c->table()))
                 .arg(c->fittedValueCount()));
    }
}

void TDMForm::SetTablesDatabase(int code) {
    for (Cursor* c : mainCursorsInOpenOrder())
        if (c->isActive())
            return; // only closed cursors are rebound
    m_boundCode = (code == ExportDatabase || code == ImportDatabase) ? code : MainDatabase;
    m_store.reset();
}

Store* TDMForm::exchangeStore() const {
    if (!m_exchOpen)
        return nullptr;
    return m_boundCode == ExportDatabase ? m_store.get() : m_exchStore.get();
}

bool TDMForm::openExchangeStore() {
    if (m_boundCode == ExportDatabase && m_store)
        return true;
    if (m_exchStore)
        return true;
    m_exchStore = Store::openShared(databaseDirectory(ExportDatabase), StoreOpenMode::ExistingOnly);
    return m_exchStore != nullptr;
}

bool TDMForm::ActivateExchTables(bool active) {
    if (!active) {
        for (auto& c : m_ex) {
            c->checkBrowseMode();
            c->close();
            c->setDatabase(QSqlDatabase());
        }
        m_exchOpen = false;
        m_exchStore.reset();
        return true;
    }
    if (!openExchangeStore())
        return false;
    m_exchOpen = true;
    Store* s = exchangeStore();
    // exconts, exboxes, extb, extc, exposit, exdistr, exsolut, extasks
    static const int order[] = {0, 1, 4, 3, 7, 6, 5, 2};
    for (int i : order) {
        m_ex[i]->setDatabase(s->database());
        if (!m_ex[i]->open()) {
            ActivateExchTables(false);
            return false;
        }
    }
    return true;
}

bool TDMForm::PostAllTables() {
    bool ok = true;
    for (Cursor* c : {m_conts.get(), m_boxes.get(), m_tasks.get(), m_tc.get(), m_tb.get(), m_solut.get(),
                      m_distr.get(), m_posit.get()})
        ok = c->postIfModified() && ok;
    return ok;
}

void TDMForm::refreshTables() {
    suspendTotals();
    // Masters last re-read their details, so the libraries go first and tasks last.
    for (Cursor* c : {m_conts.get(), m_boxes.get(), m_tasks.get()})
        if (c->isActive())
            c->refresh();
    m_totalsPending = true;
    resumeTotals();
}

bool TDMForm::DataModuleCreate(qint32 taskIni) {
    if (ActivateTables(true)) {
        if (taskIni != 0)
            m_tasks->locate(QStringLiteral("TaskID"), taskIni);
        DatabaseReady = true;
        emit currSolutStateRequested();
        recomputeTotals();
        return true;
    }
    // The path tells which directory or table file is in use or damaged.
    QString text = applicationTitle() + QLatin1Char(' ') + tr("DB is busy or wrong");
    if (!m_openError.isEmpty())
        text += QLatin1Char('\r') + QDir::toNativeSeparators(m_openError);
    error(text);
    DatabaseReady = false;
    ActivateTables(false);
    emit terminateRequested();
    return false;
}

qint32 TDMForm::currentTaskId() const {
    if (!m_tasks->isActive() || m_tasks->currentRow() < 0)
        return 0;
    return m_tasks->value(QStringLiteral("TaskID")).toInt();
}

void TDMForm::UpdateAreaMultiplier(int volMultPow) {
    AreaMultiplier = palvane::AreaMultiplier(volMultPow);
    for (Cursor* c : {m_conts.get(), m_boxes.get(), m_tc.get(), m_tb.get(), m_solut.get(), m_distr.get()})
        c->notifyValuesChanged();
    recomputeTotals();
}

void TDMForm::setLibraryEditMode(Table library, bool on) {
    if (library == Table::Conts) {
        ContsEditMode = on;
        ContsEditAsk = true;
    } else {
        BoxesEditMode = on;
        BoxesEditAsk = true;
    }
}

// ---- totals ----

void TDMForm::TaskCntTotals() {
    std::vector<TcTotalsRow> rows;
    qint32 id = currentTaskId();
    if (m_store && id != 0)
        readTcTotalsRows(*m_store, id, &rows);
    m_contTotals = id != 0 ? palvane::TaskCntTotals(rows, AreaMultiplier) : ContTotals{};
    TaskAvailSum = m_contTotals.TaskAvailSum;
    UsedLoadWt = m_contTotals.UsedLoadWt;
    UsedContArea = m_contTotals.UsedContArea;
    UsedContCost = m_contTotals.UsedContCost;
    if (!m_contTotals.error.isEmpty())
        error(m_contTotals.error);
}

void TDMForm::TaskBoxTotals() {
    std::vector<TbTotalsRow> rows;
    qint32 id = currentTaskId();
    if (m_store && id != 0)
        readTbTotalsRows(*m_store, id, &rows);
    bool solved = m_tasks->value(QStringLiteral("Solut")).toBool();
    m_boxTotals = id != 0 ? palvane::TaskBoxTotals(rows, AreaMultiplier, solved) : BoxTotals{};
    TaskBoxSum = m_boxTotals.TaskBoxSum;
    PlacedBoxWeight = m_boxTotals.PlacedBoxWeight;
    PlacedBoxArea = m_boxTotals.PlacedBoxArea;
    PlacedBoxCost = m_boxTotals.PlacedBoxCost;
    if (!m_boxTotals.error.isEmpty())
        error(m_boxTotals.error);
}

void TDMForm::TasksCalcEff() {
    m_eff = currentTaskId() != 0 ? palvane::TasksCalcEff(m_contTotals, m_boxTotals) : EffTexts{};
    emit totalsChanged();
}

void TDMForm::recomputeTotals() {
    if (m_totalsSuspended > 0) {
        m_totalsPending = true;
        return;
    }
    m_totalsPending = false;
    TaskCntTotals();
    TaskBoxTotals();
    TasksCalcEff();
}

void TDMForm::suspendTotals() {
    ++m_totalsSuspended;
}

void TDMForm::resumeTotals() {
    if (m_totalsSuspended > 0 && --m_totalsSuspended == 0 && m_totalsPending)
        recomputeTotals();
}

// ---- messages ----

void TDMForm::warn(const QString& text) {
    m_prompter->ask(PromptKind::Warning, text, PromptButtons::Ok);
}

void TDMForm::inform(const QString& text) {
    m_prompter->ask(PromptKind::Information, text, PromptButtons::Ok);
}

void TDMForm::error(const QString& text) {
    m_prompter->ask(PromptKind::Error, text, PromptButtons::Ok);
}

} // namespace palvane
