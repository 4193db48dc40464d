#pragma once
#include "framework/Binding.h"
#include "framework/Records.h"
#include "framework/ZOI010.h"

#include <functional>

class LineEditor;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TfrmODP045;
namespace widgets { class DataGrid; class MaskEdit; class NumEdit; class RecordSet; }

// 반품 등록: goods sent back to a supplier, to be exchanged or simply
// returned, with prices and the tax as typed; posted for as long as the
// return exists.
class TfrmODI040 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmODI040(QWidget *parent = nullptr);

    // search panel
    widgets::MaskEdit *medRETU_DATE_S, *medRETU_DATE_E;
    QLineEdit *edtSTRG_CODE_S, *edtSTRG_CODE_NM_S, *edtC_CODE_S, *edtC_CODE_NM_S;
    // header
    QWidget *panHeader;
    widgets::MaskEdit *medRETU_DATE, *medPLAN_DATE;
    QLineEdit *edtSTRG_CODE, *edtSTRG_CODE_NM, *edtC_CODE, *edtC_CODE_NM, *edtRETU_REAS;
    // lists
    widgets::DataGrid *rgdOD030MS, *rgdOD030DT;
    widgets::RecordSet *cdsOD030MS, *cdsOD030DT;
    // line input
    QLineEdit *edtITEM_CODE, *edtITEM_NAME, *edtITEM_STANDARD, *edtSOOBUL_UNIT_NM, *edtREMARK;
    widgets::NumEdit *edtQTY, *edtCOST_AMT, *edtAMT, *edtTAX_AMT;
    QRadioButton *rbRetu_gb1, *rbRetu_gb2;
    QPushButton *btnLineAppend, *btnLineDelete, *bbtPrint_All;

    // The current return's statement.
    void print(bool toPreview);
    // "전체출력": the statement of every return the search names, in a report window.
    TfrmODP045 *bbtPrint_AllClick();

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
    void showCurrentReturn();
    void setHeaderEditable(bool editable, bool keyLocked);
    Params currentKey() const;
    QString writeReturn(bool inserting, const QString &date, const QString &cCode);

    RecordBinding m_header;
    LineEditor *m_lines = nullptr;
    QLineEdit *m_retuGubun, *m_retuGubunName;   // the chosen kind of return, bound to the line
    std::function<void()> m_chosenKind;          // the buttons into those two
    Params m_editKey;
    bool m_started = false;
};
