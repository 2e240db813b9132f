#pragma once
// The three task databases and where they live. Each database alias names a directory by its
// "Path" entry in the home folder's "databases.ini" (one section per alias; the path is
// absolute or relative to the home folder). A section with "Driver=QPSQL" names a schema of a
// PostgreSQL database instead, by "Host", "Port", "Database", "User", "Schema" (default: the
// alias in lower case) and "Service"; the password is never kept there (libpq finds it).
#include "HomeFolder.h"
#include "ServerLocation.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace palvane {

// Codes of the three databases, as `ActiveDatabase` holds them.
inline constexpr int MainDatabase = 0;   // "KorvanB"
inline constexpr int ExportDatabase = 1; // "Korvanexp"
inline constexpr int ImportDatabase = 2; // "Korvanimp"

// The alias of a database code: 1 "Korvanexp", 2 "Korvanimp", any other value "KorvanB".
QString databaseAliasName(int code);

class DatabaseAliases {
    Q_DECLARE_TR_FUNCTIONS(palvane::DatabaseAliases)
public:
    // The default configuration: each alias's directory is named like the alias, inside the
    // home folder.
    explicit DatabaseAliases(const HomeFolder& home);

    // Whether the home folder holds anything named "databases.ini".
    bool configurationExists() const;
    // Reads "databases.ini". An alias without a section or without a "Path" keeps its default.
    // False (and a message naming the file) when the file cannot be read or is not an
    // initialisation file, or is not a regular file of at most 64 KiB; the paths are then the
    // defaults.
    bool load(QString* error = nullptr);
    // Writes "databases.ini" with the three sections; false with a message on failure.
    bool save(QString* error = nullptr) const;

    // The "Path" of the alias as configured (relative or absolute).
    QString configuredPath(int code) const;
    void setConfiguredPath(int code, const QString& path);
    // Points the alias at a server schema instead of a directory.
    void setServer(int code, const ServerLocation& location);
    // Whether the alias names a server schema.
    bool isServer(int code) const { return m_isServer[slot(code)]; }
    // The database directory of a code, absolute; for a server alias its location text.
    QString directory(int code) const;
    // The code of an alias name (case-insensitive), -1 when the name is none of the three.
    static int aliasCode(const QString& name);

    // The start-up check of the database directories, in the order "KorvanB", "Korvanexp",
    // "Korvanimp": one message per missing directory, e.g.
    // "Main/Home DB location not found, alias: KorvanB". Empty when all exist.
    QStringList missingDirectoryMessages() const;
    // One message per pair of aliases that name the same directory (after following links),
    // e.g. "The aliases KorvanB and Korvanimp name the same DB location:" and the directory on
    // a second line. Each database needs its own directory: emptying the import database
    // would otherwise empty the main one. Empty when all three differ.
    QStringList directoryClashMessages() const;
    // The problems that stop the start-up: missing directories, then clashes.
    QStringList startUpMessages() const;

private:
    static int slot(int code);
    HomeFolder m_home;
    QString m_paths[3];
    bool m_isServer[3] = {false, false, false};
    ServerLocation m_servers[3];
};

// First start: when the home folder holds no "databases.ini", creates the three database
// directories with empty tables, fills the main database with the sample library and task (only
// when it has no rows yet) and then writes "databases.ini" with the default paths. Does nothing
// when the file exists. `created` tells whether the first-start work ran. On failure returns
// false with a message; what existed before is kept.
bool prepareDatabases(const HomeFolder& home, bool* created = nullptr, QString* error = nullptr);

} // namespace palvane
