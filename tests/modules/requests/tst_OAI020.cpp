// The purchase request approval, driven as a user drives it, and what the
// entry screen then allows.

#include "modules/requests/OAI010.h"
#include "modules/requests/OAI020.h"
#include "support/ScreenDriver.h"
#include "support/DialogRecorder.h"
#include "support/Session.h"
#include "support/Typing.h"
#include "RequestFixtures.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/PlainGrid.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QToolButton>
#include <QtTest>

namespace {

struct Screen : ScreenDriver<TfrmOAI020> {
    Screen() { form.resize(1280, 860); }
    int rowOf(const QString &no) const { return form.cdsOA010MS->find(QStringLiteral("PURC_NO"), no); }
    void tick(const QString &no)
    {
        form.rgdOA010MS->setFocus();
        form.rgdOA010MS->setCurrentCell(0, rowOf(no));
        QTest::keyClick(form.rgdOA010MS, Qt::Key_Space);
    }
    QString shown(const QString &no, const char *field) const
    {
        return form.cdsOA010MS->value(rowOf(no), QLatin1String(field)).toString();
    }
    void approver(const QString &empNo)
    {
        form.edtAPPR_EMP_NO->setFocus();
        form.edtAPPR_EMP_NO->selectAll();
        typeText(form.edtAPPR_EMP_NO, empNo);
        QTest::keyClick(form.edtAPPR_EMP_NO, Qt::Key_Return);
    }
};

// Three requests of today: not approved, approved, approval cancelled.
QString setUp(TestSession &session)
{
    const QString day = session.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')"));
    fixtures::request(session.conn(), day, 1, QStringLiteral("PU20260100001"), QStringLiteral("3"), {QStringLiteral("L1010001")});
    fixtures::request(session.conn(), day, 2, QStringLiteral("PU20260100002"), QStringLiteral("2"),
                      {QStringLiteral("L1010002"), QStringLiteral("L1010003")});
    fixtures::request(session.conn(), day, 3, QStringLiteral("PU20260100003"), QStringLiteral("1"), {QStringLiteral("L1010004")});
    fixtures::exec(session.conn(), QStringLiteral("UPDATE OA010DT SET EMER_CHK = 'Y' WHERE ITEM_CODE = 'L1010003'"));
    return day;
}

QString status(TestSession &session, int num)
{
    return session.scalar(QStringLiteral("SELECT APPR_GUBUN || '|' || COALESCE(APPR_EMP_NO,'') || '|' || "
                                         "COALESCE(TO_CHAR(APPR_DATE,'YYYY-MM-DD'),'') FROM OA010MS WHERE PURC_NUM = :N"),
                          {{QStringLiteral("N"), QString::number(num)}});
}

} // namespace

