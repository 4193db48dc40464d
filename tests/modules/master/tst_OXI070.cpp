// The approvers of a warehouse, driven as a user drives them.

#include "db/Query.h"
#include "framework/PopupBtn.h"
#include "framework/PopupWnd.h"
#include "modules/master/OXI070.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "support/TestDb.h"
#include "support/Typing.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QSemaphore>
#include <QThread>
#include <QtTest>

namespace {

struct Screen : ScreenDriver<TfrmOXI070> {
    // A new approver typed in and saved.
    void add(const QString &strg, const QString &emp)
    {
        key(Qt::Key_F4);
        type("dbeStrg_code", strg);
        key(Qt::Key_Return);
        type("dbeEmp_no", emp);
        key(Qt::Key_Return);
        key(Qt::Key_F2);
    }
    void choose(const QString &strg, int number)
    {
        for (int r = 0; r < form.records()->recordCount(); ++r) {
            if (form.records()->value(r, QStringLiteral("STRG_CODE")).toString() == strg
                && form.records()->value(r, QStringLiteral("APPR_NUM")).toInt() == number)
                form.grid()->setCurrentRow(r);
        }
        QCOMPARE(form.records()->text(QStringLiteral("APPR_NUM")), QString::number(number));
    }
};

// The approvers of a warehouse as "number:employee", in number order.
QStringList approvers(TestSession &session, const QString &strg)
{
    db::Query q(session.conn(), QStringLiteral("SELECT APPR_NUM, EMP_NO FROM OX070MS WHERE STRG_CODE = :S ORDER BY APPR_NUM"));
    q.bind(QStringLiteral("S"), strg).exec();
    QStringList rows;
    while (q.next())
        rows << q.text(0) + QLatin1Char(':') + q.text(1);
    return rows;
}

} // namespace

class TestOXI070 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numbersOnlyGrow()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        QCOMPARE(s.form.records()->recordCount(), 0);   // the list opens empty

        s.key(Qt::Key_F4);
        QCOMPARE(QApplication::focusWidget(), s.field("dbeStrg_code"));
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), QStringLiteral("창고코드는 반드시 입력하세요"));
        typeText(s.field("dbeStrg_code"), QStringLiteral("130"));
        s.key(Qt::Key_Return);
        QCOMPARE(s.field("dbeStrg_code_nm")->text(), QStringLiteral("소모품창고"));
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), QStringLiteral("사원번호는 반드시 입력하세요"));
        QCOMPARE(QApplication::focusWidget(), s.field("dbeEmp_no"));
        // F1: the employee list; a pick fills number and name.
        dialogs.dialogHandlers.enqueue([](QDialog *d) {
            auto *wnd = qobject_cast<TfrmPopupWnd *>(d);
            if (!wnd)
                return int(QDialog::Rejected);
            for (int row = 0; row < wnd->DBGrid->rowCount(); ++row) {
                if (wnd->DBGrid->cellText(0, row) == QLatin1String("P0000001"))
                    wnd->DBGrid->setCurrentRow(row);
            }
            QTest::keyClick(wnd->DBGrid, Qt::Key_Return);
            return wnd->result();
        });
        s.key(Qt::Key_F1);
        QVERIFY(dialogs.dialogHandlers.isEmpty());
        QCOMPARE(s.field("dbeEmp_no")->text(), QStringLiteral("P0000001"));
        QCOMPARE(s.field("dbeEmp_no_nm")->text(), QStringLiteral("한지원"));
        s.key(Qt::Key_F2);
        QCOMPARE(approvers(session, "130"), QStringList{"1:P0000001"});   // the first gets 1

        s.add(QStringLiteral("130"), QStringLiteral("K0000001"));
        QCOMPARE(approvers(session, "130"), (QStringList{"1:P0000001", "2:K0000001"}));

        // After number 1 is gone the next is still the maximum + 1.
        s.choose(QStringLiteral("130"), 1);
        dialogs.answerYes();
        s.form.grid()->setFocus();
        QTest::keyClick(s.form.grid(), Qt::Key_Delete);
        s.add(QStringLiteral("130"), QStringLiteral("M0000001"));
        QCOMPARE(approvers(session, "130"), (QStringList{"2:K0000001", "3:M0000001"}));

        // An employee listed twice goes with both entries, the rest keep their numbers.
        s.add(QStringLiteral("130"), QStringLiteral("K0000001"));
        s.choose(QStringLiteral("130"), 2);
        dialogs.answerYes();
        s.form.grid()->setFocus();
        QTest::keyClick(s.form.grid(), Qt::Key_Delete);
        QCOMPARE(approvers(session, "130"), QStringList{"3:M0000001"});
        QCOMPARE(s.form.records()->recordCount(), 1);

        // Editing changes only the employee; the warehouse and its search are locked.
        s.choose(QStringLiteral("130"), 3);
        s.key(Qt::Key_F5);
        QVERIFY(s.field("dbeStrg_code")->isReadOnly());
        QVERIFY(!s.form.PopupBtn(QStringLiteral("pbtnStrg_code"))->isEnabled());
        QCOMPARE(QApplication::focusWidget(), s.field("dbeEmp_no"));
        s.type("dbeEmp_no", QStringLiteral("W0000001"));
        s.key(Qt::Key_Return);
        QCOMPARE(s.field("dbeEmp_no_nm")->text(), QStringLiteral("정민호"));
        s.key(Qt::Key_F2);
        QCOMPARE(approvers(session, "130"), QStringList{"3:W0000001"});
        QVERIFY(s.form.PopupBtn(QStringLiteral("pbtnStrg_code"))->isEnabledTo(s.form.panInput));
    }

    void twoWorkstationsAddAtOnce()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        QCOMPARE(approvers(session, "100").size(), 2);
        s.key(Qt::Key_F4);
        s.type("dbeStrg_code", QStringLiteral("100"));
        s.type("dbeEmp_no", QStringLiteral("P0000001"));
        s.key(Qt::Key_Return);

        // The other workstation has taken number 3 and not committed yet.
        QSemaphore inserted;
        QString otherError;
        const QString alias = session.alias();
        QThread *other = QThread::create([&] {
            try {
                auto conn = testdb::connect(alias);
                db::Transaction tx(*conn);
                db::Query(*conn, QStringLiteral("INSERT INTO OX070MS (STRG_CODE, APPR_NUM, EMP_NO) "
                                                "SELECT '100', COALESCE(MAX(APPR_NUM),0)+1, 'K0000001' FROM OX070MS "
                                                "WHERE STRG_CODE = '100'")).exec();
                inserted.release();
                QThread::msleep(500);
                tx.commit();
            } catch (const std::exception &e) {
                otherError = QString::fromUtf8(e.what());
                inserted.release();
            }
        });
        other->start();
        QVERIFY(inserted.tryAcquire(1, 30000));
        s.key(Qt::Key_F2);   // waits for the other one, then takes the next number
        QVERIFY(other->wait(30000));
        delete other;
        QVERIFY2(otherError.isEmpty(), qPrintable(otherError));
        QVERIFY2(dialogs.texts().isEmpty(), qPrintable(dialogs.texts().join('|')));
        QCOMPARE(approvers(session, "100").mid(2), (QStringList{"3:K0000001", "4:P0000001"}));
        QCOMPARE(s.form.records()->text(QStringLiteral("APPR_NUM")), QStringLiteral("4"));
    }
};

QTEST_MAIN(TestOXI070)
#include "tst_OXI070.moc"
