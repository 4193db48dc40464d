// The stock summaries on a demo history (purchasing-db demo ALIAS --scale N):
// each summary of a month and the ledger of one item over a year, each
// against a plain aggregate of the same rows, and the first page of the
// month's stock statement laid out for the preview.
//   bench_summaries ALIAS [YYYYMM]
// Without a month: the latest month before the newest one in the stock rows.

#include "db/Connection.h"
#include "db/Query.h"
#include "modules/stock/StockPrintout.h"
#include "modules/stock/StockStatements.h"
#include "reports/Render.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <cstdio>

namespace {

// Rows read and the milliseconds it took, best of three runs.
struct Timing {
    int rows = 0;
    double ms = 0;
};

Timing run(db::Connection &conn, const QString &sql, const Params &params)
{
    Timing best{0, 1e18};
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        db::Query q(conn, sql);
        for (const auto &p : params)
            q.bind(p.first, p.second);
        q.exec();
        int rows = 0;
        while (q.next())
            ++rows;
        const double ms = t.nsecsElapsed() / 1e6;
        if (ms < best.ms)
            best = {rows, ms};
    }
    return best;
}

// The month's stock rows and the document lines the summaries read, summed
// per warehouse and item without valuing anything.
const char *const kPlainMonth = R"(SELECT STRG_CODE, ITEM_CODE, SUM(Q) FROM (
  SELECT STRG_CODE, ITEM_CODE, STOC_QTY Q FROM OZ010MS WHERE STOC_YYMM = :YYMM
  UNION ALL
  SELECT M.STRG_CODE, D.ITEM_CODE, D.QTY FROM OD010MS M
    JOIN OD010DT D ON D.DELI_DATE = M.DELI_DATE AND D.STRG_CODE = M.STRG_CODE AND D.DELI_NUM = M.DELI_NUM
   WHERE M.APPR_GUBUN = '2' AND M.APPR_DATE BETWEEN :DATE_S AND :DATE_E
  UNION ALL
  SELECT M.STRG_CODE, D.ITEM_CODE, D.AMT FROM OC010MS M
    JOIN OC010DT D ON D.INSP_DATE = M.INSP_DATE AND D.C_CODE = M.C_CODE AND D.INSP_NUM = M.INSP_NUM
   WHERE M.PUT_DATE BETWEEN :DATE_S AND :DATE_E
  UNION ALL
  SELECT M.TO_STRG_CODE, D.ITEM_CODE, D.QTY FROM OD020MS M
    JOIN OD020DT D ON D.MOVE_DATE = M.MOVE_DATE AND D.FROM_STRG_CODE = M.FROM_STRG_CODE
                  AND D.TO_STRG_CODE = M.TO_STRG_CODE AND D.MOVE_NUM = M.MOVE_NUM
   WHERE M.APPR_GUBUN = '2' AND M.APPR_DATE BETWEEN :DATE_S AND :DATE_E
) X GROUP BY STRG_CODE, ITEM_CODE)";

// The item's document lines of a month, as plain as they come.
const char *const kPlainLedger = R"(SELECT COUNT(*), SUM(Q) FROM (
  SELECT D.PUT_QTY Q FROM OC010MS M
    JOIN OC010DT D ON D.INSP_DATE = M.INSP_DATE AND D.C_CODE = M.C_CODE AND D.INSP_NUM = M.INSP_NUM
   WHERE D.ITEM_CODE = :ITEM_CODE AND M.PUT_DATE BETWEEN :DATE_S AND :DATE_E
  UNION ALL
  SELECT D.QTY FROM OD010MS M
    JOIN OD010DT D ON D.DELI_DATE = M.DELI_DATE AND D.STRG_CODE = M.STRG_CODE AND D.DELI_NUM = M.DELI_NUM
   WHERE D.ITEM_CODE = :ITEM_CODE AND M.APPR_GUBUN = '2' AND M.APPR_DATE BETWEEN :DATE_S AND :DATE_E
  UNION ALL
  SELECT D.QTY FROM OD020MS M
    JOIN OD020DT D ON D.MOVE_DATE = M.MOVE_DATE AND D.FROM_STRG_CODE = M.FROM_STRG_CODE
                  AND D.TO_STRG_CODE = M.TO_STRG_CODE AND D.MOVE_NUM = M.MOVE_NUM
   WHERE D.ITEM_CODE = :ITEM_CODE AND M.APPR_GUBUN = '2' AND M.APPR_DATE BETWEEN :DATE_S AND :DATE_E
  UNION ALL
  SELECT STOC_QTY FROM OZ010MS WHERE ITEM_CODE = :ITEM_CODE AND STOC_YYMM = :YYMM
) X)";

