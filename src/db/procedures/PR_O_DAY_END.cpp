// Closes a day: writes the day's price list (stock and cumulative average cost
// of every item the month knows, or that was ever costed) and marks the day
// closed. Closing the last day of a month also carries the stock into the
// next month, valued at the costs just written. Closing a day again replaces
// its price list.

#include "db/Procedures.h"
#include "db/Query.h"
#include "db/procedures/ClosingSupport.h"

#include <QSet>
#include <algorithm>

namespace db {

namespace {

const char *const kProcedure = "PR_O_DAY_END";

void lockDay(Connection &conn, const QString &day)
{
    Query(conn, QStringLiteral(
        "INSERT INTO OZ060MS (CLOS_DATE, CLOS_CHK, U_DATE) VALUES (:CLOS_DATE, 'N', SYSDATE()) "
        "ON CONFLICT (CLOS_DATE) DO NOTHING"))
        .bind(QStringLiteral("CLOS_DATE"), day)
        .exec();
    Query(conn, QStringLiteral("UPDATE OZ060MS SET CLOS_DATE = CLOS_DATE WHERE CLOS_DATE = :CLOS_DATE"))
        .bind(QStringLiteral("CLOS_DATE"), day)
        .exec();
}

void writePriceList(Connection &conn, const QDate &day)
{
    const QHash<QString, closing::CostBase> bases = closing::costBases(conn, day);
    const QHash<QString, double> stock = closing::stockAtEndOfDay(conn, day);
    QSet<QString> items(bases.keyBegin(), bases.keyEnd());
    for (auto it = stock.keyBegin(); it != stock.keyEnd(); ++it)
        items.insert(*it);
    QStringList ordered(items.cbegin(), items.cend());
    std::sort(ordered.begin(), ordered.end());

    const QString dayText = closing::dayText(day);
    Query(conn, QStringLiteral("DELETE FROM OZ050MS WHERE STOCK_DATE = :STOCK_DATE"))
        .bind(QStringLiteral("STOCK_DATE"), dayText)
        .exec();
    for (const QString &item : std::as_const(ordered)) {
        const double qty = stock.value(item);
        const double cost = bases.value(item).cost();
        Query(conn, QStringLiteral(
            "INSERT INTO OZ050MS (STOCK_DATE, ITEM_CODE, STOCK_QTY, STOCK_COST, STOCK_AMT, U_DATE) "
            "VALUES (:STOCK_DATE, :ITEM_CODE, :STOCK_QTY, :STOCK_COST, :STOCK_AMT, SYSDATE())"))
            .bind(QStringLiteral("STOCK_DATE"), dayText)
            .bind(QStringLiteral("ITEM_CODE"), item)
            .bind(QStringLiteral("STOCK_QTY"), qty)
            .bind(QStringLiteral("STOCK_COST"), cost)
            .bind(QStringLiteral("STOCK_AMT"), qty * cost)
            .exec();
    }
}

QString closeDay(Connection &conn, const QString &input)
{
    const QDate day = closing::dayFromText(input);
    if (!day.isValid())
        return closing::refusal(kProcedure, QStringLiteral("마감일자 오류 (%1)").arg(input.trimmed()));
    lockDay(conn, closing::dayText(day));
    writePriceList(conn, day);
    Query(conn, QStringLiteral("UPDATE OZ060MS SET CLOS_CHK = 'Y', U_DATE = SYSDATE() WHERE CLOS_DATE = :CLOS_DATE"))
        .bind(QStringLiteral("CLOS_DATE"), closing::dayText(day))
        .exec();
    if (day == closing::lastDayOfMonth(day))
        closing::carryStockInto(conn, QDate(day.year(), day.month(), 1).addMonths(1));
    return closing::kYes;
}

} // namespace

ProcOutputs PR_O_DAY_END(Connection &conn, const ProcArgs &args)
{
    const QString input = args.text(QStringLiteral("I_DATE"));
    return {{QStringLiteral("O_CHK"), closing::runAtomically(conn, [&] { return closeDay(conn, input); })}};
}

} // namespace db
