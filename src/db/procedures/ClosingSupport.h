#pragma once
// Pieces shared by the closing procedures (day, purchase and system closing,
// the daily cost report, the resolution figures): the atomic run with its
// retry, the input formats, the month flags, the cumulative average cost and
// the carry-over of monthly stock into the next month.

#include "db/Connection.h"

#include <QDate>
#include <QHash>
#include <functional>

namespace db::closing {

// "Y", or a refusal: the procedure name in brackets and the text, at most 200
// characters, fit to be shown as it stands.
inline const QString kYes = QStringLiteral("Y");
QString refusal(const char *procedure, const QString &text);

// Runs `body` (answering "Y" or a refusal) inside the caller's transaction, or
// in one of its own when none is active (committed on "Y"). A refusal or an
// error undoes everything the body did; a deadlock, a serialization failure or
// a busy database is retried a few times before the error is passed on.
QString runAtomically(Connection &conn, const std::function<QString()> &body);

// A day given as 'YYYY-MM-DD', 'YYYY/MM/DD' or 'YYYYMMDD', with any time part
// ignored; invalid when the text is none of these.
QDate dayFromText(const QString &text);
// A month 'YYYYMM'; the first day of it, invalid when the text is no month.
QDate monthFromText(const QString &text);

QString monthKey(const QDate &day);               // 'YYYYMM'
QString dayText(const QDate &day);                // 'YYYY-MM-DD'
QString monthTitle(const QDate &day);             // 'YYYY-MM' as the closing messages show it
inline QDate lastDayOfMonth(const QDate &day) { return QDate(day.year(), day.month(), day.daysInMonth()); }

// The month's closing flags, read after locking the month's OZ030MS row
// (inserted open when missing) so that two workstations closing the same
// month run one after the other.
struct MonthFlags {
    bool purchaseClosed = false;
    bool systemClosed = false;
};
MonthFlags lockMonthFlags(Connection &conn, const QString &yymm, const QString &empNo);
// The text the month check gives for a month in this state.
QString monthStateText(const QDate &month, const MonthFlags &flags);

// What the cumulative monthly weighted average of an item rests on, from the
// first of the day's month to the day itself.
struct CostBase {
    double openingQty = 0, openingAmt = 0;       // OZ010MS.OVER_QTY / OVER_AMT of the month, all warehouses
    double receiptQty = 0, receiptAmt = 0;       // confirmed receipts
    double returnQty = 0, returnAmt = 0;         // plain returns to suppliers (exchanges keep the cost)
    double previousCost = 0;                     // the item's latest daily cost before the day
    bool hasPreviousCost = false;
    double cost() const;
};
// Every item with a monthly stock row in the day's month, a movement in it so
// far, or a daily cost before the day.
QHash<QString, CostBase> costBases(Connection &conn, const QDate &day);

// Company-wide stock of each item at the end of the day, from the month's
// carried-over stock and the documents dated in the month up to the day.
QHash<QString, double> stockAtEndOfDay(Connection &conn, const QDate &day);

// Carries the stock of earlier months into `month` ('YYYYMM'): creates the
// rows of every warehouse and item whose latest stock is not 0 (filling the
// months between), moves the carried quantity of existing rows to the
// previous month's stock, and values the carried stock again.
void carryStockInto(Connection &conn, const QDate &month);

// The daily food and beverage cost report of a day into OT010MS (the two
// report procedures share it; `procedure` names the one called).
QString compileDailyCostReport(Connection &conn, const char *procedure, const QString &day);

} // namespace db::closing
