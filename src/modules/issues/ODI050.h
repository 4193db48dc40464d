#pragma once
#include "modules/issues/IssueEntry.h"

// 기타 출고 등록: disposals and losses, posted for as long as they exist.
class TfrmODI050 : public IssueEntry {
    Q_OBJECT
public:
    explicit TfrmODI050(QWidget *parent = nullptr);
};
