// Issue request entry driven as a user drives it: the stock test when a line
// is added and again at save, the merge of a repeated item, the posting of a
// saved issue, the closed day, the change of a cancelled issue and the load
// of counted quantities.

#include "IssueFixtures.h"
#include "modules/issues/ODI010.h"
#include "framework/ZOI010.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"

#include "reports/Preview.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"

#include <QPushButton>

using namespace issuefx;

namespace {

const QString kStore = QStringLiteral("110");
const QString kOutlet = QStringLiteral("210");
const QString kTenderloin = QStringLiteral("L1010002");
const QString kStriploin = QStringLiteral("L1010003");

using Screen = IssueEntryScreen<TfrmODI010>;

QString issueRows(TestSession &s)
{
    return rows(s.conn(), QStringLiteral("SELECT A.STRG_CODE, A.DELI_GUBUN, A.APPR_GUBUN, A.APPR_DATE, B.DELI_SEQ, B.ITEM_CODE, "
                                         "CAST(B.QTY AS INTEGER) FROM OD010MS A JOIN OD010DT B ON B.DELI_DATE = A.DELI_DATE "
                                         "AND B.STRG_CODE = A.STRG_CODE AND B.DELI_NUM = A.DELI_NUM ORDER BY B.DELI_SEQ"));
}

} // namespace

