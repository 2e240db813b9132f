// A new task from JSON: every value checked, library rows found by name or id (or added), and
// everything stored in one transaction.
#include "TaskJson.h"

#include "ActiveSettings.h"
#include "BoxImport.h"
#include "JsonLines.h"
#include "SolveOutcome.h"
#include "Store.h"
#include "TableSchema.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <cfloat>
#include <cmath>
#include <optional>
#include <set>

namespace palvane {

namespace {

// A refusal: the message is complete, with its line.
struct Refused {
    QString message;
};

// A text for a message: in quotes, control characters shown as escapes.
QString quoted(const QString& s) {
    QString out = QStringLiteral("\"");
    for (QChar c : s.left(40))
        out += c.unicode() < 0x20 || c.unicode() == 0x7f
                   ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                   : QString(c);
    return out + (s.size() > 40 ? QStringLiteral("...\"") : QStringLiteral("\""));
}

bool hasControlCharacters(const QString& s) {
    for (QChar c : s)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f))
            return true;
    return false;
}

int fieldLength(Table table, const char* field) {
    return tableDef(table).field(QLatin1String(field))->length;
}

// Reads checked values out of the JSON objects; every failure throws a Refused naming the line.
class Reader {
public:
    Reader(const JsonLines& lines) : m_lines(lines) {}

    [[noreturn]] void refuse(const QString& path, const QString& what) const {
        throw Refused{TaskJsonTexts::tr("line %1: %2: %3").arg(m_lines.line(path)).arg(path, what)};
    }

    // Only the known members: a misspelt name would otherwise be dropped without a word.
    void onlyKnown(const QJsonObject& o, const QString& path, const QStringList& known) const {
        for (auto it = o.begin(); it != o.end(); ++it)
            if (!known.contains(it.key()))
                refuse(jsonMemberPath(path, it.key()), TaskJsonTexts::tr("unknown member"));
    }

    QJsonObject object(const QJsonValue& v, const QString& path) const {
        if (!v.isObject())
            refuse(path, TaskJsonTexts::tr("needs an object"));
        return v.toObject();
    }

    QJsonArray array(const QJsonObject& o, const QString& path, const QString& key) const {
        const QJsonValue v = o.value(key);
        if (v.isUndefined())
            refuse(jsonMemberPath(path, key), TaskJsonTexts::tr("is missing"));
        if (!v.isArray())
            refuse(jsonMemberPath(path, key), TaskJsonTexts::tr("needs an array"));
        return v.toArray();
    }

    std::optional<qint64> integer(const QJsonObject& o, const QString& path, const QString& key,
                                  qint64 minimum, qint64 maximum, bool required = false) const {
        const QJsonValue v = o.value(key);
        const QString p = jsonMemberPath(path, key);
        if (v.isUndefined()) {
            if (required)
                refuse(p, TaskJsonTexts::tr("is missing"));
            return std::nullopt;
        }
        const double d = v.toDouble();
        if (!v.isDouble() || !std::isfinite(d) || std::floor(d) != d || d < double(minimum) ||
            d > double(maximum))
            refuse(p, TaskJsonTexts::tr("needs a whole number from %1 to %2").arg(minimum).arg(maximum));
        return qint64(d);
    }

    std::optional<double> real(const QJsonObject& o, const QString& path, const QString& key) const {
        const QJsonValue v = o.value(key);
        if (v.isUndefined())
            return std::nullopt;
        const double d = v.toDouble();
        // Costs are stored at single precision: a larger value could not be kept.
        if (!v.isDouble() || !std::isfinite(d) || d < 0 || d > double(FLT_MAX))
            refuse(jsonMemberPath(path, key),
                   TaskJsonTexts::tr("needs a number from 0 to %1").arg(double(FLT_MAX)));
        return d;
    }

