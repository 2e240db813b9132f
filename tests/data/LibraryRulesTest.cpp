// Rules of the container and box libraries: edit mode, the export database, use by tasks, the
// axle check and the fill direction, with their exact messages and button sets.
#include "DataModuleFixture.h"

using namespace palvane;

namespace {

class LibraryRulesTest : public test::DataModuleFixture {
protected:
    void SetUp() override {
        DataModuleFixture::SetUp();
        seedSample();
    }
    Cursor& conts() { return m_dm->conts(); }
    Cursor& boxes() { return m_dm->boxes(); }
};

TEST_F(LibraryRulesTest, AxleDisplacementsMustStayBelowLength) {
    ASSERT_TRUE(start());
    m_dm->setLibraryEditMode(Table::Conts, true);
    m_dm->WarnsCheck = false;
    ASSERT_TRUE(conts().locate(QStringLiteral("Type"), QStringLiteral("Van")));
    ASSERT_TRUE(conts().setValue(QStringLiteral("Length"), 600));
    ASSERT_TRUE(conts().setValue(QStringLiteral("NoseDL"), 300));
    clearAsked();
    EXPECT_FALSE(conts().setValue(QStringLiteral("TailDL"), 300));
    EXPECT_EQ(conts().intValue(QStringLiteral("TailDL")), 0);
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Error);
    EXPECT_EQ(m_prompter.asked[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(m_prompter.asked[0].text,
              QStringLiteral("Axle displacements sum should\rbe less then container length."));
    ASSERT_TRUE(conts().setValue(QStringLiteral("Length"), 601));
    EXPECT_TRUE(conts().setValue(QStringLiteral("TailDL"), 300));
    // Shortening the floor below the two displacements is refused too.
    EXPECT_FALSE(conts().setValue(QStringLiteral("Length"), 600));
    EXPECT_EQ(conts().intValue(QStringLiteral("Length")), 601);
    ASSERT_TRUE(conts().post());
    EXPECT_EQ(count(QStringLiteral("SELECT Length + TailDL FROM conts WHERE TypeID = 2")), 901);
}

TEST_F(LibraryRulesTest, FillDirectionAndNewRowDefaults) {
    ASSERT_TRUE(start(1));
    m_dm->setLibraryEditMode(Table::Conts, true);
    Table focused = Table::Tasks;
    int focusColumn = -1;
    QObject receiver;
    QObject::connect(m_dm.get(), &TDMForm::libraryGridFocusRequested, &receiver, [&](Table t, int col) {
        focused = t;
        focusColumn = col;
    });
    ASSERT_TRUE(conts().append());
    EXPECT_EQ(focused, Table::Conts);
    EXPECT_EQ(focusColumn, 1);
    EXPECT_EQ(conts().textValue(QStringLiteral("FillDir")), QStringLiteral("Length"));
    EXPECT_FALSE(conts().setValue(QStringLiteral("FillDir"), QStringLiteral("Across")));
    EXPECT_EQ(m_prompter.asked.back().text, QStringLiteral("Choose a value from drop-down list"));
    EXPECT_EQ(conts().textValue(QStringLiteral("FillDir")), QStringLiteral("Length"));
    EXPECT_TRUE(conts().setValue(QStringLiteral("FillDir"), QStringLiteral("Width")));
    EXPECT_FALSE(conts().setValue(QStringLiteral("Temp"), QStringLiteral("yes please")));
    EXPECT_EQ(m_prompter.asked.back().text, QStringLiteral("Enter 'f' (false) or 't' (true)"));
    conts().cancel();
    EXPECT_EQ(conts().rowCount(), 2);
}

TEST_F(LibraryRulesTest, FillDirectionReadOutsideTheListBlocksStoring) {
    seed(0, {QStringLiteral("UPDATE conts SET FillDir = 'Sideways' WHERE TypeID = 2")});
    ASSERT_TRUE(start());
    ASSERT_TRUE(conts().locate(QStringLiteral("TypeID"), 2));
    ASSERT_TRUE(conts().setValue(QStringLiteral("Avail"), 2));
    EXPECT_FALSE(conts().post());
    EXPECT_EQ(m_prompter.asked.back().text, QStringLiteral("Choose a value from drop-down list"));
    EXPECT_EQ(conts().state(), CursorState::Edit);
    m_dm->setLibraryEditMode(Table::Conts, true);
    m_dm->WarnsCheck = false;
    ASSERT_TRUE(conts().setValue(QStringLiteral("FillDir"), QStringLiteral("Either")));
    EXPECT_TRUE(conts().post());
}

TEST_F(LibraryRulesTest, InsertAndDeleteOutsideEditModeAreRefusedSilently) {
    ASSERT_TRUE(start());
    EXPECT_FALSE(conts().insert());
    EXPECT_FALSE(boxes().append());
    ASSERT_TRUE(boxes().locate(QStringLiteral("KindID"), 2));
    EXPECT_FALSE(boxes().remove());
    EXPECT_TRUE(m_prompter.asked.empty());
    EXPECT_EQ(boxes().rowCount(), 2);
    // Outside edit mode an edit passes without the library rules (the quantity column).
    ASSERT_TRUE(conts().locate(QStringLiteral("TypeID"), 1));
    EXPECT_TRUE(conts().setValue(QStringLiteral("Avail"), 4));
    EXPECT_TRUE(conts().post());
    EXPECT_TRUE(m_prompter.asked.empty());
}

TEST_F(LibraryRulesTest, EditOfTypeUsedBySolvedTaskIsRefused) {
    seed(1, {QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (5, 1, 1)")});
    ASSERT_TRUE(start());
    m_dm->setLibraryEditMode(Table::Conts, true);
    ASSERT_TRUE(conts().locate(QStringLiteral("TypeID"), 1));
    EXPECT_FALSE(conts().setValue(QStringLiteral("Width"), 2500));
    EXPECT_EQ(conts().state(), CursorState::Browse);
    EXPECT_EQ(conts().intValue(QStringLiteral("Width")), 2450);
    // Both the export use and the solved task are reported, each a warning with OK.
    ASSERT_EQ(m_prompter.asked.size(), 2u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Warning);
    EXPECT_EQ(m_prompter.asked[0].text,
              QStringLiteral("This container Type is used in Export DB.\rEdit action should be cancelled."));
    EXPECT_EQ(m_prompter.asked[1].kind, PromptKind::Warning);
    EXPECT_EQ(m_prompter.asked[1].text,
              QStringLiteral("This container Type is used in a task:\r\"Beta\".\rData changes could be "
                             "accepted\rjust after task solution was cleared."));
}

TEST_F(LibraryRulesTest, EditConfirmationPerTaskWithYesNoAllYesToAll) {
    seed(0, {QStringLiteral("INSERT INTO tasks (TaskID, Name) VALUES (3, 'Gamma')"),
             QStringLiteral("INSERT INTO tb (TaskID, KindID, Total, Placed) VALUES (3, 2, 5, 0)"),
             QStringLiteral("UPDATE tb SET Placed = 0")});
    ASSERT_TRUE(start());
    m_dm->setLibraryEditMode(Table::Boxes, true);
    ASSERT_TRUE(boxes().locate(QStringLiteral("KindID"), 2)); // used by Beta and Gamma, none placed
    const QString betaQuestion = QStringLiteral(
        "This box Kind is used in a task:\r\"Beta\".\rAre you sure to modify box properties (Yes/No)?\r"
        "... regarding all other related tasks (All)?\r... regarding all containers to modify (Yes to All)?");

    // Yes goes on to the next task; No refuses.
    m_prompter.answers = {PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_FALSE(boxes().setValue(QStringLiteral("Weight"), 410));
    ASSERT_EQ(m_prompter.asked.size(), 2u);
    EXPECT_EQ(m_prompter.asked[0].text, betaQuestion);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Confirmation);
    EXPECT_EQ(m_prompter.asked[0].buttons, PromptButtons::YesNoAllYesToAll);
    EXPECT_TRUE(m_prompter.asked[1].text.contains(QStringLiteral("\"Gamma\".")));
    EXPECT_EQ(boxes().intValue(QStringLiteral("Weight")), 400);

    // All ends the questions of this edit only.
    clearAsked();
    m_prompter.answers = {PromptAnswer::All};
    EXPECT_TRUE(boxes().setValue(QStringLiteral("Weight"), 410));
    EXPECT_EQ(m_prompter.asked.size(), 1u);
    ASSERT_TRUE(boxes().post());
    EXPECT_TRUE(m_dm->BoxesEditAsk);

    // Yes to All ends them and no further edit asks until the mode is switched again.
    clearAsked();
    m_prompter.answers = {PromptAnswer::YesToAll};
    EXPECT_TRUE(boxes().setValue(QStringLiteral("Weight"), 420));
    ASSERT_TRUE(boxes().post());
    EXPECT_FALSE(m_dm->BoxesEditAsk);
    EXPECT_TRUE(boxes().setValue(QStringLiteral("Weight"), 430));
    ASSERT_TRUE(boxes().post());
    EXPECT_EQ(m_prompter.asked.size(), 1u);
    m_dm->setLibraryEditMode(Table::Boxes, false);
    EXPECT_TRUE(m_dm->BoxesEditAsk);

    // With the warnings switch cleared nothing is asked.
    m_dm->setLibraryEditMode(Table::Boxes, true);
    m_dm->WarnsCheck = false;
    clearAsked();
    EXPECT_TRUE(boxes().setValue(QStringLiteral("Weight"), 440));
    EXPECT_TRUE(boxes().post());
    EXPECT_TRUE(m_prompter.asked.empty());
    EXPECT_EQ(count(QStringLiteral("SELECT Weight FROM boxes WHERE KindID = 2")), 440);
}

TEST_F(LibraryRulesTest, ContainerConfirmationText) {
    ASSERT_TRUE(start());
    m_dm->setLibraryEditMode(Table::Conts, true);
    ASSERT_TRUE(conts().locate(QStringLiteral("TypeID"), 2)); // Beta uses it with Used 0
    m_prompter.answers = {PromptAnswer::No};
    EXPECT_FALSE(conts().setValue(QStringLiteral("LoadWt"), 1600));
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text,
              QStringLiteral("This container Type is used in a task:\r\"Beta\".\rAre you sure to modify "
                             "container properties (Yes/No)\r... regarding all other related tasks "
                             "(All)?\r... regarding all containers to modify (Yes to All)?"));
}

TEST_F(LibraryRulesTest, DeleteOfUsedTypeIsRefusedWithTaskName) {
    seed(0, {QStringLiteral("INSERT INTO conts (TypeID, Type, Length, Width) VALUES (3, 'Spare', 100, 100), "
                            "(4, 'Exported', 100, 100)")});
    seed(1, {QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (9, 4, 1)")});
    ASSERT_TRUE(start());
    m_dm->setLibraryEditMode(Table::Conts, true);
    ASSERT_TRUE(conts().locate(QStringLiteral("TypeID"), 2));
    EXPECT_FALSE(conts().remove());
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].text,
              QStringLiteral(
                  "This container Type is used in a task:\r\"Beta\".\rDelete action should be cancelled."));
    ASSERT_TRUE(conts().locate(QStringLiteral("TypeID"), 4));
    EXPECT_FALSE(conts().remove());
    EXPECT_EQ(
        m_prompter.asked.back().text,
        QStringLiteral("This container Type is used in Export DB.\rDelete action should be cancelled."));
    EXPECT_EQ(conts().rowCount(), 4);
    ASSERT_TRUE(conts().locate(QStringLiteral("TypeID"), 3));
    EXPECT_TRUE(conts().remove());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM conts")), 3);
}

TEST_F(LibraryRulesTest, ExportLibraryOnlyDeletesUnusedRows) {
    seed(1,
         {QStringLiteral("INSERT INTO boxes (KindID, Kind, Length, Width, Weight) VALUES (1, 'A', 1, 1, 1), "
                         "(2, 'B', 2, 2, 2)"),
          QStringLiteral("INSERT INTO tasks (TaskID, Name) VALUES (1, 'Exported task')"),
          QStringLiteral("INSERT INTO tb (TaskID, KindID, Total) VALUES (1, 1, 1)")});
    m_dm = std::make_unique<TDMForm>(&m_prompter);
    for (int code = 0; code < 3; ++code)
        m_dm->setDatabaseDirectory(code, m_dirs[code]);
    m_dm->SetTablesDatabase(ExportDatabase);
    ASSERT_TRUE(m_dm->ActivateTables(true));
    m_dm->ActiveDatabase = ExportDatabase;
    m_dm->setLibraryEditMode(Table::Boxes, true);
    const QString refusal =
        QStringLiteral("You can not edit Export DB library,\ryou may only delete unused records.");
    EXPECT_FALSE(boxes().append());
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Information);
    EXPECT_EQ(m_prompter.asked[0].text, refusal);
    EXPECT_FALSE(boxes().setValue(QStringLiteral("Weight"), 5));
    EXPECT_EQ(m_prompter.asked.back().text, refusal);
    ASSERT_TRUE(boxes().locate(QStringLiteral("KindID"), 1));
    EXPECT_FALSE(boxes().remove());
    EXPECT_EQ(
        m_prompter.asked.back().text,
        QStringLiteral(
            "This box Kind is used in a task:\r\"Exported task\".\rDelete action should be cancelled."));
    ASSERT_TRUE(boxes().locate(QStringLiteral("KindID"), 2));
    EXPECT_TRUE(boxes().remove());
    EXPECT_EQ(boxes().rowCount(), 1);
}

} // namespace
