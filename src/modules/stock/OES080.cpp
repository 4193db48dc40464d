#include "modules/stock/OES080.h"

TfrmOES080::TfrmOES080(QWidget *parent)
    : CostReportViewer(QStringLiteral("OES080"), QStringLiteral("PR_O_DAILY_COST_REPORT"),
                       {{QStringLiteral("Rdviewer401"), QStringLiteral("DAILYFB.mrd")},
                        {QStringLiteral("Rdviewer402"), QStringLiteral("FNB_Index.mrd"), true}},
                       parent)
{
    setObjectName(QStringLiteral("frmOES080"));
}

#include "moc_OES080.cpp"
