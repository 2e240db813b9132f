#include "DatabaseAliases.h"

#include "RegularFile.h"
#include "SampleData.h"
#include "Store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace palvane {

namespace {

constexpr const char* AliasNames[3] = {"KorvanB", "Korvanexp", "Korvanimp"};

} // namespace

QString databaseAliasName(int code) {
    if (code == ExportDatabase || code == ImportDatabase)
        return QLatin1String(AliasNames[code]);
    return QLatin1String(AliasNames[MainDatabase]);
}

int DatabaseAliases::slot(int code) {
    return code == ExportDatabase || code == ImportDatabase ? code : MainDatabase;
}

DatabaseAliases::DatabaseAliases(const HomeFolder& home) : m_home(home) {
    for (int i = 0; i < 3; ++i)
        m_paths[i] = QLatin1String(AliasNames[i]);
}

bool DatabaseAliases::configurationExists() const {
    // Anything by that name counts, so that a FIFO or a broken link is reported, never replaced.
    const QFileInfo fi(m_home.databasesIniPath());
    return fi.exists() || fi.isSymLink();
}

bool DatabaseAliases::load(QString* error) {
    const QString file = m_home.databasesIniPath();
    // Only a small regular file is handed to the reader, which would block on a FIFO and read
    // a device without end.
    const FileReadStatus status = checkRegularFile(file, MaxIniFileBytes);
    if (status != FileReadStatus::Ok) {
        if (error)
            *error = tr("Database configuration cannot be read:") + QLatin1Char('\r') +
                     (status == FileReadStatus::Missing ? QDir::toNativeSeparators(file)
                                                        : fileReadProblem(status, file, MaxIniFileBytes));
        return false;
    }
    QSettings ini(file, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        if (error)
            *error = tr("Database configuration cannot be read:") + QLatin1Char('\r') +
                     QDir::toNativeSeparators(file);
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        const QString alias = QLatin1String(AliasNames[i]);
        auto entry = [&](const char* key) {
            return ini.value(alias + QLatin1Char('/') + QLatin1String(key)).toString().trimmed();
        };
        const QString value = entry("Path");
        m_paths[i] = value.isEmpty() ? alias : value;
        const QString driver = entry("Driver");
        m_isServer[i] = driver.compare(QLatin1String("QPSQL"), Qt::CaseInsensitive) == 0;
        if (!m_isServer[i] && !driver.isEmpty() &&
            driver.compare(QLatin1String("QSQLITE"), Qt::CaseInsensitive) != 0) {
            if (error)
                *error = tr("Database configuration cannot be read:") + QLatin1Char('\r') +
                         tr("Unknown driver %1 for the alias %2").arg(driver, alias);
            return false;
        }
        ServerLocation& server = m_servers[i];
        server = ServerLocation();
        if (!m_isServer[i])
            continue;
        server.host = entry("Host");
        server.port = entry("Port").toInt();
        server.database = entry("Database");
        server.user = entry("User");
        server.service = entry("Service");
        server.schema = entry("Schema");
        if (server.schema.isEmpty())
            server.schema = alias.toLower();
    }
    return true;
}

bool DatabaseAliases::save(QString* error) const {
    const QString file = m_home.databasesIniPath();
    {
        QSettings ini(file, QSettings::IniFormat);
        ini.clear();
        for (int i = 0; i < 3; ++i) {
            const QString alias = QLatin1String(AliasNames[i]) + QLatin1Char('/');
            if (!m_isServer[i]) {
                ini.setValue(alias + QStringLiteral("Path"), m_paths[i]);
                continue;
            }
            const ServerLocation& server = m_servers[i];
            ini.setValue(alias + QStringLiteral("Driver"), QStringLiteral("QPSQL"));
            const std::pair<const char*, QString> entries[] = {
                {"Host", server.host},
                {"Port", server.port > 0 ? QString::number(server.port) : QString()},
                {"Database", server.database},
                {"User", server.user},
                {"Schema", server.schema},
                {"Service", server.service}};
            for (const auto& [key, value] : entries)
                if (!value.isEmpty())
                    ini.setValue(alias + QLatin1String(key), value);
        }
        ini.sync();
        if (ini.status() == QSettings::NoError && QFileInfo(file).isFile())
            return true;
    }
    if (error)
        *error = tr("Database configuration cannot be written:") + QLatin1Char('\r') +
                 QDir::toNativeSeparators(file);
    return false;
}

QString DatabaseAliases::configuredPath(int code) const {
    return m_paths[slot(code)];
}

void DatabaseAliases::setConfiguredPath(int code, const QString& path) {
    m_paths[slot(code)] = path;
}

void DatabaseAliases::setServer(int code, const ServerLocation& location) {
    m_isServer[slot(code)] = true;
    m_servers[slot(code)] = location;
}

QString DatabaseAliases::directory(int code) const {
    if (isServer(code))
        return m_servers[slot(code)].toString();
    return m_home.absolute(configuredPath(code));
}

int DatabaseAliases::aliasCode(const QString& name) {
    for (int i = 0; i < 3; ++i)
        if (name.compare(QLatin1String(AliasNames[i]), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QStringList DatabaseAliases::missingDirectoryMessages() const {
    static const char* const roles[3] = {QT_TR_NOOP("Main/Home"), QT_TR_NOOP("Export"), QT_TR_NOOP("Import")};
    QStringList messages;
    for (int i = 0; i < 3; ++i) {
        if (isServer(i) || QFileInfo(directory(i)).isDir())
            continue;
        messages << tr(roles[i]) + QLatin1Char(' ') + tr("DB location not found, alias:") + QLatin1Char(' ') +
                        QLatin1String(AliasNames[i]);
    }
    return messages;
}

QStringList DatabaseAliases::directoryClashMessages() const {
    // Canonical paths see through links and "..": two aliases that reach one folder clash.
    auto place = [this](int code) {
        const QString dir = directory(code);
        if (isServer(code))
            return dir;
        const QString canonical = QFileInfo(dir).canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(dir) : canonical;
    };
    QStringList messages;
    for (int i = 0; i < 3; ++i) {
        for (int j = i + 1; j < 3; ++j) {
            if (place(i) != place(j))
                continue;
            messages << tr("The aliases %1 and %2 name the same DB location:")
                                .arg(QLatin1String(AliasNames[i]), QLatin1String(AliasNames[j])) +
                            QLatin1Char('\r') +
                            (isServer(i) ? databaseDisplayName(place(i))
                                         : QDir::toNativeSeparators(place(i)));
        }
    }
    return messages;
}

QStringList DatabaseAliases::startUpMessages() const {
    return missingDirectoryMessages() + directoryClashMessages();
}

bool prepareDatabases(const HomeFolder& home, bool* created, QString* error) {
    if (created)
        *created = false;
    DatabaseAliases aliases(home);
    if (aliases.configurationExists())
        return true;
    if (!home.ensureExists()) {
        if (error)
            *error = DatabaseAliases::tr("Database configuration cannot be written:") + QLatin1Char('\r') +
                     QDir::toNativeSeparators(home.path());
        return false;
    }
    StoreError storeError;
    for (int code : {MainDatabase, ExportDatabase, ImportDatabase}) {
        auto store = Store::open(aliases.directory(code), StoreOpenMode::CreateMissing, &storeError);
        if (!store) {
            if (error)
                *error = storeError.message();
            return false;
        }
        if (code == MainDatabase && !seedSampleData(*store, error))
            return false;
    }
    // Written last: an interrupted first start runs again on the next start.
    if (!aliases.save(error))
        return false;
    if (created)
        *created = true;
    return true;
}

} // namespace palvane