    std::optional<bool> boolean(const QJsonObject& o, const QString& path, const QString& key) const {
        const QJsonValue v = o.value(key);
        if (v.isUndefined())
            return std::nullopt;
        if (!v.isBool())
            refuse(jsonMemberPath(path, key), TaskJsonTexts::tr("needs true or false"));
        return v.toBool();
    }

    // A text of at most `length` characters without control characters; a name must not be
    // blank.
    std::optional<QString> text(const QJsonObject& o, const QString& path, const QString& key, int length,
                                bool name, bool required = false) const {
        const QJsonValue v = o.value(key);
        const QString p = jsonMemberPath(path, key);
        if (v.isUndefined()) {
            if (required)
                refuse(p, TaskJsonTexts::tr("is missing"));
            return std::nullopt;
        }
        if (!v.isString())
            refuse(p, TaskJsonTexts::tr("needs a text"));
        const QString s = v.toString();
        if (hasControlCharacters(s))
            refuse(p, TaskJsonTexts::tr("%1 holds control characters").arg(quoted(s)));
        if (s.size() > length)
            refuse(p, TaskJsonTexts::tr("%1 is longer than %2 characters").arg(quoted(s)).arg(length));
        if (name && s.trimmed().isEmpty())
            refuse(p, TaskJsonTexts::tr("needs a name"));
        return s;
    }

private:
    const JsonLines& m_lines;
};

// The default mark of a library row: the first and the last character of its name.
QString defaultMark(const QString& name) {
    if (name.isEmpty())
        return QStringLiteral("?");
    return name.size() == 1 ? name : QString(name.front()) + name.back();
}

// Runs SQL in the open transaction; a failure throws with the store's message.
class Sql {
public:
    explicit Sql(Store& store) : m_store(store) {}
    QSqlQuery run(const QString& sql, const QVariantList& values) {
        QSqlQuery q(m_store.database());
        if (!q.prepare(sql))
            throw Refused{q.lastError().text()};
        for (const QVariant& v : values)
            q.addBindValue(v);
        if (!q.exec())
            throw Refused{q.lastError().text()};
        return q;
    }

private:
    Store& m_store;
};

// One library side: container types (conts) or box kinds (boxes).
struct Library {
    Table table;
    QString key, name, label;
};

// The library fields an entry may give, with their ranges; `given` holds the values present.
struct LibraryField {
    const char* json;
    const char* column;
    qint64 minimum, maximum;
};

const LibraryField ContainerFields[] = {
    {"length", "Length", 1, 32767},          {"width", "Width", 1, 32767},
    {"loadWeight", "LoadWt", 0, 2147483647}, {"noseWeight", "NoseWt", 0, 2147483647},
    {"tailWeight", "TailWt", 0, 2147483647}, {"noseDistance", "NoseDL", 0, 32767},
    {"tailDistance", "TailDL", 0, 32767},
};
const LibraryField BoxFields[] = {
    {"length", "Length", 1, MaxBoxSide},
    {"width", "Width", 1, MaxBoxSide},
    {"weight", "Weight", 0, MaxBoxWeight},
};

class TaskImport {
public:
    TaskImport(Store& store, const JsonLines& lines, const TaskJsonOptions& options)
        : m_sql(store), m_read(lines), m_options(options) {}

