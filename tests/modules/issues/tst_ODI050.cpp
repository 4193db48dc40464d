// Other issues driven as a user drives them: a disposal and a loss stored
// with their kind and posted to their columns, changed (the posting follows)
// and deleted (the posting is reversed).

#include "IssueFixtures.h"
#include "modules/issues/ODI050.h"
#include "framework/ZOI010.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QPushButton>

using namespace issuefx;

namespace {

const QString kStore = QStringLiteral("110");
const QString kTenderloin = QStringLiteral("L1010002");

struct Screen : ScreenDriver<TfrmODI050> {
    void type(QLineEdit *e, const QString &text, bool leave = true)
    {
        e->setFocus();
        e->selectAll();
        typeText(e, text);
        if (leave)
            QTest::keyClick(e, Qt::Key_Return);
    }
};

// Issued, disposed of (other accounts) and lost of the month, and the stock.
QString columns(TestSession &s, const QString &day)
{
    return rows(s.conn(), QStringLiteral("SELECT CAST(CURR_DELI_QTY AS INTEGER), CAST(TAGE_DELI_QTY AS INTEGER), "
                                         "CAST(LOSS_DELI_QTY AS INTEGER), CAST(STOC_QTY AS INTEGER) FROM OZ010MS "
                                         "WHERE STRG_CODE = :S AND ITEM_CODE = :I AND STOC_YYMM = :M"),
                {{QStringLiteral("S"), kStore}, {QStringLiteral("I"), kTenderloin}, {QStringLiteral("M"), QString(day).remove(u'-').left(6)}});
}

} // namespace

class TestODI050 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kinds_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("posted");
        QTest::addColumn<QString>("changed");
        QTest::newRow("disposal") << 0 << QStringLiteral("4") << QStringLiteral("폐    기") << QStringLiteral("2:2:0:3")
                                  << QStringLiteral("4:4:0:1");
        QTest::newRow("loss") << 1 << QStringLiteral("5") << QStringLiteral("손 망 실") << QStringLiteral("2:0:2:3")
                              << QStringLiteral("4:0:4:1");
    }
    void kinds()
    {
        QFETCH(int, choice);
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, posted);
        QFETCH(QString, changed);
        TestSession session;
        DialogRecorder dialogs;
        const QString day = today(session);
        receive(session, kStore, {{kTenderloin, 5}}, day);
        Screen s;
        s.key(Qt::Key_F4);
        s.form.cbDELI_GUBUN->setCurrentIndex(choice);
        s.type(s.form.edtSTRG_CODE, kStore);
        s.type(s.form.edtITEM_NAME, QStringLiteral("한우 안심"));
        s.type(s.form.edtQTY, QStringLiteral("2"), false);
        QTest::mouseClick(s.form.btnLineAppend, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(rows(session.conn(), QStringLiteral("SELECT DELI_GUBUN, COALESCE(APPR_GUBUN,'-'), COALESCE(APPR_EMP_NO,'-') FROM OD010MS")),
                 kind + QStringLiteral(":-:-"));
        QCOMPARE(s.form.cdsOD010MS->text(QStringLiteral("DELI_GUBUN_NM")), name);
        QCOMPARE(columns(session, day), posted);
        VERIFY_STOCK_INVARIANTS(session);

        // Changed: the earlier posting gives way to the new quantity, which
        // may use the stock this issue holds.
        s.form.rgdOD010MS->setFocus();
        s.key(Qt::Key_F5);
        QCOMPARE(s.form.WorkMode, quint8(wmEdit));
        QVERIFY(!s.form.cbDELI_GUBUN->isEnabled());
        s.form.cdsOD010DT->moveTo(0);
        s.type(s.form.edtQTY, QStringLiteral("4"), false);
        QTest::mouseClick(s.form.btnLineAppend, Qt::LeftButton);
        s.key(Qt::Key_F2);
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(columns(session, day), changed);
        VERIFY_STOCK_INVARIANTS(session);

        // A closed day keeps it; once the day is open again, deleting reverses the posting.
        stockfx::exec(session.conn(), QStringLiteral("INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES (:D, 'Y')"), {{"D", day}});
        s.form.rgdOD010MS->setFocus();
        s.key(Qt::Key_F9);
        QCOMPARE(dialogs.lastText(), day + QStringLiteral(" 해당 일자는 마감 완료 되었습니다."));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD010MS")), QStringLiteral("1"));
        stockfx::exec(session.conn(), QStringLiteral("DELETE FROM OZ060MS WHERE CLOS_DATE = :D"), {{"D", day}});
        dialogs.answerYes();
        s.key(Qt::Key_F9);
        QCOMPARE(s.form.statusText(1), QStringLiteral("삭제가 완료 되었습니다"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OD010MS")), QStringLiteral("0"));
        QCOMPARE(columns(session, day), QStringLiteral("0:0:0:5"));
        VERIFY_STOCK_INVARIANTS(session);
    }
};

QTEST_MAIN(TestODI050)
#include "tst_ODI050.moc"
