#include "modules/stock/StockArea.h"
#include "framework/ProgramTable.h"
#include "modules/stock/OES020.h"
#include "modules/stock/OES030.h"
#include "modules/stock/OES040.h"
#include "modules/stock/OES050.h"
#include "modules/stock/FnbIndex.h"
#include "modules/stock/OEP070.h"
#include "modules/stock/OES060.h"
#include "modules/stock/OES070.h"
#include "modules/stock/OES080.h"
#include "modules/stock/OES090.h"
#include "modules/stock/OES100.h"
#include "reports/Catalogue.h"

void RegisterStockArea()
{
    RegisterScreen<TfrmOES020>(QStringLiteral("OES020"));
    RegisterScreen<TfrmOES030>(QStringLiteral("OES030"));
    RegisterScreen<TfrmOES040>(QStringLiteral("OES040"));
    RegisterScreen<TfrmOES050>(QStringLiteral("OES050"));
    RegisterScreen<TfrmOES060>(QStringLiteral("OES060"));
    RegisterScreen<TfrmOES100>(QStringLiteral("OES100"));
    RegisterScreen<TfrmOES070>(QStringLiteral("OES070"));
    RegisterScreen<TfrmOES080>(QStringLiteral("OES080"));
    RegisterScreen<TfrmOES090>(QStringLiteral("OES090"));
    // the daily cost report of a date: [date 'YYYY-MM-DD']
    reports::registerReport(QStringLiteral("DAILYFB.mrd"), &reports::buildDailyFb);
    reports::registerReport(QStringLiteral("DailyFBReport.mrd"), &reports::buildDailyFb);
    // its cost index: [date 'YYYYMMDD']
    reports::registerReport(QStringLiteral("FNB_Index.mrd"), &reports::buildFnbIndex);
}
