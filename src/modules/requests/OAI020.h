#pragma once
#include "framework/ZOI010.h"

class QComboBox;
class QLineEdit;
class QPushButton;
namespace widgets { class DataGrid; class MaskEdit; class PlainGrid; class RecordSet; }

// 구매의뢰 승인: approves the ticked requests, or cancels their approval, in one go.
class TfrmOAI020 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmOAI020(QWidget *parent = nullptr);

    widgets::MaskEdit *medPURC_DATE_S, *medPURC_DATE_E, *medAPPR_DATE;
    QLineEdit *edtSTRG_CODE_S, *edtSTRG_CODE_NM_S, *edtPURC_NO_S, *edtAPPR_EMP_NO, *edtAPPR_EMP_NO_NM;
    QComboBox *cobAPPR_GUBUN;
    QPushButton *bbtAppr;
    widgets::RecordSet *cdsOA010MS;
    widgets::DataGrid *rgdOA010MS;
    widgets::PlainGrid *rgdOA010DT;

    void bbtApprClick();

protected:
    void glSelect() override;
    void glOnExitEvent(QWidget *control) override;

private:
    // rgdOA010MSRowChange: the lines of the current request and the button's caption.
    void showCurrentRequest();
};
