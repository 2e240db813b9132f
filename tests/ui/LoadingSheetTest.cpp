// The loading sheet of the solved sample task, printed from the Solution Page and from the
// Disposition window as PDF files in the test output folder and read back with pdftotext; one
// page rendered to PNG for a look; the label fitting of the drawing; a long box list going on to
// further pages; the sheet in French.
#include "LoadingSheet.h"
#include "ContainerPlan.h"
#include "DistrForm.h"
#include "LanguageSwitch.h"
#include "PdfPages.h"
#include "PlanningSession.h"
#include "ReportPrinter.h"
#include "SolutForm.h"
#include "Store.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QAction>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using namespace palvane;
using palvane::test::pdfPageCount;
using palvane::test::pdfPageTexts;

class LoadingSheetTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;
    QString pdf;

    ReportPrinter& reports() { return *f->startUp->reports(); }
    TDMForm& dm() { return f->dm(); }
    void printToPdf(const QString& name) {
        pdf = QStringLiteral(PALVANE_TEST_OUT "/") + name + QStringLiteral(".pdf");
        QFile::remove(pdf);
        reports().printerFound = [] { return true; };
        reports().setupDialog = [this](QPrinter& p, QWidget*, const QString&) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            p.setPageSize(QPageSize(QPageSize::A4));
            return true;
        };
    }
    ContainerPlans storedPlans() {
        PlanningSession session;
        session.rebuild(*dm().store(), 1);
        return LoadingSheet::plans(session.plan(), dm().tasks());
    }

