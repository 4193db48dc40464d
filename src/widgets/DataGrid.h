#pragma once
// A grid showing a RecordSet: its current row follows the record set's
// current record and the other way round.

#include "widgets/GridBase.h"

namespace widgets {

class DataGrid : public GridBase
{
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    void setRecordSet(RecordSet *records);
    RecordSet *recordSet() const;
};

} // namespace widgets
