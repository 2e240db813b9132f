#pragma once
// The program's home folder: where the initialisation file, the import folder "impbox", the
// export folder "solutions", the folder of PDF reports "reports" and the database configuration
// "databases.ini" live. It is the folder of a "--home DIR" option, else of the environment
// variable PALVANE_HOME, else the per-user application data folder.
#include <QString>
#include <QStringList>

namespace palvane {

class HomeFolder {
public:
    // The folder chosen by the command line (program name first, as in QCoreApplication::
    // arguments(); "--home DIR" and "--home=DIR" are understood), the environment and the
    // platform, made absolute. Empty only when the platform names no data folder at all.
    static QString resolve(const QStringList& arguments);

    // A home folder at `path` (made absolute).
    explicit HomeFolder(const QString& path);

    QString path() const { return m_path; }
    // The initialisation file "korvan.ini".
    QString iniFilePath() const;
    // The database configuration "databases.ini".
    QString databasesIniPath() const;
    // The folder of box import files and the paste log, "impbox".
    QString importFolder() const;
    // The folder of the CSV solution exports, "solutions".
    QString exportFolder() const;
    // The folder the printed reports are suggested to go into as PDF files, "reports".
    QString reportsFolder() const;
    // A path relative to the home folder made absolute; absolute paths stay as they are.
    QString absolute(const QString& relativeOrAbsolute) const;
    // Creates the home folder when it does not exist; false when that is impossible.
    bool ensureExists() const;

private:
    QString m_path;
};

} // namespace palvane
