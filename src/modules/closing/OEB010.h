#pragma once
#include "modules/closing/MonthClosing.h"

// 구매마감: the month's average cost per item, and the purchase-closed flag.
class TfrmOEB010 : public MonthClosingScreen {
    Q_OBJECT
public:
    explicit TfrmOEB010(QWidget *parent = nullptr);
};
