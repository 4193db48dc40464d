// Stand-in for the family launcher: stores the scrambled password beside the
// client, starts it with the four values and hears its close notification.

#include "shell/LauncherLink.h"
#include "shell/Password.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Starts the purchasing client as the launcher would."));
    parser.addHelpOption();
    const QCommandLineOption alias({QStringLiteral("a"), QStringLiteral("alias")}, QStringLiteral("Database alias."),
                                   QStringLiteral("alias"), QDir(app.applicationDirPath()).filePath(QStringLiteral("demo.db")));
    const QCommandLineOption user({QStringLiteral("u"), QStringLiteral("user")}, QStringLiteral("Database user."),
                                  QStringLiteral("user"), QStringLiteral("VMUSER"));
    const QCommandLineOption password({QStringLiteral("p"), QStringLiteral("password")},
                                      QStringLiteral("Database password (stored scrambled in SBUpdate.ini)."),
                                      QStringLiteral("password"), QStringLiteral("vmuser"));
    const QCommandLineOption empNo({QStringLiteral("e"), QStringLiteral("emp-no")}, QStringLiteral("Employee number."),
                                   QStringLiteral("emp"), QStringLiteral("A0000001"));
    const QCommandLineOption name({QStringLiteral("n"), QStringLiteral("name")}, QStringLiteral("Display name."),
                                  QStringLiteral("name"), QStringLiteral("관리자"));
    const QCommandLineOption client({QStringLiteral("c"), QStringLiteral("client")}, QStringLiteral("Client executable."),
                                    QStringLiteral("path"), QDir(app.applicationDirPath()).filePath(QStringLiteral("purchasing")));
    parser.addOptions({alias, user, password, empNo, name, client});
    parser.process(app);

    const QString clientPath = parser.value(client);
    WriteStoredPassword(QFileInfo(clientPath).absolutePath(), parser.value(password));

    // The launcher's "window": the client writes WM_CHILD_CLOSED here on closing.
    QLocalServer launcher;
    QLocalServer::removeServer(localEndpoint(kLauncherName));
    launcher.listen(localEndpoint(kLauncherName));
    QObject::connect(&launcher, &QLocalServer::newConnection, [&launcher] {
        while (QLocalSocket *s = launcher.nextPendingConnection()) {
            QObject::connect(s, &QLocalSocket::readyRead, s, [s] {
                const QByteArray message = s->readAll().trimmed();
                if (message == QByteArray::number(WM_CHILD_CLOSED))
                    std::puts("vemo: the client is closing (WM_CHILD_CLOSED)");
            });
            QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(&child, &QProcess::finished, &app, [&app](int code) { app.exit(code); });
    QObject::connect(&child, &QProcess::errorOccurred, &app, [&app, &child](QProcess::ProcessError) {
        std::fprintf(stderr, "vemo: %s\n", qPrintable(child.errorString()));
        app.exit(1);
    });
    child.start(clientPath, {parser.value(alias), parser.value(user), parser.value(empNo), parser.value(name)});
    return app.exec();
}
