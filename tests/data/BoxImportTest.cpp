// Importing box kinds into the library of a real database: orders, separators, headers, the end
// line, range and format failures with their messages, refusals, store failures, hostile files
// and the clipboard paste through its log file.
#include "BoxImport.h"
#include "DataModuleFixture.h"
#include "TestServer.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <sys/stat.h>

using namespace palvane;

namespace {

class BoxImportTest : public test::DataModuleFixture {
protected:
    void SetUp() override {
        DataModuleFixture::SetUp();
        seedSample();
        ASSERT_TRUE(start(1));
        m_before = m_dm->boxes().rowCount();
        clearAsked();
    }
    QString writeFile(const QByteArray& bytes, const QString& name = QStringLiteral("in.txt")) {
        const QString path = m_tmp.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    ImportOutcome importText(const QByteArray& bytes, int order, int separ, int header = 0) {
        IniValues v;
        v.ImpOrder = order;
        v.ImpSepar = separ;
        v.ImpHeader = header;
        return ImportBoxesFrom(*m_dm, writeFile(bytes), v, m_prompter);
    }
    // The stored row of the newest kind with this name, as "Kind|Mark|Length|Width|Weight|TurnOn|Total".
    QString row(const QString& kind) {
        QSqlQuery q(m_dm->store()->database());
        q.prepare(QStringLiteral("SELECT Kind, Mark, Length, Width, Weight, TurnOn, Total FROM boxes WHERE "
                                 "Kind = ? ORDER BY KindID DESC"));
        q.addBindValue(kind);
        if (!q.exec() || !q.next())
            return QString();
        QStringList parts;
        for (int i = 0; i < 7; ++i)
            parts << q.value(i).toString();
        return parts.join(QLatin1Char('|'));
    }
    int added() { return count(QStringLiteral("SELECT COUNT(*) FROM boxes")) - m_before; }
    QString formatMessage(int line, const QString& detail) {
        return importLineMessage(BoxImportTexts::formatError(), line, detail);
    }
    int m_before = 0;
};

} // namespace

TEST_F(BoxImportTest, BlanksOrderZeroImportsWithDefaultsAndTheCursorShowsTheNewKind) {
    ImportOutcome o = importText("5 Pallet 1200 800\n", 0, 0);
    EXPECT_EQ(o.imported, 1);
    EXPECT_FALSE(o.formatError);
    EXPECT_TRUE(m_prompter.asked.empty());
    EXPECT_EQ(row(QStringLiteral("Pallet")), QStringLiteral("Pallet|Pt|1200|800|0|1|5"));
    EXPECT_EQ(m_dm->boxes().rowCount(), m_before + 1);
    EXPECT_EQ(m_dm->boxes().textValue(QStringLiteral("Kind")), QStringLiteral("Pallet"));
    EXPECT_EQ(m_dm->boxes().intValue(QStringLiteral("Total")), 5);
    EXPECT_FALSE(m_dm->BoxesEditMode);
}

TEST_F(BoxImportTest, EmptyQuantityWeightAndMarkFieldsTakeTheirDefaults) {
    ImportOutcome o = importText("Crate, 600, 400, , 12, CR, 0\nTube, 5, 6, 2, , , false\nBox, 1, 1\n", 2, 1);
    EXPECT_EQ(o.imported, 3);
    EXPECT_FALSE(o.formatError);
    EXPECT_TRUE(m_prompter.asked.empty());
    EXPECT_EQ(row(QStringLiteral("Crate")), QStringLiteral("Crate|CR|600|400|12|0|1"));
    EXPECT_EQ(row(QStringLiteral("Tube")), QStringLiteral("Tube|Te|5|6|0|0|2"));
    // An empty Width is still a format error, and its message says so.
    o = importText("Crate, 600, , 5\n", 2, 1);
    EXPECT_TRUE(o.formatError);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Error);
    EXPECT_EQ(m_prompter.asked[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(m_prompter.asked[0].text, formatMessage(1, QStringLiteral("Width \"\" is not a whole number")));
}

TEST_F(BoxImportTest, CommasKeepBlanksInsideKindNames) {
    EXPECT_EQ(importText("Big box, 3, 500, 400\n", 1, 1).imported, 1);
    EXPECT_EQ(row(QStringLiteral("Big box")), QStringLiteral("Big box|Bx|500|400|0|1|3"));
}

TEST_F(BoxImportTest, EndLineStopsTheImportSilently) {
    ImportOutcome o = importText("A 10 10\n555 555 555\nB 10 10\nrubbish\n", 2, 0);
    EXPECT_TRUE(o.endMarker);
    EXPECT_EQ(o.imported, 1);
    EXPECT_EQ(added(), 1);
    EXPECT_TRUE(m_prompter.asked.empty());
    EXPECT_TRUE(row(QStringLiteral("B")).isEmpty());
}

TEST_F(BoxImportTest, HeaderSkipsTheFirstNonEmptyLineAndNumbersCountImportedLinesOnly) {
    ImportOutcome o = importText("\n\n  \nKind Length Width\nCrate 10 x\n", 2, 0, 1);
    EXPECT_EQ(o.imported, 0);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text,
              formatMessage(1, QStringLiteral("Width \"x\" is not a whole number")));
    clearAsked();
    o = importText("Kind Length Width\n\nA 1 2\n\nB 3 4\nC 5\n", 2, 0, 1);
    EXPECT_EQ(o.imported, 2);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text, formatMessage(3, QStringLiteral("Width is missing")));
}

