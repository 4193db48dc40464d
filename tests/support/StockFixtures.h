#pragma once
// Small stock documents written straight into the document tables, and the
// calls of the posting procedures, for the stock tests and benchmarks.

#include "db/Connection.h"
#include <QList>
#include <QString>

namespace stockfx {

struct Line {
    QString item;
    double qty;
};

// Opening stock ('1': quantity, unit cost, amount) or count line ('2':
// counted, adjustment, book quantity).
struct SilLine {
    QString item;
    double qty;
    double cost;
    double amt;
};

// O_CHK of a procedure call.
QString call(db::Connection &conn, const QString &procedure, const db::ProcInputs &inputs);
QString post(db::Connection &conn, const QString &procedure, const QString &numberInput, const QString &number,
             const QString &flag);

void exec(db::Connection &conn, const QString &sql, const QList<QPair<QString, QString>> &params = {});

class Documents {
public:
    explicit Documents(db::Connection &conn) : m_conn(conn) {}

    // A receipt; confirmed when `putDate` is given.
    void receipt(const QString &no, const QString &strg, const QList<Line> &lines, const QString &putDate);
    void setReceiptDate(const QString &no, const QString &putDate);

    // An issue of `kind`; a normal issue ('1', '2') is confirmed when `apprDate` is given.
    void issue(const QString &no, const QString &kind, const QString &deliDate, const QString &strg,
               const QList<Line> &lines, const QString &apprDate = {});
    void setIssueApproval(const QString &no, const QString &apprGubun, const QString &apprDate);
    void setIssueLines(const QString &no, const QList<Line> &lines);
    void deleteIssue(const QString &no);

    // A transfer ('1', or '2' with its issue `deliNo`), confirmed when `apprDate` is given.
    void transfer(const QString &no, const QString &kind, const QString &moveDate, const QString &from,
                  const QString &to, const QList<Line> &lines, const QString &apprDate, const QString &deliNo = {});
    void setTransferApproval(const QString &no, const QString &apprGubun, const QString &apprDate);

    // A return to a supplier with lines of `gubun`.
    void supplierReturn(const QString &date, const QString &supplier, int num, const QString &strg,
                        const QList<Line> &lines, const QString &gubun = QStringLiteral("2"));
    void deleteReturn(const QString &date, const QString &supplier, int num);

    void silLines(const QString &date, const QString &strg, const QString &gubun, const QList<SilLine> &lines);
    void deleteSilLines(const QString &date, const QString &strg, const QString &gubun);

private:
    db::Connection &m_conn;
    int m_receipts = 0;
};

} // namespace stockfx
