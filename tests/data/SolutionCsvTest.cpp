// The solution's CSV export on a solved sample task in a real home folder: file names and
// folder, the three files' lines and number formats, containers without rows, a task without
// a solution, overwriting, the question and the messages, write failures and cursor positions;
// files written under a French locale and with names holding commas, quotes and line breaks
// read back by a strict RFC 4180 reader.
#include "SolutionCsv.h"
#include "CliCommands.h"
#include "CoreApp.h"
#include "CsvReader.h"
#include "DMForm.h"
#include "DatabaseAliases.h"
#include "HomeFolder.h"
#include "Prompter.h"
#include "Store.h"
#include "TestServer.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace palvane;
using palvane::test::readCsv;

namespace {

class SolutionCsvTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureCoreApp();
        ASSERT_TRUE(m_tmp.isValid());
        QString error;
        ASSERT_TRUE(test::prepareTestDatabases(m_home, &error)) << error.toStdString();
        // Solve the sample task through the command line's own path.
        QString out, err;
        QTextStream o(&out), e(&err);
        CliContext context{o, e};
        ASSERT_EQ(runCli({"--home", m_home.path(), "solve", "--task", "1", "--power", "1"}, context), CliOk)
            << err.toStdString();
    }
    void TearDown() override { m_dm.reset(); }

    // Runs SQL on the main database while the module does not hold it.
    void seed(const QStringList& sql) {
        auto store =
            Store::open(test::homeAliases(m_home).directory(MainDatabase), StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(store);
        for (QString s : sql) {
            if (store->isServer()) // SQLite's char() is chr() on the server
                s.replace(QStringLiteral("char("), QStringLiteral("chr("));
            ASSERT_TRUE(store->exec(s)) << s.toStdString();
        }
    }
    void start(qint32 taskId = 1) {
        m_dm = std::make_unique<TDMForm>(&m_prompter);
        m_dm->setDatabaseDirectories(test::homeAliases(m_home));
        ASSERT_TRUE(m_dm->DataModuleCreate(taskId));
        ASSERT_EQ(m_dm->currentTaskId(), taskId);
    }
    QString folder() const { return m_home.exportFolder(); }
    QStringList lines(const QString& suffix, const QString& stem = QStringLiteral("Sample_ mixed pallets")) {
        QFile f(QDir(folder()).filePath(stem + suffix));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QString all = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(all.endsWith("\r\n"));
        QStringList l = all.split("\r\n");
        l.removeLast();
        for (const QString& s : l)
            EXPECT_FALSE(s.contains('\n') || s.contains('\r'));
        return l;
    }
    int scalar(const QString& sql) {
        QSqlQuery q(m_dm->store()->database());
        return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
    }

    QTemporaryDir m_tmp;
    HomeFolder m_home{m_tmp.filePath("home")};
    ScriptedPrompter m_prompter;
    std::unique_ptr<TDMForm> m_dm;
};

