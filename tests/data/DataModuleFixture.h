#pragma once
// A data module over three real database directories (main, export, import) in a temporary
// folder, with a scripted prompter. Rows are seeded with SQL before the module opens them.
#include "CoreApp.h"
#include "DMForm.h"
#include "Prompter.h"
#include "Store.h"
#include "TestServer.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace palvane::test {

class DataModuleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ensureCoreApp();
        ASSERT_TRUE(m_tmp.isValid());
        for (int code = 0; code < 3; ++code) {
            m_dirs[code] = testDatabase(m_tmp, QStringLiteral("db%1").arg(code));
            ASSERT_TRUE(Store::createDatabase(m_dirs[code]));
        }
    }
    void TearDown() override { m_dm.reset(); }

    // Answers the rules' question about the windows with `state`, as the Task Page and the
    // Select a Task window do, until the connection is disconnected.
    QMetaObject::Connection answerWindowState(WindowState state) {
        return QObject::connect(m_dm.get(), &TDMForm::windowStateAsked,
                                [state](WindowState& asked) { asked = state; });
    }

    // Runs statements on a database while the module does not hold it.
    void seed(int code, const QStringList& sql) {
        auto store = Store::open(m_dirs[code], StoreOpenMode::ExistingOnly);
        ASSERT_TRUE(store);
        for (const QString& s : sql) {
            QSqlQuery q(store->database());
            ASSERT_TRUE(q.exec(s)) << s.toStdString();
        }
    }
    // A library of two container types, two box kinds and two tasks: task 1 "Alpha" (unsolved,
    // type 1 and kind 1) and task 2 "Beta" (solved, uses type 1 with Used 1 and type 2).
    void seedSample() {
        seed(
            0,
            {QStringLiteral(
                 "INSERT INTO conts (TypeID, Type, Length, Width, LoadWt, FillDir, NoseDL, TailDL) "
                 "VALUES (1, 'Semitrailer', 13600, 2450, 24000, 'Length', 0, 0), "
                 "(2, 'Van', 4000, 2000, 1500, 'Either', 0, 0)"),
             QStringLiteral(
                 "INSERT INTO boxes (KindID, Kind, Length, Width, Weight, TurnOn) "
                 "VALUES (1, 'Euro pallet', 1200, 800, 300, 1), (2, 'Pallet', 1200, 1000, 400, 0)"),
             QStringLiteral("INSERT INTO tasks (TaskID, Name, Solut) VALUES (1, 'Alpha', 0), (2, 'Beta', 1)"),
             QStringLiteral("INSERT INTO tc (TaskID, TypeID, Avail, Used, Cost) VALUES (1, 1, 2, 0, 100), "
                            "(2, 1, 3, 1, 50), (2, 2, 1, 0, 10)"),
             QStringLiteral("INSERT INTO tb (TaskID, KindID, Total, Placed, Cost) VALUES (1, 1, 10, 0, 1), "
                            "(2, 1, 6, 6, 2), (2, 2, 4, 1, 3)")});
    }
    // Creates and starts the module on the main database.
    bool start(qint32 taskIni = 0) {
        m_dm = std::make_unique<TDMForm>(&m_prompter);
        for (int code = 0; code < 3; ++code)
            m_dm->setDatabaseDirectory(code, m_dirs[code]);
        return m_dm->DataModuleCreate(taskIni);
    }
    // Number of rows a query counts on the module's open store.
    int count(const QString& sql) {
        QSqlQuery q(m_dm->store()->database());
        if (!q.exec(sql) || !q.next())
            return -1;
        return q.value(0).toInt();
    }
    // Texts of all asked messages since the last clear.
    QStringList askedTexts() const {
        QStringList l;
        for (const PromptRecord& r : m_prompter.asked)
            l << r.text;
        return l;
    }
    void clearAsked() { m_prompter.asked.clear(); }

    QTemporaryDir m_tmp;
    QString m_dirs[3];
    ScriptedPrompter m_prompter;
    std::unique_ptr<TDMForm> m_dm;
};

} // namespace palvane::test
