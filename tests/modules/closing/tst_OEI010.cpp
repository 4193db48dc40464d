// The stock count driven as a user: items picked and counted, a surplus and
// a shortfall posted and then deleted, a second count of the same day
// refused, and the line entry rules.

#include "ClosingScreenFixtures.h"
#include "framework/ClassCombos.h"
#include "framework/ItemPicker.h"
#include "modules/closing/OEI010.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace fixtures;

namespace {

const QString kBeef = QStringLiteral("L1010001");     // 22 in stock: counted 25, a surplus of 3
const QString kFillet = QStringLiteral("L1010002");   // 5 in stock: counted 3, a shortfall of 2
const QString kDay = QStringLiteral("2026-05-20");

struct Screen : ScreenDriver<TfrmOEI010> {
    Screen() { form.resize(1400, 900); }
    void countOf(const QString &day, const QString &warehouse)
    {
        type("medSILS_DATE_S", day);
        type("edtSTRG_CODE_S", warehouse);
        key(Qt::Key_Tab);
    }
    int rowOf(const QString &item) const { return form.cdsOX050MS->find(QStringLiteral("ITEM_CODE"), item); }
    double line(const QString &item, const char *field) const
    {
        return form.cdsOX050MS->value(rowOf(item), QLatin1String(field)).toDouble();
    }
    // Types the counted quantity into the grid's yellow column and leaves the cell.
    void typeCounted(const QString &item, const QString &qty)
    {
        form.rgdOX050MS->setFocus();
        form.rgdOX050MS->setCurrentCell(6, rowOf(item));
        QTest::keyClicks(form.rgdOX050MS, qty.left(1));   // typing starts the edit
        auto *editor = form.rgdOX050MS->viewport()->findChild<QLineEdit *>();
        QVERIFY(editor && editor->isVisible());
        QTest::keyClicks(editor, qty.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(form.cdsOX050MS->value(rowOf(item), QStringLiteral("SILS_QTY")).toDouble(), qty.toDouble());
    }
    void pickAll()
    {
        form.picker->bbtItemSelect->click();
        form.picker->bbtSelectAll->click();
        form.bbtMove->click();
    }
};

// May 2026 in warehouse 110: two items with stock, one without, and an
// opening stock line on the count day that the count must leave alone.
void stockOfMay(TestSession &session)
{
    db::Connection &conn = session.conn();
    stockRow(conn, "202605", "110", kBeef, 10, 1000, 22);
    stockRow(conn, "202605", "110", kFillet, 5, 500, 5);
    stockRow(conn, "202605", "110", "L1010003", 0, 0, 0);
    silsLine(conn, kDay, "110", "L1010004", "1", 7, 10, 70);
}

QString stock(TestSession &session, const QString &item, const char *column = "STOC_QTY")
{
    return session.scalar(QStringLiteral("SELECT %1 FROM OZ010MS WHERE STOC_YYMM = '202605' AND STRG_CODE = '110' "
                                         "AND ITEM_CODE = :I").arg(QLatin1String(column)),
                          {{QStringLiteral("I"), item}});
}

QStringList countLines(TestSession &session)
{
    QStringList lines;
    db::Query q(session.conn(), QStringLiteral("SELECT ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST, SILS_AMT, U_EMP_NO "
                                               "FROM OZ020MS ORDER BY ITEM_CODE, SILS_GUBUN"));
    q.exec();
    while (q.next())
        lines << QStringList{q.text(0), q.text(1), q.text(2), q.text(3), q.text(4), q.text(5)}.join(QLatin1Char('|'));
    return lines;
}

} // namespace

class TestOEI010 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Picked, counted, saved, refused a second time, deleted under another
    // class choice: the stock comes back exactly.
    void countWithSurplusAndShortfall()
    {
        TestSession session;
        stockOfMay(session);
        DialogRecorder dialogs;
        Screen s;
        s.countOf(kDay, "110");
        QCOMPARE(s.form.edtSTRG_CODE_NM_S->text(), QStringLiteral("식품창고"));
        s.key(Qt::Key_F4);
        s.pickAll();
        // Only items with stock or issues are offered.
        QCOMPARE(s.form.picker->cdsItem->recordCount(), 2);
        QCOMPARE(s.form.cdsOX050MS->recordCount(), 3);   // two lines and the entry row
        QCOMPARE(s.line(kBeef, "SILS_QTY"), 0.0);
        QCOMPARE(s.line(kBeef, "STOC_QTY"), 22.0);
        QCOMPARE(s.line(kBeef, "GG_QTY"), 0.0);

        s.typeCounted(kBeef, "25");
        QCOMPARE(s.line(kBeef, "GG_QTY"), 3.0);
        s.typeCounted(kFillet, "3");
        QCOMPARE(s.line(kFillet, "GG_QTY"), -2.0);
        QCOMPARE(s.form.rgdOX050MS->footerText(0, 3), QStringLiteral("2"));

        dialogs.answerYes();
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.messages.first().text, QStringLiteral("해당일 [2026/05/20] 실사 조정일이 맞는지 확인하세요?"));
        QCOMPARE(s.form.WorkMode, quint8(wmBrowse));
        QCOMPARE(countLines(session), (QStringList{"L1010001|2|25|3|22|A0000001", "L1010002|2|3|-2|5|A0000001",
                                                   "L1010004|1|7|10|70|"}));
        QCOMPARE(stock(session, kBeef), QStringLiteral("25"));
        QCOMPARE(stock(session, kFillet), QStringLiteral("3"));
        QCOMPARE(stock(session, kFillet, "STOC_ACTU_QTY"), QStringLiteral("2"));
        QCOMPARE(s.form.RecordCount, 2);
        QVERIFY(s.form.rgdOX050MS->isReadOnly());

