#pragma once
#include "framework/RecordEntry.h"

class TreePanel;

// 창고코드 등록: the warehouses, a tree through their parent warehouse.
class TfrmOXI060 : public RecordEntryScreen {
    Q_OBJECT
public:
    explicit TfrmOXI060(QWidget *parent = nullptr);

    TreePanel *tree;

protected:
    void glInsert() override;
    bool validate() override;
    void afterSave(bool inserted) override;
    void afterDelete() override;

private:
    void listBelow(const QString &strgCode);
};
