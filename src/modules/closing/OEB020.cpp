#include "modules/closing/OEB020.h"
#include "framework/Checks.h"

TfrmOEB020::TfrmOEB020(QWidget *parent)
    : MonthClosingScreen(QStringLiteral("OEB020"), QStringLiteral("전산마감"),
                         {QStringLiteral("전산마감"), mcPurchaseClosed, mcBothClosed, QStringLiteral("PR_O_STOCK_END"),
                          false,
                          QStringLiteral("UPDATE OZ030MS SET COMP_CLOSE = 'N', U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), "
                                         "U_IP = :U_IP WHERE CLOS_YYMM = :CLOS_YYMM")},
                         parent)
{
}

#include "moc_OEB020.cpp"
