#pragma once
// What the issue, transfer and return screens share: the item search with
// the stock unit, the names of issue kinds and states, the call of a posting
// procedure and the stock test of a document's lines.

#include "framework/Lookups.h"
#include "framework/Records.h"
#include "widgets/GridColumn.h"

#include <QList>
#include <QString>

namespace db { class Connection; }

namespace issues {

// Items in use typed by name: code, name, standard, stock unit name and the
// self-produced flag (hidden).
Lookup StockItem(const QString &button, const QStringList &into, const LookupOptions &options = {});

// CASE over an issue kind (OD010MS.DELI_GUBUN): '1' 정상출고 … '5' 손 망 실.
QString IssueKindNameSql(const QString &column);
// CASE over a confirmation state: '1' 확정취소, '2' 확    정, '3' 미 확 정.
QString StateNameSql(const QString &column);
QString StateName(const QString &apprGubun);

// Calls a posting procedure with the document number and 'INS' or 'DEL'; an
// answer other than 'Y' is raised as EUserExcept with the procedure's text.
void Post(db::Connection &conn, const QString &procedure, const QString &numberInput, const QString &number,
          const QString &flag);

// One line of a stock document as it is written.
struct StockLine {
    QString itemCode;
    double qty = 0;
    QString remark;
};

// The index of the first line whose item, summed over the lines, needs more
// than the warehouse holds in the month of `date`; -1 when the stock suffices.
int FirstShortLine(db::Connection &conn, const QString &strgCode, const QString &date, const QList<StockLine> &lines);

// The columns of a line grid of an issue or a transfer: hidden row number and
// item code, name, standard, quantity, current stock, stock unit, remark.
QList<widgets::GridColumn> StockLineColumns(const QString &seqField);

// The lines of a document with the warehouse's latest stock of each item.
// `table` holds the lines, `strgColumn` the warehouse whose stock is shown;
// `where` the key condition over A.
QString StockLinesSql(const QString &table, const QString &seqField, const QString &strgColumn, const QString &where);

} // namespace issues
