// The solution's CSV texts with any task, container type and box kind names, any marks, any
// cost and area values and the regional settings of several languages: every text must read
// back as RFC 4180 with the header's field count on every data line, and the names must come
// back as stored.
#include "CsvReader.h"
#include "Cursor.h"
#include "FuzzSupport.h"
#include "SolutionCsv.h"

#include <QSqlQuery>
#include <cstring>

using namespace palvane;
using palvane::fuzz::check;

namespace {

// A solved task: two containers, three kinds, their distribution and a few positions.
const QStringList Plan = {
    QStringLiteral("INSERT INTO conts (TypeID, Type, Length, Width, LoadWt, FillDir, NoseDL, TailDL) VALUES "
                   "(1, 'Semitrailer', 13600, 2450, 24000, 'Length', 0, 0), "
                   "(2, 'Van', 4000, 2000, 1500, 'Either', 0, 0)"),
    QStringLiteral("INSERT INTO boxes (KindID, Kind, Mark, Length, Width, Weight, TurnOn) VALUES "
                   "(1, 'Euro pallet', 'EP', 1200, 800, 300, 1), (2, 'Pallet', 'Pa', 1200, 1000, 400, 0), "
                   "(3, 'Crate', 'Cr', 600, 400, 50, 1)"),
    QStringLiteral("INSERT INTO tasks (TaskID, Name, Solut, Date) VALUES (1, 'Alpha', 1, '2026-01-05')"),
    QStringLiteral(
        "INSERT INTO tc (TaskID, TypeID, Avail, Used, Cost) VALUES (1, 1, 2, 1, 100), (1, 2, 1, 1, 10)"),
    QStringLiteral(
        "INSERT INTO tb (TaskID, KindID, Total, Placed, Cost) VALUES (1, 1, 6, 6, 2), (1, 2, 2, 2, 3), "
        "(1, 3, 4, 3, 1)"),
    QStringLiteral("INSERT INTO solut (TaskID, ContNo, TypeID, BoxLoad, WgtLoad, WolLoad, FixCont, CostLoad, "
                   "NoseLoad, TailLoad) VALUES (1, 1, 1, 7, 2200, 5.76e6, 0, 100, 1000, 1200), "
                   "(1, 2, 2, 4, 550, 1.92e6, 1, 10, 200, 350)"),
    QStringLiteral("INSERT INTO distr (TaskID, ContNo, KindID, Placed) VALUES (1, 1, 1, 6), (1, 1, 2, 1), "
                   "(1, 2, 2, 1), (1, 2, 3, 3)"),
    QStringLiteral(
        "INSERT INTO posit (TaskID, ContNo, BoxNo, KindID, PosX, PosY, PosLh, PosWh, LoadNo) VALUES "
        "(1, 1, 1, 1, 0, 0, 1200, 800, 1), (1, 1, 2, 2, 1200, 0, 1200, 1000, 2), "
        "(1, 2, 1, 2, 0, 0, 1200, 1000, 1), (1, 2, 2, 3, 1200, 0, 600, 400, 2)")};

const QLocale::Language Languages[] = {QLocale::C,      QLocale::English, QLocale::French,  QLocale::Italian,
                                       QLocale::German, QLocale::Arabic,  QLocale::Persian, QLocale::Hindi};

void exec(TDMForm& dm, const QString& sql, const QVariantList& values) {
    QSqlQuery q(dm.store()->database());
    check(q.prepare(sql), "prepare", sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    check(q.exec(), "update", sql);
}

// Checks one text: RFC 4180, the first record the date and the name, then the header of
// `width` fields (the last one empty), an empty record, and then records of one field (the
// container lines and the empty line after each) or of the header's width.
QList<QStringList> checkText(const QString& text, const QString& date, const QString& name, qsizetype width) {
    QList<QStringList> records;
    QString error;
    check(test::readCsv(text, &records, &error), "not RFC 4180:", error);
    check(records.size() >= 3, "too few records");
    check(records[0] == QStringList({date, QStringLiteral("  ") + name}), "date and name line",
          records[0].join('|'));
    check(records[1].size() == width && records[1].last().isEmpty(), "header");
    check(records[2] == QStringList({QString()}), "empty line after the header");
    for (qsizetype k = 3; k < records.size(); ++k) {
        const QStringList& r = records[k];
        check(r.size() == width ||
                  (r.size() == 1 && (r[0].isEmpty() || r[0].startsWith(QLatin1String("Container# ")))),
              "field count", r.join('|'));
        if (r.size() == width)
            check(r.last().isEmpty(), "a data line does not end with a comma");
    }
    return records;
}

bool isNumber(const QString& s) {
    bool ok = false;
    s.trimmed().toDouble(&ok);
    return ok && !s.contains(QLatin1Char(','));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScriptedPrompter prompter;
    static TDMForm& dm = fuzz::dataModule(prompter, Plan, 1);
    if (size < 9)
        return 0;
    // Byte 0: the language; bytes 1-8: the first container's cost and area as raw floats
    // (infinities and NaN included); the rest: the names and marks, separated by NUL bytes.
    const QLocale locale(Languages[data[0] % std::size(Languages)]);
    float cost, area;
    std::memcpy(&cost, data + 1, 4);
    std::memcpy(&area, data + 5, 4);
    const QList<QByteArray> parts =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data + 9), qsizetype(size - 9)).split('\0');
    auto part = [&](int i) { return i < parts.size() ? QString::fromUtf8(parts[i]) : QString(); };

