// The banded page flow on its own: title once, column header on every page, page breaks with
// many rows, a summary that moves to a new page with the header, composite parts on new pages,
// wrapped texts growing their band, frames and texts drawn on a picture, and page ranges in a
// PDF file.
#include "ReportBands.h"
#include "PdfPages.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace palvane;
using palvane::test::pdfPageCount;

namespace {

ReportPart rowsPart(int rows, double detailHeight) {
    ReportPart part;
    Band title;
    title.height = 12.3;
    title.add(QStringLiteral("Title"), 10, 1);
    part.title = title;
    Band header;
    header.height = 8.0;
    header.frame = BandFrame::Box;
    header.add(QStringLiteral("Column"), 1.7, 1.7);
    part.header = header;
    for (int i = 0; i < rows; ++i) {
        Band d;
        d.height = detailHeight;
        d.frame = BandFrame::Table;
        d.add(QStringLiteral("row %1").arg(i + 1), 1.7, 1.7);
        part.details.push_back(d);
    }
    Band summary;
    summary.height = 8.5;
    summary.add(QStringLiteral("End"), 0, 3.4, BandText::Align::Left, 6);
    part.summary = summary;
    return part;
}

} // namespace

class ReportBandsTest : public QObject {
    Q_OBJECT
private:
    QImage device{10, 10, QImage::Format_RGB32};

private slots:
    void init() {
        device.setDotsPerMeterX(11811); // 300 dpi
        device.setDotsPerMeterY(11811);
    }

    void manyRowsBreakUnderTheColumnHeader() {
        Report r;
        r.parts.push_back(rowsPart(100, 6.8));
        const double pageHeight = 262.0; // A4 with 10 and 25 mm margins
        const auto pages = paginate(r, pageHeight, BandMeasure(&device));
        // (262 - 12.3 - 8) / 6.8 = 35 rows on the first page, (262 - 8) / 6.8 = 37 on the others.
        QCOMPARE(int(pages.size()), 3);
        int details = 0, titles = 0;
        for (size_t p = 0; p < pages.size(); ++p) {
            const ReportPage& page = pages[p];
            QVERIFY(!page.empty());
            const size_t headerAt = p == 0 ? 1 : 0;
            QCOMPARE(page[headerAt].kind, PlacedBand::Kind::Header);
            QCOMPARE(page[headerAt].top, p == 0 ? 12.3 : 0.0);
            QVERIFY(page.back().top + page.back().height <= pageHeight + 1e-9);
            for (const PlacedBand& b : page) {
                details += b.kind == PlacedBand::Kind::Detail;
                titles += b.kind == PlacedBand::Kind::Title;
            }
        }
        QCOMPARE(details, 100);
        QCOMPARE(titles, 1);
        QCOMPARE(pages[0][2].band->texts[0].text, QStringLiteral("row 1"));
        QCOMPARE(pageTexts(pages[1]).mid(0, 2), QStringList({"Column", "row 36"}));
        QCOMPARE(pages.back().back().kind, PlacedBand::Kind::Summary);
    }

    void summaryThatDoesNotFitGoesToANewPageWithTheHeader() {
        Report r;
        // Exactly fills the first page: 12.3 + 8 + 10 x 24.17 = 262.0.
        r.parts.push_back(rowsPart(10, 24.17));
        const auto pages = paginate(r, 262.0, BandMeasure(&device));
        QCOMPARE(int(pages.size()), 2);
        QCOMPARE(int(pages[1].size()), 2);
        QCOMPARE(pages[1][0].kind, PlacedBand::Kind::Header);
        QCOMPARE(pages[1][1].kind, PlacedBand::Kind::Summary);
    }

    void emptyPartStillPrintsTitleHeaderAndSummary() {
        Report r;
        r.parts.push_back(rowsPart(0, 6.8));
        const auto pages = paginate(r, 262.0, BandMeasure(&device));
        QCOMPARE(int(pages.size()), 1);
        QCOMPARE(pageTexts(pages[0]), QStringList({"Title", "Column", "End"}));
    }

    void everyPartBeginsOnANewPage() {
        Report r;
        r.parts.push_back(rowsPart(2, 6.8));
        r.parts.push_back(rowsPart(3, 6.8));
        const auto pages = paginate(r, 262.0, BandMeasure(&device));
        QCOMPARE(int(pages.size()), 2);
        QCOMPARE(pages[0].front().part, 0);
        QCOMPARE(pages[1].front().part, 1);
        QCOMPARE(pages[1].front().kind, PlacedBand::Kind::Title);
        QCOMPARE(pages[1].front().top, 0.0);
    }

