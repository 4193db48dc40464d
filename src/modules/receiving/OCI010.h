#pragma once
#include "framework/Binding.h"
#include "framework/ZOI010.h"
#include "modules/receiving/ReceiptWrite.h"

class LineEditor;
struct OrderLinePick;
class QComboBox;
class QLineEdit;
class QPushButton;
namespace widgets { class DataGrid; class MaskEdit; class NumEdit; class RecordSet; }

// 검수입고 등록: goods delivered by a supplier, inspected and recorded per
// delivery, their lines taken from confirmed order lines or typed in.
class TfrmOCI010 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmOCI010(QWidget *parent = nullptr);

    // search panel
    widgets::MaskEdit *medINSP_DATE_S, *medINSP_DATE_E;
    QLineEdit *edtC_CODE_S, *edtC_CODE_NM_S, *edtINSP_NO_S;
    // header
    QWidget *panHeader;
    widgets::MaskEdit *medINSP_DATE;
    QLineEdit *edtINSP_NO, *edtC_CODE, *edtC_CODE_NM, *edtSTRG_CODE, *edtSTRG_CODE_NM, *edtINSP_EMP_NO,
        *edtINSP_EMP_NO_NM, *edtINSP_NAME;
    QPushButton *bbtOrdeSerch;
    // lists
    widgets::DataGrid *rgdOC010MS, *rgdOC010DT;
    widgets::RecordSet *cdsOC010MS, *cdsOC010DT;
    // line input
    QLineEdit *edtITEM_CODE, *edtITEM_NAME, *edtITEM_STANDARD1, *edtGUMAE_UNIT_NM, *edtSOOBUL_UNIT_NM, *edtREMARK,
        *edtTAX_GUBUN, *edtSOOBUL_YN;
    widgets::NumEdit *edtORDE_QTY, *edtCHANGE_QTY, *edtPUT_QTY, *edtCOST_AMT, *edtAMT, *edtTax_amt, *edtLastCost;
    QComboBox *cbTAX_GUBUN;
    QPushButton *btnLineAppend, *btnLineDelete;

    void bbtOrdeSerchClick();
    void btnLineAppendClick();
    void btnLineDeleteClick();
    // The inspection statement of the current receipt, to the preview or the printer.
    void bbtPreviewClick(bool toPreview = true);

protected:
    void glSelect() override;
    void glInsert() override;
    void glEdit() override;
    void glSave() override;
    void glCancel() override;
    bool glDelete() override;
    void glOnExitEvent(QWidget *control) override;
    bool glOnKeyDown(QWidget *control, QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildSearchPanel();
    void buildList();
    void buildHeader();
    void buildLines();
    void showCurrentReceipt();
    void showLastCost();
    void recomputeLine();
    void setHeaderEditable(bool editable, bool keyLocked);
    void takeOrderLines(const QVector<OrderLinePick> &lines);
    receiving::ReceiptDraft draft(bool inserting) const;
    receiving::ReceiptKey currentKey() const;

    RecordBinding m_header;
    LineEditor *m_lines = nullptr;
    receiving::ReceiptKey m_editKey;
    bool m_started = false;
};