    qint32 run(const QJsonObject& root, TaskJsonResult& result) {
        QString path;
        QJsonObject task = root;
        // A whole show --json document: its task part.
        if (root.contains(QStringLiteral("task"))) {
            m_read.onlyKnown(root, QString(),
                             {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("task"),
                              QStringLiteral("plan")});
            path = QStringLiteral("task");
            task = m_read.object(root.value(path), path);
        }
        m_read.onlyKnown(task, path,
                         {QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("solved"),
                          QStringLiteral("description"), QStringLiteral("turnOn"),
                          QStringLiteral("commonTurnRule"), QStringLiteral("date"),
                          QStringLiteral("settings"), QStringLiteral("containers"), QStringLiteral("boxes")});
        const QString name =
            *m_read.text(task, path, QStringLiteral("name"), fieldLength(Table::Tasks, "Name"), true, true);
        const QString descr =
            m_read.text(task, path, QStringLiteral("description"), fieldLength(Table::Tasks, "Descr"), false)
                .value_or(QString());
        const bool turnOn = m_read.boolean(task, path, QStringLiteral("turnOn")).value_or(false);
        const bool common = m_read.boolean(task, path, QStringLiteral("commonTurnRule")).value_or(false);
        const ActiveSettings settings = readSettings(task, path);
        const QJsonArray containers = m_read.array(task, path, QStringLiteral("containers"));
        const QJsonArray boxes = m_read.array(task, path, QStringLiteral("boxes"));

        QSqlQuery q = m_sql.run(
            QStringLiteral(
                "INSERT INTO tasks (Name, Solut, Descr, TurnOn, DefltOn, Power, Time, Rand, Qw, Qc, Qr, "
                "BB, BW, Last) VALUES (?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {name, descr.isEmpty() ? QVariant() : QVariant(descr), turnOn ? 1 : 0, common ? 1 : 0,
             settings.Power, settings.Time, settings.Rand, settings.packedQw(), settings.Qc, settings.Qr,
             settings.BB, settings.BW, settings.Last ? 1 : 0});
        const qint32 taskId = q.lastInsertId().toInt();

        const Library conts{Table::Conts, QStringLiteral("TypeID"), QStringLiteral("Type"),
                            TaskJsonTexts::tr("container type")};
        const Library kinds{Table::Boxes, QStringLiteral("KindID"), QStringLiteral("Kind"),
                            TaskJsonTexts::tr("box kind")};
        const QString containersPath = jsonMemberPath(path, QStringLiteral("containers"));
        const QString boxesPath = jsonMemberPath(path, QStringLiteral("boxes"));
        std::set<qint32> seen;
        qint64 sum = 0;
        for (qsizetype i = 0; i < containers.size(); ++i) {
            const QString p = jsonIndexPath(containersPath, i);
            const QJsonObject c = m_read.object(containers.at(i), p);
            m_read.onlyKnown(c, p,
                             {QStringLiteral("typeId"), QStringLiteral("type"), QStringLiteral("available"),
                              QStringLiteral("used"), QStringLiteral("cost"), QStringLiteral("priority"),
                              QStringLiteral("mark"), QStringLiteral("length"), QStringLiteral("width"),
                              QStringLiteral("loadWeight"), QStringLiteral("fillDir"),
                              QStringLiteral("noseWeight"), QStringLiteral("tailWeight"),
                              QStringLiteral("noseDistance"), QStringLiteral("tailDistance")});
            const qint32 typeId = libraryRow(conts, c, p, QStringLiteral("typeId"), QStringLiteral("type"),
                                             ContainerFields, result.createdTypes);
            listedOnce(seen, typeId, p, TaskJsonTexts::tr("the container type is listed twice"));
            const qint64 avail = listCount(c, p, QStringLiteral("available"), kMaxTaskContainers, sum,
                                           TaskJsonTexts::tr("more than %1 containers in the task"));
            const FieldDef& prior = *tableDef(Table::Tc).field(QStringLiteral("Prior"));
            m_sql.run(
                QStringLiteral(
                    "INSERT INTO tc (TaskID, TypeID, Avail, Used, Prior, Cost) VALUES (?, ?, ?, 0, ?, ?)"),
                {taskId, typeId, avail,
                 m_read.integer(c, p, QStringLiteral("priority"), prior.minimum(), prior.maximum())
                     .value_or(0),
                 m_read.real(c, p, QStringLiteral("cost")).value_or(0.0)});
        }
        seen.clear();
        sum = 0;
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            const QString p = jsonIndexPath(boxesPath, i);
            const QJsonObject b = m_read.object(boxes.at(i), p);
            m_read.onlyKnown(b, p,
                             {QStringLiteral("kindId"), QStringLiteral("kind"), QStringLiteral("total"),
                              QStringLiteral("placed"), QStringLiteral("cost"), QStringLiteral("priority"),
                              QStringLiteral("bind"), QStringLiteral("mark"), QStringLiteral("length"),
                              QStringLiteral("width"), QStringLiteral("weight"), QStringLiteral("turnOn")});
            const qint32 kindId = libraryRow(kinds, b, p, QStringLiteral("kindId"), QStringLiteral("kind"),
                                             BoxFields, result.createdKinds);
            listedOnce(seen, kindId, p, TaskJsonTexts::tr("the box kind is listed twice"));
            const qint64 total = listCount(b, p, QStringLiteral("total"), kMaxTaskBoxes, sum,
                                           TaskJsonTexts::tr("more than %1 boxes in the task"));
            const FieldDef& prior = *tableDef(Table::Tb).field(QStringLiteral("Prior"));
            const FieldDef& bind = *tableDef(Table::Tb).field(QStringLiteral("Bind"));
            m_sql.run(
                QStringLiteral("INSERT INTO tb (TaskID, KindID, Total, Placed, Prior, Bind, Cost) "
                               "VALUES (?, ?, ?, 0, ?, ?, ?)"),
                {taskId, kindId, total,
                 m_read.integer(b, p, QStringLiteral("priority"), prior.minimum(), prior.maximum())
                     .value_or(0),
                 m_read.integer(b, p, QStringLiteral("bind"), bind.minimum(), bind.maximum()).value_or(0),
                 m_read.real(b, p, QStringLiteral("cost")).value_or(0.0)});
        }
        return taskId;
    }

