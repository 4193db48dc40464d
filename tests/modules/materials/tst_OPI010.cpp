// The department register, driven as a user drives it.

#include "modules/materials/OPI010.h"
#include "support/DialogRecorder.h"
#include "support/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"
#include "support/ScreenDriver.h"

#include <QtTest>

namespace {

struct Screen : ScreenDriver<TfrmOPI010> {
    int rows() const { return form.records()->recordCount(); }
};

} // namespace

class TestOPI010 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void searchNewEditDelete()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        const int before = session.scalar(QStringLiteral("SELECT COUNT(*) FROM OP010MS")).toInt();
        QVERIFY(before > 0);

        s.key(Qt::Key_F3);
        QCOMPARE(s.rows(), before);
        QCOMPARE(s.form.RecordCount, before);
        QCOMPARE(s.form.panRecordCnt->text(), QStringLiteral("RecordCount : %1").arg(before));

        // New: typed code and name, saved with F2.
        s.key(Qt::Key_F4);
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        QCOMPARE(QApplication::focusWidget(), s.field("dbeDEPT_CODE"));
        s.type("dbeDEPT_CODE", QStringLiteral("Z901"));
        QTest::keyClick(s.field("dbeDEPT_CODE"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.field("dbeDEPT_NAME"));
        typeText(s.field("dbeDEPT_NAME"), QStringLiteral("시험부서"));
        s.type("dbeUSE_YN", QStringLiteral("Y"));
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        QCOMPARE(s.form.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
        QCOMPARE(session.scalar(QStringLiteral("SELECT DEPT_NAME FROM OP010MS WHERE DEPT_CODE = 'Z901'")), QStringLiteral("시험부서"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT U_EMP_NO FROM OP010MS WHERE DEPT_CODE = 'Z901'")), QStringLiteral("A0000001"));
        QCOMPARE(s.rows(), before + 1);

        // Edit: the code is locked, the name changes.
        s.key(Qt::Key_F5);
        QVERIFY(s.field("dbeDEPT_CODE")->isReadOnly());
        QCOMPARE(QApplication::focusWidget(), s.field("dbeDEPT_NAME"));
        s.type("dbeDEPT_NAME", QStringLiteral("바뀐부서"));
        s.key(Qt::Key_F2);
        QCOMPARE(s.form.statusText(1), QStringLiteral("수정이 정상적으로 완료되었습니다."));
        QCOMPARE(session.scalar(QStringLiteral("SELECT DEPT_NAME FROM OP010MS WHERE DEPT_CODE = 'Z901'")), QStringLiteral("바뀐부서"));
        QVERIFY(!s.field("dbeDEPT_CODE")->isReadOnly());

        // After an edit a new department takes a typed code again.
        s.key(Qt::Key_F4);
        s.type("dbeDEPT_CODE", QStringLiteral("Z902"));
        s.type("dbeDEPT_NAME", QStringLiteral("둘째부서"));
        s.key(Qt::Key_F2);
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OP010MS WHERE DEPT_CODE = 'Z902'")), QStringLiteral("1"));

        // Delete: declined leaves it, confirmed removes it.
        s.form.records()->locate(QStringLiteral("DEPT_CODE"), QStringLiteral("Z901"));
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.lastText(), QStringLiteral("선택된 자료를 삭제하시겠습니까?"));
        QCOMPARE(dialogs.messages.last().kind, MessageKind::Confirm);
        QCOMPARE(s.form.statusText(1), QString());
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OP010MS WHERE DEPT_CODE = 'Z901'")), QStringLiteral("1"));
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(s.form.statusText(1), QStringLiteral("삭제가 완료 되었습니다"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OP010MS WHERE DEPT_CODE = 'Z901'")), QStringLiteral("0"));
        QCOMPARE(s.rows(), before + 1);
        QCOMPARE(s.form.RecordCount, before + 1);
    }

    void refusalsKeepTheInput_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no code") << QString() << QStringLiteral("이름") << QStringLiteral("부서코드는 반드시 입력하세요") << "dbeDEPT_CODE";
        QTest::newRow("no name") << QStringLiteral("Z903") << QString() << QStringLiteral("부서명은 반드시 입력하세요") << "dbeDEPT_NAME";
        QTest::newRow("code taken") << QStringLiteral("@EXISTING") << QStringLiteral("이름")
                                    << QStringLiteral("이미 등록된 자료 입니다. 확인 하시고 등록 하십시오.") << "dbeDEPT_CODE";
    }
    void refusalsKeepTheInput()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TestSession session;
        if (code == QLatin1String("@EXISTING"))
            code = session.scalar(QStringLiteral("SELECT MIN(DEPT_CODE) FROM OP010MS"));
        const QString count = session.scalar(QStringLiteral("SELECT COUNT(*) FROM OP010MS"));
        DialogRecorder dialogs;
        Screen s;
        s.key(Qt::Key_F4);
        if (!code.isEmpty())
            s.type("dbeDEPT_CODE", code);
        if (!name.isEmpty())
            s.type("dbeDEPT_NAME", name);
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.texts(), QStringList{message});
        QCOMPARE(dialogs.messages.first().kind, MessageKind::Info);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        QCOMPARE(s.field("dbeDEPT_CODE")->text(), code);
        QCOMPARE(s.field("dbeDEPT_NAME")->text(), name);
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OP010MS")), count);
    }

    void failedStatementIsReportedAndNothingIsLost()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.key(Qt::Key_F4);
        s.type("dbeDEPT_CODE", QStringLiteral("Z9999"));   // longer than a department code can be
        s.type("dbeDEPT_NAME", QStringLiteral("긴코드"));
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.first().kind, MessageKind::Error);
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        QCOMPARE(s.field("dbeDEPT_CODE")->text(), QStringLiteral("Z9999"));
        QCOMPARE(s.field("dbeDEPT_NAME")->text(), QStringLiteral("긴코드"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OP010MS WHERE DEPT_NAME = '긴코드'")), QStringLiteral("0"));
        QVERIFY(!session.conn().inTransaction());

        s.key(Qt::Key_F8);   // cancel drops the new record
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        QCOMPARE(s.form.statusText(1), QStringLiteral("작업이 취소 되었습니다."));
    }
};

QTEST_MAIN(TestOPI010)
#include "tst_OPI010.moc"
