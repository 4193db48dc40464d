#include "shell/LauncherLink.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

QString localEndpoint(const QString &name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return QDir(dir).filePath(name);
}

namespace {
bool sendLine(const QString &name, const QByteArray &line)
{
    QLocalSocket socket;
    socket.connectToServer(localEndpoint(name));
    if (!socket.waitForConnected(500))
        return false;
    socket.write(line + '\n');
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}
} // namespace

bool NotifyLauncherClosed()
{
    return sendLine(kLauncherName, QByteArray::number(WM_CHILD_CLOSED));
}

SingleInstance::SingleInstance() = default;
SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    m_lock = std::make_unique<QLockFile>(localEndpoint(kInstanceName + QStringLiteral(".lock")));
    // Only a lock held by a running instance means "already running"; a lock
    // file that cannot be written at all must not keep the program from starting.
    if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError) {
        sendLine(kInstanceName, QByteArrayLiteral("activate"));
        return false;
    }
    const QString endpoint = localEndpoint(kInstanceName);
    QLocalServer::removeServer(endpoint);
    m_server = new QLocalServer(this);
    m_server->listen(endpoint);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, s, [this, s] {
                if (s->readAll().startsWith("activate") && m_activate)
                    m_activate();
            });
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    return true;
}

#include "moc_LauncherLink.cpp"
