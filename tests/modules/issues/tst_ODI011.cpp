// Issue confirmation driven as a user drives it: confirming and cancelling
// in one run, the closed day, and two workstations acting on the same issue.

#include "IssueFixtures.h"
#include "modules/issues/ODI011.h"
#include "support/DialogRecorder.h"
#include "support/OtherWorkstation.h"
#include "support/ScreenDriver.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QPushButton>

using namespace issuefx;

namespace {

const QString kStore = QStringLiteral("110");
const QString kTenderloin = QStringLiteral("L1010002");
const QString kPosted = QStringLiteral("DE20990100001");
const QString kOpen = QStringLiteral("DE20990100002");

using Screen = ConfirmationListScreen<TfrmODI011>;

// Stock of 10; a confirmed issue of 4 (posted) and an unconfirmed one of 3.
void twoIssues(TestSession &s, const QString &day)
{
    receive(s, kStore, {{kTenderloin, 10}}, day);
    stockfx::Documents docs(s.conn());
    docs.issue(kPosted, QStringLiteral("1"), day, kStore, {{kTenderloin, 4}}, day);
    QCOMPARE(stockfx::post(s.conn(), QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"), kPosted,
                           QStringLiteral("INS")), QStringLiteral("Y"));
    docs.issue(kOpen, QStringLiteral("1"), day, kStore, {{kTenderloin, 3}});
    stockfx::exec(s.conn(), QStringLiteral("UPDATE OD010MS SET APPR_GUBUN = '3' WHERE DELI_NO = :NO"), {{"NO", kOpen}});
}

QString states(TestSession &s)
{
    return rows(s.conn(), QStringLiteral("SELECT DELI_NO, APPR_GUBUN, APPR_EMP_NO, APPR_DATE FROM OD010MS ORDER BY DELI_NO"));
}

// Confirms the issue in the other workstation's transaction, as its own run would.
void confirmElsewhere(db::Connection &conn, const QString &no, const QString &day)
{
    db::Query(conn, QStringLiteral("UPDATE OD010MS SET APPR_GUBUN = '2', APPR_EMP_NO = 'E0000002', APPR_DATE = :D "
                                   "WHERE DELI_NO = :NO")).bind(QStringLiteral("D"), day).bind(QStringLiteral("NO"), no).exec();
    if (stockfx::post(conn, QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"), no, QStringLiteral("INS"))
        != QLatin1String("Y"))
        throw std::runtime_error("posting refused");
}

} // namespace

class TestODI011 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Whatever the caption: the confirmed one is cancelled and reversed, the
    // other confirmed on the date entered and posted.
    void confirmAndCancelInOneRun()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        twoIssues(session, day);
        QCOMPARE(stock(session, kStore, kTenderloin, day), 6.0);
        Screen s;
        QCOMPARE(s.form.edtAPPR_EMP_NO->text(), QStringLiteral("A0000001"));
        s.tick({kPosted, kOpen});
        QCOMPARE(s.form.cdsList->recordCount(), 2);
        QCOMPARE(s.form.bbtAppr->text(), QStringLiteral("확정취소"));
        s.run();
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(states(session), QStringLiteral("%1:1:A0000001:%3,%2:2:A0000001:%3").arg(kPosted, kOpen, day));
        QCOMPARE(stock(session, kStore, kTenderloin, day), 7.0);
        VERIFY_STOCK_INVARIANTS(session);
        QCOMPARE(s.shown(kPosted, "APPR_GUBUN_NM"), QStringLiteral("확정취소"));
        QCOMPARE(s.shown(kOpen, "APPR_GUBUN_NM"), QStringLiteral("확    정"));

        // The state filter: only the confirmed one.
        s.form.cobAPPR_GUBUN->setCurrentIndex(2);
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.cdsList->recordCount(), 1);
        QCOMPARE(s.form.cdsList->text(QStringLiteral("DELI_NO")), kOpen);
    }

    void closedDayRefused()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        twoIssues(session, day);
        stockfx::exec(session.conn(), QStringLiteral("INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES (:D, 'Y')"), {{"D", day}});
        const QString before = states(session);
        Screen s;
        s.tick({kPosted, kOpen});
        s.run();
        QCOMPARE(dialogs.lastText(), day + QStringLiteral(" 해당 일자는 마감 완료 되었습니다."));
        QCOMPARE(states(session), before);
        QCOMPARE(stock(session, kStore, kTenderloin, day), 6.0);
    }

    // Both workstations list the unconfirmed issue; the other one confirms it
    // while this one runs: it is posted once, and this run names it.
    void twoWorkstationsConfirmOnce()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        twoIssues(session, day);
        Screen s;
        s.tick({kOpen});
        OtherWorkstation other(session.alias());
        other.hold([&](db::Connection &conn) { confirmElsewhere(conn, kOpen, day); });
        s.run();
        QVERIFY(other.finish());
        QCOMPARE(other.error, QString());
        QCOMPARE(dialogs.lastText(), QStringLiteral("[출고번호 : %1] 현재내용과 다릅니다. 확인하시고 처리하십시오.").arg(kOpen));
        QCOMPARE(session.scalar(QStringLiteral("SELECT APPR_EMP_NO FROM OD010MS WHERE DELI_NO = :NO"), {{"NO", kOpen}}),
                 QStringLiteral("E0000002"));
        QCOMPARE(stock(session, kStore, kTenderloin, day), 3.0);
        VERIFY_STOCK_INVARIANTS(session);

        // A search shows it confirmed; cancelling it now reverses it once.
        dialogs.messages.clear();
        s.tick({kOpen});
        s.run();
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(stock(session, kStore, kTenderloin, day), 6.0);
        VERIFY_STOCK_INVARIANTS(session);
    }
};

QTEST_MAIN(TestODI011)
#include "tst_ODI011.moc"