TEST_F(BoxImportTest, RangeFailureKeepsTheLinesBeforeAndShowsOneMessagePerCheck) {
    ImportOutcome o = importText("1 A 100 100\n2 B 200 200\n3 C 40000 300\n4 D 400 400\n", 0, 0);
    EXPECT_TRUE(o.rangeError);
    EXPECT_FALSE(o.formatError);
    EXPECT_EQ(o.imported, 2);
    EXPECT_EQ(added(), 2);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Error);
    EXPECT_EQ(m_prompter.asked[0].text,
              QStringLiteral(
                  "Box lengths must be positive integers up to 32000.\rLength 40000 is outside 1 to 32000\r"
                  "See box file/list line/row # 3.\rAll lines/rows below are omited."));
    clearAsked();
    // Values past 16 bits but within 32 bits are range failures, each with its own message.
    o = importText("1 E 70000 10 -5\n", 0, 0);
    EXPECT_EQ(o.imported, 0);
    ASSERT_EQ(m_prompter.asked.size(), 2u);
    EXPECT_TRUE(m_prompter.asked[0].text.startsWith(BoxImportTexts::lengthRange()));
    EXPECT_TRUE(m_prompter.asked[1].text.startsWith(BoxImportTexts::weightRange()));
    EXPECT_EQ(added(), 2);
}

TEST_F(BoxImportTest, NumbersBeyond32BitsAndBinaryJunkAreFormatErrors) {
    EXPECT_TRUE(importText("1 A 10 10\n1 B 99999999999 10\n", 0, 0).formatError);
    EXPECT_EQ(m_prompter.asked.back().text,
              formatMessage(2, QStringLiteral("Length \"99999999999\" is not a whole number")));
    QByteArray junk(4096, '\0');
    QRandomGenerator gen(7);
    for (char& c : junk)
        c = char(gen.bounded(256));
    junk.prepend("1 J\x01unk 10 10\n");
    EXPECT_TRUE(importText(junk, 0, 0).formatError);
    EXPECT_EQ(m_prompter.asked.back().text,
              formatMessage(1, QStringLiteral("The line holds control characters")));
    EXPECT_TRUE(importText(QByteArray(300000, 'x') + "\n1 A 10 10\n", 0, 0).formatError);
    EXPECT_EQ(m_prompter.asked.back().text,
              formatMessage(1, QStringLiteral("The line is longer than 8192 characters")));
    EXPECT_EQ(added(), 1);
}

