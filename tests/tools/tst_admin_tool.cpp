// purchasing-db as an administrator uses it.

#include "db/Query.h"
#include "support/TestDb.h"

#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    int code;
    QString out;
    QString err;
};

Run admin(const QStringList &arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PGUSER"), testdb::user());
    env.insert(QStringLiteral("PGPASSWORD"), testdb::password());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PURCHASING_BIN_DIR "/purchasing-db"), arguments);
    p.waitForFinished(300000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString writeFile(const QString &name, const QByteArray &content)
{
    const QString path = testdb::scratchDir() + QLatin1Char('/') + name;
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

} // namespace

class TestAdminTool : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initCreatesTheSchemaOnceAndDemoLoads()
    {
        const QString alias = testdb::emptyAlias();
        Run r = admin({QStringLiteral("init"), alias});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        r = admin({QStringLiteral("init"), alias});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QLatin1String("already exists")), qPrintable(r.err));
        r = admin({QStringLiteral("demo"), alias, QStringLiteral("--months"), QStringLiteral("0")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        auto conn = testdb::connect(alias);
        QVERIFY(db::Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM OX010MS")).toInt() >= 300);
        QCOMPARE(db::Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM ZA050MS WHERE PROJECT_ID = 'PURCHASING'")).toInt() >= 70, true);
    }

    void clearErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing SQLite file") << QStringList({"export", "/nonexistent/x.db", "QA010MS", "/tmp/x.csv"}) << "not found";
        QTest::newRow("unknown service") << QStringList({"export", "no_such_service", "QA010MS", "/tmp/x.csv"}) << "no_such_service";
        QTest::newRow("not a reference table") << QStringList({"export", "@ALIAS", "OX010MS", "/tmp/x.csv"}) << "not a reference table";
        QTest::newRow("usage") << QStringList({"frobnicate"}) << "usage";
        QTest::newRow("scale out of range") << QStringList({"demo", "@ALIAS", "--scale", "5"}) << "usage";
        QTest::newRow("months not a number") << QStringList({"demo", "@ALIAS", "--months", "x"}) << "usage";
    }
    void clearErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        arguments.replaceInStrings(QStringLiteral("@ALIAS"), testdb::freshAlias());
        const Run r = admin(arguments);
        QVERIFY(r.code != 0);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }

    void importIsAllOrNothing()
    {
        const QString alias = testdb::freshAlias(true);
        auto conn = testdb::connect(alias);
        const QString before = db::Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM QA010MS"));
        const QString bad = writeFile(QStringLiteral("bad.csv"),
                                      "EMP_NO,EMP_K_NAME,EMP_STAY_CODE\nX0000001,홍길동,1\nX0000002,\"unclosed,1\n");
        Run r = admin({QStringLiteral("import"), alias, QStringLiteral("QA010MS"), bad});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QLatin1String("bad.csv:3")), qPrintable(r.err));
        const QString wrongCount = writeFile(QStringLiteral("count.csv"), "EMP_NO,EMP_K_NAME\nX0000001,홍길동\nX0000002\n");
        r = admin({QStringLiteral("import"), alias, QStringLiteral("QA010MS"), wrongCount});
        QVERIFY2(r.err.contains(QLatin1String("count.csv:3")), qPrintable(r.err));
        QCOMPARE(db::Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM QA010MS")), before);

        const QString exported = testdb::scratchDir() + QStringLiteral("/employees.csv");
        r = admin({QStringLiteral("export"), alias, QStringLiteral("QA010MS"), exported});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QString good = writeFile(QStringLiteral("good.csv"), "EMP_NO,EMP_K_NAME,EMP_STAY_CODE\nX0000001,\"홍, 길동\",1\n");
        r = admin({QStringLiteral("import"), alias, QStringLiteral("qa010ms"), good});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(db::Query::scalar(*conn, QStringLiteral("SELECT EMP_K_NAME FROM QA010MS")), QStringLiteral("홍, 길동"));
        r = admin({QStringLiteral("import"), alias, QStringLiteral("QA010MS"), exported});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(db::Query::scalar(*conn, QStringLiteral("SELECT COUNT(*) FROM QA010MS")), before);
    }
};

QTEST_GUILESS_MAIN(TestAdminTool)
#include "tst_admin_tool.moc"
