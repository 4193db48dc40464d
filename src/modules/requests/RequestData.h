#pragma once
// What the request entry and approval screens share: the search of request
// headers, the lines of one request, the status that decides whether a
// request may still change, and writing and deleting a request (kept apart
// from the screen so that a request can be written on any connection).

#include "framework/Documents.h"

#include <QString>
#include <QVector>

namespace db { class Connection; class Query; }
namespace widgets { class PlainGrid; class RecordSet; }

namespace requests {

// A request header's key.
struct RequestKey {
    QString purcDate;   // 'YYYY-MM-DD'
    QString strgCode;
    QString purcNum;
};

// The key as the parameters PURC_DATE, STRG_CODE and PURC_NUM.
Params KeyParams(const RequestKey &key);

// Request headers of a period whose warehouse code and number start with
// the given texts (empty: all) and whose status is `apprGubun` (empty: any),
// with the names of warehouse, department, status and approver and a tick
// field SEL = '0'; ordered by date, warehouse and serial. Returns the count.
int OpenRequestHeaders(widgets::RecordSet &records, const QString &dateFrom, const QString &dateTo,
                       const QString &strgCode, const QString &purcNo, const QString &apprGubun = {});

// Fills `grid` from the rows of an executed query: each column whose field
// names a result column gets its value (numbers for formatted columns).
// Returns the row count.
int FillGrid(widgets::PlainGrid &grid, db::Query &query);

// The lines of a request, in line order, with the columns PURC_SEQ,
// EMER_CHK, ITEM_CODE, ITEM_NAME, ITEM_STANDARD1, NEED_QTY, COST_AMT,
// GUMAE_UNIT_NM, QTY, ESTI_AMT, AMT, C_CODE, C_CODE_NM, REMARK,
// ORDER_SET_YN, STOCK_QTY (parameters: the key).
QString RequestLinesSql();
// Those lines in `grid` (each column whose field is a result column gets
// its value). Returns the count.
int LoadRequestLines(widgets::PlainGrid &grid, const RequestKey &key);

// An approved request, or one with a line taken into an order, can no
// longer be edited or deleted.
const StatusGate &RequestGate();

struct RequestHeader {
    RequestKey key;           // purcNum is assigned when inserting
    QString purcNo;
    QString planDate;
    QString charName;
    QString charTel;
    QString remark;
    QString deptCode;
};

// One line as the grid holds it; numbers as text.
struct RequestLine {
    QString itemCode;
    QString qty;
    QString needQty;
    QString cCode;
    QString costAmt;
    QString estiAmt;
    QString remark;
    QString emerChk;
    QString stockQty;
};

// Inside the caller's transaction: inserts the header as not approved with
// the next serial of its date and warehouse (a serial another workstation
// took meanwhile is skipped), or updates it; then writes the lines again,
// numbered 1..n and not ordered. The quotation values that later steps wrote
// on a line stay with the line of the same item. A request approved or
// ordered meanwhile is refused (EUserExcept). Returns the header's serial.
QString WriteRequest(db::Connection &conn, const RequestHeader &header, const QVector<RequestLine> &lines,
                     bool inserting);

// Inside the caller's transaction (or its own): deletes the request and its
// lines, unless it was approved or ordered meanwhile (EUserExcept).
void DeleteRequest(db::Connection &conn, const RequestKey &key);

} // namespace requests
