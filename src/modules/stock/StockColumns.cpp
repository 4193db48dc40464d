#include "modules/stock/StockColumns.h"

namespace stock {

namespace {

using widgets::col::Sortable;

const char *const kQty = "#,##0.0";
const char *const kAmt = "#,##0";
const char *const kCost = "#,##0.0000";

widgets::GridColumn column(const char *field, const char *title, int width, const char *format = nullptr)
{
    return {QString::fromLatin1(field), QString::fromUtf8(title), width,
            format ? QString::fromLatin1(format) : QString(), Sortable};
}

QVector<widgets::GridColumn> itemColumns()
{
    return {column("ITEM_CODE", "품목코드", 70), column("ITEM_NAME", "품 목 명", 160),
            column("ITEM_STANDARD1", "규    격", 90), column("SOOBUL_UNIT_NM", "단위", 40)};
}

ListColumnGroup group(const char *title, int first, int last)
{
    return {QString::fromUtf8(title), first, last};
}

const QString kTotal = QStringLiteral("합  계");

} // namespace

ListGrid StatementGrid(bool withTax)
{
    QVector<widgets::GridColumn> columns = itemColumns();
    if (withTax)
        columns.append(column("UNIT_TAX", "개별부가세", 70, kAmt));
    QVector<ListColumnGroup> groups;
    QVector<int> sums;
    struct Part {
        const char *title;
        const char *qtyField;
        const char *qtyTitle;
        const char *amtField;
        const char *taxField;
        const char *totField;
    };
    const Part parts[] = {
        {"전월재고", "OVER_QTY", "수량", "OVER_AMT", "OVER_TAX", "OVER_TOT"},
        {"당월입고", "PUT_QTY", "수량", "PUT_AMT", "PUT_TAX", "PUT_TOT"},
        {"당월출고", "DELI_QTY", "수량", "DELI_AMT", "DELI_TAX", "DELI_TOT"},
        {"이동입고", "MOVE_IN_QTY", "입고", "MOVE_IN_AMT", "MOVE_IN_TAX", "MOVE_IN_TOT"},
        {"이동출고", "MOVE_OUT_QTY", "출고", "MOVE_OUT_AMT", "MOVE_OUT_TAX", "MOVE_OUT_TOT"},
        {"재    고", "STOC_QTY", "수량", "STOC_AMT", "STOC_TAX", "STOC_TOT"},
    };
    for (const Part &p : parts) {
        const int first = int(columns.size());
        columns.append(column(p.qtyField, p.qtyTitle, 70, kQty));
        if (QByteArray(p.qtyField) == "STOC_QTY")
            columns.append(column("STOCK_COST", "단  가", 80, kCost));
        sums.append(int(columns.size()));
        columns.append(column(p.amtField, "금  액", 90, kAmt));
        if (withTax) {
            columns.append(column(p.taxField, "부가세", 80, kAmt));
            columns.append(column(p.totField, "합 계", 90, kAmt));
        }
        groups.append(group(p.title, first, int(columns.size()) - 1));
    }
    return {QStringLiteral("rgdStock"), columns, groups, 2, {{kTotal, 0, sums}}};
}

ListGrid MonthSummaryGrid()
{
    QVector<widgets::GridColumn> columns = itemColumns();
    columns += {column("OVER_QTY", "수량", 70, kQty),        column("OVER_AMT", "금  액", 90, kAmt),
                column("CURR_PUT_QTY", "입고", 70, kQty),    column("CURR_DELI_QTY", "출고", 70, kQty),
                column("CURR_RETU_QTY", "반품", 70, kQty),   column("MOVE_PUT_QTY", "입고", 70, kQty),
                column("MOVE_DELI_QTY", "출고", 70, kQty),   column("STOC_QTY", "현재고", 70, kQty),
                column("STOCK_COST", "단  가", 80, kCost),   column("STOC_AMT", "재고금액", 100, kAmt)};
    return {QStringLiteral("rgdStock"), columns, {group("전월재고", 4, 5), group("이동/불출", 9, 10)}, 2,
            {{kTotal, 0, {5, 13}}}};
}

ListGrid WarehouseAmountsGrid()
{
    return {QStringLiteral("rgdStock"),
            {column("STRG_CODE", "창고코드", 60), column("STRG_NAME", "창고명", 140),
             column("OVER_AMT", "전월재고금액", 100, kAmt), column("PUT_AMT", "당월입고금액", 100, kAmt),
             column("DELI_AMT", "당월출고금액", 100, kAmt), column("MOVE_IN_AMT", "이동입고금액", 100, kAmt),
             column("MOVE_OUT_AMT", "이동출고금액", 100, kAmt), column("STOC_AMT", "재고금액", 100, kAmt)},
            {}, 2, {{kTotal, 0, {2, 3, 4, 5, 6, 7}}}};
}

ListGrid LedgerGrid()
{
    return {QStringLiteral("rgdStock"),
            {column("LINE_DATE", "일  자", 80, "yyyy-mm-dd"), column("STRG_NAME", "창고", 120),
             column("DOC_NO", "증빙번호", 110), column("PUT_QTY", "입고", 70, kQty),
             column("DELI_QTY", "출고", 70, kQty), column("RETU_QTY", "반품", 70, kQty),
             column("MOVE_IN_QTY", "입고", 70, kQty), column("MOVE_OUT_QTY", "출고", 70, kQty),
             column("BALANCE", "재고", 80, kQty)},
            {group("이동/불출", 6, 7)}, 0, {{kTotal, 0}}};
}

} // namespace stock
