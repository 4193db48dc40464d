// Receipt confirmation driven as a user drives it: confirming and reversing
// ticked receipts in one run leaves the monthly stock equal to the posted
// documents, the order lines' completion follows the confirmed receipts,
// outlets get their issue at once and lose it again, two workstations post
// a receipt once, and closed days and refused postings leave nothing behind.

#include "ReceivingFixtures.h"
#include "modules/receiving/OCI020.h"
#include "support/StockInvariants.h"
#include "support/OtherWorkstation.h"
#include "support/Session.h"

#include <QDate>
#include <QProgressBar>

using receiving::ReceiptLine;

namespace {

const QString kOrder = QStringLiteral("OR20990100001");
const QString kPotato = QStringLiteral("L3020001");   // a box of 20 kg, food
const QString kBeef = QStringLiteral("L1010001");     // kg, food
const QString kBeer = QStringLiteral("B1010001");     // a box of 20 bottles, no food

using Screen = ReceiptConfirmationScreen;

QString today(TestSession &s) { return s.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")); }
QString month(const QString &date) { return QString(date).remove(u'-').left(6); }

QString confirmation(TestSession &s, const QString &inspNo)
{
    return rows(s.conn(), QStringLiteral("SELECT COALESCE(TO_CHAR(PUT_DATE,'YYYY-MM-DD'),'-'), COALESCE(PUT_EMP_NO,'-') "
                                         "FROM OC010MS WHERE INSP_NO = :N"), {{QStringLiteral("N"), inspNo}});
}

// Receipt and issue quantities of a warehouse's item in the month, and its stock.
QString stock(TestSession &s, const QString &yymm, const QString &strg, const QString &item)
{
    return rows(s.conn(), QStringLiteral("SELECT CURR_PUT_QTY, CURR_DELI_QTY, STOC_QTY FROM OZ010MS "
                                         "WHERE STOC_YYMM = :M AND STRG_CODE = :S AND ITEM_CODE = :I"),
                {{QStringLiteral("M"), yymm}, {QStringLiteral("S"), strg}, {QStringLiteral("I"), item}});
}

QString putEnd(TestSession &s)
{
    return s.scalar(QStringLiteral("SELECT PUT_END FROM OB010DT WHERE ORDE_NO = :O"), {{QStringLiteral("O"), kOrder}});
}

ReceiptLine fromOrder(const QString &item, double qty, double cost)
{
    return {item, qty, cost, QStringLiteral("1"), QString(), kOrder, QStringLiteral("1")};
}
ReceiptLine typed(const QString &item, double qty, double cost) { return {item, qty, cost, QStringLiteral("1"), {}, {}, {}}; }

void closeDay(TestSession &s, const QString &date)
{
    db::Query(s.conn(), QStringLiteral("INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES (:D, 'Y')"))
        .bind(QStringLiteral("D"), date).exec();
}

#define VERIFY_STOCK_AGREES(session)                                                             \
    do {                                                                                         \
        const QStringList broken = stockfx::checkInvariants((session).conn());                    \
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));                              \
    } while (false)

} // namespace

