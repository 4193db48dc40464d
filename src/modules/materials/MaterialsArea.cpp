#include "modules/materials/MaterialsArea.h"
#include "framework/ProgramTable.h"
#include "modules/materials/OPI010.h"

void RegisterMaterialsArea()
{
    RegisterScreen<TfrmOPI010>(QStringLiteral("OPI010"));
}