private:
    // Refuses the list entry at `path` when the list named its library row before.
    void listedOnce(std::set<qint32>& seen, qint32 id, const QString& path, const QString& twice) {
        if (!seen.insert(id).second)
            m_read.refuse(path, twice);
    }
    // The count `key` of a list entry (1 to `limit`), refused when the counts of the list so far
    // pass `limit`; `tooMany` takes the limit for %1.
    qint64 listCount(const QJsonObject& o, const QString& path, const QString& key, qint64 limit, qint64& sum,
                     const QString& tooMany) {
        const qint64 count = *m_read.integer(o, path, key, 1, limit, true);
        sum += count;
        if (sum > limit)
            m_read.refuse(jsonMemberPath(path, key), tooMany.arg(limit));
        return count;
    }

    ActiveSettings readSettings(const QJsonObject& task, const QString& taskPath) {
        ActiveSettings s;
        const QJsonValue v = task.value(QStringLiteral("settings"));
        if (v.isUndefined())
            return s;
        const QString path = jsonMemberPath(taskPath, QStringLiteral("settings"));
        const QJsonObject o = m_read.object(v, path);
        struct Named {
            const char* json;
            SettingField field;
        };
        static const Named named[] = {
            {"power", SettingField::Power},   {"time", SettingField::Time},
            {"rand", SettingField::Rand},     {"weightFactor", SettingField::Qw},
            {"bindFactor", SettingField::Qg}, {"costFactor", SettingField::Qc},
            {"leftFactor", SettingField::Qr}, {"itemGap", SettingField::BB},
            {"wallGap", SettingField::BW},
        };
        QStringList known{QStringLiteral("lastOff")};
        for (const Named& n : named)
            known << QLatin1String(n.json);
        m_read.onlyKnown(o, path, known);
        for (const Named& n : named) {
            const SettingRange range = ActiveSettings::range(n.field);
            if (const auto value =
                    m_read.integer(o, path, QLatin1String(n.json), range.minimum, range.maximum))
                s.setValue(n.field, qint16(*value));
        }
        s.Last = m_read.boolean(o, path, QStringLiteral("lastOff")).value_or(s.Last);
        return s;
    }

    // The library row an entry names (by id, by name, or both), added when it is missing and
    // may be created; the library values the entry gives must agree with the row.
    template <size_t N>
    qint32 libraryRow(const Library& lib, const QJsonObject& o, const QString& path, const QString& idKey,
                      const QString& nameKey, const LibraryField (&fields)[N], int& created) {
        const bool conts = lib.table == Table::Conts;
        const std::optional<qint64> id = m_read.integer(o, path, idKey, 1, 2147483647);
        const std::optional<QString> name =
            m_read.text(o, path, nameKey, fieldLength(lib.table, conts ? "Type" : "Kind"), true);
        if (!id && !name)
            m_read.refuse(path, TaskJsonTexts::tr("needs %1 or %2").arg(nameKey, idKey));
        const std::optional<QString> mark =
            m_read.text(o, path, QStringLiteral("mark"), fieldLength(lib.table, "Mark"), false);
        std::vector<std::optional<qint64>> given;
        for (const LibraryField& f : fields)
            given.push_back(m_read.integer(o, path, QLatin1String(f.json), f.minimum, f.maximum));
        std::optional<QString> fillDir;
        std::optional<bool> turnOn;
        if (conts) {
            fillDir =
                m_read.text(o, path, QStringLiteral("fillDir"), fieldLength(lib.table, "FillDir"), false);
            if (fillDir && *fillDir != QLatin1String("Length") && *fillDir != QLatin1String("Width") &&
                *fillDir != QLatin1String("Either"))
                m_read.refuse(jsonMemberPath(path, QStringLiteral("fillDir")),
                              TaskJsonTexts::tr("needs Length, Width or Either"));
            const qint64 length = given[0].value_or(32767), nose = given[5].value_or(0),
                         tail = given[6].value_or(0);
            if (nose + tail >= length && (given[5] || given[6]))
                m_read.refuse(
                    jsonMemberPath(path, QStringLiteral("noseDistance")),
                    TaskJsonTexts::tr("nose and tail distances together must be less than the length"));
        } else {
            turnOn = m_read.boolean(o, path, QStringLiteral("turnOn"));
        }

        // Find: the row with the id when it has the given name (or no name is given), else the
        // one row with the name.
        qint32 found = 0;
        const QString table = tableName(lib.table);
        if (id) {
            QSqlQuery q = m_sql.run(
                QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(lib.name, table, lib.key), {*id});
            if (q.next() && (!name || q.value(0).toString() == *name))
                found = qint32(*id);
            else if (!name)
                m_read.refuse(jsonMemberPath(path, idKey),
                              TaskJsonTexts::tr("no %1 has the id %2").arg(lib.label).arg(*id));
        }
        if (!found) {
            QSqlQuery q = m_sql.run(
                QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? ORDER BY %1").arg(lib.key, table, lib.name),
                {*name});
            std::vector<qint32> rows;
            while (q.next())
                rows.push_back(q.value(0).toInt());
            if (rows.size() > 1)
                m_read.refuse(jsonMemberPath(path, nameKey),
                              TaskJsonTexts::tr("%1 names %2 library rows; give %3 too")
                                  .arg(quoted(*name))
                                  .arg(rows.size())
                                  .arg(idKey));
            if (rows.size() == 1)
                found = rows.front();
        }
        if (found) {
            // The values given must be those of the library row: a plan for other sizes would
            // mislead whoever loads by it.
            QStringList columns;
            for (const LibraryField& f : fields)
                columns << QLatin1String(f.column);
            columns << QStringLiteral("Mark")
                    << (conts ? QStringLiteral("FillDir") : QStringLiteral("TurnOn"));
            QSqlQuery q = m_sql.run(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                        .arg(columns.join(QStringLiteral(", ")), table, lib.key),
                                    {found});
            q.next();
            for (size_t i = 0; i < N; ++i)
                if (given[i] && q.value(int(i)).toLongLong() != *given[i])
                    m_read.refuse(jsonMemberPath(path, QLatin1String(fields[i].json)),
                                  TaskJsonTexts::tr("%1 differs from the library's %2 (%3)")
                                      .arg(*given[i])
                                      .arg(lib.label)
                                      .arg(q.value(int(i)).toLongLong()));
            if (mark && q.value(int(N)).toString() != *mark)
                m_read.refuse(jsonMemberPath(path, QStringLiteral("mark")),
                              TaskJsonTexts::tr("%1 differs from the library's %2 (%3)")
                                  .arg(quoted(*mark), lib.label, quoted(q.value(int(N)).toString())));
            if (fillDir && q.value(int(N) + 1).toString() != *fillDir)
                m_read.refuse(jsonMemberPath(path, QStringLiteral("fillDir")),
                              TaskJsonTexts::tr("%1 differs from the library's %2 (%3)")
                                  .arg(quoted(*fillDir), lib.label, quoted(q.value(int(N) + 1).toString())));
            if (turnOn && (q.value(int(N) + 1).toInt() != 0) != *turnOn)
                m_read.refuse(jsonMemberPath(path, QStringLiteral("turnOn")),
                              TaskJsonTexts::tr("differs from the library's %1").arg(lib.label));
            return found;
        }
        if (!m_options.createMissing)
            m_read.refuse(jsonMemberPath(path, nameKey),
                          TaskJsonTexts::tr("unknown %1 %2").arg(lib.label, quoted(*name)));
        if (!given[0] || !given[1])
            m_read.refuse(path, TaskJsonTexts::tr("a new %1 needs its length and width").arg(lib.label));
        ++created;
        if (conts) {
            QSqlQuery q = m_sql.run(
                QStringLiteral(
                    "INSERT INTO conts (Type, Mark, Length, Width, LoadWt, FillDir, Temp, NoseWt, TailWt, "
                    "NoseDL, TailDL) VALUES (?, ?, ?, ?, ?, ?, 0, ?, ?, ?, ?)"),
                {*name, mark.value_or(defaultMark(*name)), *given[0], *given[1], given[2].value_or(0),
                 fillDir.value_or(QStringLiteral("Length")), given[3].value_or(0), given[4].value_or(0),
                 given[5].value_or(0), given[6].value_or(0)});
            return q.lastInsertId().toInt();
        }
        QSqlQuery q = m_sql.run(QStringLiteral("INSERT INTO boxes (Kind, Mark, Length, Width, Weight, "
                                               "TurnOn, Temp) VALUES (?, ?, ?, ?, ?, ?, 0)"),
                                {*name, mark.value_or(defaultMark(*name)), *given[0], *given[1],
                                 given[2].value_or(0), turnOn.value_or(true) ? 1 : 0});
        return q.lastInsertId().toInt();
    }

    Sql m_sql;
    Reader m_read;
    const TaskJsonOptions& m_options;
};

} // namespace

