#pragma once
#include "modules/stock/CostReportViewer.h"

// OES080: compiles the daily cost report of a date and shows "DAILYFB.mrd"
// above and "FNB_Index.mrd" below.
class TfrmOES080 : public CostReportViewer {
    Q_OBJECT
public:
    explicit TfrmOES080(QWidget *parent = nullptr);
};
