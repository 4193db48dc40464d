// Seeded random sequences of what the screens do with stock documents
// (save, edit, confirm, cancel, delete, count, opening stock), each followed
// by the procedure calls of its screen. The stock must agree with the
// documents all along, and rebuilding every month from the documents alone
// must give the same stock that the postings left.

#include "support/StockFixtures.h"
#include "support/StockInvariants.h"
#include "db/Query.h"
#include "support/TestDb.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace stockfx;

namespace {

const QStringList kStores = {"101", "102", "103"};
const QStringList kItems = {"A0000001", "A0000002", "B0000001"};

class Workload {
public:
    Workload(db::Connection &conn, quint32 seed) : m_conn(conn), m_docs(conn), m_rand(seed) {}

    // One screen action; the answer of every procedure call must be 'Y'.
    void step()
    {
        switch (m_rand.bounded(9)) {
        case 0: receipt(); break;
        case 1: issue(); break;
        case 2: transfer(); break;
        case 3: supplierReturn(); break;
        case 4: count(); break;
        case 5: opening(); break;
        case 6: toggleReceipt(); break;
        case 7: toggleIssue(); break;
        default: toggleTransfer(); break;
        }
    }

    QString failure;   // the first answer other than 'Y'

private:
    QString pick(const QStringList &l) { return l.at(int(m_rand.bounded(l.size()))); }
    QString date()
    {
        const QDate d(2026, 1 + int(m_rand.bounded(6)), 1);
        return (m_rand.bounded(5) == 0 ? d.addDays(d.daysInMonth() - 1) : d.addDays(int(m_rand.bounded(28)))).toString(Qt::ISODate);
    }
    QList<Line> lines(double sign = 1)
    {
        QList<Line> out;
        const int n = 1 + int(m_rand.bounded(3));
        for (int i = 0; i < n; ++i)
            out.append({pick(kItems), sign * (1 + int(m_rand.bounded(40))) / (m_rand.bounded(4) == 0 ? 4.0 : 1.0)});
        return out;
    }
    QString number(const char *kind) { return QStringLiteral("%1202600%2").arg(QLatin1String(kind)).arg(++m_serial, 5, 10, QLatin1Char('0')); }
    void expectY(const QString &answer, const QString &what)
    {
        if (answer != QLatin1String("Y") && failure.isEmpty())
            failure = what + QStringLiteral(": ") + answer;
    }
    void putUpdate(const QString &no, const char *flag)
    {
        expectY(post(m_conn, "PR_O_DATE_STOCK_PUT_UPDATE", "I_PUT_NO", no, flag), no);
    }
    void deliUpdate(const QString &no, const QString &kind, const char *flag)
    {
        expectY(post(m_conn, kind == "3" ? "PR_O_STOCK_DELI_UPDATE" : "PR_O_DATE_STOCK_DELI_UPDATE", "I_DELI_NO", no, flag), no);
    }
    void moveUpdate(const QString &no, const char *flag)
    {
        expectY(post(m_conn, "PR_O_DATE_STOCK_MOVE_UPDATE", "I_MOVE_NO", no, flag), no);
    }

    void receipt()
    {
        const QString no = number("IN");
        const bool confirmed = m_rand.bounded(3) != 0;
        m_docs.receipt(no, pick(kStores), lines(), confirmed ? date() : QString());
        m_receipts.append({no, confirmed});
        if (confirmed)
            putUpdate(no, "INS");
    }
    void toggleReceipt()
    {
        if (m_receipts.isEmpty())
            return receipt();
        auto &[no, confirmed] = m_receipts[int(m_rand.bounded(m_receipts.size()))];
        if (confirmed) {
            putUpdate(no, "DEL");
            m_docs.setReceiptDate(no, {});
        } else {
            m_docs.setReceiptDate(no, date());
            putUpdate(no, "INS");
        }
        confirmed = !confirmed;
    }

