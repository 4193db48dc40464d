#pragma once
#include "framework/RecordEntry.h"

// 자재부서등록: the departments of the material stock.
class TfrmOPI010 : public RecordEntryScreen {
    Q_OBJECT
public:
    explicit TfrmOPI010(QWidget *parent = nullptr);
};
