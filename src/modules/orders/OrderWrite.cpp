#include "modules/orders/OrderWrite.h"

#include "db/Query.h"
#include "framework/ErrorDisplay.h"
#include "framework/Serials.h"
#include "framework/SharedSql.h"

#include <QMap>

#include <cmath>

namespace orders {

namespace {

const char *const kKey = " WHERE ORDE_DATE = :ORDE_DATE AND C_CODE = :C_CODE AND ORDE_NUM = :ORDE_NUM";

db::Query keyed(db::Connection &conn, const QString &sql, const OrderKey &key)
{
    db::Query q(conn, sql + QString::fromLatin1(kKey));
    q.bind(QStringLiteral("ORDE_DATE"), key.ordeDate).bind(QStringLiteral("C_CODE"), key.cCode)
        .bind(QStringLiteral("ORDE_NUM"), key.ordeNum);
    return q;
}

QString status(db::Connection &conn, const OrderKey &key, const QString &ordeNo)
{
    db::Query q = keyed(conn, QStringLiteral("SELECT COALESCE(APPR_GUBUN,'3') APPR_GUBUN FROM OB010MS"), key);
    q.exec();
    if (!q.next())
        throw EUserExcept(QStringLiteral("[발주번호 : %1] 현재내용과 다릅니다. 확인하시고 처리하십시오.").arg(ordeNo));
    return q.text(0);
}

bool isReceived(double putQty, const QString &putEnd) { return putQty > 0 || putEnd == QLatin1String("Y"); }

struct OldLine {
    QString purcNo, purcSeq, itemCode;
    double putQty = 0;
    QString putEnd, ordeCancel;
    bool received() const { return isReceived(putQty, putEnd); }
};

QMap<int, OldLine> oldLines(db::Connection &conn, const OrderKey &key)
{
    db::Query q = keyed(conn, QStringLiteral(
        "SELECT ORDE_SEQ, PURC_NO, PURC_SEQ, ITEM_CODE, COALESCE(PUT_QTY,0) PUT_QTY, COALESCE(PUT_END,'N') PUT_END, "
        "COALESCE(ORDE_CANCEL,'N') ORDE_CANCEL FROM OB010DT"), key);
    q.exec();
    QMap<int, OldLine> lines;
    while (q.next())
        lines.insert(int(q.number(QStringLiteral("ORDE_SEQ"))),
                     {q.text(QStringLiteral("PURC_NO")), q.text(QStringLiteral("PURC_SEQ")), q.text(QStringLiteral("ITEM_CODE")),
                      q.number(QStringLiteral("PUT_QTY")),
                      q.text(QStringLiteral("PUT_END")), q.text(QStringLiteral("ORDE_CANCEL"))});
    return lines;
}

void releaseRequestLine(db::Connection &conn, const QString &purcNo, const QString &purcSeq)
{
    db::Query q(conn, QStringLiteral(
        "UPDATE OA010DT SET ORDER_SET_YN = 'N', U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
        " WHERE PURC_NO = :PURC_NO AND PURC_SEQ = :PURC_SEQ"));
    sql::BindAudit(q).bind(QStringLiteral("PURC_NO"), purcNo).bind(QStringLiteral("PURC_SEQ"), purcSeq).exec();
}

// Amounts are kept in hundred-thousandths (the columns' five decimals) so
// that sums do not drift.
qint64 units(double value) { return std::llround(value * 100000.0); }
double fromUnits(qint64 value) { return double(value) / 100000.0; }
QString unitText(qint64 value) { return QString::number(fromUnits(value), 'f', 5); }

} // namespace

Params KeyParams(const OrderKey &key)
{
    return {{QStringLiteral("ORDE_DATE"), key.ordeDate}, {QStringLiteral("C_CODE"), key.cCode},
            {QStringLiteral("ORDE_NUM"), key.ordeNum}};
}

const StatusGate &OrderGate()
{
    static const StatusGate gate{
        QStringLiteral("SELECT COALESCE(APPR_GUBUN,'3') APPR_GUBUN FROM OB010MS") + QString::fromLatin1(kKey),
        {QStringLiteral("UPDATE OB010MS SET APPR_GUBUN = APPR_GUBUN") + QString::fromLatin1(kKey)},
        {{QStringLiteral("APPR_GUBUN"), QStringLiteral("2"), QStringLiteral("발주 확정 처리된 자료는 수정할 수 없습니다."),
          QStringLiteral("발주 확정 처리된 자료는 삭제할 수 없습니다.")}}};
    return gate;
}

QString ReceivedLineRefusal(const QString &oldItem, double putQty, const QString &putEnd, const QString &item, double qty)
{
    if (!isReceived(putQty, putEnd))
        return {};
    if (item != oldItem)
        return QStringLiteral("입고된 품목은 다른 품목으로 바꿀 수 없습니다.");
    if (qty < putQty)
        return QStringLiteral("입고된 수량보다 적게 발주할 수 없습니다.");
    return {};
}

QString writeOrder(db::Connection &conn, OrderDraft &draft, OrderTotals *totals)
{
    db::Transaction tx(conn);
    QMap<int, OldLine> old;
    if (!draft.inserting) {
        status(conn, draft.key, draft.ordeNo);
        OrderGate().check(conn, KeyParams(draft.key), GateAction::Edit);
        old = oldLines(conn, draft.key);
    }

    // Tax per line from the item's class.
    struct Figures { QString taxGubun; qint64 amt, tax; };
    QVector<Figures> figures;
    qint64 amtSum = 0, taxSum = 0;
    for (const OrderLine &line : draft.lines) {
        if (line.qty <= 0)
            throw EUserExcept(QStringLiteral("수량은 0보다 커야 합니다."));
        if (line.costAmt < 0)
            throw EUserExcept(QStringLiteral("단가는 0보다 작을 수 없습니다."));
        QString gubun = db::Query::scalar(conn, QStringLiteral("SELECT TAX_GUBUN FROM OX010MS WHERE ITEM_CODE = :ITEM_CODE"),
                                          {{QStringLiteral("ITEM_CODE"), line.itemCode}}).trimmed();
        if (gubun != QLatin1String("2"))
            gubun = QStringLiteral("1");
        const qint64 amt = units(line.amt);
        const qint64 tax = gubun == QLatin1String("1") ? (amt >= 0 ? (amt + 5) / 10 : -((-amt + 5) / 10)) : 0;
        figures.push_back({gubun, amt, tax});
        amtSum += amt;
        taxSum += tax;
    }

    auto bindHeader = [&](db::Query &q) {
        q.bind(QStringLiteral("PUT_DATE"), draft.putDate).bind(QStringLiteral("ORDE_AMT"), unitText(amtSum))
            .bind(QStringLiteral("TAX_AMT"), unitText(taxSum)).bind(QStringLiteral("SUM_AMT"), unitText(amtSum + taxSum))
            .bind(QStringLiteral("ORDE_CHAR"), draft.ordeChar).bind(QStringLiteral("ORDE_TEL"), draft.ordeTel)
            .bind(QStringLiteral("INSP_CHAR"), draft.inspChar).bind(QStringLiteral("INSP_TEL"), draft.inspTel)
            .bind(QStringLiteral("DOCUMENT"), draft.document).bind(QStringLiteral("GIVE_TERM"), draft.giveTerm)
            .bind(QStringLiteral("PAYM_TERM"), draft.paymTerm).bind(QStringLiteral("DELI_TERM"), draft.deliTerm)
            .bind(QStringLiteral("REPA_TERM"), draft.repaTerm).bind(QStringLiteral("REMARK"), draft.remark);
        sql::BindAudit(q);
    };

    if (draft.inserting) {
        InsertWithNextSerial(conn, [&] {
            draft.key.ordeNum = db::Query::scalar(conn, QStringLiteral(
                "SELECT COALESCE(MAX(ORDE_NUM),0) + 1 FROM OB010MS WHERE ORDE_DATE = :ORDE_DATE AND C_CODE = :C_CODE"),
                {{QStringLiteral("ORDE_DATE"), draft.key.ordeDate}, {QStringLiteral("C_CODE"), draft.key.cCode}});
            db::Query q(conn, QStringLiteral(
                "INSERT INTO OB010MS (ORDE_DATE, C_CODE, ORDE_NUM, ORDE_NO, PUT_DATE, ORDE_AMT, NEGO_AMT, TAX_AMT, SUM_AMT, "
                "  PURC_NO, ORDE_CHAR, ORDE_TEL, INSP_CHAR, INSP_TEL, DOCUMENT, GIVE_TERM, PAYM_TERM, DELI_TERM, REPA_TERM, "
                "  APPR_GUBUN, REMARK, U_EMP_NO, U_DATE, U_IP) "
                "VALUES (:ORDE_DATE, :C_CODE, :ORDE_NUM, :ORDE_NO, :PUT_DATE, :ORDE_AMT, 0, :TAX_AMT, :SUM_AMT, "
                "  :PURC_NO, :ORDE_CHAR, :ORDE_TEL, :INSP_CHAR, :INSP_TEL, :DOCUMENT, :GIVE_TERM, :PAYM_TERM, :DELI_TERM, :REPA_TERM, "
                "  '3', :REMARK, :U_EMP_NO, SYSDATE(), :U_IP)"));
            q.bind(QStringLiteral("ORDE_DATE"), draft.key.ordeDate).bind(QStringLiteral("C_CODE"), draft.key.cCode)
                .bind(QStringLiteral("ORDE_NUM"), draft.key.ordeNum).bind(QStringLiteral("ORDE_NO"), draft.ordeNo)
                .bind(QStringLiteral("PURC_NO"), draft.purcNo);
            bindHeader(q);
            q.exec();
        });
    } else {
        db::Query q = keyed(conn, QStringLiteral(
            "UPDATE OB010MS SET PUT_DATE = :PUT_DATE, ORDE_AMT = :ORDE_AMT, TAX_AMT = :TAX_AMT, SUM_AMT = :SUM_AMT, "
            "  ORDE_CHAR = :ORDE_CHAR, ORDE_TEL = :ORDE_TEL, INSP_CHAR = :INSP_CHAR, INSP_TEL = :INSP_TEL, "
            "  DOCUMENT = :DOCUMENT, GIVE_TERM = :GIVE_TERM, PAYM_TERM = :PAYM_TERM, DELI_TERM = :DELI_TERM, "
            "  REPA_TERM = :REPA_TERM, REMARK = :REMARK, U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP"), draft.key);
        bindHeader(q);
        q.exec();
    }

    // Sequence numbers: the position, unless the order has receipts; then
    // receiving's documents address its lines by number and kept lines keep theirs.
    bool received = false;
    for (const OldLine &line : old)
        received = received || line.received();
    QVector<int> seqs;
    if (received) {
        int next = old.isEmpty() ? 1 : old.lastKey() + 1;
        QList<int> kept;
        for (const OrderLine &line : draft.lines) {
            const int oldSeq = line.oldSeq.toInt();
            if (!line.oldSeq.isEmpty() && old.contains(oldSeq) && !kept.contains(oldSeq)) {
                const OldLine &was = old.value(oldSeq);
                if (const QString refusal = ReceivedLineRefusal(was.itemCode, was.putQty, was.putEnd, line.itemCode, line.qty);
                    !refusal.isEmpty())
                    throw EUserExcept(refusal);
                seqs << oldSeq;
                kept << oldSeq;
            } else {
                seqs << next++;
            }
        }
        for (auto it = old.cbegin(); it != old.cend(); ++it)
            if (it.value().received() && !kept.contains(it.key()))
                throw EUserExcept(QStringLiteral("입고된 품목은 삭제할 수 없습니다."));
    } else {
        for (int i = 0; i < draft.lines.size(); ++i)
            seqs << i + 1;
    }

    // Request lines of the order as it was are released; those of the order
    // as it is now are marked below, so a removed line becomes orderable again.
    for (const OldLine &line : old)
        if (!line.purcNo.isEmpty())
            releaseRequestLine(conn, line.purcNo, line.purcSeq);

    keyed(conn, QStringLiteral("DELETE FROM OB010DT"), draft.key).exec();
    for (int i = 0; i < draft.lines.size(); ++i) {
        const OrderLine &line = draft.lines.at(i);
        const OldLine kept = old.value(seqs.at(i), OldLine{QString(), QString(), QString(), 0, QStringLiteral("N"), QStringLiteral("N")});
        const bool keeps = received && !line.oldSeq.isEmpty() && line.oldSeq.toInt() == seqs.at(i);
        const Figures &f = figures.at(i);
        db::Query insert(conn, QStringLiteral(
            "INSERT INTO OB010DT (ORDE_DATE, C_CODE, ORDE_NUM, ORDE_SEQ, ORDE_NO, PURC_NO, PURC_SEQ, ITEM_CODE, "
            "  QTY, COST_AMT, AMT, TAX_GUBUN, TAX_AMT, SUM_AMT, REMARK, PUT_QTY, PUT_END, ORDE_CANCEL, U_EMP_NO, U_DATE, U_IP) "
            "VALUES (:ORDE_DATE, :C_CODE, :ORDE_NUM, :ORDE_SEQ, :ORDE_NO, :PURC_NO, :PURC_SEQ, :ITEM_CODE, "
            "  :QTY, :COST_AMT, :AMT, :TAX_GUBUN, :TAX_AMT, :SUM_AMT, :REMARK, :PUT_QTY, :PUT_END, :ORDE_CANCEL, :U_EMP_NO, SYSDATE(), :U_IP)"));
        insert.bind(QStringLiteral("ORDE_DATE"), draft.key.ordeDate).bind(QStringLiteral("C_CODE"), draft.key.cCode)
            .bind(QStringLiteral("ORDE_NUM"), draft.key.ordeNum).bind(QStringLiteral("ORDE_SEQ"), seqs.at(i))
            .bind(QStringLiteral("ORDE_NO"), draft.ordeNo).bind(QStringLiteral("PURC_NO"), line.purcNo)
            .bind(QStringLiteral("PURC_SEQ"), line.purcNo.isEmpty() ? QString() : line.purcSeq)
            .bind(QStringLiteral("ITEM_CODE"), line.itemCode).bind(QStringLiteral("QTY"), line.qty)
            .bind(QStringLiteral("COST_AMT"), line.costAmt).bind(QStringLiteral("AMT"), unitText(f.amt))
            .bind(QStringLiteral("TAX_GUBUN"), f.taxGubun).bind(QStringLiteral("TAX_AMT"), unitText(f.tax))
            .bind(QStringLiteral("SUM_AMT"), unitText(f.amt + f.tax)).bind(QStringLiteral("REMARK"), line.remark)
            .bind(QStringLiteral("PUT_QTY"), keeps ? kept.putQty : 0.0)
            .bind(QStringLiteral("PUT_END"), keeps ? kept.putEnd : QStringLiteral("N"))
            .bind(QStringLiteral("ORDE_CANCEL"), keeps ? kept.ordeCancel : QStringLiteral("N"));
        sql::BindAudit(insert).exec();
        if (line.purcNo.isEmpty())
            continue;
        // Only a line nobody ordered yet: a second workstation that took the
        // same line waits for the first one's commit here and then finds it taken.
        db::Query mark(conn, QStringLiteral(
            "UPDATE OA010DT SET ORDER_SET_YN = 'Y', U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
            " WHERE PURC_NO = :PURC_NO AND PURC_SEQ = :PURC_SEQ AND COALESCE(ORDER_SET_YN,'N') <> 'Y'"));
        sql::BindAudit(mark).bind(QStringLiteral("PURC_NO"), line.purcNo).bind(QStringLiteral("PURC_SEQ"), line.purcSeq).exec();
        if (mark.rowsAffected() != 1)
            throw EUserExcept(QStringLiteral("[의뢰번호 : %1-%2] 다른 발주에 이미 반영된 구매의뢰 품목입니다.\n확인하시고 처리하십시오.")
                                  .arg(line.purcNo, line.purcSeq));
    }
    tx.commit();
    if (totals)
        *totals = {fromUnits(amtSum), fromUnits(taxSum), fromUnits(amtSum + taxSum)};
    return draft.key.ordeNum;
}

void deleteOrder(db::Connection &conn, const OrderKey &key, const QString &ordeNo)
{
    db::Transaction tx(conn);
    status(conn, key, ordeNo);
    OrderGate().check(conn, KeyParams(key), GateAction::Delete);
    const QMap<int, OldLine> old = oldLines(conn, key);
    for (const OldLine &line : old) {
        // Receipts point at the order's lines: the order must stay.
        if (line.received())
            throw EUserExcept(QStringLiteral("입고된 자료가 있는 발주는 삭제할 수 없습니다."));
    }
    for (const OldLine &line : old)
        if (!line.purcNo.isEmpty())
            releaseRequestLine(conn, line.purcNo, line.purcSeq);
    keyed(conn, QStringLiteral("DELETE FROM OB010DT"), key).exec();
    keyed(conn, QStringLiteral("DELETE FROM OB010MS"), key).exec();
    tx.commit();
}

} // namespace orders
