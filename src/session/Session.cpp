#include "session/Session.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>

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

QString GetLocalIP()
{
    const QHostInfo host = QHostInfo::fromName(QHostInfo::localHostName());
    if (host.error() != QHostInfo::NoError)
        return {};
    for (const QHostAddress &a : host.addresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            return a.toString();
    }
    return {};
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
