#include "session/Session.h"
#include "db/Query.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>

QString gAppDir;
QString gLocalIP;
QString gEmpNo;
QString gEmpName;
QString gDbTitle;
QString gDbUser;
QString gProjectId;
QString gRoleSiteCode, gRoleSiteName;
QString gRoleTeamCode, gRoleTeamName;
QString gRoleOutletCode, gRoleOutletName;

namespace {

// The first IPv4 address of the list that is not a loopback (a Debian host
// names itself 127.0.1.1).
QString firstOutwardIPv4(const QList<QHostAddress> &addresses)
{
    for (const QHostAddress &a : addresses) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            return a.toString();
    }
    return {};
}

} // namespace

QString GetLocalIP()
{
    const QHostInfo host = QHostInfo::fromName(QHostInfo::localHostName());
    if (host.error() != QHostInfo::NoError)
        return {};
    const QString named = firstOutwardIPv4(host.addresses());
    return named.isEmpty() ? firstOutwardIPv4(QNetworkInterface::allAddresses()) : named;
}

QString WorkstationAddress(db::Connection &conn)
{
    if (conn.engine() == db::Engine::PostgreSQL) {
        // NULL over a local socket; an IPv6 peer does not fit the audit column.
        const QHostAddress seen(db::Query::scalar(conn, QStringLiteral("SELECT HOST(INET_CLIENT_ADDR())")));
        bool isIPv4 = false;
        const quint32 ipv4 = seen.toIPv4Address(&isIPv4);
        if (isIPv4)
            return QHostAddress(ipv4).toString();
    }
    return GetLocalIP();
}

QString GetVersionText()
{
    const QStringList parts = QStringLiteral(PURCHASING_VERSION).split(QLatin1Char('.'));
    if (parts.size() != 4)
        return {};
    return QStringLiteral("%1.%2.%3.%4").arg(parts[0].toInt()).arg(parts[1].toInt()).arg(parts[2].toInt()).arg(parts[3].toInt());
}

QString ProjectId()
{
    if (gProjectId.isEmpty())
        gProjectId = QFileInfo(QCoreApplication::applicationFilePath()).baseName().toUpper();
    return gProjectId;
}
