#include "modules/issues/ODP020.h"

#include "framework/SharedSql.h"

namespace {

const QString kLines = QStringLiteral(R"(SELECT A.MOVE_SEQ, A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.QTY, %1 SOOBUL_UNIT_NM,
  COALESCE(C.STOCK_COST,0) COST, ROUND(A.QTY * COALESCE(C.STOCK_COST,0), 0) AMT
FROM OD020DT A
  JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
  LEFT JOIN OZ050MS C ON C.STOCK_DATE = A.MOVE_DATE AND C.ITEM_CODE = A.ITEM_CODE
WHERE A.MOVE_DATE = :MOVE_DATE AND A.FROM_STRG_CODE = :FROM_STRG_CODE AND A.TO_STRG_CODE = :TO_STRG_CODE
  AND A.MOVE_NUM = :MOVE_NUM
ORDER BY A.MOVE_SEQ)").arg(sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")));

} // namespace

TfrmODP020::TfrmODP020()
    : StockForm({QStringLiteral("ODP020"), QStringLiteral("이동출고의뢰서"),
                 {QStringLiteral("No. "), QStringLiteral("출고일자:"), QStringLiteral("이동창고:")},
                 {QStringLiteral("qrlMove_no"), QStringLiteral("qrlMove_Date"), QStringLiteral("qrlStrg_Code")},
                 {QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("부 서 장")}, kLines})
{
}