TEST(SolutionCsvNames, UnsafeCharactersAndDotNamesBecomeFileNames) {
    EXPECT_EQ(safeFileStem("A"), "A");
    EXPECT_EQ(safeFileStem("a/b\\c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(safeFileStem(QString("x") + QChar(9) + "y"), "x_y");
    EXPECT_EQ(safeFileStem(".."), "_..");
    EXPECT_EQ(safeFileStem("."), "_.");
    EXPECT_EQ(safeFileStem("v1.2 load"), "v1.2 load");
    EXPECT_EQ(safeFileStem(" Été "), " Été ");
}

TEST_F(SolutionCsvTest, WritesThreeFilesWithHeadersAndOneLinePerContainer) {
    start();
    const int containers = scalar("SELECT COUNT(*) FROM solut WHERE TaskID = 1");
    ASSERT_GT(containers, 0);
    ASSERT_FALSE(QDir(folder()).exists());
    SolutionCsvResult r = writeSolutionCsv(*m_dm, folder(), QLocale::c());
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_TRUE(QDir(folder()).exists());
    const QString shown = QDir::toNativeSeparators(QDir(m_tmp.path()).absoluteFilePath("home/solutions/"));
    EXPECT_EQ(r.shownNames, QStringList({shown + "Sample_ mixed pallets-conts.csv",
                                         shown + "Sample_ mixed pallets-distr.csv",
                                         shown + "Sample_ mixed pallets-posit.csv"}));

    const QDate date = m_dm->tasks().value("Date").toDate();
    const QString first = (date.isValid() ? QLocale::c().toString(date, QLocale::ShortFormat) : QString()) +
                          ",  Sample: mixed pallets";
    const QStringList conts = lines("-conts.csv");
    ASSERT_EQ(conts.size(), 3 + containers);
    EXPECT_EQ(conts[0], first);
    EXPECT_EQ(conts[1],
              "ContType,ContNo,BoxSum,LoadArea,Area%,LoadWeight,Weight%,LoadCost,NoseWeight,TailWeight,");
    EXPECT_EQ(conts[2], "");
    int boxes = 0;
    for (int i = 0; i < containers; ++i) {
        const QStringList f = conts[3 + i].split(',');
        ASSERT_EQ(f.size(), 11) << conts[3 + i].toStdString(); // ten fields and the final comma
        EXPECT_EQ(f[10], "");
        EXPECT_EQ(f[1].toInt(), m_dm->solut().valueAt(i, "ContNo").toInt());
        EXPECT_EQ(f[0], m_dm->solut().valueAt(i, "Type").toString());
        EXPECT_EQ(f[4].size(), 8);
        EXPECT_EQ(f[6].size(), 8);
        EXPECT_EQ(f[7].size(), 12);
        EXPECT_EQ(f[4], QString::asprintf("%8.3f", m_dm->solut().valueAt(i, "VolEff").toDouble()));
        EXPECT_EQ(f[7].mid(f[7].indexOf('.')).size(), 3);
        EXPECT_FALSE(f[2].startsWith(' '));
        boxes += f[2].toInt();
    }
    EXPECT_EQ(boxes, scalar("SELECT COUNT(*) FROM posit WHERE TaskID = 1"));

    const QStringList distr = lines("-distr.csv");
    EXPECT_EQ(distr[0], first);
    EXPECT_EQ(distr[1], "BoxKind,BoxSum,AreaSum,WeightSum,Mark,");
    EXPECT_EQ(distr.size(), 3 + 2 * containers + scalar("SELECT COUNT(*) FROM distr WHERE TaskID = 1"));
    EXPECT_EQ(distr.filter(QRegularExpression("^Container# \\d+$")).size(), containers);
    EXPECT_EQ(distr[3], "Container# 1");

    const QStringList posit = lines("-posit.csv");
    EXPECT_EQ(posit[1], "BoxKind,BoxNo,PosX,PosY,PutL,PutW,LoadNo,");
    EXPECT_EQ(posit.size(), 3 + 2 * containers + boxes);
    EXPECT_EQ(posit[3], "Container# 1");
    const QStringList p = posit[4].split(',');
    ASSERT_EQ(p.size(), 8);
    EXPECT_EQ(p[1], "1");
    int placedSum = 0;
    for (const QString& l : distr.mid(3))
        if (!l.isEmpty() && !l.startsWith("Container# "))
            placedSum += l.section(',', 1, 1).toInt();
    EXPECT_EQ(placedSum, boxes);
}

TEST_F(SolutionCsvTest, ContainerWithoutRowsAndTaskWithoutSolution) {
    seed({"INSERT INTO solut (TaskID, ContNo, TypeID, BoxLoad, WgtLoad, WolLoad, FixCont, CostLoad, "
          "NoseLoad, TailLoad) "
          "SELECT 1, 99, TypeID, 0, 0, 0, 0, 0, 0, 0 FROM solut WHERE TaskID = 1 LIMIT 1",
          "INSERT INTO tasks (Name, Solut) VALUES ('Empty/one', 0)"});
    start();
    ASSERT_TRUE(writeSolutionCsv(*m_dm, folder(), QLocale::c()).ok());
    const QStringList distr = lines("-distr.csv");
    ASSERT_GE(distr.size(), 2);
    EXPECT_EQ(distr.mid(distr.size() - 2), QStringList({"Container# 99", ""}));
    const QStringList posit = lines("-posit.csv");
    EXPECT_EQ(posit.mid(posit.size() - 2), QStringList({"Container# 99", ""}));
    EXPECT_TRUE(lines("-conts.csv")
                    .last()
                    .startsWith(m_dm->solut().valueAt(0, "Type").toString() +
                                ",99,0,0,   0.000,0,   0.000,        0.00,0,0,"));

    ASSERT_TRUE(m_dm->tasks().locate("Name", "Empty/one"));
    ASSERT_EQ(m_dm->solut().rowCount(), 0);
    ASSERT_TRUE(writeSolutionCsv(*m_dm, folder(), QLocale::c()).ok());
    for (const char* suffix : SolutionCsvSuffixes) {
        const QStringList l = lines(suffix, "Empty_one");
        ASSERT_EQ(l.size(), 3) << suffix;
        EXPECT_EQ(l[0], ",  Empty/one");
        EXPECT_EQ(l[2], "");
    }
}

TEST(SolutionCsvFields, OnlyTextsWithSeparatorsQuotesOrLineBreaksAreQuoted) {
    EXPECT_EQ(csvField("Van"), "Van");
    EXPECT_EQ(csvField("  87.500"), "  87.500");
    EXPECT_EQ(csvField(""), "");
    EXPECT_EQ(csvField("Pallet, blue"), "\"Pallet, blue\"");
    EXPECT_EQ(csvField("12\" crate"), "\"12\"\" crate\"");
    EXPECT_EQ(csvField("\""), "\"\"\"\"");
    EXPECT_EQ(csvField("a\nb"), "\"a\nb\"");
    EXPECT_EQ(csvField("a\rb"), "\"a\rb\"");
    EXPECT_EQ(csvField("semi;colon 'single'"), "semi;colon 'single'");
}

TEST(SolutionCsvFields, ReaderRefusesMalformedText) {
    QList<QStringList> r;
    QString error;
    EXPECT_TRUE(readCsv("a,\"b,\"\"c\"\"\r\nd\",\r\n", &r, &error)) << error.toStdString();
    EXPECT_EQ(r, (QList<QStringList>{{"a", "b,\"c\"\r\nd", ""}}));
    EXPECT_FALSE(readCsv("a,b\nc,\r\n", &r, &error));
    EXPECT_FALSE(readCsv("a\"b,\r\n", &r, &error));
    EXPECT_FALSE(readCsv("\"ab,\r\n", &r, &error));
    EXPECT_FALSE(readCsv("\"a\"b,\r\n", &r, &error));
    EXPECT_FALSE(readCsv("a,b", &r, &error));
}

TEST_F(SolutionCsvTest, FrenchLocaleAndHostileNamesStayReadable) {
    // Kind names and marks with commas, quotes and line breaks; container types with commas;
    // a task name with a line break, a comma and quotes.
    seed({"UPDATE conts SET Type = 'Pallet, blue ' || TypeID",
          "UPDATE boxes SET Kind = 'Box ' || char(34) || KindID || char(34) || char(13) || char(10) || 'x, "
          "y', "
          "Mark = char(34) || ','",
          "UPDATE tasks SET Name = 'Load' || char(10) || 'one, ' || char(34) || 'A' || char(34) WHERE TaskID "
          "= 1"});
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    struct RestoreLocale {
        QLocale l;
        ~RestoreLocale() { QLocale::setDefault(l); }
    } restore{previous};
    ASSERT_EQ(QLocale().decimalPoint(), ",");
    start();
    Cursor& solut = m_dm->solut();
    const int containers = solut.rowCount();
    ASSERT_GT(containers, 0);
    const QString name = m_dm->tasks().textValue("Name");
    ASSERT_TRUE(name.contains('\n') && name.contains(',') && name.contains('"'));
    const SolutionCsvResult r = writeSolutionCsv(*m_dm, folder(), QLocale());
    ASSERT_TRUE(r.ok()) << r.error.toStdString();

    // What each file's records hold, in order: date and name, header, empty record, then the data.
    QList<QStringList> files[3];
    for (int i = 0; i < 3; ++i) {
        QFile f(r.files[i]);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << r.files[i].toStdString();
        QString error;
        ASSERT_TRUE(readCsv(QString::fromUtf8(f.readAll()), &files[i], &error))
            << SolutionCsvSuffixes[i] << ": " << error.toStdString();
        ASSERT_GE(files[i].size(), 3);
        const QDate date = m_dm->tasks().value("Date").toDate();
        EXPECT_EQ(files[i][0],
                  QStringList({date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString(),
                               "  " + name}));
        EXPECT_EQ(files[i][2], QStringList({""}));
        const qsizetype width = files[i][1].size();
        for (int k = 3; k < files[i].size(); ++k) {
            const QStringList& rec = files[i][k];
            if (rec.size() == 1) // "Container# N" and the empty record after each container
                EXPECT_TRUE(rec[0].isEmpty() || rec[0].startsWith("Container# ")) << rec[0].toStdString();
            else
                EXPECT_EQ(rec.size(), width) << SolutionCsvSuffixes[i] << " record " << k;
        }
    }
    EXPECT_TRUE(r.files[0].endsWith("Load_one, _A_-conts.csv"));

    // Containers: texts and numbers come back as stored; numbers use the point.
    const QList<QStringList>& conts = files[0];
    ASSERT_EQ(conts.size(), 3 + containers);
    for (int i = 0; i < containers; ++i) {
        const QStringList& f = conts[3 + i];
        EXPECT_EQ(f[0], solut.valueAt(i, "Type").toString());
        EXPECT_TRUE(f[0].startsWith("Pallet, blue "));
        for (int col : {4, 6, 7}) {
            bool ok = false;
            f[col].trimmed().toDouble(&ok);
            EXPECT_TRUE(ok && f[col].contains('.') && !f[col].contains(',')) << f[col].toStdString();
        }
        EXPECT_EQ(f[4], QString::asprintf("%8.3f", solut.valueAt(i, "VolEff").toDouble()));
        EXPECT_EQ(f[6], QString::asprintf("%8.3f", solut.valueAt(i, "WgtEff").toDouble()));
        EXPECT_EQ(f[7], QString::asprintf("%12.2f", solut.valueAt(i, "CostLoad").toDouble()));
    }

    // Kinds and marks of the first container, and its positions, come back as stored.
    ASSERT_TRUE(solut.first());
    Cursor& distr = m_dm->distr();
    Cursor& posit = m_dm->posit();
    ASSERT_GT(distr.rowCount(), 0);
    EXPECT_EQ(files[1][3], QStringList({"Container# " + solut.textValue("ContNo")}));
    for (int k = 0; k < distr.rowCount(); ++k) {
        const QStringList& f = files[1][4 + k];
        EXPECT_EQ(f[0], distr.valueAt(k, "Kind").toString());
        EXPECT_TRUE(f[0].contains("\r\nx, y"));
        EXPECT_EQ(f[4], "\",");
        EXPECT_EQ(f[1].toInt(), distr.valueAt(k, "Placed").toInt());
    }
    ASSERT_GT(posit.rowCount(), 0);
    for (int k = 0; k < posit.rowCount(); ++k) {
        const QStringList& f = files[2][4 + k];
        EXPECT_EQ(f[0], posit.valueAt(k, "Kind").toString());
        EXPECT_EQ(f[2].toInt(), posit.valueAt(k, "PosX").toInt());
        EXPECT_EQ(f[6].toInt(), posit.valueAt(k, "LoadNo").toInt());
    }
}

TEST_F(SolutionCsvTest, RegionalSettingsLeaveNumbersAloneAndFilesAreOverwritten) {
    start();
    ASSERT_TRUE(writeSolutionCsv(*m_dm, folder(), QLocale::c()).ok());
    const QStringList before = lines("-conts.csv");
    for (QLocale::Language language : {QLocale::German, QLocale::Italian, QLocale::French}) {
        ASSERT_TRUE(writeSolutionCsv(*m_dm, folder(), QLocale(language)).ok());
        const QStringList after = lines("-conts.csv");
        ASSERT_EQ(after.size(), before.size());
        // Only the date of the first line follows the regional settings.
        EXPECT_EQ(after.mid(1), before.mid(1)) << QLocale::languageToString(language).toStdString();
    }
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files).size(), 3);
}

