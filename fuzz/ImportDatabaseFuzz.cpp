// The whole box import into a real database: any file, with any column order, separators and
// header count, must end without a fault, add exactly the kinds it reports, each within the
// library's field limits, and report every failure it flags.
#include "BoxImport.h"
#include "Cursor.h"
#include "FuzzSupport.h"

#include <QSqlQuery>

using namespace palvane;
using palvane::fuzz::check;

namespace {

// The library before each run: two kinds that must survive every import.
const QStringList Library = {
    QStringLiteral(
        "INSERT INTO boxes (KindID, Kind, Mark, Length, Width, Weight, TurnOn, Total) VALUES "
        "(1, 'Euro pallet', 'EP', 1200, 800, 300, 1, 1), (2, 'Pallet', 'Pa', 1200, 1000, 400, 0, 1)"),
    QStringLiteral("INSERT INTO tasks (TaskID, Name, Solut) VALUES (1, 'Alpha', 0)")};

qint64 scalar(TDMForm& dm, const QString& sql) {
    QSqlQuery q(dm.store()->database());
    check(q.exec(sql) && q.next(), "query", sql);
    return q.value(0).toLongLong();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScriptedPrompter prompter;
    static TDMForm& dm = fuzz::dataModule(prompter, Library, 1);
    if (size == 0)
        return 0;
    ImportOptions options;
    options.columns = importColumns(data[0] & 3);
    options.separators = importSeparators((data[0] >> 2) & 1);
    options.header = (data[0] >> 3) & 3;
    const QString path = fuzz::writeScratchFile("import.txt", data + 1, size - 1);

    prompter.asked.clear();
    const qint64 before = scalar(dm, QStringLiteral("SELECT COUNT(*) FROM boxes"));
    const ImportOutcome out = ImportBoxes(dm, path, options, prompter);
    const qint64 after = scalar(dm, QStringLiteral("SELECT COUNT(*) FROM boxes"));
    check(out.imported >= 0 && after - before == out.imported, "kinds added differ from the count reported");
    check(scalar(dm, QStringLiteral("SELECT COUNT(*) FROM boxes WHERE KindID <= 2")) == 2,
          "library kinds lost");
    check(scalar(dm, QStringLiteral("SELECT COUNT(*) FROM boxes WHERE KindID > 2 AND NOT ("
                                    "length(Kind) BETWEEN 1 AND 25 AND length(Mark) BETWEEN 1 AND 2 "
                                    "AND Length BETWEEN 1 AND 32000 AND Width BETWEEN 1 AND 32000 "
                                    "AND Weight BETWEEN 0 AND 30000 AND Total BETWEEN 0 AND 1000 "
                                    "AND TurnOn IN (0, 1))")) == 0,
          "a kind outside the field limits was stored");
    check(!(out.formatError || out.rangeError) || !prompter.asked.empty(), "a failure was not reported");
    check(dm.boxes().isActive() && dm.boxes().rowCount() == after, "library cursor out of step");

    // Back to the two kinds for the next input.
    QSqlQuery clear(dm.store()->database());
    check(clear.exec(QStringLiteral("DELETE FROM boxes WHERE KindID > 2")), "clearing the import");
    check(dm.boxes().refresh(), "library refresh");
    return 0;
}
