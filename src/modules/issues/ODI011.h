#pragma once
#include "modules/issues/ConfirmationScreen.h"

// 출고확정: confirms normal issues again or cancels their confirmation,
// posting or reversing each through the issue procedure.
class TfrmODI011 : public ConfirmationScreen {
    Q_OBJECT
public:
    explicit TfrmODI011(QWidget *parent = nullptr);
};
