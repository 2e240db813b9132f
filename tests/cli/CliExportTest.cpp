// The exchange commands on real table files: tasks and show as JSON, add-task from a file and
// from standard input (with --create-missing and --solve), import-boxes with its options and the
// stored settings, export to CSV, PDF, SVG and PNG through the program itself without a display,
// and every refusal: one line naming the bad argument or file, exit 2 for usage, 1 for a failure.
#include "CliCommands.h"
#include "CoreApp.h"
#include "DatabaseAliases.h"
#include "FakeSearch.h"
#include "IniFile.h"
#include "PdfPages.h"
#include "Store.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace palvane;
using namespace palvane::testing;

namespace {

class CliExportTest : public ::testing::Test {
protected:
    void SetUp() override { test::ensureCoreApp(); }

    int run(QStringList args, const QByteArray& input = QByteArray()) {
        out.clear();
        err.clear();
        QTextStream o(&out);
        QTextStream e(&err);
        QBuffer in;
        in.setData(input);
        in.open(QIODevice::ReadOnly);
        CliContext c{o, e};
        c.search = &search;
        c.clock = &clock;
        c.input = &in;
        const int status = runCli(args, c);
        o.flush();
        e.flush();
        return status;
    }
    QStringList home() const { return {QStringLiteral("--home"), path(QStringLiteral("home"))}; }
    QString path(const QString& name) const { return m_tmp.filePath(name); }
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    int count(const char* sql) {
        auto store =
            Store::open(DatabaseAliases(HomeFolder(path(QStringLiteral("home")))).directory(MainDatabase),
                        StoreOpenMode::ExistingOnly, nullptr, StoreAccess::ReadOnly);
        QSqlQuery q(store->database());
        q.exec(QLatin1String(sql));
        return q.next() ? q.value(0).toInt() : -1;
    }
    // The program itself, without a display: no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM.
    int program(const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(PALVANE_CLI), args);
        p.waitForFinished(120000);
        out = QString::fromUtf8(p.readAllStandardOutput());
        err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    // The sample task solved by the program at the lowest power.
    int solveTaskOne() {
        return program(home() << "solve"
                              << "--task"
                              << "1"
                              << "--power"
                              << "1");
    }

