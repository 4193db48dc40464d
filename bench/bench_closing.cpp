// The closings on a generated month: 300 items in 25 warehouses, monthly
// stock rows for five months, a year of daily costs, and 100,000 movement
// lines in May 2026 (receipts, confirmed issues, returns). Times a day
// closing in the middle and at the end of the month (with the carry-over
// into June), the purchase and the system closing of the month and the
// daily cost report.
//   bench_closing ALIAS
// ALIAS must hold the schema and no stock data (purchasing-db init ALIAS).

#include "ClosingData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

using namespace closing_data;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() < 2) {
        std::fputs("usage: bench_closing ALIAS\n", stderr);
        return 2;
    }
    const QString alias = app.arguments().at(1);
    const char *engine = db::Connection::engineOfAlias(alias) == db::Engine::SQLite ? "sqlite" : "postgresql";
    db::Connection conn;
    conn.open({alias, qEnvironmentVariable("PGUSER", QStringLiteral("VMUSER")),
               qEnvironmentVariable("PGPASSWORD", QStringLiteral("vmuser"))});
    QElapsedTimer timer;
    timer.start();
    generate(conn);
    std::printf("%s  closing data: %d stock rows, %d movement lines  generated in %lld ms\n", engine,
                5 * kItems * kWarehouses, (kReceipts + kIssues + kReturns) * kLinesPerDocument, timer.elapsed());

    const auto run = [&](const char *title, const QString &procedure, const db::ProcInputs &inputs) {
        timer.restart();
        const QString answer = conn.callProcedure(procedure, inputs).value(QStringLiteral("O_CHK"));
        std::printf("%s  %-34s ms=%lld  answer=%s\n", engine, title, timer.elapsed(), qPrintable(answer));
    };
    run("day closing 2026-05-15", "PR_O_DAY_END", {{"I_DATE", "2026-05-15"}});
    run("day closing 2026-05-31 (carry-over)", "PR_O_DAY_END", {{"I_DATE", "2026-05-31"}});
    run("purchase closing 202605", "PR_O_STOCK_TOTAL_AVERAGE", {{"I_YYMM", "202605"}, {"I_EMP_NO", "A0000001"}});
    run("system closing 202605", "PR_O_STOCK_END", {{"I_YYMM", "202605"}});
    run("daily cost report 2026-05-15", "PR_O_DAILY_COST_REPORT", {{"I_DATE", "2026-05-15"}});
    return 0;
}
