#pragma once
#include "modules/issues/TransferEntry.h"

// 이동불출 의뢰 등록: transfer issue-outs, goods moved to a warehouse and issued there at once;
// the target's issue is written with the transfer.
class TfrmODI030 : public TransferEntry {
    Q_OBJECT
public:
    explicit TfrmODI030(QWidget *parent = nullptr);
};
