#include "modules/stock/OES100.h"
#include "modules/stock/StockColumns.h"
#include "modules/stock/StockPrintout.h"

using namespace stock;

namespace {

ListScreenSpec spec()
{
    ListScreenSpec s;
    s.caption = QStringLiteral("재고수불명세서(VAT)");
    s.masterSql = StatementWithTaxSql();
    s.master = StatementGrid(true);
    s.printable = true;
    return s;
}

} // namespace

TfrmOES100::TfrmOES100(QWidget *parent)
    : StockSummaryScreen(QStringLiteral("OES100"), {.period = true, .subWarehouses = true, .item = true, .closingCostOfEndMonth = true}, spec(), parent), cdsStock(masterRecords())
{
    setObjectName(QStringLiteral("frmOES100"));
}

QString TfrmOES100::exportTitle() const { return searched().month + QLatin1Char(' ') + searched().warehouse; }

void TfrmOES100::printList(bool toPreview) { printSearched(OEP050(), searched().month + QStringLiteral(" ~ ") + searched().endMonth, searched().warehouse, searched().classes, toPreview); }

#include "moc_OES100.cpp"
