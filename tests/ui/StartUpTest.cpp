// The program's start-up on a temporary home folder: first start with the sample task, missing
// database directories, an unwritable home folder, a second instance on the same home.
#include "DatabaseAliases.h"
#include "IniFile.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

using namespace palvane;

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void firstStartOpensSampleTask() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        QVERIFY(f.dm().DatabaseReady);
        // A home folder made just now: no word about the settings file it cannot have yet.
        QVERIFY(f.page().FirstStart);
        QCOMPARE(f.asked(), QStringList());
        // "Load task specific" by default: the sample task's settings are the active ones.
        QCOMPARE(f.startUp->iniValues().settings.Last, false);
        QCOMPARE(f.dm().tasks().intValue(QStringLiteral("Last")), 0);
        QCOMPARE(f.dm().ActiveDatabase, MainDatabase);
        QVERIFY(f.page().isVisible());
        QVERIFY(f.dm().tasks().textValue(QStringLiteral("Name")).startsWith(QStringLiteral("Sample")));
        QVERIFY(f.page().ContsGrid->isEnabled());
        QVERIFY(!f.startUp->reports()->ReportsUnavailable);
        QVERIFY(f.startUp->nameForm() != nullptr);
        for (const char* alias : {"KorvanB", "Korvanexp", "Korvanimp"})
            QVERIFY(QFileInfo(QDir(f.tmp.path()).filePath(QLatin1String(alias))).isDir());
        // Closing restores the working directory and closes the tables.
        const QString cwd = QDir::currentPath();
        QCOMPARE(QDir(cwd).canonicalPath(), QDir(f.tmp.path()).canonicalPath());
        const qint32 taskId = f.dm().currentTaskId();
        f.page().close();
        QVERIFY(!f.dm().tasks().isActive());
        QVERIFY(QDir::currentPath() != cwd);
        // The settings file is written at exit with the defaults the first start took.
        QFile ini(QDir(f.tmp.path()).filePath(QStringLiteral("korvan.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        IniValues saved;
        QVERIFY(parseIni(ini.readAll(), saved));
        QCOMPARE(saved.VolMultPow, IniValues{}.VolMultPow);
        QCOMPARE(saved.LanguageCode, 0);
        QCOMPARE(saved.TaskIni, taskId);
        QVERIFY(saved.settings.TaskOptSet);
    }

    void existingHomeWithoutGoodSettingsFileIsWarned_data() {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("damaged") << QByteArray(
            "12   TaskIni\n3   VolMultPow\n5   Opt.Intens\nabc   Opt.Time\n");
    }
    void existingHomeWithoutGoodSettingsFileIsWarned() {
        QFETCH(QByteArray, content);
        test::TaskPageFixture f;
        QVERIFY(f.start(false));
        f.page().close();
        f.stop();
        const QString path = QDir(f.tmp.path()).filePath(QStringLiteral("korvan.ini"));
        QVERIFY(QFile::remove(path));
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        f.clearAsked();
        QVERIFY(f.start(false));
        QVERIFY(!f.page().FirstStart);
        QCOMPARE(f.asked(), QStringList{QStringLiteral("IniFile access error.\rLoading default settings")});
        QCOMPARE(f.prompter.asked.front().kind, PromptKind::Warning);
        QCOMPARE(f.startUp->iniValues().settings.Power, qint16(5));
        f.page().close();
    }

    void noMessageBoxSitsUnderTheSplash() {
        // Records, for every message, whether a splash window was on the screen.
        struct SplashWatcher : ScriptedPrompter {
            QList<bool> splashShown;
            PromptAnswer ask(PromptKind kind, const QString& text, PromptButtons buttons,
                             const QString& title = QString()) override {
                bool shown = false;
                for (QWidget* w : QApplication::topLevelWidgets())
                    shown = shown || (qobject_cast<SplashWindow*>(w) && w->isVisible());
                splashShown << shown;
                return ScriptedPrompter::ask(kind, text, buttons, title);
            }
        };
        // An existing home without its settings file and without its export database.
        test::TaskPageFixture first;
        QVERIFY(first.start(false));
        first.page().close();
        first.stop();
        QVERIFY(QFile::remove(QDir(first.tmp.path()).filePath(QStringLiteral("korvan.ini"))));
        QVERIFY(QDir(QDir(first.tmp.path()).filePath(QStringLiteral("Korvanexp"))).removeRecursively());
        SplashWatcher watcher;
        StartUp s(watcher, {QStringLiteral("palvane"), QStringLiteral("--home"), first.tmp.path()});
        s.showSplash = true;
        QVERIFY(!s.run(false));
        QCOMPARE(int(watcher.asked.size()), 2);
        QCOMPARE(watcher.asked[0].text, QStringLiteral("IniFile access error.\rLoading default settings"));
        QCOMPARE(watcher.asked[1].text, QStringLiteral("Export DB location not found, alias: Korvanexp"));
        QCOMPARE(watcher.splashShown, (QList<bool>{false, false}));
        QVERIFY(!s.splash());
    }

    void programStartsQuietlyOnANewHomeAndSavesItsSettingsOnTermination() {
        const QString program = QStringLiteral(PALVANE_TEST_OUT "/../src/app/palvane");
        if (!QFileInfo(program).isExecutable())
            QSKIP("the palvane program is not built");
        QTemporaryDir tmp;
        const QDir home(tmp.filePath(QStringLiteral("new/home")));
        QProcess palvane;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        palvane.setProcessEnvironment(env);
        palvane.start(program, {QStringLiteral("--home"), home.path()});
        QVERIFY(palvane.waitForStarted());
        // No input at all: the home, its databases and the open main database (its lock file)
        // appear, with no message box waiting for an answer.
        const QString lock = home.filePath(QStringLiteral("KorvanB/palvane.lck"));
        const QString databases = home.filePath(QStringLiteral("databases.ini"));
        QElapsedTimer t;
        t.start();
        while (!(QFile::exists(lock) && QFile::exists(databases)) && palvane.state() == QProcess::Running &&
               t.elapsed() < 60000)
            QTest::qWait(50);
        QVERIFY2(QFile::exists(databases), palvane.readAllStandardError().constData());
        QVERIFY(QFile::exists(lock));
        for (const char* db : {"KorvanB", "Korvanexp", "Korvanimp"})
            QVERIFY2(QFile::exists(home.filePath(QLatin1String(db) + QStringLiteral("/tasks.db"))), db);
        // SIGTERM is answered from the main loop, which only runs once the Task Page is up: the
        // program closes it as Exit does and writes its settings file.
        palvane.terminate();
        const bool ended = palvane.waitForFinished(60000);
        if (!ended) {
            palvane.kill();
            palvane.waitForFinished();
        }
        QVERIFY2(ended, "the program did not end on SIGTERM: a message box may be waiting");
        QCOMPARE(palvane.exitStatus(), QProcess::NormalExit);
        QCOMPARE(palvane.exitCode(), 0);
        QFile ini(home.filePath(QStringLiteral("korvan.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        IniValues saved;
        QVERIFY(parseIni(ini.readAll(), saved));
        QCOMPARE(saved.TaskIni, 1);
        QVERIFY(!QFile::exists(lock));
    }

    void windowsOfTheStartUp() {
        test::TaskPageFixture f;
        f.startUp = std::make_unique<StartUp>(
            f.prompter, QStringList{QStringLiteral("palvane"), QStringLiteral("--home"), f.tmp.path()});
        f.startUp->showSplash = true;
        QVERIFY(f.startUp->run());
        QVERIFY(!f.startUp->splash()); // shown during the start, gone before the main loop
        QVERIFY(f.startUp->waitForm() && !f.startUp->waitForm()->isVisible());
        QVERIFY(f.startUp->nameForm() && f.startUp->acknoForm() && f.startUp->aboutForm());
        QCOMPARE(HelpHook::current(), f.startUp->helpHook());
        // Help in the "?" menu shows the Task Page's topic.
        f.page().HelpPopup->HelpPop()->trigger();
        QVERIFY(f.startUp->helpHook()->isShowing());
        QCOMPARE(f.startUp->helpHook()->window()->currentPage(), HelpHook::topicPage(1));
        QVERIFY(test::TaskPageFixture::screenshot(f.startUp->aboutForm(), QStringLiteral("About.png")));
        f.page().close();
        f.stop();
        QVERIFY(!HelpHook::current());
    }

    void secondStartTakesTheSavedSettings() {
        test::TaskPageFixture f;
        QVERIFY(f.start(false));
        Cursor& tasks = f.dm().tasks();
        f.page().TasksNavigator->press(CursorNavigator::Insert);
        QVERIFY(tasks.setValue(QStringLiteral("Name"), QStringLiteral("Remembered")));
        QVERIFY(tasks.post());
        f.page().VolMltUp->stepDown();
        f.page().close();
        f.stop();
        f.clearAsked();
        QVERIFY(f.start(false));
        QVERIFY(f.asked().isEmpty());
        QCOMPARE(f.dm().tasks().textValue(QStringLiteral("Name")), QStringLiteral("Remembered"));
        QCOMPARE(f.page().VolMltEdit->text(), QStringLiteral("100"));
        f.page().close();
    }

    void settingsHooksRunAtStartAndExit() {
        int loads = 0, saves = 0; // before the fixture, so they outlive the program's hooks
        test::TaskPageFixture f;
        f.startUp = std::make_unique<StartUp>(
            f.prompter, QStringList{QStringLiteral("palvane"), QStringLiteral("--home=") + f.tmp.path()});
        f.startUp->loadIni = [&](TTasksForm& page, TDMForm&, const HomeFolder& home) {
            ++loads;
            QCOMPARE(QDir(home.path()).canonicalPath(), QDir(f.tmp.path()).canonicalPath());
            page.VolMultPow = 2;
        };
        f.startUp->saveIni = [&](TTasksForm&, TDMForm&, const HomeFolder&) { ++saves; };
        f.startUp->prepareReports = [] { return false; };
        QVERIFY(f.startUp->run(false));
        QCOMPARE(loads, 1);
        QCOMPARE(f.dm().AreaMultiplier, 100);
        QCOMPARE(f.page().VolMltEdit->text(), QStringLiteral("100"));
        QVERIFY(f.startUp->reports()->ReportsUnavailable);
        f.page().close();
        QCOMPARE(saves, 1);
        // A second close saves nothing more.
        f.page().close();
        QCOMPARE(saves, 1);
    }

    void missingDirectoriesEndTheProgram() {
        test::TaskPageFixture f;
        QVERIFY(f.start(false));
        f.page().close();
        f.stop();
        DatabaseAliases aliases{HomeFolder(f.tmp.path())};
        QVERIFY(aliases.load());
        aliases.setConfiguredPath(MainDatabase, f.tmp.filePath(QStringLiteral("gone-main")));
        aliases.setConfiguredPath(ImportDatabase, f.tmp.filePath(QStringLiteral("gone-import")));
        QVERIFY(aliases.save());
        f.clearAsked();
        QVERIFY(!f.start(false));
        QCOMPARE(f.asked(), (QStringList{QStringLiteral("Main/Home DB location not found, alias: KorvanB"),
                                         QStringLiteral("Import DB location not found, alias: Korvanimp")}));
        QVERIFY(f.startUp->dataModule() && !f.dm().DatabaseReady);
        QVERIFY(!QFileInfo::exists(f.tmp.filePath(QStringLiteral("gone-main"))));
    }

    void aliasesNamingOneDirectoryEndTheProgram() {
        test::TaskPageFixture f;
        QVERIFY(f.start(false));
        f.page().close();
        f.stop();
        DatabaseAliases aliases{HomeFolder(f.tmp.path())};
        QVERIFY(aliases.load());
        // The import alias names the main database: emptying it would empty the main one.
        aliases.setConfiguredPath(ImportDatabase, aliases.directory(MainDatabase));
        QVERIFY(aliases.save());
        f.clearAsked();
        QVERIFY(!f.start(false));
        QCOMPARE(
            f.asked(),
            QStringList{QStringLiteral("The aliases KorvanB and Korvanimp name the same DB location:\r") +
                        QFileInfo(aliases.directory(MainDatabase)).canonicalFilePath()});
        QVERIFY(f.startUp->dataModule() && !f.dm().DatabaseReady);
    }

    void writeCheck() {
        QTemporaryDir dir;
        QVERIFY(TTasksForm::DataDirWriteCheck(dir.path()));
        QVERIFY(!QFile::exists(QDir(dir.path()).filePath(QStringLiteral("z-temp-pr.bat"))));
        QVERIFY(!TTasksForm::DataDirWriteCheck(dir.filePath(QStringLiteral("no-such-folder"))));
        // A home folder that cannot be created fails the check with the program's message.
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ScriptedPrompter prompter;
        StartUp s(prompter, {QStringLiteral("palvane"), QStringLiteral("--home"),
                             dir.filePath(QStringLiteral("file/home"))});
        QVERIFY(!s.run(false));
        QCOMPARE(prompter.asked.size(), size_t(1));
        QVERIFY(prompter.asked[0].text.startsWith(
            QStringLiteral("2D Palvane:   Problem saving data files.\r\r")));
        QCOMPARE(prompter.asked[0].kind, PromptKind::Warning);
    }

    void secondInstanceOnTheSameHomeIsRefused() {
        const QString program = QStringLiteral(PALVANE_TEST_OUT "/../src/app/palvane");
        if (!QFileInfo(program).isExecutable())
            QSKIP("the palvane program is not built");
        test::TaskPageFixture f;
        QVERIFY(f.start(false));
        f.page().close();
        f.stop();
        QProcess first;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        first.setProcessEnvironment(env);
        first.start(program, {QStringLiteral("--home"), f.tmp.path()});
        QVERIFY(first.waitForStarted());
        const QString lock = QDir(f.tmp.path()).filePath(QStringLiteral("KorvanB/palvane.lck"));
        QElapsedTimer t;
        t.start();
        while (!QFile::exists(lock) && t.elapsed() < 20000)
            QTest::qWait(50);
        QVERIFY(QFile::exists(lock));
        f.clearAsked();
        const bool started = f.start(false);
        first.kill();
        first.waitForFinished();
        QVERIFY(!started);
        QCOMPARE(f.asked().size(), 1);
        QVERIFY(f.asked()[0].startsWith(QStringLiteral("2D Palvane DB is busy or wrong")));
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
