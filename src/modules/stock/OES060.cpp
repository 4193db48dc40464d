#include "modules/stock/OES060.h"
#include "modules/stock/StockColumns.h"
#include "modules/stock/StockPrintout.h"
#include "session/Dialogs.h"

#include <QLineEdit>

using namespace stock;

namespace {

ListScreenSpec spec()
{
    ListScreenSpec s;
    s.caption = QStringLiteral("창고별수불금액집계표");
    s.masterSql = WarehouseAmountsSql();
    s.master = WarehouseAmountsGrid();
    s.printable = true;
    return s;
}

} // namespace

TfrmOES060::TfrmOES060(QWidget *parent)
    : StockSummaryScreen(QStringLiteral("OES060"), {.alwaysSubWarehouses = true}, spec(), parent), cdsStock(masterRecords())
{
    setObjectName(QStringLiteral("frmOES060"));
}

QString TfrmOES060::exportTitle() const { return searched().month + QLatin1Char(' ') + searched().warehouse; }

void TfrmOES060::glSelect()
{
    const auto refuse = [this](const QString &message, const QString &field) {
        ShowInfo(message);
        findChild<QLineEdit *>(field)->setFocus();
    };
    if (conditions().period.startMonth.isEmpty())
        return refuse(QStringLiteral("재고년월은 반드시 입력하세요"), QStringLiteral("medYYMM"));
    if (conditions().period.warehouse.isEmpty())
        return refuse(QStringLiteral("창고코드는 반드시 입력하세요"), QStringLiteral("edtSTRG_CODE"));
    StockSummaryScreen::glSelect();
}

void TfrmOES060::printList(bool toPreview) { printSearched(OEP060(), searched().month, searched().warehouse, searched().classes, toPreview); }

#include "moc_OES060.cpp"
