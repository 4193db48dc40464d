#include "modules/issues/ODP010.h"

#include "framework/SharedSql.h"

namespace {

const QString kLines = QStringLiteral(R"(SELECT B.DELI_SEQ, B.ITEM_CODE, C.ITEM_NAME, C.ITEM_STANDARD1, B.QTY, %1 SOOBUL_UNIT_NM,
  COALESCE(D.STOCK_COST,0) COST, ROUND(B.QTY * COALESCE(D.STOCK_COST,0), 0) AMT
FROM OD010MS A
  JOIN OD010DT B ON B.DELI_DATE = A.DELI_DATE AND B.STRG_CODE = A.STRG_CODE AND B.DELI_NUM = A.DELI_NUM
  JOIN OX010MS C ON C.ITEM_CODE = B.ITEM_CODE
  LEFT JOIN OZ050MS D ON D.STOCK_DATE = A.APPR_DATE AND D.ITEM_CODE = B.ITEM_CODE
WHERE A.DELI_DATE = :DELI_DATE AND A.STRG_CODE = :STRG_CODE AND A.DELI_NUM = :DELI_NUM
ORDER BY B.DELI_SEQ)").arg(sql::UnitName(QStringLiteral("C.SOOBUL_UNIT")));

} // namespace

TfrmODP010::TfrmODP010()
    : StockForm({QStringLiteral("ODP010"), QStringLiteral("출고의뢰서"),
                 {QStringLiteral("No. "), QStringLiteral("출고일자:"), QStringLiteral("출고창고:")},
                 {QStringLiteral("qrlDeli_no"), QStringLiteral("qrlDeli_Date"), QStringLiteral("qrlStrg_Code")},
                 {QStringLiteral("담  당"), QStringLiteral("팀  장"), QStringLiteral("부 서 장")}, kLines})
{
}
