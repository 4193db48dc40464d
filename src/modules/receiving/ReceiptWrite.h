#pragma once
// Writing, deleting, confirming and reversing inspection receipts, apart
// from the screens so that every workstation follows the same rules:
//
// - a receipt confirmed as received can no longer be changed or deleted;
//   the state is read again inside the transaction, after taking the row,
//   so a confirmation made meanwhile on another workstation refuses it;
// - each receipt line taken from an order line adds its quantity to the
//   order line's received quantity; an edit gives the stored quantities
//   back first, a delete gives them back;
// - an order line is complete when its confirmed receipts cover its
//   quantity, recomputed whenever a receipt of it changes;
// - the outlet flag is the receiving warehouse's own at the time of saving.

#include "framework/Documents.h"

#include <QString>
#include <QVector>

namespace db { class Connection; }

namespace receiving {

struct ReceiptKey {
    QString inspDate;   // 'YYYY-MM-DD'
    QString cCode;
    QString inspNum;
};

struct ReceiptLine {
    QString itemCode;
    double ordeQty = 0;    // purchase units
    double costAmt = 0;    // per purchase unit
    QString taxGubun;      // '1' taxable, '2' tax-free
    QString remark;
    QString ordeNo;        // the order line received; empty for a typed line
    QString ordeSeq;
};

struct ReceiptDraft {
    bool inserting = true;
    ReceiptKey key;        // INSP_NUM empty when inserting
    QString inspNo, strgCode, inspEmpNo, inspName;
    QVector<ReceiptLine> lines;
};

struct ReceiptTotals {
    double amt = 0, tax = 0;
};

Params KeyParams(const ReceiptKey &key);

// Refuses an edit or a delete of a receipt confirmed as received.
const StatusGate &ReceiptGate();

// Value added tax of a line: a tenth of a taxable amount, cut towards zero.
double LineTax(double amt, const QString &taxGubun);

// Writes the receipt in one transaction (joining the caller's) and returns
// its INSP_NUM. Refusals throw EUserExcept.
QString writeReceipt(db::Connection &conn, ReceiptDraft &draft, ReceiptTotals *totals = nullptr);

// Deletes the receipt and gives its quantities back to the order lines.
void deleteReceipt(db::Connection &conn, const ReceiptKey &key);

// Inside the caller's transaction: stamps the receipt as received on
// `putDate`, posts it to stock and, for an outlet receipt with food, writes
// and posts its issue at once. A refusal throws EUserExcept with the text
// to show; the caller then rolls the whole run back.
void confirmReceipt(db::Connection &conn, const ReceiptKey &key, const QString &putDate, const QString &putEmpNo);

// Inside the caller's transaction: takes the posting back, with the issue
// written at confirmation, and makes the receipt unconfirmed again. A
// receipt of a closed day is refused.
void reverseReceipt(db::Connection &conn, const ReceiptKey &key);

} // namespace receiving
