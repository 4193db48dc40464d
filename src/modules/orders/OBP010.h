#pragma once
// The purchase order form for the supplier (발주서), and its contract-style
// sibling served to the report windows as "Cont_Order.mrd".

#include "framework/ZZP010.h"

namespace db { class Connection; }

class TfrmOBP010 : public TfrmZZP010 {
public:
    // `contract`: the contract order (계약발주서) with the contract terms
    // and both parties' signatures.
    explicit TfrmOBP010(bool contract = false);

    // Reads the order given by its key (all as text); false when there is none.
    bool open(db::Connection &conn, const QString &ordeDate, const QString &cCode, const QString &ordeNum);
    // The one operation of the form: the order to the preview or the printer.
    bool Execute(const QString &ordeDate, const QString &cCode, const QString &ordeNum, bool toPreview,
                 QWidget *parent = nullptr);

    widgets::RecordSet cdsHeader;

    // Figures of the last prepared order, in ten-thousandths of a won.
    qint64 supplyUnits() const { return m_supply; }
    qint64 taxUnits() const { return m_tax; }

private:
    QString head(const char *field) const;
    void buildHeader(bool contract);
    void buildLines();
    void buildSummary(bool contract);
    // The site's company block and contract clauses, as configured.
    void showSite(db::Connection &conn);

    bool m_contract;
    qint64 m_supply = 0;
    qint64 m_tax = 0;
};

namespace reports {
struct Document;
// "Cont_Order.mrd": parameters [order date][supplier code][order number].
Document buildContOrder(db::Connection &conn, const QStringList &parameters);
} // namespace reports
