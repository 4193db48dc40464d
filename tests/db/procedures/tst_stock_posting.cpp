// Posting and reversing every kind of stock document: the monthly stock
// agrees with the documents afterwards, a reversal restores exactly what was
// there, a second posting replaces the first, and a refused or failed call
// changes nothing.

#include "support/StockFixtures.h"
#include "support/StockInvariants.h"
#include "db/Catalogue.h"
#include "db/Query.h"
#include "db/Schema.h"
#include "framework/Checks.h"
#include "support/TestDb.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace stockfx;

namespace {

const QString kA = QStringLiteral("A0000001");
const QString kB = QStringLiteral("B0000001");
const QString kLast = QStringLiteral("202612");

const char *const kPut = "PR_O_DATE_STOCK_PUT_UPDATE";
const char *const kDeli = "PR_O_DATE_STOCK_DELI_UPDATE";
const char *const kStockDeli = "PR_O_STOCK_DELI_UPDATE";
const char *const kMove = "PR_O_DATE_STOCK_MOVE_UPDATE";

QString retu(db::Connection &conn, const QString &date, const QString &supplier, const QString &num, const QString &flag)
{
    return call(conn, QStringLiteral("PR_O_DATE_STOCK_RETU_UPDATE"),
                {{"I_RETU_DATE", date}, {"I_C_CODE", supplier}, {"I_RETU_NUM", num}, {"I_FLAG", flag}});
}

QString opening(db::Connection &conn, const QString &date, const QString &strg, const QString &flag)
{
    return call(conn, QStringLiteral("PR_O_DATE_STOCK_SIL_UPDATE"), {{"I_SILS_DATE", date}, {"I_STRG_CODE", strg}, {"I_FLAG", flag}});
}

QString count(db::Connection &conn, const QString &date, const QString &strg, const QString &flag, const QString &dive)
{
    return call(conn, QStringLiteral("PR_O_DATE_STOCK_SIL_UPDATE"),
                {{"I_SILS_DATE", date}, {"I_STRG_CODE", strg}, {"I_FLAG", flag}, {"I_DIVE_CODE", dive}});
}

double stockOf(db::Connection &conn, const QString &month, const QString &strg, const QString &item)
{
    return db::Query::scalar(conn, QStringLiteral("SELECT STOC_QTY FROM OZ010MS WHERE STOC_YYMM = :M AND STRG_CODE = :S AND ITEM_CODE = :I"),
                             {{"M", month}, {"S", strg}, {"I", item}}).toDouble();
}

// Everything the procedures write: the stock rows and the journal.
QStringList snapshot(db::Connection &conn)
{
    QStringList out;
    for (const char *sql : {"SELECT STOC_YYMM, STRG_CODE, ITEM_CODE, OVER_QTY, OVER_AMT, CURR_PUT_QTY, CURR_RETU_QTY, "
                            "CURR_DELI_QTY, TAGE_DELI_QTY, LOSS_DELI_QTY, MOVE_PUT_QTY, MOVE_DELI_QTY, STOC_ACTU_QTY, STOC_QTY "
                            "FROM OZ010MS ORDER BY STOC_YYMM, STRG_CODE, ITEM_CODE",
                            "SELECT SRC_KIND, SRC_KEY, STOC_YYMM, STRG_CODE, ITEM_CODE, COL, POST_DATE, QTY, AMT "
                            "FROM OZ_POSTING_JOURNAL ORDER BY SRC_KIND, SRC_KEY, STOC_YYMM, STRG_CODE, ITEM_CODE, COL"}) {
        db::Query q(conn, QLatin1String(sql));
        q.exec();
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < q.columns().size(); ++i)
                row << q.text(i);
            out << row.join(QLatin1Char(';'));
        }
    }
    return out;
}

#define VERIFY_INVARIANTS(conn)                                                                                        \
    do {                                                                                                               \
        const QStringList broken = checkInvariants(conn);                                                              \
        QVERIFY2(broken.isEmpty(), qPrintable(broken.mid(0, 10).join(QLatin1Char('\n'))));                            \
    } while (false)

#define COMPARE_VIEWS(expected, actual)                                                                                \
    do {                                                                                                               \
        const QStringList diff = differences(expected, actual);                                                        \
        QVERIFY2(diff.isEmpty(), qPrintable(diff.mid(0, 10).join(QLatin1Char('\n'))));                               \
    } while (false)