class TestODI010 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Five in stock: a line of the whole stock is taken, one more is refused;
    // a repeated item adds to its line as long as the stock holds.
    void stockTestWhenAdding()
    {
        TestSession session;
        DialogRecorder dialogs;
        receive(session, kStore, {{kTenderloin, 5}}, today(session));
        Screen s;
        s.startIssue(kStore);
        QCOMPARE(s.form.edtSTRG_CODE_NM->text(), QStringLiteral("식품창고"));
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("6"));
        QCOMPARE(dialogs.lastText(), QStringLiteral("출고 수량이 현재고 수량을 초과 하였습니다"));
        QCOMPARE(s.form.edtStock_Qty->value(), 5.0);
        QCOMPARE(s.lines(), QString());

        dialogs.messages.clear();
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("3"));
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("2"));
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.lines(), kTenderloin + QStringLiteral(":5"));
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("1"));
        QCOMPARE(dialogs.lastText(), QStringLiteral("출고 수량이 현재고 수량을 초과 하였습니다"));
        QCOMPARE(s.lines(), kTenderloin + QStringLiteral(":5"));
    }

    // Saved as confirmed and posted; confirmed, it can be neither changed nor deleted.
    void saveConfirmsAndPosts()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 5}, {kStriploin, 4}}, day);
        Screen s;
        s.startIssue(kStore);
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("5"));
        s.addLine(QStringLiteral("한우 채끝"), QStringLiteral("1"));
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.form.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
        QCOMPARE(issueRows(session), QStringLiteral("110:1:2:%1:1:%2:5,110:1:2:%1:2:%3:1").arg(day, kTenderloin, kStriploin));
        const QString no = session.scalar(QStringLiteral("SELECT DELI_NO FROM OD010MS"));
        QVERIFY(no.startsWith(QStringLiteral("DE") + QString(day).remove(u'-').left(6)));
        QCOMPARE(s.form.edtDELI_NO->text(), no);
        QCOMPARE(stock(session, kStore, kTenderloin, day), 0.0);
        QCOMPARE(stock(session, kStore, kStriploin, day), 3.0);
        VERIFY_STOCK_INVARIANTS(session);
        QCOMPARE(s.form.cdsOD010MS->text(QStringLiteral("APPR_GUBUN_NM")), QStringLiteral("확    정"));
        QCOMPARE(s.form.cdsOD010MS->text(QStringLiteral("DELI_GUBUN_NM")), QStringLiteral("정상출고"));

        s.form.rgdOD010MS->setFocus();
        s.key(Qt::Key_F5);
        QCOMPARE(dialogs.lastText(), QStringLiteral("출고 확정 처리된 자료는 수정할 수 없습니다."));
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.lastText(), QStringLiteral("출고 확정 처리된 자료는 삭제할 수 없습니다."));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD010MS")), QStringLiteral("1"));
    }

    // Every kind is listed; only a normal issue that is not confirmed may change.
    void refusedChanges_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("apprDate");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("remove");
        QTest::newRow("confirmed issue") << QStringLiteral("1") << QStringLiteral("confirmed")
                                         << QStringLiteral("출고 확정 처리된 자료는 수정할 수 없습니다.")
                                         << QStringLiteral("출고 확정 처리된 자료는 삭제할 수 없습니다.");
        QTest::newRow("disposal") << QStringLiteral("4") << QString()
                                  << QStringLiteral("정상출고 자료가 아니므로 수정할 수 없습니다.")
                                  << QStringLiteral("정상출고 자료가 아니므로 삭제할 수 없습니다.");
    }
    void refusedChanges()
    {
        QFETCH(QString, kind);
        QFETCH(QString, apprDate);
        QFETCH(QString, edit);
        QFETCH(QString, remove);
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        stockfx::Documents(session.conn()).issue(QStringLiteral("DE20990100001"), kind, day, kStore, {{kTenderloin, 1}},
                                                 apprDate.isEmpty() ? QString() : day);
        Screen s;
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.cdsOD010MS->recordCount(), 1);
        s.form.rgdOD010MS->setFocus();
        s.key(Qt::Key_F5);
        QCOMPARE(dialogs.lastText(), edit);
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.lastText(), remove);
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD010MS")), QStringLiteral("1"));
    }

    void refusedSaves_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("no lines") << QStringLiteral("empty");
        QTest::newRow("stock taken meanwhile") << QStringLiteral("taken");
        QTest::newRow("closed day") << QStringLiteral("closed");
    }
    // Nothing is written, no number is drawn, the entry stays open.
    void refusedSaves()
    {
        QFETCH(QString, refusal);
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 5}}, day);
        Screen s;
        s.startIssue(kStore);
        if (refusal != QLatin1String("empty"))
            s.addLine(QStringLiteral("한우 안심"), QStringLiteral("4"));
        if (refusal == QLatin1String("taken")) {
            // Another issue of the same stock, saved while this one was typed.
            stockfx::Documents(session.conn()).issue(QStringLiteral("DE20990100001"), QStringLiteral("1"), day, kStore,
                                                     {{kTenderloin, 2}}, day);
            QCOMPARE(stockfx::post(session.conn(), QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"),
                                   QStringLiteral("DE20990100001"), QStringLiteral("INS")), QStringLiteral("Y"));
        }
        if (refusal == QLatin1String("closed"))
            stockfx::exec(session.conn(), QStringLiteral("INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES (:D, 'Y')"), {{"D", day}});
        const QString before = issueRows(session);
        s.key(Qt::Key_F2);
        const QString expected = refusal == QLatin1String("empty") ? QStringLiteral("출고 품목을 입력하세요")
            : refusal == QLatin1String("taken")                     ? QStringLiteral("출고 수량이 현재고 수량을 초과 하였습니다")
                                                                    : day + QStringLiteral(" 해당 일자는 마감 완료 되었습니다.");
        QCOMPARE(dialogs.lastText(), expected);
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        QCOMPARE(issueRows(session), before);
        if (refusal != QLatin1String("taken"))
            QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OZ090MS WHERE ADMIN_GUBUN = 'DE'")), QStringLiteral("0"));
        VERIFY_STOCK_INVARIANTS(session);
    }

    // A cancelled issue can be changed: saving posts it again with its new
    // lines; it can be deleted, which reverses nothing.
    void cancelledIssueChangedAndDeleted()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 5}}, day);
        Screen s;
        s.startIssue(kStore);
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("2"));
        s.key(Qt::Key_F2);
        const QString no = session.scalar(QStringLiteral("SELECT DELI_NO FROM OD010MS"));
        // Cancelled as the confirmation screen cancels it.
        stockfx::exec(session.conn(), QStringLiteral("UPDATE OD010MS SET APPR_GUBUN = '1'"));
        QCOMPARE(stockfx::post(session.conn(), QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"), no,
                               QStringLiteral("DEL")), QStringLiteral("Y"));
        QCOMPARE(stock(session, kStore, kTenderloin, day), 5.0);
        s.key(Qt::Key_F3);

        s.form.rgdOD010MS->setFocus();
        s.key(Qt::Key_F5);
        QCOMPARE(s.form.WorkMode, quint8(wmEdit));
        QVERIFY(s.form.edtSTRG_CODE->isReadOnly());
        s.form.cdsOD010DT->moveTo(0);
        s.type(s.form.edtQTY, QStringLiteral("4"));
        QTest::mouseClick(s.form.btnLineAppend, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.form.statusText(1), QStringLiteral("수정이 정상적으로 완료되었습니다."));
        QCOMPARE(issueRows(session), QStringLiteral("110:1:2:%1:1:%2:4").arg(day, kTenderloin));
        QCOMPARE(stock(session, kStore, kTenderloin, day), 1.0);
        VERIFY_STOCK_INVARIANTS(session);

        stockfx::exec(session.conn(), QStringLiteral("UPDATE OD010MS SET APPR_GUBUN = '1'"));
        QCOMPARE(stockfx::post(session.conn(), QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"), no,
                               QStringLiteral("DEL")), QStringLiteral("Y"));
        s.key(Qt::Key_F3);
        s.form.rgdOD010MS->setFocus();
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(s.form.statusText(1), QStringLiteral("삭제가 완료 되었습니다"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD010MS")), QStringLiteral("0"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD010DT")), QStringLiteral("0"));
        QCOMPARE(stock(session, kStore, kTenderloin, day), 5.0);
        VERIFY_STOCK_INVARIANTS(session);
    }

    // The request form values the lines at the day's stock cost; the total
    // is the sum of the rounded amounts.
    void requestFormPreview()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 5}, {kStriploin, 4}}, day);
        for (const auto &[item, cost] : {std::pair{kTenderloin, "1000.5"}, std::pair{kStriploin, "2000.25"}})
            stockfx::exec(session.conn(), QStringLiteral("INSERT INTO OZ050MS (STOCK_DATE, ITEM_CODE, STOCK_COST) VALUES (:D, :I, :C)"),
                          {{"D", day}, {"I", item}, {"C", QString::fromLatin1(cost)}});
        Screen s;
        s.startIssue(kStore);
        s.addLine(QStringLiteral("한우 안심"), QStringLiteral("5"));
        s.addLine(QStringLiteral("한우 채끝"), QStringLiteral("1"));
        s.key(Qt::Key_F2);
        QTest::mouseClick(s.form.bbtPreview, Qt::LeftButton);
        auto *preview = s.form.findChild<reports::PreviewWindow *>();
        QVERIFY(preview);
        const reports::Page &page = preview->pane()->document().pages.at(0);
        QCOMPARE(page.text(QStringLiteral("qrlTitle")), QStringLiteral("출고의뢰서"));
        QCOMPARE(page.text(QStringLiteral("qrlDeli_no")), s.form.edtDELI_NO->text());
        QCOMPARE(page.text(QStringLiteral("qrlDeli_Date")), day);
        QCOMPARE(page.text(QStringLiteral("qrlStrg_Code")), QStringLiteral("[110] 식품창고"));
        QVERIFY(page.texts().contains(QStringLiteral("5,003")));
        QCOMPARE(page.text(QStringLiteral("qrlSum")), QStringLiteral("7,003"));
    }

    // Counted quantities load only for an outlet warehouse, only food items
    // with stock, each with its whole stock.
    void loadCountedQuantities()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kOutlet, {{kTenderloin, 3}, {QStringLiteral("B1010001"), 2}}, day);
        stockfx::Documents(session.conn()).silLines(day, kOutlet, QStringLiteral("2"),
            {{kTenderloin, 1, -2, 3}, {kStriploin, 0, 0, 0}, {QStringLiteral("B1010001"), 1, -1, 2}});
        Screen s;
        s.startIssue(kStore);
        s.form.medSILS_DATE->setPlainText(day);
        QTest::mouseClick(s.form.btnLoad, Qt::LeftButton);
        QCOMPARE(dialogs.lastText(), QStringLiteral("영업장 창고가 아니므로 실사자료 불러오기를 할 수 없습니다. "));
        QCOMPARE(s.lines(), QString());

        s.type(s.form.edtSTRG_CODE, kOutlet);
        s.leave(s.form.edtSTRG_CODE);
        QTest::mouseClick(s.form.btnLoad, Qt::LeftButton);
        QCOMPARE(s.lines(), kTenderloin + QStringLiteral(":3"));
        QCOMPARE(s.form.cdsOD010DT->value(0, QStringLiteral("REMARK")).toString(), QStringLiteral("실사조정수량불러오기"));
    }
};

QTEST_MAIN(TestODI010)
#include "tst_ODI010.moc"
