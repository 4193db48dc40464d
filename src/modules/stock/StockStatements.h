#pragma once
// The statements of the stock summaries. They share one prefix that works
// out, per warehouse and item of the chosen scope, what a period moved and
// what it was worth; each summary then adds the rows it shows.
//
// Quantities come from the monthly stock rows (OZ010MS); issues, transfers
// and count adjustments are valued at the daily cost (OZ050MS) of their
// date, receipts and supplier returns at the documents' own amounts, closing
// stock at the latest daily cost of the closing window. A movement on a day
// without a daily cost counts in quantities only.

#include "framework/Records.h"

#include <QString>

namespace stock {

// What the statements are run for. Months are 'YYYYMM'.
struct StockPeriod {
    QString startMonth;
    QString endMonth;
    QString warehouse;          // empty: every warehouse
    bool withSubWarehouses = false;
    QString item;               // empty: every item
    QString classCode;          // prefix of the item class; empty: every class
    // The closing cost is the latest daily cost from the first day of this
    // month to the end of the period (the start month unless told).
    QString closingCostMonth = {};

    Params params() const;
};

// Per item (summed over the warehouses of the scope): opening, receipts,
// issues, transfers and closing with their amounts, for the stock statement.
// Rows moving nothing are left out; ordered by item code.
QString StatementSql();
// As the statement, with the unit value-added tax of each item and the tax
// and total columns.
QString StatementWithTaxSql();
// Per item (summed over the warehouses of the scope) for one month: the
// quantities of the monthly rows and the closing value. `skipIdle` leaves
// out rows whose seven quantities are all 0.
QString MonthSummarySql(bool skipIdle);
// Per warehouse of the scope for one month: the six amounts over the
// stock-managed items.
QString WarehouseAmountsSql();

// Every movement of one item in a month, in the order of day and kind, with
// the stock after each line; the warehouse is a prefix (empty: all).
QString LedgerSql();
Params LedgerParams(const QString &month, const QString &warehouse, const QString &item);

// 'YYYY-MM-DD' of the first and the last day of a 'YYYYMM' month; empty for
// no valid month.
QString FirstDay(const QString &month);
QString LastDay(const QString &month);

} // namespace stock