class TestOCI020 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void confirmAndReverseInOneRun()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        addConfirmedOrder(session.conn(), kOrder, day, QStringLiteral("100001"), QStringLiteral("110"), {{1, kPotato, 10, 30000}});
        const QString first = addReceipt(session.conn(), day, QStringLiteral("100001"), QStringLiteral("110"), {fromOrder(kPotato, 6, 30000)});
        const QString second = addReceipt(session.conn(), day, QStringLiteral("100001"), QStringLiteral("110"), {fromOrder(kPotato, 4, 30000)});
        const QString third = addReceipt(session.conn(), day, QStringLiteral("100002"), QStringLiteral("110"), {typed(kBeef, 2, 98000)});
        Screen s;
        QCOMPARE(s.form.cdsOC010MS->recordCount(), 0);
        s.search();
        QCOMPARE(s.form.cdsOC010MS->recordCount(), 3);
        QCOMPARE(s.form.bbtAppr->text(), QStringLiteral("입고확정"));

        // The order line is complete once both deliveries are confirmed.
        s.run({first});
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(putEnd(session), QStringLiteral("N"));
        s.run({second});
        QCOMPARE(confirmation(session, first), day + QStringLiteral(":A0000001"));
        QCOMPARE(confirmation(session, second), day + QStringLiteral(":A0000001"));
        QCOMPARE(putEnd(session), QStringLiteral("Y"));
        QCOMPARE(stock(session, month(day), QStringLiteral("110"), kPotato), QStringLiteral("200:0:200"));
        VERIFY_STOCK_AGREES(session);
        // The list was searched again: no ticks left, the states shown.
        QCOMPARE(s.form.cdsOC010MS->text(QStringLiteral("SEL")), QStringLiteral("0"));
        s.form.cdsOC010MS->moveTo(s.rowOf(first));
        QCOMPARE(s.form.bbtAppr->text(), QStringLiteral("입고취소"));

        // One confirmed and one unconfirmed receipt ticked: the first is
        // reversed, the second confirmed, whatever the caption says.
        s.run({first, third});
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(confirmation(session, first), QStringLiteral("-:-"));
        QCOMPARE(confirmation(session, third), day + QStringLiteral(":A0000001"));
        // What stays confirmed (4 of 10) no longer completes the order line.
        QCOMPARE(putEnd(session), QStringLiteral("N"));
        QCOMPARE(stock(session, month(day), QStringLiteral("110"), kPotato), QStringLiteral("80:0:80"));
        QCOMPARE(stock(session, month(day), QStringLiteral("110"), kBeef), QStringLiteral("2:0:2"));
        VERIFY_STOCK_AGREES(session);

        // Nothing ticked: nothing changes, the list is searched again.
        s.form.cdsOC010MS->moveTo(2);
        QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(s.form.cdsOC010MS->currentRow(), 0);
        QCOMPARE(stock(session, month(day), QStringLiteral("110"), kPotato), QStringLiteral("80:0:80"));
    }

    // An outlet uses what it receives at once: the receipt of food comes with
    // a confirmed issue of all its lines, which goes again with the reversal.
    void outletGetsItsIssueAtOnce()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        const QString food = addReceipt(session.conn(), day, QStringLiteral("100001"), QStringLiteral("210"),
                                        {typed(kPotato, 2, 30000), typed(kBeer, 1, 24000)});
        const QString drinks = addReceipt(session.conn(), day, QStringLiteral("100012"), QStringLiteral("210"),
                                          {typed(kBeer, 3, 24000)});
        QCOMPARE(session.scalar(QStringLiteral("SELECT MIN(STRG_GUBUN) FROM OC010MS")), QStringLiteral("Y"));
        Screen s;
        s.search();
        s.run({food, drinks});
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        const QString deliNo = session.scalar(QStringLiteral("SELECT DELI_NO FROM OD010MS WHERE INSP_NO = :N"),
                                              {{QStringLiteral("N"), food}});
        QVERIFY(deliNo.startsWith(QStringLiteral("DE") + month(day)));
        QCOMPARE(rows(session.conn(), QStringLiteral(
                     "SELECT TO_CHAR(DELI_DATE,'YYYY-MM-DD'), STRG_CODE, DELI_GUBUN, APPR_GUBUN, APPR_EMP_NO, "
                     "TO_CHAR(APPR_DATE,'YYYY-MM-DD'), INSP_NO FROM OD010MS")),
                 QStringLiteral("%1:210:1:2:A0000001:%1:%2").arg(day, food));
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT DELI_SEQ, ITEM_CODE, QTY, REMARK FROM OD010DT ORDER BY DELI_SEQ")),
                 QStringLiteral("1:%1:40:영업장입고즉시출고,2:%2:20:영업장입고즉시출고").arg(kPotato, kBeer));
        // Received and issued the same day: the outlet holds only the drinks of the receipt without food.
        QCOMPARE(stock(session, month(day), QStringLiteral("210"), kPotato), QStringLiteral("40:40:0"));
        QCOMPARE(stock(session, month(day), QStringLiteral("210"), kBeer), QStringLiteral("80:20:60"));
        VERIFY_STOCK_AGREES(session);

        s.run({food, drinks});
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD010MS")), QStringLiteral("0"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD010DT")), QStringLiteral("0"));
        QCOMPARE(stock(session, month(day), QStringLiteral("210"), kPotato), QStringLiteral("0:0:0"));
        QCOMPARE(stock(session, month(day), QStringLiteral("210"), kBeer), QStringLiteral("0:0:0"));
        VERIFY_STOCK_AGREES(session);
    }

    // Both workstations listed the receipt unconfirmed; the other one
    // confirms it first, this one waits for it and passes it over.
    void twoWorkstationsPostOnce()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        const QString inspNo = addReceipt(session.conn(), day, QStringLiteral("100001"), QStringLiteral("110"), {typed(kPotato, 3, 30000)});
        const QString other = addReceipt(session.conn(), day, QStringLiteral("100002"), QStringLiteral("110"), {typed(kBeef, 1, 98000)});
        Screen s;
        s.search();
        s.tick({inspNo, other});
        {
            OtherWorkstation workstation(session.alias());
            const receiving::ReceiptKey key{day, QStringLiteral("100001"), QStringLiteral("1")};
            workstation.hold([key, day](db::Connection &conn) {
                receiving::confirmReceipt(conn, key, day, QStringLiteral("K0000001"));
            }, 300);
            QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
            QVERIFY(workstation.finish());
            QVERIFY2(workstation.error.isEmpty() && workstation.refusal.isEmpty(),
                     qPrintable(workstation.error + workstation.refusal));
        }
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("[입고번호 : %1] 현재내용과 다릅니다. 확인하시고 처리하십시오.").arg(inspNo)});
        QCOMPARE(confirmation(session, inspNo), day + QStringLiteral(":K0000001"));
        // The other ticked receipt went on.
        QCOMPARE(confirmation(session, other), day + QStringLiteral(":A0000001"));
        QCOMPARE(stock(session, month(day), QStringLiteral("110"), kPotato), QStringLiteral("60:0:60"));
        VERIFY_STOCK_AGREES(session);
    }

    void closedDaysRefuse()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        const QString yesterday = QDate::fromString(day, Qt::ISODate).addDays(-1).toString(Qt::ISODate);
        const QString inspNo = addReceipt(session.conn(), day, QStringLiteral("100001"), QStringLiteral("110"), {typed(kPotato, 3, 30000)});
        Screen s;
        s.search();
        // Received yesterday, then yesterday is closed.
        s.typeDate(yesterday);
        s.run({inspNo});
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(confirmation(session, inspNo), yesterday + QStringLiteral(":A0000001"));
        closeDay(session, yesterday);

        // A closed day in the field refuses before any row is touched.
        s.run({inspNo});
        QCOMPARE(dialogs.texts(), QStringList{yesterday + QStringLiteral(" 해당 일자는 마감 완료 되었습니다.")});
        QCOMPARE(QApplication::focusWidget(), s.form.medPUT_DATE);
        dialogs.clear();

        // An open day in the field does not open the closed day of the receipt itself.
        s.typeDate(day);
        QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
        QCOMPARE(dialogs.texts(), QStringList{yesterday + QStringLiteral(" 해당 일자는 마감 완료 되었습니다.")});
        QCOMPARE(confirmation(session, inspNo), yesterday + QStringLiteral(":A0000001"));
        QCOMPARE(stock(session, month(yesterday), QStringLiteral("110"), kPotato), QStringLiteral("60:0:60"));
        VERIFY_STOCK_AGREES(session);
    }

    // A posting the stock refuses takes the whole run back, the rows
    // confirmed before it included; the ticks stay for another try.
    void refusedPostingLeavesNothing()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        const QString good = addReceipt(session.conn(), day, QStringLiteral("100001"), QStringLiteral("110"), {typed(kPotato, 3, 30000)});
        const QString bad = addReceipt(session.conn(), day, QStringLiteral("100002"), QStringLiteral("110"), {typed(kBeef, 1, 98000)});
        db::Query(session.conn(), QStringLiteral("UPDATE OC010MS SET STRG_CODE = NULL WHERE INSP_NO = :N"))
            .bind(QStringLiteral("N"), bad).exec();
        Screen s;
        s.search();
        s.run({good, bad});
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.lastText().startsWith(QStringLiteral("[PR_O_DATE_STOCK_PUT_UPDATE]")), qPrintable(dialogs.lastText()));
        QCOMPARE(confirmation(session, good), QStringLiteral("-:-"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OZ010MS")), QStringLiteral("0"));
        QCOMPARE(s.form.cdsOC010MS->value(s.rowOf(good), QStringLiteral("SEL")).toString(), QStringLiteral("1"));
        QCOMPARE(s.form.pbIng->value(), 0);
    }
};

QTEST_MAIN(TestOCI020)
#include "tst_OCI020.moc"
