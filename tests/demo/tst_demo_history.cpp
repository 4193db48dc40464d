// A month of generated demo activity: documents whole and numbered as the
// screens number them, and the same seed giving the same history.

#include "db/Query.h"
#include "demo/DemoHistory.h"
#include "support/TestDb.h"

#include <QtTest>

namespace {

const QDate kFirstMonth(2026, 3, 1);

// A food store, a kitchen, the consumables store and the housekeeping it
// supplies: every kind of document, with a fraction of the resort's volume.
demo::HistoryOptions oneMonth(demo::Posting posting)
{
    demo::HistoryOptions options;
    options.firstMonth = kFirstMonth;
    options.months = 1;
    options.warehouses = {QStringLiteral("110"), QStringLiteral("210"), QStringLiteral("130"), QStringLiteral("270")};
    options.posting = posting;
    return options;
}

QStringList rows(db::Connection &conn, const QString &sql)
{
    db::Query q(conn, sql);
    q.exec();
    QStringList result;
    const int columns = int(q.columns().size());
    while (q.next()) {
        QStringList fields;
        for (int c = 0; c < columns; ++c)
            fields << q.text(c);
        result << fields.join(QLatin1Char('|'));
    }
    return result;
}

int count(db::Connection &conn, const QString &sql)
{
    return db::Query::scalar(conn, sql).toInt();
}

} // namespace

