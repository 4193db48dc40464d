#pragma once
#include "framework/RecordEntry.h"

// 승인권자 등록: per warehouse, the numbered employees who approve its documents.
class TfrmOXI070 : public RecordEntryScreen {
    Q_OBJECT
public:
    explicit TfrmOXI070(QWidget *parent = nullptr);

protected:
    void writeRecord(bool inserting) override;
    bool glDelete() override;
};
