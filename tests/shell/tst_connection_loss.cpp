// The server ends the program's session (a restart, an administrator, the
// network): the user's next action says so clearly, nothing ends the
// program, and the action after it works on a new connection.

#include "db/Query.h"
#include "framework/ErrorDisplay.h"
#include "modules/materials/OPI010.h"
#include "modules/orders/OBP010.h"
#include "reports/Preview.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "support/TestDb.h"
#include "widgets/RecordSet.h"

#include <QtTest>

namespace {

// Ends every other session on the test's database, as a server restart does.
void endProgramSession(const QString &alias)
{
    auto admin = testdb::connect(alias);
    const QString others = QStringLiteral(
        "FROM pg_stat_activity WHERE datname = current_database() AND pid <> pg_backend_pid()");
    db::Query(*admin, QStringLiteral("SELECT pg_terminate_backend(pid) ") + others).exec();
    // The server ends them asynchronously; under a loaded machine or a
    // sanitizer that can take longer than QTRY's default five seconds.
    QTRY_COMPARE_WITH_TIMEOUT(db::Query::scalar(*admin, QStringLiteral("SELECT COUNT(*) ") + others),
                              QStringLiteral("0"), 30000);
}

bool serverOnly()
{
    return testdb::engine() == db::Engine::PostgreSQL;
}

} // namespace

class TestConnectionLoss : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        if (!serverOnly())
            QSKIP("a SQLite file has no server session to lose");
    }

    void searchAfterTheLossSaysSoAndTheNextWorks()
    {
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<TfrmOPI010> screen;
        const int departments = session.scalar(QStringLiteral("SELECT COUNT(*) FROM OP010MS")).toInt();

        endProgramSession(session.alias());
        screen.key(Qt::Key_F3);
        QCOMPARE(dialogs.texts(), QStringList{kMsgConnectionLost});
        QCOMPARE(dialogs.messages.first().kind, MessageKind::Error);

        screen.key(Qt::Key_F3);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(screen.form.records()->recordCount(), departments);
    }

    void printingAfterTheLossSaysSoAndTheNextPrints()
    {
        TestSession session;
        DialogRecorder dialogs;
        endProgramSession(session.alias());
        {
            TfrmOBP010 form;
            QVERIFY(!form.Execute(QStringLiteral("2026-12-10"), QStringLiteral("100001"), QStringLiteral("1"), true));
        }
        QCOMPARE(dialogs.texts(), QStringList{kMsgConnectionLost});
        TfrmOBP010 form;
        QVERIFY(form.Execute(QStringLiteral("2026-12-10"), QStringLiteral("100001"), QStringLiteral("1"), true));
        QCOMPARE(dialogs.messages.size(), 1);
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<reports::PreviewWindow *>(w))
                delete w;
        }
    }

    // A save in progress when the session ends is rolled back; the user is
    // told even by a screen that keeps its failed saves quiet, and saves again.
    void saveAfterTheLossSaysSoAndTheNextSaves()
    {
        TestSession session;
        DialogRecorder dialogs;
        ScreenDriver<TfrmOPI010> screen;
        screen.key(Qt::Key_F4);
        screen.type("dbeDEPT_CODE", QStringLiteral("Z901"));
        QTest::keyClick(screen.field("dbeDEPT_CODE"), Qt::Key_Return);
        typeText(screen.field("dbeDEPT_NAME"), QStringLiteral("시험부서"));
        screen.type("dbeUSE_YN", QStringLiteral("Y"));
        endProgramSession(session.alias());
        screen.key(Qt::Key_F2);
        QCOMPARE(dialogs.texts(), QStringList{kMsgConnectionLost});
        QCOMPARE(screen.form.WorkMode, quint8(wmInsert));
        screen.key(Qt::Key_F2);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(screen.form.WorkMode, quint8(wmBrowse));
        QCOMPARE(session.scalar(QStringLiteral("SELECT DEPT_NAME FROM OP010MS WHERE DEPT_CODE = 'Z901'")),
                 QStringLiteral("시험부서"));
    }
};

QTEST_MAIN(TestConnectionLoss)
#include "tst_connection_loss.moc"
