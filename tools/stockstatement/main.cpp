// Writes the stock statement picture of docs/: the month's 재고수불명세서 of
// the demo warehouse with the most stock rows, its first page as PNG.
//   purchasing-stockstatement DEMO_ALIAS OUTPUT_FILE [YYYYMM]
// Without a month: the latest closed month of the demo history.

#include "db/Connection.h"
#include "db/Query.h"
#include "modules/stock/StockPrintout.h"
#include "modules/stock/StockStatements.h"
#include "reports/Render.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fputs("usage: purchasing-stockstatement DEMO_ALIAS OUTPUT_FILE [YYYYMM]\n", stderr);
        return 2;
    }
    db::Connection conn;
    try {
        conn.open({args.at(1), qEnvironmentVariable("PGUSER", QStringLiteral("VMUSER")),
                   qEnvironmentVariable("PGPASSWORD", QStringLiteral("vmuser"))});
        const QString month = args.size() > 3 ? args.at(3) : db::Query::scalar(conn, QStringLiteral(
            "SELECT MAX(CLOS_YYMM) FROM OZ030MS WHERE COMP_CLOSE = 'Y'"));
        const QString warehouse = db::Query::scalar(conn, QStringLiteral(
            "SELECT STRG_CODE FROM OZ010MS WHERE STOC_YYMM = :M GROUP BY STRG_CODE ORDER BY COUNT(*) DESC, STRG_CODE LIMIT 1"),
            {{QStringLiteral("M"), month}});
        const QString name = db::Query::scalar(conn, QStringLiteral("SELECT STRG_NAME FROM OX060MS WHERE STRG_CODE = :S"),
                                               {{QStringLiteral("S"), warehouse}});
        stock::StockPeriod period{month, month, warehouse};
        stock::StockPrintout printout(stock::OEP050());
        const QString shown = month.left(4) + QLatin1Char('/') + month.mid(4);
        printout.setConditions(shown + QStringLiteral(" ~ ") + shown, QStringLiteral("[%1] %2").arg(warehouse, name),
                               QStringLiteral("[전체] [전체] [전체]"));
        const reports::Document doc = printout.open(conn, stock::StatementSql(), period.params());
        if (!reports::pageImage(doc, 0, 1.5).save(args.at(2))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
            return 1;
        }
        std::printf("%s: %s [%s], %d pages\n", qPrintable(args.at(2)), qPrintable(month), qPrintable(warehouse), doc.pageCount());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