    // The layout drawing of task 1 exported as SVG: the file's text, empty when the export failed.
    QByteArray exportSvg(const QString& svg) {
        if (program(home() << "export"
                           << "--task"
                           << "1"
                           << "--svg" << svg) != CliOk)
            return QByteArray();
        QFile file(svg);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_tmp;
    FakeSearch search;
    ManualClock clock;
    QString out, err;
};

// The lines of the error output that are not Qt's own notes.
QStringList errorLines(const QString& err) {
    QStringList lines;
    for (const QString& l : err.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!l.startsWith(QLatin1String("QStandardPaths")))
            lines << l;
    return lines;
}

} // namespace

TEST_F(CliExportTest, TasksAndShowPrintJsonAndAddTaskCopiesATask) {
    ASSERT_EQ(run(home() << "tasks"
                         << "--json"),
              CliOk)
        << err.toStdString();
    const QJsonArray tasks = json()[QStringLiteral("tasks")].toArray();
    ASSERT_EQ(tasks.size(), 1);
    EXPECT_EQ(tasks[0][QStringLiteral("id")].toInt(), 1);
    ASSERT_EQ(run(home() << "show"
                         << "--task"
                         << "1"
                         << "--json"),
              CliOk)
        << err.toStdString();
    QJsonObject task = json()[QStringLiteral("task")].toObject();
    EXPECT_FALSE(json()[QStringLiteral("plan")][QStringLiteral("solved")].toBool());

    // From a file: the new id is printed.
    task.insert(QStringLiteral("name"), QStringLiteral("From file"));
    const QString file = write(QStringLiteral("task.json"), QJsonDocument(task).toJson());
    ASSERT_EQ(run(home() << "add-task" << file), CliOk) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("2\n"));
    // From standard input, solved at once: the plan follows as show --json prints it.
    task.insert(QStringLiteral("name"), QStringLiteral("From stdin"));
    ASSERT_EQ(run(home() << "add-task"
                         << "-"
                         << "--solve",
                  QJsonDocument(task).toJson()),
              CliOk)
        << err.toStdString();
    const QJsonObject solved = json();
    EXPECT_EQ(solved[QStringLiteral("task")][QStringLiteral("id")].toInt(), 3);
    EXPECT_EQ(solved[QStringLiteral("task")][QStringLiteral("name")].toString(),
              QStringLiteral("From stdin"));
    EXPECT_TRUE(solved[QStringLiteral("plan")][QStringLiteral("solved")].toBool());
    EXPECT_FALSE(solved[QStringLiteral("plan")][QStringLiteral("boxes")].toArray().isEmpty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM tasks"), 3);
}

TEST_F(CliExportTest, AddTaskRefusalsNameTheInputAndStoreNothing) {
    ASSERT_EQ(run(home() << "tasks"), CliOk);
    const QString unknown = write(QStringLiteral("unknown.json"), R"({
  "name": "x",
  "containers": [{"type": "Nowhere", "available": 1}],
  "boxes": []
})");
    EXPECT_EQ(run(home() << "add-task" << unknown), CliFailed);
    ASSERT_EQ(errorLines(err).size(), 1) << err.toStdString();
    EXPECT_TRUE(
        err.startsWith(unknown + QStringLiteral(": line 3: containers[0].type: unknown container type")))
        << err.toStdString();
    // With --create-missing a type without sizes is still refused; with sizes it is added.
    EXPECT_EQ(run(home() << "add-task" << unknown << "--create-missing"), CliFailed);
    EXPECT_TRUE(err.contains(QStringLiteral("needs its length and width")));
    EXPECT_EQ(run(home() << "add-task"
                         << "-",
                  "{\"name\": 5}"),
              CliFailed);
    EXPECT_TRUE(err.startsWith(QStringLiteral("standard input: line 1: name: needs a text")))
        << err.toStdString();
    EXPECT_EQ(run(home() << "add-task" << path(QStringLiteral("missing.json"))), CliFailed);
    EXPECT_TRUE(err.contains(QStringLiteral("missing.json")));
    EXPECT_EQ(run(home() << "add-task" << m_tmp.path()), CliFailed); // a folder
    EXPECT_EQ(errorLines(err).size(), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tasks"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM conts WHERE Type = 'Nowhere'"), 0);
}

TEST_F(CliExportTest, ImportBoxesUsesTheStoredSettingsUnlessGivenOptions) {
    ASSERT_EQ(run(home() << "tasks"), CliOk);
    const int before = count("SELECT COUNT(*) FROM boxes");
    // Order 0 with blanks, the defaults.
    const QString plain = write(QStringLiteral("boxes.txt"), "5 Pallet 1200 800\n3 Crate 600 400 25 CR 0\n");
    ASSERT_EQ(run(home() << "import-boxes" << plain), CliOk) << err.toStdString();
    EXPECT_TRUE(out.startsWith(QStringLiteral("2 box kinds imported"))) << out.toStdString();
    EXPECT_EQ(count("SELECT COUNT(*) FROM boxes WHERE Kind = 'Crate' AND Weight = 25 AND TurnOn = 0"), 1);
    // Options: order 1, commas, one header line.
    const QString csv = write(QStringLiteral("boxes.csv"), "Kind,Qty,L,W\nBig box,3,500,400\n");
    ASSERT_EQ(run(home() << "import-boxes" << csv << "--order"
                         << "1"
                         << "--separator"
                         << "comma"
                         << "--header"
                         << "1"),
              CliOk)
        << err.toStdString();
    EXPECT_EQ(count("SELECT COUNT(*) FROM boxes WHERE Kind = 'Big box' AND Total = 3"), 1);
    // The stored settings of the home folder: commas and order 1 from korvan.ini.
    IniValues stored;
    stored.ImpOrder = 1;
    stored.ImpSepar = 1;
    write(QStringLiteral("home/korvan.ini"), formatIni(stored));
    const QString stored1 = write(QStringLiteral("stored.csv"), "Drum,2,600,600\n");
    ASSERT_EQ(run(home() << "import-boxes" << stored1), CliOk) << err.toStdString();
    EXPECT_EQ(count("SELECT COUNT(*) FROM boxes WHERE Kind = 'Drum' AND Total = 2"), 1);
    // A failing line: the lines before it stay, the failure is one line on standard error.
    const QString bad = write(QStringLiteral("bad.csv"), "Ok,1,100,100\nLong,1,40000,100\n");
    EXPECT_EQ(run(home() << "import-boxes" << bad), CliFailed);
    EXPECT_TRUE(out.startsWith(QStringLiteral("1 box kinds imported")));
    ASSERT_EQ(errorLines(err).size(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("32000")) && err.contains(QStringLiteral("# 2")))
        << err.toStdString();
    EXPECT_EQ(count("SELECT COUNT(*) FROM boxes"), before + 5);
    EXPECT_EQ(run(home() << "import-boxes" << path(QStringLiteral("none.txt"))), CliFailed);
    EXPECT_TRUE(err.contains(QStringLiteral("none.txt")));
}

