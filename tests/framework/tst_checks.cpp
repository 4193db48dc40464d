// The stock and closing checks against stock and closing rows written as the
// server procedures and closing screens leave them, on the program's connection.

#include "db/Query.h"
#include "framework/Checks.h"
#include "framework/TextHelpers.h"
#include "support/DialogRecorder.h"
#include "support/Session.h"

#include <QtTest>

class TestChecks : public QObject {
    Q_OBJECT
    std::unique_ptr<TestSession> session;

    void exec(const QString &sql, const QList<QPair<QString, QString>> &params)
    {
        db::Query q(session->conn(), sql);
        for (const auto &p : params)
            q.bind(p.first, p.second);
        q.exec();
    }
    void stock(const QString &yymm, const QString &strg, const QString &item, const QString &qty)
    {
        exec(QStringLiteral("INSERT INTO OZ010MS (STOC_YYMM, STRG_CODE, ITEM_CODE, STOC_QTY) VALUES (:M, :S, :I, :Q)"),
             {{"M", yymm}, {"S", strg}, {"I", item}, {"Q", qty}});
    }
    void monthClosing(const QString &yymm, const QString &purchase, const QString &computer)
    {
        exec(QStringLiteral("INSERT INTO OZ030MS (CLOS_YYMM, ORDE_CLOSE, COMP_CLOSE) VALUES (:M, :O, :C)"),
             {{"M", yymm}, {"O", purchase}, {"C", computer}});
    }
    void dayClosing(const QString &date, const QString &closed)
    {
        exec(QStringLiteral("INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES (:D, :C)"), {{"D", date}, {"C", closed}});
    }

private Q_SLOTS:
    void initTestCase()
    {
        session = std::make_unique<TestSession>();
        stock("200305", "100", "L1010001", "1234.56789");
        stock("200306", "100", "L1010001", "-3");
        stock("200305", "110", "L1010001", "7");
        stock("200305", "100", "L1010002", "");   // a row without a quantity

        monthClosing("200301", "Y", "Y");
        monthClosing("200302", "Y", "N");
        monthClosing("200303", "N", "Y");
        monthClosing("200304", "N", "N");
        monthClosing("200305", "", "");
        monthClosing("200306", "", "Y");

        dayClosing("2003-05-01", "Y");
        dayClosing("2003-05-02", "N");
        dayClosing("2003-05-03", "");
    }
    void cleanupTestCase() { session.reset(); }

    void stockQty_data()
    {
        QTest::addColumn<QString>("strg");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("date");
        QTest::addColumn<double>("expected");
        QTest::newRow("first day of the month") << "100" << "L1010001" << "2003-05-01" << 1234.56789;
        QTest::newRow("last day of the month") << "100" << "L1010001" << "2003-05-31" << 1234.56789;
        QTest::newRow("next month") << "100" << "L1010001" << "2003-06-15" << -3.0;
        // a month without a row of its own holds what the latest earlier month carries
        QTest::newRow("first day of a month without a row") << "100" << "L1010001" << "2003-07-01" << -3.0;
        QTest::newRow("same month a year on") << "100" << "L1010001" << "2004-05-01" << -3.0;
        QTest::newRow("month before the first row") << "100" << "L1010001" << "2003-04-30" << 0.0;
        QTest::newRow("other warehouse") << "110" << "L1010001" << "2003-05-20" << 7.0;
        QTest::newRow("warehouse without the item") << "120" << "L1010001" << "2003-05-20" << 0.0;
        QTest::newRow("row without a quantity") << "100" << "L1010002" << "2003-05-20" << 0.0;
        QTest::newRow("no warehouse") << "" << "L1010001" << "2003-05-20" << 0.0;
        QTest::newRow("no date") << "100" << "L1010001" << "" << 0.0;
    }
    void stockQty()
    {
        QFETCH(QString, strg);
        QFETCH(QString, item);
        QFETCH(QString, date);
        QFETCH(double, expected);
        QCOMPARE(GetStockQty(strg, item, date), expected);
        QCOMPARE(GetStockQty(strg, item, date, session->conn()), expected);
    }

