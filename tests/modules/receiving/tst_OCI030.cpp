// Returns of issued goods driven as a user drives them: the quantities
// stored negative and shown positive, posted with every save (also on a
// closed day), and a refused posting that leaves nothing behind.

#include "ReceivingFixtures.h"
#include "modules/receiving/OCI030.h"
#include "support/StockInvariants.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "support/Typing.h"

namespace {

const QString kPotato = QStringLiteral("L3020001");
const QString kBeef = QStringLiteral("L1010001");

using Screen = IssuedGoodsReturnScreen;

QString today(TestSession &s) { return s.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")); }

QString stock(TestSession &s, const QString &item)
{
    return rows(s.conn(), QStringLiteral("SELECT CURR_DELI_QTY, STOC_QTY FROM OZ010MS WHERE STRG_CODE = '110' AND ITEM_CODE = :I"),
                {{QStringLiteral("I"), item}});
}

QString lines(TestSession &s)
{
    return rows(s.conn(), QStringLiteral("SELECT DELI_SEQ, ITEM_CODE, QTY FROM OD010DT ORDER BY DELI_SEQ"));
}

#define VERIFY_STOCK_AGREES(session)                                                             \
    do {                                                                                         \
        const QStringList broken = stockfx::checkInvariants((session).conn());                    \
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));                              \
    } while (false)

// A return of 3 boxes of potatoes into warehouse 110, saved.
void saveReturn(Screen &s)
{
    s.key(Qt::Key_F4);
    s.type(s.form.edtSTRG_CODE, QStringLiteral("110"));
    s.leave(s.form.edtSTRG_CODE);
    s.line(kPotato, QStringLiteral("3"));
    s.key(Qt::Key_F2);
}

} // namespace

class TestOCI030 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void returnStoredNegativePostedEvenOnAClosedDay()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        db::Query(session.conn(), QStringLiteral("INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES (:D, 'Y')"))
            .bind(QStringLiteral("D"), day).exec();
        Screen s;
        s.key(Qt::Key_F4);
        QCOMPARE(s.form.medDELI_DATE->dateText(), day);
        s.type(s.form.edtSTRG_CODE, QStringLiteral("110"));
        s.leave(s.form.edtSTRG_CODE);
        QCOMPARE(s.form.edtSTRG_CODE_NM->text(), QStringLiteral("식품창고"));
        s.line(kPotato, QStringLiteral("3"));
        QCOMPARE(s.form.edtITEM_NAME->text(), QStringLiteral("감자"));
        // "확인" again on the same line corrects it.
        s.type(s.form.edtQTY, QStringLiteral("4"));
        QTest::mouseClick(s.form.btnLineAppend, Qt::LeftButton);
        QCOMPARE(s.lineRows(), 1);
        QTest::mouseClick(s.form.btnLineAdd, Qt::LeftButton);
        s.line(kBeef, QStringLiteral("2"));
        // A row added and never filled is no line.
        QTest::mouseClick(s.form.btnLineAdd, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(s.form.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
        const QString deliNo = session.scalar(QStringLiteral("SELECT DELI_NO FROM OD010MS"));
        QVERIFY(deliNo.startsWith(QStringLiteral("DE")));
        QCOMPARE(s.form.edtDELI_NO->text(), deliNo);
        QCOMPARE(rows(session.conn(), QStringLiteral(
                     "SELECT DELI_NUM, DELI_GUBUN, COALESCE(APPR_GUBUN,'-'), COALESCE(APPR_EMP_NO,'-'), COALESCE(INSP_NO,'-') FROM OD010MS")),
                 QStringLiteral("1:3:-:-:-"));
        QCOMPARE(lines(session), QStringLiteral("1:%1:-4,2:%2:-2").arg(kPotato, kBeef));
        QCOMPARE(stock(session, kPotato), QStringLiteral("-4:4"));
        VERIFY_STOCK_AGREES(session);

        // Shown positive again after a search.
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.cdsOD010MS->recordCount(), 1);
        QCOMPARE(s.form.cdsOD010DT->value(0, QStringLiteral("QTY")).toDouble(), 4.0);
        QCOMPARE(s.form.cdsOD010MS->text(QStringLiteral("DELI_GUBUN_NM")), QStringLiteral("불출반입"));

        // An edit takes the earlier posting back and posts the new lines.
        s.key(Qt::Key_F5);
        s.form.cdsOD010DT->moveTo(0);
        s.type(s.form.edtQTY, QStringLiteral("5"));
        QTest::mouseClick(s.form.btnLineAppend, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(lines(session), QStringLiteral("1:%1:-5,2:%2:-2").arg(kPotato, kBeef));
        QCOMPARE(stock(session, kPotato), QStringLiteral("-5:5"));
        VERIFY_STOCK_AGREES(session);

        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("선택된 자료를 삭제하시겠습니까?")});
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD010MS")), QStringLiteral("0"));
        QCOMPARE(lines(session), QString());
        QCOMPARE(stock(session, kPotato), QStringLiteral("0:0"));
        VERIFY_STOCK_AGREES(session);
    }

    void linesMustExist()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.key(Qt::Key_F4);
        s.type(s.form.edtSTRG_CODE, QStringLiteral("110"));
        s.leave(s.form.edtSTRG_CODE);
        QTest::mouseClick(s.form.btnLineAdd, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("반입 품목을 입력하세요")});
        QCOMPARE(s.form.WorkMode, quint8(wmInsert));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD010MS")), QStringLiteral("0"));
    }

    // The stock refuses the posting of an edit: the save is taken back whole,
    // the earlier posting and lines included, and the user stays editing.
    void refusedPostingLeavesNothing()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        saveReturn(s);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(stock(session, kPotato), QStringLiteral("-3:3"));
        // Meanwhile the document became something the return posting refuses.
        db::Query(session.conn(), QStringLiteral("UPDATE OD010MS SET DELI_GUBUN = '2'")).exec();

        s.key(Qt::Key_F5);
        s.form.cdsOD010DT->moveTo(0);
        s.type(s.form.edtQTY, QStringLiteral("7"));
        QTest::mouseClick(s.form.btnLineAppend, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.lastText().startsWith(QStringLiteral("[PR_O_STOCK_DELI_UPDATE]")), qPrintable(dialogs.lastText()));
        QCOMPARE(s.form.WorkMode, quint8(wmEdit));
        QCOMPARE(lines(session), QStringLiteral("1:%1:-3").arg(kPotato));
        QCOMPARE(stock(session, kPotato), QStringLiteral("-3:3"));
        QVERIFY(s.form.statusText(1) != QStringLiteral("수정이 정상적으로 완료되었습니다."));
    }
};

QTEST_MAIN(TestOCI030)
#include "tst_OCI030.moc"
