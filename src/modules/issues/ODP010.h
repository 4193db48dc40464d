#pragma once
#include "modules/issues/StockForm.h"

// 출고의뢰서: the issue request form, the lines valued at the stock cost of
// the day the issue was confirmed.
class TfrmODP010 : public StockForm {
public:
    TfrmODP010();
};
