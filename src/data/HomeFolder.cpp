#include "HomeFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace palvane {

QString HomeFolder::resolve(const QStringList& arguments) {
    QString chosen;
    const QString opt = QStringLiteral("--home");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == opt && i + 1 < arguments.size())
            chosen = arguments[i + 1];
        else if (a.startsWith(opt + QLatin1Char('=')))
            chosen = a.mid(opt.size() + 1);
    }
    if (chosen.isEmpty())
        chosen = qEnvironmentVariable("PALVANE_HOME");
    if (chosen.isEmpty())
        chosen = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (chosen.isEmpty())
        return QString();
    return QDir::cleanPath(QDir(chosen).absolutePath());
}

HomeFolder::HomeFolder(const QString& path) : m_path(QDir::cleanPath(QDir(path).absolutePath())) {}

QString HomeFolder::iniFilePath() const {
    return absolute(QStringLiteral("korvan.ini"));
}

QString HomeFolder::databasesIniPath() const {
    return absolute(QStringLiteral("databases.ini"));
}

QString HomeFolder::importFolder() const {
    return absolute(QStringLiteral("impbox"));
}

QString HomeFolder::exportFolder() const {
    return absolute(QStringLiteral("solutions"));
}

QString HomeFolder::reportsFolder() const {
    return absolute(QStringLiteral("reports"));
}

QString HomeFolder::absolute(const QString& relativeOrAbsolute) const {
    return QDir::cleanPath(QDir(m_path).absoluteFilePath(relativeOrAbsolute));
}

bool HomeFolder::ensureExists() const {
    return QDir().mkpath(m_path);
}

} // namespace palvane
