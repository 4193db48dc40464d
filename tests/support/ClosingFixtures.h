#pragma once
// Small hand-made fixtures of the closing tests, written straight into the
// tables as the posting procedures and the document screens leave them.

#include "db/Connection.h"
#include "db/Query.h"

#include <QStringList>

namespace fixtures {

using Params = QList<QPair<QString, QString>>;

inline void exec(db::Connection &conn, const QString &sql, const Params &params = {})
{
    db::Query q(conn, sql);
    for (const auto &p : params)
        q.bind(p.first, p.second);
    q.exec();
}

inline QString scalar(db::Connection &conn, const QString &sql, const Params &params = {})
{
    return db::Query::scalar(conn, sql, params);
}

inline double number(db::Connection &conn, const QString &sql, const Params &params = {})
{
    return scalar(conn, sql, params).toDouble();
}

inline QString call(db::Connection &conn, const QString &procedure, const db::ProcInputs &inputs)
{
    return conn.callProcedure(procedure, inputs).value(QStringLiteral("O_CHK"));
}

inline void stockRow(db::Connection &conn, const QString &yymm, const QString &strg, const QString &item,
                     double overQty, double overAmt, double stocQty)
{
    exec(conn, QStringLiteral("INSERT INTO OZ010MS (STOC_YYMM, STRG_CODE, ITEM_CODE, OVER_QTY, OVER_AMT, STOC_QTY) "
                              "VALUES (:M, :S, :I, :OQ, :OA, :SQ)"),
         {{"M", yymm}, {"S", strg}, {"I", item}, {"OQ", QString::number(overQty)}, {"OA", QString::number(overAmt)},
          {"SQ", QString::number(stocQty)}});
}

// An inspection document with one line; confirmed when putDate is set.
inline void receipt(db::Connection &conn, const QString &inspDate, int num, const QString &strg, const QString &putDate,
                    const QString &item, double putQty, double amt)
{
    exec(conn, QStringLiteral("INSERT INTO OC010MS (INSP_DATE, C_CODE, INSP_NUM, STRG_CODE, PUT_DATE) "
                              "VALUES (:D, '100001', :N, :S, :P)"),
         {{"D", inspDate}, {"N", QString::number(num)}, {"S", strg}, {"P", putDate}});
    exec(conn, QStringLiteral("INSERT INTO OC010DT (INSP_DATE, C_CODE, INSP_NUM, INSP_SEQ, ITEM_CODE, PUT_QTY, AMT) "
                              "VALUES (:D, '100001', :N, 1, :I, :Q, :A)"),
         {{"D", inspDate}, {"N", QString::number(num)}, {"I", item}, {"Q", QString::number(putQty)},
          {"A", QString::number(amt)}});
}

// An issue document of `kind` with one line; approval '2' with apprDate confirms kinds 1 and 2.
inline void issue(db::Connection &conn, const QString &deliDate, int num, const QString &strg, const QString &kind,
                  const QString &apprGubun, const QString &apprDate, const QString &item, double qty)
{
    exec(conn, QStringLiteral("INSERT INTO OD010MS (DELI_DATE, STRG_CODE, DELI_NUM, DELI_GUBUN, APPR_GUBUN, APPR_DATE) "
                              "VALUES (:D, :S, :N, :K, :G, :A)"),
         {{"D", deliDate}, {"S", strg}, {"N", QString::number(num)}, {"K", kind}, {"G", apprGubun}, {"A", apprDate}});
    exec(conn, QStringLiteral("INSERT INTO OD010DT (DELI_DATE, STRG_CODE, DELI_NUM, DELI_SEQ, ITEM_CODE, QTY) "
                              "VALUES (:D, :S, :N, 1, :I, :Q)"),
         {{"D", deliDate}, {"S", strg}, {"N", QString::number(num)}, {"I", item}, {"Q", QString::number(qty)}});
}

// A return to the supplier: kind '1' exchange, '2' plain return.
inline void supplierReturn(db::Connection &conn, const QString &date, int num, const QString &strg, const QString &kind,
                           const QString &item, double qty, double amt)
{
    exec(conn, QStringLiteral("INSERT INTO OD030MS (RETU_DATE, C_CODE, RETU_NUM, STRG_CODE) VALUES (:D, '100001', :N, :S)"),
         {{"D", date}, {"N", QString::number(num)}, {"S", strg}});
    exec(conn, QStringLiteral("INSERT INTO OD030DT (RETU_DATE, C_CODE, RETU_NUM, RETU_SEQ, ITEM_CODE, QTY, AMT, RETU_GUBUN) "
                              "VALUES (:D, '100001', :N, 1, :I, :Q, :A, :K)"),
         {{"D", date}, {"N", QString::number(num)}, {"I", item}, {"Q", QString::number(qty)}, {"A", QString::number(amt)},
          {"K", kind}});
}

// Opening ('1': quantity, cost, amount) or count ('2': counted, adjustment, book) line.
inline void silsLine(db::Connection &conn, const QString &date, const QString &strg, const QString &item,
                     const QString &kind, double qty, double cost, double amt)
{
    exec(conn, QStringLiteral("INSERT INTO OZ020MS (SILS_DATE, STRG_CODE, ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST, SILS_AMT) "
                              "VALUES (:D, :S, :I, :K, :Q, :C, :A)"),
         {{"D", date}, {"S", strg}, {"I", item}, {"K", kind}, {"Q", QString::number(qty)}, {"C", QString::number(cost)},
          {"A", QString::number(amt)}});
}

inline void dailyCost(db::Connection &conn, const QString &date, const QString &item, double cost)
{
    exec(conn, QStringLiteral("INSERT INTO OZ050MS (STOCK_DATE, ITEM_CODE, STOCK_QTY, STOCK_COST, STOCK_AMT) "
                              "VALUES (:D, :I, 0, :C, 0)"),
         {{"D", date}, {"I", item}, {"C", QString::number(cost)}});
}

// Every row of the tables the closings write, as text: equal snapshots mean
// nothing was changed.
inline QStringList snapshot(db::Connection &conn)
{
    QStringList rows;
    for (const char *table : {"OZ010MS", "OZ030MS", "OZ040MS", "OZ050MS", "OZ060MS", "OT010MS", "OA010MS", "OA010DT"}) {
        db::Query q(conn, QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table)));
        q.exec();
        const int columns = q.columns().size();
        while (q.next()) {
            QStringList values;
            for (int c = 0; c < columns; ++c)
                values.append(q.text(c));
            rows.append(QLatin1String(table) + QLatin1Char('|') + values.join(QLatin1Char('|')));
        }
    }
    rows.sort();
    return rows;
}

} // namespace fixtures
