#pragma once
#include "framework/ZOI010.h"

class ItemPicker;
class LineEditor;
class QLineEdit;
class QPushButton;
namespace widgets { class DataGrid; class MaskEdit; class NumEdit; class RecordSet; }

// 기초재고 등록: the opening stock of a warehouse on an opening date, one
// list rewritten as a whole and posted to the stock with it.
class TfrmOXI080 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmOXI080(QWidget *parent = nullptr);

    QLineEdit *edtSTRG_CODE_S, *edtSTRG_CODE_NM_S;
    widgets::MaskEdit *medSILS_DATE_S;
    QPushButton *Button1, *bbtMove;
    ItemPicker *picker;   // the page "품목조회"
    widgets::RecordSet *cdsOX050MS;
    widgets::DataGrid *rgdOX050MS;
    QLineEdit *edtITEM_CODE, *edtITEM_NAME, *edtITEM_STANDARD1, *edtSOOBUL_UNIT_NM;
    widgets::NumEdit *edtSils_Qty, *edtSils_Cost, *edtSils_Amt;
    QPushButton *btnLineAppend, *btnLineDelete;

    // "기초재고등록자료 배치작업": every opening list of the date into the stock.
    void Button1Click();
    void bbtMoveClick();

protected:
    void glSelect() override;
    void glInsert() override;
    void glEdit() override;
    void glSave() override;
    void glCancel() override;
    bool glDelete() override;
    void glOnExitEvent(QWidget *control) override;

private:
    void buildLines();
    bool warehouseChosen();
    QString openingDate() const;
    void loadList();
    // Takes the list's effect on the stock out ("DEL") or puts it in ("INS").
    void post(const QString &flag, const QString &refusal);
    void removeList();

    LineEditor *m_lines;
};
