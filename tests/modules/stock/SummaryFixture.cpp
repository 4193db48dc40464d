#include "SummaryFixture.h"
#include "db/Query.h"

#include <QtTest>

namespace summaryfx {

namespace {

using Params = QList<QPair<QString, QString>>;

void exec(db::Connection &conn, const char *sql, const Params &params = {})
{
    db::Query q(conn, QString::fromUtf8(sql));
    for (const auto &p : params)
        q.bind(p.first, p.second);
    q.exec();
}

void posted(db::Connection &conn, const char *procedure, const db::ProcInputs &inputs)
{
    const QString answer = conn.callProcedure(QString::fromLatin1(procedure), inputs).value(QStringLiteral("O_CHK"));
    if (answer != QStringLiteral("Y"))
        QFAIL(qPrintable(QString::fromLatin1(procedure) + QStringLiteral(": ") + answer));
}

void cost(db::Connection &conn, const QString &day, const QString &item, double value)
{
    exec(conn, "INSERT INTO OZ050MS (STOCK_DATE, ITEM_CODE, STOCK_QTY, STOCK_COST, STOCK_AMT) VALUES (:D, :I, 0, :C, 0)",
         {{"D", day}, {"I", item}, {"C", QString::number(value)}});
}

void opening(db::Connection &conn, const QString &day, const QString &item, double qty, double cost, double amt)
{
    exec(conn, "INSERT INTO OZ020MS (SILS_DATE, STRG_CODE, ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST, SILS_AMT) "
               "VALUES (:D, 'A10', :I, '1', :Q, :C, :A)",
         {{"D", day}, {"I", item}, {"Q", QString::number(qty)}, {"C", QString::number(cost)}, {"A", QString::number(amt)}});
    posted(conn, "PR_O_DATE_STOCK_SIL_UPDATE", {{"I_SILS_DATE", day}, {"I_STRG_CODE", "A10"}, {"I_FLAG", "INS"}});
}

void receipt(db::Connection &conn, const QString &no, const QString &day, double qty, double amt, double tax)
{
    const Params key{{"D", day}, {"NO", no}};
    exec(conn, "INSERT INTO OC010MS (INSP_DATE, C_CODE, INSP_NUM, INSP_NO, STRG_CODE, PUT_DATE) "
               "VALUES (:D, '100001', 1, :NO, 'A10', :D)", key);
    exec(conn, "INSERT INTO OC010DT (INSP_DATE, C_CODE, INSP_NUM, INSP_SEQ, INSP_NO, ITEM_CODE, PUT_QTY, AMT, TAX_AMT) "
               "VALUES (:D, '100001', 1, 1, :NO, 'T0000001', :Q, :A, :T)",
         key + Params{{"Q", QString::number(qty)}, {"A", QString::number(amt)}, {"T", QString::number(tax)}});
    posted(conn, "PR_O_DATE_STOCK_PUT_UPDATE", {{"I_PUT_NO", no}, {"I_FLAG", "INS"}});
}

// A confirmed issue of T1 out of A10 (unless apprGubun says otherwise) with one line per quantity.
void issue(db::Connection &conn, const QString &no, const QString &day, const QList<double> &lines,
           const QString &apprGubun = QStringLiteral("2"))
{
    const Params key{{"D", day}, {"NO", no}};
    exec(conn, "INSERT INTO OD010MS (DELI_DATE, STRG_CODE, DELI_NUM, DELI_NO, DELI_GUBUN, APPR_GUBUN, APPR_DATE) "
               "VALUES (:D, 'A10', 1, :NO, '1', :G, :D)", key + Params{{"G", apprGubun}});
    int seq = 0;
    for (double qty : lines) {
        exec(conn, "INSERT INTO OD010DT (DELI_DATE, STRG_CODE, DELI_NUM, DELI_SEQ, ITEM_CODE, QTY) "
                   "VALUES (:D, 'A10', 1, :SEQ, 'T0000001', :Q)",
             {{"D", day}, {"SEQ", QString::number(++seq)}, {"Q", QString::number(qty)}});
    }
    if (apprGubun == QStringLiteral("2"))
        posted(conn, "PR_O_DATE_STOCK_DELI_UPDATE", {{"I_DELI_NO", no}, {"I_FLAG", "INS"}});
}

void transfer(db::Connection &conn, const QString &no, const QString &day, const QString &from, const QString &to, double qty)
{
    const Params key{{"D", day}, {"NO", no}, {"F", from}, {"T", to}};
    exec(conn, "INSERT INTO OD020MS (MOVE_DATE, FROM_STRG_CODE, TO_STRG_CODE, MOVE_NUM, MOVE_NO, MOVE_GUBUN, APPR_GUBUN, APPR_DATE) "
               "VALUES (:D, :F, :T, 1, :NO, '1', '2', :D)", key);
    exec(conn, "INSERT INTO OD020DT (MOVE_DATE, FROM_STRG_CODE, TO_STRG_CODE, MOVE_NUM, MOVE_SEQ, ITEM_CODE, QTY) "
               "VALUES (:D, :F, :T, 1, 1, 'T0000001', :Q)",
         {{"D", day}, {"F", from}, {"T", to}, {"Q", QString::number(qty)}});
    posted(conn, "PR_O_DATE_STOCK_MOVE_UPDATE", {{"I_MOVE_NO", no}, {"I_FLAG", "INS"}});
}

} // namespace

void write(db::Connection &conn)
{
    exec(conn, "INSERT INTO OX060MS (STRG_CODE, STRG_NAME, PARENT_CODE, USE_YN) VALUES "
               "('A10', '식품창고', NULL, 'Y'), ('A11', '한식당 주방', 'A10', 'Y'), ('B20', '음료창고', NULL, 'Y')");
    exec(conn, "INSERT INTO OX010MS (ITEM_CODE, ITEM_NAME, ITEM_STANDARD1, DIVIDE_CODE, SOOBUL_YN, USE_YN) VALUES "
               "('T0000001', '한우 등심', '1kg', 'L1010', 'Y', 'Y'), ('T0000002', '참기름', '1.8L', 'L1020', 'Y', 'Y')");
    cost(conn, "2026-03-31", kCarried, 50);
    cost(conn, "2026-04-10", kItem, 100);
    cost(conn, "2026-04-30", kItem, 110);
    cost(conn, "2026-05-20", kItem, 120);

    opening(conn, "2026-03-02", kCarried, 4, 50, 200);
    opening(conn, "2026-04-01", kItem, 10, 90, 900);
    receipt(conn, "IN20260400001", "2026-04-10", 20, 2400, 240);
    issue(conn, "DE20260400001", "2026-04-10", {5});
    transfer(conn, "MO20260400001", "2026-04-12", "A10", "A11", 3);

    exec(conn, "INSERT INTO OD030MS (RETU_DATE, C_CODE, RETU_NUM, STRG_CODE) VALUES ('2026-05-05', '100001', 1, 'A10')");
    exec(conn, "INSERT INTO OD030DT (RETU_DATE, C_CODE, RETU_NUM, RETU_SEQ, ITEM_CODE, QTY, AMT, RETU_GUBUN) "
               "VALUES ('2026-05-05', '100001', 1, 1, 'T0000001', 2, 240, '2')");
    posted(conn, "PR_O_DATE_STOCK_RETU_UPDATE",
           {{"I_RETU_DATE", "2026-05-05"}, {"I_C_CODE", "100001"}, {"I_RETU_NUM", "1"}, {"I_FLAG", "INS"}});
    issue(conn, "DE20260500002", "2026-05-20", {1, 1});
    const double book = db::Query::scalar(conn, QStringLiteral(
        "SELECT STOC_QTY FROM OZ010MS WHERE STOC_YYMM = '202605' AND STRG_CODE = 'A10' AND ITEM_CODE = 'T0000001'")).toDouble();
    exec(conn, "INSERT INTO OZ020MS (SILS_DATE, STRG_CODE, ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST, SILS_AMT) "
               "VALUES ('2026-05-20', 'A10', 'T0000001', '2', :Q, -1, :B)",
         {{"Q", QString::number(book - 1)}, {"B", QString::number(book)}});
    posted(conn, "PR_O_DATE_STOCK_SIL_UPDATE",
           {{"I_SILS_DATE", "2026-05-20"}, {"I_STRG_CODE", "A10"}, {"I_FLAG", "INS"}, {"I_DIVE_CODE", ""}});
    transfer(conn, "MO20260500002", "2026-05-20", "A11", "A10", 1);
    receipt(conn, "IN20260500003", "2026-05-25", 10, 1300, 130);
    issue(conn, "DE20260500004", "2026-05-26", {7}, QStringLiteral("3"));
}

} // namespace summaryfx