Params monthParams(const QString &month)
{
    return {{QStringLiteral("YYMM"), month}, {QStringLiteral("DATE_S"), stock::FirstDay(month)},
            {QStringLiteral("DATE_E"), stock::LastDay(month)}};
}

void report(const char *engine, const char *what, const Timing &t, const Timing &plain)
{
    std::printf("%s  %-34s %6d rows %9.1f ms   plain aggregate %9.1f ms   ratio %5.1f\n", engine, what, t.rows, t.ms,
                plain.ms, t.ms / plain.ms);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")).toUtf8());
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fputs("usage: bench_summaries ALIAS [YYYYMM]\n", stderr);
        return 2;
    }
    const QString alias = args.at(1);
    const char *engine = db::Connection::engineOfAlias(alias) == db::Engine::SQLite ? "sqlite" : "postgresql";
    db::Connection conn;
    conn.open({alias, qEnvironmentVariable("PGUSER", QStringLiteral("VMUSER")), qEnvironmentVariable("PGPASSWORD", QStringLiteral("vmuser"))});

    const QString month = args.size() > 2 ? args.at(2) : db::Query::scalar(conn, QStringLiteral(
        "SELECT MAX(STOC_YYMM) FROM OZ010MS WHERE STOC_YYMM < (SELECT MAX(STOC_YYMM) FROM OZ010MS)"));
    const QString item = db::Query::scalar(conn, QStringLiteral(
        "SELECT ITEM_CODE FROM OD010DT GROUP BY ITEM_CODE ORDER BY COUNT(*) DESC, ITEM_CODE LIMIT 1"));
    std::printf("%s  month %s, ledger item %s, %s stock rows\n", engine, qPrintable(month), qPrintable(item),
                qPrintable(db::Query::scalar(conn, QStringLiteral("SELECT COUNT(*) FROM OZ010MS"))));

    const Timing plain = run(conn, QString::fromUtf8(kPlainMonth), monthParams(month));
    stock::StockPeriod all{month, month};
    all.withSubWarehouses = true;
    const Params allParams = all.params();
    report(engine, "재고수불명세서 (statement)", run(conn, stock::StatementSql(), allParams), plain);
    report(engine, "재고수불명세서(VAT)", run(conn, stock::StatementWithTaxSql(), allParams), plain);
    report(engine, "창고별/품목별 재고 집계표", run(conn, stock::MonthSummarySql(true), allParams), plain);
    report(engine, "창고별수불금액집계표", run(conn, stock::WarehouseAmountsSql(), allParams), plain);

    // The ledger month by month through the year that ends with the month.
    Timing ledger, plainLedger;
    const QDate last = QDate::fromString(month + QStringLiteral("01"), QStringLiteral("yyyyMMdd"));
    for (int m = 11; m >= 0; --m) {
        const QString each = last.addMonths(-m).toString(QStringLiteral("yyyyMM"));
        const Timing t = run(conn, stock::LedgerSql(), stock::LedgerParams(each, {}, item));
        Params p = monthParams(each);
        p.append({QStringLiteral("ITEM_CODE"), item});
        const Timing plainT = run(conn, QString::fromUtf8(kPlainLedger), p);
        ledger.rows += t.rows;
        ledger.ms += t.ms;
        plainLedger.ms += plainT.ms;
    }
    report(engine, "품목 수불부, 12 months of one item", ledger, plainLedger);

    // The first page of the month's statement as the preview shows it.
    QElapsedTimer t;
    t.start();
    stock::StockPrintout printout(stock::OEP050());
    printout.setConditions(month, QStringLiteral("[] 전체"), QString());
    const reports::Document doc = printout.open(conn, stock::StatementSql(), allParams);
    const double preparedMs = t.nsecsElapsed() / 1e6;
    const QImage first = reports::pageImage(doc, 0);
    std::printf("%s  statement printout: %d pages prepared in %.0f ms, first page drawn after %.0f ms (%dx%d)\n", engine,
                doc.pageCount(), preparedMs, t.nsecsElapsed() / 1e6, first.width(), first.height());
    return 0;
}
