#include "ServerLocation.h"

#include <QSqlDatabase>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

namespace palvane {

namespace {

constexpr QLatin1StringView Prefix("qpsql:");

} // namespace

bool isServerLocation(const QString& location) {
    return location.startsWith(Prefix);
}

QString ServerLocation::toString() const {
    QUrlQuery q;
    auto add = [&q](const char* key, const QString& value) {
        if (!value.isEmpty())
            q.addQueryItem(QLatin1String(key), QString::fromLatin1(QUrl::toPercentEncoding(value)));
    };
    add("host", host);
    add("port", port > 0 ? QString::number(port) : QString());
    add("database", database);
    add("user", user);
    add("schema", schema);
    add("service", service);
    return Prefix + q.query(QUrl::FullyEncoded);
}

bool ServerLocation::fromString(const QString& text, ServerLocation* location) {
    if (!isServerLocation(text))
        return false;
    const QUrlQuery q(text.mid(Prefix.size()));
    auto get = [&q](const char* key) {
        return QUrl::fromPercentEncoding(q.queryItemValue(QLatin1String(key), QUrl::FullyEncoded).toLatin1());
    };
    ServerLocation l;
    l.host = get("host");
    l.port = get("port").toInt();
    l.database = get("database");
    l.user = get("user");
    l.schema = get("schema");
    l.service = get("service");
    if (location)
        *location = l;
    return true;
}

QString ServerLocation::displayName() const {
    QString where;
    if (!service.isEmpty())
        where = QStringLiteral("service=%1 ").arg(service);
    if (!user.isEmpty())
        where += user + QLatin1Char('@');
    where += host.isEmpty() ? QStringLiteral("localhost") : host;
    if (port > 0)
        where += QLatin1Char(':') + QString::number(port);
    where += QLatin1Char('/') + database;
    return QStringLiteral("PostgreSQL %1, schema %2").arg(where, schema);
}

void ServerLocation::applyTo(QSqlDatabase& db) const {
    if (!host.isEmpty())
        db.setHostName(host);
    if (port > 0)
        db.setPort(port);
    if (!database.isEmpty())
        db.setDatabaseName(database);
    if (!user.isEmpty())
        db.setUserName(user);
    QStringList options{QStringLiteral("connect_timeout=10")};
    if (!service.isEmpty())
        options << QStringLiteral("service=%1").arg(service);
    db.setConnectOptions(options.join(QLatin1Char(';')));
}

QString databaseDisplayName(const QString& location) {
    ServerLocation l;
    return ServerLocation::fromString(location, &l) ? l.displayName() : location;
}

} // namespace palvane