    void monthClose_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("message");
        QTest::newRow("both closed") << "2003-01-15" << int(mcBothClosed) << "2003-01 해당 월이 구매 및 전산마감 되었습니다.";
        QTest::newRow("purchase closed") << "2003-02-28" << int(mcPurchaseClosed) << "2003-02 해당 월이 구매마감 되었습니다.";
        QTest::newRow("computer closed") << "2003-03-01" << int(mcComputerClosed) << "2003-03 해당 월이 전산마감 되었습니다.";
        QTest::newRow("neither") << "2003-04-30" << int(mcOpen) << "2003-04 해당 월 마감체크";
        QTest::newRow("flags missing") << "2003-05-01" << int(mcOpen) << "2003-05 해당 월 마감체크";
        // the computer closing counts although the purchase flag is missing
        QTest::newRow("purchase flag missing") << "2003-06-01" << int(mcComputerClosed) << "2003-06 해당 월이 전산마감 되었습니다.";
        QTest::newRow("no row") << "2003-07-01" << int(mcOpen) << "2003-07 해당 월 마감체크";
        QTest::newRow("no date") << "" << int(mcOpen) << " 해당 월 마감체크";
    }
    void monthClose()
    {
        QFETCH(QString, date);
        QFETCH(int, expected);
        QFETCH(QString, message);
        QString text = QStringLiteral("left over");
        QCOMPARE(CheckMonthClose(date, text), expected);
        QCOMPARE(text, message);
    }

    void dayClose_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("message");
        QTest::newRow("closed") << "2003-05-01" << 1 << "2003-05-01 해당 일자는 마감 완료 되었습니다.";
        QTest::newRow("open") << "2003-05-02" << 0 << "2003-05-02 해당 일자 마감체크";
        QTest::newRow("flag missing") << "2003-05-03" << 0 << "2003-05-03 해당 일자 마감체크";
        QTest::newRow("no row") << "2003-05-04" << 0 << "2003-05-04 해당 일자 마감체크";
        QTest::newRow("no date") << "" << 0 << " 해당 일자 마감체크";
    }
    void dayClose()
    {
        QFETCH(QString, date);
        QFETCH(int, expected);
        QFETCH(QString, message);
        QString text;
        QCOMPARE(CheckDayClose(date, text), expected);
        QCOMPARE(text, message);

        // what a screen shows before it saves a movement of that day
        DialogRecorder dialogs;
        QCOMPARE(RefuseClosedDay(date), expected == 1);
        if (expected == 1) {
            QCOMPARE(dialogs.messages.size(), 1);
            QCOMPARE(dialogs.messages[0].kind, MessageKind::Info);
            QCOMPARE(dialogs.messages[0].text, message);
        } else {
            QVERIFY(dialogs.messages.isEmpty());
        }
    }

    // A slip in a date must not pass for an open day or an empty stock.
    void textThatIsNoDate_data()
    {
        QTest::addColumn<QString>("date");
        QTest::newRow("no such day") << "2003-02-30";
        QTest::newRow("without dashes") << "20030501";
        QTest::newRow("short month") << "2003-5-01";
        QTest::newRow("words") << "어제";
    }
    void textThatIsNoDate()
    {
        QFETCH(QString, date);
        QString text;
        QVERIFY_THROWS_EXCEPTION(EConvertError, GetStockQty(QStringLiteral("100"), QStringLiteral("L1010001"), date));
        QVERIFY_THROWS_EXCEPTION(EConvertError, CheckMonthClose(date, text));
        QVERIFY_THROWS_EXCEPTION(EConvertError, CheckDayClose(date, text));
    }
};

QTEST_MAIN(TestChecks)
#include "tst_checks.moc"
