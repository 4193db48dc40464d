#pragma once
#include "modules/issues/TransferEntry.h"

// 이동출고 의뢰 등록: transfers from one warehouse to another, saved as confirmed and posted at once.
class TfrmODI020 : public TransferEntry {
    Q_OBJECT
public:
    explicit TfrmODI020(QWidget *parent = nullptr);
};
