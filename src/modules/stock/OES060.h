#pragma once
#include "modules/stock/StockSummaryScreen.h"

// 창고별수불금액집계표: per warehouse (the chosen one and those below it) the month's amounts.
class TfrmOES060 : public stock::StockSummaryScreen {
    Q_OBJECT
public:
    explicit TfrmOES060(QWidget *parent = nullptr);

    widgets::RecordSet *const cdsStock;

protected:
    void printList(bool toPreview) override;
    // Refuses a search without month or warehouse.
    void glSelect() override;
    QString exportTitle() const override;
};
