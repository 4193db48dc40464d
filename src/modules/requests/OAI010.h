#pragma once
#include "framework/Binding.h"
#include "framework/ZOI010.h"
#include "modules/requests/RequestData.h"

class LineEditor;
class PriceHistory;
class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
namespace widgets { class DataGrid; class DbEdit; class MaskEdit; class NumEdit; class RecordSet; }

// 구매의뢰 등록: a warehouse's purchase request, its header and item lines.
class TfrmOAI010 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmOAI010(QWidget *parent = nullptr);

    // Search panel
    widgets::MaskEdit *medPURC_DATE_S, *medPURC_DATE_E;
    QLineEdit *edtSTRG_CODE_S, *edtSTRG_CODE_NM_S, *edtDEPT_NAME, *edtPURC_NO_S;
    // Request list
    widgets::RecordSet *cdsOA010MS;
    widgets::DataGrid *rdgOA010MS;
    // Header
    widgets::MaskEdit *medPURC_DATE, *medPLAN_DATE;
    QLineEdit *edtPURC_NO, *edtSTRG_CODE, *edtSTRG_CODE_NM;
    widgets::DbEdit *dbeDept_code, *dbeDept_code_nm, *dbeREMARK_MS, *dbeCHAR_NAME, *dbeCHAR_TEL;
    // Line input panel
    QLineEdit *edtITEM_CODE, *edtITEM_NAME, *edtITEM_STANDARD1, *edtGUMAE_UNIT_NM, *edtREMARK_DT, *edtC_CODE,
        *edtC_CODE_NM;
    widgets::NumEdit *edtNEED_QTY, *edtStock_Qty, *edtQTY, *edtESTI_AMT, *edtCOST_AMT;
    QCheckBox *chkEMER_CHK;
    QPushButton *btnLineAppend, *btnLineDelete, *BitBtn1;
    PriceHistory *rdgHistory;
    // Lines
    widgets::RecordSet *cdsOA010DT;
    widgets::DataGrid *rgdOA010DT;
    QMenu *PopupMenu1, *PopupMenu2;

protected:
    void glSelect() override;
    void glInsert() override;
    void glEdit() override;
    void glSave() override;
    void glCancel() override;
    bool glDelete() override;
    void glOnExitEvent(QWidget *control) override;
    bool glOnKeyDown(QWidget *control, QKeyEvent *event) override;

private:
    void buildSearchPanel();
    void buildHeader();
    void buildLines(QWidget *parent);
    void buildPrintMenus();
    void installLookups();

    requests::RequestKey currentKey() const;
    // The current request in the header and line areas.
    void showCurrentRequest();
    void itemChosen();
    void needQtyLeft();
    void setHeaderLocked(bool locked);
    // A save refused because the request changed meanwhile: back to the
    // request as it is now.
    void abandonEdit();
    QVector<requests::RequestLine> enteredLines() const;

    RecordBinding m_header;
    LineEditor *m_lines = nullptr;
    requests::RequestKey m_editKey;
};
