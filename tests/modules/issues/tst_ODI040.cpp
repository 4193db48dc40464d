// Returns to suppliers driven as a user drives them: an exchange return and
// a plain return with typed tax on one document, a repeated item merged, the
// remark kept within its column, a change of warehouse, and the closed day.

#include "IssueFixtures.h"
#include "modules/issues/ODI040.h"
#include "framework/ZOI010.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "modules/issues/ODP045.h"
#include "reports/Preview.h"
#include "reports/Viewer.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"
#include "modules/issues/IssuesArea.h"

#include <QPushButton>
#include <QRadioButton>

using namespace issuefx;

namespace {

const QString kStore = QStringLiteral("110");
const QString kDrinks = QStringLiteral("120");
const QString kTenderloin = QStringLiteral("L1010002");
const QString kStriploin = QStringLiteral("L1010003");

using Screen = SupplierReturnScreen<TfrmODI040>;

// Returned and stock of the month for the item in the warehouse.
QString returned(TestSession &s, const QString &strg, const QString &item, const QString &day)
{
    return rows(s.conn(), QStringLiteral("SELECT CAST(CURR_RETU_QTY AS INTEGER), CAST(STOC_QTY AS INTEGER) FROM OZ010MS "
                                         "WHERE STRG_CODE = :S AND ITEM_CODE = :I AND STOC_YYMM = :M"),
                {{QStringLiteral("S"), strg}, {QStringLiteral("I"), item}, {QStringLiteral("M"), QString(day).remove(u'-').left(6)}});
}

} // namespace

