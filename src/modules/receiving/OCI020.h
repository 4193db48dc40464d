#pragma once
#include "framework/ZOI010.h"

class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class TPopupBtn;
namespace widgets { class DataGrid; class MaskEdit; class RecordSet; }

// 입고 확정: the ticked inspection receipts are confirmed as received (and
// posted to stock), or their confirmation is taken back, in one run.
class TfrmOCI020 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmOCI020(QWidget *parent = nullptr);

    widgets::MaskEdit *medINSP_DATE_S, *medINSP_DATE_E, *medPUT_DATE;
    QLineEdit *edtC_CODE_S, *edtC_CODE_NM_S, *edtINSP_NO_S, *edtPUT_EMP_NO, *edtPUT_EMP_NO_NM;
    QComboBox *cobAPPR_GUBUN;
    TPopupBtn *pbtnPUT_EMP_NO;
    QPushButton *bbtAppr, *bbtSelectAll, *bbtSelectCancel;
    QProgressBar *pbIng;
    widgets::DataGrid *rgdOC010MS, *rgdOC010DT;
    widgets::RecordSet *cdsOC010MS, *cdsOC010DT;

    void bbtApprClick();
    void bbtSelectAllClick();
    void bbtSelectCancelClick();

protected:
    void glSelect() override;
    void glOnEnterEvent(QWidget *control) override;
    void glOnExitEvent(QWidget *control) override;
    bool glOnKeyDown(QWidget *control, QKeyEvent *event) override;

private:
    void rgdOC010MSRowChange();
    void employeePicked();
    void tickAll(const QString &tick);
    // One ticked row inside the run's transaction: confirmed or reversed, or
    // passed over when another workstation changed it since the search.
    void processRow(int row, const QString &putDate, const QString &putEmpNo);
};
