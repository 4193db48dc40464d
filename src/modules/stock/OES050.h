#pragma once
#include "modules/stock/StockSummaryScreen.h"

// 재고수불명세서: per item the opening, receipts, issues, transfers and
// closing of a period with their amounts.
class TfrmOES050 : public stock::StockSummaryScreen {
    Q_OBJECT
public:
    explicit TfrmOES050(QWidget *parent = nullptr);

    widgets::RecordSet *const cdsStock;

protected:
    void printList(bool toPreview) override;
    QString exportTitle() const override;
};
