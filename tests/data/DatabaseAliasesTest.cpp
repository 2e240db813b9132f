// Home folder, databases.ini, the first start with its sample database, the missing-directory
// check at start-up.
#include "DatabaseAliases.h"
#include "CoreApp.h"
#include "RegularFile.h"
#include "SampleData.h"
#include "Store.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace palvane;

namespace {

qint64 scalar(Store& s, const QString& sql) {
    QSqlQuery q(s.database());
    return q.exec(sql) && q.next() ? q.value(0).toLongLong() : -1;
}

class EnvGuard {
public:
    explicit EnvGuard(const char* name)
        : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name)) {}
    ~EnvGuard() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

} // namespace

TEST(HomeFolderTest, OptionThenEnvironmentThenPlatform) {
    test::ensureCoreApp();
    EnvGuard guard("PALVANE_HOME");
    QTemporaryDir tmp;
    const QString a = tmp.filePath(QStringLiteral("a"));
    const QString b = tmp.filePath(QStringLiteral("b"));
    qputenv("PALVANE_HOME", b.toUtf8());
    EXPECT_EQ(HomeFolder::resolve({QStringLiteral("palvane"), QStringLiteral("--home"), a}), a);
    EXPECT_EQ(HomeFolder::resolve({QStringLiteral("palvane"), QStringLiteral("--home=") + a}), a);
    EXPECT_EQ(HomeFolder::resolve({QStringLiteral("palvane")}), b);
    // "--home" as the program name or without a value does not count.
    EXPECT_EQ(HomeFolder::resolve({QStringLiteral("--home"), a}), b);
    EXPECT_EQ(HomeFolder::resolve({QStringLiteral("palvane"), QStringLiteral("--home")}), b);
    qunsetenv("PALVANE_HOME");
    EXPECT_FALSE(HomeFolder::resolve({QStringLiteral("palvane")}).isEmpty());

    HomeFolder home(a);
    EXPECT_EQ(home.iniFilePath(), a + QStringLiteral("/korvan.ini"));
    EXPECT_EQ(home.importFolder(), a + QStringLiteral("/impbox"));
    EXPECT_EQ(home.exportFolder(), a + QStringLiteral("/solutions"));
    EXPECT_EQ(home.absolute(QStringLiteral("/x/y")), QStringLiteral("/x/y"));
    EXPECT_EQ(home.absolute(QStringLiteral("../z")), tmp.filePath(QStringLiteral("z")));
}

