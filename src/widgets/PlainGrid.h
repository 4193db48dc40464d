#pragma once
// A grid whose rows the program fills cell by cell. Cells hold text (or
// numbers); the columns' display formats apply as in the data-bound grid.

#include "widgets/GridBase.h"

namespace widgets {

class PlainGrid : public GridBase
{
    Q_OBJECT
public:
    explicit PlainGrid(QWidget *parent = nullptr);
    ~PlainGrid() override;

    void setRowCount(int rows);                 // adds empty rows or drops rows at the end
    int appendRow();                            // the new row's number
    void insertRow(int at);                     // an empty row before `at`
    void deleteRow(int at);
    void clearRows();

    void setCells(int col, int row, const QString &text);
    void setCellValue(int col, int row, const QVariant &value);
    void setCellNumber(int col, int row, double value);

protected:
    void columnsChanged() override;

private:
    RecordSet *m_rows;
};

} // namespace widgets
