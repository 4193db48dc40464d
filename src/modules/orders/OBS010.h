#pragma once
#include "framework/ZOI010.h"

class QLineEdit;
class QPushButton;
class TfrmOBP015;
namespace widgets { class DataGrid; class MaskEdit; class RecordSet; }

// 구매 발주서 출력: confirmed orders, their order form and contract order.
class TfrmOBS010 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmOBS010(QWidget *parent = nullptr);

    widgets::MaskEdit *medORDE_DATE_S, *medORDE_DATE_E;
    QLineEdit *edtC_CODE_S, *edtC_CODE_NM_S, *edtORDE_NO_S;
    widgets::DataGrid *rgdOB010MS, *rgdOB010DT;
    widgets::RecordSet *cdsOB010MS, *cdsOB010DT;
    QPushButton *bbtPrint_All;

    void bbtPrintClick(bool toPreview);
    TfrmOBP015 *bbtPrint_AllClick();

protected:
    void glSelect() override;
    void glOnExitEvent(QWidget *control) override;

private:
    void loadLines();
};