class TestODI040 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RegisterIssuesArea(); }  // the return report of the catalogue

    void exchangeAndPlainReturn()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 10}, {kStriploin, 10}}, day);
        Screen s;
        s.startReturn(kStore);
        QCOMPARE(s.form.edtC_CODE->text(), QStringLiteral("100002"));
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("2"), QStringLiteral("1000"), QStringLiteral("200"), true);
        QCOMPARE(s.form.cdsOD030DT->value(0, QStringLiteral("AMT")).toDouble(), 2000.0);
        s.addLine(QStringLiteral("한우 채끝"), QStringLiteral("1"), QStringLiteral("500"), QStringLiteral("50"), false,
                  QStringLiteral("포장 파손으로 반품하며 교환은 요청하지 않음 추가기재"));
        // The same item again: one line, its amount from its own price.
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("1"), QStringLiteral("9999"), QStringLiteral("0"), true);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.form.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT C_CODE, RETU_NUM, STRG_CODE, RETU_REAS FROM OD030MS")),
                 QStringLiteral("100002:1:110:품질불량"));
        const QString remark = QStringLiteral("포장 파손으로 반품하며 교환은 요청하지 않음 추가기재").left(30);
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT RETU_SEQ, ITEM_CODE, ITEM_STANDARD, CAST(QTY AS INTEGER), "
                                                     "CAST(AMT AS INTEGER), CAST(TAX_AMT AS INTEGER), RETU_GUBUN, "
                                                     "COALESCE(REMARK,'') FROM OD030DT ORDER BY RETU_SEQ")),
                 QStringLiteral("1:%1:1kg/팩:3:3000:200:1:,2:%2:1kg/팩:1:500:50:2:%3").arg(kTenderloin, kStriploin, remark));
        QCOMPARE(returned(session, kStore, kTenderloin, day), QStringLiteral("3:7"));
        QCOMPARE(returned(session, kStore, kStriploin, day), QStringLiteral("1:9"));
        VERIFY_STOCK_INVARIANTS(session);

        // The statement: amounts, tax and their totals.
        QTest::mouseClick(s.form.bbtPreview, Qt::LeftButton);
        auto *preview = s.form.findChild<reports::PreviewWindow *>();
        QVERIFY(preview);
        const reports::Page &page = preview->pane()->document().pages.at(0);
        QCOMPARE(page.text(QStringLiteral("qrlTitle")), QStringLiteral("반품명세서"));
        QCOMPARE(page.text(QStringLiteral("qrlStrg_Code")), QStringLiteral("[110] 식품창고"));
        QCOMPARE(page.text(QStringLiteral("qrlSumAMT")), QStringLiteral("3,500"));
        QCOMPARE(page.text(QStringLiteral("qrlSumTAX_AMT")), QStringLiteral("250"));
        QCOMPARE(page.text(QStringLiteral("qrlSumTOT_AMT")), QStringLiteral("3,750"));
        QVERIFY(page.texts().contains(QStringLiteral("교환")));

        // "전체출력" with empty filters: empty brackets, every return of the period.
        TfrmODP045 *window = s.form.bbtPrint_AllClick();
        const QString digits = QString(day).remove(u'-');
        QCOMPARE(window->argument(), QStringLiteral("/rp[%1][%1][][]").arg(digits));
        QVERIFY2(window->hasPages(), qPrintable(window->message()));
        const reports::Page &all = window->pane()->document().pages.at(0);
        QCOMPARE(all.text(QStringLiteral("qrlSumTOT_AMT")), QStringLiteral("3,750"));
        QVERIFY(all.text(QStringLiteral("qrlReturn")).contains(QStringLiteral("한우명가")));
        window->close();
    }

    // The old lines leave the warehouse they were posted to.
    void warehouseChanged()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 10}}, day);
        Screen s;
        s.startReturn(kStore);
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("2"), QStringLiteral("1000"), QStringLiteral("200"), false);
        s.key(Qt::Key_F2);
        QCOMPARE(returned(session, kStore, kTenderloin, day), QStringLiteral("2:8"));

        s.form.rgdOD030MS->setFocus();
        s.key(Qt::Key_F5);
        QCOMPARE(s.form.WorkMode, quint8(wmEdit));
        QVERIFY(s.form.medRETU_DATE->isReadOnly());
        s.type(s.form.edtSTRG_CODE, kDrinks);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(session.scalar(QStringLiteral("SELECT STRG_CODE FROM OD030MS")), kDrinks);
        QCOMPARE(returned(session, kStore, kTenderloin, day), QStringLiteral("0:10"));
        QCOMPARE(returned(session, kDrinks, kTenderloin, day), QStringLiteral("2:-2"));
        VERIFY_STOCK_INVARIANTS(session);
    }

    // A closed day refuses a new return and the deletion of an existing one;
    // once the day is open again the return can be deleted.
    void closedDay()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 10}}, day);
        Screen s;
        s.startReturn(kStore);
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("2"), QStringLiteral("1000"), QStringLiteral("200"), false);
        s.key(Qt::Key_F2);
        stockfx::exec(session.conn(), QStringLiteral("INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES (:D, 'Y')"), {{"D", day}});

        s.startReturn(kStore);
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("1"), QStringLiteral("1000"), QStringLiteral("100"), false);
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), day + QStringLiteral(" 해당 일자는 마감 완료 되었습니다."));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD030MS")), QStringLiteral("1"));
        s.key(Qt::Key_F8);

        s.form.rgdOD030MS->setFocus();
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.lastText(), day + QStringLiteral(" 해당 일자는 마감 완료 되었습니다."));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD030DT")), QStringLiteral("1"));

        stockfx::exec(session.conn(), QStringLiteral("DELETE FROM OZ060MS WHERE CLOS_DATE = :D"), {{"D", day}});
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(s.form.statusText(1), QStringLiteral("삭제가 완료 되었습니다"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD030DT")), QStringLiteral("0"));
        QCOMPARE(returned(session, kStore, kTenderloin, day), QStringLiteral("0:10"));
        VERIFY_STOCK_INVARIANTS(session);
    }
};

QTEST_MAIN(TestODI040)
#include "tst_ODI040.moc"
