// Purchase order entry, driven as a user drives it: lines taken from an
// approved request and typed in, the figures saved with them, the request
// lines marked and released, and the refusals.

#include "OrderFixtures.h"
#include "modules/orders/OBI010.h"
#include "modules/orders/OrderWrite.h"
#include "framework/ErrorDisplay.h"
#include "framework/PopupWnd.h"
#include "support/OtherWorkstation.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "support/TestDb.h"
#include "support/Typing.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kPurcNo = QStringLiteral("PU20990100001");

struct Screen : ScreenDriver<TfrmOBI010> {
    using ScreenDriver::type;
    void type(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        typeText(e, text);
    }
    // Leaves a field with Enter, as the user moves on.
    void leave(QWidget *e) { QTest::keyClick(e, Qt::Key_Return); }
    int itemRows() const
    {
        int n = 0;
        for (int r = 0; r < form.cdsOB010DT->recordCount(); ++r)
            n += form.cdsOB010DT->value(r, QStringLiteral("ITEM_CODE")).toString().isEmpty() ? 0 : 1;
        return n;
    }
    // A typed line: item by its name, quantity, price, "추가".
    void typeLine(const QString &itemName, const QString &qty, const QString &cost)
    {
        type(form.edtITEM_NAME, itemName);
        leave(form.edtITEM_NAME);
        type(form.edtQTY, qty);
        type(form.edtCOST_AMT, cost);
        leave(form.edtCOST_AMT);
        QTest::mouseClick(form.btnLineAppend, Qt::LeftButton);
    }
};

// Every row of a statement, columns joined by ':' and rows by ','.
QString rows(db::Connection &conn, const QString &sql)
{
    db::Query q(conn, sql);
    q.exec();
    QStringList out;
    while (q.next()) {
        QStringList cols;
        for (int c = 0; c < q.columns().size(); ++c)
            cols << q.text(c);
        out << cols.join(u':');
    }
    return out.join(u',');
}

void exec(TestSession &s, const QString &sql) { db::Query(s.conn(), sql).exec(); }

QString today(TestSession &s) { return s.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")); }

// Request with a taxable line of supplier 100001, a tax-free line of 100002 and a third line.
void addMixedRequest(TestSession &s)
{
    addApprovedRequest(s.conn(), kPurcNo, today(s), QStringLiteral("2099-01-20"),
                       {{1, QStringLiteral("L1030005"), 2, QStringLiteral("100001"), 1000},
                        {2, QStringLiteral("L1010001"), 1, QStringLiteral("100002"), 98000},
                        {3, QStringLiteral("L1010002"), 1, QStringLiteral("100002"), 115000}});
}

QString orderSetYn(TestSession &s, int seq)
{
    return s.scalar(QStringLiteral("SELECT ORDER_SET_YN FROM OA010DT WHERE PURC_NO = :P AND PURC_SEQ = :S"),
                    {{QStringLiteral("P"), kPurcNo}, {QStringLiteral("S"), QString::number(seq)}});
}

// New order with request lines 1 and 2 and a typed taxable line, saved.
void saveMixedOrder(Screen &s, DialogRecorder &dialogs)
{
    s.key(Qt::Key_F4);
    answerPicking(dialogs, {0, 1});
    QTest::mouseClick(s.form.bbtPurcSerch, Qt::LeftButton);
    s.typeLine(QStringLiteral("모짜"), QStringLiteral("3"), QStringLiteral("2500"));
    s.key(Qt::Key_F2);
}

} // namespace

