#include "db/CsvTable.h"

#include <QtTest>

class TestCsv : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parses()
    {
        const auto records = db::parseCsv(QStringLiteral(
            "A,B,C\r\n"
            "1,\"x, y\",\n"
            "2,\"two\nlines\",\"say \"\"hi\"\"\"\n"
            "\n"
            "3,,z"));
        QCOMPARE(records.size(), 4);
        QCOMPARE(records[1].fields, QStringList({QStringLiteral("1"), QStringLiteral("x, y"), QString()}));
        QCOMPARE(records[2].fields, QStringList({QStringLiteral("2"), QStringLiteral("two\nlines"), QStringLiteral("say \"hi\"")}));
        QCOMPARE(records[3].line, 6);   // the quoted line break counts, the blank line is skipped
        QCOMPARE(records[3].fields, QStringList({QStringLiteral("3"), QString(), QStringLiteral("z")}));
    }
    void unterminatedQuoteNamesItsLine()
    {
        try {
            db::parseCsv(QStringLiteral("A,B\n1,2\n3,\"open\n"));
            QFAIL("no error");
        } catch (const db::DbError &e) {
            QVERIFY2(e.message().contains(QLatin1String("line 3")), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
