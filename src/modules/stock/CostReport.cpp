#include "modules/stock/CostReport.h"

namespace stock {

namespace {

// A combined percentage is the ratio rounded to 0.01 times 100, 0 without sales.
QString combinedPercent(const char *span)
{
    return QStringLiteral("CASE WHEN COALESCE(FOOD_%1S, 0) + COALESCE(BEVE_%1S, 0) = 0 THEN 0 "
                          "ELSE ROUND((COALESCE(FOOD_%1W, 0) + COALESCE(BEVE_%1W, 0)) * 1.0 "
                          "/ (COALESCE(FOOD_%1S, 0) + COALESCE(BEVE_%1S, 0)), 2) * 100 END TOT_%1P")
        .arg(QLatin1String(span));
}

} // namespace

QString CostReportSql()
{
    return QStringLiteral(
               "SELECT GUBUN_CD1, GUBUN_NM1, GUBUN_CD2, GUBUN_NM2, "
               "FOOD_TW, FOOD_TS, FOOD_TP, FOOD_MTDW, FOOD_MTDS, FOOD_MTDP, FOOD_YMTDW, FOOD_YMTDS, FOOD_YMTDP, "
               "BEVE_TW, BEVE_TS, BEVE_TP, BEVE_MTDW, BEVE_MTDS, BEVE_MTDP, BEVE_YMTDW, BEVE_YMTDS, BEVE_YMTDP, "
               "COALESCE(FOOD_TW, 0) + COALESCE(BEVE_TW, 0) TOT_TW, "
               "COALESCE(FOOD_MTDW, 0) + COALESCE(BEVE_MTDW, 0) TOT_MTDW, %1, %2, %3 "
               "FROM OT010MS WHERE COST_DATE = :COST_DATE ORDER BY GUBUN_CD1, GUBUN_CD2")
        .arg(combinedPercent("T"), combinedPercent("MTD"), combinedPercent("YMTD"));
}

} // namespace stock
