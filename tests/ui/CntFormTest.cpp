// Container Library: its own texts and columns, the row rules acting through its grid in edit
// mode (axle distances, types used by a solved task, the edit questions), Clear with Yes/No and
// the first placement below the Task Page.
#include "TaskPageFixture.h"
#include "UiTestUtil.h"

#include <QScreen>
#include <QSqlQuery>
#include <QtTest>

using namespace palvane;

namespace {

// Enters the value into a grid cell of the current library row as typing would.
bool typeCell(TCntForm& c, const QString& field, const QVariant& v) {
    const int row = c.library().currentRow();
    return c.Model->setData(c.Model->index(row, c.Model->columnOf(field)), v);
}

} // namespace

class CntFormTest : public QObject {
    Q_OBJECT
private slots:
    void init() { palvane::uitest::failOnViewWarnings(); }
    void textsColumnsAndPlacement() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TCntForm& c = *f.startUp->cntForm();
        QVERIFY(f.page().reposition(RepositionWindow::ContainerLibrary));
        c.show();
        QCOMPARE(c.windowTitle(), QStringLiteral("Container Library"));
        // The designed minimum, raised to what the buttons' texts need.
        QCOMPARE(c.minimumSize(), QSize(650, 225).expandedTo(c.layout()->totalMinimumSize()));
        QCOMPARE(c.Model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Q'ty"));
        QCOMPARE(c.Model->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Sheet / 2D Container Type"));
        QCOMPARE(c.Model->headerData(c.Model->columnOf(QStringLiteral("FillDir")), Qt::Horizontal).toString(),
                 QStringLiteral("Fill Dir"));
        QCOMPARE(c.Model->headerData(c.Model->columnOf(QStringLiteral("Volume")), Qt::Horizontal).toString(),
                 QStringLiteral("Area"));
        const int fill = c.Model->columnOf(QStringLiteral("FillDir"));
        QCOMPARE(c.Model->index(0, fill).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
                 Qt::AlignRight);
        QCOMPARE(c.DBGrid1->columnWidth(0), 41);
        QCOMPARE(c.DBGrid1->columnWidth(c.Model->columnCount() - 1), 279);
        // Placed once: at least 798 wide, left of the Task Page by 8 pixels (not off screen).
        QVERIFY(!f.page().reposition(RepositionWindow::ContainerLibrary));
        QVERIFY(c.width() >= 798);
        QCOMPARE(c.x(), std::max(f.page().x() - 8, 0));
        QVERIFY(c.y() + c.height() <= c.screen()->geometry().height() - 30 ||
                c.height() == c.minimumHeight());
        QVERIFY(test::TaskPageFixture::screenshot(&c, QStringLiteral("ContainerLibraryBrowse.png")));
        c.EditButtonClick();
        QVERIFY(f.dm().ContsEditMode);
        QVERIFY(test::TaskPageFixture::screenshot(&c, QStringLiteral("ContainerLibraryEdit.png")));
        c.CloseButtonClick();
        QVERIFY(!c.isVisible());
        QVERIFY(!f.dm().ContsEditMode);
    }

    void rulesThroughTheGrid() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TCntForm& c = *f.startUp->cntForm();
        Cursor& lib = f.dm().conts();
        c.show();
        c.EditButtonClick();
        f.clearAsked();
        // An unused type: the axle distances must stay below the length.
        QVERIFY(lib.moveTo(lib.find(QStringLiteral("Type"), QStringLiteral("Container 40 ft"))));
        QVERIFY(typeCell(c, QStringLiteral("Length"), 600));
        QVERIFY(typeCell(c, QStringLiteral("NoseDL"), 300));
        QVERIFY(!typeCell(c, QStringLiteral("TailDL"), 300));
        QCOMPARE(f.asked(), QStringList{QStringLiteral(
                                "Axle displacements sum should\rbe less then container length.")});
        QVERIFY(typeCell(c, QStringLiteral("Length"), 601));
        QVERIFY(typeCell(c, QStringLiteral("TailDL"), 300));
        QVERIFY(lib.post());
        QCOMPARE(lib.intValue(QStringLiteral("TailDL")), 300);

        // A type of the (unsolved) sample task asks first; Yes to All stops the questions.
        QVERIFY(lib.moveTo(lib.find(QStringLiteral("Type"), QStringLiteral("Truck 7.2 m"))));
        f.clearAsked();
        f.prompter.answers = {PromptAnswer::YesToAll};
        QVERIFY(typeCell(c, QStringLiteral("Mark"), QStringLiteral("T7")));
        QVERIFY(lib.post());
        QCOMPARE(f.prompter.asked.size(), size_t(1));
        QCOMPARE(f.prompter.asked[0].buttons, PromptButtons::YesNoAllYesToAll);
        QVERIFY(!f.dm().ContsEditAsk);
        f.clearAsked();
        QVERIFY(typeCell(c, QStringLiteral("Mark"), QStringLiteral("T8")));
        QVERIFY(lib.post());
        QVERIFY(f.asked().isEmpty());
        // Fix and Edit again: the questions come back.
        c.EditButtonClick();
        c.EditButtonClick();
        QVERIFY(f.dm().ContsEditAsk);

        // A type used by a solved task is refused with the task's name.
        const QString task = f.dm().tasks().textValue(QStringLiteral("Name"));
        QSqlQuery q(f.dm().store()->database());
        QVERIFY(q.exec(QStringLiteral("UPDATE tc SET Used = 1 WHERE TypeID = %1")
                           .arg(lib.intValue(QStringLiteral("TypeID")))));
        f.clearAsked();
        QVERIFY(!typeCell(c, QStringLiteral("Mark"), QStringLiteral("T9")));
        QCOMPARE(f.asked().size(), 1);
        QVERIFY(f.asked().first().contains(QStringLiteral("\"%1\".").arg(task)));
        QCOMPARE(lib.textValue(QStringLiteral("Mark")), QStringLiteral("T8"));
    }

    void clearAsksYesOrNo() {
        test::TaskPageFixture f;
        QVERIFY(f.start());
        TCntForm& c = *f.startUp->cntForm();
        Cursor& lib = f.dm().conts();
        c.show();
        for (const char* t : {"Container 40 ft", "Container 20 ft"}) {
            QVERIFY(lib.moveTo(lib.find(QStringLiteral("Type"), QLatin1String(t))));
            QVERIFY(lib.setValue(QStringLiteral("Temp"), true) && lib.post());
        }
        const int rows = lib.rowCount();
        c.EditButtonClick();
        f.clearAsked();
        f.prompter.answers = {PromptAnswer::No, PromptAnswer::Yes};
        c.ClearButtonClick();
        QCOMPARE(f.prompter.asked.size(), size_t(2));
        QCOMPARE(f.prompter.asked[0].buttons, PromptButtons::YesNo);
        QVERIFY(f.asked().first().startsWith(QStringLiteral("Delete container:\r")));
        QCOMPARE(lib.rowCount(), rows - 1);
        // Without Warnings the remaining candidate goes without a question.
        f.dm().WarnsCheck = false;
        f.clearAsked();
        c.ClearButtonClick();
        QVERIFY(f.asked().isEmpty());
        QCOMPARE(lib.rowCount(), rows - 2);
        c.ClearButtonClick();
        QCOMPARE(f.asked(), QStringList{QStringLiteral("Nothing to delete")});
    }
};

QTEST_MAIN(CntFormTest)
#include "CntFormTest.moc"
