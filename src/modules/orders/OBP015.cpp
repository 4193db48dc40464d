#include "modules/orders/OBP015.h"

TfrmOBP015::TfrmOBP015(QWidget *parent)
    : reports::ReportViewer(QString::fromUtf8(kReport), QStringLiteral("계약관련발주서"), parent)
{
    setObjectName(QStringLiteral("frmOBP015"));
    setAttribute(Qt::WA_DeleteOnClose);
}

#include "moc_OBP015.cpp"
