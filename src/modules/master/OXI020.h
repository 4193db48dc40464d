#pragma once
#include "framework/RecordEntry.h"

class QComboBox;
class QLabel;
class TreePanel;

// 품목분류코드 등록: the three-level tree of item classes.
class TfrmOXI020 : public RecordEntryScreen {
    Q_OBJECT
public:
    explicit TfrmOXI020(QWidget *parent = nullptr);

    TreePanel *tree;
    QComboBox *cboGubun;
    QLabel *lblLength;

protected:
    void glInsert() override;
    void glEdit() override;
    void glOnExitEvent(QWidget *control) override;
    bool validate() override;
    void afterSave(bool inserted) override;
    void afterDelete() override;

private:
    void listBelow(const QString &divideCode);
    void applyLevel();
    void showRecordLevel();
};
