// The printed reports of a started program over the solved sample task, written as PDF files
// into the test output folder: the two libraries, the task and solution composites, the layout
// image, a cancelled set-up, an empty task and the refusal of every Print command without a
// printer.
#include "CliCommands.h"
#include "HomeFolder.h"
#include "PdfPages.h"
#include "ReportPrinter.h"
#include "SolutForm.h"
#include "SolutionCsv.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextStream>
#include <QtTest>

using namespace palvane;
using palvane::test::pdfPageCount;

namespace {

const QString printerMessage = QStringLiteral("Default printer was not found on program start.\r"
                                              "Please turn on printer/server and restart program.");

} // namespace

class ReportsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;
    QString pdf;
    int setups = 0;

    ReportPrinter& reports() { return *f->startUp->reports(); }
    TDMForm& dm() { return f->dm(); }
    // The set-up dialog of a printer chooses a PDF file named after the test.
    void printToPdf(const QString& name) {
        pdf = QStringLiteral(PALVANE_TEST_OUT "/") + name + QStringLiteral(".pdf");
        QFile::remove(pdf);
        reports().printerFound = [] { return true; };
        reports().setupDialog = [this](QPrinter& p, QWidget*, const QString&) {
            ++setups;
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            p.setPageSize(QPageSize(QPageSize::A4));
            return true;
        };
    }

    // Stores the current task's turn rule (common rules on, turns allowed).
    void setTurnRule(bool common, bool turn) {
        Cursor& tasks = dm().tasks();
        QVERIFY(tasks.setValue("DefltOn", common));
        QVERIFY(tasks.setValue("TurnOn", turn));
        QVERIFY(tasks.post());
    }

    // Draws page `index` of the last report at 100 dpi into <name>.png of the test output
    // folder, for a look at the layout; true when written.
    bool savePagePicture(const QString& name, int index = 0) {
        const Report& r = reports().lastReport();
        const bool landscape = r.page.orientation == QPageLayout::Landscape;
        const QSizeF paper = landscape ? QSizeF(297, 210) : QSizeF(210, 297);
        const QRectF area(r.page.margins.left(), r.page.margins.top(),
                          paper.width() - r.page.margins.left() - r.page.margins.right(),
                          paper.height() - r.page.margins.top() - r.page.margins.bottom());
        QImage picture(int(paper.width() * 100 / 25.4), int(paper.height() * 100 / 25.4),
                       QImage::Format_RGB32);
        picture.setDotsPerMeterX(3937);
        picture.setDotsPerMeterY(3937);
        picture.fill(Qt::white);
        const auto pages = paginate(r, area.height(), BandMeasure(&picture));
        if (index >= int(pages.size()))
            return false;
        QPainter painter(&picture);
        painter.translate(area.left() * 100 / 25.4, area.top() * 100 / 25.4);
        paintPage(painter, pages[size_t(index)], area.width(), 100, 100);
        painter.end();
        return picture.save(QStringLiteral(PALVANE_TEST_OUT "/") + name + QStringLiteral(".png"));
    }

