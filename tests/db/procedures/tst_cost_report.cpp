// The daily food and beverage cost report of a day on a small fixture whose
// figures are worked out by hand: the lines of the day, the percentages
// (also without sales) and the rows replaced when the report runs again.

#include "support/ClosingFixtures.h"
#include "support/TestDb.h"

#include <QtTest>

using namespace fixtures;

namespace {

const QString kFood = QStringLiteral("L1010001");
const QString kDrink = QStringLiteral("B1010001");
const QString kSupply = QStringLiteral("S1010001");

// Outlets 2010 (kitchen 210) and 2050 (lounge 250, no sales); 3010 owns no
// warehouse; the food store 110 belongs to no outlet.
// Daily costs: 05-10 food 100, drink 50, supply 10; 05-09 food 90; a year
// earlier 2025-05-03 food 80; none on 05-08.
void fixture(db::Connection &conn)
{
    exec(conn, "INSERT INTO JA010MS (UPJANG_CODE, UPJANG_NAME) VALUES ('2010', '한식당'), ('2050', '로비라운지'), ('3010', '골프장')");
    exec(conn, "INSERT INTO OX060MS (STRG_CODE, STRG_NAME, UPJANG_CODE) VALUES "
               "('110', '식품창고', NULL), ('210', '한식당 주방', '2010'), ('250', '로비라운지', '2050')");
    exec(conn, "INSERT INTO OX010MS (ITEM_CODE, ITEM_NAME, DIVIDE_CODE) VALUES "
               "('L1010001', '등심', 'L1010'), ('B1010001', '맥주', 'B1010'), ('S1010001', '세제', 'S1010')");
    dailyCost(conn, "2026-05-10", kFood, 100);
    dailyCost(conn, "2026-05-10", kDrink, 50);
    dailyCost(conn, "2026-05-10", kSupply, 10);
    dailyCost(conn, "2026-05-09", kFood, 90);
    dailyCost(conn, "2025-05-03", kFood, 80);
    int n = 0;
    const auto confirmed = [&](const QString &strg, const QString &day, const QString &item, double qty) {
        issue(conn, day, ++n, strg, "1", "2", day, item, qty);
    };
    confirmed("210", "2026-05-10", kFood, 3);     // 300
    confirmed("210", "2026-05-10", kDrink, 2);    // 100
    confirmed("210", "2026-05-10", kSupply, 5);   // not food or beverage
    confirmed("210", "2026-05-09", kFood, 1);     // 90
    confirmed("210", "2026-05-08", kFood, 1);     // no daily cost: 0
    confirmed("210", "2026-05-11", kFood, 100);   // after the day
    confirmed("210", "2025-05-03", kFood, 5);     // last year: 400
    confirmed("110", "2026-05-10", kFood, 2);     // 200, store
    confirmed("250", "2026-05-10", kDrink, 4);    // 200, no sales
    issue(conn, "2026-05-10", ++n, "210", "1", "3", QString(), kFood, 7);   // not confirmed
    exec(conn, "INSERT INTO JA020MS (SALE_DATE, UPJANG_CODE, FOOD_AMT, BEVE_AMT) VALUES "
               "('2026-05-10', '2010', 1000, 400), ('2026-05-09', '2010', 500, NULL), ('2025-05-03', '2010', 2000, 0)");
}

QStringList reportRows(db::Connection &conn, const QString &day)
{
    db::Query q(conn, "SELECT GUBUN_CD1, GUBUN_CD2, GUBUN_NM2, "
                      "FOOD_TW, FOOD_TS, FOOD_TP, FOOD_MTDW, FOOD_MTDS, FOOD_MTDP, FOOD_YMTDW, FOOD_YMTDS, FOOD_YMTDP, "
                      "BEVE_TW, BEVE_TS, BEVE_TP, BEVE_MTDW, BEVE_MTDS, BEVE_MTDP, BEVE_YMTDP, "
                      "TOT_TW, TOT_TS, TOT_TP, TOT_MTDW, TOT_MTDS, TOT_MTDP, TOT_YMTDP "
                      "FROM OT010MS WHERE COST_DATE = :D ORDER BY GUBUN_CD1, GUBUN_CD2");
    q.bind("D", day).exec();
    QStringList rows;
    while (q.next()) {
        QStringList values;
        for (int c = 0; c < q.columns().size(); ++c)
            values.append(q.text(c));
        rows.append(values.join(QLatin1Char(' ')));
    }
    return rows;
}

} // namespace

class TestCostReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linesOfTheDay_data()
    {
        QTest::addColumn<QString>("procedure");
        QTest::newRow("report") << "PR_O_DAILY_COST_REPORT";
        QTest::newRow("report 1") << "PR_O_DAILY_COST_REPORT1";
    }
    void linesOfTheDay()
    {
        QFETCH(QString, procedure);
        auto conn = testdb::connect(testdb::freshAlias());
        fixture(*conn);
        exec(*conn, "INSERT INTO OT010MS (COST_DATE, GUBUN_CD1, GUBUN_CD2) VALUES ('2026-05-10', '999', '999')");
        exec(*conn, "INSERT INTO OT010MS (COST_DATE, GUBUN_CD1, GUBUN_CD2) VALUES ('2026-05-09', '999', '999')");
        QCOMPARE(call(*conn, procedure, {{"I_DATE", "2026-05-10"}}), QStringLiteral("Y"));

        // columns: group, line, name; food today cost sales % / mtd cost sales % / last year cost sales %;
        // beverage today cost sales % / mtd cost sales % / last year %; combined today / mtd / last year %
        const QStringList expected = {
            // the store carries the sales of all outlets; 200/1500 = 13.33 %
            "100 110 식품창고 200 1000 20 200 1500 13.33 0 2000 0 0 400 0 0 400 0 0 200 1400 14 200 1900 11 0",
            // 390/1500 = 26 %; combined 400/1400 = 0.29 → 29, 490/1900 = 0.26 → 26, last year 400/2000 → 20
            "200 2010 한식당 300 1000 30 390 1500 26 400 2000 20 100 400 25 100 400 25 0 400 1400 29 490 1900 26 20",
            // no sales: every percentage 0
            "200 2050 로비라운지 0 0 0 0 0 0 0 0 0 200 0 0 200 0 0 0 200 0 0 200 0 0 0",
        };
        QCOMPARE(reportRows(*conn, "2026-05-10"), expected);
        QCOMPARE(scalar(*conn, "SELECT COUNT(*) FROM OT010MS WHERE COST_DATE = '2026-05-09'"), QStringLiteral("1"));

        // Run again after the sales changed: the day's rows are replaced.
        exec(*conn, "UPDATE JA020MS SET FOOD_AMT = 1200 WHERE SALE_DATE = '2026-05-10'");
        QCOMPARE(call(*conn, procedure, {{"I_DATE", "20260510"}}), QStringLiteral("Y"));
        const QStringList again = reportRows(*conn, "2026-05-10");
        QCOMPARE(again.size(), 3);
        QVERIFY2(again.at(1).startsWith("200 2010 한식당 300 1200 25 390 1700 22.94"), qPrintable(again.at(1)));
    }

    void aDayWithoutMovementsGivesZeroLines()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        fixture(*conn);
        QCOMPARE(call(*conn, "PR_O_DAILY_COST_REPORT", {{"I_DATE", "2024-01-02"}}), QStringLiteral("Y"));
        QCOMPARE(reportRows(*conn, "2024-01-02"),
                 QStringList({"200 2010 한식당 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
                              "200 2050 로비라운지 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"}));
    }
};

QTEST_GUILESS_MAIN(TestCostReport)
#include "tst_cost_report.moc"
