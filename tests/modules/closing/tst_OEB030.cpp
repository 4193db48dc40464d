// The daily closing driven as a user: the month's calendar, closing ticked
// days one transaction each, a failing day reported as failing, "중지"
// between days, and the cancel.

#include "ClosingScreenFixtures.h"
#include "modules/closing/OEB030.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace fixtures;

namespace {

const QString kDone = QStringLiteral("일마감 [PR_O_DAY_END] 처리가 완료 되었습니다.");

struct Screen : ScreenDriver<TfrmOEB030> {
    Screen() { form.resize(1280, 860); }
    void search(const QString &month)
    {
        type("medYYMM", month);
        key(Qt::Key_F3);
    }
    int rowOf(const QString &day) const { return form.cdsEnd->find(QStringLiteral("CLOS_DATE"), day); }
    void tick(const QStringList &days)
    {
        for (const QString &day : days) {
            form.rgdEnd->setFocus();
            form.rgdEnd->setCurrentCell(0, rowOf(day));
            QTest::keyClick(form.rgdEnd, Qt::Key_Space);
        }
    }
    QString shownFlag(const QString &day) const
    {
        return form.cdsEnd->value(rowOf(day), QStringLiteral("CLOS_CHK")).toString();
    }
};

QString flag(TestSession &session, const QString &day)
{
    return session.scalar(QStringLiteral("SELECT COALESCE(MAX(CLOS_CHK),'') FROM OZ060MS WHERE CLOS_DATE = :D"),
                          {{QStringLiteral("D"), day}});
}

int priceRows(TestSession &session, const QString &day)
{
    return session.scalar(QStringLiteral("SELECT COUNT(*) FROM OZ050MS WHERE STOCK_DATE = :D"), {{QStringLiteral("D"), day}})
        .toInt();
}

} // namespace

