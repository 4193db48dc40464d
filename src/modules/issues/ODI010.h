#pragma once
#include "modules/issues/IssueEntry.h"

// 출고 의뢰 등록: normal issues out of a warehouse, saved as confirmed and
// posted at once; every kind of issue is listed, only normal issues whose
// confirmation was cancelled can be changed.
class TfrmODI010 : public IssueEntry {
    Q_OBJECT
public:
    explicit TfrmODI010(QWidget *parent = nullptr);
};
