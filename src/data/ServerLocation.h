#pragma once
// Where a database lives when it is not a directory of SQLite files: a schema of a PostgreSQL
// database reached through QtSql's QPSQL driver. Everything that names a database by one text
// (the data module, the store, the command line) carries such a location as its "directory";
// the text starts with "qpsql:" and never names a real folder.
#include <QString>

class QSqlDatabase;

namespace palvane {

struct ServerLocation {
    QString host;     // host name, address or socket directory; empty: libpq's default
    int port = 0;     // 0: libpq's default
    QString database; // database name; empty: libpq's default (the user's name)
    QString user;     // empty: libpq's default
    QString schema;   // the schema holding the eight tables
    QString service;  // a libpq service name (pg_service.conf), empty when none

    // The location as one text, "qpsql:" followed by its non-empty entries.
    QString toString() const;
    // Reads a text made by toString(); false when the text is not a server location.
    static bool fromString(const QString& text, ServerLocation* location);
    // How messages name the location, e.g. "PostgreSQL planner@db.example:5432/palvane, schema korvanb".
    QString displayName() const;
    // Sets the connection parameters of a QPSQL connection; the password is never set here,
    // libpq takes it from ~/.pgpass, PGPASSWORD or the service file.
    void applyTo(QSqlDatabase& db) const;
};

// Whether a database text names a server location rather than a directory.
bool isServerLocation(const QString& location);

// How messages name a database: a server location's displayName(), else the path itself.
QString databaseDisplayName(const QString& location);

} // namespace palvane
