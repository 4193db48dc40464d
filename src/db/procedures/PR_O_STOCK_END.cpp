// System closing of a purchase-closed month: the stock carried into the next
// month is checked against the month's final stock (rows created, quantities
// and values brought in line; nothing changes in a consistent database) and
// the month is marked system-closed.

#include "db/Procedures.h"
#include "db/Query.h"
#include "db/procedures/ClosingSupport.h"

namespace db {

namespace {

const char *const kProcedure = "PR_O_STOCK_END";

QString closeMonth(Connection &conn, const QString &input)
{
    const QDate month = closing::monthFromText(input);
    if (!month.isValid())
        return closing::refusal(kProcedure, QStringLiteral("마감년월 오류 (%1)").arg(input.trimmed()));
    const QString yymm = closing::monthKey(month);
    const closing::MonthFlags flags = closing::lockMonthFlags(conn, yymm, QString());
    if (!flags.purchaseClosed || flags.systemClosed)
        return closing::refusal(kProcedure, closing::monthStateText(month, flags));

    closing::carryStockInto(conn, month.addMonths(1));
    Query(conn, QStringLiteral("UPDATE OZ030MS SET COMP_CLOSE = 'Y', U_EMP_NO = NULL, U_DATE = SYSDATE(), U_IP = NULL WHERE CLOS_YYMM = :CLOS_YYMM"))
        .bind(QStringLiteral("CLOS_YYMM"), yymm)
        .exec();
    return closing::kYes;
}

} // namespace

ProcOutputs PR_O_STOCK_END(Connection &conn, const ProcArgs &args)
{
    const QString month = args.text(QStringLiteral("I_YYMM"));
    return {{QStringLiteral("O_CHK"), closing::runAtomically(conn, [&] { return closeMonth(conn, month); })}};
}

} // namespace db
