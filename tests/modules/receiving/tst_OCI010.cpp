// Inspection receipts driven as a user drives them: order lines received in
// parts, over and under the ordered quantity, the received quantities of
// the order lines through edits and deletes, typed lines with their tax,
// and the refusals of receipts confirmed meanwhile.

#include "ReceivingFixtures.h"
#include "modules/receiving/OCI010.h"
#include "modules/receiving/OCP070.h"
#include "modules/receiving/ReceiptWrite.h"
#include "support/OtherWorkstation.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "support/Typing.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kOrder = QStringLiteral("OR20990100001");

struct Screen : ScreenDriver<TfrmOCI010> {
    void type(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        typeText(e, text);
    }
    void leave(QWidget *e) { QTest::keyClick(e, Qt::Key_Return); }
    // New receipt of the supplier typed by name into the warehouse typed by code.
    void newReceipt(const QString &supplierName, const QString &strgCode)
    {
        key(Qt::Key_F4);
        type(form.edtC_CODE_NM, supplierName);
        leave(form.edtC_CODE_NM);
        type(form.edtSTRG_CODE, strgCode);
        leave(form.edtSTRG_CODE);
    }
    int lineRows() const
    {
        int n = 0;
        for (int r = 0; r < form.cdsOC010DT->recordCount(); ++r)
            n += form.cdsOC010DT->value(r, QStringLiteral("ITEM_CODE")).toString().isEmpty() ? 0 : 1;
        return n;
    }
    // A typed line: item by its name, quantity, price, tax type, "추가".
    void typeLine(const QString &itemName, const QString &qty, const QString &cost, int taxIndex = 0)
    {
        type(form.edtITEM_NAME, itemName);
        leave(form.edtITEM_NAME);
        type(form.edtORDE_QTY, qty);
        leave(form.edtORDE_QTY);
        form.cbTAX_GUBUN->setCurrentIndex(taxIndex);
        type(form.edtCOST_AMT, cost);
        leave(form.edtCOST_AMT);
        QTest::mouseClick(form.btnLineAppend, Qt::LeftButton);
    }
    void selectReceipt(int row) { form.cdsOC010MS->moveTo(row); }
};

QString today(TestSession &s) { return s.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")); }

QString orderLine(TestSession &s, int seq)
{
    return rows(s.conn(), QStringLiteral("SELECT PUT_QTY, PUT_END FROM OB010DT WHERE ORDE_NO = :O AND ORDE_SEQ = :S"),
                {{QStringLiteral("O"), kOrder}, {QStringLiteral("S"), QString::number(seq)}});
}

// 10 boxes of potatoes (20 kg each) and 2 kg of beef, ordered from 대관령축산 for warehouse 110.
void addPotatoOrder(TestSession &s)
{
    addConfirmedOrder(s.conn(), kOrder, today(s), QStringLiteral("100001"), QStringLiteral("110"),
                      {{1, QStringLiteral("L3020001"), 10, 30000}, {2, QStringLiteral("L1010001"), 2, 98000}});
}

// A receipt of the first order line, `qty` boxes of it.
void receivePotatoes(Screen &s, DialogRecorder &dialogs, const QString &qty, int *listed = nullptr)
{
    s.newReceipt(QStringLiteral("(주)대관령축산"), QStringLiteral("110"));
    answerOrderPicking(dialogs, {{0}, {{0, qty}}, listed});
    QTest::mouseClick(s.form.bbtOrdeSerch, Qt::LeftButton);
    s.key(Qt::Key_F2);
}

} // namespace

