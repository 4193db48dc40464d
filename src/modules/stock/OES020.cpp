#include "modules/stock/OES020.h"
#include "modules/stock/StockColumns.h"
#include "modules/stock/StockPrintout.h"

using namespace stock;

namespace {

ListScreenSpec spec()
{
    ListScreenSpec s;
    s.caption = QStringLiteral("창고별 재고 집게표");
    s.masterSql = MonthSummarySql(true);
    s.master = MonthSummaryGrid();
    s.printable = true;
    return s;
}

} // namespace

TfrmOES020::TfrmOES020(QWidget *parent)
    : StockSummaryScreen(QStringLiteral("OES020"), {.subWarehouses = true}, spec(), parent), cdsStock(masterRecords())
{
    setObjectName(QStringLiteral("frmOES020"));
}

QString TfrmOES020::exportTitle() const { return searched().month + QLatin1Char(' ') + searched().warehouse + QStringLiteral(" 품목유형 : ") + searched().classes; }

void TfrmOES020::printList(bool toPreview) { printSearched(OEP020(), searched().month, searched().warehouse, searched().classes, toPreview); }

#include "moc_OES020.cpp"
