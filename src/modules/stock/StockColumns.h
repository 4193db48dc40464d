#pragma once
// The grids of the stock summaries: columns, their headings and footers.

#include "framework/ListScreen.h"

namespace stock {

// 재고수불명세서, with the value-added tax columns when `withTax`.
ListGrid StatementGrid(bool withTax);
// 창고별 / 품목별 재고 집계표.
ListGrid MonthSummaryGrid();
// 창고별수불금액집계표.
ListGrid WarehouseAmountsGrid();
// 품목 수불부.
ListGrid LedgerGrid();

} // namespace stock
