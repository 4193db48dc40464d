#pragma once
#include "framework/ZOH010.h"

class QLineEdit;
class QPushButton;
class TPopupBtn;
namespace widgets { class DataGrid; class MaskEdit; class RecordSet; }

// 구매의뢰 내역 조회: the unordered lines of one approved request, ticked
// (with quantity and price changed if need be) to be taken into an order.
class TfrmOBI011 : public TfrmZOH010 {
    Q_OBJECT
public:
    explicit TfrmOBI011(QWidget *owner = nullptr);

    // Chooses a request and lists its lines (also how the order screen presets it).
    void setRequest(const QString &purcNo);
    bool bbtSearchClick() override;

    widgets::MaskEdit *medYYMM;
    QLineEdit *edtS_PURC_NO, *edtTemp;
    TPopupBtn *pbtnPURC_NO;
    widgets::MaskEdit *medPURC_DATE, *medPLAN_DATE;
    QLineEdit *edtPURC_NO, *edtCHAR_NAME, *edtCHAR_TEL, *edtM_REMARK, *edtSTRG_CODE, *edtSTRG_CODE_NM,
        *edtDEPT_CODE, *edtDEPT_CODE_NM;
    widgets::DataGrid *rgdPurc;
    widgets::RecordSet *cdsPurc;
    QPushButton *bbtExcel;

protected:
    void glOnEnterEvent(QWidget *control) override;
    void glOnExitEvent(QWidget *control) override;
    bool glOnKeyDown(QWidget *control, QKeyEvent *event) override;

private:
    void requestPicked();
};