class TestOEB030 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void calendarHasEveryDayOfTheMonth_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("days");
        QTest::newRow("February of a leap year") << "202802" << 29;
        QTest::newRow("February") << "202602" << 28;
        QTest::newRow("April") << "202604" << 30;
        QTest::newRow("May") << "202605" << 31;
    }
    void calendarHasEveryDayOfTheMonth()
    {
        QFETCH(QString, month);
        QFETCH(int, days);
        TestSession session;
        exec(session.conn(), "INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES ('2026-05-02', 'Y'), ('2026-05-03', 'N'), "
                             "('2026-06-01', 'Y')");
        DialogRecorder dialogs;
        Screen s;
        s.search(month);
        QCOMPARE(s.form.cdsEnd->recordCount(), days);
        QCOMPARE(s.form.rgdEnd->footerText(0, 0), QString::number(days));
        const QString first = month.left(4) + '-' + month.mid(4) + "-01";
        QCOMPARE(s.form.cdsEnd->value(0, QStringLiteral("CLOS_DATE")).toString(), first);
        if (month == QLatin1String("202605")) {
            QCOMPARE(s.shownFlag("2026-05-02"), QStringLiteral("Y"));
            QCOMPARE(s.shownFlag("2026-05-03"), QStringLiteral("N"));
            QCOMPARE(s.shownFlag("2026-05-31"), QString());
        }
        QVERIFY(dialogs.messages.isEmpty());
    }

    // Ticked open days are closed, a ticked closed day is left as it was; the
    // price list of a day shows on a double click.
    void closingTickedDays()
    {
        TestSession session;
        smallMay(session.conn());
        exec(session.conn(), "INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES ('2026-05-10', 'Y')");
        DialogRecorder dialogs;
        Screen s;
        s.search("202605");
        s.tick({"2026-05-03", "2026-05-04", "2026-05-10"});
        s.form.bbEnd->click();

        QCOMPARE(dialogs.texts(), QStringList{kDone});
        QCOMPARE(flag(session, "2026-05-03"), QStringLiteral("Y"));
        QCOMPARE(flag(session, "2026-05-04"), QStringLiteral("Y"));
        QCOMPARE(priceRows(session, "2026-05-10"), 0);   // skipped: already closed
        QCOMPARE(flag(session, "2026-05-05"), QString());
        QCOMPARE(s.shownFlag("2026-05-04"), QStringLiteral("Y"));
        QCOMPARE(s.form.pgbEnd->format(), QString());
        QVERIFY(s.form.bbEnd->isEnabled() && !s.form.bbtStop->isEnabled());

        const int row = s.rowOf("2026-05-04");
        const QRect cell = s.form.rgdEnd->visualRect(s.form.rgdEnd->model()->index(row, 1));
        QTest::mouseClick(s.form.rgdEnd->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(s.form.cdsItem->recordCount(), 0);   // moving alone does not load the day
        QTest::mouseDClick(s.form.rgdEnd->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(s.form.cdsItem->recordCount(), 1);
        QCOMPARE(s.form.cdsItem->value(0, QStringLiteral("ITEM_CODE")).toString(), kMayItem);
        QCOMPARE(s.form.cdsItem->value(0, QStringLiteral("STOCK_QTY")).toDouble(), 22.0);
        QCOMPARE(s.form.cdsItem->value(0, QStringLiteral("STOCK_COST")).toDouble(), 120.0);
        QCOMPARE(s.form.rgdItem->footerText(0, 1), QStringLiteral("1"));
    }

    // The second of three days fails in the database: the first and third are
    // closed, the second stays open, and the user is told which day failed
    // and why, never that all went well.
    void failingDayIsReported()
    {
        TestSession session;
        smallMay(session.conn());
        failDayInDatabase(session.conn(), "2026-05-04");
        DialogRecorder dialogs;
        Screen s;
        s.search("202605");
        s.tick({"2026-05-03", "2026-05-04", "2026-05-05"});
        s.form.bbEnd->click();

        QCOMPARE(flag(session, "2026-05-03"), QStringLiteral("Y"));
        QCOMPARE(flag(session, "2026-05-04"), QString());
        QCOMPARE(priceRows(session, "2026-05-04"), 0);
        QCOMPARE(flag(session, "2026-05-05"), QStringLiteral("Y"));
        QCOMPARE(s.shownFlag("2026-05-04"), QString());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].kind, MessageKind::Error);
        const QString text = dialogs.lastText();
        QVERIFY2(!text.contains(QStringLiteral("완료 되었습니다")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("(마감 2일, 에러 1일)")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("[2026-05-04] 일마감 처리시 에러가 발생 했습니다 : ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("no space left for the price list")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("2026-05-03")) && !text.contains(QStringLiteral("2026-05-05")));
    }

    // "중지" pressed while the first day runs: the days after it are not touched.
    void stopBetweenDays()
    {
        TestSession session;
        smallMay(session.conn());
        DialogRecorder dialogs;
        Screen s;
        s.search("202605");
        s.tick({"2026-05-03", "2026-05-04", "2026-05-05"});
        QStringList shown;
        connect(s.form.pgbEnd, &QProgressBar::valueChanged, &s.form, [&] {
            shown << s.form.pgbEnd->format();
            if (s.form.pgbEnd->value() == 1 && s.form.bbtStop->isEnabled()) {
                QVERIFY(!s.form.bbEnd->isEnabled() && !s.form.bbtSearch->isEnabled());
                s.form.bbtStop->click();
            }
        });
        s.form.bbEnd->click();

        QCOMPARE(flag(session, "2026-05-03"), QStringLiteral("Y"));
        QCOMPARE(flag(session, "2026-05-04"), QString());
        QCOMPARE(flag(session, "2026-05-05"), QString());
        QCOMPARE(shown.first(), QStringLiteral("[2026-05-04] 일마감  (2 / 3)"));
        QCOMPARE(dialogs.texts(),
                 QStringList{QStringLiteral("일마감 [PR_O_DAY_END] 처리가 중지 되었습니다. (마감 1일, 미처리 2일)")});
        QVERIFY(s.form.bbEnd->isEnabled() && !s.form.bbtStop->isEnabled());
    }

    // The cancel reopens ticked closed days only and keeps their price lists;
    // with nothing to do it still says it is done.
    void cancelReopensTickedClosedDays()
    {
        TestSession session;
        smallMay(session.conn());
        DialogRecorder dialogs;
        Screen s;
        s.search("202605");
        s.tick({"2026-05-03", "2026-05-04"});
        s.form.bbEnd->click();
        const int prices = priceRows(session, "2026-05-03");
        QVERIFY(prices > 0);

        s.tick({"2026-05-03", "2026-05-06"});
        dialogs.clear();
        s.form.bbtEnd_Cancel->click();
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("구매자재 일마감이 취소 되었습니다.")});
        QCOMPARE(flag(session, "2026-05-03"), QStringLiteral("N"));
        QCOMPARE(flag(session, "2026-05-04"), QStringLiteral("Y"));
        QCOMPARE(flag(session, "2026-05-06"), QString());
        QCOMPARE(priceRows(session, "2026-05-03"), prices);
        QCOMPARE(s.shownFlag("2026-05-03"), QStringLiteral("N"));
        QCOMPARE(session.scalar("SELECT U_EMP_NO FROM OZ060MS WHERE CLOS_DATE = '2026-05-03'"), QStringLiteral("A0000001"));

        // Reopened, it closes again.
        s.tick({"2026-05-03"});
        dialogs.clear();
        s.form.bbEnd->click();
        QCOMPARE(dialogs.texts(), QStringList{kDone});
        QCOMPARE(flag(session, "2026-05-03"), QStringLiteral("Y"));

        // Nothing ticked: both buttons still answer.
        dialogs.clear();
        s.form.bbEnd->click();
        s.form.bbtEnd_Cancel->click();
        QCOMPARE(dialogs.texts(), (QStringList{kDone, QStringLiteral("구매자재 일마감이 취소 되었습니다.")}));
    }

    // The cancel is all or nothing: one day that cannot be reopened keeps the
    // others closed too, and the user sees the failure, not the success.
    void cancelRunsInOneTransaction()
    {
        TestSession session;
        exec(session.conn(), "INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES ('2026-05-03', 'Y'), ('2026-05-04', 'Y')");
        failReopeningInDatabase(session.conn(), "2026-05-04");
        DialogRecorder dialogs;
        Screen s;
        s.search("202605");
        s.tick({"2026-05-03", "2026-05-04"});
        s.form.bbtEnd_Cancel->click();
        QCOMPARE(flag(session, "2026-05-03"), QStringLiteral("Y"));
        QCOMPARE(flag(session, "2026-05-04"), QStringLiteral("Y"));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].kind, MessageKind::Error);
        QVERIFY2(dialogs.lastText().contains(QStringLiteral("the day is being audited")), qPrintable(dialogs.lastText()));
    }

    void monthFieldIsChecked()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.type("medYYMM", "202613");
        s.key(Qt::Key_Tab);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("년월을 정확히 입력하여 주십시오.")});
        QVERIFY(s.form.medYYMM->isBlank());
        QCOMPARE(s.focused(), QStringLiteral("medYYMM"));
    }
};

QTEST_MAIN(TestOEB030)
#include "tst_OEB030.moc"
