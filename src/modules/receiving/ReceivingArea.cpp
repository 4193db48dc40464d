#include "modules/receiving/ReceivingArea.h"
#include "framework/ProgramTable.h"
#include "modules/receiving/OCI010.h"
#include "modules/receiving/OCI020.h"
#include "modules/receiving/OCI030.h"

void RegisterReceivingArea()
{
    RegisterScreen<TfrmOCI010>(QStringLiteral("OCI010"));
    RegisterScreen<TfrmOCI020>(QStringLiteral("OCI020"));
    RegisterScreen<TfrmOCI030>(QStringLiteral("OCI030"));
}
