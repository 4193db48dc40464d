#include "modules/requests/RequestsArea.h"
#include "framework/ProgramTable.h"
#include "modules/requests/OAI010.h"
#include "modules/requests/OAI020.h"

void RegisterRequestsArea()
{
    RegisterScreen<TfrmOAI010>(QStringLiteral("OAI010"));
    RegisterScreen<TfrmOAI020>(QStringLiteral("OAI020"));
}
