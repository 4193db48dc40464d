// What a statement sees and returns must be the same on both engines.

#include "db/Query.h"
#include "support/TestDb.h"

#include <QtTest>

using db::Query;

class TestQuery : public QObject {
    Q_OBJECT
    std::unique_ptr<db::Connection> conn;

    void insertRequestLine(const QString &date, const QString &strg, const QString &item, const QString &qty,
                           const QString &remark = {})
    {
        Query(*conn, QStringLiteral("INSERT INTO OA010DT (PURC_DATE, STRG_CODE, PURC_NUM, PURC_SEQ, ITEM_CODE, QTY, "
                                    "COST_AMT, REMARK) VALUES (:D, :S, 1, :SEQ, :I, :Q, :Q, :R)"))
            .bind(QStringLiteral("D"), date)
            .bind(QStringLiteral("S"), strg)
            .bind(QStringLiteral("SEQ"), Query::scalar(*conn, QStringLiteral("SELECT COALESCE(MAX(PURC_SEQ),0)+1 FROM OA010DT")))
            .bind(QStringLiteral("I"), item)
            .bind(QStringLiteral("Q"), qty)
            .bind(QStringLiteral("R"), remark)
            .exec();
    }

private Q_SLOTS:
    void init() { conn = testdb::connect(testdb::freshAlias()); }
    void cleanup() { conn.reset(); }

