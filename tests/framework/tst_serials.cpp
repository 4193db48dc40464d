// Two workstations numbering new rows as maximum + 1 at the same moment:
// both rows are saved, with different numbers.

#include "db/Query.h"
#include "framework/Serials.h"
#include "support/OtherWorkstation.h"
#include "support/TestDb.h"

#include <QtTest>

namespace {

const char *const kNext = "SELECT COALESCE(MAX(APPR_NUM),0)+1 FROM OX070MS WHERE STRG_CODE = '101'";
const char *const kInsert = "INSERT INTO OX070MS (STRG_CODE, APPR_NUM, EMP_NO) VALUES ('101', :N, :E)";

void addApprover(db::Connection &conn, const QString &emp)
{
    InsertWithNextSerial(conn, [&] {
        const QString next = db::Query::scalar(conn, QString::fromLatin1(kNext));
        db::Query(conn, QString::fromLatin1(kInsert)).bind(QStringLiteral("N"), next).bind(QStringLiteral("E"), emp).exec();
    });
}

} // namespace

class TestSerials : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondWorkstationTakesTheNextNumber()
    {
        const QString alias = testdb::freshAlias();
        auto first = testdb::connect(alias);
        first->startTransaction();
        addApprover(*first, QStringLiteral("E1"));   // number 1, not committed yet

        // The second workstation reads the same maximum while the first has not committed.
        OtherWorkstation second(alias);
        second.start([](db::Connection &conn) { addApprover(conn, QStringLiteral("E2")); });
        QTest::qWait(300);   // it is now waiting on the first one's row or lock
        first->commit();
        QVERIFY(second.finish());
        QVERIFY2(second.error.isEmpty(), qPrintable(second.error));

        QCOMPARE(db::Query::scalar(*first, QStringLiteral("SELECT EMP_NO FROM OX070MS WHERE APPR_NUM = 1")), QStringLiteral("E1"));
        QCOMPARE(db::Query::scalar(*first, QStringLiteral("SELECT EMP_NO FROM OX070MS WHERE APPR_NUM = 2")), QStringLiteral("E2"));
    }

    void otherErrorsAreNotRetried()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        int attempts = 0;
        db::Transaction tx(*conn);
        QVERIFY_THROWS_EXCEPTION(db::DbError, InsertWithNextSerial(*conn, [&] {
            ++attempts;
            db::Query(*conn, QStringLiteral("INSERT INTO NO_SUCH_TABLE VALUES (1)")).exec();
        }));
        QCOMPARE(attempts, 1);
        // the transaction is still usable after the undone attempt
        db::Query(*conn, QString::fromLatin1(kInsert)).bind(QStringLiteral("N"), QStringLiteral("1")).bind(QStringLiteral("E"), QStringLiteral("E1")).exec();
        tx.commit();
        QCOMPARE(db::Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM OX070MS")), QStringLiteral("1"));
    }

    void givesUpAfterTheTries()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        db::Query(*conn, QString::fromLatin1(kInsert)).bind(QStringLiteral("N"), QStringLiteral("1")).bind(QStringLiteral("E"), QStringLiteral("E1")).exec();
        int attempts = 0;
        try {
            InsertWithNextSerial(*conn, [&] {
                ++attempts;
                db::Query(*conn, QString::fromLatin1(kInsert)).bind(QStringLiteral("N"), QStringLiteral("1")).bind(QStringLiteral("E"), QStringLiteral("E2")).exec();
            }, 3);
            QFAIL("no error");
        } catch (const db::DbError &e) {
            QVERIFY2(e.isKeyCollision(), qPrintable(e.message() + " / " + e.sqlState()));
        }
        QCOMPARE(attempts, 3);
    }
};

QTEST_GUILESS_MAIN(TestSerials)
#include "tst_serials.moc"
