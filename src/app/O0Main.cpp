#include "app/O0Main.h"
#include "framework/ProgramTable.h"
#include "app/Areas.h"

TfrmO0Main::TfrmO0Main(QWidget *parent) : TfrmZZMain(parent)
{
    setObjectName(QStringLiteral("frmO0Main"));
    RegisterAreas();
}

QWidget *TfrmO0Main::CreateProgramForm(const QString &programId)
{
    QWidget *screen = CreateRegisteredScreen(programId);
    return screen ? HostForm(screen) : nullptr;
}

#include "moc_O0Main.cpp"