    // Normal issues, returns of issued goods, disposals and losses.
    void issue()
    {
        const QString kind = pick({"1", "1", "3", "4", "5"});
        const QString no = number("DE");
        const QString d = date();
        m_docs.issue(no, kind, d, pick(kStores), lines(kind == "3" ? -1 : 1), kind == "1" ? d : QString());
        m_issues.append({no, kind});
        deliUpdate(no, kind, "INS");
    }
    void toggleIssue()
    {
        if (m_issues.isEmpty())
            return issue();
        const int at = int(m_rand.bounded(m_issues.size()));
        const auto [no, kind] = m_issues.at(at);
        const QString state = db::Query::scalar(m_conn, "SELECT COALESCE(APPR_GUBUN,'') FROM OD010MS WHERE DELI_NO = :NO", {{"NO", no}});
        switch (m_rand.bounded(3)) {
        case 0:   // edited and saved again: posted anew (a normal issue is confirmed by its save)
            if (kind != "1")
                deliUpdate(no, kind, "DEL");
            m_docs.setIssueLines(no, lines(kind == "3" ? -1 : 1));
            if (kind == "1")
                m_docs.setIssueApproval(no, "2", db::Query::scalar(m_conn, "SELECT DELI_DATE FROM OD010MS WHERE DELI_NO = :NO", {{"NO", no}}));
            deliUpdate(no, kind, "INS");
            break;
        case 1:   // deleted: a normal issue only once its confirmation is cancelled
            if (kind == "1" && state == "2")
                return;
            deliUpdate(no, kind, "DEL");
            m_docs.deleteIssue(no);
            m_issues.removeAt(at);
            break;
        default:   // a normal issue confirmed on another day, or its confirmation cancelled
            if (kind != "1")
                return;
            if (state == "2") {
                m_docs.setIssueApproval(no, "1", db::Query::scalar(m_conn, "SELECT APPR_DATE FROM OD010MS WHERE DELI_NO = :NO", {{"NO", no}}));
                deliUpdate(no, kind, "DEL");
            } else {
                m_docs.setIssueApproval(no, "2", date());
                deliUpdate(no, kind, "INS");
            }
        }
    }

    void transfer()
    {
        const QString no = number("MO");
        const QString d = date();
        const QString from = pick(kStores), to = pick(kStores);
        const QList<Line> l = lines();
        if (m_rand.bounded(2) == 0) {
            m_docs.transfer(no, "1", d, from, to, l, d);
        } else {
            const QString deliNo = number("DE");
            m_docs.issue(deliNo, "2", d, to, l, d);
            m_docs.transfer(no, "2", d, from, to, l, d, deliNo);
        }
        m_transfers.append({no, true});
        moveUpdate(no, "INS");
    }
    void toggleTransfer()
    {
        if (m_transfers.isEmpty())
            return transfer();
        auto &[no, confirmed] = m_transfers[int(m_rand.bounded(m_transfers.size()))];
        const QString entered = date();
        const QString deliNo = db::Query::scalar(m_conn, "SELECT DELI_NO FROM OD020MS WHERE MOVE_NO = :NO", {{"NO", no}});
        // The issue leg gets the entered date both ways; the transfer keeps its
        // date when cancelled.
        if (!deliNo.isEmpty())
            m_docs.setIssueApproval(deliNo, confirmed ? "1" : "2", entered);
        if (confirmed) {
            exec(m_conn, "UPDATE OD020MS SET APPR_GUBUN = '1' WHERE MOVE_NO = :NO", {{"NO", no}});
            moveUpdate(no, "DEL");
        } else {
            m_docs.setTransferApproval(no, "2", entered);
            moveUpdate(no, "INS");
        }
        confirmed = !confirmed;
    }

    QString retu(const std::pair<QString, int> &key, const char *flag)
    {
        return call(m_conn, "PR_O_DATE_STOCK_RETU_UPDATE", {{"I_RETU_DATE", key.first}, {"I_C_CODE", "C1"},
                                                             {"I_RETU_NUM", QString::number(key.second)}, {"I_FLAG", flag}});
    }
    void supplierReturn()
    {
        if (!m_returns.isEmpty() && m_rand.bounded(2) == 0) {
            const int at = int(m_rand.bounded(m_returns.size()));
            const auto key = m_returns.at(at);
            if (m_rand.bounded(2) == 0) {   // the warehouse changed before the reversal
                exec(m_conn, "UPDATE OD030MS SET STRG_CODE = :S WHERE RETU_DATE = :D AND C_CODE = 'C1' AND RETU_NUM = :N",
                     {{"S", pick(kStores)}, {"D", key.first}, {"N", QString::number(key.second)}});
                expectY(retu(key, "DEL"), "return");
                expectY(retu(key, "INS"), "return");
            } else {
                expectY(retu(key, "DEL"), "return");
                m_docs.deleteReturn(key.first, "C1", key.second);
                m_returns.removeAt(at);
            }
            return;
        }
        const std::pair<QString, int> key{date(), ++m_serial % 90 + 1};
        if (m_returns.contains(key))
            return;
        m_docs.supplierReturn(key.first, "C1", key.second, pick(kStores), lines(), pick({"1", "2"}));
        m_returns.append(key);
        expectY(retu(key, "INS"), "return");
    }

