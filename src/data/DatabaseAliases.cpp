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
        const QString key = QLatin1String(AliasNames[i]) + QStringLiteral("/Path");
        const QString value = ini.value(key).toString().trimmed();
        m_paths[i] = value.isEmpty() ? QLatin1String(AliasNames[i]) : value;
    }
    return true;
}

bool DatabaseAliases::save(QString* error) const {
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

QString DatabaseAliases::configuredPath(int code) const {
    return m_paths[slot(code)];
}

void DatabaseAliases::setConfiguredPath(int code, const QString& path) {
    m_paths[slot(code)] = path;
}

QString DatabaseAliases::directory(int code) const {
    return m_home.absolute(configuredPath(code));
}

QStringList DatabaseAliases::missingDirectoryMessages() const {
    static const char* const roles[3] = {QT_TR_NOOP("Main/Home"), QT_TR_NOOP("Export"), QT_TR_NOOP("Import")};
    QStringList messages;
    for (int i = 0; i < 3; ++i) {
        if (QFileInfo(directory(i)).isDir())
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
                            QLatin1Char('\r') + QDir::toNativeSeparators(place(i));
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
