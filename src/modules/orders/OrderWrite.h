#pragma once
// Writing and deleting a purchase order in one transaction, apart from the
// screen so that every workstation's save follows the same rules:
//
// - value added tax per line from the item's tax class ('2' tax-free, any
//   other class taxable at one tenth of the amount), summed into the header;
// - the request lines of the order are marked ordered, and only a line that
//   is still unordered can be marked: a line another order took first
//   refuses the whole save;
// - request lines an edit removed from the order, and those of a deleted
//   order, are released again;
// - lines that were already (partly) received keep their sequence number and
//   their receipt columns, so receiving neither loses nor repeats them.

#include "framework/Documents.h"

#include <QString>
#include <QVector>

namespace db { class Connection; }

namespace orders {

struct OrderKey {
    QString ordeDate;   // 'YYYY-MM-DD'
    QString cCode;
    QString ordeNum;
};

struct OrderLine {
    QString oldSeq;     // the line's ORDE_SEQ when it was read from the order; empty for a new line
    QString purcNo;     // the request line it came from; empty for a typed line
    QString purcSeq;
    QString itemCode;
    double qty = 0;
    double costAmt = 0;
    double amt = 0;
    QString remark;
};

struct OrderDraft {
    bool inserting = true;
    OrderKey key;       // ORDE_NUM empty when inserting
    QString ordeNo;
    QString putDate, purcNo, ordeChar, ordeTel, inspChar, inspTel, document;
    QString giveTerm, paymTerm, deliTerm, repaTerm, remark;
    QVector<OrderLine> lines;
};

struct OrderTotals {
    double amt = 0, tax = 0, sum = 0;
};

// The key as the parameters ORDE_DATE, C_CODE and ORDE_NUM.
Params KeyParams(const OrderKey &key);

// A confirmed order can no longer be edited or deleted.
const StatusGate &OrderGate();

// Why a line that was (partly) received as `oldItem` may not become `qty`
// of `item`: receiving addresses the line by its number, so it stays the
// same item with at least what was received. Empty when it may.
QString ReceivedLineRefusal(const QString &oldItem, double putQty, const QString &putEnd, const QString &item,
                            double qty);

// Writes the order inside the caller's transaction (or its own when none is
// active) and returns its ORDE_NUM. Refusals throw EUserExcept with the text
// to show; nothing of the save must then be committed.
QString writeOrder(db::Connection &conn, OrderDraft &draft, OrderTotals *totals = nullptr);

// Deletes the order and releases its request lines; refusals as above.
void deleteOrder(db::Connection &conn, const OrderKey &key, const QString &ordeNo);

} // namespace orders
