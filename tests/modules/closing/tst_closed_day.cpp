// A closed day refuses every stock-changing operation on documents of that
// day: one row per operation, all through the one shared check, each
// attempted as a user on a closed day and leaving the stock as it was.
//
// A row is (operation, date tested, refusal text, prepare, attempt):
// - operation: what the user does, by its name on the screen's side;
// - date tested: which date of the document the check reads;
// - refusal text: what the user is told, for the closed day kDay;
// - prepare: what the operation needs on `day` while it is still open (the
//   document it acts on, stock to issue from), or nothing;
// - attempt: drives the screen to do the operation on a document whose
//   tested date is `day`, answering every question with yes.
// The fixture has, on kDay in warehouse 110, a posted opening stock list and
// a posted stock count, so deletions have something to delete; the row is
// prepared, then the day is closed on the daily closing screen. Neither the
// documents nor the stock may change, nor a document number be drawn.
//
// Returns of issued goods are the one stock change a closed day takes.

#include "ClosingScreenFixtures.h"
#include "modules/issues/IssueFixtures.h"
#include "modules/closing/OEB030.h"
#include "modules/closing/OEI010.h"
#include "modules/issues/ODI010.h"
#include "modules/issues/ODI011.h"
#include "modules/issues/ODI020.h"
#include "modules/issues/ODI021.h"
#include "modules/issues/ODI030.h"
#include "modules/issues/ODI031.h"
#include "modules/issues/ODI040.h"
#include "modules/issues/ODI050.h"
#include "modules/master/OXI080.h"
#include "modules/receiving/ReceivingFixtures.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QDate>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace fixtures;

