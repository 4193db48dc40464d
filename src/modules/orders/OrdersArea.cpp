#include "modules/orders/OrdersArea.h"
#include "framework/ProgramTable.h"
#include "modules/orders/OBI010.h"
#include "modules/orders/OBI020.h"
#include "modules/orders/OBP010.h"
#include "modules/orders/OBS010.h"
#include "reports/Catalogue.h"

void RegisterOrdersArea()
{
    RegisterScreen<TfrmOBI010>(QStringLiteral("OBI010"));
    RegisterScreen<TfrmOBI020>(QStringLiteral("OBI020"));
    RegisterScreen<TfrmOBS010>(QStringLiteral("OBS010"));
    // the contract order: [order date][supplier][order number]
    reports::registerReport(QStringLiteral("Cont_Order.mrd"), &reports::buildContOrder);
}