        // A second count of the day and warehouse is refused; nothing changes.
        s.key(Qt::Key_F4);
        s.pickAll();
        s.typeCounted(kBeef, "30");
        dialogs.clear();
        dialogs.answerYes();
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), QStringLiteral("[2026-05-20] 110 창고의 실사 조정 자료가 이미 있습니다.\n삭제 후 다시 입력하세요."));
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        QCOMPARE(stock(session, kBeef), QStringLiteral("25"));
        QCOMPARE(countLines(session).size(), 3);
        s.key(Qt::Key_F8);

        // Searched again and deleted with a class chosen: the whole count goes.
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.cdsOX050MS->recordCount(), 2);
        QCOMPARE(s.line(kFillet, "GG_QTY"), -2.0);
        QCOMPARE(s.form.cdsOX050MS->value(0, QStringLiteral("CHK")).toString(), QStringLiteral("1"));
        s.form.picker->classes->box(1)->setCurrentIndex(1);
        dialogs.clear();
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("선택된 자료를 삭제하시겠습니까?")});
        QCOMPARE(countLines(session), QStringList{"L1010004|1|7|10|70|"});
        QCOMPARE(stock(session, kBeef), QStringLiteral("22"));
        QCOMPARE(stock(session, kFillet), QStringLiteral("5"));
        QCOMPARE(stock(session, kFillet, "STOC_ACTU_QTY"), QStringLiteral("0"));
        QCOMPARE(stock(session, kFillet, "CURR_DELI_QTY"), QStringLiteral("0"));
    }

    // "추가" takes an item once (a repeat replaces its line), needs an item,
    // and the adjustment is counted − book; items not stock-managed are not
    // moved; declining the date question saves nothing.
    void lineEntry()
    {
        TestSession session;
        stockOfMay(session);
        exec(session.conn(), "UPDATE OX010MS SET SOOBUL_YN = 'N' WHERE ITEM_CODE = :I", {{"I", kFillet}});
        DialogRecorder dialogs;
        Screen s;
        s.countOf(kDay, "110");
        s.key(Qt::Key_F4);

        s.form.btnLineAppend->click();
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("품목코드는 반드시 입력하세요")});

        for (const QString &qty : {QStringLiteral("20"), QStringLiteral("21")}) {
            dialogs.dialogHandlers.enqueue([](QDialog *) { return QDialog::Accepted; });
            s.type("edtITEM_NAME", QStringLiteral("한우 등심"));
            s.key(Qt::Key_Tab);
            QCOMPARE(s.form.edtITEM_CODE->text(), kBeef);
            QCOMPARE(s.form.edtStoc_Qty->value(), 22.0);
            s.type("edtSils_Qty", qty);
            s.key(Qt::Key_Tab);
            s.form.btnLineAppend->click();
        }
        QCOMPARE(s.form.cdsOX050MS->recordCount(), 2);
        QCOMPARE(s.line(kBeef, "SILS_QTY"), 21.0);
        QCOMPARE(s.line(kBeef, "GG_QTY"), -1.0);

        // The stock item query lists every item of the month's stock; the
        // one not stock-managed stays behind.
        s.form.picker->pgcPick->setCurrentIndex(1);
        s.type("medYYMM", "202605");
        s.form.picker->bbtStock->click();
        QCOMPARE(s.form.picker->cdsItem->recordCount(), 3);
        s.form.picker->bbtSelectAll->click();
        s.form.bbtMove->click();
        QCOMPARE(s.rowOf(kFillet), -1);
        QVERIFY(s.rowOf(QStringLiteral("L1010003")) >= 0);
        QCOMPARE(s.line(kBeef, "SILS_QTY"), 21.0);

        dialogs.clear();
        dialogs.answerNo();
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.texts().last(), QStringLiteral("실자조정 작업을 취소합니다"));
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        QCOMPARE(countLines(session).size(), 1);
    }

    void warehouseIsRequired()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.key(Qt::Key_F3);
        s.form.picker->bbtItemSelect->click();
        QCOMPARE(dialogs.texts(), QStringList(2, QStringLiteral("창고를 선택하고 조회하세요.")));
        QCOMPARE(s.focused(), QStringLiteral("edtSTRG_CODE_S"));
    }
};

QTEST_MAIN(TestOEI010)
#include "tst_OEI010.moc"
