#include "app/Areas.h"
#include "modules/closing/ClosingArea.h"
#include "modules/issues/IssuesArea.h"
#include "modules/master/MasterArea.h"
#include "modules/materials/MaterialsArea.h"
#include "modules/orders/OrdersArea.h"
#include "modules/receiving/ReceivingArea.h"
#include "modules/requests/RequestsArea.h"
#include "modules/stock/StockArea.h"

#include <mutex>

void RegisterAreas()
{
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterMasterArea();
        RegisterRequestsArea();
        RegisterOrdersArea();
        RegisterMaterialsArea();
        RegisterReceivingArea();
        RegisterClosingArea();
        RegisterIssuesArea();
        RegisterStockArea();
    });
}
