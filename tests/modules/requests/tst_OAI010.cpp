// The purchase request entry, driven as a user drives it.

#include "framework/PopupWnd.h"
#include "framework/PriceHistory.h"
#include "modules/requests/OAI010.h"
#include "modules/requests/RequestData.h"
#include "app/O0Main.h"
#include "support/DialogRecorder.h"
#include "support/OtherWorkstation.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "support/TestDb.h"
#include "support/Typing.h"
#include "RequestFixtures.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QAction>
#include <QCheckBox>
#include <QTabWidget>
#include <QtTest>

namespace {

// Line grid columns, in the order the screen declares them.
namespace Lc {
enum {
    lcSeq, lcEmer, lcItemCode, lcItemName, lcStandard, lcNeedQty, lcCostAmt, lcUnit, lcQty, lcEstiAmt,
    lcAmt, lcCCode, lcCName, lcRemark, lcOrdered, lcStock
};
}

struct Screen : ScreenDriver<TfrmOAI010> {
    Screen() { form.resize(1280, 860); }
    // Goes into a field, types over its text and leaves it with Enter.
    void enter(QLineEdit *field, const QString &text)
    {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        typeText(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::qWait(0);   // a focus move the lookup left for later
    }
    // An item chosen by its name, its required quantity and (when given)
    // its price, appended with Enter in the reason field.
    void addLine(const QString &itemName, const QString &need, const QString &price = {})
    {
        enter(form.edtITEM_NAME, itemName);
        enter(form.edtNEED_QTY, need);
        if (!price.isEmpty())
            enter(form.edtESTI_AMT, price);
        form.edtREMARK_DT->setFocus();
        QTest::keyClick(form.edtREMARK_DT, Qt::Key_Return);
    }
    void search(const QString &from, const QString &to, const QString &number = {})
    {
        form.medPURC_DATE_S->setPlainText(from);
        form.medPURC_DATE_E->setPlainText(to);
        form.edtPURC_NO_S->setText(number);
        key(Qt::Key_F3);
    }
    QString cell(int col, int row) const { return form.rgdOA010DT->cells(col, row); }
};

QStringList rows(TestSession &session, const QString &sql)
{
    db::Query q(session.conn(), sql);
    q.exec();
    QStringList result;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.columns().size(); ++i)
            values << q.text(i);
        result << values.join(u'|');
    }
    return result;
}

// Answers as the recorder does; when a question comes, runs `onQuestion`
// first: another workstation acting while the user reads the question.
struct ChangingOnQuestion : DialogRecorder {
    std::function<void()> onQuestion;
    bool message(MessageKind kind, const QString &caption, const QString &text) override
    {
        if (kind == MessageKind::Question && onQuestion)
            onQuestion();
        return DialogRecorder::message(kind, caption, text);
    }
};

QString today(TestSession &session) { return session.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")); }

} // namespace

