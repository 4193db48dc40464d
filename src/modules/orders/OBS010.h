#pragma once
#include "framework/ListScreen.h"

class TfrmOBP015;

// 구매 발주서 출력: confirmed orders, their order form and contract order.
class TfrmOBS010 : public ListScreen {
    Q_OBJECT
public:
    explicit TfrmOBS010(QWidget *parent = nullptr);

    widgets::RecordSet *const cdsOB010MS;
    widgets::RecordSet *const cdsOB010DT;
    QPushButton *bbtPrint_All;

    TfrmOBP015 *bbtPrint_AllClick();

protected:
    void printList(bool toPreview) override;
    void glOnExitEvent(QWidget *control) override;
};
