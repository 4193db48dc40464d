#include "modules/issues/IssueCommon.h"

#include "db/Connection.h"
#include "framework/Checks.h"
#include "framework/ErrorDisplay.h"
#include "framework/SharedSql.h"

#include <QMap>

namespace issues {

Lookup StockItem(const QString &button, const QStringList &into, const LookupOptions &options)
{
    const QString statement =
        QStringLiteral("SELECT A.ITEM_CODE, A.ITEM_NAME, A.ITEM_STANDARD1, %1 SOOBUL_UNIT_NM, A.PROD_ITEM "
                       "  FROM OX010MS A WHERE A.USE_YN = 'Y' ORDER BY A.ITEM_NAME")
            .arg(sql::UnitName(QStringLiteral("A.SOOBUL_UNIT")));
    return {button, into, statement, QStringLiteral("A.ITEM_NAME"), TypedIn::Name,
            {QStringLiteral("품목코드"), QStringLiteral("품 목 명"), QStringLiteral("규    격"), QStringLiteral("단위"),
             QStringLiteral("자체생산품")},
            {QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("20"), QStringLiteral("6"), QStringLiteral("0")},
            options};
}

QString IssueKindNameSql(const QString &column)
{
    return QStringLiteral("CASE %1 WHEN '1' THEN '정상출고' WHEN '2' THEN '이동불출' WHEN '3' THEN '불출반입' "
                          "WHEN '4' THEN '폐    기' WHEN '5' THEN '손 망 실' ELSE '' END").arg(column);
}

QString StateNameSql(const QString &column) { return sql::OrderStatusNameSql(column); }
QString StateName(const QString &apprGubun) { return sql::OrderStatusName(apprGubun); }

void Post(db::Connection &conn, const QString &procedure, const QString &numberInput, const QString &number,
          const QString &flag)
{
    const QString answer = conn.callProcedure(procedure, {{numberInput, number}, {QStringLiteral("I_FLAG"), flag}})
                               .value(QStringLiteral("O_CHK")).trimmed();
    if (answer != QLatin1String("Y"))
        throw EUserExcept(answer);
}

int FirstShortLine(db::Connection &conn, const QString &strgCode, const QString &date, const QList<StockLine> &lines)
{
    QMap<QString, double> needed;
    for (const StockLine &line : lines)
        needed[line.itemCode] += line.qty;
    for (int i = 0; i < lines.size(); ++i) {
        const QString item = lines.at(i).itemCode;
        if (!needed.contains(item))
            continue;   // already found sufficient
        if (GetStockQty(strgCode, item, date, conn) < needed.take(item))
            return i;
    }
    return -1;
}

QList<widgets::GridColumn> StockLineColumns(const QString &seqField)
{
    return {
        {seqField, QStringLiteral("순번"), 0},
        {QStringLiteral("ITEM_CODE"), QStringLiteral("품목코드"), 0},
        {QStringLiteral("ITEM_NAME"), QStringLiteral("품 목 명"), 180},
        {QStringLiteral("ITEM_STANDARD1"), QStringLiteral("규    격"), 120},
        {QStringLiteral("QTY"), QStringLiteral("수량"), 70, QStringLiteral("#,##0.0")},
        {QStringLiteral("STOCK_QTY"), QStringLiteral("현재고"), 70, QStringLiteral("#,##0.0")},
        {QStringLiteral("SOOBUL_UNIT_NM"), QStringLiteral("단위"), 50},
        {QStringLiteral("REMARK"), QStringLiteral("비  고"), 200},
    };
}

QString StockLinesSql(const QString &table, const QString &seqField, const QString &strgColumn, const QString &where)
{
    return QStringLiteral(R"(SELECT A.%2, A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.QTY,
  COALESCE((SELECT Z.STOC_QTY FROM OZ010MS Z
             WHERE Z.STRG_CODE = A.%3 AND Z.ITEM_CODE = A.ITEM_CODE
               AND Z.STOC_YYMM = (SELECT MAX(Y.STOC_YYMM) FROM OZ010MS Y
                                   WHERE Y.STRG_CODE = A.%3 AND Y.ITEM_CODE = A.ITEM_CODE)), 0) STOCK_QTY,
  %4 SOOBUL_UNIT_NM, A.REMARK
FROM %1 A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE %5
ORDER BY A.%2)").arg(table, seqField, strgColumn, sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")), where);
}

} // namespace issues
