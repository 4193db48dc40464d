#pragma once
// Stock to issue from and the checks the issue screens' tests share.

#include "db/Query.h"
#include "stock/StockFixtures.h"
#include "stock/StockInvariants.h"
#include "support/Session.h"

#include <QtTest>

namespace issuefx {

inline QString today(TestSession &s) { return s.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")); }

// The stock a test starts from: one confirmed receipt into `strg` on
// `date`, posted (one call per test: the receipt's key is fixed).
inline void receive(TestSession &s, const QString &strg, const QList<stockfx::Line> &lines, const QString &date)
{
    const QString no = QStringLiteral("IN20260100001");
    stockfx::Documents(s.conn()).receipt(no, strg, lines, date);
    QCOMPARE(stockfx::post(s.conn(), QStringLiteral("PR_O_DATE_STOCK_PUT_UPDATE"), QStringLiteral("I_PUT_NO"), no,
                           QStringLiteral("INS")), QStringLiteral("Y"));
}

// The stock of the item in the warehouse in the date's month.
inline double stock(TestSession &s, const QString &strg, const QString &item, const QString &date)
{
    return s.scalar(QStringLiteral("SELECT COALESCE(MAX(STOC_QTY),0) FROM OZ010MS WHERE STRG_CODE = :S AND ITEM_CODE = :I "
                                   "AND STOC_YYMM = :M"),
                    {{QStringLiteral("S"), strg}, {QStringLiteral("I"), item}, {QStringLiteral("M"), QString(date).remove(u'-').left(6)}})
        .toDouble();
}

// Every row of a statement, columns joined by ':' and rows by ','.
inline QString rows(db::Connection &conn, const QString &sql, const QList<QPair<QString, QString>> &params = {})
{
    db::Query q(conn, sql);
    for (const auto &p : params)
        q.bind(p.first, p.second);
    q.exec();
    QStringList out;
    while (q.next()) {
        QStringList cols;
        for (int c = 0; c < q.columns().size(); ++c)
            cols << q.text(c);
        out << cols.join(u':');
    }
    return out.join(u',');
}

#define VERIFY_STOCK_INVARIANTS(session)                                                   \
    do {                                                                                   \
        const QStringList broken = stockfx::checkInvariants((session).conn());             \
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));                        \
    } while (false)

} // namespace issuefx
