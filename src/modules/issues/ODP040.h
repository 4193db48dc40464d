#pragma once
// 반품명세서: the return statement, of one return (the caller sets the
// header labels) or, served to the report windows as "RETU_REPORT.mrd", of
// every return of a period, one block per return.

#include "framework/ZZP010.h"

namespace db { class Connection; }

class TfrmODP040 : public TfrmZZP010 {
public:
    // `list`: the statement of every return the search names.
    explicit TfrmODP040(bool list = false);

    void setLabel(const QString &name, const QString &text);
    // The return of its key (date, supplier, number) to the preview or the printer.
    bool run(const QString &retuDate, const QString &cCode, const QString &retuNum, bool toPreview, QWidget *parent = nullptr);
    // The returns from `from` to `to` ('YYYY-MM-DD') of a supplier and a
    // warehouse (empty: all), one block per return.
    void openList(db::Connection &conn, const QString &from, const QString &to, const QString &cCode, const QString &strgCode);

    // Sums of the last prepared statement, in ten-thousandths of a won.
    qint64 amountUnits() const { return m_amt; }
    qint64 taxUnits() const { return m_tax; }

private:
    void buildHeader();
    void buildLines();
    void buildSummary();

    bool m_list;
    qint64 m_amt = 0;
    qint64 m_tax = 0;
};

namespace reports {
struct Document;
// "RETU_REPORT.mrd": parameters [start date][end date][supplier][warehouse],
// dates as eight digits, empty values for all.
Document buildReturnReport(db::Connection &conn, const QStringList &parameters);
} // namespace reports
