// Rules of a task's container and box lists (tc, tb): duplicates, quantities against the fixed
// number, costs, deleting rows used by fixed containers, and the totals after a delete.
#include "DataModuleFixture.h"

using namespace palvane;

namespace {

class TaskListRulesTest : public test::DataModuleFixture {
protected:
    void SetUp() override {
        DataModuleFixture::SetUp();
        seedSample();
    }
    Cursor& tc() { return m_dm->tc(); }
    Cursor& tb() { return m_dm->tb(); }
};

TEST_F(TaskListRulesTest, DuplicateTypeIsRefused) {
    ASSERT_TRUE(start(1));
    ASSERT_TRUE(tc().append());
    EXPECT_FALSE(tc().setValue(QStringLiteral("TypeID"), 1));
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Error);
    EXPECT_EQ(m_prompter.asked[0].text, QStringLiteral("This container Type already presents in the table"));
    EXPECT_TRUE(tc().value(QStringLiteral("TypeID")).isNull());
    // Choosing by name runs the same rule.
    EXPECT_FALSE(tc().setValue(QStringLiteral("Type"), QStringLiteral("Semitrailer")));
    EXPECT_TRUE(tc().setValue(QStringLiteral("Type"), QStringLiteral("Van")));
    EXPECT_TRUE(tc().setValue(QStringLiteral("Avail"), 2));
    EXPECT_TRUE(tc().post());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tc WHERE TaskID = 1")), 2);

    ASSERT_TRUE(tb().append());
    EXPECT_FALSE(tb().setValue(QStringLiteral("KindID"), 1));
    EXPECT_EQ(m_prompter.asked.back().text, QStringLiteral("This box Kind already presents in the table"));
}

TEST_F(TaskListRulesTest, QuantityWithoutTypeOrNotPositiveCancelsTheRow) {
    ASSERT_TRUE(start(1));
    ASSERT_TRUE(tc().append());
    EXPECT_FALSE(tc().setValue(QStringLiteral("Avail"), 3));
    EXPECT_EQ(m_prompter.asked.back().kind, PromptKind::Warning);
    EXPECT_EQ(m_prompter.asked.back().text, QStringLiteral("You'd define container Type at first"));
    EXPECT_EQ(tc().state(), CursorState::Browse);
    EXPECT_EQ(tc().rowCount(), 1);

    // A zero quantity drops the whole pending edit, the cost typed before included.
    ASSERT_TRUE(tc().setValue(QStringLiteral("Cost"), 120.5));
    EXPECT_FALSE(tc().setValue(QStringLiteral("Avail"), 0));
    EXPECT_EQ(m_prompter.asked.back().text, QStringLiteral("Number must be positive"));
    EXPECT_EQ(tc().state(), CursorState::Browse);
    EXPECT_DOUBLE_EQ(tc().floatValue(QStringLiteral("Cost")), 100);

    ASSERT_TRUE(tb().setValue(QStringLiteral("Prior"), 2));
    EXPECT_FALSE(tb().setValue(QStringLiteral("Total"), -1));
    EXPECT_EQ(tb().state(), CursorState::Browse);
    EXPECT_TRUE(tb().value(QStringLiteral("Prior")).isNull());
    EXPECT_FALSE(tb().setValue(QStringLiteral("Cost"), -0.5));
    EXPECT_EQ(m_prompter.asked.back().text, QStringLiteral("Cost must be positive"));
    EXPECT_DOUBLE_EQ(tb().floatValue(QStringLiteral("Cost")), 1);
    ASSERT_TRUE(tb().append());
    EXPECT_FALSE(tb().setValue(QStringLiteral("Cost"), 3));
    EXPECT_EQ(m_prompter.asked.back().text, QStringLiteral("You'd define box Kind at first"));
    EXPECT_EQ(tb().rowCount(), 1);
}

