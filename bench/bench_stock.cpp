// Stock posting speed against the size of the history, and a month rebuild
// against a plain aggregate of the same lines.
//   bench_stock ALIAS [SMALL_LINES LARGE_LINES MONTH_LINES]
// ALIAS must hold the schema (purchasing-db init ALIAS) and nothing else.
// The history is receipt lines of 2025 in 50 warehouse-item pairs, posted
// month by month with bulk statements and a rebuild of each month.

#include "db/Connection.h"
#include "db/Query.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <cstdio>

namespace {

void exec(db::Connection &conn, const QString &sql, const QList<QPair<QString, QString>> &params = {})
{
    db::Query q(conn, sql);
    for (const auto &p : params)
        q.bind(p.first, p.second);
    q.exec();
}

QString answer(db::Connection &conn, const QString &proc, const db::ProcInputs &in)
{
    return conn.callProcedure(proc, in).value(QStringLiteral("O_CHK"));
}

// `lines` receipt lines of 20 lines a document, confirmed on days of `year`
// (or of the one month `month`), in 5 warehouses x 10 items.
void addReceipts(db::Connection &conn, const QString &prefix, int lines, const QString &firstDay, int days)
{
    const int docs = (lines + 19) / 20;
    db::Transaction tx(conn);
    exec(conn, QStringLiteral(
        "INSERT INTO OC010MS (INSP_DATE, C_CODE, INSP_NUM, INSP_NO, STRG_CODE, PUT_DATE) "
        "WITH RECURSIVE N(I) AS (SELECT 0 UNION ALL SELECT I + 1 FROM N WHERE I + 1 < %1) "
        "SELECT :DAY, :PREFIX || CAST(I AS VARCHAR(10)), 1, :PREFIX || LPAD(CAST(I AS VARCHAR(10)), 8, '0'), "
        "       '1' || CAST(I % 5 AS VARCHAR(1)) || '0', :DAY FROM N").arg(docs),
         {{"DAY", firstDay}, {"PREFIX", prefix}});
    // Spread the documents over the days: PUT_DATE = first day + (I % days).
    const QStringList dayList = [&] {
        QStringList out;
        const QDate first = QDate::fromString(firstDay, Qt::ISODate);
        for (int d = 0; d < days; ++d)
            out << first.addDays(d).toString(Qt::ISODate);
        return out;
    }();
    for (int d = 1; d < days; ++d) {
        exec(conn, QStringLiteral("UPDATE OC010MS SET PUT_DATE = :D WHERE C_CODE LIKE :PREFIX || '%' "
                                  "AND CAST(SUBSTR(C_CODE, LENGTH(:PREFIX) + 1) AS INTEGER) % CAST(:DAYS AS INTEGER) = CAST(:K AS INTEGER)"),
             {{"D", dayList.at(d)}, {"PREFIX", prefix}, {"DAYS", QString::number(days)}, {"K", QString::number(d)}});
    }
    exec(conn, QStringLiteral(
        "INSERT INTO OC010DT (INSP_DATE, C_CODE, INSP_NUM, INSP_SEQ, INSP_NO, ITEM_CODE, PUT_QTY, AMT) "
        "WITH RECURSIVE S(J) AS (SELECT 1 UNION ALL SELECT J + 1 FROM S WHERE J < 20) "
        "SELECT M.INSP_DATE, M.C_CODE, 1, S.J, M.INSP_NO, 'X000000' || CAST(S.J % 10 AS VARCHAR(1)), 1 + S.J, 100 "
        "FROM OC010MS M CROSS JOIN S WHERE M.C_CODE LIKE :PREFIX || '%'"),
         {{"PREFIX", prefix}});
    tx.commit();
}

double msOf(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

// Mean time of posting (and reversing) a 20-line receipt of 2026-01.
double postingMs(db::Connection &conn, int rounds)
{
    addReceipts(conn, QStringLiteral("P"), 20, QStringLiteral("2026-01-15"), 1);
    const db::ProcInputs ins = {{"I_PUT_NO", "P00000000"}, {"I_FLAG", "INS"}};
    const db::ProcInputs del = {{"I_PUT_NO", "P00000000"}, {"I_FLAG", "DEL"}};
    double total = 0;
    for (int i = 0; i < rounds; ++i) {
        total += msOf([&] { answer(conn, "PR_O_DATE_STOCK_PUT_UPDATE", ins); });
        answer(conn, "PR_O_DATE_STOCK_PUT_UPDATE", del);
    }
    return total / rounds;
}

void buildHistory(db::Connection &conn, const QString &prefix, int lines)
{
    addReceipts(conn, prefix, lines, QStringLiteral("2025-01-01"), 365);
    for (int m = 1; m <= 12; ++m)
        answer(conn, "PR_O_OZ010MS_RESET", {{"I_DATE", QStringLiteral("2025%1").arg(m, 2, 10, QLatin1Char('0'))}});
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fputs("usage: bench_stock ALIAS [SMALL_LINES LARGE_LINES MONTH_LINES]\n", stderr);
        return 2;
    }
    const QString alias = args.at(1);
    const int small = args.value(2, QStringLiteral("1000")).toInt();
    const int large = args.value(3, QStringLiteral("1000000")).toInt();
    const int month = args.value(4, QStringLiteral("100000")).toInt();
    const char *engine = db::Connection::engineOfAlias(alias) == db::Engine::SQLite ? "sqlite" : "postgresql";
    db::Connection conn;
    conn.open({alias, qEnvironmentVariable("PGUSER", QStringLiteral("VMUSER")), qEnvironmentVariable("PGPASSWORD", QStringLiteral("vmuser"))});

    // Posting with a small history, then with the large one.
    buildHistory(conn, QStringLiteral("H"), small);
    const double smallMs = postingMs(conn, 20);
    exec(conn, "DELETE FROM OC010DT WHERE C_CODE LIKE 'P%'");
    exec(conn, "DELETE FROM OC010MS WHERE C_CODE LIKE 'P%'");
    QElapsedTimer built;
    built.start();
    buildHistory(conn, QStringLiteral("G"), large - small);
    const double buildS = built.elapsed() / 1000.0;
    const double largeMs = postingMs(conn, 20);
    std::printf("%s  posting a 20-line receipt: history %d lines %.2f ms, history %d lines %.2f ms (ratio %.2f; history built in %.1f s)\n",
                engine, small, smallMs, large, largeMs, largeMs / smallMs, buildS);

    // A month of movement lines: rebuilt from the documents, rebuilt again
    // when nothing changed, and a plain aggregate of the same lines.
    addReceipts(conn, QStringLiteral("M"), month, QStringLiteral("2026-03-01"), 31);
    const double firstMs = msOf([&] { answer(conn, "PR_O_OZ010MS_RESET", {{"I_DATE", "202603"}}); });
    const double againMs = msOf([&] { answer(conn, "PR_O_OZ010MS_RESET", {{"I_DATE", "202603"}}); });
    const double aggregateMs = msOf([&] {
        db::Query q(conn, QStringLiteral(
            "SELECT M.STRG_CODE, D.ITEM_CODE, SUM(D.PUT_QTY) FROM OC010MS M JOIN OC010DT D ON D.INSP_DATE = M.INSP_DATE "
            "AND D.C_CODE = M.C_CODE AND D.INSP_NUM = M.INSP_NUM WHERE M.PUT_DATE BETWEEN '2026-03-01' AND '2026-03-31' "
            "GROUP BY M.STRG_CODE, D.ITEM_CODE"));
        q.exec();
        while (q.next()) {
        }
    });
    std::printf("%s  month of %d lines: rebuild from documents %.0f ms, rebuild of an unchanged month %.0f ms, "
                "plain aggregate %.0f ms (ratios %.1f and %.1f)\n",
                engine, month, firstMs, againMs, aggregateMs, firstMs / aggregateMs, againMs / aggregateMs);
    return 0;
}
