#include "modules/stock/OES030.h"
#include "modules/stock/StockColumns.h"
#include "modules/stock/StockPrintout.h"

using namespace stock;

namespace {

ListScreenSpec spec()
{
    ListScreenSpec s;
    s.caption = QStringLiteral("품목별 재고집게표");
    s.masterSql = MonthSummarySql(false);
    s.master = MonthSummaryGrid();
    s.printable = true;
    return s;
}

} // namespace

TfrmOES030::TfrmOES030(QWidget *parent)
    : StockSummaryScreen(QStringLiteral("OES030"), {.warehouse = false}, spec(), parent), cdsStock(masterRecords())
{
    setObjectName(QStringLiteral("frmOES030"));
}

QString TfrmOES030::exportTitle() const { return searched().month + QLatin1Char(' ') + searched().classes; }

void TfrmOES030::printList(bool toPreview) { printSearched(OEP030(), searched().month, searched().classes, QString(), toPreview); }

#include "moc_OES030.cpp"
