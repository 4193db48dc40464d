#include "modules/stock/StockArea.h"
#include "framework/ProgramTable.h"
#include "modules/stock/OES020.h"
#include "modules/stock/OES030.h"
#include "modules/stock/OES040.h"
#include "modules/stock/OES050.h"
#include "modules/stock/OES060.h"
#include "modules/stock/OES100.h"

void RegisterStockArea()
{
    RegisterScreen<TfrmOES020>(QStringLiteral("OES020"));
    RegisterScreen<TfrmOES030>(QStringLiteral("OES030"));
    RegisterScreen<TfrmOES040>(QStringLiteral("OES040"));
    RegisterScreen<TfrmOES050>(QStringLiteral("OES050"));
    RegisterScreen<TfrmOES060>(QStringLiteral("OES060"));
    RegisterScreen<TfrmOES100>(QStringLiteral("OES100"));
}
