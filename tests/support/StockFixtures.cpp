#include "support/StockFixtures.h"
#include "db/Query.h"

namespace stockfx {

namespace {
QString num(double v) { return QString::number(v, 'g', 15); }
} // namespace

QString call(db::Connection &conn, const QString &procedure, const db::ProcInputs &inputs)
{
    return conn.callProcedure(procedure, inputs).value(QStringLiteral("O_CHK"));
}

QString post(db::Connection &conn, const QString &procedure, const QString &numberInput, const QString &number,
             const QString &flag)
{
    return call(conn, procedure, {{numberInput, number}, {QStringLiteral("I_FLAG"), flag}});
}

void exec(db::Connection &conn, const QString &sql, const QList<QPair<QString, QString>> &params)
{
    db::Query q(conn, sql);
    for (const auto &p : params)
        q.bind(p.first, p.second);
    q.exec();
}

void Documents::receipt(const QString &no, const QString &strg, const QList<Line> &lines, const QString &putDate)
{
    const QString supplier = QStringLiteral("C%1").arg(++m_receipts);
    exec(m_conn, QStringLiteral("INSERT INTO OC010MS (INSP_DATE, C_CODE, INSP_NUM, INSP_NO, STRG_CODE, PUT_DATE, U_EMP_NO, U_IP) "
                                "VALUES ('2026-01-01', :C, 1, :NO, :S, :D, 'E0000001', '10.0.0.1')"),
         {{"C", supplier}, {"NO", no}, {"S", strg}, {"D", putDate}});
    int seq = 0;
    for (const Line &l : lines) {
        exec(m_conn, QStringLiteral("INSERT INTO OC010DT (INSP_DATE, C_CODE, INSP_NUM, INSP_SEQ, INSP_NO, ITEM_CODE, PUT_QTY) "
                                    "VALUES ('2026-01-01', :C, 1, :SEQ, :NO, :I, :Q)"),
             {{"C", supplier}, {"SEQ", QString::number(++seq)}, {"NO", no}, {"I", l.item}, {"Q", num(l.qty)}});
    }
}

void Documents::setReceiptDate(const QString &no, const QString &putDate)
{
    exec(m_conn, QStringLiteral("UPDATE OC010MS SET PUT_DATE = :D WHERE INSP_NO = :NO"), {{"D", putDate}, {"NO", no}});
}

void Documents::issue(const QString &no, const QString &kind, const QString &deliDate, const QString &strg,
                      const QList<Line> &lines, const QString &apprDate)
{
    const QString next = db::Query::scalar(m_conn, QStringLiteral(
        "SELECT COALESCE(MAX(DELI_NUM),0) + 1 FROM OD010MS WHERE DELI_DATE = :D AND STRG_CODE = :S"),
        {{"D", deliDate}, {"S", strg}});
    exec(m_conn, QStringLiteral("INSERT INTO OD010MS (DELI_DATE, STRG_CODE, DELI_NUM, DELI_NO, DELI_GUBUN, APPR_GUBUN, APPR_DATE) "
                                "VALUES (:D, :S, :N, :NO, :K, :A, :AD)"),
         {{"D", deliDate}, {"S", strg}, {"N", next}, {"NO", no}, {"K", kind},
          {"A", apprDate.isEmpty() ? QString() : QStringLiteral("2")}, {"AD", apprDate}});
    setIssueLines(no, lines);
}

void Documents::setIssueApproval(const QString &no, const QString &apprGubun, const QString &apprDate)
{
    exec(m_conn, QStringLiteral("UPDATE OD010MS SET APPR_GUBUN = :G, APPR_DATE = :D WHERE DELI_NO = :NO"),
         {{"G", apprGubun}, {"D", apprDate}, {"NO", no}});
}

void Documents::setIssueLines(const QString &no, const QList<Line> &lines)
{
    const QString where = QStringLiteral(" WHERE (DELI_DATE, STRG_CODE, DELI_NUM) IN "
                                         "(SELECT DELI_DATE, STRG_CODE, DELI_NUM FROM OD010MS WHERE DELI_NO = :NO)");
    exec(m_conn, QStringLiteral("DELETE FROM OD010DT") + where, {{"NO", no}});
    int seq = 0;
    for (const Line &l : lines) {
        exec(m_conn, QStringLiteral("INSERT INTO OD010DT (DELI_DATE, STRG_CODE, DELI_NUM, DELI_SEQ, ITEM_CODE, QTY) "
                                    "SELECT DELI_DATE, STRG_CODE, DELI_NUM, :SEQ, :I, :Q FROM OD010MS WHERE DELI_NO = :NO"),
             {{"SEQ", QString::number(++seq)}, {"I", l.item}, {"Q", num(l.qty)}, {"NO", no}});
    }
}

void Documents::deleteIssue(const QString &no)
{
    setIssueLines(no, {});
    exec(m_conn, QStringLiteral("DELETE FROM OD010MS WHERE DELI_NO = :NO"), {{"NO", no}});
}

void Documents::transfer(const QString &no, const QString &kind, const QString &moveDate, const QString &from,
                         const QString &to, const QList<Line> &lines, const QString &apprDate, const QString &deliNo)
{
    const QString next = db::Query::scalar(m_conn, QStringLiteral(
        "SELECT COALESCE(MAX(MOVE_NUM),0) + 1 FROM OD020MS WHERE MOVE_DATE = :D AND FROM_STRG_CODE = :F AND TO_STRG_CODE = :T"),
        {{"D", moveDate}, {"F", from}, {"T", to}});
    exec(m_conn, QStringLiteral("INSERT INTO OD020MS (MOVE_DATE, FROM_STRG_CODE, TO_STRG_CODE, MOVE_NUM, MOVE_NO, MOVE_GUBUN, "
                                "DELI_NO, APPR_GUBUN, APPR_DATE) VALUES (:D, :F, :T, :N, :NO, :K, :DN, :A, :AD)"),
         {{"D", moveDate}, {"F", from}, {"T", to}, {"N", next}, {"NO", no}, {"K", kind}, {"DN", deliNo},
          {"A", apprDate.isEmpty() ? QString() : QStringLiteral("2")}, {"AD", apprDate}});
    int seq = 0;
    for (const Line &l : lines) {
        exec(m_conn, QStringLiteral("INSERT INTO OD020DT (MOVE_DATE, FROM_STRG_CODE, TO_STRG_CODE, MOVE_NUM, MOVE_SEQ, ITEM_CODE, QTY) "
                                    "VALUES (:D, :F, :T, :N, :SEQ, :I, :Q)"),
             {{"D", moveDate}, {"F", from}, {"T", to}, {"N", next}, {"SEQ", QString::number(++seq)}, {"I", l.item},
              {"Q", num(l.qty)}});
    }
}

void Documents::setTransferApproval(const QString &no, const QString &apprGubun, const QString &apprDate)
{
    exec(m_conn, QStringLiteral("UPDATE OD020MS SET APPR_GUBUN = :G, APPR_DATE = :D WHERE MOVE_NO = :NO"),
         {{"G", apprGubun}, {"D", apprDate}, {"NO", no}});
}

void Documents::supplierReturn(const QString &date, const QString &supplier, int number, const QString &strg,
                               const QList<Line> &lines, const QString &gubun)
{
    exec(m_conn, QStringLiteral("INSERT INTO OD030MS (RETU_DATE, C_CODE, RETU_NUM, STRG_CODE) VALUES (:D, :C, :N, :S)"),
         {{"D", date}, {"C", supplier}, {"N", QString::number(number)}, {"S", strg}});
    int seq = 0;
    for (const Line &l : lines) {
        exec(m_conn, QStringLiteral("INSERT INTO OD030DT (RETU_DATE, C_CODE, RETU_NUM, RETU_SEQ, ITEM_CODE, QTY, RETU_GUBUN) "
                                    "VALUES (:D, :C, :N, :SEQ, :I, :Q, :G)"),
             {{"D", date}, {"C", supplier}, {"N", QString::number(number)}, {"SEQ", QString::number(++seq)},
              {"I", l.item}, {"Q", num(l.qty)}, {"G", gubun}});
    }
}

void Documents::deleteReturn(const QString &date, const QString &supplier, int number)
{
    const QList<QPair<QString, QString>> key = {{"D", date}, {"C", supplier}, {"N", QString::number(number)}};
    exec(m_conn, QStringLiteral("DELETE FROM OD030DT WHERE RETU_DATE = :D AND C_CODE = :C AND RETU_NUM = :N"), key);
    exec(m_conn, QStringLiteral("DELETE FROM OD030MS WHERE RETU_DATE = :D AND C_CODE = :C AND RETU_NUM = :N"), key);
}

void Documents::silLines(const QString &date, const QString &strg, const QString &gubun, const QList<SilLine> &lines)
{
    for (const SilLine &l : lines) {
        exec(m_conn, QStringLiteral("INSERT INTO OZ020MS (SILS_DATE, STRG_CODE, ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST, SILS_AMT) "
                                    "VALUES (:D, :S, :I, :G, :Q, :C, :A)"),
             {{"D", date}, {"S", strg}, {"I", l.item}, {"G", gubun}, {"Q", num(l.qty)}, {"C", num(l.cost)}, {"A", num(l.amt)}});
    }
}

void Documents::deleteSilLines(const QString &date, const QString &strg, const QString &gubun)
{
    exec(m_conn, QStringLiteral("DELETE FROM OZ020MS WHERE SILS_DATE = :D AND STRG_CODE = :S AND SILS_GUBUN = :G"),
         {{"D", date}, {"S", strg}, {"G", gubun}});
}

} // namespace stockfx
