#include "modules/stock/OES100.h"
#include "modules/stock/StockColumns.h"

using namespace stock;

namespace {

ListScreenSpec spec()
{
    ListScreenSpec s;
    s.caption = QStringLiteral("재고수불명세서(VAT)");
    s.masterSql = StatementWithTaxSql();
    s.master = StatementGrid(true);
    return s;
}

} // namespace

TfrmOES100::TfrmOES100(QWidget *parent)
    : StockSummaryScreen(QStringLiteral("OES100"), {.period = true, .subWarehouses = true, .item = true, .closingCostOfEndMonth = true}, spec(), parent), cdsStock(masterRecords())
{
    setObjectName(QStringLiteral("frmOES100"));
}

QString TfrmOES100::exportTitle() const { return searched().month + QLatin1Char(' ') + searched().warehouse; }
