#pragma once
#include "framework/ZOH010.h"

#include <QVector>

class QComboBox;
class QLineEdit;
class QPushButton;
namespace widgets { class DataGrid; class MaskEdit; class RecordSet; }

// The order lines taken to be received, as the lower list of the dialog holds them.
struct OrderLinePick {
    QString ordeNo, ordeSeq, itemCode, itemName, standard, gumaeUnit, soobulUnit, taxText, strgCode, strgName, soobulYn;
    double ordeQty = 0;     // to receive now, purchase units
    double changeQty = 1;   // stock units per purchase unit
    double putQty = 0;      // stock units
    double costAmt = 0, amt = 0, taxAmt = 0;
};

// 구매발주 내역 조회: the open lines of the supplier's confirmed orders; the
// ticked ones are taken into the list of lines to receive, where the
// quantity and the tax type may be changed.
class TfrmOCI011 : public TfrmZOH010 {
    Q_OBJECT
public:
    // The supplier whose orders are listed, and the order period.
    TfrmOCI011(const QString &cCode, const QString &cName, const QString &from, const QString &to, QWidget *owner = nullptr);

    // After OK: every line of the lower list.
    QVector<OrderLinePick> picked() const;
    bool bbtSearchClick() override;
    // "입고 품목으로 선택": the ticked order lines into the lower list (each once).
    void BitBtn1Click();
    // "입고 품목에서 제외": the ticked lines leave the lower list.
    void BitBtn2Click();

    widgets::MaskEdit *medORDE_DATE_S, *medORDE_DATE_E;
    QLineEdit *edtORDE_NO, *edtC_CODE, *edtC_CODE_NM;
    QComboBox *cbTAX_GUBUN;
    QPushButton *BitBtn1, *BitBtn2;
    widgets::DataGrid *rgdOrde, *rgdInsp;
    widgets::RecordSet *cdsOrde, *cdsInsp;

protected:
    void glOnExitEvent(QWidget *control) override;

private:
    void recompute(int row);
};