private slots:
    void init() {
        palvane::uitest::failOnViewWarnings();
        f = std::make_unique<test::TaskPageFixture>();
        QVERIFY(f->tmp.isValid());
        QVERIFY(f->startOnSolvedSampleOfSeveralContainers());
        setups = 0;
    }
    void cleanup() { f.reset(); }

    void containerLibraryFromItsWindow() {
        printToPdf(QStringLiteral("report-container-library"));
        TCntForm& w = *f->startUp->cntForm();
        w.show();
        Cursor& conts = dm().conts();
        QVERIFY(conts.moveTo(2));
        QSignalSpy printed(&reports(), &ReportPrinter::printed);
        w.ClearButtonClick();
        QCOMPARE(printed.count(), 1);
        const int pages = printed.at(0).at(1).toInt();
        QVERIFY(pages >= 1);
        QCOMPARE(pdfPageCount(pdf), pages);
        QCOMPARE(conts.currentRow(), 2);
        QVERIFY(!conts.controlsDisabled());
        QVERIFY(w.isEnabled());

        const Report& r = reports().lastReport();
        QCOMPARE(r.page.jobTitle, QStringLiteral("Quillo Container Library"));
        QCOMPARE(r.page.margins, QMarginsF(10, 10, 10, 25));
        QCOMPARE(int(r.parts.size()), 1);
        const ReportPart& part = r.parts[0];
        QCOMPARE(part.title->textList(), QStringList{"Sheet / 2D Container Library"});
        QCOMPARE(part.title->texts[0].pointSize, 14);
        QVERIFY(part.title->texts[0].bold);
        QCOMPARE(part.header->textList(),
                 QStringList({"Sheet / Container Type", "Mark", "Length", "Width", "Area", "Fill Dir",
                              "LoadWt", "Nose / Tail Weigt & Posit"}));
        QCOMPARE(part.header->frame, BandFrame::Box);
        QCOMPARE(int(part.details.size()), conts.rowCount());
        for (int row = 0; row < conts.rowCount(); ++row) {
            const QStringList texts = part.details[size_t(row)].textList();
            QCOMPARE(texts.size(), 11);
            QCOMPARE(texts[0], conts.displayText(row, "Type"));
            QCOMPARE(texts[4], conts.displayText(row, "Volume"));
            QCOMPARE(texts[10], conts.displayText(row, "TailDL"));
            QCOMPARE(part.details[size_t(row)].frame, BandFrame::Table);
        }
        QCOMPARE(part.summary->textList(), QStringList{"*** 2D Palvane 1.95 ***"});
        QCOMPARE(part.summary->texts[0].pointSize, 6);
        QVERIFY(savePagePicture(QStringLiteral("report-container-library")));
    }

    void boxLibraryWrapsLongDescriptions() {
        printToPdf(QStringLiteral("report-box-library"));
        Cursor& boxes = dm().boxes();
        // Two kinds no task uses, so their rows may change while the task is solved.
        std::vector<int> free;
        for (int row = 0; row < boxes.rowCount(); ++row)
            if (!dm().libraryKeyUsed(Table::Boxes, boxes.valueAt(row, "KindID")))
                free.push_back(row);
        QVERIFY(free.size() >= 2);
        const QString longText =
            QStringLiteral("A long description that needs more than one line in the forty mm column");
        dm().setLibraryEditMode(Table::Boxes, true);
        QVERIFY(boxes.moveTo(free[0]));
        QVERIFY(boxes.setValue("Descr", longText));
        QVERIFY(boxes.post());
        QVERIFY(boxes.moveTo(free[1]));
        QVERIFY(boxes.setValue("Descr", QStringLiteral("Short")));
        QVERIFY(boxes.post());
        dm().setLibraryEditMode(Table::Boxes, false);
        QVERIFY(reports().printBoxLibrary(nullptr) >= 1);
        const ReportPart& part = reports().lastReport().parts[0];
        QCOMPARE(part.title->textList(), QStringList{"Part / 2D Box Library"});
        QCOMPARE(part.header->textList().last(), QStringLiteral("Description"));
        QCOMPARE(int(part.details.size()), boxes.rowCount());
        const Band &grown = part.details[size_t(free[0])], &plain = part.details[size_t(free[1])];
        QCOMPARE(grown.texts.back().text, longText);
        QCOMPARE(grown.texts.back().wrapWidth, 40.0);
        QCOMPARE(grown.texts[0].text, boxes.displayText(free[0], "Kind"));
        QCOMPARE(grown.texts[6].text, boxes.displayText(free[0], "TurnOn"));
        QVERIFY(grown.texts[6].text == "True" || grown.texts[6].text == "False");
        QPrinter& p = reports().printer(ReportId::TBoxReport);
        const BandMeasure m(&p);
        QVERIFY(m.height(grown) > 6.8 + 2);
        QCOMPARE(m.height(plain), 6.8);
        QVERIFY(savePagePicture(QStringLiteral("report-box-library")));
        QVERIFY(pdfPageCount(pdf) >= 1);
    }

    void taskReportWithLabelsFromTheTaskPage() {
        printToPdf(QStringLiteral("report-task"));
        TTasksForm& page = f->page();
        // The turn rule as the task row holds it, which the page's boxes show.
        setTurnRule(false, false);
        QVERIFY(!page.DBCheckDflt->isChecked());
        QSignalSpy printed(&reports(), &ReportPrinter::printed);
        page.PrintButtonClick();
        QCOMPARE(printed.count(), 1);
        QVERIFY(page.isEnabled());
        const Report& r = reports().lastReport();
        QCOMPARE(r.page.jobTitle, QStringLiteral("Quillo Task Report"));
        QCOMPARE(int(r.parts.size()), 2);
        const ReportPart &conts = r.parts[0], &boxes = r.parts[1];
        const QStringList title = conts.title->textList();
        QVERIFY(title.contains(dm().tasks().textValue("Name")));
        QVERIFY(title.contains(page.EffVol->text() + " %"));
        QVERIFY(title.contains("Number  " + page.AvlNmb->text()));
        QVERIFY(title.contains("LoadWgt  " + page.AvlWgt->text()));
        QVERIFY(title.contains("Area   " + page.AvlVol->text()));
        QVERIFY(title.contains(page.VolMltEdit->text()));
        QVERIFY(title.contains("Box Library"));
        QCOMPARE(int(conts.details.size()), dm().tc().rowCount());
        QCOMPARE(conts.details[0].texts[0].text, dm().tc().displayText(0, "Type"));
        QVERIFY(!conts.summary);
        QVERIFY(boxes.title->textList().contains("Weight  " + page.TotWgt->text()));
        QVERIFY(boxes.title->textList().contains(page.LftNmb->text()));
        QCOMPARE(int(boxes.details.size()), dm().tb().rowCount());
        QCOMPARE(boxes.details[0].texts[3].text, dm().tb().displayText(0, "Placed"));
        QCOMPARE(boxes.summary->textList(), QStringList{"*** 2D Palvane 1.95 ***"});
        // The boxes part begins on its own page of the same job.
        QCOMPARE(pdfPageCount(pdf), printed.at(0).at(1).toInt());
        QVERIFY(pdfPageCount(pdf) >= 2);
        QVERIFY(savePagePicture(QStringLiteral("report-task-1"), 0));
        QVERIFY(savePagePicture(QStringLiteral("report-task-2"), 1));

        setTurnRule(true, true);
        QVERIFY(page.DBCheckDflt->isChecked() && page.DBCheckTurn->isChecked());
        const auto labels = [this](qint16 itemGap, qint16 wallGap) {
            return Reports::taskLabels(dm().tasks(), dm().contTotals(), dm().boxTotals(), dm().effTexts(),
                                       dm().AreaMultiplier, itemGap, wallGap);
        };
        QCOMPARE(labels(4, 7).TurnLbl, QStringLiteral("Yes"));
        QCOMPARE(labels(4, 7).GapsLbl, QStringLiteral("4 / 7"));
        setTurnRule(true, false);
        QVERIFY(!page.DBCheckTurn->isChecked());
        QCOMPARE(labels(0, 0).TurnLbl, QStringLiteral("No"));
        // Every figure as the page shows it.
        const TaskReportLabels l = reports().taskLabels();
        QCOMPARE(l.EffWgtLbl, page.EffWgt->text() + " %");
        QCOMPARE(l.CostPckLbl, page.CostPck->text());
        QCOMPARE(l.VolMultLbl, page.VolMltEdit->text());
        QCOMPARE(l.UsdNmbLbl, page.UsdNmb->text());
        QCOMPARE(l.UsdWgtLbl, page.UsdWgt->text());
        QCOMPARE(l.UsdVolLbl, page.UsdVol->text());
        QCOMPARE(l.TotNmbLbl, "Number  " + page.TotNmb->text());
        QCOMPARE(l.TotVolLbl, "Area   " + page.TotVol->text());
        QCOMPARE(l.LftWgtLbl, page.LftWgt->text());
        QCOMPARE(l.LftVolLbl, page.LftVol->text());
    }

    void emptyTaskStillPrintsTheBoxTitleAndHeader() {
        printToPdf(QStringLiteral("report-empty-task"));
        Cursor& tasks = dm().tasks();
        QVERIFY(tasks.insert());
        QVERIFY(tasks.setValue("Name", QStringLiteral("Empty task")));
        QVERIFY(tasks.post());
        QCOMPARE(dm().tb().rowCount(), 0);
        QCOMPARE(reports().printTask(f->page()), 2);
        const ReportPart& boxes = reports().lastReport().parts[1];
        QVERIFY(boxes.title->textList().contains("Parts  /  2D Boxes to Pack: "));
        QCOMPARE(boxes.header->textList().first(), QStringLiteral("Box Kind"));
        QVERIFY(boxes.details.empty());
        QCOMPARE(pdfPageCount(pdf), 2);
    }

    void solutionWithContainerOneSelected() {
        printToPdf(QStringLiteral("report-solution-cont1"));
        TSolutForm& form = *f->startUp->solutForm();
        Cursor &solut = dm().solut(), &posit = dm().posit();
        QVERIFY(solut.first());
        QCOMPARE(solut.intValue("ContNo"), 1);
        QSignalSpy printed(&reports(), &ReportPrinter::printed);
        form.PrintButtonClick();
        QCOMPARE(printed.count(), 1);
        QCOMPARE(solut.currentRow(), 0);
        const Report& r = reports().lastReport();
        QCOMPARE(r.page.jobTitle, QStringLiteral("Quillo Solution"));
        QCOMPARE(int(r.parts.size()), 2);
        QCOMPARE(r.parts[0].name, QStringLiteral("TSolutReport"));
        QCOMPARE(int(r.parts[0].details.size()), solut.rowCount());
        QCOMPARE(r.parts[0].details[1].texts[1].text, solut.displayText(1, "ContNo"));
        // A single-precision cost prints the digits it holds, not those of a double.
        const QString cost = r.parts[0].details[0].texts[7].text;
        QCOMPARE(cost.toFloat(), solut.valueAt(0, "CostLoad").toFloat());
        QVERIFY2(cost.size() <= 9, qPrintable(cost));
        const ReportPart& pos = r.parts[1];
        QCOMPARE(pos.title->textList(),
                 QStringList({"Part  /  Box Space Positions for Cont No: ", "1", solut.textValue("Type")}));
        QCOMPARE(int(pos.details.size()), posit.rowCount());
        QCOMPARE(pos.details[0].frame, BandFrame::Sides);
        QCOMPARE(pos.details[0].texts[0].text, posit.displayText(0, "Kind"));
        QCOMPARE(pos.details[0].texts[6].text, posit.displayText(0, "LoadNo"));
        // The positions begin on a new page of the same job.
        const int pages = printed.at(0).at(1).toInt();
        QVERIFY(pages >= 2);
        QCOMPARE(pdfPageCount(pdf), pages);
        QVERIFY(savePagePicture(QStringLiteral("report-solution-1"), 0));
        QVERIFY(savePagePicture(QStringLiteral("report-solution-2"), 1));
    }

    void solutionWithContainerTwoSelected() {
        printToPdf(QStringLiteral("report-solution-cont2"));
        Cursor &solut = dm().solut(), &posit = dm().posit();
        QVERIFY(solut.moveTo(1));
        QCOMPARE(solut.intValue("ContNo"), 2);
        QVERIFY(posit.moveTo(posit.rowCount() - 1));
        const int positRow = posit.currentRow();
        QVERIFY(reports().printSolution(nullptr) >= 1);
        const Report& r = reports().lastReport();
        QCOMPARE(int(r.parts.size()), 1);
        QCOMPARE(r.parts[0].title->textList(),
                 QStringList({"Part  /  Box Space Positions for Cont No: ", "2", solut.textValue("Type")}));
        QCOMPARE(int(r.parts[0].details.size()), posit.rowCount());
        for (int row = 0; row < posit.rowCount(); ++row)
            QCOMPARE(r.parts[0].details[size_t(row)].texts[1].text, posit.displayText(row, "BoxNo"));
        QCOMPARE(solut.currentRow(), 1);
        QCOMPARE(posit.currentRow(), positRow);
    }

    void layoutImageOnALandscapePage() {
        printToPdf(QStringLiteral("report-image"));
        QSize drawn;
        const int pages = reports().printImage(nullptr, [&drawn](QPainter& p, int w, int h) {
            drawn = QSize(w, h);
            p.fillRect(QRect(0, 0, w / 2, h / 2), Qt::black);
        });
        QCOMPARE(pages, 1);
        QCOMPARE(drawn, QSize(1186, 761));
        QCOMPARE(pdfPageCount(pdf), 1);
        QCOMPARE(reports().printer(ReportId::TImageReport).pageLayout().orientation(),
                 QPageLayout::Landscape);
        const Report& r = reports().lastReport();
        QCOMPARE(r.page.margins, QMarginsF(10, 15, 5, 10));
        const Band& band = *r.parts[0].summary;
        QCOMPARE(band.height, 175.0);
        QCOMPARE(band.textList(), QStringList({"Layout for a task:", dm().tasks().textValue("Name"), "Date:",
                                               dm().tasks().displayText(dm().tasks().currentRow(), "Date")}));
        QCOMPARE(band.image->rect, QRectF(1.7, 9.7, 251.0, 161.1));
        // The picture starts white; only what the drawing painted is dark.
        QCOMPARE(QColor(band.image->image.pixel(1000, 700)), QColor(Qt::white));
        QCOMPARE(QColor(band.image->image.pixel(10, 10)), QColor(Qt::black));
    }

    void dispositionPrintsItsCurrentImage() {
        printToPdf(QStringLiteral("report-disposition-image"));
        f->page().UpdatePositTT();
        TDistrForm& w = *f->startUp->distrForm();
        QSignalSpy printed(&reports(), &ReportPrinter::printed);
        w.PrintButtonClick();
        QCOMPARE(printed.count(), 1);
        QCOMPARE(printed.at(0).at(0).value<ReportId>(), ReportId::TImageReport);
        QCOMPARE(printed.at(0).at(1).toInt(), 1);
        QVERIFY(w.isEnabled());
        QCOMPARE(pdfPageCount(pdf), 1);
        // The drawn plan leaves non-white pixels in the picture; its background stays white.
        const QImage& picture = reports().lastReport().parts[0].summary->image->image;
        QCOMPARE(picture.size(), QSize(1186, 761));
        int coloured = 0;
        for (int y = 0; y < picture.height(); y += 7)
            for (int x = 0; x < picture.width(); x += 7)
                coloured += QColor(picture.pixel(x, y)) != QColor(Qt::white);
        QVERIFY(coloured > 100);
        QCOMPARE(QColor(picture.pixel(picture.width() - 1, picture.height() - 1)), QColor(Qt::white));
        QVERIFY(savePagePicture(QStringLiteral("report-disposition-image")));
    }

    void withoutAnyPrinterEveryReportGoesToAChosenPdfFile() {
        // The machine's own printer detection, as the program runs it.
        if (ReportPrinter(dm()).printerFound())
            QSKIP("this machine has a printer: the print dialog road is taken");
        f->stop();
        f->clearAsked();
        f->startUp = std::make_unique<StartUp>(f->prompter, QStringList{"palvane", "--home", f->tmp.path()});
        StartUp& s = *f->startUp;
        s.prepareReports = [&s] { return s.reports()->prepare(); };
        QVERIFY(s.run(true));
        f->clearAsked(); // the settings file the command line did not write
        QVERIFY(!s.reports()->ReportsUnavailable);
        for (ReportId id : AllReports)
            QVERIFY(s.reports()->isPrepared(id));
        dm().WarnsCheck = false;
        const QString taskName = dm().tasks().textValue("Name");
        const QDir reportsDir(QDir(f->tmp.path()).filePath(QStringLiteral("reports")));
        QVERIFY(!reportsDir.exists());

        int dialogs = 0;
        QStringList suggested;
        QString chosen;
        s.reports()->setupDialog = [&dialogs](QPrinter&, QWidget*, const QString&) { return ++dialogs < 0; };
        s.reports()->chooseFile = [&](QWidget*, const QString& file) {
            suggested << file;
            return chosen;
        };
        QSignalSpy printed(s.reports(), &ReportPrinter::printed);
        s.tasksForm()->UpdatePositTT();
        QVERIFY(dm().solut().first());

        struct Print {
            QString file;        // chosen in the file dialog (".pdf" is added when missing)
            QString title;       // the job title the suggested file name starts with
            bool namedAfterTask; // the task's reports carry its name
            std::function<void()> command;
            QStringList texts; // printed texts found in the PDF
        };
        const QString solutType = dm().solut().textValue("Type");
        // The task report's figures as the Task Page shows them (pdftotext may set a
        // caption apart from its value, so the values are looked for alone).
        const TTasksForm& page = *s.tasksForm();
        const bool common = page.DBCheckDflt->isChecked();
        const QStringList taskTexts = {
            taskName,
            "Truck 7.2 m",
            "EUR pallet",
            "Long crate",
            page.EffVol->text() + " %",
            page.EffWgt->text() + " %",
            page.CostPck->text(),
            page.VolMltEdit->text(),
            page.AvlNmb->text(),
            page.AvlWgt->text(),
            page.AvlVol->text(),
            page.TotWgt->text(),
            page.TotVol->text(),
            page.TotNmb->text(),
            page.UsdVol->text(),
            page.LftVol->text(),
            page.UsdWgt->text(),
            page.LftWgt->text(),
            (common ? (page.DBCheckTurn->isChecked() ? "Yes" : "No") : QStringLiteral("Box Library"))};
        const std::vector<Print> prints = {
            {"containers.pdf",
             "Quillo Container Library",
             false,
             [&s] {
                 s.cntForm()->show();
                 s.cntForm()->ClearButtonClick();
                 s.cntForm()->hide();
             },
             {"Sheet / 2D Container Library", "Semitrailer 13.6 m", "*** 2D Palvane 1.95 ***"}},
            {"boxes",
             "Quillo Box Library",
             false,
             [&s] {
                 s.boxForm()->show();
                 s.boxForm()->ClearButtonClick();
                 s.boxForm()->hide();
             },
             {"Part / 2D Box Library", "Industrial pallet", "Quarter pallet"}},
            {"task.pdf", "Quillo Task Report", true, [&s] { s.tasksForm()->PrintButtonClick(); }, taskTexts},
            {"solution.pdf",
             "Quillo Solution",
             true,
             [&s] { s.solutForm()->PrintButtonClick(); },
             {"Solution for a task:", taskName, solutType, "Pos X"}},
            {"image.pdf",
             "Quillo Image",
             true,
             [&s] { s.distrForm()->PrintButtonClick(); },
             {"Layout for a task:", taskName}},
        };
        for (const Print& print : prints) {
            chosen = QDir(f->tmp.path()).filePath(print.file);
            const QString written = chosen.endsWith(".pdf") ? chosen : chosen + ".pdf";
            const qsizetype before = printed.count();
            print.command();
            QCOMPARE(printed.count(), before + 1);
            const int pages = printed.last().at(1).toInt();
            QVERIFY2(pages >= 1, qPrintable(print.file));
            QCOMPARE(pdfPageCount(written), pages);
            const QStringList pageTexts = test::pdfPageTexts(written);
            QVERIFY2(!pageTexts.isEmpty(), "pdftotext (poppler-utils) could not read the file");
            QCOMPARE(int(pageTexts.size()), pages);
            const QString text = pageTexts.join(' ').simplified();
            for (const QString& t : print.texts)
                QVERIFY2(text.contains(t.simplified()), qPrintable(print.file + ": " + t));
            // The suggestion: the report's title, the task's name for the task's reports, in
            // the home folder's reports folder, which now exists.
            const QFileInfo suggestion(suggested.last());
            QCOMPARE(suggestion.absoluteDir(), reportsDir);
            QVERIFY(reportsDir.exists());
            QVERIFY2(suggestion.fileName().startsWith(print.title), qPrintable(suggestion.fileName()));
            QCOMPARE(suggestion.fileName().contains("mixed pallets"), print.namedAfterTask);
            QCOMPARE(suggestion.suffix(), QStringLiteral("pdf"));
            // A4 as designed, the image across it.
            const QSizeF paper = test::pdfPageSize(written);
            const QSizeF a4(595.28, 841.89);
            const QSizeF expected = print.title == "Quillo Image" ? a4.transposed() : a4;
            QVERIFY2(qAbs(paper.width() - expected.width()) < 1 &&
                         qAbs(paper.height() - expected.height()) < 1,
                     qPrintable(print.file));
        }
        QCOMPARE(dialogs, 0);
        QCOMPARE(f->asked(), QStringList());
        // The suggested name is usable as a file name even though the task's has a colon.
        QVERIFY(!QFileInfo(suggested[2]).fileName().contains(':'));

        // Cancelling the file dialog prints nothing.
        chosen.clear();
        const qsizetype before = printed.count();
        s.tasksForm()->PrintButtonClick();
        QCOMPARE(printed.count(), before);
        QVERIFY(s.tasksForm()->isEnabled());
    }

    void printDialogProposesTheReportsOwnPdfFile() {
        QPrinter printer(QPrinter::HighResolution);
        const QString suggested = reports().suggestedFile(ReportId::TSolutReport);
        QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("Quillo Solution - ") +
                                                      safeFileStem(dm().tasks().textValue("Name")) + ".pdf");
        const auto dialog = ReportPrinter::printDialog(printer, nullptr, suggested);
        QVERIFY(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        QVERIFY2(name, "the print dialog has no file name field for its PDF output");
        QCOMPARE(name->text(), QDir::toNativeSeparators(suggested));
        // Still there once the dialog is on the screen.
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(name->text(), QDir::toNativeSeparators(suggested));
        dialog->reject();
        // The libraries belong to no task.
        QCOMPARE(QFileInfo(reports().suggestedFile(ReportId::TCntReport)).fileName(),
                 QStringLiteral("Quillo Container Library.pdf"));
    }

    void cancelledSetUpPrintsNothing() {
        pdf = QStringLiteral(PALVANE_TEST_OUT "/report-cancelled.pdf");
        QFile::remove(pdf);
        bool drawn = false;
        reports().printerFound = [] { return true; };
        reports().setupDialog = [this](QPrinter& p, QWidget*, const QString&) {
            p.setOutputFileName(pdf);
            return false;
        };
        QCOMPARE(reports().printImage(nullptr, [&drawn](QPainter&, int, int) { drawn = true; }), 0);
        QCOMPARE(reports().printContainerLibrary(nullptr), 0);
        QVERIFY(!drawn);
        QVERIFY(!QFile::exists(pdf));
    }

    void failedPrintIsReportedAndLeavesEverythingAsItWas() {
        const QString target = f->tmp.filePath(QStringLiteral("missing-folder/task.pdf"));
        reports().printerFound = [] { return true; };
        reports().setupDialog = [&target](QPrinter& p, QWidget*, const QString&) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(target);
            return true;
        };
        Cursor& tc = dm().tc();
        QVERIFY(tc.last());
        const int row = tc.currentRow();
        QCOMPARE(reports().printTask(f->page()), -1);
        QCOMPARE(f->asked(),
                 QStringList{"The report could not be printed.\r" + QDir::toNativeSeparators(target)});
        QCOMPARE(f->prompter.asked.front().kind, PromptKind::Error);
        QVERIFY(f->page().isEnabled());
        QCOMPARE(tc.currentRow(), row);
        QVERIFY(!tc.controlsDisabled());
        QVERIFY(!dm().tb().controlsDisabled());
        QVERIFY(!QFile::exists(target));
    }

    void withoutPrinterAndPdfOutputEveryPrintCommandRefuses() {
        f->stop();
        f->clearAsked();
        f->startUp = std::make_unique<StartUp>(f->prompter, QStringList{"palvane", "--home", f->tmp.path()});
        StartUp& s = *f->startUp;
        s.prepareReports = [&s] {
            s.reports()->printerFound = [] { return false; };
            s.reports()->pdfOutputFound = [] { return false; };
            return s.reports()->prepare();
        };
        QVERIFY(s.run(true));
        QVERIFY(s.reports()->ReportsUnavailable);
        QVERIFY(!s.reports()->isPrepared(ReportId::TBoxReport));
        s.reports()->setupDialog = [this](QPrinter&, QWidget*, const QString&) { return ++setups > 0; };
        s.reports()->chooseFile = [this](QWidget*, const QString&) {
            ++setups;
            return QString();
        };
        QSignalSpy printed(s.reports(), &ReportPrinter::printed);
        f->clearAsked();
        s.tasksForm()->PrintButtonClick();
        s.cntForm()->show();
        s.cntForm()->ClearButtonClick();
        s.boxForm()->show();
        s.boxForm()->ClearButtonClick();
        s.solutForm()->PrintButtonClick();
        s.distrForm()->PrintButtonClick();
        QCOMPARE(f->asked(), QStringList({printerMessage, printerMessage, printerMessage, printerMessage,
                                          printerMessage}));
        QCOMPARE(f->prompter.asked.front().kind, PromptKind::Error);
        QCOMPARE(setups, 0);
        QCOMPARE(printed.count(), 0);
    }

    void preparationStopsAtTheFirstFailure() {
        int asked = 0;
        reports().printerFound = [&asked] { return ++asked < 3; };
        reports().pdfOutputFound = [] { return false; };
        QVERIFY(!reports().prepare());
        QVERIFY(reports().isPrepared(ReportId::TBoxReport));
        QVERIFY(reports().isPrepared(ReportId::TCntReport));
        QVERIFY(!reports().isPrepared(ReportId::TTaskReport));
        QVERIFY(!reports().isPrepared(ReportId::TImageReport));
        reports().printerFound = [] { return true; };
        QVERIFY(reports().prepare());
        for (ReportId id : AllReports)
            QVERIFY(reports().isPrepared(id));
        QCOMPARE(reports().printer(ReportId::TSolutReport).docName(), QStringLiteral("Quillo Solution"));
    }
};

QTEST_MAIN(ReportsTest)
#include "ReportsTest.moc"