TEST_F(BoxImportTest, CrLfBomLatin1AndOverlongNamesAreStoredCut) {
    const QByteArray text = "\xEF\xBB\xBF"
                            "2\tGr\xF6\xDF"
                            "e\t30\t20\r\n"
                            "1 ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 7 8 9 LONGMARK 0\r\n";
    ImportOutcome o = importText(text, 0, 0);
    EXPECT_EQ(o.imported, 2);
    EXPECT_TRUE(m_prompter.asked.empty());
    EXPECT_EQ(row(QString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                                    "e")),
              QString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                                "e|Ge|30|20|0|1|2"));
    EXPECT_EQ(row(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY")),
              QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY|LO|7|8|9|0|1"));
}

TEST_F(BoxImportTest, MissingFileIsReportedAndTheEditModeIsRestored) {
    m_dm->BoxesEditMode = true;
    IniValues v;
    ImportOutcome o = ImportBoxesFrom(*m_dm, m_tmp.filePath(QStringLiteral("none.txt")), v, m_prompter);
    EXPECT_TRUE(o.formatError);
    EXPECT_TRUE(m_dm->BoxesEditMode);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text, formatMessage(1, m_tmp.filePath(QStringLiteral("none.txt")) +
                                                             QStringLiteral(" does not exist.")));
}

TEST_F(BoxImportTest, ExportDatabaseRefusesAtTheFirstLineWithTheRuleMessage) {
    m_dm->ActiveDatabase = ExportDatabase;
    ImportOutcome o = importText("1 A 10 10\n1 B 10 10\n", 0, 0);
    EXPECT_TRUE(o.refused);
    EXPECT_EQ(o.imported, 0);
    EXPECT_FALSE(m_dm->BoxesEditMode);
    EXPECT_EQ(added(), 0);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text,
              QStringLiteral("You can not edit Export DB library,\ryou may only delete unused records."));
}

TEST_F(BoxImportTest, StoreFailureHalfWayKeepsTheLinesBeforeIt) {
    ASSERT_TRUE(test::injectFailure(*m_dm->store(), QStringLiteral("refuse_bad"), Table::Boxes,
                                    QStringLiteral("INSERT"), QStringLiteral("NEW.Kind = 'Bad'"),
                                    QStringLiteral("refused")));
    ImportOutcome o = importText("1 A 10 10\n1 B 10 10\n1 Bad 10 10\n1 C 10 10\n", 0, 0);
    EXPECT_TRUE(o.formatError);
    EXPECT_EQ(o.imported, 2);
    EXPECT_EQ(added(), 2);
    EXPECT_EQ(m_dm->boxes().rowCount(), m_before + 2);
    const QStringList lines = m_prompter.asked.back().text.split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], BoxImportTexts::formatError());
    EXPECT_TRUE(lines[1].contains(QStringLiteral("refused"))) << lines[1].toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("See box file/list line/row # 3."));
    EXPECT_EQ(m_dm->store()->transactionDepth(), 0);
}

TEST_F(BoxImportTest, KindLimitStopsWithItsOwnMessageAndKeepsTheKindsBefore) {
    ImportOptions opt = importOptions(IniValues());
    opt.maxRows = 3;
    ImportOutcome o = ImportBoxes(*m_dm, writeFile("1 A 1 1\n1 B 1 1\n1 C 1 1\n1 D 1 1\n"), opt, m_prompter);
    EXPECT_EQ(o.imported, 3);
    EXPECT_EQ(added(), 3);
    EXPECT_TRUE(o.limitReached);
    EXPECT_FALSE(o.formatError);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text,
              importLineMessage(QStringLiteral("An import adds at most 100000 box kinds."), 4));
    // The limit the program uses.
    EXPECT_EQ(importOptions(IniValues()).maxRows, 100000);
}

TEST_F(BoxImportTest, FifoDeviceAndHugeFileWithoutLineBreaksEndAtOnce) {
    const QString fifo = m_tmp.filePath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    IniValues v;
    ImportOutcome o = ImportBoxesFrom(*m_dm, fifo, v, m_prompter);
    EXPECT_TRUE(o.formatError);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text, formatMessage(1, fifo + QStringLiteral(" is not a regular file.")));
    clearAsked();
    o = ImportBoxesFrom(*m_dm, QStringLiteral("/dev/zero"), v, m_prompter);
    EXPECT_TRUE(o.formatError);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text, formatMessage(1, QStringLiteral("/dev/zero is not a regular file.")));
    // 300 MB without a line break after two good lines (sparse: no disk space used).
    clearAsked();
    const QString big = writeFile("1 A 1 1\n1 B 1 1\n", QStringLiteral("big.txt"));
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(300ll * 1024 * 1024));
    }
    o = ImportBoxesFrom(*m_dm, big, v, m_prompter);
    EXPECT_TRUE(o.formatError);
    EXPECT_EQ(o.imported, 2);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text,
              formatMessage(3, QStringLiteral("The line is longer than 8192 characters")));
}

