// Box Library import: the file dialog and the clipboard entry of the import menu adding kinds to
// the library on the sample database, with their messages.
#include "BoxImport.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QtTest>

using namespace palvane;

namespace {

QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

int rowOfKind(TBoxForm& b, const QString& kind) {
    for (int r = 0; r < b.Model->rowCount(); ++r)
        if (b.Model->index(r, 1).data().toString() == kind)
            return r;
    return -1;
}

} // namespace

class BoxLibraryImportTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void importButtonCreatesTheFolderAndPopsUpTheMenu() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TBoxForm& b = *f.startUp->boxForm();
        QCOMPARE(b.importFolder(), f.startUp->home().importFolder());
        QDir(b.importFolder()).removeRecursively();
        b.show();
        b.ImpButtonClick();
        QVERIFY(QDir(b.importFolder()).exists());
        QTRY_VERIFY(b.ImpMenu->isVisible());
        b.ImpMenu->hide();
    }

    void fileChosenInTheDialogIsImported() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TBoxForm& b = *f.startUp->boxForm();
        f.clearAsked();
        IniValues& ini = f.startUp->iniValues();
        ini.ImpSepar = 1;
        b.show();
        const int before = b.Model->rowCount();
        const QString cwd = QDir::currentPath();
        b.ImpPopFile->trigger();
        QFileDialog* dlg = b.importDialog();
        QVERIFY(dlg);
        QVERIFY(dlg->isVisible());
        QCOMPARE(dlg->windowTitle(),
                 QStringLiteral("Choose file to import new boxes into the library from.."));
        QCOMPARE(dlg->nameFilters().value(0), QStringLiteral("Quillo box import file (*.csv)"));
        QCOMPARE(QDir(dlg->directory()).canonicalPath(), QDir(b.importFolder()).canonicalPath());
        QCOMPARE(dlg->fileMode(), QFileDialog::ExistingFile);
        QVERIFY(test::TaskPageFixture::screenshot(dlg, QStringLiteral("BoxImportDialog.png")));
        static_cast<QDialog*>(dlg)->reject();

        // Blanks and order 0: two kinds, the second with every field.
        ini.ImpSepar = 0;
        const QString path = writeFile(QDir(b.importFolder()).filePath(QStringLiteral("boxes.txt")),
                                       "5 Pallet_X 1200 800\n3 Crate_X 600 400 12 CR 0\n");
        QVERIFY(!path.isEmpty());
        b.ImpPopFile->trigger();
        QCOMPARE(b.importDialog()->nameFilters().value(0), QStringLiteral("Quillo box import file (*.txt)"));
        b.importDialog()->selectFile(path);
        static_cast<QDialog*>(b.importDialog())->accept();
        QCOMPARE(QDir::currentPath(), cwd);
        QVERIFY(f.prompter.asked.empty());
        QCOMPARE(b.Model->rowCount(), before + 2);
        const int crate = rowOfKind(b, QStringLiteral("Crate_X"));
        QVERIFY(crate >= 0);
        QCOMPARE(b.Model->index(crate, 0).data().toString(), QStringLiteral("3"));
        QCOMPARE(b.Model->index(crate, 2).data().toString(), QStringLiteral("CR"));
        QCOMPARE(b.Model->index(crate, b.Model->columnOf(QStringLiteral("TurnOn"))).data().toString(),
                 QStringLiteral("False"));
        QVERIFY(!f.dm().BoxesEditMode);
        QVERIFY(test::TaskPageFixture::screenshot(&b, QStringLiteral("BoxLibraryImported.png")));

        // A failing third line keeps the first two and names line 3.
        writeFile(path, "1 A_X 10 10\n1 B_X 10 10\n1 C_X 10 40000\n");
        b.importFile(path);
        QCOMPARE(b.Model->rowCount(), before + 4);
        QCOMPARE(f.asked(), QStringList{importLineMessage(
                                QStringLiteral("Box widths must be positive integers up to 32000."), 3,
                                QStringLiteral("Width 40000 is outside 1 to 32000"))});
    }

    void clipboardTextIsPastedThroughTheLog() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TBoxForm& b = *f.startUp->boxForm();
        f.clearAsked();
        IniValues& ini = f.startUp->iniValues();
        ini.ImpSepar = 1;
        ini.ImpOrder = 1;
        ini.ImpHeader = 1;
        b.show();
        const int before = b.Model->rowCount();
        QGuiApplication::clipboard()->setText(
            QStringLiteral("Kind,Qty,Length,Width\r\nBig box,3,500,400\r\n"));
        b.ImpPopClip->trigger();
        QCOMPARE(
            f.asked(),
            QStringList{QStringLiteral(
                "Are you sure to add to this library table\rdata from the current Clipboard contents ?")});
        QCOMPARE(b.Model->rowCount(), before + 1);
        QVERIFY(rowOfKind(b, QStringLiteral("Big box")) >= 0);
        QVERIFY(QFile::exists(QDir(b.importFolder()).filePath(QStringLiteral("PasteBoxesLog.txt"))));

        // Cancel imports nothing; an empty clipboard is reported.
        f.clearAsked();
        f.prompter.answers = {PromptAnswer::Cancel};
        b.ImpPopClip->trigger();
        QCOMPARE(b.Model->rowCount(), before + 1);
        QGuiApplication::clipboard()->clear();
        f.clearAsked();
        b.ImpPopClip->trigger();
        QCOMPARE(f.asked(), QStringList{QStringLiteral("There are no text data on the Clipboard")});
        QCOMPARE(b.Model->rowCount(), before + 1);
    }
};

QTEST_MAIN(BoxLibraryImportTest)
#include "BoxLibraryImportTest.moc"