TEST_F(SolutionCsvTest, CommandAsksReportsFilesAndRestoresRows) {
    start();
    ASSERT_GE(m_dm->solut().rowCount(), 1);
    m_dm->solut().last();
    const int solutRow = m_dm->solut().currentRow();
    m_dm->posit().last();
    const int positRow = m_dm->posit().currentRow();

    m_prompter.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(ExportSolutionCsv(*m_dm, folder(), m_prompter));
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text, "Write current solution to files now?");
    EXPECT_EQ(m_prompter.asked[0].buttons, PromptButtons::OkCancel);
    EXPECT_FALSE(QDir(folder()).exists());

    m_prompter.asked.clear();
    std::vector<bool> busy;
    SolutionCsvHooks hooks{[&](bool b) { busy.push_back(b); }};
    EXPECT_TRUE(ExportSolutionCsv(*m_dm, folder(), m_prompter, hooks));
    ASSERT_EQ(m_prompter.asked.size(), 2u);
    EXPECT_EQ(m_prompter.asked[1].kind, PromptKind::Information);
    // The files are named with the absolute folder, which tells the user where to find them.
    const QString shown = QDir(folder()).absolutePath() + "/Sample_ mixed pallets";
    EXPECT_TRUE(QDir::isAbsolutePath(shown));
    EXPECT_EQ(m_prompter.asked[1].text, "Solution data has been\rwritten into the following files:"
                                        "\r " +
                                            shown +
                                            "-conts.csv"
                                            "\r " +
                                            shown +
                                            "-distr.csv"
                                            "\r " +
                                            shown + "-posit.csv");
    EXPECT_EQ(busy, std::vector<bool>({true, false}));
    EXPECT_EQ(m_dm->solut().currentRow(), solutRow);
    EXPECT_EQ(m_dm->posit().currentRow(), positRow);
    EXPECT_FALSE(m_dm->posit().controlsDisabled());
    EXPECT_FALSE(m_dm->distr().controlsDisabled());

    // Warnings off: no question.
    m_prompter.asked.clear();
    m_dm->WarnsCheck = false;
    EXPECT_TRUE(ExportSolutionCsv(*m_dm, folder(), m_prompter));
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Information);
}

TEST_F(SolutionCsvTest, UnwritableFolderEndsWithTheWarning) {
    start();
    QDir().mkpath(m_home.path());
    QFile blocker(folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    m_dm->WarnsCheck = false;
    std::vector<bool> busy;
    EXPECT_FALSE(ExportSolutionCsv(*m_dm, folder(), m_prompter, {[&](bool b) { busy.push_back(b); }}));
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Warning);
    EXPECT_EQ(m_prompter.asked[0].text, "Solution file(s) write error");
    EXPECT_EQ(busy, std::vector<bool>({true, false}));

    // A folder that exists but refuses writing: every file fails, nothing half-written.
    QFile::remove(folder());
    ASSERT_TRUE(QDir().mkpath(folder()));
    QFile::setPermissions(folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const SolutionCsvResult r = writeSolutionCsv(*m_dm, folder(), QLocale::c());
    QFile::setPermissions(folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (QFileInfo(folder()).isWritable() && r.ok())
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_EQ(r.failures, 3);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_TRUE(QDir(folder()).entryList(QDir::Files).isEmpty());
}

} // namespace
