#pragma once
// Checks of the monthly stock against the documents, after any committed
// sequence of postings and reversals.

#include "db/Connection.h"
#include <QStringList>
#include <map>
#include <tuple>

namespace stockfx {

// Figures of OZ010MS rows by (warehouse, item, month) and column name.
using RowKey = std::tuple<QString, QString, QString>;
using StockView = std::map<RowKey, std::map<QString, double>>;

// The rows of OZ010MS; a month up to `lastMonth` without a row of its own
// appears as the row it stands for: the stock the latest earlier month carries.
StockView stockView(db::Connection &conn, const QString &lastMonth);

// One line per difference, empty when equal.
QStringList differences(const StockView &expected, const StockView &actual);

// One line per violated rule, empty when the stock agrees with the documents:
// every row adds up; its movement columns hold the posted documents of its
// month; its carried stock is the previous month's plus the opening stock
// (with the amount at the carried cost); its stock is the signed sum of all
// documents up to its month; months run without gaps; transfers balance;
// the posting journal holds what the rows hold.
QStringList checkInvariants(db::Connection &conn);

} // namespace stockfx
