// The opening stock driven as a user: a list posted, edited and deleted
// beside a stock count of the same day, whose lines and posting stay; the
// batch of the date.

#include "modules/closing/ClosingScreenFixtures.h"
#include "framework/ItemPicker.h"
#include "modules/master/OXI080.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QPushButton>
#include <QtTest>

using namespace fixtures;

namespace {

const QString kBeef = QStringLiteral("L1010001");
const QString kDay = QStringLiteral("2026-05-20");

struct Screen : ScreenDriver<TfrmOXI080> {
    Screen() { form.resize(1400, 900); }
    void listOf(const QString &warehouse, const QString &day)
    {
        type("edtSTRG_CODE_S", warehouse);
        key(Qt::Key_Tab);
        type("medSILS_DATE_S", day);
        key(Qt::Key_F3);
    }
    void enterLine(DialogRecorder &dialogs, const QString &name, const QString &qty, const QString &cost)
    {
        dialogs.dialogHandlers.enqueue([](QDialog *) { return QDialog::Accepted; });
        type("edtITEM_NAME", name);
        key(Qt::Key_Tab);
        type("edtSils_Qty", qty);
        type("edtSils_Cost", cost);
        key(Qt::Key_Tab);
        form.btnLineAppend->click();
    }
};

QString stock(TestSession &session, const char *column)
{
    return session.scalar(QStringLiteral("SELECT %1 FROM OZ010MS WHERE STOC_YYMM = '202605' AND STRG_CODE = '110' "
                                         "AND ITEM_CODE = 'L1010001'").arg(QLatin1String(column)));
}

QStringList lines(TestSession &session)
{
    QStringList rows;
    db::Query q(session.conn(), QStringLiteral("SELECT ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST, SILS_AMT FROM OZ020MS "
                                               "ORDER BY ITEM_CODE, SILS_GUBUN"));
    q.exec();
    while (q.next())
        rows << QStringList{q.text(0), q.text(1), q.text(2), q.text(3), q.text(4)}.join(QLatin1Char('|'));
    return rows;
}

} // namespace

class TestOXI080 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openingStockPostedEditedAndDeleted()
    {
        TestSession session;
        // 22 in stock, a count of the same day found 25 (posted).
        stockRow(session.conn(), "202605", "110", kBeef, 10, 1000, 22);
        silsLine(session.conn(), kDay, "110", kBeef, "2", 25, 3, 22);
        QCOMPARE(call(session.conn(), "PR_O_DATE_STOCK_SIL_UPDATE",
                      {{"I_SILS_DATE", kDay}, {"I_STRG_CODE", "110"}, {"I_FLAG", "INS"}, {"I_DIVE_CODE", ""}}),
                 QStringLiteral("Y"));
        QCOMPARE(stock(session, "STOC_QTY"), QStringLiteral("25"));

        DialogRecorder dialogs;
        Screen s;
        s.listOf("110", kDay);
        QCOMPARE(s.form.RecordCount, 0);   // the count line is no opening stock
        s.key(Qt::Key_F4);
        s.enterLine(dialogs, QStringLiteral("한우 등심"), "4", "120");
        QCOMPARE(s.form.edtSils_Amt->value(), 0.0);   // the panel is ready for the next line
        s.key(Qt::Key_F2);
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        QCOMPARE(lines(session), (QStringList{"L1010001|1|4|120|480", "L1010001|2|25|3|22"}));
        QCOMPARE(stock(session, "OVER_QTY"), QStringLiteral("14"));
        QCOMPARE(stock(session, "OVER_AMT"), QStringLiteral("1480"));
        QCOMPARE(stock(session, "STOC_QTY"), QStringLiteral("29"));
        QCOMPARE(s.form.RecordCount, 1);

        // Edited: the old quantity comes out, the new one goes in; the count stays.
        s.key(Qt::Key_F5);
        dialogs.clear();
        const QRect first = s.form.rgdOX050MS->visualRect(s.form.rgdOX050MS->model()->index(0, 3));
        QTest::mouseClick(s.form.rgdOX050MS->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(s.form.edtITEM_CODE->text(), kBeef);
        s.type("edtSils_Qty", "6");
        s.key(Qt::Key_Tab);
        s.form.btnLineAppend->click();
        QCOMPARE(dialogs.texts(), QStringList());
        QCOMPARE(s.form.WorkMode, quint8(wmEdit));
        QCOMPARE(s.form.cdsOX050MS->value(0, QStringLiteral("SILS_QTY")).toDouble(), 6.0);
        QCOMPARE(s.form.cdsOX050MS->value(0, QStringLiteral("SILS_AMT")).toDouble(), 720.0);
        s.key(Qt::Key_F2);
        QCOMPARE(lines(session), (QStringList{"L1010001|1|6|120|720", "L1010001|2|25|3|22"}));
        QCOMPARE(stock(session, "STOC_QTY"), QStringLiteral("31"));

        // The batch of the date posts the lists again: nothing changes.
        dialogs.clear();
        s.form.Button1->click();
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("처리가 완료 되었습니다.")});
        QCOMPARE(stock(session, "STOC_QTY"), QStringLiteral("31"));

        // Deleted: only the opening stock and its effect go.
        dialogs.clear();
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("선택된 자료를 삭제하시겠습니까?")});
        QCOMPARE(lines(session), QStringList{"L1010001|2|25|3|22"});
        QCOMPARE(stock(session, "OVER_QTY"), QStringLiteral("10"));
        QCOMPARE(stock(session, "STOC_QTY"), QStringLiteral("25"));
        QCOMPARE(stock(session, "STOC_ACTU_QTY"), QStringLiteral("-3"));
        QCOMPARE(s.form.cdsOX050MS->recordCount(), 0);
    }

    // Items ticked in the chooser join the list once, with nothing entered yet.
    void chooserAddsTickedItemsOnce()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.listOf("110", kDay);
        s.key(Qt::Key_F4);
        s.type("edtItem_name_s", QStringLiteral("한우 등심"));
        s.form.picker->bbtItemSelect->click();
        const int found = s.form.picker->cdsItem->recordCount();
        QVERIFY(found > 0);
        s.form.picker->bbtSelectAll->click();
        s.form.bbtMove->click();
        s.form.bbtMove->click();
        QCOMPARE(s.form.cdsOX050MS->recordCount(), found + 1);   // and the entry row
        QCOMPARE(s.form.rgdOX050MS->footerText(0, 3), QString::number(found));
        QCOMPARE(s.form.cdsOX050MS->value(0, QStringLiteral("SILS_QTY")).toDouble(), 0.0);
        s.form.picker->bbtSelectCancel->click();
        QCOMPARE(s.form.picker->cdsItem->value(0, QStringLiteral("SEL")).toString(), QStringLiteral("0"));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void emptyListIsRefused()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.listOf("110", kDay);
        s.key(Qt::Key_F4);
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("품목을 입력하세요")});
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        QCOMPARE(lines(session), QStringList());
    }
};

QTEST_MAIN(TestOXI080)
#include "tst_OXI080.moc"
