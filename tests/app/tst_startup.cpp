// Start-up as the launcher drives it: the four values, the stored password,
// the connection and its failures, the single instance.

#include "db/Query.h"
#include "shell/LauncherLink.h"
#include "app/O0Main.h"
#include "shell/Password.h"
#include "session/Session.h"
#include "app/Startup.h"
#include "shell/ZZD000.h"
#include "support/DialogRecorder.h"
#include "support/LauncherListener.h"
#include "support/TestDb.h"

#include <QHostAddress>
#include <QSqlQuery>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
    QString appDir;

    void resetAppDir()
    {
        appDir = testdb::scratchDir() + QStringLiteral("/app%1").arg(QRandomGenerator::global()->generate());
        QDir().mkpath(appDir);
    }

private Q_SLOTS:
    void init() { resetAppDir(); }

    void refusesAnyOtherNumberOfValues_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("three") << QStringList({"a.db", "VMUSER", "A0000001"});
        QTest::newRow("five") << QStringList({"a.db", "VMUSER", "A0000001", "관리자", "extra"});
    }
    void refusesAnyOtherNumberOfValues()
    {
        QFETCH(QStringList, arguments);
        DialogRecorder dialogs;
        ProgramStart program;
        QVERIFY(!program.start(arguments, appDir));
        QCOMPARE(dialogs.texts(), QStringList(kMsgStandalone));
        QCOMPARE(dialogs.messages.first().kind, MessageKind::Error);
        QCOMPARE(dialogs.messages.first().caption, QStringLiteral(" 구매 자재 관리"));
        QVERIFY(!program.dataModule()->dbsDB.isOpen());
        QCOMPARE(gEmpNo, QStringLiteral("A0000001"));   // read even when the count is wrong
    }

    void startsWithTheStoredPassword()
    {
        const QString alias = testdb::freshAlias(true);
        WriteStoredPassword(appDir, testdb::password());
        DialogRecorder dialogs;
        ProgramStart program;
        QVERIFY(program.start({alias, testdb::user(), QStringLiteral("A0000001"), QStringLiteral("관리자")}, appDir));
        QVERIFY(dialogs.messages.isEmpty());
        QVERIFY(dbsDB().isOpen());
        QCOMPARE(gEmpName, QStringLiteral("관리자"));
        QVERIFY(gAppDir.endsWith(QLatin1Char('/')));
        QVERIFY(program.mainWindow()->windowTitle().startsWith(QStringLiteral("구매 자재 관리(")));
        QVERIFY(program.mainWindow()->windowTitle() != QStringLiteral("구매 자재 관리()"));

        // The audit address: what the server sees, or else an address others
        // can reach this workstation by, never a loopback.
        const QString seen = db::Query::scalar(dbsDB(), testdb::engine() == db::Engine::PostgreSQL
                                                            ? QStringLiteral("SELECT HOST(INET_CLIENT_ADDR())")
                                                            : QStringLiteral("SELECT NULL"));
        if (!seen.isEmpty()) {
            QCOMPARE(gLocalIP, seen);
        } else if (!gLocalIP.isEmpty()) {
            const QHostAddress address(gLocalIP);
            QCOMPARE(address.protocol(), QAbstractSocket::IPv4Protocol);
            QVERIFY2(!address.isLoopback(), qPrintable(gLocalIP));
        }
    }

    void wrongPasswordShowsTheConnectionError()
    {
        if (testdb::engine() != db::Engine::PostgreSQL)
            QSKIP("a SQLite file has no password");
        WriteStoredPassword(appDir, QStringLiteral("wrong"));
        DialogRecorder dialogs;
        ProgramStart program;
        QVERIFY(!program.start({testdb::freshAlias(), testdb::user(), QStringLiteral("A0000001"), QStringLiteral("관리자")}, appDir));
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.lastText().startsWith(kMsgCannotConnect));
        QVERIFY(dialogs.lastText().size() > kMsgCannotConnect.size());
        QVERIFY(program.mainWindow()->isHidden());
    }

    void withoutStoredPasswordTheUserNameIsThePassword()
    {
        if (testdb::engine() != db::Engine::PostgreSQL)
            QSKIP("a SQLite file has no password");
        const QString alias = testdb::freshAlias();
        // Roles belong to the whole server: a name of this run's own.
        const QString role = QStringLiteral("pwuser%1").arg(QCoreApplication::applicationPid());
        {
            auto admin = testdb::connect(alias);
            QVERIFY(QSqlQuery(admin->handle()).exec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%1'").arg(role)));
            QVERIFY(QSqlQuery(admin->handle()).exec(QStringLiteral("GRANT SELECT ON ALL TABLES IN SCHEMA public TO %1").arg(role)));
        }
        DialogRecorder dialogs;
        ProgramStart program;
        QVERIFY(program.start({alias, role, QStringLiteral("A0000001"), QStringLiteral("관리자")}, appDir));
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(program.mainWindow()->windowTitle(), QStringLiteral("구매 자재 관리()"));   // no 'Z9999' row
    }

    void fullServerGivesTheTooManyUsersMessage()
    {
        if (testdb::engine() != db::Engine::PostgreSQL)
            QSKIP("only a server limits its sessions");
        const QString alias = testdb::freshAlias();
        const QString role = QStringLiteral("fulluser%1").arg(QCoreApplication::applicationPid());
        {
            auto admin = testdb::connect(alias);
            QVERIFY(QSqlQuery(admin->handle()).exec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%1' CONNECTION LIMIT 0").arg(role)));
        }
        DialogRecorder dialogs;
        ProgramStart program;
        QVERIFY(!program.start({alias, role, QStringLiteral("A0000001"), QStringLiteral("관리자")}, appDir));
        QCOMPARE(dialogs.texts(), QStringList(kMsgTooManyUsers));
        QVERIFY(IsTooManyUsersError(db::DbError(QStringLiteral("FATAL:  sorry, too many clients already"))));
        QVERIFY(!IsTooManyUsersError(db::DbError(QStringLiteral("password authentication failed"))));
    }

    void tooManyUsersInEveryForm_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("tooMany");
        QTest::newRow("reserved slots") << "FATAL:  remaining connection slots are reserved for non-replication "
                                           "superuser connections" << true;
        QTest::newRow("reserved slots, newer wording")
            << "FATAL:  remaining connection slots are reserved for roles with the SUPERUSER attribute" << true;
        QTest::newRow("role limit") << "FATAL:  too many connections for role \"x\"" << true;
        QTest::newRow("sessions exceeded, inside the text") << "connect failed: ORA-00018: maximum number of sessions exceeded" << true;
        QTest::newRow("processes exceeded") << "ORA-00019: maximum number of session licenses exceeded" << true;
        QTest::newRow("wrong password") << "FATAL:  password authentication failed for user \"x\"" << false;
        QTest::newRow("no server") << "could not connect to server: Connection refused" << false;
    }
    void tooManyUsersInEveryForm()
    {
        QFETCH(QString, message);
        QFETCH(bool, tooMany);
        QCOMPARE(IsTooManyUsersError(db::DbError(message)), tooMany);
    }

    void malformedStoredPasswordIsShownAndNothingConnects()
    {
        QSettings(appDir + QStringLiteral("/SBUpdate.ini"), QSettings::IniFormat).setValue(QStringLiteral("PROGRAM/PASS"), QStringLiteral("XYZ1"));
        DialogRecorder dialogs;
        ProgramStart program;
        QVERIFY(!program.start({testdb::freshAlias(), testdb::user(), QStringLiteral("A0000001"), QStringLiteral("관리자")}, appDir));
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.lastText().contains(QStringLiteral("XY")));
    }

    void secondInstanceBringsTheFirstForward()
    {
        SingleInstance first;
        QVERIFY(first.acquire());
        int activations = 0;
        first.setActivateHandler([&] { ++activations; });
        SingleInstance second;
        QVERIFY(!second.acquire());
        QTRY_COMPARE(activations, 1);
    }

    void launcherHearsTheClose()
    {
        LauncherListener launcher;
        QVERIFY(launcher.listening);
        QVERIFY(NotifyLauncherClosed());
        QTRY_COMPARE(launcher.heard.trimmed(), QByteArray("1924"));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
