// Eight workstations posting and reversing documents of the same items and
// warehouses at the same time, each on its own connection: every call
// succeeds, and once every document is posted the stock agrees with them.

#include "support/StockFixtures.h"
#include "support/StockInvariants.h"
#include "support/TestDb.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

using namespace stockfx;

namespace {

struct Doc {
    const char *procedure;
    const char *input;
    QString number;
};

QList<Doc> createDocuments(db::Connection &conn)
{
    Documents docs(conn);
    QList<Doc> out;
    const QStringList stores = {"101", "102"};
    const QStringList items = {"A0000001", "A0000002"};
    for (int i = 0; i < 24; ++i) {
        const QString date = QDate(2026, 1 + i % 4, 1 + i % 27).toString(Qt::ISODate);
        const QString strg = stores.at(i % 2), other = stores.at((i + 1) % 2);
        const QList<Line> lines = {{items.at(i % 2), double(1 + i)}, {items.at((i + 1) % 2), 2.5}};
        const QString serial = QStringLiteral("%1").arg(i + 1, 5, 10, QLatin1Char('0'));
        switch (i % 4) {
        case 0:
            docs.receipt("IN202600" + serial, strg, lines, date);
            out.append({"PR_O_DATE_STOCK_PUT_UPDATE", "I_PUT_NO", "IN202600" + serial});
            break;
        case 1:
            docs.issue("DE202600" + serial, "1", date, strg, lines, date);
            out.append({"PR_O_DATE_STOCK_DELI_UPDATE", "I_DELI_NO", "DE202600" + serial});
            break;
        case 2:
            docs.transfer("MO202600" + serial, "1", date, strg, other, lines, date);
            out.append({"PR_O_DATE_STOCK_MOVE_UPDATE", "I_MOVE_NO", "MO202600" + serial});
            break;
        default:
            docs.issue("DE202699" + serial, "2", date, other, lines, date);
            docs.transfer("MO202600" + serial, "2", date, strg, other, lines, date, "DE202699" + serial);
            out.append({"PR_O_DATE_STOCK_MOVE_UPDATE", "I_MOVE_NO", "MO202600" + serial});
        }
    }
    return out;
}

} // namespace

class TestStockConcurrency : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eightWorkstations()
    {
        const QString alias = testdb::freshAlias();
        auto conn = testdb::connect(alias);
        const QList<Doc> docs = createDocuments(*conn);

        QMutex mutex;
        QStringList failures;
        int calls = 0;
        QList<QThread *> workstations;
        for (int w = 0; w < 8; ++w) {
            workstations.append(QThread::create([&, w] {
                QRandomGenerator rand(1000 + w);
                try {
                    auto own = testdb::connect(alias);
                    QElapsedTimer timer;
                    timer.start();
                    int done = 0;
                    for (; done < 60 && timer.elapsed() < 8000; ++done) {
                        const Doc &d = docs.at(int(rand.bounded(docs.size())));
                        const char *flag = rand.bounded(2) ? "INS" : "DEL";
                        // Some calls inside a transaction of the caller, as a screen's save does.
                        const bool inSave = rand.bounded(3) == 0;
                        if (inSave)
                            own->startTransaction();
                        const QString answer = post(*own, d.procedure, d.input, d.number, flag);
                        if (inSave)
                            own->commit();
                        if (answer != QLatin1String("Y")) {
                            QMutexLocker lock(&mutex);
                            failures << d.number + ": " + answer;
                        }
                    }
                    QMutexLocker lock(&mutex);
                    calls += done;
                } catch (const std::exception &e) {
                    QMutexLocker lock(&mutex);
                    failures << QString::fromUtf8(e.what());
                }
            }));
        }
        for (QThread *t : workstations)
            t->start();
        for (QThread *t : workstations) {
            QVERIFY(t->wait(120000));
            delete t;
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 5).join('\n')));
        QVERIFY(calls > 8);

        for (const Doc &d : docs)
            QCOMPARE(post(*conn, d.procedure, d.input, d.number, "INS"), QStringLiteral("Y"));
        const QStringList broken = checkInvariants(*conn);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.mid(0, 10).join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestStockConcurrency)
#include "tst_stock_concurrency.moc"