class TestOAI010 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void searchNumberMatchesByPrefix_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("found");
        QTest::newRow("empty: all") << QString() << 3;
        QTest::newRow("month prefix") << QStringLiteral("PU202601") << 2;
        QTest::newRow("whole number") << QStringLiteral("PU20260200001") << 1;
        QTest::newRow("no such prefix") << QStringLiteral("PU2027") << 0;
    }
    void searchNumberMatchesByPrefix()
    {
        QFETCH(QString, number);
        QFETCH(int, found);
        TestSession session;
        fixtures::request(session.conn(), QStringLiteral("2026-01-10"), 1, QStringLiteral("PU20260100001"), QStringLiteral("3"), {QStringLiteral("L1010001")});
        fixtures::request(session.conn(), QStringLiteral("2026-01-11"), 1, QStringLiteral("PU20260100002"), QStringLiteral("3"), {QStringLiteral("L1010002")});
        fixtures::request(session.conn(), QStringLiteral("2026-02-01"), 1, QStringLiteral("PU20260200001"), QStringLiteral("2"), {QStringLiteral("L1010003")});
        DialogRecorder dialogs;
        Screen s;
        QCOMPARE(s.form.RecordCount, 0);   // opened empty
        s.search(QStringLiteral("2026-01-01"), QStringLiteral("2026-02-28"), number);
        QCOMPARE(s.form.cdsOA010MS->recordCount(), found);
        QCOMPARE(s.form.rdgOA010MS->footerText(0, 0), QString::number(found));
        QCOMPARE(s.form.panRecordCnt->text(), QStringLiteral("RecordCount : %1").arg(found));
        QVERIFY(dialogs.messages.isEmpty());
        if (found > 0) {   // the first request is shown with its lines
            QCOMPARE(s.form.edtPURC_NO->text(), s.form.cdsOA010MS->text(QStringLiteral("PURC_NO")));
            QCOMPARE(s.form.rgdOA010DT->rowCount(), 1);
            QCOMPARE(s.form.rgdOA010DT->footerText(0, Lc::lcEmer), QStringLiteral("1"));
            QCOMPARE(s.form.rgdOA010DT->footerText(0, Lc::lcAmt), QStringLiteral("2,000"));
        }
    }

    // Item choice with stock and prices, the required quantity rule, merging
    // a repeated item, an item never received, and the save of it all.
    void enteringANewRequest()
    {
        TestSession session;
        const QString day = today(session);
        const QString month = QString(day).remove(u'-').left(6);
        fixtures::stock(session.conn(), month, QStringLiteral("L1010003"), 4);
        for (int i = 1; i <= 5; ++i)
            fixtures::inspection(session.conn(), QStringLiteral("2020-01-0%1").arg(i), i, QStringLiteral("L1010003"), 1000 * i);
        // received after the request date: newest in the history, not the last price
        fixtures::inspection(session.conn(), QStringLiteral("2099-01-01"), 1, QStringLiteral("L1010003"), 9999);
        DialogRecorder dialogs;
        Screen s;
        TfrmOAI010 &f = s.form;

        s.key(Qt::Key_F4);
        QCOMPARE(f.WorkMode, quint8(wmInsert));
        QCOMPARE(QApplication::focusWidget(), f.medPURC_DATE);
        QCOMPARE(f.medPURC_DATE->dateText(), day);
        s.enter(f.edtSTRG_CODE, QStringLiteral("110"));
        QCOMPARE(f.edtSTRG_CODE_NM->text(), QStringLiteral("식품창고"));
        QCOMPARE(f.dbeDept_code->text(), QStringLiteral("1300"));
        QCOMPARE(QApplication::focusWidget(), f.medPLAN_DATE);

        s.enter(f.edtITEM_NAME, QStringLiteral("한우 채끝"));
        QCOMPARE(f.edtITEM_CODE->text(), QStringLiteral("L1010003"));
        QCOMPARE(f.edtStock_Qty->value(), 4.0);
        QCOMPARE(f.edtC_CODE->text(), QStringLiteral("100002"));
        QCOMPARE(f.edtC_CODE_NM->text(), QStringLiteral("한우명가유통"));
        QCOMPARE(f.edtCOST_AMT->value(), 5000.0);
        QCOMPARE(f.edtESTI_AMT->value(), 5000.0);
        QCOMPARE(f.rdgHistory->rowCount(), 5);
        QCOMPARE(f.rdgHistory->cells(0, 0), QStringLiteral("2099-01-01"));
        QCOMPARE(f.rdgHistory->cells(0, 4), QStringLiteral("2020-01-02"));

        s.enter(f.edtNEED_QTY, QStringLiteral("10"));
        QCOMPARE(f.edtQTY->value(), 6.0);   // required less stock
        f.edtREMARK_DT->setFocus();
        QTest::keyClick(f.edtREMARK_DT, Qt::Key_Return);
        QCOMPARE(f.rgdOA010DT->rowCount(), 2);   // the line and the entry row
        QCOMPARE(s.cell(Lc::lcItemCode, 0), QStringLiteral("L1010003"));
        QCOMPARE(f.rgdOA010DT->cellNumber(Lc::lcAmt, 0), 30000.0);
        QCOMPARE(QApplication::focusWidget(), f.edtITEM_NAME);
        QCOMPARE(f.edtITEM_CODE->text(), QString());   // the panel is ready for the next line

        // The same item again adds to its line, and the amount follows.
        s.addLine(QStringLiteral("한우 채끝"), QStringLiteral("5"));
        QCOMPARE(f.rgdOA010DT->rowCount(), 2);
        QCOMPARE(f.rgdOA010DT->cellNumber(Lc::lcQty, 0), 7.0);
        QCOMPARE(f.rgdOA010DT->cellNumber(Lc::lcAmt, 0), 35000.0);
        QCOMPARE(f.rgdOA010DT->footerText(0, Lc::lcAmt), QStringLiteral("35,000"));
        QVERIFY(dialogs.messages.isEmpty());

        // Less required than in stock: nothing to buy.
        s.addLine(QStringLiteral("한우 채끝"), QStringLiteral("3"));
        QCOMPARE(f.edtQTY->value(), -1.0);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("수량을 반드시 입력하세요")});
        QCOMPARE(f.rgdOA010DT->cellNumber(Lc::lcQty, 0), 7.0);
        dialogs.clear();

        // Never received: no supplier, no price.
        s.enter(f.edtITEM_NAME, QStringLiteral("한우 사태"));
        QCOMPARE(f.edtITEM_CODE->text(), QStringLiteral("L1010005"));
        QCOMPARE(f.edtC_CODE->text(), QString());
        QCOMPARE(f.edtC_CODE_NM->text(), QString());
        QCOMPARE(f.edtCOST_AMT->value(), 0.0);
        QCOMPARE(f.edtESTI_AMT->value(), 0.0);
        QCOMPARE(f.rdgHistory->rowCount(), 0);
        s.enter(f.edtNEED_QTY, QStringLiteral("2"));
        s.enter(f.edtESTI_AMT, QStringLiteral("1500"));
        f.chkEMER_CHK->setChecked(true);
        s.enter(f.edtREMARK_DT, QStringLiteral("행사"));
        QCOMPARE(f.rgdOA010DT->rowCount(), 3);
        QCOMPARE(f.rgdOA010DT->footerText(0, Lc::lcEmer), QStringLiteral("2"));

        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(f.WorkMode, quint8(wmBrowse));
        QCOMPARE(f.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
        QCOMPARE(QApplication::focusWidget(), f.medPURC_DATE_S);
        const QString no = f.edtPURC_NO->text();
        QCOMPARE(no, QStringLiteral("PU%1%2").arg(month, QStringLiteral("00001")));
        QCOMPARE(rows(session, QStringLiteral("SELECT PURC_DATE, STRG_CODE, PURC_NUM, PURC_NO, APPR_GUBUN, DEPT_CODE, U_EMP_NO FROM OA010MS")),
                 (QStringList{QStringList{day, "110", "1", no, "3", "1300", "A0000001"}.join(u'|')}));
        QCOMPARE(rows(session, QStringLiteral("SELECT PURC_SEQ, PURC_NO, ITEM_CODE, QTY, NEED_QTY, C_CODE, COST_AMT, ESTI_AMT, "
                                              "REMARK, ORDER_SET_YN, EMER_CHK, STOCK_QTY FROM OA010DT ORDER BY PURC_SEQ")),
                 (QStringList{QStringList{"1", no, "L1010003", "7", "10", "100002", "5000", "5000", "", "N", "N", "4"}.join(u'|'),
                              QStringList{"2", no, "L1010005", "2", "2", "", "0", "1500", "행사", "N", "Y", "0"}.join(u'|')}));
        // The list holds the new request, its lines as saved.
        QCOMPARE(f.cdsOA010MS->recordCount(), 1);
        QCOMPARE(f.cdsOA010MS->text(QStringLiteral("APPR_GUBUN_NM")), QStringLiteral("미 결 재"));
        QCOMPARE(f.rgdOA010DT->rowCount(), 2);
        QCOMPARE(f.rgdOA010DT->cells(Lc::lcSeq, 1), QStringLiteral("2"));
    }

    void refusedSaves_data()
    {
        QTest::addColumn<QString>("warehouse");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no warehouse") << QString() << QStringLiteral("의뢰창고는 반드시 입력하세요") << "edtSTRG_CODE";
        QTest::newRow("only the entry row") << QStringLiteral("110") << QStringLiteral("구매의뢰 품목을 입력하세요") << "edtITEM_NAME";
    }
    void refusedSaves()
    {
        QFETCH(QString, warehouse);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.key(Qt::Key_F4);
        if (!warehouse.isEmpty())
            s.enter(s.form.edtSTRG_CODE, warehouse);
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.texts(), QStringList{message});
        QCOMPARE(dialogs.messages.first().kind, MessageKind::Info);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        QCOMPARE(s.form.rgdOA010DT->rowCount(), 1);
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OA010MS")), QStringLiteral("0"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OZ090MS")), QStringLiteral("0"));   // no number drawn
    }

    // The lines are written again in grid order; what quotations and the
    // resolution wrote stays with the items that stay.
    void editRewritesTheLinesAndKeepsQuotations()
    {
        TestSession session;
        const QString day = today(session);
        fixtures::request(session.conn(), day, 1, QStringLiteral("PU20260100009"), QStringLiteral("1"),
                          {QStringLiteral("L1010001"), QStringLiteral("L1010002"), QStringLiteral("L1010004")}, 3);
        fixtures::exec(session.conn(), QStringLiteral(
            "UPDATE OA010DT SET A_ESTI_CODE = '100001', A_ESTI_NAME = '갑상사', B_ESTI_NAME = '을상사', "
            "C_ESTI_NAME = '병상사', A_COST_AMT = 900, B_COST_AMT = 950, C_COST_AMT = 990, ORDER_SET_YN = NULL "
            "WHERE ITEM_CODE IN ('L1010001', 'L1010002')"));
        fixtures::exec(session.conn(), QStringLiteral(
            "UPDATE OA010MS SET DELI_DATE = '계약 후 7일', DELI_CONDITION = '현장 인도', PAY_CONDITION = '월말 현금'"));
        DialogRecorder dialogs;
        Screen s;
        TfrmOAI010 &f = s.form;
        s.key(Qt::Key_F3);
        QCOMPARE(f.rgdOA010DT->rowCount(), 3);

        s.key(Qt::Key_F5);
        QCOMPARE(f.WorkMode, quint8(wmEdit));
        QCOMPARE(QApplication::focusWidget(), f.medPLAN_DATE);
        QVERIFY(f.medPURC_DATE->isReadOnly() && f.edtSTRG_CODE->isReadOnly());
        QCOMPARE(f.rgdOA010DT->rowCount(), 4);
        f.rgdOA010DT->setCurrentRow(1);
        QCOMPARE(f.edtITEM_CODE->text(), QStringLiteral("L1010002"));
        QTest::mouseClick(f.btnLineDelete, Qt::LeftButton);
        f.rgdOA010DT->setCurrentRow(f.rgdOA010DT->rowCount() - 1);
        s.addLine(QStringLiteral("한우 사태"), QStringLiteral("1"), QStringLiteral("2000"));
        s.enter(f.dbeREMARK_MS, QStringLiteral("수정됨"));
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(f.statusText(1), QStringLiteral("수정이 정상적으로 완료되었습니다."));
        QVERIFY(!f.medPURC_DATE->isReadOnly() && !f.edtSTRG_CODE->isReadOnly());

        QCOMPARE(rows(session, QStringLiteral("SELECT PURC_SEQ, ITEM_CODE, ORDER_SET_YN, A_ESTI_CODE, A_ESTI_NAME, B_ESTI_NAME, "
                                              "C_ESTI_NAME, A_COST_AMT, B_COST_AMT, C_COST_AMT FROM OA010DT ORDER BY PURC_SEQ")),
                 (QStringList{"1|L1010001|N|100001|갑상사|을상사|병상사|900|950|990", "2|L1010004|N|||||||",
                              "3|L1010005|N|||||||"}));
        QCOMPARE(rows(session, QStringLiteral("SELECT PURC_NUM, PURC_NO, APPR_GUBUN, REMARK, DELI_DATE, DELI_CONDITION, PAY_CONDITION FROM OA010MS")),
                 QStringList{"1|PU20260100009|1|수정됨|계약 후 7일|현장 인도|월말 현금"});
    }

    void statusDecidesEditAndDelete_data()
    {
        QTest::addColumn<QString>("appr");
        QTest::addColumn<bool>("ordered");
        QTest::addColumn<QString>("editRefusal");
        QTest::addColumn<QString>("deleteRefusal");
        QTest::newRow("approval cancelled") << "1" << false << QString() << QString();
        QTest::newRow("approved") << "2" << false << QStringLiteral("구매의뢰 확정 처리된 자료는 수정 할 수 없습니다.")
                                  << QStringLiteral("구매의뢰 확정 처리된 자료는 삭제할 수 없습니다.");
        QTest::newRow("ordered") << "3" << true << QStringLiteral("구매발주 처리된 자료는 수정 할 수 없습니다.")
                                 << QStringLiteral("구매발주 처리된 자료는 수정 할 수 없습니다.");
    }
    void statusDecidesEditAndDelete()
    {
        QFETCH(QString, appr);
        QFETCH(bool, ordered);
        QFETCH(QString, editRefusal);
        QFETCH(QString, deleteRefusal);
        TestSession session;
        fixtures::request(session.conn(), today(session), 1, QStringLiteral("PU20260100001"), appr,
                          {QStringLiteral("L1010001"), QStringLiteral("L1010002")});
        if (ordered)
            fixtures::exec(session.conn(), QStringLiteral("UPDATE OA010DT SET ORDER_SET_YN = 'Y' WHERE PURC_SEQ = 3"));
        DialogRecorder dialogs;
        Screen s;
        s.key(Qt::Key_F3);
        if (ordered)
            QCOMPARE(s.form.rgdOA010DT->cells(Lc::lcOrdered, 1), QStringLiteral("Y"));

        s.key(Qt::Key_F5);
        if (editRefusal.isEmpty()) {
            QCOMPARE(s.form.WorkMode, quint8(wmEdit));
            QVERIFY(dialogs.messages.isEmpty());
            s.key(Qt::Key_F8);
        } else {
            QCOMPARE(dialogs.texts(), QStringList{editRefusal});
            QVERIFY(s.form.bbtEdit->isEnabled());
        }
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        dialogs.clear();

        dialogs.answerYes();
        s.key(Qt::Key_F9);
        if (deleteRefusal.isEmpty()) {
            QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("선택된 자료를 삭제하시겠습니까?")});
            QCOMPARE(s.form.cdsOA010MS->recordCount(), 0);
            QCOMPARE(s.form.rgdOA010DT->rowCount(), 0);
            QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OA010DT")), QStringLiteral("0"));
        } else {
            QCOMPARE(dialogs.texts(), QStringList{deleteRefusal});
            QCOMPARE(s.form.cdsOA010MS->recordCount(), 1);
            QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OA010DT")), QStringLiteral("2"));
        }
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OA010MS")), deleteRefusal.isEmpty() ? "0" : "1");
    }

    // Another workstation approves or orders the request while this one
    // edits it, or while the user answers the delete question: the save and
    // the delete are refused with the reason and write nothing; the refused
    // edit ends, showing the request as it now is.
    void changedMeanwhile_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("editRefusal");
        QTest::addColumn<QString>("deleteRefusal");
        QTest::newRow("approved") << QStringLiteral("UPDATE OA010MS SET APPR_GUBUN = '2'")
                                  << QStringLiteral("구매의뢰 확정 처리된 자료는 수정 할 수 없습니다.")
                                  << QStringLiteral("구매의뢰 확정 처리된 자료는 삭제할 수 없습니다.");
        QTest::newRow("ordered") << QStringLiteral("UPDATE OA010DT SET ORDER_SET_YN = 'Y' WHERE PURC_SEQ = 1")
                                 << QStringLiteral("구매발주 처리된 자료는 수정 할 수 없습니다.")
                                 << QStringLiteral("구매발주 처리된 자료는 수정 할 수 없습니다.");
    }
    void changedMeanwhile()
    {
        QFETCH(QString, change);
        QFETCH(QString, editRefusal);
        QFETCH(QString, deleteRefusal);
        TestSession session;
        fixtures::request(session.conn(), today(session), 1, QStringLiteral("PU20260100001"), QStringLiteral("3"),
                          {QStringLiteral("L1010001"), QStringLiteral("L1010002")});
        ChangingOnQuestion dialogs;
        Screen s;
        s.key(Qt::Key_F3);
        s.key(Qt::Key_F5);
        s.enter(s.form.dbeREMARK_MS, QStringLiteral("바뀜"));
        fixtures::exec(session.conn(), change);
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.texts(), QStringList{editRefusal});
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        QVERIFY(s.form.bbtEdit->isEnabled() && !s.form.bbtSave->isEnabled());
        QCOMPARE(s.form.dbeREMARK_MS->text(), QString());
        QCOMPARE(session.scalar(QStringLiteral("SELECT COALESCE(REMARK,'-') FROM OA010MS")), QStringLiteral("-"));

        fixtures::exec(session.conn(), QStringLiteral("UPDATE OA010MS SET APPR_GUBUN = '3'"));
        fixtures::exec(session.conn(), QStringLiteral("UPDATE OA010DT SET ORDER_SET_YN = 'N'"));
        dialogs.clear();
        dialogs.answerYes();
        dialogs.onQuestion = [&] { fixtures::exec(session.conn(), change); };
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.texts(), (QStringList{QStringLiteral("선택된 자료를 삭제하시겠습니까?"), deleteRefusal}));
        QCOMPARE(s.form.cdsOA010MS->recordCount(), 1);
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OA010MS")), QStringLiteral("1"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OA010DT")), QStringLiteral("2"));
    }

    // Another workstation saves a request of the same day and warehouse and
    // has not committed when this one saves: both requests are kept.
    void twoWorkstationsSaveAtTheSameMoment()
    {
        TestSession session;
        const QString day = today(session);
        DialogRecorder dialogs;
        Screen s;
        s.key(Qt::Key_F4);
        s.enter(s.form.edtSTRG_CODE, QStringLiteral("110"));
        s.addLine(QStringLiteral("한우 채끝"), QStringLiteral("3"));

        OtherWorkstation other(session.alias());
        other.hold([&](db::Connection &conn) {   // this one's save now waits on the other's row or lock
            requests::RequestHeader header;
            header.key = {day, QStringLiteral("110"), {}};
            header.purcNo = DrawDocumentNumber(conn, QStringLiteral("PU"), day);
            requests::WriteRequest(conn, header, {{QStringLiteral("L1010001"), "1", "1", {}, "0", "1000", {}, "N", "0"}}, true);
        });
        s.key(Qt::Key_F2);
        QVERIFY(other.finish());
        QVERIFY2(other.error.isEmpty(), qPrintable(other.error));
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        QCOMPARE(s.form.cdsOA010MS->text(QStringLiteral("PURC_NUM")), QStringLiteral("2"));
        QCOMPARE(rows(session, QStringLiteral("SELECT A.PURC_NUM, B.ITEM_CODE FROM OA010MS A JOIN OA010DT B ON B.PURC_DATE = A.PURC_DATE "
                                              "AND B.STRG_CODE = A.STRG_CODE AND B.PURC_NUM = A.PURC_NUM ORDER BY A.PURC_NUM")),
                 (QStringList{"1|L1010001", "2|L1010003"}));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(DISTINCT PURC_NO) FROM OA010MS")), QStringLiteral("2"));
    }

    // From the menu to a saved request with the keyboard alone.
    void keyboardOnlyFromTheMenu()
    {
        TestSession session;
        DialogRecorder dialogs;
        TfrmO0Main w;
        QVERIFY(w.FormCreate());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *entry = w.findChild<QAction *>(QStringLiteral("OAI010"));
        QVERIFY(entry);
        entry->trigger();
        auto *f = w.pgcTabs->currentWidget()->findChild<TfrmOAI010 *>();
        QVERIFY(f && f->isVisible());
        auto key = [f](Qt::Key k) {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : f, k);
        };
        auto type = [](const QString &text) { typeText(QApplication::focusWidget(), text); };

        key(Qt::Key_F4);
        QCOMPARE(QApplication::focusWidget(), f->medPURC_DATE);
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f->edtSTRG_CODE);
        type(QStringLiteral("110"));
        key(Qt::Key_Return);
        QTest::qWait(0);
        QCOMPARE(f->edtSTRG_CODE_NM->text(), QStringLiteral("식품창고"));
        QCOMPARE(QApplication::focusWidget(), f->medPLAN_DATE);
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f->dbeREMARK_MS);
        type(QStringLiteral("주간 보충"));
        key(Qt::Key_Return);
        type(QStringLiteral("김담당"));
        key(Qt::Key_Return);
        type(QStringLiteral("033-123-4567"));
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f->edtITEM_NAME);

        // Several names begin so: the list opens and the user picks one.
        QStringList listed;
        dialogs.dialogHandlers.enqueue([&listed](QDialog *d) {
            auto *wnd = qobject_cast<TfrmPopupWnd *>(d);
            if (!wnd)
                return int(QDialog::Rejected);
            for (int row = 0; row < wnd->DBGrid->rowCount(); ++row) {
                listed << wnd->DBGrid->cellText(0, row);
                if (listed.last() == QLatin1String("L1010003"))
                    wnd->DBGrid->setCurrentRow(row);
            }
            QTest::keyClick(wnd->DBGrid, Qt::Key_Return);
            return wnd->result();
        });
        type(QStringLiteral("한우"));
        key(Qt::Key_Return);
        QVERIFY(dialogs.dialogHandlers.isEmpty());
        QCOMPARE(listed.size(), 6);
        QCOMPARE(f->edtITEM_CODE->text(), QStringLiteral("L1010003"));
        QCOMPARE(QApplication::focusWidget(), f->edtNEED_QTY);
        type(QStringLiteral("12"));
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f->edtESTI_AMT);
        type(QStringLiteral("48000"));
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f->chkEMER_CHK);
        key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f->edtREMARK_DT);
        type(QStringLiteral("연회"));
        key(Qt::Key_Return);
        QCOMPARE(f->rgdOA010DT->rowCount(), 2);
        key(Qt::Key_F2);

        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(f->WorkMode, quint8(wmBrowse));
        const QString no = session.scalar(QStringLiteral("SELECT PURC_NO FROM OA010MS"));
        QCOMPARE(no.size(), 13);
        QVERIFY(no.startsWith(QLatin1String("PU")));
        QCOMPARE(rows(session, QStringLiteral("SELECT STRG_CODE, REMARK, CHAR_NAME, CHAR_TEL FROM OA010MS")),
                 QStringList{"110|주간 보충|김담당|033-123-4567"});
        QCOMPARE(rows(session, QStringLiteral("SELECT PURC_SEQ, ITEM_CODE, QTY, NEED_QTY, ESTI_AMT, REMARK FROM OA010DT")),
                 QStringList{"1|L1010003|12|12|48000|연회"});
    }
};

QTEST_MAIN(TestOAI010)
#include "tst_OAI010.moc"
