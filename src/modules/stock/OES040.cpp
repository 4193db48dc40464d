#include "modules/stock/OES040.h"
#include "modules/stock/StockColumns.h"

using namespace stock;

namespace {

ListScreenSpec spec()
{
    ListScreenSpec s;
    s.caption = QStringLiteral("품목 수불부");
    s.masterSql = LedgerSql();
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
    return LedgerParams(p.startMonth, p.warehouse, p.item);
}

QString TfrmOES040::exportTitle() const { return searched().month + QLatin1Char(' ') + searched().warehouse; }

#include "moc_OES040.cpp"
