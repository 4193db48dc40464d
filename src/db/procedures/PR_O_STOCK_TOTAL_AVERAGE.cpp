// Purchase closing of a month: the month's total average cost of every item
// with stock rows in the month (the cumulative average at the month's last
// day), its month-end stock and value, then the month marked purchase-closed.
// Closing the month again after a cancel replaces its rows.

#include "db/Procedures.h"
#include "db/Query.h"
#include "db/procedures/ClosingSupport.h"

namespace db {

namespace {

const char *const kProcedure = "PR_O_STOCK_TOTAL_AVERAGE";

const char *const kMonthEndStock =
    "SELECT ITEM_CODE, SUM(STOC_QTY) QTY FROM OZ010MS WHERE STOC_YYMM = :STOC_YYMM "
    "GROUP BY ITEM_CODE ORDER BY ITEM_CODE";

QString closeMonth(Connection &conn, const QString &input, const QString &empNo)
{
    const QDate month = closing::monthFromText(input);
    if (!month.isValid())
        return closing::refusal(kProcedure, QStringLiteral("마감년월 오류 (%1)").arg(input.trimmed()));
    const QString yymm = closing::monthKey(month);
    const closing::MonthFlags flags = closing::lockMonthFlags(conn, yymm, empNo);
    // Another workstation may have closed the month since this one looked.
    if (flags.purchaseClosed || flags.systemClosed)
        return closing::refusal(kProcedure, closing::monthStateText(month, flags));

    const QHash<QString, closing::CostBase> bases = closing::costBases(conn, closing::lastDayOfMonth(month));
    Query(conn, QStringLiteral("DELETE FROM OZ040MS WHERE YYMM = :YYMM")).bind(QStringLiteral("YYMM"), yymm).exec();
    Query stock(conn, QString::fromLatin1(kMonthEndStock));
    stock.bind(QStringLiteral("STOC_YYMM"), yymm).exec();
    while (stock.next()) {
        const QString item = stock.text(QStringLiteral("ITEM_CODE"));
        const double qty = stock.number(QStringLiteral("QTY"));
        const double cost = bases.value(item).cost();
        Query(conn, QStringLiteral(
            "INSERT INTO OZ040MS (YYMM, ITEM_CODE, QTY, COST, AMT, U_EMP_NO, U_DATE) "
            "VALUES (:YYMM, :ITEM_CODE, :QTY, :COST, :AMT, :U_EMP_NO, SYSDATE())"))
            .bind(QStringLiteral("YYMM"), yymm)
            .bind(QStringLiteral("ITEM_CODE"), item)
            .bind(QStringLiteral("QTY"), qty)
            .bind(QStringLiteral("COST"), cost)
            .bind(QStringLiteral("AMT"), qty * cost)
            .bind(QStringLiteral("U_EMP_NO"), empNo)
            .exec();
    }
    Query(conn, QStringLiteral(
        "UPDATE OZ030MS SET ORDE_CLOSE = 'Y', U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE() WHERE CLOS_YYMM = :CLOS_YYMM"))
        .bind(QStringLiteral("U_EMP_NO"), empNo)
        .bind(QStringLiteral("CLOS_YYMM"), yymm)
        .exec();
    return closing::kYes;
}

} // namespace

ProcOutputs PR_O_STOCK_TOTAL_AVERAGE(Connection &conn, const ProcArgs &args)
{
    const QString month = args.text(QStringLiteral("I_YYMM"));
    const QString empNo = args.text(QStringLiteral("I_EMP_NO")).trimmed();
    return {{QStringLiteral("O_CHK"), closing::runAtomically(conn, [&] { return closeMonth(conn, month, empNo); })}};
}

} // namespace db
