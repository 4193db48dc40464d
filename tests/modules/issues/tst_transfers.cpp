// Transfers between warehouses driven as a user drives them: a transfer and
// a transfer issue-out with both legs in the monthly stock, the refusal of a
// transfer within one warehouse, and a transfer issue-out cancelled,
// changed and deleted together with its issue.

#include "IssueFixtures.h"
#include "modules/issues/ODI020.h"
#include "modules/issues/ODI021.h"
#include "modules/issues/ODI030.h"
#include "modules/issues/ODI031.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "reports/Preview.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QPushButton>

using namespace issuefx;

namespace {

const QString kStore = QStringLiteral("110");
const QString kDrinks = QStringLiteral("120");
const QString kKitchen = QStringLiteral("210");
const QString kTenderloin = QStringLiteral("L1010002");

template <typename Form>
using Entry = TransferEntryScreen<Form>;

// Stock columns of a warehouse's row of the month: moved in, moved out, issued, stock.
QString movement(TestSession &s, const QString &strg, const QString &day)
{
    return rows(s.conn(), QStringLiteral("SELECT CAST(MOVE_PUT_QTY AS INTEGER), CAST(MOVE_DELI_QTY AS INTEGER), "
                                         "CAST(CURR_DELI_QTY AS INTEGER), CAST(STOC_QTY AS INTEGER) FROM OZ010MS "
                                         "WHERE STRG_CODE = :S AND ITEM_CODE = :I AND STOC_YYMM = :M"),
                {{QStringLiteral("S"), strg}, {QStringLiteral("I"), kTenderloin}, {QStringLiteral("M"), QString(day).remove(u'-').left(6)}});
}

QString issueLeg(TestSession &s)
{
    return rows(s.conn(), QStringLiteral("SELECT A.DELI_NO, A.STRG_CODE, A.DELI_GUBUN, A.APPR_GUBUN, A.APPR_DATE, B.ITEM_CODE, "
                                         "CAST(B.QTY AS INTEGER) FROM OD010MS A JOIN OD010DT B ON B.DELI_DATE = A.DELI_DATE "
                                         "AND B.STRG_CODE = A.STRG_CODE AND B.DELI_NUM = A.DELI_NUM"));
}

} // namespace

