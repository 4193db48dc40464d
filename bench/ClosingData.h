#pragma once
// The generated month of the closing benchmarks: 300 items in 25 warehouses,
// monthly stock rows for five months, a year of daily costs, and 100,000
// movement lines in May 2026 (receipts, confirmed issues, returns).
// generate() needs a database with the schema and no stock data.

#include "db/Connection.h"
#include "db/Query.h"

#include <QDate>
#include <QStringList>
#include <functional>

namespace closing_data {

constexpr int kItems = 300;
constexpr int kWarehouses = 25;
constexpr int kReceipts = 3000, kIssues = 6000, kReturns = 1000, kLinesPerDocument = 10;
constexpr int kRowsPerStatement = 500;

inline QString item(int i) { return QStringLiteral("%1%2").arg(i < kItems / 2 ? "L1010" : "B1010").arg(i, 3, 10, QLatin1Char('0')); }
inline QString warehouse(int w) { return QString::number(100 + w); }
inline QString mayDay(int k) { return QStringLiteral("2026-05-%1").arg(1 + k % 31, 2, 10, QLatin1Char('0')); }
inline double price(int i) { return 1000 + (i * 37) % 9000; }

// Writes generated rows (numbers, codes and dates made here, never input)
// with multi-row inserts.
inline void insertRows(db::Connection &conn, const QString &head, int count, const std::function<QString(int)> &row)
{
    QStringList values;
    for (int k = 0; k < count; ++k) {
        values.append(QLatin1Char('(') + row(k) + QLatin1Char(')'));
        if (values.size() == kRowsPerStatement || k + 1 == count) {
            db::Query(conn, head + QStringLiteral(" VALUES ") + values.join(QLatin1Char(','))).exec();
            values.clear();
        }
    }
}

inline QString q(const QString &text) { return QLatin1Char('\'') + text + QLatin1Char('\''); }

inline void generate(db::Connection &conn)
{
    db::Transaction tx(conn);
    insertRows(conn, "INSERT INTO OX010MS (ITEM_CODE, ITEM_NAME, DIVIDE_CODE)", kItems,
               [](int i) -> QString { return q(item(i)) + ",'품목'," + q(item(i).left(5)); });
    insertRows(conn, "INSERT INTO JA010MS (UPJANG_CODE, UPJANG_NAME)", 10,
               [](int o) -> QString { return q(QString::number(2001 + o)) + ",'영업장'"; });
    insertRows(conn, "INSERT INTO OX060MS (STRG_CODE, STRG_NAME, UPJANG_CODE)", kWarehouses, [](int w) -> QString {
        return q(warehouse(w)) + ",'창고'," + (w < 10 ? q(QString::number(2001 + w)) : QStringLiteral("NULL"));
    });
    insertRows(conn, "INSERT INTO JA020MS (SALE_DATE, UPJANG_CODE, FOOD_AMT, BEVE_AMT)", 31 * 10, [](int k) -> QString {
        return q(mayDay(k)) + "," + q(QString::number(2001 + k / 31)) + ",3000000,1000000";
    });
    const int pairs = kItems * kWarehouses;
    for (const char *month : {"202601", "202602", "202603", "202604", "202605"}) {
        insertRows(conn, "INSERT INTO OZ010MS (STOC_YYMM, STRG_CODE, ITEM_CODE, OVER_QTY, OVER_AMT, STOC_QTY)", pairs,
                   [month](int k) -> QString {
                       const int i = k % kItems;
                       return q(month) + "," + q(warehouse(k / kItems)) + "," + q(item(i)) + ",100,"
                           + QString::number(100 * price(i)) + ",100";
                   });
    }
    const QDate firstCost(2025, 6, 1);
    const int costDays = int(firstCost.daysTo(QDate(2026, 4, 30))) + 1;
    insertRows(conn, "INSERT INTO OZ050MS (STOCK_DATE, ITEM_CODE, STOCK_QTY, STOCK_COST, STOCK_AMT)", costDays * kItems,
               [&firstCost](int k) -> QString {
                   const int i = k % kItems;
                   return q(firstCost.addDays(k / kItems).toString(Qt::ISODate)) + "," + q(item(i)) + ",2500,"
                       + QString::number(price(i)) + "," + QString::number(2500 * price(i));
               });
    insertRows(conn, "INSERT INTO OC010MS (INSP_DATE, C_CODE, INSP_NUM, STRG_CODE, PUT_DATE)", kReceipts,
               [](int k) -> QString { return q(mayDay(k)) + "," + q("C" + QString::number(k)) + ",1," + q(warehouse(k % kWarehouses)) + "," + q(mayDay(k)); });
    insertRows(conn, "INSERT INTO OC010DT (INSP_DATE, C_CODE, INSP_NUM, INSP_SEQ, ITEM_CODE, PUT_QTY, AMT)",
               kReceipts * kLinesPerDocument, [](int n) -> QString {
                   const int k = n / kLinesPerDocument, i = (n * 7) % kItems;
                   return q(mayDay(k)) + "," + q("C" + QString::number(k)) + ",1," + QString::number(1 + n % kLinesPerDocument)
                       + "," + q(item(i)) + ",10," + QString::number(10 * price(i) * 1.05);
               });
    const auto issueKey = [](int k) -> QString {
        return q(mayDay(k)) + "," + q(warehouse((k / 31) % kWarehouses)) + "," + QString::number(k / (31 * kWarehouses) + 1);
    };
    insertRows(conn, "INSERT INTO OD010MS (DELI_DATE, STRG_CODE, DELI_NUM, DELI_GUBUN, APPR_GUBUN, APPR_DATE)", kIssues,
               [&issueKey](int k) -> QString { return issueKey(k) + ",'1','2'," + q(mayDay(k)); });
    insertRows(conn, "INSERT INTO OD010DT (DELI_DATE, STRG_CODE, DELI_NUM, DELI_SEQ, ITEM_CODE, QTY)",
               kIssues * kLinesPerDocument, [&issueKey](int n) -> QString {
                   return issueKey(n / kLinesPerDocument) + "," + QString::number(1 + n % kLinesPerDocument) + ","
                       + q(item((n * 11) % kItems)) + ",4";
               });
    insertRows(conn, "INSERT INTO OD030MS (RETU_DATE, C_CODE, RETU_NUM, STRG_CODE)", kReturns,
               [](int k) -> QString { return q(mayDay(k)) + "," + q("R" + QString::number(k)) + ",1," + q(warehouse(k % kWarehouses)); });
    insertRows(conn, "INSERT INTO OD030DT (RETU_DATE, C_CODE, RETU_NUM, RETU_SEQ, ITEM_CODE, QTY, AMT, RETU_GUBUN)",
               kReturns * kLinesPerDocument, [](int n) -> QString {
                   const int k = n / kLinesPerDocument, i = (n * 13) % kItems;
                   return q(mayDay(k)) + "," + q("R" + QString::number(k)) + ",1," + QString::number(1 + n % kLinesPerDocument)
                       + "," + q(item(i)) + ",1," + QString::number(price(i)) + "," + (n % 2 ? "'1'" : "'2'");
               });
    tx.commit();
}

} // namespace closing_data