private slots:
    void init() {
        palvane::uitest::failOnViewWarnings();
        f = std::make_unique<test::TaskPageFixture>();
        QVERIFY(f->tmp.isValid());
        QVERIFY(f->startOnSolvedSampleOfSeveralContainers());
    }
    void cleanup() {
        LanguageSwitch::instance()->ApplyLanguage(true, EnglishLanguage);
        f.reset();
    }

    void everyContainerFromTheSolutionPage() {
        printToPdf(QStringLiteral("loading-sheet"));
        const ContainerPlans plans = storedPlans();
        QVERIFY(plans.containers.size() > 1);
        int expected = 0;
        for (const PlanContainer& c : plans.containers)
            expected += LoadingSheet::pageCount(c);
        TSolutForm& w = *f->startUp->solutForm();
        QSignalSpy printed(&reports(), &ReportPrinter::printed);
        w.SheetButton->allAction()->trigger();
        QCOMPARE(printed.count(), 1);
        QCOMPARE(printed.at(0).at(0).value<ReportId>(), ReportId::TLoadingSheet);
        QCOMPARE(printed.at(0).at(1).toInt(), expected);
        QCOMPARE(pdfPageCount(pdf), expected);
        QVERIFY(w.isEnabled());

        const QStringList pages = pdfPageTexts(pdf);
        if (pages.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QCOMPARE(pages.size(), expected);
        const int n = int(plans.containers.size());
        int page = 0;
        for (int i = 0; i < n; ++i) {
            const PlanContainer& c = plans.containers[size_t(i)];
            const QString text = pages[page];
            QVERIFY2(text.contains(QStringLiteral("Container %1 of %2").arg(i + 1).arg(n)), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Loading sheet")));
            QVERIFY(text.contains(plans.taskName));
            QVERIFY(text.contains(QStringLiteral("FRONT")));
            QVERIFY(text.contains(QStringLiteral("REAR")));
            QVERIFY(text.contains(QStringLiteral("Loading direction")));
            QVERIFY(text.contains(c.type));
            QVERIFY(text.contains(QStringLiteral("Page %1 of %2").arg(page + 1).arg(expected)));
            QVERIFY(text.contains(QStringLiteral("2D Palvane")));
            for (const PlanKind& k : c.kinds)
                QVERIFY2(text.contains(k.name), qPrintable(k.name));
            // Every loading number is on the container's pages (drawing or list).
            QString all;
            for (int p = 0; p < LoadingSheet::pageCount(c); ++p)
                all += pages[page + p];
            for (const PlanBox& b : c.boxes)
                QVERIFY2(all.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(b.loadNo))),
                         qPrintable(QString::number(b.loadNo)));
            page += LoadingSheet::pageCount(c);
        }
        // One page as a picture, for a look.
        const QString png = QStringLiteral(PALVANE_TEST_OUT "/loading-sheet-page1");
        QFile::remove(png + QStringLiteral(".png"));
        if (QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                               QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                               png}) == 0) {
            const QImage picture(png + QStringLiteral(".png"));
            QVERIFY(!picture.isNull());
            QVERIFY(picture.width() > picture.height()); // landscape
        }
    }

    void currentContainerFromTheDispositionWindow() {
        printToPdf(QStringLiteral("loading-sheet-container-2"));
        f->page().UpdatePositTT();
        TDistrForm& w = *f->startUp->distrForm();
        w.view().CurrentCont = 2;
        QVERIFY(w.SheetButton->currentContainer() == 2);
        QSignalSpy printed(&reports(), &ReportPrinter::printed);
        w.SheetButton->currentAction()->trigger();
        QCOMPARE(printed.count(), 1);
        const ContainerPlans plans = storedPlans();
        QCOMPARE(printed.at(0).at(1).toInt(), LoadingSheet::pageCount(plans.containers[1]));
        QVERIFY(w.isEnabled());
        const QStringList pages = pdfPageTexts(pdf);
        if (pages.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(pages[0].contains(QStringLiteral("Container 2 of %1").arg(plans.containers.size())));
        QVERIFY(!pages.join(QString()).contains(QStringLiteral("Container 1 of")));
    }

    void theSheetShowsThePlanTheWindowsHold() {
        // The sheet is printed from the Task Page's planning session: a plan held there (as the
        // Disposition window draws it) is the plan on paper.
        f->page().UpdatePositTT();
        PlanView held = f->page().plan();
        QVERIFY(held.containers.size() > 1);
        held.containers.resize(1);
        PlanContainerView& c = held.containers[0];
        c.boxes.resize(1);
        PlanKindView& kind = held.kinds[size_t(c.boxes[0].kind - 1)];
        kind.name = "Held only in the session";
        f->page().session().holdPlan(held);
        printToPdf(QStringLiteral("loading-sheet-held"));
        QSignalSpy printed(&reports(), &ReportPrinter::printed);
        f->startUp->solutForm()->SheetButton->allAction()->trigger();
        QCOMPARE(printed.count(), 1);
        QCOMPARE(printed.at(0).at(1).toInt(), 1);
        const QStringList pages = pdfPageTexts(pdf);
        if (pages.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(pages[0].contains(QStringLiteral("Container 1 of 1")));
        QVERIFY(pages[0].contains(QStringLiteral("Held only in the session")));
    }

    void withoutAStoredPlanNothingIsPrinted() {
        printToPdf(QStringLiteral("loading-sheet-none"));
        QSignalSpy printed(&reports(), &ReportPrinter::printed);
        QCOMPARE(reports().printLoadingSheet(nullptr, 99), 0);
        QCOMPARE(printed.count(), 0);
        QVERIFY(f->asked().join(QString()).contains(QStringLiteral("no stored plan")));
        QVERIFY(!QFile::exists(pdf));
    }

    void labelsNeverOverflowTheirBoxes() {
        // A floor of 10000 x 2000 with a large box, a narrow one, and a row of tiny ones.
        PlanContainer c;
        c.number = 1;
        c.type = QStringLiteral("Test floor");
        c.length = 10000;
        c.width = 2000;
        c.kinds = {{QStringLiteral("Big"), QStringLiteral("BG"), 3000, 1500, 10, 1, 0},
                   {QStringLiteral("Slim"), QStringLiteral("SL"), 90, 1500, 5, 1, 1},
                   {QStringLiteral("Tiny"), QStringLiteral("TI"), 40, 40, 1, 20, 2}};
        c.boxes.push_back({1, 1, 0, 0, 0, 3000, 1500, false});
        c.boxes.push_back({2, 2, 1, 3000, 0, 90, 1500, true});
        for (int i = 0; i < 20; ++i)
            c.boxes.push_back({3 + i, 3 + i, 2, 4000 + i * 50, 0, 40, 40, false});
        QImage image(1600, 500, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(3937); // 100 dpi
        image.setDotsPerMeterY(3937);
        QPainter painter(&image);
        const QRectF area(10, 10, 1580, 480);
        const std::vector<PlacedLabel> labels = drawContainerPlan(painter, area, c);
        painter.end();
        QCOMPARE(int(labels.size()), int(c.boxes.size()));
        int leaders = 0;
        for (const PlacedLabel& l : labels) {
            QVERIFY(area.contains(l.label));
            if (l.fit == LabelFit::Leader) {
                ++leaders;
                // Beside the floor, under it.
                QVERIFY(l.label.top() >= l.box.bottom());
            } else {
                QVERIFY2(l.box.contains(l.label), qPrintable(l.text));
            }
        }
        QCOMPARE(labels[0].fit, LabelFit::NumberAndMark);
        QCOMPARE(labels[0].text, QStringLiteral("1 BG"));
        QCOMPARE(labels[1].fit, LabelFit::NumberOnly);
        QCOMPARE(leaders, 20);
        // Leader labels do not overlap each other.
        for (size_t i = 0; i < labels.size(); ++i)
            for (size_t j = i + 1; j < labels.size(); ++j)
                if (labels[i].fit == LabelFit::Leader && labels[j].fit == LabelFit::Leader)
                    QVERIFY(!labels[i].label.intersects(labels[j].label));
        QVERIFY(image.save(QStringLiteral(PALVANE_TEST_OUT "/loading-sheet-labels.png")));
    }

    void aLongBoxListGoesOnToFurtherPages() {
        ContainerPlans plans;
        plans.taskName = QStringLiteral("Many boxes");
        PlanContainer c;
        c.number = 1;
        c.type = QStringLiteral("Long trailer");
        c.length = 13600;
        c.width = 2450;
        c.kinds = {{QStringLiteral("Crate"), QStringLiteral("CR"), 200, 100, 3, 300, 0}};
        for (int i = 0; i < 300; ++i)
            c.boxes.push_back({i + 1, i + 1, 0, (i / 24) * 200, (i % 24) * 100, 200, 100, false});
        plans.containers.push_back(c);
        const int pages = LoadingSheet::pageCount(c);
        QVERIFY(pages > 1);
        const QString file = QStringLiteral(PALVANE_TEST_OUT "/loading-sheet-long.pdf");
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        applyPageSetup(writer, LoadingSheet::pageSetup());
        QCOMPARE(LoadingSheet::print(plans, writer, 0), pages);
        const QStringList texts = pdfPageTexts(file);
        if (texts.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QCOMPARE(texts.size(), pages);
        QVERIFY(texts[1].contains(QStringLiteral("(continued)")));
        QVERIFY(texts.last().contains(QStringLiteral("300")));
        QVERIFY(texts.last().contains(QStringLiteral("Page %1 of %1").arg(pages)));
    }

    void theSheetFollowsTheLanguage() {
        LanguageSwitch::instance()->ApplyLanguage(true, FrenchLanguage);
        if (!LanguageSwitch::instance()->translationLoaded())
            QSKIP("the French translation is not built in");
        printToPdf(QStringLiteral("loading-sheet-fr"));
        f->startUp->solutForm()->SheetButton->allAction()->trigger();
        const QStringList pages = pdfPageTexts(pdf);
        if (pages.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(!pages[0].contains(QStringLiteral("Loading direction")));
        QVERIFY(!pages[0].contains(QStringLiteral("FRONT")));
        QVERIFY(pages[0].contains(LoadingSheet::tr("Loading sheet")));
    }
};

QTEST_MAIN(LoadingSheetTest)
#include "LoadingSheetTest.moc"
