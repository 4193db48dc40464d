#pragma once
#include "modules/stock/StockSummaryScreen.h"

// 창고별 재고 집게표: per item the month's quantities of a warehouse (and those below it) and the closing value.
class TfrmOES020 : public stock::StockSummaryScreen {
    Q_OBJECT
public:
    explicit TfrmOES020(QWidget *parent = nullptr);

    widgets::RecordSet *const cdsStock;

protected:
    void printList(bool toPreview) override;
    QString exportTitle() const override;
};
