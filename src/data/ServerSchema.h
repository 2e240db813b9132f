#pragma once
// The eight tables on a PostgreSQL server: the statements that create them in the session's
// schema and the comparison of an existing schema with them.
//
// Besides the stored fields every table has two columns of its own on a server: "rowid", a
// stable row identity (the tables without a key have none otherwise, as SQLite's hidden rowid
// gives them in a table file), and "rowversion", which a trigger raises by one on every update
// of the row, so an edit can store only when the row is still the version that was read.
#include <QString>
#include <QStringList>

class QSqlDatabase;

namespace palvane {

// Name of the row identity and row version columns on a server.
inline constexpr const char* ServerRowIdColumn = "rowid";
inline constexpr const char* ServerRowVersionColumn = "rowversion";

// Statements that create the eight tables with their indexes and row triggers in the schema
// first on the session's search path.
QStringList serverCreateSql();

// What an existing schema holds of the eight tables.
struct ServerSchemaState {
    int tablesPresent = 0;   // how many of the eight tables exist
    QStringList differences; // e.g. "tc: no column Prior", "conts.Length: integer, not smallint"
    QString error;           // the catalogue could not be read
};

// Compares the tables of `schema` with the eight tables (missing tables, missing, extra or
// differently typed columns).
ServerSchemaState inspectServerSchema(QSqlDatabase& db, const QString& schema);

// Whether a connection goes to a server (QPSQL) rather than to table files.
bool isServerConnection(const QSqlDatabase& db);
// An ORDER BY term that sorts a text column without regard to case, as the connection writes it.
QString caseFoldedOrder(const QSqlDatabase& db, const QString& column);

// A schema or other name quoted as an SQL identifier.
QString quotedIdentifier(const QString& name);

} // namespace palvane
