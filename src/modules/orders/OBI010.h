#pragma once
#include "framework/Binding.h"
#include "framework/ZOI010.h"
#include "modules/orders/OrderWrite.h"

class LineEditor;
struct RequestPick;
class PriceHistory;
class QComboBox;
class QLineEdit;
class QPushButton;
namespace widgets { class DataGrid; class MaskEdit; class NumEdit; class RecordSet; }

// 구매발주 등록: purchase orders per supplier, their lines typed in or taken
// from an approved purchase request.
class TfrmOBI010 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmOBI010(QWidget *parent = nullptr);

    // search panel
    widgets::MaskEdit *medORDE_DATE_S, *medORDE_DATE_E;
    QLineEdit *edtC_CODE_S, *edtC_CODE_NM_S, *edtORDE_NO_S;
    // header area
    QWidget *panHeader;
    widgets::MaskEdit *medORDE_DATE, *medPUT_DATE;
    QLineEdit *edtC_CODE, *edtC_CODE_NM, *edtORDE_NO, *edtREMARK_MS, *edtORDE_CHAR, *edtORDE_TEL, *edtINSP_CHAR,
        *edtINSP_TEL, *edtGIVE_TERM, *edtREPA_TERM, *edtPURC_NO, *edtDEPT_CODE_NM, *edtSTRG_CODE_NM, *edtSTRG_CODE;
    QComboBox *edtPAYM_TERM, *edtDELI_TERM, *edtDOCUMENT;
    QPushButton *bbtPurcSerch;
    // lists
    widgets::DataGrid *rgdOB010MS, *rgdOB010DT;
    PriceHistory *rdgHistory;
    widgets::RecordSet *cdsOB010MS, *cdsOB010DT;
    // line input
    QLineEdit *edtITEM_CODE, *edtITEM_NAME, *edtITEM_STANDARD1, *edtGUMAE_UNIT_NM, *edtREMARK_DT;
    widgets::NumEdit *edtQTY, *edtCOST_AMT, *edtAMT, *edtStock_Qty;
    QPushButton *btnLineAppend, *btnLineDelete;

    void bbtPurcSerchClick();

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
    void showCurrentOrder();
    void itemChosen();
    void setHeaderEditable(bool editable, bool keyLocked);
    void takeRequest(const RequestPick &pick);
    orders::OrderDraft draft(bool inserting) const;
    orders::OrderKey currentKey() const;

    RecordBinding m_header;
    LineEditor *m_lines = nullptr;
    orders::OrderKey m_editKey;
    bool m_started = false;
};
