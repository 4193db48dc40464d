#pragma once
// Requests, stock and receiving prices written straight into the database,
// for the tests of the request screens.

#include "db/Query.h"

#include <QStringList>

namespace fixtures {

inline void exec(db::Connection &conn, const QString &sql, const QList<QPair<QString, QString>> &params = {})
{
    db::Query q(conn, sql);
    for (const auto &p : params)
        q.bind(p.first, p.second);
    q.exec();
}

// A request of warehouse 110 with one line per item (quantity 2, price 1000),
// numbered from `firstSeq` on in steps of two so that a rewrite shows.
inline void request(db::Connection &conn, const QString &date, int num, const QString &no, const QString &appr,
                    const QStringList &items, int firstSeq = 1)
{
    exec(conn,
         QStringLiteral("INSERT INTO OA010MS (PURC_DATE, STRG_CODE, PURC_NUM, PURC_NO, APPR_GUBUN, DEPT_CODE, CHAR_NAME) "
                        "VALUES (:D, '110', :N, :NO, :A, '1300', '담당자')"),
         {{QStringLiteral("D"), date}, {QStringLiteral("N"), QString::number(num)}, {QStringLiteral("NO"), no},
          {QStringLiteral("A"), appr}});
    int seq = firstSeq;
    for (const QString &item : items) {
        exec(conn,
             QStringLiteral("INSERT INTO OA010DT (PURC_DATE, STRG_CODE, PURC_NUM, PURC_SEQ, PURC_NO, ITEM_CODE, QTY, "
                            "NEED_QTY, ESTI_AMT, COST_AMT, ORDER_SET_YN, EMER_CHK) "
                            "VALUES (:D, '110', :N, :S, :NO, :I, 2, 2, 1000, 1000, 'N', 'N')"),
             {{QStringLiteral("D"), date}, {QStringLiteral("N"), QString::number(num)},
              {QStringLiteral("S"), QString::number(seq)}, {QStringLiteral("NO"), no}, {QStringLiteral("I"), item}});
        seq += 2;
    }
}

// One inspection line of the item from supplier 100002.
inline void inspection(db::Connection &conn, const QString &date, int num, const QString &item, double cost)
{
    exec(conn,
         QStringLiteral("INSERT INTO OC010DT (INSP_DATE, C_CODE, INSP_NUM, INSP_SEQ, INSP_NO, ITEM_CODE, COST_AMT) "
                        "VALUES (:D, '100002', :N, 1, :NO, :I, :C)"),
         {{QStringLiteral("D"), date}, {QStringLiteral("N"), QString::number(num)},
          {QStringLiteral("NO"), QStringLiteral("IN%1%2").arg(QString(date).remove(u'-').left(6)).arg(num, 5, 10, QLatin1Char('0'))},
          {QStringLiteral("I"), item}, {QStringLiteral("C"), QString::number(cost)}});
}

inline void stock(db::Connection &conn, const QString &month, const QString &item, double qty)
{
    exec(conn,
         QStringLiteral("INSERT INTO OZ010MS (STOC_YYMM, STRG_CODE, ITEM_CODE, STOC_QTY) VALUES (:M, '110', :I, :Q)"),
         {{QStringLiteral("M"), month}, {QStringLiteral("I"), item}, {QStringLiteral("Q"), QString::number(qty)}});
}

} // namespace fixtures
