#pragma once
#include "modules/issues/ConfirmationScreen.h"

// 이동불출확정: confirms transfer issue-outs again or cancels their confirmation,
// their issues with them.
class TfrmODI031 : public ConfirmationScreen {
    Q_OBJECT
public:
    explicit TfrmODI031(QWidget *parent = nullptr);
};
