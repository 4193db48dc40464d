#include "modules/stock/OES090.h"

TfrmOES090::TfrmOES090(QWidget *parent)
    : CostReportViewer(QStringLiteral("OES090"), QStringLiteral("PR_O_DAILY_COST_REPORT1"),
                       {{QStringLiteral("Rdviewer401"), QStringLiteral("DailyFBReport.mrd")}}, parent)
{
    setObjectName(QStringLiteral("frmOES090"));
}

#include "moc_OES090.cpp"