    QString sil(const QString &d, const QString &strg, const char *flag, bool isCount)
    {
        db::ProcInputs in = {{"I_SILS_DATE", d}, {"I_STRG_CODE", strg}, {"I_FLAG", flag}};
        if (isCount)
            in.append({"I_DIVE_CODE", pick({"", "A", "B"})});
        return call(m_conn, "PR_O_DATE_STOCK_SIL_UPDATE", in);
    }
    void count()
    {
        const QString d = date(), strg = pick(kStores);
        if (m_rand.bounded(3) == 0) {   // a count deleted: reversed first, then its lines go
            expectY(sil(d, strg, "DEL", true), "count");
            m_docs.deleteSilLines(d, strg, "2");
            return;
        }
        m_docs.deleteSilLines(d, strg, "2");
        QList<SilLine> l;
        for (const QString &item : kItems) {
            if (m_rand.bounded(2) == 0)
                l.append({item, 5, double(int(m_rand.bounded(11)) - 5), 5});
        }
        m_docs.silLines(d, strg, "2", l);
        expectY(sil(d, strg, "INS", true), "count");
    }
    void opening()
    {
        // Saved over an existing list without reversing it first, as a new list is saved.
        const QString d = QDate(2026, 1 + int(m_rand.bounded(6)), 1).toString(Qt::ISODate), strg = pick(kStores);
        m_docs.deleteSilLines(d, strg, "1");
        const double qty = 1 + int(m_rand.bounded(20));
        m_docs.silLines(d, strg, "1", {{pick(kItems), qty, 3, qty * 3}});
        expectY(sil(d, strg, "INS", false), "opening");
    }

    db::Connection &m_conn;
    Documents m_docs;
    QRandomGenerator m_rand;
    int m_serial = 0;
    QList<std::pair<QString, bool>> m_receipts, m_transfers;
    QList<std::pair<QString, QString>> m_issues;
    QList<std::pair<QString, int>> m_returns;
};

QStringList months(db::Connection &conn)
{
    QStringList out;
    QString m = db::Query::scalar(conn, "SELECT MIN(STOC_YYMM) FROM OZ010MS");
    const QString last = db::Query::scalar(conn, "SELECT MAX(STOC_YYMM) FROM OZ010MS");
    for (; !m.isEmpty() && m <= last; m = QDate::fromString(m + "01", "yyyyMMdd").addMonths(1).toString("yyyyMM"))
        out << m;
    return out;
}

QString reset(db::Connection &conn, const QString &month)
{
    return call(conn, "PR_O_OZ010MS_RESET", {{"I_DATE", month}});
}

QString journalState(db::Connection &conn)
{
    QStringList out;
    db::Query q(conn, "SELECT SRC_KIND, SRC_KEY, STOC_YYMM, STRG_CODE, ITEM_CODE, COL, POST_DATE, QTY, AMT, U_DATE "
                      "FROM OZ_POSTING_JOURNAL ORDER BY SRC_KIND, SRC_KEY, STOC_YYMM, STRG_CODE, ITEM_CODE, COL");
    q.exec();
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < q.columns().size(); ++i)
            row << q.text(i);
        out << row.join(';');
    }
    return out.join('\n');
}

} // namespace

