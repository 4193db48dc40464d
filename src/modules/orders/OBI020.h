#pragma once
#include "framework/ZOI010.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class TPopupBtn;
namespace widgets { class DataGrid; class MaskEdit; class RecordSet; }

// 구매발주 확정: confirms the ticked orders, or cancels their confirmation.
class TfrmOBI020 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmOBI020(QWidget *parent = nullptr);

    widgets::MaskEdit *medORDE_DATE_S, *medORDE_DATE_E, *medAPPR_DATE;
    QLineEdit *edtORDE_NO_S, *edtC_CODE, *edtC_CODE_NM, *edtAPPR_EMP_NO, *edtAPPR_EMP_NO_NM;
    QComboBox *cobAPPR_GUBUN;
    TPopupBtn *pbtnAPPR_EMP_NO;
    QPushButton *bbtAppr;
    widgets::DataGrid *rgdOB010MS, *rgdOB010DT;
    widgets::RecordSet *cdsOB010MS, *cdsOB010DT;

    void bbtApprClick();

protected:
    void glSelect() override;
    void glOnEnterEvent(QWidget *control) override;
    void glOnExitEvent(QWidget *control) override;
    bool glOnKeyDown(QWidget *control, QKeyEvent *event) override;

private:
    void rgdOB010MSRowChange();
    void employeePicked();
};
