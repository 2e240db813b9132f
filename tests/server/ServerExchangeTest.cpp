// Task exchange between a database in a directory and one on the server, both ways: the task
// goes with its lists, solution and the library, and switching to the other database and back
// returns to the task.
#include "ServerModuleFixture.h"
#include "TaskExchange.h"

namespace palvane::test {
namespace {

class ServerExchangeTest : public ServerModuleFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(ServerExchangeTest, ExportCopiesTheTaskAndSwitchingReturnsToIt) {
    const bool mainOnServer = GetParam();
    const Kind mainKind = mainOnServer ? Kind::Server : Kind::Directory;
    const Kind otherKind = mainOnServer ? Kind::Directory : Kind::Server;
    makeDatabases({mainKind, otherKind, otherKind});
    seedSample();
    ASSERT_TRUE(start(2));
    m_dm->WarnsCheck = false;
    TaskExchange ex(*m_dm, m_prompter);
    ASSERT_TRUE(ex.TaskCopying(true)) << askedTexts().join(QLatin1Char('|')).toStdString();
    for (const char* library : {"SELECT TypeID, Type, Length FROM conts ORDER BY TypeID",
                                "SELECT KindID, Kind, Length FROM boxes ORDER BY KindID"})
        EXPECT_EQ(rows(1, QLatin1String(library)), rows(0, QLatin1String(library))) << library;
    const auto task =
        rows(1, QStringLiteral("SELECT TaskID, Name, Solut, Descr, Power, Qw, Date FROM tasks"));
    ASSERT_EQ(task.size(), 1);
    EXPECT_EQ(task[0].mid(1).size(), 6);
    EXPECT_EQ(task[0][1].toString(), QStringLiteral("Beta"));
    EXPECT_EQ(task[0][3].toString(), QStringLiteral("two trucks"));
    EXPECT_EQ(task[0][6].toString(), QStringLiteral("2026-01-05"));
    const QString x = task[0][0].toString();
    for (const char* list : {"SELECT TypeID, Avail, Used, Cost FROM tc WHERE TaskID = %1 ORDER BY TypeID",
                             "SELECT KindID, Total, Placed, Cost FROM tb WHERE TaskID = %1 ORDER BY KindID",
                             "SELECT ContNo, TypeID, BoxLoad, FixCont FROM solut WHERE TaskID = %1",
                             "SELECT ContNo, KindID, Placed FROM distr WHERE TaskID = %1 ORDER BY KindID",
                             "SELECT BoxNo, KindID, PosX, PosY, PosLh, PosWh FROM posit WHERE TaskID = %1 "
                             "ORDER BY BoxNo"}) {
        const auto copied = rows(1, QString::fromLatin1(list).arg(x));
        EXPECT_FALSE(copied.isEmpty()) << list;
        EXPECT_EQ(copied, rows(0, QString::fromLatin1(list).arg(2))) << list;
    }
    ASSERT_TRUE(ex.SwitchDatabase(ExportDatabase));
    EXPECT_EQ(m_dm->tasks().rowCount(), 1);
    EXPECT_EQ(m_dm->tasks().textValue(QStringLiteral("Name")), QStringLiteral("Beta"));
    ASSERT_TRUE(ex.SwitchDatabase(ImportDatabase));
    EXPECT_TRUE(m_dm->tasks().isEmpty());
    ASSERT_TRUE(ex.SwitchHome());
    EXPECT_EQ(m_dm->currentTaskId(), 2);
}

INSTANTIATE_TEST_SUITE_P(BothWays, ServerExchangeTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& i) {
                             return i.param ? "MainOnServer" : "ExchangeOnServer";
                         });

} // namespace
} // namespace palvane::test
