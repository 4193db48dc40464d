#pragma once
#include "modules/stock/StockSummaryScreen.h"

// 품목별 재고집게표: per item the month's quantities of every warehouse and the closing value.
class TfrmOES030 : public stock::StockSummaryScreen {
    Q_OBJECT
public:
    explicit TfrmOES030(QWidget *parent = nullptr);

    widgets::RecordSet *const cdsStock;

protected:
    void printList(bool toPreview) override;
    QString exportTitle() const override;
};