TEST_F(CliExportTest, WrongCommandLinesAreRefusedWithOneLineAndExitTwo) {
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{"add-task"}, "add-task needs a file"},
        {{"import-boxes"}, "import-boxes needs a file"},
        {{"import-boxes", "x.txt", "--order", "4"}, "--order needs a whole number from 0 to 3"},
        {{"import-boxes", "x.txt", "--separator", "tabs"}, "--separator needs blanks or comma"},
        {{"add-task", "a.json", "b.json"}, "Unexpected argument b.json"},
        {{"tasks", "--create-missing"}, "--create-missing belongs to add-task"},
        {{"solve", "--task", "1", "--json"}, "--json belongs to tasks and show"},
        {{"show", "--task", "1", "--order", "1"}, "--order belongs to import-boxes"},
        {{"tasks", "--pdf", "x.pdf"}, "--pdf belongs to export"},
        {{"export", "--task", "1"}, "export needs one of --csv, --pdf, --svg and --png"},
        {{"export", "--task", "1", "--csv", "--png", "a.png"}, "export needs one of"},
        {{"export", "--task", "1", "--pdf", "x.pdf"}, "--pdf needs --report"},
        {{"export", "--task", "1", "--pdf", "x.pdf", "--report", "cover"}, "Unknown report cover"},
        {{"export", "--task", "1", "--svg", "x.svg", "--report", "task"}, "--report belongs to --pdf"},
        {{"export", "--task", "1", "--pdf", "x.pdf", "--report", "task", "--width", "500"},
         "--width belongs to"},
        {{"export", "--task", "1", "--png", "x.png", "--width", "5"},
         "--width needs a whole number from 100"},
        {{"export", "--task", "1", "--csv", "--container", "1"}, "--container belongs to"},
        {{"export", "--pdf", "x.pdf", "--report", "sheet"}, "export needs --task ID"},
        {{"export", "--task", "1", "--pdf", "x.pdf", "--report", "boxes"},
         "The boxes report belongs to no task"},
        {{"export", "--task", "1", "--svg"}, "--svg needs a file"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.args), CliBadUsage) << c.args.join(' ').toStdString();
        EXPECT_TRUE(err.startsWith(QLatin1String(c.message)))
            << c.args.join(' ').toStdString() << "\n gave " << err.toStdString();
    }
    ASSERT_EQ(run({"--help"}), CliOk);
    for (const char* listed : {"tasks --json", "add-task FILE.json|-", "--create-missing", "--solve",
                               "import-boxes FILE", "--order 0-3", "--separator blanks|comma", "--header N",
                               "--csv [DIR]", "--pdf FILE", "task|solution|layout|sheet", "boxes|containers",
                               "--svg FILE|--png FILE", "--width PX", "--container N"})
        EXPECT_TRUE(out.contains(QLatin1String(listed))) << listed;
}

