#pragma once
// The launcher's end of the close notification, for tests: listens where
// the launcher would and keeps what it hears.

#include "shell/LauncherLink.h"

#include <QLocalServer>
#include <QLocalSocket>

class LauncherListener : public QObject {
public:
    LauncherListener()
    {
        QLocalServer::removeServer(localEndpoint(kLauncherName));
        listening = m_server.listen(localEndpoint(kLauncherName));
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *s = m_server.nextPendingConnection())
                connect(s, &QLocalSocket::readyRead, this, [this, s] { heard += s->readAll(); });
        });
    }
    bool listening = false;
    QByteArray heard;

private:
    QLocalServer m_server;
};
