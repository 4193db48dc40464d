#include "modules/stock/OES050.h"
#include "modules/stock/StockColumns.h"
#include "modules/stock/StockPrintout.h"

using namespace stock;

namespace {

ListScreenSpec spec()
{
    ListScreenSpec s;
    s.caption = QStringLiteral("재고수불명세서");
    s.masterSql = StatementSql();
    s.master = StatementGrid(false);
    s.printable = true;
    return s;
}

} // namespace

TfrmOES050::TfrmOES050(QWidget *parent)
    : StockSummaryScreen(QStringLiteral("OES050"), {.period = true, .subWarehouses = true, .item = true}, spec(), parent),
      cdsStock(masterRecords())
{
    setObjectName(QStringLiteral("frmOES050"));
}

QString TfrmOES050::exportTitle() const { return searched().month + QLatin1Char(' ') + searched().warehouse; }


void TfrmOES050::printList(bool toPreview) { printSearched(OEP050(), searched().month + QStringLiteral(" ~ ") + searched().endMonth, searched().warehouse, searched().classes, toPreview); }

#include "moc_OES050.cpp"
