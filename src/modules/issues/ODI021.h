#pragma once
#include "modules/issues/ConfirmationScreen.h"

// 이동출고확정: confirms transfers again or cancels their confirmation.
class TfrmODI021 : public ConfirmationScreen {
    Q_OBJECT
public:
    explicit TfrmODI021(QWidget *parent = nullptr);
};
