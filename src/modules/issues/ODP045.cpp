#include "modules/issues/ODP045.h"

TfrmODP045::TfrmODP045(QWidget *parent)
    : reports::ReportViewer(QString::fromUtf8(kReport), QStringLiteral("반품명세서"), parent)
{
    setObjectName(QStringLiteral("frmODP045"));
    setAttribute(Qt::WA_DeleteOnClose);
}

#include "moc_ODP045.cpp"
