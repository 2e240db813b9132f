// Deleting library rows of a server database that other planners use: a container type or box
// kind that another planner's task lists is refused with the library's message, also when the
// task took it between the check and the delete; an unused row goes.
#include "ServerModuleFixture.h"

namespace palvane::test {
namespace {

class ServerLibraryDeleteTest : public ServerModuleFixture {
protected:
    void SetUp() override {
        makeDatabases({Kind::Server, Kind::Directory, Kind::Directory});
        seedSample();
        seed(0, {QStringLiteral("INSERT INTO conts (TypeID, Type, Length, Width, FillDir) VALUES "
                                "(3, 'Box truck', 7000, 2400, 'Length')"),
                 QStringLiteral(
                     "INSERT INTO boxes (KindID, Kind, Length, Width) VALUES (3, 'Crate', 600, 400)")});
        ASSERT_TRUE(start(1));
        m_dm->WarnsCheck = false;
        m_dm->setLibraryEditMode(Table::Conts, true);
        m_dm->setLibraryEditMode(Table::Boxes, true);
        m_prompter.asked.clear();
    }
    // Another planner stores a new task "Gamma" that lists container type 3 (conts) or box
    // kind 3 (boxes), or both.
    void otherPlannerUses(std::initializer_list<Table> libraries) {
        QStringList sql{
            QStringLiteral("INSERT INTO tasks (TaskID, Name) VALUES (7, 'Gamma') ON CONFLICT DO NOTHING")};
        for (Table t : libraries)
            sql << (t == Table::Conts
                        ? QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail) VALUES (7, 3, 1)")
                        : QStringLiteral("INSERT INTO tb (TaskID, KindID, Total) VALUES (7, 3, 4)"));
        for (const QString& s : sql)
            ASSERT_TRUE(other().exec(s)) << other().lastError().toStdString();
    }
    QList<QVariantList> libraryKeys() {
        return rows(0, QStringLiteral("SELECT (SELECT COUNT(*) FROM conts WHERE TypeID = 3), "
                                      "(SELECT COUNT(*) FROM boxes WHERE KindID = 3)"));
    }
};

TEST_F(ServerLibraryDeleteTest, RowUsedByAnotherPlannersTaskIsRefusedWithTheTaskName) {
    otherPlannerUses({Table::Conts, Table::Boxes});
    ASSERT_TRUE(m_dm->conts().locate(QStringLiteral("TypeID"), 3));
    EXPECT_FALSE(m_dm->conts().remove());
    ASSERT_TRUE(m_dm->boxes().locate(QStringLiteral("KindID"), 3));
    EXPECT_FALSE(m_dm->boxes().remove());
    EXPECT_EQ(askedTexts(), (QStringList{QStringLiteral("This container Type is used in a task:\r\"Gamma\".\r"
                                                        "Delete action should be cancelled."),
                                         QStringLiteral("This box Kind is used in a task:\r\"Gamma\".\r"
                                                        "Delete action should be cancelled.")}));
    EXPECT_EQ(libraryKeys(), (QList<QVariantList>{{1, 1}}));
}

TEST_F(ServerLibraryDeleteTest, TaskTakingTheRowBetweenCheckAndDeleteCannotSlipThrough) {
    // The first check finds the rows unused; the other planner lists them right after it.
    for (Cursor* lib : {&m_dm->conts(), &m_dm->boxes()}) {
        Cursor::RowRule check = lib->beforeDelete;
        lib->beforeDelete = [this, check](Cursor& c) {
            const bool passed = check(c);
            if (passed)
                otherPlannerUses({c.table()});
            return passed;
        };
    }
    ASSERT_TRUE(m_dm->conts().locate(QStringLiteral("TypeID"), 3));
    EXPECT_FALSE(m_dm->conts().remove());
    ASSERT_TRUE(m_dm->boxes().locate(QStringLiteral("KindID"), 3));
    EXPECT_FALSE(m_dm->boxes().remove());
    ASSERT_EQ(askedTexts().size(), 2);
    EXPECT_TRUE(
        askedTexts()[0].startsWith(QStringLiteral("This container Type is used in a task:\r\"Gamma\".")));
    EXPECT_TRUE(askedTexts()[1].startsWith(QStringLiteral("This box Kind is used in a task:\r\"Gamma\".")));
    EXPECT_EQ(libraryKeys(), (QList<QVariantList>{{1, 1}}));
    EXPECT_EQ(m_dm->conts().find(QStringLiteral("TypeID"), 3) >= 0, true);
}

TEST_F(ServerLibraryDeleteTest, UnusedRowsAreDeleted) {
    ASSERT_TRUE(m_dm->conts().locate(QStringLiteral("TypeID"), 3));
    EXPECT_TRUE(m_dm->conts().remove());
    ASSERT_TRUE(m_dm->boxes().locate(QStringLiteral("KindID"), 3));
    EXPECT_TRUE(m_dm->boxes().remove());
    EXPECT_TRUE(askedTexts().isEmpty()) << askedTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(libraryKeys(), (QList<QVariantList>{{0, 0}}));
    EXPECT_EQ(m_dm->conts().find(QStringLiteral("TypeID"), 3), -1);
}

} // namespace
} // namespace palvane::test
