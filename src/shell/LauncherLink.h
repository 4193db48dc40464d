#pragma once
// What window messages did between this program and its launcher: a local
// socket in the user's runtime directory named like the launcher's window
// class, and the single-instance guard named like the original mutex.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

inline const QString kLauncherName = QStringLiteral("Tfrm_0Main");
inline const QString kInstanceName = QStringLiteral("Vemo_o");
constexpr int WM_CHILD_CLOSED = 1924;

// Full local-socket path of a name in the user's runtime directory.
QString localEndpoint(const QString &name);

// Tells the launcher that the main window is closing; false when no launcher listens.
bool NotifyLauncherClosed();

// One instance per user session. The first instance holds the lock and
// listens; a later one asks it to come forward and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    SingleInstance();
    ~SingleInstance() override;
    // true when this process is the first; otherwise the running one was
    // asked to come to the front.
    bool acquire();
    void setActivateHandler(std::function<void()> handler) { m_activate = std::move(handler); }

private:
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    std::function<void()> m_activate;
};
