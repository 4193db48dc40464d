#include "modules/receiving/ReceiptWrite.h"

#include "db/Query.h"
#include "framework/Checks.h"
#include "framework/ErrorDisplay.h"
#include "framework/Serials.h"
#include "framework/SharedSql.h"

#include <QSet>

#include <cmath>

namespace receiving {

namespace {

const char *const kKey = " WHERE INSP_DATE = :INSP_DATE AND C_CODE = :C_CODE AND INSP_NUM = :INSP_NUM";

QString keyed(const char *sql) { return QString::fromLatin1(sql) + QString::fromLatin1(kKey); }

db::Query &bindKey(db::Query &q, const ReceiptKey &key)
{
    return q.bind(QStringLiteral("INSP_DATE"), key.inspDate).bind(QStringLiteral("C_CODE"), key.cCode)
        .bind(QStringLiteral("INSP_NUM"), key.inspNum);
}

void execKeyed(db::Connection &conn, const char *sql, const ReceiptKey &key)
{
    db::Query q(conn, keyed(sql));
    bindKey(q, key).exec();
}

// Quantities and amounts travel as fixed-point text with the columns' five
// decimals, so that no engine meets an exponent.
QString decimal(double value) { return QString::number(std::round(value * 100000.0) / 100000.0, 'f', 5); }

using OrderLineRef = QPair<QString, QString>;   // ORDE_NO, ORDE_SEQ

struct StoredLine {
    OrderLineRef order;
    double ordeQty;
};

QVector<StoredLine> storedOrderLines(db::Connection &conn, const ReceiptKey &key)
{
    db::Query q(conn, keyed("SELECT ORDE_NO, ORDE_SEQ, COALESCE(ORDE_QTY,0) ORDE_QTY FROM OC010DT") +
                          QStringLiteral(" AND COALESCE(ORDE_NO,'') <> ''"));
    bindKey(q, key).exec();
    QVector<StoredLine> lines;
    while (q.next())
        lines.append({OrderLineRef(q.text(0), q.text(1)), q.number(QStringLiteral("ORDE_QTY"))});
    return lines;
}

void addToOrderLine(db::Connection &conn, const OrderLineRef &line, double qty)
{
    db::Query(conn, QStringLiteral(
        "UPDATE OB010DT SET PUT_QTY = COALESCE(PUT_QTY,0) + :ORDE_QTY WHERE ORDE_NO = :ORDE_NO AND ORDE_SEQ = :ORDE_SEQ"))
        .bind(QStringLiteral("ORDE_QTY"), decimal(qty)).bind(QStringLiteral("ORDE_NO"), line.first)
        .bind(QStringLiteral("ORDE_SEQ"), line.second).exec();
}

// An order line is complete when the receipts confirmed as received cover
// its quantity; unconfirmed and reversed receipts do not count.
void recomputeOrderLineEnd(db::Connection &conn, const OrderLineRef &line)
{
    db::Query(conn, QStringLiteral(
        "UPDATE OB010DT SET PUT_END = CASE WHEN QTY <= "
        "  (SELECT COALESCE(SUM(D.ORDE_QTY),0) FROM OC010DT D, OC010MS M "
        "    WHERE D.ORDE_NO = OB010DT.ORDE_NO AND D.ORDE_SEQ = OB010DT.ORDE_SEQ "
        "      AND M.INSP_DATE = D.INSP_DATE AND M.C_CODE = D.C_CODE AND M.INSP_NUM = D.INSP_NUM "
        "      AND M.PUT_DATE IS NOT NULL) THEN 'Y' ELSE 'N' END "
        "WHERE ORDE_NO = :ORDE_NO AND ORDE_SEQ = :ORDE_SEQ"))
        .bind(QStringLiteral("ORDE_NO"), line.first).bind(QStringLiteral("ORDE_SEQ"), line.second).exec();
}

void recomputeOrderLineEnds(db::Connection &conn, const QSet<OrderLineRef> &lines)
{
    for (const OrderLineRef &line : lines)
        recomputeOrderLineEnd(conn, line);
}

QString outletFlag(db::Connection &conn, const QString &strgCode)
{
    const QString flag = db::Query::scalar(conn, QStringLiteral(
        "SELECT CASE WHEN TRIM(BUSI_GUBUN) = '03' THEN 'Y' ELSE 'N' END FROM OX060MS WHERE STRG_CODE = :STRG_CODE"),
        {{QStringLiteral("STRG_CODE"), strgCode}});
    return flag == QLatin1String("Y") ? flag : QStringLiteral("N");
}

double conversion(db::Connection &conn, const QString &itemCode)
{
    const QString qty = db::Query::scalar(conn, QStringLiteral("SELECT CHANGE_QTY FROM OX010MS WHERE ITEM_CODE = :ITEM_CODE"),
                                          {{QStringLiteral("ITEM_CODE"), itemCode}});
    return qty.isEmpty() ? 1.0 : qty.toDouble();
}

QString post(db::Connection &conn, const QString &procedure, const QString &numberInput, const QString &number,
             const QString &flag)
{
    return conn.callProcedure(procedure, {{numberInput, number}, {QStringLiteral("I_FLAG"), flag}})
        .value(QStringLiteral("O_CHK")).trimmed();
}

void postOrRefuse(db::Connection &conn, const QString &procedure, const QString &numberInput, const QString &number,
                  const QString &flag)
{
    const QString answer = post(conn, procedure, numberInput, number, flag);
    if (answer != QLatin1String("Y"))
        throw EUserExcept(answer);
}

struct Stored {
    bool found = false;
    QString inspNo, strgCode, putDate, outlet;
};

Stored stored(db::Connection &conn, const ReceiptKey &key)
{
    db::Query q(conn, keyed("SELECT INSP_NO, STRG_CODE, PUT_DATE, STRG_GUBUN FROM OC010MS"));
    bindKey(q, key).exec();
    if (!q.next())
        return {};
    return {true, q.text(0), q.text(1), q.text(2), q.text(3).trimmed()};
}

// Food material: items of the classes under the top class 'L' (식자재).
bool holdsFood(db::Connection &conn, const QString &inspNo)
{
    return db::Query::scalar(conn, QStringLiteral(
        "SELECT COUNT(*) FROM OC010DT A, OX010MS B WHERE A.INSP_NO = :INSP_NO AND A.ITEM_CODE = B.ITEM_CODE "
        "   AND SUBSTR(B.DIVIDE_CODE,1,1) = 'L'"), {{QStringLiteral("INSP_NO"), inspNo}}).toInt() > 0;
}

// The outlet uses its receipt at once: an issue of the same lines, confirmed
// on the receipt date, posted with the receipt.
void issueAtOnce(db::Connection &conn, const ReceiptKey &key, const Stored &receipt, const QString &putDate,
                 const QString &putEmpNo)
{
    const QString deliNo = DrawDocumentNumber(conn, QStringLiteral("DE"), putDate);
    QString deliNum;
    InsertWithNextSerial(conn, [&] {
        deliNum = db::Query::scalar(conn, QStringLiteral(
            "SELECT COALESCE(MAX(DELI_NUM),0) + 1 FROM OD010MS WHERE DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE"),
            {{QStringLiteral("DELI_DATE"), putDate}, {QStringLiteral("STRG_CODE"), receipt.strgCode}});
        db::Query q(conn, QStringLiteral(
            "INSERT INTO OD010MS (DELI_DATE, STRG_CODE, DELI_NUM, DELI_NO, DELI_GUBUN, APPR_GUBUN, APPR_EMP_NO, APPR_DATE, "
            "  INSP_NO, U_EMP_NO, U_DATE, U_IP) "
            "VALUES (:DELI_DATE, :STRG_CODE, :DELI_NUM, :DELI_NO, '1', '2', :APPR_EMP_NO, :DELI_DATE, "
            "  :INSP_NO, :U_EMP_NO, SYSDATE(), :U_IP)"));
        q.bind(QStringLiteral("DELI_DATE"), putDate).bind(QStringLiteral("STRG_CODE"), receipt.strgCode)
            .bind(QStringLiteral("DELI_NUM"), deliNum).bind(QStringLiteral("DELI_NO"), deliNo)
            .bind(QStringLiteral("APPR_EMP_NO"), putEmpNo).bind(QStringLiteral("INSP_NO"), receipt.inspNo);
        sql::BindAudit(q).exec();
    });
    db::Query lines(conn, keyed("SELECT INSP_SEQ, ITEM_CODE, PUT_QTY FROM OC010DT") + QStringLiteral(" ORDER BY INSP_SEQ"));
    bindKey(lines, key).exec();
    QVector<QStringList> rows;
    while (lines.next())
        rows.append({lines.text(0), lines.text(1), lines.text(2)});
    for (const QStringList &line : rows) {
        db::Query q(conn, QStringLiteral(
            "INSERT INTO OD010DT (DELI_DATE, STRG_CODE, DELI_NUM, DELI_SEQ, ITEM_CODE, QTY, REMARK, U_EMP_NO, U_DATE, U_IP) "
            "VALUES (:DELI_DATE, :STRG_CODE, :DELI_NUM, :DELI_SEQ, :ITEM_CODE, :QTY, '영업장입고즉시출고', :U_EMP_NO, SYSDATE(), :U_IP)"));
        q.bind(QStringLiteral("DELI_DATE"), putDate).bind(QStringLiteral("STRG_CODE"), receipt.strgCode)
            .bind(QStringLiteral("DELI_NUM"), deliNum).bind(QStringLiteral("DELI_SEQ"), line.at(0))
            .bind(QStringLiteral("ITEM_CODE"), line.at(1)).bind(QStringLiteral("QTY"), line.at(2));
        sql::BindAudit(q).exec();
    }
    postOrRefuse(conn, QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"), deliNo, QStringLiteral("INS"));
}

// The issue written when the receipt was confirmed goes with its posting;
// a receipt that got none has nothing to take back.
void withdrawIssue(db::Connection &conn, const QString &inspNo)
{
    db::Query q(conn, QStringLiteral("SELECT DELI_NO, DELI_DATE, STRG_CODE, DELI_NUM FROM OD010MS WHERE INSP_NO = :INSP_NO"));
    q.bind(QStringLiteral("INSP_NO"), inspNo).exec();
    struct Issue { QString deliNo, deliDate, strgCode, deliNum; };
    QVector<Issue> issues;
    while (q.next())
        issues.append({q.text(0), q.text(1), q.text(2), q.text(3)});
    for (const Issue &issue : issues) {
        postOrRefuse(conn, QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"), issue.deliNo,
                     QStringLiteral("DEL"));
        const Params key = {{QStringLiteral("DELI_DATE"), issue.deliDate}, {QStringLiteral("STRG_CODE"), issue.strgCode},
                            {QStringLiteral("DELI_NUM"), issue.deliNum}};
        for (const char *table : {"OD010DT", "OD010MS"}) {
            db::Query d(conn, QStringLiteral("DELETE FROM %1 WHERE DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE "
                                             "AND DELI_NUM = :DELI_NUM").arg(QLatin1String(table)));
            for (const auto &p : key)
                d.bind(p.first, p.second);
            d.exec();
        }
    }
}

QSet<OrderLineRef> orderLinesOf(const QVector<StoredLine> &lines)
{
    QSet<OrderLineRef> refs;
    for (const StoredLine &line : lines)
        refs.insert(line.order);
    return refs;
}

} // namespace

Params KeyParams(const ReceiptKey &key)
{
    return {{QStringLiteral("INSP_DATE"), key.inspDate}, {QStringLiteral("C_CODE"), key.cCode},
            {QStringLiteral("INSP_NUM"), key.inspNum}};
}

const StatusGate &ReceiptGate()
{
    static const QString refusal = QStringLiteral("입고 확정 처리된 자료는 수정 할 수 없습니다.");
    static const StatusGate gate{
        keyed("SELECT CASE WHEN PUT_DATE IS NULL THEN 'N' ELSE 'Y' END CONFIRMED FROM OC010MS"),
        {keyed("UPDATE OC010MS SET PUT_DATE = PUT_DATE")},
        {{QStringLiteral("CONFIRMED"), QStringLiteral("Y"), refusal, refusal}},
        QStringLiteral("다른 사용자가 삭제한 자료입니다. 다시 조회하십시오.")};
    return gate;
}

double LineTax(double amt, const QString &taxGubun)
{
    return taxGubun.trimmed().startsWith(u'1') ? std::trunc(amt * 0.1) : 0.0;
}

QString writeReceipt(db::Connection &conn, ReceiptDraft &draft, ReceiptTotals *totals)
{
    if (draft.lines.isEmpty())
        throw EUserExcept(QStringLiteral("입고 품목을 입력하세요"));
    db::Transaction tx(conn);
    QSet<OrderLineRef> touched;
    if (!draft.inserting) {
        ReceiptGate().check(conn, KeyParams(draft.key), GateAction::Edit);
        // What the stored lines received goes back before the lines are written again.
        const QVector<StoredLine> old = storedOrderLines(conn, draft.key);
        for (const StoredLine &line : old)
            addToOrderLine(conn, line.order, -line.ordeQty);
        touched = orderLinesOf(old);
    }

    ReceiptTotals sums;
    for (const ReceiptLine &line : draft.lines) {
        const double amt = line.ordeQty * line.costAmt;
        sums.amt += amt;
        sums.tax += LineTax(amt, line.taxGubun);
    }
    const QString outlet = outletFlag(conn, draft.strgCode);
    auto bindHeader = [&](db::Query &q) {
        q.bind(QStringLiteral("STRG_CODE"), draft.strgCode).bind(QStringLiteral("INSP_EMP_NO"), draft.inspEmpNo)
            .bind(QStringLiteral("INSP_NAME"), draft.inspName).bind(QStringLiteral("PUT_AMT"), decimal(sums.amt))
            .bind(QStringLiteral("TAX_AMT"), decimal(sums.tax)).bind(QStringLiteral("SUM_AMT"), decimal(sums.amt + sums.tax))
            .bind(QStringLiteral("STRG_GUBUN"), outlet);
        sql::BindAudit(q);
    };
    if (draft.inserting) {
        InsertWithNextSerial(conn, [&] {
            draft.key.inspNum = db::Query::scalar(conn, QStringLiteral(
                "SELECT COALESCE(MAX(INSP_NUM),0) + 1 FROM OC010MS WHERE INSP_DATE = :INSP_DATE AND C_CODE = :C_CODE"),
                {{QStringLiteral("INSP_DATE"), draft.key.inspDate}, {QStringLiteral("C_CODE"), draft.key.cCode}});
            db::Query q(conn, QStringLiteral(
                "INSERT INTO OC010MS (INSP_DATE, C_CODE, INSP_NUM, INSP_NO, STRG_CODE, INSP_EMP_NO, INSP_NAME, "
                "  PUT_AMT, TAX_AMT, SUM_AMT, STRG_GUBUN, U_EMP_NO, U_DATE, U_IP) "
                "VALUES (:INSP_DATE, :C_CODE, :INSP_NUM, :INSP_NO, :STRG_CODE, :INSP_EMP_NO, :INSP_NAME, "
                "  :PUT_AMT, :TAX_AMT, :SUM_AMT, :STRG_GUBUN, :U_EMP_NO, SYSDATE(), :U_IP)"));
            bindKey(q, draft.key).bind(QStringLiteral("INSP_NO"), draft.inspNo);
            bindHeader(q);
            q.exec();
        });
    } else {
        db::Query q(conn, keyed(
            "UPDATE OC010MS SET STRG_CODE = :STRG_CODE, INSP_EMP_NO = :INSP_EMP_NO, INSP_NAME = :INSP_NAME, "
            "  PUT_AMT = :PUT_AMT, TAX_AMT = :TAX_AMT, SUM_AMT = :SUM_AMT, STRG_GUBUN = :STRG_GUBUN, "
            "  U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP"));
        bindKey(q, draft.key);
        bindHeader(q);
        q.exec();
        draft.inspNo = db::Query::scalar(conn, keyed("SELECT INSP_NO FROM OC010MS"), KeyParams(draft.key));
    }

    execKeyed(conn, "DELETE FROM OC010DT", draft.key);
    int seq = 0;
    for (const ReceiptLine &line : draft.lines) {
        const double amt = line.ordeQty * line.costAmt;
        const double tax = LineTax(amt, line.taxGubun);
        const bool fromOrder = !line.ordeNo.isEmpty();
        db::Query q(conn, QStringLiteral(
            "INSERT INTO OC010DT (INSP_DATE, C_CODE, INSP_NUM, INSP_SEQ, INSP_NO, ITEM_CODE, ORDE_QTY, NORM_QTY, BAD_QTY, "
            "  INSP_STAT, PUT_QTY, COST_AMT, AMT, TAX_AMT, SUM_AMT, REMARK, TAX_GUBUN, ORDE_NO, ORDE_SEQ, U_EMP_NO, U_DATE, U_IP) "
            "VALUES (:INSP_DATE, :C_CODE, :INSP_NUM, :INSP_SEQ, :INSP_NO, :ITEM_CODE, :ORDE_QTY, :ORDE_QTY, 0, "
            "  NULL, :PUT_QTY, :COST_AMT, :AMT, :TAX_AMT, :SUM_AMT, :REMARK, :TAX_GUBUN, :ORDE_NO, :ORDE_SEQ, "
            "  :U_EMP_NO, SYSDATE(), :U_IP)"));
        bindKey(q, draft.key).bind(QStringLiteral("INSP_SEQ"), ++seq).bind(QStringLiteral("INSP_NO"), draft.inspNo)
            .bind(QStringLiteral("ITEM_CODE"), line.itemCode).bind(QStringLiteral("ORDE_QTY"), decimal(line.ordeQty))
            .bind(QStringLiteral("PUT_QTY"), decimal(line.ordeQty * conversion(conn, line.itemCode)))
            .bind(QStringLiteral("COST_AMT"), decimal(line.costAmt)).bind(QStringLiteral("AMT"), decimal(amt))
            .bind(QStringLiteral("TAX_AMT"), decimal(tax)).bind(QStringLiteral("SUM_AMT"), decimal(amt + tax))
            .bind(QStringLiteral("REMARK"), line.remark)
            .bind(QStringLiteral("TAX_GUBUN"), line.taxGubun.trimmed().startsWith(u'2') ? QStringLiteral("2") : QStringLiteral("1"))
            .bind(QStringLiteral("ORDE_NO"), line.ordeNo).bind(QStringLiteral("ORDE_SEQ"), fromOrder ? line.ordeSeq : QString());
        sql::BindAudit(q).exec();
        if (fromOrder) {
            addToOrderLine(conn, {line.ordeNo, line.ordeSeq}, line.ordeQty);
            touched.insert({line.ordeNo, line.ordeSeq});
        }
    }
    recomputeOrderLineEnds(conn, touched);
    tx.commit();
    if (totals)
        *totals = sums;
    return draft.key.inspNum;
}

void deleteReceipt(db::Connection &conn, const ReceiptKey &key)
{
    db::Transaction tx(conn);
    ReceiptGate().check(conn, KeyParams(key), GateAction::Delete);
    const QVector<StoredLine> old = storedOrderLines(conn, key);
    for (const StoredLine &line : old)
        addToOrderLine(conn, line.order, -line.ordeQty);
    execKeyed(conn, "DELETE FROM OC010DT", key);
    execKeyed(conn, "DELETE FROM OC010MS", key);
    recomputeOrderLineEnds(conn, orderLinesOf(old));
    tx.commit();
}

void confirmReceipt(db::Connection &conn, const ReceiptKey &key, const QString &putDate, const QString &putEmpNo)
{
    db::Query stamp(conn, keyed("UPDATE OC010MS SET PUT_DATE = :PUT_DATE, PUT_EMP_NO = :PUT_EMP_NO, "
                                "U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP"));
    stamp.bind(QStringLiteral("PUT_DATE"), putDate).bind(QStringLiteral("PUT_EMP_NO"), putEmpNo);
    sql::BindAudit(bindKey(stamp, key)).exec();
    recomputeOrderLineEnds(conn, orderLinesOf(storedOrderLines(conn, key)));
    const Stored receipt = stored(conn, key);
    postOrRefuse(conn, QStringLiteral("PR_O_DATE_STOCK_PUT_UPDATE"), QStringLiteral("I_PUT_NO"), receipt.inspNo,
                 QStringLiteral("INS"));
    // The flag was taken from the warehouse when the receipt was saved.
    if (receipt.outlet == QLatin1String("Y") && holdsFood(conn, receipt.inspNo))
        issueAtOnce(conn, key, receipt, putDate, putEmpNo);
}

void reverseReceipt(db::Connection &conn, const ReceiptKey &key)
{
    const Stored receipt = stored(conn, key);
    // The day the receipt was posted on is closed as well as the day of the run.
    if (RefuseClosedDay(receipt.putDate, conn))
        throw SilentAbort();
    postOrRefuse(conn, QStringLiteral("PR_O_DATE_STOCK_PUT_UPDATE"), QStringLiteral("I_PUT_NO"), receipt.inspNo,
                 QStringLiteral("DEL"));
    withdrawIssue(conn, receipt.inspNo);
    db::Query clear(conn, keyed("UPDATE OC010MS SET PUT_DATE = NULL, PUT_EMP_NO = NULL, "
                                "U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP"));
    sql::BindAudit(bindKey(clear, key)).exec();
    recomputeOrderLineEnds(conn, orderLinesOf(storedOrderLines(conn, key)));
}

} // namespace receiving
