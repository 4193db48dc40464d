#pragma once
#include "modules/issues/StockForm.h"

// 이동출고의뢰서 / 이동불출의뢰서: the transfer request form (the caller
// sets the title), the lines valued at the stock cost of the transfer date.
class TfrmODP020 : public StockForm {
public:
    TfrmODP020();
};
