#include "modules/closing/OEB010.h"
#include "framework/Checks.h"

TfrmOEB010::TfrmOEB010(QWidget *parent)
    : MonthClosingScreen(QStringLiteral("OEB010"), QStringLiteral("구매마감"),
                         {QStringLiteral("구매마감"), mcOpen, mcPurchaseClosed, QStringLiteral("PR_O_STOCK_TOTAL_AVERAGE"),
                          true,
                          QStringLiteral("UPDATE OZ030MS SET ORDE_CLOSE = 'N', U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), "
                                         "U_IP = :U_IP WHERE CLOS_YYMM = :CLOS_YYMM")},
                         parent)
{
}

#include "moc_OEB010.cpp"