    exec(dm, QStringLiteral("UPDATE tasks SET Name = ? WHERE TaskID = 1"), {part(0)});
    exec(dm, QStringLiteral("UPDATE conts SET Type = ? WHERE TypeID = 1"), {part(1)});
    exec(dm, QStringLiteral("UPDATE conts SET Type = ? WHERE TypeID = 2"), {part(2)});
    for (int k = 1; k <= 3; ++k)
        exec(dm, QStringLiteral("UPDATE boxes SET Kind = ?, Mark = ? WHERE KindID = ?"),
             {part(2 + k), part(5 + k), k});
    exec(dm, QStringLiteral("UPDATE solut SET CostLoad = ?, WolLoad = ? WHERE TaskID = 1 AND ContNo = 1"),
         {double(cost), double(area)});
    dm.RefreshTables();
    Cursor& tasks = dm.tasks();
    check(tasks.locate(QStringLiteral("TaskID"), 1), "task");
    Cursor& solut = dm.solut();
    check(solut.rowCount() == 2, "containers");

    const SolutionCsvTexts texts = buildSolutionCsv(dm, locale);
    const QDate date = tasks.value(QStringLiteral("Date")).toDate();
    const QString shownDate = date.isValid() ? locale.toString(date, QLocale::ShortFormat) : QString();
    const QString name = tasks.textValue(QStringLiteral("Name"));
    const QList<QStringList> conts = checkText(texts.conts, shownDate, name, 11);
    const QList<QStringList> distr = checkText(texts.distr, shownDate, name, 6);
    const QList<QStringList> posit = checkText(texts.posit, shownDate, name, 8);

    // The container lines: the type as stored, numbers written with the point.
    check(conts.size() == 5, "container lines");
    for (int i = 0; i < 2; ++i) {
        const QStringList& r = conts[3 + i];
        check(r[0] == solut.valueAt(i, QStringLiteral("Type")).toString(), "container type", r[0]);
        for (int col = 1; col <= 9; ++col)
            check(isNumber(r[col]), "number field", r[col]);
    }
    // The kind lines of each container: kind and mark as stored.
    int kinds = 0;
    for (const QList<QStringList>* records : {&distr, &posit})
        for (qsizetype k = 3; k < records->size(); ++k) {
            const QStringList& r = (*records)[k];
            if (r.size() == 1)
                continue;
            bool found = false;
            for (int id = 1; id <= 3 && !found; ++id) {
                check(dm.boxes().locate(QStringLiteral("KindID"), id), "kind");
                found = r[0] == dm.boxes().textValue(QStringLiteral("Kind")) &&
                        (records == &posit || r[4] == dm.boxes().textValue(QStringLiteral("Mark")));
            }
            check(found, "kind or mark not as stored", r.join('|'));
            ++kinds;
        }
    check(kinds == 4 + 4, "kind and position lines");
    return 0;
}