TEST(DatabaseAliasesTest, FirstStartCreatesConfigurationDatabasesAndSample) {
    test::ensureCoreApp();
    QTemporaryDir tmp;
    HomeFolder home(tmp.filePath(QStringLiteral("home")));
    bool created = false;
    QString error;
    ASSERT_TRUE(prepareDatabases(home, &created, &error)) << error.toStdString();
    EXPECT_TRUE(created);

    DatabaseAliases aliases(home);
    ASSERT_TRUE(aliases.load(&error));
    EXPECT_EQ(aliases.configuredPath(MainDatabase), QStringLiteral("KorvanB"));
    EXPECT_EQ(aliases.configuredPath(ExportDatabase), QStringLiteral("Korvanexp"));
    EXPECT_EQ(aliases.configuredPath(ImportDatabase), QStringLiteral("Korvanimp"));
    EXPECT_TRUE(aliases.missingDirectoryMessages().isEmpty());

    for (int code : {ExportDatabase, ImportDatabase}) {
        auto s = Store::open(aliases.directory(code), StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(s);
        for (Table t : AllTables)
            EXPECT_EQ(scalar(*s, QStringLiteral("SELECT COUNT(*) FROM ") + tableName(t)), 0);
    }
    auto main = Store::open(aliases.directory(MainDatabase), StoreOpenMode::ExistingOnly);
    ASSERT_TRUE(main);
    EXPECT_GE(scalar(*main, QStringLiteral("SELECT COUNT(*) FROM conts")), 3);
    EXPECT_GE(scalar(*main, QStringLiteral("SELECT COUNT(*) FROM boxes")), 3);
    EXPECT_EQ(scalar(*main, QStringLiteral("SELECT COUNT(*) FROM tasks")), 1);
    EXPECT_EQ(
        scalar(*main, QStringLiteral("SELECT COUNT(*) FROM conts WHERE Length = 13600 AND Width = 2450")), 1);
    EXPECT_EQ(scalar(*main, QStringLiteral("SELECT COUNT(*) FROM boxes WHERE Length = 1200 AND Width = 800")),
              1);
    // The sample task is solvable within the engine's limits and obeys the library rules.
    const qint64 boxes = scalar(*main, QStringLiteral("SELECT SUM(Total) FROM tb"));
    EXPECT_GE(boxes, 30);
    EXPECT_LE(boxes, 1000);
    EXPECT_LE(scalar(*main, QStringLiteral("SELECT SUM(Avail) FROM tc")), 24);
    EXPECT_EQ(scalar(*main, QStringLiteral("SELECT COUNT(*) FROM conts WHERE NoseDL + TailDL >= Length")), 0);
    EXPECT_EQ(
        scalar(*main,
               QStringLiteral("SELECT COUNT(*) FROM conts WHERE FillDir NOT IN ('Length','Width','Either')")),
        0);
    EXPECT_EQ(scalar(*main, QStringLiteral("SELECT COUNT(*) FROM conts WHERE length(Type) > 25 OR "
                                           "length(Mark) > 3 OR length(Descr) > 75")),
              0);
    EXPECT_EQ(scalar(*main, QStringLiteral("SELECT COUNT(*) FROM boxes WHERE length(Kind) > 25 OR "
                                           "length(Mark) > 2 OR length(Descr) > 75")),
              0);
    EXPECT_EQ(scalar(*main, QStringLiteral(
                                "SELECT COUNT(*) FROM tc WHERE TypeID NOT IN (SELECT TypeID FROM conts)")),
              0);
    EXPECT_EQ(scalar(*main, QStringLiteral(
                                "SELECT COUNT(*) FROM tb WHERE KindID NOT IN (SELECT KindID FROM boxes)")),
              0);
    // Seeding again adds nothing.
    EXPECT_TRUE(seedSampleData(*main));
    EXPECT_EQ(scalar(*main, QStringLiteral("SELECT COUNT(*) FROM tasks")), 1);
    main.reset();

    // A second start finds the configuration and changes nothing.
    ASSERT_TRUE(prepareDatabases(home, &created, &error));
    EXPECT_FALSE(created);
}

TEST(DatabaseAliasesTest, ConfiguredPathsAndMissingDirectoryMessages) {
    test::ensureCoreApp();
    QTemporaryDir tmp;
    HomeFolder home(tmp.path());
    QFile ini(home.databasesIniPath());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[KorvanB]\nPath=" + tmp.filePath(QStringLiteral("abs/main")).toUtf8() +
              "\n[Korvanexp]\nPath=rel/exp\n");
    ini.close();
    DatabaseAliases aliases(home);
    ASSERT_TRUE(aliases.load());
    EXPECT_EQ(aliases.directory(MainDatabase), tmp.filePath(QStringLiteral("abs/main")));
    EXPECT_EQ(aliases.directory(ExportDatabase), tmp.filePath(QStringLiteral("rel/exp")));
    EXPECT_EQ(aliases.directory(ImportDatabase), tmp.filePath(QStringLiteral("Korvanimp")));
    EXPECT_EQ(aliases.directory(7), aliases.directory(MainDatabase));
    EXPECT_EQ(databaseAliasName(7), QStringLiteral("KorvanB"));

    EXPECT_EQ(aliases.missingDirectoryMessages(),
              (QStringList{QStringLiteral("Main/Home DB location not found, alias: KorvanB"),
                           QStringLiteral("Export DB location not found, alias: Korvanexp"),
                           QStringLiteral("Import DB location not found, alias: Korvanimp")}));
    ASSERT_TRUE(QDir().mkpath(aliases.directory(ExportDatabase)));
    EXPECT_EQ(aliases.missingDirectoryMessages(),
              (QStringList{QStringLiteral("Main/Home DB location not found, alias: KorvanB"),
                           QStringLiteral("Import DB location not found, alias: Korvanimp")}));
    // An existing configuration is never replaced by the first-start work.
    bool created = true;
    ASSERT_TRUE(prepareDatabases(home, &created));
    EXPECT_FALSE(created);
    EXPECT_FALSE(QFileInfo::exists(aliases.directory(MainDatabase)));

    aliases.setConfiguredPath(ImportDatabase, QStringLiteral("other"));
    ASSERT_TRUE(aliases.save());
    DatabaseAliases reread(home);
    ASSERT_TRUE(reread.load());
    EXPECT_EQ(reread.configuredPath(ImportDatabase), QStringLiteral("other"));
    EXPECT_EQ(reread.configuredPath(ExportDatabase), QStringLiteral("rel/exp"));
}