class TestOAI020 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statusListChoosesTheRequests_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("전    체") << 0 << QStringList{"PU20260100001", "PU20260100002", "PU20260100003"};
        QTest::newRow("승인취소") << 1 << QStringList{"PU20260100003"};
        QTest::newRow("승    인") << 2 << QStringList{"PU20260100002"};
        QTest::newRow("미 결 재") << 3 << QStringList{"PU20260100001"};
    }
    void statusListChoosesTheRequests()
    {
        QFETCH(int, entry);
        QFETCH(QStringList, numbers);
        TestSession session;
        setUp(session);
        DialogRecorder dialogs;
        Screen s;
        QVERIFY(!s.form.bbtAdd->isVisible() && !s.form.bbtSave->isVisible() && !s.form.panInput->isVisible());
        s.form.cobAPPR_GUBUN->setFocus();
        s.form.cobAPPR_GUBUN->setCurrentIndex(entry);
        s.key(Qt::Key_F3);
        QStringList found;
        for (int row = 0; row < s.form.cdsOA010MS->recordCount(); ++row)
            found << s.form.cdsOA010MS->value(row, QStringLiteral("PURC_NO")).toString();
        QCOMPARE(found, numbers);
        QCOMPARE(s.form.rgdOA010MS->footerText(0, 0), QString::number(numbers.size()));
        QVERIFY(dialogs.messages.isEmpty());
    }

    // The lines follow the current request, the caption its status; a title
    // click sorts and marks the column.
    void browsingTheList()
    {
        TestSession session;
        setUp(session);
        DialogRecorder dialogs;
        Screen s;
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.rgdOA010DT->rowCount(), 1);
        QCOMPARE(s.form.bbtAppr->text(), QStringLiteral("의뢰확정"));
        s.form.sbtNext->click();
        QCOMPARE(s.form.rgdOA010DT->rowCount(), 2);
        QCOMPARE(s.form.rgdOA010DT->footerText(0, 1), QStringLiteral("2"));
        QCOMPARE(s.form.rgdOA010DT->cells(1, 1), QStringLiteral("Y"));
        QCOMPARE(s.form.bbtAppr->text(), QStringLiteral("의뢰취소"));

        const int warehouseName = s.form.rgdOA010MS->columnIndex(QStringLiteral("STRG_CODE_NM"));
        s.form.rgdOA010MS->sortByTitle(warehouseName);
        QCOMPARE(s.form.rgdOA010MS->sortMark(warehouseName), widgets::SortMark::Descending);
        s.form.rgdOA010MS->sortByTitle(warehouseName);
        QCOMPARE(s.form.rgdOA010MS->sortMark(warehouseName), widgets::SortMark::Ascending);
        QCOMPARE(s.form.rgdOA010MS->isReadOnly(), false);
        QVERIFY(s.form.rgdOA010MS->column(0).options.testFlag(widgets::col::Tick));
    }

    // One press approves what was not approved and cancels what was; the
    // entry screen then refuses and allows accordingly.
    void approveAndCancelInOnePass()
    {
        TestSession session;
        const QString day = setUp(session);
        DialogRecorder dialogs;
        {
            Screen s;
            s.key(Qt::Key_F3);

            // Nothing ticked: nothing happens.
            s.approver(QStringLiteral("K0000001"));
            QCOMPARE(s.form.edtAPPR_EMP_NO_NM->text(), QStringLiteral("이수진"));
            QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
            QVERIFY(dialogs.messages.isEmpty());
            QCOMPARE(status(session, 1), QStringLiteral("3||"));

            s.tick(QStringLiteral("PU20260100001"));
            s.tick(QStringLiteral("PU20260100002"));
            QCOMPARE(s.shown(QStringLiteral("PU20260100001"), "SEL"), QStringLiteral("1"));
            QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
            QVERIFY(dialogs.messages.isEmpty());
            QCOMPARE(status(session, 1), QStringLiteral("2|K0000001|%1").arg(day));
            QCOMPARE(status(session, 2), QStringLiteral("1|K0000001|%1").arg(day));
            QCOMPARE(status(session, 3), QStringLiteral("1||"));
            QCOMPARE(s.shown(QStringLiteral("PU20260100001"), "APPR_GUBUN_NM"), QStringLiteral("승    인"));
            QCOMPARE(s.shown(QStringLiteral("PU20260100002"), "APPR_GUBUN_NM"), QStringLiteral("승인취소"));
            QCOMPARE(s.shown(QStringLiteral("PU20260100002"), "APPR_EMP_NO_NM"), QStringLiteral("이수진"));
            QCOMPARE(s.shown(QStringLiteral("PU20260100002"), "APPR_DATE"), day);
            QCOMPARE(s.shown(QStringLiteral("PU20260100001"), "SEL"), QStringLiteral("1"));   // ticks stay
        }

        TfrmOAI010 entry;
        entry.show();
        QVERIFY(QTest::qWaitForWindowActive(&entry));
        auto key = [&entry](Qt::Key k) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &entry, k);
        };
        key(Qt::Key_F3);
        QCOMPARE(entry.cdsOA010MS->recordCount(), 3);
        dialogs.clear();
        entry.cdsOA010MS->locate(QStringLiteral("PURC_NUM"), 1);   // approved now
        key(Qt::Key_F5);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("구매의뢰 확정 처리된 자료는 수정 할 수 없습니다.")});
        QCOMPARE(entry.WorkMode, quint8(wmBrowse));
        dialogs.clear();
        entry.cdsOA010MS->locate(QStringLiteral("PURC_NUM"), 2);   // approval cancelled now
        key(Qt::Key_F5);
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(entry.WorkMode, quint8(wmEdit));
    }

    void approvalNeedsDateAndApprover()
    {
        TestSession session;
        setUp(session);
        DialogRecorder dialogs;
        Screen s;
        s.key(Qt::Key_F3);
        s.tick(QStringLiteral("PU20260100001"));
        QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("사원번호는 반드시 입력하세요")});
        QCOMPARE(QApplication::focusWidget(), s.form.edtAPPR_EMP_NO);

        dialogs.clear();
        s.approver(QStringLiteral("K00"));   // no whole number: no approver
        QCOMPARE(s.form.edtAPPR_EMP_NO->text(), QString());
        s.approver(QStringLiteral("K0000001"));
        s.form.medAPPR_DATE->clear();
        QTest::mouseClick(s.form.bbtAppr, Qt::LeftButton);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("의뢰일자는 반드시 입력하세요")});
        QCOMPARE(QApplication::focusWidget(), s.form.medAPPR_DATE);
        QCOMPARE(status(session, 1), QStringLiteral("3||"));
    }
};

QTEST_MAIN(TestOAI020)
#include "tst_OAI020.moc"