namespace {

const QString kDay = QStringLiteral("2026-05-20");
const QString kRefusal = QStringLiteral("2026-05-20 해당 일자는 마감 완료 되었습니다.");

const QString kStore = QStringLiteral("110");
const QString kDrinks = QStringLiteral("120");
const QString kKitchen = QStringLiteral("210");
const QString kTenderloin = QStringLiteral("L1010002");
const QString kTenderloinName = QStringLiteral("한우 안심");
const QString kIssueNo = QStringLiteral("DE20260500001");
const QString kIssueOutLegNo = QStringLiteral("DE20260500002");
const QString kTransferNo = QStringLiteral("MO20260500001");
const QString kIssueOutNo = QStringLiteral("MO20260500002");
const QString kSupplier = QStringLiteral("100002");

using Prepare = std::function<void(TestSession &, const QString &day)>;
using Attempt = std::function<void(DialogRecorder &, const QString &day)>;

struct ClosedDayRow {
    const char *operation;
    const char *dateTested;
    QString refusal;
    Prepare prepare;
    Attempt attempt;
};

// The search panel of a stock screen on a warehouse and a day.
template <typename Form>
void searchFor(ScreenDriver<Form> &s, const QString &day)
{
    s.type("edtSTRG_CODE_S", "110");
    s.key(Qt::Key_Tab);
    s.type("medSILS_DATE_S", day);
    s.key(Qt::Key_F3);
}

void newOpeningStock(DialogRecorder &dialogs, const QString &day)
{
    ScreenDriver<TfrmOXI080> s;
    searchFor(s, day);
    s.key(Qt::Key_F4);
    dialogs.dialogHandlers.enqueue([](QDialog *) { return QDialog::Accepted; });
    s.type("edtITEM_NAME", QStringLiteral("한우 안심"));
    s.key(Qt::Key_Tab);
    s.type("edtSils_Qty", "3");
    s.form.btnLineAppend->click();
    dialogs.answerYes();
    s.key(Qt::Key_F2);
}

void deleteOpeningStock(DialogRecorder &dialogs, const QString &day)
{
    ScreenDriver<TfrmOXI080> s;
    searchFor(s, day);
    dialogs.answerYes();
    s.key(Qt::Key_F9);
}

void openingStockBatch(DialogRecorder &, const QString &day)
{
    ScreenDriver<TfrmOXI080> s;
    s.type("medSILS_DATE_S", day);
    s.form.Button1->click();
}

void newStockCount(DialogRecorder &dialogs, const QString &day)
{
    ScreenDriver<TfrmOEI010> s;
    s.type("edtSTRG_CODE_S", "210");
    s.key(Qt::Key_Tab);
    s.type("medSILS_DATE_S", day);
    s.key(Qt::Key_F4);
    dialogs.dialogHandlers.enqueue([](QDialog *) { return QDialog::Accepted; });
    s.type("edtITEM_NAME", QStringLiteral("한우 안심"));
    s.key(Qt::Key_Tab);
    s.type("edtSils_Qty", "3");
    s.form.btnLineAppend->click();
    dialogs.answerYes();
    s.key(Qt::Key_F2);
}

void deleteStockCount(DialogRecorder &dialogs, const QString &day)
{
    ScreenDriver<TfrmOEI010> s;
    searchFor(s, day);
    dialogs.answerYes();
    s.key(Qt::Key_F9);
}

QString dayAfter(const QString &day)
{
    return QDate::fromString(day, Qt::ISODate).addDays(1).toString(Qt::ISODate);
}

// Ten tenderloins received into the store on the day, to issue from.
void stocked(TestSession &s, const QString &day)
{
    issuefx::receive(s, kStore, {{kTenderloin, 10}}, day);
}

// An inspected receipt of the day, not yet confirmed.
void inspectedReceipt(TestSession &s, const QString &day)
{
    addReceipt(s.conn(), day, QStringLiteral("100001"), kStore,
               {{kTenderloin, 3, 30000, QStringLiteral("1"), {}, {}, {}}});
}

// The receipts inspected up to `listedUntil`, all ticked and run with
// `putDate` in the confirmation date field.
void runReceiptConfirmation(const QString &putDate, const QString &listedUntil)
{
    ReceiptConfirmationScreen s;
    issuefx::typeDate(s.form.medINSP_DATE_S, QStringLiteral("2026-01-01"));
    issuefx::typeDate(s.form.medINSP_DATE_E, listedUntil);
    s.search();
    s.typeDate(putDate);
    QTest::mouseClick(s.form.bbtSelectAll, Qt::LeftButton);
    QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
}

void confirmReceipt(DialogRecorder &, const QString &day)
{
    runReceiptConfirmation(day, day);
}

// An open day in the field must not open the closed day the receipt was received on.
void reverseReceipt(DialogRecorder &, const QString &day)
{
    runReceiptConfirmation(dayAfter(day), day);
}

void saveIssue(DialogRecorder &, const QString &day)
{
    issuefx::IssueEntryScreen<TfrmODI010> s;
    s.startIssue(kStore, day);
    s.addLine(kTenderloinName, QStringLiteral("3"));
    s.key(Qt::Key_F2);
}

// An issue request of the day, waiting for its confirmation.
void requestedIssue(TestSession &s, const QString &day)
{
    stocked(s, day);
    stockfx::Documents docs(s.conn());
    docs.issue(kIssueNo, QStringLiteral("1"), day, kStore, {{kTenderloin, 3}});
    docs.setIssueApproval(kIssueNo, QStringLiteral("3"), QString());
}

// The document `number` of the day ticked and run with `apprDate` in the confirmation date field.
template <typename Form>
void runListed(const QString &numberColumn, const QString &number, const QString &day, const QString &apprDate)
{
    issuefx::ConfirmationListScreen<Form> s(numberColumn);
    issuefx::typeDate(s.form.medDATE_S, day);
    issuefx::typeDate(s.form.medDATE_E, day);
    issuefx::typeDate(s.form.medAPPR_DATE, apprDate);
    s.tick({number});
    s.run();
}

void confirmIssue(DialogRecorder &, const QString &day)
{
    runListed<TfrmODI011>(QStringLiteral("DELI_NO"), kIssueNo, day, day);
}

template <typename Form>
void saveTransfer(const QString &to, const QString &day)
{
    issuefx::TransferEntryScreen<Form> s;
    s.save(kStore, to, QStringLiteral("3"), day);
}

void saveIssueOutTransfer(DialogRecorder &, const QString &day)
{
    saveTransfer<TfrmODI030>(kKitchen, day);
}

void savePlainTransfer(DialogRecorder &, const QString &day)
{
    saveTransfer<TfrmODI020>(kDrinks, day);
}

// Transfers of the day waiting for their confirmation: a plain one to the
// drinks store and an issue-out to the kitchen with its issue there.
void requestedTransfers(TestSession &s, const QString &day)
{
    stocked(s, day);
    stockfx::Documents docs(s.conn());
    docs.transfer(kTransferNo, QStringLiteral("1"), day, kStore, kDrinks, {{kTenderloin, 2}}, QString());
    docs.setTransferApproval(kTransferNo, QStringLiteral("3"), QString());
    docs.issue(kIssueOutLegNo, QStringLiteral("2"), day, kKitchen, {{kTenderloin, 2}});
    docs.transfer(kIssueOutNo, QStringLiteral("2"), day, kStore, kKitchen, {{kTenderloin, 2}}, QString(), kIssueOutLegNo);
    docs.setTransferApproval(kIssueOutNo, QStringLiteral("3"), QString());
}

void confirmPlainTransfer(DialogRecorder &, const QString &day)
{
    runListed<TfrmODI021>(QStringLiteral("MOVE_NO"), kTransferNo, day, day);
}

void confirmIssueOutTransfer(DialogRecorder &, const QString &day)
{
    runListed<TfrmODI031>(QStringLiteral("MOVE_NO"), kIssueOutNo, day, day);
}

void saveSupplierReturn(DialogRecorder &, const QString &day)
{
    issuefx::SupplierReturnScreen<TfrmODI040> s;
    s.startReturn(kStore, day);
    s.addLine(kTenderloinName, QStringLiteral("1"), QStringLiteral("1000"), QStringLiteral("100"), false);
    s.key(Qt::Key_F2);
}

// A posted return of the day to the supplier.
void returnedToSupplier(TestSession &s, const QString &day)
{
    stocked(s, day);
    stockfx::Documents(s.conn()).supplierReturn(day, kSupplier, 1, kStore, {{kTenderloin, 2}});
    QCOMPARE(stockfx::call(s.conn(), QStringLiteral("PR_O_DATE_STOCK_RETU_UPDATE"),
                           {{"I_RETU_DATE", day}, {"I_C_CODE", kSupplier}, {"I_RETU_NUM", "1"}, {"I_FLAG", "INS"}}),
             QStringLiteral("Y"));
}

void deleteSupplierReturn(DialogRecorder &dialogs, const QString &day)
{
    issuefx::SupplierReturnScreen<TfrmODI040> s;
    issuefx::typeDate(s.form.medRETU_DATE_S, day);
    issuefx::typeDate(s.form.medRETU_DATE_E, day);
    s.key(Qt::Key_F3);
    s.form.rgdOD030MS->setFocus();
    dialogs.answerYes();
    s.key(Qt::Key_F9);
}

void saveDisposal(DialogRecorder &, const QString &day)
{
    issuefx::IssueEntryScreen<TfrmODI050> s;
    s.startIssue(kStore, day);
    s.form.cbDELI_GUBUN->setCurrentIndex(0);
    s.addLine(kTenderloinName, QStringLiteral("2"));
    s.key(Qt::Key_F2);
}

// A posted disposal of the day.
void disposed(TestSession &s, const QString &day)
{
    stocked(s, day);
    stockfx::Documents(s.conn()).issue(kIssueNo, QStringLiteral("4"), day, kStore, {{kTenderloin, 2}});
    QCOMPARE(stockfx::post(s.conn(), QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"), kIssueNo,
                           QStringLiteral("INS")), QStringLiteral("Y"));
}

void deleteDisposal(DialogRecorder &dialogs, const QString &day)
{
    issuefx::IssueEntryScreen<TfrmODI050> s;
    issuefx::typeDate(s.form.medDELI_DATE_S, day);
    issuefx::typeDate(s.form.medDELI_DATE_E, day);
    s.key(Qt::Key_F3);
    s.form.rgdOD010MS->setFocus();
    dialogs.answerYes();
    s.key(Qt::Key_F9);
}

// A confirmed, posted issue of the day.
void confirmedIssue(TestSession &s, const QString &day)
{
    stocked(s, day);
    stockfx::Documents(s.conn()).issue(kIssueNo, QStringLiteral("1"), day, kStore, {{kTenderloin, 3}}, day);
    QCOMPARE(stockfx::post(s.conn(), QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"), kIssueNo,
                           QStringLiteral("INS")), QStringLiteral("Y"));
}

// A plain transfer of the day, confirmed and posted.
void confirmedTransfer(TestSession &s, const QString &day)
{
    stocked(s, day);
    stockfx::Documents docs(s.conn());
    docs.transfer(kTransferNo, QStringLiteral("1"), day, kStore, kDrinks, {{kTenderloin, 2}}, day);
    QCOMPARE(stockfx::post(s.conn(), QStringLiteral("PR_O_DATE_STOCK_MOVE_UPDATE"), QStringLiteral("I_MOVE_NO"), kTransferNo,
                           QStringLiteral("INS")), QStringLiteral("Y"));
}

// An open day in the field must not open the closed day the posting was made on.
void cancelIssue(DialogRecorder &, const QString &day)
{
    runListed<TfrmODI011>(QStringLiteral("DELI_NO"), kIssueNo, day, dayAfter(day));
}

// As for an issue.
void cancelTransfer(DialogRecorder &, const QString &day)
{
    runListed<TfrmODI021>(QStringLiteral("MOVE_NO"), kTransferNo, day, dayAfter(day));
}

const QList<ClosedDayRow> &rows()
{
    static const QList<ClosedDayRow> table = {
        // operation                            date tested                   refusal   prepare             attempt
        {"saving opening stock",                "the opening date",           kRefusal, {},                 newOpeningStock},
        {"deleting opening stock",              "the opening date",           kRefusal, {},                 deleteOpeningStock},
        {"posting the opening stock of a date", "the opening date",           kRefusal, {},                 openingStockBatch},
        {"saving a stock count",                "the count date",             kRefusal, {},                 newStockCount},
        {"deleting a stock count",              "the count date",             kRefusal, {},                 deleteStockCount},
        {"confirming a receipt",                "the date in the field",      kRefusal, inspectedReceipt,   confirmReceipt},
        {"reversing a confirmed receipt",       "the receipt's PUT_DATE",     kRefusal, stocked,            reverseReceipt},
        {"saving an issue",                     "the issue date",             kRefusal, stocked,            saveIssue},
        {"confirming an issue",                 "the confirmation date",      kRefusal, requestedIssue,     confirmIssue},
        {"cancelling a confirmed issue",        "the issue's APPR_DATE",      kRefusal, confirmedIssue,     cancelIssue},
        {"saving a transfer issue-out",         "the transfer date",          kRefusal, stocked,            saveIssueOutTransfer},
        {"saving a transfer",                   "the transfer date",          kRefusal, stocked,            savePlainTransfer},
        {"confirming a transfer",               "the confirmation date",      kRefusal, requestedTransfers, confirmPlainTransfer},
        {"confirming a transfer issue-out",     "the confirmation date",      kRefusal, requestedTransfers, confirmIssueOutTransfer},
        {"cancelling a confirmed transfer",     "the transfer's APPR_DATE",   kRefusal, confirmedTransfer,  cancelTransfer},
        {"saving a return to supplier",         "the return date",            kRefusal, stocked,            saveSupplierReturn},
        {"deleting a return to supplier",       "the return date",            kRefusal, returnedToSupplier, deleteSupplierReturn},
        {"saving a disposal",                   "the issue date",             kRefusal, stocked,            saveDisposal},
        {"deleting a disposal",                 "the issue date",             kRefusal, disposed,           deleteDisposal},
    };
    return table;
}

// The month's stock row, and the day's opening stock and count posted.
void postedListsOfTheDay(db::Connection &conn)
{
    stockRow(conn, "202605", "110", kMayItem, 10, 1000, 22);
    silsLine(conn, kDay, "110", kMayItem, "1", 4, 120, 480);
    silsLine(conn, kDay, "110", kMayItem, "2", 25, 3, 22);
    for (const char *kind : {"opening", "count"}) {
        db::ProcInputs inputs{{"I_SILS_DATE", kDay}, {"I_STRG_CODE", "110"}, {"I_FLAG", "INS"}};
        if (QLatin1String(kind) == QLatin1String("count"))
            inputs.append({QStringLiteral("I_DIVE_CODE"), QString()});
        QCOMPARE(call(conn, "PR_O_DATE_STOCK_SIL_UPDATE", inputs), QStringLiteral("Y"));
    }
}

QString stockOfMayItem(TestSession &s)
{
    return s.scalar(QStringLiteral("SELECT STOC_QTY FROM OZ010MS WHERE STOC_YYMM = '202605' AND STRG_CODE = :S AND ITEM_CODE = :I"),
                    {{QStringLiteral("S"), kStore}, {QStringLiteral("I"), kMayItem}});
}

// The day closed as the user closes it, on the daily closing screen.
void closeDay(const QString &day)
{
    ScreenDriver<TfrmOEB030> s;
    s.type("medYYMM", day.left(4) + day.mid(5, 2));
    s.key(Qt::Key_F3);
    s.form.rgdEnd->setFocus();
    s.form.rgdEnd->setCurrentCell(0, s.form.cdsEnd->find(QStringLiteral("CLOS_DATE"), day));
    QTest::keyClick(s.form.rgdEnd, Qt::Key_Space);
    s.form.bbEnd->click();
}

QStringList stockState(db::Connection &conn)
{
    QStringList state = snapshot(conn);
    // The documents, and the numbers drawn for them.
    for (const char *table : {"OC010MS", "OC010DT", "OD010MS", "OD010DT", "OD020MS", "OD020DT", "OD030MS", "OD030DT", "OZ090MS"}) {
        db::Query q(conn, QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table)));
        q.exec();
        QStringList documents;
        while (q.next()) {
            QStringList values{QLatin1String(table)};
            for (int c = 0; c < q.columns().size(); ++c)
                values << q.text(c);
            documents << values.join(QLatin1Char('|'));
        }
        documents.sort();
        state << documents;
    }
    db::Query q(conn, QStringLiteral("SELECT SILS_DATE, STRG_CODE, ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST FROM OZ020MS "
                                     "ORDER BY 1, 2, 3, 4"));
    q.exec();
    while (q.next())
        state << QStringList{q.text(0), q.text(1), q.text(2), q.text(3), q.text(4), q.text(5)}.join(QLatin1Char('|'));
    return state;
}

} // namespace

