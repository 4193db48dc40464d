#include "demo/DemoDocuments.h"

#include "db/Query.h"
#include "session/Session.h"

#include <cmath>

namespace demo {

namespace {

using Params = QList<QPair<QString, QString>>;

// Quantities and amounts travel as fixed-point text with the columns' five
// decimals, so that no engine meets an exponent.
QString decimal(double value)
{
    return QString::number(std::round(value * 100000.0) / 100000.0, 'f', 5);
}

// Value added tax of a line: a tenth of the amount for taxable lines, cut
// to whole units towards zero.
double lineTax(double amt, const QString &taxGubun)
{
    return taxGubun == QLatin1String("1") ? std::trunc(amt * 0.1) : 0.0;
}

QString month(const QString &date)
{
    return QString(date).remove(QLatin1Char('-')).left(6);
}

db::Query &audit(db::Query &q)
{
    return q.bind(QStringLiteral("U_EMP_NO"), gEmpNo).bind(QStringLiteral("U_IP"), gLocalIP);
}

const char *const kNextInspNum =
    "SELECT COALESCE(MAX(INSP_NUM),0) + 1 FROM OC010MS WHERE INSP_DATE = :INSP_DATE AND C_CODE = :C_CODE";
const char *const kInsertReceipt =
    "INSERT INTO OC010MS (INSP_DATE, C_CODE, INSP_NUM, INSP_NO, STRG_CODE, INSP_EMP_NO, INSP_NAME, "
    "  PUT_AMT, TAX_AMT, SUM_AMT, STRG_GUBUN, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:INSP_DATE, :C_CODE, :INSP_NUM, :INSP_NO, :STRG_CODE, :INSP_EMP_NO, :INSP_NAME, "
    "  :PUT_AMT, :TAX_AMT, :SUM_AMT, :STRG_GUBUN, :U_EMP_NO, SYSDATE(), :U_IP)";
const char *const kInsertReceiptLine =
    "INSERT INTO OC010DT (INSP_DATE, C_CODE, INSP_NUM, INSP_SEQ, INSP_NO, ITEM_CODE, ORDE_QTY, NORM_QTY, BAD_QTY, "
    "  INSP_STAT, PUT_QTY, COST_AMT, AMT, TAX_AMT, REMARK, TAX_GUBUN, ORDE_NO, ORDE_SEQ, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:INSP_DATE, :C_CODE, :INSP_NUM, :INSP_SEQ, :INSP_NO, :ITEM_CODE, :ORDE_QTY, :ORDE_QTY, 0, "
    "  :INSP_STAT, :PUT_QTY, :COST_AMT, :AMT, :TAX_AMT, :REMARK, :TAX_GUBUN, :ORDE_NO, :ORDE_SEQ, :U_EMP_NO, SYSDATE(), :U_IP)";
const char *const kReceiveOrderLine =
    "UPDATE OB010DT SET PUT_QTY = PUT_QTY + :ORDE_QTY WHERE ORDE_NO = :ORDE_NO AND ORDE_SEQ = :ORDE_SEQ";
// Outlets whose receipts are issued at once are marked on the receipt.
const char *const kOutletFlag =
    "SELECT CASE WHEN TRIM(BUSI_GUBUN) = '03' THEN 'Y' ELSE 'N' END FROM OX060MS WHERE STRG_CODE = :STRG_CODE";

const char *const kReceiptKey =
    "SELECT INSP_DATE, C_CODE, INSP_NUM FROM OC010MS WHERE INSP_NO = :INSP_NO";
const char *const kConfirmReceipt =
    "UPDATE OC010MS SET PUT_DATE = :PUT_DATE , PUT_EMP_NO = :PUT_EMP_NO "
    "WHERE INSP_DATE = :INSP_DATE AND C_CODE = :C_CODE AND INSP_NUM = :INSP_NUM";
const char *const kReceiptOrderLines =
    "SELECT ORDE_NO, ORDE_SEQ FROM OC010DT "
    "WHERE INSP_DATE = :INSP_DATE AND C_CODE = :C_CODE AND INSP_NUM = :INSP_NUM AND ORDE_NO IS NOT NULL";
const char *const kCloseOrderLine =
    "UPDATE OB010DT SET PUT_END = CASE WHEN QTY - PUT_QTY <= 0 THEN 'Y' ELSE 'N' END "
    "WHERE ORDE_NO = :ORDE_NO AND ORDE_SEQ = :ORDE_SEQ";

const char *const kNextDeliNum =
    "SELECT COALESCE(MAX(DELI_NUM),0) + 1 FROM OD010MS WHERE DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE";
const char *const kInsertIssue =
    "INSERT INTO OD010MS (DELI_DATE, STRG_CODE, DELI_NUM, DELI_NO, DELI_GUBUN, APPR_GUBUN, APPR_EMP_NO, APPR_DATE, "
    "  U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:DELI_DATE, :STRG_CODE, :DELI_NUM, :DELI_NO, :DELI_GUBUN, :APPR_GUBUN, :APPR_EMP_NO, :APPR_DATE, "
    "  :U_EMP_NO, SYSDATE(), :U_IP)";
const char *const kInsertIssueLine =
    "INSERT INTO OD010DT (DELI_DATE, STRG_CODE, DELI_NUM, DELI_SEQ, ITEM_CODE, QTY, REMARK, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:DELI_DATE, :STRG_CODE, :DELI_NUM, :DELI_SEQ, :ITEM_CODE, :QTY, :REMARK, :U_EMP_NO, SYSDATE(), :U_IP)";

const char *const kNextMoveNum =
    "SELECT COALESCE(MAX(MOVE_NUM),0) + 1 FROM OD020MS "
    "WHERE MOVE_DATE = :MOVE_DATE AND FROM_STRG_CODE = :FROM_STRG_CODE AND TO_STRG_CODE = :TO_STRG_CODE";
const char *const kInsertTransfer =
    "INSERT INTO OD020MS (MOVE_DATE, FROM_STRG_CODE, TO_STRG_CODE, MOVE_NUM, MOVE_NO, MOVE_GUBUN, "
    "  APPR_GUBUN, APPR_EMP_NO, APPR_DATE, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:MOVE_DATE, :FROM_STRG_CODE, :TO_STRG_CODE, :MOVE_NUM, :MOVE_NO, '1', "
    "  '2', :U_EMP_NO, :MOVE_DATE, :U_EMP_NO, SYSDATE(), :U_IP)";
const char *const kInsertTransferLine =
    "INSERT INTO OD020DT (MOVE_DATE, FROM_STRG_CODE, TO_STRG_CODE, MOVE_NUM, MOVE_SEQ, ITEM_CODE, QTY, REMARK, "
    "  U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:MOVE_DATE, :FROM_STRG_CODE, :TO_STRG_CODE, :MOVE_NUM, :MOVE_SEQ, :ITEM_CODE, :QTY, :REMARK, "
    "  :U_EMP_NO, SYSDATE(), :U_IP)";

const char *const kNextRetuNum =
    "SELECT COALESCE(MAX(RETU_NUM),0) + 1 FROM OD030MS WHERE RETU_DATE = :RETU_DATE AND C_CODE = :C_CODE";
const char *const kInsertReturn =
    "INSERT INTO OD030MS (RETU_DATE, C_CODE, RETU_NUM, STRG_CODE, RETU_REAS, PLAN_DATE, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:RETU_DATE, :C_CODE, :RETU_NUM, :STRG_CODE, :RETU_REAS, :PLAN_DATE, :U_EMP_NO, SYSDATE(), :U_IP)";
const char *const kInsertReturnLine =
    "INSERT INTO OD030DT (RETU_DATE, C_CODE, RETU_NUM, RETU_SEQ, ITEM_CODE, ITEM_STANDARD, QTY, COST_AMT, AMT, "
    "  TAX_AMT, REMARK, RETU_GUBUN, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:RETU_DATE, :C_CODE, :RETU_NUM, :RETU_SEQ, :ITEM_CODE, :ITEM_STANDARD, :QTY, :COST_AMT, :AMT, "
    "  :TAX_AMT, :REMARK, :RETU_GUBUN, :U_EMP_NO, SYSDATE(), :U_IP)";

const char *const kInsertStockLine =
    "INSERT INTO OZ020MS (SILS_DATE, STRG_CODE, ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST, SILS_AMT, "
    "  U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:SILS_DATE, :STRG_CODE, :ITEM_CODE, :SILS_GUBUN, :SILS_QTY, :SILS_COST, :SILS_AMT, "
    "  :U_EMP_NO, SYSDATE(), :U_IP)";

} // namespace

void DocumentWriter::post(const QString &procedure, const db::ProcInputs &inputs)
{
    if (m_posting == Posting::DocumentsOnly)
        return;
    const QString answer = m_conn.callProcedure(procedure, inputs).value(QStringLiteral("O_CHK")).trimmed();
    if (answer != QLatin1String("Y"))
        throw db::DbError(QStringLiteral("%1: %2").arg(procedure, answer));
}

QString DocumentWriter::documentNumber(const QString &kind, const QString &date)
{
    const QString no = m_conn.callProcedure(QStringLiteral("PR_GETADMINNO"),
                                            {{QStringLiteral("I_GUBUN"), kind}, {QStringLiteral("I_DATE"), month(date)}})
                           .value(QStringLiteral("O_NO"));
    if (no.startsWith(QLatin1String("ERR")))
        throw db::DbError(no);
    return no;
}

QString DocumentWriter::nextSerial(const QString &sql, const Params &key)
{
    return db::Query::scalar(m_conn, sql, key);
}

QString DocumentWriter::writeReceipt(const QString &inspDate, const QString &cCode, const QString &strgCode,
                                     const QString &inspEmpNo, const QString &inspName,
                                     const QVector<ReceiptLine> &lines)
{
    const QString inspNo = documentNumber(QStringLiteral("IN"), inspDate);
    const QString inspNum = nextSerial(QString::fromLatin1(kNextInspNum),
                                       {{QStringLiteral("INSP_DATE"), inspDate}, {QStringLiteral("C_CODE"), cCode}});
    double putAmt = 0, taxAmt = 0;
    for (const ReceiptLine &line : lines) {
        const double amt = line.ordeQty * line.costAmt;
        putAmt += amt;
        taxAmt += lineTax(amt, line.taxGubun);
    }
    const QString outlet = db::Query::scalar(m_conn, QString::fromLatin1(kOutletFlag), {{QStringLiteral("STRG_CODE"), strgCode}});
    {
        db::Query q(m_conn, QString::fromLatin1(kInsertReceipt));
        q.bind(QStringLiteral("INSP_DATE"), inspDate).bind(QStringLiteral("C_CODE"), cCode)
            .bind(QStringLiteral("INSP_NUM"), inspNum).bind(QStringLiteral("INSP_NO"), inspNo)
            .bind(QStringLiteral("STRG_CODE"), strgCode).bind(QStringLiteral("INSP_EMP_NO"), inspEmpNo)
            .bind(QStringLiteral("INSP_NAME"), inspName).bind(QStringLiteral("PUT_AMT"), decimal(putAmt))
            .bind(QStringLiteral("TAX_AMT"), decimal(taxAmt)).bind(QStringLiteral("SUM_AMT"), decimal(putAmt + taxAmt))
            .bind(QStringLiteral("STRG_GUBUN"), outlet == QLatin1String("Y") ? QStringLiteral("Y") : QStringLiteral("N"));
        audit(q).exec();
    }
    int seq = 0;
    for (const ReceiptLine &line : lines) {
        const double amt = line.ordeQty * line.costAmt;
        db::Query q(m_conn, QString::fromLatin1(kInsertReceiptLine));
        q.bind(QStringLiteral("INSP_DATE"), inspDate).bind(QStringLiteral("C_CODE"), cCode)
            .bind(QStringLiteral("INSP_NUM"), inspNum).bind(QStringLiteral("INSP_SEQ"), ++seq)
            .bind(QStringLiteral("INSP_NO"), inspNo).bind(QStringLiteral("ITEM_CODE"), line.itemCode)
            .bind(QStringLiteral("ORDE_QTY"), decimal(line.ordeQty)).bind(QStringLiteral("INSP_STAT"), QString())
            .bind(QStringLiteral("PUT_QTY"), decimal(line.ordeQty * line.changeQty))
            .bind(QStringLiteral("COST_AMT"), decimal(line.costAmt)).bind(QStringLiteral("AMT"), decimal(amt))
            .bind(QStringLiteral("TAX_AMT"), decimal(lineTax(amt, line.taxGubun)))
            .bind(QStringLiteral("REMARK"), line.remark).bind(QStringLiteral("TAX_GUBUN"), line.taxGubun)
            .bind(QStringLiteral("ORDE_NO"), line.ordeNo)
            .bind(QStringLiteral("ORDE_SEQ"), line.ordeNo.isEmpty() ? QString() : QString::number(line.ordeSeq));
        audit(q).exec();
        if (!line.ordeNo.isEmpty()) {
            db::Query(m_conn, QString::fromLatin1(kReceiveOrderLine))
                .bind(QStringLiteral("ORDE_QTY"), decimal(line.ordeQty)).bind(QStringLiteral("ORDE_NO"), line.ordeNo)
                .bind(QStringLiteral("ORDE_SEQ"), line.ordeSeq).exec();
        }
    }
    return inspNo;
}

void DocumentWriter::confirmReceipt(const QString &inspNo, const QString &putDate, const QString &putEmpNo)
{
    Params key;
    {
        db::Query q(m_conn, QString::fromLatin1(kReceiptKey));
        q.bind(QStringLiteral("INSP_NO"), inspNo).exec();
        if (!q.next())
            throw db::DbError(QStringLiteral("no receipt %1").arg(inspNo));
        for (const char *column : {"INSP_DATE", "C_CODE", "INSP_NUM"})
            key.append({QString::fromLatin1(column), q.text(QString::fromLatin1(column))});
    }
    {
        db::Query q(m_conn, QString::fromLatin1(kConfirmReceipt));
        q.bind(QStringLiteral("PUT_DATE"), putDate).bind(QStringLiteral("PUT_EMP_NO"), putEmpNo);
        for (const auto &p : std::as_const(key))
            q.bind(p.first, p.second);
        q.exec();
    }
    QList<QPair<QString, QString>> orderLines;
    {
        db::Query q(m_conn, QString::fromLatin1(kReceiptOrderLines));
        for (const auto &p : std::as_const(key))
            q.bind(p.first, p.second);
        q.exec();
        while (q.next())
            orderLines.append({q.text(QStringLiteral("ORDE_NO")), q.text(QStringLiteral("ORDE_SEQ"))});
    }
    for (const auto &line : std::as_const(orderLines)) {
        db::Query(m_conn, QString::fromLatin1(kCloseOrderLine))
            .bind(QStringLiteral("ORDE_NO"), line.first).bind(QStringLiteral("ORDE_SEQ"), line.second).exec();
    }
    post(QStringLiteral("PR_O_DATE_STOCK_PUT_UPDATE"),
         {{QStringLiteral("I_PUT_NO"), inspNo}, {QStringLiteral("I_FLAG"), QStringLiteral("INS")}});
}

QString DocumentWriter::insertIssueHeader(const QString &deliDate, const QString &strgCode, const QString &deliGubun,
                                          const QString &deliNo, bool confirmed)
{
    const QString deliNum = nextSerial(QString::fromLatin1(kNextDeliNum),
                                       {{QStringLiteral("DELI_DATE"), deliDate}, {QStringLiteral("STRG_CODE"), strgCode}});
    db::Query q(m_conn, QString::fromLatin1(kInsertIssue));
    q.bind(QStringLiteral("DELI_DATE"), deliDate).bind(QStringLiteral("STRG_CODE"), strgCode)
        .bind(QStringLiteral("DELI_NUM"), deliNum).bind(QStringLiteral("DELI_NO"), deliNo)
        .bind(QStringLiteral("DELI_GUBUN"), deliGubun)
        .bind(QStringLiteral("APPR_GUBUN"), confirmed ? QStringLiteral("2") : QString())
        .bind(QStringLiteral("APPR_EMP_NO"), confirmed ? gEmpNo : QString())
        .bind(QStringLiteral("APPR_DATE"), confirmed ? deliDate : QString());
    audit(q).exec();
    return deliNum;
}

void DocumentWriter::insertIssueLines(const QString &deliDate, const QString &strgCode, const QString &deliNum,
                                      const QVector<StockLine> &lines, double sign)
{
    int seq = 0;
    for (const StockLine &line : lines) {
        db::Query q(m_conn, QString::fromLatin1(kInsertIssueLine));
        q.bind(QStringLiteral("DELI_DATE"), deliDate).bind(QStringLiteral("STRG_CODE"), strgCode)
            .bind(QStringLiteral("DELI_NUM"), deliNum).bind(QStringLiteral("DELI_SEQ"), ++seq)
            .bind(QStringLiteral("ITEM_CODE"), line.itemCode).bind(QStringLiteral("QTY"), decimal(sign * line.qty))
            .bind(QStringLiteral("REMARK"), line.remark);
        audit(q).exec();
    }
}

QString DocumentWriter::writeIssue(const QString &deliDate, const QString &strgCode, const QString &deliGubun,
                                   const QVector<StockLine> &lines)
{
    const QString deliNo = documentNumber(QStringLiteral("DE"), deliDate);
    const QString deliNum = insertIssueHeader(deliDate, strgCode, deliGubun, deliNo, deliGubun == kNormalIssue);
    insertIssueLines(deliDate, strgCode, deliNum, lines, 1.0);
    post(QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"),
         {{QStringLiteral("I_DELI_NO"), deliNo}, {QStringLiteral("I_FLAG"), QStringLiteral("INS")}});
    return deliNo;
}

QString DocumentWriter::writeReturnOfIssue(const QString &deliDate, const QString &strgCode,
                                           const QVector<StockLine> &lines)
{
    const QString deliNo = documentNumber(QStringLiteral("DE"), deliDate);
    const QString deliNum = insertIssueHeader(deliDate, strgCode, kReturnOfIssue, deliNo, false);
    insertIssueLines(deliDate, strgCode, deliNum, lines, -1.0);
    post(QStringLiteral("PR_O_STOCK_DELI_UPDATE"),
         {{QStringLiteral("I_DELI_NO"), deliNo}, {QStringLiteral("I_FLAG"), QStringLiteral("INS")}});
    return deliNo;
}

QString DocumentWriter::writeTransfer(const QString &moveDate, const QString &fromStrg, const QString &toStrg,
                                      const QVector<StockLine> &lines)
{
    const QString moveNo = documentNumber(QStringLiteral("MO"), moveDate);
    const Params key = {{QStringLiteral("MOVE_DATE"), moveDate}, {QStringLiteral("FROM_STRG_CODE"), fromStrg},
                        {QStringLiteral("TO_STRG_CODE"), toStrg}};
    const QString moveNum = nextSerial(QString::fromLatin1(kNextMoveNum), key);
    {
        db::Query q(m_conn, QString::fromLatin1(kInsertTransfer));
        for (const auto &p : key)
            q.bind(p.first, p.second);
        q.bind(QStringLiteral("MOVE_NUM"), moveNum).bind(QStringLiteral("MOVE_NO"), moveNo);
        audit(q).exec();
    }
    int seq = 0;
    for (const StockLine &line : lines) {
        db::Query q(m_conn, QString::fromLatin1(kInsertTransferLine));
        for (const auto &p : key)
            q.bind(p.first, p.second);
        q.bind(QStringLiteral("MOVE_NUM"), moveNum).bind(QStringLiteral("MOVE_SEQ"), ++seq)
            .bind(QStringLiteral("ITEM_CODE"), line.itemCode).bind(QStringLiteral("QTY"), decimal(line.qty))
            .bind(QStringLiteral("REMARK"), line.remark);
        audit(q).exec();
    }
    post(QStringLiteral("PR_O_DATE_STOCK_MOVE_UPDATE"),
         {{QStringLiteral("I_MOVE_NO"), moveNo}, {QStringLiteral("I_FLAG"), QStringLiteral("INS")}});
    return moveNo;
}

QString DocumentWriter::writeSupplierReturn(const QString &retuDate, const QString &cCode, const QString &strgCode,
                                            const QString &reason, const QVector<ReturnLine> &lines)
{
    const Params key = {{QStringLiteral("RETU_DATE"), retuDate}, {QStringLiteral("C_CODE"), cCode}};
    const QString retuNum = nextSerial(QString::fromLatin1(kNextRetuNum), key);
    {
        db::Query q(m_conn, QString::fromLatin1(kInsertReturn));
        for (const auto &p : key)
            q.bind(p.first, p.second);
        q.bind(QStringLiteral("RETU_NUM"), retuNum).bind(QStringLiteral("STRG_CODE"), strgCode)
            .bind(QStringLiteral("RETU_REAS"), reason).bind(QStringLiteral("PLAN_DATE"), QString());
        audit(q).exec();
    }
    int seq = 0;
    for (const ReturnLine &line : lines) {
        const double amt = line.qty * line.costAmt;
        db::Query q(m_conn, QString::fromLatin1(kInsertReturnLine));
        for (const auto &p : key)
            q.bind(p.first, p.second);
        q.bind(QStringLiteral("RETU_NUM"), retuNum).bind(QStringLiteral("RETU_SEQ"), ++seq)
            .bind(QStringLiteral("ITEM_CODE"), line.itemCode).bind(QStringLiteral("ITEM_STANDARD"), line.itemStandard)
            .bind(QStringLiteral("QTY"), decimal(line.qty)).bind(QStringLiteral("COST_AMT"), decimal(line.costAmt))
            .bind(QStringLiteral("AMT"), decimal(amt)).bind(QStringLiteral("TAX_AMT"), decimal(lineTax(amt, line.taxGubun)))
            .bind(QStringLiteral("REMARK"), line.remark).bind(QStringLiteral("RETU_GUBUN"), line.retuGubun);
        audit(q).exec();
    }
    post(QStringLiteral("PR_O_DATE_STOCK_RETU_UPDATE"),
         {{QStringLiteral("I_RETU_DATE"), retuDate}, {QStringLiteral("I_C_CODE"), cCode},
          {QStringLiteral("I_RETU_NUM"), retuNum}, {QStringLiteral("I_FLAG"), QStringLiteral("INS")}});
    return retuNum;
}

void DocumentWriter::writeOpeningStock(const QString &silsDate, const QString &strgCode,
                                       const QVector<OpeningLine> &lines)
{
    for (const OpeningLine &line : lines) {
        db::Query q(m_conn, QString::fromLatin1(kInsertStockLine));
        q.bind(QStringLiteral("SILS_DATE"), silsDate).bind(QStringLiteral("STRG_CODE"), strgCode)
            .bind(QStringLiteral("ITEM_CODE"), line.itemCode).bind(QStringLiteral("SILS_GUBUN"), QStringLiteral("1"))
            .bind(QStringLiteral("SILS_QTY"), decimal(line.qty)).bind(QStringLiteral("SILS_COST"), decimal(line.cost))
            .bind(QStringLiteral("SILS_AMT"), decimal(line.qty * line.cost));
        audit(q).exec();
    }
}

void DocumentWriter::postOpeningStock(const QString &silsDate)
{
    post(QStringLiteral("PR_O_DATE_STOCK_SIL_BATCH"),
         {{QStringLiteral("I_SILS_DATE"), silsDate}, {QStringLiteral("I_FLAG"), QStringLiteral("INS")}});
}

void DocumentWriter::writeCount(const QString &silsDate, const QString &strgCode, const QVector<CountLine> &lines)
{
    for (const CountLine &line : lines) {
        db::Query q(m_conn, QString::fromLatin1(kInsertStockLine));
        q.bind(QStringLiteral("SILS_DATE"), silsDate).bind(QStringLiteral("STRG_CODE"), strgCode)
            .bind(QStringLiteral("ITEM_CODE"), line.itemCode).bind(QStringLiteral("SILS_GUBUN"), QStringLiteral("2"))
            .bind(QStringLiteral("SILS_QTY"), decimal(line.counted))
            .bind(QStringLiteral("SILS_COST"), decimal(line.counted - line.book))
            .bind(QStringLiteral("SILS_AMT"), decimal(line.book));
        audit(q).exec();
    }
    // A count of every class: the class entry "전체" passes an empty class code.
    post(QStringLiteral("PR_O_DATE_STOCK_SIL_UPDATE"),
         {{QStringLiteral("I_SILS_DATE"), silsDate}, {QStringLiteral("I_STRG_CODE"), strgCode},
          {QStringLiteral("I_FLAG"), QStringLiteral("INS")}, {QStringLiteral("I_DIVE_CODE"), QString()}});
}

void DocumentWriter::closeDay(const QString &date)
{
    post(QStringLiteral("PR_O_OZ010MS_RESET"), {{QStringLiteral("I_DATE"), month(date)}});
    post(QStringLiteral("PR_O_DAY_END"), {{QStringLiteral("I_DATE"), date}});
}

void DocumentWriter::closeMonth(const QString &yymm, const QString &empNo)
{
    post(QStringLiteral("PR_O_STOCK_TOTAL_AVERAGE"), {{QStringLiteral("I_YYMM"), yymm}, {QStringLiteral("I_EMP_NO"), empNo}});
    post(QStringLiteral("PR_O_STOCK_END"), {{QStringLiteral("I_YYMM"), yymm}});
}

} // namespace demo
