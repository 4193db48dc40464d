// Document numbers per second from PR_GETADMINNO with 1 and 8 concurrent
// clients (separate processes, each with its own connection, as
// workstations are).
//   bench_adminno ALIAS [SECONDS]
// ALIAS must already hold the schema (purchasing-db init ALIAS).

#include "db/Connection.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>

namespace {

int worker(const QString &alias, int milliseconds)
{
    db::Connection conn;
    conn.open({alias, qEnvironmentVariable("PGUSER", QStringLiteral("VMUSER")),
               qEnvironmentVariable("PGPASSWORD", QStringLiteral("vmuser"))});
    const QString month = QDate::currentDate().toString(QStringLiteral("yyyyMM"));
    QElapsedTimer timer;
    timer.start();
    int count = 0;
    while (timer.elapsed() < milliseconds) {
        conn.callProcedure(QStringLiteral("PR_GETADMINNO"), {{QStringLiteral("I_GUBUN"), QStringLiteral("BM")},
                                                             {QStringLiteral("I_DATE"), month}});
        ++count;
    }
    std::printf("%d\n", count);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args.at(1) == QLatin1String("--worker"))
        return worker(args.at(2), args.at(3).toInt());
    if (args.size() < 2) {
        std::fputs("usage: bench_adminno ALIAS [SECONDS]\n", stderr);
        return 2;
    }
    const QString alias = args.at(1);
    const int ms = args.value(2, QStringLiteral("3")).toInt() * 1000;
    for (const int clients : {1, 8}) {
        QList<QProcess *> workers;
        for (int i = 0; i < clients; ++i) {
            auto *p = new QProcess(&app);
            p->start(app.applicationFilePath(), {QStringLiteral("--worker"), alias, QString::number(ms)});
            workers.append(p);
        }
        long total = 0;
        for (QProcess *p : workers) {
            p->waitForFinished(ms + 60000);
            total += p->readAllStandardOutput().trimmed().toLong();
        }
        std::printf("%s  clients=%d  numbers=%ld  per_second=%.0f\n",
                    db::Connection::engineOfAlias(alias) == db::Engine::SQLite ? "sqlite" : "postgresql", clients,
                    total, total * 1000.0 / ms);
    }
    return 0;
}
