#pragma once
#include "modules/closing/MonthClosing.h"

// 전산마감: closes a purchase-closed month for good.
class TfrmOEB020 : public MonthClosingScreen {
    Q_OBJECT
public:
    explicit TfrmOEB020(QWidget *parent = nullptr);
};