TEST_F(BoxImportTest, Windows1252AndUtf16FilesKeepTheirLetters) {
    EXPECT_EQ(importText("2 C\x9Cur 30 20\r\n1 Caisse\x80 40 30 5 \x80\x9C\r\n", 0, 0).imported, 2);
    EXPECT_TRUE(m_prompter.asked.empty());
    EXPECT_EQ(row(QString::fromUtf8("C\xC5\x93ur")), QString::fromUtf8("C\xC5\x93ur|Cr|30|20|0|1|2"));
    EXPECT_EQ(row(QString::fromUtf8("Caisse\xE2\x82\xAC")),
              QString::fromUtf8("Caisse\xE2\x82\xAC|\xE2\x82\xAC\xC5\x93|40|30|5|1|1"));
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
    const QByteArray bytes = utf16(QString::fromUtf8("Kind,Q'ty,Length,Width\r\nB\xC3\xBB"
                                                     "che,3,50,40\r\n"));
    EXPECT_EQ(importText(bytes, 1, 1, 1).imported, 1);
    EXPECT_TRUE(m_prompter.asked.empty());
    EXPECT_EQ(row(QString::fromUtf8("B\xC3\xBB"
                                    "che")),
              QString::fromUtf8("B\xC3\xBB"
                                "che|Be|50|40|0|1|3"));
}

TEST_F(BoxImportTest, PasteWritesTheLogAndImportsItWithTheStoredSettings) {
    const QString folder = m_tmp.filePath(QStringLiteral("home/impbox"));
    IniValues v;
    v.ImpSepar = 1;
    v.ImpOrder = 2;
    const QString text = QStringLiteral("Case, 300, 200, 4\r\nTube, 10, 10\r\n");
    ImportOutcome o;
    EXPECT_EQ(PasteBoxes(*m_dm, text, folder, v, m_prompter, &o), PasteResult::Imported);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Confirmation);
    EXPECT_EQ(m_prompter.asked[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(o.imported, 2);
    EXPECT_EQ(row(QStringLiteral("Case")), QStringLiteral("Case|Ce|300|200|0|1|4"));
    QFile log(QDir(folder).filePath(QStringLiteral("PasteBoxesLog.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), text.toUtf8());
}

TEST_F(BoxImportTest, PasteOfNothingCancelOrUnwritableLogImportsNothing) {
    const QString folder = m_tmp.filePath(QStringLiteral("impbox"));
    IniValues v;
    for (const QString& empty : {QString(), QStringLiteral(" \r\n\t ")}) {
        clearAsked();
        EXPECT_EQ(PasteBoxes(*m_dm, empty, folder, v, m_prompter), PasteResult::NoText);
        ASSERT_EQ(m_prompter.asked.size(), 1u);
        EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Information);
        EXPECT_EQ(m_prompter.asked[0].text, QStringLiteral("There are no text data on the Clipboard"));
    }
    m_prompter.answers = {PromptAnswer::Cancel};
    EXPECT_EQ(PasteBoxes(*m_dm, QStringLiteral("1 A 1 1"), folder, v, m_prompter), PasteResult::Cancelled);
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("PasteBoxesLog.txt"))));
    // A file where the import folder should be: the log cannot be written.
    clearAsked();
    m_dm->WarnsCheck = false;
    writeFile("x", QStringLiteral("blocked"));
    EXPECT_EQ(PasteBoxes(*m_dm, QStringLiteral("1 A 1 1"), m_tmp.filePath(QStringLiteral("blocked")), v,
                         m_prompter),
              PasteResult::WriteFailed);
    ASSERT_EQ(m_prompter.asked.size(), 1u); // no confirmation while warnings are off
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Warning);
    EXPECT_EQ(m_prompter.asked[0].text, QStringLiteral("Error proccessing Clipboard paste"));
    EXPECT_EQ(added(), 0);
}