TEST_F(TaskListRulesTest, QuantityBelowFixedAsksOkOrIgnore) {
    seed(0, {QStringLiteral("UPDATE tc SET Used = 2 WHERE TaskID = 2 AND TypeID = 1")});
    ASSERT_TRUE(start(2));
    ASSERT_TRUE(tc().locate(QStringLiteral("TypeID"), 1)); // Avail 3, Used 2
    // Lowering below Used: OK keeps the old value.
    m_prompter.answers = {PromptAnswer::Ok};
    EXPECT_FALSE(tc().setValue(QStringLiteral("Avail"), 1));
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].kind, PromptKind::Warning);
    EXPECT_EQ(m_prompter.asked[0].buttons, PromptButtons::OkIgnore);
    EXPECT_EQ(m_prompter.asked[0].text,
              QStringLiteral("Available container number should not be less than\ralready Used number, "
                             "needed for Fixed containers."));
    EXPECT_EQ(tc().intValue(QStringLiteral("Avail")), 3);
    // Ignore keeps the lower value.
    m_prompter.answers = {PromptAnswer::Ignore};
    EXPECT_TRUE(tc().setValue(QStringLiteral("Avail"), 1));
    ASSERT_TRUE(tc().post());
    EXPECT_EQ(count(QStringLiteral("SELECT Avail FROM tc WHERE TaskID = 2 AND TypeID = 1")), 1);

    ASSERT_TRUE(tb().locate(QStringLiteral("KindID"), 1)); // Total 6, Placed 6
    m_prompter.answers = {PromptAnswer::Ok};
    EXPECT_FALSE(tb().setValue(QStringLiteral("Total"), 5));
    EXPECT_EQ(m_prompter.asked.back().text,
              QStringLiteral("Total box number should not be less than\ralready Used number, placed in "
                             "Fixed containers."));
}

TEST_F(TaskListRulesTest, DeletingRowsOfFixedContainersAsksOkOrIgnore) {
    ASSERT_TRUE(start(2));
    int totalsSignals = 0;
    QObject receiver;
    QObject::connect(m_dm.get(), &TDMForm::totalsChanged, &receiver, [&] { ++totalsSignals; });
    ASSERT_TRUE(tc().locate(QStringLiteral("TypeID"), 1)); // Used 1
    m_prompter.answers = {PromptAnswer::Ok};
    EXPECT_FALSE(tc().remove());
    ASSERT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_prompter.asked[0].buttons, PromptButtons::OkIgnore);
    EXPECT_EQ(
        m_prompter.asked[0].text,
        QStringLiteral("This container Type is used\rfor Fixed containers.\rIt should not be deleted."));
    EXPECT_EQ(tc().rowCount(), 2);
    EXPECT_EQ(m_dm->TaskAvailSum, 4);
    m_prompter.answers = {PromptAnswer::Ignore};
    EXPECT_TRUE(tc().remove());
    EXPECT_EQ(tc().rowCount(), 1);
    EXPECT_EQ(m_dm->TaskAvailSum, 1); // totals follow the delete
    EXPECT_GT(totalsSignals, 0);

    // A row without fixed boxes goes without a question, and so does any row while the Select a
    // Task window runs a cascade.
    clearAsked();
    ASSERT_TRUE(tb().locate(QStringLiteral("KindID"), 1)); // Placed 6
    const QMetaObject::Connection selectTask = answerWindowState({.selectTaskOpen = true});
    EXPECT_TRUE(tb().remove());
    QObject::disconnect(selectTask);
    ASSERT_TRUE(tb().locate(QStringLiteral("KindID"), 2)); // Placed 1
    m_prompter.answers = {PromptAnswer::Ok};
    EXPECT_FALSE(tb().remove());
    EXPECT_EQ(m_prompter.asked.back().text,
              QStringLiteral("This box Kind is used\rin Fixed containers.\rIt should not be deleted."));
    EXPECT_EQ(m_prompter.asked.size(), 1u);
    EXPECT_EQ(m_dm->TaskBoxSum, 4);

    // Nor while a command of the Task Page runs.
    clearAsked();
    const QMetaObject::Connection busy = answerWindowState({.taskPageBusy = true});
    EXPECT_TRUE(tb().remove());
    QObject::disconnect(busy);
    EXPECT_TRUE(m_prompter.asked.empty());
    EXPECT_EQ(tb().rowCount(), 0);
}

TEST_F(TaskListRulesTest, InsertNeedsALibraryRowAndATask) {
    seed(0, {QStringLiteral("DELETE FROM boxes")});
    ASSERT_TRUE(start(1));
    EXPECT_FALSE(tb().append());
    EXPECT_TRUE(m_prompter.asked.empty());
    EXPECT_TRUE(tc().append());
    tc().cancel();
    m_dm->ActivateTables(false);
    seed(0, {QStringLiteral("DELETE FROM tasks")});
    ASSERT_TRUE(m_dm->ActivateTables(true));
    EXPECT_EQ(m_dm->currentTaskId(), 0);
    EXPECT_FALSE(tc().append()); // no task to attach the row to
}

} // namespace