class TestDemoHistory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        m_conn = testdb::connect(testdb::freshAlias(true));
        m_counts = demo::generateHistory(*m_conn, oneMonth(demo::Posting::DocumentsOnly));
    }

    void everyKindOfDocumentIsWritten_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("condition");
        QTest::newRow("requests") << "OA010MS" << "APPR_GUBUN = '2'";
        QTest::newRow("orders") << "OB010MS" << "APPR_GUBUN = '2'";
        QTest::newRow("confirmed receipts") << "OC010MS" << "PUT_DATE = INSP_DATE";
        QTest::newRow("normal issues") << "OD010MS" << "DELI_GUBUN = '1'";
        QTest::newRow("returns of issues") << "OD010MS" << "DELI_GUBUN = '3'";
        QTest::newRow("disposals and losses") << "OD010MS" << "DELI_GUBUN IN ('4','5')";
        QTest::newRow("transfers") << "OD020MS" << "MOVE_GUBUN = '1'";
        QTest::newRow("returns to suppliers") << "OD030MS" << "RETU_NUM >= 1";
        QTest::newRow("opening stock") << "OZ020MS" << "SILS_GUBUN = '1'";
        QTest::newRow("counts at the month end") << "OZ020MS" << "SILS_GUBUN = '2' AND SILS_DATE = '2026-03-31'";
    }
    void everyKindOfDocumentIsWritten()
    {
        QFETCH(QString, table);
        QFETCH(QString, condition);
        QVERIFY2(count(*m_conn, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, condition)) > 0,
                 qPrintable(table + QLatin1Char(' ') + condition));
        QVERIFY(m_counts.value(table) > 0);
    }

    // Every document has lines, numbered 1..n without a gap, and every
    // document number is the kind, the document's month and a serial, once.
    void documentsAreWholeAndNumbered_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("seq");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("kind");
        QTest::newRow("requests") << "OA010MS" << "OA010DT" << "PURC_DATE, STRG_CODE, PURC_NUM" << "PURC_SEQ"
                                  << "PURC_NO" << "PURC_DATE" << "PU";
        QTest::newRow("orders") << "OB010MS" << "OB010DT" << "ORDE_DATE, C_CODE, ORDE_NUM" << "ORDE_SEQ"
                                << "ORDE_NO" << "ORDE_DATE" << "OR";
        QTest::newRow("receipts") << "OC010MS" << "OC010DT" << "INSP_DATE, C_CODE, INSP_NUM" << "INSP_SEQ"
                                  << "INSP_NO" << "INSP_DATE" << "IN";
        QTest::newRow("issues") << "OD010MS" << "OD010DT" << "DELI_DATE, STRG_CODE, DELI_NUM" << "DELI_SEQ"
                                << "DELI_NO" << "DELI_DATE" << "DE";
        QTest::newRow("transfers") << "OD020MS" << "OD020DT" << "MOVE_DATE, FROM_STRG_CODE, TO_STRG_CODE, MOVE_NUM"
                                   << "MOVE_SEQ" << "MOVE_NO" << "MOVE_DATE" << "MO";
        QTest::newRow("returns") << "OD030MS" << "OD030DT" << "RETU_DATE, C_CODE, RETU_NUM" << "RETU_SEQ"
                                 << QString() << QString() << QString();
    }
    void documentsAreWholeAndNumbered()
    {
        QFETCH(QString, header);
        QFETCH(QString, lines);
        QFETCH(QString, key);
        QFETCH(QString, seq);
        QFETCH(QString, number);
        QFETCH(QString, date);
        QFETCH(QString, kind);
        QStringList join;
        for (const QString &column : key.split(QStringLiteral(", ")))
            join << QStringLiteral("L.%1 = H.%1").arg(column);
        const QString badNumbering = QStringLiteral(
            "SELECT COUNT(*) FROM %1 H WHERE NOT EXISTS (SELECT 1 FROM %2 L WHERE %3) "
            "   OR (SELECT MAX(L.%4) FROM %2 L WHERE %3) <> (SELECT COUNT(*) FROM %2 L WHERE %3) "
            "   OR (SELECT MIN(L.%4) FROM %2 L WHERE %3) <> 1")
            .arg(header, lines, join.join(QStringLiteral(" AND ")), seq);
        QCOMPARE(count(*m_conn, badNumbering), 0);
        QCOMPARE(count(*m_conn, QStringLiteral("SELECT COUNT(*) FROM %1 L WHERE NOT EXISTS (SELECT 1 FROM %2 H WHERE %3)")
                                    .arg(lines, header, join.join(QStringLiteral(" AND ")))), 0);
        if (number.isEmpty())
            return;
        QCOMPARE(count(*m_conn, QStringLiteral(
                     "SELECT COUNT(*) FROM %1 WHERE LENGTH(%2) <> 13 OR SUBSTR(%2,1,8) <> :KIND || TO_CHAR(%3,'YYYYMM')")
                     .replace(QLatin1String(":KIND"), QLatin1Char('\'') + kind + QLatin1Char('\''))
                     .arg(header, number, date)), 0);
        QCOMPARE(count(*m_conn, QStringLiteral("SELECT COUNT(*) - COUNT(DISTINCT %1) FROM %2").arg(number, header)), 0);
    }

    // Receipt headers carry their lines' sums; each order line has received
    // what the receipts say and is closed once fully received.
    void receiptsAgreeWithTheirLinesAndOrders()
    {
        QCOMPARE(count(*m_conn, QStringLiteral(
                     "SELECT COUNT(*) FROM OC010MS H WHERE ABS(H.PUT_AMT - (SELECT SUM(L.AMT) FROM OC010DT L "
                     "  WHERE L.INSP_NO = H.INSP_NO)) > 0.001 OR ABS(H.TAX_AMT - (SELECT SUM(L.TAX_AMT) FROM OC010DT L "
                     "  WHERE L.INSP_NO = H.INSP_NO)) > 0.001 OR ABS(H.SUM_AMT - H.PUT_AMT - H.TAX_AMT) > 0.001")), 0);
        QCOMPARE(count(*m_conn, QStringLiteral(
                     "SELECT COUNT(*) FROM OC010DT WHERE ABS(PUT_QTY - ORDE_QTY * (SELECT CHANGE_QTY FROM OX010MS I "
                     "  WHERE I.ITEM_CODE = OC010DT.ITEM_CODE)) > 0.001 OR ABS(AMT - ORDE_QTY * COST_AMT) > 0.001")), 0);
        QCOMPARE(count(*m_conn, QStringLiteral(
                     "SELECT COUNT(*) FROM OB010DT O WHERE ABS(O.PUT_QTY - COALESCE((SELECT SUM(R.ORDE_QTY) FROM OC010DT R "
                     "  WHERE R.ORDE_NO = O.ORDE_NO AND R.ORDE_SEQ = O.ORDE_SEQ),0)) > 0.001 "
                     "  OR (O.PUT_QTY >= O.QTY AND O.PUT_END <> 'Y') OR (O.PUT_QTY < O.QTY AND O.PUT_END <> 'N')")), 0);
        // Orders due after the month stay open for receiving.
        QVERIFY(count(*m_conn, QStringLiteral("SELECT COUNT(*) FROM OB010DT WHERE PUT_QTY = 0 AND PUT_END = 'N'")) > 0);
    }

    // Normal issues are confirmed on their day; the other kinds carry no
    // confirmation; returned issues are stored as negative quantities.
    void issueKindsAreStoredAsTheirScreensStoreThem()
    {
        QCOMPARE(count(*m_conn, QStringLiteral(
                     "SELECT COUNT(*) FROM OD010MS WHERE DELI_GUBUN = '1' AND (APPR_GUBUN <> '2' OR APPR_DATE <> DELI_DATE "
                     "  OR APPR_EMP_NO IS NULL)")), 0);
        QCOMPARE(count(*m_conn, QStringLiteral(
                     "SELECT COUNT(*) FROM OD010MS WHERE DELI_GUBUN <> '1' AND (APPR_GUBUN IS NOT NULL OR APPR_DATE IS NOT NULL)")), 0);
        QCOMPARE(count(*m_conn, QStringLiteral(
                     "SELECT COUNT(*) FROM OD010DT L, OD010MS H WHERE L.DELI_DATE = H.DELI_DATE AND L.STRG_CODE = H.STRG_CODE "
                     "  AND L.DELI_NUM = H.DELI_NUM AND ((H.DELI_GUBUN = '3') <> (L.QTY < 0))")), 0);
    }

    // No warehouse gives out more than it has: the stock that the documents
    // leave at the end of the month is nowhere below zero.
    void documentsNeverDrawStockBelowZero()
    {
        QCOMPARE(count(*m_conn, QStringLiteral("SELECT COUNT(*) FROM (%1) S WHERE S.QTY < -0.001").arg(stockFromDocuments())), 0);
        QVERIFY(count(*m_conn, QStringLiteral("SELECT COUNT(*) FROM (%1) S WHERE S.QTY > 0").arg(stockFromDocuments())) > 100);
    }

    void theSameSeedGivesTheSameHistory()
    {
        auto again = testdb::connect(testdb::freshAlias(true));
        demo::generateHistory(*again, oneMonth(demo::Posting::DocumentsOnly));
        for (const char *sql : {"SELECT DELI_NO, ITEM_CODE, QTY FROM OD010MS H, OD010DT L WHERE L.DELI_DATE = H.DELI_DATE "
                                "AND L.STRG_CODE = H.STRG_CODE AND L.DELI_NUM = H.DELI_NUM ORDER BY DELI_NO, DELI_SEQ",
                                "SELECT INSP_NO, PUT_AMT, TAX_AMT FROM OC010MS ORDER BY INSP_NO",
                                "SELECT SILS_DATE, STRG_CODE, ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST FROM OZ020MS "
                                "ORDER BY SILS_DATE, STRG_CODE, ITEM_CODE, SILS_GUBUN"}) {
            QCOMPARE(rows(*again, QString::fromLatin1(sql)), rows(*m_conn, QString::fromLatin1(sql)));
        }
    }

    void scaleCopiesOutletsAndItems()
    {
        auto scaled = testdb::connect(testdb::freshAlias(true));
        const int items = count(*scaled, QStringLiteral("SELECT COUNT(*) FROM OX010MS"));
        const int stores = count(*scaled, QStringLiteral("SELECT COUNT(*) FROM OX060MS"));
        demo::HistoryOptions options = oneMonth(demo::Posting::DocumentsOnly);
        options.scale = 2;
        demo::generateHistory(*scaled, options);
        QCOMPARE(count(*scaled, QStringLiteral("SELECT COUNT(*) FROM OX010MS")), 2 * items);
        QVERIFY(count(*scaled, QStringLiteral("SELECT COUNT(*) FROM OX060MS")) > stores);
        QVERIFY(count(*scaled, QStringLiteral("SELECT COUNT(DISTINCT STRG_CODE) FROM OD010MS")) >
                count(*m_conn, QStringLiteral("SELECT COUNT(DISTINCT STRG_CODE) FROM OD010MS")));
    }

    // Posted through the procedures, the month's stock is what its documents
    // moved, every day of it is closed and so is the month.
    void aPostedMonthAgreesWithItsDocuments()
    {
        auto posted = testdb::connect(testdb::freshAlias(true));
        demo::generateHistory(*posted, oneMonth(demo::Posting::Post));
        const QString month = kFirstMonth.toString(QStringLiteral("yyyyMM"));
        const QString documents = QStringLiteral("SELECT STRG_CODE, ITEM_CODE, ROUND(QTY, 3) FROM (%1) S WHERE QTY <> 0")
                                      .arg(stockFromDocuments());
        const QString stock = QStringLiteral("SELECT STRG_CODE, ITEM_CODE, ROUND(STOC_QTY, 3) FROM OZ010MS"
                                             " WHERE STOC_YYMM = :M AND STOC_QTY <> 0");
        auto differing = [&](const QString &a, const QString &b) {
            return db::Query::scalar(*posted, QStringLiteral("SELECT COUNT(*) FROM (%1 EXCEPT %2) D").arg(a, b),
                                     {{QStringLiteral("M"), month}}).toInt();
        };
        QVERIFY(count(*posted, QStringLiteral("SELECT COUNT(*) FROM (%1) D").arg(documents)) > 100);
        QCOMPARE(differing(documents, stock), 0);
        QCOMPARE(differing(stock, documents), 0);
        QCOMPARE(db::Query::scalar(*posted, QStringLiteral("SELECT COUNT(*) FROM OZ060MS"
                                                           " WHERE TO_CHAR(CLOS_DATE, 'YYYYMM') = :M AND CLOS_CHK = 'Y'"),
                                   {{QStringLiteral("M"), month}}).toInt(),
                 kFirstMonth.daysInMonth());
        QCOMPARE(db::Query::scalar(*posted, QStringLiteral("SELECT ORDE_CLOSE || COMP_CLOSE FROM OZ030MS WHERE CLOS_YYMM = :M"),
                                   {{QStringLiteral("M"), month}}),
                 QStringLiteral("YY"));
    }

