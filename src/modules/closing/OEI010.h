#pragma once
#include "framework/ZOI010.h"

class ItemPicker;
class LineEditor;
class QLineEdit;
class QPushButton;
namespace widgets { class DataGrid; class MaskEdit; class NumEdit; class RecordSet; }

// 재고 실사 조정: the counted quantity of each item of a warehouse on a
// count date beside its book stock; saving stores the differences as count
// lines and posts them to the stock, deleting reverses and removes them.
class TfrmOEI010 : public TfrmZOI010 {
    Q_OBJECT
public:
    explicit TfrmOEI010(QWidget *parent = nullptr);

    widgets::MaskEdit *medSILS_DATE_S;
    QLineEdit *edtSTRG_CODE_S, *edtSTRG_CODE_NM_S;
    ItemPicker *picker;   // the pages "품목조회" and "재고품목조회"
    QPushButton *bbtMove;
    widgets::RecordSet *cdsOX050MS;
    widgets::DataGrid *rgdOX050MS;
    QLineEdit *edtSTRG_CODE, *edtSTRG_CODE_NM, *edtITEM_CODE, *edtITEM_NAME, *edtITEM_STANDARD1, *edtSOOBUL_UNIT_NM;
    widgets::NumEdit *edtSils_Qty, *edtStoc_Qty, *edtStoc_Cost, *edtGG_QTY;
    QPushButton *btnLineAppend, *btnLineDelete;

    void bbtItemSelectClick();
    void bbtStockClick();
    void bbtMoveClick();

protected:
    void glSelect() override;
    void glInsert() override;
    void glSave() override;
    void glCancel() override;
    bool glDelete() override;
    void glOnExitEvent(QWidget *control) override;

private:
    void buildSearchPanel();
    QWidget *buildPicking();
    void buildCount();
    // The warehouse of the search panel when it is whole; else the user is told.
    bool warehouseChosen();
    QString countDate() const;
    QString countMonth() const;
    void loadCount();
    void setCountEditable(bool editable);
    void itemChosen();
    void showAdjustment();
    // rgdOX050MSCellExit: the adjustment of a row follows its counted quantity.
    void countedChanged(int row, int field);
    void postCount(const QString &flag);

    LineEditor *m_lines;
};
