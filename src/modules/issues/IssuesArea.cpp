#include "modules/issues/IssuesArea.h"
#include "framework/ProgramTable.h"
#include "modules/issues/ODI010.h"
#include "modules/issues/ODI011.h"
#include "modules/issues/ODI020.h"
#include "modules/issues/ODI021.h"
#include "modules/issues/ODI030.h"
#include "modules/issues/ODI031.h"
#include "modules/issues/ODI040.h"
#include "modules/issues/ODI050.h"
#include "modules/issues/ODP040.h"
#include "reports/Catalogue.h"

void RegisterIssuesArea()
{
    RegisterScreen<TfrmODI010>(QStringLiteral("ODI010"));
    RegisterScreen<TfrmODI011>(QStringLiteral("ODI011"));
    RegisterScreen<TfrmODI020>(QStringLiteral("ODI020"));
    RegisterScreen<TfrmODI021>(QStringLiteral("ODI021"));
    RegisterScreen<TfrmODI030>(QStringLiteral("ODI030"));
    RegisterScreen<TfrmODI031>(QStringLiteral("ODI031"));
    RegisterScreen<TfrmODI040>(QStringLiteral("ODI040"));
    RegisterScreen<TfrmODI050>(QStringLiteral("ODI050"));
    // every return of a search: [start date][end date][supplier][warehouse]
    reports::registerReport(QStringLiteral("RETU_REPORT.mrd"), &reports::buildReturnReport);
}
