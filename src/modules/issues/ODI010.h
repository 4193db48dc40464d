#pragma once
#include "framework/Binding.h"
#include "framework/Records.h"
#include "framework/ZOI010.h"

class LineEditor;
class QLineEdit;
class QPushButton;
namespace widgets { class DataGrid; class MaskEdit; class NumEdit; class RecordSet; }

// 출고 의뢰 등록: normal issues out of a warehouse, saved as confirmed and
// posted at once; every kind of issue is listed, only normal issues whose
// confirmation was cancelled can be changed.
class TfrmODI010 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmODI010(QWidget *parent = nullptr);

    // search panel
    widgets::MaskEdit *medDELI_DATE_S, *medDELI_DATE_E;
    QLineEdit *edtSTRG_CODE_S, *edtSTRG_CODE_NM_S;
    // header
    QWidget *panHeader;
    widgets::MaskEdit *medDELI_DATE;
    QLineEdit *edtSTRG_CODE, *edtSTRG_CODE_NM, *edtDELI_NO;
    // lists
    widgets::DataGrid *rgdOD010MS, *rgdOD010DT;
    widgets::RecordSet *cdsOD010MS, *cdsOD010DT;
    // line input
    QLineEdit *edtITEM_CODE, *edtITEM_NAME, *edtITEM_STANDARD1, *edtSOOBUL_UNIT_NM, *edtREMARK;
    widgets::NumEdit *edtQTY, *edtStock_Qty;
    widgets::MaskEdit *medSILS_DATE;
    QPushButton *btnLineAppend, *btnLineDelete, *btnLoad;

    void btnLoadClick();

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
    void showCurrentIssue();
    void refreshStock();
    bool stockAllows() const;
    void setHeaderEditable(bool editable, bool keyLocked);
    Params currentKey() const;
    QString writeIssue(bool inserting, const QString &date, const QString &strg, const QString &deliNo);

    RecordBinding m_header;
    LineEditor *m_lines = nullptr;
    Params m_editKey;
    bool m_started = false;
};
