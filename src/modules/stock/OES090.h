#pragma once
#include "modules/stock/CostReportViewer.h"

// OES090: compiles the daily cost report of a date (the second procedure)
// and shows "DailyFBReport.mrd".
class TfrmOES090 : public CostReportViewer {
    Q_OBJECT
public:
    explicit TfrmOES090(QWidget *parent = nullptr);
};