TaskJsonResult addTaskFromJson(Store& store, const QByteArray& json, const TaskJsonOptions& options) {
    TaskJsonResult result;
    if (json.size() > MaxTaskJsonBytes) {
        result.error = TaskJsonTexts::tr("the input is larger than %1 bytes").arg(MaxTaskJsonBytes);
        return result;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        result.error = TaskJsonTexts::tr("line %1: %2")
                           .arg(JsonLines::lineOfOffset(json, parseError.offset))
                           .arg(parseError.errorString());
        return result;
    }
    if (!doc.isObject()) {
        result.error = TaskJsonTexts::tr("line 1: the input needs to be a JSON object");
        return result;
    }
    const JsonLines lines(json);
    StoreTransaction unit(store);
    if (!unit.isActive()) {
        result.error = store.lastError();
        return result;
    }
    try {
        TaskImport import(store, lines, options);
        const qint32 taskId = import.run(doc.object(), result);
        if (!unit.commit()) {
            result.error = store.lastError();
            result.createdTypes = result.createdKinds = 0;
            return result;
        }
        result.taskId = taskId;
    } catch (const Refused& refused) {
        unit.rollback();
        result.error = refused.message;
        result.createdTypes = result.createdKinds = 0;
    }
    return result;
}

} // namespace palvane