class TestStockRandom : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sequences_data()
    {
        QTest::addColumn<quint32>("seed");
        for (const quint32 seed : {11u, 2026u, 90210u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void sequences()
    {
        QFETCH(quint32, seed);
        auto conn = testdb::connect(testdb::freshAlias());
        // Closed days with costs, so carried stock brings amounts.
        for (const auto &[d, item, cost] : std::initializer_list<std::tuple<const char *, const char *, const char *>>{
                 {"2026-01-31", "A0000001", "120"}, {"2026-03-15", "A0000001", "130.5"}, {"2026-02-10", "B0000001", "7"}})
            exec(*conn, "INSERT INTO OZ050MS (STOCK_DATE, ITEM_CODE, STOCK_QTY, STOCK_COST, STOCK_AMT) VALUES (:D, :I, 0, :C, 0)",
                 {{"D", d}, {"I", item}, {"C", cost}});

        Workload work(*conn, seed);
        for (int i = 1; i <= 150; ++i) {
            work.step();
            QVERIFY2(work.failure.isEmpty(), qPrintable(work.failure));
            if (i % 30 == 0) {
                const QStringList broken = checkInvariants(*conn);
                QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("after step %1:\n").arg(i) + broken.mid(0, 10).join('\n')));
            }
        }

        // Rebuilding months that agree with their documents changes no figure
        // and no journal entry; it only adds the carried rows of months nothing
        // moved in.
        const QStringList span = months(*conn);
        const QString journal = journalState(*conn);
        const StockView view = stockView(*conn, span.last());
        for (const QString &m : span)
            QCOMPARE(reset(*conn, m), QStringLiteral("Y"));
        QCOMPARE(journalState(*conn), journal);
        const QStringList unchanged = differences(view, stockView(*conn, span.last()));
        QVERIFY2(unchanged.isEmpty(), qPrintable(unchanged.mid(0, 10).join('\n')));

        // From the documents alone, month by month, the same stock comes back.
        exec(*conn, "DELETE FROM OZ010MS");
        exec(*conn, "DELETE FROM OZ_POSTING_JOURNAL");
        for (const QString &m : span)
            QCOMPARE(reset(*conn, m), QStringLiteral("Y"));
        const QStringList diff = differences(view, stockView(*conn, span.last()));
        QVERIFY2(diff.isEmpty(), qPrintable(diff.mid(0, 10).join('\n')));
        const QStringList broken = checkInvariants(*conn);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.mid(0, 10).join('\n')));
    }

    // A rebuild mends a month that drifted from its documents (a document
    // changed without being posted again, a row changed by hand) and carries
    // the correction into the later months.
    void rebuildMendsDrift()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        Documents docs(*conn);
        docs.receipt("IN20260100001", "101", {{"A0000001", 10}}, "2026-01-05");
        docs.receipt("IN20260300001", "101", {{"A0000001", 5}}, "2026-03-05");
        for (const char *no : {"IN20260100001", "IN20260300001"})
            QCOMPARE(post(*conn, "PR_O_DATE_STOCK_PUT_UPDATE", "I_PUT_NO", no, "INS"), QStringLiteral("Y"));
        docs.issue("DE20260100001", "3", "2026-01-20", "101", {{"A0000001", -2}});   // saved, never posted
        exec(*conn, "UPDATE OC010DT SET PUT_QTY = 12 WHERE INSP_NO = 'IN20260100001'");
        exec(*conn, "UPDATE OZ010MS SET STOC_QTY = 99 WHERE STOC_YYMM = '202602'");
        QVERIFY(!checkInvariants(*conn).isEmpty());

        QCOMPARE(reset(*conn, "202601"), QStringLiteral("Y"));
        QCOMPARE(reset(*conn, "202602"), QStringLiteral("Y"));
        const QStringList broken = checkInvariants(*conn);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join('\n')));
        QCOMPARE(db::Query::scalar(*conn, "SELECT STOC_QTY FROM OZ010MS WHERE STOC_YYMM = '202603'"), QStringLiteral("19"));
        // The month roll: a month nothing moved in gets its carried row.
        QCOMPARE(reset(*conn, "202605"), QStringLiteral("Y"));
        QCOMPARE(db::Query::scalar(*conn, "SELECT OVER_QTY FROM OZ010MS WHERE STOC_YYMM = '202605'"), QStringLiteral("19"));
        QCOMPARE(db::Query::scalar(*conn, "SELECT STOC_QTY FROM OZ010MS WHERE STOC_YYMM = '202604'"), QStringLiteral("19"));
        QCOMPARE(reset(*conn, "2026-05"), QStringLiteral("[PR_O_OZ010MS_RESET] 년월 오류 (2026-05)"));
    }
};

QTEST_GUILESS_MAIN(TestStockRandom)
#include "tst_stock_random.moc"
