#pragma once
// The last receipts of an item: date, supplier and unit price of its five
// latest inspection lines, newest first. Entry screens show it beside the
// item they are on (the item register, the purchase request and order).

#include "widgets/DataGrid.h"

namespace db { class Connection; }
namespace widgets { class RecordSet; }

class PriceHistory : public widgets::DataGrid {
    Q_OBJECT
public:
    explicit PriceHistory(QWidget *parent = nullptr);

    // Lists the receipts of `itemCode`; an empty code empties the list.
    void showItem(db::Connection &conn, const QString &itemCode);
    widgets::RecordSet *records() const { return m_records; }

private:
    widgets::RecordSet *m_records;
};
