#pragma once
// The stock and closing checks every stock-changing screen makes. Each runs
// one short query on the program's connection (or the one given) and lets
// database errors through to the operation that called it.
//
// Dates are 'YYYY-MM-DD' text. Empty text names no day: no stock, nothing
// closed. Text that is no date throws EConvertError (TextHelpers.h), so a
// typing slip never passes for an open day.

#include "session/Database.h"
#include <QString>

// The stock of an item in a warehouse at the end of the date's month so far
// (OZ010MS.STOC_QTY); a month without a row holds the stock of the latest
// earlier month, and 0 when there is none.
double GetStockQty(const QString &strgCode, const QString &itemCode, const QString &date,
                   db::Connection &conn = dbsDB());

// Closing states of a month (OZ030MS).
enum MonthCloseState : int {
    mcOpen = 0,
    mcPurchaseClosed = 1,   // ORDE_CLOSE = 'Y'
    mcComputerClosed = 2,   // COMP_CLOSE = 'Y'
    mcBothClosed = 3,       // both
};

// The closing state of the date's month, and in `message` the text to show
// when the state forbids the caller's operation (which states forbid what is
// the caller's decision). An open month leaves the check's title in
// `message` ("2003-05 해당 월 마감체크").
int CheckMonthClose(const QString &date, QString &message, db::Connection &conn = dbsDB());

// 1 when the day is closed (OZ060MS.CLOS_CHK = 'Y'), else 0; `message` is the
// text to show when it is, otherwise the check's title.
int CheckDayClose(const QString &date, QString &message, db::Connection &conn = dbsDB());

// What a screen does before saving, deleting or confirming a stock movement
// of a day: true when the day is closed, after telling the user so (ShowInfo).
bool RefuseClosedDay(const QString &date, db::Connection &conn = dbsDB());
