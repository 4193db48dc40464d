#pragma once
#include "modules/stock/StockSummaryScreen.h"

// 재고수불명세서(VAT): the stock statement with the value-added tax of each item.
class TfrmOES100 : public stock::StockSummaryScreen {
    Q_OBJECT
public:
    explicit TfrmOES100(QWidget *parent = nullptr);

    widgets::RecordSet *const cdsStock;

protected:
    void printList(bool toPreview) override;
    QString exportTitle() const override;
};
