#include "modules/stock/OES040.h"
#include "modules/stock/StockColumns.h"

using namespace stock;

namespace {

// Identical lines (two equal issues on one day) are two movements: the parts
// are joined with UNION ALL so that neither is lost from the balance. The
// opening comes from the month's row, or from the stock the latest earlier
// row carries when the month has none yet.
const char *const kLedger = R"(WITH LINES AS (
  SELECT CAST(:DATE_S AS VARCHAR(10)) LINE_DATE, 0 SEQ, '전월재고' DOC_NO, Z.STRG_CODE,
         CASE WHEN Z.STOC_YYMM = :YYMM THEN Z.OVER_QTY ELSE Z.STOC_QTY END PUT_QTY,
         0 DELI_QTY, 0 RETU_QTY, 0 MOVE_IN_QTY, 0 MOVE_OUT_QTY
    FROM OZ010MS Z
   WHERE Z.ITEM_CODE = :ITEM_CODE AND Z.STRG_CODE LIKE COALESCE(:STRG_CODE, '') || '%'
     AND Z.STOC_YYMM = (SELECT MAX(P.STOC_YYMM) FROM OZ010MS P
                         WHERE P.STRG_CODE = Z.STRG_CODE AND P.ITEM_CODE = Z.ITEM_CODE AND P.STOC_YYMM <= :YYMM)
  UNION ALL
  SELECT TO_CHAR(M.PUT_DATE, 'YYYY-MM-DD'), 1, M.INSP_NO, M.STRG_CODE, COALESCE(D.PUT_QTY, 0), 0, 0, 0, 0
    FROM OC010MS M
    JOIN OC010DT D ON D.INSP_DATE = M.INSP_DATE AND D.C_CODE = M.C_CODE AND D.INSP_NUM = M.INSP_NUM
   WHERE D.ITEM_CODE = :ITEM_CODE AND M.STRG_CODE LIKE COALESCE(:STRG_CODE, '') || '%'
     AND M.PUT_DATE BETWEEN :DATE_S AND :DATE_E
  UNION ALL
  SELECT TO_CHAR(M.APPR_DATE, 'YYYY-MM-DD'), 2, M.DELI_NO, M.STRG_CODE, 0, COALESCE(D.QTY, 0), 0, 0, 0
    FROM OD010MS M
    JOIN OD010DT D ON D.DELI_DATE = M.DELI_DATE AND D.STRG_CODE = M.STRG_CODE AND D.DELI_NUM = M.DELI_NUM
   WHERE D.ITEM_CODE = :ITEM_CODE AND M.STRG_CODE LIKE COALESCE(:STRG_CODE, '') || '%'
     AND M.APPR_GUBUN = '2' AND M.APPR_DATE BETWEEN :DATE_S AND :DATE_E
  UNION ALL
  SELECT TO_CHAR(S.SILS_DATE, 'YYYY-MM-DD'), 2, '실사조정', S.STRG_CODE, 0, -COALESCE(S.SILS_COST, 0), 0, 0, 0
    FROM OZ020MS S
   WHERE S.ITEM_CODE = :ITEM_CODE AND S.STRG_CODE LIKE COALESCE(:STRG_CODE, '') || '%'
     AND S.SILS_GUBUN = '2' AND S.SILS_DATE BETWEEN :DATE_S AND :DATE_E
  UNION ALL
  SELECT TO_CHAR(M.RETU_DATE, 'YYYY-MM-DD'), 3, '반품', M.STRG_CODE, 0, 0, COALESCE(D.QTY, 0), 0, 0
    FROM OD030MS M
    JOIN OD030DT D ON D.RETU_DATE = M.RETU_DATE AND D.C_CODE = M.C_CODE AND D.RETU_NUM = M.RETU_NUM
   WHERE D.ITEM_CODE = :ITEM_CODE AND M.STRG_CODE LIKE COALESCE(:STRG_CODE, '') || '%'
     AND M.RETU_DATE BETWEEN :DATE_S AND :DATE_E
  UNION ALL
  SELECT TO_CHAR(M.APPR_DATE, 'YYYY-MM-DD'), 4, M.MOVE_NO, M.TO_STRG_CODE, 0, 0, 0, COALESCE(D.QTY, 0), 0
    FROM OD020MS M
    JOIN OD020DT D ON D.MOVE_DATE = M.MOVE_DATE AND D.FROM_STRG_CODE = M.FROM_STRG_CODE
                  AND D.TO_STRG_CODE = M.TO_STRG_CODE AND D.MOVE_NUM = M.MOVE_NUM
   WHERE D.ITEM_CODE = :ITEM_CODE AND M.TO_STRG_CODE LIKE COALESCE(:STRG_CODE, '') || '%'
     AND M.APPR_GUBUN = '2' AND M.APPR_DATE BETWEEN :DATE_S AND :DATE_E
  UNION ALL
  SELECT TO_CHAR(M.APPR_DATE, 'YYYY-MM-DD'), 5, M.MOVE_NO, M.FROM_STRG_CODE, 0, 0, 0, 0, COALESCE(D.QTY, 0)
    FROM OD020MS M
    JOIN OD020DT D ON D.MOVE_DATE = M.MOVE_DATE AND D.FROM_STRG_CODE = M.FROM_STRG_CODE
                  AND D.TO_STRG_CODE = M.TO_STRG_CODE AND D.MOVE_NUM = M.MOVE_NUM
   WHERE D.ITEM_CODE = :ITEM_CODE AND M.FROM_STRG_CODE LIKE COALESCE(:STRG_CODE, '') || '%'
     AND M.APPR_GUBUN = '2' AND M.APPR_DATE BETWEEN :DATE_S AND :DATE_E
)
SELECT L.LINE_DATE, W.STRG_NAME, L.DOC_NO, L.PUT_QTY, L.DELI_QTY, L.RETU_QTY, L.MOVE_IN_QTY, L.MOVE_OUT_QTY,
       SUM(L.PUT_QTY - L.DELI_QTY - L.RETU_QTY + L.MOVE_IN_QTY - L.MOVE_OUT_QTY)
         OVER (ORDER BY L.LINE_DATE, L.SEQ, L.STRG_CODE, L.DOC_NO ROWS UNBOUNDED PRECEDING) BALANCE
  FROM LINES L LEFT JOIN OX060MS W ON W.STRG_CODE = L.STRG_CODE
 ORDER BY L.LINE_DATE, L.SEQ, L.STRG_CODE, L.DOC_NO)";

ListScreenSpec spec()
{
    ListScreenSpec s;
    s.caption = QStringLiteral("품목 수불부");
    s.masterSql = QString::fromUtf8(kLedger);
    s.master = LedgerGrid();
    return s;
}

} // namespace

TfrmOES040::TfrmOES040(QWidget *parent)
    : StockSummaryScreen(QStringLiteral("OES040"),
                         {.stockWarehousesOnly = true, .item = true, .classes = false}, spec(), parent),
      cdsStock(masterRecords())
{
    setObjectName(QStringLiteral("frmOES040"));
}

Params TfrmOES040::searchParams() const
{
    const StockPeriod &p = searched().period;
    return {{QStringLiteral("YYMM"), p.startMonth}, {QStringLiteral("DATE_S"), FirstDay(p.startMonth)},
            {QStringLiteral("DATE_E"), LastDay(p.startMonth)}, {QStringLiteral("STRG_CODE"), p.warehouse},
            {QStringLiteral("ITEM_CODE"), p.item}};
}

QString TfrmOES040::exportTitle() const { return searched().month + QLatin1Char(' ') + searched().warehouse; }
