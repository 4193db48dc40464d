// The catalogue becomes the same schema on both engines.

#include "db/Catalogue.h"
#include "db/Query.h"
#include "db/Schema.h"
#include "support/TestDb.h"

#include <QSqlRecord>
#include <QtTest>

using db::Query;

class TestSchema : public QObject {
    Q_OBJECT
    std::unique_ptr<db::Connection> conn;

    void insertClass(const QString &code, const QString &name, const QString &parent, int level, const QString &no)
    {
        Query(*conn, QStringLiteral("INSERT INTO OX030MS (DIVIDE_CODE, DIVIDE_NAME, PARENT_CODE, DIVIDE_LEVEL, DIVIDE_NO) "
                                    "VALUES (:C, :N, :P, :L, :NO)"))
            .bind(QStringLiteral("C"), code).bind(QStringLiteral("N"), name).bind(QStringLiteral("P"), parent)
            .bind(QStringLiteral("L"), level).bind(QStringLiteral("NO"), no).exec();
    }

private Q_SLOTS:
    void init() { conn = testdb::connect(testdb::freshAlias()); }
    void cleanup() { conn.reset(); }

    void everyTableAndColumnExists()
    {
        for (const db::Table &t : db::tables()) {
            QStringList names;
            for (const db::Column &c : t.columns)
                names.append(QLatin1String(c.name));
            Query q(*conn, QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(names.join(QStringLiteral(", ")), QLatin1String(t.name)));
            q.exec();
            QCOMPARE(q.columns(), names);
        }
        for (const db::View &v : db::views())
            Query(*conn, QStringLiteral("SELECT * FROM %1").arg(QLatin1String(v.name))).exec();
    }

    void issueLinesHaveExactlyTheirColumnsInOrder()
    {
        // Receipt confirmation fills OD010DT with an insert that lists no columns.
        Query q(*conn, QStringLiteral("SELECT * FROM OD010DT WHERE 1 = 0"));
        q.exec();
        QCOMPARE(q.columns(), QStringList({"DELI_DATE", "STRG_CODE", "DELI_NUM", "DELI_SEQ", "ITEM_CODE", "QTY",
                                           "REMARK", "U_EMP_NO", "U_DATE", "U_IP"}));
        Query(*conn, QStringLiteral("INSERT INTO OD010DT VALUES (:D, 'A01', 1, 1, 'A0101001', 2.5, NULL, 'E1', SYSDATE(), '10.0.0.1')"))
            .bind(QStringLiteral("D"), QStringLiteral("2004-04-01")).exec();
    }

    void orderLinesDefaultToReceivable()
    {
        Query(*conn, QStringLiteral("INSERT INTO OB010DT (ORDE_DATE, C_CODE, ORDE_NUM, ORDE_SEQ, ITEM_CODE, QTY) "
                                    "VALUES ('2004-04-01', 'C1', 1, 1, 'A0101001', 3)")).exec();
        Query q(*conn, QStringLiteral("SELECT PUT_QTY, PUT_END, ORDE_CANCEL FROM OB010DT"));
        q.exec();
        QVERIFY(q.next());
        QCOMPARE(q.text(QStringLiteral("PUT_QTY")), QStringLiteral("0"));
        QCOMPARE(q.text(QStringLiteral("PUT_END")), QStringLiteral("N"));
        QCOMPARE(q.text(QStringLiteral("ORDE_CANCEL")), QStringLiteral("N"));
    }

    void classViewIsInTreeOrder()
    {
        insertClass(QStringLiteral("B"), QStringLiteral("음료"), {}, 1, QStringLiteral("2"));
        insertClass(QStringLiteral("A"), QStringLiteral("식자재"), {}, 1, QStringLiteral("1"));
        insertClass(QStringLiteral("A02"), QStringLiteral("수산물"), QStringLiteral("A"), 2, QStringLiteral("2"));
        insertClass(QStringLiteral("A01"), QStringLiteral("육류"), QStringLiteral("A"), 2, QStringLiteral("1"));
        insertClass(QStringLiteral("A0101"), QStringLiteral("소고기"), QStringLiteral("A01"), 3, QStringLiteral("1"));
        insertClass(QStringLiteral("B01"), QStringLiteral("주류"), QStringLiteral("B"), 2, QStringLiteral("1"));
        Query q(*conn, QStringLiteral("SELECT DIVIDE_CODE, DIVIDE_TREE, ROWCNT FROM OX030MS_VIEW"));
        q.exec();
        QStringList codes, trees;
        int expectedRow = 0;
        while (q.next()) {
            codes.append(q.text(QStringLiteral("DIVIDE_CODE")));
            trees.append(q.text(QStringLiteral("DIVIDE_TREE")));
            QCOMPARE(q.text(QStringLiteral("ROWCNT")).toInt(), expectedRow++);
        }
        QCOMPARE(codes, QStringList({"A", "A01", "A0101", "A02", "B", "B01"}));
        QVERIFY(!trees[0].startsWith(QLatin1Char('\t')));
        QVERIFY(trees[1].startsWith(QLatin1Char('\t')) && !trees[1].startsWith(QStringLiteral("\t\t")));
        QVERIFY(trees[2].startsWith(QStringLiteral("\t\t")));
        QVERIFY(trees[2].contains(QStringLiteral("소고기")));
    }

    void secondCreationIsRefused()
    {
        QVERIFY(db::schemaExists(*conn));
        QVERIFY_THROWS_EXCEPTION(db::DbError, db::createSchema(*conn));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