class TestOBI010 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requestLinesTypedLineAndTaxes()
    {
        TestSession session;
        DialogRecorder dialogs;
        addMixedRequest(session);
        Screen s;
        s.key(Qt::Key_F4);
        QCOMPARE(s.form.medORDE_DATE->dateText(), today(session));
        int listed = 0;
        answerPicking(dialogs, {0, 1}, &listed);
        QTest::mouseClick(s.form.bbtPurcSerch, Qt::LeftButton);
        QVERIFY(dialogs.dialogHandlers.isEmpty());
        QCOMPARE(listed, 3);
        QCOMPARE(s.itemRows(), 2);
        // Two suppliers among the ticked lines: the header has the last one's.
        QCOMPARE(s.form.edtC_CODE->text(), QStringLiteral("100002"));
        QCOMPARE(s.form.edtPURC_NO->text(), kPurcNo);
        QCOMPARE(s.form.medPUT_DATE->dateText(), QStringLiteral("2099-01-20"));
        QCOMPARE(s.form.rgdOB010DT->footerText(0, s.form.rgdOB010DT->columnIndex(QStringLiteral("AMT"))), QStringLiteral("100,000"));

        s.typeLine(QStringLiteral("모짜"), QStringLiteral("3"), QStringLiteral("2500"));
        QCOMPARE(s.itemRows(), 3);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        QCOMPARE(s.form.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));

        const QString no = session.scalar(QStringLiteral("SELECT ORDE_NO FROM OB010MS"));
        QCOMPARE(no.length(), 13);
        QVERIFY(no.startsWith(QStringLiteral("OR") + today(session).left(4) + today(session).mid(5, 2)));
        QCOMPARE(s.form.edtORDE_NO->text(), no);
        QCOMPARE(session.scalar(QStringLiteral("SELECT C_CODE || '/' || ORDE_NUM || '/' || APPR_GUBUN || '/' || PURC_NO FROM OB010MS")),
                 QStringLiteral("100002/1/3/") + kPurcNo);
        // Taxable 2,000 and 7,500, tax-free 98,000: the tax is a tenth of the taxable lines only.
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT ORDE_AMT, TAX_AMT, SUM_AMT, NEGO_AMT FROM OB010MS")),
                 QStringLiteral("107500:950:108450:0"));
        QCOMPARE(rows(session.conn(), QStringLiteral(
                     "SELECT ORDE_SEQ, PURC_NO, PURC_SEQ, ITEM_CODE, TAX_GUBUN, AMT, TAX_AMT, SUM_AMT, PUT_QTY, PUT_END, ORDE_CANCEL "
                     "FROM OB010DT ORDER BY ORDE_SEQ")),
                 QStringLiteral("1:%1:1:L1030005:1:2000:200:2200:0:N:N,2:%1:2:L1010001:2:98000:0:98000:0:N:N,"
                                "3:::L5010004:1:7500:750:8250:0:N:N").arg(kPurcNo));
        // The taken lines are ordered, the third and the typed one touch nothing else.
        QCOMPARE(orderSetYn(session, 1), QStringLiteral("Y"));
        QCOMPARE(orderSetYn(session, 2), QStringLiteral("Y"));
        QCOMPARE(orderSetYn(session, 3), QStringLiteral("N"));
    }

    void deliveryDate_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty takes the request's") << QString() << QStringLiteral("2099-01-20");
        QTest::newRow("filled stays") << QStringLiteral("20990305") << QStringLiteral("2099-03-05");
    }
    void deliveryDate()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        TestSession session;
        DialogRecorder dialogs;
        addMixedRequest(session);
        Screen s;
        s.key(Qt::Key_F4);
        if (!typed.isEmpty()) {
            s.form.medPUT_DATE->setFocus();
            QTest::keyClicks(s.form.medPUT_DATE, typed);
            s.leave(s.form.medPUT_DATE);
        }
        answerPicking(dialogs, {0});
        QTest::mouseClick(s.form.bbtPurcSerch, Qt::LeftButton);
        QCOMPARE(s.form.medPUT_DATE->dateText(), expected);
    }

    void refusedSaves_data()
    {
        QTest::addColumn<bool>("supplier");
        QTest::addColumn<QString>("message");
        QTest::newRow("no supplier") << false << QStringLiteral("거래처는 반드시 입력하세요");
        QTest::newRow("only the empty row") << true << QStringLiteral("발주 품목을 입력하세요");
    }
    void refusedSaves()
    {
        QFETCH(bool, supplier);
        QFETCH(QString, message);
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.key(Qt::Key_F4);
        if (supplier) {
            s.type(s.form.edtC_CODE_NM, QStringLiteral("한우명가"));
            s.leave(s.form.edtC_CODE_NM);
            QCOMPARE(s.form.edtC_CODE->text(), QStringLiteral("100002"));
        }
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), message);
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OB010MS")), QStringLiteral("0"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OZ090MS")), QStringLiteral("0"));   // no number drawn
    }

    void removedLinesAreReleased()
    {
        TestSession session;
        DialogRecorder dialogs;
        addMixedRequest(session);
        Screen s;
        saveMixedOrder(s, dialogs);
        QCOMPARE(orderSetYn(session, 1), QStringLiteral("Y"));

        // Edit: the first request line is removed from the order.
        s.key(Qt::Key_F5);
        QCOMPARE(s.form.WorkMode, quint8(wmEdit));
        QVERIFY(s.form.medORDE_DATE->isReadOnly());
        s.form.cdsOB010DT->moveTo(0);
        QTest::mouseClick(s.form.btnLineDelete, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.form.statusText(1), QStringLiteral("수정이 정상적으로 완료되었습니다."));
        QCOMPARE(orderSetYn(session, 1), QStringLiteral("N"));
        QCOMPARE(orderSetYn(session, 2), QStringLiteral("Y"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OB010DT")), QStringLiteral("2"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT CAST(TAX_AMT AS INTEGER) FROM OB010MS")), QStringLiteral("750"));

        // Delete: every request line is orderable again and the dialog lists it.
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(s.form.statusText(1), QStringLiteral("삭제가 완료 되었습니다"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OB010MS")), QStringLiteral("0"));
        QCOMPARE(orderSetYn(session, 2), QStringLiteral("N"));
        s.key(Qt::Key_F4);
        int listed = 0;
        answerPicking(dialogs, {}, &listed);
        QTest::mouseClick(s.form.bbtPurcSerch, Qt::LeftButton);
        QCOMPARE(listed, 3);
    }

    void confirmedOrReceivedOrders()
    {
        TestSession session;
        DialogRecorder dialogs;
        addMixedRequest(session);
        Screen s;
        saveMixedOrder(s, dialogs);

        // Confirmed elsewhere: neither edit nor delete.
        exec(session, QStringLiteral("UPDATE OB010MS SET APPR_GUBUN = '2'"));
        s.key(Qt::Key_F5);
        QCOMPARE(dialogs.lastText(), QStringLiteral("발주 확정 처리된 자료는 수정할 수 없습니다."));
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.lastText(), QStringLiteral("발주 확정 처리된 자료는 삭제할 수 없습니다."));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OB010MS")), QStringLiteral("1"));

        // Confirmation cancelled after the first line was partly and the second fully received.
        exec(session, QStringLiteral("UPDATE OB010MS SET APPR_GUBUN = '1'"));
        exec(session, QStringLiteral("UPDATE OB010DT SET PUT_QTY = 1 WHERE ORDE_SEQ = 1"));
        exec(session, QStringLiteral("UPDATE OB010DT SET PUT_QTY = 1, PUT_END = 'Y' WHERE ORDE_SEQ = 2"));
        s.key(Qt::Key_F3);
        s.key(Qt::Key_F5);
        QCOMPARE(s.form.WorkMode, quint8(wmEdit));
        // Removing the typed (unreceived) line and adding another keeps the received lines as they are.
        s.form.cdsOB010DT->moveTo(2);
        QTest::mouseClick(s.form.btnLineDelete, Qt::LeftButton);
        s.form.cdsOB010DT->moveTo(s.form.cdsOB010DT->recordCount() - 1);
        s.typeLine(QStringLiteral("조미김"), QStringLiteral("1"), QStringLiteral("100"));
        dialogs.clear();
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        // Receiving addresses lines by number: kept lines keep theirs, the new one follows the highest.
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT ORDE_SEQ, ITEM_CODE, PUT_QTY, PUT_END, ORDE_CANCEL FROM OB010DT ORDER BY ORDE_SEQ")),
                 QStringLiteral("1:L1030005:1:N:N,2:L1010001:1:Y:N,4:L2030005:0:N:N"));

        // A received line cannot leave the order; nothing of that save is written.
        s.key(Qt::Key_F5);
        s.form.cdsOB010DT->moveTo(1);
        QTest::mouseClick(s.form.btnLineDelete, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), QStringLiteral("입고된 품목은 삭제할 수 없습니다."));
        QCOMPARE(s.form.WorkMode, quint8(wmEdit));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OB010DT")), QStringLiteral("3"));
        QCOMPARE(orderSetYn(session, 2), QStringLiteral("Y"));
    }

    // A received line stays the item it was received as, with at least what
    // was received: on the screen and again when the order is written.
    void receivedLineKeepsItsItemAndQuantity_data()
    {
        QTest::addColumn<QString>("itemName");
        QTest::addColumn<QString>("qty");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("another item") << QStringLiteral("모짜") << QStringLiteral("2")
                                      << QStringLiteral("입고된 품목은 다른 품목으로 바꿀 수 없습니다.");
        QTest::newRow("less than received") << QString() << QStringLiteral("0.5")
                                            << QStringLiteral("입고된 수량보다 적게 발주할 수 없습니다.");
    }
    void receivedLineKeepsItsItemAndQuantity()
    {
        QFETCH(QString, itemName);
        QFETCH(QString, qty);
        QFETCH(QString, refusal);
        TestSession session;
        DialogRecorder dialogs;
        addMixedRequest(session);
        Screen s;
        saveMixedOrder(s, dialogs);
        exec(session, QStringLiteral("UPDATE OB010DT SET PUT_QTY = 1 WHERE ORDE_SEQ = 1"));
        s.key(Qt::Key_F3);
        const QString lines = QStringLiteral("SELECT ORDE_SEQ, ITEM_CODE, QTY, PUT_QTY FROM OB010DT ORDER BY ORDE_SEQ");
        const QString before = rows(session.conn(), lines);

        s.key(Qt::Key_F5);
        s.form.cdsOB010DT->moveTo(0);
        QCOMPARE(s.form.edtITEM_CODE->text(), QStringLiteral("L1030005"));
        if (!itemName.isEmpty()) {
            s.type(s.form.edtITEM_NAME, itemName);
            s.leave(s.form.edtITEM_NAME);
        }
        s.type(s.form.edtQTY, qty);
        s.leave(s.form.edtQTY);
        QTest::mouseClick(s.form.btnLineAppend, Qt::LeftButton);
        QCOMPARE(dialogs.lastText(), refusal);
        QCOMPARE(s.form.cdsOB010DT->value(0, QStringLiteral("ITEM_CODE")).toString(), QStringLiteral("L1030005"));
        QCOMPARE(s.form.cdsOB010DT->value(0, QStringLiteral("QTY")).toDouble(), 2.0);

        // Written by another way than this screen: refused all the same.
        orders::OrderDraft draft;
        draft.inserting = false;
        draft.key = {session.scalar(QStringLiteral("SELECT ORDE_DATE FROM OB010MS")), QStringLiteral("100002"), QStringLiteral("1")};
        draft.ordeNo = session.scalar(QStringLiteral("SELECT ORDE_NO FROM OB010MS"));
        orders::OrderLine line;
        line.oldSeq = QStringLiteral("1");
        line.itemCode = itemName.isEmpty() ? QStringLiteral("L1030005") : QStringLiteral("L5010004");
        line.qty = qty.toDouble();
        line.costAmt = 1000;
        line.amt = line.qty * line.costAmt;
        draft.lines << line;
        try {
            orders::writeOrder(session.conn(), draft);
            QFAIL("the received line was changed");
        } catch (const EUserExcept &e) {
            QCOMPARE(QString::fromUtf8(e.what()), refusal);
        }
        QCOMPARE(rows(session.conn(), lines), before);
    }

    // Quantities and prices are positive: no minus sign can be typed, and
    // request lines are taken only with a quantity above zero.
    void quantitiesAndPricesArePositive()
    {
        TestSession session;
        DialogRecorder dialogs;
        addMixedRequest(session);
        Screen s;
        s.key(Qt::Key_F4);
        s.type(s.form.edtQTY, QStringLiteral("-3"));
        s.type(s.form.edtCOST_AMT, QStringLiteral("-2500.1234"));
        s.leave(s.form.edtCOST_AMT);
        QCOMPARE(s.form.edtQTY->value(), 3.0);
        QCOMPARE(s.form.edtCOST_AMT->value(), 2500.1234);
        QCOMPARE(s.form.edtAMT->value(), 3 * 2500.1234);

        QString refusal;
        bool accepted = true;
        dialogs.dialogHandlers.enqueue([&](QDialog *d) {
            auto *dlg = qobject_cast<TfrmOBI011 *>(d);
            dlg->show();
            QApplication::setActiveWindow(dlg);
            dlg->medYYMM->setFocus();
            QTest::keyClick(dlg->medYYMM, Qt::Key_Return);
            dlg->rgdPurc->setCurrentCell(0, 0);
            QTest::keyClick(dlg->rgdPurc, Qt::Key_Space);
            dlg->cdsPurc->setValue(0, QStringLiteral("QTY"), 0);   // as the user typed it into the cell
            QTest::mouseClick(dlg->bbtOK, Qt::LeftButton);
            refusal = dialogs.lastText();
            accepted = dlg->result() == QDialog::Accepted;
            dlg->hide();
            QApplication::setActiveWindow(&s.form);
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(s.form.bbtPurcSerch, Qt::LeftButton);
        QVERIFY(!accepted);
        QCOMPARE(refusal, QStringLiteral("[훈제오리 슬라이스] 수량은 0보다 커야 합니다."));
        QCOMPARE(s.itemRows(), 0);
    }

    // The search inside the picking dialog's request list, column by column.
    void requestListSearchesEveryColumn()
    {
        TestSession session;
        DialogRecorder dialogs;
        addMixedRequest(session);
        Screen s;
        s.key(Qt::Key_F4);
        QStringList found;
        dialogs.dialogHandlers.enqueue([&](QDialog *d) {
            auto *dlg = qobject_cast<TfrmOBI011 *>(d);
            dialogs.dialogHandlers.enqueue([&](QDialog *list) {
                auto *wnd = qobject_cast<TfrmPopupWnd *>(list);
                for (int col = 0; col < wnd->ComboBox->count(); ++col) {
                    wnd->ComboBox->setCurrentIndex(col);
                    wnd->Edit->setText(wnd->rowCount() > 0 ? wnd->DBGrid->cellText(col, 0).left(3) : QStringLiteral("PU"));
                    found << QStringLiteral("%1:%2").arg(wnd->Retrieve() ? QStringLiteral("ok") : QStringLiteral("failed")).arg(wnd->rowCount());
                }
                return int(QDialog::Rejected);
            });
            dlg->show();
            QApplication::setActiveWindow(dlg);
            dlg->medYYMM->setFocus();
            QTest::keyClick(dlg->medYYMM, Qt::Key_F1);
            dlg->hide();
            QApplication::setActiveWindow(&s.form);
            return int(QDialog::Rejected);
        });
        QTest::mouseClick(s.form.bbtPurcSerch, Qt::LeftButton);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(found, (QStringList{"ok:1", "ok:1", "ok:1", "ok:1"}));
    }

    // Cancelling an edit leaves the list as it was saved.
    void cancelledEditRestoresTheList()
    {
        TestSession session;
        DialogRecorder dialogs;
        addMixedRequest(session);
        Screen s;
        saveMixedOrder(s, dialogs);
        const int amount = s.form.rgdOB010MS->columnIndex(QStringLiteral("ORDE_AMT"));
        QCOMPARE(s.form.rgdOB010MS->cellText(amount, 0), QStringLiteral("107,500"));
        s.key(Qt::Key_F5);
        s.form.cdsOB010DT->moveTo(s.form.cdsOB010DT->recordCount() - 1);
        s.typeLine(QStringLiteral("조미김"), QStringLiteral("1"), QStringLiteral("100"));
        QCOMPARE(s.form.rgdOB010MS->cellText(amount, 0), QStringLiteral("107,600"));   // the amount being entered
        s.key(Qt::Key_F8);
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        QCOMPARE(s.form.rgdOB010MS->cellText(amount, 0), QStringLiteral("107,500"));
        QCOMPARE(s.itemRows(), 3);
    }

    // Two workstations take the same request line at the same moment: the
    // second save waits for the first and is refused as a whole.
    void secondWorkstationCannotOrderTheSameLine()
    {
        const QString alias = testdb::freshAlias(true);
        auto first = testdb::connect(alias);
        addApprovedRequest(*first, kPurcNo, QStringLiteral("2099-01-10"), QStringLiteral("2099-01-20"),
                           {{1, QStringLiteral("L1030005"), 2, QStringLiteral("100001"), 1000},
                            {2, QStringLiteral("L1010001"), 1, QStringLiteral("100002"), 98000}});
        auto draft = [](const QString &cCode, const QString &no, const QList<int> &seqs) {
            orders::OrderDraft d;
            d.key = {QStringLiteral("2099-01-11"), cCode, QString()};
            d.ordeNo = no;
            d.purcNo = kPurcNo;
            for (int seq : seqs) {
                orders::OrderLine l;
                l.purcNo = kPurcNo;
                l.purcSeq = QString::number(seq);
                l.itemCode = seq == 1 ? QStringLiteral("L1030005") : QStringLiteral("L1010001");
                l.qty = 1;
                l.costAmt = l.amt = 10;
                d.lines << l;
            }
            return d;
        };
        first->startTransaction();
        orders::OrderDraft a = draft(QStringLiteral("100001"), QStringLiteral("OR20990100001"), {1});
        orders::writeOrder(*first, a);   // not committed yet

        OtherWorkstation second(alias);
        second.start([&](db::Connection &conn) {
            orders::OrderDraft b = draft(QStringLiteral("100002"), QStringLiteral("OR20990100002"), {2, 1});
            orders::writeOrder(conn, b);
        });
        QTest::qWait(300);
        first->commit();
        QVERIFY(second.finish());
        QVERIFY2(second.error.isEmpty(), qPrintable(second.error));
        const QString refusal = second.refusal;
        QCOMPARE(refusal, QStringLiteral("[의뢰번호 : %1-1] 다른 발주에 이미 반영된 구매의뢰 품목입니다.\n확인하시고 처리하십시오.").arg(kPurcNo));
        // Nothing of the second save: its order, its lines and its own request line stay unwritten.
        QCOMPARE(db::Query::scalar(*first, QStringLiteral("SELECT COUNT(*) FROM OB010MS")), QStringLiteral("1"));
        QCOMPARE(db::Query::scalar(*first, QStringLiteral("SELECT COUNT(*) FROM OB010DT WHERE C_CODE = '100002'")), QStringLiteral("0"));
        QCOMPARE(db::Query::scalar(*first, QStringLiteral("SELECT ORDER_SET_YN FROM OA010DT WHERE PURC_SEQ = 2")), QStringLiteral("N"));
        QCOMPARE(db::Query::scalar(*first, QStringLiteral("SELECT ORDER_SET_YN FROM OA010DT WHERE PURC_SEQ = 1")), QStringLiteral("Y"));
    }
};

QTEST_MAIN(TestOBI010)
#include "tst_OBI010.moc"
