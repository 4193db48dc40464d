#pragma once
// The stock documents of the demo history, written with the columns their
// entry screens write and posted to stock by the same server procedures, in
// the same order, as the screens' saves and confirmations do: inspection
// receipts and their confirmation, issues of every kind, transfers, returns
// to suppliers, opening stock and stock counts, and the day and month
// closings. Everything runs in the caller's transaction; the audit columns
// take the signed-in employee (gEmpNo) and workstation (gLocalIP).

#include "db/Connection.h"

#include <QString>
#include <QVector>

namespace demo {

// Whether documents are posted to stock as they are written. Unposted
// documents serve to rebuild the stock later (and to measure that).
enum class Posting { Post, DocumentsOnly };

struct ReceiptLine {
    QString itemCode;
    double ordeQty = 0;     // purchase units
    double changeQty = 1;   // stock units per purchase unit
    double costAmt = 0;     // per purchase unit
    QString taxGubun;       // '1' taxable, '2' tax-free
    QString ordeNo;         // the order line received, empty for a free line
    int ordeSeq = 0;
    QString remark;
};

struct StockLine {
    QString itemCode;
    double qty = 0;         // stock units, as the user types them (positive)
    QString remark;
};

struct ReturnLine {
    QString itemCode;
    QString itemStandard;
    double qty = 0;
    double costAmt = 0;
    QString taxGubun;
    QString retuGubun;      // '1' exchange, '2' plain return
    QString remark;
};

struct OpeningLine {
    QString itemCode;
    double qty = 0;
    double cost = 0;        // per stock unit
};

struct CountLine {
    QString itemCode;
    double counted = 0;
    double book = 0;
};

// Issue kinds of OD010MS.DELI_GUBUN written here.
inline const QString kNormalIssue = QStringLiteral("1");
inline const QString kReturnOfIssue = QStringLiteral("3");
inline const QString kDisposal = QStringLiteral("4");
inline const QString kLoss = QStringLiteral("5");

class DocumentWriter {
public:
    DocumentWriter(db::Connection &conn, Posting posting) : m_conn(conn), m_posting(posting) {}

    // An unconfirmed inspection receipt; each order line's received quantity
    // grows by the line's quantity. Returns INSP_NO.
    QString writeReceipt(const QString &inspDate, const QString &cCode, const QString &strgCode,
                         const QString &inspEmpNo, const QString &inspName, const QVector<ReceiptLine> &lines);
    // Stamps the receipt date and employee, closes fully received order
    // lines and posts the receipt.
    void confirmReceipt(const QString &inspNo, const QString &putDate, const QString &putEmpNo);

    // A normal issue saved as confirmed by the signed-in employee, or a
    // disposal or loss (unconfirmed kinds); posted. Returns DELI_NO.
    QString writeIssue(const QString &deliDate, const QString &strgCode, const QString &deliGubun,
                       const QVector<StockLine> &lines);
    // Goods issued earlier that come back into the warehouse: a negative
    // issue of kind '3', posted by its own procedure. Returns DELI_NO.
    QString writeReturnOfIssue(const QString &deliDate, const QString &strgCode, const QVector<StockLine> &lines);
    // A warehouse transfer saved as confirmed; posted. Returns MOVE_NO.
    QString writeTransfer(const QString &moveDate, const QString &fromStrg, const QString &toStrg,
                          const QVector<StockLine> &lines);
    // Goods sent back to a supplier; posted. Returns RETU_NUM.
    QString writeSupplierReturn(const QString &retuDate, const QString &cCode, const QString &strgCode,
                                const QString &reason, const QVector<ReturnLine> &lines);

    // The opening-stock list of a warehouse (not posted: see postOpeningStock).
    void writeOpeningStock(const QString &silsDate, const QString &strgCode, const QVector<OpeningLine> &lines);
    // Builds the stock from every opening list of the date at once.
    void postOpeningStock(const QString &silsDate);
    // A stock count of a warehouse: one adjustment line per counted item; posted.
    void writeCount(const QString &silsDate, const QString &strgCode, const QVector<CountLine> &lines);

    // The daily closing of one day: the month's stock rebuilt, then the day closed.
    void closeDay(const QString &date);
    // The purchase closing and then the system closing of a month 'YYYYMM'.
    void closeMonth(const QString &yymm, const QString &empNo);

    // A new document number of a kind ('IN', 'DE', 'MO', ...) for the month of `date`.
    QString documentNumber(const QString &kind, const QString &date);

private:
    void post(const QString &procedure, const db::ProcInputs &inputs);
    QString nextSerial(const QString &sql, const QList<QPair<QString, QString>> &key);
    QString insertIssueHeader(const QString &deliDate, const QString &strgCode, const QString &deliGubun,
                              const QString &deliNo, bool confirmed);
    void insertIssueLines(const QString &deliDate, const QString &strgCode, const QString &deliNum,
                          const QVector<StockLine> &lines, double sign);

    db::Connection &m_conn;
    Posting m_posting;
};

} // namespace demo