    void bandTallerThanThePageIsPlacedOnce() {
        Report r;
        r.parts.push_back(rowsPart(3, 300.0));
        const auto pages = paginate(r, 262.0, BandMeasure(&device));
        int details = 0;
        for (const ReportPage& p : pages)
            for (const PlacedBand& b : p)
                details += b.kind == PlacedBand::Kind::Detail;
        QCOMPARE(details, 3);
        // The title page, one page per row, and the summary that no longer fits under the last row.
        QCOMPARE(int(pages.size()), 5);
    }

    void wrappedTextGrowsItsBand() {
        Band one, many;
        one.height = many.height = 6.8;
        one.add(QStringLiteral("Short"), 149, 1.7).texts.back().wrapWidth = 40;
        many.add(QStringLiteral("A very long description of a box kind that cannot fit in forty millimetres"),
                 149, 1.7)
            .texts.back()
            .wrapWidth = 40;
        const BandMeasure m(&device);
        QCOMPARE(m.height(one), 6.8);
        const QFontMetricsF fm(bandFont(many.texts[0]), &device);
        const double lineMm = fm.height() * 25.4 / 300.0;
        QVERIFY2(m.height(many) >= 6.8 + lineMm - 0.01, qPrintable(QString::number(m.height(many))));
    }

    void framesAndTextsAreDrawn() {
        Report r;
        r.parts.push_back(rowsPart(3, 6.8));
        const auto pages = paginate(r, 262.0, BandMeasure(&device));
        QImage page(2244, 3094, QImage::Format_RGB32); // 190 x 262 mm at 300 dpi
        page.setDotsPerMeterX(11811);
        page.setDotsPerMeterY(11811);
        page.fill(QColor(200, 0, 0)); // the bands paint their own white background
        {
            QPainter p(&page);
            paintPage(p, pages[0], 190.0, 300, 300);
        }
        auto mm = [](double v) { return int(v * 300 / 25.4); };
        // Left frame line beside a detail row, header top line, white band background.
        QCOMPARE(QColor(page.pixel(0, mm(12.3 + 8 + 3))), QColor(Qt::black));
        QCOMPARE(QColor(page.pixel(mm(100), qRound(12.3 * 300 / 25.4))).lightness() < 128, true);
        QCOMPARE(QColor(page.pixel(mm(150), mm(12.3 + 8 + 3))), QColor(Qt::white));
        // Below the last band nothing is drawn.
        QCOMPARE(QColor(page.pixel(mm(100), mm(100))), QColor(200, 0, 0));
        // The text of the first row leaves dark pixels in its place.
        int dark = 0;
        for (int y = mm(12.3 + 8 + 1.7); y < mm(12.3 + 8 + 6.0); ++y)
            for (int x = mm(1.7); x < mm(15); ++x)
                dark += QColor(page.pixel(x, y)).lightness() < 100;
        QVERIFY(dark > 50);
    }

    void pdfWithPageRange() {
        QTemporaryDir dir;
        Report r;
        r.page.margins = QMarginsF(10, 10, 10, 25);
        r.parts.push_back(rowsPart(100, 6.8));
        const QString all = dir.filePath(QStringLiteral("all.pdf")),
                      second = dir.filePath(QStringLiteral("second.pdf"));
        {
            QPdfWriter w(all);
            w.setPageSize(QPageSize(QPageSize::A4));
            applyPageSetup(w, r.page);
            QCOMPARE(printReport(r, w), 3);
        }
        {
            QPdfWriter w(second);
            w.setPageSize(QPageSize(QPageSize::A4));
            applyPageSetup(w, r.page);
            QCOMPARE(printReport(r, w, 2, 2), 1);
        }
        QCOMPARE(pdfPageCount(all), 3);
        QCOMPARE(pdfPageCount(second), 1);
        QPdfWriter w(dir.filePath(QStringLiteral("x.pdf")));
        applyPageSetup(w, ReportPageSetup{QString(), QPageLayout::Landscape, QMarginsF(10, 15, 5, 10)});
        QCOMPARE(w.pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(w.pageLayout().margins(QPageLayout::Millimeter).top(), 15.0);
    }
};

QTEST_MAIN(ReportBandsTest)
#include "ReportBandsTest.moc"