    void datesTravelAsText()
    {
        insertRequestLine(QStringLiteral("2004-04-01"), QStringLiteral("A01"), QStringLiteral("A0101001"), QStringLiteral("1"));
        insertRequestLine(QStringLiteral("2004-04-02"), QStringLiteral("A01"), QStringLiteral("A0101001"), QStringLiteral("1"));
        Query q(*conn, QStringLiteral("SELECT PURC_DATE, TO_CHAR(PURC_DATE,'YYYYMM') YYMM, TO_CHAR(PURC_DATE,'yyyy-mm-dd') D "
                                      "FROM OA010DT WHERE PURC_DATE = :D"));
        q.bind(QStringLiteral("D"), QStringLiteral("2004-04-01")).exec();
        QVERIFY(q.next());
        QCOMPARE(q.text(QStringLiteral("PURC_DATE")), QStringLiteral("2004-04-01"));
        QCOMPARE(q.text(QStringLiteral("YYMM")), QStringLiteral("200404"));
        QCOMPARE(q.text(QStringLiteral("D")), QStringLiteral("2004-04-01"));
        QVERIFY(!q.next());
        QCOMPARE(Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM OA010DT WHERE PURC_DATE BETWEEN :S AND :E"),
                               {{QStringLiteral("S"), QStringLiteral("2004-04-01")}, {QStringLiteral("E"), QStringLiteral("2004-04-30")}}),
                 QStringLiteral("2"));
        const QString now = Query::scalar(*conn, QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')"));
        QCOMPARE(now, QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    }

    void emptyTextIsNullAndCodesHaveOneForm()
    {
        insertRequestLine(QStringLiteral("2004-04-01"), QStringLiteral("A01  "), QStringLiteral("A0101001"), QStringLiteral("1"), QString());
        QCOMPARE(Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM OA010DT WHERE REMARK IS NULL")), QStringLiteral("1"));
        // typed with a trailing blank, picked from a combo entry, found by a lookup: one code
        for (const QString &typed : {QStringLiteral("A01"), QStringLiteral("A01 "), QStringLiteral("A01   ")}) {
            QCOMPARE(Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM OA010DT WHERE STRG_CODE = :S"),
                                   {{QStringLiteral("S"), typed}}),
                     QStringLiteral("1"));
        }
        QCOMPARE(Query::scalar(*conn, QStringLiteral("SELECT STRG_CODE FROM OA010DT")), QStringLiteral("A01"));
    }

    void optionalConditionPattern_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("count");
        QTest::newRow("empty matches all") << QString() << QStringLiteral("3");
        QTest::newRow("prefix") << QStringLiteral("A01") << QStringLiteral("2");
        QTest::newRow("full code") << QStringLiteral("A0101002") << QStringLiteral("1");
        QTest::newRow("a quote is just a character") << QStringLiteral("A0' OR '1'='1") << QStringLiteral("0");
    }
    void optionalConditionPattern()
    {
        QFETCH(QString, search);
        QFETCH(QString, count);
        insertRequestLine(QStringLiteral("2004-04-01"), QStringLiteral("A01"), QStringLiteral("A0101001"), QStringLiteral("1"));
        insertRequestLine(QStringLiteral("2004-04-01"), QStringLiteral("A01"), QStringLiteral("A0101002"), QStringLiteral("1"));
        insertRequestLine(QStringLiteral("2004-04-01"), QStringLiteral("A01"), QStringLiteral("B0101001"), QStringLiteral("1"));
        QCOMPARE(Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM OA010DT WHERE ITEM_CODE LIKE COALESCE(:ITEM_CODE,'') || '%'"),
                               {{QStringLiteral("ITEM_CODE"), search}}),
                 count);
    }

    void numbersKeepTheirDecimals()
    {
        insertRequestLine(QStringLiteral("2004-04-01"), QStringLiteral("A01"), QStringLiteral("A0101001"), QStringLiteral("12.34567"));
        insertRequestLine(QStringLiteral("2004-04-01"), QStringLiteral("A01"), QStringLiteral("A0101002"), QStringLiteral("0.1"));
        insertRequestLine(QStringLiteral("2004-04-01"), QStringLiteral("A01"), QStringLiteral("A0101003"), QStringLiteral("0.2"));
        Query q(*conn, QStringLiteral("SELECT QTY, COST_AMT FROM OA010DT WHERE ITEM_CODE = :I"));
        q.bind(QStringLiteral("I"), QStringLiteral("A0101001")).exec();
        QVERIFY(q.next());
        QCOMPARE(q.text(QStringLiteral("QTY")), QStringLiteral("12.34567"));
        QCOMPARE(q.number(QStringLiteral("COST_AMT")), 12.34567);
        QCOMPARE(Query::scalar(*conn, QStringLiteral("SELECT SUM(QTY) FROM OA010DT WHERE ITEM_CODE > :I"),
                               {{QStringLiteral("I"), QStringLiteral("A0101001")}}),
                 QStringLiteral("0.3"));
        QCOMPARE(Query::scalar(*conn, QStringLiteral("SELECT COALESCE(MAX(PURC_SEQ),0) + 1 FROM OA010DT")), QStringLiteral("4"));
    }

    void parametersAreChecked()
    {
        Query q(*conn, QStringLiteral("SELECT ':NOT_A_PARAM' X FROM OX030MS WHERE DIVIDE_CODE = :CODE -- :ALSO_NOT"));
        QCOMPARE(Query::placeholders(QStringLiteral("SELECT ':NOT' FROM T WHERE A = :A AND B = :b OR A = :A")),
                 QStringList({QStringLiteral("A"), QStringLiteral("B")}));
        QVERIFY_THROWS_EXCEPTION(db::DbError, q.exec());                               // unbound
        QVERIFY_THROWS_EXCEPTION(db::DbError, q.bind(QStringLiteral("OTHER"), QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(db::DbError, Query(*conn, QStringLiteral("SELECT * FROM NO_SUCH_TABLE")).exec());
    }

    void transactions()
    {
        {
            db::Transaction tx(*conn);
            QVERIFY(conn->inTransaction());
            insertRequestLine(QStringLiteral("2004-04-01"), QStringLiteral("A01"), QStringLiteral("A0101001"), QStringLiteral("1"));
            QVERIFY_THROWS_EXCEPTION(db::DbError, conn->startTransaction());
            db::Transaction inner(*conn);   // joins the active one
            inner.commit();
            QVERIFY(conn->inTransaction());
        }   // not committed: rolled back
        QVERIFY(!conn->inTransaction());
        QCOMPARE(Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM OA010DT")), QStringLiteral("0"));
        {
            db::Transaction tx(*conn);
            insertRequestLine(QStringLiteral("2004-04-01"), QStringLiteral("A01"), QStringLiteral("A0101001"), QStringLiteral("1"));
            tx.commit();
        }
        QCOMPARE(Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM OA010DT")), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(TestQuery)
#include "tst_query.moc"
