// The closings of days and months on small hand-made fixtures whose figures
// are worked out by hand below: the daily price list, the month's average
// cost, the month flags, the carry-over into the next month, the resolution
// figures of a purchase request, and refusals that leave everything as it was.

#include "support/ClosingFixtures.h"
#include "framework/Checks.h"
#include "support/TestDb.h"

#include <QProcess>
#include <QtTest>

using namespace fixtures;

namespace {

const QString kItem = QStringLiteral("L1010001");
const QString kIdle = QStringLiteral("L1010002");   // no movement; costed in April

// May 2026, item kItem in warehouses 110 and 210.
//   carried in: 110 10 @ 100 = 1000; 210 5 @ 100 = 500; opening line 210 on 05-25: 4 for 480
//   (opening stock counts in OVER_QTY/OVER_AMT of its month: 210 carries 9 for 980)
//   receipts into 110: 05-03 20 for 2600, 05-20 10 for 1600; one unconfirmed, one in June
//   returns from 110: 05-05 plain 5 for 650; 05-06 exchange 2 for 260 (leaves the cost alone)
//   issues from 110: 05-04 kind 1 confirmed 8, kind 4 1, kind 1 unconfirmed 50 (not posted)
//   count in 110 on 05-04: 2 short
//   month-end stock: 110 10 + 30 - 7 - 11 = 22, 210 9 → 31
void mayFixture(db::Connection &conn)
{
    stockRow(conn, "202605", "110", kItem, 10, 1000, 22);
    stockRow(conn, "202605", "210", kItem, 9, 980, 9);
    stockRow(conn, "202605", "110", kIdle, 0, 0, 3);
    silsLine(conn, "2026-05-25", "210", kItem, "1", 4, 120, 480);
    receipt(conn, "2026-05-02", 1, "110", "2026-05-03", kItem, 20, 2600);
    receipt(conn, "2026-05-19", 2, "110", "2026-05-20", kItem, 10, 1600);
    receipt(conn, "2026-05-21", 3, "110", QString(), kItem, 100, 99999);
    receipt(conn, "2026-05-30", 4, "110", "2026-06-01", kItem, 100, 99999);
    supplierReturn(conn, "2026-05-05", 1, "110", "2", kItem, 5, 650);
    supplierReturn(conn, "2026-05-06", 2, "110", "1", kItem, 2, 260);
    issue(conn, "2026-05-04", 1, "110", "1", "2", "2026-05-04", kItem, 8);
    issue(conn, "2026-05-04", 2, "110", "4", QString(), QString(), kItem, 1);
    issue(conn, "2026-05-04", 3, "110", "1", "3", QString(), kItem, 50);
    silsLine(conn, "2026-05-04", "110", kItem, "2", 0, -2, 0);
    dailyCost(conn, "2026-04-30", kIdle, 77);
}

struct DayFigures {
    double qty, cost;
};

// End-of-day stock and cumulative average cost of kItem, worked out by hand:
// base 19 for 1980 (carried and opening), plus receipts less plain returns.
const QMap<QString, DayFigures> kMayDays = {
    {"2026-05-04", {19 - 4 + 20 - 9 - 2, (1980.0 + 2600) / (19 + 20)}},
    {"2026-05-05", {19 - 4 + 20 - 5 - 9 - 2, (1980.0 + 2600 - 650) / (19 + 20 - 5)}},
    {"2026-05-20", {19 - 4 + 30 - 7 - 9 - 2, (1980.0 + 4200 - 650) / (19 + 30 - 5)}},
    {"2026-05-31", {19 + 30 - 7 - 9 - 2, (1980.0 + 4200 - 650) / (19 + 30 - 5)}},
};

QString dayEnd(db::Connection &conn, const QString &day)
{
    return call(conn, QStringLiteral("PR_O_DAY_END"), {{QStringLiteral("I_DATE"), day}});
}

QString totalAverage(db::Connection &conn, const QString &yymm)
{
    return call(conn, QStringLiteral("PR_O_STOCK_TOTAL_AVERAGE"),
                {{QStringLiteral("I_YYMM"), yymm}, {QStringLiteral("I_EMP_NO"), QStringLiteral("A0000001")}});
}

QString stockEnd(db::Connection &conn, const QString &yymm)
{
    return call(conn, QStringLiteral("PR_O_STOCK_END"), {{QStringLiteral("I_YYMM"), yymm}});
}

void setMonthFlags(db::Connection &conn, const QString &yymm, const QString &purchase, const QString &system)
{
    exec(conn, QStringLiteral("INSERT INTO OZ030MS (CLOS_YYMM, ORDE_CLOSE, COMP_CLOSE) VALUES (:M, :O, :C)"),
         {{"M", yymm}, {"O", purchase}, {"C", system}});
}

// A workstation: one call in a transaction of its own, the answer printed.
int worker(const QString &alias, const QString &procedure, const QString &input)
{
    auto conn = testdb::connect(alias);
    conn->startTransaction();
    const db::ProcInputs inputs = procedure == QLatin1String("PR_O_DAY_END")
        ? db::ProcInputs{{"I_DATE", input}}
        : db::ProcInputs{{"I_YYMM", input}, {"I_EMP_NO", "A0000001"}};
    const QString answer = call(*conn, procedure, inputs);
    conn->commit();
    QTextStream(stdout) << answer << '\n';
    return 0;
}

QStringList runWorkstations(const QString &alias, const QList<QStringList> &calls)
{
    QList<QProcess *> processes;
    for (const QStringList &c : calls) {
        auto *p = new QProcess;
        p->start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--worker"), alias} + c);
        processes.append(p);
    }
    QStringList answers;
    for (QProcess *p : processes) {
        p->waitForFinished(120000);
        answers.append(p->exitCode() == 0 ? QString::fromUtf8(p->readAllStandardOutput()).trimmed()
                                          : QString::fromUtf8(p->readAllStandardError()));
        delete p;
    }
    answers.sort();
    return answers;
}

void compareNumber(double actual, double expected)
{
    if (std::abs(actual - expected) > 0.0001)
        QFAIL(qPrintable(QStringLiteral("%1 != %2").arg(actual, 0, 'f', 6).arg(expected, 0, 'f', 6)));
}

} // namespace

