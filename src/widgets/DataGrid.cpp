#include "widgets/DataGrid.h"

#include "widgets/RecordSet.h"

namespace widgets {

DataGrid::DataGrid(QWidget *parent)
    : GridBase(parent)
{
}

DataGrid::~DataGrid() = default;

void DataGrid::setRecordSet(RecordSet *records)
{
    bindRecordSet(records);
}

RecordSet *DataGrid::recordSet() const
{
    return boundRecordSet();
}

} // namespace widgets

#include "moc_DataGrid.cpp"
