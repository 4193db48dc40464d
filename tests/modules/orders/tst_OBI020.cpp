// Purchase order confirmation: ticked orders confirmed and cancelled in one
// pass, an order changed behind the list skipped with its message, the
// status filter and the refusals of the confirmation panel.

#include "OrderFixtures.h"
#include "modules/orders/OBI020.h"
#include "modules/orders/OrderWrite.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// An order of today for `cCode` with one typed line, in status `status`.
QString addOrder(TestSession &s, const QString &cCode, const QString &no, const QString &status)
{
    orders::OrderDraft d;
    d.key = {s.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")), cCode, QString()};
    d.ordeNo = no;
    orders::OrderLine l;
    l.itemCode = QStringLiteral("L1030005");
    l.qty = 1;
    l.costAmt = l.amt = 1000;
    d.lines << l;
    orders::writeOrder(s.conn(), d);
    db::Query(s.conn(), QStringLiteral("UPDATE OB010MS SET APPR_GUBUN = :S WHERE ORDE_NO = :N"))
        .bind(QStringLiteral("S"), status).bind(QStringLiteral("N"), no).exec();
    return no;
}

QString status(TestSession &s, const QString &no)
{
    return s.scalar(QStringLiteral("SELECT APPR_GUBUN || '/' || COALESCE(APPR_EMP_NO,'') || '/' || COALESCE(TO_CHAR(APPR_DATE,'YYYY-MM-DD'),'') "
                                   "FROM OB010MS WHERE ORDE_NO = :N"), {{QStringLiteral("N"), no}});
}

struct Screen : ScreenDriver<TfrmOBI020> {
    int row(const QString &no) const { return form.cdsOB010MS->find(QStringLiteral("ORDE_NO"), no); }
    void tick(const QString &no)
    {
        form.rgdOB010MS->setCurrentCell(0, row(no));
        QTest::keyClick(form.rgdOB010MS, Qt::Key_Space);
    }
    QString shown(const QString &no) const { return form.cdsOB010MS->value(row(no), QStringLiteral("APPR_GUBUN_NM")).toString(); }
};

} // namespace

class TestOBI020 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void confirmCancelAndSkipChanged()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString a = addOrder(session, QStringLiteral("100001"), QStringLiteral("OR20990100001"), QStringLiteral("3"));
        const QString b = addOrder(session, QStringLiteral("100002"), QStringLiteral("OR20990100002"), QStringLiteral("3"));
        const QString today = session.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')"));
        Screen s;
        QCOMPARE(s.form.edtAPPR_EMP_NO->text(), QStringLiteral("A0000001"));
        QCOMPARE(s.form.edtAPPR_EMP_NO_NM->text(), QStringLiteral("관리자"));
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.cdsOB010MS->recordCount(), 2);
        QCOMPARE(s.form.bbtAppr->text(), QStringLiteral("발주확정"));
        s.tick(a);
        s.tick(b);
        // Someone cancels b's state behind this list.
        db::Query(session.conn(), QStringLiteral("UPDATE OB010MS SET APPR_GUBUN = '1' WHERE ORDE_NO = :N")).bind(QStringLiteral("N"), b).exec();

        QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("[발주번호 : %1] 현재내용과 다릅니다. 확인하시고 처리하십시오.").arg(b)});
        QCOMPARE(status(session, a), QStringLiteral("2/A0000001/") + today);
        QCOMPARE(status(session, b), QStringLiteral("1//"));
        QCOMPARE(s.shown(a), QStringLiteral("확    정"));
        QCOMPARE(s.shown(b), QStringLiteral("미 확 정"));

        // Pressed again with the same ticks: a's confirmation is cancelled, b is skipped again.
        dialogs.clear();
        QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(status(session, a).left(1), QStringLiteral("1"));
        QCOMPARE(s.shown(a), QStringLiteral("확정취소"));
        QCOMPARE(s.form.cdsOB010MS->value(s.row(a), QStringLiteral("APPR_GUBUN")).toString(), QStringLiteral("1"));
    }

    void statusFilterAndRefusals()
    {
        TestSession session;
        DialogRecorder dialogs;
        addOrder(session, QStringLiteral("100001"), QStringLiteral("OR20990100001"), QStringLiteral("3"));
        addOrder(session, QStringLiteral("100002"), QStringLiteral("OR20990100002"), QStringLiteral("2"));
        addOrder(session, QStringLiteral("100003"), QStringLiteral("OR20990100003"), QStringLiteral("1"));
        Screen s;
        QCOMPARE(s.form.cobAPPR_GUBUN->count(), 4);
        s.form.cobAPPR_GUBUN->setCurrentIndex(3);   // 미 확 정
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.cdsOB010MS->recordCount(), 1);
        QCOMPARE(s.form.cdsOB010MS->value(0, QStringLiteral("ORDE_NO")).toString(), QStringLiteral("OR20990100001"));
        s.form.cobAPPR_GUBUN->setCurrentIndex(2);   // 확    정
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.cdsOB010MS->recordCount(), 1);
        QCOMPARE(s.form.bbtAppr->text(), QStringLiteral("발주취소"));

        s.form.edtAPPR_EMP_NO->clear();
        QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
        QCOMPARE(dialogs.lastText(), QStringLiteral("사원번호는 반드시 입력하세요"));
        s.form.medAPPR_DATE->clear();
        QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
        QCOMPARE(dialogs.lastText(), QStringLiteral("의뢰일자는 반드시 입력하세요"));
        QCOMPARE(QApplication::focusWidget(), s.form.medAPPR_DATE);
    }
};

QTEST_MAIN(TestOBI020)
#include "tst_OBI020.moc"
