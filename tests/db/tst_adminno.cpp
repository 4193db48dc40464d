// Document numbers: kind + month + five-digit serial, unique across
// workstations asking at the same moment.

#include "db/Connection.h"
#include "db/Query.h"
#include "support/TestDb.h"

#include <QProcess>
#include <QSet>
#include <QtTest>

namespace {

QString adminNo(db::Connection &conn, const QString &kind, const QString &month)
{
    return conn.callProcedure(QStringLiteral("PR_GETADMINNO"),
                              {{QStringLiteral("I_GUBUN"), kind}, {QStringLiteral("I_DATE"), month}})
        .value(QStringLiteral("O_NO"));
}

// A workstation: takes `count` numbers on its own connection and prints them.
int worker(const QString &alias, int count)
{
    auto conn = testdb::connect(alias);
    QTextStream out(stdout);
    for (int i = 0; i < count; ++i)
        out << adminNo(*conn, QStringLiteral("PU"), QStringLiteral("202612")) << '\n';
    return 0;
}

} // namespace

class TestAdminNo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numbersPerKindAndMonth()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        QCOMPARE(adminNo(*conn, QStringLiteral("PU"), QStringLiteral("202612")), QStringLiteral("PU20261200001"));
        QCOMPARE(adminNo(*conn, QStringLiteral("PU"), QStringLiteral("202612")), QStringLiteral("PU20261200002"));
        QCOMPARE(adminNo(*conn, QStringLiteral("OR"), QStringLiteral("202612")), QStringLiteral("OR20261200001"));
        QCOMPARE(adminNo(*conn, QStringLiteral("PU"), QStringLiteral("202701")), QStringLiteral("PU20270100001"));
        QCOMPARE(adminNo(*conn, QStringLiteral("PU"), QStringLiteral("202612")).size(), 13);
    }

    void takenInsideTheCallersTransaction()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        {
            db::Transaction tx(*conn);
            QCOMPARE(adminNo(*conn, QStringLiteral("IN"), QStringLiteral("202612")), QStringLiteral("IN20261200001"));
        }   // rolled back: the number was never used and is given again
        QCOMPARE(adminNo(*conn, QStringLiteral("IN"), QStringLiteral("202612")), QStringLiteral("IN20261200001"));
    }

    // The last serial of a month is 99999; after it every request answers
    // "ERR…" (the serial column holds five digits) and other months go on.
    void exhaustedMonthAnswersAnError()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        QCOMPARE(adminNo(*conn, QStringLiteral("PU"), QStringLiteral("202612")), QStringLiteral("PU20261200001"));
        db::Query(*conn, QStringLiteral("UPDATE OZ090MS SET LAST_SERIAL = 99998 WHERE ADMIN_GUBUN = 'PU'")).exec();
        QCOMPARE(adminNo(*conn, QStringLiteral("PU"), QStringLiteral("202612")), QStringLiteral("PU20261299999"));
        for (int i = 0; i < 2; ++i) {
            const QString no = adminNo(*conn, QStringLiteral("PU"), QStringLiteral("202612"));
            QVERIFY2(no.startsWith(QLatin1String("ERR")), qPrintable(no));
        }
        QCOMPARE(db::Query::scalar(*conn, QStringLiteral("SELECT LAST_SERIAL FROM OZ090MS WHERE ADMIN_GUBUN = 'PU'")),
                 QStringLiteral("99999"));
        QCOMPARE(adminNo(*conn, QStringLiteral("PU"), QStringLiteral("202701")), QStringLiteral("PU20270100001"));
    }

    void badRequestsAnswerAnError_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("month");
        QTest::newRow("month with a day") << QStringLiteral("PU") << QStringLiteral("2026-12");
        QTest::newRow("month 13") << QStringLiteral("PU") << QStringLiteral("202613");
        QTest::newRow("kind of one letter") << QStringLiteral("P") << QStringLiteral("202612");
    }
    void badRequestsAnswerAnError()
    {
        QFETCH(QString, kind);
        QFETCH(QString, month);
        auto conn = testdb::connect(testdb::freshAlias());
        QVERIFY(adminNo(*conn, kind, month).startsWith(QLatin1String("ERR")));
        QVERIFY_THROWS_EXCEPTION(db::DbError, conn->callProcedure(QStringLiteral("PR_GETADMINNO"), {{QStringLiteral("I_GUBUN"), kind}}));
        QVERIFY_THROWS_EXCEPTION(db::DbError, conn->callProcedure(QStringLiteral("PR_NO_SUCH"), {}));
    }

    void uniqueAcrossConcurrentWorkstations()
    {
        const QString alias = testdb::freshAlias();
        constexpr int workers = 6, each = 40;
        QList<QProcess *> processes;
        for (int i = 0; i < workers; ++i) {
            auto *p = new QProcess(this);
            p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--worker"), alias, QString::number(each)});
            processes.append(p);
        }
        QSet<QString> numbers;
        for (QProcess *p : processes) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitCode(), 0);
            for (const QByteArray &line : p->readAllStandardOutput().split('\n')) {
                if (!line.isEmpty())
                    numbers.insert(QString::fromLatin1(line));
            }
        }
        QCOMPARE(numbers.size(), workers * each);
        QVERIFY(numbers.contains(QStringLiteral("PU20261200001")));
        QVERIFY(numbers.contains(QStringLiteral("PU20261200%1").arg(workers * each)));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--worker") == 0)
        return worker(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    TestAdminNo test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_adminno.moc"
