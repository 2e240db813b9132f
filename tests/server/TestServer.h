#pragma once
// The throwaway PostgreSQL server the test command starts (scripts/pg-test-server.sh, run by a
// ctest fixture): its socket folder and port come in at compile time. Every test works in a
// schema of its own, so tests never see each other's rows.
#include "CoreApp.h"
#include "ServerLocation.h"

#include <QCoreApplication>
#include <QString>

namespace palvane::test {

inline ServerLocation testServer(const QString& schema) {
    ServerLocation l;
    l.host = QStringLiteral(PALVANE_TEST_PG_DIR);
    l.port = PALVANE_TEST_PG_PORT;
    l.database = QStringLiteral("palvane_test");
    l.user = QStringLiteral("palvane");
    l.schema = schema;
    return l;
}

// A schema name no other test (nor another run of the suite) uses.
inline QString freshSchema(const char* what) {
    static int counter = 0;
    return QStringLiteral("%1_%2_%3")
        .arg(QLatin1String(what))
        .arg(QCoreApplication::applicationPid())
        .arg(++counter)
        .toLower();
}

inline QString freshLocation(const char* what) {
    ensureCoreApp();
    return testServer(freshSchema(what)).toString();
}

} // namespace palvane::test