TEST_F(CliExportTest, TheProgramExportsWithoutADisplay) {
    const QString outDir = QStringLiteral(PALVANE_TEST_OUT);
    ASSERT_EQ(solveTaskOne(), CliOk) << err.toStdString();
    // The reports of a task and of the libraries.
    for (const QString& report :
         {QStringLiteral("task"), QStringLiteral("solution"), QStringLiteral("layout"),
          QStringLiteral("sheet"), QStringLiteral("boxes"), QStringLiteral("containers")}) {
        const QString pdf = outDir + QStringLiteral("/cli-report-%1.pdf").arg(report);
        QFile::remove(pdf);
        QStringList args = home() << "export"
                                  << "--pdf" << pdf << "--report" << report;
        if (report != QLatin1String("boxes") && report != QLatin1String("containers"))
            args << "--task"
                 << "1";
        ASSERT_EQ(program(args), CliOk) << report.toStdString() << ": " << err.toStdString();
        EXPECT_GE(test::pdfPageCount(pdf), 1) << report.toStdString();
        const QString text = test::pdfPageTexts(pdf).join(QString());
        if (text.isEmpty())
            continue; // pdftotext is missing
        const char* expected = report == QLatin1String("task")       ? "Task Name:"
                               : report == QLatin1String("solution") ? "Solution for a task:"
                               : report == QLatin1String("layout")   ? "Layout for a task:"
                               : report == QLatin1String("sheet")    ? "Loading direction"
                               : report == QLatin1String("boxes")    ? "Part / 2D Box Library"
                                                                     : "Sheet / 2D Container Library";
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << report.toStdString();
    }
    // The sheet of one container only.
    const QString one = outDir + QStringLiteral("/cli-sheet-container-1.pdf");
    ASSERT_EQ(program(home() << "export"
                             << "--task"
                             << "1"
                             << "--pdf" << one << "--report"
                             << "sheet"
                             << "--container"
                             << "1"),
              CliOk);
    const QString oneText = test::pdfPageTexts(one).join(QString());
    if (!oneText.isEmpty()) {
        EXPECT_TRUE(oneText.contains(QStringLiteral("Container 1 of")));
    }
    // The layout drawing as SVG and PNG.
    const QString svg = outDir + QStringLiteral("/cli-layout.svg");
    const QByteArray svgText = exportSvg(svg);
    ASSERT_FALSE(svgText.isEmpty()) << err.toStdString();
    EXPECT_TRUE(svgText.contains("<svg"));
    EXPECT_TRUE(svgText.contains("FRONT"));
    const QString png = outDir + QStringLiteral("/cli-layout.png");
    ASSERT_EQ(program(home() << "export"
                             << "--task"
                             << "1"
                             << "--png" << png << "--width"
                             << "1200"),
              CliOk);
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 1200);
    // Failures: a container the plan lacks, a file that cannot be written, an unsolved task.
    EXPECT_EQ(program(home() << "export"
                             << "--task"
                             << "1"
                             << "--png" << png << "--container"
                             << "99"),
              CliFailed);
    EXPECT_EQ(errorLines(err), QStringList{QStringLiteral("The plan of task 1 has no container 99")});
    EXPECT_EQ(program(home() << "export"
                             << "--task"
                             << "1"
                             << "--pdf" << path(QStringLiteral("no/such/dir/x.pdf")) << "--report"
                             << "sheet"),
              CliFailed);
    EXPECT_EQ(errorLines(err).size(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("x.pdf")));
    EXPECT_EQ(program(home() << "export"
                             << "--task"
                             << "7"
                             << "--svg" << svg),
              CliFailed);
    EXPECT_EQ(errorLines(err), QStringList{QStringLiteral("Task 7 not found")});
}