class TestOCI010 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void orderReceivedInPartsThroughEditAndDelete()
    {
        TestSession session;
        DialogRecorder dialogs;
        addPotatoOrder(session);
        Screen s;
        // The screen opens with an empty list.
        QCOMPARE(s.form.cdsOC010MS->recordCount(), 0);

        int listed = 0;
        receivePotatoes(s, dialogs, QStringLiteral("4"), &listed);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(listed, 2);
        QCOMPARE(s.form.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
        const QString first = session.scalar(QStringLiteral("SELECT INSP_NO FROM OC010MS"));
        QVERIFY(first.startsWith(QStringLiteral("IN") + today(session).left(4) + today(session).mid(5, 2)));
        QCOMPARE(s.form.edtINSP_NO->text(), first);
        // 4 boxes are 80 kg; 120,000 taxable gives 12,000 tax.
        QCOMPARE(rows(session.conn(), QStringLiteral(
                     "SELECT INSP_NUM, STRG_CODE, STRG_GUBUN, INSP_EMP_NO, PUT_AMT, TAX_AMT, SUM_AMT FROM OC010MS")),
                 QStringLiteral("1:110:N:A0000001:120000:12000:132000"));
        QCOMPARE(rows(session.conn(), QStringLiteral(
                     "SELECT INSP_SEQ, ITEM_CODE, ORDE_QTY, NORM_QTY, BAD_QTY, PUT_QTY, COST_AMT, AMT, TAX_AMT, TAX_GUBUN, "
                     "ORDE_NO, ORDE_SEQ FROM OC010DT")),
                 QStringLiteral("1:L3020001:4:4:0:80:30000:120000:12000:1:%1:1").arg(kOrder));
        QCOMPARE(orderLine(session, 1), QStringLiteral("4:N"));

        // The second delivery over-receives: 7 of the 6 outstanding.
        receivePotatoes(s, dialogs, QStringLiteral("7"), &listed);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(orderLine(session, 1), QStringLiteral("11:N"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT MAX(INSP_NUM) FROM OC010MS")), QStringLiteral("2"));
        // Fully received: the line is no longer offered.
        s.key(Qt::Key_F4);
        s.type(s.form.edtC_CODE_NM, QStringLiteral("(주)대관령축산"));
        s.leave(s.form.edtC_CODE_NM);
        answerOrderPicking(dialogs, {{}, {}, &listed});
        QTest::mouseClick(s.form.bbtOrdeSerch, Qt::LeftButton);
        QCOMPARE(listed, 1);
        s.key(Qt::Key_F8);

        // Under-receipt by editing the second delivery down to 5.
        s.selectReceipt(1);
        s.key(Qt::Key_F5);
        QCOMPARE(s.form.WorkMode, quint8(wmEdit));
        s.form.cdsOC010DT->moveTo(0);
        s.type(s.form.edtORDE_QTY, QStringLiteral("5"));
        s.leave(s.form.edtORDE_QTY);
        QTest::mouseClick(s.form.btnLineAppend, Qt::LeftButton);
        QCOMPARE(s.lineRows(), 1);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(s.form.statusText(1), QStringLiteral("수정이 정상적으로 완료되었습니다."));
        QCOMPARE(orderLine(session, 1), QStringLiteral("9:N"));
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT ORDE_QTY, PUT_QTY, PUT_AMT FROM OC010DT D, OC010MS M "
                                                     "WHERE M.INSP_NO = D.INSP_NO AND M.INSP_NUM = 2")),
                 QStringLiteral("5:100:150000"));

        // Saving an edit without changes leaves the order line as it is.
        s.key(Qt::Key_F5);
        s.key(Qt::Key_F2);
        QCOMPARE(orderLine(session, 1), QStringLiteral("9:N"));

        // Deleting the first delivery gives its 4 back.
        s.selectReceipt(0);
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.lastText(), QStringLiteral("선택된 자료를 삭제하시겠습니까?"));
        QCOMPARE(orderLine(session, 1), QStringLiteral("5:N"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OC010DT WHERE INSP_NO = :N"), {{QStringLiteral("N"), first}}),
                 QStringLiteral("0"));
        QCOMPARE(s.form.cdsOC010MS->recordCount(), 1);
        QCOMPARE(s.form.statusText(1), QStringLiteral("삭제가 완료 되었습니다"));
    }

    // Within one dialog an order line is taken once; each dialog run adds its own line.
    void orderLineTakenOncePerDialog()
    {
        TestSession session;
        DialogRecorder dialogs;
        addPotatoOrder(session);
        Screen s;
        s.newReceipt(QStringLiteral("(주)대관령축산"), QStringLiteral("110"));
        int taken = 0;
        answerOrderPicking(dialogs, {{0}, {}, nullptr, 2, &taken});
        QTest::mouseClick(s.form.bbtOrdeSerch, Qt::LeftButton);
        QCOMPARE(taken, 1);
        answerOrderPicking(dialogs, {{0}, {}});
        QTest::mouseClick(s.form.bbtOrdeSerch, Qt::LeftButton);
        QCOMPARE(s.lineRows(), 2);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(orderLine(session, 1), QStringLiteral("20:N"));
    }

    void typedLinesTaxAndEmptySave()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.newReceipt(QStringLiteral("한우명가유통"), QStringLiteral("110"));
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), QStringLiteral("입고 품목을 입력하세요"));
        QCOMPARE(s.form.cdsOC010DT->recordCount(), 1);
        QCOMPARE(s.lineRows(), 0);
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        dialogs.clear();

        // 1,234 taxable: a tax of 123 (cut, not rounded); the same item again tax-free: none.
        s.typeLine(QStringLiteral("한우 등심 1+"), QStringLiteral("1"), QStringLiteral("1234"));
        s.typeLine(QStringLiteral("한우 등심 1+"), QStringLiteral("2"), QStringLiteral("1000"), 1);
        QCOMPARE(s.lineRows(), 2);
        // Three cabbage nets are nine heads.
        s.typeLine(QStringLiteral("배추"), QStringLiteral("3"), QStringLiteral("5000"));
        QCOMPARE(s.form.edtPUT_QTY->value(), 0.0);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(rows(session.conn(), QStringLiteral(
                     "SELECT INSP_SEQ, ITEM_CODE, ORDE_QTY, PUT_QTY, AMT, TAX_AMT, TAX_GUBUN, COALESCE(ORDE_NO,'-') "
                     "FROM OC010DT ORDER BY INSP_SEQ")),
                 QStringLiteral("1:L1010001:1:1:1234:123:1:-,2:L1010001:2:2:2000:0:2:-,3:L3010002:3:9:15000:1500:1:-"));
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT PUT_AMT, TAX_AMT, SUM_AMT FROM OC010MS")),
                 QStringLiteral("18234:1623:19857"));

        // The latest receiving price of an item is shown as a hint only.
        s.key(Qt::Key_F4);
        s.type(s.form.edtITEM_NAME, QStringLiteral("배추"));
        s.leave(s.form.edtITEM_NAME);
        QCOMPARE(s.form.edtLastCost->value(), 5000.0);
        QCOMPARE(s.form.edtCOST_AMT->value(), 0.0);
        // Only digits can be typed into the price.
        s.type(s.form.edtCOST_AMT, QStringLiteral("12.5"));
        s.leave(s.form.edtCOST_AMT);
        QCOMPARE(s.form.edtCOST_AMT->value(), 125.0);
    }

    // The outlet flag is the warehouse's own when saving, however the
    // warehouse got into the receipt.
    void outletFlagFromTheWarehouse()
    {
        TestSession session;
        DialogRecorder dialogs;
        addConfirmedOrder(session.conn(), kOrder, today(session), QStringLiteral("100001"), QStringLiteral("210"),
                          {{1, QStringLiteral("L3020001"), 10, 30000}});
        Screen s;
        s.newReceipt(QStringLiteral("(주)대관령축산"), QStringLiteral("110"));
        answerOrderPicking(dialogs, {{0}, {}});
        QTest::mouseClick(s.form.bbtOrdeSerch, Qt::LeftButton);
        QCOMPARE(s.form.edtSTRG_CODE->text(), QStringLiteral("210"));
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT STRG_CODE, STRG_GUBUN FROM OC010MS")), QStringLiteral("210:Y"));
        QCOMPARE(orderLine(session, 1), QStringLiteral("10:N"));

        s.key(Qt::Key_F5);
        s.type(s.form.edtSTRG_CODE, QStringLiteral("120"));
        s.leave(s.form.edtSTRG_CODE);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT STRG_CODE, STRG_GUBUN FROM OC010MS")), QStringLiteral("120:N"));
    }

    // A receipt confirmed on another workstation after this one listed it.
    void confirmedElsewhereCanNoLongerChange()
    {
        TestSession session;
        DialogRecorder dialogs;
        addPotatoOrder(session);
        Screen s;
        receivePotatoes(s, dialogs, QStringLiteral("4"));
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        const receiving::ReceiptKey key{today(session), QStringLiteral("100001"), QStringLiteral("1")};
        const QString confirmDate = today(session);
        auto confirm = [key, confirmDate](db::Connection &conn) {
            receiving::confirmReceipt(conn, key, confirmDate, QStringLiteral("A0000001"));
        };
        auto unconfirm = [key](db::Connection &conn) { receiving::reverseReceipt(conn, key); };

        // Confirmed while being edited: the save refuses and writes nothing.
        s.key(Qt::Key_F5);
        QCOMPARE(s.form.WorkMode, quint8(wmEdit));
        {
            OtherWorkstation other(session.alias());
            other.hold(confirm, 0);
            QVERIFY(other.finish());
            QVERIFY2(other.error.isEmpty() && other.refusal.isEmpty(), qPrintable(other.error + other.refusal));
        }
        s.form.cdsOC010DT->moveTo(0);
        s.type(s.form.edtORDE_QTY, QStringLiteral("6"));
        s.leave(s.form.edtORDE_QTY);
        QTest::mouseClick(s.form.btnLineAppend, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), QStringLiteral("입고 확정 처리된 자료는 수정 할 수 없습니다."));
        QCOMPARE(s.form.WorkMode, quint8(wmEdit));
        QCOMPARE(orderLine(session, 1), QStringLiteral("4:N"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT ORDE_QTY FROM OC010DT")), QStringLiteral("4"));
        s.key(Qt::Key_F8);
        dialogs.clear();

        // The list still shows it unconfirmed: edit and delete are refused all the same.
        QVERIFY(s.form.cdsOC010MS->text(QStringLiteral("PUT_DATE")).isEmpty());
        s.key(Qt::Key_F5);
        QCOMPARE(dialogs.lastText(), QStringLiteral("입고 확정 처리된 자료는 수정 할 수 없습니다."));
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        dialogs.clear();
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.lastText(), QStringLiteral("입고 확정 처리된 자료는 수정 할 수 없습니다."));
        QCOMPARE(s.form.cdsOC010MS->recordCount(), 1);
        QVERIFY(s.form.statusText(1) != QStringLiteral("삭제가 완료 되었습니다"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OC010MS")), QStringLiteral("1"));

        // Reversed again elsewhere: it can be deleted, and gives its quantity back.
        {
            OtherWorkstation other(session.alias());
            other.hold(unconfirm, 0);
            QVERIFY(other.finish());
            QVERIFY2(other.error.isEmpty() && other.refusal.isEmpty(), qPrintable(other.error + other.refusal));
        }
        dialogs.clear();
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("선택된 자료를 삭제하시겠습니까?")});
        QCOMPARE(orderLine(session, 1), QStringLiteral("0:N"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OC010MS")), QStringLiteral("0"));
    }

    // The tax type of a line to receive is picked in its cell: the beef goes in tax-free.
    void taxTypePickedInTheDialog()
    {
        TestSession session;
        DialogRecorder dialogs;
        addPotatoOrder(session);
        Screen s;
        s.newReceipt(QStringLiteral("(주)대관령축산"), QStringLiteral("110"));
        OrderPicking picking{{0, 1}, {{0, QStringLiteral("4")}}};
        picking.taxFree = {1};
        answerOrderPicking(dialogs, picking);
        QTest::mouseClick(s.form.bbtOrdeSerch, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT INSP_SEQ, AMT, TAX_AMT, TAX_GUBUN FROM OC010DT ORDER BY INSP_SEQ")),
                 QStringLiteral("1:120000:12000:1,2:196000:0:2"));
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT PUT_AMT, TAX_AMT, SUM_AMT FROM OC010MS")),
                 QStringLiteral("316000:12000:328000"));
    }

    // The statement of a receipt: its totals, the first item standing for the others.
    void inspectionStatement()
    {
        TestSession session;
        DialogRecorder dialogs;
        addPotatoOrder(session);
        Screen s;
        s.newReceipt(QStringLiteral("(주)대관령축산"), QStringLiteral("110"));
        answerOrderPicking(dialogs, {{0, 1}, {{0, QStringLiteral("4")}}});
        QTest::mouseClick(s.form.bbtOrdeSerch, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QVERIFY(s.form.bbtPreview->isVisible() && s.form.bbtPreview->isEnabled());

        TfrmOCP070 form;
        QVERIFY(form.open(session.conn(), s.form.edtINSP_NO->text()));
        const reports::Page page = form.prepare().pages.value(0);
        QCOMPARE(page.text(QStringLiteral("qrlTitle")), QStringLiteral("검수명세서(합계)"));
        QCOMPARE(page.text(QStringLiteral("qrlC_CODE_NM")), QStringLiteral("거래처명 : (주)대관령축산"));
        QCOMPARE(page.text(QStringLiteral("qrdITEM_NAME")), QStringLiteral("감자 외종"));
        // 4 boxes at 30,000 taxable and 2 kg of beef at 98,000 tax-free (the dialog's tax type is taken: taxable).
        QCOMPARE(page.text(QStringLiteral("qrdPUT_AMT")), QStringLiteral("316,000"));
        QCOMPARE(page.text(QStringLiteral("qrdTAX_AMT")), QStringLiteral("31,600"));
        QCOMPARE(page.text(QStringLiteral("qrdSUM_AMT")), QStringLiteral("347,600"));
        QCOMPARE(page.text(QStringLiteral("qrdSTRG_CODE_NM")), QStringLiteral("식품창고"));
        QCOMPARE(page.text(QStringLiteral("qrdINSP_NO")), s.form.edtINSP_NO->text());
    }
};

QTEST_MAIN(TestOCI010)
#include "tst_OCI010.moc"
