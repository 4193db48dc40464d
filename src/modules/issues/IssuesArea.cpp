#include "modules/issues/IssuesArea.h"
#include "framework/ProgramTable.h"
#include "modules/issues/ODI010.h"
#include "modules/issues/ODI011.h"

void RegisterIssuesArea()
{
    RegisterScreen<TfrmODI010>(QStringLiteral("ODI010"));
    RegisterScreen<TfrmODI011>(QStringLiteral("ODI011"));
}
