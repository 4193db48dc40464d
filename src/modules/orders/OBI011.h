#pragma once
#include "framework/ZOH010.h"

#include <QVector>

class QLineEdit;
class QPushButton;
class TPopupBtn;
namespace widgets { class DataGrid; class MaskEdit; class RecordSet; }

// What the user took from a request: the request and its ticked lines.
struct RequestPick {
    QString purcNo, planDate, deptName, strgCode, strgName;
    struct Line {
        QString purcSeq, itemCode, itemName, standard, unit, remark, cCode, cName;
        double qty = 0, cost = 0, stock = 0;
    };
    QVector<Line> lines;
};

// 구매의뢰 내역 조회: the unordered lines of one approved request, ticked
// (with quantity and price changed if need be) to be taken into an order.
class TfrmOBI011 : public TfrmZOH010 {
    Q_OBJECT
public:
    explicit TfrmOBI011(QWidget *owner = nullptr);

    // After OK: the request shown and the ticked lines.
    RequestPick picked() const;
    // OK refuses ticked lines without a quantity above zero or with a price below zero.
    bool bbtOKClick() override;

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
