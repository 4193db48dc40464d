// The purchase closing (OEB010) and the system closing (OEB020) driven as a
// user: which month state lets each button run, the month's average cost of
// a hand-computed month, and the way back by the two cancels.

#include "ClosingScreenFixtures.h"
#include "modules/closing/OEB010.h"
#include "modules/closing/OEB020.h"
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

template <typename Form>
struct Screen : ScreenDriver<Form> {
    Screen() { this->form.resize(1280, 860); }
    void month(const QString &yymm) { this->type("medYYMM", yymm); }
    void press(bool cancel)
    {
        (cancel ? this->form.bbtEnd_Cancel : this->form.bbEnd)->click();
    }
};

// Presses one of the buttons of OEB010 or OEB020 on May 2026; the texts shown.
QStringList pressOn(const QString &program, bool cancel)
{
    DialogRecorder dialogs;
    if (program == QLatin1String("OEB010")) {
        Screen<TfrmOEB010> s;
        s.month("202605");
        s.press(cancel);
    } else {
        Screen<TfrmOEB020> s;
        s.month("202605");
        s.press(cancel);
    }
    return dialogs.texts();
}

QString flags(TestSession &session)
{
    return session.scalar(QStringLiteral(
        "SELECT COALESCE(MAX(ORDE_CLOSE || '|' || COMP_CLOSE),'none') FROM OZ030MS WHERE CLOS_YYMM = '202605'"));
}

} // namespace

