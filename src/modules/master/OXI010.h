#pragma once
#include "framework/RecordEntry.h"

class ClassCombos;
class PriceHistory;
class QCheckBox;
class QRadioButton;

// 품목코드등록: the items, coded by their minor class and a serial.
class TfrmOXI010 : public RecordEntryScreen {
    Q_OBJECT
public:
    explicit TfrmOXI010(QWidget *parent = nullptr);

    ClassCombos *classes;
    PriceHistory *rdgHistory;
    QRadioButton *rbtFixed_pru1, *rbtFixed_pru2;
    QCheckBox *chkSoobul_yn, *chkUse_yn, *chkProd_item;

protected:
    void glSelect() override;
    void glInsert() override;
    void glEdit() override;
    void glSave() override;
    void glCancel() override;
    void glOnExitEvent(QWidget *control) override;
    bool validate() override;
    void writeRecord(bool inserting) override;
    void afterSave(bool inserted) override;

private:
    void showCurrent();
    void showFlags();
    void copyFlags();
    void lockClass(bool locked);
    void checkRange(QWidget *control);
};