class TestClosedDay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closedDayRefusesEveryStockChange_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < rows().size(); ++i)
            QTest::newRow(rows().at(i).operation) << i;
    }
    void closedDayRefusesEveryStockChange()
    {
        QFETCH(int, row);
        const ClosedDayRow &r = rows().at(row);
        TestSession session;
        db::Connection &conn = session.conn();
        postedListsOfTheDay(conn);
        if (r.prepare)
            r.prepare(session, kDay);
        DialogRecorder dialogs;
        closeDay(kDay);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("일마감 [PR_O_DAY_END] 처리가 완료 되었습니다.")});
        dialogs.clear();
        const QStringList before = stockState(conn);

        r.attempt(dialogs, kDay);
        QVERIFY2(dialogs.texts().contains(r.refusal),
                 qPrintable(QStringLiteral("%1 (%2): %3").arg(QLatin1String(r.operation), QLatin1String(r.dateTested),
                                                              dialogs.texts().join(QLatin1String(" / ")))));
        QCOMPARE(dialogs.lastText(), r.refusal);
        QCOMPARE(stockState(conn), before);
    }

    // Goods issued and brought back are returned on whatever day they come
    // back: the closed day takes the return and its posting.
    void closedDayTakesReturnsOfIssuedGoods()
    {
        TestSession session;
        db::Connection &conn = session.conn();
        postedListsOfTheDay(conn);
        DialogRecorder dialogs;
        closeDay(kDay);
        dialogs.clear();
        const QString stockBefore = stockOfMayItem(session);

        IssuedGoodsReturnScreen s;
        s.key(Qt::Key_F4);
        issuefx::typeDate(s.form.medDELI_DATE, kDay);
        s.type(s.form.edtSTRG_CODE, kStore);
        s.leave(s.form.edtSTRG_CODE);
        s.line(kMayItem, QStringLiteral("3"));
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(s.form.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
        QCOMPARE(session.scalar(QStringLiteral("SELECT TO_CHAR(DELI_DATE,'YYYY-MM-DD') || ':' || DELI_GUBUN FROM OD010MS")),
                 kDay + QStringLiteral(":3"));
        QCOMPARE(stockOfMayItem(session).toDouble(), stockBefore.toDouble() + 3);
    }
};

QTEST_MAIN(TestClosedDay)
#include "tst_closed_day.moc"
