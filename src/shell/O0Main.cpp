#include "shell/O0Main.h"

TfrmO0Main::TfrmO0Main(QWidget *parent) : TfrmZZMain(parent)
{
    setObjectName(QStringLiteral("frmO0Main"));
}