class TestClosing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dayCostsDoNotDependOnTheClosingOrder_data()
    {
        QTest::addColumn<QStringList>("order");
        QTest::newRow("ascending") << QStringList{"2026-05-04", "2026-05-05", "2026-05-20", "2026-05-31"};
        QTest::newRow("descending") << QStringList{"2026-05-31", "2026-05-20", "2026-05-05", "2026-05-04"};
        QTest::newRow("mixed") << QStringList{"2026-05-20", "2026-05-04", "2026-05-31", "2026-05-05"};
    }
    void dayCostsDoNotDependOnTheClosingOrder()
    {
        QFETCH(QStringList, order);
        auto conn = testdb::connect(testdb::freshAlias());
        mayFixture(*conn);
        for (const QString &day : order)
            QCOMPARE(dayEnd(*conn, day), QStringLiteral("Y"));

        for (auto it = kMayDays.cbegin(); it != kMayDays.cend(); ++it) {
            const Params key = {{"D", it.key()}, {"I", kItem}};
            const double qty = number(*conn, "SELECT STOCK_QTY FROM OZ050MS WHERE STOCK_DATE = :D AND ITEM_CODE = :I", key);
            const double cost = number(*conn, "SELECT STOCK_COST FROM OZ050MS WHERE STOCK_DATE = :D AND ITEM_CODE = :I", key);
            const double amt = number(*conn, "SELECT STOCK_AMT FROM OZ050MS WHERE STOCK_DATE = :D AND ITEM_CODE = :I", key);
            compareNumber(qty, it->qty);
            compareNumber(cost, it->cost);
            compareNumber(amt, qty * cost);
            // The item without movement keeps its last cost on the price list.
            compareNumber(number(*conn, "SELECT STOCK_COST FROM OZ050MS WHERE STOCK_DATE = :D AND ITEM_CODE = :I",
                                 {{"D", it.key()}, {"I", kIdle}}),
                          77);
            QString message;
            QCOMPARE(CheckDayClose(it.key(), message, *conn), 1);
        }
        // Rows only for the closed days (and April's cost that was there).
        QCOMPARE(scalar(*conn, "SELECT COUNT(*) FROM OZ050MS"), QStringLiteral("9"));
        QCOMPARE(scalar(*conn, "SELECT COUNT(*) FROM OZ060MS WHERE CLOS_CHK = 'Y'"), QStringLiteral("4"));
    }

    void reclosingACancelledDayReplacesItsRows()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        mayFixture(*conn);
        QCOMPARE(dayEnd(*conn, "2026-05-04"), QStringLiteral("Y"));
        exec(*conn, "UPDATE OZ060MS SET CLOS_CHK = 'N' WHERE CLOS_DATE = '2026-05-04'");
        QString message;
        QCOMPARE(CheckDayClose("2026-05-04", message, *conn), 0);
        receipt(*conn, "2026-05-04", 5, "210", "2026-05-04", kItem, 10, 1000);

        QCOMPARE(dayEnd(*conn, "2026/05/04"), QStringLiteral("Y"));   // the masks of some screens keep slashes
        QCOMPARE(scalar(*conn, "SELECT COUNT(*) FROM OZ050MS WHERE STOCK_DATE = '2026-05-04'"), QStringLiteral("2"));
        compareNumber(number(*conn, "SELECT STOCK_QTY FROM OZ050MS WHERE STOCK_DATE = '2026-05-04' AND ITEM_CODE = :I",
                             {{"I", kItem}}),
                      24 + 10);
        compareNumber(number(*conn, "SELECT STOCK_COST FROM OZ050MS WHERE STOCK_DATE = '2026-05-04' AND ITEM_CODE = :I",
                             {{"I", kItem}}),
                      (1980.0 + 2600 + 1000) / (19 + 20 + 10));
        QCOMPARE(CheckDayClose("2026-05-04", message, *conn), 1);
    }

    // Closing the last day of a month carries every non-zero stock into the
    // next month, valued at the month's last cost; rows already there keep
    // their quantities and get the new value.
    void closingTheLastDayCarriesStockIntoTheNextMonth()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        mayFixture(*conn);
        stockRow(*conn, "202606", "210", kItem, 9, 0, 12);
        QCOMPARE(dayEnd(*conn, "2026-05-31"), QStringLiteral("Y"));
        const double cost = kMayDays.value("2026-05-31").cost;
        const QString row = "SELECT %1 FROM OZ010MS WHERE STOC_YYMM = '202606' AND STRG_CODE = :S AND ITEM_CODE = :I";
        compareNumber(number(*conn, row.arg("OVER_QTY"), {{"S", "110"}, {"I", kItem}}), 22);
        compareNumber(number(*conn, row.arg("STOC_QTY"), {{"S", "110"}, {"I", kItem}}), 22);
        compareNumber(number(*conn, row.arg("OVER_AMT"), {{"S", "110"}, {"I", kItem}}), 22 * cost);
        compareNumber(number(*conn, row.arg("STOC_QTY"), {{"S", "210"}, {"I", kItem}}), 12);
        compareNumber(number(*conn, row.arg("OVER_AMT"), {{"S", "210"}, {"I", kItem}}), 9 * cost);
        compareNumber(number(*conn, row.arg("OVER_AMT"), {{"S", "110"}, {"I", kIdle}}), 3 * 77);
        QCOMPARE(scalar(*conn, "SELECT COUNT(*) FROM OZ010MS WHERE STOC_YYMM = '202606'"), QStringLiteral("3"));
        QCOMPARE(GetStockQty("110", kItem, "2026-06-01", *conn), 22.0);
    }

    void monthAverageCostOfAHandComputedMonth()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        mayFixture(*conn);
        exec(*conn, "INSERT INTO OZ040MS (YYMM, ITEM_CODE, QTY, COST, AMT) VALUES ('202605', 'S9999999', 1, 1, 1)");
        QCOMPARE(totalAverage(*conn, "202605"), QStringLiteral("Y"));

        const double cost = (1980.0 + 4200 - 650) / (19 + 30 - 5);
        const QString row = "SELECT %1 FROM OZ040MS WHERE YYMM = '202605' AND ITEM_CODE = :I";
        compareNumber(number(*conn, row.arg("QTY"), {{"I", kItem}}), 31);
        compareNumber(number(*conn, row.arg("COST"), {{"I", kItem}}), cost);
        compareNumber(number(*conn, row.arg("AMT"), {{"I", kItem}}), 31 * cost);
        compareNumber(number(*conn, row.arg("COST"), {{"I", kIdle}}), 77);
        compareNumber(number(*conn, row.arg("AMT"), {{"I", kIdle}}), 3 * 77);
        QCOMPARE(scalar(*conn, "SELECT COUNT(*) FROM OZ040MS"), QStringLiteral("2"));
        QCOMPARE(scalar(*conn, "SELECT U_EMP_NO FROM OZ030MS WHERE CLOS_YYMM = '202605'"), QStringLiteral("A0000001"));

        // The month's last closed day has the same cost.
        QCOMPARE(dayEnd(*conn, "2026-05-31"), QStringLiteral("Y"));
        compareNumber(number(*conn, "SELECT STOCK_COST FROM OZ050MS WHERE STOCK_DATE = '2026-05-31' AND ITEM_CODE = :I",
                             {{"I", kItem}}),
                      cost);

        // Cancelled, a receipt priced again, closed again: the rows are replaced.
        exec(*conn, "UPDATE OZ030MS SET ORDE_CLOSE = 'N' WHERE CLOS_YYMM = '202605'");
        exec(*conn, "UPDATE OC010DT SET AMT = 3400 WHERE INSP_NUM = 1");
        QCOMPARE(totalAverage(*conn, "202605"), QStringLiteral("Y"));
        compareNumber(number(*conn, row.arg("COST"), {{"I", kItem}}), (1980.0 + 5000 - 650) / 44);
        QCOMPARE(scalar(*conn, "SELECT COUNT(*) FROM OZ040MS"), QStringLiteral("2"));
    }

    void monthClosingsFollowTheMonthState_data()
    {
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QString>("purchase");   // "-" no flag row
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("stateAfter");
        const QString total = QStringLiteral("PR_O_STOCK_TOTAL_AVERAGE");
        const QString end = QStringLiteral("PR_O_STOCK_END");
        QTest::newRow("purchase, no row") << total << "-" << "-" << "Y" << 1;
        QTest::newRow("purchase, open") << total << "N" << "N" << "Y" << 1;
        QTest::newRow("purchase, empty flags") << total << "" << "" << "Y" << 1;
        QTest::newRow("purchase, purchase-closed") << total << "Y" << "N"
                                                   << "[PR_O_STOCK_TOTAL_AVERAGE] 2026-05 해당 월이 구매마감 되었습니다." << 1;
        QTest::newRow("purchase, system-closed") << total << "N" << "Y"
                                                 << "[PR_O_STOCK_TOTAL_AVERAGE] 2026-05 해당 월이 전산마감 되었습니다." << 2;
        QTest::newRow("purchase, both") << total << "Y" << "Y"
                                        << "[PR_O_STOCK_TOTAL_AVERAGE] 2026-05 해당 월이 구매 및 전산마감 되었습니다." << 3;
        QTest::newRow("system, no row") << end << "-" << "-" << "[PR_O_STOCK_END] 2026-05 해당 월 마감체크" << 0;
        QTest::newRow("system, open") << end << "N" << "N" << "[PR_O_STOCK_END] 2026-05 해당 월 마감체크" << 0;
        QTest::newRow("system, purchase-closed") << end << "Y" << "N" << "Y" << 3;
        QTest::newRow("system, system-closed") << end << "N" << "Y"
                                               << "[PR_O_STOCK_END] 2026-05 해당 월이 전산마감 되었습니다." << 2;
        QTest::newRow("system, both") << end << "Y" << "Y"
                                      << "[PR_O_STOCK_END] 2026-05 해당 월이 구매 및 전산마감 되었습니다." << 3;
    }
    void monthClosingsFollowTheMonthState()
    {
        QFETCH(QString, procedure);
        QFETCH(QString, purchase);
        QFETCH(QString, system);
        QFETCH(QString, answer);
        QFETCH(int, stateAfter);
        auto conn = testdb::connect(testdb::freshAlias());
        mayFixture(*conn);
        if (purchase != QLatin1String("-"))
            setMonthFlags(*conn, "202605", purchase, system);
        const QStringList before = snapshot(*conn);
        const db::ProcInputs inputs = procedure.endsWith(QLatin1String("AVERAGE"))
            ? db::ProcInputs{{"I_YYMM", "202605"}, {"I_EMP_NO", "A0000001"}}
            : db::ProcInputs{{"I_YYMM", "202605"}};
        QCOMPARE(call(*conn, procedure, inputs), answer);
        if (answer != QLatin1String("Y"))
            QCOMPARE(snapshot(*conn), before);
        QString message;
        QCOMPARE(CheckMonthClose("2026-05-01", message, *conn), stateAfter);
        QVERIFY(!conn->inTransaction());
    }

    // The system closing brings the next month in line with the closed month:
    // missing rows are created, a drifted carry-over is moved with every later
    // month; a consistent database stays as it is.
    void systemClosingAlignsTheNextMonth()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        stockRow(*conn, "202605", "110", kItem, 0, 0, 22);
        stockRow(*conn, "202605", "210", kItem, 0, 0, 9);
        stockRow(*conn, "202606", "110", kItem, 20, 0, 25);   // drifted by 2
        stockRow(*conn, "202607", "110", kItem, 25, 0, 25);
        stockRow(*conn, "202607", "210", kItem, 9, 0, 9);
        setMonthFlags(*conn, "202605", "Y", "N");
        QCOMPARE(stockEnd(*conn, "202605"), QStringLiteral("Y"));
        const QString row = "SELECT %1 FROM OZ010MS WHERE STOC_YYMM = :M AND STRG_CODE = :S AND ITEM_CODE = :I";
        compareNumber(number(*conn, row.arg("OVER_QTY"), {{"M", "202606"}, {"S", "110"}, {"I", kItem}}), 22);
        compareNumber(number(*conn, row.arg("STOC_QTY"), {{"M", "202606"}, {"S", "110"}, {"I", kItem}}), 27);
        compareNumber(number(*conn, row.arg("OVER_QTY"), {{"M", "202607"}, {"S", "110"}, {"I", kItem}}), 27);
        compareNumber(number(*conn, row.arg("STOC_QTY"), {{"M", "202607"}, {"S", "110"}, {"I", kItem}}), 27);
        compareNumber(number(*conn, row.arg("STOC_QTY"), {{"M", "202606"}, {"S", "210"}, {"I", kItem}}), 9);

        setMonthFlags(*conn, "202606", "Y", "N");
        const QStringList before = snapshot(*conn).filter(QStringLiteral("OZ010MS"));
        QCOMPARE(stockEnd(*conn, "202606"), QStringLiteral("Y"));
        QCOMPARE(snapshot(*conn).filter(QStringLiteral("OZ010MS")), before);
    }

    void refusalsLeaveEveryTableAsItWas_data()
    {
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("answer");
        QTest::newRow("day") << "PR_O_DAY_END" << "2026-02-30" << "[PR_O_DAY_END] 마감일자 오류 (2026-02-30)";
        QTest::newRow("purchase month") << "PR_O_STOCK_TOTAL_AVERAGE" << "2026-05" << "[PR_O_STOCK_TOTAL_AVERAGE] 마감년월 오류 (2026-05)";
        QTest::newRow("system month") << "PR_O_STOCK_END" << "202613" << "[PR_O_STOCK_END] 마감년월 오류 (202613)";
        QTest::newRow("system closing of an open month") << "PR_O_STOCK_END" << "202605" << "[PR_O_STOCK_END] 2026-05 해당 월 마감체크";
        QTest::newRow("report day") << "PR_O_DAILY_COST_REPORT" << "20261" << "[PR_O_DAILY_COST_REPORT] 일자 오류 (20261)";
    }
    void refusalsLeaveEveryTableAsItWas()
    {
        QFETCH(QString, procedure);
        QFETCH(QString, input);
        QFETCH(QString, answer);
        auto conn = testdb::connect(testdb::freshAlias());
        mayFixture(*conn);
        const db::ProcInputs inputs = procedure == QLatin1String("PR_O_STOCK_TOTAL_AVERAGE")
            ? db::ProcInputs{{"I_YYMM", input}, {"I_EMP_NO", "A0000001"}}
            : db::ProcInputs{{procedure.contains(QLatin1String("STOCK_")) ? "I_YYMM" : "I_DATE", input}};
        const QStringList before = snapshot(*conn);

        QCOMPARE(call(*conn, procedure, inputs), answer);
        QCOMPARE(snapshot(*conn), before);
        QVERIFY(!conn->inTransaction());

        // Inside the caller's transaction only the procedure's own work is undone.
        conn->startTransaction();
        exec(*conn, "INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES ('2026-05-01', 'N')");
        QCOMPARE(call(*conn, procedure, inputs), answer);
        QVERIFY(conn->inTransaction());
        exec(*conn, "INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES ('2026-05-02', 'N')");
        conn->commit();
        QStringList expected = snapshot(*conn);
        expected.removeIf([](const QString &r) { return r.startsWith(QLatin1String("OZ060MS|2026-05-0")); });
        QCOMPARE(expected, before);
        QCOMPARE(scalar(*conn, "SELECT COUNT(*) FROM OZ060MS"), QStringLiteral("2"));
    }

    // Workstations closing at the same moment: every day closes with the
    // figures of a closing alone, and the month is closed once; the others
    // are told it is closed, none fails.
    void concurrentWorkstations()
    {
        const QString alias = testdb::freshAlias();
        auto conn = testdb::connect(alias);
        mayFixture(*conn);
        QList<QStringList> calls;
        for (auto it = kMayDays.cbegin(); it != kMayDays.cend(); ++it)
            calls.append(QStringList{"PR_O_DAY_END", it.key()});
        for (int i = 0; i < 3; ++i)
            calls.append(QStringList{"PR_O_STOCK_TOTAL_AVERAGE", "202605"});
        const QString refused = QStringLiteral("[PR_O_STOCK_TOTAL_AVERAGE] 2026-05 해당 월이 구매마감 되었습니다.");
        QCOMPARE(runWorkstations(alias, calls), QStringList({"Y", "Y", "Y", "Y", "Y", refused, refused}));
        for (auto it = kMayDays.cbegin(); it != kMayDays.cend(); ++it) {
            compareNumber(number(*conn, "SELECT STOCK_COST FROM OZ050MS WHERE STOCK_DATE = :D AND ITEM_CODE = :I",
                                 {{"D", it.key()}, {"I", kItem}}),
                          it->cost);
        }
        QCOMPARE(scalar(*conn, "SELECT COUNT(*) FROM OZ040MS"), QStringLiteral("2"));
    }

    // A successful closing inside the caller's transaction is undone with it.
    void closingsRunInTheCallersTransaction()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        mayFixture(*conn);
        const QStringList before = snapshot(*conn);
        {
            db::Transaction tx(*conn);
            QCOMPARE(dayEnd(*conn, "2026-05-31"), QStringLiteral("Y"));
            QCOMPARE(totalAverage(*conn, "202605"), QStringLiteral("Y"));
            QVERIFY(conn->inTransaction());
        }
        QCOMPARE(snapshot(*conn), before);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--worker") == 0)
        return worker(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
    TestClosing test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_closing.moc"