class TestOEB010 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttonsFollowTheMonthState_data()
    {
        QTest::addColumn<QString>("before");    // ORDE_CLOSE|COMP_CLOSE, or none for no row
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("after");
        const QString open = QStringLiteral("2026-05 해당 월 마감체크");
        const QString purchase = QStringLiteral("2026-05 해당 월이 구매마감 되었습니다.");
        const QString system = QStringLiteral("2026-05 해당 월이 전산마감 되었습니다.");
        const QString both = QStringLiteral("2026-05 해당 월이 구매 및 전산마감 되었습니다.");
        QTest::newRow("open: purchase closing") << "none" << "OEB010" << false
                                                << "[ 2026-05 ] 구매마감 처리가 완료 되었습니다." << "Y|N";
        QTest::newRow("open: purchase cancel") << "none" << "OEB010" << true << open << "none";
        QTest::newRow("open: system closing") << "none" << "OEB020" << false << open << "none";
        QTest::newRow("open: system cancel") << "N|N" << "OEB020" << true << open << "N|N";
        QTest::newRow("purchase-closed: purchase closing") << "Y|N" << "OEB010" << false << purchase << "Y|N";
        QTest::newRow("purchase-closed: purchase cancel") << "Y|N" << "OEB010" << true
                                                          << "[ 2026-05 ] 구매마감 취소 되었습니다." << "N|N";
        QTest::newRow("purchase-closed: system closing") << "Y|N" << "OEB020" << false
                                                         << "[ 2026-05 ] 전산마감 처리가 완료 되었습니다." << "Y|Y";
        QTest::newRow("purchase-closed: system cancel") << "Y|N" << "OEB020" << true << purchase << "Y|N";
        QTest::newRow("system-closed only: purchase closing") << "N|Y" << "OEB010" << false << system << "N|Y";
        QTest::newRow("system-closed only: purchase cancel") << "N|Y" << "OEB010" << true << system << "N|Y";
        QTest::newRow("system-closed only: system closing") << "N|Y" << "OEB020" << false << system << "N|Y";
        QTest::newRow("system-closed only: system cancel") << "N|Y" << "OEB020" << true << system << "N|Y";
        QTest::newRow("both: purchase closing") << "Y|Y" << "OEB010" << false << both << "Y|Y";
        QTest::newRow("both: purchase cancel") << "Y|Y" << "OEB010" << true << both << "Y|Y";
        QTest::newRow("both: system closing") << "Y|Y" << "OEB020" << false << both << "Y|Y";
        QTest::newRow("both: system cancel") << "Y|Y" << "OEB020" << true
                                             << "[ 2026-05 ] 전산마감 취소 되었습니다." << "Y|N";
    }
    void buttonsFollowTheMonthState()
    {
        QFETCH(QString, before);
        QFETCH(QString, program);
        QFETCH(bool, cancel);
        QFETCH(QString, shown);
        QFETCH(QString, after);
        TestSession session;
        smallMay(session.conn());
        if (before != QLatin1String("none"))
            exec(session.conn(), "INSERT INTO OZ030MS (CLOS_YYMM, ORDE_CLOSE, COMP_CLOSE) VALUES ('202605', :O, :C)",
                 {{"O", before.left(1)}, {"C", before.right(1)}});
        const QStringList averagesBefore = snapshot(session.conn()).filter(QStringLiteral("OZ040MS"));

        QCOMPARE(pressOn(program, cancel), QStringList{shown});
        QCOMPARE(flags(session), after);
        if (!shown.contains(QStringLiteral("구매마감 처리가 완료")))
            QCOMPARE(snapshot(session.conn()).filter(QStringLiteral("OZ040MS")), averagesBefore);
    }

    // A month closed and reopened step by step: the average cost of the hand
    // computed month in the item grid, the flags in the month list.
    void closingAndReopeningAMonth()
    {
        TestSession session;
        smallMay(session.conn());
        exec(session.conn(), "INSERT INTO OZ030MS (CLOS_YYMM, ORDE_CLOSE, COMP_CLOSE) VALUES ('202604', 'Y', 'Y')");
        DialogRecorder dialogs;
        Screen<TfrmOEB010> purchase;
        purchase.month("202605");
        purchase.press(false);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("[ 2026-05 ] 구매마감 처리가 완료 되었습니다.")});

        // The list was read again for "202605": the month and its costs.
        QCOMPARE(purchase.form.cdsEnd->recordCount(), 1);
        QCOMPARE(purchase.form.cdsEnd->text(QStringLiteral("ORDE_CLOSE")), QStringLiteral("Y"));
        QCOMPARE(purchase.form.cdsItem->recordCount(), 1);
        QCOMPARE(purchase.form.cdsItem->value(0, QStringLiteral("ITEM_CODE")).toString(), kMayItem);
        QCOMPARE(purchase.form.cdsItem->value(0, QStringLiteral("QTY")).toDouble(), 22.0);
        QCOMPARE(purchase.form.cdsItem->value(0, QStringLiteral("COST")).toDouble(), 120.0);
        QCOMPARE(purchase.form.cdsItem->value(0, QStringLiteral("AMT")).toDouble(), 2640.0);
        QCOMPARE(purchase.form.rgdItem->footerText(0, 1), QStringLiteral("1"));
        QCOMPARE(session.scalar("SELECT U_EMP_NO FROM OZ030MS WHERE CLOS_YYMM = '202605'"), QStringLiteral("A0000001"));

        // An empty month lists every month, newest first; moving in the list
        // shows the month's costs.
        purchase.form.medYYMM->setFocus();
        purchase.form.medYYMM->selectAll();
        purchase.key(Qt::Key_Backspace);
        purchase.key(Qt::Key_F3);
        QCOMPARE(purchase.form.cdsEnd->recordCount(), 2);
        QCOMPARE(purchase.form.cdsEnd->value(0, QStringLiteral("CLOS_YYMM")).toString(), QStringLiteral("202605"));
        QCOMPARE(purchase.form.cdsItem->recordCount(), 1);
        purchase.form.rgdEnd->setFocus();
        purchase.key(Qt::Key_Down);
        QCOMPARE(purchase.form.cdsEnd->text(QStringLiteral("CLOS_YYMM")), QStringLiteral("202604"));
        QCOMPARE(purchase.form.cdsItem->recordCount(), 0);
        QCOMPARE(purchase.form.rgdEnd->footerText(0, 1), QStringLiteral("2"));

        Screen<TfrmOEB020> system;
        system.month("202605");
        system.press(false);
        system.press(true);
        purchase.month("202605");
        purchase.press(true);
        QCOMPARE(dialogs.texts().mid(1), (QStringList{QStringLiteral("[ 2026-05 ] 전산마감 처리가 완료 되었습니다."),
                                                      QStringLiteral("[ 2026-05 ] 전산마감 취소 되었습니다."),
                                                      QStringLiteral("[ 2026-05 ] 구매마감 취소 되었습니다.")}));
        QCOMPARE(flags(session), QStringLiteral("N|N"));
        // The cancels leave the costs.
        QCOMPARE(session.scalar("SELECT COUNT(*) FROM OZ040MS WHERE YYMM = '202605'"), QStringLiteral("1"));
    }

    void incompleteMonthIsRefused_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("shown");
        QTest::newRow("closing") << false << "마감 년월을 정확히 입력하십시오";
        QTest::newRow("cancel") << true << "마감 취소할 년월을 정확히 입력하십시오";
    }
    void incompleteMonthIsRefused()
    {
        QFETCH(bool, cancel);
        QFETCH(QString, shown);
        TestSession session;
        DialogRecorder dialogs;
        Screen<TfrmOEB010> s;
        s.month("2026");
        s.press(cancel);
        QCOMPARE(dialogs.texts(), QStringList{shown});
        QCOMPARE(s.focused(), QStringLiteral("medYYMM"));
        QCOMPARE(flags(session), QStringLiteral("none"));
    }
};

QTEST_MAIN(TestOEB010)
#include "tst_OEB010.moc"
