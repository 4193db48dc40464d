#include "modules/closing/ClosingArea.h"
#include "framework/ProgramTable.h"
#include "modules/closing/OEB010.h"
#include "modules/closing/OEB020.h"
#include "modules/closing/OEB030.h"
#include "modules/closing/OEI010.h"

void RegisterClosingArea()
{
    RegisterScreen<TfrmOEB010>(QStringLiteral("OEB010"));
    RegisterScreen<TfrmOEB020>(QStringLiteral("OEB020"));
    RegisterScreen<TfrmOEB030>(QStringLiteral("OEB030"));
    RegisterScreen<TfrmOEI010>(QStringLiteral("OEI010"));
}
