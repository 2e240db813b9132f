// The command line's export --csv writes the same bytes as the Solution Page's File command for
// the same task; and the layout exported as SVG shows as a picture.
#include "CliCommands.h"
#include "HomeFolder.h"
#include "SolutForm.h"
#include "SolutionCsv.h"
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

using namespace palvane;

class CliExportCsvTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<test::TaskPageFixture> f;

    int cli(const QStringList& args, QString* output = nullptr) {
        QString out, err;
        QTextStream o(&out), e(&err);
        CliContext context{o, e};
        const int status = runCli(QStringList{QStringLiteral("--home"), f->tmp.path()} + args, context);
        o.flush();
        e.flush();
        if (status != CliOk)
            qWarning("%s", qPrintable(err));
        if (output)
            *output = out;
        return status;
    }

private slots:
    void init() {
        palvane::uitest::failOnViewWarnings();
        f = std::make_unique<test::TaskPageFixture>();
        QVERIFY(f->solveSampleTask());
        QVERIFY(f->start());
        QVERIFY(f->dm().tasks().locate("TaskID", 1));
        f->dm().WarnsCheck = false;
    }
    void cleanup() { f.reset(); }

    void csvFilesAreByteIdenticalToTheFileCommand() {
        TSolutForm& w = *f->startUp->solutForm();
        // A container other than the first selected: the export walks them all either way.
        QVERIFY(f->dm().solut().rowCount() >= 1);
        f->dm().solut().moveTo(f->dm().solut().rowCount() - 1);
        w.FileButtonClick();
        const QDir page(HomeFolder(f->tmp.path()).exportFolder());
        const QString other = f->tmp.filePath(QStringLiteral("cli-solutions"));
        QString printed;
        QCOMPARE(cli({QStringLiteral("export"), QStringLiteral("--task"), QStringLiteral("1"),
                      QStringLiteral("--csv"), other},
                     &printed),
                 CliOk);
        const QString stem = safeFileStem(f->dm().tasks().textValue(QStringLiteral("Name")));
        for (const char* suffix : SolutionCsvSuffixes) {
            QFile a(page.filePath(stem + QLatin1String(suffix)));
            QFile b(QDir(other).filePath(stem + QLatin1String(suffix)));
            QVERIFY2(a.open(QIODevice::ReadOnly), qPrintable(a.fileName()));
            QVERIFY2(b.open(QIODevice::ReadOnly), qPrintable(b.fileName()));
            const QByteArray bytes = a.readAll();
            QVERIFY(bytes.size() > 40);
            QCOMPARE(b.readAll(), bytes);
            QVERIFY(printed.contains(QDir::toNativeSeparators(b.fileName())));
        }
    }

    void theSvgLayoutShowsAsAPicture() {
        const QString svg = QStringLiteral(PALVANE_TEST_OUT "/layout-sample.svg");
        QFile::remove(svg);
        QCOMPARE(cli({QStringLiteral("export"), QStringLiteral("--task"), QStringLiteral("1"),
                      QStringLiteral("--svg"), svg}),
                 CliOk);
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        // The drawing is 1600 units wide; the file states its size in millimetres.
        QCOMPARE(renderer.viewBox().width(), 1600);
        const QSize size = renderer.viewBox().size();
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        renderer.render(&painter);
        painter.end();
        int coloured = 0;
        for (int y = 0; y < picture.height(); y += 5)
            for (int x = 0; x < picture.width(); x += 5)
                coloured += QColor(picture.pixel(x, y)) != QColor(Qt::white);
        QVERIFY(coloured > 500);
        QVERIFY(picture.save(QStringLiteral(PALVANE_TEST_OUT "/layout-sample-svg.png")));
    }
};

QTEST_MAIN(CliExportCsvTest)
#include "CliExportCsvTest.moc"
