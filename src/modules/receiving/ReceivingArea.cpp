#include "modules/receiving/ReceivingArea.h"
#include "framework/ProgramTable.h"
#include "modules/receiving/OCI010.h"

void RegisterReceivingArea()
{
    RegisterScreen<TfrmOCI010>(QStringLiteral("OCI010"));
}
