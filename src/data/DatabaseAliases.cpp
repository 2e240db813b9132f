#include "DatabaseAliases.h"

#include "SampleData.h"
#include "Store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace palvane {

namespace {

constexpr const char* AliasNames[3] = {"KorvanB", "Korvanexp", "Korvanimp"};

} // namespace

QString databaseAliasName(int code)
{
    if (code == ExportDatabase || code == ImportDatabase)
        return QLatin1String(AliasNames[code]);
    return QLatin1String(AliasNames[MainDatabase]);
}

int DatabaseAliases::slot(int code)
{
    return code == ExportDatabase || code == ImportDatabase ? code : MainDatabase;
}

DatabaseAliases::DatabaseAliases(const HomeFolder& home) : m_home(home)
{
    for (int i = 0; i < 3; ++i)
        m_paths[i] = QLatin1String(AliasNames[i]);
}

bool DatabaseAliases::configurationExists() const
{
    return QFileInfo(m_home.databasesIniPath()).isFile();
}

bool DatabaseAliases::load(QString* error)
{
    const QString file = m_home.databasesIniPath();
    QSettings ini(file, QSettings::IniFormat);
    const bool readable = QFileInfo(file).isReadable();
    if (!readable || ini.status() != QSettings::NoError) {
        if (error)
            *error = tr("Database configuration cannot be read:") + QLatin1Char('\r') +
                     QDir::toNativeSeparators(file);
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        const QString key = QLatin1String(AliasNames[i]) + QStringLiteral("/Path");
        const QString value = ini.value(key).toString().trimmed();
        m_paths[i] = value.isEmpty() ? QLatin1String(AliasNames[i]) : value;
    }
    return true;
}

bool DatabaseAliases::save(QString* error) const
{
    const QString file = m_home.databasesIniPath();
    {
        QSettings ini(file, QSettings::IniFormat);
        ini.clear();
        for (int i = 0; i < 3; ++i)
            ini.setValue(QLatin1String(AliasNames[i]) + QStringLiteral("/Path"), m_paths[i]);
        ini.sync();
        if (ini.status() == QSettings::NoError && QFileInfo(file).isFile())
            return true;
    }
    if (error)
        *error = tr("Database configuration cannot be written:") + QLatin1Char('\r') +
                 QDir::toNativeSeparators(file);
    return false;
}

QString DatabaseAliases::configuredPath(int code) const
{
    return m_paths[slot(code)];
}

void DatabaseAliases::setConfiguredPath(int code, const QString& path)
{
    m_paths[slot(code)] = path;
}

QString DatabaseAliases::directory(int code) const
{
    return m_home.absolute(configuredPath(code));
}

QStringList DatabaseAliases::missingDirectoryMessages() const
{
    static const char* const roles[3] = {QT_TR_NOOP("Main/Home"), QT_TR_NOOP("Export"),
                                          QT_TR_NOOP("Import")};
    QStringList messages;
    for (int i = 0; i < 3; ++i) {
        if (QFileInfo(directory(i)).isDir())
            continue;
        messages << tr(roles[i]) + QLatin1Char(' ') + tr("DB location not found, alias:") +
                        QLatin1Char(' ') + QLatin1String(AliasNames[i]);
    }
    return messages;
}

bool prepareDatabases(const HomeFolder& home, bool* created, QString* error)
{
    if (created)
        *created = false;
    DatabaseAliases aliases(home);
    if (aliases.configurationExists())
        return true;
    if (!home.ensureExists()) {
        if (error)
            *error = DatabaseAliases::tr("Database configuration cannot be written:") +
                     QLatin1Char('\r') + QDir::toNativeSeparators(home.path());
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