private:
    // Stock per warehouse and item as the documents move it.
    static QString stockFromDocuments()
    {
        return QStringLiteral(
            "SELECT STRG_CODE, ITEM_CODE, SUM(Q) QTY FROM ("
            " SELECT STRG_CODE, ITEM_CODE, SILS_QTY Q FROM OZ020MS WHERE SILS_GUBUN = '1'"
            " UNION ALL SELECT STRG_CODE, ITEM_CODE, SILS_COST FROM OZ020MS WHERE SILS_GUBUN = '2'"
            " UNION ALL SELECT H.STRG_CODE, L.ITEM_CODE, L.PUT_QTY FROM OC010MS H, OC010DT L"
            "   WHERE L.INSP_NO = H.INSP_NO AND H.PUT_DATE IS NOT NULL"
            " UNION ALL SELECT H.STRG_CODE, L.ITEM_CODE, -L.QTY FROM OD010MS H, OD010DT L"
            "   WHERE L.DELI_DATE = H.DELI_DATE AND L.STRG_CODE = H.STRG_CODE AND L.DELI_NUM = H.DELI_NUM"
            " UNION ALL SELECT FROM_STRG_CODE, ITEM_CODE, -QTY FROM OD020DT"
            " UNION ALL SELECT TO_STRG_CODE, ITEM_CODE, QTY FROM OD020DT"
            " UNION ALL SELECT H.STRG_CODE, L.ITEM_CODE, -L.QTY FROM OD030MS H, OD030DT L"
            "   WHERE L.RETU_DATE = H.RETU_DATE AND L.C_CODE = H.C_CODE AND L.RETU_NUM = H.RETU_NUM"
            ") M GROUP BY STRG_CODE, ITEM_CODE");
    }

    std::unique_ptr<db::Connection> m_conn;
    demo::HistoryCounts m_counts;
};

QTEST_GUILESS_MAIN(TestDemoHistory)
#include "tst_demo_history.moc"