// Stock in two warehouses over several months, so that postings meet
// existing rows before and after them.
void seedHistory(db::Connection &conn, Documents &docs)
{
    docs.receipt("IN20260100001", "101", {{kA, 100}, {kB, 40}}, "2026-01-10");
    docs.receipt("IN20260400001", "101", {{kA, 10}}, "2026-04-03");
    docs.receipt("IN20260200001", "102", {{kA, 5}}, "2026-02-20");
    for (const char *no : {"IN20260100001", "IN20260400001", "IN20260200001"})
        QCOMPARE(post(conn, kPut, "I_PUT_NO", no, "INS"), QStringLiteral("Y"));
}

} // namespace

class TestStockPosting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each kind posted in March between existing months: INS twice equals
    // INS once, DEL restores the stock as it was, DEL again changes nothing.
    void postTwiceThenReverse_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *k : {"receipt", "issue", "disposal", "loss", "return of issued goods", "transfer",
                              "transfer issue-out", "exchange return", "plain return", "opening stock", "count"})
            QTest::newRow(k) << QString::fromLatin1(k);
    }
    void postTwiceThenReverse()
    {
        QFETCH(QString, kind);
        auto conn = testdb::connect(testdb::freshAlias());
        Documents docs(*conn);
        seedHistory(*conn, docs);
        const StockView before = stockView(*conn, kLast);

        std::function<QString(const QString &)> run;
        if (kind == "receipt") {
            docs.receipt("IN20260300001", "101", {{kA, 7}, {kB, 3}, {kA, 1}}, "2026-03-15");
            run = [&](const QString &f) { return post(*conn, kPut, "I_PUT_NO", "IN20260300001", f); };
        } else if (kind == "issue" || kind == "disposal" || kind == "loss" || kind == "return of issued goods") {
            const QString k = kind == "issue" ? "1" : kind == "disposal" ? "4" : kind == "loss" ? "5" : "3";
            const double sign = k == "3" ? -1 : 1;
            docs.issue("DE20260300001", k, "2026-03-02", "101", {{kA, sign * 30}, {kB, sign * 50}},
                       k == "1" ? "2026-03-05" : QString());
            const char *proc = k == "3" ? kStockDeli : kDeli;
            run = [=, &conn](const QString &f) { return post(*conn, proc, "I_DELI_NO", "DE20260300001", f); };
        } else if (kind == "transfer") {
            docs.transfer("MO20260300001", "1", "2026-03-09", "101", "103", {{kA, 12}}, "2026-03-09");
            run = [&](const QString &f) { return post(*conn, kMove, "I_MOVE_NO", "MO20260300001", f); };
        } else if (kind == "transfer issue-out") {
            docs.issue("DE20260300002", "2", "2026-03-09", "102", {{kA, 4}}, "2026-03-09");
            docs.transfer("MO20260300002", "2", "2026-03-09", "101", "102", {{kA, 4}}, "2026-03-09", "DE20260300002");
            run = [&](const QString &f) { return post(*conn, kMove, "I_MOVE_NO", "MO20260300002", f); };
        } else if (kind.endsWith("return")) {
            docs.supplierReturn("2026-03-20", "C9", 1, "101", {{kA, 2}, {kB, 1}}, kind == "exchange return" ? "1" : "2");
            run = [&](const QString &f) { return retu(*conn, "2026-03-20 00:00:00", "C9", "1", f); };
        } else if (kind == "opening stock") {
            docs.silLines("2026-03-01", "102", "1", {{kB, 8, 100, 800}});
            run = [&](const QString &f) { return opening(*conn, "2026-03-01", "102", f); };
        } else {
            docs.silLines("2026-03-31", "101", "2", {{kA, 95, -5, 100}, {kB, 45, 5, 40}});
            run = [&](const QString &f) { return count(*conn, "2026-03-31", "101", f, ""); };
        }

        QCOMPARE(run("INS"), QStringLiteral("Y"));
        VERIFY_INVARIANTS(*conn);
        const StockView posted = stockView(*conn, kLast);
        QVERIFY(!differences(before, posted).isEmpty());
        QCOMPARE(run("ins "), QStringLiteral("Y"));
        COMPARE_VIEWS(posted, stockView(*conn, kLast));
        QCOMPARE(run("DEL"), QStringLiteral("Y"));
        COMPARE_VIEWS(before, stockView(*conn, kLast));
        QCOMPARE(run("DEL"), QStringLiteral("Y"));
        COMPARE_VIEWS(before, stockView(*conn, kLast));
        QCOMPARE(db::Query::scalar(*conn, "SELECT COUNT(*) FROM OZ_POSTING_JOURNAL WHERE SRC_KIND <> 'PUT' OR SRC_KEY = 'IN20260300001'"),
                 QStringLiteral("0"));
    }

    // What the callers do to documents around their calls.
    void hazardsOfTheCallers()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        Documents docs(*conn);
        seedHistory(*conn, docs);
        const StockView start = stockView(*conn, kLast);

        // An issue edited after posting and posted again replaces the first posting.
        docs.issue("DE20260300001", "1", "2026-03-02", "101", {{kA, 30}}, "2026-03-02");
        QCOMPARE(post(*conn, kDeli, "I_DELI_NO", "DE20260300001", "INS"), QStringLiteral("Y"));
        docs.setIssueLines("DE20260300001", {{kA, 10}, {kB, 5}});
        QCOMPARE(post(*conn, kDeli, "I_DELI_NO", "DE20260300001", "INS"), QStringLiteral("Y"));
        VERIFY_INVARIANTS(*conn);
        QCOMPARE(stockOf(*conn, "202603", "101", kA), 90.0);

        // Deleted after posting: the reversal still knows what was posted.
        docs.deleteIssue("DE20260300001");
        QCOMPARE(post(*conn, kDeli, "I_DELI_NO", "DE20260300001", "DEL"), QStringLiteral("Y"));
        COMPARE_VIEWS(start, stockView(*conn, kLast));

        // A return whose warehouse is changed before its reversal.
        docs.supplierReturn("2026-03-20", "C9", 1, "101", {{kA, 2}});
        QCOMPARE(retu(*conn, "2026-03-20", "C9", "1", "INS"), QStringLiteral("Y"));
        exec(*conn, "UPDATE OD030MS SET STRG_CODE = '102' WHERE C_CODE = 'C9'");
        QCOMPARE(retu(*conn, "2026-03-20", "C9", "1", "DEL"), QStringLiteral("Y"));
        COMPARE_VIEWS(start, stockView(*conn, kLast));
        QCOMPARE(retu(*conn, "2026/03/20", "C9", "1", "INS"), QStringLiteral("Y"));
        VERIFY_INVARIANTS(*conn);
        QCOMPARE(stockOf(*conn, "202603", "102", kA), 3.0);
        QCOMPARE(retu(*conn, "20260320", "C9", "1", "DEL"), QStringLiteral("Y"));
        docs.deleteReturn("2026-03-20", "C9", 1);
        COMPARE_VIEWS(start, stockView(*conn, kLast));

        // A transfer issue-out cancelled across a month end: the issue's date is
        // rewritten to the next month before the reversal.
        docs.issue("DE20260100009", "2", "2026-01-31", "102", {{kA, 6}}, "2026-01-31");
        docs.transfer("MO20260100001", "2", "2026-01-31", "101", "102", {{kA, 6}}, "2026-01-31", "DE20260100009");
        QCOMPARE(post(*conn, kMove, "I_MOVE_NO", "MO20260100001", "INS"), QStringLiteral("Y"));
        VERIFY_INVARIANTS(*conn);
        docs.setIssueApproval("DE20260100009", "1", "2026-02-02");
        docs.setTransferApproval("MO20260100001", "1", "2026-01-31");
        QCOMPARE(post(*conn, kMove, "I_MOVE_NO", "MO20260100001", "DEL"), QStringLiteral("Y"));
        COMPARE_VIEWS(start, stockView(*conn, kLast));

        // Reversing what was never posted, an unknown or an empty number: nothing happens.
        docs.issue("DE20260300002", "1", "2026-03-02", "101", {{kA, 30}});
        for (const char *no : {"DE20260300002", "DE20269900001", ""})
            QCOMPARE(post(*conn, kDeli, "I_DELI_NO", no, "DEL"), QStringLiteral("Y"));
        COMPARE_VIEWS(start, stockView(*conn, kLast));

        // Stock may go below zero.
        docs.issue("DE20260300003", "5", "2026-03-02", "103", {{kB, 4}});
        QCOMPARE(post(*conn, kDeli, "I_DELI_NO", "DE20260300003", "INS"), QStringLiteral("Y"));
        QCOMPARE(stockOf(*conn, "202603", "103", kB), -4.0);
        VERIFY_INVARIANTS(*conn);
    }

    // A posting dated back moves the carried stock of every later month; a
    // posting after months without movement fills them with the carried stock,
    // and the first day of such a month sees that stock.
    void monthBoundaries()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        Documents docs(*conn);
        seedHistory(*conn, docs);
        QCOMPARE(GetStockQty("101", kA, "2026-03-01", *conn), 100.0);   // carried through March
        QCOMPARE(GetStockQty("101", kA, "2026-06-01", *conn), 110.0);   // after the last row
        QCOMPARE(GetStockQty("101", kA, "2025-12-31", *conn), 0.0);

        docs.receipt("IN20251100001", "101", {{kA, 3}}, "2025-11-30");
        QCOMPARE(post(*conn, kPut, "I_PUT_NO", "IN20251100001", "INS"), QStringLiteral("Y"));
        VERIFY_INVARIANTS(*conn);
        QCOMPARE(stockOf(*conn, "202512", "101", kA), 3.0);
        QCOMPARE(stockOf(*conn, "202603", "101", kA), 103.0);
        QCOMPARE(stockOf(*conn, "202604", "101", kA), 113.0);
        QCOMPARE(GetStockQty("101", kA, "2026-02-01", *conn), 103.0);

        docs.issue("DE20260900001", "4", "2026-09-01", "101", {{kA, 13}});
        QCOMPARE(post(*conn, kDeli, "I_DELI_NO", "DE20260900001", "INS"), QStringLiteral("Y"));
        VERIFY_INVARIANTS(*conn);
        QCOMPARE(stockOf(*conn, "202607", "101", kA), 113.0);
        QCOMPARE(GetStockQty("101", kA, "2026-09-01", *conn), 100.0);
    }

    // A count is posted and taken back whole whatever class the screen passes;
    // the opening stock of the same day stays.
    void countAndOpeningOfOneDay()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        Documents docs(*conn);
        seedHistory(*conn, docs);
        docs.silLines("2026-05-01", "101", "1", {{kB, 10, 2, 20}});
        QCOMPARE(opening(*conn, "2026-05-01", "101", "INS"), QStringLiteral("Y"));
        const StockView withOpening = stockView(*conn, kLast);

        docs.silLines("2026-05-01", "101", "2", {{kA, 100, -10, 110}, {kB, 52, 2, 50}});
        QCOMPARE(count(*conn, "2026-05-01", "101", "INS", ""), QStringLiteral("Y"));
        QCOMPARE(count(*conn, "2026-05-01", "101", "INS", "A"), QStringLiteral("Y"));
        VERIFY_INVARIANTS(*conn);
        QCOMPARE(stockOf(*conn, "202605", "101", kA), 100.0);
        QCOMPARE(stockOf(*conn, "202605", "101", kB), 52.0);
        QCOMPARE(db::Query::scalar(*conn, "SELECT STOC_ACTU_QTY FROM OZ010MS WHERE STOC_YYMM = '202605' AND STRG_CODE = '101' AND ITEM_CODE = :I",
                                   {{"I", kA}}).toDouble(), 10.0);

        QCOMPARE(count(*conn, "2026-05-01", "101", "DEL", "B"), QStringLiteral("Y"));
        docs.deleteSilLines("2026-05-01", "101", "2");
        COMPARE_VIEWS(withOpening, stockView(*conn, kLast));

        // Opening stock saved again over an existing list is not counted twice.
        docs.deleteSilLines("2026-05-01", "101", "1");
        docs.silLines("2026-05-01", "101", "1", {{kB, 12, 2, 24}});
        QCOMPARE(opening(*conn, "2026-05-01", "101", "INS"), QStringLiteral("Y"));
        QCOMPARE(call(*conn, "PR_O_DATE_STOCK_SIL_BATCH", {{"I_SILS_DATE", "2026-05-01"}, {"I_FLAG", "INS"}}), QStringLiteral("Y"));
        VERIFY_INVARIANTS(*conn);
        QCOMPARE(stockOf(*conn, "202605", "101", kB), 52.0);
        QCOMPARE(db::Query::scalar(*conn, "SELECT OVER_AMT FROM OZ010MS WHERE STOC_YYMM = '202605' AND STRG_CODE = '101' AND ITEM_CODE = :I",
                                   {{"I", kB}}).toDouble(), 24.0);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("answer");
        QTest::newRow("unknown receipt") << kPut << "IN20269900001" << "INS"
                                         << "[PR_O_DATE_STOCK_PUT_UPDATE] 입고번호 IN20269900001 자료가 없습니다.";
        QTest::newRow("unconfirmed receipt") << kPut << "IN20260300009" << "INS"
                                             << "[PR_O_DATE_STOCK_PUT_UPDATE] 입고번호 IN20260300009 의 입고일자가 없습니다.";
        QTest::newRow("bad flag") << kPut << "IN20260100001" << "UPD" << "[PR_O_DATE_STOCK_PUT_UPDATE] 처리구분 오류 (UPD)";
        QTest::newRow("unconfirmed issue") << kDeli << "DE20260300001" << "INS"
                                           << "[PR_O_DATE_STOCK_DELI_UPDATE] 출고번호 DE20260300001 은(는) 확정되지 않은 자료입니다.";
        QTest::newRow("issue of a transfer") << kDeli << "DE20260300002" << "INS"
                                             << "[PR_O_DATE_STOCK_DELI_UPDATE] 이동불출 자료는 이동 처리로 반영됩니다 (DE20260300002)";
        QTest::newRow("issue on a closed day") << kDeli << "DE20260300003" << "INS"
                                               << "[PR_O_DATE_STOCK_DELI_UPDATE] 2026-03-04 해당 일자는 마감 완료 되었습니다.";
        QTest::newRow("unconfirmed transfer") << kMove << "MO20260300001" << "INS"
                                              << "[PR_O_DATE_STOCK_MOVE_UPDATE] 이동번호 MO20260300001 은(는) 확정되지 않은 자료입니다.";
    }
    // A refusal, inside the caller's transaction or without one, leaves every
    // table as it was.
    void refusals()
    {
        QFETCH(QString, procedure);
        QFETCH(QString, number);
        QFETCH(QString, flag);
        QFETCH(QString, answer);
        auto conn = testdb::connect(testdb::freshAlias());
        Documents docs(*conn);
        seedHistory(*conn, docs);
        docs.receipt("IN20260300009", "101", {{kA, 1}}, {});
        docs.issue("DE20260300001", "1", "2026-03-02", "101", {{kA, 1}});
        docs.issue("DE20260300002", "2", "2026-03-02", "101", {{kA, 1}}, "2026-03-02");
        docs.issue("DE20260300003", "1", "2026-03-02", "101", {{kA, 1}}, "2026-03-04");
        docs.transfer("MO20260300001", "1", "2026-03-02", "101", "102", {{kA, 1}}, {});
        exec(*conn, "INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES ('2026-03-04', 'Y')");
        const QString input = procedure == kPut ? "I_PUT_NO" : procedure == kMove ? "I_MOVE_NO" : "I_DELI_NO";
        const QStringList before = snapshot(*conn);

        QCOMPARE(post(*conn, procedure, input, number, flag), answer);
        QCOMPARE(snapshot(*conn), before);

        conn->startTransaction();
        exec(*conn, "INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES ('2026-03-05', 'N')");
        QCOMPARE(post(*conn, procedure, input, number, flag), answer);
        QVERIFY(conn->inTransaction());
        conn->commit();
        QCOMPARE(snapshot(*conn), before);
        QCOMPARE(db::Query::scalar(*conn, "SELECT COUNT(*) FROM OZ060MS"), QStringLiteral("2"));
    }

    // A statement failing half-way through a posting undoes the rows already
    // changed; the caller's transaction stays usable.
    void failureHalfWayChangesNothing()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        Documents docs(*conn);
        seedHistory(*conn, docs);
        // A journal that refuses large quantities: the stock rows are written
        // before the journal, so the failure comes after them.
        QString ddl = db::tableDdl(*db::findTable("OZ_POSTING_JOURNAL"), conn->engine()).first();
        ddl.insert(ddl.lastIndexOf(QLatin1Char(')')), QStringLiteral(",\n  CHECK (QTY < 1000)"));
        QSqlQuery schema(conn->handle());
        QVERIFY(schema.exec("DROP TABLE OZ_POSTING_JOURNAL"));
        QVERIFY2(schema.exec(ddl), qPrintable(schema.lastError().text()));
        docs.receipt("IN20260300001", "101", {{kA, 5}, {kB, 5000}}, "2026-03-03");
        const QStringList before = snapshot(*conn);

        QVERIFY_THROWS_EXCEPTION(db::DbError, post(*conn, kPut, "I_PUT_NO", "IN20260300001", "INS"));
        QCOMPARE(snapshot(*conn), before);

        conn->startTransaction();
        exec(*conn, "INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES ('2026-03-05', 'N')");
        QVERIFY_THROWS_EXCEPTION(db::DbError, post(*conn, kPut, "I_PUT_NO", "IN20260300001", "INS"));
        exec(*conn, "INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK) VALUES ('2026-03-06', 'N')");
        conn->commit();
        QCOMPARE(snapshot(*conn), before);
        QCOMPARE(db::Query::scalar(*conn, "SELECT COUNT(*) FROM OZ060MS"), QStringLiteral("2"));
    }

    // The running stock of material movements, each line in its own warehouse.
    void materialMovements()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        auto line = [&](const char *date, const char *strg, const char *num, int seq, const char *kind, const char *item, double qty) {
            exec(*conn, "INSERT INTO OP040MS (INSP_DATE, STRG_CODE, INSP_NUM, INSP_SEQ, GUBUN, ITEM_CODE, PUT_QTY) "
                        "VALUES (:D, :S, :N, :Q, :G, :I, :P)",
                 {{"D", date}, {"S", strg}, {"N", num}, {"Q", QString::number(seq)}, {"G", kind}, {"I", item},
                  {"P", QString::number(qty)}});
        };
        auto run = [&](const char *date, const char *num, const char *flag) {
            return call(*conn, "PR_O_PR_STOCK_UPDATE", {{"I_SILS_DATE", date}, {"I_STRG_CODE", "P01"}, {"I_FLAG", flag},
                                                        {"I_INSP_NUM", num}, {"I_UEMP_NO", "E1"}, {"I_U_IP", "10.0.0.9"}});
        };
        auto stocks = [&](const char *strg) {
            QStringList out;
            db::Query q(*conn, "SELECT STOC_QTY FROM OP040MS WHERE STRG_CODE = :S ORDER BY INSP_DATE, INSP_NUM, INSP_SEQ");
            q.bind("S", strg).exec();
            while (q.next())
                out << q.text(0);
            return out.join(' ');
        };
        line("2026-03-01", "P01", "PR20260300001", 1, "I", "M1", 10);
        line("2026-03-01", "P02", "PR20260300001", 2, "I", "M1", 4);   // another warehouse than the caller's
        QCOMPARE(run("2026-03-01", "PR20260300001", "INS"), QStringLiteral("Y"));
        line("2026-03-05", "P01", "PR20260300002", 1, "O", "M1", 3);
        QCOMPARE(run("2026-03-05", "PR20260300002", "INS"), QStringLiteral("Y"));
        line("2026-03-09", "P01", "PR20260300003", 1, "M", "M1", 20);
        QCOMPARE(run("2026-03-09", "PR20260300003", "INS"), QStringLiteral("[PR_O_PR_STOCK_UPDATE] 작업구분이 일치하지 않습니다."));
        QCOMPARE(run("2026-03-09", "PR20260300003", "MOD"), QStringLiteral("Y"));
        line("2026-03-10", "P01", "PR20260300004", 1, "I", "M1", 1);
        QCOMPARE(run("2026-03-10", "PR20260300004", "INS"), QStringLiteral("Y"));
        QCOMPARE(stocks("P01"), QStringLiteral("10 7 20 21"));
        QCOMPARE(stocks("P02"), QStringLiteral("4"));

        // A document dated back moves every later running stock up to the correction.
        line("2026-03-03", "P01", "PR20260300005", 1, "I", "M1", 5);
        QCOMPARE(run("2026-03-03", "PR20260300005", "INS"), QStringLiteral("Y"));
        QCOMPARE(stocks("P01"), QStringLiteral("10 15 12 20 21"));
        QCOMPARE(run("2026-03-03", "PR20260300005", "DEL"), QStringLiteral("Y"));
        exec(*conn, "DELETE FROM OP040MS WHERE INSP_NUM = 'PR20260300005'");
        QCOMPARE(stocks("P01"), QStringLiteral("10 7 20 21"));
        QCOMPARE(db::Query::scalar(*conn, "SELECT U_IP FROM OP040MS WHERE INSP_NUM = 'PR20260300002'"), QStringLiteral("10.0.0.9"));
    }
};

QTEST_GUILESS_MAIN(TestStockPosting)
#include "tst_stock_posting.moc"
