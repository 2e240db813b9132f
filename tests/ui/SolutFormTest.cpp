// The Solution Page over a solved sample task on real table files: captions, titles and hints,
// linked grids, the fixing switch stored at once, column order and scaling, the File command's
// question and files, Print's questions, and a screenshot.
#include "SolutForm.h"
#include "CliCommands.h"
#include "ColumnFit.h"
#include "DatabaseAliases.h"
#include "HomeFolder.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QFile>
#include <QHeaderView>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTextStream>
#include <QtTest>

using namespace palvane;

class SolutFormTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;
    std::unique_ptr<TSolutForm> form;
    QString exportFolder;

private slots:
    void init() {
        palvane::uitest::failOnViewWarnings();
        f = std::make_unique<test::TaskPageFixture>();
        QVERIFY(f->tmp.isValid());
        QVERIFY(f->solveSampleTask());
        QVERIFY(f->start(false));
        f->dm().tasks().locate("TaskID", 1);
        QVERIFY(f->dm().solut().rowCount() > 0);
        exportFolder = HomeFolder(f->tmp.path()).exportFolder();
        form = std::make_unique<TSolutForm>(f->dm(), f->prompter, f->page(), exportFolder);
        form->reportsRefused = [this] { return f->startUp->reports()->reportsRefused(); };
    }
    void cleanup() {
        form.reset();
        f.reset();
    }

    void textsTitlesAndHints() {
        QVERIFY(form->windowTitle().endsWith("  -  Solution page"));
        QCOMPARE(form->property("helpContext").toInt(), 5);
        QCOMPARE(form->minimumSize(), QSize(650, 470).expandedTo(form->layout()->totalMinimumSize()));
        QCOMPARE(form->Label2->text(), QString("CONTAINER  TOTAL  LOAD  DATA "));
        QCOMPARE(form->FixDBCheck->text(), QString("Fix Selected"));
        QCOMPARE(form->VolLabel1->text(), QString("Area"));
        QCOMPARE(form->VolLabel2->text(), QString("Area"));
        QCOMPARE(form->CloseButton->text(), QString("Clos&e"));
        QCOMPARE(form->ChartButton->toolTip(), QString("Open Image Page"));
        QCOMPARE(form->PositGrid->toolTip(), QString("Box coordinates & put orientations"));
        QStringList titles;
        for (int i = 0; i < form->SolutModel->columnCount(); ++i)
            titles << form->SolutModel->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(titles, QStringList({"Container Type", "No", "Fixed", "Box", "Area", "%Area", "Weight",
                                      "%Wgt", "Cost", "NoseWt", "TailWt"}));
        QCOMPARE(form->DistrModel->headerData(2, Qt::Horizontal).toString(), QString(" Area"));
        QCOMPARE(form->PositModel->headerData(6, Qt::Horizontal).toString(), QString("Load N"));
        QCOMPARE(form->SolutModel->data(form->SolutModel->index(0, 2), Qt::BackgroundRole).value<QColor>(),
                 QColor(0xE6, 0xE6, 0xE6));
        QCOMPARE(form->DistrModel->flags(form->DistrModel->index(0, 0)) & Qt::ItemIsEditable,
                 Qt::ItemFlags());
    }

    void gridsFollowTheSelectedContainer() {
        Cursor& s = f->dm().solut();
        s.last();
        const int contNo = s.intValue("ContNo");
        QSqlQuery q(f->dm().store()->database());
        QVERIFY(q.exec(QString("SELECT COUNT(*) FROM posit WHERE TaskID = 1 AND ContNo = %1").arg(contNo)) &&
                q.next());
        QCOMPARE(form->PositModel->rowCount(), q.value(0).toInt());
        QCOMPARE(form->TypeValue->text(), s.textValue("Type"));
        QCOMPARE(form->SolutGrid->currentIndex().row(), s.currentRow());
        form->SolutGrid->setCurrentIndex(form->SolutModel->index(0, 0));
        QCOMPARE(s.currentRow(), 0);
        QCOMPARE(f->dm().distr().value("ContNo").toInt(), s.intValue("ContNo"));
    }

    void fixSelectedIsStoredAtOnce() {
        f->dm().solut().first();
        QVERIFY(!form->FixDBCheck->isChecked());
        form->show();
        QTest::mouseClick(form->FixDBCheck, Qt::LeftButton, {}, QPoint(6, form->FixDBCheck->height() / 2));
        QVERIFY(form->FixDBCheck->isChecked());
        QCOMPARE(f->dm().solut().state(), CursorState::Browse);
        QSqlQuery q(f->dm().store()->database());
        QVERIFY(q.exec("SELECT FixCont FROM solut WHERE TaskID = 1 AND ContNo = 1") && q.next());
        QVERIFY(q.value(0).toBool());
    }

    void columnsKeepOrderAndScaleWithTheWindow() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QHeaderView* h = form->SolutGrid->horizontalHeader();
        h->moveSection(0, 3);
        QCOMPARE(h->visualIndex(0), 0);
        QCOMPARE(h->logicalIndex(3), 3);

        const int design = form->SolutModel->gridColumns()[0].width;
        // The design width, raised to what the title and the type names need.
        const int base = ColumnFitter::of(form->SolutGrid)->baseWidths()[0];
        QVERIFY(base >= design);
        form->resize(650, 470);
        QApplication::processEvents();
        QCOMPARE(form->SolutGrid->columnWidth(0), base); // never below the design width
        form->resize(1400, 700);
        QApplication::processEvents();
        QVERIFY(form->SolutGrid->columnWidth(0) > base);
        QVERIFY(form->PositGrid->columnWidth(0) > form->PositModel->gridColumns()[0].width);
        QCOMPARE(form->DistrGrid->columnWidth(0), ColumnFitter::of(form->DistrGrid)->baseWidths()[0]);
    }

    void fileAsksAndWritesTheThreeFiles() {
        f->clearAsked();
        f->prompter.answers = {PromptAnswer::Cancel};
        form->FileButtonClick();
        QCOMPARE(f->asked(), QStringList({"Write current solution to files now?"}));
        QVERIFY(!QDir(exportFolder).exists());
        f->clearAsked();
        form->FileButton->click();
        QCOMPARE(f->asked().size(), 2);
        QVERIFY(f->asked()[1].startsWith("Solution data has been\rwritten into the following files:"));
        QVERIFY(QFile::exists(exportFolder + "/Sample_ mixed pallets-posit.csv"));
        // The message names where the files are, whatever the working directory.
        const QString posit = QDir(exportFolder).absoluteFilePath("Sample_ mixed pallets-posit.csv");
        QVERIFY(QDir::isAbsolutePath(posit));
        QVERIFY(f->asked()[1].endsWith("\r " + QDir::toNativeSeparators(posit)));
        QVERIFY(form->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
    }

    void printAsksTwiceOnlyWithWarnings() {
        QSignalSpy print(form.get(), &TSolutForm::printRequested);
        f->clearAsked();
        f->prompter.answers = {PromptAnswer::Cancel};
        form->PrintButtonClick();
        QCOMPARE(print.count(), 0);
        f->clearAsked();
        form->PrintButtonClick();
        QCOMPARE(f->asked(),
                 QStringList({"Print current solution report now?",
                              "Note: to print the other container\rdata, select it and press \"Print\""}));
        QCOMPARE(print.count(), 1);
        f->clearAsked();
        f->dm().WarnsCheck = false;
        form->PrintButtonClick();
        QVERIFY(f->asked().isEmpty());
        QCOMPARE(print.count(), 2);
        f->startUp->reports()->ReportsUnavailable = true;
        form->PrintButtonClick();
        QCOMPARE(print.count(), 2);
        QCOMPARE(f->asked().size(), 1);
    }

    void viewCloseAndScreenshot() {
        QSignalSpy chart(form.get(), &TSolutForm::chartRequested);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->ChartButton);
        QVERIFY(test::TaskPageFixture::screenshot(form.get(), "SolutForm.png"));
        form->ChartButton->click();
        QCOMPARE(chart.count(), 1);
        QCOMPARE(QApplication::focusWidget(), form->CloseButton);
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(SolutFormTest)
#include "SolutFormTest.moc"
