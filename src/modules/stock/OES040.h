#pragma once
#include "modules/stock/StockSummaryScreen.h"

// 품목 수불부: every movement of one item in a month, day by day, with the
// stock after each line.
class TfrmOES040 : public stock::StockSummaryScreen {
    Q_OBJECT
public:
    explicit TfrmOES040(QWidget *parent = nullptr);

    widgets::RecordSet *const cdsStock;

protected:
    Params searchParams() const override;
    QString exportTitle() const override;
};
