#include "modules/master/MasterArea.h"
#include "framework/ProgramTable.h"
#include "modules/master/CodeList.h"
#include "modules/master/OXI010.h"
#include "modules/master/OXI020.h"
#include "modules/master/OXI060.h"
#include "modules/master/OXI070.h"
#include "modules/master/OXI080.h"
#include "reports/Catalogue.h"

void RegisterMasterArea()
{
    RegisterScreen<TfrmOXI010>(QStringLiteral("OXI010"));
    RegisterScreen<TfrmOXI020>(QStringLiteral("OXI020"));
    RegisterScreen<TfrmOXI060>(QStringLiteral("OXI060"));
    RegisterScreen<TfrmOXI070>(QStringLiteral("OXI070"));
    RegisterScreen<TfrmOXI080>(QStringLiteral("OXI080"));
    // common codes by head (ZX010MS): [head prefix]
    reports::registerReport(QStringLiteral("code_list.mrd"), &reports::buildCodeList);
}