TEST(DatabaseAliasesTest, FirstStartRefusesADamagedMainDatabaseAndWritesNoConfiguration) {
    test::ensureCoreApp();
    QTemporaryDir tmp;
    HomeFolder home(tmp.path());
    DatabaseAliases aliases(home);
    ASSERT_TRUE(QDir().mkpath(aliases.directory(MainDatabase)));
    QFile junk(Store::tableFilePath(aliases.directory(MainDatabase), Table::Conts));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a database at all, just some text of a sufficient length");
    junk.close();
    QString error;
    EXPECT_FALSE(prepareDatabases(home, nullptr, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("DB is busy or wrong\r")));
    EXPECT_TRUE(error.endsWith(QStringLiteral("conts.db")));
    EXPECT_FALSE(aliases.configurationExists());
}

TEST(DatabaseAliasesTest, AliasesNamingOneDirectoryClashEvenThroughALink) {
    test::ensureCoreApp();
    QTemporaryDir tmp;
    HomeFolder home(tmp.path());
    DatabaseAliases aliases(home);
    for (int code : {MainDatabase, ExportDatabase, ImportDatabase})
        ASSERT_TRUE(QDir().mkpath(aliases.directory(code)));
    EXPECT_TRUE(aliases.directoryClashMessages().isEmpty());
    EXPECT_TRUE(aliases.startUpMessages().isEmpty());

    // The import alias reaches the main directory through a link and "..".
    ASSERT_TRUE(QFile::link(aliases.directory(MainDatabase), tmp.filePath(QStringLiteral("link"))));
    aliases.setConfiguredPath(ImportDatabase, QStringLiteral("Korvanexp/../link"));
    const QString main = QFileInfo(aliases.directory(MainDatabase)).canonicalFilePath();
    EXPECT_EQ(
        aliases.directoryClashMessages(),
        QStringList{QStringLiteral("The aliases KorvanB and Korvanimp name the same DB location:\r") + main});
    EXPECT_EQ(aliases.startUpMessages(), aliases.directoryClashMessages());
    // All three in one place: every pair is named.
    aliases.setConfiguredPath(ExportDatabase, main);
    EXPECT_EQ(aliases.directoryClashMessages().size(), 3);
}

TEST(DatabaseAliasesTest, ConfigurationThatIsNoSmallRegularFileIsRefusedWithTheReason) {
    test::ensureCoreApp();
    QTemporaryDir tmp;
    HomeFolder home(tmp.path());
    const QString ini = home.databasesIniPath();
    auto expectRefused = [&](const QString& reason) {
        DatabaseAliases aliases(home);
        EXPECT_TRUE(aliases.configurationExists());
        QString error;
        EXPECT_FALSE(aliases.load(&error));
        EXPECT_EQ(error, QStringLiteral("Database configuration cannot be read:\r") + reason);
        // The first-start work leaves it alone: nothing is created, nothing replaced.
        bool created = true;
        EXPECT_TRUE(prepareDatabases(home, &created));
        EXPECT_FALSE(created);
        EXPECT_FALSE(QFileInfo::exists(aliases.directory(MainDatabase)));
    };
    ASSERT_EQ(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    expectRefused(ini + QStringLiteral(" is not a regular file."));
    ASSERT_TRUE(QFile::remove(ini));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), ini));
    expectRefused(ini + QStringLiteral(" is not a regular file."));
    ASSERT_TRUE(QFile::remove(ini));
    QFile big(ini);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(MaxIniFileBytes + 1));
    big.close();
    expectRefused(ini + QStringLiteral(" is larger than 64 KiB."));
}