class TestTransfers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Out of the source, into the target.
    void warehouseTransfer()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 5}}, day);
        Entry<TfrmODI020> s;
        s.save(kStore, kDrinks, QStringLiteral("3"));
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.form.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT MOVE_GUBUN, APPR_GUBUN, APPR_DATE, DELI_NO FROM OD020MS")),
                 QStringLiteral("1:2:%1:").arg(day));
        QCOMPARE(movement(session, kStore, day), QStringLiteral("0:3:0:2"));
        QCOMPARE(movement(session, kDrinks, day), QStringLiteral("3:0:0:3"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD010MS")), QStringLiteral("0"));
        VERIFY_STOCK_INVARIANTS(session);
        QCOMPARE(s.form.cdsOD020MS->text(QStringLiteral("APPR_GUBUN_NM")), QStringLiteral("확    정"));
    }

    // Out of the source, into the target and issued there: the target's
    // stock stays, its issue carries the same lines.
    void transferIssueOut()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 5}}, day);
        Entry<TfrmODI030> s;
        s.save(kStore, kKitchen, QStringLiteral("3"));
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        const QString deliNo = session.scalar(QStringLiteral("SELECT DELI_NO FROM OD020MS WHERE MOVE_GUBUN = '2'"));
        QVERIFY(deliNo.startsWith(QStringLiteral("DE")));
        QCOMPARE(s.form.edtDELI_NO->text(), deliNo);
        QCOMPARE(issueLeg(session), QStringLiteral("%1:210:2:2:%2:%3:3").arg(deliNo, day, kTenderloin));
        QCOMPARE(movement(session, kStore, day), QStringLiteral("0:3:0:2"));
        QCOMPARE(movement(session, kKitchen, day), QStringLiteral("3:0:3:0"));
        VERIFY_STOCK_INVARIANTS(session);

        QTest::mouseClick(s.form.bbtPreview, Qt::LeftButton);
        auto *preview = s.form.findChild<reports::PreviewWindow *>();
        QVERIFY(preview);
        const reports::Page &page = preview->pane()->document().pages.at(0);
        QCOMPARE(page.text(QStringLiteral("qrlTitle")), QStringLiteral("이동불출의뢰서"));
        QCOMPARE(page.text(QStringLiteral("qrlStrg_Code")), QStringLiteral("[110] 식품창고 에서 [210] 한식당 주방"));
        QCOMPARE(page.text(QStringLiteral("qrlSum")), QStringLiteral("0"));
    }

    // The number filter matches by prefix, an empty state filter lists every
    // state; a cancelled transfer leaves both warehouses as before.
    void transferConfirmation()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 5}}, day);
        stockfx::Documents docs(session.conn());
        docs.transfer(QStringLiteral("MO20990100011"), QStringLiteral("1"), day, kStore, kDrinks, {{kTenderloin, 2}}, day);
        QCOMPARE(stockfx::post(session.conn(), QStringLiteral("PR_O_DATE_STOCK_MOVE_UPDATE"), QStringLiteral("I_MOVE_NO"),
                               QStringLiteral("MO20990100011"), QStringLiteral("INS")), QStringLiteral("Y"));
        docs.transfer(QStringLiteral("MO20990100020"), QStringLiteral("1"), day, kStore, kDrinks, {{kTenderloin, 1}}, QString());
        stockfx::exec(session.conn(), QStringLiteral("UPDATE OD020MS SET APPR_GUBUN = '3' WHERE MOVE_NO = 'MO20990100020'"));

        ScreenDriver<TfrmODI021> s;
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.cdsList->recordCount(), 2);
        s.form.edtNO_S->setText(QStringLiteral("MO209901000"));
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.cdsList->recordCount(), 2);
        s.form.edtNO_S->setText(QStringLiteral("MO2099010001"));
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.cdsList->recordCount(), 1);
        QCOMPARE(s.form.bbtAppr->text(), QStringLiteral("확정취소"));
        s.form.cdsList->setValue(0, QStringLiteral("SEL"), QStringLiteral("1"));
        QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.form.cdsList->text(QStringLiteral("APPR_GUBUN_NM")), QStringLiteral("확정취소"));
        QCOMPARE(movement(session, kStore, day), QStringLiteral("0:0:0:5"));
        QCOMPARE(movement(session, kDrinks, day), QStringLiteral("0:0:0:0"));
        VERIFY_STOCK_INVARIANTS(session);
    }

    void refusedSaves_data()
    {
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("qty");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("message");
        // Within one warehouse nothing would move.
        QTest::newRow("same warehouse") << kStore << QStringLiteral("3") << false << QStringLiteral("출고창고와 입고창고가 같습니다.");
        QTest::newRow("closed day") << kDrinks << QStringLiteral("3") << true << QString();
        // Another workstation issued part of the stock after the line was added.
        QTest::newRow("stock taken meanwhile") << kDrinks << QStringLiteral("5") << false
                                               << QStringLiteral("출고 수량이 현재고 수량을 초과 하였습니다");
    }
    // Nothing is written, no number is drawn, the entry stays open.
    void refusedSaves()
    {
        QFETCH(QString, to);
        QFETCH(QString, qty);
        QFETCH(bool, closed);
        QFETCH(QString, message);
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 5}}, day);
        if (closed)
            stockfx::exec(session.conn(), QStringLiteral("INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES (:D, 'Y')"), {{"D", day}});
        Entry<TfrmODI020> s;
        s.enter(kStore, to, qty);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        const bool taken = qty == QLatin1String("5");
        if (taken) {
            stockfx::Documents(session.conn()).issue(QStringLiteral("DE20990100001"), QStringLiteral("1"), day, kStore,
                                                     {{kTenderloin, 1}}, day);
            QCOMPARE(stockfx::post(session.conn(), QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"),
                                   QStringLiteral("DE20990100001"), QStringLiteral("INS")), QStringLiteral("Y"));
        }
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), closed ? day + QStringLiteral(" 해당 일자는 마감 완료 되었습니다.") : message);
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        if (!taken)
            QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OZ090MS WHERE ADMIN_GUBUN = 'MO'")), QStringLiteral("0"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD020MS")), QStringLiteral("0"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD020DT")), QStringLiteral("0"));
        VERIFY_STOCK_INVARIANTS(session);
    }

    // Cancelled in the confirmation screen the transfer and its issue are
    // reversed together and keep their date; changed, both are rewritten and
    // posted again; deleted, both are gone.
    void issueOutCancelledChangedDeleted()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 5}}, day);
        Entry<TfrmODI030> entry;
        entry.save(kStore, kKitchen, QStringLiteral("3"));
        const QString deliNo = session.scalar(QStringLiteral("SELECT DELI_NO FROM OD020MS"));

        {
            ScreenDriver<TfrmODI031> confirm;
            confirm.form.medAPPR_DATE->setPlainText(QStringLiteral("2099-12-31"));
            confirm.key(Qt::Key_F3);
            QCOMPARE(confirm.form.cdsList->recordCount(), 1);
            confirm.form.cdsList->setValue(0, QStringLiteral("SEL"), QStringLiteral("1"));
            QTest::mouseClick(confirm.form.bbtAppr, Qt::LeftButton);
            QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        }
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT APPR_GUBUN, APPR_DATE FROM OD020MS")), QStringLiteral("1:%1").arg(day));
        QCOMPARE(issueLeg(session), QStringLiteral("%1:210:2:1:%2:%3:3").arg(deliNo, day, kTenderloin));
        QCOMPARE(movement(session, kStore, day), QStringLiteral("0:0:0:5"));
        QCOMPARE(movement(session, kKitchen, day), QStringLiteral("0:0:0:0"));
        VERIFY_STOCK_INVARIANTS(session);

        entry.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&entry.form));
        entry.key(Qt::Key_F3);
        entry.form.rgdOD020MS->setFocus();
        entry.key(Qt::Key_F5);
        QCOMPARE(entry.form.WorkMode, quint8(wmEdit));
        entry.form.cdsOD020DT->moveTo(0);
        entry.form.edtQTY->setFocus();
        entry.form.edtQTY->selectAll();
        QTest::keyClicks(entry.form.edtQTY, QStringLiteral("4"));
        QTest::mouseClick(entry.form.btnLineAppend, Qt::LeftButton);
        entry.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(issueLeg(session), QStringLiteral("%1:210:2:2:%2:%3:4").arg(deliNo, day, kTenderloin));
        QCOMPARE(session.scalar(QStringLiteral("SELECT CAST(QTY AS INTEGER) FROM OD020DT")), QStringLiteral("4"));
        QCOMPARE(movement(session, kStore, day), QStringLiteral("0:4:0:1"));
        QCOMPARE(movement(session, kKitchen, day), QStringLiteral("4:0:4:0"));
        VERIFY_STOCK_INVARIANTS(session);

        // Cancelled once more (as the confirmation screen does), then deleted.
        stockfx::exec(session.conn(), QStringLiteral("UPDATE OD020MS SET APPR_GUBUN = '1'"));
        stockfx::exec(session.conn(), QStringLiteral("UPDATE OD010MS SET APPR_GUBUN = '1'"));
        QCOMPARE(stockfx::post(session.conn(), QStringLiteral("PR_O_DATE_STOCK_MOVE_UPDATE"), QStringLiteral("I_MOVE_NO"),
                               session.scalar(QStringLiteral("SELECT MOVE_NO FROM OD020MS")), QStringLiteral("DEL")),
                 QStringLiteral("Y"));
        entry.key(Qt::Key_F3);
        entry.form.rgdOD020MS->setFocus();
        dialogs.answerYes();
        entry.key(Qt::Key_F9);
        QCOMPARE(entry.form.statusText(1), QStringLiteral("삭제가 완료 되었습니다"));
        for (const char *table : {"OD020MS", "OD020DT", "OD010MS", "OD010DT"})
            QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)), QStringLiteral("0"));
        QCOMPARE(movement(session, kStore, day), QStringLiteral("0:0:0:5"));
        VERIFY_STOCK_INVARIANTS(session);
    }
};

QTEST_MAIN(TestTransfers)
#include "tst_transfers.moc"