TEST_F(CliExportTest, ExportCsvWritesTheThreeFilesIntoTheHomeOrTheGivenFolder) {
    ASSERT_EQ(run(home() << "solve"
                         << "--task"
                         << "1"),
              CliOk)
        << err.toStdString();
    ASSERT_EQ(run(home() << "export"
                         << "--task"
                         << "1"
                         << "--csv"),
              CliOk)
        << err.toStdString();
    const QStringList files = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(files.size(), 3);
    for (const QString& f : files) {
        EXPECT_TRUE(f.startsWith(QDir(path(QStringLiteral("home/solutions"))).absolutePath()))
            << f.toStdString();
        EXPECT_TRUE(QFile::exists(f));
    }
    ASSERT_EQ(run(home() << "export"
                         << "--task"
                         << "1"
                         << "--csv" << path(QStringLiteral("elsewhere"))),
              CliOk);
    const QString stem = QFileInfo(files[0]).fileName().chopped(int(qstrlen("-conts.csv")));
    for (const char* suffix : {"-conts.csv", "-distr.csv", "-posit.csv"})
        EXPECT_TRUE(QFile::exists(path(QStringLiteral("elsewhere/") + stem + QLatin1String(suffix))))
            << suffix;
}

namespace {

// Pixels of the first page of a PDF (rendered by pdftoppm at 40 dpi) that are clearly coloured,
// not white, grey or black; -1 when pdftoppm is missing.
int colouredPixels(const QString& pdf, const QString& png) {
    QFile::remove(png + QStringLiteral(".png"));
    if (QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("40"),
                           QStringLiteral("-singlefile"), pdf, png}) != 0)
        return -1;
    const QImage image(png + QStringLiteral(".png"));
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).hsvSaturation() > 60)
                ++n;
    return n;
}

} // namespace

TEST_F(CliExportTest, TheStoredViewOptionsShapeTheLayoutReportAndTheDrawing) {
    const QString outDir = QStringLiteral(PALVANE_TEST_OUT);
    ASSERT_EQ(solveTaskOne(), CliOk) << err.toStdString();
    ASSERT_EQ(program(home() << "show"
                             << "--task"
                             << "1"
                             << "--json"),
              CliOk);
    QStringList kinds;
    for (const QJsonValue b : json()[QStringLiteral("task")][QStringLiteral("boxes")].toArray())
        kinds << b[QStringLiteral("kind")].toString();
    ASSERT_FALSE(kinds.isEmpty());
    const auto exportBoth = [&](const QString& name, int& coloured, QByteArray& svgText) {
        const QString pdf = outDir + QStringLiteral("/cli-layout-%1.pdf").arg(name);
        const QString svg = outDir + QStringLiteral("/cli-layout-%1.svg").arg(name);
        ASSERT_EQ(program(home() << "export"
                                 << "--task"
                                 << "1"
                                 << "--pdf" << pdf << "--report"
                                 << "layout"),
                  CliOk)
            << err.toStdString();
        coloured = colouredPixels(pdf, path(name));
        svgText = exportSvg(svg);
        ASSERT_FALSE(svgText.isEmpty()) << err.toStdString();
    };
    const auto namesIn = [&kinds](const QByteArray& svg) {
        int n = 0;
        for (const QString& k : kinds)
            n += svg.contains(k.toUtf8()) ? 1 : 0;
        return n;
    };
    // Without stored View Options: white box fills on paper and marks on the boxes.
    int plain = 0, options = 0;
    QByteArray plainSvg, optionsSvg;
    exportBoth(QStringLiteral("default-view"), plain, plainSvg);
    EXPECT_EQ(namesIn(plainSvg), 0);
    // The desktop keeps: boxes filled in their kind colours (part grey 0), kind names shown.
    IniValues stored;
    stored.view = SavedViewOptions{1, 1, 0, 16, 2, 0, 0, 1, 0};
    write(QStringLiteral("home/korvan.ini"), formatIni(stored));
    exportBoth(QStringLiteral("stored-view"), options, optionsSvg);
    EXPECT_GT(namesIn(optionsSvg), 0);
    if (plain >= 0) {
        EXPECT_GT(options, 2 * plain + 100) << plain << " " << options;
    }
    // Values out of the tracks' ranges are clamped as the View Options window clamps them.
    stored.view = SavedViewOptions{99, -7, 400, 99, 2, 0, 12, 1, 1};
    write(QStringLiteral("home/korvan.ini"), formatIni(stored));
    int clamped = 0;
    QByteArray clampedSvg;
    exportBoth(QStringLiteral("clamped-view"), clamped, clampedSvg);
    EXPECT_GT(namesIn(clampedSvg), 0);
}
